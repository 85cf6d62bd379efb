// Small tile sets built in memory, shaped exactly like what load_datafile
// returns (everything malloc'ed, so unload_datafile frees it), for the map
// tests and the map fuzzer.
#pragma once
#include <allegro.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

struct FakeObject {
    int type = DAT_RLE_SPRITE;
    std::string name;           // "" gives the object no NAME property
    int color = 0;              // RLE: fill colour (0xRRGGBB)
    int w = 16, h = 16;         // RLE: size
    std::vector<uint8_t> bytes; // other types: the raw body
};

inline FakeObject fake_tile(const std::string& name, int color, int w = 16, int h = 16)
{
    FakeObject o;
    o.name = name;
    o.color = color;
    o.w = w;
    o.h = h;
    return o;
}

inline FakeObject fake_data(const std::string& name, const std::vector<uint8_t>& bytes)
{
    FakeObject o;
    o.type = DAT_DATA;
    o.name = name;
    o.bytes = bytes;
    return o;
}

// Starts the library without a display; safe to call repeatedly.
inline void fake_allegro_start()
{
    static bool started = false;
    if (started) return;
    install_allegro(SYSTEM_NONE, &errno, atexit);
    set_color_depth(16);
    started = true;
}

// A datafile of the objects in order, ending with the end marker.
inline DATAFILE* fake_datafile(const std::vector<FakeObject>& objs)
{
    DATAFILE* d = static_cast<DATAFILE*>(std::calloc(objs.size() + 1, sizeof(DATAFILE)));
    for (size_t i = 0; i < objs.size(); i++) {
        const FakeObject& o = objs[i];
        d[i].type = o.type;
        if (o.type == DAT_RLE_SPRITE) {
            BITMAP* b = create_bitmap(o.w, o.h);
            clear_to_color(b, makecol((o.color >> 16) & 255, (o.color >> 8) & 255, o.color & 255));
            d[i].dat = get_rle_sprite(b);
            d[i].size = o.w * o.h * 2;
            destroy_bitmap(b);
        } else {
            d[i].dat = std::malloc(o.bytes.size() ? o.bytes.size() : 1);
            if (!o.bytes.empty()) std::memcpy(d[i].dat, o.bytes.data(), o.bytes.size());
            d[i].size = static_cast<long>(o.bytes.size());
        }
        if (!o.name.empty()) {
            auto* p = static_cast<DATAFILE_PROPERTY*>(std::calloc(2, sizeof(DATAFILE_PROPERTY)));
            p[0].type = DAT_NAME;
            p[0].dat = static_cast<char*>(std::malloc(o.name.size() + 1));
            std::memcpy(p[0].dat, o.name.c_str(), o.name.size() + 1);
            p[1].type = DAT_END;
            d[i].prop = p;
        }
    }
    d[objs.size()].type = DAT_END;
    return d;
}

// The little-endian bytes of a map file, for building files by hand.
struct MapBytes {
    std::vector<uint8_t> b;
    MapBytes& i32(int32_t v)
    {
        for (int k = 0; k < 4; k++) b.push_back(static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * k)));
        return *this;
    }
    MapBytes& text(const std::string& s)
    {
        b.insert(b.end(), s.begin(), s.end());
        return *this;
    }
    // version, sizes, names, and the two unused words.
    MapBytes& header(int xsize, int ysize, int layers, int names, int grid = 16)
    {
        return i32(1).i32(xsize).i32(ysize).i32(grid).i32(grid).i32(layers).i32(names).i32(0).i32(0);
    }
};
