// Everything the story scenes say, one group per scene. Lists end with a null.
#pragma once

// ---- the opening: the dream and the bridge ----
extern const char* const dream_voice[];    // the unseen voice, faded in as captions
extern const char* const dream_thoughts[]; // Mike's answers, one after each caption (same count)
extern const char* const bridge_wake[];    // Jack wakes Mike
extern const char* const bridge_soldiers_come[];
extern const char* const bridge_first_won[];
extern const char* const bridge_first_lost[];
extern const char* const bridge_more_come[]; // before the second and third fights
extern const char* const bridge_third_over[];
extern const char* const bridge_jack_water[]; // Jack's canteen: Mike back on his feet
extern const char* const bridge_charlie_arrives[];
extern const char* const bridge_fifth[];   // before the fifth fight
extern const char* const bridge_last[];    // before the sixth fight
extern const char* const bridge_closing[]; // ends with Charlie's "let's go"

// ---- the council ----
extern const char* const council_greeting[];
extern const char* const council_waiting[]; // Mike and Charlie while Merlon is away
extern const char* const council_back[];
extern const char* const council_before_king[];
extern const char* const council_mission[]; // the king's mission; "" marks a pause
extern const char* const council_gifts[];
extern const char* const council_gold;
extern const char* const council_farewell[]; // Mike and Charlie turn to go
extern const char* const council_after[];    // Merlon and the king alone

// ---- the village ----
extern const char* const village_to_inn;
extern const char* const night_evening[]; // at the long house, before bed
extern const char* const night_noise[];   // woken in the dark
extern const char* const night_eliz[];    // Elizabeth runs in
extern const char* const night_after_fight[];
extern const char* const
    morning_lines[]; // the first while Mike is still in bed; ends with "SouthEast to Aqual!"

// ---- Agual ----
extern const char* const agual_too_early;
extern const char* const runhon_meeting[]; // ends with the join line
