// Built things: wall tops and wall faces of rooms, floors and carpets, roofs
// and house walls of the towns, doors, doorways, stairs and shop counters.
#include "tile_paint.h"

#include <cmath>

namespace {

struct Pal { uint32_t base, light, dark, line; };

Pal band_pal(const std::string& style)
{
    if (style == "bluewood") return {rgb(84, 112, 150), rgb(128, 156, 192), rgb(52, 72, 104), rgb(20, 24, 40)};
    if (style == "wood") return {rgb(150, 104, 62), rgb(190, 140, 88), rgb(100, 66, 38), rgb(36, 22, 14)};
    return {rgb(150, 142, 132), rgb(192, 186, 174), rgb(98, 92, 88), rgb(30, 26, 34)};
}

// The top surface of a thick wall seen from above, rimmed where it stops.
void paint_band(Tile& t, const std::string& style, const std::string& conn)
{
    Pal p = band_pal(style);
    for (int y = 0; y < TS; y++)
        for (int x = 0; x < TS; x++) {
            uint32_t c = scale(p.base, 1 + 0.12f * (vnoise(x, y, 201, 4) - 0.5f));
            if (style == "stone") {
                int ox = (y / 4) % 2 ? 4 : 0;
                if (y % 4 == 3 || (x + ox) % 8 == 7) c = scale(p.base, 0.82f);
            } else {
                if ((style == "wood" ? y : x) % 4 == 3) c = scale(p.base, 0.8f);   // boards
            }
            t.p[y][x] = c;
        }
    auto rim = [&](char side) {
        for (int i = 0; i < TS; i++) {
            int ax = side == 'w' ? 0 : side == 'e' ? 15 : i, ay = side == 'n' ? 0 : side == 's' ? 15 : i;
            int bx = side == 'w' ? 1 : side == 'e' ? 14 : i, by = side == 'n' ? 1 : side == 's' ? 14 : i;
            t.set(ax, ay, p.line);
            t.set(bx, by, (side == 'n' || side == 'w') ? p.light : p.dark);
        }
    };
    for (char s : std::string("nesw"))
        if (!has(conn, s)) rim(s);
    // where two joined sides meet, the wall's inner corner still shows its rim
    if (has(conn, 'n') && has(conn, 'e')) t.set(15, 0, p.line);
    if (has(conn, 'n') && has(conn, 'w')) t.set(0, 0, p.line);
    if (has(conn, 's') && has(conn, 'e')) t.set(15, 15, p.line);
    if (has(conn, 's') && has(conn, 'w')) t.set(0, 15, p.line);
}

// ---- wall faces ----
void bricks(Tile& t, uint32_t brick, uint32_t mortar, int bw, int bh, int seed)
{
    for (int y = 0; y < TS; y++)
        for (int x = 0; x < TS; x++) {
            int ox = (y / bh) % 2 ? bw / 2 : 0;
            int bx = (x + ox) % bw, by = y % bh;
            uint32_t b = scale(brick, 1 + 0.16f * (hash01((x + ox) / bw, y / bh, seed) - 0.5f));
            if (by == bh - 1 || bx == bw - 1) t.p[y][x] = mortar;
            else if (by == 0) t.p[y][x] = scale(b, 1.14f);
            else t.p[y][x] = textured_face(b, x, y, seed);
        }
}

} // namespace
