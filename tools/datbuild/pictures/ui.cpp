// Interface pictures and effect pictures of data.dat: pointer, scroll thumb,
// time bar, hit sparks, sparkles and the glow pictures that the game turns
// into light maps (bright where they glow, black elsewhere).
#include "pictures/art.h"
#include "dat_names.h"
#include "px.h"

#include <cmath>

using namespace art;

namespace {

const float PI = 3.14159265f;

// The time bar's trough; the game lays it at half opacity under the fill.
Bmp timebar_back()
{
    Bmp b = new_bmp(100, 8);
    vgradient(b.get(), 0, 0, 99, 7, rgb_hex(0x10183A), rgb_hex(0x283868));
    for (int x = 10; x < 100; x += 10) vline(b.get(), x, 2, 5, col16(rgb_hex(0x4A5A90)));
    return b;
}

// Warm gold, so that the green tint of a full bar stands out from it.
Bmp timebar_fill()
{
    Bmp b = new_bmp(100, 8);
    static const int rows[8] = {0xFFF4B0, 0xFFE070, 0xF8C440, 0xF0A830,
                                0xE08A20, 0xC86C18, 0xA85010, 0x703008};
    for (int y = 0; y < 8; y++)
        for (int x = 0; x < 100; x++) {
            Rgb c = rgb_hex(rows[y]);
            // A faint sheen that moves diagonally along the bar.
            float sheen = ((x + y * 2) % 24 < 3) ? 0.18f : 0.0f;
            put_dither(b.get(), x, y, mix(c, rgb_hex(0xFFFFFF), sheen));
        }
    return b;
}

// One frame of the hit spark: a white core, gold rays, flying chips.
Bmp hit_spark(int frame)
{
    Bmp b = new_bmp(24, 24, true);
    BITMAP* d = b.get();
    Rng rng(71 + frame);
    const float cx = 11.5f, cy = 11.5f;
    int white = makecol16(255, 255, 255), gold = makecol16(255, 214, 80), orange = makecol16(240, 120, 32);
    int rays = 8;
    float len = frame == 0 ? 6 : frame == 1 ? 11 : 9;
    float inner = frame == 2 ? 5 : 0;
    for (int i = 0; i < rays; i++) {
        float a = i * 2 * PI / rays + (frame == 1 ? PI / rays : 0);
        float l = (i % 2 ? len * 0.6f : len);
        int x0 = (int)(cx + std::cos(a) * inner), y0 = (int)(cy + std::sin(a) * inner);
        int x1 = (int)(cx + std::cos(a) * l), y1 = (int)(cy + std::sin(a) * l);
        line(d, x0, y0, x1, y1, frame == 2 ? orange : gold);
        int xm = (int)(cx + std::cos(a) * (inner + (l - inner) * 0.5f));
        int ym = (int)(cy + std::sin(a) * (inner + (l - inner) * 0.5f));
        line(d, x0, y0, xm, ym, frame == 2 ? gold : white);
    }
    if (frame < 2) {
        circlefill(d, (int)cx, (int)cy, frame == 0 ? 3 : 4, gold);
        circlefill(d, (int)cx, (int)cy, frame == 0 ? 2 : 3, white);
    } else {
        for (int i = 0; i < 7; i++) { // chips flung outwards
            float a = rng.unit() * 2 * PI, r = 7 + rng.unit() * 4;
            putpixel(d, (int)(cx + std::cos(a) * r), (int)(cy + std::sin(a) * r), i % 2 ? white : gold);
        }
    }
    // A dark rim keeps the spark visible on pale sand and bright grass.
    Bmp rimmed = new_bmp(24, 24, true);
    blit(d, rimmed.get(), 0, 0, 0, 0, 24, 24);
    int rim = makecol16(110, 40, 16);
    outline_ring(
        24, 24, [&](int x, int y) { return getpixel(d, x, y) != MASK16; },
        [&](int x, int y, int, int) { putpixel(rimmed.get(), x, y, rim); });
    return rimmed;
}

// A round glow: brightness falls off from the centre (light-map source).
Bmp orb_glow(int size, Rgb colour, float radius, float core, float rays)
{
    Bmp b = new_bmp(size, size);
    float c = (size - 1) / 2.0f;
    for (int y = 0; y < size; y++)
        for (int x = 0; x < size; x++) {
            float dx = x - c, dy = y - c;
            float d = std::hypot(dx, dy) / radius;
            float v = d < 1 ? (1 - d) * (1 - d) : 0;
            v += core * std::exp(-d * d * 12);
            // Four soft rays give the glow a twinkle.
            float ray = std::exp(-std::fabs(dx) * 1.6f) + std::exp(-std::fabs(dy) * 1.6f);
            v += rays * ray * std::max(0.0f, 1 - std::hypot(dx, dy) / (size * 0.5f));
            v = std::min(1.0f, v);
            Rgb px = mix(colour, rgb_hex(0xFFFFFF), std::min(1.0f, core * std::exp(-d * d * 6)));
            put_dither(b.get(), x, y, {px.r * v, px.g * v, px.b * v});
        }
    return b;
}

// A jagged electric flash for the bolt spell: white-violet forks from the centre.
Bmp bolt_glow(int frame)
{
    Bmp b = orb_glow(32, rgb_hex(0x9080FF), 6.0f + frame * 1.5f, 0.6f, 0.0f);
    Rng rng(907 + frame * 31);
    int forks = 3 + frame % 4;
    for (int i = 0; i < forks; i++) {
        float a = rng.unit() * 2 * PI;
        float x = 15.5f, y = 15.5f;
        int steps = 5 + frame;
        for (int s = 0; s < steps; s++) {
            a += (rng.unit() - 0.5f) * 1.4f;
            float nx = x + std::cos(a) * 2.2f, ny = y + std::sin(a) * 2.2f;
            line(b.get(), (int)x, (int)y, (int)nx, (int)ny,
                 col16(s < 2 ? rgb_hex(0xFFFFFF) : rgb_hex(0xC8B8FF)));
            x = nx;
            y = ny;
        }
    }
    return b;
}

} // namespace

void add_ui_art(DatFile& f, const std::string& assets)
{
    PxFile ui = px_load(assets + "/data/ui.px");
    auto sprite = [&](const char* name) { return Bmp(px_bitmap(ui, px_find(ui, name))); };

    dat_put(f, POINTER, dat_rle("POINTER", sprite("pointer").get()));
    dat_put(f, SCROLL_THUMB, dat_rle("SCROLL_THUMB", sprite("thumb").get()));
    dat_put(f, SPARKLE_SAVE, dat_rle("SPARKLE_SAVE", sprite("sparkle_save").get()));
    dat_put(f, SPARKLE_HEAL, dat_bitmap("SPARKLE_HEAL", sprite("sparkle_heal").get()));

    dat_put(f, TIMEBAR_BACK, dat_bitmap("TIMEBAR_BACK", timebar_back().get()));
    dat_put(f, TIMEBAR_FILL, dat_bitmap("TIMEBAR_FILL", timebar_fill().get()));

    for (int i = 0; i < 3; i++) {
        char name[32];
        snprintf(name, sizeof name, "HIT_SPARK_%d", i + 1);
        dat_put(f, HIT_SPARK_1 + i, dat_rle(name, hit_spark(i).get()));
    }

    // Grey mask for the one-colour light maps (only brightness counts).
    dat_put(f, GLOW_MASK, dat_bitmap("GLOW_MASK", orb_glow(32, rgb_hex(0xFFFFFF), 15.0f, 0.5f, 0.08f).get()));
    // The save spot pulses through three glows; the potions reuse two of them.
    dat_put(f, SAVE_GLOW_1,
            dat_bitmap("SAVE_GLOW_1", orb_glow(16, rgb_hex(0x40A0FF), 7.0f, 0.8f, 0.08f).get()));
    dat_put(f, SAVE_GLOW_2,
            dat_bitmap("SAVE_GLOW_2", orb_glow(16, rgb_hex(0x50C0FF), 8.5f, 1.0f, 0.14f).get()));
    dat_put(f, SAVE_GLOW_3,
            dat_bitmap("SAVE_GLOW_3", orb_glow(16, rgb_hex(0x70E0FF), 10.0f, 1.2f, 0.20f).get()));

    for (int i = 0; i < 8; i++) {
        char name[32];
        snprintf(name, sizeof name, "BOLT_GLOW_%d", i + 1);
        dat_put(f, BOLT_GLOW_1 + i, dat_bitmap(name, bolt_glow(i).get()));
    }
}
