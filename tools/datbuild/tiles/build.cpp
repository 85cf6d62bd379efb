// Built things: wall tops and wall faces of rooms, floors and carpets, roofs
// and house walls of the towns, doors, doorways, stairs and shop counters.
#include "tiles/paint.h"

#include <cmath>

namespace tilepaint {

namespace {

struct Pal {
    int base, light, dark, line;
};

Pal band_pal(const std::string& style)
{
    // wall tops are darker than the faces under them and the floors, so rooms read at a glance
    if (style == "bluewood") return {rgb(58, 80, 116), rgb(104, 132, 172), rgb(36, 50, 76), rgb(14, 16, 30)};
    if (style == "wood") return {rgb(104, 68, 42), rgb(156, 108, 66), rgb(66, 42, 26), rgb(26, 16, 10)};
    return {rgb(100, 98, 116), rgb(156, 152, 172), rgb(66, 64, 80), rgb(20, 18, 28)};
}

// The top surface of a thick wall seen from above, rimmed where it stops.
void paint_band(Tile& t, const std::string& style, const std::string& conn, bool corners)
{
    Pal p = band_pal(style);
    for (int y = 0; y < TS; y++)
        for (int x = 0; x < TS; x++) {
            uint32_t c = scale(p.base, 1 + 0.12f * (vnoise(x, y, 201, 4) - 0.5f));
            if (style == "stone") {
                int ox = (y / 4) % 2 ? 4 : 0;
                if (y % 4 == 3 || (x + ox) % 8 == 7) c = scale(p.base, 0.82f);
            } else if ((style == "wood" ? y : x) % 4 == 3) {
                c = scale(p.base, 0.72f); // boards
            } else if (hash01(style == "wood" ? x / 3 : x, style == "wood" ? y : y / 3, 202) > 0.8f) {
                c = scale(c, 0.88f); // grain
            }
            t.p[y][x] = c;
        }
    auto rim = [&](char side) {
        for (int i = 0; i < TS; i++) {
            int ax = side == 'w' ? 0 : side == 'e' ? 15 : i, ay = side == 'n' ? 0 : side == 's' ? 15 : i;
            int bx = side == 'w' ? 1 : side == 'e' ? 14 : i, by = side == 'n' ? 1 : side == 's' ? 14 : i;
            t.set(bx, by, (side == 'n' || side == 'w') ? p.light : p.dark);
            t.set(ax, ay, p.line);
        }
    };
    for (char s : std::string("nesw"))
        if (!has(conn, s)) rim(s);
    // where two joined sides meet, the wall's inner corner still shows its rim
    // (a solid mass of wall has no inner corners)
    if (!corners) return;
    auto notch = [&](int x, int y, int dx, int dy) {
        t.set(x, y, p.line);
        t.set(x + dx, y, p.dark);
        t.set(x, y + dy, p.dark);
    };
    if (has(conn, 'n') && has(conn, 'e')) notch(15, 0, -1, 1);
    if (has(conn, 'n') && has(conn, 'w')) notch(0, 0, 1, 1);
    if (has(conn, 's') && has(conn, 'e')) notch(15, 15, -1, -1);
    if (has(conn, 's') && has(conn, 'w')) notch(0, 15, 1, -1);
}

void bricks(Tile& t, uint32_t brick, uint32_t mortar, int bw, int bh, int seed)
{
    for (int y = 0; y < TS; y++)
        for (int x = 0; x < TS; x++) {
            int ox = (y / bh) % 2 ? bw / 2 : 0;
            int bx = (x + ox) % bw, by = y % bh;
            uint32_t b = scale(brick, 1 + 0.18f * (hash01((x + ox) / bw, y / bh, seed) - 0.5f));
            if (by == bh - 1 || bx == bw - 1)
                t.p[y][x] = mortar;
            else if (by == 0 || bx == 0)
                t.p[y][x] = scale(b, 1.12f);
            else
                t.p[y][x] = scale(b, 1 + 0.08f * (hash01(x, y, seed + 1) - 0.5f));
        }
}

void planks_v(Tile& t, uint32_t wood, int w, int seed)
{
    for (int y = 0; y < TS; y++)
        for (int x = 0; x < TS; x++) {
            uint32_t c = scale(wood, 1 + 0.14f * (hash01(x / w, 0, seed) - 0.5f) +
                                         0.06f * (vnoise(x, y * 3, seed + 1, 4) - 0.5f));
            if (x % w == w - 1)
                c = scale(wood, 0.6f);
            else if (x % w == 0)
                c = scale(c, 1.1f);
            t.p[y][x] = c;
        }
}

void planks_h(Tile& t, uint32_t wood, int h, int seed)
{
    for (int y = 0; y < TS; y++)
        for (int x = 0; x < TS; x++) {
            int row = y / h, off = (row % 2) ? 7 : 0;
            int joint = (x + off) % 16;
            uint32_t c = scale(wood, 1 + 0.14f * (hash01(row, (x + off) / 16, seed) - 0.5f) +
                                         0.08f * (vnoise(x * 3, y, seed + 1, 8) - 0.5f));
            if (y % h == h - 1 || joint == 15)
                c = scale(wood, 0.62f);
            else if (y % h == 0)
                c = scale(c, 1.1f);
            t.p[y][x] = c;
        }
}

void skirting(Tile& t, uint32_t c)
{
    rect(t, 0, 13, 15, 15, c);
    hline(t, 0, 15, 13, scale(c, 1.25f));
    hline(t, 0, 15, 15, scale(c, 0.6f));
}

void window(Tile& t, int x0, int y0, int x1, int y1, uint32_t frame, uint32_t glass)
{
    rect(t, x0, y0, x1, y1, frame);
    rect(t, x0 + 1, y0 + 1, x1 - 1, y1 - 1, glass);
    for (int y = y0 + 1; y < y1; y++)
        t.set(x0 + 1 + (y - y0) / 2, y, mix(glass, rgb(255, 255, 255), 0.45f)); // a glint
    vline(t, (x0 + x1) / 2, y0 + 1, y1 - 1, frame);
    hline(t, x0 + 1, x1 - 1, (y0 + y1) / 2, frame);
    hline(t, x0 - 1, x1 + 1, y1 + 1, rgb(220, 212, 196));
}

void wall_face(Tile& t, const std::string& style, const std::string& v)
{
    uint32_t trim = rgb(112, 76, 44);
    if (style == "stone") {
        bricks(t, rgb(170, 152, 128), rgb(104, 90, 80), 8, 4, 211);
        if (v == "upper") {
            rect(t, 0, 0, 15, 3, rgb(196, 180, 156));
            hline(t, 0, 15, 0, rgb(224, 212, 192));
            hline(t, 0, 15, 4, rgb(76, 64, 60));
            for (int x = 1; x < 16; x += 4) t.set(x, 2, rgb(140, 124, 108));
        } else {
            skirting(t, rgb(104, 92, 86));
        }
    } else if (style == "bluewood") {
        planks_v(t, rgb(88, 118, 158), 4, 213);
        if (v == "upper") {
            rect(t, 0, 0, 15, 3, rgb(92, 64, 40));
            hline(t, 0, 15, 0, rgb(140, 100, 64));
            hline(t, 0, 15, 4, rgb(40, 40, 56));
        } else
            skirting(t, rgb(60, 76, 100));
    } else if (style == "plaster") {
        for (int y = 0; y < TS; y++)
            for (int x = 0; x < TS; x++)
                t.p[y][x] = scale(rgb(226, 210, 178), 1 + 0.08f * (vnoise(x, y, 215, 4) - 0.5f));
        if (v == "upper") {
            rect(t, 0, 0, 15, 3, trim);
            hline(t, 0, 15, 0, rgb(156, 112, 68));
            hline(t, 0, 15, 4, rgb(150, 130, 100));
        } else
            skirting(t, trim);
    } else { // log wall
        for (int y = 0; y < TS; y++)
            for (int x = 0; x < TS; x++) {
                int r = y % 4;
                uint32_t log = scale(rgb(156, 106, 62), 1 + 0.1f * (hash01(x / 5, y / 4, 217) - 0.5f));
                t.p[y][x] = r == 0 ? scale(log, 1.2f) : r == 3 ? scale(log, 0.55f) : log;
            }
        if (v == "upper") {
            rect(t, 0, 0, 15, 3, rgb(88, 56, 32));
            hline(t, 0, 15, 0, rgb(130, 90, 56));
        } else
            skirting(t, rgb(96, 62, 34));
    }
    Tile d; // what hangs on the wall, outlined so it reads against any wall
    uint32_t gold = rgb(232, 188, 64);
    if (v == "window") {
        window(t, 4, 2, 11, 10, style == "stone" ? rgb(64, 60, 64) : rgb(96, 64, 36), rgb(92, 132, 196));
        if (style == "stone")
            for (int x = 5; x <= 10; x += 2) vline(t, x, 3, 9, rgb(56, 52, 60));
    } else if (v == "porthole") {
        disc(d, 8, 7, 5, rgb(176, 140, 60));
        disc(d, 8, 7, 3.6f, rgb(92, 140, 200));
        d.set(7, 5, rgb(220, 236, 255));
        d.set(6, 6, rgb(220, 236, 255));
    } else if (v == "niche") {
        rect(t, 4, 2, 11, 12, rgb(52, 48, 56));
        disc(t, 8, 4, 4, rgb(52, 48, 56));
        hline(t, 3, 12, 12, rgb(176, 170, 160));
        disc(d, 8, 9, 2.5f, rgb(72, 120, 176));
        rect(d, 7, 5, 8, 7, rgb(72, 120, 176));
        d.set(7, 8, rgb(150, 190, 230));
    } else if (v == "banner" || v == "bluebanner") {
        uint32_t cloth = v == "banner" ? rgb(184, 36, 44) : rgb(48, 72, 176);
        rect(d, 4, 0, 11, 12, cloth);
        d.set(4, 13, cloth);
        d.set(5, 13, cloth);
        d.set(10, 13, cloth);
        d.set(11, 13, cloth);
        d.set(6, 13, cloth);
        d.set(9, 13, cloth);
        d.set(7, 12, CLEAR);
        d.set(8, 12, CLEAR);
        vline(d, 5, 0, 11, scale(cloth, 1.25f));
        hline(d, 4, 11, 1, gold);
        disc(d, 8, 6, 2.2f, gold);
        d.set(8, 6, cloth);
    } else if (v == "tapestry") {
        rect(d, 1, 1, 14, 11, rgb(48, 104, 72));
        rect(d, 2, 2, 13, 10, rgb(64, 132, 88));
        hline(d, 1, 14, 1, gold);
        hline(d, 1, 14, 11, gold);
        disc(d, 6, 6, 2, rgb(216, 200, 160));
        rect(d, 9, 5, 12, 7, rgb(120, 72, 40));
        d.set(12, 4, rgb(120, 72, 40));
    } else if (v == "stained") {
        rect(t, 4, 1, 11, 11, rgb(48, 44, 52));
        disc(t, 8, 4, 4, rgb(48, 44, 52));
        for (int y = 2; y <= 10; y++)
            for (int x = 5; x <= 10; x++) {
                float dx = x + 0.5f - 8, dy = y + 0.5f - 4;
                if (y < 4 && dx * dx + dy * dy > 9) continue;
                static const uint32_t glass[] = {0xC83838, 0x3858C8, 0xE8C040, 0x38A058};
                t.set(x, y, glass[((x - 5) / 2 + (y - 2) / 3) % 4]);
            }
        hline(t, 3, 12, 12, rgb(176, 170, 160));
    } else if (v == "crest") {
        rect(d, 5, 2, 10, 8, rgb(40, 72, 168));
        for (int i = 0; i < 3; i++) hline(d, 6 + i, 9 - i, 9 + i, rgb(40, 72, 168));
        vline(d, 7, 3, 9, gold);
        vline(d, 8, 3, 9, gold);
        hline(d, 5, 10, 5, gold);
    } else if (v == "bottles" || v == "shelf") {
        rect(t, 1, 9, 14, 10, rgb(120, 80, 44));
        hline(t, 1, 14, 11, rgb(60, 40, 24));
        static const uint32_t cols[] = {0x3C8C48, 0xB83C3C, 0x3C64B8, 0xD8B040};
        for (int i = 0; i < 4; i++) {
            int x = 2 + i * 3;
            if (v == "bottles") {
                rect(d, x, 5, x + 1, 8, cols[i]);
                d.set(x, 4, cols[i]);
                d.set(x, 6, rgb(240, 240, 240));
            } else {
                disc(d, x + 1.5f, 6.5f, 2, rgb(236, 236, 228));
                d.set(x + 1, 6, cols[i]);
            }
        }
    } else if (v == "portcullis") {
        rect(t, 2, 1, 13, 15, rgb(16, 14, 20));
        disc(t, 8, 5, 6, rgb(16, 14, 20));
        for (int x = 3; x <= 12; x += 3) vline(t, x, 1, 15, rgb(112, 108, 116));
        for (int y = 4; y <= 14; y += 4) hline(t, 2, 13, y, rgb(96, 92, 100));
    } else if (v == "painting" || v == "mirror") {
        rect(d, 3, 2, 12, 10, rgb(176, 128, 48));
        if (v == "painting") {
            rect(d, 4, 3, 11, 9, rgb(120, 176, 224));
            rect(d, 4, 7, 11, 9, rgb(80, 148, 72));
            disc(d, 9, 5, 1.5f, rgb(248, 232, 120));
        } else {
            rect(d, 4, 3, 11, 9, rgb(176, 208, 224));
            for (int i = 0; i < 4; i++) d.set(5 + i, 7 - i, rgb(240, 248, 255));
        }
    } else if (v == "net") {
        for (int y = 1; y < 13; y++)
            for (int x = 1; x < 15; x++)
                if ((x + y) % 4 == 0 || (x - y + 16) % 4 == 0) d.set(x, y, rgb(200, 184, 140));
    } else if (v == "anchor") {
        vline(d, 7, 2, 12, rgb(60, 60, 68));
        vline(d, 8, 2, 12, rgb(90, 90, 100));
        hline(d, 5, 10, 4, rgb(70, 70, 80));
        disc(d, 8, 2, 1.5f, rgb(70, 70, 80));
        for (int i = 0; i < 4; i++) {
            d.set(4 + i, 9 + i / 2 + 1, rgb(70, 70, 80));
            d.set(11 - i, 9 + i / 2 + 1, rgb(70, 70, 80));
        }
    } else if (v == "wheel") {
        disc(d, 8, 7, 5, rgb(140, 92, 48));
        disc(d, 8, 7, 3.5f, CLEAR);
        for (int i = 0; i < 8; i++) {
            float a = i * 0.785f;
            d.set(8 + (int)std::lround(5.5f * std::cos(a)), 7 + (int)std::lround(5.5f * std::sin(a)),
                  rgb(112, 72, 36));
        }
        hline(d, 4, 12, 7, rgb(140, 92, 48));
        vline(d, 8, 3, 11, rgb(140, 92, 48));
        disc(d, 8, 7, 1.2f, rgb(200, 160, 64));
    }
    Tile o = d;
    outline(o, rgb(40, 30, 30));
    over(t, o);
}

// ---- floors ----
void floor(Tile& t, const std::string& kind, const std::string& v)
{
    if (kind == "wood")
        planks_h(t, rgb(204, 152, 92), 4, 221);
    else if (kind == "wooddark")
        planks_h(t, rgb(124, 82, 48), 4, 222);
    else if (kind == "woodlight")
        planks_h(t, rgb(212, 172, 116), 4, 223);
    else if (kind == "dock") {
        planks_v(t, rgb(116, 96, 76), 4, 224);
        for (int y = 0; y < TS; y++)
            for (int x = 0; x < TS; x++)
                if (hash01(x, y, 225) > 0.93f) t.p[y][x] = rgb(160, 176, 196);
    } else if (kind == "stone" || kind == "stonedark") {
        uint32_t s = kind == "stone" ? rgb(132, 136, 150) : rgb(96, 98, 112);
        for (int y = 0; y < TS; y++)
            for (int x = 0; x < TS; x++) {
                int ox = (y / 8) % 2 ? 4 : 0;
                int bx = (x + ox) % 8, by = y % 8;
                uint32_t c = scale(s, 1 + 0.16f * (hash01((x + ox) / 8, y / 8, 226) - 0.5f) +
                                          0.08f * (hash01(x, y, 227) - 0.5f));
                t.p[y][x] = (bx == 7 || by == 7)   ? scale(s, 0.6f)
                            : (bx == 0 || by == 0) ? scale(c, 1.12f)
                                                   : c;
            }
    } else if (kind == "tileblue") {
        for (int y = 0; y < TS; y++)
            for (int x = 0; x < TS; x++) {
                bool dark = ((x / 8) + (y / 8)) % 2;
                uint32_t c = dark ? rgb(72, 112, 176) : rgb(224, 228, 236);
                t.p[y][x] = (x % 8 == 7 || y % 8 == 7) ? rgb(120, 128, 148) : c;
            }
    } else if (kind == "sandstone") { // polished indoor slabs, brighter than the street's
        for (int y = 0; y < TS; y++)
            for (int x = 0; x < TS; x++) {
                uint32_t c = ground_px("sandtile", x, y);
                t.p[y][x] = (x % 8 == 1 && y % 8 == 1) ? rgb(252, 236, 196) : scale(c, 1.06f);
            }
    } else if (kind == "marble") {
        for (int y = 0; y < TS; y++)
            for (int x = 0; x < TS; x++) {
                uint32_t c = scale(rgb(232, 228, 224), 1 - 0.08f * vnoise(x, y, 228, 8));
                float vein = std::fabs(std::sin((x + 2 * y) * 0.35f + 3 * vnoise(x, y, 229, 8)));
                if (vein < 0.08f) c = rgb(196, 190, 200);
                if (x == 15 || y == 15) c = rgb(170, 166, 172);
                if (x == 0 || y == 0) c = rgb(248, 248, 252);
                t.p[y][x] = c;
            }
    }
    Tile d;
    if (v == "shade")
        wall_shadow(t, 6);
    else if (v == "mat") {
        rect(d, 2, 4, 13, 11, rgb(168, 136, 72));
        for (int x = 3; x < 13; x += 2) vline(d, x, 5, 10, rgb(196, 164, 96));
    } else if (v == "rugred" || v == "rugblue" || v == "ruggreen") {
        uint32_t c = v == "rugred" ? rgb(176, 44, 48) : v == "rugblue" ? rgb(48, 80, 168) : rgb(56, 128, 72);
        disc(d, 8, 8, 7.5f, scale(c, 0.7f));
        disc(d, 8, 8, 6.5f, c);
        disc(d, 8, 8, 4, rgb(232, 196, 96));
        disc(d, 8, 8, 3, c);
    } else if (v == "bedroll") {
        rect(d, 3, 1, 12, 14, rgb(88, 120, 72));
        rect(d, 4, 2, 11, 5, rgb(232, 228, 212));
        hline(d, 3, 12, 8, rgb(64, 96, 56));
    } else if (v == "worn") {
        for (int y = 0; y < TS; y++)
            for (int x = 0; x < TS; x++)
                if (vnoise(x, y, 231, 8) > 0.6f) t.p[y][x] = scale(t.p[y][x], 1.12f);
    } else if (v == "straw") {
        for (int y = 0; y < TS; y++)
            for (int x = 0; x < TS; x++)
                if (hash01(x + y, y, 232) > 0.75f) t.p[y][x] = rgb(228, 200, 104);
    } else if (v == "crack") {
        for (int i = 0; i < 12; i++)
            t.set(2 + i, 4 + (int)(2.5f * std::sin(i * 1.1f)) + i / 3, rgb(70, 66, 70));
    } else if (v == "wet") {
        for (int y = 0; y < TS; y++)
            for (int x = 0; x < TS; x++)
                t.p[y][x] = mix(t.p[y][x], rgb(80, 100, 120), vnoise(x, y, 233, 8) > 0.55f ? 0.35f : 0.1f);
    } else if (v == "rug") {
        rect(d, 1, 1, 14, 14, rgb(152, 48, 40));
        rect(d, 3, 3, 12, 12, rgb(208, 148, 64));
        rect(d, 5, 5, 10, 10, rgb(152, 48, 40));
        for (int i = 1; i < 15; i += 2) {
            d.set(i, 0, rgb(232, 220, 180));
            d.set(i, 15, rgb(232, 220, 180));
        }
    }
    over(t, d);
}

// A carpet: patterned middle with a gold border on each side where it ends.
void carpet(Tile& t, const std::string& conn)
{
    uint32_t red = rgb(168, 32, 44), deep = rgb(120, 20, 32), gold = rgb(224, 180, 72);
    for (int y = 0; y < TS; y++)
        for (int x = 0; x < TS; x++) {
            int dx = std::abs(((x + 4) % 8) - 4), dy = std::abs(((y + 4) % 8) - 4);
            t.p[y][x] = dx + dy == 3 ? deep : (dx + dy == 0 ? gold : red);
        }
    for (char s : std::string("nesw")) {
        if (has(conn, s)) continue;
        for (int i = 0; i < TS; i++)
            for (int k = 0; k < 3; k++) {
                int x = s == 'w' ? k : s == 'e' ? 15 - k : i, y = s == 'n' ? k : s == 's' ? 15 - k : i;
                t.set(x, y, k == 0 ? deep : k == 1 ? gold : scale(gold, 0.7f));
            }
    }
}

// Roof tiles in overlapping rows; verges, ridge and eaves where the roof ends.
void roof(Tile& t, const std::string& kind, const std::string& part)
{
    uint32_t base = kind == "red" ? rgb(192, 76, 52) : rgb(96, 112, 144);
    // rows of round-bottomed shingles, each row overlapping the one below it
    for (int y = 0; y < TS; y++)
        for (int x = 0; x < TS; x++) {
            int row = y / 4, off = row % 2 ? 2 : 0;
            int xx = (x + off) % 4, yy = y % 4;
            uint32_t c = scale(base, 1 + 0.08f * (hash01((x + off) / 4, row, 241) - 0.5f));
            if (yy == 0)
                c = scale(c, 1.22f);
            else if (yy == 1)
                c = scale(c, 1.08f);
            else if (yy == 3)
                c = (xx == 0 || xx == 3) ? scale(base, 0.45f) : scale(c, 0.78f);
            if (xx == 3 && yy >= 1 && yy <= 2) c = scale(base, 0.62f);
            t.p[y][x] = c;
        }
    bool n = part.find('n') != std::string::npos, s = part.find('s') != std::string::npos;
    bool w = part.find('w') != std::string::npos, e = part.find('e') != std::string::npos;
    uint32_t trim = kind == "red" ? rgb(120, 56, 40) : rgb(60, 56, 64), line = rgb(36, 24, 24);
    if (n) {
        rect(t, 0, 0, 15, 2, scale(base, 0.8f));
        hline(t, 0, 15, 0, line);
        hline(t, 0, 15, 1, scale(base, 1.3f));
        hline(t, 0, 15, 3, scale(base, 0.5f));
    }
    if (s) {
        rect(t, 0, 13, 15, 15, trim);
        hline(t, 0, 15, 13, scale(trim, 1.3f));
        hline(t, 0, 15, 15, line);
    }
    if (w) {
        rect(t, 0, 0, 1, 15, trim);
        vline(t, 0, 0, 15, line);
        vline(t, 2, 0, 15, scale(base, 0.6f));
    }
    if (e) {
        rect(t, 14, 0, 15, 15, trim);
        vline(t, 15, 0, 15, line);
        vline(t, 13, 0, 15, scale(base, 0.6f));
    }
}

void house_wall(Tile& t, const std::string& kind)
{
    if (kind == "stone") {
        bricks(t, rgb(136, 144, 156), rgb(84, 88, 100), 8, 4, 251);
    } else {
        for (int y = 0; y < TS; y++)
            for (int x = 0; x < TS; x++)
                t.p[y][x] = scale(rgb(236, 224, 192), 1 + 0.06f * (vnoise(x, y, 252, 4) - 0.5f));
        uint32_t beam = rgb(112, 74, 42);
        rect(t, 0, 0, 15, 1, beam);
        hline(t, 0, 15, 2, rgb(180, 160, 128));
        vline(t, 0, 0, 12, beam);
        vline(t, 15, 0, 12, scale(beam, 0.8f));
    }
    rect(t, 0, 13, 15, 15, rgb(120, 116, 112)); // stone footing
    for (int x = 0; x < TS; x += 5) vline(t, x, 13, 15, rgb(84, 80, 80));
    hline(t, 0, 15, 15, rgb(60, 56, 56));
    if (kind == "window") {
        window(t, 4, 3, 11, 9, rgb(96, 62, 36), rgb(96, 140, 200));
        rect(t, 3, 10, 12, 12, rgb(120, 76, 40));
        for (int x = 4; x <= 11; x += 2) {
            t.set(x, 10, rgb(232, 72, 72));
            t.set(x + 1, 10, rgb(88, 160, 64));
        }
    }
}

// A door set in the wall it belongs to.
void door(Tile& t, const std::string& v)
{
    bool blue = v.rfind("blue", 0) == 0, arch = v.rfind("arch", 0) == 0;
    if (v == "gate" || v == "sandgate") {
        if (v == "gate")
            house_wall(t, "stone");
        else
            for (int y = 0; y < TS; y++)
                for (int x = 0; x < TS; x++) t.p[y][x] = ground_px("sandtile", x, y);
        rect(t, 2, 3, 13, 15, rgb(24, 20, 24));
        disc(t, 8, 5, 6, rgb(24, 20, 24));
        for (int y = 9; y < TS; y++)
            hline(
                t, 3, 12, y,
                mix(rgb(24, 20, 24), v == "gate" ? rgb(110, 116, 130) : rgb(200, 170, 116), (y - 8) / 8.0f));
        return;
    }
    if (blue)
        house_wall(t, "stone");
    else if (arch) {
        for (int y = 0; y < TS; y++)
            for (int x = 0; x < TS; x++)
                t.p[y][x] = scale(rgb(238, 222, 186), 1 + 0.06f * (vnoise(x, y, 253, 4) - 0.5f));
    } else
        house_wall(t, "plain");
    uint32_t wood = blue   ? rgb(56, 96, 168)
                    : arch ? rgb(150, 86, 44)
                           : rgb(140, 90, 50),
             frame = rgb(56, 36, 24);
    int top = 4;
    rect(t, 3, top, 12, 15, frame);
    if (arch) disc(t, 8, top + 3, 5, frame);
    for (int y = top + 1; y < TS; y++)
        for (int x = 4; x <= 11; x++) {
            if (arch && y < top + 4) {
                float dx = x + 0.5f - 8, dy = y + 0.5f - (top + 3);
                if (dx * dx + dy * dy > 16) continue;
            }
            t.set(x, y, (x - 4) % 3 == 2 ? scale(wood, 0.7f) : wood);
        }
    if (arch)
        for (int y = top - 1; y < top + 3; y++)
            for (int x = 4; x <= 11; x++) {
                float dx = x + 0.5f - 8, dy = y + 0.5f - (top + 3);
                if (dx * dx + dy * dy <= 16 && y >= top)
                    t.set(x, y, (x - 4) % 3 == 2 ? scale(wood, 0.7f) : wood);
            }
    hline(t, 4, 11, top + 1, scale(wood, 1.25f));
    t.set(10, 10, rgb(240, 200, 72));
    t.set(10, 11, rgb(160, 120, 40));
    // a sign board above the door for shops and inns
    if (v == "shop" || v == "inn" || v == "blueshop" || v == "blueinn" || v == "archshop" || v == "archinn") {
        bool inn = v.find("inn") != std::string::npos;
        rect(t, 1, 0, 14, 5, rgb(70, 44, 24));
        rect(t, 2, 1, 13, 4, rgb(226, 196, 136));
        if (inn) { // the letters INN
            static const char* glyph[] = {"1.111.111", "1.1.1.1.1", "1.1.1.1.1"};
            for (int r = 0; r < 3; r++)
                for (int c = 0; c < 9; c++)
                    if (glyph[r][c] == '1') t.set(3 + c + (c > 0), 1 + r + (r > 0 ? 0 : 0), rgb(120, 40, 32));
        } else { // a potion bottle
            rect(t, 7, 2, 8, 4, rgb(200, 48, 56));
            t.set(7, 1, rgb(120, 120, 140));
            t.set(8, 1, rgb(120, 120, 140));
            t.set(6, 3, rgb(200, 48, 56));
            t.set(9, 3, rgb(200, 48, 56));
            t.set(7, 2, rgb(248, 200, 200));
        }
    }
}

// An open doorway through a wall face, dark beyond.
void doorway(Tile& t, const std::string& style)
{
    wall_face(t, style == "bluewood" ? "bluewood" : style, "plain");
    uint32_t dark = rgb(14, 12, 18);
    rect(t, 3, 3, 12, 15, dark);
    if (style == "stone") disc(t, 8, 6, 5, dark);
    for (int y = 8; y < TS; y++) hline(t, 4, 11, y, mix(dark, rgb(90, 80, 70), (y - 7) / 9.0f));
    vline(t, 2, 3, 15, rgb(60, 50, 44));
    vline(t, 13, 3, 15, rgb(60, 50, 44));
}

// Stairs: treads light, risers dark; going down they fade into the dark.
void stairs(Tile& t, const std::string& kind, const std::string& dir)
{
    uint32_t tread = kind == "stone"                       ? rgb(168, 162, 156)
                     : kind == "wood"                      ? rgb(180, 128, 76)
                     : kind == "sand" || kind == "sandout" ? rgb(224, 192, 136)
                     : kind == "wet"                       ? rgb(120, 128, 148)
                     : kind == "canal"                     ? rgb(132, 136, 148)
                                                           : rgb(172, 166, 156);
    for (int y = 0; y < TS; y++)
        for (int x = 0; x < TS; x++) {
            int s = y % 4;
            uint32_t c = s == 3 ? scale(tread, 0.55f) : s == 0 ? scale(tread, 1.15f) : tread;
            if (dir == "down")
                c = scale(c, 0.35f + 0.65f * y / 15.0f);
            else
                c = scale(c, 0.8f + 0.2f * (15 - y) / 15.0f);
            t.p[y][x] = c;
        }
    if (kind == "town" || kind == "sandout") { // grass or sand banks on both sides
        const char* bank = kind == "town" ? "grass" : "sand";
        for (int y = 0; y < TS; y++) {
            for (int x = 0; x < 2; x++) t.p[y][x] = ground_px(bank, x, y);
            for (int x = 14; x < 16; x++) t.p[y][x] = ground_px(bank, x, y);
        }
    } else if (kind != "canal") {
        vline(t, 0, 0, 15, scale(tread, 0.4f));
        vline(t, 15, 0, 15, scale(tread, 0.4f));
    }
    if (kind == "canal")
        for (int y = 11; y < TS; y++)
            for (int x = 0; x < TS; x++)
                t.p[y][x] = mix(rgb(64, 104, 112), rgb(140, 176, 176), (x + y) % 6 == 0 ? 0.6f : 0.0f);
}

// Shop counters: a polished top with a panelled front, drawn on clear ground.
void counter(Tile& t, const std::string& part)
{
    uint32_t top = rgb(200, 148, 88), front = rgb(132, 84, 46), line = rgb(48, 30, 18);
    bool vertical = part == "v" || part == "vs";
    if (vertical) {
        rect(t, 3, 0, 12, 15, top);
        vline(t, 3, 0, 15, scale(top, 1.15f));
        if (part == "vs") {
            rect(t, 3, 10, 12, 15, front);
            for (int x = 5; x < 12; x += 3) vline(t, x, 11, 14, scale(front, 0.7f));
        }
    } else {
        int x0 = part == "w" || part == "nw" ? 2 : 0, x1 = part == "e" || part == "ne" ? 13 : 15;
        rect(t, x0, 2, x1, 9, top);
        hline(t, x0, x1, 3, scale(top, 1.15f));
        rect(t, x0, 10, x1, 15, front);
        for (int x = x0 + 2; x < x1; x += 4) vline(t, x, 11, 14, scale(front, 0.7f));
        if (part == "nw") {
            rect(t, 3, 9, 12, 15, top);
            rect(t, 3, 2, x1, 9, top);
            hline(t, 3, x1, 3, scale(top, 1.15f));
        }
        if (part == "ne") {
            rect(t, 3, 9, 12, 15, top);
            rect(t, x0, 2, 12, 9, top);
            hline(t, x0, 12, 3, scale(top, 1.15f));
        }
    }
    Tile d;
    if (part == "potions") {
        static const uint32_t cols[] = {0xD83C48, 0x3C78D8, 0x48B050};
        for (int i = 0; i < 3; i++) {
            int x = 2 + i * 5;
            rect(d, x, 4, x + 2, 7, cols[i]);
            d.set(x + 1, 3, rgb(200, 200, 210));
            d.set(x, 5, rgb(255, 240, 240));
        }
    } else if (part == "arms") {
        for (int i = 0; i < 9; i++) d.set(3 + i, 7 - i / 3, rgb(210, 214, 228));
        hline(d, 2, 4, 8, rgb(140, 100, 40));
        disc(d, 12, 6, 2.5f, rgb(72, 96, 168));
        d.set(12, 6, rgb(232, 196, 72));
    } else if (part == "cloth") {
        rect(d, 2, 4, 7, 7, rgb(72, 112, 184));
        hline(d, 2, 7, 5, rgb(104, 144, 208));
        rect(d, 9, 4, 14, 7, rgb(184, 72, 72));
        hline(d, 9, 14, 5, rgb(216, 104, 104));
    }
    over(t, d);
    outline(t, line);
}

} // namespace

bool paint_build_look(Tile& t, const Look& l)
{
    const std::string& k = l[0];
    std::string a1 = l.size() > 1 ? l[1] : "", a2 = l.size() > 2 ? l[2] : "";
    if (k == "void") {
        for (int y = 0; y < TS; y++)
            for (int x = 0; x < TS; x++) t.p[y][x] = rgb(10, 8, 14);
        return true;
    }
    if (k == "band") {
        paint_band(t, a1, a2, a2 != "nesw" || (l.size() > 3 && l[3] == "x"));
        return true;
    }
    if (k == "face") {
        wall_face(t, a1, a2);
        return true;
    }
    if (k == "floor") {
        if (a1 == "rune") {
            floor(t, "stone", "");
            for (int y = 0; y < TS; y++)
                for (int x = 0; x < TS; x++) {
                    float d = std::hypot(x + 0.5f - 8, y + 0.5f - 8);
                    if (std::fabs(d - 6.5f) < 0.6f || std::fabs(d - 4) < 0.5f)
                        t.p[y][x] = rgb(140, 208, 240);
                    else if (d < 6.5f && d > 4 && (x + y) % 4 == 0)
                        t.p[y][x] = rgb(108, 168, 208);
                }
            return true;
        }
        if (a1 == "mosaic") {
            floor(t, "marble", "");
            for (int y = 0; y < TS; y++)
                for (int x = 0; x < TS; x++) {
                    int d = std::abs(x - 8 + (x < 8)) + std::abs(y - 8 + (y < 8));
                    if (d < 7 && d % 3 != 2) t.p[y][x] = d % 3 ? rgb(64, 104, 168) : rgb(200, 152, 56);
                }
            return true;
        }
        floor(t, a1, a2);
        return true;
    }
    if (k == "carpet") {
        carpet(t, a2);
        return true;
    }
    if (k == "roof") {
        roof(t, a1, a2 == "c" ? "" : a2);
        return true;
    }
    if (k == "housewall") {
        house_wall(t, a1);
        return true;
    }
    if (k == "door") {
        door(t, a1);
        return true;
    }
    if (k == "doorway") {
        doorway(t, a1);
        return true;
    }
    if (k == "stairs") {
        stairs(t, a1, a2);
        return true;
    }
    if (k == "counter") {
        counter(t, a1);
        return true;
    }
    return false;
}

} // namespace tilepaint
