// The world map as built from assets/maps/wmap.txt, checked against the rules
// the game walks it by; and the world map's own logic: putting Mike back
// beside a place he leaves, regions and the battle roll.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <utility>
#include <vector>

#include "dat_names.h"
#include "harness.h"
#include "records.h"
#include "vantor.h"
#include "world.h"

namespace {

using Cell = std::pair<int, int>; // column, row

// Every cell that enters a place, by the game's own test.
const std::vector<Cell> entrances = {
    {89, 11},  {101, 18}, {102, 18}, {103, 18}, {102, 17}, {145, 41}, {146, 41},
    {146, 42}, {104, 70}, {105, 70}, {98, 87},  {99, 87},  {98, 88},  {99, 88},
};

struct WorldData : ::testing::Test {
    static std::set<Cell> reached; // cells a walker can stand on, from the start cell
    static bool off_map;           // some walk leads off the map

    static void SetUpTestSuite()
    {
        headless_game_start();
        open_tilemap("wmap.map");
        g_map_num = -1;
        moving_restricted = FALSE;
        walk_from({WORLD_START_X / 16, WORLD_START_Y / 16});
    }

    // Whether Mike may step onto the cell, tested the way move_mike tests it.
    static bool walkable(Cell c)
    {
        int t0 = get_sprite_number(map, 0, c.first, c.second);
        int t1 = map->layers > 1 ? get_sprite_number(map, 1, c.first, c.second) : -1;
        if (t1 >= TILE_BRIDGE_DECK_V && t1 <= TILE_STONE_BRIDGE_H) t0 = -1;
        return !object_collision(-1, t0, 0) && !object_collision(-1, t1, 1);
    }
    static bool on_map(Cell c)
    {
        return c.first >= 0 && c.second >= 0 && c.first < map->xsize && c.second < map->ysize;
    }
    static int place_of(Cell c) { return world_place_at(c.first * 16, c.second * 16); }

    // Flood from the start: the western limit turns Mike back, and standing on an
    // entrance takes him into the place, so nothing beyond an entrance is walked to.
    static void walk_from(Cell start)
    {
        reached = {start};
        std::vector<Cell> todo = {start};
        while (!todo.empty()) {
            Cell c = todo.back();
            todo.pop_back();
            if (place_of(c) != WP_NONE) continue;
            for (Cell d : {Cell{0, -1}, Cell{0, 1}, Cell{-1, 0}, Cell{1, 0}}) {
                Cell n{c.first + d.first, c.second + d.second};
                if (!on_map(n)) {
                    off_map = true;
                    continue;
                }
                if (n.first * 16 <= WORLD_WEST_LIMIT || reached.count(n) || !walkable(n)) continue;
                reached.insert(n);
                todo.push_back(n);
            }
        }
    }
};
std::set<Cell> WorldData::reached;
bool WorldData::off_map = false;

TEST_F(WorldData, MapCoversTheThreeRegions)
{
    EXPECT_GE(map->xsize, 160);
    EXPECT_GE(map->ysize, 120);
    EXPECT_EQ(map->xgrid, 16);
    EXPECT_EQ(map->ygrid, 16);
    EXPECT_GT(reached.size(), 3000u) << "a whole continent to walk";
}

TEST_F(WorldData, EveryEntranceCanBeWalkedToFromTheStart)
{
    Cell start{WORLD_START_X / 16, WORLD_START_Y / 16};
    EXPECT_TRUE(walkable(start));
    EXPECT_EQ(place_of(start), WP_NONE);
    for (Cell e : entrances) {
        EXPECT_NE(place_of(e), WP_NONE) << e.first << "," << e.second;
        EXPECT_TRUE(reached.count(e)) << "cannot reach the entrance at " << e.first << "," << e.second;
    }
    int gates = 0;
    for (int y = 0; y < map->ysize; y++)
        for (int x = 0; x < map->xsize; x++)
            if (get_sprite_number(map, 0, x, y) == WORLD_WOODS_TILE) {
                gates++;
                EXPECT_TRUE(reached.count({x, y})) << "woods gate at " << x << "," << y;
                EXPECT_LT(x * 16, 2320) << "the woods lie west of Agual";
            }
    EXPECT_EQ(gates, 1) << "any cell of that tile enters the woods";
}

TEST_F(WorldData, NoWalkLeadsOffTheMap)
{
    EXPECT_FALSE(off_map);
    for (Cell c : reached)
        EXPECT_TRUE(c.first > 0 && c.second > 0 && c.first < map->xsize - 1 && c.second < map->ysize - 1)
            << "a walker reaches the border at " << c.first << "," << c.second;
}

TEST_F(WorldData, LeavingAPlaceLeavesMikeOnOpenGroundOutsideIt)
{
    std::vector<Cell> all = entrances;
    for (int y = 0; y < map->ysize; y++)
        for (int x = 0; x < map->xsize; x++)
            if (get_sprite_number(map, 0, x, y) == WORLD_WOODS_TILE) all.push_back({x, y});
    for (Cell e : all) {
        int x, y, face;
        world_exit_position(e.first * 16, e.second * 16, &x, &y, &face);
        Cell out{x / 16, y / 16};
        EXPECT_EQ(x % 16 + y % 16, 0);
        EXPECT_NE(out, e);
        EXPECT_TRUE(walkable(out)) << "exit of " << e.first << "," << e.second;
        EXPECT_EQ(place_of(out), WP_NONE) << "the exit of " << e.first << "," << e.second << " enters again";
        EXPECT_TRUE(reached.count(out)) << "the exit of " << e.first << "," << e.second << " leads nowhere";
        if (place_of(e) == WP_WOODS) {
            int t = get_sprite_number(map, 0, out.first, out.second);
            EXPECT_TRUE(t >= TILE_FOREST && t <= TILE_FOREST_CLUMP)
                << "Mike comes out of the woods into the forest, got tile " << t;
        }
    }
}

TEST_F(WorldData, TheSandGardenLiesInTheDesert)
{
    // Battles around it show the desert: the ground beside every door is desert sand.
    for (Cell c : {Cell{97, 87}, Cell{97, 88}, Cell{100, 87}, Cell{100, 88}}) {
        int t = get_sprite_number(map, 0, c.first, c.second);
        EXPECT_TRUE(t >= TILE_DESERT && t <= TILE_DESERT_E) << c.first << "," << c.second << " holds " << t;
        EXPECT_GE(c.second, regions[2].y);
    }
}

struct WorldLogic : ::testing::Test {
    void SetUp() override
    {
        headless_game_start();
        open_tilemap("wmap.map");
        looping = FALSE;
    }
};

TEST_F(WorldLogic, LeavingAPlacePutsTheWorldBackWithMikeBesideTheEntrance)
{
    struct Case {
        Cell entrance;
        Cell out;
        int face;
    } cases[] = {
        {{89, 11}, {89, 12}, DIR_DOWN}, // the bridge: back to the start cell
        {{101, 18}, {101, 19}, DIR_DOWN}, {{102, 18}, {102, 19}, DIR_DOWN}, {{103, 18}, {103, 19}, DIR_DOWN},
        {{145, 41}, {144, 41}, DIR_LEFT}, {{146, 42}, {146, 43}, DIR_DOWN}, {{104, 70}, {104, 69}, DIR_UP},
    };
    for (const Case& c : cases) {
        old_mike_x = c.entrance.first * 16;
        old_mike_y = c.entrance.second * 16;
        old_mx = 160 - old_mike_x;
        old_my = 120 - old_mike_y;
        g_map_num = 101;
        in_town = town_walk = TRUE;
        g_place = "Lumin Village";
        normal_drawing = FALSE;
        do_battle_test = TRUE;
        restore_world_map();
        EXPECT_EQ(mike->x, c.out.first * 16);
        EXPECT_EQ(mike->y, c.out.second * 16);
        EXPECT_EQ(mike->face, c.face);
        EXPECT_EQ(mike->x + mx, 160) << "the camera moves with him";
        EXPECT_EQ(mike->y + my, 120);
        EXPECT_EQ(g_map_num, -1);
        EXPECT_STREQ(g_place, "Lumin World");
        EXPECT_TRUE(normal_drawing);
        EXPECT_FALSE(in_town);
        EXPECT_FALSE(town_walk);
        EXPECT_FALSE(do_battle_test) << "arriving is not a step";
        EXPECT_EQ(playing, 48);
        EXPECT_FALSE(mike->halved);
        ASSERT_NE(map, nullptr);
        EXPECT_EQ(map->xsize, 160);
    }
}

TEST_F(WorldLogic, RegionsFollowMikeAndGapsKeepTheLastOne)
{
    struct {
        int row, region;
    } rows[] = {{0, 0}, {30, 0}, {31, 1}, {70, 1}, {71, 2}, {119, 2}};
    for (auto r : rows) {
        mike->x = 100 * 16;
        mike->y = r.row * 16;
        update_regions();
        EXPECT_EQ(current_region, r.region) << "row " << r.row;
    }
    mike->x = 20 * 16; // west of every region
    mike->y = 10 * 16;
    update_regions();
    EXPECT_EQ(current_region, 2);
}

TEST_F(WorldLogic, BattleRollIsDrawnOnEveryCall)
{
    // Switched off, or in a town, no battle starts, but the roll is still drawn.
    int saved_fights = fights;
    for (int setting : {0, 1}) {
        srand(11);
        rand();
        int second = rand();
        srand(11);
        if (setting == 0) {
            fights = FALSE;
            g_map_num = -1;
        } else {
            fights = TRUE;
            g_map_num = 101;
            in_field = FALSE;
        }
        test_battle();
        EXPECT_EQ(rand(), second) << "setting " << setting;
    }
    fights = saved_fights;
    g_map_num = -1;
}

} // namespace
