// data.dat: palette, fonts and pictures here; samples and music come from
// their own generators.  The object numbers are listed in assets/manifest/data.txt.
#include "pictures/art.h"

void gen_data(DatFile& f, const std::string& assets)
{
    add_palette(f);
    add_fonts(f, assets);
    add_ui_art(f, assets);
    add_battle_backgrounds(f);
    add_title_art(f, assets);
    gen_sounds(f, assets);
    gen_music(f, assets);
}
