// The maker logo, the prologue and the title screen: the three screens
// between start-up and play. Each runs its own loop on the frame timer (or
// on timed waits) and leaves the display faded to black.
#include "vantor.h"

#include <algorithm>
#include <memory>

#include "dat_names.h"
#include "datcheck.h"
#include "door.h"
#include "menu.h"

namespace {

struct BitmapDeleter {
    void operator()(BITMAP* b) const { destroy_bitmap(b); }
};
using Bitmap = std::unique_ptr<BITMAP, BitmapDeleter>;

struct DatafileDeleter {
    void operator()(DATAFILE* d) const { unload_datafile(d); }
};

constexpr int LOGO_FRAMES = 11;
constexpr int LOGO_LAST_STEP = 272; // ~1.5 s of frames, then the credit fades in
constexpr long LOGO_TIMER = 99431;  // 12 steps a second, in timer ticks
constexpr int PROLOGUE_STEPS = 50;  // of 100 ms each
constexpr int TITLE_ROWS[3] = {160, 180, 200};

const char* const CREDIT = "a small game by the Vantor team, 2026";

// The prologue's words, one line a second under the picture.
const char* const PROLOGUE_LINES[] = {
    "The river Lumin has kept the kingdom for three hundred years.",
    "This spring the Drakians came down from the north.",
    "They hold the bridge. The king waits for news.",
    "And in a barracks by the water, a young soldier sleeps...",
};
constexpr int PROLOGUE_LINE_COUNT = sizeof PROLOGUE_LINES / sizeof PROLOGUE_LINES[0];

Bitmap new_bitmap(int w, int h)
{
    Bitmap b(create_bitmap(w, h));
    if (!b) fatalerror("Out of memory!!!\n\n");
    return b;
}

void start_frame_timer(long ticks)
{
    fps = 0;
    fpscounter = 0;
    if (door_install_int_ex(fps_proc, ticks) != 0) fatalerror("Error installing callback!");
    looping = TRUE;
}

bool joy_button_1_to_3()
{
    door_poll_joystick();
    return door_joy_button(1) || door_joy_button(2) || door_joy_button(3);
}

// A key in the buffer, taken out: the slide-in and the logo fade skip ahead on it.
// Alt+Enter only switches the display.
bool key_hit()
{
    if (display_switch_key() || !door_keypressed()) return false;
    door_clear_keybuf();
    return true;
}

void draw_title_back(int top)
{
    clear_bitmap(buffer);
    if (data) blit((BITMAP*)data[TITLE_BACK].dat, buffer, 0, 0, 0, top, 320, 240);
}

void draw_title_logo(int opacity)
{
    if (!data) return;
    BITMAP* logo = (BITMAP*)data[TITLE_LOGO].dat;
    if (opacity >= 255) {
        draw_sprite(buffer, logo, 100, 75);
        return;
    }
    set_trans_blender(0, 0, 0, opacity);
    draw_trans_sprite(buffer, logo, 100, 75);
    solid_mode();
}

} // namespace

void qv_logo()
{
    std::unique_ptr<DATAFILE, DatafileDeleter> movie(load_checked_datafile(lgmovie_dat_layout));
    if (!movie) fatalerror("Error reading lgmovie.dat!!\n");
    start_frame_timer(LOGO_TIMER);
    BITMAP* last = nullptr;
    for (int p = 0; p <= LOGO_LAST_STEP;) {
        fpscounter++;
        if (fpscounter >= fps) {
            if (p <= 17) {
                last = (BITMAP*)movie.get()[p <= 10 ? p : p - 11].dat;
                show_picture(last);
            } else {
                int red = std::min(p - 18, 255);
                textout_right_ex(screen, font, CREDIT, screen_left + 320 * screen_scale,
                                 screen_top + 240 * screen_scale - 8, makecol(red, 0, 0), -1);
            }
        }
        p += p <= 17 ? 1 : 5;
        for (int waits = 0; fps < fpscounter && waits < 1000; waits++) door_wait();
    }
    (void)last;
    good_fade = TRUE;
    fade_out_2(1);
    good_fade = FALSE;
    looping = FALSE;
    door_remove_int(fps_proc);
}

void prologue()
{
    Bitmap back = new_bitmap(320, 240);
    Bitmap frame = new_bitmap(320, 240);
    door_play_midi(MUS_PROLOGUE, TRUE);
    for (int y = 0; y < 240; y++)
        for (int x = 0; x < 320; x++) putpixel(back.get(), x, y, makecol16_dither(0, 0, y, x, y));

    door_clear_keybuf();
    for (int step = 0; step < PROLOGUE_STEPS; step++) {
        if (door_keypressed() || joy_button_1_to_3()) break;
        blit(back.get(), frame.get(), 0, 0, 0, 0, 320, 240);
        if (data) draw_sprite(frame.get(), (BITMAP*)data[PROLOGUE].dat, 35, 20);
        // One line of the story a second, each fading up out of the dark blue.
        int line = step / 10;
        if (main_font && line < PROLOGUE_LINE_COUNT) {
            int level = std::min(255, 60 + (step % 10) * 40);
            textout_centre_ex(frame.get(), main_font, PROLOGUE_LINES[line], 160, 222,
                              makecol(level, level, level * 7 / 8), -1);
        }
        show_picture(frame.get());
        door_vsync();
        door_rest(100);
    }
    while (joy_button_1_to_3()) door_wait();
    door_clear_keybuf();
    fade_out_2(20);
    door_stop_midi();
}

int title_screen()
{
    Bitmap title = new_bitmap(320, 240);
    start_frame_timer(BPS_TO_TIMER(GAME_SPEED ? GAME_SPEED : 60));
    door_play_midi(MUS_TITLE, TRUE);
    door_clear_keybuf();

    // The picture slides down into place; a key skips to the logo.
    bool skip = false;
    for (int top = -305; top <= 5 && !skip; top += 10) {
        fpscounter++;
        if (fpscounter >= fps) {
            draw_title_back(top);
            blit_buffer();
        }
        for (int waits = 0; fps < fpscounter && waits < 1000; waits++) door_wait();
        skip = key_hit();
    }
    // The lettering fades in; another key finishes it.
    skip = false;
    for (int o = 0; o <= 254 && !skip; o += 5) {
        fpscounter++;
        if (fpscounter >= fps) {
            draw_title_back(7);
            draw_title_logo(o);
            blit_buffer();
        }
        for (int waits = 0; fps < fpscounter && waits < 1000; waits++) door_wait();
        skip = key_hit();
    }
    draw_title_back(7);
    draw_title_logo(255);
    blit(buffer, title.get(), 0, 0, 0, 0, 320, 240);
    looping = FALSE;
    door_remove_int(fps_proc);
    door_clear_keybuf();
    clear_joybuf();

    FONT* menu_font = data ? (FONT*)data[MAIN_FONT_VANTOR].dat : font;
    const char* const entries[3] = {"New Game", "Continue", "Quit"};
    int level[3] = {255, 160, 160};
    int step = -5;
    int r = TITLE_ROWS[0];
    int result = 0;
    // Every control acts when it goes down, so a held arrow moves one row.
    control_edges keys;
    start_control_edges(&keys);
    const bool* hit = keys.hit;
    while (!result) {
        read_control_edges(&keys);
        int row = (r - TITLE_ROWS[0]) / 20;
        if (hit[CTL_CANCEL]) {
            beep();
            r = TITLE_ROWS[2];
        }
        if (hit[CTL_DOWN]) {
            beep();
            r += 20;
        }
        if (hit[CTL_UP]) {
            beep();
            r -= 20;
        }
        if (r > TITLE_ROWS[2]) r = TITLE_ROWS[0];
        if (r < TITLE_ROWS[0]) r = TITLE_ROWS[2];
        if (hit[CTL_OK]) {
            beep();
            row = (r - TITLE_ROWS[0]) / 20;
            if (row == 1) {
                if (load_game()) {
                    result = 2;
                } else {
                    // Nothing loaded: back to the menu, the game as it was.
                    g_map_num = -1;
                    start_control_edges(&keys);
                }
            } else {
                result = row + 1;
            }
        }
        door_clear_keybuf();

        row = (r - TITLE_ROWS[0]) / 20;
        for (int i = 0; i < 3; i++) {
            if (i != row) {
                level[i] = 160;
                continue;
            }
            if (level[i] < 1 || level[i] > 255) step = -step;
            level[i] += step;
        }
        blit(title.get(), buffer, 0, 0, 0, 0, 320, 240);
        for (int i = 0; i < 3; i++) {
            int blue = std::clamp(level[i], 0, 255);
            textout_centre_ex(buffer, menu_font, entries[i], 160, TITLE_ROWS[i] + 2, makecol(0, 0, blue), -1);
        }
        draw_cursor(95, r);
        blit_buffer();
        clear_joybuf();
        door_vsync();
    }

    fade_out_2(20);
    door_stop_midi();
    door_clear_keybuf();
    clear_joybuf();
    good_fade = TRUE;
    return result;
}
