// The battle pictures in the built chrctrs.dat: everything the manifest
// promises is there, the creatures have the sizes the battle code lays out,
// light sources are usable as light maps, and every weapon has its frames.
#include "harness.h"
#include <allegro.h>
#include <gtest/gtest.h>

// The drawing kit is part of the data builder, not of a library; it is
// compiled in here so its rules can be tested without building data.
#include "../tools/datbuild/chr_battle_draw.cpp"

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Listed {
    std::string type, name;
    int w = 0, h = 0;
};

DATAFILE* g_chr = nullptr;

std::map<int, Listed> read_manifest()
{
    std::map<int, Listed> out;
    std::ifstream in(std::string(VANTOR_SOURCE_DIR) + "/assets/manifest/chrctrs_battle.txt");
    std::string raw;
    while (std::getline(in, raw)) {
        std::istringstream ss(raw.substr(0, raw.find('#')));
        int n;
        Listed l;
        std::string size;
        if (!(ss >> n >> l.type >> size >> l.name)) continue;
        sscanf(size.c_str(), "%dx%d", &l.w, &l.h);
        out[n] = l;
    }
    return out;
}

class ChrBattle : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (g_chr) return;
        g_chr = built_datafile("chrctrs");
    }
    void SetUp() override { ASSERT_NE(g_chr, nullptr) << "chrctrs.dat did not load with its password"; }

    static int count()
    {
        int n = 0;
        while (g_chr[n].type != DAT_END) n++;
        return n;
    }
    // The picture of an object as a 16-bit bitmap (RLE sprites drawn onto the
    // mask colour), or null when the object is missing or not a picture.
    static BITMAP* picture(int n)
    {
        if (n >= count()) return nullptr;
        const DATAFILE& d = g_chr[n];
        if (d.type == DAT_BITMAP) {
            BITMAP* src = (BITMAP*)d.dat;
            BITMAP* b = create_bitmap_ex(16, src->w, src->h);
            blit(src, b, 0, 0, 0, 0, src->w, src->h);
            return b;
        }
        if (d.type == DAT_RLE_SPRITE) {
            RLE_SPRITE* s = (RLE_SPRITE*)d.dat;
            BITMAP* b = create_bitmap_ex(16, s->w, s->h);
            clear_to_color(b, makecol16(255, 0, 255));
            draw_rle_sprite(b, s, 0, 0);
            return b;
        }
        return nullptr;
    }
    static bool is_mask(BITMAP* b, int x, int y) { return getpixel(b, x, y) == makecol16(255, 0, 255); }
    static int brightness(BITMAP* b, int x, int y)
    {
        int c = getpixel(b, x, y);
        return std::max(getr16(c), std::max(getg16(c), getb16(c)));
    }
    static void size_of(int n, int& w, int& h)
    {
        w = h = -1;
        if (n >= count()) return;
        if (g_chr[n].type == DAT_BITMAP) w = ((BITMAP*)g_chr[n].dat)->w, h = ((BITMAP*)g_chr[n].dat)->h;
        if (g_chr[n].type == DAT_RLE_SPRITE) w = ((RLE_SPRITE*)g_chr[n].dat)->w, h = ((RLE_SPRITE*)g_chr[n].dat)->h;
    }
};

using Bmp = std::unique_ptr<BITMAP, void (*)(BITMAP*)>;

TEST_F(ChrBattle, EveryListedPictureIsThereWithItsTypeSizeAndName)
{
    auto listed = read_manifest();
    ASSERT_GT(listed.size(), 200u);
    for (auto& [n, l] : listed) {
        SCOPED_TRACE("object " + std::to_string(n) + " " + l.name);
        ASSERT_LT(n, count());
        EXPECT_EQ(g_chr[n].type, (uint32_t)(l.type == "RLE" ? DAT_RLE_SPRITE : DAT_BITMAP));
        int w, h;
        size_of(n, w, h);
        EXPECT_EQ(w, l.w);
        EXPECT_EQ(h, l.h);
        EXPECT_STREQ(get_datafile_property(&g_chr[n], DAT_ID('N', 'A', 'M', 'E')), l.name.c_str());
    }
}

TEST_F(ChrBattle, EnemyPosesHaveTheSizesTheBattleLaysOut)
{
    // The enemy catalogue's picture sizes: the battle positions, splits and
    // aims its effects by these, so a picture of another size looks wrong.
    const std::vector<std::pair<std::vector<int>, std::pair<int, int>>> sizes = {
        {{56, 57, 58, 59, 60, 61, 62, 63, 68, 69, 70, 71, 72, 73, 74, 78, 79, 80, 81, 82, 83, 84, 85, 86, 87, 101, 102,
          106, 107, 115, 116, 117, 118},
         {25, 25}},
        {{97}, {25, 35}},
        {{108, 111, 113}, {30, 30}},
        {{98, 99, 100, 103, 104, 119, 120, 121}, {50, 42}},
        {{92}, {50, 60}},
        {{123, 124, 125, 126, 127, 128}, {120, 120}},
    };
    for (auto& group : sizes)
        for (int n : group.first) {
            int w, h;
            size_of(n, w, h);
            EXPECT_EQ(w, group.second.first) << "object " << n;
            EXPECT_EQ(h, group.second.second) << "object " << n;
        }
    // Poses of the same creature must not change size, or it jumps when it moves.
    auto listed = read_manifest();
    for (int n : {588, 589}) EXPECT_EQ(listed[n].w * 100 + listed[n].h, 2525) << n;
    for (int n : {590, 591, 592, 593, 594, 595, 596}) EXPECT_EQ(listed[n].w * 100 + listed[n].h, 5060) << n;
}

TEST_F(ChrBattle, LightSourcesHaveNoMaskColourAndFadeToBlackAtTheirBorders)
{
    // A mask-coloured pixel in a light map shines as solid magenta; a bright
    // border shows the picture's rectangle on screen.
    std::vector<int> lights = {82, 83, 84, 112, 129, 142, 296, 322, 534, 554, 599, 600};
    for (int n = 297; n <= 320; n++) lights.push_back(n);
    for (int n : lights) {
        SCOPED_TRACE("object " + std::to_string(n));
        Bmp b(picture(n), destroy_bitmap);
        ASSERT_TRUE(b);
        int peak = 0;
        for (int y = 0; y < b->h; y++)
            for (int x = 0; x < b->w; x++) {
                EXPECT_FALSE(is_mask(b.get(), x, y)) << "at " << x << "," << y;
                bool border = x == 0 || y == 0 || x == b->w - 1 || y == b->h - 1;
                if (border) {
                    EXPECT_LT(brightness(b.get(), x, y), 48) << "at " << x << "," << y;
                }
                peak = std::max(peak, brightness(b.get(), x, y));
            }
        EXPECT_GT(peak, 24) << "a light that never shines";
    }
}

TEST_F(ChrBattle, EveryWeaponHasTheFramesOfItsClass)
{
    struct Weapon {
        const char* name;
        int cls;
        std::vector<int> frames, slash;
    };
    const Weapon weapons[] = {
        {"Steel Blade", 1, {566, 567, 568}, {569, 570, 571}},
        {"StainlessSlasher", 2, {559, 558, 559, 561, 562, 560}, {563, 564, 565}},
        {"Apple Copper", 1, {504, 505, 506}, {507, 508, 509}},
        {"Mythril Katana", 2, {539, 538, 539, 541, 542, 540}, {543, 544, 545}},
        {"Scalder", 1, {546, 547, 548}, {549, 550, 551}},
        {"Iron Sword", 2, {517, 516, 517, 519, 520, 518}, {521, 522, 523}},
        {"Short Rod", 3, {552, 553, 554, 541, 542}, {555, 556, 557}},
        {"Dreamer's Edge", 1, {510, 511, 512}, {513, 514, 515}},
        {"Jade Melt", 2, {525, 524, 525, 527, 528, 526}, {529, 530, 531}},
        {"Moon Rod", 3, {532, 533, 534, 541, 542}, {535, 536, 537}},
    };
    for (auto& w : weapons) {
        SCOPED_TRACE(w.name);
        EXPECT_EQ(w.frames.size(), w.cls == 1 ? 3u : w.cls == 2 ? 6u : 5u);
        for (int n : w.frames) {
            ASSERT_LT(n, count());
            EXPECT_EQ(g_chr[n].type, (uint32_t)DAT_RLE_SPRITE) << n;
        }
        for (int n : w.slash) {
            ASSERT_LT(n, count());
            EXPECT_EQ(g_chr[n].type, (uint32_t)DAT_RLE_SPRITE) << n;
            int sw, sh;
            size_of(n, sw, sh);
            // Slashes are centred on the target from their middle, 12 pixels in.
            EXPECT_EQ(sw, 24) << n;
            EXPECT_EQ(sh, 24) << n;
        }
    }
}

TEST_F(ChrBattle, FighterPosesShareOneFrameAndTheFallenPoseLiesLower)
{
    // Poses a to e replace each other at the same corner, so they share a size;
    // the knocked-out pose is drawn 8 pixels lower and must not poke out below.
    const std::vector<std::vector<int>> heroes = {
        {160, 161, 162, 163, 165, 164}, {149, 150, 151, 152, 154, 153}, {155, 156, 157, 158, 159}, {166, 167, 168, 169, 170}};
    for (auto& poses : heroes) {
        int w0, h0;
        size_of(poses[0], w0, h0);
        ASSERT_GT(w0, 0);
        for (size_t i = 1; i + 1 < poses.size(); i++) {
            int w, h;
            size_of(poses[i], w, h);
            EXPECT_EQ(w, w0) << poses[i];
            EXPECT_EQ(h, h0) << poses[i];
        }
        int wd, hd;
        size_of(poses.back(), wd, hd);
        EXPECT_LE(hd + 8, h0) << poses.back();
        EXPECT_GT(wd, hd) << "the knocked-out pose lies down";
    }
}

TEST_F(ChrBattle, SlimeEyeLetsItsEyeShowThroughWhereTheBattleDrawsIt)
{
    // The eye is drawn beneath the body at (7, 3), (4, 3) or (10, 3) for poses
    // a, b and c; the body needs a see-through socket over the eye's middle.
    int ew, eh;
    size_of(64, ew, eh);
    ASSERT_GT(ew, 0);
    const int pose[3] = {61, 62, 63}, ex[3] = {7, 4, 10};
    for (int i = 0; i < 3; i++) {
        Bmp b(picture(pose[i]), destroy_bitmap);
        ASSERT_TRUE(b);
        EXPECT_TRUE(is_mask(b.get(), ex[i] + ew / 2, 3 + eh / 2)) << pose[i];
        EXPECT_LE(ex[i] + ew, 25);
    }
}

TEST_F(ChrBattle, PicturesDrawnOverTheSceneAreCutOutNotRectangles)
{
    // Attack and effect pictures with a mask must leave the scene visible
    // around them, and must not be empty.
    for (int n : {94, 95, 96, 105, 114, 122, 293, 294, 295, 180, 183, 187, 190, 192, 332, 336, 597, 598}) {
        Bmp b(picture(n), destroy_bitmap);
        ASSERT_TRUE(b) << n;
        int see_through = 0, drawn = 0;
        for (int y = 0; y < b->h; y++)
            for (int x = 0; x < b->w; x++) (is_mask(b.get(), x, y) ? see_through : drawn)++;
        EXPECT_GT(see_through, 0) << n;
        EXPECT_GT(drawn, 4) << n;
        EXPECT_TRUE(is_mask(b.get(), 0, 0)) << n << ": corner should be see-through";
    }
}

TEST_F(ChrBattle, WeaponFramesMeetTheFightersHandsAtTheirOffsets)
{
    // The battle draws a weapon frame at the fighter's corner plus the
    // weapon's offset; the blade or rod must touch the figure holding it.
    struct Shot {
        int pose, frame, dx, dy;
    };
    const Shot shots[] = {
        {163, 567, 4, -15}, {165, 568, -11, 18},    // Mike, Steel Blade raised and struck
        {163, 505, 4, -15}, {165, 512, -11, 18},    // the other blades share the grip
        {151, 558, -12, -6}, {154, 559, -12, -6},   // Charlie, StainlessSlasher
        {151, 516, -12, -6}, {154, 525, -12, -6},   // Iron Sword, Jade Melt
        {168, 552, -8, -9}, {169, 553, -10, 13},    // Runhon, Short Rod
        {157, 532, -13, -9}, {158, 533, -10, 13},   // Elizabeth, Moon Rod (drawn 5 further left)
    };
    for (auto& s : shots) {
        SCOPED_TRACE("pose " + std::to_string(s.pose) + " with frame " + std::to_string(s.frame));
        Bmp fig(picture(s.pose), destroy_bitmap), wpn(picture(s.frame), destroy_bitmap);
        ASSERT_TRUE(fig && wpn);
        int touching = 0;
        for (int y = 0; y < wpn->h; y++)
            for (int x = 0; x < wpn->w; x++) {
                if (is_mask(wpn.get(), x, y)) continue;
                for (int j = -1; j <= 1; j++)
                    for (int i = -1; i <= 1; i++) {
                        int fx = x + s.dx + i, fy = y + s.dy + j;
                        if (fx >= 0 && fy >= 0 && fx < fig->w && fy < fig->h && !is_mask(fig.get(), fx, fy)) touching++;
                    }
            }
        EXPECT_GT(touching, 2);
    }
}

TEST_F(ChrBattle, HeroesLookLeftTowardsTheEnemies)
{
    // The eye colour of the heroes' heads sits in the front (left) half of each figure.
    for (int n : {160, 149, 155, 166}) {
        Bmp b(picture(n), destroy_bitmap);
        ASSERT_TRUE(b);
        long sum_x = 0, cnt = 0, eye_x = 0, eyes = 0;
        for (int y = 0; y < b->h; y++)
            for (int x = 0; x < b->w; x++) {
                if (is_mask(b.get(), x, y)) continue;
                sum_x += x, cnt++;
                if (getpixel(b.get(), x, y) == makecol16(36, 30, 64)) eye_x += x, eyes++;
            }
        ASSERT_GT(eyes, 0) << n;
        EXPECT_LT(eye_x / eyes, sum_x / cnt) << n;
    }
}

// ---- The drawing kit's rules ----

TEST(ChrBattleKit, RampsRunFromOutlineToHighlight)
{
    auto lum = [](int c) { return ((c >> 16) & 255) * 3 + ((c >> 8) & 255) * 6 + (c & 255); };
    for (int mid : {0x000000, 0x181425, 0x3a6ad8, 0x8a5438, 0xd8b070, 0xffffff, 0xff00ff}) {
        chrb::Ramp r = chrb::ramp(mid);
        EXPECT_EQ(r.c[2], mid);
        for (int i = 0; i < 4; i++) EXPECT_LE(lum(r.c[i]), lum(r.c[i + 1])) << std::hex << mid << " shade " << i;
        EXPECT_LT(lum(r.c[0]), lum(0x404040)) << "outlines stay dark";
    }
}

TEST(ChrBattleKit, ShadedShapesAreLitFromTheUpperLeftAndOutlined)
{
    chrb::Canvas c(20, 20);
    chrb::Ramp r = chrb::ramp(0x808080);
    chrb::paint(c, chrb::mask_ellipse(20, 20, 10, 10, 7, 7), r);
    auto lum = [](int v) { return ((v >> 16) & 255) + ((v >> 8) & 255) + (v & 255); };
    EXPECT_GT(lum(c.get(7, 7)), lum(c.get(13, 13)));
    EXPECT_EQ(c.get(10, 1), -1);
    chrb::outline(c);
    EXPECT_EQ(c.get(10, 2), r.c[0]) << "the rim of the disc is outlined in its own darkest shade";
    EXPECT_EQ(c.get(0, 0), -1) << "pixels away from the shape stay see-through";
    EXPECT_NE(c.get(10, 10), r.c[0]) << "the outline never covers the inside";
}

TEST(ChrBattleKit, APartPaintedOverAnotherIsSeparatedByItsOutline)
{
    chrb::Canvas c(20, 20);
    chrb::paint(c, chrb::mask_ellipse(20, 20, 10, 10, 8, 8), chrb::ramp(0x3a6ad8));
    chrb::Ramp arm = chrb::ramp(0xd8b070);
    chrb::paint(c, chrb::mask_line(20, 20, 4, 10, 16, 10, 3), arm);
    chrb::Canvas alone(20, 20);
    chrb::paint(alone, chrb::mask_line(20, 20, 4, 10, 16, 10, 3), arm);
    int top = 0;
    while (alone.get(10, top) < 0) top++;
    EXPECT_EQ(c.get(10, top), arm.c[0]) << "edge over the body";
    EXPECT_NE(c.get(10, top + 1), arm.c[0]) << "inside of the arm";
    EXPECT_NE(alone.get(10, top), arm.c[0]) << "no inner outline where nothing lies beneath";
}

TEST(ChrBattleKit, GlowsPeakInTheMiddleAndNeverDarkenWhatIsThere)
{
    chrb::Canvas c(21, 21, 0);
    chrb::glow(c, 10.5f, 10.5f, 8, 0xffffff);
    EXPECT_GT(c.get(10, 10) & 255, c.get(14, 10) & 255);
    EXPECT_GT(c.get(14, 10) & 255, c.get(17, 10) & 255);
    EXPECT_EQ(c.get(0, 0), 0);
    EXPECT_EQ(c.get(20, 10), 0) << "nothing beyond the radius";
    int before = c.get(14, 10);
    chrb::glow(c, 2, 2, 3, 0x0000ff, 0.2f);
    EXPECT_EQ(c.get(14, 10), before) << "a far, faint glow leaves a bright one alone";
}

TEST(ChrBattleKit, DrawnPixelsNeverTurnIntoTheMaskColour)
{
    // Colours close to magenta round onto it in 16 bits and would vanish.
    // ctest runs each test in its own process, so bring the library up here too.
    headless_library_start();
    chrb::Canvas c(3, 1);
    c.set(0, 0, 0xff00ff);
    c.set(1, 0, 0xfc03fa);
    BITMAP* b = chrb::to_bitmap(c);
    const int mask = makecol16(255, 0, 255);
    EXPECT_NE(getpixel(b, 0, 0), mask);
    EXPECT_NE(getpixel(b, 1, 0), mask);
    EXPECT_EQ(getpixel(b, 2, 0), mask) << "an unpainted pixel is see-through";
    destroy_bitmap(b);
}

} // namespace
