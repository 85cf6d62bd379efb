// Painting of the 16 x 16 map tiles. gen_tiles reads the catalogue and hands
// each tile's look (a recipe such as "edge:cobble:grass:nw") to paint_tile,
// which dispatches to the painters of ground.cpp, build.cpp, things.cpp and
// world.cpp. Everything is in its own namespace, clear of the library's rect,
// hline and vline.
#pragma once
#include "kit/kit.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tilepaint {

constexpr int TS = 16;               // tile size in pixels
constexpr uint32_t CLEAR = 0xFF00FF; // the mask colour: transparent

// One tile being painted, as 0xRRGGBB per pixel.
struct Tile {
    uint32_t p[TS][TS]; // [y][x]
    Tile() { fill(CLEAR); }
    void fill(uint32_t c)
    {
        for (auto& r : p)
            for (auto& v : r) v = c;
    }
    bool in(int x, int y) const { return x >= 0 && y >= 0 && x < TS && y < TS; }
    void set(int x, int y, uint32_t c)
    {
        if (in(x, y)) p[y][x] = c;
    }
    uint32_t get(int x, int y) const { return in(x, y) ? p[y][x] : CLEAR; }
};

// The look of a tile split at ':' ("edge", "cobble", "grass", "nw").
using Look = std::vector<std::string>;

// ---- colours: the builder's kit (packed 0xRRGGBB, never the mask colour) ----
using kit::mix;
using kit::rgb;
using kit::scale;
// A deterministic hash of (x, y, seed) in 0..1; patterns repeat every 16 pixels.
float hash01(int x, int y, int seed);
// Smooth noise in 0..1 with lattice `cell` (2, 4, 8 or 16), seamless across tiles.
float vnoise(int x, int y, int seed, int cell);

// ---- shape helpers ----
void rect(Tile& t, int x0, int y0, int x1, int y1, uint32_t c); // inclusive corners
void disc(Tile& t, float cx, float cy, float r, uint32_t c);
// A ball lit from the upper left: base colour, brighter and darker rims.
void ball(Tile& t, float cx, float cy, float r, uint32_t base);
void hline(Tile& t, int x0, int x1, int y, uint32_t c);
void vline(Tile& t, int x, int y0, int y1, uint32_t c);
// Rings every drawn pixel that touches a clear one with `c` (clear pixels become c).
void outline(Tile& t, uint32_t c);
// Draws the drawn pixels of `top` over `base`.
void over(Tile& base, const Tile& top);
// Darkens the top `rows` rows progressively, as the shadow a wall casts.
void wall_shadow(Tile& t, int rows);
// True when the direction letter (n, e, s, w) occurs in `dirs`.
bool has(const std::string& dirs, char d);

// ---- grounds: seamless textures by kind ("grass", "wgrass", "cobble", "sand" ...) ----
uint32_t ground_px(const std::string& kind, int x, int y);
void paint_ground(Tile& t, const std::string& kind);

// ---- painters: each returns false when it does not know the look ----
bool paint_ground_look(
    Tile& t, const Look& l); // ground, edge, water, coast, river, road, forest, deep, trees, stream, bank
bool paint_build_look(
    Tile& t,
    const Look& l); // void, band, face, floor, carpet, roof, housewall, door, doorway, stairs, counter
bool paint_thing_look(Tile& t, const Look& l); // obj, furn, chest, over, piece, rail, rock
bool paint_world_look(Tile& t, const Look& l); // world: the world map's landmarks
// A plank deck, stepping stones or a stone bridge: the walkable pieces over water.
void paint_piece(Tile& t, const std::string& v);
// Paints a look; ends the tool on an unknown recipe.
void paint_tile(Tile& t, const std::string& look, const std::string& name);

} // namespace tilepaint
