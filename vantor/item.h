// The item catalogue and the effects of items in battle and from chests.
// Each template is a global record; init_variables copies template N into
// row N of the bag, so a row's id is its index. An item's battle routine
// follows one frame: pick the target, take one from the bag, step forward,
// show the name, play the animation, show the amount, step back, apply.
// The healing effects also run outside battle (the menu), over a still
// picture instead of the battle.
#pragma once
#include "dat_names.h"
#include "records.h"

// Icon glyphs of the game font that begin item names.
enum { GLYPH_BOTTLE = 0xA7, GLYPH_AMULET = 0xAD, GLYPH_HERB = 0xAF, GLYPH_KEY = 0xB0 };

// Item numbers (rows of the bag).
enum {
    IT_SMALL_POTION,
    IT_GLOW_DUST,
    IT_LIGHT_STONE,
    IT_VIVER,
    IT_COMBUSTER,
    IT_BLADE_SHINE,
    IT_VEST_SHINE,
    IT_GLASS_BALL,
    IT_AURORA_AMULET,
    IT_SMOKE_BOMB,
    IT_ALOE_DRINK,
    IT_GLOW_ROCK,
    IT_LARGE_POTION,
    IT_STORAGE_ROOM_KEY,
    IT_SPIRIT_BOMB,
    IT_GREEN_HERB,
    IT_BLUE_HERB,
    IT_RED_HERB,
    IT_ART_HERB
};

constexpr int NUM_ITEM_TEMPLATES = 19;           // catalogue rows 0 to 18
constexpr int OPEN_CHEST_TILE = TILE_CHEST_OPEN; // the tile of an opened chest

extern item small_potion, glow_dust, light_stone, viver, combuster, blade_shine, vest_shine, glass_ball,
    aurora_amulet, smoke_bomb, aloe_drink, glow_rock, large_potion, storage_room_key, spirit_bomb, green_herb,
    blue_herb, red_herb, art_herb; // the catalogue templates, all with have 0

// The template of item number n (0 to 18).
const item& item_template(int n);

// ---- use in battle ----
// Uses bag row index in battle; -1 when the turn is spent, 0 when the item can't be used now.
int do_item(int index, ftchar* who);
void do_small_potion(int index, ftchar* who);
void do_glow_dust(int index, ftchar* who);
void do_light_stone(int index, ftchar* who);
void do_viver(int index, ftchar* who);
void do_combuster(int index, ftchar* who);
void do_blade_shine(int index, ftchar* who);
void do_vest_shine(int index, ftchar* who);
void do_glass_ball(int index, ftchar* who);
void do_smoke_bomb(int index, ftchar* who);
void do_aloe_drink(int index, ftchar* who);
void do_glow_rock(int index, ftchar* who);
void do_large_potion(int index, ftchar* who);
void do_spirit_bomb(int index, ftchar* who);
void do_green_herb(int index, ftchar* who);
void do_blue_herb(int index, ftchar* who);
void do_red_herb(int index, ftchar* who);

// ---- the frame shared by item and action routines ----
// Walks who 20 pixels towards the enemies, one pixel a frame.
void step_forward(ftchar* who);
// Walks who 20 pixels back and stands him up again.
void step_back(ftchar* who);
// The item's or action's name in a small window over who's head, then half a second.
void show_use_name(ftchar* who, const char* name);
// Frame steps 1 to 4 for an ally: the target (null after the turn menu reopened).
ftchar* item_on_ally(int index, ftchar* who);
// Frame steps 1 to 4 for an enemy.
ftenemy* item_on_enemy(int index, ftchar* who);
// The amount at (x, y) in colour col (-1 the font's own), half a second, virtual off.
void show_amount(int number, int x, int y, int col);
// Shows a refusal in the bottom window and waits for a key.
void refusal_window(const char* text);

// ---- the effect screen (battle or menu) ----
// Null in battle. The menu sets it to its own picture so the healing
// animations can play over it without a battle; it then owns it.
extern BITMAP* effect_backdrop;
// One paced frame of the battle (or of the backdrop) into buffer; TRUE when it was drawn.
int effect_frame();
// Restarts the pacer an animation keeps time by.
void effect_start();

// ---- healing effects, usable outside battle ----
// TRUE for the items whose effect also works outside battle.
int is_heal_item(int id);
// The healing animation of item id over a w x h target at (x, y) of the screen;
// self: the user treats himself (the throw starts further off).
void heal_item_animation(int id, int x, int y, int w, int h, int self);
// The random amount item id heals now (-1: it shows no number).
int heal_item_amount(int id);
// What item id does to target with that amount. Only a Viver helps the dead.
void apply_heal_amount(int id, ftchar* target, int amount);
// Both: the amount drawn and applied; returns it (-1: no number).
int apply_heal_item(int id, ftchar* target);

// ---- effects and formulas (random draws passed in) ----
// r = r1 % n, negated when r2 is odd: the items' and actions' symmetric spread.
int signed_spread(int n, int r1, int r2);
int small_potion_amount(int r1, int r2); // 17 to 23
int glow_rock_amount(int r1, int r2);    // 45 to 55
int large_potion_amount(int r1, int r2); // 90 to 110
int spirit_bomb_amount(int r1, int r2);  // 19 to 21
// Combuster: 75 against the enemy's dfp; a negative result becomes 1.
int combuster_damage(int dfp);
// Red herb: 200 against dfp (at least 1), negated on a fire strength, tripled on a fire weakness.
int red_herb_damage(int dfp, int strength, int weakness);
// hp (or mp) raised by amount, never above max.
int capped_add(int value, int amount, int max);
// A living target's hp rises by amount (capped); the dead get nothing.
void heal_hp(ftchar* t, int amount);
// A living target's mp rises by amount (capped).
void heal_mp(ftchar* t, int amount);
// Viver: a knocked-out target stands up with a quarter of its hp; every status clears.
void revive(ftchar* t);
// Green herb: poison and fear of a living target cured, every other slot kept.
void cure_bad_status(ftchar* t);

// ---- chests ----
// Opens chest id whose closed tile lies at tile (x, y) of map layer `layer`.
// Weapons and armor come from the first slot of current_store's lists.
void do_chest(int id, int x, int y, int layer);
// Draws chest id open on the map when it was opened before (a place calls it on entry).
void show_chest(int id, int x, int y, int layer);
