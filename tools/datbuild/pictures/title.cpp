// Title background, the "Vantor" title lettering and the prologue picture.
// The title menu is written in blue over the background at y 160-210, so
// the background lays a pale parchment banner there; the lettering is laid
// at (100, 75) with rising opacity, on a see-through ground.
#include "pictures/art.h"
#include "dat_names.h"
#include "pictures/fonts.h"

#include <algorithm>
#include <cmath>

using namespace art;

namespace art {

// Scale3x: triples a one-bit grid and rounds its stair-step corners.
Grid scale3x(const Grid& g)
{
    int h = (int)g.size(), w = (int)g[0].size();
    auto at = [&](int x, int y) { return x < 0 || y < 0 || x >= w || y >= h ? 0 : g[y][x]; };
    Grid o(h * 3, std::vector<int>(w * 3, 0));
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            int A = at(x - 1, y - 1), B = at(x, y - 1), C = at(x + 1, y - 1), D = at(x - 1, y), E = at(x, y),
                F = at(x + 1, y), G = at(x - 1, y + 1), H = at(x, y + 1), I = at(x + 1, y + 1);
            int e[9];
            for (int& v : e) v = E;
            if (B != H && D != F) {
                e[0] = D == B ? D : E;
                e[1] = (D == B && E != C) || (B == F && E != A) ? B : E;
                e[2] = B == F ? F : E;
                e[3] = (D == B && E != G) || (D == H && E != A) ? D : E;
                e[5] = (B == F && E != I) || (H == F && E != C) ? F : E;
                e[6] = D == H ? D : E;
                e[7] = (D == H && E != I) || (H == F && E != G) ? H : E;
                e[8] = H == F ? F : E;
            }
            for (int k = 0; k < 9; k++) o[y * 3 + k / 3][x * 3 + k % 3] = e[k];
        }
    return o;
}

Grid text_grid(const std::map<int, FontGlyph>& glyphs, const char* text)
{
    Grid g(7);
    for (const char* p = text; *p; p++) {
        const FontGlyph& gl = glyphs.at((unsigned char)*p);
        for (int r = 0; r < 7; r++) {
            for (int v : gl.pixels[r]) g[r].push_back(v ? 1 : 0);
            if (p[1]) g[r].push_back(0);
        }
    }
    return g;
}

} // namespace art

namespace {

// Big lettering from the game's own glyph grids: rounded, gold, outlined.
Bmp lettering(const std::map<int, FontGlyph>& glyphs, const char* text)
{
    Grid big = scale3x(text_grid(glyphs, text));
    int gw = (int)big[0].size(), gh = (int)big.size();
    const int pad = 3, sword_h = 16;
    Bmp bm = new_bmp(gw + pad * 2 + 2, gh + pad * 2 + sword_h, true);
    BITMAP* b = bm.get();
    int ox = pad, oy = pad;
    auto ink = [&](int x, int y) { return x >= 0 && y >= 0 && x < gw && y < gh && big[y][x]; };

    // A sword lying under the word: silver blade, gold guard on the left.
    int sy = oy + gh + 5, x0 = 4, x1 = b->w - 3;
    for (int x = x0 + 14; x < x1; x++) {
        int half = x > x1 - 8 ? (x1 - x) / 3 : 2;
        for (int d = -half; d <= half; d++)
            putpixel(b, x, sy + d,
                     col16(d < 0    ? rgb_hex(0xF0F4FF)
                           : d == 0 ? rgb_hex(0xB8C0D8)
                                    : rgb_hex(0x7880A0)));
    }
    rectfill(b, x0 + 11, sy - 6, x0 + 13, sy + 6, col16(rgb_hex(0xE0A838)));
    vline(b, x0 + 11, sy - 6, sy + 6, col16(rgb_hex(0xFFE890)));
    rectfill(b, x0 + 2, sy - 1, x0 + 10, sy + 1, col16(rgb_hex(0x5A3018)));
    circlefill(b, x0 + 1, sy, 2, col16(rgb_hex(0xE0A838)));
    rect(b, x0 + 11, sy - 6, x0 + 13, sy + 6, col16(rgb_hex(0x3A1C08)));

    // Shadow, then outline, then the face with a vertical gold gradient.
    int shadow = col16(rgb_hex(0x2A1030)), outline = col16(rgb_hex(0x3A1C08));
    for (int y = -1; y <= gh; y++)
        for (int x = -1; x <= gw; x++) {
            if (ink(x, y)) continue;
            if (ink(x - 2, y - 2)) putpixel(b, ox + x, oy + y, shadow);
        }
    for (int y = -1; y <= gh; y++)
        for (int x = -1; x <= gw; x++) {
            if (ink(x, y)) continue;
            bool edge = false;
            for (int dy = -1; dy <= 1; dy++)
                for (int dx = -1; dx <= 1; dx++) edge |= ink(x + dx, y + dy);
            if (edge) putpixel(b, ox + x, oy + y, outline);
        }
    for (int y = 0; y < gh; y++)
        for (int x = 0; x < gw; x++) {
            if (!ink(x, y)) continue;
            float t = (float)y / gh;
            Rgb c = t < 0.5f ? mix(rgb_hex(0xFFF8C8), rgb_hex(0xF8C840), t * 2)
                             : mix(rgb_hex(0xE89828), rgb_hex(0xA85418), (t - 0.5f) * 2);
            if (!ink(x, y - 1))
                c = mix(c, rgb_hex(0xFFFFFF), 0.6f); // lit top edges
            else if (!ink(x + 1, y))
                c = mix(c, rgb_hex(0x803010), 0.35f); // shaded right edges
            put_dither(b, ox + x, oy + y, c);
        }
    return bm;
}

// Rolling hills, the castle of Lumin on the right, and a parchment banner.
Bmp title_background()
{
    Bmp bm = new_bmp(320, 240);
    BITMAP* b = bm.get();
    Rng r(1912);
    vgradient(b, 0, 0, 319, 150, rgb_hex(0x1A2A78), rgb_hex(0xF8C8A0));
    for (int i = 0; i < 50; i++) {
        int y = r.range(0, 50);
        putpixel(b, r.range(0, 319), y, col16(mix(rgb_hex(0xFFFFFF), rgb_hex(0x6070B0), y / 60.0f)));
    }
    add_glow(b, 60, 128, 70, rgb_hex(0xFFD8A0), 0.6f);
    // Far mountains, lilac in the evening haze.
    for (int x = 0; x < 320; x++) {
        float h = 34 + 16 * std::sin(x * 0.021f + 1.3f) + 9 * std::sin(x * 0.057f) +
                  5 * std::fabs(std::sin(x * 0.11f));
        for (int y = 150 - (int)h; y < 240; y++)
            put_dither(b, x, y, mix(rgb_hex(0xA88CC0), rgb_hex(0xC8A8C8), (y - 150 + h) / 60.0f));
        // Snow caps on the tallest peaks.
        if (h > 48)
            for (int y = 150 - (int)h; y < 150 - (int)h + (int)(h - 46) / 2 + 1; y++)
                put_dither(b, x, y, rgb_hex(0xF0E8FF));
    }
    // Near hills in green, the castle standing on the right one.
    for (int x = 0; x < 320; x++) {
        float h = 18 + 10 * std::sin(x * 0.016f + 0.4f) + 14 * std::exp(-std::pow((x - 255) / 40.0f, 2));
        for (int y = 165 - (int)h; y < 240; y++)
            put_dither(b, x, y, mix(rgb_hex(0x5C9C5C), rgb_hex(0x2C5C3C), (y - 165 + h) / 70.0f));
    }
    int stone = col16(rgb_hex(0x6C6C94)), lit = col16(rgb_hex(0x9C9CC4)), roof = col16(rgb_hex(0x8C2C3C)),
        win = col16(rgb_hex(0xFFE070));
    auto tower = [&](int x, int base, int w, int h) {
        rectfill(b, x, base - h, x + w, base, stone);
        vline(b, x, base - h, base, lit);
        triangle(b, x - 2, base - h, x + w + 2, base - h, x + w / 2, base - h - w - 4, roof);
        for (int cx = x; cx <= x + w; cx += 3) putpixel(b, cx, base - h - 1, stone);
        putpixel(b, x + w / 2, base - h / 2, win);
    };
    rectfill(b, 232, 128, 282, 142, stone);
    for (int cx = 232; cx <= 282; cx += 4) rectfill(b, cx, 125, cx + 1, 127, stone);
    tower(228, 142, 8, 30);
    tower(276, 142, 8, 28);
    tower(250, 136, 12, 40);
    rectfill(b, 253, 136, 258, 142, col16(rgb_hex(0x2A2038)));
    vline(b, 256, 78, 90, col16(rgb_hex(0x504060)));
    triangle(b, 257, 78, 266, 81, 257, 84, col16(rgb_hex(0xF8E8A0)));
    // The banner behind the menu: pale parchment with rolled ends.
    int bx0 = 92, bx1 = 228, by0 = 154, by1 = 214;
    for (int y = by0; y <= by1; y++)
        for (int x = bx0; x <= bx1; x++) {
            float n = std::sin(x * 0.7f + y * 0.3f) * std::sin(y * 0.9f - x * 0.2f);
            put_dither(b, x, y, mix(rgb_hex(0xF8F0D8), rgb_hex(0xE8D8B0), 0.5f + n * 0.4f));
        }
    for (int y = by0; y <= by1; y++) {
        float t = (float)(y - by0) / (by1 - by0);
        Rgb edge = mix(rgb_hex(0xD8C090), rgb_hex(0xB89860), t);
        for (int k = 0; k < 5; k++) {
            Rgb c = mix(edge, rgb_hex(0x806030), std::fabs(k - 1.5f) / 3.5f);
            put_dither(b, bx0 - 5 + k, y, c);
            put_dither(b, bx1 + 1 + k, y, mix(edge, rgb_hex(0x806030), std::fabs(k - 2.5f) / 3.5f));
        }
    }
    hline(b, bx0, by0, bx1, col16(rgb_hex(0xB89860)));
    hline(b, bx0, by1, bx1, col16(rgb_hex(0x9C7C48)));
    // A soft shadow under the banner.
    for (int x = bx0 - 4; x <= bx1 + 6; x++) blend_pixel(b, x, by1 + 2, rgb_hex(0x183018), 0.5f);
    return bm;
}

// The prologue: Lumin's bridge at night, the castle lit on the near bank,
// Drakian campfires across the river.  An arched frame; the corners are
// see-through so the blue backdrop shows around it.
Bmp prologue_picture()
{
    const int W = 250, H = 195;
    Bmp bm = new_bmp(W, H, true);
    BITMAP* b = bm.get();
    Rng r(323);
    Bmp scene = new_bmp(W, H);
    BITMAP* s = scene.get();
    vgradient(s, 0, 0, W - 1, 120, rgb_hex(0x060820), rgb_hex(0x2C3468));
    for (int i = 0; i < 90; i++) {
        int x = r.range(0, W - 1), y = r.range(0, 100);
        putpixel(s, x, y, col16(mix(rgb_hex(0xFFFFFF), rgb_hex(0x8088C0), r.unit())));
    }
    add_glow(s, 190, 34, 26, rgb_hex(0x606890), 0.6f);
    circlefill(s, 190, 34, 10, col16(rgb_hex(0xF0F0E0)));
    circlefill(s, 194, 31, 9, col16(rgb_hex(0x1C2250))); // a crescent
    // Far hills, then the two banks of the river.
    for (int x = 0; x < W; x++) {
        int h = 112 - (int)(10 * std::sin(x * 0.03f) + 6 * std::sin(x * 0.09f + 1));
        for (int y = h; y < H; y++) put_dither(s, x, y, rgb_hex(0x1A1E3C));
    }
    for (int y = 128; y < H; y++)
        for (int x = 0; x < W; x++) {
            float t = (float)(y - 128) / (H - 128);
            Rgb water = mix(rgb_hex(0x1C2C5C), rgb_hex(0x0C1432), t);
            if (std::sin(x * 0.35f + y * 1.7f) > 0.93f) water = mix(water, rgb_hex(0x8090D0), 0.5f);
            put_dither(s, x, y, water);
        }
    // The near bank: a hill on the left that the castle stands on.
    for (int x = 0; x < 96; x++) {
        int top = x < 64 ? 116 + x / 16 : 120 + (x - 64) * (x - 64) / 12;
        for (int y = top; y < H; y++)
            put_dither(s, x, y, mix(rgb_hex(0x1E3A24), rgb_hex(0x0A140C), (y - top) / 70.0f));
        put_dither(s, x, top, rgb_hex(0x4C6C44));
    }
    // The far bank, where the Drakian host has made camp.
    for (int x = 168; x < W; x++) {
        int top = 124 - (x - 168) / 10;
        int bottom = 150 + (x - 168) / 2;
        for (int y = top; y < std::min(H, bottom); y++)
            put_dither(s, x, y, mix(rgb_hex(0x2C2020), rgb_hex(0x140C0C), (y - top) / 40.0f));
    }
    // The stone bridge: an arch span over the water.
    int deck = 122;
    for (int x = 60; x < 196; x++) {
        rectfill(s, x, deck, x, deck + 4, col16(rgb_hex(0x5C5870)));
        putpixel(s, x, deck - 1, col16(rgb_hex(0x8C88A0)));
        if (x % 6 == 0) vline(s, x, deck - 4, deck - 1, col16(rgb_hex(0x6C6880)));
    }
    for (int a = 0; a < 3; a++) {
        int cx = 84 + a * 44;
        for (int x = cx - 20; x <= cx + 20; x++) {
            float dx = (x - cx) / 20.0f;
            int top = deck + 5 + (int)(12 * (1 - std::sqrt(std::max(0.0f, 1 - dx * dx))));
            vline(s, x, deck + 5, top, col16(rgb_hex(0x48445C)));
        }
        rectfill(s, cx + 19, deck + 5, cx + 25, deck + 24, col16(rgb_hex(0x48445C)));
    }
    hline(s, 60, deck - 4, 196, col16(rgb_hex(0x6C6880)));
    // The castle of Lumin on the near bank, windows lit.
    int stone = col16(rgb_hex(0x3C3C5C)), dark = col16(rgb_hex(0x24243C)), win = col16(rgb_hex(0xFFD860));
    rectfill(s, 8, 70, 58, 120, stone);
    for (int x = 8; x <= 58; x += 5) rectfill(s, x, 66, x + 2, 69, stone);
    rectfill(s, 2, 48, 16, 120, dark);
    rectfill(s, 46, 52, 60, 120, dark);
    rectfill(s, 24, 34, 40, 120, stone);
    triangle(s, 0, 48, 18, 48, 9, 32, col16(rgb_hex(0x5C2434)));
    triangle(s, 44, 52, 62, 52, 53, 36, col16(rgb_hex(0x5C2434)));
    triangle(s, 22, 34, 42, 34, 32, 14, col16(rgb_hex(0x6C2C3C)));
    int wins[][2] = {{8, 60}, {52, 64}, {31, 44}, {31, 58}, {20, 84}, {36, 84}, {48, 94}, {14, 96}};
    for (auto& w : wins) {
        rectfill(s, w[0], w[1], w[0] + 1, w[1] + 2, win);
        add_glow(s, w[0] + 1.0f, w[1] + 1.0f, 5, rgb_hex(0x806020), 0.5f);
    }
    // Campfires and tents of the Drakian host across the water.
    for (int i = 0; i < 6; i++) {
        int x = 182 + i * 11 + r.range(-3, 3), y = 126 + r.range(0, 14) + i;
        triangle(s, x - 5, y, x + 5, y, x, y - 8, col16(rgb_hex(0x3C2A2A)));
        line(s, x, y - 8, x, y, col16(rgb_hex(0x1C1010)));
        int fx = x + 6, fy = y + 3;
        add_glow(s, (float)fx, (float)fy, 10, rgb_hex(0xC04010), 0.7f);
        putpixel(s, fx, fy, col16(rgb_hex(0xFFE080)));
        putpixel(s, fx, fy - 1, col16(rgb_hex(0xFF8020)));
        putpixel(s, fx - 1, fy, col16(rgb_hex(0xFF6010)));
        putpixel(s, fx + 1, fy, col16(rgb_hex(0xFF6010)));
        for (int k = 0; k < 8; k++) blend_pixel(s, fx + k / 3, fy - 3 - k * 2, rgb_hex(0x606070), 0.35f);
        // The fires' reflections trail down the river.
        for (int k = 0; k < 4; k++)
            blend_pixel(s, fx + r.range(-1, 1), fy + 8 + k * 3, rgb_hex(0xF09030), 0.4f);
    }
    // Drakian banners on poles.
    for (int i = 0; i < 2; i++) {
        int x = 200 + i * 30, y = 122;
        vline(s, x, y - 20, y, col16(rgb_hex(0x181010)));
        rectfill(s, x + 1, y - 20, x + 8, y - 14, col16(rgb_hex(0x8C1818)));
    }
    // Arched window onto the scene, framed in gold.
    const int arch_r = W / 2 - 1;
    for (int y = 0; y < H; y++)
        for (int x = 0; x < W; x++) {
            float dx = x - (W - 1) / 2.0f, dy = y - arch_r;
            bool inside = y >= arch_r ? true : dx * dx + dy * dy <= (float)arch_r * arch_r;
            bool inner = y >= arch_r ? (x > 3 && x < W - 4 && y < H - 4)
                                     : dx * dx + dy * dy <= (arch_r - 4.0f) * (arch_r - 4.0f);
            if (!inside) continue;
            if (inner)
                putpixel(b, x, y, getpixel(s, x, y));
            else
                putpixel(b, x, y,
                         col16(mix(rgb_hex(0xF8D880), rgb_hex(0x8C5818),
                                   std::fabs(std::fmod(x + y, 4.0f) - 2) / 2)));
        }
    return bm;
}

} // namespace

void add_title_art(DatFile& f, const std::string& assets)
{
    auto glyphs = load_font_grids(assets + "/data/fonts/glyphs.font");
    dat_put(f, TITLE_BACK, dat_bitmap("TITLE_BACK", title_background().get()));
    dat_put(f, TITLE_LOGO, dat_bitmap("TITLE_LOGO", lettering(glyphs, "VANTOR").get()));
    dat_put(f, PROLOGUE, dat_bitmap("PROLOGUE", prologue_picture().get()));
}
