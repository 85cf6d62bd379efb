// The item catalogue. Effects in battle and chests come with the battle.
#include "item.h"

#include "door.h"
#include "vantor.h"

#include <cstdio>

namespace {

// A template record; the name is the icon glyph followed by the shown name.
item make_item(int id, int glyph, const char* name, const char* desc, int cost, int battle_only)
{
    item it{};
    snprintf(it.name, sizeof it.name, "%c%s", (char)glyph, name);
    snprintf(it.desc, sizeof it.desc, "%s", desc);
    it.have = 0;
    it.id = id;
    it.cost = cost;
    it.battle_only = battle_only;
    return it;
}

} // namespace

item small_potion = make_item(0, GLYPH_BOTTLE, "Small Potion", "Restores about 20 Hp to one ally", 25, 0);
item glow_dust = make_item(1, GLYPH_BOTTLE, "Glow Dust", "Restores 10 Mp to one ally", 100, 0);
item light_stone = make_item(2, GLYPH_BOTTLE, "Light Stone", "Restores about 20 Hp to all allies", 100, 0);
item viver = make_item(3, GLYPH_BOTTLE, "Viver", "Recovers one ally", 500, 0);
item combuster = make_item(4, GLYPH_BOTTLE, "Combuster", "Small explosion on one target", 200, -1);
item blade_shine = make_item(5, GLYPH_BOTTLE, "Blade Shine", "Temporarily raises ATP by %50", 100, -1);
item vest_shine = make_item(6, GLYPH_BOTTLE, "Vest Shine", "Temporarily raises DFP by %50", 100, -1);
item glass_ball = make_item(7, GLYPH_BOTTLE, "Glass Ball", "Invisibility on one target", 150, -1);
item aurora_amulet = make_item(8, GLYPH_AMULET, "Aurora Amulet", "Elizabeth's special Amulet", 10000, -1);
item smoke_bomb = make_item(9, GLYPH_BOTTLE, "Smoke Bomb", "Escapes battles", 250, -1);
item aloe_drink = make_item(10, GLYPH_BOTTLE, "Aloe Drink", "Cures poison", 50, 0);
item glow_rock = make_item(11, GLYPH_BOTTLE, "Glow Rock", "Restores 50 Mp to one ally", 300, 0);
item large_potion = make_item(12, GLYPH_BOTTLE, "Large Potion", "Restores about 100 Hp to one ally", 200, 0);
item storage_room_key = make_item(13, GLYPH_KEY, "S. Room Key", "Key to lumin village storage room", 0, -1);
item spirit_bomb = make_item(14, GLYPH_BOTTLE, "Spirit Bomb", "Damages enemy's MP", 200, -1);
item green_herb = make_item(15, GLYPH_HERB, "Green", "Cures all bad status changes", 0, -1);
item blue_herb = make_item(16, GLYPH_HERB, "Blue", "Restores Mp fully to one ally", 0, -1);
item red_herb = make_item(17, GLYPH_HERB, "Red", "Burns one target badly", 0, -1);
item art_herb = make_item(18, GLYPH_HERB, "Artemisia", "Restores Hp and Mp fully to one target", 0, -1);

const item& item_template(int n)
{
    static const item* const catalogue[NUM_ITEM_TEMPLATES] = {
        &small_potion, &glow_dust,    &light_stone, &viver,        &combuster,        &blade_shine, &vest_shine,
        &glass_ball,   &aurora_amulet, &smoke_bomb, &aloe_drink,   &glow_rock,        &large_potion,
        &storage_room_key, &spirit_bomb, &green_herb, &blue_herb, &red_herb,         &art_herb};
    if (n < 0 || n >= NUM_ITEM_TEMPLATES) n = 0;
    return *catalogue[n];
}

int do_item(int, ftchar*)
{
    // Until the items have their effect routines, none can be used in battle.
    door_clear_keybuf();
    clear_joybuf();
    story_window_2("You can't use this now...", 45, 210, 230, 16);
    door_clear_keybuf();
    jreadkey();
    door_clear_keybuf();
    clear_joybuf();
    return 0;
}

void do_chest(int, int, int, int) {}
