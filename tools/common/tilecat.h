// The tile catalogue (assets/tiles/catalogue.txt) as data: each tile's index,
// name, solidity and the map groups it is meant for. The tile generator paints
// from it; the solidity check holds it against the game's own collision rules.
#pragma once
#include <map>
#include <string>
#include <vector>

struct TileEntry {
    int index = -1;                  // object number in tiles.dat
    std::string name;                // NAME property; maps refer to the tile by it
    bool solid = false;              // stops a walker in every group listed
    std::vector<std::string> groups; // W BR WD SG LV AG MY LVI LC AGI MYI
    std::string look;                // painting recipe
    std::string description;
};

// Reads the catalogue; a malformed line ends the tool with file:line.
std::vector<TileEntry> load_tile_catalogue(const std::string& path);
// Every map number of each map group the catalogue names (W, BR, WD, SG, LV, AG, MY, LVI, LC, AGI, MYI).
const std::map<std::string, std::vector<int>>& tile_group_maps();
