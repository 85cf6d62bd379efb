// The tile catalogue (assets/tiles/catalogue.txt): one line per tile giving
// its index, datafile name, solidity, the map groups it is meant for and the
// recipe it is painted from. Read by the tile generator and by the tests.
#pragma once
#include <string>
#include <vector>

struct Tile;

struct TileEntry {
    int index = -1;                       // object number in tiles.dat
    std::string name;                     // NAME property; maps refer to the tile by it
    bool solid = false;                   // stops a walker in every group listed
    std::vector<std::string> groups;      // W BR WD SG LV AG MY LVI LC AGI MYI
    std::string look;                     // painting recipe
    std::string description;
};

// Reads the catalogue; a malformed line ends the tool with file:line.
std::vector<TileEntry> load_tile_catalogue(const std::string& path);
// Writes tiles_sheet.png (every tile at 2x with its index) and a few sample scenes into dir.
void write_tile_previews(const std::vector<TileEntry>& cat, const std::vector<Tile>& tiles, const std::string& dir);
