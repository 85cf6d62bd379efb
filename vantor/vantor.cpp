// Start-up, settings, shutdown and the one fatal-error exit.
#include "vantor.h"

#include "datcheck.h"
#include "door.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

int no_joy = FALSE;
int mute = FALSE;
int fights = TRUE;
int debug = FALSE;
int force_emu = FALSE;
int current_gfx_driver = 0;
int current_joystick = -1;
int current_sound_driver = -1;
int current_midi_driver = -1;
int sound_vol = 255;
int midi_vol = 255;
int ask_emu = TRUE;
int font_setting = 0;
int emulate = FALSE;

DATAFILE* data = nullptr;
DATAFILE* tiles = nullptr;
DATAFILE* characters = nullptr;
BITMAP* buffer = nullptr;
BITMAP* sprite_layer = nullptr;
BITMAP* window_layer = nullptr;

namespace {

const char* const settings_file = "winconfig.cfg";

struct Switch {
    const char* text;
    int* global;
    int value;
};

// clang-format off
const Switch switches[] = {
    {"-nojoy", &no_joy, TRUE},           {"-mute", &mute, TRUE},           {"-nofight:47390", &fights, FALSE},
    {"-debug:58214", &debug, TRUE},      {"-showcoords", &show_coords, TRUE}, {"-forcemu", &force_emu, TRUE},
};
// clang-format on

// A whole-number setting; garbage or a missing key gives the default.
int config_int(const char* section, const char* name, int def)
{
    const char* s = get_config_string(section, name, nullptr);
    if (!s) return def;
    char* end = nullptr;
    errno = 0;
    long v = strtol(s, &end, 0);
    while (end && (*end == ' ' || *end == '\t' || *end == '\r')) end++;
    if (end == s || !end || *end || errno || v < -2147483647L || v > 2147483647L) return def;
    return (int)v;
}

int clamp_volume(int v) { return v < 0 ? 0 : v > 255 ? 255 : v; }

// A driver id the library offers (or one of the always-valid codes).
bool known_driver(_DRIVER_INFO* list, int id)
{
    if (!list) return false;
    for (; list->id; list++)
        if (list->id == id) return true;
    return false;
}

int gfx_code(int v)
{
    if (v == GFX_AUTODETECT || v == GFX_AUTODETECT_FULLSCREEN || v == GFX_AUTODETECT_WINDOWED ||
        v == GFX_SAFE)
        return v;
    _DRIVER_INFO* list =
        system_driver && system_driver->gfx_drivers ? system_driver->gfx_drivers() : _gfx_driver_list;
    return known_driver(list, v) ? v : 0;
}

int digi_code(int v)
{
    if (v == DIGI_AUTODETECT || v == DIGI_NONE) return v;
    _DRIVER_INFO* list =
        system_driver && system_driver->digi_drivers ? system_driver->digi_drivers() : _digi_driver_list;
    return known_driver(list, v) ? v : DIGI_AUTODETECT;
}

int midi_code(int v)
{
    if (v == MIDI_AUTODETECT || v == MIDI_NONE) return v;
    _DRIVER_INFO* list =
        system_driver && system_driver->midi_drivers ? system_driver->midi_drivers() : _midi_driver_list;
    return known_driver(list, v) ? v : MIDI_AUTODETECT;
}

int joy_code(int v)
{
    if (v == JOY_TYPE_AUTODETECT || v == JOY_TYPE_NONE) return v;
    _DRIVER_INFO* list = system_driver && system_driver->joystick_drivers ? system_driver->joystick_drivers()
                                                                          : _joystick_driver_list;
    return known_driver(list, v) ? v : JOY_TYPE_AUTODETECT;
}

// Fatal exit with the library's error text in the message (and a second box after it).
[[noreturn]] void fatal_with_error(const char* fmt, const char* second)
{
    char text[512];
    snprintf(text, sizeof text, fmt, allegro_error);
    if (!second) fatalerror(text);
    door_text_mode();
    door_message(text);
    fatalerror(second);
}

} // namespace

int parse_switches(int argc, char** argv)
{
    for (int i = 1; i < argc; i++) {
        bool found = false;
        for (const Switch& s : switches)
            if (strcmp(argv[i], s.text) == 0) {
                *s.global = s.value;
                found = true;
            }
        if (!found) {
            door_message("Bad command or file name\n");
            door_message("......Just kidding.  One of your command args is incorrect\n");
            return FALSE;
        }
    }
    return TRUE;
}

void read_settings()
{
    set_config_file(settings_file);
    current_gfx_driver = gfx_code(config_int("HardwareSettings", "GfxDriver", 0));
    current_joystick = joy_code(config_int("HardwareSettings", "JoyDriver", -1));
    current_sound_driver = digi_code(config_int("HardwareSettings", "DigiSoundDriver", -1));
    current_midi_driver = midi_code(config_int("HardwareSettings", "MidiSoundDriver", -1));
    sound_vol = clamp_volume(config_int("HardwareSettings", "SoundVolume", 255));
    midi_vol = clamp_volume(config_int("HardwareSettings", "MidiVolume", 160));
    ask_emu = config_int("MiscSettings", "AskEmu", -1) ? TRUE : FALSE;
    font_setting = config_int("MiscSettings", "FontSetting", 0) ? 1 : 0;
    // Older settings files have no display section: a window at the old size,
    // or full screen when the driver itself is a full-screen one.
    window_scale = std::clamp(config_int("DisplaySettings", "WindowScale", 1), 1, 4);
    int full_driver =
        current_gfx_driver == GFX_AUTODETECT_FULLSCREEN || current_gfx_driver == GFX_XWINDOWS_FULLSCREEN;
    fullscreen = config_int("DisplaySettings", "Fullscreen", full_driver) ? TRUE : FALSE;
}

void write_settings()
{
    // Written whole to a side file and renamed over the old one, so a crash
    // half-way never leaves the player without settings.
    std::string tmp = std::string(settings_file) + ".new";
    FILE* f = fopen(tmp.c_str(), "w");
    if (!f) return;
    fprintf(
        f, "[HardwareSettings]\nGfxDriver = %d\nJoyDriver = %d\nDigiSoundDriver = %d\nMidiSoundDriver = %d\n",
        current_gfx_driver, current_joystick, current_sound_driver, current_midi_driver);
    fprintf(f, "SoundVolume = %d\nMidiVolume = %d\n\n", clamp_volume(sound_vol), clamp_volume(midi_vol));
    fprintf(f, "[MiscSettings]\nAskEmu = %d\nFontSetting = %d\n\n", ask_emu, font_setting);
    fprintf(f, "[DisplaySettings]\nWindowScale = %d\nFullscreen = %d\n", std::clamp(window_scale, 1, 4),
            fullscreen ? 1 : 0);
    bool ok = fflush(f) == 0;
    ok = fclose(f) == 0 && ok;
    if (ok)
        rename(tmp.c_str(), settings_file);
    else
        remove(tmp.c_str());
}

void vantor_init()
{
    set_uformat(U_ASCII);
    if (door_install_allegro() != 0) {
        fprintf(stderr, "vantor: cannot start the game library: %s\n", allegro_error);
        door_exit(1);
    }
    read_settings();
    if (door_install_keyboard() != 0) fatalerror("Error installing keyboard!!\n\n");
    if (door_install_timer() != 0) fatalerror("Error installing timer!!\n\n");
    if (!no_joy) {
        door_install_joystick(current_joystick);
    } else {
        current_joystick = 0;
    }
    // A palette fade only means something once a mode is up (it is a no-op at start here).
    if (gfx_driver && !door_scripted) fade_out(5);

    set_color_depth(16);
    if (open_display() != 0) {
        if (ask_emu && !force_emu) {
            char text[512];
            snprintf(text, sizeof text, "Error setting graphics mode:  \n%s\n", allegro_error);
            door_message(text);
            door_message("Alternatively running 640x480 Emulation mode...(largely untested)\n");
            door_message("(Re-tab to the program now)");
        }
        if (open_fallback_display() != 0)
            fatal_with_error("Error re-setting graphics mode: %s\n",
                             "...Try running the windows directx version..\n");
    }
    textout_right_ex(screen, font, "Loading...", screen->w, screen->h - 8, -1, -1);

    if (!mute && door_install_sound(current_sound_driver, current_midi_driver) != 0)
        fatal_with_error("Error:  %s\n(Try using -mute switch)\n", nullptr);
    door_set_volume(sound_vol, midi_vol);

    buffer = create_bitmap(320, 240);
    sprite_layer = create_bitmap(320, 240);
    window_layer = create_bitmap(320, 240);
    if (!buffer || !sprite_layer || !window_layer) fatalerror("out of memory\n\n\n");
    clear_to_color(buffer, makecol(0, 0, 0));
    clear_to_color(window_layer, makecol(255, 0, 255));

    data = load_checked_datafile(data_dat_layout);
    tiles = load_checked_datafile(tiles_dat_layout);
    characters = load_checked_datafile(chrctrs_dat_layout, "quorl52");
    door_set_sound_data(data);

    door_seed_random();
    init_variables();
    select_palette(desktop_palette);
    door_set_window_title("Vantor");
    select_palette((RGB*)data[GAME_PALETTE].dat);
}

void vantor_shutdown()
{
    // A scripted run's dump describes the game as it ended, not the freed records.
    door_capture_state();
    if (buffer) destroy_bitmap(buffer);
    if (sprite_layer) destroy_bitmap(sprite_layer);
    if (window_layer) destroy_bitmap(window_layer);
    buffer = sprite_layer = window_layer = nullptr;
    if (no_pic) destroy_rle_sprite(no_pic);
    no_pic = nullptr;
    for (LIGHTMAP*& l : save_sprites) {
        destroy_lightmap(l);
        l = nullptr;
    }
    destroy_tilemap(map);
    map = nullptr;
    door_set_sound_data(nullptr);
    if (characters) unload_datafile(characters);
    if (data) unload_datafile(data);
    if (tiles) unload_datafile(tiles);
    characters = data = tiles = nullptr;
    write_settings();
    if (door_scripted && screen) {
        destroy_bitmap(screen);
        screen = nullptr;
    }
    allegro_exit();
    free_variables();
}

void fatalerror(const char* mess)
{
    door_text_mode();
    door_message(mess ? mess : "Out of memory!!!\n\n");
    allegro_exit();
    door_exit(1);
}
