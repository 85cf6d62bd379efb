// Installed like a game: the tree `cmake --install` lays out under a prefix,
// and its launcher starting the game in the player's own game directory.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>

#include "harness.h"

namespace {

bool is_file(const std::string& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

int run(const std::string& command)
{
    int status = system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

TEST(Install, TheInstalledLauncherStartsTheGameInThePlayersOwnDirectory)
{
    std::string tmp = make_temp_dir();
    std::string prefix = tmp + "/prefix";
    ASSERT_EQ(run("cmake --install '" VANTOR_BUILD_DIR "' --prefix '" + prefix + "' >'" + tmp +
                  "/install.log' 2>&1"),
              0)
        << read_file(tmp + "/install.log");

    for (const char* f :
         {"bin/vantor", "libexec/vantor/vantor", "share/vantor/data.dat", "share/vantor/chrctrs.dat",
          "share/vantor/tiles.dat", "share/vantor/lgmovie.dat", "share/vantor/make_patches.sh",
          "share/applications/vantor.desktop", "share/icons/hicolor/64x64/apps/vantor.png"})
        EXPECT_TRUE(is_file(prefix + "/" + f)) << f;
    EXPECT_FALSE(is_file(prefix + "/share/vantor/maps.stamp")) << "build bookkeeping stays out";

    std::string desktop = read_file(prefix + "/share/applications/vantor.desktop");
    EXPECT_EQ(desktop.rfind("[Desktop Entry]\n", 0), 0u) << desktop;
    EXPECT_NE(desktop.find("\nExec=" + prefix + "/bin/vantor\n"), std::string::npos) << desktop;
    EXPECT_NE(desktop.find("\nIcon=" + prefix + "/share/icons/hicolor/64x64/apps/vantor.png\n"),
              std::string::npos);
    std::string icon = read_file(prefix + "/share/icons/hicolor/64x64/apps/vantor.png");
    ASSERT_GT(icon.size(), 24u);
    EXPECT_EQ(icon.substr(1, 3), "PNG");
    EXPECT_EQ(icon.substr(16, 8), std::string("\0\0\0\x40\0\0\0\x40", 8)) << "64 x 64";

    // The player's directory already holds settings and a save: the launcher brings
    // the program and data in and leaves those alone; the game runs there.
    std::string game_dir = tmp + "/home/data/vantor";
    ASSERT_EQ(run("mkdir -p '" + game_dir + "'"), 0);
    std::ofstream(game_dir + "/f1.vtr") << "mine";
    std::ofstream(tmp + "/script.txt") << "wait 2s\npress Esc\nwait 1s\nend\n";
    std::string env = "cd / && HOME='" + tmp + "/home' XDG_DATA_HOME='" + tmp +
                      "/home/data' VANTOR_SCRIPT='" + tmp + "/script.txt' VANTOR_DUMP='" + tmp +
                      "/dump.txt' VANTOR_START=world DISPLAY= ";
    EXPECT_EQ(run(env + "'" + prefix + "/bin/vantor' -nofight:47390 >'" + tmp + "/run.log' 2>&1"), 0)
        << read_file(tmp + "/run.log");
    EXPECT_NE(read_file(tmp + "/dump.txt").find("\nexit 0\n"), std::string::npos)
        << read_file(tmp + "/dump.txt");
    EXPECT_TRUE(is_file(game_dir + "/vantor"));
    EXPECT_TRUE(is_file(game_dir + "/tiles.dat"));
    EXPECT_EQ(read_file(game_dir + "/f1.vtr"), "mine");
    EXPECT_FALSE(is_file(game_dir + "/patches.dat")) << "a scripted run needs no instruments";

    // A refused switch comes back as the launcher's own status.
    EXPECT_EQ(run(env + "'" + prefix + "/bin/vantor' -nonsense >/dev/null 2>&1"), 1);
}
