// The item catalogue and the effects of items in battle and from chests.
// Each template is a global record; init_variables copies template N into
// row N of the bag, so a row's id is its index.
#pragma once
#include "records.h"

// Icon glyphs of the game font that begin item names.
enum { GLYPH_BOTTLE = 0xA7, GLYPH_AMULET = 0xAD, GLYPH_HERB = 0xAF, GLYPH_KEY = 0xB0 };

constexpr int NUM_ITEM_TEMPLATES = 19;      // catalogue rows 0 to 18

extern item small_potion, glow_dust, light_stone, viver, combuster, blade_shine, vest_shine, glass_ball,
    aurora_amulet, smoke_bomb, aloe_drink, glow_rock, large_potion, storage_room_key, spirit_bomb, green_herb,
    blue_herb, red_herb, art_herb;          // the catalogue templates, all with have 0

// Opens chest `id` whose closed tile is at column x, row y of map layer `layer`.
void do_chest(int id, int x, int y, int layer);

// The template of item number n (0 to 18).
const item& item_template(int n);

// Uses bag row index in battle; -1 when the turn is spent, 0 when the item can't be used now.
int do_item(int index, ftchar* who);
