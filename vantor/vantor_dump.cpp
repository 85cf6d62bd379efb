// The state dump of scripted runs: the save file's keys and values, plus where
// Mike and the camera stand, so a test or a bug report can compare whole runs.
#include "vantor.h"

#include "follow.h"
#include "menu_save.h"
#include "world.h"
#include "town.h"

void write_state_dump(FILE* f)
{
    // The save file's own lines, from the save file's own table of keys.
    saved_game g;
    capture_saved_game(&g);
    fputs(save_text(g, TRUE).c_str(), f);
    if (mike) fprintf(f, "mikeface %d\nmikehalved %d\n", mike->face, mike->halved);
    // Beyond the save file: where the game is now.
    fprintf(f, "mapnum %d\nregion %d\nplace %s\nplaying %d\nemulate %d\n", g_map_num, current_region,
            g_place ? g_place : "", playing, emulate);
    fprintf(f, "infield %d\nintown %d\nfights %d\ndebug %d\nmute %d\n", in_field, in_town, fights, debug,
            mute);
    fprintf(f, "soundvol %d\nmidivol %d\nfontsetting %d\n", sound_vol, midi_vol, font_setting);
    fprintf(f, "screenscale %d\nfullscreen %d\nwindowscale %d\ngfxdriver %d\n", screen_scale, fullscreen,
            window_scale, current_gfx_driver);
    write_follow_dump(f);
}
