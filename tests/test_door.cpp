// The scripted door: the input language, the virtual clock and its guards.
#include "harness.h"

#include "door.h"
#include "door_script.h"

#include <gtest/gtest.h>

namespace {

volatile int ticks_a = 0, ticks_b = 0;
long long order_log[64];
int order_len = 0;
void tick_a()
{
    ticks_a = ticks_a + 1;
    if (order_len < 64) order_log[order_len++] = 1;
}
void tick_b()
{
    ticks_b = ticks_b + 1;
    if (order_len < 64) order_log[order_len++] = 2;
}

} // namespace

TEST(Script, ParsesCommandsIntoTimedEvents)
{
    Script s = parse_script("# a comment\nwait 1s\npress Enter\nwait 250ms\nrelease enter # trailing\n"
                            "tap Left 100\ntype q\njoy button 3 down\njoy left\nshot here\nend\n");
    ASSERT_EQ(s.error, "");
    ASSERT_EQ(s.events.size(), 9u);
    EXPECT_EQ(s.events[0].tick, DOOR_TICKS_PER_SECOND);
    EXPECT_EQ(s.events[0].kind, EV_KEY_DOWN);
    EXPECT_EQ(s.events[0].arg, KEY_ENTER);
    EXPECT_EQ(s.events[0].arg2, 13);
    EXPECT_EQ(s.events[1].kind, EV_KEY_UP);
    EXPECT_EQ(s.events[3].kind, EV_KEY_UP); // tap's release comes 100 ms after its press
    EXPECT_EQ(s.events[3].tick - s.events[2].tick, DOOR_TICKS_PER_SECOND / 10);
    EXPECT_EQ(s.events[4].kind, EV_TYPE);
    EXPECT_EQ(s.events[4].arg2, 'q');
    EXPECT_EQ(s.events[5].arg, 3);
    EXPECT_EQ(s.events[6].arg, 3); // stick left
    EXPECT_EQ(s.events[7].text, "here");
    EXPECT_EQ(s.events.back().kind, EV_END);
}

TEST(Script, RefusesWhatItCannotRunWithTheLine)
{
    EXPECT_EQ(parse_script("wait 1s\npress Hyper\n").error, "line 2: unknown key 'Hyper'");
    EXPECT_NE(parse_script("wait soon\n").error, "");
    EXPECT_NE(parse_script("jump\n").error, "");
    EXPECT_NE(parse_script("joy button 0 down\n").error, "");
    EXPECT_NE(parse_script("shot ../../etc/passwd\n").error, "");
    int ascii;
    EXPECT_EQ(script_key("F10", &ascii), KEY_F10);
    EXPECT_EQ(script_key("F13", &ascii), 0);
    EXPECT_EQ(script_key("z", &ascii), KEY_Z);
    EXPECT_EQ(ascii, 'z');
}

TEST(VirtualClock, FiresCallbacksInTimeOrderOnlyWhileWaiting)
{
    headless_game_start("wait 10s\nend\n");
    ticks_a = ticks_b = 0;
    order_len = 0;
    door_install_int(tick_a, 10); // 100 per second
    door_install_int(tick_b, 25); // 40 per second
    EXPECT_EQ(ticks_a, 0);        // time stands still without a wait
    door_rest(100);
    EXPECT_EQ(ticks_a, 10);
    EXPECT_EQ(ticks_b, 4);
    // At 20 ms only a has fired twice, b not yet: order a a b a a b ...
    EXPECT_EQ(order_log[0], 1);
    EXPECT_EQ(order_log[1], 1);
    EXPECT_EQ(order_log[2], 2);
    long before = door_time_ms();
    door_wait(); // to the next callback
    EXPECT_EQ(door_time_ms() - before, 10);
    door_remove_int(tick_a);
    door_remove_int(tick_b);
}

TEST(VirtualClock, KeysArriveWhenTheirTimeComes)
{
    headless_game_start("wait 200ms\npress Enter\nwait 100ms\nrelease Enter\nwait 5s\nend\n");
    door_clear_keybuf();
    door_rest(150);
    EXPECT_FALSE(key[KEY_ENTER]);
    EXPECT_FALSE(door_keypressed());
    door_rest(100);
    EXPECT_TRUE(key[KEY_ENTER]);
    EXPECT_TRUE(door_keypressed());
    EXPECT_EQ(door_readkey(), (KEY_ENTER << 8) | 13);
    door_rest(100);
    EXPECT_FALSE(key[KEY_ENTER]);
}

TEST(VirtualClock, GuardsStopRunsThatWouldHang)
{
    setenv("VANTOR_IDLE_MS", "2000", 1);
    EXPECT_EXIT(
        {
            headless_game_start("wait 1s\nend\n");
            for (;;) door_readkey();
        },
        testing::ExitedWithCode(3), "kept waiting for input");
    EXPECT_EXIT(
        {
            headless_game_start("wait 1s\nend\n");
            for (;;) door_keypressed();
        },
        testing::ExitedWithCode(4), "no virtual time passed");
    unsetenv("VANTOR_IDLE_MS");
}

TEST(ScriptedRun, SameScriptAndSeedGiveIdenticalDumpsAndShots)
{
    const char* script =
        "wait 2s\nshot a\nhold Right\nwait 1500ms\nrelease Right\nshot b\npress Esc\nwait 1s\nend\n";
    GameRun one = run_game(script, {}, {}, 7);
    GameRun two = run_game(script, {}, {}, 7);
    ASSERT_EQ(one.status, 0) << one.output;
    ASSERT_EQ(two.status, 0) << two.output;
    EXPECT_EQ(read_file(one.dir + "/dump.txt"), read_file(two.dir + "/dump.txt"));
    EXPECT_EQ(read_file(one.dir + "/shots/b.bmp"), read_file(two.dir + "/shots/b.bmp"));
    EXPECT_FALSE(read_file(one.dir + "/shots/a.bmp").empty());
}

TEST(ScriptedRun, ScriptThatStopsTooEarlyEndsWithAClearMessage)
{
    GameRun run = run_game("wait 1s\nend\n", {}, {{"x", ""}});
    // Either the game is over by itself, or the guard names where it waited.
    if (run.status != 0) {
        EXPECT_EQ(run.status, 3);
        EXPECT_NE(run.output.find("kept waiting for input"), std::string::npos) << run.output;
        EXPECT_EQ(run.dump_int("exit"), 3);
    }
}

TEST(ScriptedRun, AMinuteOfPlayPassesOnTheVirtualClock)
{
    // How fast that minute passes on the wall clock is measured in tests/bench.
    std::string script = "wait 2s\n";
    for (int i = 0; i < 6; i++)
        script += std::string("hold ") + (i % 2 ? "Left" : "Right") + "\nwait 4s\nrelease " +
                  (i % 2 ? "Left" : "Right") +
                  "\nhold Down\nwait 1s\nrelease Down\nhold Up\nwait 1s\nrelease Up\nwait 4s\n";
    script += "press Esc\nwait 1s\nend\n";
    GameRun run = run_game(script, {"-nofight:47390"});
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_GE(run.dump_int("time_ms"), 60000);
}
