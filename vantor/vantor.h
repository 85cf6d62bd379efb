// The game shell: start-up and shutdown, settings and switches, the frame loop
// with its pacing timers and screen composition, text windows and prompts,
// fades, the title screens and the debug editor. Field screens call
// update_screen and virtual_game_cycle once per pass of their own loops.
#pragma once
#include <allegro.h>
#include <cstdio>

#include "records.h"

// ---- settings and switches ----
extern int no_joy;               // "-nojoy": no joystick set-up
extern int mute;                 // "-mute": no sound set-up
extern int fights;               // random battles happen only while TRUE
extern int debug;                // "-debug:58214": debug keys and editor
extern int force_emu;            // "-forcemu": always the doubled 640x480 mode
extern int current_gfx_driver;   // GfxDriver (0 = autodetect)
extern int current_joystick;     // JoyDriver (-1 = autodetect, 0 = none)
extern int current_sound_driver; // DigiSoundDriver (-1 = autodetect)
extern int current_midi_driver;  // MidiSoundDriver (-1 = autodetect)
extern int sound_vol;            // effects volume 0-255
extern int midi_vol;             // music volume 0-255
extern int ask_emu;              // explain the doubled-mode fallback
extern int font_setting;         // which pair of fonts
extern int emulate;              // TRUE: the picture is shown scaled up (the doubled mode and beyond)
extern int window_scale;         // WindowScale: the window shows the picture n times (1 to 4)
extern int fullscreen;           // Fullscreen: the display fills the monitor

// ---- frame loop and display ----
extern unsigned short GAME_SPEED; // logic cycles per second
extern volatile int fps;          // ticks counted by fps_proc while looping
extern int fpscounter;            // logic cycles done
extern int actual_fps_counter;    // drawing passes since the last report
extern int actual_fps;            // drawing passes in the last GAME_SPEED cycles
extern int looping;               // a paced loop is running
extern int skip_frames;           // allow skipping and repeating drawing passes
extern int do_vsync;              // wait for the retrace before showing a frame
extern int virtual_screen;        // compose but do not show ("virtual" is a C++ keyword)
extern int normal_drawing;        // draw the map by the general rule
extern int mx, my;                // scroll offset: map pixel (x, y) at screen (x + mx, y + my)
extern int layer;                 // layer counter shared with screens that draw layers
extern int walking_layer;         // the layer Mike walks on
extern int animate_water;         // scroll the water layer of map 1
extern int water_x, water_y;      // where the water layer of map 1 is drawn
extern int raining;               // rain is falling on the map
extern int rain_a;                // rain strength (translucency of rain and sheen)
extern rain_drop rain[50][50];    // the rain drops
extern int layer4_move, layer4_dx, layer4_x, layer4_a; // scrolling translucent fourth layer
extern int window_layer_flag;           // draw window_layer over each frame (TRUE: clear after)
extern unsigned char show_place_window; // cycles left to show the place window
extern unsigned char screen_light;      // brightness of the frame, 255 = full
extern int show_fps, show_coords;       // debug overlays
extern const char* debug_message;       // text shown above Mike's head
extern int cycle_counter;               // village fountain animation cycle
extern volatile int torchlike_flag;     // set by set_torchlike
extern volatile int town_timer_flag;    // set by town_timer
extern int in_town, town_walk, town_counter, num_people, min_person; // townspeople wandering
extern int tile_type, tile_type2;                                    // tiles last examined (layers 0 and 1)
extern volatile int turn_update;                                     // battle clock ticks counted by ft_timer
extern volatile int ft_timer_paused;                                 // while non-zero the battle clock stands
extern int playing;     // the MIDI object now playing, -1 for none
extern int good_fade;   // fades use their timed forms
extern int swind_speed; // window-opening speed 0-5 (5 = instant)

// ---- start-up and shutdown ----
// Reads the switches into their globals; FALSE (after the two message boxes) on a bad one.
int parse_switches(int argc, char** argv);
// Reads the eight settings of "winconfig.cfg" (missing or bad values get sane defaults).
void read_settings();
// Writes the eight settings back to "winconfig.cfg".
void write_settings();
// Brings up the library, the settings, the datafiles and the game state.
void vantor_init();
// Writes the settings back and frees everything.
void vantor_shutdown();
// Text mode, message box, library down, exit status 1. A null message is "Out of memory!!!\n\n".
[[noreturn]] void fatalerror(const char* mess);
// Builds the game state of a new process (records, actors, weapons, items, chests).
void init_variables();
// Run-length sprite number n of chrctrs.dat, or null when there is none there.
RLE_SPRITE* chr_sprite(int n);
// A new actor with the eight walking frames from chrctrs.dat object dat_id on.
character* create_character(int id, int dat_id);
// Frees every record init_variables made.
void free_variables();
// Writes the state dump of a scripted run (save-file keys plus map, Mike, camera).
void write_state_dump(FILE* f);

// ---- frame loop ----
void fps_proc();           // timer: fps += 1 while looping
void ft_timer();           // timer: battle clock
void town_timer();         // timer: townspeople may take a step
void set_torchlike();      // timer: advance animated tiles
void update_screen();      // one logic cycle and its drawing passes
void f_update_screen();    // exactly one drawing pass
void draw_sprites();       // the followers and the person actors
void blit_buffer();        // show buffer (stretched when emulate)
void virtual_game_cycle(); // read input once and act on it
void reset_fps_timer();    // restart the frame timer at GAME_SPEED
void move_rain();          // advance the rain
void reset_rain();         // lay the rain out on its grid
int jreadkey();            // wait for a key or a joystick button
void clear_joybuf();       // wait for buttons 2, 3 and the stick to be released
// The talk key (Enter, button 3) is down and has been let go since a window last answered it:
// one press is one conversation, and a held key never starts another.
int talk_key_down();
void talk_key_spent(); // the talk key was answered: it acts again once let go
// Esc was answered by a window, a prompt or a menu: held on the field it ends the game only
// after it has been let go there and pressed again.
void quit_key_spent();
// The four controls of a prompt or a list (Esc or button 2, up, down, Enter or button 3),
// each acting once when it goes down.
enum { CTL_CANCEL, CTL_UP, CTL_DOWN, CTL_OK, CTL_COUNT };
struct control_edges {
    int was[CTL_COUNT];  // down at the last look
    bool hit[CTL_COUNT]; // went down since the look before
};
void start_control_edges(control_edges* c);  // controls already down act only once let go
void read_control_edges(control_edges* c);   // polls the controls and fills hit
int press_at(int px, int py, int direction); // Mike stands at (px, py) facing direction and presses Enter
int press_at_object(int px, int py);         // Mike faces (px, py) from the next cell and presses Enter
// TRUE only at the look where `down` turns true, so a key still held from an earlier
// window or menu chooses nothing; *was is the last look's state, taken as a screen opens.
int fresh_press(int* was, int down);
int is_even(int n);       // TRUE for even n
int round_float(float f); // rounds halves away from the truncation
void beep();              // the menu sound, sample 71

// ---- text windows ----
void wrap_wind(const char* text); // dialogue box at the top; waits for the player
void message(const char* text);   // the same box in the middle of the screen
void story_window_2(const char* text, int x, int y, int wt, int ht); // window with opening animation
void still_window(BITMAP* bmp, int x, int y, int wt, int ht);        // empty solid window
void still_window_ex(BITMAP* bmp, int x, int y, int wt, int ht, int a, int all); // with opacity
int choice(const char* s1, const char* s2);                   // two-option prompt: 1, or 2 (also on cancel)
void draw_place_window();                                     // the fading place-name window into buffer
void draw_cursor(int x, int y);                               // the pointer sprite into buffer
void draw_v_scroller(int x, int y, int wt, int ht, float pc); // vertical scroll bar into buffer
void change_font_col(FONT* f, int oldcol, int newcol);        // recolour one index in every glyph

// ---- fades and picture effects ----
void fade_out_2(int speed);
void fade_out_timer(unsigned int speed);
void fade_to(BITMAP* target, int speed);
void fade_to_timer(BITMAP* target, unsigned int speed);
void sound_fade_out(int speed, int rest_amt);
void draw_half(RLE_SPRITE* spr, int x, int y);
void invert_mask(BITMAP* bmp, BITMAP* full);
// Copies what is on the display into a 320 x 240 bitmap (scaled down from the display's scale).
void capture_screen(BITMAP* dest);
// Shows a 320 x 240 picture on the display at its scale.
void show_picture(BITMAP* src);

// ---- the display ----
extern int screen_scale;            // display pixels per picture pixel, each way (1 to 4)
extern int screen_left, screen_top; // where the picture's top-left corner sits on the display
extern int old_gfx_driver;          // the driver the display was last opened with
// Sets the mode the settings ask for (driver, window scale, full screen); 0 on success.
int open_display();
// The last resort: the doubled mode in a window; 0 on success.
int open_fallback_display();
// Switches to a window of the given scale or to full screen; FALSE (after a message) when
// the display refused and the old mode is back.
int change_display(int scale, int full);
// Between window and full screen.
void toggle_fullscreen();
// Alt+Enter switches the display; TRUE when it did (its Enter is spent).
int display_switch_key();
// Either Alt is down: an Enter with it is the display switch, never a choice.
int alt_held();
// Draws part of a 320 x 240 picture onto the display at picture coordinates, scaled.
void stretch_to_display(BITMAP* src, int sx, int sy, int sw, int sh, int dx, int dy, int dw, int dh);

// ---- title, logo and prologue ----
void qv_logo();
void prologue();
int title_screen();

// ---- debug editor ----
void debug_editor();
