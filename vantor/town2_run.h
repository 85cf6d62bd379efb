// The steps of running Agual or Mystalia, shared by their two loops.
#pragma once
#include "town2.h"

// Mike stands at (x, y) facing `face`, in his standing frame.
void south_set_mike(int x, int y, int face);
// Opens a map of the towns, sets g_map_num and redraws the chests already opened there.
void south_open_map(const char* file, int map_num);
// Centres the camera on Mike, inside the map.
void south_centre_camera();
// The arrival: people, fades, Mike and the camera, the outdoor map, music, timers, place window.
void south_arrive(const south_plan* plan, int x, int y, int face, int cam_x, int cam_y);
// Doors of the outdoor map, links between rooms and the way out of a room; TRUE when the map changed.
int south_doors(const south_plan* plan);
// Counters, chests and finds of the current map, pressed with the talk key.
void south_objects(const south_plan* plan);
// A room entered with Mike at (x, y) facing `face`.
void south_enter_room(const south_plan* plan, const south_room* room, int x, int y, int face);
// Back on the street below the door of `room`.
void south_back_outdoors(const south_plan* plan, const south_room* room);
// A yes-or-no question in the dialogue window: 1 yes, 2 no.
int south_ask(const char* question);
// The inn at `price` gold, and a shop (the town's shop number 0-3) with its greeting.
void south_inn(const south_plan* plan, int price);
void south_shop(const south_plan* plan, int shop);
// Fills current_store with shop `shop` of the town.
void set_up_south_shop(const south_plan* plan, int shop);
// Leaving: the rain stops, and the world map comes back.
void south_leave();
