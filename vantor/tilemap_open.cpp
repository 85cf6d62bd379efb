// How a field screen opens its map. Kept apart from the file-format code so
// that tools and fuzzers can link the map code without the game's globals.
#include <cstdio>

#include "records.h"
#include "tilemap.h"
#include "vantor.h"

int tilemap_opened = 0;

void open_tilemap(const char* filename)
{
    destroy_tilemap(map);
    map = load_tilemap(filename);
    if (!map) {
        // A file that is there but does not load must not send the player looking for it.
        char mess[300];
        if (filename && exists(filename))
            std::snprintf(mess, sizeof mess, "%s is damaged and cannot be read!!!", filename);
        else
            std::snprintf(mess, sizeof mess, "cannot find %s!!!", filename ? filename : "");
        fatalerror(mess);
    }
    // A map without names was made against this very tile set: nothing to renumber.
    if (map->names) correct_tilemap(map, tiles);
    create_namelist(map, tiles);
    tilemap_opened++;
}
