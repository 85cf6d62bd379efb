// Screenshots: the PNG writer, the numbering that never overwrites, and F10 in
// the real game writing one numbered shot per press.
#include <gtest/gtest.h>

#include <png.h>

#include <cstring>
#include <fstream>
#include <sys/stat.h>
#include <vector>

#include "harness.h"
#include "shot.h"

namespace {

bool exists(const std::string& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0;
}

void touch(const std::string& path) { std::ofstream(path) << "x"; }

} // namespace

TEST(Shot, PngKeepsEveryPixelOfASixteenBitPicture)
{
    headless_library_start();
    BITMAP* b = create_bitmap_ex(16, 5, 3);
    ASSERT_NE(b, nullptr);
    const int rgb[5][3] = {{0, 0, 0}, {255, 255, 255}, {248, 0, 0}, {0, 252, 0}, {16, 32, 200}};
    for (int y = 0; y < 3; y++)
        for (int x = 0; x < 5; x++)
            putpixel(b, x, y, makecol16(rgb[(x + y) % 5][0], rgb[(x + y) % 5][1], rgb[(x + y) % 5][2]));
    std::string path = make_temp_dir() + "/t.png";
    ASSERT_EQ(write_png(path.c_str(), b), 0);

    png_image img;
    memset(&img, 0, sizeof img);
    img.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_file(&img, path.c_str()));
    img.format = PNG_FORMAT_RGB;
    ASSERT_EQ(img.width, 5u);
    ASSERT_EQ(img.height, 3u);
    std::vector<unsigned char> px(5 * 3 * 3);
    ASSERT_TRUE(png_image_finish_read(&img, nullptr, px.data(), 0, nullptr));
    for (int y = 0; y < 3; y++)
        for (int x = 0; x < 5; x++) {
            int c = getpixel(b, x, y);
            const unsigned char* p = &px[(y * 5 + x) * 3];
            EXPECT_EQ(p[0], getr16(c)) << x << "," << y;
            EXPECT_EQ(p[1], getg16(c)) << x << "," << y;
            EXPECT_EQ(p[2], getb16(c)) << x << "," << y;
        }
    EXPECT_NE(write_png("/nonexistent-dir/x.png", b), 0);
    destroy_bitmap(b);
}

TEST(Shot, NumberingGoesPastTheHighestShotAndIgnoresOtherFiles)
{
    std::string dir = make_temp_dir();
    EXPECT_EQ(next_screenshot_number((dir + "/missing").c_str()), 1);
    EXPECT_EQ(next_screenshot_number(dir.c_str()), 1);
    touch(dir + "/vantor-0002.png");
    touch(dir + "/vantor-0010.png");
    touch(dir + "/vantor-99999.png");
    touch(dir + "/vantor-00a9.png");
    touch(dir + "/vantor-0500.bmp");
    touch(dir + "/screenshot.bmp");
    EXPECT_EQ(next_screenshot_number(dir.c_str()), 11);
    touch(dir + "/vantor-9999.png");
    EXPECT_EQ(next_screenshot_number(dir.c_str()), 0) << "all numbers used: no shot rather than an overwrite";

    headless_library_start();
    BITMAP* b = create_bitmap_ex(16, 4, 4);
    clear_to_color(b, makecol16(1, 2, 3));
    std::string fresh = dir + "/new/shots";
    EXPECT_EQ(save_numbered_screenshot(fresh.c_str(), b), fresh + "/vantor-0001.png");
    EXPECT_EQ(save_numbered_screenshot(fresh.c_str(), b), fresh + "/vantor-0002.png");
    EXPECT_EQ(save_numbered_screenshot(dir.c_str(), b), "");
    destroy_bitmap(b);
}

TEST(Shot, EachPressOfF10InTheGameWritesTheNextNumberedPng)
{
    GameRun run = run_game("wait 2s\nhold F10\nwait 500ms\nrelease F10\nwait 300ms\ntap F10 100\nwait 300ms\n"
                           "press Esc\nwait 1s\nend\n",
                           {"-nofight:47390"});
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_TRUE(exists(run.dir + "/screenshots/vantor-0001.png"));
    EXPECT_TRUE(exists(run.dir + "/screenshots/vantor-0002.png"));
    EXPECT_FALSE(exists(run.dir + "/screenshots/vantor-0003.png")) << "holding F10 takes one shot";
    EXPECT_FALSE(exists(run.dir + "/screenshot.bmp"));
}
