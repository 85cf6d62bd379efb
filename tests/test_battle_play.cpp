// Random battles played through the real game: a fight started on the
// world map with the debug key, won by striking or lost by only defending.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "battle.h"
#include "dat_names.h"
#include "harness.h"
#include "vantor.h"

namespace {

const std::vector<std::string> debug_switch = {"-debug:58214", "-mute"};

// On the road below the bridge (world region 0) Ctrl+F starts a battle at once.
const char* const start_fight = "wait 2s\nhold Ctrl\ntap F 30\nrelease Ctrl\nwait 3s\n";

std::string repeat(const std::string& piece, int times)
{
    std::string s;
    for (int i = 0; i < times; i++) s += piece;
    return s;
}

// Where the sound log line of a kind first appears, or -1.
int first_index(const GameRun& run, const std::string& prefix)
{
    for (size_t i = 0; i < run.sounds.size(); i++)
        if (run.sounds[i].compare(0, prefix.size(), prefix) == 0) return (int)i;
    return -1;
}

TEST(BattlePlay, AWonRandomBattlePaysAndPutsTheWorldBack)
{
    // Strike every turn: Fight, then the first enemy.
    std::string script =
        start_fight + repeat("tap Enter 20\nwait 300ms\n", 220) + "wait 1s\npress Esc\nwait 1s\nend\n";
    GameRun run = run_game(script, debug_switch, {}, 1);
    ASSERT_EQ(run.status, 0) << run.output;
    // Time passes only when the game waits: over a minute of battle takes a small part of that.
    // (Loose, for a shared machine; alone it takes well under a second.)
    EXPECT_LT(run.wall_seconds, run.dump_int("time_ms") / 8000.0)
        << "a whole random battle runs far faster than real time";
    EXPECT_EQ(run.dump_int("ggp"), 45);
    // Mike fell during the fight: Charlie alone is paid.
    EXPECT_EQ(run.dump_int("mikealive"), 0);
    EXPECT_EQ(run.dump_int("mikeexp"), 0);
    EXPECT_EQ(run.dump_int("charlieexp"), 35);
    EXPECT_EQ(run.dump_int("charlienextexp"), 20);
    // Exactly where he was, with the world map's music back.
    EXPECT_EQ(run.dump_int("mapnum"), -1);
    EXPECT_EQ(run.dump_int("mikex"), 1424);
    EXPECT_EQ(run.dump_int("mikey"), 192);
    EXPECT_EQ(run.dump_int("mx"), -1264);
    EXPECT_EQ(run.dump_int("playing"), 48);
    int battle = first_index(run, "midi 47 "), victory = first_index(run, "midi 95 ");
    int zoom = first_index(run, "sample 27 ");
    ASSERT_GE(battle, 0);
    EXPECT_GE(zoom, 0);
    ASSERT_GT(victory, battle);
    bool world_again = false;
    for (size_t i = victory; i < run.sounds.size(); i++)
        if (run.sounds[i].compare(0, 8, "midi 48 ") == 0) world_again = true;
    EXPECT_TRUE(world_again);
    EXPECT_TRUE(run.heard("midi_seek "));
}

// The shot's pixels inside a rectangle match the picture's, within the rounding of a saved 16-bit screen.
bool same_region(BITMAP* shot, BITMAP* pic, int x0, int y0, int x1, int y1)
{
    for (int y = y0; y <= y1; y++)
        for (int x = x0; x <= x1; x++) {
            int a = getpixel(shot, x, y), b = getpixel(pic, x, y);
            if (std::abs(getr(a) - getr(b)) > 8 || std::abs(getg(a) - getg(b)) > 8 ||
                std::abs(getb(a) - getb(b)) > 8)
                return false;
        }
    return true;
}

TEST(BattlePlay, ALostRandomBattleShowsDefeatAndTheGameOverAndEnds)
{
    // Only ever defend (a menu opened between the two keys may strike instead). A window stays up
    // until the next key, so a shot just before each key sees every window of the end.
    std::string script = start_fight;
    for (int i = 0; i < 240; i++) {
        bool look = i >= 140;
        if (look) script += "wait 140ms\nshot d" + std::to_string(i) + "\nwait 10ms\n";
        script += "tap Down 20\n";
        script += look ? "wait 140ms\nshot e" + std::to_string(i) + "\nwait 10ms\n" : "wait 150ms\n";
        script += "tap Enter 20\nwait 150ms\n";
    }
    script += "end\n";
    GameRun run = run_game(script, debug_switch, {}, 1);
    ASSERT_EQ(run.status, 0) << "a lost random battle ends the program\n" << run.output;
    EXPECT_EQ(run.dump_int("mikealive"), 0);
    EXPECT_EQ(run.dump_int("charliealive"), 0);
    EXPECT_FALSE(run.heard("midi 95 ")) << "no victory tune";
    EXPECT_TRUE(run.heard("stop_midi")) << "the music faded out for the game-over screen";

    // The windows the battle draws, made here the same way.
    headless_game_start();
    clear_to_color(screen, makecol(0, 0, 0));
    story_window_2("Defeated", 125, 70, 78, 15);
    BITMAP* defeated = create_bitmap(320, 240);
    blit(screen, defeated, 0, 0, 0, 0, 320, 240);
    BITMAP* game_over_pic = (BITMAP*)data[GAME_OVER].dat;

    bool saw_defeated = false, saw_game_over = false;
    for (int i = 140; i < 240; i++)
        for (const char* kind : {"d", "e"}) {
            std::string path = run.dir + "/shots/" + kind + std::to_string(i) + ".bmp";
            PALETTE pal;
            BITMAP* shot = load_bitmap(path.c_str(), pal);
            if (!shot) continue;
            if (same_region(shot, defeated, 125, 70, 203, 85)) saw_defeated = true;
            // Below the falling letters the screen is the picture itself.
            if (same_region(shot, game_over_pic, 0, 60, 319, 239)) saw_game_over = true;
            destroy_bitmap(shot);
            remove(path.c_str());
        }
    destroy_bitmap(defeated);
    EXPECT_TRUE(saw_defeated);
    EXPECT_TRUE(saw_game_over);
}

} // namespace
