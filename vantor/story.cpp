// Story scenes.
#include "story.h"

void story_beginning() {}
