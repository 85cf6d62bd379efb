// The item catalogue, the battle dispatcher, the frame every item and action
// routine shares, and the item formulas.
#include "item.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "battle.h"
#include "door.h"
#include "vantor.h"
#include "vantor_frame.h"

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
        &small_potion, &glow_dust,        &light_stone,   &viver,      &combuster,  &blade_shine,
        &vest_shine,   &glass_ball,       &aurora_amulet, &smoke_bomb, &aloe_drink, &glow_rock,
        &large_potion, &storage_room_key, &spirit_bomb,   &green_herb, &blue_herb,  &red_herb,
        &art_herb};
    if (n < 0 || n >= NUM_ITEM_TEMPLATES) n = 0;
    return *catalogue[n];
}

int do_item(int index, ftchar* who)
{
    if (index < 0 || index >= 101 || !who) return 0;
    switch (items[index].id) {
    case IT_SMALL_POTION: do_small_potion(index, who); break;
    case IT_GLOW_DUST: do_glow_dust(index, who); break;
    case IT_LIGHT_STONE: do_light_stone(index, who); break;
    case IT_VIVER: do_viver(index, who); break;
    case IT_COMBUSTER: do_combuster(index, who); break;
    case IT_BLADE_SHINE: do_blade_shine(index, who); break;
    case IT_VEST_SHINE: do_vest_shine(index, who); break;
    case IT_GLASS_BALL: do_glass_ball(index, who); break;
    case IT_SMOKE_BOMB: do_smoke_bomb(index, who); break;
    case IT_GLOW_ROCK: do_glow_rock(index, who); break;
    case IT_LARGE_POTION: do_large_potion(index, who); break;
    case IT_ALOE_DRINK: do_aloe_drink(index, who); break;
    case IT_SPIRIT_BOMB: do_spirit_bomb(index, who); break;
    case IT_GREEN_HERB: do_green_herb(index, who); break;
    case IT_BLUE_HERB: do_blue_herb(index, who); break;
    case IT_RED_HERB: do_red_herb(index, who); break;
    default:
        // The amulet, the key and Artemisia have no use in a fight.
        refusal_window("You can't use this now...");
        return 0;
    }
    return TRUE;
}

void refusal_window(const char* text) { battle_window(text, 45, 210, 230, 16); }

namespace {

// The walk of a step forward or back: dx a frame for 20 frames, poses b and a in turn.
void walk_20(ftchar* who, int dx)
{
    for (int i = 0; i < 20; i++) {
        if (who->a && who->b) who->current = i % 2 == 0 ? who->b : who->a;
        who->x += dx;
        ft_update_screen();
    }
}

} // namespace

void step_forward(ftchar* who)
{
    virtual_screen = FALSE;
    reset_battle_timer();
    walk_20(who, -1);
}

void step_back(ftchar* who)
{
    reset_battle_timer();
    walk_20(who, 1);
    // Standing still again, not caught mid-stride.
    if (who->a) who->current = who->a;
}

void show_use_name(ftchar* who, const char* name)
{
    int w = main_font ? text_length(main_font, name) : 8 * (int)strlen(name);
    story_window_2(name, who->x - 35, who->y - 25, w + 8, 15);
    door_rest(500);
}

BITMAP* effect_backdrop = nullptr;

int effect_frame()
{
    if (!effect_backdrop) {
        ft_update_screen();
        return drew_last;
    }
    fpscounter++;
    blit(effect_backdrop, buffer, 0, 0, 0, 0, buffer->w, buffer->h);
    wait_for_clock();
    return TRUE;
}

void effect_start()
{
    if (effect_backdrop)
        reset_fps_timer();
    else
        reset_battle_timer();
}

int signed_spread(int n, int r1, int r2)
{
    if (n < 1) return 0;
    int r = std::abs(r1 % n);
    return r2 % 2 != 0 ? -r : r;
}

int small_potion_amount(int r1, int r2) { return 20 + signed_spread(4, r1, r2); }
int glow_rock_amount(int r1, int r2) { return 50 + signed_spread(6, r1, r2); }
int large_potion_amount(int r1, int r2) { return 100 + signed_spread(11, r1, r2); }
int spirit_bomb_amount(int r1, int r2) { return std::max(20 + signed_spread(2, r1, r2), 0); }

int combuster_damage(int dfp)
{
    int d = 75 - dfp;
    return d < 0 ? 1 : d;
}

int red_herb_damage(int dfp, int strength, int weakness)
{
    int d = 200 - dfp;
    if (d < 0) d = 1;
    if (strength == ELEM_FIRE) d = -d;
    if (weakness == ELEM_FIRE) d *= 3;
    return d;
}

int capped_add(int value, int amount, int max)
{
    int v = value + amount;
    return v > max ? std::max(max, value) : v;
}

void heal_hp(ftchar* t, int amount)
{
    if (t && t->alive) t->hp = capped_add(t->hp, amount, t->hpmax);
}

void heal_mp(ftchar* t, int amount)
{
    if (t && t->alive) t->mp = capped_add(t->mp, amount, t->mpmax);
}

void revive(ftchar* t)
{
    if (!t) return;
    if (!t->alive) {
        t->alive = TRUE;
        t->hp = (int)(t->hpmax * 0.25);
        if (t->a) t->current = t->a;
    }
    for (int i = 1; i < 20; i++) t->status[i] = 0;
}

void cure_bad_status(ftchar* t)
{
    if (!t || !t->alive) return;
    t->status[ST_POISON] = 0;
    t->status[ST_FEAR] = 0;
}

ftchar* item_on_ally(int index, ftchar* who)
{
    ftchar* t = do_heal_select();
    if (!t) {
        take_turn(who);
        return nullptr;
    }
    items[index].have--;
    step_forward(who);
    show_use_name(who, items[index].name);
    return t;
}

ftenemy* item_on_enemy(int index, ftchar* who)
{
    ftenemy* e = do_hurt_select();
    if (!e) {
        take_turn(who);
        return nullptr;
    }
    items[index].have--;
    step_forward(who);
    show_use_name(who, items[index].name);
    return e;
}

void show_amount(int number, int x, int y, int col)
{
    draw_number(number, x, y, col);
    door_rest(500);
    virtual_screen = FALSE;
}
