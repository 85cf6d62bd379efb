// The world map's landmarks: mountains, hills, fields, the places one enters
// (castle, towns, the cave, the bridgehead), desert rocks and ruins, each
// small enough to read at a glance on a map seen from high above.
#include "tiles/paint.h"

#include <cmath>

namespace tilepaint {

namespace {

void mountain(Tile& t, const std::string& v)
{
    paint_ground(t, "wgrass");
    Tile o;
    float peak = v == "mountaintall" ? 0.5f : v == "foothill" ? 6 : 2;
    float half = v == "foothill" ? 8 : 7.5f;
    for (int y = 0; y < TS; y++)
        for (int x = 0; x < TS; x++) {
            float ty = (y + 0.5f - peak) / (15.5f - peak);
            if (ty < 0) continue;
            float dx = x + 0.5f - 8;
            if (std::fabs(dx) > ty * half) continue;
            uint32_t c = dx < 0 ? rgb(168, 140, 104) : rgb(120, 96, 72);
            if (dx < 0 && std::fabs(dx) > ty * half - 1.5f) c = rgb(196, 172, 136);
            if (v == "mountainsnow" && ty < 0.4f) c = dx < 0 ? rgb(248, 248, 252) : rgb(200, 208, 224);
            if (v == "mountaintall" && dx >= 0) c = rgb(96, 76, 60);
            if (hash01(x, y, 351) > 0.9f) c = scale(c, 0.85f);
            o.set(x, y, c);
        }
    if (v == "crags") {
        o.fill(CLEAR);
        for (int k = 0; k < 3; k++) {
            float cx = 3 + k * 5, py = 3 + (k % 2) * 4;
            for (int y = (int)py; y < 16; y++)
                for (int x = 0; x < 16; x++) {
                    float dx = x + 0.5f - cx, w = (y - py) * 0.4f;
                    if (std::fabs(dx) <= w) o.set(x, y, dx < 0 ? rgb(150, 140, 128) : rgb(100, 92, 86));
                }
        }
    }
    outline(o, rgb(60, 44, 32));
    over(t, o);
}

bool paint_world(Tile& t, const std::string& v)
{
    if (v.rfind("mountain", 0) == 0 || v == "crags" || v == "foothill") {
        mountain(t, v);
        return true;
    }
    Tile o;
    std::string ground = "wgrass";
    if (v == "castlewall" || v == "castletower" || v == "castleroof" || v == "townwall" ||
        v == "castlegate") {
        uint32_t stone = rgb(196, 192, 184), shade = rgb(140, 136, 132);
        if (v == "castlewall" || v == "townwall") {
            rect(o, 0, 5, 15, 14, stone);
            rect(o, 0, 3, 15, 5, shade);
            for (int x = 0; x < 16; x += 4) rect(o, x, 1, x + 1, 3, stone);
            for (int y = 7; y < 14; y += 3) hline(o, 0, 15, y, shade);
            if (v == "townwall")
                for (int y = 0; y < 16; y++)
                    for (int x = 0; x < 16; x++)
                        if (o.p[y][x] != CLEAR) o.p[y][x] = scale(o.p[y][x], 0.85f);
        } else if (v == "castletower") {
            rect(o, 3, 4, 12, 15, stone);
            vline(o, 11, 4, 15, shade);
            vline(o, 12, 4, 15, shade);
            for (int x = 3; x < 13; x += 3) rect(o, x, 2, x + 1, 4, stone);
            rect(o, 7, 8, 8, 10, rgb(40, 40, 56));
        } else if (v == "castleroof") {
            rect(o, 2, 8, 13, 15, stone);
            vline(o, 12, 8, 15, shade);
            for (int y = 0; y < 9; y++)
                hline(o, 8 - (y * 6) / 9 - 1, 7 + (y * 6) / 9 + 1, y + 1,
                      y % 2 ? rgb(64, 96, 184) : rgb(80, 116, 208));
            o.set(7, 0, rgb(232, 64, 64));
            o.set(8, 0, rgb(232, 64, 64));
        } else {
            rect(o, 0, 3, 15, 15, stone);
            for (int x = 0; x < 16; x += 4) rect(o, x, 1, x + 1, 3, stone);
            rect(o, 4, 6, 11, 15, rgb(40, 32, 28));
            disc(o, 8, 7, 4, rgb(40, 32, 28));
            for (int y = 9; y < 16; y++) hline(o, 5, 10, y, rgb(150, 104, 60));
        }
    } else if (v == "village" || v == "agual" || v == "mystalia") {
        uint32_t roofc = v == "village" ? rgb(200, 72, 56)
                         : v == "agual" ? rgb(72, 96, 168)
                                        : rgb(224, 200, 150);
        uint32_t wall = v == "mystalia" ? rgb(236, 220, 176) : rgb(240, 232, 208);
        if (v == "mystalia") ground = "desert";
        auto house = [&](int x, int y) {
            rect(o, x, y + 3, x + 5, y + 6, wall);
            o.set(x + 2, y + 5, rgb(80, 50, 30));
            o.set(x + 2, y + 6, rgb(80, 50, 30));
            if (v == "mystalia") {
                disc(o, x + 3, y + 3, 3, roofc);
                o.set(x + 3, y, rgb(120, 180, 220));
            } else
                for (int i = 0; i < 3; i++)
                    hline(o, x + i - 1 + 1, x + 5 - i + (i == 0 ? 0 : 0), y + 2 - i,
                          i == 0 ? scale(roofc, 0.8f) : roofc);
        };
        house(1, 1);
        house(9, 2);
        house(4, 8);
        if (v == "agual")
            for (int x = 0; x < 16; x++) o.set(x, 15, rgb(72, 120, 200));
    } else if (v == "cave") {
        ground = "desert";
        for (int y = 2; y < 16; y++)
            for (int x = 0; x < 16; x++) {
                float dx = x + 0.5f - 8, ty = (y - 2) / 13.0f;
                if (std::fabs(dx) < ty * 8) o.set(x, y, dx < 0 ? rgb(200, 150, 96) : rgb(160, 112, 72));
            }
        rect(o, 5, 9, 10, 15, rgb(24, 16, 12));
        disc(o, 7.5f, 10, 2.6f, rgb(24, 16, 12));
    } else if (v == "bridgehead") {
        rect(o, 4, 4, 11, 14, rgb(150, 104, 60));
        vline(o, 11, 4, 14, rgb(110, 72, 40));
        for (int i = 0; i < 4; i++) hline(o, 3 + i, 12 - i, 3 - i, rgb(176, 64, 48));
        rect(o, 6, 9, 9, 14, rgb(40, 28, 20));
        rect(o, 12, 0, 12, 6, rgb(90, 60, 40));
        rect(o, 13, 0, 15, 1, rgb(200, 48, 48));
    } else if (v == "hills" || v == "hill") {
        auto hump = [&](float cx, float by, float r) {
            for (int y = 0; y < 16; y++)
                for (int x = 0; x < 16; x++) {
                    float dx = (x + 0.5f - cx) / r, dy = (y + 0.5f - by) / (r * 0.8f);
                    if (dy > 0 || dx * dx + dy * dy > 1) continue;
                    float lit = -dx * 0.7f - dy * 0.3f;
                    o.set(x, y,
                          lit > 0.35f   ? rgb(150, 208, 104)
                          : lit > -0.1f ? rgb(112, 180, 80)
                                        : rgb(78, 140, 60));
                }
        };
        if (v == "hills") {
            hump(5, 9, 5);
            hump(11.5f, 15, 5);
        } else
            hump(8, 13, 7);
    } else if (v == "field" || v == "wheat") {
        ground = "dirt";
        for (int y = 1; y < 16; y += 3)
            hline(o, 1, 14, y, v == "field" ? rgb(132, 96, 60) : rgb(232, 200, 88));
        if (v == "wheat")
            for (int y = 2; y < 16; y += 3)
                for (int x = 1; x < 15; x += 2) o.set(x, y, rgb(200, 160, 60));
        if (v == "field")
            for (int y = 2; y < 16; y += 3)
                for (int x = 2; x < 15; x += 4) o.set(x, y, rgb(88, 160, 64));
    } else if (v == "bushes") {
        ball(o, 4, 6, 3, rgb(72, 150, 64));
        ball(o, 11, 9, 3.5f, rgb(72, 150, 64));
        ball(o, 5, 13, 2.5f, rgb(72, 150, 64));
    } else if (v == "camp") {
        for (int i = 0; i < 8; i++) {
            float a = i * 0.785f;
            disc(o, 8 + 4 * std::cos(a), 9 + 3 * std::sin(a), 1.3f, rgb(150, 146, 140));
        }
        disc(o, 8, 9, 1.6f, rgb(60, 40, 30));
    } else if (v == "graves") {
        for (int k = 0; k < 3; k++) {
            int x = 2 + k * 5, y = 3 + (k % 2) * 6;
            rect(o, x, y, x + 2, y + 4, rgb(176, 176, 184));
            o.set(x + 1, y + 1, rgb(110, 110, 120));
        }
    } else if (v == "sign") {
        vline(o, 7, 6, 14, rgb(110, 72, 40));
        rect(o, 3, 3, 12, 7, rgb(200, 160, 100));
        hline(o, 4, 10, 5, rgb(110, 80, 50));
        o.set(12, 5, rgb(200, 160, 100));
        o.set(13, 5, rgb(200, 160, 100));
    } else if (v == "reeds") { // reeds standing in the shallows
        paint_ground(t, "wgrass");
        for (int y = 9; y < 16; y++)
            for (int x = 0; x < 16; x++)
                t.p[y][x] = (x + y * 3) % 9 == 0 ? rgb(200, 228, 248) : rgb(96, 152, 216);
        for (int i = 0; i < 6; i++) {
            int x = 1 + i * 3 - (i % 2);
            vline(o, x, 3 + (i % 3), 13, rgb(112, 150, 64));
            rect(o, x, 2 + (i % 3), x, 4 + (i % 3), rgb(140, 96, 56));
        }
        outline(o, rgb(48, 64, 32));
        over(t, o);
        return true;
    } else if (v == "ford" || v == "marsh") {
        paint_ground(t, "wgrass");
        for (int y = 0; y < 16; y++)
            for (int x = 0; x < 16; x++) {
                bool wet = v == "ford" ? std::fabs(y + 0.5f - 8) < 5 : vnoise(x, y, 353, 8) > 0.58f;
                if (wet) t.p[y][x] = (x + y * 3) % 7 == 0 ? rgb(200, 228, 248) : rgb(96, 152, 216);
            }
        if (v == "ford")
            for (int x = 2; x < 16; x += 5) {
                o.set(x, 6, rgb(160, 156, 148));
                o.set(x + 1, 10, rgb(160, 156, 148));
            }
        outline(o, rgb(60, 80, 110));
        over(t, o);
        return true;
    } else if (v == "bridgeh" || v == "bridgev") {
        paint_ground(t, "wgrass");
        Tile deck;
        paint_piece(deck, v == "bridgeh" ? "deckh" : "deckv");
        for (int y = 0; y < 16; y++)
            for (int x = 0; x < 16; x++) {
                int across = v == "bridgeh" ? y : x;
                if (across < 3 || across > 12)
                    t.p[y][x] = across < 1 || across > 14 ? rgb(96, 152, 216) : rgb(60, 40, 24);
                else
                    t.p[y][x] = deck.p[y][x];
            }
        return true;
    } else if (v == "boulder") {
        ball(o, 5, 6, 4, rgb(150, 146, 136));
        ball(o, 11, 10, 4.5f, rgb(140, 136, 128));
        ball(o, 5, 12, 3, rgb(160, 156, 146));
    } else if (v == "cliff") {
        for (int y = 0; y < 16; y++)
            for (int x = 0; x < 16; x++) {
                int band = (y + (int)(2 * vnoise(x, 0, 356, 8))) / 4;
                float n = vnoise(x, y, 357, 4);
                uint32_t c =
                    scale(rgb(138, 130, 122), 1 + 0.2f * (hash01(band, 0, 355) - 0.5f) + 0.3f * (n - 0.5f));
                if ((y + (int)(2 * vnoise(x, 0, 356, 8))) % 4 == 3 && hash01(x / 3, band, 359) > 0.3f)
                    c = rgb(78, 72, 70);
                if (n > 0.72f) c = rgb(176, 170, 162); // lit ledges
                t.p[y][x] = y < 2 ? ground_px("wgrass", x, y) : y == 2 ? rgb(60, 44, 32) : c;
            }
        return true;
    } else if (v == "dunes") {
        ground = "desert";
        for (int k2 = 0; k2 < 2; k2++) {
            float cx = k2 ? 11 : 5, cy = k2 ? 12 : 7;
            for (int y = 0; y < 16; y++)
                for (int x = 0; x < 16; x++) {
                    float dx = x + 0.5f - cx, dy = y + 0.5f - cy;
                    if (dy > 0 || std::fabs(dx) > 6 + dy) continue; // a crescent-topped heap
                    if (dy < -5 + std::fabs(dx) * 0.6f) continue;
                    o.set(x, y, dx < 0 ? rgb(248, 222, 156) : rgb(204, 160, 92));
                }
        }
    } else if (v == "desertrock" || v == "mesa") {
        ground = "desert";
        uint32_t a = v == "mesa" ? rgb(196, 96, 60) : rgb(176, 140, 100),
                 b = v == "mesa" ? rgb(148, 64, 44) : rgb(128, 100, 72);
        int top = v == "mesa" ? 4 : 2;
        rect(o, 2, top, 13, 14, a);
        rect(o, 9, top, 13, 14, b);
        rect(o, 2, top, 13, top + 1, scale(a, 1.25f));
        if (v == "mesa")
            for (int y = top + 4; y < 15; y += 3) hline(o, 2, 13, y, scale(b, 0.85f));
    } else if (v == "cactus") {
        ground = "desert";
        rect(o, 7, 2, 9, 14, rgb(64, 152, 72));
        vline(o, 7, 2, 14, rgb(100, 192, 96));
        rect(o, 3, 6, 4, 9, rgb(64, 152, 72));
        hline(o, 3, 6, 9, rgb(64, 152, 72));
        rect(o, 12, 4, 13, 8, rgb(64, 152, 72));
        hline(o, 10, 13, 8, rgb(64, 152, 72));
    } else if (v == "ruins") {
        rect(o, 2, 4, 5, 14, rgb(200, 196, 184));
        rect(o, 10, 8, 13, 14, rgb(200, 196, 184));
        vline(o, 5, 4, 14, rgb(150, 146, 140));
        vline(o, 13, 8, 14, rgb(150, 146, 140));
        rect(o, 6, 12, 9, 14, rgb(180, 176, 166));
    } else {
        return false;
    }
    paint_ground(t, ground);
    outline(o, rgb(48, 36, 28));
    over(t, o);
    return true;
}

} // namespace

bool paint_world_look(Tile& t, const Look& l)
{
    return l[0] == "world" && l.size() > 1 && paint_world(t, l[1]);
}

} // namespace tilepaint
