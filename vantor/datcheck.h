// The datafiles the game reads objects from by number, checked against the
// object tables generated with the game (dat_names.h): a stale, short or
// foreign file ends the game with a message naming it, instead of handing out
// a picture where a sound should be or reading past the file's last object.
#pragma once
#include <allegro.h>

#include <cstddef>

#include "dat_names.h"

// What the game expects of one datafile: its object count and the type of every named object.
struct datafile_layout {
    const char* file;             // the name the game opens it by, e.g. "data.dat"
    const dat_object_type* named; // the named objects with their types
    size_t named_count;
    int count; // the exact number of objects
};

extern const datafile_layout data_dat_layout;    // data.dat: palette, fonts, pictures, samples, MIDI
extern const datafile_layout chrctrs_dat_layout; // chrctrs.dat: actors, fighters, enemies, effects
extern const datafile_layout tiles_dat_layout;   // tiles.dat: the map tiles
extern const datafile_layout lgmovie_dat_layout; // lgmovie.dat: the logo frames

// Whether the file opens (behind the password when one is given) and holds every object it
// announces, read to its last byte; the library's own loader crashes on a cut-off file.
bool datafile_complete(const char* file, const char* password = nullptr);
// Null when the loaded datafile fits the layout, else why not (for the message and for tests).
const char* datafile_mismatch(DATAFILE* d, const datafile_layout& layout);
// Loads the layout's file (behind the password when one is given) and checks it. A missing file
// ends the game with "error loading FILE"; one that is there but does not load or does not fit
// adds "FILE is damaged or out of date"; both through fatalerror.
DATAFILE* load_checked_datafile(const datafile_layout& layout, const char* password = nullptr);
