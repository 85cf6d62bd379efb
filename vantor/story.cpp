// Story scenes.
#include "story.h"

void story_beginning() {}
void lumin_agual_story(int id)
{
    switch (id) {
    case 2: agual_story_dead_end(); break;
    case 3: agual_story_gathering(); break;
    case 5: agual_story_messenger(); break;
    }
}

void lumin_sand_garden_story(int id)
{
    if (id >= 0 && id <= 2) sand_garden_story(id);
}

// The village's scenes come with the story; until then nothing happens.
void lumin_village_story(int) {}
void lumin_castle_story(int id)
{
    if (id == 0) castle_story_elizabeth();
}
void council_scene_one() {}
