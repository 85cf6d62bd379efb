// Grounds and everything shaped by where ground meets ground: textures,
// transitions between grasses, sands and water, rivers, roads and forests.
// All patterns repeat every 16 pixels so neighbouring tiles join seamlessly.
#include "tiles/paint.h"

#include <algorithm>
#include <cmath>

namespace tilepaint {

float hash01(int x, int y, int seed)
{
    uint32_t h =
        (uint32_t)(x & 15) * 374761393u + (uint32_t)(y & 15) * 668265263u + (uint32_t)seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xFFFF) / 65535.0f;
}

float vnoise(int x, int y, int seed, int cell)
{
    int x0 = (int)std::floor((float)x / cell) * cell, y0 = (int)std::floor((float)y / cell) * cell;
    float fx = (float)(x - x0) / cell, fy = (float)(y - y0) / cell;
    fx = fx * fx * (3 - 2 * fx);
    fy = fy * fy * (3 - 2 * fy);
    float a = hash01(x0, y0, seed), b = hash01(x0 + cell, y0, seed);
    float c = hash01(x0, y0 + cell, seed), d = hash01(x0 + cell, y0 + cell, seed);
    return (a * (1 - fx) + b * fx) * (1 - fy) + (c * (1 - fx) + d * fx) * fy;
}

void rect(Tile& t, int x0, int y0, int x1, int y1, uint32_t c)
{
    for (int y = y0; y <= y1; y++)
        for (int x = x0; x <= x1; x++) t.set(x, y, c);
}

void hline(Tile& t, int x0, int x1, int y, uint32_t c) { rect(t, x0, y, x1, y, c); }
void vline(Tile& t, int x, int y0, int y1, uint32_t c) { rect(t, x, y0, x, y1, c); }

void disc(Tile& t, float cx, float cy, float r, uint32_t c)
{
    for (int y = 0; y < TS; y++)
        for (int x = 0; x < TS; x++) {
            float dx = x + 0.5f - cx, dy = y + 0.5f - cy;
            if (dx * dx + dy * dy <= r * r) t.set(x, y, c);
        }
}

void ball(Tile& t, float cx, float cy, float r, uint32_t base)
{
    for (int y = 0; y < TS; y++)
        for (int x = 0; x < TS; x++) {
            float dx = x + 0.5f - cx, dy = y + 0.5f - cy;
            float d = std::sqrt(dx * dx + dy * dy);
            if (d > r) continue;
            float lit = (-dx * 0.6f - dy * 0.8f) / r; // light from the upper left
            uint32_t c = base;
            if (d > r - 1.0f)
                c = scale(base, 0.45f);
            else if (lit > 0.45f)
                c = scale(base, 1.3f);
            else if (lit > 0.1f)
                c = scale(base, 1.12f);
            else if (lit < -0.5f)
                c = scale(base, 0.72f);
            else if (lit < -0.15f)
                c = scale(base, 0.86f);
            t.set(x, y, c);
        }
}

void outline(Tile& t, uint32_t c)
{
    const Tile src = t;
    kit::outline_ring(
        TS, TS, [&](int x, int y) { return src.p[y][x] != CLEAR; },
        [&](int x, int y, int, int) { t.p[y][x] = c; });
}

void over(Tile& base, const Tile& top)
{
    for (int y = 0; y < TS; y++)
        for (int x = 0; x < TS; x++)
            if (top.p[y][x] != CLEAR) base.p[y][x] = top.p[y][x];
}

void wall_shadow(Tile& t, int rows)
{
    for (int y = 0; y < rows && y < TS; y++)
        for (int x = 0; x < TS; x++)
            if (t.p[y][x] != CLEAR) t.p[y][x] = scale(t.p[y][x], 0.62f + 0.3f * y / rows);
}

bool has(const std::string& dirs, char d) { return dirs.find(d) != std::string::npos; }

namespace {

// Distance to the nearest and second nearest stone centre of a jittered grid
// of `g` pixels (a divisor of 16), and which stone is nearest.
struct Cell {
    float d1, d2, cx, cy;
    int id;
};

Cell stones(int x, int y, int g, int seed)
{
    Cell c{1e9f, 1e9f, 0, 0, 0};
    int n = TS / g;
    int gx = (int)std::floor((float)x / g), gy = (int)std::floor((float)y / g);
    for (int j = -1; j <= 1; j++)
        for (int i = -1; i <= 1; i++) {
            int cx = gx + i, cy = gy + j;
            int wx = ((cx % n) + n) % n, wy = ((cy % n) + n) % n;
            float px = cx * g + g * (0.25f + 0.5f * hash01(wx, wy, seed));
            float py = cy * g + g * (0.25f + 0.5f * hash01(wx, wy, seed + 1));
            float dx = x + 0.5f - px, dy = y + 0.5f - py;
            float d = std::sqrt(dx * dx + dy * dy);
            if (d < c.d1) {
                c.d2 = c.d1;
                c.d1 = d;
                c.cx = dx;
                c.cy = dy;
                c.id = wy * n + wx;
            } else if (d < c.d2)
                c.d2 = d;
        }
    return c;
}

uint32_t stone_px(int x, int y, int g, int seed, uint32_t stone, uint32_t mortar, float spread)
{
    Cell c = stones(x, y, g, seed);
    if (c.d2 - c.d1 < 1.1f) return mortar;
    float v = 1 + spread * (hash01(c.id, c.id * 3, seed + 5) - 0.5f);
    uint32_t s = scale(stone, v);
    if (c.d2 - c.d1 < 2.2f && (c.cx + c.cy) > 0) return scale(s, 0.8f);  // shaded lower right rim
    if (c.d2 - c.d1 < 2.2f && (c.cx + c.cy) < 0) return scale(s, 1.15f); // lit upper left rim
    return s;
}

// Scattered grass blades: a light tip with a dark root under it.
uint32_t blades(int x, int y, int seed, float chance, uint32_t c, uint32_t light, uint32_t dark)
{
    if (hash01(x, y, seed) > 1 - chance) return light;
    if (hash01(x, y - 1, seed) > 1 - chance) return dark;
    return c;
}

uint32_t textured(int x, int y, int seed, uint32_t base, float amount, int cell)
{
    float n = vnoise(x, y, seed, cell) * 0.7f + hash01(x, y, seed + 9) * 0.3f;
    return scale(base, 1 + amount * (n - 0.5f));
}

} // namespace

uint32_t ground_px(const std::string& k, int x, int y)
{
    if (k == "grass") {
        uint32_t c = textured(x, y, 1, rgb(88, 164, 64), 0.28f, 8);
        return blades(x, y, 3, 0.05f, c, rgb(136, 204, 88), rgb(56, 120, 44));
    }
    if (k == "wgrass") {
        uint32_t c = textured(x, y, 11, rgb(96, 176, 72), 0.16f, 8);
        return blades(x, y, 13, 0.025f, c, rgb(136, 208, 96), rgb(68, 136, 56));
    }
    if (k == "woods") {
        uint32_t c = textured(x, y, 21, rgb(58, 80, 50), 0.35f, 4);
        if (hash01(x, y, 23) > 0.9f) return rgb(96, 76, 48); // fallen leaves
        return c;
    }
    if (k == "woodsgrass") {
        uint32_t c = textured(x, y, 25, rgb(56, 108, 56), 0.25f, 8);
        return blades(x, y, 26, 0.06f, c, rgb(84, 144, 72), rgb(36, 76, 40));
    }
    if (k == "woodspath") {
        uint32_t c = textured(x, y, 27, rgb(116, 94, 62), 0.22f, 4);
        if (hash01(x, y, 28) > 0.94f) return rgb(150, 132, 104);
        return c;
    }
    if (k == "dirt") {
        uint32_t c = textured(x, y, 31, rgb(178, 134, 84), 0.2f, 4);
        if (hash01(x, y, 32) > 0.93f) return rgb(140, 100, 62);
        if (hash01(x, y, 33) > 0.96f) return rgb(208, 172, 120);
        return c;
    }
    if (k == "mud") return textured(x, y, 35, rgb(118, 94, 62), 0.3f, 4);
    if (k == "swamp") {
        float n = vnoise(x, y, 36, 8);
        if (n > 0.62f) return n > 0.7f ? rgb(64, 96, 96) : rgb(52, 80, 72);
        return blades(x, y, 37, 0.08f, textured(x, y, 38, rgb(96, 128, 68), 0.2f, 4), rgb(140, 164, 84),
                      rgb(64, 88, 48));
    }
    if (k == "cobble") return stone_px(x, y, 4, 41, rgb(168, 160, 148), rgb(104, 98, 92), 0.25f);
    if (k == "wetcobble") {
        uint32_t c = stone_px(x, y, 4, 43, rgb(112, 120, 140), rgb(50, 56, 74), 0.3f);
        if (hash01(x, y, 44) > 0.95f && c != (uint32_t)rgb(50, 56, 74)) return rgb(190, 204, 224); // glints
        return c;
    }
    if (k == "plaza") return stone_px(x, y, 8, 45, rgb(184, 176, 160), rgb(120, 112, 100), 0.18f);
    if (k == "sand" || k == "desert" || k == "beach" || k == "sanddark") {
        uint32_t base = k == "sand"     ? rgb(232, 208, 140)
                        : k == "desert" ? rgb(228, 194, 116)
                        : k == "beach"  ? rgb(240, 226, 168)
                                        : rgb(196, 164, 106);
        uint32_t c = textured(x, y, 51, base, 0.12f, 8);
        float h = hash01(x, y, 52);
        if (h > 0.95f) return scale(base, 0.82f);
        if (h < 0.04f) return scale(base, 1.08f);
        return c;
    }
    if (k == "sandtile") {
        int ox = (y / 8) % 2 ? 4 : 0;
        int xx = (x + ox) % 8, yy = y % 8;
        uint32_t slab = scale(rgb(218, 186, 130), 1 + 0.1f * (hash01((x + ox) / 8, y / 8, 53) - 0.5f));
        if (xx == 7 || yy == 7) return rgb(160, 128, 84);
        if (xx == 0 || yy == 0) return scale(slab, 1.1f);
        return textured(x, y, 54, slab, 0.08f, 4);
    }
    if (k == "wetgrass") {
        uint32_t c = textured(x, y, 55, rgb(66, 134, 88), 0.25f, 8);
        if (hash01(x, y, 56) > 0.97f) return rgb(176, 216, 220);
        return blades(x, y, 57, 0.05f, c, rgb(100, 170, 116), rgb(40, 96, 64));
    }
    return rgb(255, 0, 0);
}

void paint_ground(Tile& t, const std::string& kind)
{
    for (int y = 0; y < TS; y++)
        for (int x = 0; x < TS; x++) t.p[y][x] = ground_px(kind, x, y);
}

namespace {

// ---- water ----
uint32_t water_px(const std::string& k, int x, int y)
{
    uint32_t deep, base, light;
    int rows = 4;
    if (k == "sea") {
        deep = rgb(40, 80, 184);
        base = rgb(52, 104, 212);
        light = rgb(150, 196, 248);
    } else if (k == "deep") {
        deep = rgb(28, 56, 144);
        base = rgb(36, 72, 168);
        light = rgb(92, 136, 216);
    } else if (k == "woods") {
        deep = rgb(30, 58, 72);
        base = rgb(44, 80, 96);
        light = rgb(120, 168, 176);
    } else if (k == "canal") {
        deep = rgb(52, 84, 92);
        base = rgb(64, 104, 112);
        light = rgb(136, 172, 172);
    } else if (k == "fountain") {
        deep = rgb(64, 136, 216);
        base = rgb(88, 164, 232);
        light = rgb(200, 232, 255);
        rows = 3;
    } else {
        deep = rgb(44, 96, 196);
        base = rgb(60, 124, 220);
        light = rgb(164, 208, 252);
    } // pond, river, lake, foam, spring
    uint32_t c = mix(deep, base, vnoise(x, y, 61, 8));
    if (y % rows == 1 && (hash01(x, y, 62) > 0.8f || hash01(x - 1, y, 62) > 0.8f)) c = mix(c, light, 0.75f);
    if (k == "river" &&
        (hash01(x, y, 63) > 0.9f || hash01(x - 1, y, 63) > 0.9f || hash01(x - 2, y, 63) > 0.9f))
        c = mix(c, light, 0.5f); // streaks along the flow
    if (k == "foam" && vnoise(x, y, 64, 4) > 0.66f && hash01(x, y, 65) > 0.35f)
        c = mix(c, rgb(255, 255, 255), 0.7f);
    return c;
}

// Width of the band of other ground along one side, wobbling along it.
float band(char side, int along, int seed) { return 4.0f + 3.0f * vnoise(along, side * 5, seed, 8); }

// Whether pixel (x, y) belongs to the other ground for the given side letters.
// Corner forms ("inw" ...) put the other ground only in that corner.
bool other_at(int x, int y, const std::string& form, int seed)
{
    auto n = [&] { return y < band('n', x, seed); };
    auto s = [&] { return 15 - y < band('s', x, seed); };
    auto w = [&] { return x < band('w', y, seed); };
    auto e = [&] { return 15 - x < band('e', y, seed); };
    if (form.size() == 3 && form[0] == 'i') {
        bool a = form[1] == 'n' ? n() : s();
        bool b = form[2] == 'w' ? w() : e();
        return a && b;
    }
    return (has(form, 'n') && n()) || (has(form, 's') && s()) || (has(form, 'w') && w()) ||
           (has(form, 'e') && e());
}

// Distance (0 = inside) from the nearest pixel of the other ground, up to 3.
int dist_to_other(int x, int y, const std::string& form, int seed, bool want)
{
    for (int r = 1; r <= 3; r++)
        for (int j = -r; j <= r; j++)
            for (int i = -r; i <= r; i++)
                if (other_at(x + i, y + j, form, seed) == want) return r;
    return 4;
}

void paint_coast(Tile& t, const std::string& form)
{
    for (int y = 0; y < TS; y++)
        for (int x = 0; x < TS; x++) {
            if (other_at(x, y, form, 70)) {
                int d = dist_to_other(x, y, form, 70, false); // distance to sea
                t.p[y][x] = d == 1   ? ground_px("beach", x, y)
                            : d == 2 ? mix(ground_px("beach", x, y), ground_px("wgrass", x, y), 0.5f)
                                     : ground_px("wgrass", x, y);
            } else {
                int d = dist_to_other(x, y, form, 70, true);
                uint32_t w = water_px("sea", x, y);
                t.p[y][x] = d == 1   ? rgb(232, 244, 255)
                            : d == 2 ? mix(w, rgb(120, 200, 232), 0.6f)
                            : d == 3 ? mix(w, rgb(96, 168, 228), 0.3f)
                                     : w;
            }
        }
}

// A generic transition: `inner` ground with `outer` ground on the given sides.
void paint_edge(Tile& t, const std::string& inner, const std::string& outer, const std::string& form)
{
    for (int y = 0; y < TS; y++)
        for (int x = 0; x < TS; x++) {
            if (other_at(x, y, form, 80)) {
                t.p[y][x] = ground_px(outer, x, y);
            } else {
                uint32_t c = ground_px(inner, x, y);
                if (dist_to_other(x, y, form, 80, true) == 1)
                    c = scale(c, 0.72f); // a soft rim where the ground changes
                t.p[y][x] = c;
            }
        }
}

// ---- channels: rivers, brooks and roads from the centre to each connected side ----
float seg_dist(float px, float py, float ax, float ay, float bx, float by)
{
    float vx = bx - ax, vy = by - ay, wx = px - ax, wy = py - ay;
    float l = vx * vx + vy * vy;
    float u = l > 0 ? std::clamp((wx * vx + wy * vy) / l, 0.0f, 1.0f) : 0;
    float dx = px - (ax + u * vx), dy = py - (ay + u * vy);
    return std::sqrt(dx * dx + dy * dy);
}

float channel_dist(int x, int y, const std::string& dirs)
{
    float px = x + 0.5f, py = y + 0.5f, d = 1e9f;
    const float c = 8;
    if (has(dirs, 'n')) d = std::min(d, seg_dist(px, py, c, c, c, -4));
    if (has(dirs, 's')) d = std::min(d, seg_dist(px, py, c, c, c, 20));
    if (has(dirs, 'w')) d = std::min(d, seg_dist(px, py, c, c, -4, c));
    if (has(dirs, 'e')) d = std::min(d, seg_dist(px, py, c, c, 20, c));
    if (dirs.size() == 1) d = std::min(d, seg_dist(px, py, c, c, c, c));
    return d;
}

void paint_channel(Tile& t, const std::string& dirs, const std::string& land, const std::string& what)
{
    bool road = what == "road";
    float half = road ? 3.6f : what == "stream" ? 3.8f : 4.6f;
    if (dirs == "spring") half = 4.6f;
    for (int y = 0; y < TS; y++)
        for (int x = 0; x < TS; x++) {
            float d = dirs == "spring"
                          ? std::min(channel_dist(x, y, "s"),
                                     std::max(0.0f, std::hypot(x + 0.5f - 8, y + 0.5f - 7) - 1.8f))
                          : channel_dist(x, y, dirs);
            float wob = 1.2f * (vnoise(x, y, 91, 4) - 0.5f);
            float e = d + wob - half;
            uint32_t c;
            if (road) {
                if (e < -1)
                    c = ground_px("dirt", x, y);
                else if (e < 0)
                    c = scale(ground_px("dirt", x, y), 0.85f);
                else if (e < 1)
                    c = mix(ground_px(land, x, y), rgb(120, 110, 60), 0.35f);
                else
                    c = ground_px(land, x, y);
            } else {
                uint32_t w = what == "stream" ? water_px("woods", x, y) : water_px("river", x, y);
                if (e < -1.2f)
                    c = w;
                else if (e < 0)
                    c = mix(w, rgb(200, 232, 255), 0.55f); // foam at the bank
                else if (e < 1.3f)
                    c = what == "stream" ? rgb(70, 58, 40) : rgb(140, 110, 66); // earthen bank
                else
                    c = ground_px(land, x, y);
            }
            t.p[y][x] = c;
        }
}

// ---- canopies: forests drawn as overlapping round crowns ----
struct Crown {
    float x, y;
};

void paint_canopy(Tile& t, const std::string& dirs, const std::string& ground, uint32_t leaf, float r,
                  bool trunks, bool pines)
{
    paint_ground(t, ground);
    static const Crown pattern[] = {{1, 2}, {9, 1}, {5, 8}, {13, 9}, {1, 14}, {9, 15}};
    std::vector<Crown> all;
    for (int dy = -1; dy <= 1; dy++)
        for (int dx = -1; dx <= 1; dx++) {
            if (dx && !has(dirs, dx < 0 ? 'w' : 'e')) continue;
            if (dy && !has(dirs, dy < 0 ? 'n' : 's')) continue;
            for (const Crown& p : pattern) {
                float x = p.x + 16 * dx, y = p.y + 16 * dy;
                // crowns pull back from a side where the forest ends
                if (!dx && !dy) {
                    if (!has(dirs, 'n') && y < 5) continue;
                    if (!has(dirs, 's') && y > 10) continue;
                    if (!has(dirs, 'w') && x < 4) continue;
                    if (!has(dirs, 'e') && x > 12) continue;
                }
                all.push_back({x + 1.5f * (hash01((int)x, (int)y, 95) - 0.5f), y});
            }
        }
    if (dirs == "one") all = {{8, 7}};
    std::sort(all.begin(), all.end(), [](const Crown& a, const Crown& b) { return a.y < b.y; });
    for (const Crown& c : all) {
        if (trunks) rect(t, (int)c.x - 1, (int)(c.y + r - 2), (int)c.x, (int)(c.y + r + 2), rgb(72, 50, 32));
        uint32_t tone = scale(leaf, 0.9f + 0.2f * hash01((int)c.x, (int)c.y, 96));
        if (pines) {
            for (int y = 0; y < TS; y++)
                for (int x = 0; x < TS; x++) {
                    float dy = y + 0.5f - (c.y - r), dx = std::fabs(x + 0.5f - c.x);
                    if (dy < 0 || dy > 2 * r) continue;
                    float wdt = dy * 0.5f;
                    if (dx > wdt) continue;
                    t.set(x, y,
                          dx > wdt - 1 ? scale(tone, 0.5f) : (x + 0.5f < c.x ? scale(tone, 1.2f) : tone));
                }
        } else {
            ball(t, c.x, c.y, r, tone);
        }
    }
}

} // namespace

bool paint_ground_look(Tile& t, const Look& l)
{
    const std::string& k = l[0];
    std::string a1 = l.size() > 1 ? l[1] : "", a2 = l.size() > 2 ? l[2] : "", a3 = l.size() > 3 ? l[3] : "";
    if (k == "ground") {
        paint_ground(t, a1);
        Tile deco;
        if (a2 == "flowers" || a2 == "bed" || a2 == "blue" || a2 == "bigflowers") {
            int n = a2 == "bed" ? 9 : a2 == "bigflowers" ? 6 : 4;
            for (int i = 0; i < n; i++) {
                int x = 1 + (int)(hash01(i, 1, 101) * 13), y = 1 + (int)(hash01(i, 2, 101) * 13);
                uint32_t c = a2 == "blue" ? rgb(96, 128, 240)
                                          : (i % 3 == 0   ? rgb(248, 232, 96)
                                             : i % 3 == 1 ? rgb(236, 84, 84)
                                                          : rgb(248, 248, 248));
                if (a1 == "wgrass" || a1 == "wetgrass") c = i % 2 ? rgb(248, 248, 240) : rgb(248, 220, 96);
                deco.set(x, y, c);
                deco.set(x + 1, y, scale(c, 0.8f));
                deco.set(x, y + 1, scale(c, 0.8f));
                if (a2 == "bed" || a2 == "bigflowers") {
                    deco.set(x - 1, y, c);
                    deco.set(x, y - 1, c);
                    deco.set(x, y + 2, rgb(40, 110, 40));
                }
            }
        } else if (a2 == "tufts") {
            for (int i = 0; i < 4; i++) {
                int x = 2 + (int)(hash01(i, 3, 103) * 11), y = 3 + (int)(hash01(i, 4, 103) * 10);
                uint32_t d = a1 == "wgrass" ? rgb(60, 128, 52) : rgb(52, 112, 40);
                deco.set(x, y, d);
                deco.set(x - 1, y - 1, d);
                deco.set(x + 1, y - 1, d);
                deco.set(x, y - 2, rgb(140, 210, 96));
            }
        } else if (a2 == "shade") {
            for (int y = 0; y < TS; y++)
                for (int x = 0; x < TS; x++) t.p[y][x] = scale(t.p[y][x], y < 6 ? 0.62f : 0.78f);
        } else if (a2 == "river") { // lusher, darker grass by the water, with reeds
            for (int y = 0; y < TS; y++)
                for (int x = 0; x < TS; x++) t.p[y][x] = scale(t.p[y][x], 0.9f);
            for (int i = 0; i < 3; i++) {
                int x = 2 + (int)(hash01(i, 15, 127) * 11), y = 4 + (int)(hash01(i, 16, 127) * 9);
                vline(deco, x, y - 3, y, rgb(112, 148, 64));
                vline(deco, x + 2, y - 2, y, rgb(96, 132, 56));
                deco.set(x, y - 4, rgb(120, 80, 48));
            }
        } else if (a2 == "packed") { // a street: smoother, with cart ruts
            for (int y = 0; y < TS; y++)
                for (int x = 0; x < TS; x++) {
                    t.p[y][x] = mix(t.p[y][x], rgb(224, 200, 140), 0.5f);
                    if (x == 4 || x == 11) t.p[y][x] = scale(t.p[y][x], 0.9f);
                }
        } else if (a2 == "weeds") { // weeds in the joints of the stones
            for (int y = 0; y < TS; y++)
                for (int x = 0; x < TS; x++)
                    if (t.p[y][x] == (uint32_t)rgb(104, 98, 92) && vnoise(x, y, 129, 8) > 0.5f)
                        t.p[y][x] = hash01(x, y, 130) > 0.5f ? rgb(84, 148, 60) : rgb(60, 116, 48);
        } else if (a2 == "light") {
            for (int y = 0; y < TS; y++)
                for (int x = 0; x < TS; x++) t.p[y][x] = scale(t.p[y][x], 1.12f);
        } else if (a2 == "dark") {
            for (int y = 0; y < TS; y++)
                for (int x = 0; x < TS; x++) t.p[y][x] = scale(t.p[y][x], 0.8f);
        } else if (a2 == "meadow") {
            for (int i = 0; i < 7; i++)
                deco.set((int)(hash01(i, 5, 105) * 16), (int)(hash01(i, 6, 105) * 16), rgb(250, 250, 240));
        } else if (a2 == "stones" || a2 == "pebbles") {
            for (int i = 0; i < 3; i++) {
                int x = 2 + (int)(hash01(i, 7, 107) * 11), y = 2 + (int)(hash01(i, 8, 107) * 11);
                rect(deco, x, y, x + 1, y, rgb(168, 164, 156));
                deco.set(x, y + 1, rgb(104, 100, 96));
                deco.set(x + 1, y + 1, rgb(104, 100, 96));
            }
        } else if (a2 == "mush") {
            for (int i = 0; i < 3; i++) {
                int x = 2 + (int)(hash01(i, 9, 109) * 11), y = 3 + (int)(hash01(i, 10, 109) * 10);
                rect(deco, x - 1, y, x + 1, y, rgb(216, 72, 56));
                deco.set(x, y - 1, rgb(240, 120, 96));
                deco.set(x, y + 1, rgb(236, 228, 204));
                deco.set(x - 1, y, rgb(248, 240, 230));
            }
        } else if (a2 == "ferns") {
            for (int i = 0; i < 3; i++) {
                int x = 3 + (int)(hash01(i, 11, 111) * 9), y = 4 + (int)(hash01(i, 12, 111) * 8);
                for (int k2 = 0; k2 < 4; k2++) {
                    deco.set(x - k2, y - k2 / 2, rgb(72, 132, 60));
                    deco.set(x + k2, y - k2 / 2, rgb(56, 112, 48));
                }
                deco.set(x, y - 1, rgb(100, 160, 80));
            }
        } else if (a2 == "moss") {
            for (int y = 0; y < TS; y++)
                for (int x = 0; x < TS; x++)
                    if (vnoise(x, y, 113, 4) > 0.6f) t.p[y][x] = rgb(84, 128, 56);
        } else if (a2 == "leaves") {
            for (int y = 0; y < TS; y++)
                for (int x = 0; x < TS; x++)
                    if (hash01(x, y, 115) > 0.7f)
                        t.p[y][x] = hash01(x, y, 116) > 0.5f ? rgb(156, 72, 40) : rgb(184, 112, 48);
        } else if (a2 == "puddle") {
            bool street = a1 == "wetcobble";
            for (int y = 0; y < TS; y++)
                for (int x = 0; x < TS; x++) {
                    float d = std::hypot((x + 0.5f - 8) / 6, (y + 0.5f - 9) / 3.5f);
                    if (d >= 1) continue;
                    uint32_t rim = street ? rgb(60, 70, 96) : rgb(52, 64, 60),
                             water = street ? rgb(84, 100, 136) : rgb(70, 90, 96);
                    t.p[y][x] = d > 0.8f ? rim : (y == 8 && x > 5 && x < 9 ? rgb(170, 190, 210) : water);
                }
        }
        if (a2 == "ripples") {
            for (int y = 0; y < TS; y++)
                for (int x = 0; x < TS; x++) {
                    int w = (int)(y + 2 * std::sin((x + 3) * 0.4f));
                    if (((w % 5) + 5) % 5 == 0)
                        t.p[y][x] = scale(t.p[y][x], 0.85f);
                    else if (((w % 5) + 5) % 5 == 1)
                        t.p[y][x] = scale(t.p[y][x], 1.06f);
                }
        } else if (a2 == "tuft" || a2 == "grass") {
            int n = a2 == "grass" ? 3 : 1;
            for (int i = 0; i < n; i++) {
                int x = 4 + (int)(hash01(i, 13, 117) * 8), y = 6 + (int)(hash01(i, 14, 117) * 6);
                for (int k2 = -2; k2 <= 2; k2++) {
                    deco.set(x + k2, y - (2 - std::abs(k2)) - 1, rgb(140, 150, 60));
                    deco.set(x + k2, y, rgb(104, 116, 48));
                }
            }
        } else if (a2 == "path") {
            for (int y = 0; y < TS; y++)
                for (int x = 0; x < TS; x++)
                    if (std::fabs(x + 0.5f - 8 + 1.5f * std::sin(y * 0.4f)) < 4.5f)
                        t.p[y][x] = scale(t.p[y][x], 0.9f);
        } else if (a2 == "prints") {
            for (int i = 0; i < 4; i++) {
                int x = i % 2 ? 9 : 5, y = 1 + i * 4;
                rect(deco, x, y, x + 1, y + 2, rgb(200, 172, 112));
            }
        } else if (a2 == "bones") {
            hline(deco, 4, 10, 9, rgb(240, 236, 220));
            deco.set(3, 8, rgb(240, 236, 220));
            deco.set(3, 10, rgb(240, 236, 220));
            deco.set(11, 8, rgb(240, 236, 220));
            deco.set(11, 10, rgb(240, 236, 220));
            disc(deco, 12, 4, 2, rgb(236, 230, 214));
            deco.set(11, 4, rgb(60, 50, 40));
            outline(deco, rgb(150, 130, 96));
        } else if (a2 == "crack") {
            for (int i = 0; i < 14; i++) {
                int x = 2 + i, y = 5 + (int)(3 * std::sin(i * 0.9f));
                t.set(x, y, scale(t.get(x, y), 0.6f));
            }
            for (int i = 0; i < 8; i++)
                t.set(8 + (int)(2 * std::sin(i)), 6 + i, scale(t.get(8, 6 + i), 0.6f));
        } else if (a2 == "drain") {
            rect(t, 4, 5, 11, 10, rgb(40, 40, 48));
            for (int x = 5; x <= 10; x += 2) vline(t, x, 6, 9, rgb(96, 100, 112));
        } else if (a2 == "kerb") {
            rect(t, 0, 12, 15, 15, rgb(150, 150, 160));
            hline(t, 0, 15, 12, rgb(196, 196, 204));
            hline(t, 0, 15, 15, rgb(80, 80, 92));
            for (int x = 3; x < 16; x += 6) vline(t, x, 13, 14, rgb(100, 100, 112));
        } else if (a2 == "rug") {
            rect(t, 1, 2, 14, 13, rgb(168, 40, 48));
            rect(t, 2, 3, 13, 12, rgb(200, 64, 56));
            for (int x = 3; x < 13; x += 3) vline(t, x, 4, 11, rgb(232, 184, 72));
            hline(t, 1, 14, 14, rgb(120, 100, 60));
        } else if (a2 == "hay") {
            for (int y = 0; y < TS; y++)
                for (int x = 0; x < TS; x++)
                    if (hash01(x + y, y, 119) > 0.72f) t.p[y][x] = rgb(224, 196, 96);
        } else if (a2 == "mosaic" || a2 == "court") {
            for (int y = 0; y < TS; y++)
                for (int x = 0; x < TS; x++) {
                    float dx = std::fabs(x + 0.5f - 8), dy = std::fabs(y + 0.5f - 8);
                    if (a2 == "mosaic") { // an eight-pointed star of blue and gold
                        bool star = dx + dy < 6 || (dx < 1.5f && dy < 7) || (dy < 1.5f && dx < 7);
                        if (star) t.p[y][x] = dx + dy < 2.5f ? rgb(232, 200, 96) : rgb(64, 112, 176);
                    } else if (x % 8 != 7 && y % 8 != 7) {
                        t.p[y][x] = ((x / 8 + y / 8) % 2) ? rgb(80, 140, 160) : rgb(232, 224, 200);
                    }
                }
        } else if (a2 == "flags") {
            for (int y = 0; y < TS; y++)
                for (int x = 0; x < TS; x++)
                    if (vnoise(x, y, 121, 8) > 0.62f) t.p[y][x] = ground_px("sand", x, y);
        }
        over(t, deco);
        return true;
    }
    if (k == "edge") {
        paint_edge(t, a1, a2, a3);
        return true;
    }
    if (k == "water") {
        std::string kind = a1;
        for (int y = 0; y < TS; y++)
            for (int x = 0; x < TS; x++) t.p[y][x] = water_px(kind == "spring" ? "pond" : kind, x, y);
        if (kind == "canal" && !a2.empty()) { // a quay of dressed stone along one side
            int y0 = a2 == "n" ? 0 : 11, y1 = a2 == "n" ? 4 : 15;
            rect(t, 0, y0, 15, y1, rgb(132, 136, 148));
            for (int x = 0; x < TS; x += 8) vline(t, x + (a2 == "n" ? 0 : 4), y0, y1, rgb(84, 88, 100));
            hline(t, 0, 15, a2 == "n" ? y1 : y0, a2 == "n" ? rgb(60, 64, 76) : rgb(188, 192, 204));
            hline(t, 0, 15, a2 == "n" ? y1 + 1 : y0 - 1, rgb(40, 60, 68));
        }
        if (kind == "spring") { // a pool among sand
            Tile s;
            paint_ground(s, "sand");
            for (int y = 0; y < TS; y++)
                for (int x = 0; x < TS; x++) {
                    float d = std::hypot((x + 0.5f - 8) / 6.5f, (y + 0.5f - 8) / 5.5f);
                    if (d > 1.15f)
                        t.p[y][x] = s.p[y][x];
                    else if (d > 1)
                        t.p[y][x] = rgb(150, 120, 80);
                }
        }
        if (kind == "fountain") { // a tiled basin floor shows through the clear water
            for (int y = 0; y < TS; y++)
                for (int x = 0; x < TS; x++)
                    if (x % 8 == 0 || y % 8 == 0) t.p[y][x] = scale(t.p[y][x], 0.85f);
        }
        if (kind == "lake") {
            Tile g;
            paint_ground(g, "wgrass");
            for (int y = 0; y < TS; y++)
                for (int x = 0; x < TS; x++) {
                    float d = std::hypot(x + 0.5f - 8, y + 0.5f - 8) + 1.5f * (vnoise(x, y, 123, 4) - 0.5f);
                    if (d > 7.5f)
                        t.p[y][x] = g.p[y][x];
                    else if (d > 6.5f)
                        t.p[y][x] = rgb(232, 244, 255);
                }
        }
        return true;
    }
    if (k == "coast") {
        paint_coast(t, a1);
        return true;
    }
    if (k == "river") {
        paint_channel(t, a1, "wgrass", "river");
        return true;
    }
    if (k == "stream") {
        paint_channel(t, a1, "woods", "stream");
        return true;
    }
    if (k == "road") {
        paint_channel(t, a1, "wgrass", "road");
        return true;
    }
    if (k == "forest") {
        if (a1 == "gate") {
            paint_canopy(t, "nesw", "wgrass", rgb(56, 128, 56), 5, false, false);
            // a dark trail running into the trees marks the way into the woods
            for (int y = 6; y < TS; y++)
                for (int x = 5; x <= 10; x++)
                    if (std::fabs(x + 0.5f - 8) < 1.5f + (y - 6) * 0.2f)
                        t.p[y][x] = y < 9 ? rgb(20, 36, 24) : rgb(112, 88, 56);
            return true;
        }
        paint_canopy(t, a1, "wgrass", rgb(56, 136, 60), 5, false, false);
        return true;
    }
    if (k == "deep") {
        if (a1 == "pines")
            paint_canopy(t, "nesw", "wgrass", rgb(36, 96, 64), 5.5f, false, true);
        else
            paint_canopy(t, a1, "wgrass", rgb(36, 100, 48), 5.5f, true, false);
        return true;
    }
    if (k == "trees") {
        paint_canopy(t, a1, "woods", rgb(40, 76, 48), 6, true, false);
        return true;
    }
    if (k == "bank") { // grass on one half; the water half stays clear for the layer below
        paint_ground(t, "grass");
        for (int y = 0; y < TS; y++)
            for (int x = 0; x < TS; x++) {
                float edge = 9 + 1.5f * (vnoise(x, 0, 125, 8) - 0.5f);
                int yy = a1 == "n" ? y : 15 - y;
                if (yy > edge + 2)
                    t.p[y][x] = CLEAR;
                else if (yy > edge)
                    t.p[y][x] = rgb(120, 92, 56);
                else if (yy > edge - 1)
                    t.p[y][x] = rgb(84, 140, 56);
            }
        return true;
    }
    return false;
}

} // namespace tilepaint
