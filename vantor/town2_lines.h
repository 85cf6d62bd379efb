// The words of Agual and Mystalia: every conversation of their townspeople,
// clerks and innkeepers, chosen by map, person and the town's story phase.
// The texts themselves live in town2_agual_lines.cpp and
// town2_mystalia_lines.cpp, so a writer can revise them without the loops.
#pragma once

// One conversation: the windows a person says, in order. Clerks and innkeepers
// speak through their town's plan (town.h), by the counter Mike stands at.
struct town_talk {
    int map_num;           // g_map_num of the map it is spoken on
    int who;               // person index
    int phases;            // bit set of the town's story phases it belongs to
    const char* lines[12]; // the windows, up to the first null
    int sets_flag = 0; // the story flag it sets once said (0: none; the opening's flag is no one's to set)
};

// Agual's story phases (bits of town_talk::phases).
enum {
    AG_SEEKING = 1,     // Runhon has not joined yet
    AG_WITH_RUNHON = 2, // he has; the woods lie ahead
    AG_RALLIED = 4,     // after Runhon's gathering, before the harbour master's word
    AG_READY = 8,       // the harbour master has spoken; Lumin must hear of it
    AG_AFTER_NEWS = 16, // the messenger has come
    AG_ALWAYS = 31,
};
// Mystalia's story phases.
enum {
    MY_UNEASY = 1, // the stranger still sits in the scholar's house
    MY_QUIET = 2,  // he is gone
    MY_TOLD = 4,   // the traveller at the inn has told the party the way into the Sand Garden
    MY_ALWAYS = 7,
};

extern const town_talk agual_talks[]; // every conversation of Agual
extern const int agual_talk_count;
extern const town_talk mystalia_talks[]; // every conversation of Mystalia
extern const int mystalia_talk_count;

// The first conversation of the table for (map, who) in the given phase, or null.
const town_talk* find_town_talk(const town_talk* table, int count, int map_num, int who, int phase);

// Named lines the loops use besides conversations.
extern const char* const agual_inn_offer; // the innkeeper's price
extern const char* const mystalia_inn_offer;
extern const char* const agual_inn_morning; // after a night's rest
extern const char* const mystalia_inn_morning;
extern const char* const agual_inn_refused; // "No" at the inn
extern const char* const mystalia_inn_refused;
extern const char* const agual_shop_greetings[4];      // battle items, recovery items, arms, attire
extern const char* const mystalia_shop_greetings[4];   // recovery items, battle items, arms, attire
extern const char* const mystalia_stranger_lines[];    // before the fight of room 4, up to a null
extern const char* const mystalia_after_fight_lines[]; // after it, won, up to a null
extern const char* const mystalia_after_lost_lines[];  // after it, lost: the party comes to; up to a null
extern const char* const agual_rain_stops;             // said once the rain has stopped
