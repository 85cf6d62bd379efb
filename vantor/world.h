// The field: walking and collision on a map (Mike under the player's hand,
// other actors under scene scripts), camera effects, and the world map with
// its regions, place entrances and random encounters.
#pragma once
#include "dat_names.h"
#include "records.h"

// ---- movement ----
extern int moving_restricted; // while TRUE every tile is solid
extern int bound_check;       // Mike's steps are tested against the map edges
extern int do_battle_test;    // set after each completed step of Mike

void move_mike(int direction, int speed); // one player step (a refused step only turns him)
void move_character(character* chardata, int direction, int speed);             // one scripted step
void move_character_2(character* c1, character* c2, int d1, int d2, int speed); // two actors at once
void jump_character(character* who);                                            // a hop in place
int object_collision(int map_num, int t_type, int tile_layer); // TRUE when the tile is solid there
// The tile number given to a cell that a person or the map edge closes: solid on every map.
enum { BLOCKED_CELL = 1000 };
void map_scroll_to(int scroll_to_x, int scroll_to_y, int speed); // pans the camera
void quake_map(int length);                                      // shakes the camera for length frames
void test_walk_poison();                                         // poison after a step; never kills

// ---- world map ----
extern int old_map_num;                                // g_map_num when world_map was entered
extern int enc_rate;                                   // encounter threshold (rand % 100 <= enc_rate)
extern const int world_enc_rate;                       // the world map's threshold
extern int in_field;                                   // inside an area where battles happen
extern rct regions[6];                                 // world-map regions in tiles; x -1 = unused
extern int current_region;                             // the region Mike last entered
extern int exitflag;                                   // ends the world-map loop
extern int old_mx, old_my, old_mike_x, old_mike_y;     // world camera and Mike, kept by places
extern int old_mx2, old_my2, old_mike_x2, old_mike_y2; // outdoor camera and door, kept by rooms

int world_map();                    // the world-map loop
void do_town(int town_id);          // enters a town
void test_battle();                 // rolls for a random battle after a step
void update_regions();              // current_region from Mike's position
const char* get_gplace(int mapnum); // place name for the save-slot summary
// Loads "wmap.map" back and restores the world-map state, as every place must on leaving:
// Mike stands one cell beside the entrance he used (old_mike_x, old_mike_y), the camera
// moved with him, the world music plays and the frame timer runs again.
void restore_world_map();

// Fixed points of the world map that the code relies on (pixels).
enum {
    WORLD_START_X = 1424,
    WORLD_START_Y = 192, // a new game: just below the bridge
    WORLD_START_MX = -1264,
    WORLD_START_MY = -72, // and the camera there
    WORLD_BRIDGE_X = 1424,
    WORLD_BRIDGE_Y = 176,               // the bridge entrance
    WORLD_WEST_LIMIT = 1392,            // Mike may not stand at this x or west of it
    WORLD_WOODS_TILE = TILE_WOODS_GATE, // the one forest tile that leads into the woods
};
// The places that can be entered from the world map, in the order they are tested.
enum { WP_NONE, WP_BRIDGE, WP_VILLAGE, WP_CASTLE, WP_AGUAL, WP_MYSTALIA, WP_SAND_GARDEN, WP_WOODS };
// The place entered by standing at world position (x, y) of the loaded map, or WP_NONE.
int world_place_at(int x, int y);
// Where Mike stands (and faces) after leaving the place he entered at world position (ex, ey).
void world_exit_position(int ex, int ey, int* x, int* y, int* face);
