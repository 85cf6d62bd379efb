// The save file's contents, apart from the screens that pick a slot: the
// saved part of the game state as a plain record, the one table of its keys
// (shared by the save file and the state dump of scripted runs), the text
// lines and their reading, and the careful writing and reading of a slot file.
#pragma once
#include <string>
#include <vector>

#include "records.h"

enum { SAVE_HEROES = 4 };         // Mike, Charlie, Runhon, Elizabeth, in file order
enum { SAVE_GEAR = 16 };          // the weapons and armor whose spare copies are saved
enum { SAVE_LINES = 1377 };       // lines of a complete save file
enum { SAVE_TEXT_MAX = 1 << 20 }; // a longer text is not a save file

// One hero's saved values.
struct saved_hero {
    int level, hp, hpmax, mp, mpmax, dfp, agp, atp, exp, nextexp, nextexp_c, alive, in_fight;
    int weapon_id, armor_id; // ids of the equipped weapon and armor (-1 = no armor)
    int status[20];
    int actions[100]; // `have` of each action slot
};

// Everything a save file holds.
struct saved_game {
    int animate_water, walking_layer, map_num, window_layer_flag, gp;
    int mx, my, old_mike_x, old_mike_y, old_mx, old_my;
    int items[101];
    int story_flags[101];
    int pots[101];
    int chests[501];
    int mike_x, mike_y, mike_visible;
    saved_hero heroes[SAVE_HEROES];
    int gear[SAVE_GEAR]; // `have` of each weapon and armor, in file order
    int swind_speed, show_timebar;
};

// How a key's line is written.
enum { SK_PLAIN, SK_GLUED, SK_VERSION }; // "key value"; "keyvalue " (the last gear line); the version

// One key of the save file: a single value, or `count` indexed values ("key%d value").
struct save_key {
    std::string name;
    int count;     // 0 for a single value
    size_t offset; // where its first int lies in saved_game
    int style;     // SK_PLAIN, SK_GLUED or SK_VERSION
};

// The keys in the order of the file's lines.
const std::vector<save_key>& save_keys();
// The int of key k (index i) inside g.
int* save_slot(saved_game& g, const save_key& k, int i);
const int* save_slot(const saved_game& g, const save_key& k, int i);

// The saved part of the running game (missing records leave zeros).
void capture_saved_game(saved_game* g);
// Puts g into the running game and rebuilds the equipment links from the saved ids.
void apply_saved_game(const saved_game& g);
// Holds values that would break the game to sane bounds; FALSE when g cannot be
// played at all (a map the game does not know).
int sanitise_saved_game(saved_game* g);
// A map number the game has.
int known_map_number(int n);

// The file's text. For the dump the last gear line is written like the others.
std::string save_text(const saved_game& g, int for_dump = FALSE);
// Reads save text over g: each line is offered to every key and stored when it
// begins with that key's pattern. TRUE when the text is complete (it ends with
// a line end and holds the version line, which a save file writes last).
int parse_save_text(const char* text, size_t len, saved_game* g);

// Writes g into `file` through a side file that replaces it only once complete and
// checked; TRUE when saved. On failure the old file is as it was.
int write_save_file(const char* file, const saved_game& g);
// Reads `file` over g; TRUE only when it opened, decompressed and read completely.
int read_save_file(const char* file, saved_game* g);
