// The bridge, the woods and the Sand Garden played through their real loops on
// scripted input: across the woods to the dead end and back out east, the
// Sand Garden from its mouth to the garden at its heart, herbs taken once,
// a fight won in the woods, the save spots, a game resumed on one, and the
// world map put back as it was however an area is left.
#include <gtest/gtest.h>

#include <unistd.h>

#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "area.h"
#include "door.h"
#include "harness.h"
#include "play.h"
#include "records.h"
#include "tilemap.h"
#include "town.h"
#include "vantor.h"
#include "world.h"

namespace {

using Cell = std::pair<int, int>; // pixels

const char* const key_of[] = {"", "Up", "Down", "Left", "Right"};
const Cell delta[] = {{0, 0}, {0, -16}, {0, 16}, {-16, 0}, {16, 0}};

struct AreaMap {
    int num;
    TILEMAP* m = nullptr;
    explicit AreaMap(int n, const char* file = nullptr) : num(n)
    {
        char name[16];
        m = load_tilemap(file ? file : area_map_file(n, name));
        if (m && m->names) correct_tilemap(m, tiles);
    }
    ~AreaMap() { destroy_tilemap(m); }
    bool open(Cell c) const
    {
        if (c.first < 0 || c.second < 0 || c.first >= m->xsize * 16 || c.second >= m->ysize * 16)
            return false;
        int t0 = get_sprite_number(m, 0, c.first / 16, c.second / 16);
        int t1 = get_sprite_number(m, 1, c.first / 16, c.second / 16);
        if (t1 >= 231 && t1 <= 234) t0 = -1;
        moving_restricted = FALSE;
        return !object_collision(num, t0, 0) && !object_collision(num, t1, 1);
    }
    bool on_edge(Cell c, int edge) const
    {
        switch (edge) {
        case DIR_UP: return c.second == 0;
        case DIR_DOWN: return c.second == m->ysize * 16 - 16;
        case DIR_LEFT: return c.first == 0;
        default: return c.first == m->xsize * 16 - 16;
        }
    }
    // The shortest walk from `from` to a cell that `done` accepts; empty when there is none.
    template <typename Done>
    std::vector<Cell> path(Cell from, Done done) const
    {
        std::map<Cell, Cell> came{{from, from}};
        std::vector<Cell> todo = {from};
        Cell goal{-1, -1};
        for (size_t i = 0; i < todo.size(); i++) {
            if (done(todo[i])) {
                goal = todo[i];
                break;
            }
            for (int d = 1; d <= 4; d++) {
                Cell n{todo[i].first + delta[d].first, todo[i].second + delta[d].second};
                if (came.count(n) || !open(n)) continue;
                came[n] = todo[i];
                todo.push_back(n);
            }
        }
        std::vector<Cell> out;
        if (goal.first < 0) return out;
        for (Cell c = goal; c != from; c = came[c]) out.insert(out.begin(), c);
        if (out.empty()) out.push_back(from); // already there
        return out;
    }
};

std::string hold(int dir, int steps) { return hold_steps(key_of[dir], steps, 200); }

std::string walk_script(Cell from, const std::vector<Cell>& path)
{
    std::string s;
    Cell at = from;
    size_t i = 0;
    while (i < path.size()) {
        if (path[i] == at) {
            i++;
            continue;
        }
        int dir = 0;
        for (int d = 1; d <= 4; d++)
            if (path[i].first - at.first == delta[d].first && path[i].second - at.second == delta[d].second)
                dir = d;
        int steps = 0;
        while (i < path.size() && path[i].first - at.first == delta[dir].first &&
               path[i].second - at.second == delta[dir].second) {
            at = path[i++];
            steps++;
        }
        s += hold(dir, steps);
    }
    return s;
}

const area_link* link_of(const area_link* links, int n, int from, int edge)
{
    for (int i = 0; i < n; i++)
        if (links[i].from == from && links[i].edge == edge) return &links[i];
    return nullptr;
}

// A trip through an area: from `at` on map `map`, leaving by each edge in turn.
// Appends the script and returns where Mike stands at the end (on map `*map`).
Cell trip(const area_link* links, int n, int* map, Cell at, const std::vector<int>& edges,
          std::string* script)
{
    for (int edge : edges) {
        AreaMap m(*map);
        EXPECT_NE(m.m, nullptr);
        if (!m.m) return at;
        std::vector<Cell> p = m.path(at, [&](Cell c) { return m.on_edge(c, edge); });
        EXPECT_FALSE(p.empty()) << "map " << *map << ": no way to edge " << edge;
        *script += walk_script(at, p) + hold(edge, 1);
        const area_link* l = link_of(links, n, *map, edge);
        EXPECT_NE(l, nullptr) << "map " << *map << " edge " << edge;
        if (!l) return at;
        if (l->to == -1) return at;
        *map = l->to;
        at = {l->x, l->y};
    }
    return at;
}

const std::vector<int> woods_in = {DIR_LEFT, DIR_LEFT, DIR_LEFT, DIR_DOWN, DIR_DOWN, DIR_DOWN,
                                   DIR_LEFT, DIR_UP,   DIR_UP,   DIR_UP}; // 2 3 6 7 8 9 10 12 14 15 16
const std::vector<int> woods_out = {
    DIR_DOWN, DIR_DOWN,  DIR_DOWN,  DIR_RIGHT, DIR_UP,   DIR_UP,
    DIR_UP,   DIR_RIGHT, DIR_RIGHT, DIR_RIGHT, DIR_RIGHT}; // 16 15 14 12 10 9 8 7 6 3 2 world
const std::vector<int> sand_in = {DIR_DOWN, DIR_RIGHT, DIR_RIGHT, DIR_DOWN,
                                  DIR_DOWN, DIR_RIGHT, DIR_DOWN,  DIR_RIGHT}; // 19 20 21 23 25 27 28 29 30

struct AreaPlay : ::testing::Test {
    void SetUp() override
    {
        headless_game_start();
        // Where a run that got stuck stood, for VANTOR_DUMP.
        door_set_dump_writer(write_state_dump);
        for (int& f : story_flag) f = FALSE;
        for (int& p : pots) p = FALSE;
        for (auto& c : chests) c.opened = FALSE;
        looping = FALSE;
        virtual_screen = FALSE;
        fights = FALSE;
        old_map_num = 0;
        playing = 48;
        in_field = FALSE;
        bound_check = TRUE;
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
    static void run(const std::string& script)
    {
        headless_game_start((std::string("wait 2s\n") + script + "wait 2s\nend\n").c_str());
    }
    template <typename F>
    static void visit(F place)
    {
        exits_fail_the_test(true);
        place();
        exits_fail_the_test(false);
    }
    static void expect_world_restored(int x, int y)
    {
        EXPECT_EQ(g_map_num, -1);
        EXPECT_EQ(mike->x, x);
        EXPECT_EQ(mike->y, y);
        EXPECT_EQ(in_field, FALSE);
        EXPECT_EQ(enc_rate, world_enc_rate);
        EXPECT_EQ(bound_check, TRUE);
        EXPECT_EQ(moving_restricted, FALSE);
        EXPECT_EQ(do_battle_test, FALSE);
        EXPECT_EQ(save_on, FALSE) << "no save spot glows on the world map";
        EXPECT_EQ(in_town, FALSE);
        EXPECT_EQ(normal_drawing, TRUE);
        EXPECT_EQ(playing, 48);
        EXPECT_STREQ(g_place, "Lumin World");
        EXPECT_EQ(virtual_screen, FALSE);
    }
};

TEST_F(AreaPlay, TheWoodsWalkedToTheDeadEndAndBackOutEastInUnderTwoSecondsEachWay)
{
    at_world_entrance(2112, 704);
    std::string s;
    int map = 2;
    Cell at = trip(woods_links, num_woods_links, &map, {WOODS_START_X, WOODS_START_Y}, woods_in, &s);
    ASSERT_EQ(map, 16);
    at = trip(woods_links, num_woods_links, &map, at, woods_out, &s);
    run(s);
    // The machine is shared: the time this process itself spends is what the walk costs.
    std::clock_t t0 = std::clock();
    visit(do_aphondus_woods);
    double cpu = double(std::clock() - t0) / CLOCKS_PER_SEC;
    // Out of the trees diagonally beside the gate, half hidden by the forest again.
    expect_world_restored(2128, 720);
    EXPECT_EQ(mike->halved, TRUE);
    EXPECT_EQ(mx, old_mx - 16);
    EXPECT_EQ(my, old_my - 16);
    // There and back: the woods walked end to end twice.
    EXPECT_LT(cpu, 4.0) << "walking the woods took " << cpu << " s";
    EXPECT_EQ(story_flag[10], FALSE) << "without Runhon the dead end is only a dead end";
}

TEST_F(AreaPlay, TheRealGameWalksFromTheBridgeIntoTheWoodsAcrossAWayAndBackOut)
{
    // Down the world map to the woods gate, around every other place's door.
    AreaMap world(-1, "wmap.map");
    ASSERT_NE(world.m, nullptr);
    Cell start{1424, 192}, gate{2112, 704};
    std::vector<Cell> p = world.path(start, [&](Cell c) { return c == gate; });
    ASSERT_FALSE(p.empty());
    for (Cell c : p) {
        if (c != gate) {
            ASSERT_EQ(world_place_at(c.first, c.second), WP_NONE)
                << "the way passes a place at " << c.first << "," << c.second;
        }
    }
    std::string s = "wait 2s\n" + walk_script(start, p) + "wait 1500ms\n";
    // West onto map 3 and straight back east onto map 2, then out by the gate path.
    s += hold(DIR_LEFT, 1);
    int map = 2;
    Cell at = trip(woods_links, num_woods_links, &map, {608, 224}, {DIR_LEFT, DIR_RIGHT, DIR_RIGHT}, &s);
    (void)at;
    s += "wait 1500ms\npress Esc\nwait 1s\nend\n";
    GameRun run = run_game(s, {"-nofight:47390"});
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(run.dump_int("mapnum"), -1);
    EXPECT_EQ(run.dump_int("mx"), 160 - 2128);
    EXPECT_EQ(run.dump_int("my"), 120 - 720);
    EXPECT_EQ(run.dump_int("oldmikex"), 2112) << "the woods were entered by their gate";
    EXPECT_EQ(run.dump_int("infield"), 0);
    EXPECT_EQ(run.dump["place"], "Lumin World");
    EXPECT_TRUE(run.heard("midi 31")) << "the woods' own music";
    std::string last_midi;
    for (const std::string& l : run.sounds) {
        if (l.compare(0, 5, "midi ") != 0) continue;
        last_midi = l;
        // With battles switched off, no battle music ever starts, in the woods or out of them.
        EXPECT_TRUE(l.compare(0, 8, "midi 48 ") == 0 || l.compare(0, 8, "midi 31 ") == 0) << l;
    }
    EXPECT_EQ(last_midi.compare(0, 8, "midi 48 "), 0) << last_midi;
}

TEST_F(AreaPlay, TheSandGardenWalkedToTheGardenAtItsHeartAndBack)
{
    at_world_entrance(1568, 1392);
    std::string s;
    int map = 19;
    Cell at = trip(sand_links, num_sand_links, &map, {SAND_START_X, SAND_START_Y}, sand_in, &s);
    ASSERT_EQ(map, 30);
    // ...and all the way back up to the cave.
    at = trip(sand_links, num_sand_links, &map, at,
              {DIR_LEFT, DIR_UP, DIR_LEFT, DIR_UP, DIR_UP, DIR_LEFT, DIR_LEFT, DIR_UP, DIR_UP}, &s);
    run(s);
    visit(do_sand_garden);
    // Entered by the left cell of the cave: back out one cell west of it.
    expect_world_restored(1552, 1392);
    EXPECT_EQ(mx, old_mx + 16);
}

TEST_F(AreaPlay, AnHerbIsTakenOnceAndIsGoneWhenMikeComesBack)
{
    at_world_entrance(1584, 1408);
    const area_find& herb = sand_finds[0];
    ASSERT_EQ(herb.map, 20);
    std::string s;
    int map = 19;
    Cell at = trip(sand_links, num_sand_links, &map, {SAND_START_X, SAND_START_Y}, {DIR_DOWN}, &s);
    ASSERT_EQ(map, 20);
    AreaMap m(20);
    Cell below{herb.col * 16, herb.row * 16 + 16};
    // Face it from below and press; the line, then more presses: nothing more.
    std::vector<Cell> p = m.path(at, [&](Cell c) { return c == below; });
    ASSERT_FALSE(p.empty());
    s += walk_script(at, p) + "tap Up 30\nwait 300ms\n";
    for (int i = 0; i < 4; i++) s += "tap Enter\nwait 600ms\n";
    // Up to map 19 and back down, then out of the garden.
    map = 20;
    trip(sand_links, num_sand_links, &map, below, {DIR_UP, DIR_DOWN}, &s);
    s += "shot herb_gone\n";
    map = 20;
    trip(sand_links, num_sand_links, &map, {224, 0}, {DIR_UP, DIR_UP}, &s);
    int have = items[herb.item].have;
    run(s);
    visit(do_sand_garden);
    EXPECT_EQ(pots[herb.pot], TRUE);
    EXPECT_EQ(items[herb.item].have, have + 1) << "one herb, however often Enter is pressed";
    expect_world_restored(1600, 1408);
}

TEST_F(AreaPlay, TheChestByTheWoodsGateOpensOnce)
{
    at_world_entrance(2112, 704);
    const area_chest& c = woods_chests[0];
    ASSERT_EQ(c.map, 2);
    AreaMap m(2);
    Cell start{WOODS_START_X, WOODS_START_Y}, below{c.col * 16, c.row * 16 + 16};
    std::string s = walk_script(start, m.path(start, [&](Cell x) { return x == below; }));
    s += "tap Up 30\nwait 300ms\n";
    for (int i = 0; i < 4; i++) s += "tap Enter\nwait 800ms\n";
    s += walk_script(below, m.path(below, [&](Cell x) { return x == start; })) + hold(DIR_RIGHT, 1);
    int item = chests[c.id].item_id, have = items[item].have;
    run(s);
    visit(do_aphondus_woods);
    EXPECT_EQ(chests[c.id].opened, -1);
    EXPECT_EQ(items[item].have, have + 1) << "one find, however often Enter is pressed";
    expect_world_restored(2128, 720);
}

TEST_F(AreaPlay, AFightInTheWoodsIsWonAndMikeStandsWhereHeWasWithTheWoodsMusic)
{
    fights = TRUE;
    // A Mike no woods creature can hurt, who fells anything with one blow.
    ftmike->hp = ftmike->hpmax = 9999;
    ftmike->atp = 9999;
    ftmike->dfp = 9999;
    ftmike->agp = 255;
    int exp = ftmike->exp;
    at_world_entrance(2112, 704);
    // Up and down by the gate, pressing Enter between steps for whatever the battle asks.
    std::string s;
    for (int i = 0; i < 40; i++) {
        s += hold(i % 2 ? DIR_RIGHT : DIR_LEFT, 1);
        for (int k = 0; k < 6; k++) s += "tap Enter\nwait 700ms\n";
    }
    // Out east from the start cell.
    s += hold(DIR_RIGHT, 1);
    srand(7);
    run(s);
    visit(do_aphondus_woods);
    EXPECT_GT(ftmike->exp, exp) << "a fight was fought and won";
    expect_world_restored(2128, 720);
}

TEST_F(AreaPlay, TheSandGardenHasItsFightsToo)
{
    fights = TRUE;
    ftmike->hp = ftmike->hpmax = 9999;
    ftmike->atp = 9999;
    ftmike->dfp = 9999;
    ftmike->agp = 255;
    int exp = ftmike->exp;
    at_world_entrance(1568, 1392);
    std::string s;
    for (int i = 0; i < 40; i++) {
        s += hold(i % 2 ? DIR_UP : DIR_DOWN, 1);
        for (int k = 0; k < 6; k++) s += "tap Enter\nwait 700ms\n";
    }
    s += hold(DIR_UP, 1);
    srand(11);
    run(s);
    visit(do_sand_garden);
    EXPECT_GT(ftmike->exp, exp) << "a fight was fought and won";
    expect_world_restored(1552, 1392);
}

TEST_F(AreaPlay, AGameSavedOnMapTwentyNineResumesThereAndLeavesWhereItEntered)
{
    old_map_num = 29;
    old_mike_x = 1584;
    old_mike_y = 1408;
    old_mx = 160 - 1584;
    old_my = 120 - 1408;
    ftmike->hp = 1;
    std::string s;
    int map = 29;
    trip(sand_links, num_sand_links, &map, {SAND_RESUME_X, SAND_RESUME_Y},
         {DIR_UP, DIR_LEFT, DIR_UP, DIR_UP, DIR_LEFT, DIR_LEFT, DIR_UP, DIR_UP}, &s);
    run(s);
    visit(do_sand_garden);
    EXPECT_EQ(ftmike->hp, 1) << "the spot did not open on arrival";
    EXPECT_EQ(old_map_num, 0);
    // Entered by the right-hand cells of the cave: out one cell east of them.
    expect_world_restored(1600, 1408);
}

TEST_F(AreaPlay, TheSaveSpotOfMapFifteenHealsAndAsksToSave)
{
    ftmike->hp = 1;
    ftmike->mp = 0;
    at_world_entrance(2112, 704);
    // As far as map 15 and onto the rune.
    std::string s;
    int map = 2;
    Cell at = trip(woods_links, num_woods_links, &map, {WOODS_START_X, WOODS_START_Y},
                   std::vector<int>(woods_in.begin(), woods_in.end() - 1), &s);
    ASSERT_EQ(map, 15);
    AreaMap m(15);
    Cell spot{WOODS_RESUME_X, WOODS_RESUME_Y};
    s += walk_script(at, m.path(at, [&](Cell c) { return c == spot; }));
    // The spiral, the flash, "Hp/Mp Restored!!", then "Not really".
    s += "wait 6s\ntap Enter\nwait 1s\ntap Down\nwait 300ms\ntap Enter\nwait 1s\n";
    s += walk_script(spot, m.path(spot, [&](Cell c) { return m.on_edge(c, DIR_DOWN); })) + hold(DIR_DOWN, 1) +
         "wait 300ms\n";
    map = 14;
    at = {176, 0};
    trip(woods_links, num_woods_links, &map, at, std::vector<int>(woods_out.begin() + 2, woods_out.end()),
         &s);
    run(s);
    visit(do_aphondus_woods);
    EXPECT_EQ(ftmike->hp, ftmike->hpmax) << "healed on the rune";
    EXPECT_EQ(ftmike->mp, ftmike->mpmax);
    expect_world_restored(2128, 720);
}

TEST_F(AreaPlay, AGameSavedOnMapFifteenResumesOnTheSpotWithoutItOpening)
{
    // As the save file leaves things: inside the woods, the world position kept.
    old_map_num = 15;
    old_mike_x = 2112;
    old_mike_y = 704;
    old_mx = -1952;
    old_my = -584;
    ftmike->hp = 1;
    // Straight off the spot southwards and out of the woods.
    AreaMap m(15);
    Cell spot{WOODS_RESUME_X, WOODS_RESUME_Y};
    std::string s = walk_script(spot, m.path(spot, [&](Cell c) { return m.on_edge(c, DIR_DOWN); })) +
                    hold(DIR_DOWN, 1) + "wait 300ms\n";
    int map = 14;
    trip(woods_links, num_woods_links, &map, {176, 0},
         std::vector<int>(woods_out.begin() + 2, woods_out.end()), &s);
    run(s);
    visit(do_aphondus_woods);
    EXPECT_EQ(ftmike->hp, 1) << "the spot did not open on arrival";
    EXPECT_EQ(old_map_num, 0);
    expect_world_restored(2128, 720);
}

TEST_F(AreaPlay, TheBridgeIsQuietWithScrollingWaterAndLetsMikeOutBelowIt)
{
    at_world_entrance(1424, 176);
    run("wait 1500ms\n" + hold(DIR_UP, 3) + hold(DIR_DOWN, 4) + "wait 500ms\n");
    visit(do_lumin_bridge);
    expect_world_restored(1424, 192);
    EXPECT_EQ(animate_water, FALSE);
    EXPECT_EQ(num_torchlikes, -1);
}

} // namespace
