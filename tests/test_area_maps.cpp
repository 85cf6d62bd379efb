// The bridge, the woods and the Sand Garden as compiled from assets/maps, held
// against the areas' own tables: every way between maps, entry cell, chest,
// herb, save spot, object and scene cell must be where the code expects it,
// every map must be walkable from wherever Mike comes in to everything in it,
// and no edge may let Mike walk off a map where no way leads.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <queue>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "area.h"
#include "area_lines.h"
#include "harness.h"
#include "play.h"
#include "records.h"
#include "tilemap.h"
#include "vantor.h"
#include "vantor_frame.h"
#include "world.h"

namespace {

using Cell = std::pair<int, int>; // column, row

Cell cell_of(int x, int y) { return {x / 16, y / 16}; }
const Cell steps[] = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}};
Cell step(Cell c, int dir) { return {c.first + steps[dir - 1].first, c.second + steps[dir - 1].second}; }

std::string tile_name(int t)
{
    const char* n = t >= 0 ? get_object_name(tiles, t) : nullptr;
    return n ? n : "";
}

struct AreaMaps : ::testing::Test {
    static std::map<int, TILEMAP*> maps;

    static void SetUpTestSuite()
    {
        headless_game_start();
        std::vector<int> nums = {BRIDGE_MAP};
        for (int n = WOODS_FIRST_MAP; n <= WOODS_LAST_MAP; n++) nums.push_back(n);
        for (int n = SAND_FIRST_MAP; n <= SAND_LAST_MAP; n++) nums.push_back(n);
        for (int n : nums) {
            char name[16];
            TILEMAP* m = load_tilemap(area_map_file(n, name));
            ASSERT_NE(m, nullptr) << name;
            if (m->names) correct_tilemap(m, tiles);
            maps[n] = m;
        }
        moving_restricted = FALSE;
    }
    static void TearDownTestSuite()
    {
        for (auto& [num, m] : maps) destroy_tilemap(m);
        maps.clear();
    }

    static int tile(int map, int layer, Cell c)
    {
        TILEMAP* m = maps.at(map);
        return layer < m->layers ? get_sprite_number(m, layer, c.first, c.second) : -1;
    }
    static bool on_map(int map, Cell c)
    {
        TILEMAP* m = maps.at(map);
        return c.first >= 0 && c.second >= 0 && c.first < m->xsize && c.second < m->ysize;
    }
    // Whether Mike may step onto the cell, by the game's own rules for the map's number:
    // stones and planks on layer 1 carry him over whatever lies below.
    static bool walkable(int map, Cell c)
    {
        if (!on_map(map, c)) return false;
        int t0 = tile(map, 0, c), t1 = tile(map, 1, c);
        if (t1 >= 231 && t1 <= 234) t0 = -1;
        return !object_collision(map, t0, 0) && !object_collision(map, t1, 1);
    }
    static std::set<Cell> reachable(int map, Cell from)
    {
        std::set<Cell> seen;
        if (!walkable(map, from)) return seen;
        std::queue<Cell> q;
        q.push(from);
        seen.insert(from);
        while (!q.empty()) {
            Cell c = q.front();
            q.pop();
            for (int d = 1; d <= 4; d++) {
                Cell n = step(c, d);
                if (walkable(map, n) && seen.insert(n).second) q.push(n);
            }
        }
        return seen;
    }
    // The cells Mike leaves the map from through an edge: the walkable cells of that border.
    static std::vector<Cell> border(int map, int edge)
    {
        TILEMAP* m = maps.at(map);
        std::vector<Cell> out;
        for (int i = 0; i < (edge == DIR_UP || edge == DIR_DOWN ? m->xsize : m->ysize); i++) {
            Cell c = edge == DIR_UP     ? Cell{i, 0}
                     : edge == DIR_DOWN ? Cell{i, m->ysize - 1}
                     : edge == DIR_LEFT ? Cell{0, i}
                                        : Cell{m->xsize - 1, i};
            if (walkable(map, c)) out.push_back(c);
        }
        return out;
    }
    // Where Mike stands one step beyond the border cell c through the edge, in pixels.
    static void beyond(Cell c, int edge, int* x, int* y)
    {
        Cell b = step(c, edge);
        *x = b.first * 16;
        *y = b.second * 16;
    }
};
std::map<int, TILEMAP*> AreaMaps::maps;

struct Area {
    const char* name;
    const area_link* links;
    int n, first, last, start_map, start_x, start_y;
};
const Area areas[] = {
    {"woods", woods_links, num_woods_links, WOODS_FIRST_MAP, WOODS_LAST_MAP, WOODS_START_MAP, WOODS_START_X,
     WOODS_START_Y},
    {"sand garden", sand_links, num_sand_links, SAND_FIRST_MAP, SAND_LAST_MAP, SAND_START_MAP, SAND_START_X,
     SAND_START_Y},
};

// Every cell where Mike can appear on a map of the area.
std::vector<Cell> entries(const Area& a, int map)
{
    std::vector<Cell> out;
    if (map == a.start_map) out.push_back(cell_of(a.start_x, a.start_y));
    for (int i = 0; i < a.n; i++)
        if (a.links[i].to == map) out.push_back(cell_of(a.links[i].x, a.links[i].y));
    for (int i = 0; i < num_area_saves; i++)
        if (area_saves[i].map == map) out.push_back(cell_of(area_saves[i].x, area_saves[i].y));
    return out;
}

TEST_F(AreaMaps, WalkingOffEveryEdgeLandsOnTheMatchingCellOfTheNeighbour)
{
    for (const Area& a : areas)
        for (int map = a.first; map <= a.last; map++) {
            TILEMAP* m = maps.at(map);
            int w = m->xsize * 16, h = m->ysize * 16;
            for (int edge = DIR_UP; edge <= DIR_RIGHT; edge++)
                for (Cell c : border(map, edge)) {
                    int x, y;
                    beyond(c, edge, &x, &y);
                    const area_link* l = area_link_at(a.links, a.n, map, x, y, w, h);
                    ASSERT_NE(l, nullptr) << a.name << " map " << map << ": Mike walks off edge " << edge
                                          << " at " << c.first << "," << c.second << " into nowhere";
                    EXPECT_EQ(l->from, map);
                    EXPECT_EQ(l->edge, edge);
                    if (l->to == -1) continue;
                    ASSERT_TRUE(maps.count(l->to)) << l->to;
                    TILEMAP* t = maps.at(l->to);
                    Cell e = cell_of(l->x, l->y);
                    EXPECT_EQ(l->x % 16 + l->y % 16, 0) << "entry off the grid on map " << l->to;
                    EXPECT_TRUE(walkable(l->to, e)) << a.name << ": entry " << e.first << "," << e.second
                                                    << " on map " << l->to << " from map " << map;
                    // He appears on the opposite edge, except through the cleft of map 14.
                    bool passage = map == 14 && l->to == 15;
                    if (!passage) {
                        int want_x = edge == DIR_RIGHT ? 0 : edge == DIR_LEFT ? t->xsize - 1 : e.first;
                        int want_y = edge == DIR_DOWN ? 0 : edge == DIR_UP ? t->ysize - 1 : e.second;
                        EXPECT_EQ(e, Cell(want_x, want_y)) << a.name << " map " << map << " edge " << edge;
                    }
                    // The camera stays inside the next map and shows him.
                    EXPECT_LE(l->cam_x, 0);
                    EXPECT_LE(l->cam_y, 0);
                    EXPECT_GE(l->cam_x, 320 - t->xsize * 16) << "map " << l->to;
                    EXPECT_GE(l->cam_y, 240 - t->ysize * 16) << "map " << l->to;
                    EXPECT_TRUE(l->x + l->cam_x >= 0 && l->x + l->cam_x <= 304 && l->y + l->cam_y >= 0 &&
                                l->y + l->cam_y <= 224)
                        << "Mike off the screen arriving on map " << l->to << " from " << map;
                }
        }
}

TEST_F(AreaMaps, EveryWayOutHasAPathAndEveryEntryReachesAllOfThem)
{
    for (const Area& a : areas)
        for (int map = a.first; map <= a.last; map++) {
            std::vector<Cell> in = entries(a, map);
            ASSERT_FALSE(in.empty()) << a.name << " map " << map << " cannot be reached";
            for (Cell e : in) {
                std::set<Cell> r = reachable(map, e);
                ASSERT_FALSE(r.empty())
                    << "map " << map << " entry " << e.first << "," << e.second << " is solid";
                for (int i = 0; i < a.n; i++) {
                    const area_link& l = a.links[i];
                    if (l.from != map) continue;
                    bool found = false;
                    for (Cell c : border(map, l.edge)) found = found || r.count(c);
                    EXPECT_TRUE(found) << a.name << " map " << map << ": no way to edge " << l.edge
                                       << " from " << e.first << "," << e.second;
                }
                for (Cell o : in) EXPECT_TRUE(r.count(o)) << "map " << map << ": entries apart";
            }
            // A way that leads back the way he came is always there: each link has its return.
            for (int i = 0; i < a.n; i++) {
                const area_link& l = a.links[i];
                if (l.from != map || l.to == -1) continue;
                bool back = false;
                for (int j = 0; j < a.n; j++)
                    back = back || (a.links[j].from == l.to && a.links[j].to == map);
                EXPECT_TRUE(back) << a.name << ": no way back from " << l.to << " to " << map;
            }
        }
}

TEST_F(AreaMaps, TheWoodsTableIsWhereTheForestLeadsAndEndsEastOfMapTwo)
{
    int out = 0;
    for (int i = 0; i < num_woods_links; i++) {
        const area_link& l = woods_links[i];
        EXPECT_TRUE(l.from >= WOODS_FIRST_MAP && l.from <= WOODS_LAST_MAP);
        if (l.to == -1) {
            out++;
            EXPECT_EQ(l.from, 2);
            EXPECT_EQ(l.edge, DIR_RIGHT);
        }
    }
    EXPECT_EQ(out, 1);
    EXPECT_EQ(num_woods_links, 31);
    // The start and the world exit share map 2's east path.
    int w = maps.at(2)->xsize * 16;
    const area_link* l =
        area_link_at(woods_links, num_woods_links, 2, WOODS_START_X + 16, WOODS_START_Y, w, 480);
    ASSERT_NE(l, nullptr);
    EXPECT_EQ(l->to, -1);
    // The sand garden is left only through the top of map 19, where it begins.
    for (int i = 0; i < num_sand_links; i++)
        if (sand_links[i].to == -1) {
            EXPECT_TRUE(sand_links[i].from == 19 && sand_links[i].edge == DIR_UP);
        }
    EXPECT_EQ(cell_of(SAND_START_X, SAND_START_Y).second, 0);
}

TEST_F(AreaMaps, ChestsHerbsObjectsSaveSpotsAndSceneCellsSitOnTheirMaps)
{
    for (int i = 0; i < num_woods_chests; i++) {
        const area_chest& c = woods_chests[i];
        EXPECT_EQ(tile_name(tile(c.map, 1, {c.col, c.row})), "chest_closed") << "chest " << c.id;
        Cell front = {c.col, c.row + 1};
        EXPECT_TRUE(reachable(c.map, entries(areas[0], c.map)[0]).count(front))
            << "chest " << c.id << " out of reach";
        for (int j = 0; j < i; j++) EXPECT_NE(woods_chests[j].id, c.id);
        EXPECT_TRUE(c.id >= 0 && c.id <= 500);
    }
    std::set<int> pots_seen;
    for (int i = 0; i < num_sand_finds; i++) {
        const area_find& f = sand_finds[i];
        std::string t = tile_name(tile(f.map, 1, {f.col, f.row}));
        EXPECT_TRUE(t == "herb_green" || t == "herb_red")
            << "find " << f.pot << " on map " << f.map << ": " << t;
        EXPECT_EQ(f.item, t == "herb_green" ? 15 : 17) << "the herb's colour tells what it is";
        EXPECT_TRUE(reachable(f.map, entries(areas[1], f.map)[0]).count({f.col, f.row})) << "herb " << f.pot;
        EXPECT_TRUE(pots_seen.insert(f.pot).second);
        EXPECT_TRUE(f.pot >= 13 && f.pot <= 20);
    }
    EXPECT_EQ(pots_seen.size(), 8u);
    for (int i = 0; i < num_sand_objects; i++) {
        const area_object& o = sand_objects[i];
        Cell at = cell_of(o.x, o.y), ahead = step(at, o.face);
        EXPECT_TRUE(reachable(o.map, entries(areas[1], o.map)[0]).count(at)) << "object on map " << o.map;
        std::string t = tile_name(tile(o.map, 1, ahead)) + tile_name(tile(o.map, 0, ahead));
        EXPECT_TRUE(t.find("sand_pillar") != std::string::npos || t.find("spring") != std::string::npos ||
                    t.find("bones") != std::string::npos || t.find("dead_tree") != std::string::npos)
            << "map " << o.map << " shows " << t;
        ASSERT_NE(o.lines, nullptr);
        ASSERT_NE(o.lines[0], nullptr);
    }
    for (int i = 0; i < num_area_saves; i++) {
        const area_save& s = area_saves[i];
        EXPECT_EQ(tile_name(tile(s.map, 0, cell_of(s.x, s.y))), "save_rune") << "map " << s.map;
    }
    for (const area_trigger* t : {&woods_scene_cells, &sand_plant_cells, &sand_court_cells}) {
        const Area& a = t->map < 19 ? areas[0] : areas[1];
        std::set<Cell> r = reachable(t->map, entries(a, t->map)[0]);
        int inside = 0;
        for (Cell c : r)
            if (c.first * 16 >= t->x1 && c.first * 16 <= t->x2 && c.second * 16 >= t->y1 &&
                c.second * 16 <= t->y2)
                inside++;
        EXPECT_GT(inside, 0) << "scene cells of map " << t->map << " out of reach";
    }
    // The last scene lays the shadow seal in the middle of the court.
    EXPECT_TRUE(reachable(25, entries(areas[1], 25)[0]).count({20, 17}));
}

TEST_F(AreaMaps, TheBridgeRunsFromTheStartOverTheWaterToTheFort)
{
    TILEMAP* m = maps.at(BRIDGE_MAP);
    EXPECT_EQ(m->xsize * 16, 320);
    EXPECT_EQ(m->ysize * 16 - 16, BRIDGE_START_Y) << "Mike starts on the last row and leaves off it";
    Cell start = cell_of(BRIDGE_START_X, BRIDGE_START_Y);
    std::set<Cell> r = reachable(BRIDGE_MAP, start);
    ASSERT_FALSE(r.empty());
    int north = m->ysize;
    for (Cell c : r) north = std::min(north, c.second);
    EXPECT_LT(north, 12) << "the far bank is reached over the deck";
    // The water layer's top rows are one river, drawn scrolling under everything.
    for (int y = 0; y < 15; y++)
        for (int x = 0; x < m->xsize; x++) {
            std::string t = tile_name(tile(BRIDGE_MAP, 0, {x, y}));
            ASSERT_TRUE(t == "river_water" || t == "river_foam") << x << "," << y << " " << t;
        }
    for (int i = 0; i < num_bridge_torches; i++)
        EXPECT_EQ(tile_name(tile(BRIDGE_MAP, 1, {bridge_torches[i][0], bridge_torches[i][1]})), "torch_a");
    // Room on the deck for a line of soldiers and for Jack and Charlie beside Mike.
    int wide = 0;
    for (int x = 0; x < m->xsize; x++) wide += walkable(BRIDGE_MAP, {x, 40}) ? 1 : 0;
    EXPECT_GE(wide, 4);
}

TEST_F(AreaMaps, EveryAreaTextFitsItsWindow)
{
    for (int i = 0; i < num_sand_objects; i++)
        for (const char* const* set : {sand_objects[i].lines, sand_objects[i].later})
            for (int k = 0; set && set[k]; k++) expect_window_fits(set[k]);
}

TEST_F(AreaMaps, EveryTileIsMeantForItsMapGroup)
{
    for (const auto& [num, m] : maps)
        expect_tiles_meant_for(m,
                               num == BRIDGE_MAP       ? "BR"
                               : num <= WOODS_LAST_MAP ? "WD"
                                                       : "SG",
                               "map " + std::to_string(num));
}

TEST(AreaLinks, OnlyAStepBeyondAnEdgeFindsAWay)
{
    const area_link links[] = {{7, DIR_UP, 8, 16, 464, 0, -240}, {7, DIR_RIGHT, -1, 0, 0, 0, 0}};
    EXPECT_EQ(area_link_at(links, 2, 7, 16, 0, 640, 480), nullptr) << "on the map";
    EXPECT_EQ(area_link_at(links, 2, 7, 624, 464, 640, 480), nullptr) << "on the last cell";
    EXPECT_EQ(area_link_at(links, 2, 7, 16, -16, 640, 480), &links[0]);
    EXPECT_EQ(area_link_at(links, 2, 7, 640, 32, 640, 480), &links[1]);
    EXPECT_EQ(area_link_at(links, 2, 7, -16, 32, 640, 480), nullptr) << "west leads nowhere";
    EXPECT_EQ(area_link_at(links, 2, 7, 32, 480, 640, 480), nullptr) << "south leads nowhere";
    EXPECT_EQ(area_link_at(links, 2, 8, 16, -16, 640, 480), nullptr) << "another map's way";
    char buf[16];
    EXPECT_STREQ(area_map_file(2, buf), "map02.map");
    EXPECT_STREQ(area_map_file(30, buf), "map30.map");
}

} // namespace
