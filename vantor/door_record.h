// Recording the player's input as an input script, for bug reports: with
// VANTOR_RECORD set the door writes every key, joystick change and the random
// seed there, timed by its own clock, so the session replays headless
// (VANTOR_SCRIPT=that file, VANTOR_SEED=the seed) to the same state. Only the
// door and its tests use it.
#pragma once
#include <cstdio>

// Starts writing to path (a header comment first); false when the file cannot be made.
bool record_start(const char* path);
// Stops and closes the recording.
void record_stop();
// TRUE while a recording is being written.
int record_active();
// Notes the seed the game was given as a "# seed N" line.
void record_seed(unsigned seed);
// Writes one script command at ms on the door's clock, after a "wait" for the gap since the last one.
void record_command(long ms, const char* command);
// A live game's input at ms: the key and joystick changes since the last look, as commands.
void record_sample(long ms);
// The script name of a scancode ("Enter", "Left", "A", "F10" ...), or null for keys scripts cannot name.
const char* record_key_name(int scancode);
