// The words of the later story scenes, kept apart from their choreography so
// they can be revised alone. Each list ends with a null.
#pragma once

#include <string>
#include <vector>

extern const char* const dead_end_lines[];        // the woods' dead end, before the beast
extern const char* const dead_end_beast_lines[];  // the mangler comes out of the rock
extern const char* const dead_end_after_lines[];  // ...and after the fight
extern const char* const hollow_lines[];          // the Drakian hollow behind the rock
extern const char* const hollow_orders_lines[];   // Runhon reads the orders left on the table
extern const char* const hollow_leave_lines[];    // off to Agual at once
extern const char* const agual_inn_night_lines[]; // that night at the Agual Inn
extern const char* const gathering_lines[];       // Runhon speaks to Agual
// A call from the square after each of Runhon's lines (null: none); as many as gathering_lines.
extern const char* const gathering_calls[];
extern const int gathering_call_count;
extern const char* const gathering_pair_lines[];  // Mike and Charlie beside Runhon
extern const char* const gathering_cheer[];       // the square answers, one box each
extern const char* const gathering_after_lines[]; // the rain stops
extern const char* const messenger_lines[];       // the messenger at the west gate, Runhon's farewell
extern const char* const messenger_last_lines[];  // the last of the news
extern const char* const elizabeth_meets_lines[]; // Elizabeth runs down the hall
extern const char* const elizabeth_lines[];       // Crystan, and her choice
extern const char* const elizabeth_join;          // her join line
extern const char* const elizabeth_after_lines[]; // Merlon sends them south
extern const char* const sand_arrival_lines[];    // the Sand Garden's mouth
extern const char* const sand_plant_lines[];      // the plant wakes
extern const char* const sand_plant_after_lines[];
extern const char* const sand_court_lines[];   // the ruined court is a roof
extern const char* const sand_quake_lines[];   // the rocks stand up
extern const char* const sand_victory_lines[]; // after the Mountain falls
extern const char* const sand_seal_lines[];    // the shadow burns its seal
extern const char* const gate_arrival_lines[]; // the sunken gate of Crystan
extern const char* const gate_seal_lines[];    // ...sealed by someone else
extern const char* const sand_closing_lines[]; // the last evening, at the Mystalia Inn
extern const char* const end_note_pages[];     // the three pages of the end note

// The end note's page p (0-2) as it is drawn: word-wrapped to the window.
std::vector<std::string> end_note_page_lines(int page);
