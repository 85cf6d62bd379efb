// Agual: the fishing town in the rain, its ten rooms and its moments: the
// gate scene, Runhon's gathering and the messenger on the west road. Cells
// are map pixels of town02.map and its rooms (assets/maps/town02*.txt).
#include "dat_names.h"
#include "item.h"
#include "story.h"
#include "town.h"
#include "town2_lines.h"
#include "vantor.h"

namespace {

const town_room rooms[] = {
    // file, number, door, entry, limit, second door
    {"town02~1.map", 10301, 64, 112, 144, 224, 239, 0, 0},
    {"town02~2.map", 10302, 304, 208, 160, 224, 239, 0, 0},
    {"town02~3.map", 10303, 272, 496, 160, 224, 239, 0, 0},
    {"town02~4.map", 10304, 80, 272, 128, 224, 239, 0, 0},
    {"town02~5.map", 10305, 48, 496, 128, 224, 239, 0, 0},
    {"town02~6.map", 10306, 128, 496, 144, 224, 239, 0, 0},
    {"town02~7.map", 10307, 400, 496, 160, 224, 239, 0, 0},
    {"town02~8.map", 10308, 672, 496, 144, 224, 239, 0, 0},
    {"town02~9.map", 10309, 560, 112, 128, 224, 239, 0, 0},
    // Runhon's room is upstairs: no street door, reached by the stairs of room 9.
    {"town02~a.map", 10310, -1, -1, 256, 96, 239, 0, 0},
};

const room_link links[] = {
    // The two cottages share a door in their party wall.
    {10305, 272, 144, 10306, 48, 144, DIR_RIGHT},
    {10306, 32, 144, 10305, 256, 144, DIR_LEFT},
    // Runhon's stairs.
    {10309, 256, 80, 10310, 256, 96, DIR_DOWN},
    {10310, 256, 80, 10309, 256, 96, DIR_DOWN},
};

// clang-format off
const counter_spot counters[] = {
    {10302, 32, 96, DIR_UP, COUNTER_INN, 50},
    {10303, 64, 112, DIR_UP, COUNTER_SHOP, 0},   // battle items
    {10303, 240, 112, DIR_UP, COUNTER_SHOP, 1},  // recovery items
    {10307, 64, 112, DIR_UP, COUNTER_SHOP, 2},   // arms
    {10307, 240, 112, DIR_UP, COUNTER_SHOP, 3},  // attire
};
// clang-format on

// clang-format off
const town_shop shops[] = {
    {agual_shop_greetings[0], "Agual Battle Item Shop", 1,
     {IT_BLADE_SHINE, IT_VEST_SHINE, IT_GLASS_BALL, IT_COMBUSTER, IT_SMOKE_BOMB, -1}},
    {agual_shop_greetings[1], "Agual Recovery Item Shop", 1,
     {IT_SMALL_POTION, IT_ALOE_DRINK, IT_GLOW_DUST, IT_LIGHT_STONE, IT_VIVER, -1}},
    // Weapons and armor by their rows of weapon_list and armor_list: Steel Blade to Iron Sword,
    // Iron Vest to Warrior Vest.
    {agual_shop_greetings[2], "Agual Arms Shop", 2, {0, 1, 2, 3, 4, 5, -1}},
    {agual_shop_greetings[3], "Agual Attire Shop", 3, {0, 1, 2, 3, -1}},
};
// clang-format on

// Chests 9, 11, 12 and 13: a Smoke Bomb, two Vivers and a Light Stone.
const town_chest chest_list[] = {
    {10304, 9, 15, 5, 1},
    {10307, 11, 16, 11, 1},
    {10308, 12, 3, 5, 1},
    {10310, 13, 3, 5, 1},
};

// clang-format off
const town_find finds[] = {
    {103, 4, 400, 224, DIR_UP, 10},     // a barrel by the inn: Aloe Drink
    {103, 5, 432, 528, DIR_RIGHT, 0},   // crates on the quay: Small Potion
    {103, 6, 320, 304, DIR_UP, 1},      // the well of the square: Glow Dust
};
// clang-format on

const int F11 = 11;
const int ALL = -1;

const town_person people[] = {
    // The street, before the gathering: two people brave the rain.
    {103, 1, &townsman_03, 176, 512, DIR_DOWN, FALSE, ALL, F11},
    {103, 2, &townswoman_02, 240, 384, DIR_DOWN, FALSE, ALL, F11},
    // After Runhon's gathering the whole town is out.
    {103, 1, &townsman_03, 176, 512, DIR_DOWN, FALSE, F11, ALL},
    {103, 2, &townswoman_02, 240, 384, DIR_DOWN, FALSE, F11, ALL},
    {103, 3, &old_townsman_01, 256, 256, DIR_DOWN, FALSE, F11, ALL},
    {103, 4, &chef, 288, 240, DIR_DOWN, FALSE, F11, ALL},
    {103, 5, &townsman_05, 352, 240, DIR_DOWN, FALSE, F11, ALL},
    {103, 6, &townsgirl_01, 384, 256, DIR_LEFT, FALSE, F11, ALL},
    {103, 7, &townsboy_01, 256, 320, DIR_RIGHT, FALSE, F11, ALL},
    {103, 8, &townswoman_01, 288, 336, DIR_UP, FALSE, F11, ALL},
    {103, 9, &old_townswoman_01, 368, 320, DIR_LEFT, FALSE, F11, ALL},
    {103, 10, &townsman_06, 400, 336, DIR_UP, FALSE, F11, ALL},
    {103, 11, &lumin_soldier, 272, 288, DIR_RIGHT, FALSE, F11, ALL},
    {103, 12, &townswoman_04, 384, 288, DIR_LEFT, FALSE, F11, ALL},
    {103, 13, &townsman_01, 304, 352, DIR_UP, FALSE, F11, ALL},
    {103, 14, &old_townsman_02, 336, 352, DIR_UP, FALSE, F11, ALL},
    {103, 15, &townsman_04, 128, 400, DIR_DOWN, FALSE, F11, ALL},
    {103, 16, &townswoman_03, 528, 400, DIR_LEFT, FALSE, F11, ALL},
    {103, 17, &townsgirl_02, 416, 400, DIR_DOWN, FALSE, F11, ALL},
    {103, 18, &townsboy_02, 192, 320, DIR_RIGHT, FALSE, F11, ALL},
    {103, 19, &townsman_07, 608, 320, DIR_LEFT, FALSE, F11, ALL},
    {103, 20, &lumin_soldier, 64, 384, DIR_LEFT, FALSE, F11, ALL},
    // The old sailor does not stir from his spot on the quay: he is watching the boats.
    {103, 21, &old_townsman_01, 656, 512, DIR_DOWN, TRUE, F11, ALL},
    {103, 22, &townsman_08, 576, 144, DIR_DOWN, FALSE, F11, ALL},
    {103, 23, &townswoman_02, 208, 160, DIR_DOWN, FALSE, F11, ALL},
    {103, 24, &townswoman_01, 368, 512, DIR_DOWN, FALSE, F11, ALL},
    {103, 25, &old_townswoman_02, 80, 320, DIR_DOWN, FALSE, F11, ALL},
    {103, 26, &townsman_02, 720, 400, DIR_LEFT, FALSE, F11, ALL},
    {103, 27, &townsboy_03, 320, 256, DIR_DOWN, FALSE, F11, ALL},
    // Runhon stays with Agual once the messenger has come: on the inn's step, where he spoke.
    {103, 28, &runhon, 320, 240, DIR_DOWN, TRUE, 14, ALL},
    // Room 1: the old fisherman and his wife.
    {10301, 10, &old_townsman_01, 176, 160, DIR_DOWN, TRUE, ALL, ALL},
    {10301, 11, &old_townswoman_01, 80, 128, DIR_RIGHT, TRUE, ALL, ALL},
    // Room 2: the innkeeper behind the counter, a merchant and a sailor.
    {10302, 10, &townclerk_01, 32, 64, DIR_DOWN, TRUE, ALL, ALL},
    {10302, 11, &townsman_05, 112, 144, DIR_LEFT, TRUE, ALL, ALL},
    {10302, 12, &townsman_04, 240, 160, DIR_LEFT, TRUE, ALL, ALL},
    // Rooms 3 and 7: a clerk behind each counter.
    {10303, 10, &townclerk_01, 64, 80, DIR_DOWN, TRUE, ALL, ALL},
    {10303, 11, &townswoman_03, 240, 80, DIR_DOWN, TRUE, ALL, ALL},
    {10307, 10, &townsman_07, 64, 80, DIR_DOWN, TRUE, ALL, ALL},
    {10307, 11, &townclerk_01, 240, 80, DIR_DOWN, TRUE, ALL, ALL},
    // Room 4: a mother and her boy.
    {10304, 10, &townswoman_03, 96, 144, DIR_DOWN, TRUE, ALL, ALL},
    {10304, 11, &townsboy_01, 192, 176, DIR_LEFT, TRUE, ALL, ALL},
    // Rooms 5 and 6: the net mender and the boat builder.
    {10305, 10, &townswoman_04, 96, 128, DIR_DOWN, TRUE, ALL, ALL},
    {10306, 10, &townsman_06, 128, 176, DIR_DOWN, TRUE, ALL, ALL},
    // Room 8: the harbour master.
    {10308, 10, &old_townsman_02, 160, 160, DIR_DOWN, TRUE, ALL, ALL},
    // Room 9: Runhon's mother and little brother; room 10: Runhon, until he joins.
    {10309, 10, &townswoman_01, 96, 112, DIR_DOWN, TRUE, ALL, ALL},
    {10309, 11, &townsboy_02, 192, 176, DIR_LEFT, TRUE, ALL, ALL},
    {10310, 10, &runhon, 128, 112, DIR_UP, TRUE, ALL, 5},
};

#define COUNT(a) (int)(sizeof a / sizeof a[0])

} // namespace

// clang-format off
const town_plan agual_plan = {
    "Agual", "town02.map", 103, MUS_AGUAL, 0, 400, DIR_RIGHT, 0, -280,
    rooms, COUNT(rooms), links, COUNT(links), counters, COUNT(counters), chest_list, COUNT(chest_list),
    finds, COUNT(finds), people, COUNT(people), shops, COUNT(shops),
    nullptr, 0, nullptr, 0,
    DIR_LEFT, TRUE,
    agual_inn_offer, agual_inn_morning, agual_inn_refused,
    // Rain falls on the streets until Runhon's gathering clears the sky; people turn to face Mike.
    TRUE, 11, TRUE,
};
// clang-format on

void do_lumin_agual()
{
    const town_plan* plan = &agual_plan;
    // Back from the dead end of the woods, the road leads straight into the square.
    if (story_flag[10])
        enter_town_at(plan, 352, 368, DIR_DOWN, -192, -248);
    else
        enter_town(plan);
    story_flag[10] = FALSE;

    if (!story_flag[SF_NIGHT_PASSED]) {
        // Too early: Charlie turns the pair round at the gate.
        lumin_agual_story(0);
        leave_place();
        return;
    }
    if (story_flag[8] && !story_flag[11]) {
        lumin_agual_story(3);
        if (!story_flag[11]) lumin_agual_story(4);
        // The sky clears and the whole town is out in the street.
        furnish_map(plan, plan->map_num);
        place_weather(plan);
    }
    // Once the town has gathered behind Runhon, Agual stands with Lumin.
    if (story_flag[11]) story_flag[12] = TRUE;
    run_town(plan);
}

void agual_gate_left()
{
    if (story_flag[13] && !story_flag[14]) lumin_agual_story(5);
}
