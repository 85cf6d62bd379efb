// Start-up and shutdown as a player meets them: switches, the settings file,
// the fatal exits, and the state a new game starts from.
#include "harness.h"

#include "door.h"
#include "item.h"
#include "vantor.h"
#include "world.h"

#include <gtest/gtest.h>

#include <sstream>
#include <unistd.h>

namespace {

const char* const quit_script = "wait 3s\npress Esc\nwait 1s\nend\n";

std::map<std::string, std::string> settings_of(const std::string& text)
{
    std::map<std::string, std::string> kv;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        size_t eq = line.find('=');
        if (eq == std::string::npos) continue;
        auto trim = [](std::string s) {
            s.erase(0, s.find_first_not_of(" \t\r"));
            s.erase(s.find_last_not_of(" \t\r") + 1);
            return s;
        };
        kv[trim(line.substr(0, eq))] = trim(line.substr(eq + 1));
    }
    return kv;
}

} // namespace

TEST(Startup, RunsHeadlessAndWritesAllSettingsFromDefaults)
{
    GameRun run = run_game(quit_script);
    ASSERT_EQ(run.status, 0) << run.output;
    auto cfg = settings_of(read_file(run.dir + "/winconfig.cfg"));
    EXPECT_EQ(cfg.size(), 10u);
    EXPECT_EQ(cfg["GfxDriver"], "0");
    EXPECT_EQ(cfg["JoyDriver"], "-1");
    EXPECT_EQ(cfg["DigiSoundDriver"], "-1");
    EXPECT_EQ(cfg["MidiSoundDriver"], "-1");
    EXPECT_EQ(cfg["SoundVolume"], "255");
    EXPECT_EQ(cfg["MidiVolume"], "160"); // the file's default, not the built-in 255
    EXPECT_EQ(cfg["AskEmu"], "-1");
    EXPECT_EQ(cfg["FontSetting"], "0");
    EXPECT_EQ(run.dump_int("exit"), 0);
}

TEST(Startup, GarbageSettingsStartSaneAndAreRewrittenCleanly)
{
    const char* junk =
        "this is not a config file\n[HardwareSettings]\nGfxDriver = 12345\nJoyDriver = banana\n"
        "DigiSoundDriver = 777\nSoundVolume = 9999\nMidiVolume = -3\n[Nonsense]\nx = y\n";
    GameRun run = run_game(quit_script, {}, {{"winconfig.cfg", junk}});
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(run.dump_int("soundvol"), 255);
    EXPECT_EQ(run.dump_int("midivol"), 0);
    auto cfg = settings_of(read_file(run.dir + "/winconfig.cfg"));
    EXPECT_EQ(cfg.size(), 10u);
    EXPECT_EQ(cfg["GfxDriver"], "0");
    EXPECT_EQ(cfg["JoyDriver"], "-1");
    EXPECT_EQ(cfg["DigiSoundDriver"], "-1");
    EXPECT_EQ(cfg["SoundVolume"], "255");
    EXPECT_EQ(cfg["MidiVolume"], "0");
    EXPECT_EQ(read_file(run.dir + "/winconfig.cfg").find("Nonsense"), std::string::npos);
}

TEST(Startup, SwitchesAreTakenWholeAndCaseSensitively)
{
    GameRun ok =
        run_game(quit_script, {"-nojoy", "-mute", "-nofight:47390", "-nofight:47390", "-showcoords"});
    ASSERT_EQ(ok.status, 0) << ok.output;
    EXPECT_EQ(ok.dump_int("fights"), 0);
    EXPECT_EQ(ok.dump_int("mute"), -1);
    // -nojoy leaves JoyDriver 0 in the settings; -mute keeps the sound codes the file had.
    auto cfg = settings_of(read_file(ok.dir + "/winconfig.cfg"));
    EXPECT_EQ(cfg["JoyDriver"], "0");
    EXPECT_EQ(cfg["DigiSoundDriver"], "-1");

    for (const char* bad : {"-Mute", "-nofight", "-nofight:47391", "-debug", "mute", ""}) {
        GameRun run = run_game(quit_script, {"-mute", bad});
        EXPECT_EQ(run.status, 1) << bad;
        EXPECT_NE(run.output.find("Bad command or file name"), std::string::npos) << bad;
        EXPECT_NE(run.output.find("One of your command args is incorrect"), std::string::npos) << bad;
        // Nothing was set up, so no settings file was written.
        EXPECT_EQ(access((run.dir + "/winconfig.cfg").c_str(), F_OK), -1) << bad;
    }
}

TEST(Startup, ForcemuGivesTheDoubledModeWithoutMessageBoxes)
{
    GameRun run = run_game(quit_script, {"-forcemu"});
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(run.dump_int("emulate"), -1);
    EXPECT_EQ(run.output.find("Emulation mode"), std::string::npos);
}

TEST(Startup, MissingOrCorruptDatafilesEndWithTheirMessage)
{
    struct Case {
        const char* file;
        const char* contents;
        const char* message;
    } cases[] = {
        {"data.dat", HARNESS_ABSENT, "error loading data.dat"},
        {"tiles.dat", "not a datafile at all", "error loading tiles.dat"},
        {"chrctrs.dat", HARNESS_ABSENT, "error loading chrctrs.dat"},
        {"chrctrs.dat", "\x73\x6c\x68\x21garbage after a packfile magic", "error loading chrctrs.dat"},
    };
    for (const Case& c : cases) {
        GameRun run = run_game(quit_script, {}, {{c.file, c.contents}});
        EXPECT_EQ(run.status, 1) << c.file;
        EXPECT_NE(run.output.find(c.message), std::string::npos) << run.output;
        // The fatal path still leaves a dump for the bug report.
        EXPECT_EQ(run.dump_int("exit"), 1);
    }
}

TEST(Startup, NoDisplayIsExplainedNotCrashed)
{
    // A live run (no script) on a machine without X.
    std::string dir = make_temp_dir();
    std::string cmd =
        "cd " + dir + " && env -u DISPLAY -u VANTOR_SCRIPT " + VANTOR_BINARY + " > out.txt 2>&1";
    int status = system(cmd.c_str());
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_NE(read_file(dir + "/out.txt").find("needs a graphical display"), std::string::npos);
}

TEST(GameState, NewProcessStartsWithTheOpeningPartyBagAndChests)
{
    headless_game_start();
    for (const item& it : items) EXPECT_EQ(it.have, 0);
    EXPECT_EQ(g_gp, 0);
    for (int f : story_flag) EXPECT_EQ(f, 0);
    // The party of two.
    EXPECT_EQ(ftmike->in_fight, TRUE);
    EXPECT_EQ(ftcharlie->in_fight, TRUE);
    EXPECT_EQ(ftelizabeth->in_fight, FALSE);
    EXPECT_EQ(ftrunhon->in_fight, FALSE);
    // Elizabeth and Runhon share one rod and one vest record.
    EXPECT_EQ(ftelizabeth->charweapon, ftrunhon->charweapon);
    EXPECT_EQ(ftelizabeth->chararmor, ftrunhon->chararmor);
    EXPECT_EQ(ftrunhon->charweapon, short_rod);
    short_rod->equipped = FALSE;
    EXPECT_FALSE(ftelizabeth->charweapon->equipped);
    short_rod->equipped = TRUE;
    EXPECT_TRUE(steel_blade->equipped && stainless_slasher->equipped);
    // The barghest has only its two up frames until a scene gives it one.
    EXPECT_EQ(cbarghest->id, 30);
    EXPECT_EQ(cbarghest->current, nullptr);
    EXPECT_NE(cbarghest->upa, nullptr);
    EXPECT_NE(cbarghest->upb, nullptr);
    EXPECT_EQ(cbarghest->dna, nullptr);
    // Bag rows follow the catalogue; actions are copied but not yet learned.
    for (int i = 0; i < NUM_ITEM_TEMPLATES; i++) EXPECT_STREQ(items[i].name, item_template(i).name) << i;
    for (const action& a : ftmike->actions) EXPECT_EQ(a.have, 0);
    EXPECT_EQ(mike->current, mike->dna);
    EXPECT_NE(mike->dna, nullptr);
    for (LIGHTMAP* l : save_sprites) EXPECT_NE(l, nullptr);
}

TEST(GameState, FatalErrorEndsWithStatusOne)
{
    EXPECT_EXIT(
        {
            headless_game_start();
            fatalerror("cannot find nowhere.map!!!");
        },
        testing::ExitedWithCode(1), "cannot find nowhere.map");
    EXPECT_EXIT(
        {
            headless_game_start();
            fatalerror(nullptr);
        },
        testing::ExitedWithCode(1), "Out of memory!!!");
}
