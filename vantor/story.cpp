// Story scenes.
#include "story.h"

void story_beginning() {}
void lumin_agual_story(int) {}
void lumin_sand_garden_story(int) {}
