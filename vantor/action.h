// The battle actions (spells and weapon skills) and their effects. Each
// catalogue row is a global template; heroes hold their own copies.
#pragma once
#include "records.h"

// Icon glyphs of the game font that begin action names, by element.
enum { GLYPH_FIRE = 0xA1, GLYPH_EARTH = 0xA2, GLYPH_AIR = 0xA3, GLYPH_WATER = 0xA4, GLYPH_LIGHT = 0xA5 };

extern action phantom_blade, burn, restore, sand_blast, soul_slash, _rain, freeze, anti_rain, red_light,
    backlash, auria, boulder_rain, light_beam, bolt_charge; // the catalogue templates, all with have 0

// Action numbers (the id of a slot).
enum {
    AC_PHANTOM_BLADE = 1,
    AC_BURN,
    AC_RESTORE,
    AC_SAND_BLAST,
    AC_SOUL_SLASH,
    AC_RAIN,
    AC_FREEZE,
    AC_ANTI_RAIN,
    AC_RED_LIGHT,
    AC_BACKLASH,
    AC_AURIA,
    AC_BOULDER_RAIN,
    AC_LIGHT_BEAM,
    AC_BOLT_CHARGE
};

// Runs the action in slot index of who's actions; -1 when the turn is spent, 0 when it is not.
int do_action(int index, ftchar* who);
void do_phantom_blade(int index, ftchar* who);
void do_burn(int index, ftchar* who);
// Gleamer: heals one ally (under story flag 4, Mike without asking).
void do_restore(int index, ftchar* who);
void do_sand_blast(int index, ftchar* who);
void do_soul_slash(int index, ftchar* who);
void do_rain(int index, ftchar* who);
void do_freeze(int index, ftchar* who);
void do_red_light(int index, ftchar* who);
void do_backlash(int index, ftchar* who);
void do_auria(int index, ftchar* who);
void do_boulder_rain(int index, ftchar* who);
void do_light_beam(int index, ftchar* who);
void do_bolt_charge(int index, ftchar* who);

// ---- the frame of an action ----
// Steps 1 to 4 for an enemy target: picks it, pays, steps forward, names and casts; null when backed out.
ftenemy* action_on_enemy(int index, ftchar* who);
// The same for an ally target.
ftchar* action_on_ally(int index, ftchar* who);
// The same with no target to pick (actions on every enemy).
void action_on_all(int index, ftchar* who);

// ---- damage rules (random draws passed in) ----
// Spell damage: the slot's power plus a spread of -3 to 3.
int spell_damage(int atp, int r1, int r2);
// Weapon skill damage: the slot's power and the weapon's plus the spread.
int skill_damage(int atp, int weapon_atp, int r1, int r2);
// Applies damage d (negative heals) to e: hp and total_damage move, hp capped at hpmax;
// TRUE when e is now down (hp 0 or less).
int hurt_enemy(ftenemy* e, int d);
// Shows d on e: above 0 in the font's colour, else its size in the healing colour.
void show_enemy_damage(ftenemy* e, int d);
// The colour show_enemy_damage uses for d (-1: the font's own).
int damage_colour(int d);
// Soul Slash lands when the draw modulo the enemy's hpmax is 99 or less.
int soul_slash_lands(int r, int hpmax);
// Gleamer's amount: base 50 with Elizabeth in the fight, 14 without, plus -5 to 5.
int gleamer_amount(int atp, int elizabeth_fights, int r1, int r2);
// One frame of the falling boulders drawn onto dest (frame 0 starts them); for the benchmark.
void boulder_rain_frame(BITMAP* dest, int frame);
