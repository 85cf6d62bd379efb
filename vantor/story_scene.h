// The building blocks every story scene is written with: lines of dialogue,
// pauses, music, a cast copied from the actor templates and walked about,
// changes of map inside a scene and scripted fights. story.cpp and
// story_late.cpp both stage their scenes with these and nothing else.
#pragma once
#include "records.h"

namespace scene_kit {

// One opponent of a scripted fight: a catalogue row (FOE_*) and where it stands.
struct foe_spot {
    int foe, x, y;
};

void say(const char* const* lines); // every line of a null-ended list, then the frame timer reset
void pause(int ms);                 // one frame, a rest of ms, the frame timer reset
void play(int music);               // the field music becomes `music` (-1: silence)
RLE_SPRITE* facing(const character* c, int face); // an actor's standing frame for a direction
void turn(character* c, int face);                // turns an actor on the spot
// Copies an actor's template into person entry i and stands it on (x, y).
character* cast(int i, const character* tmpl, int x, int y, int face);
void walk(character* c, int direction, int steps);                   // steps of one actor
void walk_two(character* a, character* b, int direction, int steps); // two actors side by side
void dismiss_cast(); // every person entry hidden, none wandering
// Draws the field off-screen and fades it in.
void show_field(int speed);
// Changes map inside a scene; the caller places the cast and the camera, then calls show_field.
void scene_map(const char* file, int map_num);
void free_foes(); // empties and frees the four enemy slots
// A scripted fight against n foes (boss: the boss music, no escaping). Losing one
// ends the game quietly with status 0, no game-over screen, unless `may_lose`
// (the very first fight of the opening, whose result the scene goes on from).
// Afterwards the field comes back with `field_music`. Returns TRUE when won.
int scripted_fight(const foe_spot* foes, int n, int background, int field_music, bool may_lose,
                   bool boss = false);

} // namespace scene_kit
