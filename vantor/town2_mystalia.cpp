// Mystalia: the town at the edge of the desert, its nine rooms and the
// stranger of room 4. Cells are map pixels of town03.map and its rooms
// (assets/maps/town03*.txt).
#include <algorithm>
#include <initializer_list>

#include "battle.h"
#include "dat_names.h"
#include "door.h"
#include "item.h"
#include "town.h"
#include "town2.h"
#include "town2_lines.h"
#include "vantor.h"

namespace {

const town_room rooms[] = {
    // file, number, door, entry, limit, second door
    {"town03~1.map", 10401, 224, 144, 144, 224, 239, 0, 0},
    {"town03~2.map", 10402, 112, 112, 160, 224, 239, 0, 0},
    {"town03~3.map", 10403, 560, 112, 160, 224, 239, 0, 0},
    {"town03~4.map", 10404, 128, 304, 144, 224, 239, 0, 0},
    {"town03~5.map", 10405, 496, 304, 144, 224, 239, 0, 0},
    {"town03~6.map", 10406, 384, 144, 144, 224, 239, 0, 0},
    {"town03~7.map", 10407, 464, 144, 160, 224, 239, 0, 0},
    {"town03~8.map", 10408, 96, 496, 160, 224, 239, 0, 0},
    {"town03~9.map", 10409, 224, 496, 160, 224, 239, 0, 0},
};

const room_link links[] = {
    // The angry man's house: a front room and a back room, each with a street door.
    {10406, 272, 144, 10407, 48, 144, DIR_RIGHT},
    {10407, 32, 144, 10406, 256, 144, DIR_LEFT},
};

// clang-format off
const counter_spot counters[] = {
    {10402, 32, 96, DIR_UP, COUNTER_INN, 100},
    {10403, 64, 112, DIR_UP, COUNTER_SHOP, 0},   // recovery items
    {10403, 240, 112, DIR_UP, COUNTER_SHOP, 1},  // battle items
    {10408, 144, 112, DIR_UP, COUNTER_SHOP, 2},  // arms
    {10409, 144, 112, DIR_UP, COUNTER_SHOP, 3},  // attire
};
// clang-format on

// clang-format off
const town_shop shops[] = {
    {mystalia_shop_greetings[0], "Mystalia Recovery Item Shop", 1,
     {IT_SMALL_POTION, IT_ALOE_DRINK, IT_GLOW_DUST, IT_LIGHT_STONE, IT_LARGE_POTION, IT_GLOW_ROCK, IT_VIVER, -1}},
    {mystalia_shop_greetings[1], "Mystalia Battle Item Shop", 1,
     {IT_BLADE_SHINE, IT_VEST_SHINE, IT_GLASS_BALL, IT_COMBUSTER, IT_SMOKE_BOMB, IT_SPIRIT_BOMB, -1}},
    // Rows of weapon_list: every blade and rod but the Short Rod, which Lumin's smiths alone make.
    {mystalia_shop_greetings[2], "Mystalia Arms Shop", 2, {0, 1, 2, 3, 4, 5, 7, 8, 9, -1}},
    // The attire shop is a branch of Agual's, with the Soldier's Mail besides, and the Rock
    // Vest for the stone beasts of the Sand Garden next door: the Rocks that stand up with
    // the Mountain are beaten by a party that wears it and hardly scratched otherwise.
    {mystalia_shop_greetings[3], "Agual Attire Shop", 3, {0, 1, 2, 3, 4, 5, -1}},
};
// clang-format on

// Chest 18: a Large Potion.
const town_chest chest_list[] = {
    {10408, 18, 16, 11, 1},
};

// clang-format off
const town_find finds[] = {
    {104, 7, 320, 320, DIR_UP, 0},      // the well: Small Potion
    {104, 8, 208, 256, DIR_UP, 2},      // a palm on the plaza: Light Stone
    {104, 9, 48, 320, DIR_LEFT, 1},     // under a boulder: Glow Dust
    {104, 10, 192, 336, DIR_LEFT, 10},  // the woodpile: Aloe Drink
    {10401, 11, 64, 112, DIR_UP, 12},   // a water pot of the potter: Large Potion
    {10405, 12, 48, 112, DIR_UP, 11},   // the lamp maker's shelf: Glow Rock
};
// clang-format on

const int ALL = -1;

const town_person people[] = {
    {104, 1, &townsman_07, 272, 288, DIR_DOWN, FALSE, ALL, ALL},
    {104, 2, &old_townswoman_02, 384, 336, DIR_DOWN, FALSE, ALL, ALL},
    {104, 3, &old_townsman_01, 144, 208, DIR_DOWN, FALSE, ALL, ALL},
    {104, 4, &townsgirl_01, 336, 432, DIR_DOWN, FALSE, ALL, ALL},
    {10401, 10, &townswoman_02, 176, 144, DIR_DOWN, TRUE, ALL, ALL},
    {10401, 11, &townsboy_03, 96, 160, DIR_RIGHT, TRUE, ALL, ALL},
    {10402, 10, &townclerk_01, 32, 64, DIR_DOWN, TRUE, ALL, ALL},
    {10402, 11, &townsman_08, 112, 144, DIR_LEFT, TRUE, ALL, ALL},
    {10403, 10, &nurse, 64, 80, DIR_DOWN, TRUE, ALL, ALL},
    {10403, 11, &townclerk_01, 240, 80, DIR_DOWN, TRUE, ALL, ALL},
    {10404, 10, &scientist_02, 144, 96, DIR_DOWN, TRUE, ALL, 17},
    {10405, 10, &old_townsman_02, 176, 160, DIR_DOWN, TRUE, ALL, ALL},
    {10405, 11, &townsgirl_02, 96, 144, DIR_RIGHT, TRUE, ALL, ALL},
    {10406, 11, &townsman_02, 160, 160, DIR_DOWN, TRUE, ALL, ALL},
    {10408, 10, &townsman_05, 144, 80, DIR_DOWN, TRUE, ALL, ALL},
    {10409, 10, &townswoman_04, 144, 80, DIR_DOWN, TRUE, ALL, ALL},
};

#define COUNT(a) (int)(sizeof a / sizeof a[0])

// The party, beaten, comes to on the floor: everyone who fought stands up again, hurt.
void come_to()
{
    for (ftchar* h : {ftmike, ftcharlie, ftrunhon, ftelizabeth}) {
        if (!h || !h->in_fight) continue;
        h->alive = TRUE;
        h->hp = std::max(h->hp, 1);
    }
    trash_status(TRUE);
}

} // namespace

int mystalia_fight()
{
    enemy1 = alloc_enemy();
    enemy2 = alloc_enemy();
    enemy3 = alloc_enemy();
    enemy4 = alloc_enemy();
    make_enemy(enemy1, FOE_METALOR);
    enemy1->x = 40;
    enemy1->y = 85;
    make_enemy(enemy2, FOE_EMPTY);
    make_enemy(enemy3, FOE_EMPTY);
    make_enemy(enemy4, FOE_EMPTY);

    looping = FALSE;
    in_boss_battle = TRUE;
    // He is far beyond the party: losing to him is a turn of the story, not its end.
    skip_game_over = TRUE;
    int won = battle(data ? (BITMAP*)data[BATTLE_DESERT].dat : nullptr, MUS_BOSS);
    skip_game_over = FALSE;
    in_boss_battle = FALSE;
    for (ftenemy** e : {&enemy1, &enemy2, &enemy3, &enemy4}) {
        uninit_enemy(*e);
        *e = nullptr;
    }
    if (!won) come_to();

    // Back in the dark house with the town's own tune.
    door_play_midi(MUS_MYSTALIA, TRUE);
    playing = MUS_MYSTALIA;
    virtual_screen = TRUE;
    update_screen();
    fade_to(buffer, 5);
    virtual_screen = FALSE;
    looping = TRUE;
    reset_fps_timer();
    return won ? TRUE : FALSE;
}

void mystalia_stranger()
{
    for (const char* const* line = mystalia_stranger_lines; *line; line++) wrap_wind(*line);
    story_flag[16] = TRUE;
    int won = mystalia_fight();
    story_flag[16] = FALSE;
    // Either way he is gone, and the scholar's book with him.
    person[10]->visible = FALSE;
    for (const char* const* line = won ? mystalia_after_fight_lines : mystalia_after_lost_lines; *line;
         line++)
        wrap_wind(*line);
    story_flag[17] = TRUE;
    reset_fps_timer();
}

void mystalia_map_shown()
{
    if (g_map_num == 10404 && !story_flag[17]) mystalia_stranger();
}

// clang-format off
const town_plan mystalia_plan = {
    "Mystalia", "town03.map", 104, MUS_MYSTALIA, 320, 16, DIR_DOWN, -160, 0,
    rooms, COUNT(rooms), links, COUNT(links), counters, COUNT(counters), chest_list, COUNT(chest_list),
    finds, COUNT(finds), people, COUNT(people), shops, COUNT(shops),
    nullptr, 0, nullptr, 0,
    DIR_UP, TRUE,
    mystalia_inn_offer, mystalia_inn_morning, mystalia_inn_refused,
    FALSE, 0, FALSE,
};
// clang-format on

void do_lumin_mystalia()
{
    enter_town(&mystalia_plan);
    run_town(&mystalia_plan);
}
