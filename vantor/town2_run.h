// The steps of running Agual or Mystalia, shared by their two loops.
#pragma once
#include "town2.h"

// Mike stands at (x, y) facing `face`, in his standing frame.
void town_set_mike(int x, int y, int face);
// Opens a map of the towns, sets g_map_num and redraws the chests already opened there.
void town_open_map(const char* file, int map_num);
// Centres the camera on Mike, inside the map.
void town_centre_camera();
// The arrival: people, fades, Mike and the camera, the outdoor map, music, timers, place window.
void town_arrive(const town_plan* plan, int x, int y, int face, int cam_x, int cam_y);
// Doors of the outdoor map, links between rooms and the way out of a room; TRUE when the map changed.
int town_doors(const town_plan* plan);
// Counters, chests and finds of the current map, pressed with the talk key.
void town_objects(const town_plan* plan);
// A room entered with Mike at (x, y) facing `face`.
void town_enter_room(const town_plan* plan, const town_room* room, int x, int y, int face);
// Back on the street below the door of `room`.
void town_back_outdoors(const town_plan* plan, const town_room* room);
// A yes-or-no question in the dialogue window: 1 yes, 2 no.
int town_ask(const char* question);
// The inn at `price` gold, and a shop (the town's shop number 0-3) with its greeting.
void town_inn(const town_plan* plan, int price);
void town_shop(const town_plan* plan, int shop);
// Fills current_store with shop `shop` of the town.
void set_up_town_shop(const town_plan* plan, int shop);
// Leaving: the rain stops, and the world map comes back.
void town_leave();
