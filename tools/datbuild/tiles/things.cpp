// Things standing on the ground: town and wild obstacles, furniture (drawn
// clear around so they sit on any floor of layer 1), chests, animated and
// overlay tiles, bridge pieces and sandstone outcrops. Each is shaped, then
// ringed with a dark outline to read clearly.
#include "tiles/paint.h"

#include <cmath>

namespace tilepaint {

namespace {

const uint32_t INK = 0x2A1E1E; // outline of things

// Outlines `obj` and lays it over a ground (or over nothing, for layer-1 things).
void place(Tile& t, const std::string& ground, Tile obj, uint32_t ink = INK)
{
    if (!ground.empty()) paint_ground(t, ground);
    outline(obj, ink);
    over(t, obj);
}

void tree_shape(Tile& o, uint32_t leaf, float cy, float r)
{
    rect(o, 7, (int)(cy + r - 2), 8, 14, rgb(110, 72, 40));
    o.set(7, 14, rgb(80, 52, 30));
    ball(o, 8, cy, r, leaf);
}

bool paint_obj(Tile& t, const std::string& where, const std::string& what)
{
    Tile o;
    if (where == "town") {
        if (what == "fence") {
            paint_ground(t, "grass");
            for (int x = 1; x < 16; x += 4) {
                rect(o, x, 3, x + 1, 13, rgb(240, 236, 224));
                o.set(x, 2, rgb(240, 236, 224));
                vline(o, x + 1, 4, 13, rgb(196, 188, 176));
            }
            hline(o, 0, 15, 6, rgb(224, 216, 200));
            hline(o, 0, 15, 10, rgb(224, 216, 200));
            outline(o, INK);
            over(t, o);
            for (int x = 0; x < 16; x++) t.set(x, 14, scale(t.get(x, 14), 0.7f));
            return true;
        }
        if (what == "tree") {
            tree_shape(o, rgb(64, 148, 60), 6.5f, 6.5f);
            place(t, "grass", o);
            return true;
        }
        if (what == "well") {
            disc(o, 8, 10, 6, rgb(150, 146, 140));
            disc(o, 8, 10, 4, rgb(30, 48, 72));
            disc(o, 8, 10, 2.5f, rgb(56, 96, 150));
            vline(o, 2, 2, 10, rgb(110, 72, 40));
            vline(o, 13, 2, 10, rgb(110, 72, 40));
            for (int i = 0; i < 4; i++) hline(o, 1 + i, 14 - i, 3 - i, rgb(176, 64, 48));
            hline(o, 1, 14, 3, rgb(130, 44, 36));
            vline(o, 8, 4, 8, rgb(200, 190, 170));
            place(t, "grass", o);
            return true;
        }
        if (what == "woodpile") {
            for (int r = 0; r < 3; r++)
                for (int c = 0; c < 3 - (r == 0); c++) {
                    float cx = 3.5f + c * 4.5f + (r == 0 ? 2.2f : 0), cy = 12.5f - r * 4;
                    disc(o, cx, cy, 2.3f, rgb(150, 100, 56));
                    disc(o, cx, cy, 1.2f, rgb(216, 176, 120));
                    o.set((int)cx, (int)cy, rgb(176, 128, 72));
                }
            place(t, "grass", o);
            return true;
        }
    }
    if (where == "woods") {
        if (what == "tree") {
            tree_shape(o, rgb(44, 92, 52), 6.5f, 6.5f);
            place(t, "woods", o);
            return true;
        }
        if (what == "deadtree") {
            vline(o, 7, 3, 14, rgb(112, 100, 88));
            vline(o, 8, 5, 14, rgb(80, 70, 62));
            for (int i = 0; i < 4; i++) {
                o.set(6 - i, 6 - i, rgb(112, 100, 88));
                o.set(9 + i, 8 - i, rgb(112, 100, 88));
                o.set(4 - i / 2, 10 - i, rgb(112, 100, 88));
            }
            place(t, "woods", o);
            return true;
        }
        if (what == "boulder") {
            ball(o, 8, 9, 6.5f, rgb(120, 124, 112));
            for (int x = 3; x < 12; x++)
                if (hash01(x, 2, 301) > 0.4f) o.set(x, 4 + (x % 3), rgb(80, 128, 64));
            place(t, "woods", o);
            return true;
        }
        if (what == "log") {
            rect(o, 1, 7, 13, 12, rgb(120, 84, 52));
            hline(o, 1, 13, 8, rgb(152, 110, 70));
            hline(o, 1, 13, 12, rgb(84, 58, 36));
            disc(o, 13.5f, 9.5f, 3, rgb(196, 160, 112));
            disc(o, 13.5f, 9.5f, 1.5f, rgb(150, 110, 70));
            place(t, "woods", o);
            return true;
        }
        if (what == "stump") {
            rect(o, 4, 7, 11, 13, rgb(110, 76, 44));
            disc(o, 7.5f, 7, 4, rgb(190, 150, 100));
            disc(o, 7.5f, 7, 2, rgb(160, 120, 76));
            o.set(3, 13, rgb(110, 76, 44));
            o.set(12, 13, rgb(110, 76, 44));
            place(t, "woods", o);
            return true;
        }
        if (what == "brambles" || what == "thicket") {
            uint32_t leaf = what == "thicket" ? rgb(36, 72, 44) : rgb(72, 88, 48);
            ball(o, 5, 8, 4.5f, leaf);
            ball(o, 11, 9, 4.5f, leaf);
            ball(o, 8, 5, 4, scale(leaf, 1.1f));
            if (what == "brambles")
                for (int i = 0; i < 6; i++)
                    o.set(2 + (int)(hash01(i, 1, 303) * 12), 3 + (int)(hash01(i, 2, 303) * 10),
                          rgb(200, 48, 64));
            place(t, "woods", o);
            return true;
        }
        if (what == "roots") {
            paint_ground(t, "woods");
            for (int i = 0; i < 4; i++)
                for (int x = 0; x < 16; x++) {
                    int y = 3 + i * 3 + (int)(2 * std::sin(x * 0.5f + i * 1.7f));
                    o.set(x, y, rgb(96, 70, 44));
                    o.set(x, y + 1, rgb(72, 50, 32));
                }
            place(t, "", o);
            return true;
        }
        if (what == "rockwall") {
            for (int y = 0; y < TS; y++)
                for (int x = 0; x < TS; x++) {
                    float n = vnoise(x, y, 305, 4);
                    t.p[y][x] = n > 0.62f   ? rgb(124, 124, 112)
                                : n < 0.35f ? rgb(70, 72, 66)
                                            : rgb(98, 100, 90);
                    if (vnoise(x, y, 306, 8) > 0.65f && y < 8) t.p[y][x] = rgb(72, 112, 56);
                }
            return true;
        }
    }
    if (where == "bridge" && what == "barricade") {
        for (int y = 0; y < TS; y++)
            for (int x = 0; x < TS; x++) t.p[y][x] = (y % 4 == 3) ? rgb(96, 64, 36) : rgb(156, 110, 64);
        for (int i = 0; i < 14; i++) {
            o.set(1 + i, 13 - i * 10 / 14, rgb(120, 84, 48));
            o.set(1 + i, 12 - i * 10 / 14, rgb(150, 104, 60));
            o.set(14 - i, 13 - i * 10 / 14, rgb(120, 84, 48));
            o.set(14 - i, 12 - i * 10 / 14, rgb(150, 104, 60));
        }
        hline(o, 0, 15, 9, rgb(110, 76, 44));
        hline(o, 0, 15, 8, rgb(140, 98, 58));
        for (int x = 2; x < 16; x += 5) {
            vline(o, x, 1, 3, rgb(200, 200, 210));
            o.set(x, 0, rgb(240, 240, 248));
        }
        place(t, "", o);
        return true;
    }
    if (where == "sg") {
        if (what == "seal") {
            paint_ground(t, "sand");
            for (int y = 0; y < TS; y++)
                for (int x = 0; x < TS; x++) {
                    float d = std::hypot(x + 0.5f - 8, y + 0.5f - 8);
                    float a = std::atan2(y + 0.5f - 8, x + 0.5f - 8);
                    if (d < 7.2f)
                        t.p[y][x] = std::fabs(std::sin(a * 3 + d * 0.7f)) > 0.75f ? rgb(88, 40, 120)
                                                                                  : rgb(20, 10, 30);
                    if (d < 2) t.p[y][x] = rgb(160, 96, 208);
                    if (d >= 7.2f && d < 8) t.p[y][x] = rgb(60, 40, 70);
                }
            return true;
        }
        if (what == "thorn") { // a dry, spiky bush
            ball(o, 8, 9, 6, rgb(140, 128, 72));
            for (int i = 0; i < 10; i++) {
                float a = i * 0.63f;
                o.set(8 + (int)std::lround(6.5f * std::cos(a)), 9 + (int)std::lround(6 * std::sin(a)),
                      rgb(96, 76, 44));
            }
            for (int i = 0; i < 6; i++)
                o.set(4 + (int)(hash01(i, 4, 307) * 8), 5 + (int)(hash01(i, 5, 307) * 7), rgb(92, 84, 44));
            place(t, "sand", o);
            return true;
        }
        if (what == "pillar" || what == "brokenpillar") {
            int top = what == "pillar" ? 1 : 7;
            rect(o, 4, top, 11, 13, rgb(214, 184, 132));
            vline(o, 5, top, 13, rgb(236, 212, 164));
            vline(o, 10, top, 13, rgb(172, 140, 96));
            for (int x = 6; x < 10; x += 2) vline(o, x, top + 1, 12, rgb(190, 160, 112));
            rect(o, 3, 12, 12, 14, rgb(190, 160, 110));
            if (what == "pillar")
                rect(o, 3, 0, 12, 1, rgb(236, 212, 164));
            else {
                o.set(5, top - 1, rgb(214, 184, 132));
                o.set(9, top - 1, rgb(214, 184, 132));
                rect(o, 12, 12, 14, 13, rgb(200, 170, 120));
            }
            place(t, "sand", o);
            return true;
        }
        if (what == "deadtree") {
            vline(o, 7, 2, 14, rgb(228, 220, 204));
            vline(o, 8, 4, 14, rgb(180, 170, 152));
            for (int i = 0; i < 5; i++) {
                o.set(6 - i, 7 - i, rgb(228, 220, 204));
                o.set(9 + i, 9 - i, rgb(228, 220, 204));
            }
            place(t, "sand", o);
            return true;
        }
    }
    if (where == "ag") {
        if (what == "boatl" || what == "boatr") {
            for (int y = 0; y < TS; y++)
                for (int x = 0; x < TS; x++)
                    t.p[y][x] = mix(rgb(52, 84, 92), rgb(64, 104, 112), vnoise(x, y, 309, 8));
            bool bow = what == "boatl";
            for (int y = 4; y <= 12; y++) {
                int inset = bow ? std::abs(y - 8) : 0;
                int x0 = bow ? inset : 0, x1 = bow ? 15 : 13 - std::abs(y - 8) / 3;
                hline(o, x0, x1, y, y < 6 || y > 10 ? rgb(120, 72, 40) : rgb(168, 116, 64));
            }
            for (int x = 3; x < 15; x += 4) vline(o, x, 6, 10, rgb(120, 80, 48));
            place(t, "", o);
            return true;
        }
        if (what == "townwall") {
            for (int y = 0; y < TS; y++)
                for (int x = 0; x < TS; x++) {
                    int ox = (y / 4) % 2 ? 4 : 0;
                    t.p[y][x] = (y % 4 == 3 || (x + ox) % 8 == 7)
                                    ? rgb(70, 74, 86)
                                    : scale(rgb(120, 126, 140),
                                            1 + 0.15f * (hash01((x + ox) / 8, y / 4, 311) - 0.5f));
                }
            rect(t, 0, 0, 15, 2, rgb(150, 156, 170));
            for (int x = 0; x < 16; x += 8) rect(t, x + 4, 0, x + 7, 1, rgb(70, 74, 86));
            return true;
        }
        if (what == "lamp") {
            vline(o, 7, 5, 14, rgb(48, 48, 56));
            vline(o, 8, 5, 14, rgb(80, 80, 92));
            rect(o, 6, 14, 9, 15, rgb(48, 48, 56));
            rect(o, 5, 1, 10, 5, rgb(56, 56, 64));
            rect(o, 6, 2, 9, 4, rgb(255, 224, 120));
            o.set(7, 2, rgb(255, 250, 220));
            place(t, "wetcobble", o);
            for (int y = 0; y < TS; y++)
                for (int x = 0; x < TS; x++)
                    if (o.p[y][x] == CLEAR && std::hypot(x - 7.5f, y - 3.5f) < 7)
                        t.p[y][x] = mix(t.p[y][x], rgb(255, 220, 140), 0.18f);
            return true;
        }
    }
    return false;
}

bool paint_furn(Tile& o, const std::string& what, const std::string& part)
{
    uint32_t wood = rgb(160, 108, 60), dark = rgb(110, 70, 38), light = rgb(200, 148, 92),
             gold = rgb(232, 188, 64);
    if (what == "cupboard" || what == "wardrobe") {
        rect(o, 2, 0, 13, 15, wood);
        hline(o, 2, 13, 0, light);
        vline(o, 7, 2, 14, dark);
        vline(o, 8, 2, 14, dark);
        rect(o, 3, 2, 6, 13, what == "wardrobe" ? rgb(140, 92, 52) : light);
        rect(o, 9, 2, 12, 13, what == "wardrobe" ? rgb(140, 92, 52) : light);
        o.set(6, 8, gold);
        o.set(9, 8, gold);
        if (what == "cupboard") {
            hline(o, 3, 12, 7, dark);
        }
        return true;
    }
    if (what == "bookshelf" || what == "shelf") {
        int x0 = part == "l" ? 1 : 0, x1 = part == "r" ? 14 : 15;
        rect(o, x0, 0, x1, 15, dark);
        for (int s = 0; s < 3; s++) {
            int y = 1 + s * 5;
            for (int x = x0 + 1; x < x1; x++) {
                static const uint32_t spines[] = {0xB83C3C, 0x3C64B8, 0x3C9050, 0xD8B040, 0x8C3CA0, 0xE0E0D0};
                if (part == "ladder" && x >= 10 && x <= 13) continue;
                uint32_t c = spines[(int)(hash01(x, s, 313) * 6)];
                int h = 3 + (hash01(x, s, 314) > 0.7f ? 0 : 1);
                vline(o, x, y + 4 - h, y + 3, c);
            }
            hline(o, x0, x1, y + 4, wood);
        }
        if (part == "ladder") {
            vline(o, 10, 0, 15, rgb(190, 140, 80));
            vline(o, 13, 0, 15, rgb(190, 140, 80));
            for (int y = 1; y < 16; y += 3) hline(o, 11, 12, y, rgb(170, 120, 70));
        }
        if (what == "bookshelf") { // a household shelf: a lighter frame, a vase among the books
            for (int y = 0; y < 16; y++) {
                o.set(0, y, wood);
                o.set(15, y, wood);
            }
            hline(o, 0, 15, 0, light);
            rect(o, 10, 2, 13, 4, dark);
            disc(o, 11.5f, 3, 1.6f, rgb(72, 128, 184));
            o.set(11, 2, rgb(150, 190, 230));
        }
        return true;
    }
    if (what == "table") {
        int x0 = part == "l" ? 1 : 0, x1 = part == "r" ? 14 : 15;
        if (part.empty()) {
            x0 = 2;
            x1 = 13;
        }
        rect(o, x0, 3, x1, 10, light);
        hline(o, x0, x1, 3, rgb(224, 176, 116));
        rect(o, x0, 11, x1, 12, dark);
        if (part != "m") {
            if (part != "r") rect(o, x0 + 1, 13, x0 + 2, 15, dark);
            if (part != "l") rect(o, x1 - 2, 13, x1 - 1, 15, dark);
        }
        if (part.empty()) {
            disc(o, 8, 6.5f, 2, rgb(240, 240, 232));
            o.set(8, 6, rgb(200, 80, 60));
        }
        return true;
    }
    if (what == "dresser") {
        rect(o, 1, 2, 14, 15, wood);
        hline(o, 1, 14, 2, light);
        for (int y = 5; y < 15; y += 4) {
            hline(o, 2, 13, y, dark);
            o.set(7, y + 2, gold);
            o.set(8, y + 2, gold);
        }
        rect(o, 5, 0, 7, 2, rgb(120, 160, 200));
        return true;
    }
    if (what == "barrel" || what == "fishbarrel") {
        rect(o, 3, 2, 12, 14, wood);
        for (int y = 2; y < 15; y++) {
            o.set(3, y, dark);
            o.set(12, y, dark);
            o.set(4, y, light);
        }
        hline(o, 3, 12, 4, rgb(90, 90, 100));
        hline(o, 3, 12, 12, rgb(90, 90, 100));
        rect(o, 4, 1, 11, 2, what == "fishbarrel" ? rgb(160, 180, 200) : rgb(124, 84, 46));
        if (what == "fishbarrel") {
            o.set(6, 0, rgb(200, 210, 220));
            o.set(9, 1, rgb(220, 230, 240));
            o.set(7, 0, rgb(140, 160, 180));
        }
        return true;
    }
    if (what == "pot") {
        disc(o, 8, 9.5f, 5.5f, rgb(184, 104, 60));
        rect(o, 5, 2, 10, 4, rgb(168, 92, 52));
        hline(o, 5, 10, 2, rgb(60, 36, 24));
        for (int y = 6; y < 13; y++) o.set(5, y, rgb(216, 140, 96));
        hline(o, 3, 12, 9, rgb(140, 72, 40));
        return true;
    }
    if (what == "crates") {
        rect(o, 1, 6, 14, 15, wood);
        rect(o, 4, 0, 12, 6, light);
        for (int x = 1; x < 15; x++) {
            o.set(x, 6 + (x * 9 / 14), dark);
        }
        rect(o, 1, 6, 14, 6, dark);
        vline(o, 7, 7, 15, dark);
        hline(o, 4, 12, 3, dark);
        return true;
    }
    if (what == "sacks") {
        ball(o, 5, 10, 4.5f, rgb(212, 192, 144));
        ball(o, 11, 10, 4.5f, rgb(200, 180, 132));
        ball(o, 8, 5, 4, rgb(220, 200, 152));
        o.set(8, 1, rgb(140, 110, 70));
        return true;
    }
    if (what == "bedtop" || what == "bedfoot") {
        if (what == "bedtop") {
            rect(o, 1, 0, 14, 3, dark);
            hline(o, 1, 14, 0, light);
            rect(o, 2, 4, 13, 15, rgb(236, 232, 220));
            rect(o, 3, 5, 12, 9, rgb(250, 250, 244));
            hline(o, 3, 12, 9, rgb(200, 196, 188));
            rect(o, 2, 12, 13, 15, rgb(72, 104, 176));
            hline(o, 2, 13, 12, rgb(104, 136, 208));
            vline(o, 1, 0, 15, dark);
            vline(o, 14, 0, 15, dark);
        } else {
            rect(o, 2, 0, 13, 12, rgb(72, 104, 176));
            for (int y = 2; y < 12; y += 4) hline(o, 2, 13, y, rgb(96, 128, 200));
            for (int x = 3; x < 13; x += 4) vline(o, x, 0, 12, rgb(60, 88, 156));
            rect(o, 1, 13, 14, 15, dark);
            hline(o, 1, 14, 13, light);
            vline(o, 1, 0, 15, dark);
            vline(o, 14, 0, 15, dark);
        }
        return true;
    }
    if (what == "hearth") {
        rect(o, 0, 0, 15, 15, rgb(140, 132, 128));
        for (int y = 0; y < 16; y += 4)
            for (int x = (y / 4 % 2) * 3; x < 16; x += 6) vline(o, x, y, y + 3, rgb(100, 94, 92));
        for (int y = 0; y < 16; y += 4) hline(o, 0, 15, y, rgb(100, 94, 92));
        rect(o, 3, 5, 12, 15, rgb(24, 16, 16));
        disc(o, 8, 6, 4.5f, rgb(24, 16, 16));
        ball(o, 8, 12, 3, rgb(240, 140, 40));
        disc(o, 8, 12.5f, 1.5f, rgb(255, 230, 120));
        o.set(7, 8, rgb(240, 120, 40));
        hline(o, 4, 11, 14, rgb(110, 70, 40));
        return true;
    }
    if (what == "pillar") {
        rect(o, 3, 0, 12, 15, rgb(176, 172, 168));
        vline(o, 4, 0, 15, rgb(214, 210, 206));
        vline(o, 11, 0, 15, rgb(120, 116, 116));
        vline(o, 12, 0, 15, rgb(96, 92, 96));
        for (int x = 6; x < 11; x += 2) vline(o, x, 2, 13, rgb(150, 146, 144));
        rect(o, 2, 0, 13, 1, rgb(200, 196, 190));
        rect(o, 2, 14, 13, 15, rgb(140, 136, 132));
        return true;
    }
    if (what == "throne") {
        rect(o, 3, 0, 12, 9, rgb(200, 160, 48));
        rect(o, 4, 1, 11, 8, rgb(176, 32, 48));
        disc(o, 8, 1, 2, rgb(232, 196, 72));
        rect(o, 2, 8, 13, 13, rgb(200, 160, 48));
        rect(o, 4, 9, 11, 12, rgb(200, 48, 64));
        rect(o, 2, 13, 3, 15, rgb(160, 120, 32));
        rect(o, 12, 13, 13, 15, rgb(160, 120, 32));
        o.set(8, 1, rgb(80, 160, 240));
        return true;
    }
    if (what == "armor") {
        disc(o, 8, 3, 2.5f, rgb(188, 192, 208));
        hline(o, 7, 9, 3, rgb(40, 40, 48));
        rect(o, 5, 6, 10, 11, rgb(176, 180, 196));
        vline(o, 6, 6, 11, rgb(220, 224, 236));
        rect(o, 3, 6, 4, 10, rgb(150, 154, 170));
        rect(o, 11, 6, 12, 10, rgb(150, 154, 170));
        rect(o, 6, 12, 7, 14, rgb(150, 154, 170));
        rect(o, 8, 12, 9, 14, rgb(150, 154, 170));
        rect(o, 4, 15, 11, 15, rgb(110, 72, 40));
        return true;
    }
    if (what == "weapons") {
        rect(o, 1, 12, 14, 13, wood);
        rect(o, 1, 2, 14, 3, wood);
        for (int x = 3; x < 14; x += 3) {
            vline(o, x, 0, 13, rgb(200, 204, 216));
            o.set(x, 0, rgb(240, 240, 248));
            hline(o, x - 1, x + 1, 10, rgb(140, 100, 40));
        }
        return true;
    }
    if (what == "desk") {
        rect(o, 1, 4, 14, 11, wood);
        hline(o, 1, 14, 4, light);
        rect(o, 1, 12, 14, 13, dark);
        rect(o, 1, 14, 2, 15, dark);
        rect(o, 13, 14, 14, 15, dark);
        rect(o, 3, 5, 9, 9, rgb(244, 240, 224));
        vline(o, 6, 5, 9, rgb(180, 170, 150));
        for (int y = 6; y < 9; y++) {
            hline(o, 4, 5, y, rgb(120, 120, 130));
            hline(o, 7, 8, y, rgb(120, 120, 130));
        }
        rect(o, 11, 3, 12, 7, rgb(240, 236, 220));
        o.set(11, 2, rgb(255, 200, 80));
        o.set(11, 1, rgb(255, 240, 160));
        return true;
    }
    if (what == "candelabra") {
        vline(o, 7, 4, 14, gold);
        vline(o, 8, 4, 14, rgb(180, 140, 40));
        rect(o, 5, 14, 10, 15, gold);
        hline(o, 3, 12, 6, gold);
        vline(o, 3, 4, 6, gold);
        vline(o, 12, 4, 6, gold);
        for (int x : {3, 8, 12}) {
            vline(o, x, 2, 3, rgb(244, 240, 228));
            o.set(x, 1, rgb(255, 200, 80));
            o.set(x, 0, rgb(255, 244, 180));
        }
        return true;
    }
    if (what == "clock") {
        rect(o, 4, 0, 11, 15, dark);
        rect(o, 5, 1, 10, 14, wood);
        disc(o, 7.5f, 4.5f, 2.6f, rgb(240, 232, 208));
        o.set(7, 4, rgb(30, 30, 30));
        o.set(7, 3, rgb(30, 30, 30));
        o.set(8, 4, rgb(30, 30, 30));
        rect(o, 6, 8, 9, 13, rgb(60, 40, 24));
        vline(o, 7, 8, 11, gold);
        disc(o, 7.5f, 12, 1.3f, gold);
        return true;
    }
    if (what == "crystal") {
        rect(o, 3, 9, 12, 12, rgb(96, 40, 120));
        hline(o, 3, 12, 9, rgb(140, 72, 168));
        rect(o, 4, 13, 5, 15, dark);
        rect(o, 10, 13, 11, 15, dark);
        ball(o, 8, 5.5f, 4, rgb(150, 200, 248));
        o.set(6, 4, rgb(255, 255, 255));
        o.set(7, 3, rgb(255, 255, 255));
        return true;
    }
    if (what == "runepillar") {
        rect(o, 4, 0, 11, 15, rgb(214, 180, 124));
        vline(o, 4, 0, 15, rgb(236, 208, 160));
        vline(o, 11, 0, 15, rgb(164, 132, 88));
        for (int y = 2; y < 14; y += 4) {
            hline(o, 6, 9, y, rgb(96, 160, 200));
            o.set(6, y + 1, rgb(96, 160, 200));
            o.set(9, y + 2, rgb(96, 160, 200));
        }
        return true;
    }
    if (what == "statue" || what == "knight") {
        rect(o, 3, 12, 12, 15, rgb(150, 146, 140));
        hline(o, 3, 12, 12, rgb(200, 196, 190));
        uint32_t m = rgb(224, 222, 216), ms = rgb(176, 174, 170);
        disc(o, 8, 2.5f, 2.2f, m);
        rect(o, 6, 5, 10, 11, m);
        vline(o, 10, 5, 11, ms);
        rect(o, 4, 5, 5, 9, m);
        rect(o, 11, 5, 12, 8, ms);
        if (what == "knight") {
            vline(o, 13, 0, 11, rgb(200, 204, 220));
            hline(o, 12, 14, 7, rgb(150, 120, 60));
            disc(o, 4, 8, 2.2f, rgb(120, 124, 140));
        }
        return true;
    }
    if (what == "fern" || what == "palm") {
        rect(o, 5, 11, 10, 15, what == "palm" ? rgb(200, 176, 136) : rgb(184, 104, 60));
        hline(o, 4, 11, 11, what == "palm" ? rgb(228, 208, 168) : rgb(208, 128, 80));
        uint32_t leaf = what == "palm" ? rgb(72, 148, 72) : rgb(64, 136, 64);
        for (int i = 0; i < 6; i++) {
            float a = 3.14159f * (0.1f + 0.16f * i);
            for (int r = 1; r < 7; r++)
                o.set(8 + (int)std::lround(-r * std::cos(a)),
                      10 - (int)std::lround(r * std::sin(a) * (what == "palm" ? 1.3f : 1.0f)),
                      r > 4 ? scale(leaf, 0.8f) : leaf);
        }
        return true;
    }
    if (what == "basin") {
        disc(o, 8, 9, 6.5f, rgb(180, 176, 170));
        disc(o, 8, 9, 4.8f, rgb(72, 136, 208));
        o.set(6, 7, rgb(220, 240, 255));
        o.set(7, 7, rgb(220, 240, 255));
        rect(o, 6, 14, 9, 15, rgb(150, 146, 140));
        return true;
    }
    if (what == "aquarium") {
        rect(o, 1, 2, 14, 13, rgb(120, 176, 208));
        rect(o, 2, 3, 13, 12, rgb(64, 136, 192));
        hline(o, 2, 13, 3, rgb(150, 200, 230));
        rect(o, 2, 11, 13, 12, rgb(200, 184, 120));
        o.set(5, 7, rgb(248, 140, 40));
        o.set(6, 7, rgb(248, 140, 40));
        o.set(4, 7, rgb(248, 180, 40));
        o.set(10, 9, rgb(248, 232, 64));
        o.set(11, 9, rgb(248, 232, 64));
        vline(o, 12, 6, 10, rgb(64, 160, 72));
        rect(o, 1, 14, 14, 15, dark);
        return true;
    }
    if (what == "rope") {
        for (float r = 1.5f; r < 6.5f; r += 1.5f) {
            for (int a = 0; a < 40; a++)
                o.set(8 + (int)std::lround(r * std::cos(a * 0.157f)),
                      9 + (int)std::lround(r * 0.7f * std::sin(a * 0.157f)),
                      r > 4 ? rgb(200, 172, 112) : rgb(176, 148, 96));
        }
        return true;
    }
    if (what == "netpile") {
        ball(o, 8, 10, 6, rgb(176, 160, 120));
        for (int y = 4; y < 16; y++)
            for (int x = 2; x < 15; x++)
                if (o.p[y][x] != CLEAR && (x + y) % 3 == 0) o.p[y][x] = rgb(120, 104, 72);
        o.set(12, 8, rgb(232, 96, 64));
        return true;
    }
    if (what == "umbrellas") {
        rect(o, 5, 8, 10, 15, rgb(100, 104, 120));
        hline(o, 5, 10, 8, rgb(140, 144, 160));
        vline(o, 6, 2, 8, rgb(200, 56, 64));
        vline(o, 7, 1, 8, rgb(200, 56, 64));
        vline(o, 9, 3, 8, rgb(56, 96, 200));
        vline(o, 10, 2, 8, rgb(56, 96, 200));
        return true;
    }
    if (what == "bucket") {
        rect(o, 4, 7, 11, 14, rgb(140, 140, 152));
        hline(o, 4, 11, 7, rgb(176, 176, 188));
        rect(o, 5, 8, 10, 9, rgb(72, 128, 192));
        hline(o, 3, 12, 10, rgb(96, 96, 108));
        o.set(8, 3, rgb(120, 170, 230));
        o.set(8, 5, rgb(120, 170, 230));
        return true;
    }
    if (what == "jars") {
        rect(o, 0, 7, 15, 8, wood);
        rect(o, 0, 14, 15, 15, wood);
        static const uint32_t fill[] = {0xC8A040, 0x60A048, 0xC85040, 0xE0D8B0};
        for (int i = 0; i < 4; i++) {
            rect(o, 1 + i * 4, 3, 3 + i * 4, 6, fill[i]);
            hline(o, 1 + i * 4, 3 + i * 4, 2, rgb(120, 120, 130));
            rect(o, 1 + i * 4, 10, 3 + i * 4, 13, fill[3 - i]);
        }
        return true;
    }
    if (what == "stove") {
        rect(o, 2, 4, 13, 15, rgb(56, 56, 64));
        hline(o, 2, 13, 4, rgb(96, 96, 108));
        rect(o, 5, 9, 10, 13, rgb(32, 24, 24));
        rect(o, 6, 10, 9, 12, rgb(232, 112, 40));
        rect(o, 10, 0, 12, 4, rgb(72, 72, 80));
        disc(o, 6, 6, 1.5f, rgb(120, 120, 132));
        return true;
    }
    if (what == "washbasin") {
        rect(o, 3, 8, 12, 15, wood);
        disc(o, 8, 6, 5, rgb(236, 236, 240));
        disc(o, 8, 6, 3.5f, rgb(120, 176, 224));
        o.set(7, 5, rgb(255, 255, 255));
        return true;
    }
    if (what == "lantern") {
        rect(o, 1, 6, 14, 11, wood);
        hline(o, 1, 14, 6, light);
        rect(o, 2, 12, 3, 15, dark);
        rect(o, 12, 12, 13, 15, dark);
        rect(o, 6, 1, 9, 6, rgb(64, 64, 72));
        rect(o, 7, 2, 8, 5, rgb(255, 220, 120));
        return true;
    }
    return false;
}

void chest(Tile& o, bool open)
{
    uint32_t wood = rgb(168, 92, 40), dark = rgb(112, 56, 24), band = rgb(232, 188, 64);
    if (!open) {
        rect(o, 1, 4, 14, 14, wood);
        rect(o, 1, 4, 14, 7, rgb(196, 112, 52));
        hline(o, 1, 14, 4, rgb(224, 144, 72));
        hline(o, 1, 14, 8, dark);
        vline(o, 3, 4, 14, band);
        vline(o, 12, 4, 14, band);
        rect(o, 7, 7, 8, 10, band);
        o.set(7, 9, rgb(60, 40, 20));
        hline(o, 1, 14, 14, dark);
    } else {
        rect(o, 1, 1, 14, 5, rgb(150, 80, 36));
        hline(o, 1, 14, 1, rgb(196, 112, 52));
        vline(o, 3, 1, 5, band);
        vline(o, 12, 1, 5, band);
        rect(o, 1, 6, 14, 14, wood);
        rect(o, 2, 7, 13, 9, rgb(40, 20, 12));
        hline(o, 1, 14, 10, dark);
        vline(o, 3, 6, 14, band);
        vline(o, 12, 6, 14, band);
        hline(o, 1, 14, 14, dark);
    }
}

// Things drawn clear around, laid over other tiles by the game or by layer 1.
bool paint_over(Tile& t, const std::string& what, const std::string& v)
{
    Tile o;
    if (what ==
        "crown") { // the upper leaves of town_tree standing in the cell below: a clump, so the two read as one big tree
        ball(o, 8, 8, 5, rgb(72, 156, 64));
        ball(o, 4.5f, 12.5f, 4.5f, rgb(64, 148, 60));
        ball(o, 11.5f, 12.5f, 4.5f, rgb(60, 140, 56));
        outline(o, INK);
        for (int x = 0; x < TS; x++) o.set(x, 15, o.get(x, 15) == INK ? CLEAR : o.get(x, 15));
        over(t, o);
        return true;
    }
    if (what == "awning") {
        for (int x = 0; x < TS; x++) {
            uint32_t c = (x / 4) % 2 ? rgb(236, 232, 220) : rgb(200, 56, 56);
            rect(o, x, 2, x, 10, c);
            if (x % 4 < 2) o.set(x, 11, c);
        }
        hline(o, 0, 15, 2, rgb(120, 40, 40));
        over(t, o);
        return true;
    }
    if (what == "sheen") { // faint glints of wet ground, shifted between the two frames
        int shift = v == "a" ? 0 : 8;
        for (int y = 0; y < TS; y++)
            for (int x = 0; x < TS; x++)
                if (((x + y + shift) % 16 < 2) || (hash01(x + shift, y, 321) > 0.94f))
                    t.p[y][x] = rgb(220, 232, 255);
        return true;
    }
    if (what == "torch") { // an iron sconce with a flickering flame
        rect(o, 7, 8, 8, 13, rgb(64, 56, 56));
        hline(o, 5, 10, 8, rgb(96, 88, 88));
        rect(o, 6, 13, 9, 14, rgb(64, 56, 56));
        bool b = v == "b";
        for (int y = 1; y < 8; y++) {
            float w = (y - 1) * 0.45f + (b ? 0.3f : 0);
            for (int x = 3; x < 13; x++) {
                float dx = x + 0.5f - (8 + (b ? (y < 4 ? -0.8f : 0.3f) : (y < 4 ? 0.8f : -0.3f)));
                if (std::fabs(dx) > w + 0.5f || y < (b ? 2 : 1)) continue;
                o.set(x, y,
                      std::fabs(dx) < w * 0.4f && y > 4 ? rgb(255, 248, 200)
                      : std::fabs(dx) < w * 0.75f       ? rgb(255, 196, 64)
                                                        : rgb(232, 96, 32));
            }
        }
        outline(o, rgb(60, 24, 16));
        over(t, o);
        return true;
    }
    if (what ==
        "fountain") { // ripples and sparkles laid translucently over the pool; the frames swap the ripples
        int shift = v == "b" ? 3 : 0;
        for (int y = 0; y < TS; y++)
            for (int x = 0; x < TS; x++) {
                int w = y + shift + (int)std::lround(1.5f * std::sin(x * 3.14159f / 4));
                if (((w % 6) + 6) % 6 == 0)
                    o.set(x, y, rgb(236, 248, 255));
                else if (((w % 6) + 6) % 6 == 1 && hash01(x, y, 323 + shift) > 0.5f)
                    o.set(x, y, rgb(176, 220, 255));
            }
        for (int i = 0; i < 5; i++)
            o.set((int)(hash01(i, shift, 324) * 16), (int)(hash01(i, shift + 1, 324) * 16),
                  rgb(255, 255, 255));
        over(t, o);
        return true;
    }
    if (what == "cloud") { // a quarter of a cloud centred on the corner the four quarters share
        int ox = v == "ne" || v == "se" ? 16 : 0, oy = v == "sw" || v == "se" ? 16 : 0;
        static const float puffs[][3] = {{16, 12, 9}, {9, 17, 7},  {23, 17, 7},
                                         {12, 22, 6}, {21, 22, 6}, {16, 19, 8}};
        for (int y = 0; y < TS; y++)
            for (int x = 0; x < TS; x++) {
                float px = x + ox + 0.5f, py = y + oy + 0.5f;
                bool in = false, lit = false;
                for (const auto& p : puffs) {
                    float dx = px - p[0], dy = py - p[1];
                    if (dx * dx + dy * dy <= p[2] * p[2]) {
                        in = true;
                        if (dy < -p[2] * 0.3f) lit = true;
                    }
                }
                if (in)
                    o.set(x, y, lit ? rgb(255, 255, 255) : py > 24 ? rgb(200, 208, 224) : rgb(236, 240, 248));
            }
        over(t, o);
        return true;
    }
    if (what == "mist") {
        for (int y = 0; y < TS; y++)
            for (int x = 0; x < TS; x++) {
                float n = vnoise(x, y * 2, 325, 8) * 0.7f + vnoise(x, y, 326, 4) * 0.3f;
                if (n > 0.5f) o.set(x, y, n > 0.62f ? rgb(240, 244, 248) : rgb(208, 216, 224));
            }
        over(t, o);
        return true;
    }
    if (what == "herb") {
        uint32_t leaf = rgb(64, 160, 64);
        for (int i = 0; i < 5; i++) {
            float a = 3.14159f * (0.15f + 0.175f * i);
            for (int r = 1; r < 6; r++)
                o.set(8 + (int)std::lround(-r * std::cos(a)), 12 - (int)std::lround(r * std::sin(a)),
                      r > 3 ? scale(leaf, 1.2f) : leaf);
        }
        if (v == "red")
            for (int i = 0; i < 3; i++) {
                o.set(5 + i * 3, 5 + (i % 2) * 2, rgb(224, 40, 48));
                o.set(6 + i * 3, 5 + (i % 2) * 2, rgb(248, 120, 120));
            }
        else {
            o.set(8, 5, rgb(248, 248, 200));
            o.set(4, 8, rgb(248, 248, 200));
        }
        outline(o, rgb(30, 60, 30));
        over(t, o);
        return true;
    }
    if (what == "palm") {
        uint32_t leaf = rgb(72, 156, 72);
        for (int i = 0; i < 7; i++) {
            float a = 3.14159f * (i / 6.0f);
            for (int r = 1; r < 8; r++)
                o.set(8 + (int)std::lround(-r * std::cos(a)),
                      9 - (int)std::lround(r * std::sin(a) * 0.8f) + r * r / 12,
                      r > 5 ? scale(leaf, 0.8f) : leaf);
        }
        rect(o, 7, 10, 8, 15, rgb(150, 110, 70));
        outline(o, INK);
        over(t, o);
        return true;
    }
    return false;
}

} // namespace

// Pieces laid on layer 1 that make water walkable.
void paint_piece(Tile& t, const std::string& v)
{
    if (v == "deckv" || v == "deckh") {
        for (int y = 0; y < TS; y++)
            for (int x = 0; x < TS; x++) {
                int a = v == "deckv" ? y : x, b = v == "deckv" ? x : y;
                uint32_t c = scale(rgb(176, 126, 74), 1 + 0.14f * (hash01(a / 4, 0, 331) - 0.5f) +
                                                          0.06f * (hash01(x, y, 332) - 0.5f));
                if (a % 4 == 3)
                    c = rgb(92, 60, 34);
                else if (a % 4 == 0)
                    c = scale(c, 1.12f);
                if ((b == 2 || b == 13) && a % 4 == 1) c = rgb(72, 64, 60); // nails into the beams below
                t.p[y][x] = c;
            }
        return;
    }
    Tile o;
    if (v == "stones") {
        ball(o, 4, 4, 3.2f, rgb(150, 146, 136));
        ball(o, 11, 8, 3.4f, rgb(150, 146, 136));
        ball(o, 5, 12.5f, 3, rgb(150, 146, 136));
        outline(o, rgb(40, 64, 96));
        over(t, o);
        return;
    }
    // a stone bridge: paved deck between parapets
    for (int y = 0; y < TS; y++)
        for (int x = 0; x < TS; x++) t.p[y][x] = ground_px("cobble", x, y);
    rect(t, 0, 0, 15, 2, rgb(176, 170, 160));
    hline(t, 0, 15, 2, rgb(100, 96, 92));
    hline(t, 0, 15, 0, rgb(210, 206, 198));
    rect(t, 0, 13, 15, 15, rgb(150, 144, 136));
    hline(t, 0, 15, 13, rgb(200, 196, 188));
    hline(t, 0, 15, 15, rgb(70, 66, 64));
}

namespace {

// Bridge railings: deck on the inner part, posts and rail on the outer side,
// water showing beyond.
void rail(Tile& t, const std::string& v)
{
    paint_piece(t, "deckv");
    bool west = v == "w" || v == "postw";
    for (int y = 0; y < TS; y++)
        for (int x = 0; x < TS; x++) {
            int out = west ? x : 15 - x;
            if (out < 4) t.p[y][x] = CLEAR;
        }
    // a heavy rail beam on balusters along the outer edge, casting a shadow on the deck
    int rx = west ? 4 : 9;
    for (int y = 0; y < TS; y++) {
        t.set(west ? 7 : 8, y, scale(t.get(west ? 7 : 8, y), 0.7f));
        t.set(west ? 8 : 7, y, scale(t.get(west ? 8 : 7, y), 0.85f));
    }
    rect(t, rx, 0, rx + 2, 15, rgb(128, 84, 46));
    vline(t, rx, 0, 15, rgb(184, 132, 80));
    vline(t, rx + 2, 0, 15, rgb(96, 62, 34));
    for (int y = 1; y < TS; y += 4) hline(t, rx, rx + 2, y, rgb(80, 52, 28));
    vline(t, west ? 3 : 12, 0, 15, rgb(50, 32, 20));
    if (v == "postw" || v == "poste") {
        rect(t, rx - 1, 4, rx + 3, 11, rgb(110, 72, 40));
        rect(t, rx - 1, 4, rx + 3, 5, rgb(168, 120, 72));
        vline(t, rx - 2, 4, 11, rgb(50, 32, 20));
        vline(t, rx + 4, 4, 11, rgb(50, 32, 20));
        hline(t, rx - 1, rx + 3, 12, rgb(50, 32, 20));
    }
}

// Sandstone outcrops: a flat top, rims on open sides and a cliff face to the south.
void rock(Tile& t, const std::string& v)
{
    uint32_t top = rgb(206, 160, 100), rimc = rgb(232, 196, 136), face = rgb(164, 112, 64),
             line = rgb(80, 48, 28);
    if (v == "boulder") {
        Tile o;
        ball(o, 8, 9, 6.5f, rgb(200, 150, 92));
        place(t, "sand", o);
        return;
    }
    for (int y = 0; y < TS; y++)
        for (int x = 0; x < TS; x++) {
            uint32_t c = scale(top, 1 + 0.22f * (vnoise(x, y, 341, 4) - 0.5f));
            float crack = vnoise(x, y, 344, 8);
            if (crack > 0.48f && crack < 0.52f)
                c = scale(top, 0.72f);
            else if (hash01(x, y, 345) > 0.93f)
                c = scale(top, 1.15f);
            t.p[y][x] = c;
        }
    if (v == "face") {
        for (int y = 0; y < TS; y++)
            for (int x = 0; x < TS; x++) {
                uint32_t c = scale(face, 1 + 0.2f * (vnoise(x, y * 2, 342, 4) - 0.5f));
                if ((x + (int)(3 * vnoise(0, y, 343, 8))) % 5 == 0) c = scale(face, 0.7f); // vertical cracks
                t.p[y][x] = y == 0 ? rimc : y == 15 ? line : c;
            }
        for (int x = 0; x < 16; x++) t.set(x, 14, scale(face, 0.6f));
        return;
    }
    bool n = v.find('n') != std::string::npos, w = v.find('w') != std::string::npos,
         e = v.find('e') != std::string::npos;
    if (n) {
        hline(t, 0, 15, 0, line);
        hline(t, 0, 15, 1, rimc);
    }
    if (w) {
        vline(t, 0, 0, 15, line);
        vline(t, 1, 0, 15, rimc);
    }
    if (e) {
        vline(t, 15, 0, 15, line);
        vline(t, 14, 0, 15, scale(top, 0.75f));
    }
}

} // namespace

bool paint_thing_look(Tile& t, const Look& l)
{
    const std::string& k = l[0];
    std::string a1 = l.size() > 1 ? l[1] : "", a2 = l.size() > 2 ? l[2] : "";
    if (k == "obj") return paint_obj(t, a1, a2);
    if (k == "furn") {
        Tile o;
        if (!paint_furn(o, a1, a2)) return false;
        outline(o, INK);
        over(t, o);
        return true;
    }
    if (k == "chest") {
        Tile o;
        chest(o, a1 == "open");
        outline(o, INK);
        over(t, o);
        return true;
    }
    if (k == "over") return paint_over(t, a1, a2);
    if (k == "piece") {
        paint_piece(t, a1);
        return true;
    }
    if (k == "rail") {
        rail(t, a1);
        return true;
    }
    if (k == "rock") {
        rock(t, a1);
        return true;
    }
    return false;
}

} // namespace tilepaint
