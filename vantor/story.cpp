// Story scenes.
#include "story.h"

void story_beginning() {}
void lumin_agual_story(int) {}
