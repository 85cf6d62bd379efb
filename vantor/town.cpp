// Towns and their services. The village and the castle are not built yet:
// entering them puts the world map back at once, so the world stays playable.
#include "town.h"

#include "vantor.h"
#include "world.h"

torchlike torchlikes[21];
int num_torchlikes = -1;
int torchlike_speed = 500;
int tile_change_counter = 0;
int save_on = FALSE, save_x = 0, save_y = 0, save_pos = 0, save_speed = 1, mike_in_save = FALSE;
int look_when_talked_to = FALSE;
store_properties current_store;

void do_lumin_village() { restore_world_map(); }
void do_lumin_castle() { restore_world_map(); }
void do_tile_changing() { torchlike_flag = FALSE; }
void do_town_talk() {}
void do_save_spot() {}
void do_overnight(int) {}
void cure_all() {}
