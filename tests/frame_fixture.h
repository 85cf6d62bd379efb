// Shared set-up of the frame, window and fade tests: the game started headless
// in this process, the frame-loop globals back at their start values before
// every test, and small pixel helpers.
#pragma once
#include <gtest/gtest.h>

#include "door.h"
#include "harness.h"
#include "town.h"
#include "vantor.h"
#include "vantor_frame.h"

class FrameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        headless_game_start("");
        GAME_SPEED = 60;
        fps = fpscounter = actual_fps_counter = 0;
        looping = virtual_screen = normal_drawing = raining = layer4_move = FALSE;
        window_layer_flag = in_town = town_walk = town_timer_flag = save_on = good_fade = emulate = FALSE;
        skip_frames = TRUE;
        mx = my = town_counter = 0;
        show_place_window = 0;
        screen_light = 255;
        g_map_num = 17; // a scene map: no special drawing rules
        swind_speed = 5;
        mike->visible = FALSE;
        for (int k = 0; k < KEY_MAX; k++) key[k] = 0;
        clear_bitmap(buffer);
        clear_bitmap(screen);
        clear_to_color(window_layer, bitmap_mask_color(window_layer));
    }
    void TearDown() override { door_remove_int(fps_proc); }
};

inline bool all_black(BITMAP* b)
{
    for (int y = 0; y < b->h; y++)
        for (int x = 0; x < b->w; x++)
            if (getpixel(b, x, y) != 0) return false;
    return true;
}

inline bool is_rgb(int c, int r, int g, int b, int tol = 8)
{
    return abs(getr(c) - r) <= tol && abs(getg(c) - g) <= tol && abs(getb(c) - b) <= tol;
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
        screen_scale = 2;
    }
    ~DoubledDisplay()
    {
        screen = native;
        emulate = FALSE;
        screen_scale = 1;
        destroy_bitmap(big);
    }
};

inline RLE_SPRITE* solid_sprite(int w, int h, int colour)
{
    BITMAP* b = create_bitmap(w, h);
    clear_to_color(b, colour);
    RLE_SPRITE* s = get_rle_sprite(b);
    destroy_bitmap(b);
    return s;
}
