// The start-up check of the resident datafiles: a file that is short, stale or
// foreign ends the game through its one fatal path with a message naming the
// file, never with a read past the file's objects.
#include "datcheck.h"
#include "datwriter.h"
#include "harness.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

namespace {

const char* quit_script = "wait 500ms\npress Esc\nwait 500ms\nend\n";

// A tiles.dat of the right shape built from scratch: every object a one-pixel
// run-length sprite under its own name, so single faults can be put in on purpose.
std::string small_tiles(int count, int as_bitmap = -1)
{
    headless_library_start();
    std::unique_ptr<BITMAP, void (*)(BITMAP*)> px(create_bitmap_ex(16, 1, 1), destroy_bitmap);
    clear_to_color(px.get(), makecol16(40, 120, 40));
    DatFile f;
    for (const dat_object_type& o : tiles_dat_types)
        if (o.num < count)
            dat_put(f, o.num, o.num == as_bitmap ? dat_bitmap(o.name, px.get()) : dat_rle(o.name, px.get()));
    std::string path = make_temp_dir() + "/tiles.dat";
    if (dat_write(path.c_str(), f, count, nullptr) != 0) ADD_FAILURE() << "cannot write " << path;
    return read_file(path);
}

void expect_refused(const GameRun& run, const std::string& file, const std::string& why = "")
{
    EXPECT_EQ(run.status, 1) << run.output;
    EXPECT_NE(run.output.find(file + " is damaged or out of date"), std::string::npos) << run.output;
    if (!why.empty()) {
        EXPECT_NE(run.output.find(why), std::string::npos) << run.output;
    }
    EXPECT_EQ(run.dump_int("exit"), 1) << "the fatal path leaves its dump";
}

} // namespace

TEST(DatafileCheck, TheBuiltFilesFitWhatTheGameReads)
{
    EXPECT_EQ(datafile_mismatch(built_datafile("data"), data_dat_layout), nullptr);
    EXPECT_EQ(datafile_mismatch(built_datafile("chrctrs"), chrctrs_dat_layout), nullptr);
    EXPECT_EQ(datafile_mismatch(built_datafile("tiles"), tiles_dat_layout), nullptr);
    EXPECT_EQ(datafile_mismatch(built_datafile("lgmovie"), lgmovie_dat_layout), nullptr);
    // One file in another's place.
    EXPECT_NE(datafile_mismatch(built_datafile("lgmovie"), tiles_dat_layout), nullptr);
    EXPECT_NE(datafile_mismatch(built_datafile("tiles"), data_dat_layout), nullptr);
    EXPECT_NE(datafile_mismatch(nullptr, data_dat_layout), nullptr);
}

TEST(DatafileCheck, FindsAShortFileAndAnObjectOfTheWrongType)
{
    headless_library_start();
    std::string dir = make_temp_dir();
    std::string path = dir + "/tiles.dat";
    {
        FILE* f = fopen(path.c_str(), "wb");
        std::string bytes = small_tiles(tiles_dat_count, 7);
        fwrite(bytes.data(), 1, bytes.size(), f);
        fclose(f);
    }
    DATAFILE* d = load_datafile(path.c_str());
    ASSERT_NE(d, nullptr);
    const char* why = datafile_mismatch(d, tiles_dat_layout);
    ASSERT_NE(why, nullptr);
    EXPECT_NE(std::string(why).find("object 7"), std::string::npos) << why;
    // The same file one object short: the count is checked before any object is read.
    DATAFILE end = d[tiles_dat_count - 1];
    d[tiles_dat_count - 1].type = DAT_END;
    why = datafile_mismatch(d, tiles_dat_layout);
    ASSERT_NE(why, nullptr);
    EXPECT_NE(std::string(why).find("objects"), std::string::npos) << why;
    d[tiles_dat_count - 1] = end;
    unload_datafile(d);
}

TEST(DatafileCheck, AFileCutAnywhereIsIncomplete)
{
    headless_library_start();
    std::string whole = read_file(std::string(VANTOR_DATA_DIR) + "/tiles.dat");
    ASSERT_GT(whole.size(), 1000u);
    std::string path = make_temp_dir() + "/tiles.dat";
    auto write = [&](const std::string& bytes) {
        FILE* f = fopen(path.c_str(), "wb");
        fwrite(bytes.data(), 1, bytes.size(), f);
        fclose(f);
    };
    write(whole);
    EXPECT_TRUE(datafile_complete(path.c_str()));
    for (size_t keep = 0; keep < whole.size(); keep += whole.size() / 97 + 1) {
        write(whole.substr(0, keep));
        EXPECT_FALSE(datafile_complete(path.c_str())) << "cut at " << keep;
    }
    write(whole.substr(0, whole.size() - 1));
    EXPECT_FALSE(datafile_complete(path.c_str())) << "one byte short";
    // The characters open only with their password.
    std::string chr = std::string(VANTOR_DATA_DIR) + "/chrctrs.dat";
    EXPECT_TRUE(datafile_complete(chr.c_str(), "quorl52"));
    EXPECT_FALSE(datafile_complete(chr.c_str()));
}

TEST(DatafileCheck, TheGameRefusesATruncatedFile)
{
    std::string whole = read_file(std::string(VANTOR_DATA_DIR) + "/data.dat");
    ASSERT_GT(whole.size(), 1000u);
    for (size_t keep : {whole.size() / 2, whole.size() - 1, size_t(12)}) {
        SCOPED_TRACE(keep);
        expect_refused(run_game(quit_script, {}, {{"data.dat", whole.substr(0, keep)}}), "data.dat");
    }
}

TEST(DatafileCheck, TheGameRefusesAFileOfTheWrongObjectCount)
{
    expect_refused(run_game(quit_script, {}, {{"tiles.dat", small_tiles(tiles_dat_count - 1)}}), "tiles.dat",
                   "objects");
    expect_refused(run_game(quit_script, {}, {{"tiles.dat", small_tiles(tiles_dat_count + 3)}}), "tiles.dat",
                   "objects");
}

TEST(DatafileCheck, TheGameRefusesAnObjectOfTheWrongType)
{
    expect_refused(run_game(quit_script, {}, {{"tiles.dat", small_tiles(tiles_dat_count, TILE_HOUSE_WALL)}}),
                   "tiles.dat", "house_wall");
}

TEST(DatafileCheck, TheGameRefusesAForeignFileInPlaceOfTheCharacters)
{
    // The logo movie where the characters belong: it does not even open with their password.
    std::string logo = read_file(std::string(VANTOR_DATA_DIR) + "/lgmovie.dat");
    expect_refused(run_game(quit_script, {}, {{"chrctrs.dat", logo}}), "chrctrs.dat");
}
