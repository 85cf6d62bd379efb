// Lumin Village played through the real game (in and out again is WorldPlay's):
// a talk with the gate guard, a one-time find taken once, the storage
// room's chest opened and found open again, the inn without the gold for it,
// and the inn's save spot answered "Not really".
#include <gtest/gtest.h>

#include <string>

#include "harness.h"
#include "play.h"

namespace {

std::string walk(const char* key, int steps) { return hold_steps(key, steps); }

// A press of the talk key, then time for whatever window it opens.
std::string talk(int wait_ms = 1200) { return "tap Enter\nwait " + std::to_string(wait_ms) + "ms\n"; }

const char* const quit = "wait 500ms\npress Esc\nwait 1s\nend\n";
const std::vector<std::string> no_battles = {"-nofight:47390"};

// From the new game's start to the village's south gate (world cell (1616, 288)),
// and the time the village takes to fade in.
std::string into_village()
{
    return "wait 2s\n" + walk("Down", 7) + walk("Right", 12) + walk("Up", 1) + "wait 2500ms\n";
}

// Mike's map, cell and facing at the end of a run.
void expect_at(const GameRun& run, int mapnum, int x, int y, const std::string& what)
{
    EXPECT_EQ(run.dump_int("mapnum"), mapnum) << what;
    EXPECT_EQ(run.dump_int("mikex"), x) << what;
    EXPECT_EQ(run.dump_int("mikey"), y) << what;
}

TEST(VillagePlay, TheGateGuardAsksAfterTheQuest)
{
    GameRun run =
        run_game(into_village() + walk("Up", 2) + walk("Left", 1) + talk() + talk(600) + quit, no_battles);
    ASSERT_EQ(run.status, 0) << run.output;
    expect_at(run, 101, 480, 672, "beside the guard");
    EXPECT_TRUE(run.said("Lumin Soldier:  Hey, Mike.  How's your quest going?"));
    EXPECT_EQ(run.windows.size(), 1u) << "one press, one conversation";
}

TEST(VillagePlay, AFindIsTakenOnceAndNotTwice)
{
    // Up the gate road to the west street, along it to Charlie's woodpile, and face it.
    std::string to_pile = into_village() + walk("Up", 18) + walk("Left", 19) + walk("Up", 3);
    GameRun run = run_game(to_pile + talk() + talk(600) + talk() + talk(600) + quit, no_battles);
    ASSERT_EQ(run.status, 0) << run.output;
    expect_at(run, 101, 192, 384, "below the woodpile");
    EXPECT_TRUE(run.said("Found \xa7Small Potion"));
    EXPECT_EQ(run.dump_int("item0"), 1) << "taken once";
    EXPECT_NE(run.dump_int("pot0"), 0);
}

TEST(VillagePlay, TheStorageChestOpensOnceAndStaysOpen)
{
    // The north street to the storage room, up to its east chest, open it, go out and back in.
    std::string to_room =
        into_village() + walk("Up", 31) + walk("Left", 23) + walk("Up", 2) + "wait 2500ms\n";
    std::string to_chest = walk("Up", 6) + walk("Right", 4) + walk("Up", 1);
    std::string script = to_room + to_chest + talk() + talk(600) + walk("Left", 4) + walk("Down", 7) +
                         "wait 2500ms\n" + walk("Up", 1) + "wait 2500ms\n" + to_chest + talk() + talk(600) +
                         quit;
    GameRun run = run_game(script, no_battles);
    ASSERT_EQ(run.status, 0) << run.output;
    expect_at(run, 10110, 384, 192, "below the chest again");
    EXPECT_TRUE(run.said("Found 500 Gold!!"));
    EXPECT_EQ(run.dump_int("ggp"), 500) << "the second press gives nothing";
    EXPECT_EQ(run.dump_int("chest3"), -1);
}

TEST(VillagePlay, TheInnTurnsAwayAnEmptyPurseAndTheSaveSpotHealsAnyway)
{
    std::string inside = into_village() + walk("Up", 4) + walk("Right", 14) + walk("Up", 2) + "wait 2500ms\n";
    // The counter: "Yes", and no gold for it.
    std::string inn = walk("Up", 12) + talk() + "tap Enter\nwait 600ms\n" + talk(600);
    // Back down the aisle and onto the save spot: the spiral, the flash, "Not really".
    std::string save = walk("Down", 9) + walk("Left", 4) + "wait 8s\n" + talk() +
                       "tap Down\nwait 300ms\ntap Enter\nwait 1s\n";
    GameRun run = run_game(inside + inn + save + quit, no_battles);
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_TRUE(run.said("Hello, Mike!  Will you be staying?_It costs 25 Gold a night."));
    EXPECT_TRUE(run.said("Not enough gold!"));
    EXPECT_EQ(run.dump_int("ggp"), 0);
    EXPECT_TRUE(run.said("Hp/Mp Restored!!"));
    EXPECT_TRUE(run.said("Would you like_to save??"));
    EXPECT_TRUE(run.heard("sample 42")) << "the save spot's chime";
    expect_at(run, 10105, 480, 528, "on the save spot");
    EXPECT_EQ(run.dump_int("mikehp"), run.dump_int("mikehpmax"));
    EXPECT_EQ(run.dump_int("mikemp"), run.dump_int("mikemax"));
}

} // namespace
