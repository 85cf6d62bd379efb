// The talk key on the field: one press is one conversation and one visit to a
// shop, however long the key is held, and a fresh press after letting go
// works at once. Played through the shared town pass on a scripted keyboard.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "door.h"
#include "harness.h"
#include "play.h"
#include "records.h"
#include "town.h"
#include "town_village_lines.h"
#include "vantor.h"

namespace {

// Runs the town's passes over a village room until the script's time is up.
void play_room(const char* file, int num, int x, int y, const std::string& script, long until_ms)
{
    headless_game_start(script.c_str());
    for (int& f : story_flag) f = FALSE;
    open_place_map(file, num);
    current_plan = &village_plan;
    in_town = TRUE;
    furnish_map(&village_plan, num);
    mike->x = x;
    mike->y = y;
    mike->face = DIR_UP;
    looping = TRUE;
    reset_fps_timer();
    while (door_time_ms() < until_ms) place_pass();
    in_town = FALSE;
    current_plan = nullptr;
}

std::string closes(int windows)
{
    std::string s;
    for (int i = 0; i < windows; i++) s += "tap Space\nwait 300ms\n";
    return s;
}

TEST(TalkKey, AHeldKeyStartsOneConversationAndAFreshPressTheNext)
{
    // The soldier's wife of room 9, spoken to from the cell below her, the key held all along
    // while her windows are closed with Space; then let go and pressed once more.
    std::string s = "wait 300ms\nhold Enter\nwait 300ms\n" + closes(8) +
                    "wait 2s\nrelease Enter\nwait 300ms\n" + "tap Enter\nwait 300ms\n" + closes(8) +
                    "wait 1s\n";
    play_room("town01~9.map", 10109, 352, 208, s + "wait 5s\nend\n", 12000);
    ASSERT_GT(door_window_count(), 0) << "she said nothing";
    const std::string first = door_window_text(0);
    EXPECT_EQ(windows_saying(first.c_str()), 2)
        << "one conversation for the held key, one for the fresh press";
}

TEST(TalkKey, AHeldKeyNeverOpensTheShopAgain)
{
    // At the counter of the recovery shop: the greeting, Esc at "Buy" or "Sell" (selling), Esc out
    // of the shop, and the key still held.
    std::string s = "wait 300ms\nhold Enter\nwait 1500ms\ntap Space\nwait 1500ms\ntap Esc\nwait 4s\n"
                    "tap Esc\nwait 4s\n"
                    "release Enter\nwait 1s\n";
    play_room("town01~2.map", 10102, 320, 192, s + "wait 5s\nend\n", 14000);
    EXPECT_EQ(windows_saying(village_recovery_greeting), 1);
}

} // namespace
