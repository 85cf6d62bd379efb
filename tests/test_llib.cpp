// Light maps and hue effects: what a glow looks like at the extremes.
#include "harness.h"
#include "llib.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <memory>

namespace {

struct BitmapDeleter {
    void operator()(BITMAP* b) const { destroy_bitmap(b); }
};
using Bmp = std::unique_ptr<BITMAP, BitmapDeleter>;

class LightMaps : public testing::Test {
protected:
    static void SetUpTestSuite() { headless_library_start(); }
    Bmp filled(int w, int h, int r, int g, int b)
    {
        Bmp bmp(create_bitmap(w, h));
        clear_to_color(bmp.get(), makecol(r, g, b));
        return bmp;
    }
    static void rgb_at(BITMAP* b, int x, int y, int* r, int* g, int* bl)
    {
        int c = getpixel(b, x, y);
        *r = getr(c);
        *g = getg(c);
        *bl = getb(c);
    }
};

} // namespace

TEST_F(LightMaps, BlackDrawsNothingAndWhiteDrawsFully)
{
    Bmp black = filled(4, 4, 0, 0, 0), white = filled(4, 4, 255, 255, 255);
    LIGHTMAP* dark = create_lightmap(black.get());
    LIGHTMAP* bright = create_lightmap(white.get());
    ASSERT_TRUE(dark && bright);
    EXPECT_EQ(dark->a[2][3], 0);
    EXPECT_EQ(bright->a[2][3], 255);

    Bmp dest = filled(8, 8, 0, 0, 200);
    draw_lightmap(dest.get(), dark, 2, 2);
    int r, g, b;
    rgb_at(dest.get(), 3, 3, &r, &g, &b);
    EXPECT_NEAR(b, 200, 8);
    EXPECT_EQ(r, 0);
    draw_lightmap(dest.get(), bright, 2, 2);
    rgb_at(dest.get(), 3, 3, &r, &g, &b);
    EXPECT_GT(r, 240);
    EXPECT_GT(g, 240);
    // Outside the light nothing changed.
    rgb_at(dest.get(), 0, 0, &r, &g, &b);
    EXPECT_EQ(r, 0);
    destroy_lightmap(dark);
    destroy_lightmap(bright);
}

TEST_F(LightMaps, OffsetsFadeAndAreHeldToTheBlendRange)
{
    Bmp grey = filled(2, 2, 128, 128, 128);
    LIGHTMAP* l = create_lightmap(grey.get());
    ASSERT_TRUE(l);
    Bmp dest = filled(4, 4, 0, 0, 0);
    l->a_offset = -300; // below zero counts as zero: nothing shows
    draw_lightmap(dest.get(), l, 0, 0);
    EXPECT_EQ(getr(getpixel(dest.get(), 1, 1)), 0);
    l->a_offset = 400; // far above 255 is full, not wrapped around
    draw_lightmap(dest.get(), l, 0, 0);
    EXPECT_GT(getr(getpixel(dest.get(), 1, 1)), 240);
    // Drawing partly off the bitmap is clipped, not written out of bounds.
    draw_lightmap(dest.get(), l, -1, 3);
    draw_lightmap(dest.get(), l, 3, -1);
    destroy_lightmap(l);
    destroy_lightmap(nullptr);
}

TEST_F(LightMaps, MonochromeLightsPaintThroughTheMaskAndSkipOffscreen)
{
    Bmp mask = filled(3, 3, 0, 0, 0);
    putpixel(mask.get(), 1, 1, makecol(255, 255, 255));
    // Without a screen only lights at the origin or left of it are drawn.
    Bmp dest = filled(5, 5, 0, 0, 0);
    monocrome_draw_lightmap(dest.get(), mask.get(), 0, 0, makecol(255, 0, 0));
    EXPECT_GT(getr(getpixel(dest.get(), 1, 1)), 240);
    EXPECT_EQ(getr(getpixel(dest.get(), 0, 0)), 0);
    // A negative offset fades it; far off the screen nothing is touched.
    Bmp dest2 = filled(5, 5, 0, 0, 0);
    monocrome_draw_lightmap_ex(dest2.get(), mask.get(), 0, 0, makecol(255, 0, 0), -255);
    EXPECT_EQ(getr(getpixel(dest2.get(), 1, 1)), 0);
    monocrome_draw_lightmap(dest2.get(), mask.get(), -10, -10, makecol(255, 0, 0));
    monocrome_draw_lightmap(dest2.get(), mask.get(), 100000, 0, makecol(255, 0, 0));
    EXPECT_EQ(getr(getpixel(dest2.get(), 0, 0)), 0);
}

TEST_F(LightMaps, ColorizeKeepsMagentaAndCanKeepEverything)
{
    Bmp b = filled(2, 1, 200, 40, 40);
    putpixel(b.get(), 1, 0, makecol(255, 0, 255));
    colorize(b.get(), -1.0f, -1.0f);
    int r, g, bl;
    rgb_at(b.get(), 0, 0, &r, &g, &bl);
    EXPECT_NEAR(r, 200, 8);
    EXPECT_NEAR(g, 40, 8);
    colorize(b.get(), 240.0f, -1.0f); // to blue, same saturation and value
    rgb_at(b.get(), 0, 0, &r, &g, &bl);
    EXPECT_GT(bl, 180);
    EXPECT_LT(r, 60);
    EXPECT_EQ(getpixel(b.get(), 1, 0), makecol(255, 0, 255));
}
