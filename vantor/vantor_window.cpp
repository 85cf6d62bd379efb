// Text windows and prompts: the dialogue box with its opening animation, the
// still panels that menus draw into, the two-option prompt, the fading place
// name, the pointer, the scroll bar and the thought colour of the font.
#include "vantor.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include <allegro/internal/aintern.h>

#include "dat_names.h"
#include "door.h"
#include "vantor_frame.h"

int swind_speed = 3;

namespace {

struct BitmapDeleter {
    void operator()(BITMAP* b) const { destroy_bitmap(b); }
};
using Bitmap = std::unique_ptr<BITMAP, BitmapDeleter>;

Bitmap scratch_bitmap(int w, int h, const char* fail)
{
    Bitmap b(create_bitmap(std::max(w, 1), std::max(h, 1)));
    if (!b) fatalerror(fail);
    return b;
}

// Main font colour index of text, and of thoughts and asides.
const int TEXT_COLOUR = 16, THOUGHT_COLOUR = 18;

void check_height(int ht, const char* mess)
{
    if (ht < 1 || ht > 257) fatalerror(mess);
}

// The library swaps reversed ends; a window too small for a line gets none.
void span(BITMAP* bmp, int x1, int y, int x2, int c)
{
    if (x2 >= x1) hline(bmp, x1, y, x2, c);
}

void column(BITMAP* bmp, int x, int y1, int y2, int c)
{
    if (y2 >= y1) vline(bmp, x, y1, y2, c);
}

void fill_gradient(BITMAP* bmp, int x, int y, int wt, int ht)
{
    int step = window_gradient_step(ht), b = 0;
    for (int row = y + 1; row <= y + ht - 1; row++, b += step)
        span(bmp, x + 1, row, x + wt - 1, makecol(0, 0, std::min(b, 255)));
}

// A picture of data.dat, whichever of the two picture types the object holds.
void draw_data_picture(BITMAP* bmp, int obj, int x, int y)
{
    if (!data) return;
    DATAFILE& d = data[obj];
    if (d.type == DAT_RLE_SPRITE)
        draw_rle_sprite(bmp, (RLE_SPRITE*)d.dat, x, y);
    else if (d.type == DAT_BITMAP)
        draw_sprite(bmp, (BITMAP*)d.dat, x, y);
}

bool is_thought(const char* text) { return text && text[0] == '('; }

void draw_lines(BITMAP* bmp, char lines[WINDOW_LINES][WINDOW_LINE_MAX + 1], int n, int x, int y, bool thought)
{
    if (!main_font) return;
    if (thought) change_font_col(main_font, TEXT_COLOUR, THOUGHT_COLOUR);
    for (int i = 0; i < n; i++) textout_ex(bmp, main_font, lines[i], x + 5, y + 5 + 8 * i, -1, -1);
    if (thought) change_font_col(main_font, THOUGHT_COLOUR, TEXT_COLOUR);
}

// Joystick buttons 2 and 3 and the stick let go, nothing left in the key buffer, and
// the talk key that answered the window spent, so that it starts nothing more.
void settle_input()
{
    clear_joybuf();
    door_clear_keybuf();
    talk_key_spent();
}

} // namespace

int window_gradient_step(int ht)
{
    if (ht > 126) return 1;
    if (ht >= 85) return 2;
    if (ht >= 63) return 3;
    if (ht >= 51) return 4;
    if (ht >= 42) return 5;
    if (ht >= 36) return 6;
    if (ht >= 31) return 7;
    if (ht >= 28) return 8;
    if (ht >= 25) return 9;
    return 10;
}

void draw_window_frame(BITMAP* bmp, int x, int y, int wt, int ht, int a)
{
    if (a != 255) {
        set_trans_blender(0, 0, 0, a);
        drawing_mode(DRAW_MODE_TRANS, nullptr, 0, 0);
    }
    int white = makecol(255, 255, 255), dark = makecol(60, 60, 60);
    int light = makecol(150, 150, 150), shade = makecol(100, 100, 100);
    // Lit edges first, shaded edges over their corners; no pixel is drawn
    // twice, so a translucent frame has even strength everywhere.
    column(bmp, x, y, y + ht - 1, white);
    span(bmp, x + 1, y, x + wt - 1, white);
    column(bmp, x + wt, y, y + ht, dark);
    span(bmp, x, y + ht, x + wt - 1, dark);
    if (ht >= 2 && wt >= 2) {
        column(bmp, x + 1, y + 1, y + ht - 2, light);
        span(bmp, x + 2, y + 1, x + wt - 2, light);
        column(bmp, x + wt - 1, y + 1, y + ht - 1, shade);
        span(bmp, x + 1, y + ht - 1, x + wt - 2, shade);
    }
    solid_mode();
}

int split_window_text(const char* text, char lines[WINDOW_LINES][WINDOW_LINE_MAX + 1])
{
    char buf[WINDOW_TEXT_MAX + 1];
    snprintf(buf, sizeof buf, "%s", text ? text : "");
    if (!strchr(buf, '_')) {
        int last_space = -1;
        for (int i = 0; buf[i]; i++) {
            if (buf[i] == ' ') last_space = i;
            if (i > 0 && i % 36 == 0 && last_space >= 0) buf[last_space] = '_';
        }
    }
    int n = 0;
    const char* p = buf;
    while (n < WINDOW_LINES) {
        const char* end = strchr(p, '_');
        size_t len = end ? (size_t)(end - p) : strlen(p);
        snprintf(lines[n], WINDOW_LINE_MAX + 1, "%.*s", (int)std::min<size_t>(len, WINDOW_LINE_MAX), p);
        n++;
        if (!end) break;
        p = end + 1;
    }
    return n;
}

void story_window_2(const char* text, int x, int y, int wt, int ht)
{
    check_height(ht, "story_window:  invalid height (must be between 1 and 257)\n\n");
    door_log_window(text);
    wt = std::max(wt, 1);
    char lines[WINDOW_LINES][WINDOW_LINE_MAX + 1];
    int n = split_window_text(text, lines);

    Bitmap win = scratch_bitmap(320, 240, "Out of memory!!!\n\n");
    clear_bitmap(win.get());
    fill_gradient(win.get(), x, y, wt, ht);
    draw_window_frame(win.get(), x, y, wt, ht, 255);
    draw_lines(win.get(), lines, n, x, y, is_thought(text));

    int pause = 20 - 4 * std::clamp(swind_speed, 0, 5);
    float w = 1.0f, grow = (float)wt / ht + (wt / ht == 0 ? 1 : 0);
    for (int i = 1; i <= ht; i++) {
        // The growth can overshoot a window taller than wide; never wider than the window.
        int shown = std::min((int)w, wt + 1);
        stretch_to_display(win.get(), x, y, wt + 1, ht + 1, x, y, shown, i);
        if (pause > 0) door_rest(pause);
        w += grow;
    }
    if (screen_scale == 1) stretch_to_display(win.get(), x, y, wt + 1, ht + 1, x, y, wt + 1, ht + 1);
}

void wrap_wind(const char* text)
{
    door_clear_keybuf();
    clear_joybuf();
    story_window_2(text, 10, 8, 300, 40);
    door_clear_keybuf();
    jreadkey();
    settle_input();
}

void message(const char* text)
{
    clear_joybuf();
    story_window_2(text, 80, 100, 160, 40);
    door_clear_keybuf();
    jreadkey();
    settle_input();
}

void still_window(BITMAP* bmp, int x, int y, int wt, int ht)
{
    still_window_ex(bmp, x, y, wt, ht, 255, FALSE);
}

void still_window_ex(BITMAP* bmp, int x, int y, int wt, int ht, int a, int all)
{
    check_height(ht, "still_window:  invalid height (must be between 1 and 257)\n\n");
    a = std::clamp(a, 0, 255);
    if (a != 255) {
        set_trans_blender(0, 0, 0, a);
        drawing_mode(DRAW_MODE_TRANS, nullptr, 0, 0);
    }
    fill_gradient(bmp, x, y, wt, ht);
    solid_mode();
    draw_window_frame(bmp, x, y, wt, ht, all ? a : 255);
}

int choice(const char* s1, const char* s2)
{
    capture_screen(buffer);
    settle_input();
    int row = 92;
    // Keys already down when the prompt opens (the Enter that closed the last
    // window) count only once let go.
    control_edges c;
    start_control_edges(&c);
    const bool* hit = c.hit;
    bool dirty = true, chosen = false;
    while (!chosen) {
        read_control_edges(&c);
        door_clear_keybuf();
        if (hit[CTL_CANCEL]) {
            beep();
            settle_input();
            return 2;
        }
        if (hit[CTL_UP] || hit[CTL_DOWN]) {
            beep();
            row += hit[CTL_UP] ? -12 : 12;
            if (row > 104) row = 92;
            if (row < 92) row = 104;
            dirty = true;
        }
        if (hit[CTL_OK]) {
            beep();
            chosen = true;
        }
        if (dirty) {
            still_window_ex(buffer, 100, 90, 120, 28, 255, FALSE);
            if (main_font) {
                textout_ex(buffer, main_font, s1 ? s1 : "", 117, 94, -1, -1);
                textout_ex(buffer, main_font, s2 ? s2 : "", 117, 106, -1, -1);
            }
            draw_cursor(102, row);
            blit_buffer();
            dirty = false;
        }
        if (!chosen) door_wait();
    }
    settle_input();
    return row == 92 ? 1 : 2;
}

void draw_place_window()
{
    if (!main_font || !g_place) return;
    int wt = text_length(main_font, g_place) + 5, ht = text_height(main_font) + 5;
    int x = 160 - wt / 2, y = 128 - ht, a = place_window_opacity();
    still_window_ex(buffer, x, y, wt, ht, a, TRUE);
    Bitmap txt = scratch_bitmap(wt, ht, "Out of memory!!!\n\n");
    clear_to_color(txt.get(), bitmap_mask_color(txt.get()));
    textout_centre_ex(txt.get(), main_font, g_place, wt / 2 + 1, 3, -1, -1);
    set_trans_blender(0, 0, 0, a);
    draw_trans_sprite(buffer, txt.get(), x, y);
}

void draw_cursor(int x, int y) { draw_data_picture(buffer, POINTER, x, y); }

void draw_v_scroller(int x, int y, int wt, int ht, float pc)
{
    pc = std::clamp(pc, 0.0f, 1.0f);
    draw_data_picture(buffer, SCROLL_THUMB, x + 2, y + (int)(pc * (ht - 12)) + 2);
    draw_window_frame(buffer, x, y, wt, ht, 255);
}

void change_font_col(FONT* f, int oldcol, int newcol)
{
    if (!f || !is_color_font(f)) return;
    FONT_COLOR_DATA* cf = (FONT_COLOR_DATA*)f->data;
    if (!cf || !cf->bitmaps) return;
    for (int i = 0; i < cf->end - cf->begin; i++) {
        BITMAP* g = cf->bitmaps[i];
        if (!g || bitmap_color_depth(g) != 8) continue;
        for (int y = 0; y < g->h; y++)
            for (int x = 0; x < g->w; x++)
                if (g->line[y][x] == oldcol) g->line[y][x] = (unsigned char)newcol;
    }
}
