// The towns of the south: Agual, the fishing town in the rain, and Mystalia
// at the edge of the desert. Each is an outdoor map with rooms behind its
// doors; the tables below say where every door, counter, chest, find and
// townsperson is, and tests hold them against the compiled maps.
#pragma once
#include "records.h"
#include "town.h"

extern const town_plan agual_plan;          // Agual (103, rooms 10301-10310)
extern const town_plan mystalia_plan;       // Mystalia (104, rooms 10401-10409)

void do_lumin_agual();                      // the Agual loop
void do_lumin_mystalia();                   // the Mystalia loop

// ---- shared by the two towns (town2.cpp) ----
// The plan a map number belongs to (outdoors or a room), or null.
const town_plan* town_plan_of(int map_num);
// The room of a plan with that map number, or null.
const town_room* town_room_of(const town_plan* plan, int map_num);
// Puts the townspeople of a map in `person` (hiding everyone else) and sets num_people.
void place_town_people(const town_plan* plan, int map_num);
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
