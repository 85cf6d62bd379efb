// Recorded input: a live game's key changes become a script, and a recorded
// session replays to the very same state.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "door_record.h"
#include "door_script.h"
#include "harness.h"

TEST(Record, LiveKeyChangesBecomeAScriptThatParsesBackToThem)
{
    headless_library_start();
    std::string path = make_temp_dir() + "/rec.txt";
    ASSERT_TRUE(record_start(path.c_str()));
    record_seed(42);
    key[KEY_LEFT] = 1;
    record_sample(100);
    record_sample(180);
    key[KEY_LEFT] = 0;
    key[KEY_ENTER] = 1;
    key[KEY_LWIN] = 1;
    record_sample(250);
    key[KEY_ENTER] = 0;
    key[KEY_LWIN] = 0;
    record_sample(300);
    record_stop();
    EXPECT_FALSE(record_active());

    std::string text = read_file(path);
    EXPECT_NE(text.find("\n# seed 42\n"), std::string::npos) << text;
    Script s = parse_script(text);
    ASSERT_TRUE(s.error.empty()) << s.error << "\n" << text;
    ASSERT_EQ(s.events.size(), 4u) << "a key scripts cannot name is left out:\n" << text;
    auto at = [](long ms) { return (long long)(ms * DOOR_TICKS_PER_SECOND / 1000.0 + 0.5); };
    EXPECT_EQ(s.events[0].kind, EV_KEY_DOWN);
    EXPECT_EQ(s.events[0].arg, KEY_LEFT);
    EXPECT_EQ(s.events[0].tick, at(100));
    // Changes seen at the same moment keep the keyboard's order: Enter before Left.
    EXPECT_EQ(s.events[1].kind, EV_KEY_DOWN);
    EXPECT_EQ(s.events[1].arg, KEY_ENTER);
    EXPECT_EQ(s.events[1].tick, at(250));
    EXPECT_EQ(s.events[2].kind, EV_KEY_UP);
    EXPECT_EQ(s.events[2].arg, KEY_LEFT);
    EXPECT_EQ(s.events[2].tick, at(250));
    EXPECT_EQ(s.events[3].kind, EV_KEY_UP);
    EXPECT_EQ(s.events[3].tick, at(300));

    EXPECT_FALSE(record_start("/nonexistent-dir/rec.txt"));
    int ascii;
    for (const char* name : {"Enter", "Esc", "Alt", "Ctrl", "Tilde", "Q", "7", "F10"})
        EXPECT_STREQ(record_key_name(script_key(name, &ascii)), name) << "names round-trip";
}

TEST(Record, ARecordedSessionReplaysToTheSameState)
{
    const std::vector<std::string> args = {"-nofight:47390"};
    std::string rec = make_temp_dir() + "/session.txt";
    setenv("VANTOR_RECORD", rec.c_str(), 1);
    GameRun first =
        run_game("wait 2s\nhold Left\nwait 700ms\nrelease Left\nwait 300ms\ntap Up 400\n"
                 "joy button 3 down\nwait 100ms\njoy button 3 up\nwait 200ms\nhold Down\nwait 333ms\n"
                 "release Down\nwait 500ms\npress Esc\nwait 1s\nend\n",
                 args, {}, 7);
    unsetenv("VANTOR_RECORD");
    ASSERT_EQ(first.status, 0) << first.output;
    std::string recorded = read_file(rec);
    EXPECT_NE(recorded.find("# seed 7\n"), std::string::npos) << recorded;
    EXPECT_NE(recorded.find("hold Left\nwait 700ms\nrelease Left\n"), std::string::npos) << recorded;

    GameRun again = run_game(recorded, args, {}, 7);
    ASSERT_EQ(again.status, 0) << again.output;
    EXPECT_EQ(again.dump, first.dump);
    EXPECT_NE(first.dump_int("mikex"), 1424) << "the session moved Mike, so the replay shows something";
}
