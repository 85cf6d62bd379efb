// The display: the game's 320 x 240 picture shown on the real screen, scaled
// by a whole number so every pixel stays sharp, in a window or filling the
// monitor. Settings pick the window's scale and full screen; Alt+Enter
// switches between window and full screen while playing.
#include "vantor.h"

#include <algorithm>
#include <cstdio>
#include <memory>

#include "dat_names.h"
#include "door.h"

int window_scale = 1;
int fullscreen = FALSE;
int screen_scale = 1;
int screen_left = 0;
int screen_top = 0;
int old_gfx_driver = 0;

namespace {

bool x11_pair(int id) { return id == GFX_XWINDOWS || id == GFX_XWINDOWS_FULLSCREEN; }

bool autodetect_kind(int id)
{
    return id == GFX_AUTODETECT || id == GFX_AUTODETECT_WINDOWED || id == GFX_AUTODETECT_FULLSCREEN;
}

// The card to ask for: autodetect and X11 come in a window and a full-screen
// kind, the switch picks one; any other driver is what it is.
int display_card(int full)
{
    if (autodetect_kind(current_gfx_driver))
        return full ? GFX_AUTODETECT_FULLSCREEN : GFX_AUTODETECT_WINDOWED;
    if (x11_pair(current_gfx_driver)) return full ? GFX_XWINDOWS_FULLSCREEN : GFX_XWINDOWS;
    return current_gfx_driver;
}

bool try_mode(int card, int w, int h, int scale)
{
    if (w < 320 * scale || h < 240 * scale || door_set_gfx_mode(card, w, h) != 0) return false;
    screen_scale = scale;
    screen_left = (w - 320 * scale) / 2;
    screen_top = (h - 240 * scale) / 2;
    emulate = scale > 1 ? TRUE : FALSE;
    return true;
}

struct BitmapDeleter {
    void operator()(BITMAP* b) const { destroy_bitmap(b); }
};
using Bitmap = std::unique_ptr<BITMAP, BitmapDeleter>;

// The picture on show now. A window waiting for its key is drawn on the display only,
// not in the buffer: the new mode must show it again or the player waits on nothing.
Bitmap shown_picture()
{
    Bitmap shown(screen ? create_bitmap(320, 240) : nullptr);
    if (shown) capture_screen(shown.get());
    return shown;
}

// A fresh mode starts on the library's default palette, which would
// discolour the game's fonts; and its borders must be black.
void after_mode(BITMAP* shown)
{
    if (data) select_palette((RGB*)data[GAME_PALETTE].dat);
    door_set_window_title("Vantor");
    if (screen) clear_to_color(screen, makecol(0, 0, 0));
    if (shown)
        show_picture(shown);
    else if (buffer)
        blit_buffer();
}

} // namespace

int open_display()
{
    int card = display_card(fullscreen);
    bool ok = false;
    if (fullscreen && (card == GFX_AUTODETECT_FULLSCREEN || card == GFX_XWINDOWS_FULLSCREEN)) {
        // Filling the monitor at its own size spares it a mode change; the
        // picture takes the largest whole scale that fits, centred.
        int dw = 0, dh = 0;
        door_desktop_size(&dw, &dh);
        int fit = std::min(dw / 320, dh / 240);
        ok = (fit >= 1 && try_mode(card, dw, dh, fit)) || try_mode(card, 640, 480, 2) ||
             try_mode(card, 320, 240, 1);
    } else {
        int scale = std::clamp(window_scale, 1, 4);
        if (force_emu && scale < 2) scale = 2;
        ok = try_mode(card, 320 * scale, 240 * scale, scale);
    }
    if (ok) old_gfx_driver = current_gfx_driver;
    return ok ? 0 : -1;
}

int open_fallback_display()
{
    if (!try_mode(GFX_AUTODETECT_WINDOWED, 640, 480, 2)) return -1;
    old_gfx_driver = current_gfx_driver;
    return 0;
}

int change_display(int scale, int full)
{
    int was_scale = window_scale, was_full = fullscreen, was_driver = current_gfx_driver;
    Bitmap shown = shown_picture();
    window_scale = std::clamp(scale, 1, 4);
    fullscreen = full ? TRUE : FALSE;
    if (open_display() == 0) {
        after_mode(shown.get());
        return TRUE;
    }
    window_scale = was_scale;
    fullscreen = was_full;
    current_gfx_driver = was_driver;
    if (open_display() != 0 && open_fallback_display() != 0) fatalerror("Error re-setting graphics mode\n\n");
    after_mode(shown.get());
    message("The display could not_be switched; it stays_as it was.");
    return FALSE;
}

void toggle_fullscreen()
{
    // The X11 and autodetect drivers have a window kind and a full-screen
    // kind; the settings name the one in use.
    int was_driver = current_gfx_driver;
    if (current_gfx_driver == GFX_XWINDOWS)
        current_gfx_driver = GFX_XWINDOWS_FULLSCREEN;
    else if (current_gfx_driver == GFX_XWINDOWS_FULLSCREEN)
        current_gfx_driver = GFX_XWINDOWS;
    else if (current_gfx_driver == GFX_AUTODETECT_WINDOWED)
        current_gfx_driver = GFX_AUTODETECT_FULLSCREEN;
    else if (current_gfx_driver == GFX_AUTODETECT_FULLSCREEN)
        current_gfx_driver = GFX_AUTODETECT_WINDOWED;
    if (!change_display(window_scale, !fullscreen)) current_gfx_driver = was_driver;
}

int alt_held() { return key[KEY_ALT] || key[KEY_ALTGR] ? TRUE : FALSE; }

int display_switch_key()
{
    static bool was = false;
    bool down = alt_held() && key[KEY_ENTER];
    bool hit = down && !was;
    was = down;
    if (!hit) return FALSE;
    toggle_fullscreen();
    // The Enter of the switch must not also talk or choose.
    for (int waits = 0; key[KEY_ENTER] && waits < 100000; waits++) {
        door_wait();
        door_poll_keyboard();
    }
    door_clear_keybuf();
    was = false;
    return TRUE;
}

void stretch_to_display(BITMAP* src, int sx, int sy, int sw, int sh, int dx, int dy, int dw, int dh)
{
    if (!src || !screen || sw <= 0 || sh <= 0 || dw <= 0 || dh <= 0) return;
    int s = screen_scale, x = screen_left + dx * s, y = screen_top + dy * s;
    if (s == 1 && sw == dw && sh == dh)
        blit(src, screen, sx, sy, x, y, sw, sh);
    else
        stretch_blit(src, screen, sx, sy, sw, sh, x, y, dw * s, dh * s);
}

void capture_screen(BITMAP* dest)
{
    if (!dest || !screen) return;
    if (screen_scale == 1)
        blit(screen, dest, screen_left, screen_top, 0, 0, 320, 240);
    else
        stretch_blit(screen, dest, screen_left, screen_top, 320 * screen_scale, 240 * screen_scale, 0, 0, 320,
                     240);
}

void show_picture(BITMAP* src) { stretch_to_display(src, 0, 0, 320, 240, 0, 0, 320, 240); }
