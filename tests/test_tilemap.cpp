// Tile maps: the file format byte for byte, renumbering by tile name, cell
// access, resizing, drawing at any offset, and refusing every kind of bad file.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

#include "door.h"
#include "records.h"
#include "tilemap.h"
#include "tilemap_fixture.h"

namespace {

// In memory when the machine offers it: thousands of small rewrites of one
// file are slow on a real disk.
std::string temp_dir()
{
    char shm[] = "/dev/shm/vantor_tilemap_XXXXXX";
    if (mkdtemp(shm)) return shm;
    char tmp[] = "/tmp/vantor_tilemap_XXXXXX";
    return mkdtemp(tmp) ? tmp : "/tmp";
}

void write_bytes(const std::string& path, const std::vector<uint8_t>& b)
{
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), b.size());
}

std::vector<uint8_t> read_bytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

struct MapDeleter {
    void operator()(TILEMAP* t) const { destroy_tilemap(t); }
};
using MapPtr = std::unique_ptr<TILEMAP, MapDeleter>;
struct DatDeleter {
    void operator()(DATAFILE* d) const { unload_datafile(d); }
};
using DatPtr = std::unique_ptr<DATAFILE, DatDeleter>;

void set_names(TILEMAP* t, const std::vector<std::pair<int, std::string>>& names)
{
    delete[] t->name;
    t->name = new NAMELIST[names.size()]();
    t->names = static_cast<int>(names.size());
    for (size_t i = 0; i < names.size(); i++) {
        t->name[i].index = names[i].first;
        std::snprintf(t->name[i].name, sizeof t->name[i].name, "%s", names[i].second.c_str());
    }
}

class Tilemap : public ::testing::Test {
protected:
    static void SetUpTestSuite() { fake_allegro_start(); }
    void SetUp() override { dir = temp_dir(); }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::string path(const char* name) const { return dir + "/" + name; }
    TILEMAP* load_bytes(const std::vector<uint8_t>& b)
    {
        write_bytes(path("t.map"), b);
        return load_tilemap(path("t.map").c_str());
    }
    std::string dir;
};

// ---- the file format ----

TEST_F(Tilemap, SaveMatchesTheByteLayoutAndLoadsBack)
{
    MapPtr t(create_tilemap(2, 3, 2, 16, 16));
    ASSERT_TRUE(t);
    for (int l = 0; l < 2; l++)
        for (int y = 0; y < 2; y++)
            for (int x = 0; x < 3; x++) set_sprite_number(t.get(), l, x, y, 100 * l + 10 * y + x);
    set_sprite_number(t.get(), 1, 2, 1, -1);
    set_names(t.get(), {{12, "grass"}, {-7, ""}});
    ASSERT_EQ(0, save_tilemap(t.get(), path("a.map").c_str()));

    MapBytes want;
    want.header(3, 2, 2, 2);
    for (int v : {0, 1, 2, 10, 11, 12, 100, 101, 102, 110, 111, -1}) want.i32(v);
    want.i32(12).text("grass\n").i32(-7).text("\n");
    EXPECT_EQ(want.b, read_bytes(path("a.map")));

    write_bytes(path("a.map"), std::vector<uint8_t>(5000, 0xEE)); // an older, longer file is replaced
    t->version = 9;
    t->ygrid = 8;
    ASSERT_EQ(0, save_tilemap(t.get(), path("a.map").c_str()));
    MapPtr back(load_tilemap(path("a.map").c_str()));
    ASSERT_TRUE(back);
    EXPECT_EQ((std::array<int, 6>{9, 3, 2, 16, 8, 2}),
              (std::array<int, 6>{back->version, back->xsize, back->ysize, back->xgrid, back->ygrid,
                                  back->layers}));
    EXPECT_EQ(std::vector<int>(t->data, t->data + 12), std::vector<int>(back->data, back->data + 12));
    ASSERT_EQ(2, back->names);
    EXPECT_EQ(-7, back->name[1].index);
    EXPECT_STREQ("grass", back->name[0].name);
}

TEST_F(Tilemap, NamesUpTo79CharactersSurviveLongerOnesRejectTheFile)
{
    std::string n78(78, 'a'), n79(79, 'b');
    MapPtr t(create_tilemap(1, 1, 1, 16, 16));
    set_names(t.get(), {{1, n78}, {2, n79}, {3, "after"}});
    ASSERT_EQ(0, save_tilemap(t.get(), path("n.map").c_str()));
    MapPtr back(load_tilemap(path("n.map").c_str()));
    ASSERT_TRUE(back);
    EXPECT_EQ(n78, back->name[0].name);
    EXPECT_EQ(n79, back->name[1].name);
    EXPECT_EQ(3, back->name[2].index) << "a long name must not shift the records after it";
    EXPECT_STREQ("after", back->name[2].name);

    MapBytes too_long;
    too_long.header(1, 1, 1, 2).i32(5).i32(1).text(std::string(80, 'c') + "\n").i32(2).text("x\n");
    EXPECT_EQ(nullptr, load_bytes(too_long.b));
}

TEST_F(Tilemap, BytesAfterCellsAreIgnoredWithoutNames)
{
    MapBytes m;
    m.header(2, 1, 1, 0).i32(4).i32(-1).i32(12).text("grass\n").text("junk without line feed");
    MapPtr t(load_bytes(m.b));
    ASSERT_TRUE(t);
    EXPECT_EQ(0, t->names);
    EXPECT_EQ(nullptr, t->name);
    EXPECT_EQ(4, get_sprite_number(t.get(), 0, 0, 0));
    EXPECT_EQ(-1, get_sprite_number(t.get(), 0, 1, 0));
}

TEST_F(Tilemap, MissingAndMalformedFilesGiveNull)
{
    EXPECT_EQ(nullptr, load_tilemap(path("nothing.map").c_str()));
    EXPECT_EQ(nullptr, load_tilemap(dir.c_str())) << "a directory is not a map";

    MapBytes good;
    good.header(2, 2, 1, 1).i32(1).i32(2).i32(3).i32(4).i32(1).text("grass\n");
    for (size_t cut = 0; cut < good.b.size(); cut++) {
        std::vector<uint8_t> b(good.b.begin(), good.b.begin() + cut);
        EXPECT_EQ(nullptr, load_bytes(b)) << "cut at " << cut;
    }
    MapPtr whole(load_bytes(good.b));
    EXPECT_TRUE(whole);

    struct Bad {
        const char* why;
        MapBytes m;
    };
    std::vector<Bad> bad = {
        {"negative width", MapBytes().header(-2, 2, 1, 0)},
        {"zero height", MapBytes().header(2, 0, 1, 0)},
        {"no layers", MapBytes().header(2, 2, 0, 0)},
        {"zero grid", MapBytes().header(2, 2, 1, 0, 0)},
        {"negative grid", MapBytes().header(2, 2, 1, 0, -16)},
        {"negative names", MapBytes().header(1, 1, 1, -1).i32(0)},
        {"product overflows 32 bits", MapBytes().header(65536, 65536, 1, 0)},
        {"gigabytes of cells in a tiny file", MapBytes().header(4000, 4000, 60, 0).i32(0)},
        {"a billion names", MapBytes().header(1, 1, 1, 1 << 30).i32(0).i32(1).text("a\n")},
        {"name without line feed", MapBytes().header(1, 1, 1, 1).i32(0).i32(1).text("grass")},
        {"second name missing", MapBytes().header(1, 1, 1, 2).i32(0).i32(1).text("grass\n")},
    };
    for (Bad& b : bad) EXPECT_EQ(nullptr, load_bytes(b.m.b)) << b.why;
}

// ---- renumbering by name ----

std::vector<FakeObject> tileset_with_grass_at_40()
{
    std::vector<FakeObject> objs;
    for (int i = 0; i < 40; i++) objs.push_back(fake_tile("t" + std::to_string(i), 0x101010 * (i % 8)));
    objs.push_back(fake_tile("grass", 0x00ff00));
    objs.push_back(fake_tile("grass", 0xff0000)); // a later object of the same name never wins
    return objs;
}

TEST_F(Tilemap, CorrectRenumbersCellsByNameAcrossSaveAndLoad)
{
    DatPtr dat(fake_datafile(tileset_with_grass_at_40()));
    MapPtr t(create_tilemap(2, 4, 3, 16, 16));
    for (int y = 0; y < 3; y++)
        for (int x = 0; x < 4; x++) set_sprite_number(t.get(), 0, x, y, 12);
    set_sprite_number(t.get(), 1, 1, 1, 7);  // a tile since removed from the set
    set_sprite_number(t.get(), 1, 2, 1, 99); // not in the name list: kept as it is
    set_names(t.get(), {{12, "grass"}, {7, "statue"}, {12, "t3"}});
    ASSERT_EQ(0, save_tilemap(t.get(), path("g.map").c_str()));
    MapPtr back(load_tilemap(path("g.map").c_str()));
    ASSERT_TRUE(back);
    correct_tilemap(back.get(), dat.get());
    for (int y = 0; y < 3; y++)
        for (int x = 0; x < 4; x++) EXPECT_EQ(40, get_sprite_number(back.get(), 0, x, y));
    EXPECT_EQ(-1, get_sprite_number(back.get(), 1, 1, 1));
    EXPECT_EQ(99, get_sprite_number(back.get(), 1, 2, 1));
    EXPECT_EQ(-1, get_sprite_number(back.get(), 1, 0, 0));
}

TEST_F(Tilemap, EmptyNameListMeansNoRenumbering)
{
    DatPtr dat(fake_datafile(tileset_with_grass_at_40()));
    MapPtr t(create_tilemap(1, 2, 1, 16, 16));
    set_sprite_number(t.get(), 0, 0, 0, 12);
    set_sprite_number(t.get(), 0, 1, 0, 500);
    correct_tilemap(t.get(), dat.get());
    EXPECT_EQ(12, get_sprite_number(t.get(), 0, 0, 0));
    EXPECT_EQ(500, get_sprite_number(t.get(), 0, 1, 0));
}

TEST_F(Tilemap, CreateNamelistListsRunLengthSpritesInOrder)
{
    DatPtr dat(fake_datafile({fake_data("MUSIC", {1, 2}), fake_tile("grass", 0), fake_tile("", 0),
                              fake_data("", {}), fake_tile(std::string(90, 'x'), 0)}));
    MapPtr t(create_tilemap(1, 1, 1, 16, 16));
    set_names(t.get(), {{1, "old"}});
    create_namelist(t.get(), dat.get());
    ASSERT_EQ(3, t->names);
    EXPECT_EQ(1, t->name[0].index);
    EXPECT_STREQ("grass", t->name[0].name);
    EXPECT_EQ(2, t->name[1].index);
    EXPECT_STREQ("", t->name[1].name);
    EXPECT_EQ(4, t->name[2].index);
    EXPECT_EQ(std::string(79, 'x'), t->name[2].name);

    DatPtr none(fake_datafile({fake_data("A", {1})}));
    create_namelist(t.get(), none.get());
    EXPECT_EQ(0, t->names);
}

// ---- cells ----

TEST_F(Tilemap, CellAccessOutsideTheMapReadsMinusOneAndWritesNothing)
{
    MapPtr t(create_tilemap(2, 4, 3, 16, 16));
    for (int i = 0; i < 24; i++) t->data[i] = i;
    EXPECT_EQ(4 * 2 + 3 + 4 * 3 * 1, get_sprite_pos(t.get(), 1, 3, 2));
    EXPECT_EQ(23, get_sprite_number(t.get(), 1, 3, 2));
    EXPECT_EQ(-1, get_sprite_number(t.get(), 0, -1, 0));
    EXPECT_EQ(-1, get_sprite_number(t.get(), 0, 4, 0));
    EXPECT_EQ(-1, get_sprite_number(t.get(), 0, 0, 3));
    EXPECT_EQ(-1, get_sprite_number(t.get(), 2, 0, 0));
    EXPECT_EQ(-1, get_sprite_number(t.get(), -1, 0, 0));
    EXPECT_EQ(-1, get_sprite_number(nullptr, 0, 0, 0));
    for (auto [l, x, y] : {std::array<int, 3>{0, -1, 0},
                           {0, 4, 0},
                           {0, 0, -1},
                           {0, 0, 3},
                           {2, 0, 0},
                           {-1, 0, 0},
                           {0, INT_MIN, INT_MAX}})
        set_sprite_number(t.get(), l, x, y, 777);
    for (int i = 0; i < 24; i++) EXPECT_EQ(i, t->data[i]);
    set_sprite_number(nullptr, 0, 0, 0, 1);
}

TEST_F(Tilemap, ResizeKeepsTopLeftOrWithCutsTheBottomRight)
{
    auto make = [] {
        TILEMAP* t = create_tilemap(2, 3, 3, 16, 16);
        for (int l = 0; l < 2; l++)
            for (int y = 0; y < 3; y++)
                for (int x = 0; x < 3; x++) set_sprite_number(t, l, x, y, 100 * l + 10 * y + x);
        set_names(t, {{1, "grass"}});
        return t;
    };
    MapPtr grown(resize_tilemap(make(), 3, 4, 5, 16, 16, 0, 0));
    ASSERT_TRUE(grown);
    EXPECT_EQ(12, get_sprite_number(grown.get(), 0, 2, 1));
    EXPECT_EQ(122, get_sprite_number(grown.get(), 1, 2, 2));
    EXPECT_EQ(-1, get_sprite_number(grown.get(), 0, 3, 0));
    EXPECT_EQ(-1, get_sprite_number(grown.get(), 0, 0, 4));
    EXPECT_EQ(-1, get_sprite_number(grown.get(), 2, 0, 0));
    EXPECT_EQ(0, grown->names);

    MapPtr cut(resize_tilemap(make(), 1, 2, 2, 16, 16, 1, 1));
    ASSERT_TRUE(cut);
    EXPECT_EQ(11, get_sprite_number(cut.get(), 0, 0, 0));
    EXPECT_EQ(22, get_sprite_number(cut.get(), 0, 1, 1));
    EXPECT_EQ(-1, get_sprite_number(cut.get(), 1, 0, 0));

    MapPtr grown_cut(resize_tilemap(make(), 1, 5, 3, 16, 16, 1, 0));
    EXPECT_EQ(-1, get_sprite_number(grown_cut.get(), 0, 1, 0));
    EXPECT_EQ(0, get_sprite_number(grown_cut.get(), 0, 2, 0)) << "new columns are added on the left";
    EXPECT_EQ(22, get_sprite_number(grown_cut.get(), 0, 4, 2));

    EXPECT_EQ(nullptr, resize_tilemap(nullptr, 1, 2, 2, 16, 16, 0, 0));
    MapPtr kept(make());
    EXPECT_EQ(nullptr, resize_tilemap(kept.get(), 1, -2, 2, 16, 16, 0, 0));
    EXPECT_EQ(22, get_sprite_number(kept.get(), 0, 2, 2)) << "a refused resize leaves the map alone";
}

// ---- drawing ----

TEST_F(Tilemap, DrawingFromANegativeOffsetStartsInsideTheFirstVisibleColumn)
{
    DatPtr dat(fake_datafile({fake_tile("c0", 0xff0000), fake_tile("c1", 0x00ff00), fake_tile("c2", 0x0000ff),
                              fake_tile("c3", 0xffff00)}));
    MapPtr t(create_tilemap(1, 4, 2, 16, 16));
    for (int x = 0; x < 4; x++) set_sprite_number(t.get(), 0, x, 0, x);
    std::unique_ptr<BITMAP, void (*)(BITMAP*)> bmp(create_bitmap(40, 40), destroy_bitmap);
    clear_to_color(bmp.get(), 0);
    draw_tilemap_layer(bmp.get(), dat.get(), t.get(), 0, -20, -3);
    EXPECT_EQ(makecol(0, 255, 0), getpixel(bmp.get(), 0, 0));
    EXPECT_EQ(makecol(0, 255, 0), getpixel(bmp.get(), 11, 12));
    EXPECT_EQ(makecol(0, 0, 255), getpixel(bmp.get(), 12, 0));
    EXPECT_EQ(makecol(255, 255, 0), getpixel(bmp.get(), 39, 0));
    EXPECT_EQ(0, getpixel(bmp.get(), 0, 13)) << "row 1 is empty";

    clear_to_color(bmp.get(), 0);
    draw_tilemap_layer(bmp.get(), dat.get(), t.get(), 0, 30, 5);
    EXPECT_EQ(0, getpixel(bmp.get(), 29, 5));
    EXPECT_EQ(makecol(255, 0, 0), getpixel(bmp.get(), 30, 5));
}

TEST_F(Tilemap, CellsThatAreNotTilesDrawNothing)
{
    // Object 1 holds the bytes of a small white run-length sprite, but as plain data: never a tile.
    MapBytes white;
    white.i32(4).i32(1).i32(16).i32(12);
    for (int w : {4, 0xffff, 0xffff, 0xffff, 0xffff, 0xf81f})
        white.b.insert(white.b.end(), {uint8_t(w), uint8_t(w >> 8)});
    DatPtr dat(fake_datafile({fake_tile("a", 0xffffff), fake_data("DATA", white.b)}));
    MapPtr t(create_tilemap(2, 5, 1, 16, 16));
    int values[] = {1, 2, 999, -5, INT_MAX};
    for (int x = 0; x < 5; x++) set_sprite_number(t.get(), 0, x, 0, values[x]);
    std::unique_ptr<BITMAP, void (*)(BITMAP*)> bmp(create_bitmap(80, 16), destroy_bitmap);
    clear_to_color(bmp.get(), 0);
    draw_tilemap_layer(bmp.get(), dat.get(), t.get(), 0, 0, 0);
    int lit = 0;
    for (int y = 0; y < 16; y++)
        for (int x = 0; x < 80; x++) lit += getpixel(bmp.get(), x, y) != 0;
    EXPECT_EQ(0, lit);
    for (int layer : {-1, 2}) draw_tilemap_layer(bmp.get(), dat.get(), t.get(), layer, 0, 0);
    for (int off : {INT_MIN, INT_MAX, INT_MIN + 1})
        draw_tilemap_layer(bmp.get(), dat.get(), t.get(), 0, off, off);
}

// What such a frame costs is measured in tests/bench.
TEST_F(Tilemap, AHugeMapDrawsFarFromItsOrigin)
{
    DatPtr dat(fake_datafile({fake_tile("a", 0x808080)}));
    MapPtr t(create_tilemap(1, 4096, 2048, 16, 16));
    ASSERT_TRUE(t);
    std::fill(t->data, t->data + 4096 * 2048, 0);
    std::unique_ptr<BITMAP, void (*)(BITMAP*)> bmp(create_bitmap(320, 240), destroy_bitmap);
    draw_tilemap_layer(bmp.get(), dat.get(), t.get(), 0, -30000, -16000);
    EXPECT_EQ(makecol(128, 128, 128), getpixel(bmp.get(), 0, 0));
    EXPECT_EQ(makecol(128, 128, 128), getpixel(bmp.get(), 319, 239));
}

// ---- datafile queries and maps held in a datafile ----

TEST_F(Tilemap, DatafileQueries)
{
    DatPtr dat(fake_datafile(
        {fake_data("A", {1}), fake_tile("wide", 0, 40, 8), fake_tile("", 0, 16, 30), fake_data("", {2})}));
    EXPECT_STREQ("A", get_object_name(dat.get(), 0));
    EXPECT_STREQ("wide", get_object_name(dat.get(), 1));
    EXPECT_EQ(nullptr, get_object_name(dat.get(), 2));
    EXPECT_EQ(nullptr, get_object_name(dat.get(), -1));
    EXPECT_EQ(nullptr, get_object_name(dat.get(), 4));
    EXPECT_EQ(TRUE, object_of_type_exists(dat.get(), DAT_RLE_SPRITE));
    EXPECT_EQ(FALSE, object_of_type_exists(dat.get(), DAT_FONT));
    EXPECT_EQ(2, number_of_type(dat.get(), DAT_DATA));
    EXPECT_EQ(0, get_object_number(dat.get(), 1, DAT_DATA));
    EXPECT_EQ(3, get_object_number(dat.get(), 2, DAT_DATA));
    EXPECT_EQ(-1, get_object_number(dat.get(), 3, DAT_DATA));
    EXPECT_EQ(-1, get_object_number(dat.get(), 0, DAT_DATA));
    EXPECT_EQ(40, get_max_sprite_width(dat.get()));
    EXPECT_EQ(30, get_max_sprite_height(dat.get()));
    DatPtr none(fake_datafile({fake_data("A", {1})}));
    EXPECT_EQ(0, get_max_sprite_width(none.get()));
    EXPECT_EQ(0, get_max_sprite_height(none.get()));
}

TEST_F(Tilemap, RegisterUsesTheObjectBytesInPlace)
{
    MapBytes m;
    m.header(2, 1, 1, 2).i32(5).i32(-1).i32(5).text("grass\n").i32(6).text("sand\n");
    DatPtr dat(fake_datafile({fake_tile("grass", 0x00ff00), fake_data("MAP", m.b), fake_tile("sand", 0)}));
    MapPtr t(register_tilemap(dat.get(), 1));
    ASSERT_TRUE(t);
    EXPECT_TRUE(t->registered);
    EXPECT_EQ(static_cast<uint8_t*>(dat.get()[1].dat) + 36, reinterpret_cast<uint8_t*>(t->data));
    ASSERT_EQ(2, t->names);
    EXPECT_STREQ("sand", t->name[1].name);
    correct_tilemap(t.get(), dat.get());
    EXPECT_EQ(0, get_sprite_number(t.get(), 0, 0, 0));
    t.reset(); // must leave the object's bytes to the datafile

    std::vector<std::pair<const char*, MapBytes>> bad = {
        {"short", MapBytes().header(2, 1, 1, 0).i32(5)},
        {"lying size", MapBytes().header(400, 400, 1, 0).i32(5).i32(5)},
        {"no line feed", MapBytes().header(1, 1, 1, 1).i32(5).i32(5).text("grass")},
    };
    for (auto& [why, b] : bad) {
        DatPtr d(fake_datafile({fake_data("MAP", b.b)}));
        EXPECT_EQ(nullptr, register_tilemap(d.get(), 0)) << why;
    }
    EXPECT_EQ(nullptr, register_tilemap(dat.get(), 0)) << "a sprite is not map bytes";
    EXPECT_EQ(nullptr, register_tilemap(dat.get(), 3));
    EXPECT_EQ(nullptr, register_tilemap(dat.get(), -1));
    EXPECT_EQ(nullptr, register_tilemap(nullptr, 0));
}

// ---- how a screen opens its map ----

TEST_F(Tilemap, OpenTilemapReplacesTheCurrentMapRenumberedAgainstTheTileSet)
{
    DatPtr dat(fake_datafile(tileset_with_grass_at_40()));
    MapPtr named(create_tilemap(1, 2, 1, 16, 16));
    set_sprite_number(named.get(), 0, 0, 0, 12);
    set_names(named.get(), {{12, "grass"}});
    ASSERT_EQ(0, save_tilemap(named.get(), path("named.map").c_str()));
    MapPtr bare(create_tilemap(1, 1, 1, 16, 16));
    set_sprite_number(bare.get(), 0, 0, 0, 12);
    ASSERT_EQ(0, save_tilemap(bare.get(), path("bare.map").c_str()));

    tiles = dat.get();
    open_tilemap(path("named.map").c_str());
    ASSERT_TRUE(map);
    EXPECT_EQ(40, get_sprite_number(map, 0, 0, 0));
    EXPECT_EQ(42, map->names) << "the name list now describes the whole tile set";
    open_tilemap(path("bare.map").c_str());
    EXPECT_EQ(12, get_sprite_number(map, 0, 0, 0)) << "a map without names is taken as it is";
    EXPECT_EQ(42, map->names);
    destroy_tilemap(map);
    map = nullptr;
    tiles = nullptr;
}

TEST_F(Tilemap, OpenTilemapOfAMissingOrBrokenFileEndsTheGame)
{
    std::string missing = path("nowhere.map");
    write_bytes(path("broken.map"), MapBytes().header(5, 5, 1, 0).b);
    std::string broken = path("broken.map");
    EXPECT_EXIT(
        {
            door_begin_script("", 1);
            open_tilemap(missing.c_str());
        },
        ::testing::ExitedWithCode(1), "cannot find .*nowhere\\.map!!!");
    EXPECT_EXIT(
        {
            door_begin_script("", 1);
            open_tilemap(broken.c_str());
        },
        ::testing::ExitedWithCode(1), "broken\\.map is damaged and cannot be read!!!");
}

} // namespace
