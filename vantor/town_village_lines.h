// Everything said in Lumin Village, kept in one file (town_village_lines.cpp)
// so that it can be revised apart from the village's logic.
#pragma once

// The village's story phases, from story flags 1, 2 and 14.
enum {
    VP_HOMECOMING,  // back from the bridge, the king still to be seen
    VP_ERRAND,      // the king's errand given; the night at the inn to come
    VP_ON_THE_ROAD, // the party is off to the south-east
    VP_ALARM,       // the messenger's news has come
    VP_ANY = -1,    // in a table row: every phase
};

// One conversation: the lines `who` says on map `map_num` in `phase`, in order (null ends).
struct village_talk_row {
    int map_num;
    int who;   // person index, or a counter's row
    int phase; // VP_* or VP_ANY
    const char* lines[7];
};

extern const village_talk_row village_talks[]; // every conversation of the village
extern const int village_talk_count;

// The soldier's question about magic, once the alarm has come (answers by Mike's level).
extern const char* const village_magic_question;
extern const char* const village_magic_not_yet;
extern const char* const village_magic_yes[]; // Mike's yes and the soldier's advice (null ends)

// Clerks and the innkeeper.
extern const char* const village_recovery_greeting;
extern const char* const village_arms_greeting;
extern const char* const village_attire_greeting;
extern const char* const village_battle_greeting;
extern const char* const village_inn_question;
extern const char* const village_inn_assignment;
extern const char* const village_inn_on_the_house;
