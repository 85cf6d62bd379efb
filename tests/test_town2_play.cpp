// Agual and Mystalia played through their real loops on scripted input:
// arriving from the world map and from the woods, walking into rooms and
// back, the inns, the finds, the stranger of Mystalia, and leaving with the
// world map put back as it was.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "harness.h"
#include "play.h"
#include "records.h"
#include "town.h"
#include "town2.h"
#include "town2_lines.h"
#include "vantor.h"
#include "vantor_frame.h"
#include "world.h"

namespace {

using Cell = std::pair<int, int>; // pixels

// A path for Mike over a map, as the game tests each step, around the cells in `avoid`.
std::vector<Cell> find_path(const char* file, int num, Cell from, Cell to, const std::set<Cell>& avoid)
{
    open_tilemap(file);
    g_map_num = num;
    moving_restricted = FALSE;
    auto open_cell = [&](Cell c) {
        if (c.first < 0 || c.second < 0 || c.first >= map->xsize * 16 || c.second >= map->ysize * 16)
            return false;
        if (avoid.count(c) && c != to) return false;
        int t0 = get_sprite_number(map, 0, c.first / 16, c.second / 16);
        int t1 = get_sprite_number(map, 1, c.first / 16, c.second / 16);
        if (t1 >= 231 && t1 <= 234) t0 = -1;
        return !object_collision(num, t0, 0) && !object_collision(num, t1, 1);
    };
    std::map<Cell, Cell> came;
    std::vector<Cell> todo = {from};
    came[from] = from;
    for (size_t i = 0; i < todo.size() && !came.count(to); i++) {
        Cell c = todo[i];
        for (Cell d : {Cell{0, -16}, Cell{0, 16}, Cell{-16, 0}, Cell{16, 0}}) {
            Cell n{c.first + d.first, c.second + d.second};
            if (came.count(n) || !open_cell(n)) continue;
            came[n] = c;
            todo.push_back(n);
        }
    }
    std::vector<Cell> path;
    if (!came.count(to)) return path;
    for (Cell c = to; c != from; c = came[c]) path.insert(path.begin(), c);
    destroy_tilemap(map);
    map = nullptr;
    return path;
}

// Script lines that walk the path: one held key per straight run, held for its steps.
std::string walk_script(Cell from, const std::vector<Cell>& path)
{
    std::string s;
    Cell at = from;
    size_t i = 0;
    while (i < path.size()) {
        int dx = path[i].first - at.first, dy = path[i].second - at.second;
        const char* key = dx > 0 ? "Right" : dx < 0 ? "Left" : dy > 0 ? "Down" : "Up";
        int steps = 0;
        while (i < path.size() && path[i].first - at.first == dx && path[i].second - at.second == dy) {
            at = path[i++];
            steps++;
        }
        s += hold_steps(key, steps);
    }
    return s;
}

std::string turn(const char* key) { return std::string("tap ") + key + " 30\nwait 300ms\n"; }
const char* const enter = "tap Enter\nwait 1500ms\n";

struct TownPlay : ::testing::Test {
    void SetUp() override
    {
        headless_game_start();
        // The game starts once per process: every test gets the party as it started, so a
        // Mike made mighty for one fight does not win the next one too.
        static ftchar fresh[4];
        static bool kept = false;
        ftchar* const heroes[4] = {ftmike, ftcharlie, ftrunhon, ftelizabeth};
        for (int i = 0; i < 4; i++) {
            if (!kept) fresh[i] = *heroes[i];
            *heroes[i] = fresh[i];
        }
        kept = true;
        for (int& f : story_flag) f = FALSE;
        for (int& p : pots) p = FALSE;
        story_flag[2] = TRUE;
        g_gp = 0;
        looping = FALSE;
        virtual_screen = FALSE;
        raining = FALSE;
    }
    // Mike stands on the world map at the entrance (ex, ey), as world_map leaves him
    // when it calls a place.
    static void at_world_entrance(int ex, int ey)
    {
        old_mike_x = ex;
        old_mike_y = ey;
        old_mx = 160 - ex;
        old_my = 120 - ey;
        mike->x = ex;
        mike->y = ey;
        g_map_num = -1;
    }
    // Walks between two cells of a map of the towns, around its people, doors and links.
    static std::string walk(const char* file, int num, Cell from, Cell to)
    {
        const town_plan& p = *plan_of_map(num);
        std::set<Cell> avoid;
        for (int i = 0; i < p.people_count; i++)
            if (p.people[i].map_num == num) avoid.insert({p.people[i].x, p.people[i].y});
        for (int i = 0; i < p.room_count; i++)
            if (num == p.map_num) avoid.insert({p.rooms[i].door_x, p.rooms[i].door_y});
        for (int i = 0; i < p.link_count; i++)
            if (p.links[i].map_num == num) avoid.insert({p.links[i].x, p.links[i].y});
        std::vector<Cell> path = find_path(file, num, from, to, avoid);
        EXPECT_FALSE(path.empty()) << file << ": no way from " << from.first << "," << from.second << " to "
                                   << to.first << "," << to.second;
        return walk_script(from, path) + "wait 1500ms\n";
    }
    static void run(const std::string& script)
    {
        headless_game_start((std::string("wait 2s\n") + script + "wait 2s\nend\n").c_str());
    }
    // Enters town 3 or 4 as the world map does, the script already running.
    static void visit(int town)
    {
        exits_fail_the_test(true);
        do_town(town);
        exits_fail_the_test(false);
    }
    static void expect_world_restored(int x, int y)
    {
        EXPECT_EQ(g_map_num, -1);
        EXPECT_EQ(mike->x, x);
        EXPECT_EQ(mike->y, y);
        EXPECT_EQ(raining, FALSE) << "the rain stays in Agual";
        EXPECT_EQ(in_town, FALSE);
        EXPECT_EQ(town_walk, FALSE);
        EXPECT_EQ(normal_drawing, TRUE);
        EXPECT_EQ(playing, 48);
        EXPECT_STREQ(g_place, "Lumin World");
        EXPECT_EQ(look_when_talked_to, FALSE);
    }
};

TEST_F(TownPlay, TooEarlyCharlieTurnsThePairBackAtAgualsGate)
{
    story_flag[2] = FALSE;
    at_world_entrance(2320, 656);
    run("tap Enter\nwait 500ms\n"); // Charlie's line
    visit(3);
    expect_world_restored(2304, 656);
}

TEST_F(TownPlay, AgualFromTheWorldThroughTheInnAndOutByTheWestGate)
{
    // Asked at the counter, Mike says no: nothing is paid, nobody is healed.
    g_gp = 50;
    ftmike->hp = 1;
    at_world_entrance(2336, 656);
    Cell gate{0, 400}, inn_door{304, 208}, counter{32, 96};
    std::string s = walk("town02.map", 103, gate, inn_door);
    s += walk("town02~2.map", 10302, {160, 224}, counter) + turn("Up") + enter + turn("Down") + enter + enter;
    s += walk("town02~2.map", 10302, counter, {160, 224}) +
         "hold Down\nwait 500ms\nrelease Down\nwait 1500ms\n";
    s += walk("town02.map", 103, {304, 224}, gate) + "hold Left\nwait 500ms\nrelease Left\n";
    run(s);
    visit(3);
    expect_world_restored(2304, 656);
    EXPECT_EQ(g_gp, 50);
    EXPECT_EQ(ftmike->hp, 1);
}

TEST_F(TownPlay, AgualFromTheWoodsStartsInTheSquareAndForgetsTheWoods)
{
    story_flag[10] = TRUE;
    at_world_entrance(2336, 672);
    // From the square out of the gate; the lower entrance lets out onto the south road.
    run(walk("town02.map", 103, {352, 368}, {0, 400}) + "hold Left\nwait 500ms\nrelease Left\n");
    visit(3);
    EXPECT_EQ(story_flag[10], FALSE);
    expect_world_restored(2336, 688);
}

TEST_F(TownPlay, AFindIsTakenOnceAndTheRoomsOfRunhonsHouseLeadBackToTheirOwnDoor)
{
    at_world_entrance(2320, 656);
    // The well of the square gives a Glow Dust once.
    Cell well{320, 304};
    std::string s = walk("town02.map", 103, {0, 400}, well) + turn("Up") + enter + enter;
    // Up Runhon's stairs, down again, and out of his front door.
    Cell runhon_door{560, 112};
    s += walk("town02.map", 103, well, runhon_door);
    s +=
        walk("town02~9.map", 10309, {128, 224}, {256, 96}) + "hold Up\nwait 200ms\nrelease Up\nwait 1500ms\n";
    s += "hold Up\nwait 200ms\nrelease Up\nwait 1500ms\n"; // Runhon's stairs lead straight back down
    s += walk("town02~9.map", 10309, {256, 96}, {128, 224}) +
         "hold Down\nwait 500ms\nrelease Down\nwait 1500ms\n";
    s += walk("town02.map", 103, {560, 128}, {0, 400}) + "hold Left\nwait 500ms\nrelease Left\n";
    int had = items[1].have;
    run(s);
    visit(3);
    EXPECT_EQ(items[1].have, had + 1) << "one Glow Dust, and only one";
    EXPECT_EQ(pots[6], TRUE);
    expect_world_restored(2304, 656);
}

TEST_F(TownPlay, MystaliaTheStrangerIsFoughtOnceAndTheRoomIsQuietAfter)
{
    at_world_entrance(1664, 1120);
    Cell start{mystalia_plan.start_x, mystalia_plan.start_y}, door4{128, 304};
    // A Mike strong and quick enough to fell the stranger with one blow.
    ftmike->atp = 200000;
    ftmike->agp = 5000;
    ftmike->hp = ftmike->hpmax;
    int level = ftmike->level;
    std::string s = walk("town03.map", 104, start, door4);
    // His words, the fight (menus, the blow, the victory, the level-ups) and the words after.
    for (int i = 0; i < 120; i++) s += "tap Enter\nwait 500ms\n";
    s += "hold Down\nwait 500ms\nrelease Down\nwait 1500ms\n";
    // In again: nobody waits there now. Then out of the north gate.
    s += "hold Up\nwait 200ms\nrelease Up\nwait 1500ms\n";
    s += "hold Down\nwait 500ms\nrelease Down\nwait 1500ms\n";
    s += walk("town03.map", 104, {128, 320}, {320, 0}) + "hold Up\nwait 500ms\nrelease Up\n";
    run(s);
    visit(4);
    EXPECT_EQ(story_flag[17], TRUE);
    EXPECT_EQ(story_flag[16], FALSE) << "the fight's own flag is cleared again";
    EXPECT_GT(ftmike->level, level) << "the stranger was fought and beaten";
    expect_world_restored(1664, 1104);
}

TEST_F(TownPlay, MystaliaLostToTheStrangerThePartyComesToAndTheGameGoesOn)
{
    // An ordinary party cannot beat him: the fight is lost, and the story goes on from the floor.
    at_world_entrance(1664, 1120);
    Cell start{mystalia_plan.start_x, mystalia_plan.start_y}, door4{128, 304};
    int level = ftmike->level;
    ftmike->hp = ftmike->hpmax;
    std::string s = walk("town03.map", 104, start, door4);
    for (int i = 0; i < 120; i++) s += "tap Enter\nwait 500ms\n";
    s += "hold Down\nwait 500ms\nrelease Down\nwait 1500ms\n";
    s += walk("town03.map", 104, {128, 320}, {320, 0}) + "hold Up\nwait 500ms\nrelease Up\n";
    run(s);
    visit(4);
    EXPECT_EQ(ftmike->level, level) << "the fight was lost, not won";
    EXPECT_EQ(story_flag[17], TRUE) << "he is gone all the same";
    EXPECT_EQ(story_flag[16], FALSE);
    for (ftchar* h : {ftmike, ftcharlie, ftrunhon, ftelizabeth}) {
        if (!h->in_fight) continue;
        EXPECT_EQ(h->alive, TRUE) << h->s_name;
        EXPECT_GE(h->hp, 1) << h->s_name;
    }
    expect_world_restored(1664, 1104);
}

// The inn at the counter of room 2, answered yes, with the gold given.
std::string agual_inn_stay()
{
    Cell gate{0, 400}, inn_door{304, 208}, counter{32, 96};
    std::string s = TownPlay::walk("town02.map", 103, gate, inn_door);
    s += TownPlay::walk("town02~2.map", 10302, {160, 224}, counter) + turn("Up") + enter + enter +
         "wait 3s\n" + enter;
    s += TownPlay::walk("town02~2.map", 10302, counter, {160, 224}) +
         "hold Down\nwait 500ms\nrelease Down\nwait 1500ms\n";
    s += TownPlay::walk("town02.map", 103, {304, 224}, gate) + "hold Left\nwait 500ms\nrelease Left\n";
    return s;
}

TEST_F(TownPlay, AgualsInnTakesFiftyGoldForANightAndNotOneLess)
{
    // Exactly the price: the night is had, the purse is empty, the party whole again.
    g_gp = 50;
    ftmike->hp = 1;
    ftmike->mp = 0;
    at_world_entrance(2320, 656);
    run(agual_inn_stay());
    visit(3);
    EXPECT_EQ(g_gp, 0);
    EXPECT_EQ(ftmike->hp, ftmike->hpmax);
    EXPECT_EQ(ftmike->mp, ftmike->mpmax);
    expect_world_restored(2304, 656);

    // One short: "Not enough gold!" and nothing changes.
    g_gp = 49;
    ftmike->hp = 1;
    at_world_entrance(2320, 656);
    run(agual_inn_stay());
    visit(3);
    EXPECT_EQ(g_gp, 49);
    EXPECT_EQ(ftmike->hp, 1);
    expect_world_restored(2304, 656);
}

TEST_F(TownPlay, AgualsCrowdNeverStandsInADoorwayOrTheGate)
{
    // After the gathering all Agual is out; people wander past every door but
    // never stop in one, nor in the west gate, where they would shut Mike out.
    story_flag[5] = story_flag[8] = story_flag[11] = TRUE;
    current_plan = &agual_plan;
    open_tilemap("town02.map");
    g_map_num = 103;
    in_town = TRUE;
    town_walk = TRUE;
    furnish_map(&agual_plan, 103);
    mike->x = 352;
    mike->y = 256;
    std::set<Cell> ways = {{0, 400}};
    for (int i = 0; i < agual_plan.room_count; i++)
        if (agual_plan.rooms[i].door_x >= 0)
            ways.insert({agual_plan.rooms[i].door_x, agual_plan.rooms[i].door_y});
    srand(5);
    int beside = 0;
    for (int tick = 0; tick < 400; tick++) {
        town_timer_flag = TRUE;
        for (int c = 0; c < 16; c++) wander_townspeople();
        for (int i = 1; i <= 27; i++) {
            Cell at{person[i]->x, person[i]->y};
            ASSERT_FALSE(ways.count(at)) << "person " << i << " at " << at.first << "," << at.second;
            beside += ways.count({at.first, at.second - 16}) + ways.count({at.first - 16, at.second});
        }
    }
    EXPECT_GT(beside, 0) << "people do come by the doors";
    in_town = FALSE;
    town_walk = FALSE;
    current_plan = nullptr;
    for (int i = 1; i < 30; i++) person[i]->visible = FALSE;
    destroy_tilemap(map);
    map = nullptr;
}

} // namespace
