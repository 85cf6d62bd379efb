// The towns as drawn in assets/maps, held against the plans their loop runs
// on: for Lumin Village, Agual and Mystalia alike, every door, entry cell,
// room limit, link, counter, chest, find, torch, save spot and townsperson is
// where the compiled maps say, walkable where Mike must stand, solid where he
// must face something, and reachable from where he arrives. Also the numbers
// chests and finds share with every other place, and the name each map gives
// the save slots. A map or a table edited apart from the other fails here.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "area.h"
#include "harness.h"
#include "play.h"
#include "records.h"
#include "town.h"
#include "town_castle.h"
#include "vantor.h"
#include "world.h"

namespace {

using Cell = std::pair<int, int>; // pixels

Cell facing(Cell c, int face)
{
    switch (face) {
    case DIR_UP: return {c.first, c.second - 16};
    case DIR_DOWN: return {c.first, c.second + 16};
    case DIR_LEFT: return {c.first - 16, c.second};
    default: return {c.first + 16, c.second};
    }
}
std::string at(Cell c) { return "(" + std::to_string(c.first) + ", " + std::to_string(c.second) + ")"; }

// Each town with the cells Mike arrives on outdoors and its tile groups.
struct Town {
    const town_plan* plan;
    std::vector<Cell> starts;
    const char* outdoor_group;
    const char* room_group;
};
std::vector<Town> towns()
{
    return {
        {&village_plan, {{village_plan.start_x, village_plan.start_y}}, "LV", "LVI"},
        // Agual is also entered in its square, back from the woods.
        {&agual_plan, {{agual_plan.start_x, agual_plan.start_y}, {352, 368}}, "AG", "AGI"},
        {&mystalia_plan, {{mystalia_plan.start_x, mystalia_plan.start_y}}, "MY", "MYI"},
    };
}

// The story flags that decide who stands where: each is tried on its own.
std::vector<int> people_flags(const town_plan& p)
{
    std::set<int> f;
    for (int i = 0; i < p.people_count; i++)
        for (int v : {p.people[i].need_flag, p.people[i].gone_flag})
            if (v >= 0) f.insert(v);
    return {f.begin(), f.end()};
}
bool present(const town_person& p, int flag_on)
{
    return (p.need_flag < 0 || p.need_flag == flag_on) && (p.gone_flag < 0 || p.gone_flag != flag_on);
}

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
    static int tile(Cell c, int layer) { return get_sprite_number(map, layer, c.first / 16, c.second / 16); }
    static std::string tile_name(Cell c, int layer)
    {
        const char* n = get_object_name(tiles, tile(c, layer));
        return n ? n : "";
    }
    static bool starts_with(const std::string& s, const char* p) { return s.rfind(p, 0) == 0; }
    // Each town draws its doors in its own style: door_inn, agual_door_shop, mystalia_door ...
    static bool door_drawn(Cell c) { return tile_name(c, 0).find("door") != std::string::npos; }
    // Whether Mike may stand on the cell, tested as move_mike tests a step onto it.
    static bool walkable(Cell c)
    {
        if (!on_map(c)) return false;
        int t0 = tile(c, 0), t1 = tile(c, 1);
        if (t1 >= 231 && t1 <= 234) t0 = -1;
        return !object_collision(g_map_num, t0, 0) && !object_collision(g_map_num, t1, 1);
    }
    static bool solid(Cell c) { return on_map(c) && !walkable(c); }
    // Cells Mike walks to from `from` without stepping on one of `stops` (doors and
    // links take him elsewhere the moment he stands on them).
    static std::set<Cell> reach(const std::vector<Cell>& from, const std::set<Cell>& stops)
    {
        std::set<Cell> seen(from.begin(), from.end());
        std::vector<Cell> todo = from;
        while (!todo.empty()) {
            Cell c = todo.back();
            todo.pop_back();
            if (std::find(from.begin(), from.end(), c) == from.end() && stops.count(c)) continue;
            for (int d : {DIR_UP, DIR_DOWN, DIR_LEFT, DIR_RIGHT}) {
                Cell n = facing(c, d);
                if (seen.count(n) || !walkable(n)) continue;
                seen.insert(n);
                todo.push_back(n);
            }
        }
        return seen;
    }
    static bool next_to(const std::set<Cell>& reached, Cell c)
    {
        for (int d : {DIR_UP, DIR_DOWN, DIR_LEFT, DIR_RIGHT})
            if (reached.count(facing(c, d))) return true;
        return false;
    }
    static std::set<Cell> street_doors(const town_plan& p)
    {
        std::set<Cell> s;
        for (int i = 0; i < p.room_count; i++) {
            const town_room& r = p.rooms[i];
            if (r.door_x >= 0) s.insert({r.door_x, r.door_y});
            if (r.door2_x || r.door2_y) s.insert({r.door2_x, r.door2_y});
        }
        return s;
    }
    static std::set<Cell> links_in(const town_plan& p, int num)
    {
        std::set<Cell> s;
        for (int i = 0; i < p.link_count; i++)
            if (p.links[i].map_num == num) s.insert({p.links[i].x, p.links[i].y});
        return s;
    }

    // A clerk stands still one or two cells beyond his counter, as Mike faces it.
    static bool serves(const town_person& t, const counter_spot& c)
    {
        Cell front = facing({c.x, c.y}, c.face), one = facing(front, c.face), two = facing(one, c.face);
        Cell here{t.x, t.y};
        return t.map_num == c.map_num && t.still && (here == one || here == two);
    }
    static bool behind_a_counter(const town_plan& p, const town_person& t)
    {
        for (int i = 0; i < p.counter_count; i++)
            if (serves(t, p.counters[i])) return true;
        return false;
    }

    // What must hold on every map of a plan (the one open now), given the cells Mike reaches there.
    static void check_contents(const town_plan& p, int num, const std::set<Cell>& reached)
    {
        for (int i = 0; i < p.counter_count; i++) {
            const counter_spot& c = p.counters[i];
            if (c.map_num != num) continue;
            Cell m{c.x, c.y}, front = facing(m, c.face);
            EXPECT_TRUE(reached.count(m)) << num << ": counter cell " << at(m) << " out of reach";
            EXPECT_TRUE(starts_with(tile_name(front, 1), "counter"))
                << num << ": no counter at " << at(front);
            EXPECT_TRUE(solid(front)) << num << ": the counter at " << at(front) << " can be walked over";
            bool served = false;
            for (int k = 0; k < p.people_count; k++) served |= serves(p.people[k], c);
            EXPECT_TRUE(served) << num << ": nobody behind the counter at " << at(front);
            if (c.kind == COUNTER_SHOP) {
                ASSERT_TRUE(c.arg >= 0 && c.arg < p.shop_count) << num;
                EXPECT_GE(p.shops[c.arg].stock[0], 0) << p.shops[c.arg].name << " sells nothing";
            } else {
                EXPECT_GT(c.arg, 0) << num << ": an inn for nothing";
            }
        }
        for (int i = 0; i < p.chest_count; i++) {
            const town_chest& c = p.chest_list[i];
            if (c.map_num != num) continue;
            Cell t{c.col * 16, c.row * 16};
            EXPECT_EQ(tile_name(t, c.layer), "chest_closed") << num << ": chest " << c.chest;
            EXPECT_TRUE(reached.count(facing(t, DIR_DOWN)))
                << num << ": chest " << c.chest << " cannot be opened";
        }
        for (int i = 0; i < p.find_count; i++) {
            const town_find& f = p.finds[i];
            if (f.map_num != num) continue;
            EXPECT_TRUE(reached.count({f.x, f.y})) << num << ": find " << f.pot << " out of reach";
            EXPECT_TRUE(solid(facing({f.x, f.y}, f.face)))
                << num << ": find " << f.pot << " faces open floor";
        }
        for (int i = 0; i < p.torch_count; i++) {
            const town_torch& t = p.torches[i];
            if (t.map_num != num) continue;
            EXPECT_EQ(tile_name({t.x, t.y}, 1), "torch_a") << num << ": torch at " << at({t.x, t.y});
            EXPECT_TRUE(solid({t.x, t.y})) << num << ": a torch hangs on a wall, not over the floor";
        }
        for (int i = 0; i < p.save_count; i++) {
            const town_save& s = p.saves[i];
            if (s.map_num != num) continue;
            EXPECT_EQ(tile_name({s.x, s.y}, 0), "save_rune") << num;
            EXPECT_TRUE(reached.count({s.x, s.y})) << num << ": save spot out of reach";
        }
        // Whoever is there at any turn of the story stands on open floor of his own, within talking reach.
        std::vector<int> flags = people_flags(p);
        flags.push_back(-1);
        for (int flag_on : flags) {
            std::set<Cell> taken;
            std::set<int> indices;
            for (int i = 0; i < p.people_count; i++) {
                const town_person& t = p.people[i];
                if (t.map_num != num || !present(t, flag_on)) continue;
                Cell c{t.x, t.y};
                EXPECT_TRUE(walkable(c)) << num << ": person " << t.index << " in a wall at " << at(c);
                EXPECT_EQ(t.x % 16 + t.y % 16, 0) << num << ": person " << t.index << " off the grid";
                if (!behind_a_counter(p, t)) {
                    EXPECT_TRUE(next_to(reached, c)) << num << ": nobody can talk to person " << t.index;
                }
                EXPECT_TRUE(taken.insert(c).second) << num << ": two people at " << at(c);
                EXPECT_TRUE(indices.insert(t.index).second) << num << ": person " << t.index << " twice";
                EXPECT_TRUE(t.index >= 1 && t.index <= 29) << num;
                EXPECT_NE(*t.actor, nullptr) << num;
            }
        }
    }

    static void check_outdoors(const Town& town)
    {
        const town_plan& p = *town.plan;
        SCOPED_TRACE(p.name);
        open(p.file, p.map_num);
        std::set<Cell> doors = street_doors(p);
        for (Cell s : town.starts) ASSERT_TRUE(walkable(s)) << "start " << at(s);
        EXPECT_EQ(p.start_mx, std::max(std::min(0, 160 - p.start_x), 320 - map->xsize * 16))
            << "the start camera";
        EXPECT_EQ(p.start_my, std::max(std::min(0, 120 - p.start_y), 240 - map->ysize * 16));
        std::set<Cell> reached = reach(town.starts, doors);
        for (Cell d : doors) {
            Cell below = facing(d, DIR_DOWN);
            EXPECT_TRUE(reached.count(d)) << "door " << at(d) << " cannot be reached";
            EXPECT_TRUE(walkable(below) && reached.count(below))
                << "Mike comes back out of " << at(d) << " into a wall";
            EXPECT_FALSE(doors.count(below)) << "Mike comes back out onto another door";
            EXPECT_TRUE(door_drawn(d)) << "no door drawn at " << at(d);
            Cell l = facing(d, DIR_LEFT), r = facing(d, DIR_RIGHT);
            EXPECT_TRUE((solid(l) || door_drawn(l)) && (solid(r) || door_drawn(r)))
                << "the door at " << at(d) << " is not set in a wall";
        }
        for (int i = 0; i < p.people_count; i++) {
            Cell c{p.people[i].x, p.people[i].y};
            if (p.people[i].map_num != p.map_num) continue;
            EXPECT_FALSE(doors.count(c)) << "person " << p.people[i].index << " on a door";
            for (Cell s : town.starts)
                EXPECT_NE(c, s) << "person " << p.people[i].index << " where Mike arrives";
        }
        check_contents(p, p.map_num, reached);

        // The town is left by its own edge and no other. Mike may step off the bottom of
        // a map, the left of Agual's and the top of Mystalia's (move_mike's edges); those
        // he reaches must be the plan's leaving edge.
        bool out = false;
        for (Cell c : reached) {
            int off = 0;
            if (c.second == map->ysize * 16 - 16 && p.map_num != 103 && p.map_num != 104) off = DIR_DOWN;
            if (c.first == 0 && p.map_num == 103) off = DIR_LEFT;
            if (c.second == 0 && p.map_num == 104) off = DIR_UP;
            if (!off) continue;
            EXPECT_EQ(off, p.leave_dir) << "a way out at " << at(c);
            out = true;
        }
        EXPECT_TRUE(out) << "no way out";
    }

    static void check_rooms(const town_plan& p)
    {
        for (int i = 0; i < p.room_count; i++) {
            const town_room& r = p.rooms[i];
            SCOPED_TRACE(r.file);
            open(r.file, r.map_num);
            EXPECT_GE(map->xsize * 16, 320) << "a room fills the screen";
            EXPECT_GE(map->ysize * 16, 240);
            std::set<Cell> links = links_in(p, r.map_num);
            std::vector<Cell> from;
            if (r.door_x >= 0) from.push_back({r.entry_x, r.entry_y});
            for (int k = 0; k < p.link_count; k++)
                if (p.links[k].to_map == r.map_num) from.push_back({p.links[k].to_x, p.links[k].to_y});
            ASSERT_FALSE(from.empty()) << "no way in";
            for (Cell s : from) {
                EXPECT_TRUE(walkable(s)) << "arrives in a wall at " << at(s);
                EXPECT_FALSE(links.count(s)) << "arrives on a link at " << at(s);
            }
            std::set<Cell> in = reach(from, links);
            for (Cell l : links) EXPECT_TRUE(in.count(l)) << "link " << at(l) << " out of reach";
            if (r.door_x >= 0) {
                // Arriving must not leave at once, and the first step down must.
                EXPECT_LE(r.entry_y, r.limit_y);
                EXPECT_GT(r.entry_y + 16, r.limit_y);
                EXPECT_FALSE(solid({r.entry_x, r.entry_y + 16}));
            }
            // Nowhere else can Mike walk off the bottom (he would come out of the wrong door).
            for (Cell c : in) {
                if (c.second + 16 > r.limit_y && !solid({c.first, c.second + 16})) {
                    EXPECT_TRUE(r.door_x >= 0 && c == Cell(r.entry_x, r.entry_y))
                        << "a second way out at " << at(c);
                }
            }
            check_contents(p, r.map_num, in);
        }
    }
};

TEST_F(TownMaps, EveryTownsStreetsHoldEveryCellItsLoopUses)
{
    for (const Town& t : towns()) check_outdoors(t);
}

TEST_F(TownMaps, EveryRoomIsEnteredAndLeftWhereItsTableSays)
{
    for (const Town& t : towns()) check_rooms(*t.plan);
}

TEST_F(TownMaps, TheVillageKeepsItsShapeItsFountainAndItsPeopleApart)
{
    const town_plan& V = village_plan;
    open(V.file, V.map_num);
    EXPECT_EQ(map->ysize * 16, 720) << "Mike leaves once his y exceeds 719: one step off the bottom row";
    EXPECT_EQ(V.start_y, 704);
    EXPECT_EQ(street_doors(V).size(), 13u) << "eleven rooms, two of them with two doors";
    std::set<std::string> files;
    for (int i = 0; i < V.room_count; i++) files.insert(V.rooms[i].file);
    EXPECT_EQ(files.size(), 10u) << "ten room maps, one of them shown twice";
    // The fountain the frame loop animates: columns 4 to 7 of rows 36 and 37, on a solid pool;
    // outdoors the village draws layer 1 only as the fountain's water.
    for (int y = 0; y < map->ysize; y++)
        for (int x = 0; x < map->xsize; x++) {
            bool fountain = y >= 36 && y <= 37 && x >= 4 && x <= 7;
            ASSERT_EQ(tile_name({x * 16, y * 16}, 1), fountain ? "fountain_a" : "") << x << "," << y;
            if (fountain) {
                EXPECT_TRUE(solid({x * 16, y * 16}));
            }
        }
    // Villagers and room folk use separate person entries, and the inn costs 25 gold.
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
    for (int i = 0; i < V.counter_count; i++) {
        if (V.counters[i].kind == COUNTER_INN) {
            EXPECT_EQ(V.counters[i].arg, 25);
        }
    }
}

TEST_F(TownMaps, RainSheenLiesWhereTheRainCanReachIt)
{
    // The sheen frames are swapped over 50 x 50 cells of layer 2 and drawn under the
    // people: the whole map must lie in that square, and layer 2 hold nothing else.
    for (const Town& t : towns()) {
        const town_plan& p = *t.plan;
        if (!p.rains) continue;
        open(p.file, p.map_num);
        ASSERT_GE(map->layers, 3);
        EXPECT_LE(map->xsize, 50);
        EXPECT_LE(map->ysize, 50);
        int sheen = 0;
        for (int y = 0; y < map->ysize; y++)
            for (int x = 0; x < map->xsize; x++) {
                int tl = get_sprite_number(map, 2, x, y);
                EXPECT_TRUE(tl == -1 || tl == TILE_RAIN_SHEEN_A || tl == TILE_RAIN_SHEEN_B) << x << "," << y;
                if (tl != -1) {
                    sheen++;
                    // Objects may stand on the wet ground; walls and water do not shine.
                    EXPECT_FALSE(object_collision(p.map_num, get_sprite_number(map, 0, x, y), 0))
                        << "sheen on a wall at " << x << "," << y;
                }
            }
        EXPECT_GT(sheen, 300) << p.name << ": the streets shine in the rain";
    }
}

TEST_F(TownMaps, EveryTileIsMeantForItsMapGroup)
{
    for (const Town& t : towns()) {
        const town_plan& p = *t.plan;
        open(p.file, p.map_num);
        expect_tiles_meant_for(map, t.outdoor_group, p.file);
        for (int i = 0; i < p.room_count; i++) {
            open(p.rooms[i].file, p.rooms[i].map_num);
            expect_tiles_meant_for(map, t.room_group, p.rooms[i].file);
        }
    }
}

TEST_F(TownMaps, EveryChestAndFindHasANumberOfItsOwn)
{
    // Two chests sharing a number would open each other; so would two finds.
    std::set<int> chest_ids, pot_ids;
    auto chest = [&](int id, const std::string& where) {
        EXPECT_TRUE(chest_ids.insert(id).second) << where << ": chest " << id << " is taken";
        EXPECT_TRUE(id >= 0 && id <= 500) << where;
    };
    for (const Town& t : towns()) {
        const town_plan& p = *t.plan;
        for (int i = 0; i < p.chest_count; i++) {
            chest(p.chest_list[i].chest, p.name);
            // Weapon and armor chests need their piece set up by the loop; these hold items and gold.
            EXPECT_LT(chests[p.chest_list[i].chest].item_id, 500) << p.name;
        }
        for (int i = 0; i < p.find_count; i++) {
            const town_find& f = p.finds[i];
            EXPECT_TRUE(pot_ids.insert(f.pot).second) << p.name << " find " << f.pot;
            EXPECT_TRUE(f.item >= 0 && f.item < 19) << p.name << " find " << f.pot;
        }
    }
    for (int i = 0; i < num_castle_chests; i++) chest(castle_chests[i].chest, "Lumin Castle");
    for (int i = 0; i < num_woods_chests; i++) {
        int id = woods_chests[i].id;
        chest(id, "Aphondus Woods");
        // The woods loop sets up no shop record either, so its chests hold items or gold.
        EXPECT_LT(chests[id].item_id, 500) << "woods chest " << id;
        EXPECT_NE(chests[id].item_id, 0) << "woods chest " << id << " would hold a Small Potion by accident";
    }
    // The village's finds are pots 0 to 2, Agual's 4 to 6, Mystalia's 7 to 12.
    EXPECT_EQ(pot_ids, (std::set<int>{0, 1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
}

TEST(PlaceNames, EveryMapTheGameCanStandOnNamesItsPlace)
{
    // The save slots show where a game was saved: every map Mike can be on has a name.
    std::vector<int> maps = {-1, 1};
    for (int m = 2; m <= 17; m++) maps.push_back(m);
    for (int m = 19; m <= 31; m++) maps.push_back(m);
    for (int m = 10201; m <= 10226; m++) maps.push_back(m);
    for (const town_plan* p : {&village_plan, &agual_plan, &mystalia_plan}) {
        maps.push_back(p->map_num);
        for (int i = 0; i < p->room_count; i++) maps.push_back(p->rooms[i].map_num);
    }
    for (int i = 0; i < num_area_saves; i++) maps.push_back(area_saves[i].map);
    for (int m : maps) EXPECT_STRNE(get_gplace(m), "NOT FOUND!") << "map " << m;

    EXPECT_STREQ(get_gplace(-1), "Lumin World");
    EXPECT_STREQ(get_gplace(15), "Aphondus Woods");
    EXPECT_STREQ(get_gplace(17), "Aphondus Woods") << "the woods' scene map";
    EXPECT_STREQ(get_gplace(29), "Sand Garden");
    EXPECT_STREQ(get_gplace(31), "Sand Garden") << "the garden's scene map";
    EXPECT_STREQ(get_gplace(10105), "Lumin Village") << "the inn's save spot";
    EXPECT_STREQ(get_gplace(10192), "Lumin Village");
    EXPECT_STREQ(get_gplace(10210), "Lumin Castle");
    EXPECT_STREQ(get_gplace(10310), "Agual") << "Runhon's room upstairs";
    EXPECT_STREQ(get_gplace(104), "Mystalia");
    // A number no map has is not passed off as a place.
    for (int m : {0, 18, 102, 10111, 10227, 10311, 10410}) EXPECT_STREQ(get_gplace(m), "NOT FOUND!") << m;
}

} // namespace
