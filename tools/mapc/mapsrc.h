// The readable map source (assets/maps/*.txt, described in assets/maps/README.md)
// and its parser. The parser only checks and resolves the text: tile names are
// looked up in the tile set the caller passes, so a typo fails at its own line.
#pragma once
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

// A parsed map, with every cell already turned into a tile number of the tile set.
struct MapSource {
    std::string path;         // the source file, for messages
    std::string out_name;     // file the game opens, e.g. "wmap.map"
    int xsize = 0, ysize = 0; // columns, rows
    int layers = 0;
    int xgrid = 16, ygrid = 16;
    int cell = 1;           // characters per cell in the grids
    std::vector<int> cells; // layers x ysize x xsize, layer-major; -1 empty
};

// A source error; what() is "file:line: message".
struct MapError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Reads and checks one source. `tiles` maps tile names to their numbers.
// Throws MapError at the first fault.
MapSource parse_map_source(const std::string& path, const std::map<std::string, int>& tiles);
