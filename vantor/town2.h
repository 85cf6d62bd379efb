// The towns of the south: Agual, the fishing town in the rain, and Mystalia
// at the edge of the desert. Each is an outdoor map with rooms behind its
// doors; the tables below say where every door, counter, chest, find and
// townsperson is, and tests hold them against the compiled maps.
#pragma once
#include "records.h"

// A room behind a door of the outdoor map. Positions are map pixels.
struct south_room {
    const char* file;                       // the room's map file
    int map_num;                            // its g_map_num
    int door_x, door_y;                     // the door on the outdoor map; -1: reached only from another room
    int entry_x, entry_y;                   // where Mike stands on coming in from the street
    int limit_y;                            // the room is left once Mike's y exceeds this
};

// A door or stair inside one room that leads into another room.
struct south_link {
    int map_num;                            // the room it is in
    int x, y;                               // its cell
    int to_map;                             // the room it leads to
    int to_x, to_y, to_face;                // where Mike stands there, facing
};

// What a press of the talk key at a counter starts.
enum { SOUTH_INN, SOUTH_SHOP };

// A counter: Mike standing at (x, y) facing `face` and pressing the talk key.
struct south_counter {
    int map_num;
    int x, y, face;
    int kind;                               // SOUTH_INN or SOUTH_SHOP
    int arg;                                // the inn's price, or the town's shop number (0-3)
};

// A treasure chest: its number in `chests` and its tile (column, row, layer).
struct south_chest {
    int map_num;
    int chest;
    int col, row, layer;
};

// A one-time find: entry `pot` of `pots`, taken by pressing at (x, y) facing `face`.
struct south_find {
    int map_num;
    int pot;
    int x, y, face;
    int item;                               // row of `items` that gains one
};

// A townsperson: a copy of an actor placed as `person` entry `index` on a map.
struct south_person {
    int map_num;
    int index;
    character** actor;                      // the actor record copied
    int x, y, face;
    int still;                              // TRUE: stands on the spot
    int need_flag;                          // shown only while this story flag is TRUE (-1: always)
    int gone_flag;                          // hidden once this story flag is TRUE (-1: never)
};

// One town: its outdoor map and everything in and behind it.
struct south_plan {
    const char* name;                       // shown in the place window
    const char* file;                       // the outdoor map
    int map_num;
    int music;                              // MIDI object of data.dat
    int start_x, start_y, start_face, start_mx, start_my;  // Mike and the camera on arrival
    const south_room* rooms; int room_count;
    const south_link* links; int link_count;
    const south_counter* counters; int counter_count;
    const south_chest* chest_list; int chest_count;
    const south_find* finds; int find_count;
    const south_person* people; int people_count;
};

extern const south_plan agual_plan;          // Agual (103, rooms 10301-10310)
extern const south_plan mystalia_plan;       // Mystalia (104, rooms 10401-10409)

void do_lumin_agual();                      // the Agual loop
void do_lumin_mystalia();                   // the Mystalia loop

// ---- shared by the two towns (town2.cpp) ----
// The plan a map number belongs to (outdoors or a room), or null.
const south_plan* south_plan_of(int map_num);
// The room of a plan with that map number, or null.
const south_room* south_room_of(const south_plan* plan, int map_num);
// Puts the townspeople of a map in `person` (hiding everyone else) and sets num_people.
void place_south_people(const south_plan* plan, int map_num);
// Agual's story phase (AG_* of town2_lines.h) and Mystalia's (MY_*), from the story flags.
int agual_phase();
int mystalia_phase();
// Says what person `who` (or counter TALK_COUNTER + n) says on the current map of these towns;
// FALSE when nothing there speaks.
int town2_talk(int who);
// The fight with the stranger of Mystalia's room 4: TRUE when the party won.
int mystalia_fight();
// Sets the weather for the Agual map on show: rain (and its sound) on the streets until
// Runhon's gathering, none indoors; townspeople there turn to face Mike.
void agual_weather();
// Agual's outdoor exit: TRUE when Mike at (x, y) has walked off the west edge.
int agual_left(int x, int y);
// Mystalia's: TRUE when he has walked off the top.
int mystalia_left(int x, int y);
