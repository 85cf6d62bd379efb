// Agual and Mystalia as drawn in assets/maps, held against the game's own
// tables: every door, entry cell, link, counter, chest, find, person and exit
// the loops rely on is where the compiled maps say, walkable where Mike must
// stand and reachable from where he arrives.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "harness.h"
#include "records.h"
#include "tilecat.h"
#include "town.h"
#include "town2.h"
#include "area.h"
#include "town_castle.h"
#include "vantor.h"
#include "world.h"

namespace {

using Cell = std::pair<int, int>;  // pixels
const Cell UP{0, -16}, DOWN{0, 16}, LEFT{-16, 0}, RIGHT{16, 0};

Cell step(Cell c, Cell d) { return {c.first + d.first, c.second + d.second}; }
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

struct TownMaps : ::testing::Test {
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
    // Whether Mike may stand on the cell, tested as move_mike tests a step onto it.
    static bool walkable(Cell c)
    {
        if (!on_map(c)) return false;
        int t0 = get_sprite_number(map, 0, c.first / 16, c.second / 16);
        int t1 = get_sprite_number(map, 1, c.first / 16, c.second / 16);
        if (t1 >= 231 && t1 <= 234) t0 = -1;
        return !object_collision(g_map_num, t0, 0) && !object_collision(g_map_num, t1, 1);
    }
    static bool solid(Cell c) { return on_map(c) && !walkable(c); }

    // Cells Mike can walk to from `start` without stepping on one of `stops` (doors and
    // links take him elsewhere the moment he stands on them).
    static std::set<Cell> reach(Cell start, const std::set<Cell>& stops)
    {
        std::set<Cell> seen = {start};
        std::vector<Cell> todo = {start};
        while (!todo.empty()) {
            Cell c = todo.back();
            todo.pop_back();
            if (c != start && stops.count(c)) continue;
            for (Cell d : {UP, DOWN, LEFT, RIGHT}) {
                Cell n = step(c, d);
                if (seen.count(n) || !walkable(n)) continue;
                seen.insert(n);
                todo.push_back(n);
            }
        }
        return seen;
    }
    static bool next_to(const std::set<Cell>& reached, Cell c)
    {
        for (Cell d : {UP, DOWN, LEFT, RIGHT})
            if (reached.count(step(c, d))) return true;
        return false;
    }

    static std::set<Cell> street_doors(const town_plan& p)
    {
        std::set<Cell> s;
        for (int i = 0; i < p.room_count; i++)
            if (p.rooms[i].door_x >= 0) s.insert({p.rooms[i].door_x, p.rooms[i].door_y});
        return s;
    }
    static std::set<Cell> links_in(const town_plan& p, int num)
    {
        std::set<Cell> s;
        for (int i = 0; i < p.link_count; i++)
            if (p.links[i].map_num == num) s.insert({p.links[i].x, p.links[i].y});
        return s;
    }

    // Every object of a map that Mike presses at: standing cell reachable, object solid.
    static void check_objects(const town_plan& p, int num, const std::set<Cell>& reached)
    {
        for (int i = 0; i < p.counter_count; i++) {
            const counter_spot& c = p.counters[i];
            if (c.map_num != num) continue;
            Cell front = facing(c.x, c.y, c.face);
            EXPECT_TRUE(reached.count({c.x, c.y})) << num << ": counter spot " << at({c.x, c.y});
            int t = get_sprite_number(map, 1, front.first / 16, front.second / 16);
            EXPECT_TRUE(t >= 303 && t <= 312) << num << ": no counter in front of " << at({c.x, c.y});
            // Someone serves behind it.
            Cell behind = facing(front.first, front.second, c.face);
            bool served = false;
            for (int k = 0; k < p.people_count; k++)
                if (p.people[k].map_num == num && Cell{p.people[k].x, p.people[k].y} == behind) served = true;
            EXPECT_TRUE(served) << num << ": nobody behind the counter at " << at(front);
        }
        for (int i = 0; i < p.chest_count; i++) {
            const town_chest& c = p.chest_list[i];
            if (c.map_num != num) continue;
            EXPECT_EQ(get_sprite_number(map, c.layer, c.col, c.row), 215) << num << ": chest " << c.chest;
            EXPECT_TRUE(reached.count({c.col * 16, c.row * 16 + 16})) << num << ": chest " << c.chest << " out of reach";
        }
        for (int i = 0; i < p.find_count; i++) {
            const town_find& f = p.finds[i];
            if (f.map_num != num) continue;
            EXPECT_TRUE(reached.count({f.x, f.y})) << num << ": find " << f.pot << " out of reach";
            EXPECT_TRUE(solid(facing(f.x, f.y, f.face))) << num << ": find " << f.pot << " faces open ground";
        }
    }

    // The people of a map stand on open cells of their own that Mike can walk up to.
    static void check_people(const town_plan& p, int num, const std::set<Cell>& reached, int flag11)
    {
        std::set<Cell> taken, indices;
        for (int i = 0; i < p.people_count; i++) {
            const town_person& t = p.people[i];
            if (t.map_num != num) continue;
            if (t.need_flag == 11 && !flag11) continue;
            if (t.gone_flag == 11 && flag11) continue;
            Cell c{t.x, t.y};
            EXPECT_TRUE(walkable(c)) << num << ": person " << t.index << " in a wall at " << at(c);
            EXPECT_TRUE(next_to(reached, c)) << num << ": nobody can talk to person " << t.index;
            EXPECT_TRUE(taken.insert(c).second) << num << ": two people at " << at(c);
            EXPECT_TRUE(indices.insert({t.index, 0}).second) << num << ": person " << t.index << " twice";
            EXPECT_GE(t.index, 1);
            EXPECT_LE(t.index, 29);
            EXPECT_NE(*t.actor, nullptr);
        }
    }

    static void check_town(const town_plan& p, const std::vector<Cell>& starts)
    {
        open(p.file, p.map_num);
        std::set<Cell> doors = street_doors(p);
        std::set<Cell> reached;
        for (Cell s : starts) {
            ASSERT_TRUE(walkable(s)) << p.name << " start " << at(s);
            std::set<Cell> r = reach(s, doors);
            reached.insert(r.begin(), r.end());
        }
        for (int i = 0; i < p.room_count; i++) {
            const town_room& r = p.rooms[i];
            if (r.door_x < 0) continue;
            Cell door{r.door_x, r.door_y}, below{r.door_x, r.door_y + 16};
            EXPECT_TRUE(reached.count(door)) << r.file << ": its door " << at(door) << " cannot be reached";
            EXPECT_TRUE(walkable(below) && reached.count(below)) << r.file << ": Mike comes back into a wall";
            EXPECT_FALSE(doors.count(below)) << r.file;
        }
        check_objects(p, p.map_num, reached);
        check_people(p, p.map_num, reached, FALSE);
        check_people(p, p.map_num, reached, TRUE);
        for (int i = 0; i < p.people_count; i++) {
            Cell c{p.people[i].x, p.people[i].y};
            if (p.people[i].map_num == p.map_num) {
                EXPECT_FALSE(doors.count(c) || c == starts[0]) << "person " << p.people[i].index << " on a door";
            }
        }

        for (int i = 0; i < p.room_count; i++) {
            const town_room& r = p.rooms[i];
            SCOPED_TRACE(r.file);
            open(r.file, r.map_num);
            EXPECT_EQ(map->xsize * 16, 320) << "rooms fill the screen";
            EXPECT_EQ(map->ysize * 16, 240);
            std::set<Cell> links = links_in(p, r.map_num);
            std::set<Cell> from = {{r.entry_x, r.entry_y}};
            for (int k = 0; k < p.link_count; k++)
                if (p.links[k].to_map == r.map_num) from.insert({p.links[k].to_x, p.links[k].to_y});
            std::set<Cell> in;
            for (Cell s : from) {
                EXPECT_TRUE(walkable(s)) << "arrives in a wall at " << at(s);
                EXPECT_FALSE(links.count(s)) << "arrives on a link at " << at(s);
                std::set<Cell> got = reach(s, links);
                in.insert(got.begin(), got.end());
            }
            for (Cell l : links) EXPECT_TRUE(in.count(l)) << "link " << at(l) << " out of reach";
            if (r.door_x >= 0) {
                // Walking down from the doorway leaves the room.
                EXPECT_GT(r.entry_y + 16, r.limit_y);
                EXPECT_FALSE(solid({r.entry_x, r.entry_y + 16}));
            } else {
                EXPECT_FALSE(links.empty()) << "a room with no street door needs a way in";
            }
            // Nowhere else can Mike walk off the bottom (he would come out of the wrong door).
            for (Cell c : in) {
                bool off_bottom = c.second + 16 > r.limit_y && !solid({c.first, c.second + 16});
                if (off_bottom) {
                    EXPECT_TRUE(r.door_x >= 0 && c == Cell(r.entry_x, r.entry_y)) << "a second way out at " << at(c);
                }
            }
            check_objects(p, r.map_num, in);
            check_people(p, r.map_num, in, FALSE);
        }
    }
};

TEST_F(TownMaps, AgualHoldsEveryCellItsLoopUses)
{
    EXPECT_STREQ(agual_plan.file, "town02.map");
    EXPECT_EQ(agual_plan.start_x, 0);
    EXPECT_EQ(agual_plan.start_y, 400);
    check_town(agual_plan, {{0, 400}, {352, 368}});
}

TEST_F(TownMaps, MystaliaHoldsEveryCellItsLoopUses)
{
    EXPECT_STREQ(mystalia_plan.file, "town03.map");
    check_town(mystalia_plan, {{mystalia_plan.start_x, mystalia_plan.start_y}});
}

TEST_F(TownMaps, EachTownIsLeftByItsOwnEdgeAndNoOther)
{
    // Agual opens only its west gate; Mystalia only its north gate.
    open("town02.map", 103);
    std::set<Cell> a = reach({0, 400}, street_doors(agual_plan));
    for (Cell c : a) {
        EXPECT_GT(c.second, 0) << "Agual's top is walled";
        EXPECT_LT(c.first, map->xsize * 16 - 16) << "Agual's east is walled";
        EXPECT_LT(c.second, map->ysize * 16 - 16) << "Agual's harbour is water";
        if (c.first == 0) {
            EXPECT_EQ(c.second, 400) << "the west gate is the only way out";
        }
    }
    open("town03.map", 104);
    Cell s{mystalia_plan.start_x, mystalia_plan.start_y};
    std::set<Cell> m = reach(s, street_doors(mystalia_plan));
    bool gate = false;
    for (Cell c : m) {
        EXPECT_GT(c.first, 0);
        EXPECT_LT(c.first, map->xsize * 16 - 16);
        EXPECT_LT(c.second, map->ysize * 16 - 16);
        if (c.second == 0) gate = true;
    }
    EXPECT_TRUE(gate) << "Mystalia's north gate";
}

TEST_F(TownMaps, RainSheenLiesWhereTheRainCanReachIt)
{
    // The sheen frames are swapped over 50 x 50 cells of layer 2 and drawn under the
    // people: the whole map must lie in that square, and layer 2 hold nothing else.
    open("town02.map", 103);
    ASSERT_GE(map->layers, 3);
    EXPECT_LE(map->xsize, 50);
    EXPECT_LE(map->ysize, 50);
    int sheen = 0;
    for (int y = 0; y < map->ysize; y++)
        for (int x = 0; x < map->xsize; x++) {
            int t = get_sprite_number(map, 2, x, y);
            EXPECT_TRUE(t == -1 || t == 137 || t == 138) << x << "," << y;
            if (t != -1) {
                sheen++;
                // Objects may stand on the wet ground; walls and water do not shine.
                EXPECT_FALSE(object_collision(103, get_sprite_number(map, 0, x, y), 0)) << "sheen on a wall at " << x << "," << y;
            }
        }
    EXPECT_GT(sheen, 300) << "the streets shine in the rain";
}

TEST_F(TownMaps, EveryTileIsMeantForItsMapGroup)
{
    std::vector<TileEntry> cat = load_tile_catalogue(VANTOR_SOURCE_DIR "/assets/tiles/catalogue.txt");
    auto meant = [&](int t, const char* group) {
        for (const TileEntry& e : cat)
            if (e.index == t)
                for (const std::string& g : e.groups)
                    if (g == group) return true;
        return false;
    };
    for (const town_plan* p : {&agual_plan, &mystalia_plan}) {
        std::vector<std::pair<std::string, int>> maps = {{p->file, p->map_num}};
        for (int i = 0; i < p->room_count; i++) maps.push_back({p->rooms[i].file, p->rooms[i].map_num});
        for (auto& m : maps) {
            open(m.first.c_str(), m.second);
            const char* group = m.second == 103 ? "AG" : m.second == 104 ? "MY" : m.second < 10400 ? "AGI" : "MYI";
            for (int l = 0; l < map->layers; l++)
                for (int y = 0; y < map->ysize; y++)
                    for (int x = 0; x < map->xsize; x++) {
                        int t = get_sprite_number(map, l, x, y);
                        if (t >= 0) {
                            EXPECT_TRUE(meant(t, group)) << m.first << " tile " << t << " at " << x << "," << y;
                        }
                    }
        }
    }
}

TEST_F(TownMaps, EveryChestAndFindHasANumberOfItsOwn)
{
    // Two chests sharing a number would open each other; so would two finds.
    std::set<int> chest_ids, pot_ids;
    for (int i = 0; i < num_castle_chests; i++) chest_ids.insert(castle_chests[i].chest);
    for (int i = 0; i < num_woods_chests; i++) chest_ids.insert(woods_chests[i].id);
    for (const town_plan* p : {&agual_plan, &mystalia_plan}) {
        for (int i = 0; i < p->chest_count; i++) {
            int id = p->chest_list[i].chest;
            EXPECT_TRUE(chest_ids.insert(id).second) << p->name << " chest " << id << " is taken";
            // Weapon and armor chests need their piece set up by the loop; these hold items and gold.
            EXPECT_LT(chests[id].item_id, 500) << p->name << " chest " << id;
        }
        for (int i = 0; i < p->find_count; i++) {
            EXPECT_TRUE(pot_ids.insert(p->finds[i].pot).second) << p->name << " find " << p->finds[i].pot;
            EXPECT_GE(p->finds[i].item, 0);
            EXPECT_LT(p->finds[i].item, 19);
        }
    }
    EXPECT_EQ(pot_ids, (std::set<int>{4, 5, 6, 7, 8, 9, 10, 11, 12}));
}

} // namespace
