// The frame loop: timer callbacks, pacing, screen composition and field input.
#include "vantor.h"

#include <algorithm>

#include "battle.h"
#include "dat_names.h"
#include "door.h"
#include "follow.h"
#include "menu.h"
#include "shot.h"
#include "town.h"
#include "vantor_frame.h"
#include "world.h"

unsigned short GAME_SPEED = 60;
volatile int fps = 0;
int fpscounter = 0;
int actual_fps_counter = 0;
int actual_fps = 0;
int looping = FALSE;
int skip_frames = TRUE;
int do_vsync = FALSE;
int virtual_screen = FALSE;
int normal_drawing = FALSE;
int mx = 0, my = 0;
int layer = 0;
int walking_layer = 0;
int animate_water = TRUE;
int water_x = 0, water_y = 0;
int raining = FALSE;
int rain_a = 255;
rain_drop rain[50][50];
int layer4_move = 0, layer4_dx = 0, layer4_x = 0, layer4_a = 0;
int window_layer_flag = FALSE;
unsigned char show_place_window = 0;
unsigned char screen_light = 255;
int show_fps = FALSE, show_coords = FALSE;
const char* debug_message = nullptr;
int cycle_counter = 0;
volatile int torchlike_flag = FALSE;
volatile int town_timer_flag = FALSE;
int in_town = FALSE, town_walk = FALSE, town_counter = 0, num_people = -1, min_person = 1;
int tile_type = 0, tile_type2 = 0;
volatile int turn_update = 0;
volatile int ft_timer_paused = -1;
int playing = -1;

void fps_proc()
{
    if (looping) fps = fps + 1;
}
void ft_timer()
{
    if (!ft_timer_paused) turn_update = turn_update + 1;
}
void town_timer() { town_timer_flag = TRUE; }
void set_torchlike() { torchlike_flag = TRUE; }

namespace {

// A machine so slow that the logic alone eats every tick would otherwise never
// draw again (and never see Esc); after this many dropped passes one is drawn anyway.
const int MAX_SKIPPED_PASSES = 10;
int skipped_passes = 0;
// FALSE from the moment a window, a prompt or a menu answered Esc until the field sees it up.
bool quit_armed = true;

int map_pixel_width() { return map ? map->xsize * map->xgrid : 0; }

void draw_layer(BITMAP* dest, int l, int x, int y)
{
    if (map && tiles && l >= 0 && l < map->layers) draw_tilemap_layer(dest, tiles, map, l, x, y);
}

// A map layer through the shared sprite_layer, laid over buffer at opacity a.
void draw_layer_translucent(int l, int x, int y, int a)
{
    if (!map || l >= map->layers) return;
    clear_to_color(sprite_layer, bitmap_mask_color(sprite_layer));
    draw_layer(sprite_layer, l, x, y);
    blend_bitmap(buffer, sprite_layer, a, TRUE);
}

// The scrolling fourth layer, twice side by side so that it always covers the screen.
void draw_scrolling_layer()
{
    int w = map_pixel_width();
    clear_to_color(sprite_layer, bitmap_mask_color(sprite_layer));
    draw_layer(sprite_layer, 3, layer4_x, my);
    draw_layer(sprite_layer, 3, layer4_x + w, my);
    blend_bitmap(buffer, sprite_layer, layer4_a, TRUE);
}

void draw_actor(character* c)
{
    if (c && c->current) draw_rle_sprite(buffer, c->current, c->x + mx, c->y + my);
}

// The fountain of the village square: two frames of 20 cycles on layer 1.
void animate_fountain()
{
    if (cycle_counter >= 40) cycle_counter = 0;
    int tile = cycle_counter == 0 ? 315 : cycle_counter == 20 ? 316 : -1;
    if (tile >= 0 && map)
        for (int row = 36; row <= 37; row++)
            for (int col = 4; col <= 7; col++) set_sprite_number(map, 1, col, row, tile);
    cycle_counter++;
}

void draw_map_and_actors()
{
    if (g_map_num == 1) {
        if (animate_water) {
            water_x++;
            if (water_x > 320) water_x = 0;
            draw_layer(buffer, 0, water_x, water_y);
            draw_layer(buffer, 0, water_x - 320, water_y);
        } else {
            draw_layer(buffer, 0, mx, my);
        }
        draw_layer(buffer, 1, mx, my);
        draw_sprites();
    }
    if (g_map_num == 101) {
        animate_fountain();
        draw_layer(buffer, 0, mx, my);
        // The fountain's water is the only thing on this layer; skip the
        // translucent pass while the square is off screen.
        if (mx >= -128 && my < -327) draw_layer_translucent(1, mx, my, 100);
        draw_sprites();
    }
    if (normal_drawing) {
        if (!raining) {
            int top = g_map_num == 103 ? 1 : std::min(map ? map->layers - 1 : 0, 2);
            for (int l = 0; l <= top; l++) draw_layer(buffer, l, mx, my);
        } else {
            draw_layer(buffer, 0, mx, my);
            draw_layer_translucent(2, mx, my, std::min(rain_a, 24));
            draw_layer(buffer, 1, mx, my);
        }
        draw_sprites();
    }
    if (mike && mike->visible && mike->current) {
        if (mike->halved)
            draw_half(mike->current, mike->x + mx, mike->y + my);
        else
            draw_actor(mike);
    }
    if (save_on && save_pos >= 0 && save_pos < 3 && save_sprites[save_pos])
        draw_lightmap(buffer, save_sprites[save_pos], save_x + mx, save_y + my);
    for (int l = 3; map && l < map->layers; l++) {
        if (l == 3 && layer4_move)
            draw_scrolling_layer();
        else
            draw_layer(buffer, l, mx, my);
    }
}

void draw_rain()
{
    int a = std::min(rain_a, 200);
    if (a <= 0) return;
    int fall = makecol(100, 100, 255), spl = makecol(200, 200, 255);
    set_trans_blender(0, 0, 0, a);
    drawing_mode(DRAW_MODE_TRANS, nullptr, 0, 0);
    for (auto& column : rain)
        for (auto& d : column) {
            int X = d.x + mx, Y = d.y + my;
            if (X < -8 || Y < -6 || X >= buffer->w || Y >= buffer->h) continue;
            if (d.splash < 60) {
                line(buffer, X, Y, X + 5, Y + 5, fall);
            } else {
                line(buffer, X + 3, Y + 3, X + 5, Y + 5, spl);
                line(buffer, X + 7, Y + 3, X + 5, Y + 5, spl);
                vline(buffer, X + 5, Y + 3, Y + 5, spl);
            }
        }
    solid_mode();
}

void draw_overlays()
{
    if (window_layer_flag) masked_blit(window_layer, buffer, 0, 0, 0, 0, window_layer->w, window_layer->h);
    if (show_coords && main_font) {
        textprintf_ex(buffer, main_font, 0, 0, -1, -1, "mike->x = %d  mike->y = %d", mike ? mike->x : 0,
                      mike ? mike->y : 0);
        textprintf_ex(buffer, main_font, 0, 8, -1, -1, "mx = %d  my = %d", mx, my);
        textprintf_ex(buffer, main_font, 0, 16, -1, -1, "mapnum = %d", g_map_num);
    }
    if (in_town && town_walk && town_timer_flag) wander_townspeople();
    if (show_fps && main_font)
        textprintf_ex(buffer, main_font, 260, 0, -1, -1, "FPS: %u", (unsigned)actual_fps);
    if (debug_message && mike && main_font)
        textout_centre_ex(buffer, main_font, debug_message, mike->x + mx + 8, mike->y + my - 8, -1, -1);
    if (raining) draw_rain();
    if (!virtual_screen && show_place_window) draw_place_window();
    if (screen_light < 255) darken_bitmap(buffer, 255 - screen_light);
}

// The drawing pass of a logic cycle. There is never more than one: while the
// logic is ahead, the frame on show simply stays there until the clock catches
// up, so the once-per-cycle steps (water, fountain, wandering, tile animation)
// live here too.
void drawing_pass()
{
    actual_fps_counter++;
    door_poll_keyboard();
    // Esc held on the field ends the game, but not the Esc that just closed a window or a menu.
    if (!key[KEY_ESC]) {
        quit_armed = true;
    } else if (quit_armed) {
        vantor_shutdown();
        door_exit(0);
    }
    tile_type = 242;
    draw_map_and_actors();
    draw_overlays();
    if (!virtual_screen) {
        if (do_vsync) door_vsync();
        blit_buffer();
    }
    screenshot_key(buffer);
    if (window_layer_flag == TRUE) clear_to_color(window_layer, bitmap_mask_color(window_layer));
    if (torchlike_flag) do_tile_changing();
}

} // namespace

void update_screen()
{
    fpscounter++;
    if (GAME_SPEED && fpscounter % GAME_SPEED == 0) {
        actual_fps = actual_fps_counter;
        actual_fps_counter = 0;
    }
    if (raining) {
        if (story_flag[11] && g_map_num == 103) raining = FALSE;
        move_rain();
    }
    if (layer4_move) {
        // Wrapping by one map width keeps the two copies seamless in either direction.
        int w = map_pixel_width();
        layer4_x += layer4_dx;
        if (w > 0) {
            while (layer4_x <= -w) layer4_x += w;
            while (layer4_x > 0) layer4_x -= w;
        }
    }
    if (show_place_window) show_place_window--;

    if (fps > fpscounter && looping && skip_frames && skipped_passes < MAX_SKIPPED_PASSES) {
        skipped_passes++;
        return;
    }
    skipped_passes = 0;
    drawing_pass();
    wait_for_clock();
}

void wait_for_clock()
{
    // A loop that set looping without starting the frame timer must not hang:
    // after about a second of silence from the timer, carry on.
    for (int waits = 0; fps < fpscounter && looping && skip_frames && waits < 1000; waits++) door_wait();
}

void f_update_screen()
{
    looping = FALSE;
    update_screen();
    looping = TRUE;
}

void draw_sprites()
{
    // Whatever loop opened the map or moved Mike, the party is put right before it shows.
    follow_sync();
    for (character* c : {runhon, elizabeth, charlie}) {
        if (!c || c->visible != TRUE) continue;
        if (c->halved && c->current)
            draw_half(c->current, c->x + mx, c->y + my);
        else
            draw_actor(c);
    }
    for (character* p : person)
        if (p && p->visible) draw_actor(p);
}

void blit_buffer() { show_picture(buffer); }

namespace {

// Toggles and one-shot debug commands act when the key goes down, not on
// every frame it is held.
bool pressed_now(int k)
{
    static int was[KEY_MAX];
    return fresh_press(&was[k], key[k]);
}

bool ctrl_held() { return key[KEY_LCONTROL] || key[KEY_RCONTROL]; }

void debug_keys()
{
    if (pressed_now(KEY_C)) {
        show_coords = show_coords ? FALSE : TRUE;
        door_clear_keybuf();
    }
    if (pressed_now(KEY_S) && ftmike) {
        // Bounded: a level-up that failed to raise the level must not hang the game.
        for (int i = 0; i < 100 && ftmike->level <= 74; i++) level_up(ftmike);
        ftmike->hp = ftmike->hpmax;
        ftmike->mp = ftmike->mpmax;
        message("Mike increased to level 75!!!_Time to kick ass!");
    }
    if (pressed_now(KEY_D)) debug_editor();
    if (pressed_now(KEY_F)) {
        if (ctrl_held()) {
            do_battle();
        } else {
            show_fps = show_fps ? FALSE : TRUE;
            door_clear_keybuf();
        }
    }
    if (key[KEY_W]) town_timer_flag = TRUE;
    static bool fast = false;
    if ((key[KEY_TILDE] != 0) != fast) {
        fast = !fast;
        GAME_SPEED = fast ? 240 : 60;
        reset_fps_timer();
    }
    if (key[KEY_Q] && screen_light < 255) screen_light++;
    if (key[KEY_A] && screen_light > 0) screen_light--;
    if (pressed_now(KEY_L) && ftmike) level_up(ftmike);
}

} // namespace

void virtual_game_cycle()
{
    door_poll_joystick();
    door_poll_keyboard();
    // Alt opens the menu when it is let go, so Alt+Enter can switch the
    // display without opening the menu too.
    static bool alt_was = false, alt_spent = false;
    bool alt = key[KEY_ALT] != 0;
    if (alt && !alt_was) alt_spent = false;
    if (display_switch_key()) {
        alt_spent = true;
        door_poll_keyboard();
        alt = key[KEY_ALT] != 0;
    }
    bool open_menu = !alt && alt_was && !alt_spent;
    alt_was = alt;
    if (key[KEY_UP] || door_joy_up()) move_mike(DIR_UP, TRUE);
    if (key[KEY_DOWN] || door_joy_down()) move_mike(DIR_DOWN, TRUE);
    if (key[KEY_LEFT] || door_joy_left()) move_mike(DIR_LEFT, TRUE);
    if (key[KEY_RIGHT] || door_joy_right()) move_mike(DIR_RIGHT, TRUE);
    // Read every pass, so that the key is seen let go wherever Mike stands. With Alt
    // it switches the display and starts nothing else.
    if (talk_key_down()) {
        if (alt)
            talk_key_spent();
        else if (in_town)
            do_town_talk();
    }
    if (open_menu || door_joy_button(5)) do_vantor_menu();
    if (pressed_now(KEY_V)) {
        do_vsync = do_vsync ? FALSE : TRUE;
        door_clear_keybuf();
    }
    if (debug) debug_keys();
    if (mike && save_on && mike->x == save_x && mike->y == save_y) {
        if (!mike_in_save) {
            mike_in_save = TRUE;
            do_save_spot();
        }
    } else {
        mike_in_save = FALSE;
    }
    door_poll_joystick();
}

void reset_fps_timer()
{
    door_remove_int(fps_proc);
    fps = 0;
    fpscounter = 0;
    actual_fps_counter = 0;
    if (door_install_int_ex(fps_proc, BPS_TO_TIMER(GAME_SPEED ? GAME_SPEED : 60)) != 0)
        fatalerror("Error installing the frame timer\n\n");
}

void move_rain()
{
    for (auto& column : rain)
        for (auto& d : column) {
            // The splash shows its 20 phases (60 to 79) standing still, then falls on.
            if (++d.splash > 79) d.splash = 0;
            if (d.splash < 60) {
                if (++d.x > 800) d.x = -5;
                if (++d.y > 800) d.y = -5;
            }
        }
}

void reset_rain()
{
    for (int i = 0; i < 50; i++)
        for (int j = 0; j < 50; j++) {
            rain[i][j].x = 16 * i;
            rain[i][j].y = 16 * j;
        }
}

namespace {

bool any_joy_button(int from, int to)
{
    for (int b = from; b <= to; b++)
        if (door_joy_button(b)) return true;
    return false;
}

bool enter_held() { return key[KEY_ENTER] || door_joy_button(3); }

// FALSE from the moment a window or a screen answered the talk key until it is seen up.
bool talk_armed = true;

void controls_now(int now[CTL_COUNT])
{
    door_poll_keyboard();
    door_poll_joystick();
    // Alt+Enter switches the display wherever a prompt or a list waits; it chooses nothing.
    if (display_switch_key()) door_poll_keyboard();
    now[CTL_CANCEL] = key[KEY_ESC] || door_joy_button(2);
    if (key[KEY_ESC]) quit_key_spent();
    now[CTL_UP] = key[KEY_UP] || door_joy_up();
    now[CTL_DOWN] = key[KEY_DOWN] || door_joy_down();
    now[CTL_OK] = (key[KEY_ENTER] && !alt_held()) || door_joy_button(3);
}

} // namespace

int talk_key_down()
{
    bool held = enter_held();
    if (!held) talk_armed = true;
    return held && talk_armed ? TRUE : FALSE;
}

void talk_key_spent() { talk_armed = false; }

void quit_key_spent() { quit_armed = false; }

void start_control_edges(control_edges* c)
{
    controls_now(c->was);
    for (bool& h : c->hit) h = false;
}

void read_control_edges(control_edges* c)
{
    int now[CTL_COUNT];
    controls_now(now);
    for (int i = 0; i < CTL_COUNT; i++) c->hit[i] = fresh_press(&c->was[i], now[i]);
}

int jreadkey()
{
    door_poll_joystick();
    if (any_joy_button(4, 8)) return TRUE;
    for (;;) {
        // Alt+Enter switches the display and the window stays open; Alt does nothing else.
        if (display_switch_key() || (alt_held() && door_keypressed()))
            door_clear_keybuf();
        else if (door_keypressed() || any_joy_button(1, 3))
            break;
        door_wait();
        door_poll_keyboard();
        door_poll_joystick();
    }
    while (any_joy_button(1, 3)) {
        door_wait();
        door_poll_joystick();
    }
    quit_key_spent();
    return TRUE;
}

void clear_joybuf()
{
    door_poll_joystick();
    while (door_joy_button(2) || door_joy_button(3) || door_joy_up() || door_joy_down() || door_joy_left() ||
           door_joy_right()) {
        door_wait();
        door_poll_joystick();
    }
}

int press_at(int px, int py, int direction)
{
    if (!mike) return FALSE;
    return (mike->face == direction && mike->x == px && mike->y == py && talk_key_down()) ? TRUE : FALSE;
}

int press_at_object(int px, int py)
{
    if (!mike || !talk_key_down()) return 0;
    int x = mike->x, y = mike->y;
    switch (mike->face) {
    case DIR_LEFT: return (x == px + 16 && y == py) ? 1 : 0;
    case DIR_RIGHT: return (x == px - 16 && y == py) ? 1 : 0;
    case DIR_DOWN: return (x == px && y == py - 16) ? 1 : 0;
    case DIR_UP: return (x == px && y == py + 16) ? 1 : 0;
    }
    return 0;
}

int fresh_press(int* was, int down)
{
    int edge = down && !*was ? TRUE : FALSE;
    *was = down ? TRUE : FALSE;
    return edge;
}

int is_even(int n) { return n % 2 == 0 ? TRUE : FALSE; }
int round_float(float f) { return (int)f + ((f - (int)f) >= 0.5f ? 1 : 0); }
void beep() { door_play_sample(SND_BEEP, 255, 127, 1000, FALSE); }

int place_window_opacity() { return std::min<int>(show_place_window, 128); }
