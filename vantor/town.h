// Towns and their services: the place loops of Lumin Village and Lumin Castle,
// the tile animation step, talking, inns, healing, the library and save spots.
#pragma once
#include "records.h"

extern torchlike torchlikes[21];            // animated tiles of the current map
extern int num_torchlikes;                  // live entries (-1 or 0: none)
extern int torchlike_speed;                 // period of set_torchlike in ms
extern int tile_change_counter;             // counts do_tile_changing calls
extern int save_on, save_x, save_y, save_pos, save_speed, mike_in_save;  // the save spot
extern int look_when_talked_to;             // townsperson turns to face Mike
extern store_properties current_store;      // the shop a clerk opens

void do_lumin_village();                    // the village loop
void do_lumin_castle();                     // the castle loop
void do_tile_changing();                    // one animation step of the map's tiles
void do_town_talk();                        // talk to whoever Mike faces
void do_save_spot();                        // the save spot Mike stepped on
void do_overnight(int cost);                // stay at an inn
void cure_all();                            // heal the whole party
