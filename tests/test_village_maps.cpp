// Lumin Village as drawn in assets/maps, held against the game's own table
// (village_plan): every door, entry cell, room limit, counter, chest, find,
// torch, save spot and townsperson is where the compiled maps say, walkable
// where Mike must stand, solid where he must face something, and reachable
// from where he arrives. A map or a table edited apart from the other fails here.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "area.h"
#include "harness.h"
#include "records.h"
#include "town.h"
#include "town2.h"
#include "town_castle.h"
#include "vantor.h"
#include "world.h"

namespace {

using Cell = std::pair<int, int>;  // pixels

Cell facing(int x, int y, int face)
{
    switch (face) {
    case DIR_UP: return {x, y - 16};
    case DIR_DOWN: return {x, y + 16};
    case DIR_LEFT: return {x - 16, y};
    default: return {x + 16, y};
    }
}
std::string at(Cell c) { return "(" + std::to_string(c.first) + ", " + std::to_string(c.second) + ")"; }

const town_plan& V = village_plan;

struct VillageMaps : ::testing::Test {
    static void SetUpTestSuite() { headless_game_start(); }
    void TearDown() override
    {
        destroy_tilemap(map);
        map = nullptr;
    }
    static void open(const char* file, int num)
    {
        open_tilemap(file);
        g_map_num = num;
        moving_restricted = FALSE;
    }
    static bool on_map(Cell c)
    {
        return c.first >= 0 && c.second >= 0 && c.first < map->xsize * 16 && c.second < map->ysize * 16;
    }
    static int tile(Cell c, int layer) { return get_sprite_number(map, layer, c.first / 16, c.second / 16); }
    static std::string tile_name(Cell c, int layer)
    {
        const char* n = get_object_name(tiles, tile(c, layer));
        return n ? n : "";
    }
    // Whether Mike may stand on the cell, tested as move_mike tests a step onto it.
    static bool walkable(Cell c)
    {
        if (!on_map(c)) return false;
        int t0 = tile(c, 0), t1 = tile(c, 1);
        if (t1 >= 231 && t1 <= 234) t0 = -1;
        return !object_collision(g_map_num, t0, 0) && !object_collision(g_map_num, t1, 1);
    }
    static bool solid(Cell c) { return on_map(c) && !walkable(c); }
    // Cells Mike reaches from `start` without stepping on one of `stops`.
    static std::set<Cell> reach(Cell start, const std::set<Cell>& stops)
    {
        std::set<Cell> seen = {start};
        std::vector<Cell> todo = {start};
        while (!todo.empty()) {
            Cell c = todo.back();
            todo.pop_back();
            if (c != start && stops.count(c)) continue;
            for (Cell n : {facing(c.first, c.second, DIR_UP), facing(c.first, c.second, DIR_DOWN),
                           facing(c.first, c.second, DIR_LEFT), facing(c.first, c.second, DIR_RIGHT)}) {
                if (seen.count(n) || !walkable(n)) continue;
                seen.insert(n);
                todo.push_back(n);
            }
        }
        return seen;
    }
    // What must be true on every map of the plan, for its own map number.
    void check_contents(int num, const std::set<Cell>& reached)
    {
        for (int i = 0; i < V.counter_count; i++) {
            const counter_spot& c = V.counters[i];
            if (c.map_num != num) continue;
            Cell m{c.x, c.y};
            EXPECT_TRUE(reached.count(m)) << num << ": counter cell " << at(m) << " out of reach";
            Cell f = facing(c.x, c.y, c.face);
            EXPECT_EQ(tile_name(f, 1).rfind("counter", 0), 0u) << num << ": no counter at " << at(f);
            EXPECT_TRUE(solid(f)) << num << ": the counter at " << at(f) << " can be walked over";
        }
        for (int i = 0; i < V.chest_count; i++) {
            const town_chest& c = V.chest_list[i];
            if (c.map_num != num) continue;
            Cell t{c.col * 16, c.row * 16};
            EXPECT_EQ(tile_name(t, c.layer), "chest_closed") << num << ": chest " << c.chest;
            Cell below{t.first, t.second + 16};
            EXPECT_TRUE(reached.count(below)) << num << ": chest " << c.chest << " cannot be opened from " << at(below);
        }
        for (int i = 0; i < V.find_count; i++) {
            const town_find& f = V.finds[i];
            if (f.map_num != num) continue;
            Cell m{f.x, f.y};
            EXPECT_TRUE(reached.count(m)) << num << ": find " << f.pot << " at " << at(m) << " out of reach";
            EXPECT_TRUE(solid(facing(f.x, f.y, f.face))) << num << ": find " << f.pot << " faces empty floor";
        }
        for (int i = 0; i < V.torch_count; i++) {
            const town_torch& t = V.torches[i];
            if (t.map_num != num) continue;
            EXPECT_EQ(tile_name({t.x, t.y}, 1), "torch_a") << num << ": torch at " << at({t.x, t.y});
            EXPECT_TRUE(solid({t.x, t.y})) << num << ": a torch hangs on a wall, not over the floor";
        }
        for (int i = 0; i < V.save_count; i++) {
            const town_save& s = V.saves[i];
            if (s.map_num != num) continue;
            EXPECT_EQ(tile_name({s.x, s.y}, 0), "save_rune") << num;
            EXPECT_TRUE(reached.count({s.x, s.y})) << num << ": save spot out of reach";
        }
        for (int i = 0; i < V.people_count; i++) {
            const town_person& p = V.people[i];
            if (p.map_num != num) continue;
            EXPECT_TRUE(walkable({p.x, p.y})) << num << ": person " << p.index << " stands in a wall at " << at({p.x, p.y});
            EXPECT_EQ(p.x % 16 + p.y % 16, 0) << num << ": person " << p.index << " off the grid";
        }
    }
};

TEST_F(VillageMaps, TheVillageIsEnteredFromTheSouthAndEveryDoorLeadsInAndBackOut)
{
    open(V.file, V.map_num);
    ASSERT_EQ(map->xsize * 16 >= 656, true) << "the start camera needs the width";
    EXPECT_EQ(map->ysize * 16, 720) << "Mike leaves once his y exceeds 719: one step off the bottom row";
    Cell start{V.start_x, V.start_y};
    ASSERT_TRUE(walkable(start));
    EXPECT_FALSE(on_map({start.first, start.second + 16})) << "one step down from the start leaves the village";
    EXPECT_EQ(V.start_mx, std::max(160 - V.start_x, 320 - map->xsize * 16));
    EXPECT_EQ(V.start_my, std::max(120 - V.start_y, 240 - map->ysize * 16));

    std::set<Cell> doors;
    for (int i = 0; i < V.room_count; i++) {
        const town_room& r = V.rooms[i];
        doors.insert({r.door_x, r.door_y});
        if (r.door2_x || r.door2_y) doors.insert({r.door2_x, r.door2_y});
    }
    EXPECT_EQ(doors.size(), 13u) << "eleven rooms, two of them with two doors";
    std::set<Cell> reached = reach(start, doors);
    for (Cell d : doors) {
        EXPECT_TRUE(reached.count(d)) << "door " << at(d) << " out of reach";
        EXPECT_EQ(tile_name(d, 0).rfind("door_", 0), 0u) << "no door drawn at " << at(d);
        EXPECT_TRUE(walkable({d.first, d.second + 16})) << "Mike comes back out below " << at(d);
        EXPECT_TRUE(solid({d.first - 16, d.second}) && solid({d.first + 16, d.second}) ||
                    tile_name({d.first - 16, d.second}, 0).rfind("door_", 0) == 0 ||
                    tile_name({d.first + 16, d.second}, 0).rfind("door_", 0) == 0)
            << "the door at " << at(d) << " is set in a wall";
    }
    // The fountain the frame loop animates: columns 4 to 7 of rows 36 and 37, on a solid pool.
    for (int y = 36; y <= 37; y++)
        for (int x = 4; x <= 7; x++) {
            EXPECT_EQ(tile_name({x * 16, y * 16}, 1), "fountain_a");
            EXPECT_TRUE(solid({x * 16, y * 16}));
        }
    // Outdoors the village draws layer 1 only as the fountain's water.
    for (int y = 0; y < map->ysize; y++)
        for (int x = 0; x < map->xsize; x++)
            if (!(y >= 36 && y <= 37 && x >= 4 && x <= 7)) ASSERT_EQ(tile({x * 16, y * 16}, 1), -1) << x << "," << y;
    check_contents(101, reached);
}

TEST_F(VillageMaps, EveryRoomIsEnteredOnItsDoorwayAndLeftByOneStepDown)
{
    std::set<std::string> seen;
    for (int i = 0; i < V.room_count; i++) {
        const town_room& r = V.rooms[i];
        SCOPED_TRACE(r.map_num);
        open(r.file, r.map_num);
        Cell entry{r.entry_x, r.entry_y};
        ASSERT_TRUE(walkable(entry)) << "entry " << at(entry);
        // Arriving must not leave at once, and the first step down must leave.
        EXPECT_LE(r.entry_y, r.limit_y);
        EXPECT_GT(r.entry_y + 16, r.limit_y);
        Cell below{r.entry_x, r.entry_y + 16};
        EXPECT_TRUE(!on_map(below) || walkable(below));
        std::set<Cell> reached = reach(entry, {});
        check_contents(r.map_num, reached);
        seen.insert(r.file);
    }
    EXPECT_EQ(seen.size(), 10u) << "ten room maps, one of them shown twice";
}

TEST_F(VillageMaps, ShopsInnAndClerksAgree)
{
    // Each counter's clerk stands behind it, and each shop is stocked.
    for (int i = 0; i < V.counter_count; i++) {
        const counter_spot& c = V.counters[i];
        bool staffed = false;
        for (int k = 0; k < V.people_count; k++) {
            const town_person& p = V.people[k];
            if (p.map_num == c.map_num && p.x == c.x && p.y < c.y - 16 && p.still) staffed = true;
        }
        EXPECT_TRUE(staffed) << "nobody behind the counter of " << c.map_num;
        if (c.kind == COUNTER_SHOP) {
            ASSERT_LT(c.arg, V.shop_count);
            const town_shop& s = V.shops[c.arg];
            EXPECT_GE(s.stock[0], 0) << s.name;
            EXPECT_GE(s.type, 1);
            EXPECT_LE(s.type, 3);
        } else {
            EXPECT_EQ(c.arg, 25) << "a night at the village inn costs 25 gold";
        }
    }
    // Outdoor villagers and room folk use separate person entries, so that the
    // villagers are found where they stood when Mike comes back out.
    int outdoor_max = 0, indoor_min = 30;
    for (int k = 0; k < V.people_count; k++) {
        const town_person& p = V.people[k];
        if (p.map_num == V.map_num)
            outdoor_max = std::max(outdoor_max, p.index);
        else
            indoor_min = std::min(indoor_min, p.index);
    }
    EXPECT_EQ(outdoor_max, 9);
    EXPECT_GT(indoor_min, outdoor_max);
}

TEST_F(VillageMaps, ChestsAndFindsHaveNumbersOfTheirOwn)
{
    std::set<int> chest_ids, pot_ids;
    for (int i = 0; i < V.chest_count; i++) EXPECT_TRUE(chest_ids.insert(V.chest_list[i].chest).second);
    for (int i = 0; i < V.find_count; i++) {
        EXPECT_TRUE(pot_ids.insert(V.finds[i].pot).second);
        EXPECT_LE(V.finds[i].pot, 2) << "the village's finds are pots 0 to 2";
    }
    EXPECT_EQ(pot_ids.size(), 3u);
    // Glow Dust is among them.
    bool glow = false;
    for (int i = 0; i < V.find_count; i++) glow |= V.finds[i].item == 1;
    EXPECT_TRUE(glow);
    // No other place opens the village's chests.
    for (int i = 0; i < num_castle_chests; i++) EXPECT_FALSE(chest_ids.count(castle_chests[i].chest));
    for (const town_plan* p : {&agual_plan, &mystalia_plan})
        for (int i = 0; i < p->chest_count; i++) EXPECT_FALSE(chest_ids.count(p->chest_list[i].chest));
    for (int i = 0; i < num_woods_chests; i++) EXPECT_FALSE(chest_ids.count(woods_chests[i].id));
}

} // namespace
