// Story scenes.
#include "story.h"

void story_beginning() {}

// The village's scenes come with the story; until then nothing happens.
void lumin_village_story(int) {}
