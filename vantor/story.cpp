// Story scenes.
#include "story.h"

void story_beginning() {}
void lumin_agual_story(int) {}
void lumin_sand_garden_story(int) {}

// The village's scenes come with the story; until then nothing happens.
void lumin_village_story(int) {}
void lumin_castle_story(int) {}
void council_scene_one() {}
