// Shared drawing kit of the data.dat and lgmovie.dat generators: a seeded
// random source, 16-bit colour helpers with ordered dithering (so gradients
// stay smooth in 5-6-5), scratch bitmaps, and the game palette.
// Each data_*.cpp adds its own objects through one add_* function.
#pragma once
#include "gen.h"
#include "data_fonts.h"

#include <allegro.h>
#include <cstdint>
#include <memory>
#include <map>
#include <string>
#include <vector>

// Everything here lives in its own namespace: other generators in this
// program have helpers of the same names.
namespace art {

// A scratch bitmap that frees itself.
struct BitmapDeleter {
    void operator()(BITMAP* b) const { if (b) destroy_bitmap(b); }
};
using Bmp = std::unique_ptr<BITMAP, BitmapDeleter>;

// A new 16-bit bitmap cleared to black (or to the mask colour when masked).
Bmp new_bmp(int w, int h, bool masked = false);

// Deterministic random numbers: the same seed always draws the same art.
struct Rng {
    uint32_t s;
    explicit Rng(uint32_t seed) : s(seed ? seed : 1) {}
    uint32_t next() { s ^= s << 13; s ^= s >> 17; s ^= s << 5; return s; }
    int range(int lo, int hi) { return lo + (int)(next() % (uint32_t)(hi - lo + 1)); }   // lo..hi inclusive
    float unit() { return (next() & 0xFFFFFF) / 16777216.0f; }                            // 0 .. <1
};

struct Rgb { float r, g, b; };
Rgb mix(Rgb a, Rgb b, float t);                 // a at t = 0, b at t = 1
Rgb rgb_hex(int hex);                           // 0xRRGGBB

// Puts one pixel, rounding to 5-6-5 through a 4x4 Bayer matrix.
void put_dither(BITMAP* bmp, int x, int y, Rgb c);
// Fills rows y0..y1 with a vertical gradient, dithered.
void vgradient(BITMAP* bmp, int x0, int y0, int x1, int y1, Rgb top, Rgb bottom);
// Blends c over the pixel with opacity a (0..1), dithered.
void blend_pixel(BITMAP* bmp, int x, int y, Rgb c, float a);
// A soft radial glow added over what is there (brightens; 0 at radius r).
void add_glow(BITMAP* bmp, float cx, float cy, float r, Rgb c, float strength);
// 16-bit colour of an Rgb, no dither.
int col16(Rgb c);

constexpr int MASK16 = 0xF81F;   // (255, 0, 255) in 5-6-5

// The game palette (object 30); also renders colour fonts in contact sheets.
void game_palette(RGB pal[256]);
// Palette indices of text colours; the game's code recolours fonts by them.
enum FontColour {
    FC_SHADOW = 1,      // drop shadow under every glyph
    FC_TEXT = 16,       // ordinary text
    FC_KNOCKED_OUT = 17,
    FC_THOUGHT = 18,    // asides in parentheses, and healing numbers
    FC_LOW_HP = 19,
    FC_MP = 22,
    FC_POISON = 34,
    FC_DIM = 40,        // what the party cannot afford or has none of
};

// Lettering helpers: the capitals of the game's glyph grids laid side by side
// (one bit per pixel, rows 0-6), and Scale3x, which triples such a grid and
// rounds its stair-step corners.
using Grid = std::vector<std::vector<int>>;
Grid text_grid(const std::map<int, FontGlyph>& glyphs, const char* text);
Grid scale3x(const Grid& g);

} // namespace art

// The generators of data.dat, one per area.
void add_palette(DatFile& f);
void add_fonts(DatFile& f, const std::string& assets);
void add_ui_art(DatFile& f, const std::string& assets);
void add_battle_backgrounds(DatFile& f);
void add_title_art(DatFile& f, const std::string& assets);

