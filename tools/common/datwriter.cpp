// Serializes objects in the layout Allegro 4's load_datafile reads back.
#include "datwriter.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace {

void put_mw(std::vector<uint8_t>& b, int v)
{
    b.push_back((v >> 8) & 255);
    b.push_back(v & 255);
}
void put_iw(std::vector<uint8_t>& b, int v)
{
    b.push_back(v & 255);
    b.push_back((v >> 8) & 255);
}
void put_ml(std::vector<uint8_t>& b, long v)
{
    for (int s = 24; s >= 0; s -= 8) b.push_back((v >> s) & 255);
}

// 5-6-5 word of a pixel, whatever the bitmap's depth.
int pixel565(BITMAP* bmp, int x, int y)
{
    int c = getpixel(bmp, x, y);
    int d = bitmap_color_depth(bmp);
    int r = getr_depth(d, c), g = getg_depth(d, c), b = getb_depth(d, c);
    return ((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3);
}

bool is_mask(BITMAP* bmp, int x, int y)
{
    int c = getpixel(bmp, x, y);
    int d = bitmap_color_depth(bmp);
    return getr_depth(d, c) == 255 && getg_depth(d, c) == 0 && getb_depth(d, c) == 255;
}

} // namespace

void tool_fail(const char* fmt, ...)
{
    va_list ap;
    va_start(ap, fmt);
    vfprintf(stderr, fmt, ap);
    va_end(ap);
    fputc('\n', stderr);
    exit(1);
}

DatObject dat_bitmap(const std::string& name, BITMAP* bmp)
{
    DatObject o;
    o.type = DAT_BITMAP;
    o.name = name;
    o.w = bmp->w;
    o.h = bmp->h;
    put_mw(o.body, 16);
    put_mw(o.body, bmp->w);
    put_mw(o.body, bmp->h);
    for (int y = 0; y < bmp->h; y++)
        for (int x = 0; x < bmp->w; x++) put_iw(o.body, pixel565(bmp, x, y));
    return o;
}

DatObject dat_rle(const std::string& name, BITMAP* bmp)
{
    std::vector<uint8_t> rle;
    for (int y = 0; y < bmp->h; y++) {
        int x = 0;
        while (x < bmp->w) {
            int start = x;
            if (is_mask(bmp, x, y)) {
                while (x < bmp->w && is_mask(bmp, x, y) && x - start < 32767) x++;
                put_iw(rle, -(x - start));
            } else {
                while (x < bmp->w && !is_mask(bmp, x, y) && x - start < 32767) x++;
                put_iw(rle, x - start);
                for (int i = start; i < x; i++) put_iw(rle, pixel565(bmp, i, y));
            }
        }
        put_iw(rle, 0xF81F);
    }
    DatObject o;
    o.type = DAT_RLE_SPRITE;
    o.name = name;
    o.w = bmp->w;
    o.h = bmp->h;
    put_mw(o.body, 16);
    put_mw(o.body, bmp->w);
    put_mw(o.body, bmp->h);
    put_ml(o.body, (long)rle.size());
    o.body.insert(o.body.end(), rle.begin(), rle.end());
    return o;
}

DatObject dat_sample(const std::string& name, const std::vector<int16_t>& pcm, int freq)
{
    DatObject o;
    o.type = DAT_SAMPLE;
    o.name = name;
    put_mw(o.body, 16);
    put_mw(o.body, freq);
    put_ml(o.body, (long)pcm.size());
    // Allegro keeps sample data unsigned in memory and in datafiles.
    for (int16_t s : pcm) put_iw(o.body, (uint16_t)s ^ 0x8000);
    return o;
}

DatObject dat_midi(const std::string& name, int divisions, const std::vector<std::vector<uint8_t>>& tracks)
{
    if (tracks.size() > 32) tool_fail("%s: %zu MIDI tracks, at most 32", name.c_str(), tracks.size());
    DatObject o;
    o.type = DAT_MIDI;
    o.name = name;
    put_mw(o.body, divisions);
    for (size_t t = 0; t < 32; t++) {
        if (t < tracks.size()) {
            put_ml(o.body, (long)tracks[t].size());
            o.body.insert(o.body.end(), tracks[t].begin(), tracks[t].end());
        } else {
            put_ml(o.body, 0);
        }
    }
    return o;
}

DatObject dat_palette(const std::string& name, const RGB pal[256])
{
    DatObject o;
    o.type = DAT_PALETTE;
    o.name = name;
    for (int i = 0; i < 256; i++) {
        o.body.push_back(pal[i].r >> 2);
        o.body.push_back(pal[i].g >> 2);
        o.body.push_back(pal[i].b >> 2);
        o.body.push_back(0);
    }
    return o;
}

DatObject dat_font8(const std::string& name, int first, const std::vector<BITMAP*>& glyphs)
{
    if (glyphs.empty()) tool_fail("%s: a font needs glyphs", name.c_str());
    DatObject o;
    o.type = DAT_FONT;
    o.name = name;
    put_mw(o.body, 0);
    put_mw(o.body, 1);
    o.body.push_back(0); // 8-bit colour range
    put_ml(o.body, first);
    put_ml(o.body, first + (long)glyphs.size() - 1);
    for (BITMAP* g : glyphs) {
        put_mw(o.body, g->w);
        put_mw(o.body, g->h);
        for (int y = 0; y < g->h; y++)
            for (int x = 0; x < g->w; x++) o.body.push_back(getpixel(g, x, y) & 255);
    }
    return o;
}

DatObject dat_placeholder(int index)
{
    DatObject o;
    o.type = DAT_DATA;
    char nm[32];
    snprintf(nm, sizeof nm, "UNUSED_%03d", index);
    o.name = nm;
    o.body.push_back(0);
    return o;
}

void dat_put(DatFile& file, int index, DatObject obj)
{
    if (index < 0) tool_fail("object %s: negative index %d", obj.name.c_str(), index);
    auto it = file.find(index);
    if (it != file.end())
        tool_fail("object %d given twice: %s and %s", index, it->second.name.c_str(), obj.name.c_str());
    file[index] = std::move(obj);
}

int dat_write(const char* path, const DatFile& file, int count, const char* password)
{
    if (!file.empty() && file.rbegin()->first >= count)
        tool_fail("%s: object %d beyond the count %d", path, file.rbegin()->first, count);
    packfile_password(password);
    PACKFILE* f = pack_fopen(path, F_WRITE_PACKED);
    if (!f) {
        packfile_password(nullptr);
        return -1;
    }
    pack_mputl(DAT_MAGIC, f);
    pack_mputl(count, f);
    for (int i = 0; i < count; i++) {
        auto it = file.find(i);
        DatObject ph;
        const DatObject& o = it != file.end() ? it->second : (ph = dat_placeholder(i));
        if (!o.name.empty()) {
            pack_mputl(DAT_PROPERTY, f);
            pack_mputl(DAT_NAME, f);
            pack_mputl((long)o.name.size(), f);
            pack_fwrite(o.name.data(), (long)o.name.size(), f);
        }
        pack_mputl((long)o.type, f);
        PACKFILE* c = pack_fopen_chunk(f, FALSE);
        pack_fwrite(o.body.data(), (long)o.body.size(), c);
        f = pack_fclose_chunk(c);
    }
    int err = pack_ferror(f);
    pack_fclose(f);
    packfile_password(nullptr);
    return err ? -1 : 0;
}
