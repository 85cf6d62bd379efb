// The tile catalogue (assets/tiles/catalogue.txt): one line per tile giving
// its index, datafile name, solidity, the map groups it is meant for and the
// recipe it is painted from. Read by the tile generator and by the tests.
#pragma once
#include <string>
#include <vector>

#include "tilecat.h"

namespace tilepaint {

struct Tile;

// Writes tiles_sheet.png (every tile at 2x with its index) and a few sample scenes into dir.
void write_tile_previews(const std::vector<TileEntry>& cat, const std::vector<Tile>& tiles,
                         const std::string& dir);

} // namespace tilepaint
