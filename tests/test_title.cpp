// The screens before play, run as a player meets them: the logo, the
// prologue and the title menu, with Continue reading a real slot file; and
// the testers' debug editor, reachable only with the debug switch.
#include <gtest/gtest.h>

#include <cstdio>

#include "harness.h"
#include "menu_save.h"
#include "vantor.h"

namespace {

// The logo takes about eleven seconds with its fade, the prologue five and the
// title's slide and lettering under two: the menu is up well before this.
const char* const TO_MENU = "wait 25s\n";

GameRun from_the_start(const std::string& script, const std::vector<std::string>& args = {},
                       const std::map<std::string, std::string>& files = {})
{
    return run_game(script, args, files, 1, true);
}

// A slot file of a game on the world map with some gold, made by the game's own writer.
std::string saved_slot(int gold)
{
    headless_game_start("");
    g_map_num = -1;
    g_gp = gold;
    mike->x = 1424;
    mike->y = 208;
    saved_game g;
    capture_saved_game(&g);
    std::string path = make_temp_dir() + "/slot.vtr";
    EXPECT_TRUE(write_save_file(path.c_str(), g));
    return read_file(path);
}

TEST(Title, QuitFromTheMenuEndsTheGameCleanlyAfterLogoPrologueAndTitleMusic)
{
    // Esc only moves the pointer to Quit; Enter chooses it.
    GameRun run = from_the_start(std::string(TO_MENU) + "tap Esc\nwait 200ms\ntap Enter\nwait 3s\nend\n");
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_TRUE(run.heard("midi 60 ")) << "the prologue's music";
    EXPECT_TRUE(run.heard("midi 86 ")) << "the title's music";
}

TEST(Title, EscAloneDoesNotQuit)
{
    GameRun run = from_the_start(std::string(TO_MENU) + "tap Esc\nwait 2s\nend\n");
    EXPECT_EQ(run.status, 3) << "the title must still be waiting for Enter";
}

TEST(Title, AKeySkipsThePrologueSoTheTitleMusicStartsSooner)
{
    auto title_music_at = [](const GameRun& run) {
        for (const std::string& s : run.sounds)
            if (s.rfind("midi 86 ", 0) == 0) return std::stol(s.substr(s.find('@') + 1));
        return -1L;
    };
    GameRun slow = from_the_start(std::string(TO_MENU) + "tap Esc\ntap Enter\nwait 3s\nend\n");
    GameRun fast =
        from_the_start("wait 12s\ntap Space\n" + std::string(TO_MENU) + "tap Esc\ntap Enter\nwait 3s\nend\n");
    ASSERT_EQ(slow.status, 0) << slow.output;
    ASSERT_EQ(fast.status, 0) << fast.output;
    long a = title_music_at(slow), b = title_music_at(fast);
    ASSERT_GT(a, 0);
    ASSERT_GT(b, 0);
    EXPECT_LT(b, a - 1000) << "the prologue should have ended at the key";
}

TEST(Title, ContinueEntersTheSavedGameAndAnEmptySlotSaysSoAndStaysOnTheTitle)
{
    std::string slot = saved_slot(4321);
    // Slot 1 holds the game: Down to Continue, Enter, Enter on slot 1; on the field, Esc held quits.
    GameRun run =
        from_the_start(std::string(TO_MENU) + "tap Down\nwait 200ms\ntap Enter\nwait 1s\ntap Enter\nwait 5s\n"
                                              "press Esc\nwait 2s\nend\n",
                       {"-nofight:47390"}, {{"f1.vtr", slot}});
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(run.dump_int("ggp"), 4321);
    EXPECT_EQ(run.dump_int("mapnum"), -1);
    EXPECT_EQ(run.dump_int("mikex"), 1424);

    // No slot at all: the picker's choice reads nothing, the game says so and the title goes on.
    GameRun empty = from_the_start(std::string(TO_MENU) +
                                   "tap Down\nwait 200ms\ntap Enter\nwait 1s\ntap Enter\nwait 2s\ntap Enter\n"
                                   "wait 2s\nend\n");
    EXPECT_EQ(empty.status, 3) << "back on the title menu, waiting";
    EXPECT_TRUE(empty.said("Error reading file!"));
}

TEST(DebugEditor, SetsAFlagAndAnItemCountFromTheFieldOnlyWithTheDebugSwitch)
{
    // On the field: D opens the editor; Enter opens the flag page; Down wraps from flag 0
    // to flag 100; Enter, Up (TRUE), Enter stores it; Esc leaves the page. Then the item page:
    // Down to its row, Enter, Up to slot 1, Enter, Up Up Up, Enter stores 3.
    std::string edit =
        "wait 4s\ntap D\nwait 300ms\ntap Enter\nwait 100ms\n"
        "tap Down\nwait 100ms\n"
        "tap Enter\nwait 100ms\ntap Up\nwait 100ms\ntap Enter\nwait 100ms\ntap Esc\nwait 100ms\n"
        "tap Down\nwait 100ms\ntap Enter\nwait 100ms\ntap Up\nwait 100ms\ntap Enter\nwait 100ms\n"
        "tap Up\ntap Up\ntap Up\nwait 100ms\ntap Enter\nwait 100ms\ntap Esc\nwait 100ms\ntap Esc\n"
        "wait 1s\npress Esc\nwait 2s\nend\n";
    GameRun with = run_game(edit, {"-debug:58214", "-nofight:47390"});
    ASSERT_EQ(with.status, 0) << with.output << (with.windows.empty() ? "" : with.windows.back());
    EXPECT_EQ(with.dump_int("sflag100"), -1);
    EXPECT_EQ(with.dump_int("item1"), 3);

    // Without the switch D is just a key: the Enter that would open the flag page and the
    // Enter that would store stay on the field, where they open nothing.
    GameRun without = run_game("wait 2s\ntap D\nwait 200ms\ntap Enter\nwait 100ms\ntap Enter\nwait 100ms\n"
                               "press Esc\nwait 2s\nend\n",
                               {"-nofight:47390"});
    ASSERT_EQ(without.status, 0) << without.output;
    EXPECT_EQ(without.dump_int("sflag0"), 0);
    EXPECT_EQ(without.dump_int("mikex"), with.dump_int("mikex"));
}

} // namespace
