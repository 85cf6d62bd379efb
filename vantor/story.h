// Scripted story scenes: straight-line scripts that take over the field
// screen, walk the cast about, talk, sometimes stage a fight, and end by
// setting story flags. The places start them at their triggers; each scene's
// condition includes the flag it sets, so it plays once. What the cast says
// lives in story_lines.cpp, apart from the choreography here.
#pragma once
#include "records.h"

// The story flags by what they mean (indexes into story_flag).
enum {
    SF_BRIDGE_FIGHT = 0,     // the bridge fight with Charlie's potions is about to start
    SF_COUNCIL_HEARD = 1,    // the king gave the mission; cleared by the night in the village
    SF_NIGHT_PASSED = 2,     // the night in the village is over: the road south is open
    SF_NIGHT_FIGHT = 3,      // the fight of the night is about to start (Elizabeth's plea)
    SF_ELIZ_HEALS = 4,       // Elizabeth heals by herself during the fight of the night
    SF_RUNHON_JOINED = 5,    // Runhon is in the party
    SF_RUNHON_HINT = 6,      // the world map showed Runhon's hint
    SF_INFERIA_WARNED = 7,   // Runhon warned about the Inferia
    SF_WOODS_DEAD_END = 8,   // the dead end of the woods is behind them
    SF_WOODS_FIGHT = 9,      // the fight at the dead end is about to start
    SF_BACK_FROM_WOODS = 10, // the world map leads straight into Agual
    SF_AGUAL_GATHERED = 11,  // Runhon's gathering in Agual
    SF_AGUAL_ALLIED = 12,    // Agual stands with Lumin
    SF_MESSENGER_DUE = 13,   // a conversation made the messenger due
    SF_MESSENGER_CAME = 14,  // the messenger's news
    SF_ELIZ_JOINED = 15,     // Elizabeth is in the party
    SF_METALOR_FIGHT = 16,   // the Metalor fight is about to start
    SF_MYSTALIA_DONE = 17,   // the stranger of Mystalia is gone
    SF_TALKED_18 = 18,       // a conversation's mark
    SF_SAND_ARRIVED = 19,    // the party came down into the Sand Garden
    SF_SAND_PLANT = 20,      // the plant woke and its knights were fought
    SF_SAND_END = 21,        // never set: the Sand Garden's end plays while it is FALSE
};

void story_beginning();               // the opening scene of a new game
void skip_opening();                  // a new game without the opening: where it leaves Mike
void lumin_village_story(int id);     // the village's scenes: 0 Charlie heads for the inn, 1 the night
void lumin_agual_story(int id);       // scene id of Agual and the woods (0-5)
void lumin_castle_story(int id);      // the castle's scenes: 0 the return, when Elizabeth joins
void council_scene_one();             // the king's council in the castle
void lumin_sand_garden_story(int id); // scene id of the Sand Garden (0-2)

// ---- the later scenes (story_late.cpp); each returns at once when its flags say it is not due ----
void agual_story_dead_end();   // the woods' dead end with Runhon: a fight, then back to Agual
void agual_story_gathering();  // Runhon rallies Agual
void agual_story_messenger();  // the messenger on the west road; Runhon stays
void castle_story_elizabeth(); // the castle's return: Elizabeth joins
void sand_garden_story(int n); // the Sand Garden: 0 arrival, 1 the plant, 2 the Mountain and the end
void end_note();               // the closing pages; shuts the game down with status 0

// Where the later scenes stand and walk their cast, for the tests to hold against the maps.
// One actor's walk on one map: it stands on the first cell and walks from cell to
// cell, each leg straight along one axis (pixels).
struct scene_walk {
    int map_num;
    int n;
    int cells[4][2];
};
extern const scene_walk late_walks[];
extern const int num_late_walks;
// Runhon's gathering: person entry i + 1 of Agual stands on gathering_crowd[i], facing him.
extern const int gathering_crowd[27][2];
// The map file a later scene shows as map map_num, or null.
const char* late_scene_map_file(int map_num);
// Captions: a thought box sized to its first line, and up to three lines faded in over the frame.
void mike_thought(const char* txt, int x1, int y1, int y2);
void fade_in_wind(const char* txt1, const char* txt2, const char* txt3, int x1, int y1);
