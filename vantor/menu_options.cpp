// The menu's Options screen: drivers, window speed, volumes, the battle time
// bar and the font. Values change at once; "Apply Changes" re-installs the
// drivers, Escape keeps the values and leaves the drivers as they run.
#include <cstdio>

#include "battle.h"
#include "dat_names.h"
#include "door.h"
#include "menu.h"
#include "menu_screens.h"
#include "vantor.h"

namespace {

// The screen's size sits under the driver that draws it.
constexpr int TOP = 23, BOTTOM = 163, STEP = 14;
enum {
    ROW_GFX = 23,
    ROW_SCALE = 37,
    ROW_JOY = 51,
    ROW_DIGI = 65,
    ROW_MIDI = 79,
    ROW_SPEED = 93,
    ROW_SOUND = 107,
    ROW_MUSIC = 121,
    ROW_TIMEBAR = 135,
    ROW_FONT = 149,
    ROW_APPLY = 163
};

// The names the menu gives the display drivers it knows; Right walks them in
// this order, then any others the library reports.
struct gfx_choice {
    int id;
    const char* name;
};
// clang-format off
const gfx_choice GFX_NAMES[] = {
    {GFX_XWINDOWS, "X11 Window"},         {GFX_XWINDOWS_FULLSCREEN, "X11 Fullscreen"},
    {GFX_XDGA2, "DGA 2.0"},               {GFX_XDGA2_SOFT, "DGA 2.0 Soft"},
    {GFX_FBCON, "Framebuffer"},           {GFX_VBEAF, "VBE/AF"},
    {GFX_SVGALIB, "SVGAlib"},
};
// clang-format on
// Where the library cannot say (a headless run), an X11 desktop's drivers.
const int X11_DRIVERS[] = {GFX_XWINDOWS_FULLSCREEN, GFX_XWINDOWS, GFX_XDGA2_SOFT, GFX_XDGA2, 0};
constexpr int GFX_MAX = 24;

// A list the library reports, or null when it has none or an empty one.
_DRIVER_INFO* reported(_DRIVER_INFO* (*list)())
{
    _DRIVER_INFO* l = system_driver && list ? list() : nullptr;
    return l && l->id ? l : nullptr;
}

// Autodetect, then the drivers this system has, known names first.
int gfx_choices(gfx_choice* out)
{
    int ids[GFX_MAX];
    int n = 0;
    if (_DRIVER_INFO* l = reported(system_driver ? system_driver->gfx_drivers : nullptr)) {
        for (; l->id && n < GFX_MAX; l++) ids[n++] = l->id;
    } else {
        for (const int* id = X11_DRIVERS; *id; id++) ids[n++] = *id;
    }
    int count = 0;
    out[count++] = {0, "Autodetect"};
    for (const gfx_choice& known : GFX_NAMES)
        for (int i = 0; i < n; i++)
            if (ids[i] == known.id) {
                out[count++] = known;
                break;
            }
    if (_DRIVER_INFO* l = reported(system_driver ? system_driver->gfx_drivers : nullptr))
        for (; l->id && count < GFX_MAX; l++) {
            bool named = false;
            for (int i = 0; i < count; i++) named = named || out[i].id == l->id;
            const GFX_DRIVER* d = (const GFX_DRIVER*)l->driver;
            if (!named) out[count++] = {l->id, d && d->ascii_name ? d->ascii_name : "?"};
        }
    return count;
}

int gfx_index(const gfx_choice* c, int count, int id)
{
    for (int i = 0; i < count; i++)
        if (c[i].id == id) return i;
    return 0;
}

// The name the library gives driver id in one of its lists, or null.
const char* reported_name(_DRIVER_INFO* l, int kind, int id)
{
    for (; l && l->id; l++) {
        if (l->id != id || !l->driver) continue;
        if (kind == 0) return ((const DIGI_DRIVER*)l->driver)->ascii_name;
        if (kind == 1) return ((const MIDI_DRIVER*)l->driver)->ascii_name;
        return ((const JOYSTICK_DRIVER*)l->driver)->ascii_name;
    }
    return nullptr;
}

// A driver id as its four letters, for drivers the table does not name.
const char* id_text(int id, char* out)
{
    int n = 0;
    for (int shift = 24; shift >= 0; shift -= 8) {
        char c = (char)((id >> shift) & 0xFF);
        if (c > ' ' && c < 127) out[n++] = c;
    }
    out[n] = 0;
    return out;
}

const char* joy_name(int id, char* out)
{
    if (id == -1) return "Autodetect";
    if (id == JOY_TYPE_NONE) return "None";
    if (const char* n =
            reported_name(reported(system_driver ? system_driver->joystick_drivers : nullptr), 2, id))
        return n;
    if (id == JOY_TYPE_LINUX_ANALOGUE) return "Linux Analog";
    return id_text(id, out);
}

const char* digi_name(int id, char* out)
{
    switch (id) {
    case -1: return "Autodetect";
    case DIGI_NONE: return "None";
    default: break;
    }
    if (const char* n = reported_name(reported(system_driver ? system_driver->digi_drivers : nullptr), 0, id))
        return n;
    switch (id) {
    case DIGI_OSS: return "OSS";
    case DIGI_ALSA: return "ALSA";
    case DIGI_ESD: return "ESD";
    case DIGI_ARTS: return "aRts";
    case DIGI_JACK: return "JACK";
    default: return id_text(id, out);
    }
}

const char* midi_name(int id, char* out)
{
    switch (id) {
    case -1: return "Autodetect";
    case MIDI_NONE: return "None";
    default: break;
    }
    if (const char* n = reported_name(reported(system_driver ? system_driver->midi_drivers : nullptr), 1, id))
        return n;
    switch (id) {
    case MIDI_OSS: return "OSS";
    case MIDI_ALSA: return "ALSA";
    case MIDI_DIGMID: return "DIGMID";
    default: return id_text(id, out);
    }
}

// Waits for a key over a small window drawn straight onto the display.
void warn(const char* line1, const char* line2, int x, int y, int w, int h)
{
    BITMAP* keep = create_bitmap(320, 240);
    if (keep) blit(buffer, keep, 0, 0, 0, 0, 320, 240);
    still_window(buffer, x, y, w, h);
    if (main_font) {
        if (line2) {
            textout_centre_ex(buffer, main_font, line1, 155, y + 2, -1, -1);
            textout_ex(buffer, main_font, line2, x + 22, y + 12, -1, -1);
        } else {
            textout_ex(buffer, main_font, line1, x + 2, y + 1, -1, -1);
        }
    }
    blit_buffer();
    door_log_window(line2 ? line2 : line1);
    door_clear_keybuf();
    jreadkey();
    clear_joybuf();
    if (keep) {
        blit(keep, buffer, 0, 0, 0, 0, 320, 240);
        destroy_bitmap(keep);
    }
}

void change(int row, int dir)
{
    switch (row) {
    case ROW_GFX: current_gfx_driver = gfx_driver_step(current_gfx_driver, dir); break;
    case ROW_SCALE:
        // A window takes its new size at once; in full screen the size waits for the window.
        if (fullscreen)
            window_scale = scale_step(window_scale, dir);
        else
            change_display(scale_step(window_scale, dir), FALSE);
        break;
    case ROW_JOY: current_joystick = -1; break;
    case ROW_DIGI: current_sound_driver = -1; break;
    case ROW_MIDI: current_midi_driver = -1; break;
    case ROW_SPEED: swind_speed = window_speed_step(swind_speed, dir); break;
    case ROW_SOUND: sound_vol = volume_step(sound_vol, dir); break;
    case ROW_MUSIC: midi_vol = volume_step(midi_vol, dir); break;
    case ROW_TIMEBAR: show_timebar = show_timebar ? FALSE : TRUE; break;
    case ROW_FONT: font_setting = font_setting ? 0 : 1; break;
    }
}

} // namespace

int volume_step(int v, int dir)
{
    if (dir < 0 && v > 0) v -= 5;
    if (dir > 0 && v <= 254) v += 5;
    return v < 0 ? 0 : v > 255 ? 255 : v;
}

int window_speed_step(int v, int dir)
{
    v += dir < 0 ? -1 : 1;
    return v < 0 ? 0 : v > 5 ? 5 : v;
}

int scale_step(int v, int dir)
{
    v += dir < 0 ? -1 : 1;
    return v < 1 ? 4 : v > 4 ? 1 : v;
}

int gfx_driver_step(int id, int dir)
{
    gfx_choice c[GFX_MAX + 1];
    int count = gfx_choices(c);
    int i = gfx_index(c, count, id) + (dir < 0 ? -1 : 1);
    return c[(i + count) % count].id;
}

const char* gfx_driver_name(int id)
{
    gfx_choice c[GFX_MAX + 1];
    int count = gfx_choices(c);
    return c[gfx_index(c, count, id)].name;
}

void draw_menu_options()
{
    draw_menu_frame("Options", FALSE);
    still_window(buffer, 2, 2, 316, 236);
    if (!main_font) return;
    char b[8];
    textprintf_ex(buffer, main_font, 24, ROW_GFX, -1, -1, "Gfx driver: %s",
                  gfx_driver_name(current_gfx_driver));
    textprintf_ex(buffer, main_font, 24, ROW_SCALE, -1, -1, "Window Size: %dx", window_scale);
    textprintf_ex(buffer, main_font, 24, ROW_JOY, -1, -1, "Joystick type: %s", joy_name(current_joystick, b));
    textprintf_ex(buffer, main_font, 24, ROW_DIGI, -1, -1, "Digital Sound Card: %s",
                  digi_name(current_sound_driver, b));
    textprintf_ex(buffer, main_font, 24, ROW_MIDI, -1, -1, "Midi Card: %s",
                  midi_name(current_midi_driver, b));
    textprintf_ex(buffer, main_font, 24, ROW_SPEED, -1, -1, "Window Speed:  %d", swind_speed);
    textprintf_ex(buffer, main_font, 24, ROW_SOUND, -1, -1, "Sound Volume: %d", sound_vol);
    textprintf_ex(buffer, main_font, 24, ROW_MUSIC, -1, -1, "Midi Volume: %d", midi_vol);
    textprintf_ex(buffer, main_font, 24, ROW_TIMEBAR, -1, -1, "Battle Timebar: %s",
                  show_timebar ? "On" : "Off");
    textprintf_ex(buffer, main_font, 24, ROW_FONT, -1, -1, "Game Font: %s",
                  font_setting ? "Vantor Font" : "System");
    textout_ex(buffer, main_font, "Apply Changes", 24, ROW_APPLY, -1, -1);
    textout_ex(buffer, main_font, "Left/Right change a setting.", 24, 190, -1, -1);
    textout_ex(buffer, main_font, "Drivers change on Apply Changes.", 24, 204, -1, -1);
    textout_ex(buffer, main_font, "Alt+Enter: window or full screen.", 24, 218, -1, -1);
}

void do_menu_options()
{
    mcx = 4;
    mcy = TOP;
    virtual_screen = TRUE;
    draw_menu(MENU_OPTIONS, nullptr);
    virtual_screen = FALSE;
    menu_unroll();
    menu_keys k;
    menu_keys_start(&k);
    for (;;) {
        door_wait();
        if (!menu_keys_read(&k)) continue;
        beep();
        if (k.hit[MK_BACK]) break;
        if (k.hit[MK_UP]) mcy = menu_wrap(mcy - STEP, TOP, BOTTOM);
        if (k.hit[MK_DOWN]) mcy = menu_wrap(mcy + STEP, TOP, BOTTOM);
        if (k.hit[MK_LEFT]) change(mcy, -1);
        if (k.hit[MK_RIGHT]) change(mcy, 1);
        if (k.hit[MK_ENTER] && mcy == ROW_APPLY) {
            update_vantor_options();
            break;
        }
        draw_menu(MENU_OPTIONS, nullptr);
    }
}

void update_vantor_options()
{
    int gfx_changed = current_gfx_driver != old_gfx_driver;
    if (gfx_changed) message("Please restart game_to correct_discolorations.");
    door_stop_midi();
    door_remove_sound();
    if (!mute && door_install_sound(current_sound_driver, current_midi_driver) != 0) {
        warn("Sound/Midi error (restoring default)", nullptr, 50, 90, 200, 20);
        door_install_sound(DIGI_AUTODETECT, MIDI_AUTODETECT);
        current_sound_driver = -1;
        current_midi_driver = -1;
    }
    if (current_joystick && !no_joy) door_install_joystick(current_joystick);
    if (gfx_changed) {
        // Choosing the X11 window or full-screen driver is choosing one or the other.
        int was_full = fullscreen;
        if (current_gfx_driver == GFX_XWINDOWS) fullscreen = FALSE;
        if (current_gfx_driver == GFX_XWINDOWS_FULLSCREEN) fullscreen = TRUE;
        if (open_display() != 0) {
            char err[ALLEGRO_ERROR_SIZE + 1];
            snprintf(err, sizeof err, "%s", allegro_error);
            current_gfx_driver = 0;
            fullscreen = was_full;
            if (open_display() != 0 && open_fallback_display() != 0)
                fatalerror("Error re-setting graphics mode\n\n");
            blit_buffer();
            warn("Error", err, 5, 90, 300, 35);
        }
        // A new mode starts on the library's own palette.
        select_palette((RGB*)data[GAME_PALETTE].dat);
        blit_buffer();
    }
    door_set_volume(sound_vol, midi_vol);
    if (playing >= 0) door_play_midi(playing, TRUE);
    main_font = (FONT*)data[font_setting ? MAIN_FONT_VANTOR : MAIN_FONT_SYSTEM].dat;
    color_font = (FONT*)data[font_setting ? COLOR_FONT_VANTOR : COLOR_FONT_SYSTEM].dat;
}
