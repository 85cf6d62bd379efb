// The battle actions (spells and weapon skills) and their effects. Each
// catalogue row is a global template; heroes hold their own copies.
#pragma once
#include "records.h"

// Icon glyphs of the game font that begin action names, by element.
enum { GLYPH_FIRE = 0xA1, GLYPH_EARTH = 0xA2, GLYPH_AIR = 0xA3, GLYPH_WATER = 0xA4, GLYPH_LIGHT = 0xA5 };

extern action phantom_blade, burn, restore, sand_blast, soul_slash, _rain, freeze, anti_rain, red_light, backlash,
    auria, boulder_rain, light_beam, bolt_charge;   // the catalogue templates, all with have 0

// Runs the action in slot index of who's actions; -1 when the turn is spent, 0 when it is not.
int do_action(int index, ftchar* who);
// Gleamer: heals one ally (under story flag 4, Mike without asking).
void do_restore(int index, ftchar* who);
