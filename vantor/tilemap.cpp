// Tile maps: file format, renumbering by name, cell access, drawing.
//
// Every byte that comes from a file or a datafile object is checked before it
// is trusted: maps are edited by hand and by tools, and a bad one must give a
// clean "cannot load" rather than a crash somewhere in the field code.
#include "tilemap.h"

#include <cstdint>
#include <cstdio>
#include <algorithm>
#include <cstring>
#include <new>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

const int HEADER_BYTES = 36;
const int NAME_CHARS = 79;                 // longest name a NAMELIST entry holds
const int RECORD_MAX = 4 + NAME_CHARS + 1; // number, text, line feed
// Far above any real map (the world is 160 x 120 x 3), far below anything
// that could overflow an int product or ask the allocator for gigabytes.
const int MAX_SIDE = 4096;
const int MAX_LAYERS = 64;
const int MAX_GRID = 256;
const int MAX_NAMES = 65536;
const long long MAX_CELLS = 1LL << 24;

int32_t get32(const uint8_t* p)
{
    return static_cast<int32_t>(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 |
                                uint32_t(p[3]) << 24);
}

void put32(std::vector<uint8_t>& out, int32_t v)
{
    uint32_t u = static_cast<uint32_t>(v);
    for (int i = 0; i < 4; i++) out.push_back(static_cast<uint8_t>(u >> (8 * i)));
}

struct Header {
    int version, xsize, ysize, xgrid, ygrid, layers, names;
};

bool sizes_ok(int layers, int xsize, int ysize, int xgrid, int ygrid)
{
    return xsize >= 1 && xsize <= MAX_SIDE && ysize >= 1 && ysize <= MAX_SIDE && layers >= 1 &&
           layers <= MAX_LAYERS && xgrid >= 1 && xgrid <= MAX_GRID && ygrid >= 1 && ygrid <= MAX_GRID &&
           static_cast<long long>(xsize) * ysize * layers <= MAX_CELLS;
}

bool read_header(const uint8_t* p, Header& h)
{
    h = {get32(p), get32(p + 4), get32(p + 8), get32(p + 12), get32(p + 16), get32(p + 20), get32(p + 24)};
    return sizes_ok(h.layers, h.xsize, h.ysize, h.xgrid, h.ygrid) && h.names >= 0 && h.names <= MAX_NAMES;
}

size_t cell_count(const TILEMAP* t) { return static_cast<size_t>(t->xsize) * t->ysize * t->layers; }

// Fills `out` from name records at p; false when a record is cut off, has no
// line feed, or its text would not fit an entry (it would silently shift
// every following record).
bool parse_names(const uint8_t* p, size_t avail, int count, NAMELIST* out)
{
    size_t at = 0;
    for (int i = 0; i < count; i++) {
        if (avail - at < 5) return false;
        out[i].index = get32(p + at);
        at += 4;
        size_t limit = std::min(avail - at, static_cast<size_t>(NAME_CHARS + 1));
        const void* lf = std::memchr(p + at, '\n', limit);
        if (!lf) return false;
        size_t len = static_cast<const uint8_t*>(lf) - (p + at);
        std::memset(out[i].name, 0, sizeof out[i].name);
        std::memcpy(out[i].name, p + at, len);
        at += len + 1;
    }
    return true;
}

TILEMAP* new_map(const Header& h)
{
    TILEMAP* t = new (std::nothrow) TILEMAP{};
    if (!t) return nullptr;
    t->version = h.version;
    t->xsize = h.xsize;
    t->ysize = h.ysize;
    t->xgrid = h.xgrid;
    t->ygrid = h.ygrid;
    t->layers = h.layers;
    return t;
}

bool read_all(FILE* f, void* to, size_t n) { return n == 0 || std::fread(to, 1, n, f) == n; }

// Objects whose `dat` is a plain byte block of `size` bytes; the others point
// at library structures that must never be read as a map.
bool is_raw_object(int type)
{
    return type != DAT_FILE && type != DAT_BITMAP && type != DAT_RLE_SPRITE && type != DAT_C_SPRITE &&
           type != DAT_XC_SPRITE && type != DAT_FONT && type != DAT_SAMPLE && type != DAT_MIDI &&
           type != DAT_PALETTE && type != DAT_END;
}

size_t name_length(const NAMELIST& n)
{
    size_t len = 0;
    while (len < static_cast<size_t>(NAME_CHARS) && n.name[len] && n.name[len] != '\n') len++;
    return len;
}

// The map in an open file, or null when anything about it is wrong.
TILEMAP* read_map(FILE* f)
{
    long size = -1;
    if (std::fseek(f, 0, SEEK_END) == 0) size = std::ftell(f);
    uint8_t head[HEADER_BYTES];
    Header h;
    if (size < HEADER_BYTES || std::fseek(f, 0, SEEK_SET) != 0 || !read_all(f, head, HEADER_BYTES) ||
        !read_header(head, h))
        return nullptr;
    // Sizes are checked against the file before any allocation, so a lying header costs nothing.
    size_t cells = static_cast<size_t>(h.xsize) * h.ysize * h.layers;
    size_t rest = static_cast<size_t>(size) - HEADER_BYTES;
    if (rest < cells * 4) return nullptr;
    size_t tail = std::min(rest - cells * 4, static_cast<size_t>(h.names) * RECORD_MAX);
    if (tail < static_cast<size_t>(h.names) * 5) return nullptr;
    TILEMAP* t = new_map(h);
    if (!t) return nullptr;
    std::vector<uint8_t> bytes;
    bool ok = false;
    try {
        bytes.resize(cells * 4 + tail);
        t->data = new int[cells];
        if (h.names) t->name = new NAMELIST[h.names];
        ok = read_all(f, bytes.data(), bytes.size());
    } catch (const std::bad_alloc&) {
        ok = false;
    }
    if (ok) {
        for (size_t i = 0; i < cells; i++) t->data[i] = get32(&bytes[i * 4]);
        ok = parse_names(bytes.data() + cells * 4, tail, h.names, t->name);
        t->names = h.names;
    }
    if (!ok) {
        destroy_tilemap(t);
        return nullptr;
    }
    return t;
}

} // namespace

int count_objects(DATAFILE* dat)
{
    int n = 0;
    if (dat)
        while (dat[n].type != DAT_END) n++;
    return n;
}

TILEMAP* load_tilemap(const char* filename)
{
    if (!filename) return nullptr;
    FILE* f = std::fopen(filename, "rb");
    if (!f) return nullptr;
    TILEMAP* t = read_map(f);
    std::fclose(f);
    return t;
}

int save_tilemap(TILEMAP* tmap, const char* filename)
{
    if (!tmap || !tmap->data || !filename || tmap->names < 0 || (tmap->names && !tmap->name) ||
        !sizes_ok(tmap->layers, tmap->xsize, tmap->ysize, tmap->xgrid, tmap->ygrid))
        return -1;
    std::vector<uint8_t> out;
    size_t cells = cell_count(tmap);
    out.reserve(HEADER_BYTES + cells * 4 + static_cast<size_t>(tmap->names) * 16);
    for (int v :
         {tmap->version, tmap->xsize, tmap->ysize, tmap->xgrid, tmap->ygrid, tmap->layers, tmap->names, 0, 0})
        put32(out, v);
    for (size_t i = 0; i < cells; i++) put32(out, tmap->data[i]);
    for (int i = 0; i < tmap->names; i++) {
        const NAMELIST& n = tmap->name[i];
        put32(out, n.index);
        out.insert(out.end(), n.name, n.name + name_length(n));
        out.push_back('\n');
    }
    // Written aside and renamed, so a full disk never leaves half a map behind.
    std::string tmp = std::string(filename) + ".part";
    FILE* f = std::fopen(tmp.c_str(), "wb");
    if (!f) return -1;
    bool ok = std::fwrite(out.data(), 1, out.size(), f) == out.size();
    ok = (std::fclose(f) == 0) && ok;
    if (!ok || std::rename(tmp.c_str(), filename) != 0) {
        std::remove(tmp.c_str());
        return -1;
    }
    return 0;
}

TILEMAP* register_tilemap(DATAFILE* dat, int object)
{
    if (!dat || object < 0 || object >= count_objects(dat)) return nullptr;
    DATAFILE& obj = dat[object];
    if (!obj.dat || !is_raw_object(obj.type) || obj.size < HEADER_BYTES) return nullptr;
    uint8_t* bytes = static_cast<uint8_t*>(obj.dat);
    size_t size = static_cast<size_t>(obj.size);
    Header h;
    if (!read_header(bytes, h)) return nullptr;
    size_t cells = static_cast<size_t>(h.xsize) * h.ysize * h.layers;
    if (size - HEADER_BYTES < cells * 4 || size - HEADER_BYTES - cells * 4 < static_cast<size_t>(h.names) * 5)
        return nullptr;
    TILEMAP* t = new_map(h);
    if (!t) return nullptr;
    uint8_t* first = bytes + HEADER_BYTES;
    bool in_place = reinterpret_cast<uintptr_t>(first) % alignof(int) == 0;
    if (in_place) {
        t->data = reinterpret_cast<int*>(first);
        t->registered = TRUE;
        // The object's bytes become the cells: stored little-endian, rewritten
        // in host order (which changes nothing on a little-endian host).
        for (size_t i = 0; i < cells; i++) {
            int v = get32(first + i * 4);
            std::memcpy(first + i * 4, &v, 4);
        }
    } else {
        t->data = new (std::nothrow) int[cells];
        if (!t->data) {
            destroy_tilemap(t);
            return nullptr;
        }
        for (size_t i = 0; i < cells; i++) t->data[i] = get32(first + i * 4);
    }
    if (h.names) {
        t->name = new (std::nothrow) NAMELIST[h.names];
        if (!t->name || !parse_names(first + cells * 4, size - HEADER_BYTES - cells * 4, h.names, t->name)) {
            destroy_tilemap(t);
            return nullptr;
        }
        t->names = h.names;
    }
    return t;
}

TILEMAP* create_tilemap(int layers, int xsize, int ysize, int xgrid, int ygrid)
{
    if (!sizes_ok(layers, xsize, ysize, xgrid, ygrid)) return nullptr;
    TILEMAP* t = new_map({1, xsize, ysize, xgrid, ygrid, layers, 0});
    if (!t) return nullptr;
    t->data = new (std::nothrow) int[cell_count(t)];
    if (!t->data) {
        delete t;
        return nullptr;
    }
    std::fill(t->data, t->data + cell_count(t), -1);
    return t;
}

TILEMAP* resize_tilemap(TILEMAP* tmap, int layers, int xsize, int ysize, int xgrid, int ygrid, int xcut,
                        int ycut)
{
    if (!tmap) return nullptr;
    TILEMAP* t = create_tilemap(layers, xsize, ysize, xgrid, ygrid);
    if (!t) return nullptr;
    t->version = tmap->version;
    int dx = xcut ? tmap->xsize - xsize : 0;
    int dy = ycut ? tmap->ysize - ysize : 0;
    for (int l = 0; l < layers; l++)
        for (int y = 0; y < ysize; y++)
            for (int x = 0; x < xsize; x++)
                t->data[get_sprite_pos(t, l, x, y)] = get_sprite_number(tmap, l, x + dx, y + dy);
    destroy_tilemap(tmap);
    return t;
}

void destroy_tilemap(TILEMAP* tmap)
{
    if (!tmap) return;
    if (!tmap->registered) delete[] tmap->data;
    delete[] tmap->name;
    delete tmap;
}

void correct_tilemap(TILEMAP* tmap, DATAFILE* dat)
{
    if (!tmap || !tmap->data || !dat || tmap->names <= 0 || !tmap->name) return;
    std::unordered_map<std::string, int> by_name;
    int count = count_objects(dat);
    for (int i = 0; i < count; i++)
        if (const char* n = get_object_name(dat, i)) by_name.emplace(n, i); // the first of a name wins
    std::unordered_map<int, int> to;
    for (int i = 0; i < tmap->names; i++) {
        const NAMELIST& n = tmap->name[i];
        auto it = by_name.find(std::string(n.name, name_length(n)));
        to.emplace(n.index, it == by_name.end() ? -1 : it->second);
    }
    size_t cells = cell_count(tmap);
    for (size_t i = 0; i < cells; i++) {
        auto it = to.find(tmap->data[i]);
        if (it != to.end()) tmap->data[i] = it->second;
    }
}

void create_namelist(TILEMAP* tmap, DATAFILE* dat)
{
    if (!tmap || !dat) return;
    int sprites = number_of_type(dat, DAT_RLE_SPRITE);
    NAMELIST* list = nullptr;
    if (sprites > 0) {
        list = new (std::nothrow) NAMELIST[sprites];
        if (!list) return; // the old list still describes the cells
    }
    int count = count_objects(dat), k = 0;
    for (int i = 0; i < count && k < sprites; i++) {
        if (dat[i].type != DAT_RLE_SPRITE) continue;
        list[k].index = i;
        std::memset(list[k].name, 0, sizeof list[k].name);
        if (const char* n = get_object_name(dat, i))
            std::snprintf(list[k].name, sizeof list[k].name, "%s", n);
        k++;
    }
    delete[] tmap->name;
    tmap->name = list;
    tmap->names = sprites;
}

int get_sprite_number(TILEMAP* tmap, int layer, int x, int y)
{
    if (!tmap || !tmap->data || layer < 0 || layer >= tmap->layers || x < 0 || x >= tmap->xsize || y < 0 ||
        y >= tmap->ysize)
        return -1;
    return tmap->data[get_sprite_pos(tmap, layer, x, y)];
}

void set_sprite_number(TILEMAP* tmap, int layer, int x, int y, int value)
{
    if (!tmap || !tmap->data || layer < 0 || layer >= tmap->layers || x < 0 || x >= tmap->xsize || y < 0 ||
        y >= tmap->ysize)
        return;
    tmap->data[get_sprite_pos(tmap, layer, x, y)] = value;
}

int get_sprite_pos(TILEMAP* tmap, int layer, int x, int y)
{
    return tmap->xsize * y + x + tmap->xsize * tmap->ysize * layer;
}

void draw_tilemap_layer(BITMAP* dest, DATAFILE* dat, TILEMAP* tmap, int layer, int dest_x, int dest_y)
{
    if (!dest || !dat || !tmap || !tmap->data || layer < 0 || layer >= tmap->layers) return;
    int count = count_objects(dat);
    int depth = bitmap_color_depth(dest);
    // 64-bit positions: a scroll offset near the int limits must not wrap round onto the screen.
    long long x0 = dest_x <= 0 ? -static_cast<long long>(dest_x) / tmap->xgrid : 0;
    long long y0 = dest_y <= 0 ? -static_cast<long long>(dest_y) / tmap->ygrid : 0;
    for (long long x = x0; x < tmap->xsize && x * tmap->xgrid + dest_x < dest->w; x++) {
        for (long long y = y0; y < tmap->ysize && y * tmap->ygrid + dest_y < dest->h; y++) {
            int v = tmap->data[get_sprite_pos(tmap, layer, static_cast<int>(x), static_cast<int>(y))];
            // A number the tile set does not have draws nothing instead of reading past the datafile.
            if (v < 0 || v >= count || dat[v].type != DAT_RLE_SPRITE || !dat[v].dat) continue;
            RLE_SPRITE* s = static_cast<RLE_SPRITE*>(dat[v].dat);
            if (s->color_depth != depth) continue;
            draw_rle_sprite(dest, s, static_cast<int>(x * tmap->xgrid + dest_x),
                            static_cast<int>(y * tmap->ygrid + dest_y));
        }
    }
}

const char* get_object_name(DATAFILE* dat, int object)
{
    if (!dat || object < 0 || object >= count_objects(dat)) return nullptr;
    for (DATAFILE_PROPERTY* p = dat[object].prop; p && p->type != DAT_END; p++)
        if (p->type == DAT_NAME) return p->dat;
    return nullptr;
}

int object_of_type_exists(DATAFILE* dat, int type) { return number_of_type(dat, type) > 0 ? TRUE : FALSE; }

int number_of_type(DATAFILE* dat, int type)
{
    int n = 0, count = count_objects(dat);
    for (int i = 0; i < count; i++)
        if (dat[i].type == type) n++;
    return n;
}

int get_object_number(DATAFILE* dat, int n, int type)
{
    int count = count_objects(dat);
    for (int i = 0; i < count && n >= 1; i++)
        if (dat[i].type == type && --n == 0) return i;
    return -1;
}

int get_max_sprite_width(DATAFILE* dat)
{
    int w = 0, count = count_objects(dat);
    for (int i = 0; i < count; i++)
        if (dat[i].type == DAT_RLE_SPRITE && dat[i].dat)
            w = std::max(w, static_cast<RLE_SPRITE*>(dat[i].dat)->w);
    return w;
}

int get_max_sprite_height(DATAFILE* dat)
{
    int h = 0, count = count_objects(dat);
    for (int i = 0; i < count; i++)
        if (dat[i].type == DAT_RLE_SPRITE && dat[i].dat)
            h = std::max(h, static_cast<RLE_SPRITE*>(dat[i].dat)->h);
    return h;
}
