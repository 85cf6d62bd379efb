// Shared set-up of the frame, window and fade tests: the game started headless
// in this process, the frame-loop globals back at their start values before
// every test, and small pixel helpers.
#pragma once
#include <gtest/gtest.h>

#include <cstdlib>

#include "door.h"
#include "harness.h"
#include "town.h"
#include "vantor.h"
#include "vantor_frame.h"
#include "world.h"

// Puts the frame loop's state back as a fresh process has it.
inline void reset_frame_state()
{
    GAME_SPEED = 60;
    fps = 0;
    fpscounter = 0;
    actual_fps_counter = 0;
    looping = FALSE;
    skip_frames = TRUE;
    do_vsync = FALSE;
    virtual_screen = FALSE;
    normal_drawing = FALSE;
    mx = my = 0;
    animate_water = TRUE;
    raining = FALSE;
    rain_a = 255;
    layer4_move = layer4_dx = layer4_x = layer4_a = 0;
    window_layer_flag = FALSE;
    show_place_window = 0;
    screen_light = 255;
    show_fps = show_coords = FALSE;
    debug_message = nullptr;
    in_town = town_walk = FALSE;
    town_counter = 0;
    town_timer_flag = FALSE;
    torchlike_flag = FALSE;
    save_on = FALSE;
    g_map_num = 17;
    good_fade = FALSE;
    emulate = FALSE;
    swind_speed = 5;
    if (mike) mike->visible = FALSE;
    for (character* p : person)
        if (p) p->visible = FALSE;
    for (int k = 0; k < KEY_MAX; k++) key[k] = 0;
    if (buffer) clear_bitmap(buffer);
    if (screen) clear_bitmap(screen);
    if (window_layer) clear_to_color(window_layer, bitmap_mask_color(window_layer));
}

class FrameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        headless_game_start("");
        reset_frame_state();
    }
    void TearDown() override { door_remove_int(fps_proc); }
};

// True when every pixel of the bitmap is black.
inline bool all_black(BITMAP* b)
{
    for (int y = 0; y < b->h; y++)
        for (int x = 0; x < b->w; x++)
            if (getpixel(b, x, y) != 0) return false;
    return true;
}

inline bool same_pixels(BITMAP* a, BITMAP* b)
{
    if (a->w != b->w || a->h != b->h) return false;
    for (int y = 0; y < a->h; y++)
        for (int x = 0; x < a->w; x++)
            if (getpixel(a, x, y) != getpixel(b, x, y)) return false;
    return true;
}

// Swaps in a 640 x 480 display for the doubled mode, and back.
struct DoubledDisplay {
    BITMAP* native = screen;
    BITMAP* big = create_bitmap(640, 480);
    DoubledDisplay()
    {
        clear_bitmap(big);
        screen = big;
        emulate = TRUE;
    }
    ~DoubledDisplay()
    {
        screen = native;
        emulate = FALSE;
        destroy_bitmap(big);
    }
};

// A solid square sprite of one colour.
inline RLE_SPRITE* solid_sprite(int w, int h, int colour)
{
    BITMAP* b = create_bitmap(w, h);
    clear_to_color(b, colour);
    RLE_SPRITE* s = get_rle_sprite(b);
    destroy_bitmap(b);
    return s;
}
