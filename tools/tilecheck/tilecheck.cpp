// tilecheck CATALOGUE STAMP
// Holds every tile's intended solidity, in every map group the catalogue
// says it is used in, against the game's own collision rules, so a tile set
// and the walking code can never drift apart unnoticed. Touches STAMP when
// they agree; lists every disagreement and fails when they do not.
#include "datwriter.h"
#include "tilecat.h"
#include "world.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 3) tool_fail("usage: tilecheck CATALOGUE STAMP");
    moving_restricted = FALSE;
    int wrong = 0, checked = 0;
    for (const TileEntry& e : load_tile_catalogue(argv[1])) {
        for (const std::string& g : e.groups) {
            auto maps = tile_group_maps().find(g);
            if (maps == tile_group_maps().end()) {
                fprintf(stderr, "%s: tile %s (%d): unknown map group %s\n", argv[1], e.name.c_str(), e.index,
                        g.c_str());
                wrong++;
                continue;
            }
            for (int map_num : maps->second)
                for (int layer = 0; layer <= 1; layer++) {
                    checked++;
                    bool solid = object_collision(map_num, e.index, layer) != 0;
                    if (solid == e.solid) continue;
                    if (wrong++ < 40)
                        fprintf(
                            stderr,
                            "%s: tile %s (%d) should %s on map %d (group %s, layer %d), but the game %s it\n",
                            argv[1], e.name.c_str(), e.index, e.solid ? "block" : "be walkable", map_num,
                            g.c_str(), layer, solid ? "blocks" : "lets Mike through");
                }
        }
    }
    if (wrong) tool_fail("tilecheck: %d of %d tile checks disagree with the game", wrong, checked);
    FILE* f = fopen(argv[2], "w");
    if (!f) tool_fail("tilecheck: cannot write %s", argv[2]);
    fprintf(f, "%d checks agree\n", checked);
    fclose(f);
    return 0;
}
