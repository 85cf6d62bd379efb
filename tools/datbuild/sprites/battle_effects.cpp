// Item and spell effects: fire, explosions, the glass ball, sparkles, sand,
// and the light sources of the red herb, Auria and Red Light. Flames are
// drawn from a shared flame shape so that every fire in battle matches.
#include "sprites/battle.h"
#include "dat_names.h"

#include <cmath>

using namespace kit;

namespace {

const int FIRE[5] = {0x5a1010, 0xc8301c, 0xf07a1c, 0xffc23a, 0xfff4c0}; // deep red to white heat

// Deterministic noise so that flames flicker without a random generator.
float hash(int x, int y, int k)
{
    unsigned h = (unsigned)x * 374761393u + (unsigned)y * 668265263u + (unsigned)k * 2147483647u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return ((h ^ (h >> 16)) & 1023) / 1023.0f;
}

// Heat of a flame at (x, y): 1 at its core, 0 outside. Height grows with
// `size` (0..1); `k` varies the flicker.
float flame_heat(float x, float y, float cx, float base, float size, int k)
{
    float h = 22.0f * size, w = 7.5f * std::sqrt(size);
    float t = (base - y) / h; // 0 at the base, 1 at the tip
    if (t < -0.15f || t > 1) return 0;
    float wobble = std::sin(t * 7 + k * 1.7f) * 1.6f * t;
    float half =
        w * (t < 0 ? 1 + t * 4 : std::pow(1 - t, 0.7f)) * (0.85f + 0.3f * hash((int)x, (int)y / 3, k));
    float d = std::fabs(x - cx - wobble) / std::max(half, 0.01f);
    return d < 1 ? (1 - d) * (1 - 0.5f * t) + 0.2f : 0;
}

Canvas burn(int frame) // 0..4: catching, rising, high, blaze, blaze flicker
{
    Canvas c(24, 26);
    const float size[5] = {0.3f, 0.55f, 0.8f, 1.0f, 0.95f};
    for (int y = 0; y < 26; y++)
        for (int x = 0; x < 24; x++) {
            float heat = flame_heat(x + 0.5f, y + 0.5f, 12, 24, size[frame], frame);
            heat =
                std::max(heat, 0.8f * flame_heat(x + 0.5f, y + 0.5f, 7, 24, size[frame] * 0.6f, frame + 3));
            heat =
                std::max(heat, 0.8f * flame_heat(x + 0.5f, y + 0.5f, 17, 24, size[frame] * 0.55f, frame + 7));
            if (heat <= 0.05f) continue;
            int idx = heat < 0.25f ? 0 : heat < 0.45f ? 1 : heat < 0.7f ? 2 : heat < 0.95f ? 3 : 4;
            c.set(x, y, FIRE[idx], FIRE[0]);
        }
    if (frame >= 3) c.set(6 + frame, 2, FIRE[3]), c.set(16 - frame, 4, FIRE[2]); // embers
    return c;
}

Canvas combust(int frame) // 0 spark .. 3 full burst .. 6 last wisps
{
    Canvas c(24, 24);
    const float r[7] = {2.5f, 5, 8, 11, 10, 9, 8};
    for (int y = 0; y < 24; y++)
        for (int x = 0; x < 24; x++) {
            float dx = x + 0.5f - 12, dy = y + 0.5f - 12, d = std::hypot(dx, dy);
            float edge = r[frame] * (0.85f + 0.3f * hash(x / 2, y / 2, frame));
            if (d > edge) continue;
            float t = d / edge;
            if (frame <= 3) {
                int idx = t < 0.3f ? 4 : t < 0.55f ? 3 : t < 0.8f ? 2 : 1;
                if (frame == 0) idx = 4;
                c.set(x, y, FIRE[idx], FIRE[0]);
            } else {
                // Smoke: a ring that thins out, with the last embers inside it.
                float ring = frame == 4 ? 0.35f : frame == 5 ? 0.55f : 0.75f;
                if (t < ring) {
                    if (frame == 4 && t < 0.2f) c.set(x, y, FIRE[2], FIRE[0]);
                    continue;
                }
                if (frame == 6 && hash(x, y, 9) < 0.5f) continue;
                int smoke = t > 0.9f ? 0x4a4450 : hash(x, y, frame) < 0.5f ? 0x6e6874 : 0x8a8490;
                c.set(x, y, smoke, 0x2a2630);
            }
        }
    if (frame == 3)
        for (int i = 0; i < 8; i++) {
            float a = i * 0.785f + 0.4f;
            c.set(12 + (int)(std::cos(a) * 11.5f), 12 + (int)(std::sin(a) * 11.5f), FIRE[3]);
        }
    return c;
}

Canvas glass_ball(int frame) // 0 forming .. 3 closed
{
    Canvas c(28, 28);
    const int glass = 0xa8e0f0, rim = 0x4a8aa8;
    float cover = (frame + 1) / 4.0f; // how much of the sphere has closed, from the bottom up
    for (int y = 0; y < 28; y++)
        for (int x = 0; x < 28; x++) {
            float dx = x + 0.5f - 14, dy = y + 0.5f - 14, d = std::hypot(dx, dy);
            if (d > 13) continue;
            float up = (14 - (y + 0.5f)) / 28.0f + 0.5f; // 0 bottom, 1 top
            if (up > cover) continue;
            if (d > 12) {
                c.set(x, y, rim, 0x20405a);
            } else if (d > 10.8f || (dx < -3 && dy < -3 && d > 6 && d < 8.5f)) {
                c.set(x, y, d > 10.8f ? glass : 0xffffff, 0x20405a);
            } else if (((x + y) & 1) == 0 && ((x / 2 + y) % 3 == 0)) {
                // Sparse glints let the hero show through the glass.
                c.set(x, y, 0xd8f4ff, 0x20405a);
            }
        }
    return c;
}

Canvas shine()
{
    Canvas c(24, 24);
    // A four-pointed star with smaller diagonal glints.
    for (int y = 0; y < 24; y++)
        for (int x = 0; x < 24; x++) {
            float dx = std::fabs(x + 0.5f - 12), dy = std::fabs(y + 0.5f - 12);
            float star = std::min(dx * 0.25f + dy * 2.2f, dx * 2.2f + dy * 0.25f);
            float diag = std::fabs(dx - dy) * 2 + (dx + dy) * 0.5f;
            if (star < 3)
                c.set(x, y, star < 1.2f ? 0xffffff : star < 2.2f ? 0xfff4b0 : 0xf0c040, 0x8a6a20);
            else if (diag < 3.2f)
                c.set(x, y, diag < 1.5f ? 0xfff4b0 : 0xe0b030, 0x8a6a20);
        }
    return c;
}

// Red herb: 24 frames of a fire blossom that swells, blazes and dies down.
Canvas red_herb(int frame)
{
    Canvas c(32, 32, 0);
    float life = frame / 23.0f;
    float size = life < 0.4f ? life / 0.4f : life < 0.7f ? 1.0f : 1 - (life - 0.7f) / 0.3f * 0.9f;
    float peak = life < 0.75f ? 1.0f : 1 - (life - 0.75f) / 0.25f * 0.8f;
    glow(c, 16, 17, 4 + 10 * size, 0xff3018, peak, 1.2f);
    for (int i = 0; i < 5; i++) {
        float a = -1.57f + (i - 2) * 0.5f + std::sin(frame * 0.9f + i) * 0.15f;
        float len = (6 + 8 * size) * (i % 2 ? 0.8f : 1.0f);
        glow_line(c, 16, 19, 16 + std::cos(a) * len, 19 + std::sin(a) * len, 2.5f + size * 1.5f, 0xff8a20,
                  peak);
    }
    glow(c, 16, 19, 2 + 4 * size, 0xfff0a0, peak, 1.0f);
    for (int i = 0; i < 32; i++) c.set(i, 0, 0), c.set(i, 31, 0), c.set(0, i, 0), c.set(31, i, 0);
    return c;
}

Canvas auria_point()
{
    // Grey on black: the monochrome glow reads the red channel as its strength.
    Canvas c(9, 9, 0);
    glow(c, 4.5f, 4.5f, 4.5f, 0xffffff, 1.0f, 1.4f);
    return c;
}

Canvas sand(int size)
{
    int n = size ? 16 : 12;
    Canvas c(n, n);
    const int grains[3] = {0xe8c888, 0xc8a060, 0x9a7444};
    // A loose cloud of grains, densest in the middle.
    for (int y = 0; y < n; y++)
        for (int x = 0; x < n; x++) {
            float d = std::hypot(x + 0.5f - n / 2.0f, y + 0.5f - n / 2.0f) / (n / 2.0f);
            if (d < 1 && hash(x, y, size) < 0.85f - d * 0.7f)
                c.set(x, y, grains[(int)(hash(y, x, 3) * 2.99f)], 0x5a4024);
        }
    return c;
}

Canvas red_light_core()
{
    Canvas c(48, 48, 0);
    glow(c, 24, 24, 22, 0xff2a10, 1.0f, 1.6f);
    glow(c, 24, 24, 11, 0xff7a30, 1.0f, 1.2f);
    glow(c, 24, 24, 5, 0xfff0c0, 1.0f, 1.0f);
    return c;
}

Canvas red_light_halo()
{
    Canvas c(48, 48, 0);
    // A soft ring with rays, grey so the monochrome glow can paint it any colour.
    for (int y = 0; y < 48; y++)
        for (int x = 0; x < 48; x++) {
            float d = std::hypot(x + 0.5f - 24, y + 0.5f - 24);
            float a = std::atan2(y + 0.5f - 24, x + 0.5f - 24);
            float ring = std::max(0.0f, 1 - std::fabs(d - 15) / 5);
            float rays = d < 22 ? std::pow(std::fabs(std::cos(a * 6)), 12.0f) * (1 - d / 22) : 0;
            float v = std::min(1.0f, ring * 0.8f + rays * 0.9f);
            if (v > 0) c.set(x, y, scale(0xffffff, v));
        }
    return c;
}

} // namespace

void draw_effects()
{
    battle_section("effects");
    for (int i = 0; i < 7; i++) battle_put(FX_COMBUST_1 + i, combust(i));
    for (int i = 0; i < 4; i++) battle_put(FX_GLASSBALL_1 + i, glass_ball(i));
    battle_put(FX_SHINE, shine());
    for (int i = 0; i < 5; i++) battle_put(FX_BURN_1 + i, burn(i));
    battle_put(FX_AURIA_POINT, auria_point());
    battle_put(FX_SAND_SMALL, sand(0));
    battle_put(FX_SAND_LARGE, sand(1));
    battle_section("lights");
    for (int i = 0; i < 24; i++) battle_put(FX_REDHERB_01 + i, red_herb(i));
    battle_put(FX_REDLIGHT_CORE, red_light_core());
    battle_put(FX_REDLIGHT_HALO, red_light_halo());
}
