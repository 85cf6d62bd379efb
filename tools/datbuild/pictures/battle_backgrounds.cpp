// The three battle backgrounds (meadow, forest, desert) and the game-over
// picture, all 320 x 240.  Enemies stand at x 25-140 and the party at
// x 215-245, both between y 40 and 180; the status panel covers y 190 down.
// So the horizon sits high and the ground is wide and calm where they stand.
#include "pictures/art.h"
#include "dat_names.h"

#include <cmath>

using namespace art;

namespace {

const float PI = 3.14159265f;

// A ridge line: height above a base row for each column, from a few sines.
struct Ridge {
    float amp[3], freq[3], phase[3];
    Ridge(Rng& r, float a0, float f0)
    {
        for (int i = 0; i < 3; i++) {
            amp[i] = a0 / (i + 1) * (0.6f + r.unit() * 0.6f);
            freq[i] = f0 * (i * 1.9f + 1) * (0.8f + r.unit() * 0.4f);
            phase[i] = r.unit() * 2 * PI;
        }
    }
    float at(int x) const
    {
        float h = 0;
        for (int i = 0; i < 3; i++) h += amp[i] * (1 + std::sin(x * freq[i] + phase[i])) * 0.5f;
        return h;
    }
};

// Fills below a ridge with a colour that fades towards `haze` at the top edge.
void fill_ridge(BITMAP* b, const Ridge& r, int base, int bottom, Rgb col, Rgb haze, float haze_amount)
{
    for (int x = 0; x < b->w; x++) {
        int top = base - (int)r.at(x);
        for (int y = std::max(0, top); y <= bottom; y++) {
            float t = bottom > top ? (float)(y - top) / (bottom - top) : 1;
            put_dither(b, x, y, mix(mix(col, haze, haze_amount), col, std::min(1.0f, t * 2)));
        }
    }
}

// A puffy cloud from overlapping discs, lit from above.
void cloud(BITMAP* b, Rng& r, int cx, int cy, int w)
{
    for (int i = 0; i < w / 6; i++) {
        int x = cx + r.range(-w / 2, w / 2), y = cy + r.range(-3, 3);
        int rad = r.range(4, 8);
        for (int yy = -rad; yy <= rad; yy++)
            for (int xx = -rad; xx <= rad; xx++) {
                if (xx * xx + yy * yy > rad * rad) continue;
                float shade = yy < 0 ? 1.0f : 0.88f;
                blend_pixel(b, x + xx, y + yy, {255 * shade, 255 * shade, 255 * shade}, 0.85f);
            }
    }
}

// A tuft of grass blades; scale grows with nearness.
void grass_tuft(BITMAP* b, int x, int y, float s, Rgb dark, Rgb light)
{
    int h = std::max(2, (int)(5 * s));
    for (int i = -1; i <= 1; i++) {
        int tipx = x + i * std::max(1, (int)(2 * s));
        line(b, x, y, tipx, y - h + std::abs(i), col16(i == 0 ? light : dark));
    }
}

Bmp meadow()
{
    Bmp bm = new_bmp(320, 240);
    BITMAP* b = bm.get();
    Rng r(3401);
    const int horizon = 84;
    vgradient(b, 0, 0, 319, horizon, rgb_hex(0x3C7CE0), rgb_hex(0xB8E0FF));
    for (int i = 0; i < 5; i++)
        cloud(b, r, 30 + i * 66 + r.range(-10, 10), 18 + r.range(0, 26), r.range(30, 56));
    Ridge far(r, 26, 0.02f), near(r, 16, 0.035f);
    fill_ridge(b, far, horizon - 6, horizon, rgb_hex(0x6C8CC8), rgb_hex(0xB8E0FF), 0.5f);
    fill_ridge(b, near, horizon, horizon + 4, rgb_hex(0x4C8C5C), rgb_hex(0x9CC8C8), 0.4f);
    // A dark line of woods on the near hills.
    for (int x = 0; x < 320; x += 3) {
        int top = horizon - (int)near.at(x) + 2;
        int h = r.range(3, 7);
        ellipsefill(b, x, top, 3, h / 2 + 1, col16(rgb_hex(0x2E6440)));
        putpixel(b, x - 1, top - h / 2, col16(rgb_hex(0x4C8450)));
    }
    // The meadow: lighter far away, deep green at the front.
    vgradient(b, 0, horizon + 3, 319, 239, rgb_hex(0x8CC850), rgb_hex(0x3C8C30));
    // Mown stripes in perspective.
    for (int y = horizon + 4; y < 240; y++) {
        float depth = (y - horizon) / 156.0f;
        for (int x = 0; x < 320; x++) {
            float stripe = std::sin((x - 160) / (8 + 60 * depth) + y * 0.02f);
            if (stripe > 0.7f) blend_pixel(b, x, y, rgb_hex(0xB0E070), 0.12f);
        }
    }
    // A worn path winding from the front to the hills.
    auto path_centre = [&](int y) {
        float d = (y - horizon) / 156.0f;
        return 170 + std::sin(d * 3.2f) * 40 * d;
    };
    auto path_half = [&](int y) { return 3 + (y - horizon) / 156.0f * 26; };
    for (int y = horizon + 4; y < 240; y++) {
        float cxp = path_centre(y), half = path_half(y);
        for (int x = (int)(cxp - half); x <= (int)(cxp + half); x++) {
            float edge = std::fabs(x - cxp) / half;
            blend_pixel(b, x, y, mix(rgb_hex(0xD8C088), rgb_hex(0xB09060), edge),
                        edge > 0.85f ? 0.5f : 0.85f);
        }
    }
    // Tufts and flowers, denser and bigger towards the front.
    for (int i = 0; i < 900; i++) {
        int y = horizon + 6 + (int)(std::pow(r.unit(), 0.7f) * 150);
        int x = r.range(0, 319);
        float s = 0.4f + (y - horizon) / 100.0f;
        if (std::fabs(x - path_centre(y)) < path_half(y) * 0.75f) continue; // the path is trodden bare
        grass_tuft(b, x, y, s, rgb_hex(0x2E7428), rgb_hex(0x9AD860));
        if (r.range(0, 14) == 0) {
            int c = r.range(0, 2) == 0 ? 0xFFF080 : (r.range(0, 1) ? 0xFFFFFF : 0xF890B0);
            putpixel(b, x, y - (int)(4 * s), col16(rgb_hex(c)));
            if (s > 1.2f) putpixel(b, x + 1, y - (int)(4 * s), col16(rgb_hex(c)));
        }
    }
    return bm;
}

Bmp forest()
{
    Bmp bm = new_bmp(320, 240);
    BITMAP* b = bm.get();
    Rng r(7719);
    const int floor_top = 96;
    // Misty green depth behind the trunks.
    vgradient(b, 0, 0, 319, floor_top, rgb_hex(0x1C3C30), rgb_hex(0x5C8C68));
    // Forest floor first, so that trunks and roots stand on it: moss and leaf litter.
    for (int y = floor_top; y < 240; y++)
        for (int x = 0; x < 320; x++) {
            float t = (y - floor_top) / 144.0f;
            Rgb c = mix(rgb_hex(0x5A7A3C), rgb_hex(0x2C4420), t);
            if (((x * 7 + y * 13) ^ (x * y)) % 23 == 0) c = mix(c, rgb_hex(0x7A5A30), 0.6f);
            put_dither(b, x, y, c);
        }
    // Shade where the floor meets the wood.
    for (int y = floor_top; y < floor_top + 14; y++)
        for (int x = 0; x < 320; x++)
            blend_pixel(b, x, y, rgb_hex(0x1C3020), 0.45f * (1 - (y - floor_top) / 14.0f));
    // Three rows of trunks, far (pale, thin) to near (dark, thick).
    struct Row {
        int count, wmin, wmax;
        int colour, shade;
    };
    const Row rows[3] = {
        {18, 4, 7, 0x4C6C58, 0x3C5848}, {11, 8, 13, 0x4A3A2C, 0x2C2018}, {5, 16, 24, 0x3A2A1E, 0x1C140C}};
    for (int k = 0; k < 3; k++) {
        const Row& rw = rows[k];
        for (int i = 0; i < rw.count; i++) {
            int w = r.range(rw.wmin, rw.wmax);
            int x = i * 320 / rw.count + r.range(-8, 8);
            // Keep the near trunks away from where enemies and heroes stand.
            if (k == 2 && x > 20 && x < 280) x = i % 2 ? r.range(-6, 14) : r.range(286, 312);
            int base = floor_top + 2 + k * 9 + r.range(0, 4) + (k == 2 ? 90 : 0);
            for (int xx = 0; xx < w; xx++) {
                float lit = (float)xx / w;
                Rgb c = mix(rgb_hex(rw.colour), rgb_hex(rw.shade), std::fabs(lit - 0.3f) * 1.4f);
                for (int y = 0; y < base; y++) put_dither(b, x + xx, y, c);
            }
            // Roots flaring into the floor, with a shadow pool at the foot.
            ellipsefill(b, x + w / 2, base, w, 2 + k, col16(mix(rgb_hex(0x2C4420), rgb_hex(0x101810), 0.5f)));
            for (int j = 0; j < 4; j++) {
                int rx = x + r.range(-w / 2, w + w / 2);
                line(b, x + w / 2, base - 3 - k, rx, base + r.range(0, 2 + k), col16(rgb_hex(rw.colour)));
                line(b, x + w / 2 + 1, base - 3 - k, rx + 1, base + r.range(0, 2 + k),
                     col16(rgb_hex(rw.shade)));
            }
        }
        if (k == 0) { // haze between the far row and the rest
            for (int y = 0; y < floor_top + 4; y++)
                for (int x = 0; x < 320; x++) blend_pixel(b, x, y, rgb_hex(0x88B898), 0.18f);
        }
        if (k == 1) { // undergrowth along the line of the second row
            for (int i = 0; i < 70; i++) {
                int x = r.range(-6, 326), y = floor_top + r.range(4, 12);
                int rad = r.range(3, 7);
                Rgb c = mix(rgb_hex(0x2C5A2C), rgb_hex(0x4C7C3C), r.unit());
                circlefill(b, x, y, rad, col16(c));
                circlefill(b, x - 1, y - rad / 2, rad / 2, col16(mix(c, rgb_hex(0x9CC870), 0.3f)));
            }
        }
    }
    // Canopy: clustered leaf blobs along the top.
    for (int i = 0; i < 260; i++) {
        int x = r.range(-10, 330), y = (int)(std::pow(r.unit(), 2.0f) * 46) - 6;
        int rad = r.range(5, 11);
        Rgb c = mix(rgb_hex(0x1E4C24), rgb_hex(0x3E8038), r.unit());
        circlefill(b, x, y, rad, col16(c));
        circlefill(b, x - rad / 3, y - rad / 3, rad / 3, col16(mix(c, rgb_hex(0x8CC860), 0.35f)));
    }
    for (int i = 0; i < 500; i++) {
        int y = floor_top + 14 + (int)(std::pow(r.unit(), 0.8f) * 128), x = r.range(0, 319);
        static const int leaf[4] = {0x8C6A30, 0xA88038, 0x6C8C38, 0x4C6428};
        int c = col16(rgb_hex(leaf[r.range(0, 3)]));
        putpixel(b, x, y, c);
        if (y > 150) putpixel(b, x + 1, y, c);
    }
    // Sunbeams through the canopy and dapples on the floor.
    for (int i = 0; i < 4; i++) {
        int x0 = 40 + i * 80 + r.range(-10, 10);
        for (int y = 20; y < 200; y++) {
            int xs = x0 + (y - 20) / 3;
            for (int w = 0; w < 10; w++) blend_pixel(b, xs + w, y, rgb_hex(0xF8F0B0), 0.07f);
        }
    }
    for (int i = 0; i < 14; i++)
        add_glow(b, (float)r.range(10, 310), (float)r.range(floor_top + 16, 200), (float)r.range(8, 18),
                 rgb_hex(0x706830), 0.5f);
    // Ferns at both sides of the front.
    for (int side = 0; side < 2; side++)
        for (int i = 0; i < 6; i++) {
            int bx = side ? r.range(276, 316) : r.range(4, 44), by = r.range(170, 236);
            for (int f = 0; f < 7; f++) {
                float a = -PI / 2 + (f - 3) * 0.42f;
                int len = r.range(10, 18);
                int ex = bx + (int)(std::cos(a) * len), ey = by + (int)(std::sin(a) * len);
                line(b, bx, by, ex, ey, col16(rgb_hex(f % 2 ? 0x3C8C38 : 0x5CAC48)));
                line(b, bx + 1, by, ex + 1, ey, col16(rgb_hex(0x2C6C2C)));
            }
        }
    return bm;
}

Bmp desert()
{
    Bmp bm = new_bmp(320, 240);
    BITMAP* b = bm.get();
    Rng r(5151);
    const int horizon = 88;
    vgradient(b, 0, 0, 319, horizon, rgb_hex(0x2C5CB8), rgb_hex(0xF8D8A0));
    add_glow(b, 250, 26, 40, rgb_hex(0xFFF0B0), 0.8f);
    circlefill(b, 250, 26, 9, col16(rgb_hex(0xFFFCE8)));
    // Flat-topped mesas far off, a haze of dunes nearer.
    for (int i = 0; i < 3; i++) {
        int x = 20 + i * 110 + r.range(0, 30), w = r.range(30, 60), h = r.range(14, 26);
        for (int y = horizon - h; y <= horizon; y++) {
            int slope = (y - (horizon - h)) / 2;
            for (int xx = x - slope; xx <= x + w + slope; xx++) {
                float lit = xx < x + w / 3 ? 0.0f : 0.25f;
                put_dither(b, xx, y,
                           mix(mix(rgb_hex(0xC88868), rgb_hex(0x8C5848), lit), rgb_hex(0xF0C8A0), 0.35f));
            }
        }
    }
    Ridge dunes_far(r, 12, 0.03f), dunes_near(r, 18, 0.018f);
    fill_ridge(b, dunes_far, horizon + 2, horizon + 40, rgb_hex(0xE8B870), rgb_hex(0xF8D8A0), 0.5f);
    // The sand floor with wind ripples.
    for (int y = horizon + 4; y < 240; y++) {
        float depth = (y - horizon) / 152.0f;
        for (int x = 0; x < 320; x++) {
            int top = horizon + 14 - (int)dunes_near.at(x);
            if (y < top) continue;
            Rgb c = mix(rgb_hex(0xF0C880), rgb_hex(0xD09850), depth);
            // Wind ripples: bands across the view, wavering, finer far away.
            float phase =
                152 * (0.9f * depth - 0.33f * depth * depth); // band spacing widens towards the front
            float ripple = std::sin(phase + std::sin(x * 0.035f + y * 0.02f) * 2.2f + x * 0.012f);
            if (ripple > 0.75f)
                c = mix(c, rgb_hex(0xFFE8B0), 0.35f);
            else if (ripple < -0.85f)
                c = mix(c, rgb_hex(0xA87040), 0.25f);
            put_dither(b, x, y, c);
        }
    }
    // Stones, a bleached bone and a lone cactus near the front corners.
    for (int i = 0; i < 40; i++) {
        int y = horizon + 20 + (int)(std::pow(r.unit(), 0.7f) * 130), x = r.range(0, 319);
        int s = 1 + (y - horizon) / 50;
        ellipsefill(b, x, y, s + 1, s, col16(rgb_hex(0x8C6844)));
        putpixel(b, x - 1, y - 1, col16(rgb_hex(0xD8B890)));
    }
    auto cactus = [&](int x, int y, int h) {
        int g = col16(rgb_hex(0x4C8C40)), dg = col16(rgb_hex(0x2C5C28)), lg = col16(rgb_hex(0x7CB860));
        rectfill(b, x - 3, y - h, x + 3, y, g);
        vline(b, x - 3, y - h, y, dg);
        vline(b, x - 1, y - h + 1, y, lg);
        rectfill(b, x - 9, y - h * 2 / 3, x - 6, y - h / 3, g);
        hline(b, x - 9, y - h / 3, x - 3, g);
        rectfill(b, x + 6, y - h * 3 / 4 - 4, x + 9, y - h / 2, g);
        hline(b, x + 3, y - h / 2, x + 9, g);
        circlefill(b, x, y - h, 3, g);
        ellipsefill(b, x + 3, y + 1, 8, 2, col16(rgb_hex(0xB07840)));
    };
    cactus(292, 200, 34);
    cactus(22, 150, 22);
    return bm;
}

// Game over: a sword left in the ground on a dark hill under a red dusk.
Bmp game_over()
{
    Bmp bm = new_bmp(320, 240);
    BITMAP* b = bm.get();
    Rng r(666);
    vgradient(b, 0, 0, 319, 150, rgb_hex(0x04020C), rgb_hex(0x5A1420));
    vgradient(b, 0, 150, 319, 175, rgb_hex(0x5A1420), rgb_hex(0x8A3020));
    for (int i = 0; i < 60; i++)
        putpixel(b, r.range(0, 319), r.range(0, 90), col16(rgb_hex(i % 3 ? 0x6A6080 : 0xC8C0D8)));
    Ridge hills(r, 30, 0.015f);
    fill_ridge(b, hills, 175, 239, rgb_hex(0x100810), rgb_hex(0x3A1018), 0.6f);
    // The hill in front, where the sword stands.
    for (int x = 0; x < 320; x++) {
        float dx = (x - 160) / 160.0f;
        int top = 190 + (int)(dx * dx * 40);
        for (int y = top; y < 240; y++)
            put_dither(b, x, y, mix(rgb_hex(0x180C10), rgb_hex(0x060306), (y - top) / 50.0f));
    }
    // Sword: blade, guard and grip, rim-lit by the red sky behind it.
    int sx = 160, ground = 194;
    for (int y = 116; y < ground + 3; y++) {
        int w = y > ground - 4 ? 1 : 3;
        for (int x = sx - w; x <= sx + w; x++) {
            Rgb c = x == sx - w ? rgb_hex(0xE8A0A0)
                    : x == sx   ? rgb_hex(0x5A5068)
                    : x < sx    ? rgb_hex(0x8C8098)
                                : rgb_hex(0x3A3448);
            put_dither(b, x, y, c);
        }
    }
    triangle(b, sx - 3, ground - 4, sx + 3, ground - 4, sx, ground + 2, col16(rgb_hex(0x3A3448)));
    rectfill(b, sx - 14, 110, sx + 14, 115, col16(rgb_hex(0x6A4A20)));
    hline(b, sx - 14, 110, sx + 14, col16(rgb_hex(0xE8B860)));
    circlefill(b, sx - 15, 112, 3, col16(rgb_hex(0x8A6028)));
    circlefill(b, sx + 15, 112, 3, col16(rgb_hex(0x8A6028)));
    rectfill(b, sx - 2, 94, sx + 2, 109, col16(rgb_hex(0x3A2418)));
    for (int y = 95; y < 109; y += 3) hline(b, sx - 2, y, sx + 2, col16(rgb_hex(0x5A3A24)));
    circlefill(b, sx, 91, 4, col16(rgb_hex(0x8A6028)));
    putpixel(b, sx - 1, 89, col16(rgb_hex(0xF0C870)));
    // Embers drifting up from the field.
    for (int i = 0; i < 45; i++) {
        int x = r.range(0, 319), y = r.range(60, 230);
        Rgb c = mix(rgb_hex(0xFF8030), rgb_hex(0xFFE080), r.unit());
        putpixel(b, x, y, col16(c));
        blend_pixel(b, x, y + 1, c, 0.4f);
    }
    return bm;
}

} // namespace

void add_battle_backgrounds(DatFile& f)
{
    dat_put(f, BATTLE_GRASS, dat_bitmap("BATTLE_GRASS", meadow().get()));
    dat_put(f, BATTLE_FOREST, dat_bitmap("BATTLE_FOREST", forest().get()));
    dat_put(f, BATTLE_DESERT, dat_bitmap("BATTLE_DESERT", desert().get()));
    dat_put(f, GAME_OVER, dat_bitmap("GAME_OVER", game_over().get()));
}
