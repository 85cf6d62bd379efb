// The places outside the towns: Lumin Bridge, the Aphondus Woods and the Sand
// Garden. The two wild areas are chains of maps joined at their edges; Mike
// walks off one map and appears on the opposite edge of the next, random
// battles happen on every step, and a save spot waits deep inside each.
// The tables below are the level data the loops run on; they must agree with
// the maps (tests/test_area_maps.cpp holds them to the compiled maps).
#pragma once
#include "records.h"

// One way off an area map: walking off `edge` of map `from` shows map `to`
// (-1: the world map) with Mike at (x, y) and the camera at (cam_x, cam_y).
struct area_link {
    int from;
    int edge; // DIR_UP, DIR_DOWN, DIR_LEFT or DIR_RIGHT
    int to;
    int x, y;         // Mike on the next map, pixels
    int cam_x, cam_y; // mx, my there
};

// A chest of `chests` standing at tile (col, row) of layer 1, opened from the cell below it.
struct area_chest {
    int map, id, col, row;
};

// A one-time find of `pots` drawn on layer 1 at tile (col, row): taken by facing it and
// pressing the talk key, or by pressing it while standing on it.
struct area_find {
    int map, pot, col, row, item;
};

// Something to look at: Mike at (x, y) facing `face` and pressing the talk key reads
// `lines`, or `later` once story flag `flag` is set (flag -1: always `lines`).
struct area_object {
    int map, x, y, face;
    const char* const* lines; // null-terminated
    int flag;
    const char* const* later;
};

// A save spot at pixel (x, y).
struct area_save {
    int map, x, y;
};

// Cells where a scene may start: Mike inside the pixel rectangle (inclusive).
struct area_trigger {
    int map, x1, y1, x2, y2;
};

extern const area_link woods_links[]; // every way between the woods maps and out of them
extern const int num_woods_links;
extern const area_link sand_links[]; // the same for the Sand Garden
extern const int num_sand_links;
extern const area_chest woods_chests[]; // the chests of maps 2, 5, 8 and 13
extern const int num_woods_chests;
extern const area_find sand_finds[]; // the herbs of the Sand Garden (finds 13 to 20)
extern const int num_sand_finds;
extern const area_object sand_objects[]; // things to look at in the Sand Garden
extern const int num_sand_objects;
extern const area_save area_saves[]; // the save spots of maps 15 and 29
extern const int num_area_saves;
extern const area_trigger woods_scene_cells; // map 16: the dead end
extern const area_trigger sand_plant_cells;  // map 30: before the plant
extern const area_trigger sand_court_cells;  // map 25: the ruined court

// Where the areas begin and where a game saved inside them resumes.
enum {
    BRIDGE_MAP = 1,
    BRIDGE_START_X = 160,
    BRIDGE_START_Y = 1424,
    BRIDGE_CAM_X = 0,
    BRIDGE_CAM_Y = -1200,
    WOODS_FIRST_MAP = 2,
    WOODS_LAST_MAP = 16,
    WOODS_START_MAP = 2,
    WOODS_START_X = 624,
    WOODS_START_Y = 224,
    WOODS_START_CAM_X = -320,
    WOODS_START_CAM_Y = -104,
    WOODS_RESUME_MAP = 15,
    WOODS_RESUME_X = 320,
    WOODS_RESUME_Y = 112,
    WOODS_RESUME_CAM_X = -160,
    WOODS_RESUME_CAM_Y = 0,
    SAND_FIRST_MAP = 19,
    SAND_LAST_MAP = 30,
    SAND_START_MAP = 19,
    SAND_START_X = 224,
    SAND_START_Y = 0,
    SAND_START_CAM_X = -64,
    SAND_START_CAM_Y = 0,
    SAND_RESUME_MAP = 29,
    SAND_RESUME_X = 128,
    SAND_RESUME_Y = 192,
    SAND_RESUME_CAM_X = 0,
    SAND_RESUME_CAM_Y = -72,
};

// The bridge's lanterns, tile cells of layer 1.
extern const int bridge_torches[][2];
extern const int num_bridge_torches;

// The way off map `map` when Mike stands at (x, y) beyond one of its edges
// (w x h pixels), or null while he is on the map or that edge leads nowhere.
const area_link* area_link_at(const area_link* links, int n, int map, int x, int y, int w, int h);
// File name of an area map ("map02.map"); the buffer holds at least 16 characters.
const char* area_map_file(int map, char* buf);

void do_lumin_bridge();   // the bridge loop
void do_aphondus_woods(); // the woods loop
void do_sand_garden();    // the sand garden loop
