// Scripted story scenes, gated by story flags.
#pragma once
#include "records.h"

void story_beginning();                     // the opening scene of a new game
void lumin_village_story(int id);           // the village's scenes: 0 Charlie heads for the inn, 1 the night
void lumin_agual_story(int id);             // scene id of Agual and the woods (0-5)
void lumin_castle_story(int id);            // the castle's scenes: 0 the return, when Elizabeth joins
void council_scene_one();                   // the king's council in the castle
void lumin_sand_garden_story(int id);       // scene id of the Sand Garden (0-2)
