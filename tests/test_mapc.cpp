// The map compiler, run as the build runs it: sources in, .map files and
// pictures out, and every mistake in a source stopped at its own line.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include "datwriter.h"
#include "tilemap.h"
#include "tilemap_fixture.h"

namespace fs = std::filesystem;

namespace {

struct ToolRun {
    int status;
    std::string output;
};

ToolRun run(const std::string& args)
{
    std::string cmd = std::string(VANTOR_BUILD_DIR) + "/mapc " + args + " 2>&1";
    ToolRun r{-1, ""};
    FILE* p = popen(cmd.c_str(), "r");
    if (!p) return r;
    char buf[512];
    while (fgets(buf, sizeof buf, p)) r.output += buf;
    int st = pclose(p);
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    return r;
}

struct MapDeleter {
    void operator()(TILEMAP* t) const { destroy_tilemap(t); }
};
using MapPtr = std::unique_ptr<TILEMAP, MapDeleter>;

// Writes a tile set whose object i is a 16 x 16 sprite of one colour named names[i]
// ("" leaves a placeholder there).
void write_tileset(const std::string& path, const std::vector<std::string>& names)
{
    DatFile f;
    for (size_t i = 0; i < names.size(); i++) {
        if (names[i].empty()) continue;
        BITMAP* b = create_bitmap(16, 16);
        clear_to_color(b, makecol(40 * i % 256, 255 - 30 * i % 256, 90));
        dat_put(f, static_cast<int>(i), dat_rle(names[i], b));
        destroy_bitmap(b);
    }
    ASSERT_EQ(0, dat_write(path.c_str(), f, static_cast<int>(names.size()), nullptr));
}

class Mapc : public ::testing::Test {
protected:
    static void SetUpTestSuite() { fake_allegro_start(); }
    void SetUp() override
    {
        char tmpl[] = "/tmp/vantor_mapc_XXXXXX";
        dir = mkdtemp(tmpl);
        fs::create_directories(dir + "/src");
        tiles = dir + "/tiles.dat";
        write_tileset(tiles, {"", "grass", "water", "", "tree_top", "sand"});
    }
    void TearDown() override { fs::remove_all(dir); }
    void source(const std::string& name, const std::string& text) const
    {
        std::ofstream(dir + "/src/" + name) << text;
    }
    ToolRun compile_one(const std::string& name) const
    {
        return run(dir + "/src/" + name + " " + tiles + " " + dir + "/out " + dir + "/sheets");
    }
    std::string dir, tiles;
};

const char* village = "# a small test village\n"
                      "map town01~1.map\n"
                      "size 4 3   # columns rows\n"
                      "layers 3\n"
                      "cell 2\n"
                      "include common.legend\n"
                      "tile .. -\n"
                      "layer 0\n"
                      "gggggggg\n"
                      "\n"
                      "# comments may sit between grid rows\n"
                      "  ggwwwwgg   \r\n"
                      "ssssssss\n"
                      "layer 1\n"
                      "........\n"
                      "..TT....\n"
                      "........\n"
                      "layer 2 fill ..\n";

TEST_F(Mapc, CompilesCellsNamesAndAPicture)
{
    std::ofstream(dir + "/src/common.legend")
        << "# shared keys\ntile gg grass\ntile ww water\ntile ss sand\ntile TT tree_top\n";
    source("village.txt", village);
    ToolRun r = compile_one("village.txt");
    ASSERT_EQ(0, r.status) << r.output;
    MapPtr t(load_tilemap((dir + "/out/town01~1.map").c_str()));
    ASSERT_TRUE(t);
    EXPECT_EQ(1, t->version);
    EXPECT_EQ(4, t->xsize);
    EXPECT_EQ(3, t->ysize);
    EXPECT_EQ(3, t->layers);
    EXPECT_EQ(16, t->xgrid);
    int row1[] = {1, 2, 2, 1};
    for (int x = 0; x < 4; x++) EXPECT_EQ(row1[x], get_sprite_number(t.get(), 0, x, 1)) << x;
    EXPECT_EQ(5, get_sprite_number(t.get(), 0, 3, 2));
    EXPECT_EQ(4, get_sprite_number(t.get(), 1, 1, 1));
    EXPECT_EQ(-1, get_sprite_number(t.get(), 1, 0, 0));
    EXPECT_EQ(-1, get_sprite_number(t.get(), 2, 3, 2));
    ASSERT_EQ(4, t->names) << "exactly the tiles in use are named";
    EXPECT_STREQ("tree_top", t->name[2].name);
    EXPECT_EQ(4, t->name[2].index);
    EXPECT_GT(fs::file_size(dir + "/sheets/town01~1.map.png"), 100u);

    // A rebuilt tile set in another order: the map follows its tiles by name.
    std::string moved = dir + "/moved.dat";
    write_tileset(moved, {"sand", "", "", "tree_top", "", "", "", "water", "grass"});
    DATAFILE* dat = load_datafile(moved.c_str());
    ASSERT_TRUE(dat);
    correct_tilemap(t.get(), dat);
    int moved_row1[] = {8, 7, 7, 8};
    for (int x = 0; x < 4; x++) EXPECT_EQ(moved_row1[x], get_sprite_number(t.get(), 0, x, 1)) << x;
    EXPECT_EQ(0, get_sprite_number(t.get(), 0, 0, 2));
    EXPECT_EQ(3, get_sprite_number(t.get(), 1, 1, 1));
    unload_datafile(dat);
}

TEST_F(Mapc, UnknownTileNameFailsAtItsLineEvenWhenUnused)
{
    source("bad.txt", "map a.map\nsize 1 1\nlayers 1\ntile g grasss\ntile s sand\nlayer 0\ns\n");
    ToolRun r = compile_one("bad.txt");
    EXPECT_NE(0, r.status);
    EXPECT_NE(std::string::npos, r.output.find("bad.txt:4: unknown tile grasss")) << r.output;
    EXPECT_FALSE(fs::exists(dir + "/out/a.map"));

    std::ofstream(dir + "/src/x.legend") << "tile s sand\n\ntile q quicksand\n";
    source("inc.txt", "map b.map\nsize 1 1\nlayers 1\ninclude x.legend\n");
    r = compile_one("inc.txt");
    EXPECT_NE(0, r.status);
    EXPECT_NE(std::string::npos, r.output.find("x.legend:3: unknown tile quicksand")) << r.output;
}

TEST_F(Mapc, SourceMistakesStopAtTheirLine)
{
    const std::string head = "map m.map\nsize 3 2\nlayers 2\ntile g grass\ntile . -\n"; // lines 1-5
    struct Case {
        std::string body;
        std::string where;
    } cases[] = {
        {"layer 0\nggg\ngg\n", "m.txt:8: row is 2 characters, expected 3"},
        {"layer 0\nggg\n", "m.txt:7: layer 0 ends after 1 rows"},
        {"layer 0\nggg\ngxg\n", "m.txt:8: column 1: unknown key 'x'"},
        {"layer 2\n", "m.txt:6: layer must be a number from 0 to 1"},
        {"layer 0 fill .\nlayer 0 fill g\n", "m.txt:7: layer 0 given twice"},
        {"tile gg grass\n", "m.txt:6: key 'gg' is 2 characters, cells are 1"},
        {"size 4 4\n", "m.txt:6: 'size' must come before"},
        {"paint 0 0 g\n", "m.txt:6: unknown directive 'paint'"},
        {"include missing.legend\n", "m.txt:6: cannot read"},
    };
    for (const Case& c : cases) {
        source("m.txt", head + c.body);
        ToolRun r = compile_one("m.txt");
        EXPECT_EQ(1, r.status) << c.body;
        EXPECT_NE(std::string::npos, r.output.find(c.where)) << c.body << "\ngot: " << r.output;
    }
    source("m.txt", "size 1 1\nlayers 1\ntile g grass\n");
    EXPECT_NE(std::string::npos, compile_one("m.txt").output.find("m.txt:3: 'map NAME' must come first"));
    source("m.txt", "map ../escape.map\nsize 1 1\nlayers 1\n");
    EXPECT_NE(std::string::npos, compile_one("m.txt").output.find("m.txt:1: expected 'map FILE'"));
}

TEST_F(Mapc, AllWithoutSourcesDoesNothingEvenWithoutATileSet)
{
    std::ofstream(dir + "/src/README.md") << "# not a map\n";
    ToolRun r = run("--all " + dir + "/src " + dir + "/no-such-tiles.dat " + dir + "/out " + dir + "/sheets");
    EXPECT_EQ(0, r.status) << r.output;
    EXPECT_FALSE(fs::exists(dir + "/out"));
}

TEST_F(Mapc, AllCompilesEveryGoodSourceAndFailsOnAnyBadOne)
{
    source("a.txt", "map a.map\nsize 2 1\nlayers 1\ntile g grass\nlayer 0\ngg\n");
    source("b.txt", "map b.map\nsize 1 1\nlayers 1\ntile g grass\nlayer 0 fill g\n");
    std::string args = "--all " + dir + "/src " + tiles + " " + dir + "/out " + dir + "/sheets";
    ToolRun r = run(args);
    ASSERT_EQ(0, r.status) << r.output;
    EXPECT_TRUE(fs::exists(dir + "/out/a.map"));
    EXPECT_TRUE(fs::exists(dir + "/sheets/b.map.png"));

    source("c.txt", "map a.map\nsize 1 1\nlayers 1\n"); // a second source for a.map
    source("d.txt", "map d.map\nsize 1 1\nlayers 1\ntile g gras\n");
    r = run(args);
    EXPECT_EQ(1, r.status);
    EXPECT_NE(std::string::npos, r.output.find("a.map is also made by")) << r.output;
    EXPECT_NE(std::string::npos, r.output.find("d.txt:4: unknown tile gras")) << r.output;
}

} // namespace
