// Lumin Village: Mike's home, below the castle. Its outdoor map and the eleven
// rooms behind its doors, as tables the shared place steps run on; the
// village's own moments (the inn's free night, the locked storage chest, the
// entry scene) and who says what, chosen by map and person.
#include "town.h"

#include "dat_names.h"
#include "item.h"
#include "story.h"
#include "town_village_lines.h"
#include "vantor.h"
#include "world.h"

namespace {

const town_room rooms[] = {
    // file, number, door, entry, limit, second door
    {"town01~1.map", 10101, 864, 448, 224, 240, 255, 0, 0},     // the chapel with its torches
    {"town01~2.map", 10102, 96, 512, 320, 240, 255, 0, 0},      // the recovery item shop
    {"town01~3.map", 10103, 704, 448, 320, 240, 255, 0, 0},     // the arms shop
    {"town01~4.map", 10104, 288, 512, 320, 240, 255, 0, 0},     // the attire shop
    {"town01~5.map", 10105, 720, 608, 544, 576, 591, 0, 0},     // the inn
    {"town01~6.map", 10106, 400, 608, 272, 384, 399, 256, 608}, // the long house with two doors
    {"town01~7.map", 10107, 112, 384, 320, 272, 287, 0, 0},     // Charlie's house
    {"town01~8.map", 10108, 368, 176, 240, 272, 287, 448, 176}, // the miller's house, two doors
    {"town01~9.map", 10109, 288, 384, 320, 272, 287, 0, 0},     // the soldier's family
    {"town01~a.map", 10110, 128, 176, 320, 288, 303, 0, 0},     // the storage room
    {"town01~2.map", 10192, 656, 176, 320, 240, 255, 0, 0},     // the battle item shop
};

// Every counter is served from the cell below it, facing up.
// clang-format off
const counter_spot counters[] = {
    {10102, 320, 192, DIR_UP, COUNTER_SHOP, 0},
    {10103, 320, 192, DIR_UP, COUNTER_SHOP, 1},
    {10104, 320, 192, DIR_UP, COUNTER_SHOP, 2},
    {10192, 320, 192, DIR_UP, COUNTER_SHOP, 3},
    {10105, 544, 384, DIR_UP, COUNTER_INN, 25},
};
// clang-format on

const town_shop shops[] = {
    {village_recovery_greeting, "Lumin Recovery Item Shop", 1, {0, 1, 2, 3, -1}},
    {village_arms_greeting, "Lumin Arms Shop", 2, {0, 1, 2, 3, -1}},
    {village_attire_greeting, "Lumin Attire Shop", 3, {0, 1, 2, -1}},
    {village_battle_greeting, "Lumin Battle Item Shop", 1, {5, 6, 7, 4, -1}},
};

// Chests 0 to 3 are the village's: a Small Potion, a Glass Ball, a Viver under lock and key, 500 Gold.
const town_chest chest_list[] = {
    {10101, 0, 19, 10, 1},
    {10108, 1, 20, 11, 1},
    {10110, 2, 16, 11, 1},
    {10110, 3, 24, 11, 1},
};

enum { STORAGE_CHEST = 2 };

// Pots 0 to 2: the village's one-time finds.
// clang-format off
const town_find finds[] = {
    {101, 0, 192, 384, DIR_UP, 0},      // behind Charlie's woodpile: a Small Potion
    {10107, 1, 384, 176, DIR_UP, 1},    // in Charlie's clay pot: Glow Dust
    {10105, 2, 624, 496, DIR_RIGHT, 10}, // in the inn's barrel: an Aloe Drink
};
// clang-format on

const town_person people[] = {
    // outdoors: the two soldiers at the south gate, and the villagers
    {101, 1, &lumin_soldier, 464, 672, DIR_DOWN, TRUE, -1, -1},
    {101, 2, &lumin_soldier, 528, 672, DIR_DOWN, TRUE, -1, -1},
    {101, 3, &townsman_01, 416, 496, DIR_DOWN, FALSE, -1, -1},
    {101, 4, &townswoman_01, 176, 592, DIR_RIGHT, FALSE, -1, -1},
    {101, 5, &old_townsman_01, 672, 512, DIR_DOWN, FALSE, -1, -1},
    {101, 6, &townsgirl_01, 560, 336, DIR_DOWN, FALSE, -1, -1},
    {101, 7, &townsboy_01, 592, 656, DIR_UP, FALSE, -1, -1},
    {101, 8, &townswoman_02, 240, 304, DIR_DOWN, FALSE, -1, -1},
    {101, 9, &townsman_02, 784, 352, DIR_LEFT, FALSE, -1, -1},
    // indoors, numbered above the villagers so that they keep their places outside
    {10102, 10, &townclerk_01, 320, 144, DIR_DOWN, TRUE, -1, -1},
    {10103, 10, &townsman_03, 320, 144, DIR_DOWN, TRUE, -1, -1},
    {10104, 10, &townswoman_03, 320, 144, DIR_DOWN, TRUE, -1, -1},
    {10192, 10, &townclerk_01, 320, 144, DIR_DOWN, TRUE, -1, -1},
    {10105, 10, &chef, 544, 352, DIR_DOWN, TRUE, -1, -1},
    {10106, 10, &old_townswoman_01, 304, 208, DIR_DOWN, TRUE, -1, -1},
    {10106, 11, &townsgirl_02, 336, 304, DIR_LEFT, TRUE, -1, -1},
    {10108, 10, &townsman_04, 208, 192, DIR_RIGHT, TRUE, -1, -1},
    {10109, 10, &townswoman_04, 352, 192, DIR_DOWN, TRUE, -1, -1},
};

const town_torch torches[] = {
    {10101, 176, 128},
    {10101, 272, 128},
};

const town_save saves[] = {
    {10105, 480, 528},
};

} // namespace

// clang-format off
const town_plan village_plan = {
    "Lumin Village", "town01.map", 101, MUS_VILLAGE,
    496, 704, DIR_UP, -336, -480,
    rooms, (int)(sizeof rooms / sizeof rooms[0]),
    nullptr, 0,
    counters, (int)(sizeof counters / sizeof counters[0]),
    chest_list, (int)(sizeof chest_list / sizeof chest_list[0]),
    finds, (int)(sizeof finds / sizeof finds[0]),
    people, (int)(sizeof people / sizeof people[0]),
    shops, (int)(sizeof shops / sizeof shops[0]),
    torches, (int)(sizeof torches / sizeof torches[0]),
    saves, (int)(sizeof saves / sizeof saves[0]),
    DIR_DOWN, TRUE,
    village_inn_question, nullptr, nullptr,
    FALSE, 0, FALSE,
};
// clang-format on

void do_lumin_village()
{
    // The storage room's chest opens only for the one who holds its key.
    chests[STORAGE_CHEST].locked = items[13].have > 0 ? FALSE : TRUE;
    enter_town(&village_plan);
    if (story_flag[SF_COUNCIL_HEARD] && !story_flag[SF_NIGHT_PASSED]) lumin_village_story(0);
    run_town(&village_plan);
}

namespace {

int village_phase()
{
    if (story_flag[14]) return VP_ALARM;
    if (story_flag[2]) return VP_ON_THE_ROAD;
    if (story_flag[1]) return VP_ERRAND;
    return VP_HOMECOMING;
}

void say_all(const char* const* lines, int max)
{
    for (int i = 0; i < max && lines[i]; i++) wrap_wind(lines[i]);
}

// The gate guard's question once the alarm has come: the answer depends on how far Mike has got.
void magic_question()
{
    wrap_wind(village_magic_question);
    if (!ftmike || ftmike->level <= 2)
        wrap_wind(village_magic_not_yet);
    else
        say_all(village_magic_yes, 16);
}

} // namespace

int village_talk(int who)
{
    if (g_map_num == 101 && who == 1 && story_flag[14]) {
        magic_question();
        return TRUE;
    }
    int phase = village_phase();
    for (int i = 0; i < village_talk_count; i++) {
        const village_talk_row& r = village_talks[i];
        if (r.map_num != g_map_num || r.who != who || (r.phase != VP_ANY && r.phase != phase)) continue;
        say_all(r.lines, 7);
        return TRUE;
    }
    return FALSE;
}

void village_objects() {}

int village_free_night()
{
    if (!story_flag[SF_COUNCIL_HEARD] || story_flag[SF_NIGHT_PASSED]) return FALSE;
    wrap_wind(village_inn_assignment);
    wrap_wind(village_inn_on_the_house);
    lumin_village_story(1);
    return TRUE;
}
