// datbuild WHICH OUT.dat ASSETS_DIR [SHEET.png]
// Builds one of the game's datafiles from its text sources.
#include "gen.h"

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    if (argc < 4) tool_fail("usage: datbuild data|chrctrs|tiles|lgmovie OUT.dat ASSETS_DIR [SHEET.png]");
    if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0) tool_fail("cannot start the library");
    set_color_depth(16);
    std::string which = argv[1], assets = argv[3];
    DatFile f;
    const char* password = nullptr;
    if (which == "data") {
        gen_data(f, assets);
    } else if (which == "chrctrs") {
        gen_chr_actors(f, assets);
        gen_chr_battle(f, assets);
        password = "quorl52";
    } else if (which == "tiles") {
        gen_tiles(f, assets);
    } else if (which == "lgmovie") {
        gen_lgmovie(f, assets);
    } else {
        tool_fail("datbuild: unknown datafile %s", which.c_str());
    }
    int count = f.empty() ? 1 : f.rbegin()->first + 1;
    if (dat_write(argv[2], f, count, password) != 0) tool_fail("datbuild: cannot write %s", argv[2]);
    if (argc > 4) write_contact_sheet(f, argv[4]);
    return 0;
}
END_OF_MAIN()
