// The pictures of data.dat and lgmovie.dat: the game palette and its font
// colours, lettering from the glyph grids, and the generators of each area,
// drawn with the builder's kit (kit/kit.h).
#pragma once
#include "datafiles/datafiles.h"
#include "pictures/fonts.h"
#include "kit/kit.h"

#include <allegro.h>
#include <cstdint>
#include <memory>
#include <map>
#include <string>
#include <vector>

namespace art {

// The picture generators draw with the builder's one kit.
using namespace kit;

// The game palette (GAME_PALETTE); also renders colour fonts in contact sheets.
void game_palette(RGB pal[256]);
// Palette indices of text colours; the game's code recolours fonts by them.
enum FontColour {
    FC_SHADOW = 1, // drop shadow under every glyph
    FC_TEXT = 16,  // ordinary text
    FC_KNOCKED_OUT = 17,
    FC_THOUGHT = 18, // asides in parentheses, and healing numbers
    FC_LOW_HP = 19,
    FC_MP = 22,
    FC_POISON = 34,
    FC_DIM = 40, // what the party cannot afford or has none of
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
