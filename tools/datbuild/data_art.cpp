// Drawing kit shared by the picture generators, and the game palette.
#include "data_art.h"
#include "dat_names.h"

#include <algorithm>
#include <cmath>


namespace art {
namespace {

// 4x4 ordered dither thresholds, centred on zero.
const int bayer4[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

int clamp255(float v) { return std::max(0, std::min(255, (int)std::lround(v))); }

} // namespace

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

void game_palette(RGB pal[256])
{
    auto set = [&](int i, int hex) {
        pal[i].r = hex >> 16 & 255;
        pal[i].g = hex >> 8 & 255;
        pal[i].b = hex & 255;
        pal[i].filler = 0;
    };
    // Everything not named below: a few soft ramps so that 8-bit art, should
    // any ever use the palette, gets sensible colours.
    for (int i = 0; i < 256; i++) {
        int ramp = i / 32, step = i % 32;
        int v = step * 255 / 31;
        static const int tint[8] = {0xFFFFFF, 0xFF8060, 0x80FF80, 0x8090FF, 0xFFE080, 0xC080FF, 0x80FFFF, 0xFFB0D0};
        int t = tint[ramp];
        set(i, ((t >> 16 & 255) * v / 255) << 16 | ((t >> 8 & 255) * v / 255) << 8 | (t & 255) * v / 255);
    }
    set(0, 0x000000);
    set(FC_SHADOW, 0x080818);           // deep navy: reads as shadow on the blue windows
    for (int i = 2; i < 16; i++) set(i, i * 0x111111);   // grey ramp
    set(FC_TEXT, 0xF8F4E8);             // warm white
    set(FC_KNOCKED_OUT, 0xF05050);      // red
    set(FC_THOUGHT, 0x88F8A8);          // mint: thoughts and healing numbers
    set(FC_LOW_HP, 0xF8D040);           // amber warning
    set(20, 0xC8C8D0);
    set(21, 0x9090A0);
    set(FC_MP, 0x70E8F8);               // cyan, as the MP numbers
    set(FC_POISON, 0xC888F8);           // violet
    set(FC_DIM, 0x78788C);              // muted grey-blue
    // Icon colours of the font (element icons, bottle, weapons, herbs, key).
    set(64, 0xF85818);   // fire red-orange
    set(65, 0xF8C030);   // fire yellow
    set(66, 0x8C5A2C);   // earth brown
    set(67, 0x5CB040);   // earth green / herb
    set(68, 0xB8F0F8);   // air pale cyan
    set(69, 0x3878F0);   // water blue
    set(70, 0xA0D0F8);   // water highlight
    set(71, 0xF8F0A0);   // light gold-white
    set(72, 0x7030A0);   // darkness purple
    set(73, 0x281040);   // darkness deep
    set(74, 0xC0C8D8);   // steel
    set(75, 0x707888);   // steel shade
    set(76, 0xA06830);   // wood / leather
    set(77, 0xE0B040);   // gold
    set(78, 0xE04060);   // potion red
    set(79, 0x2E7A2A);   // herb dark
}

} // namespace art

using namespace art;

void add_palette(DatFile& f)
{
    RGB pal[256];
    game_palette(pal);
    dat_put(f, GAME_PALETTE, dat_palette("GAME_PALETTE", pal));
}
