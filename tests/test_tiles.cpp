// The tile set against the game: every tile the catalogue says stops a walker
// in a map group is solid there by the game's own collision rules, and every
// floor, path or door is not; the tiles the game writes by number are the
// right ones; and the built tiles.dat holds exactly the catalogue's sprites.
#include "world.h"

#include <allegro.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

namespace {

struct Entry {
    int index = -1;
    std::string name, look;
    bool solid = false;
    std::vector<std::string> groups;
};

std::vector<Entry> read_catalogue()
{
    std::ifstream in(std::string(VANTOR_SOURCE_DIR) + "/assets/tiles/catalogue.txt");
    std::vector<Entry> out;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream ss(line);
        Entry e;
        std::string solid, groups;
        if (!(ss >> e.index >> e.name >> solid >> groups >> e.look)) continue;
        e.solid = solid == "S";
        std::stringstream gs(groups);
        for (std::string g; std::getline(gs, g, ',');) e.groups.push_back(g);
        out.push_back(e);
    }
    return out;
}

const std::vector<Entry>& catalogue()
{
    static const std::vector<Entry> cat = read_catalogue();
    return cat;
}

const Entry* by_index(int i)
{
    for (const Entry& e : catalogue())
        if (e.index == i) return &e;
    return nullptr;
}

// Every map number of each group the catalogue names.
const std::map<std::string, std::vector<int>>& group_maps()
{
    static const std::map<std::string, std::vector<int>> m = [] {
        std::map<std::string, std::vector<int>> g;
        auto range = [](int a, int b) { std::vector<int> v; for (int i = a; i <= b; i++) v.push_back(i); return v; };
        g["W"] = {-1};
        g["BR"] = {1};
        g["WD"] = range(2, 16);
        g["SG"] = range(19, 30);
        g["LV"] = {101};
        g["AG"] = {103};
        g["MY"] = {104};
        g["LVI"] = range(10101, 10110);
        g["LVI"].push_back(10192);
        g["LC"] = range(10201, 10226);
        g["AGI"] = range(10301, 10310);
        g["MYI"] = range(10401, 10409);
        return g;
    }();
    return m;
}

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
        for (const std::string& g : cat[i].groups) EXPECT_TRUE(group_maps().count(g)) << cat[i].name << ": unknown group " << g;
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
                    EXPECT_EQ(solid, e.solid) << e.name << " (" << e.index << ") on map " << map_num << " layer " << layer
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

TEST(TileCatalogue, TilesTheGameWritesByNumberAreTheRightOnes)
{
    auto look = [](int i) { const Entry* e = by_index(i); return e ? e->look : std::string(); };
    auto in = [](int i, const char* g) {
        const Entry* e = by_index(i);
        return e && std::find(e->groups.begin(), e->groups.end(), g) != e->groups.end();
    };
    EXPECT_EQ(look(215), "chest:closed");
    EXPECT_EQ(look(216), "chest:open");
    EXPECT_EQ(look(313), "over:torch:a");
    EXPECT_EQ(look(314), "over:torch:b");
    EXPECT_EQ(look(315), "over:fountain:a");
    EXPECT_EQ(look(316), "over:fountain:b");
    EXPECT_TRUE(in(315, "LV") && in(210, "LV")) << "the fountain plays over the village pool";
    EXPECT_EQ(look(137), "over:sheen:a");
    EXPECT_EQ(look(138), "over:sheen:b");
    EXPECT_TRUE(in(137, "AG") && in(138, "AG"));
    EXPECT_EQ(by_index(163)->name, "shadow_seal");
    for (int i = 231; i <= 234; i++) {
        EXPECT_TRUE(starts(look(i), "piece:")) << i << " is a walkable piece laid over water";
        EXPECT_TRUE(in(i, "W") && in(i, "BR")) << i;
    }
    EXPECT_EQ(by_index(357)->name, "woods_gate") << "any world cell of 357 enters the woods";
    for (int i = 358; i <= 365; i++) EXPECT_TRUE(starts(look(i), "forest:")) << i << " halves Mike, so it must be forest";
    for (int i = 415; i <= 422; i++) EXPECT_TRUE(starts(look(i), "deep:")) << i << " shows the forest battle background";
    for (int i : {432, 433, 434, 435, 436, 441}) EXPECT_TRUE(look(i).find("desert") != std::string::npos) << i << " shows the desert background";
    // any other world tile must not claim to be forest, or it would get the wrong background
    for (const Entry& e : catalogue()) {
        bool forest_look = starts(e.look, "forest:") || starts(e.look, "deep:");
        bool forest_index = (e.index >= 357 && e.index <= 365) || (e.index >= 415 && e.index <= 422);
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

namespace {

// Clear and drawn pixel counts of a tile of the built datafile.
struct Coverage { int clear = 0, drawn = 0; };

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
    install_allegro(SYSTEM_NONE, &errno, atexit);
    set_color_depth(16);
    DATAFILE* d = load_datafile(VANTOR_DATA_DIR "/tiles.dat");
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
        static const char* ground[] = {"ground:", "edge:", "water:", "coast:", "river:", "road:", "forest:", "deep:", "trees:",
                                       "stream:", "band:", "face:", "floor:", "carpet:", "roof:", "housewall:", "door:",
                                       "doorway:", "stairs:", "void", "rock:", "world:", "obj:", "piece:deck"};
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
    unload_datafile(d);
}
