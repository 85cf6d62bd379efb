// The one door between the game and the outside world: the clock and timer
// callbacks, every wait, keyboard and joystick, the random seed, sound output,
// message boxes and process exit. Live, it calls Allegro. In a scripted run
// (VANTOR_SCRIPT set) it drives a virtual clock and scripted input instead, so
// a whole session runs headless, deterministic and fast. Game code never calls
// rest, vsync, install_int, readkey, play_sample, play_midi or exit itself.
#pragma once
#include <allegro.h>
#include <cstdio>

extern int door_scripted; // TRUE in a scripted (headless) run

// Starts a scripted run when VANTOR_SCRIPT is set (the game calls this first).
void door_init_from_env();
// Starts a scripted run from script text inside this process (tests use it).
void door_begin_script(const char* text, unsigned seed);

// ---- start-up ----
// Installs the library (SYSTEM_NONE in a scripted run); 0 on success.
int door_install_allegro();
// Keyboard and timer drivers (nothing to install in a scripted run); 0 on success.
int door_install_keyboard();
int door_install_timer();
// Joystick of the given type; 0 on success.
int door_install_joystick(int type);
// Graphics mode; a scripted run makes `screen` a memory bitmap of that size and, as most
// X11 desktops do, refuses the DGA drivers.
int door_set_gfx_mode(int card, int w, int h);
// The desktop's size in pixels (0 x 0 when unknown); a scripted run has an 800 x 600 one.
void door_desktop_size(int* w, int* h);
// Back to the 80 x 25 text mode (nothing in a scripted run).
void door_text_mode();
// Sound drivers (none in a scripted run, where every call is recorded); 0 on success.
int door_install_sound(int digi, int midi);
void door_remove_sound();
// A message box (stderr in a scripted run, and recorded in the dump).
void door_message(const char* text);
// A text the game shows in one of its own windows (recorded as a "window" line of the dump).
void door_log_window(const char* text);
// A battle turn as a hero's menu opens: who acts and where everyone stands (a "turn" line
// of the dump), so a scripted fight can be fitted and checked turn by turn.
void door_log_turn(const char* text);
// How many window texts a scripted run has recorded, and text i of them (null past the end).
int door_window_count();
const char* door_window_text(int i);
// How many sound calls a scripted run has recorded, and call i of them ("sample 0 vol 255 ...").
int door_sound_count();
const char* door_sound_text(int i);
// The window caption, where the platform has one.
void door_set_window_title(const char* title);
// Seeds rand() from the clock, or from VANTOR_SEED in a scripted run.
void door_seed_random();
// Ends the process: writes the state dump when asked for, then exits.
[[noreturn]] void door_exit(int status);
// The function that writes the game's state into the dump file.
void door_set_dump_writer(void (*writer)(FILE* f));
// Takes the dump's game state now, for shutdown to call before it frees the records.
void door_capture_state();
// True when a display is there to open a window on.
int door_have_display();
// True when started with VANTOR_START=world: no logo, prologue, title or opening, a new
// game on the world map below the bridge (for tests and work on the field).
int door_quick_start();

// ---- clock ----
// Timer callbacks, as install_int_ex / install_int / remove_int; 0 on success.
int door_install_int_ex(void (*proc)(), long speed);
int door_install_int(void (*proc)(), long ms);
void door_remove_int(void (*proc)());
// Waits. `where` names the caller for the scripted run's guard messages.
void door_rest_at(unsigned ms, const char* where);
void door_vsync_at(const char* where);
// One short wait inside a "wait while the timer is ahead/behind" or idle loop:
// live it sleeps a millisecond; scripted it moves time to the next timer event.
void door_wait_at(const char* where);
#define door_rest(ms) door_rest_at((ms), __func__)
#define door_vsync() door_vsync_at(__func__)
#define door_wait() door_wait_at(__func__)
// Virtual (scripted) or real milliseconds since start-up; for tests and logs only.
long door_time_ms();

// ---- input ----
// Samples the keyboard into key[] (the field loops call it once per frame).
void door_poll_keyboard();
int door_keypressed_at(const char* where);
int door_readkey_at(const char* where);
void door_clear_keybuf();
#define door_keypressed() door_keypressed_at(__func__)
#define door_readkey() door_readkey_at(__func__)
// Joystick: poll, buttons numbered from 1 as the game's messages name them, stick directions.
void door_poll_joystick();
int door_joy_button(int n);
int door_joy_up();
int door_joy_down();
int door_joy_left();
int door_joy_right();

// ---- sound ----
// Samples and MIDI pieces are objects of this datafile (data.dat).
void door_set_sound_data(DATAFILE* d);
void door_play_sample(int num, int vol, int pan, int freq, int loop);
void door_adjust_sample(int num, int vol, int pan, int freq, int loop);
void door_stop_sample(int num);
void door_play_midi(int num, int loop);
void door_stop_midi();
long door_midi_pos();
void door_midi_seek(long pos);
void door_set_volume(int digi, int midi);
