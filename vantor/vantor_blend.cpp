// Whole-screen translucency for 16-bit memory bitmaps: darkening and laying
// one picture over another. The frame loop does this every frame (dim light,
// the fountain, the wet sheen, drifting fog) and the fades every step, so it
// works eight 5-6-5 pixels at a time instead of calling the library's blender
// once per pixel. Other depths fall back to plain, slow, exact code.
#include "vantor.h"

#include <algorithm>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "vantor_frame.h"

namespace {

bool fast_16(BITMAP* b) { return b && is_memory_bitmap(b) && bitmap_color_depth(b) == 16; }

// Opacity 0-255 as 0-32: five bits are all a 5-6-5 channel needs.
int level32(int a) { return (std::clamp(a, 0, 255) * 32 + 127) / 255; }

inline int red(unsigned p) { return p >> 11; }
inline int green(unsigned p) { return (p >> 5) & 63; }
inline int blue(unsigned p) { return p & 31; }
inline uint16_t rgb(int r, int g, int b) { return (uint16_t)((r << 11) | (g << 5) | b); }

// One channel moved from d toward s by n/32.
inline int toward(int d, int s, int n) { return d + (((s - d) * n) >> 5); }

void darken_row(uint16_t* p, int w, int keep)
{
    int x = 0;
#if defined(__SSE2__)
    const __m128i k = _mm_set1_epi16((short)keep), g6 = _mm_set1_epi16(0x3F), b5 = _mm_set1_epi16(0x1F);
    for (; x + 8 <= w; x += 8) {
        __m128i v = _mm_loadu_si128((const __m128i*)(p + x));
        __m128i r = _mm_srli_epi16(_mm_mullo_epi16(_mm_srli_epi16(v, 11), k), 5);
        __m128i g = _mm_srli_epi16(_mm_mullo_epi16(_mm_and_si128(_mm_srli_epi16(v, 5), g6), k), 5);
        __m128i b = _mm_srli_epi16(_mm_mullo_epi16(_mm_and_si128(v, b5), k), 5);
        v = _mm_or_si128(_mm_or_si128(_mm_slli_epi16(r, 11), _mm_slli_epi16(g, 5)), b);
        _mm_storeu_si128((__m128i*)(p + x), v);
    }
#endif
    for (; x < w; x++) p[x] = rgb(red(p[x]) * keep >> 5, green(p[x]) * keep >> 5, blue(p[x]) * keep >> 5);
}

void blend_row(uint16_t* d, const uint16_t* s, int w, int n, bool masked)
{
    const uint16_t mask = (uint16_t)MASK_COLOR_16;
    int x = 0;
#if defined(__SSE2__)
    const __m128i k = _mm_set1_epi16((short)n), g6 = _mm_set1_epi16(0x3F), b5 = _mm_set1_epi16(0x1F);
    const __m128i mk = _mm_set1_epi16((short)mask);
    auto mix = [&](__m128i dc, __m128i sc) {
        return _mm_add_epi16(dc, _mm_srai_epi16(_mm_mullo_epi16(_mm_sub_epi16(sc, dc), k), 5));
    };
    for (; x + 8 <= w; x += 8) {
        __m128i dv = _mm_loadu_si128((const __m128i*)(d + x));
        __m128i sv = _mm_loadu_si128((const __m128i*)(s + x));
        __m128i r = mix(_mm_srli_epi16(dv, 11), _mm_srli_epi16(sv, 11));
        __m128i g = mix(_mm_and_si128(_mm_srli_epi16(dv, 5), g6), _mm_and_si128(_mm_srli_epi16(sv, 5), g6));
        __m128i b = mix(_mm_and_si128(dv, b5), _mm_and_si128(sv, b5));
        __m128i out = _mm_or_si128(_mm_or_si128(_mm_slli_epi16(r, 11), _mm_slli_epi16(g, 5)), b);
        if (masked) {
            __m128i hole = _mm_cmpeq_epi16(sv, mk);
            out = _mm_or_si128(_mm_and_si128(hole, dv), _mm_andnot_si128(hole, out));
        }
        _mm_storeu_si128((__m128i*)(d + x), out);
    }
#endif
    for (; x < w; x++) {
        if (masked && s[x] == mask) continue;
        d[x] = rgb(toward(red(d[x]), red(s[x]), n), toward(green(d[x]), green(s[x]), n),
                   toward(blue(d[x]), blue(s[x]), n));
    }
}

} // namespace

void darken_bitmap(BITMAP* bmp, int a)
{
    if (!bmp || a <= 0) return;
    int depth = bitmap_color_depth(bmp);
    if (a >= 255) {
        clear_to_color(bmp, makecol_depth(depth, 0, 0, 0));
        return;
    }
    if (!fast_16(bmp)) {
        set_trans_blender(0, 0, 0, a);
        drawing_mode(DRAW_MODE_TRANS, nullptr, 0, 0);
        rectfill(bmp, 0, 0, bmp->w - 1, bmp->h - 1, makecol_depth(depth, 0, 0, 0));
        solid_mode();
        return;
    }
    int keep = 32 - level32(a);
    for (int y = 0; y < bmp->h; y++) darken_row((uint16_t*)bmp->line[y], bmp->w, keep);
}

void blend_bitmap(BITMAP* dst, BITMAP* src, int a, int masked)
{
    if (!dst || !src || a <= 0) return;
    int w = std::min(dst->w, src->w), h = std::min(dst->h, src->h);
    if (!fast_16(dst) || !fast_16(src)) {
        // Also the cross-fade case must not skip the mask colour the way
        // draw_trans_sprite would, so this is done by hand.
        a = std::min(a, 255);
        int hole = bitmap_mask_color(src);
        for (int y = 0; y < h; y++)
            for (int x = 0; x < w; x++) {
                int s = getpixel(src, x, y), d = getpixel(dst, x, y);
                if (masked && s == hole) continue;
                auto mix = [a](int cs, int cd) { return cd + (cs - cd) * a / 255; };
                putpixel(dst, x, y,
                         makecol(mix(getr(s), getr(d)), mix(getg(s), getg(d)), mix(getb(s), getb(d))));
            }
        return;
    }
    int n = level32(a);
    for (int y = 0; y < h; y++)
        blend_row((uint16_t*)dst->line[y], (const uint16_t*)src->line[y], w, n, masked != 0);
}
