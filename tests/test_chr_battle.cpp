// The battle pictures in the built chrctrs.dat: everything the manifest
// promises is there, the creatures have the sizes the battle code lays out,
// light sources are usable as light maps, and every weapon has its frames.
#include "dat_names.h"
#include "harness.h"
#include "records.h"
#include "vantor.h"
#include <allegro.h>
#include <gtest/gtest.h>

#include "kit/kit.h"

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

DATAFILE* g_chr = nullptr;

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
        if (g_chr[n].type == DAT_RLE_SPRITE)
            w = ((RLE_SPRITE*)g_chr[n].dat)->w, h = ((RLE_SPRITE*)g_chr[n].dat)->h;
    }
};

using Bmp = std::unique_ptr<BITMAP, void (*)(BITMAP*)>;

TEST_F(ChrBattle, EnemyPosesHaveTheSizesTheBattleLaysOut)
{
    // The enemy catalogue's picture sizes: the battle positions, splits and
    // aims its effects by these, so a picture of another size looks wrong.
    const std::vector<std::pair<std::vector<int>, std::pair<int, int>>> sizes = {
        {{EN_DARKWEED_A,   EN_DARKWEED_B,   EN_HORNET_A,  EN_HORNET_B,    EN_HORNET_C,    EN_SLIMEEYE_A,
          EN_SLIMEEYE_B,   EN_SLIMEEYE_C,   EN_FANGED_A,  EN_FANGED_B,    EN_FANGED_C,    EN_CHUNK,
          EN_INFERIA_A,    EN_INFERIA_B,    EN_INFERIA_C, EN_REPTEL_A,    EN_REPTEL_B,    EN_REPTEL_C,
          EN_REPTEL_D,     EN_POLTER_A,     EN_POLTER_B,  EN_POLTER_C,    EN_SPUD_A,      EN_SPUD_B,
          EN_SPUD_C,       EN_SHORTY_A,     EN_SHORTY_B,  EN_DARKFLYER_A, EN_DARKFLYER_B, EN_BLOODCRAWL_A,
          EN_BLOODCRAWL_B, EN_BLOODCRAWL_C, EN_ROCK},
         {25, 25}},
        {{EN_UNDEADLY}, {25, 35}},
        {{EN_ROCKCRAWLER, EN_REDCRAWLER, EN_SPIZZER}, {30, 30}},
        {{EN_SERPENT_A, EN_SERPENT_B, EN_SERPENT_C, EN_GRASSWORM_A, EN_GRASSWORM_B, EN_MADKNIGHT_A,
          EN_MADKNIGHT_B, EN_MADKNIGHT_C},
         {50, 42}},
        {{EN_MANGLER_BACK}, {50, 60}},
        {{EN_MOUNTAIN_0, EN_MOUNTAIN_1, EN_MOUNTAIN_2, EN_MOUNTAIN_3, EN_MOUNTAIN_4, EN_MOUNTAIN_ATK},
         {120, 120}},
    };
    for (auto& group : sizes)
        for (int n : group.first) {
            int w, h;
            size_of(n, w, h);
            EXPECT_EQ(w, group.second.first) << "object " << n;
            EXPECT_EQ(h, group.second.second) << "object " << n;
        }
    // Poses of the same creature must not change size, or it jumps when it moves.
    auto area = [](int n) {
        int w, h;
        size_of(n, w, h);
        return w * 100 + h;
    };
    for (int n : {EN_DRAKIAN_A, EN_DRAKIAN_B}) EXPECT_EQ(area(n), 2525) << n;
    for (int n : {EN_BARGHEST_A, EN_BARGHEST_B, EN_BARGHEST_C, EN_MANGLER_A, EN_MANGLER_B, EN_METALOR_A,
                  EN_METALOR_B})
        EXPECT_EQ(area(n), 5060) << n;
}

TEST_F(ChrBattle, LightSourcesHaveNoMaskColourAndFadeToBlackAtTheirBorders)
{
    // A mask-coloured pixel in a light map shines as solid magenta; a bright
    // border shows the picture's rectangle on screen.
    std::vector<int> lights = {EN_POLTER_A,   EN_POLTER_B,    EN_POLTER_C,      FX_EMBER_GLOW,
                               FX_SPARK_GLOW, FX_UNDEAD_GLOW, FX_POLTER_BLAST,  FX_AURIA_POINT,
                               WPN_MOONROD_C, WPN_SHORTROD_C, FX_REDLIGHT_CORE, FX_REDLIGHT_HALO};
    for (int n = FX_REDHERB_01; n <= FX_REDHERB_24; n++) lights.push_back(n);
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

// The weapon and fighter records as the game builds them at start-up.
TEST_F(ChrBattle, EveryWeaponHasTheFramesOfItsClass)
{
    headless_game_start();
    for (int i = 0; i < 10; i++) {
        const weapon* w = weapon_list[i];
        ASSERT_NE(w, nullptr) << "weapon " << i;
        SCOPED_TRACE(w->s_name);
        // Blades swing three frames, swords six, rods five.
        const RLE_SPRITE* frames[6] = {w->a, w->b, w->c, w->d, w->e, w->f};
        int have = 0;
        for (const RLE_SPRITE* f : frames) have += f != nullptr;
        EXPECT_EQ(have, w->w_class == 1 ? 3 : w->w_class == 2 ? 6 : 5);
        for (int k = 0; k < have; k++)
            EXPECT_NE(frames[k], nullptr) << "frame " << k << " missing among the first";
        for (const RLE_SPRITE* s : w->slash) {
            ASSERT_NE(s, nullptr);
            // Slashes are centred on the target from their middle, 12 pixels in.
            EXPECT_EQ(s->w, 24);
            EXPECT_EQ(s->h, 24);
        }
    }
}

TEST_F(ChrBattle, FighterPosesShareOneFrameAndTheFallenPoseLiesLower)
{
    // Poses a to e replace each other at the same corner, so they share a size;
    // the knocked-out pose is drawn 8 pixels lower and must not poke out below.
    headless_game_start();
    for (const ftchar* f : {ftmike, ftcharlie, ftelizabeth, ftrunhon}) {
        ASSERT_NE(f, nullptr);
        SCOPED_TRACE(f->s_name);
        ASSERT_NE(f->a, nullptr);
        for (const RLE_SPRITE* p : {f->b, f->c, f->d, f->e}) {
            ASSERT_NE(p, nullptr);
            EXPECT_EQ(p->w, f->a->w);
            EXPECT_EQ(p->h, f->a->h);
        }
        ASSERT_NE(f->dead, nullptr);
        EXPECT_LE(f->dead->h + 8, f->a->h);
        EXPECT_GT(f->dead->w, f->dead->h) << "the knocked-out pose lies down";
    }
}

TEST_F(ChrBattle, SlimeEyeLetsItsEyeShowThroughWhereTheBattleDrawsIt)
{
    // The eye is drawn beneath the body at (7, 3), (4, 3) or (10, 3) for poses
    // a, b and c; the body needs a see-through socket over the eye's middle.
    int ew, eh;
    size_of(EN_SLIMEEYE_EYE, ew, eh);
    ASSERT_GT(ew, 0);
    const int pose[3] = {EN_SLIMEEYE_A, EN_SLIMEEYE_B, EN_SLIMEEYE_C}, ex[3] = {7, 4, 10};
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
    for (int n :
         {FX_CLAW_1, FX_CLAW_2, FX_CLAW_3, FX_SLIME_DROP, FX_SPIZZER_HIT, FX_KNIGHT_SWORD, FX_FANGED_BITE,
          FX_SERPENT_STRIKE, FX_GRASSWORM_HIT, FX_COMBUST_1, FX_COMBUST_4, FX_GLASSBALL_1, FX_GLASSBALL_4,
          FX_SHINE, FX_BURN_1, FX_BURN_5, FX_SAND_SMALL, FX_SAND_LARGE}) {
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
        // Mike, Steel Blade raised and struck; the other blades share the grip.
        {FT_MIKE_D, WPN_STEEL_B, 4, -15},
        {FT_MIKE_E, WPN_STEEL_C, -11, 18},
        {FT_MIKE_D, WPN_APPLE_B, 4, -15},
        {FT_MIKE_E, WPN_DREAMER_C, -11, 18},
        // Charlie, StainlessSlasher; Iron Sword, Jade Melt.
        {FT_CHARLIE_C, WPN_STAINLESS_B, -12, -6},
        {FT_CHARLIE_E, WPN_STAINLESS_A, -12, -6},
        {FT_CHARLIE_C, WPN_IRON_B, -12, -6},
        {FT_CHARLIE_E, WPN_JADE_A, -12, -6},
        // Runhon, Short Rod; Elizabeth, Moon Rod (drawn 5 further left).
        {FT_RUNHON_C, WPN_SHORTROD_A, -8, -9},
        {FT_RUNHON_E, WPN_SHORTROD_B, -10, 13},
        {FT_ELIZABETH_C, WPN_MOONROD_A, -13, -9},
        {FT_ELIZABETH_E, WPN_MOONROD_B, -10, 13},
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
                        if (fx >= 0 && fy >= 0 && fx < fig->w && fy < fig->h && !is_mask(fig.get(), fx, fy))
                            touching++;
                    }
            }
        EXPECT_GT(touching, 2);
    }
}

TEST_F(ChrBattle, HeroesLookLeftTowardsTheEnemies)
{
    // The eye colour of the heroes' heads sits in the front (left) half of each figure.
    for (int n : {FT_MIKE_A, FT_CHARLIE_A, FT_ELIZABETH_A, FT_RUNHON_A}) {
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
        kit::Ramp r = kit::ramp(mid);
        EXPECT_EQ(r.c[2], mid);
        for (int i = 0; i < 4; i++)
            EXPECT_LE(lum(r.c[i]), lum(r.c[i + 1])) << std::hex << mid << " shade " << i;
        EXPECT_LT(lum(r.c[0]), lum(0x404040)) << "outlines stay dark";
    }
}

TEST(ChrBattleKit, ShadedShapesAreLitFromTheUpperLeftAndOutlined)
{
    kit::Canvas c(20, 20);
    kit::Ramp r = kit::ramp(0x808080);
    kit::paint(c, kit::mask_ellipse(20, 20, 10, 10, 7, 7), r);
    auto lum = [](int v) { return ((v >> 16) & 255) + ((v >> 8) & 255) + (v & 255); };
    EXPECT_GT(lum(c.get(7, 7)), lum(c.get(13, 13)));
    EXPECT_EQ(c.get(10, 1), -1);
    kit::outline(c);
    EXPECT_EQ(c.get(10, 2), r.c[0]) << "the rim of the disc is outlined in its own darkest shade";
    EXPECT_EQ(c.get(0, 0), -1) << "pixels away from the shape stay see-through";
    EXPECT_NE(c.get(10, 10), r.c[0]) << "the outline never covers the inside";
}

TEST(ChrBattleKit, APartPaintedOverAnotherIsSeparatedByItsOutline)
{
    kit::Canvas c(20, 20);
    kit::paint(c, kit::mask_ellipse(20, 20, 10, 10, 8, 8), kit::ramp(0x3a6ad8));
    kit::Ramp arm = kit::ramp(0xd8b070);
    kit::paint(c, kit::mask_line(20, 20, 4, 10, 16, 10, 3), arm);
    kit::Canvas alone(20, 20);
    kit::paint(alone, kit::mask_line(20, 20, 4, 10, 16, 10, 3), arm);
    int top = 0;
    while (alone.get(10, top) < 0) top++;
    EXPECT_EQ(c.get(10, top), arm.c[0]) << "edge over the body";
    EXPECT_NE(c.get(10, top + 1), arm.c[0]) << "inside of the arm";
    EXPECT_NE(alone.get(10, top), arm.c[0]) << "no inner outline where nothing lies beneath";
}

TEST(ChrBattleKit, GlowsPeakInTheMiddleAndNeverDarkenWhatIsThere)
{
    kit::Canvas c(21, 21, 0);
    kit::glow(c, 10.5f, 10.5f, 8, 0xffffff);
    EXPECT_GT(c.get(10, 10) & 255, c.get(14, 10) & 255);
    EXPECT_GT(c.get(14, 10) & 255, c.get(17, 10) & 255);
    EXPECT_EQ(c.get(0, 0), 0);
    EXPECT_EQ(c.get(20, 10), 0) << "nothing beyond the radius";
    int before = c.get(14, 10);
    kit::glow(c, 2, 2, 3, 0x0000ff, 0.2f);
    EXPECT_EQ(c.get(14, 10), before) << "a far, faint glow leaves a bright one alone";
}

TEST(ChrBattleKit, DrawnPixelsNeverTurnIntoTheMaskColour)
{
    // Colours close to magenta round onto it in 16 bits and would vanish.
    // ctest runs each test in its own process, so bring the library up here too.
    headless_library_start();
    kit::Canvas c(3, 1);
    c.set(0, 0, 0xff00ff);
    c.set(1, 0, 0xfc03fa);
    BITMAP* b = kit::to_bitmap(c);
    const int mask = makecol16(255, 0, 255);
    EXPECT_NE(getpixel(b, 0, 0), mask);
    EXPECT_NE(getpixel(b, 1, 0), mask);
    EXPECT_EQ(getpixel(b, 2, 0), mask) << "an unpainted pixel is see-through";
    destroy_bitmap(b);
}

} // namespace

TEST(DrawingKit, PackedColoursMixAtBothEndsAndNeverTurnSeeThrough)
{
    EXPECT_NE(kit::rgb(255, 0, 255), kit::MASK_RGB);
    EXPECT_NE(kit::mix(0xFF00FF, 0xFF00FF, 0.5f), kit::MASK_RGB);
    EXPECT_EQ(kit::mix(0x102030, 0xF0E0D0, 0.0f), 0x102030);
    EXPECT_EQ(kit::mix(0x102030, 0xF0E0D0, 1.0f), 0xF0E0D0);
    EXPECT_EQ(kit::scale(0x808080, 2.0f), 0xFFFFFF) << "clamped";
    EXPECT_EQ(kit::scale(0x808080, 0.5f), 0x404040);
    EXPECT_EQ(kit::rgb(-20, 300, 127.5f), 0x00FF80);
}

TEST(DrawingKit, AnOutlineRingsOnlyThePixelsBesideTheShape)
{
    // One pixel in the middle of 3 x 3: its four side neighbours, never the corners.
    std::vector<std::pair<int, int>> ringed;
    kit::outline_ring(
        3, 3, [](int x, int y) { return x == 1 && y == 1; },
        [&](int x, int y, int nx, int ny) {
            EXPECT_EQ(std::make_pair(nx, ny), std::make_pair(1, 1));
            ringed.push_back({x, y});
        });
    std::vector<std::pair<int, int>> sides = {{1, 0}, {0, 1}, {2, 1}, {1, 2}};
    EXPECT_EQ(ringed, sides);
}
