// Colours of the drawing kit: packed and float colours, their mixing, and
// ordered dithering onto 16-bit bitmaps.
#include "kit/kit.h"

#include "datwriter.h"

#include <algorithm>
#include <cmath>

namespace kit {
namespace {

// 4x4 ordered dither thresholds, centred on zero.
const int bayer4[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

int clamp255(float v) { return std::max(0, std::min(255, (int)std::lround(v))); }
int clamp8(float v) { return v < 0 ? 0 : v > 255 ? 255 : (int)(v + 0.5f); }
float R(int c) { return (float)((c >> 16) & 255); }
float G(int c) { return (float)((c >> 8) & 255); }
float B(int c) { return (float)(c & 255); }

} // namespace

int rgb(float r, float g, float b)
{
    int c = (clamp8(r) << 16) | (clamp8(g) << 8) | clamp8(b);
    return c == MASK_RGB ? 0xFE00FE : c; // a painted pixel never turns see-through
}

int mix(int a, int b, float t)
{
    return rgb(R(a) + (R(b) - R(a)) * t, G(a) + (G(b) - G(a)) * t, B(a) + (B(b) - B(a)) * t);
}

int scale(int c, float k) { return rgb(R(c) * k, G(c) * k, B(c) * k); }

Bmp new_bmp(int w, int h, bool masked)
{
    BITMAP* b = create_bitmap_ex(16, w, h);
    if (!b) tool_fail("out of memory for a %dx%d picture", w, h);
    clear_to_color(b, masked ? MASK16 : 0);
    return Bmp(b);
}

Rgb mix(Rgb a, Rgb b, float t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb rgb_hex(int hex) { return {(float)(hex >> 16 & 255), (float)(hex >> 8 & 255), (float)(hex & 255)}; }

int col16(Rgb c) { return makecol16(clamp255(c.r), clamp255(c.g), clamp255(c.b)); }

void put_dither(BITMAP* bmp, int x, int y, Rgb c)
{
    if (x < 0 || y < 0 || x >= bmp->w || y >= bmp->h) return;
    // Red and blue keep 5 bits (steps of 8), green 6 bits (steps of 4).
    float t = (bayer4[y & 3][x & 3] + 0.5f) / 16.0f - 0.5f;
    int r = clamp255(c.r + t * 8), g = clamp255(c.g + t * 4), b = clamp255(c.b + t * 8);
    int v = makecol16(r, g, b);
    // Never let dithering land on the mask colour by accident.
    if (v == MASK16) v = makecol16(248, 4, 248);
    putpixel(bmp, x, y, v);
}

void vgradient(BITMAP* bmp, int x0, int y0, int x1, int y1, Rgb top, Rgb bottom)
{
    for (int y = y0; y <= y1; y++) {
        float t = y1 > y0 ? (float)(y - y0) / (y1 - y0) : 0;
        Rgb c = mix(top, bottom, t);
        for (int x = x0; x <= x1; x++) put_dither(bmp, x, y, c);
    }
}

void blend_pixel(BITMAP* bmp, int x, int y, Rgb c, float a)
{
    if (x < 0 || y < 0 || x >= bmp->w || y >= bmp->h) return;
    int p = getpixel(bmp, x, y);
    Rgb under{(float)getr16(p), (float)getg16(p), (float)getb16(p)};
    put_dither(bmp, x, y, mix(under, c, std::max(0.0f, std::min(1.0f, a))));
}

void add_glow(BITMAP* bmp, float cx, float cy, float r, Rgb c, float strength)
{
    for (int y = (int)(cy - r); y <= (int)(cy + r); y++)
        for (int x = (int)(cx - r); x <= (int)(cx + r); x++) {
            if (x < 0 || y < 0 || x >= bmp->w || y >= bmp->h) continue;
            float d = std::hypot(x + 0.5f - cx, y + 0.5f - cy) / r;
            if (d >= 1) continue;
            float k = (1 - d) * (1 - d) * strength;
            int p = getpixel(bmp, x, y);
            Rgb u{(float)getr16(p), (float)getg16(p), (float)getb16(p)};
            put_dither(bmp, x, y, {u.r + c.r * k, u.g + c.g * k, u.b + c.b * k});
        }
}

} // namespace kit
