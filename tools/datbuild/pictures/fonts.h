// Font grids of the game's letters and icons, and the font objects built
// from them; the contact sheet and the tests read the same grids.
#pragma once
#include "datwriter.h"
#include <map>
#include <string>
#include <vector>

struct FontGlyph {
    std::vector<std::vector<int>> pixels; // rows of palette indices, 0 = clear
    bool icon = false;                    // painted in its own colours; never slanted
    int width() const;                    // pixels per row
};

// Reads a .font file; every printable ASCII character must be drawn.
std::map<int, FontGlyph> load_font_grids(const std::string& path);
// A colour font of characters 0x20..0xB0; slant 1 gives the italic style.
DatObject build_font(const std::string& name, const std::map<int, FontGlyph>& grids, int slant);
