// Scripted story scenes, gated by story flags.
#pragma once
#include "records.h"

void story_beginning();                     // the opening scene of a new game
void lumin_village_story(int id);           // the village's scenes: 0 Charlie heads for the inn, 1 the night
void lumin_agual_story(int id);             // scene id of Agual and the woods (0-5)
void lumin_castle_story(int id);            // the castle's scenes: 0 the return, when Elizabeth joins
void council_scene_one();                   // the king's council in the castle
void lumin_sand_garden_story(int id);       // scene id of the Sand Garden (0-2)

// ---- the later scenes (story_late.cpp); each returns at once when its flags say it is not due ----
void agual_story_dead_end();                // the woods' dead end with Runhon: a fight, then back to Agual
void agual_story_gathering();               // Runhon rallies Agual
void agual_story_messenger();               // the messenger on the west road; Runhon stays
void castle_story_elizabeth();              // the castle's return: Elizabeth joins
void sand_garden_story(int n);              // the Sand Garden: 0 arrival, 1 the plant, 2 the Mountain and the end
void end_note();                            // the closing pages; shuts the game down with status 0
// Captions: a thought box sized to its first line, and up to three lines faded in over the frame.
void mike_thought(const char* txt, int x1, int y1, int y2);
void fade_in_wind(const char* txt1, const char* txt2, const char* txt3, int x1, int y1);
