// Every word said or read in Lumin Castle: the people of its rooms, the
// healer, and the pages of the library's books. The texts live together in
// town_castle_lines.cpp so that they can be revised without touching the loop.
#pragma once

// What people say moves on with the story: before the king's council, with the
// mission given, on the road to the south, and once Elizabeth has joined.
enum { CASTLE_STAGES = 4, TALK_LINES = 5 };
typedef const char* const castle_talk_text[CASTLE_STAGES][TALK_LINES]; // unused lines are null

extern castle_talk_text gate_guard_west, gate_guard_east, gate_maid; // the gate hall
extern castle_talk_text wounded_soldier, old_patient;                // the infirmary
extern castle_talk_text soup_soldier, armor_soldier, clock_soldier;  // the barracks
extern castle_talk_text librarian, young_reader;                     // the library
extern castle_talk_text king_on_throne, merlon_at_court, royal_guard_west,
    royal_guard_east;                            // the throne room
extern castle_talk_text chancellor, old_general; // the council chamber

// Mike's thought in the audience hall while the council waits for his first spell.
extern const char* const council_not_yet;

extern castle_talk_text healer_greeting; // before the healer mends the party
extern const char* const healer_fallen;  // when someone of the party is knocked out
extern const char* const hp_restored;    // "HP Restored!"

// Book pages, each list ending with a null.
extern const char *const history_1[],
    *const history_2[], *const history_3[],
                            *const history_4[],
                                *const history_5[],
                                    *const history_6[],
                                        *const history_7[],
                                            *const history_8[],
                                                *const history_9[],
                                                    *const history_10[],
                                                        *const history_11[],
                                                            *const history_12[],
                                                                *const history_13[],
                                                                    *const history_14[],
                                                                        *const history_15[],
                                                                            *const history_16[],
                                                                                *const history_17[];
extern const char* const atlas_pages[];
extern const char* const magic_book_pages[];
extern const char *const magic_classes[], *const battle_strategy[], *const properties_of_wood[],
                                                                        *const no_weakness[],
                                                                            *const magic_classes_explained[],
                                                                                *const lost_town_of_crystan[],
                                                                                    *const special_armors[];
// The Core of Evil: its first page, "(...?)" and two pages read in the dark,
// and the line about the torn-out rest.
extern const char* const core_of_evil[];

// The atlas: its heading and the names written on the map.
extern const char* const atlas_heading;
extern const char* const atlas_names[]; // castle, village, bridge, Agual, Mystalia, woods, Sand Garden
extern const char* const atlas_you_are_here;
