// The words of the later story scenes, kept apart from their choreography so
// they can be revised alone. Each list ends with a null.
#pragma once

extern const char* const dead_end_lines[];          // the woods' dead end, before the fight
extern const char* const dead_end_after_lines[];    // ...and after it
extern const char* const gathering_lines[];         // Runhon speaks to Agual
extern const char* const gathering_cheer[];         // the square answers, one box each
extern const char* const messenger_lines[];         // the messenger on the west road
extern const char* const elizabeth_lines[];         // Elizabeth at the castle
extern const char* const elizabeth_join;            // her join line
extern const char* const sand_arrival_lines[];      // the Sand Garden's mouth
extern const char* const sand_plant_lines[];        // the plant with teeth
extern const char* const sand_plant_after_lines[];
extern const char* const sand_court_lines[];        // the silver flower
extern const char* const sand_quake_lines[];        // the rocks stand up
extern const char* const sand_victory_lines[];      // after the Mountain falls
extern const char* const sand_closing_lines[];      // the last words before the end note
extern const char* const end_note_pages[];          // the three pages of the end note

#include <string>
#include <vector>

// The end note's page p (0-2) as it is drawn: word-wrapped to the window.
std::vector<std::string> end_note_page_lines(int page);
