// The art of data.dat and lgmovie.dat as the game uses it: fonts that the
// game can recolour and that fit its windows, icons that survive the
// recolouring, light-map sources that glow only where they should, masks
// where pictures are laid over others, and pictures that leave room for the
// text drawn on them.
#include "dat_names.h"
#include "harness.h"
#include <gtest/gtest.h>

#include <allegro.h>
#include <allegro/internal/aintern.h>

#include <algorithm>
#include <cmath>
#include <utility>
#include <string>

namespace {

DATAFILE* load(const char* name)
{
    headless_library_start();
    return load_datafile((std::string(VANTOR_DATA_DIR) + "/" + name).c_str());
}

DATAFILE* data()
{
    static DATAFILE* d = load("data.dat");
    return d;
}

DATAFILE* logo()
{
    static DATAFILE* d = load("lgmovie.dat");
    return d;
}

#define NEED(df)                                                                                             \
    if (!(df)) FAIL() << "datafile not built or not loadable"

const int SHADOW = 1, TEXT = 16;
const int STATUS_COLOURS[] = {17, 18, 19, 22, 34, 40};

FONT_COLOR_DATA* colour_ranges(int n) { return (FONT_COLOR_DATA*)((FONT*)data()[n].dat)->data; }

BITMAP* glyph(int n, int c)
{
    for (FONT_COLOR_DATA* r = colour_ranges(n); r; r = r->next)
        if (c >= r->begin && c < r->end) return r->bitmaps[c - r->begin];
    return nullptr;
}

bool glyph_uses(BITMAP* g, int index)
{
    for (int y = 0; y < g->h; y++)
        for (int x = 0; x < g->w; x++)
            if (getpixel(g, x, y) == index) return true;
    return false;
}

// Brightness of a 16-bit pixel, 0..255.
double luma(int c) { return 0.299 * getr16(c) + 0.587 * getg16(c) + 0.114 * getb16(c); }

// The colour an RLE sprite or a bitmap shows at (x, y); -1 where it is see-through.
int shown_at(DATAFILE* d, int n, int x, int y)
{
    BITMAP* b = create_bitmap_ex(16, 400, 300);
    const int marker = makecol16(1 << 3, 2 << 2, 3 << 3);
    clear_to_color(b, marker);
    if (d[n].type == DAT_RLE_SPRITE)
        draw_rle_sprite(b, (RLE_SPRITE*)d[n].dat, 0, 0);
    else
        draw_sprite(b, (BITMAP*)d[n].dat, 0, 0);
    int c = getpixel(b, x, y);
    destroy_bitmap(b);
    return c == marker ? -1 : c;
}

std::pair<int, int> picture_size(DATAFILE* d, int n)
{
    if (d[n].type == DAT_RLE_SPRITE) return {((RLE_SPRITE*)d[n].dat)->w, ((RLE_SPRITE*)d[n].dat)->h};
    return {((BITMAP*)d[n].dat)->w, ((BITMAP*)d[n].dat)->h};
}

} // namespace

TEST(Fonts, AreColourFontsCoveringTextAndIconsInTheTextColour)
{
    NEED(data());
    for (int n : {COLOR_FONT_VANTOR, COLOR_FONT_SYSTEM, MAIN_FONT_VANTOR, MAIN_FONT_SYSTEM}) {
        SCOPED_TRACE("font " + std::to_string(n));
        FONT* f = (FONT*)data()[n].dat;
        ASSERT_EQ(f->vtable, font_vtable_color) << "a one-colour font cannot be recoloured";
        for (int c = 32; c <= 126; c++) ASSERT_NE(glyph(n, c), nullptr) << "no glyph for " << c;
        for (int c : {'A', 'g', '0', '?'}) {
            EXPECT_TRUE(glyph_uses(glyph(n, c), TEXT)) << (char)c << " is not drawn in colour 16";
            EXPECT_TRUE(glyph_uses(glyph(n, c), SHADOW)) << (char)c << " has no shadow";
        }
        // Icons keep their own colours when the game recolours entry 16.
        for (int c : {0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7, 0xA8, 0xA9, 0xAA, 0xAD, 0xAE, 0xAF, 0xB0}) {
            BITMAP* g = glyph(n, c);
            ASSERT_NE(g, nullptr) << "no icon " << std::hex << c;
            EXPECT_FALSE(glyph_uses(g, TEXT))
                << "icon " << std::hex << c << " would change colour with the text";
            int inked = 0;
            for (int y = 0; y < g->h; y++)
                for (int x = 0; x < g->w; x++) inked += getpixel(g, x, y) > SHADOW;
            EXPECT_GT(inked, 8) << "icon " << std::hex << c << " is nearly empty";
        }
    }
}

TEST(Fonts, FitTheWindowLinesAndTheBattlePanel)
{
    NEED(data());
    // Window lines are 8 pixels apart and wrap at 36 characters in a 300-pixel window.
    const char* longest = "Charlie:  I brought 5 small potions";
    const char* panel = "HP - 9999/9999";
    for (int n : {COLOR_FONT_VANTOR, COLOR_FONT_SYSTEM, MAIN_FONT_VANTOR, MAIN_FONT_SYSTEM}) {
        FONT* f = (FONT*)data()[n].dat;
        EXPECT_EQ(text_height(f), 8) << n;
        EXPECT_LE(text_length(f, longest), 290) << n;
        EXPECT_LE(text_length(f, "Mike:  Hello"), 80) << n;
        // The HP column ends at x 210 and the names start at x 4.
        EXPECT_LE(text_length(f, panel), 100) << n;
        EXPECT_GE(text_length(f, "i"), 2) << n << ": letters need a gap";
    }
    // The two settings must look different, not be one font twice.
    EXPECT_NE(text_length((FONT*)data()[MAIN_FONT_VANTOR].dat, longest),
              text_length((FONT*)data()[MAIN_FONT_SYSTEM].dat, longest));
}

TEST(Palette, TextColoursAreDistinctAndReadable)
{
    NEED(data());
    RGB* pal = (RGB*)data()[GAME_PALETTE].dat;
    auto bright = [&](int i) { return 0.299 * pal[i].r + 0.587 * pal[i].g + 0.114 * pal[i].b; }; // 0..63
    EXPECT_GT(bright(TEXT), 50) << "text must be light on the blue windows";
    EXPECT_LT(bright(SHADOW), 8) << "the shadow must be dark";
    for (int a : STATUS_COLOURS) {
        EXPECT_GT(bright(a), 22) << "colour " << a << " would vanish on the windows";
        int d = std::abs(pal[a].r - pal[TEXT].r) + std::abs(pal[a].g - pal[TEXT].g) +
                std::abs(pal[a].b - pal[TEXT].b);
        EXPECT_GT(d, 20) << "colour " << a << " looks like plain text";
        for (int b : STATUS_COLOURS)
            if (a < b) {
                int e = std::abs(pal[a].r - pal[b].r) + std::abs(pal[a].g - pal[b].g) +
                        std::abs(pal[a].b - pal[b].b);
                EXPECT_GT(e, 20) << "colours " << a << " and " << b << " look alike";
            }
    }
}

TEST(Pictures, LightMapSourcesGlowInTheMiddleAndAreBlackAtTheEdges)
{
    NEED(data());
    for (int n : {GLOW_MASK, SAVE_GLOW_1, SAVE_GLOW_2, SAVE_GLOW_3, BOLT_GLOW_1, BOLT_GLOW_2, BOLT_GLOW_3,
                  BOLT_GLOW_4, BOLT_GLOW_5, BOLT_GLOW_6, BOLT_GLOW_7, BOLT_GLOW_8}) {
        ASSERT_EQ(data()[n].type, DAT_BITMAP) << n;
        BITMAP* b = (BITMAP*)data()[n].dat;
        for (auto [x, y] : {std::pair{0, 0}, {b->w - 1, 0}, {0, b->h - 1}, {b->w - 1, b->h - 1}})
            EXPECT_LT(luma(getpixel(b, x, y)), 16) << n << ": a corner would show as a light square";
        EXPECT_GT(luma(getpixel(b, b->w / 2, b->h / 2)), 150) << n << ": the centre does not glow";
    }
    // The save spot's glow pulses: each frame brighter than the last.
    double sum[3] = {0, 0, 0};
    for (int i = 0; i < 3; i++) {
        BITMAP* b = (BITMAP*)data()[SAVE_GLOW_1 + i].dat;
        for (int y = 0; y < b->h; y++)
            for (int x = 0; x < b->w; x++) sum[i] += luma(getpixel(b, x, y));
    }
    EXPECT_LT(sum[0], sum[1]);
    EXPECT_LT(sum[1], sum[2]);
}

TEST(Pictures, OverlaidPicturesAreSeeThroughAroundTheirShapes)
{
    NEED(data());
    for (int n : {HIT_SPARK_1, HIT_SPARK_2, HIT_SPARK_3, SPARKLE_HEAL, TITLE_LOGO, SPARKLE_SAVE}) {
        EXPECT_EQ(shown_at(data(), n, 0, 0), -1) << n << ": top-left corner is not see-through";
        auto [w, h] = picture_size(data(), n);
        EXPECT_EQ(shown_at(data(), n, w - 1, h - 1), -1) << n << ": bottom-right corner is not see-through";
    }
    // The prologue's arch lets the backdrop show at its top corners, not at the bottom.
    EXPECT_EQ(shown_at(data(), PROLOGUE, 0, 0), -1);
    EXPECT_EQ(shown_at(data(), PROLOGUE, 249, 0), -1);
    EXPECT_NE(shown_at(data(), PROLOGUE, 125, 100), -1);
    EXPECT_NE(shown_at(data(), PROLOGUE, 5, 190), -1);
    // The pointer is drawn where it points.
    int inked = 0;
    for (int x = 0; x < 11; x++) inked += shown_at(data(), POINTER, x, 4) != -1;
    EXPECT_GE(inked, 8);
}

TEST(Pictures, FullScreenPicturesHaveNoHolesAndRoomForTheirText)
{
    NEED(data());
    const int mask = makecol16(255, 0, 255);
    for (int n : {BATTLE_GRASS, BATTLE_FOREST, BATTLE_DESERT, GAME_OVER, TITLE_BACK}) {
        BITMAP* b = (BITMAP*)data()[n].dat;
        ASSERT_EQ(b->w, 320);
        ASSERT_EQ(b->h, 240);
        int holes = 0;
        double lo = 255, hi = 0;
        for (int y = 0; y < 240; y++)
            for (int x = 0; x < 320; x++) {
                int c = getpixel(b, x, y);
                holes += c == mask;
                lo = std::min(lo, luma(c));
                hi = std::max(hi, luma(c));
            }
        EXPECT_EQ(holes, 0) << n;
        EXPECT_GT(hi - lo, 80) << n << " looks flat";
    }
    // The title menu is written in blue over rows 162-210 (picture rows 155-203).
    BITMAP* title = (BITMAP*)data()[TITLE_BACK].dat;
    double sum = 0;
    int count = 0;
    for (int y = 155; y <= 203; y++)
        for (int x = 125; x <= 195; x++, count++) sum += luma(getpixel(title, x, y));
    EXPECT_GT(sum / count, 170) << "blue menu text would not read on the title picture";
    // "Game Over" falls in the main font's white over the top of its picture.
    BITMAP* over = (BITMAP*)data()[GAME_OVER].dat;
    for (int x = 90; x < 230; x += 7) EXPECT_LT(luma(getpixel(over, x, 34)), 100);
    // The time bar fill is warm, so the green tint of a full bar stands out.
    BITMAP* fill = (BITMAP*)data()[TIMEBAR_FILL].dat;
    int c = getpixel(fill, 50, 3);
    EXPECT_GT(getr16(c), getg16(c));
    EXPECT_GT(getr16(c), 2 * getb16(c));
}

TEST(LogoMovie, BuildsUpAndLeavesRoomForTheCreditLine)
{
    NEED(logo());
    int frames = 0;
    while (logo()[frames].type != DAT_END) frames++;
    ASSERT_EQ(frames, 11);
    // The studio name below the emblem (rows 140-180) is written in as it goes.
    auto lit = [](BITMAP* b) {
        int n = 0;
        for (int y = 140; y < 180; y++)
            for (int x = 0; x < b->w; x++) n += luma(getpixel(b, x, y)) > 120;
        return n;
    };
    EXPECT_LT(lit((BITMAP*)logo()[LOGO_FRAME_00].dat), lit((BITMAP*)logo()[LOGO_FRAME_03].dat));
    EXPECT_LT(lit((BITMAP*)logo()[LOGO_FRAME_03].dat), lit((BITMAP*)logo()[LOGO_FRAME_06].dat));
    // Frame 6 stays up while the red credit line fades in at the bottom right.
    BITMAP* rest = (BITMAP*)logo()[LOGO_FRAME_06].dat;
    for (int y = 230; y < 240; y++)
        for (int x = 120; x < 320; x += 3) ASSERT_LT(luma(getpixel(rest, x, y)), 60) << x << "," << y;
}
