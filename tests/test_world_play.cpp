// The world map played through the real game: the western border, walking into
// the village and back, the bridge, and battles on the road when they are on.
// (A new game's start is StoryOpening's; battles switched off, AreaPlay's walk to the woods.)
#include <gtest/gtest.h>

#include <string>

#include "harness.h"
#include "play.h"

namespace {

std::string walk(const char* key, int steps) { return hold_steps(key, steps, 400); }

const char* const quit = "wait 500ms\npress Esc\nwait 1s\nend\n";

// Where Mike stands at the end of a run, and the camera that follows him:
// mid-map he is drawn at (160, 120).
void expect_mike_at(const GameRun& run, int x, int y, const std::string& what)
{
    EXPECT_EQ(run.dump_int("mikex"), x) << what;
    EXPECT_EQ(run.dump_int("mikey"), y) << what;
    EXPECT_EQ(run.dump_int("mx"), 160 - x) << what;
    EXPECT_EQ(run.dump_int("my"), 120 - y) << what;
}
const std::vector<std::string> no_battles = {"-nofight:47390"};

TEST(WorldPlay, TheWestIsClosedForNow)
{
    GameRun run = run_game("wait 2s\n" + walk("Left", 4) + quit, no_battles);
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(run.dump_int("mikex"), 1408) << "turned back at the border";
    // The camera followed him to the border once and stays there however often he tries.
    EXPECT_EQ(run.dump_int("mx"), 160 - 1392);
    EXPECT_EQ(run.dump_int("my"), -72);
}

TEST(WorldPlay, EachVillageCellEntersAndLeavesTheWorldExactlyAsItWasOneCellBelow)
{
    for (int k = 0; k < 3; k++) {
        // Down the road to the crossing, east along the village's south road; then, once
        // more, up into the village and straight back out of its south gate.
        std::string below = "wait 2s\n" + walk("Down", 7) + walk("Right", 12 + k);
        GameRun plain = run_game(below + quit, no_battles);
        GameRun run =
            run_game(below + walk("Up", 1) + "wait 2s\n" + walk("Down", 1) + "wait 2s\n" + quit, no_battles);
        ASSERT_EQ(run.status, 0) << run.output;
        EXPECT_EQ(run.dump_int("mapnum"), -1) << "cell " << k;
        expect_mike_at(run, 1616 + 16 * k, 304, "one cell below village cell " + std::to_string(k));
        EXPECT_EQ(run.dump_int("oldmikey"), 288) << "the village was entered from cell " << k;
        for (const char* key : {"mx", "my", "playing", "place", "intown", "infield", "region"})
            EXPECT_EQ(run.dump[key], plain.dump[key]) << key << " after cell " << k;
        EXPECT_EQ(run.dump_int("mikeface"), 2) << "facing away from the gate";
        EXPECT_TRUE(run.heard("midi 89")) << "the village's own tune played";
    }
}

TEST(WorldPlay, TheBridgeLetsMikeBackOntoTheStartCell)
{
    // Onto the bridge, and straight back off its last row.
    GameRun run = run_game("wait 2s\n" + walk("Up", 1) + "wait 1s\n" + walk("Down", 1) + quit, no_battles);
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(run.dump_int("oldmikey"), 176) << "the bridge was entered";
    expect_mike_at(run, 1424, 192, "back below the bridge");
}

TEST(WorldPlay, BattlesStartOnTheWorldMapWhenTheyAreOn)
{
    // Forty steps up and down the road with battles on: a fight starts (and, nobody answering its menu, waits there).
    std::string script = "wait 2s\n";
    for (int i = 0; i < 4; i++) script += walk("Down", 5) + walk("Up", 5);
    GameRun run = run_game(script + quit, {"-mute"});
    EXPECT_TRUE(run.heard("midi 47 ")) << run.output;
    EXPECT_TRUE(run.heard("sample 27 ")) << "the field zoomed away";
    EXPECT_EQ(run.dump_int("mapnum"), -1);
}

} // namespace
