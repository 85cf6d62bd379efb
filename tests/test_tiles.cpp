// The tile set against the game: every tile the catalogue says stops a walker
// in a map group is solid there by the game's own collision rules, and every
// floor, path or door is not; the tiles the game writes by number are the
// right ones; and the built tiles.dat holds exactly the catalogue's sprites.
#include "dat_names.h"
#include "harness.h"
#include "tilecat.h"
#include "world.h"

#include <allegro.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <tuple>
#include <map>
#include <regex>
#include <set>
#include <sstream>

namespace {

using Entry = TileEntry;

const std::vector<Entry>& catalogue()
{
    static const std::vector<Entry> cat =
        load_tile_catalogue(std::string(VANTOR_SOURCE_DIR) + "/assets/tiles/catalogue.txt");
    return cat;
}

const Entry* by_index(int i)
{
    for (const Entry& e : catalogue())
        if (e.index == i) return &e;
    return nullptr;
}

const std::map<std::string, std::vector<int>>& group_maps() { return tile_group_maps(); }

bool starts(const std::string& s, const char* p) { return s.rfind(p, 0) == 0; }

} // namespace

TEST(TileCatalogue, IndicesAndNamesAreCompleteAndUnique)
{
    const auto& cat = catalogue();
    ASSERT_GE(cat.size(), 448u);
    std::set<std::string> names;
    std::regex ok("[A-Za-z0-9_]{1,78}");
    for (size_t i = 0; i < cat.size(); i++) {
        EXPECT_EQ(cat[i].index, (int)i) << "indices must run 0, 1, 2 ... without gaps";
        EXPECT_TRUE(std::regex_match(cat[i].name, ok)) << cat[i].name;
        EXPECT_TRUE(names.insert(cat[i].name).second) << "duplicate name " << cat[i].name;
        EXPECT_FALSE(cat[i].groups.empty()) << cat[i].name << " is meant for no map group";
        for (const std::string& g : cat[i].groups)
            EXPECT_TRUE(group_maps().count(g)) << cat[i].name << ": unknown group " << g;
    }
}

TEST(TileCatalogue, SolidityAgreesWithTheGameInEveryGroupThatUsesATile)
{
    moving_restricted = FALSE;
    int checked = 0;
    for (const Entry& e : catalogue())
        for (const std::string& g : e.groups)
            for (int map_num : group_maps().at(g)) {
                for (int layer = 0; layer <= 1; layer++) {
                    bool solid = object_collision(map_num, e.index, layer) != 0;
                    EXPECT_EQ(solid, e.solid)
                        << e.name << " (" << e.index << ") on map " << map_num << " layer " << layer
                        << (e.solid ? " should block" : " should be walkable");
                }
                checked++;
            }
    EXPECT_GT(checked, 1000);
}

TEST(TileCatalogue, EveryGroupHasBothFloorsAndObstacles)
{
    for (const auto& [group, maps] : group_maps()) {
        int solid = 0, free = 0;
        for (const Entry& e : catalogue())
            for (const std::string& g : e.groups)
                if (g == group) (e.solid ? solid : free)++;
        EXPECT_GE(solid, 3) << group;
        EXPECT_GE(free, 3) << group;
    }
}

TEST(TileCatalogue, TilesTheGameWritesByNameAreTheRightOnes)
{
    auto look = [](int i) {
        const Entry* e = by_index(i);
        return e ? e->look : std::string();
    };
    auto in = [](int i, const char* g) {
        const Entry* e = by_index(i);
        return e && std::find(e->groups.begin(), e->groups.end(), g) != e->groups.end();
    };
    EXPECT_EQ(look(TILE_CHEST_CLOSED), "chest:closed");
    EXPECT_EQ(look(TILE_CHEST_OPEN), "chest:open");
    EXPECT_EQ(look(TILE_TORCH_A), "over:torch:a");
    EXPECT_EQ(look(TILE_TORCH_B), "over:torch:b");
    EXPECT_EQ(look(TILE_FOUNTAIN_A), "over:fountain:a");
    EXPECT_EQ(look(TILE_FOUNTAIN_B), "over:fountain:b");
    EXPECT_TRUE(in(TILE_FOUNTAIN_A, "LV") && in(TILE_FOUNTAIN_POOL, "LV"))
        << "the fountain plays over the village pool";
    EXPECT_EQ(look(TILE_RAIN_SHEEN_A), "over:sheen:a");
    EXPECT_EQ(look(TILE_RAIN_SHEEN_B), "over:sheen:b");
    EXPECT_TRUE(in(TILE_RAIN_SHEEN_A, "AG") && in(TILE_RAIN_SHEEN_B, "AG"));
    EXPECT_EQ(by_index(TILE_SHADOW_SEAL)->name, "shadow_seal");
    for (int i = TILE_BRIDGE_DECK_V; i <= TILE_STONE_BRIDGE_H; i++) {
        EXPECT_TRUE(starts(look(i), "piece:")) << i << " is a walkable piece laid over water";
        EXPECT_TRUE(in(i, "W") && in(i, "BR")) << i;
    }
    EXPECT_EQ(by_index(TILE_WOODS_GATE)->name, "woods_gate")
        << "any world cell of this tile enters the woods";
    for (int i = TILE_FOREST; i <= TILE_FOREST_CLUMP; i++)
        EXPECT_TRUE(starts(look(i), "forest:")) << i << " halves Mike, so it must be forest";
    for (int i = TILE_DEEPWOOD; i <= TILE_DEEPWOOD_PINES; i++)
        EXPECT_TRUE(starts(look(i), "deep:")) << i << " shows the forest battle background";
    for (int i :
         {TILE_DESERT, TILE_DESERT_RIPPLES, TILE_DESERT_N, TILE_DESERT_S, TILE_DESERT_W, TILE_DESERT_E})
        EXPECT_TRUE(look(i).find("desert") != std::string::npos) << i << " shows the desert background";
    // any other world tile must not claim to be forest, or it would get the wrong background
    for (const Entry& e : catalogue()) {
        bool forest_look = starts(e.look, "forest:") || starts(e.look, "deep:");
        bool forest_index = (e.index >= TILE_WOODS_GATE && e.index <= TILE_FOREST_CLUMP) ||
                            (e.index >= TILE_DEEPWOOD && e.index <= TILE_DEEPWOOD_PINES);
        EXPECT_EQ(forest_look, forest_index) << e.name;
    }
}

TEST(TileCatalogue, ManifestListsEveryTileUnderItsName)
{
    std::ifstream in(std::string(VANTOR_SOURCE_DIR) + "/assets/manifest/tiles.txt");
    ASSERT_TRUE(in.good());
    std::map<int, std::string> listed;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream ss(line);
        int n;
        std::string type, size, name;
        ASSERT_TRUE(bool(ss >> n >> type >> size >> name)) << line;
        EXPECT_EQ(type, "RLE") << line;
        EXPECT_EQ(size, "16x16") << line;
        EXPECT_TRUE(listed.emplace(n, name).second) << "listed twice: " << n;
    }
    ASSERT_EQ(listed.size(), catalogue().size());
    for (const Entry& e : catalogue()) EXPECT_EQ(listed[e.index], e.name) << e.index;
}

// The header's "families by group" lists are what map authors read first:
// every index listed for a group must really be meant for that group.
TEST(TileCatalogue, FamilyListsInTheHeaderNameOnlyTilesOfThatGroup)
{
    std::ifstream in(std::string(VANTOR_SOURCE_DIR) + "/assets/tiles/catalogue.txt");
    std::string line, group, text;
    std::map<std::string, std::string> lists;
    bool on = false;
    while (std::getline(in, line)) {
        if (line.rfind("# FAMILIES BY GROUP", 0) == 0) {
            on = true;
            continue;
        }
        if (!on) continue;
        if (line.empty() || line[0] != '#' || line.rfind("# idx", 0) == 0) break;
        std::smatch m;
        if (std::regex_match(line, m, std::regex("#   (\\w+) +(.*)"))) {
            group = m[1] == "shared" ? "IN" : m[1].str();
            text = m[2];
        } else {
            text = line.substr(1);
        }
        lists[group] += " " + std::regex_replace(text, std::regex("layer \\d"), "");
    }
    ASSERT_GE(lists.size(), 12u);
    for (const auto& [g, txt] : lists) {
        std::vector<std::string> groups =
            g == "IN" ? std::vector<std::string>{"LVI", "LC", "AGI", "MYI"} : std::vector<std::string>{g};
        std::regex num("(^|[^\\w-])(\\d+)(-(\\d+))?");
        int listed = 0;
        for (auto it = std::sregex_iterator(txt.begin(), txt.end(), num); it != std::sregex_iterator();
             ++it) {
            int a = std::stoi((*it)[2]), b = (*it)[4].matched ? std::stoi((*it)[4]) : a;
            for (int i = a; i <= b; i++) {
                const Entry* e = by_index(i);
                ASSERT_NE(e, nullptr) << g << " lists " << i;
                for (const std::string& want : groups)
                    EXPECT_NE(std::find(e->groups.begin(), e->groups.end(), want), e->groups.end())
                        << g << " lists " << e->name << " (" << i << "), which is not meant for " << want;
                listed++;
            }
        }
        EXPECT_GT(listed, 5) << g;
    }
}

namespace {

// Clear and drawn pixel counts of a tile of the built datafile.
struct Coverage {
    int clear = 0, drawn = 0;
};

Coverage coverage(RLE_SPRITE* s)
{
    BITMAP* b = create_bitmap_ex(16, 16, 16);
    clear_to_color(b, bitmap_mask_color(b));
    draw_rle_sprite(b, s, 0, 0);
    Coverage c;
    for (int y = 0; y < 16; y++)
        for (int x = 0; x < 16; x++) (getpixel(b, x, y) == bitmap_mask_color(b) ? c.clear : c.drawn)++;
    destroy_bitmap(b);
    return c;
}

} // namespace

TEST(TileData, BuiltDatafileHoldsEveryTileAsANamed16x16Sprite)
{
    DATAFILE* d = built_datafile("tiles");
    ASSERT_NE(d, nullptr) << "tiles.dat did not load";
    int count = 0;
    while (d[count].type != DAT_END) count++;
    ASSERT_GE(count, (int)catalogue().size());
    for (const Entry& e : catalogue()) {
        DATAFILE& o = d[e.index];
        ASSERT_EQ(o.type, (int)DAT_RLE_SPRITE) << e.name;
        RLE_SPRITE* s = (RLE_SPRITE*)o.dat;
        EXPECT_EQ(s->w, 16) << e.name;
        EXPECT_EQ(s->h, 16) << e.name;
        EXPECT_EQ(s->color_depth, 16) << e.name;
        EXPECT_STREQ(get_datafile_property(&o, DAT_ID('N', 'A', 'M', 'E')), e.name.c_str());

        // Ground and walls lie on layer 0 with nothing under them: a hole would show
        // the last frame through. Small things for layer 1 must leave the floor
        // visible; furniture may fill its cell but must not be empty.
        Coverage c = coverage(s);
        static const char* ground[] = {
            "ground:", "edge:",    "water:",  "coast:", "river:", "road:",   "forest:", "deep:",
            "trees:",  "stream:",  "band:",   "face:",  "floor:", "carpet:", "roof:",   "housewall:",
            "door:",   "doorway:", "stairs:", "void",   "rock:",  "world:",  "obj:",    "piece:deck"};
        static const char* laid_over[] = {"chest:", "over:", "counter:", "bank:", "rail:", "piece:stones"};
        for (const char* p : ground) {
            if (starts(e.look, p)) {
                EXPECT_EQ(c.clear, 0) << e.name << " has holes";
            }
        }
        for (const char* p : laid_over) {
            if (starts(e.look, p)) {
                EXPECT_GT(c.clear, 0) << e.name << " would hide the tile under it";
            }
        }
        EXPECT_GT(c.drawn, 8) << e.name << " is (nearly) empty";
    }
}

namespace {

// The built tiles as 16 x 16 grids of 0xRRGGBB (-1 where clear), by name.
struct Pixels {
    int p[16][16];
};

const std::map<std::string, Pixels>& built()
{
    static std::map<std::string, Pixels> all = [] {
        std::map<std::string, Pixels> m;
        DATAFILE* d = built_datafile("tiles");
        if (!d) return m;
        BITMAP* b = create_bitmap_ex(16, 16, 16);
        for (const Entry& e : catalogue()) {
            clear_to_color(b, bitmap_mask_color(b));
            draw_rle_sprite(b, (RLE_SPRITE*)d[e.index].dat, 0, 0);
            Pixels px;
            for (int y = 0; y < 16; y++)
                for (int x = 0; x < 16; x++) {
                    int c = getpixel(b, x, y);
                    px.p[y][x] =
                        c == bitmap_mask_color(b) ? -1 : (getr16(c) << 16 | getg16(c) << 8 | getb16(c));
                }
            m[e.name] = px;
        }
        destroy_bitmap(b);
        return m;
    }();
    return all;
}

bool same(const Pixels& a, const Pixels& b)
{
    for (int y = 0; y < 16; y++)
        for (int x = 0; x < 16; x++)
            if (a.p[y][x] != b.p[y][x]) return false;
    return true;
}

int red(int c) { return c >> 16 & 255; }
int green(int c) { return c >> 8 & 255; }
int blue(int c) { return c & 255; }

// How many of the 16 border pixels two neighbouring tiles agree on, each pixel
// sorted into one of two grounds by `is_a`; right = true joins a's east edge to
// b's west edge, false joins a's south edge to b's north edge.
template <class F>
int joined(const std::string& a, const std::string& b, bool right, F is_a)
{
    const Pixels &pa = built().at(a), &pb = built().at(b);
    int agree = 0;
    for (int i = 0; i < 16; i++) {
        int ca = right ? pa.p[i][15] : pa.p[15][i], cb = right ? pb.p[i][0] : pb.p[0][i];
        agree += is_a(ca) == is_a(cb);
    }
    return agree;
}

} // namespace

TEST(TileData, NoTwoTilesLookTheSame)
{
    ASSERT_EQ(built().size(), catalogue().size()) << "tiles.dat did not load";
    const auto& cat = catalogue();
    for (size_t i = 0; i < cat.size(); i++)
        for (size_t j = i + 1; j < cat.size(); j++)
            EXPECT_FALSE(same(built().at(cat[i].name), built().at(cat[j].name)))
                << cat[i].name << " and " << cat[j].name << " are identical";
}

TEST(TileData, AnimationFramesReallyChange)
{
    ASSERT_FALSE(built().empty());
    for (auto [a, b] :
         {std::pair{"torch_a", "torch_b"}, {"fountain_a", "fountain_b"}, {"rain_sheen_a", "rain_sheen_b"}})
        EXPECT_FALSE(same(built().at(a), built().at(b))) << a << " and " << b << " would show no movement";
}

// A coastline, a desert rim or a street edge must run on across the seam
// between two pieces that meet, or the map shows a step at every tile.
TEST(TileData, TransitionPiecesJoinTheirNeighbours)
{
    ASSERT_FALSE(built().empty());
    auto water = [](int c) { return blue(c) > red(c) + 40; };
    auto grass = [](int c) { return green(c) > red(c) + 20; };
    struct Family {
        std::string stem;
        std::function<bool(int)> is;
        bool inner;
    };
    std::vector<Family> families = {
        {"coast_", water, true}, {"desert_", grass, false}, {"cobble_", grass, false}};
    for (const Family& f : families) {
        auto n = [&](const char* s) { return f.stem + s; };
        std::vector<std::tuple<std::string, std::string, bool>> pairs = {
            {n("n"), n("n"), true},  {n("nw"), n("n"), true},  {n("n"), n("ne"), true},
            {n("s"), n("s"), true},  {n("sw"), n("s"), true},  {n("s"), n("se"), true},
            {n("w"), n("w"), false}, {n("nw"), n("w"), false}, {n("w"), n("sw"), false},
            {n("e"), n("e"), false}, {n("ne"), n("e"), false}, {n("e"), n("se"), false}};
        if (f.inner) {
            pairs.push_back({n("n"), n("in_nw"), true});
            pairs.push_back({n("in_ne"), n("n"), true});
            pairs.push_back({n("w"), n("in_nw"), false});
            pairs.push_back({n("in_sw"), n("w"), false});
            pairs.push_back({n("s"), n("in_sw"), true});
            pairs.push_back({n("e"), n("in_ne"), false});
        }
        for (const auto& [a, b, right] : pairs)
            EXPECT_GE(joined(a, b, right, f.is), 14)
                << a << (right ? " | " : " over ") << b << " do not meet";
    }
}

namespace {

int colour_step(int a, int b)
{
    return std::abs(red(a) - red(b)) + std::abs(green(a) - green(b)) + std::abs(blue(a) - blue(b));
}

// Mean colour step across the tile's own seam (last column to first, as when
// the tile sits beside itself), and the largest mean step between two
// neighbouring columns inside it (grout and board joints are steps too).
std::pair<double, double> seam_and_inside(const Pixels& p, bool across)
{
    double seam = 0, inside = 0;
    for (int k = 0; k < 16; k++) {
        double step = 0;
        for (int i = 0; i < 16; i++) {
            auto at = [&](int j) { return across ? p.p[i][j] : p.p[j][i]; };
            step += colour_step(at(k), at((k + 1) % 16));
        }
        if (k == 15)
            seam = step / 16;
        else
            inside = std::max(inside, step / 16);
    }
    return {seam, inside};
}

} // namespace

// Fills cover whole fields and walls, so a seam at the tile border would
// grid the map: the step across the border must be no harsher than the
// harshest line inside the tile.
TEST(TileData, FillsRepeatWithoutVisibleSeams)
{
    ASSERT_FALSE(built().empty());
    const char* both_ways[] = {
        "world_grass", "sea",          "sea_deep",    "town_grass",  "cobble",           "wet_cobble",
        "sand",        "desert",       "floor_wood",  "floor_stone", "floor_tile_blue",  "carpet_red",
        "roof",        "agual_roof",   "forest",      "deepwood",    "woods_trees_fill", "stone_top_fill",
        "woods_floor", "plaza_paving", "river_water", "pond_water",  "canal_water",      "dock_planks",
        "room_void"};
    const char* along_rows[] = {"house_wall", "stone_face",  "wood_face",  "plaster_face",   "bluewood_face",
                                "agual_wall", "stone_top_h", "wood_top_h", "bluewood_top_h", "roof_n",
                                "roof_s",     "coast_n",     "road_h",     "river_h",        "bridge_deck_v"};
    auto check = [](const char* name, bool across) {
        auto [seam, inside] = seam_and_inside(built().at(name), across);
        EXPECT_LE(seam, 1.25 * inside + 12)
            << name << (across ? " shows a seam beside itself" : " shows a seam above itself");
    };
    for (const char* n : both_ways) {
        check(n, true);
        check(n, false);
    }
    for (const char* n : along_rows) check(n, true);
}
