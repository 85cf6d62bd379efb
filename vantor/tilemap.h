// Tile maps: layered grids of tile numbers of "tiles.dat", their file format,
// renumbering by tile name on load, cell access and drawing one layer.
// A field screen opens its map with open_tilemap and draws it layer by layer.
#pragma once
#include <allegro.h>

// One entry of a map's name list.
struct NAMELIST {
    int index;     // a tile number
    char name[80]; // its name, at most 79 characters
};

// One translation pair used while loading.
struct INDEXLIST {
    int from; // tile number stored in the map
    int to;   // number of the tile of that name now, or -1
};

// One map; owns its cells and its name list.
struct TILEMAP {
    int version;
    int xsize, ysize; // size in cells
    int xgrid, ygrid; // cell size in pixels
    int layers;
    int names;      // entries in the name list
    int* data;      // layers x ysize x xsize cells, layer-major then row-major; -1 is empty
    NAMELIST* name; // names entries, or null
    int registered; // TRUE when data and name live inside a datafile object
};

// A new map read from a file; null when missing, truncated or malformed.
TILEMAP* load_tilemap(const char* filename);
// Writes the map, replacing any old file; 0 on success.
int save_tilemap(TILEMAP* tmap, const char* filename);
// The map held as bytes of a datafile object, turned into a TILEMAP; null when malformed.
TILEMAP* register_tilemap(DATAFILE* dat, int object);
// A map with every cell -1, version 1 and no names; null for sizes out of range.
TILEMAP* create_tilemap(int layers, int xsize, int ysize, int xgrid, int ygrid);
// A new map of the new size holding the old cells; the old map is destroyed.
// A non-zero xcut/ycut keeps the right/bottom part. Null (old map kept) for an invalid size.
TILEMAP* resize_tilemap(TILEMAP* tmap, int layers, int xsize, int ysize, int xgrid, int ygrid, int xcut,
                        int ycut);
// Frees the cells, the name list and the map; null is ignored.
void destroy_tilemap(TILEMAP* tmap);
// Renumbers the cells by tile name against the datafile.
void correct_tilemap(TILEMAP* tmap, DATAFILE* dat);
// Rebuilds the map's name list from the datafile's run-length sprites.
void create_namelist(TILEMAP* tmap, DATAFILE* dat);
// The cell value, or -1 outside the map.
int get_sprite_number(TILEMAP* tmap, int layer, int x, int y);
// Stores a cell value; outside the map it does nothing.
void set_sprite_number(TILEMAP* tmap, int layer, int x, int y, int value);
// The element number of a cell (no range check).
int get_sprite_pos(TILEMAP* tmap, int layer, int x, int y);
// Draws one layer with the map's top-left corner at (dest_x, dest_y); visits
// only visible cells; numbers that are not run-length sprites of `dat` draw nothing.
void draw_tilemap_layer(BITMAP* dest, DATAFILE* dat, TILEMAP* tmap, int layer, int dest_x, int dest_y);

// Datafile queries.
// The object's "NAME" property, or null (bad number or no name).
const char* get_object_name(DATAFILE* dat, int object);
// TRUE when any object has the type.
int object_of_type_exists(DATAFILE* dat, int type);
// How many objects have the type.
int number_of_type(DATAFILE* dat, int type);
// Position of the n-th object (from 1) of the type, or -1.
int get_object_number(DATAFILE* dat, int n, int type);
// Largest width of the run-length sprites, 0 when there are none.
int get_max_sprite_width(DATAFILE* dat);
// Largest height of the run-length sprites, 0 when there are none.
int get_max_sprite_height(DATAFILE* dat);
// How many objects the datafile holds (0 for null).
int count_objects(DATAFILE* dat);

// Opens a field screen's map the standard way: destroys the current `map`,
// loads the file (fatal "cannot find NAME!!!" when it cannot), renumbers it
// against "tiles.dat" and rebuilds its name list.
void open_tilemap(const char* filename);
// How many maps open_tilemap has opened: a field screen sees by it that its map changed.
extern int tilemap_opened;
