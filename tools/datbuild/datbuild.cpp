// datbuild WHICH OUT.dat ASSETS_DIR [SHEET.png]
// Builds one of the game's datafiles from its text sources.
#include "datafiles/datafiles.h"

#include <cerrno>

int main(int argc, char** argv)
{
    if (argc < 4) tool_fail("usage: datbuild data|chrctrs|tiles|lgmovie OUT.dat ASSETS_DIR [SHEET.png]");
    if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0) tool_fail("cannot start the library");
    set_color_depth(16);
    build_datafile(argv[1], argv[2], argv[3], argc > 4 ? argv[4] : nullptr);
    return 0;
}
END_OF_MAIN()
