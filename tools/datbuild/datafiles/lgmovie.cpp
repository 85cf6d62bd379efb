// lgmovie.dat: the 11 frames of the studio logo, "Quiet Valley Games".
// The game shows frames 0-10 and then 0-6 at 12 per second, and leaves
// frame 6 standing while the credit line fades in at the bottom right; so
// the emblem and name are complete by frame 5, frame 6 is the resting
// picture, and frames 7-10 run a glint over the finished logo.
#include "pictures/art.h"
#include "dat_names.h"

#include <algorithm>
#include <cmath>

using namespace art;

namespace {

const float PI = 3.14159265f;
const int CX = 160, CY = 92, RADIUS = 44;

float ramp(int frame, int from, int to) // 0 before `from`, 1 from `to` on
{
    if (frame <= from) return 0;
    if (frame >= to) return 1;
    return (float)(frame - from) / (to - from);
}

// Draws a one-bit grid with each cell as an s x s block in colour c.
void blit_grid(BITMAP* b, const Grid& g, int x, int y, int s, Rgb c, float reveal_x = 1e9f)
{
    for (size_t r = 0; r < g.size(); r++)
        for (size_t k = 0; k < g[r].size(); k++) {
            if (!g[r][k]) continue;
            int px = x + (int)k * s;
            if (px >= reveal_x) continue;
            rectfill(b, px, y + (int)r * s, px + s - 1, y + (int)r * s + s - 1, col16(c));
        }
}

Bmp logo_frame(int frame, const std::map<int, FontGlyph>& glyphs)
{
    Bmp bm = new_bmp(320, 240);
    BITMAP* b = bm.get();
    vgradient(b, 0, 0, 319, 239, rgb_hex(0x04050E), rgb_hex(0x0E1634));

    // The emblem: a ring drawn clockwise, then the valley inside it.
    float ring = ramp(frame, -1, 2);
    float sky = ramp(frame, 0, 3);
    float hills = ramp(frame, 1, 4);
    for (int y = CY - RADIUS; y <= CY + RADIUS; y++)
        for (int x = CX - RADIUS; x <= CX + RADIUS; x++) {
            float dx = x - CX, dy = y - CY, d = std::hypot(dx, dy);
            if (d > RADIUS - 3) continue;
            float t = (y - (CY - RADIUS)) / (2.0f * RADIUS);
            Rgb c = mix(rgb_hex(0x1C2C70), rgb_hex(0xF0B880), t);
            // Two hills meet in the middle; the near one rises last.
            float rise = (1 - hills) * 40;
            float hl = CY + 8 + rise - 22 * std::exp(-std::pow((x - (CX - 22)) / 20.0f, 2));
            float hr = CY + 14 + rise - 16 * std::exp(-std::pow((x - (CX + 26)) / 18.0f, 2));
            if (y > hr)
                c = mix(rgb_hex(0x2C5C48), rgb_hex(0x183828), (y - hr) / 30.0f);
            else if (y > hl)
                c = mix(rgb_hex(0x4C7C6C), rgb_hex(0x2C4C48), (y - hl) / 30.0f);
            // A river winding down the valley floor.
            float river = CX + 2 - (y - CY - 20) * 0.35f;
            if (y > CY + 20 && std::fabs(x - river) < (y - CY - 18) * 0.16f + 0.5f && hills > 0.99f)
                c = mix(rgb_hex(0xA0C8F0), rgb_hex(0xF8E0B0), 0.4f);
            put_dither(b, x, y, mix(rgb_hex(0x0A0E24), c, sky));
        }
    // The moon above the valley.
    if (sky > 0.5f) {
        float a = (sky - 0.5f) * 2;
        add_glow(b, CX + 14, CY - 22, 16, rgb_hex(0x706040), a * 0.8f);
        circlefill(b, CX + 14, CY - 22, 5, col16(mix(rgb_hex(0x1C2C70), rgb_hex(0xFFF4D0), a)));
    }
    // The gold ring, drawn round by angle.
    for (int i = 0; i < 720; i++) {
        float ang = i * PI / 360 - PI / 2;
        if (i / 720.0f > ring) break;
        for (int w = 0; w < 3; w++) {
            float rr = RADIUS - w;
            int x = (int)std::lround(CX + std::cos(ang) * rr), y = (int)std::lround(CY + std::sin(ang) * rr);
            putpixel(b, x, y, col16(w == 1 ? rgb_hex(0xF8D878) : rgb_hex(0xB07828)));
        }
    }

    // The name wipes in from the left, then "GAMES" fades up beneath it.
    Grid name = scale3x(text_grid(glyphs, "QUIET VALLEY"));
    int scale = 1, nw = (int)name[0].size() * scale;
    int nx = CX - nw / 2, ny = CY + RADIUS + 12;
    float wipe = ramp(frame, 2, 5);
    blit_grid(b, name, nx + 2, ny + 2, scale, rgb_hex(0x000000), nx + wipe * nw);
    blit_grid(b, name, nx, ny, scale, rgb_hex(0xF4ECD8), nx + wipe * nw);
    Grid games = text_grid(glyphs, "G A M E S");
    int gw = (int)games[0].size();
    float fade = ramp(frame, 3, 5);
    if (fade > 0)
        blit_grid(b, games, CX - gw / 2, ny + 27, 1, mix(rgb_hex(0x0C1430), rgb_hex(0xD8A848), fade));

    // After the logo stands: a glint runs across the name and a star twinkles.
    if (frame >= 7) {
        float gx = nx + (frame - 7) / 3.0f * nw;
        for (int y = ny; y < ny + 21; y++)
            for (int x = (int)gx - 6; x < (int)gx + 6; x++) {
                int p = getpixel(b, x, y);
                if (getr16(p) > 200) blend_pixel(b, x, y, rgb_hex(0xFFFFFF), 1 - std::fabs(x - gx) / 6);
            }
        float tw = frame == 8 || frame == 9 ? 1.0f : 0.5f;
        int sx = CX - 24, sy = CY - 26;
        add_glow(b, (float)sx, (float)sy, 6 * tw + 2, rgb_hex(0xA0A0C0), 0.9f);
        hline(b, sx - (int)(4 * tw), sy, sx + (int)(4 * tw), col16(rgb_hex(0xFFFFFF)));
        vline(b, sx, sy - (int)(4 * tw), sy + (int)(4 * tw), col16(rgb_hex(0xFFFFFF)));
    }
    return bm;
}

} // namespace

void gen_lgmovie(DatFile& f, const std::string& assets)
{
    auto glyphs = load_font_grids(assets + "/data/fonts/glyphs.font");
    for (int i = 0; i < 11; i++) {
        char name[32];
        snprintf(name, sizeof name, "LOGO_FRAME_%02d", i);
        dat_put(f, LOGO_FRAME_00 + i, dat_bitmap(name, logo_frame(i, glyphs).get()));
    }
}
