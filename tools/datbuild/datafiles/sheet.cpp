// Contact sheets: every picture of a datafile in a grid, each labelled with
// its object number and name, so the art can be reviewed at a glance.
// Fonts show a sample line drawn through the game palette.
#include "pictures/art.h"
#include "px.h"

#include <algorithm>
#include <vector>

using namespace art;

namespace {

const int SHEET_W = 660;
const int LABEL_H = 10;
const int GAP = 6;
const char* FONT_SAMPLE =
    "Mike:  Hello, Vantor! 0123456789 \xA1\xA2\xA3\xA4\xA5\xA6\xA7\xA8\xA9\xAA\xAD\xAE\xAF\xB0";

// Rebuilds a picture from a 16-bit BMP or RLE body written by datwriter.
Bmp decode_picture(const DatObject& o)
{
    Bmp b = new_bmp(o.w, o.h, true);
    const std::vector<uint8_t>& d = o.body;
    size_t p = o.type == DAT_RLE_SPRITE ? 10 : 6;
    auto word = [&]() {
        int v = d[p] | d[p + 1] << 8;
        p += 2;
        return v;
    };
    auto rgb565 = [](int v) { return makecol16((v >> 11) << 3, ((v >> 5) & 63) << 2, (v & 31) << 3); };
    if (o.type == DAT_BITMAP) {
        for (int y = 0; y < o.h; y++)
            for (int x = 0; x < o.w; x++) putpixel(b.get(), x, y, rgb565(word()));
    } else {
        for (int y = 0; y < o.h; y++) {
            int x = 0;
            for (;;) {
                int v = word();
                if (v == 0xF81F) break;
                int n = (int16_t)v;
                if (n < 0) {
                    x -= n;
                    continue;
                }
                for (int i = 0; i < n; i++) putpixel(b.get(), x++, y, rgb565(word()));
            }
        }
    }
    return b;
}

// Renders a font body (one or more 8-bit colour ranges) on a window-blue strip.
Bmp decode_font_sample(const DatObject& o)
{
    RGB pal[256];
    game_palette(pal);
    const std::vector<uint8_t>& d = o.body;
    size_t p = 2;
    auto mw = [&]() {
        int v = d[p] << 8 | d[p + 1];
        p += 2;
        return v;
    };
    auto ml = [&]() {
        long v = (long)d[p] << 24 | d[p + 1] << 16 | d[p + 2] << 8 | d[p + 3];
        p += 4;
        return v;
    };
    struct G {
        int w, h;
        size_t at;
    };
    std::map<int, G> glyph;
    int ranges = mw();
    for (int r = 0; r < ranges; r++) {
        bool mono = d[p++] != 0;
        long first = ml(), last = ml();
        for (long c = first; c <= last; c++) {
            int w = mw(), h = mw();
            glyph[(int)c] = {w, h, p};
            p += mono ? (size_t)((w + 7) / 8) * h : (size_t)w * h;
        }
    }
    Bmp b = new_bmp(SHEET_W - 2 * GAP, 12);
    vgradient(b.get(), 0, 0, b->w - 1, 11, rgb_hex(0x000040), rgb_hex(0x0000A0));
    int x = 2;
    for (const char* s = FONT_SAMPLE; *s; s++) {
        auto it = glyph.find((unsigned char)*s);
        if (it == glyph.end()) continue;
        const G& g = it->second;
        for (int y = 0; y < g.h; y++)
            for (int k = 0; k < g.w; k++) {
                int ix = d[g.at + (size_t)y * g.w + k];
                if (ix) putpixel(b.get(), x + k, 2 + y, makecol16(pal[ix].r, pal[ix].g, pal[ix].b));
            }
        x += g.w;
    }
    return b;
}

} // namespace

void write_contact_sheet(const DatFile& f, const char* png_path)
{
    struct Cell {
        int index;
        const DatObject* o;
        Bmp pic;
    };
    std::vector<Cell> cells;
    for (auto& [index, o] : f) {
        if (o.type == DAT_BITMAP || o.type == DAT_RLE_SPRITE)
            cells.push_back({index, &o, decode_picture(o)});
        else if (o.type == DAT_FONT)
            cells.push_back({index, &o, decode_font_sample(o)});
    }
    // Shelf packing: left to right, a new row when the next cell won't fit.
    struct Place {
        int x, y;
    };
    std::vector<Place> at;
    int x = GAP, y = GAP, row_h = 0;
    for (auto& c : cells) {
        char label[64];
        snprintf(label, sizeof label, "%d %s", c.index, c.o->name.c_str());
        int w = std::max(c.pic->w, text_length(font, label)), h = c.pic->h + LABEL_H;
        if (x + w > SHEET_W - GAP && x > GAP) {
            x = GAP;
            y += row_h + GAP;
            row_h = 0;
        }
        at.push_back({x, y});
        x += w + GAP;
        row_h = std::max(row_h, h);
    }
    int height = std::max(32, y + row_h + GAP);
    Bmp sheet = new_bmp(SHEET_W, height);
    clear_to_color(sheet.get(), makecol16(48, 44, 56));
    for (size_t i = 0; i < cells.size(); i++) {
        const Cell& c = cells[i];
        char label[64];
        snprintf(label, sizeof label, "%d %s", c.index, c.o->name.c_str());
        textout_ex(sheet.get(), font, label, at[i].x, at[i].y, makecol16(255, 255, 160), -1);
        int px = at[i].x, py = at[i].y + LABEL_H;
        // A checker under see-through pixels shows where the mask is.
        for (int yy = 0; yy < c.pic->h; yy++)
            for (int xx = 0; xx < c.pic->w; xx++) {
                int v = getpixel(c.pic.get(), xx, yy);
                if (v == MASK16) v = ((xx / 4 + yy / 4) & 1) ? makecol16(90, 90, 100) : makecol16(70, 70, 80);
                putpixel(sheet.get(), px + xx, py + yy, v);
            }
    }
    if (write_png(png_path, sheet.get()) != 0) tool_fail("cannot write %s", png_path);
}
