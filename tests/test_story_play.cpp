// The story scenes played: a new game through its opening (the dream, the six
// fights on the bridge, Mike left below the bridge on the world map), the
// opening's first fight lost and a later one lost, and the council, the night
// in the village and Runhon's joining driven through the real scene code,
// each checked for the flags, the party and the gold it leaves, and for not
// running a second time.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "battle.h"
#include "door.h"
#include "harness.h"
#include "play.h"
#include "records.h"
#include "story.h"
#include "story_lines.h"
#include "town.h"
#include "town2.h"
#include "town_castle.h"
#include "vantor.h"
#include "vantor_frame.h"
#include "world.h"

namespace {

const std::vector<std::string> debug_args = {"-debug:58214", "-nofight:47390"};

// Answers every window with Enter and ends every fight at once with the debug
// key (F11 wins, F12 walks away, which counts as lost).
std::string press_on(int rounds, const char* fight_key, int shot_at = -1, const char* shot = "")
{
    std::string s;
    for (int i = 0; i < rounds; i++) {
        s += "tap Enter 80\nwait 400ms\ntap " + std::string(fight_key) + " 80\nwait 400ms\n";
        if (i == shot_at) s += "shot " + std::string(shot) + "\n";
    }
    return s;
}

// A new game from the very start: past the logo and the prologue to the title's
// menu, where Enter chooses New Game.
GameRun new_game(const std::string& script)
{
    return run_game("wait 25s\ntap Enter 80\n" + script, debug_args, {}, 1, true);
}

} // namespace

TEST(StoryOpening, ANewGameDreamsDefendsTheBridgeAndStartsBelowIt)
{
    std::string script = "wait 3s\nshot dream\ntap Enter 80\nwait 1s\nshot thought\n" +
                         press_on(160, "F11", 14, "bridge") + "wait 3s\nshot world\nend\n";
    GameRun run = new_game(script);
    EXPECT_LT(run.wall_seconds, 30);
    ASSERT_EQ(run.status, 3) << "the script ran out on the world map, still waiting for a key\n"
                             << run.output;
    EXPECT_TRUE(run.said("(Who said that?)"));
    EXPECT_TRUE(run.said("Jack: This is not the best time to be daydreaming!"));
    EXPECT_TRUE(run.said(bridge_first_won[0])) << "the first fight was won";
    EXPECT_FALSE(run.said(bridge_first_lost[0]));
    EXPECT_TRUE(run.said("Charlie:  I brought 5 small potions_with me.  They should be_in your item bag."))
        << "the fight after Charlie's arrival hands over his potions";
    EXPECT_TRUE(run.said("Charlie:  ...no, everything_is fine.._let's go"));
    EXPECT_TRUE(run.heard("midi 22")) << "the dream's music";
    EXPECT_TRUE(run.heard("midi 16")) << "the bridge's music";
    EXPECT_TRUE(run.heard("midi 48")) << "then the world map's";
    // Below the bridge entrance, as a new game always begins.
    EXPECT_EQ(run.dump_int("mapnum"), -1);
    EXPECT_EQ(run.dump_int("mikex"), WORLD_START_X);
    EXPECT_EQ(run.dump_int("mikey"), WORLD_START_Y);
    EXPECT_EQ(run.dump_int("mx"), WORLD_START_MX);
    EXPECT_EQ(run.dump_int("my"), WORLD_START_MY);
    EXPECT_EQ(run.dump_int("sflag0"), 0) << "the potion fight cleared its flag";
    EXPECT_EQ(run.dump_int("item0"), 5);
    EXPECT_EQ(run.dump_int("charlieinfight"), -1) << "Charlie stays in the party";
    EXPECT_EQ(run.dump_int("sflag1"), 0);
}

TEST(StoryOpening, TheFirstFightLostGoesOnButALaterOneEndsTheGameQuietly)
{
    GameRun run = new_game("wait 3s\n" + press_on(80, "F12") + "end\n");
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_TRUE(run.said(bridge_first_lost[0])) << "the lost first fight has its own ending";
    EXPECT_TRUE(run.said(bridge_more_come[0])) << "and the scene goes on to the second fight";
    EXPECT_FALSE(run.said(bridge_third_over[0])) << "the second fight lost ends the program";
    EXPECT_EQ(run.dump_int("mapnum"), 1) << "still on the bridge";
    EXPECT_FALSE(run.said("Defeated")) << "walked away, not defeated";
}

namespace {

// The scenes played inside this process, on the real maps and records.
struct StoryScenes : ::testing::Test {
    void SetUp() override
    {
        headless_game_start();
        for (int& f : story_flag) f = FALSE;
        g_gp = 0;
        looping = FALSE;
        virtual_screen = FALSE;
        debug = TRUE;
        ftcharlie->in_fight = TRUE;
        ftrunhon->in_fight = FALSE;
        ftelizabeth->in_fight = FALSE;
    }
    void TearDown() override { debug = FALSE; }
    static void script(int rounds)
    {
        headless_game_start(("wait 1s\n" + press_on(rounds, "F11") + "end\n").c_str());
    }
};

} // namespace

TEST_F(StoryScenes, TheCouncilGivesTheMissionItemsAndGoldOnce)
{
    open_tilemap(castle_map_file(CASTLE_COUNCIL_ROOM));
    g_map_num = castle_map_num(CASTLE_COUNCIL_ROOM);
    mike->x = 400; // in by the side door: a step into the aisle first
    mike->y = 304;
    int glow = items[1].have, combusters = items[4].have;
    script(60);
    council_scene_one();
    EXPECT_EQ(story_flag[SF_COUNCIL_HEARD], TRUE);
    EXPECT_EQ(g_gp, 500);
    EXPECT_EQ(items[1].have, glow + 5);
    EXPECT_EQ(items[4].have, combusters + 5);
    EXPECT_EQ(g_map_num, 10224) << "the scene ends in the throne room";
    EXPECT_EQ(mike->visible, TRUE);
    EXPECT_EQ(charlie->visible, FALSE);
    for (int i = 1; i < 30; i++) EXPECT_FALSE(person[i] && person[i]->visible) << "person " << i;
}

TEST_F(StoryScenes, TheNightInTheVillageRunsOnceAndOpensTheRoadSouth)
{
    current_plan = &village_plan;
    open_place_map("town01~5.map", 10105);
    mike->x = 544;
    mike->y = 384;
    story_flag[SF_COUNCIL_HEARD] = TRUE;
    script(40);
    EXPECT_EQ(village_free_night(), TRUE);
    EXPECT_EQ(story_flag[SF_NIGHT_PASSED], TRUE);
    EXPECT_EQ(story_flag[SF_COUNCIL_HEARD], FALSE);
    EXPECT_EQ(story_flag[SF_NIGHT_FIGHT], FALSE) << "Elizabeth's plea was heard in the fight";
    EXPECT_EQ(story_flag[SF_ELIZ_HEALS], FALSE);
    EXPECT_EQ(ftelizabeth->in_fight, FALSE) << "she fought that night only";
    EXPECT_EQ(ftcharlie->in_fight, TRUE);
    EXPECT_EQ(screen_light, 255) << "the morning is bright again";
    EXPECT_EQ(g_map_num, 10105) << "back at the inn's counter";
    EXPECT_EQ(mike->x, 544);
    EXPECT_EQ(mike->y, 384);
    EXPECT_EQ(playing, MUS_VILLAGE);
    // The night is paid for like any other now.
    script(5);
    EXPECT_EQ(village_free_night(), FALSE);
    EXPECT_EQ(story_flag[SF_NIGHT_PASSED], TRUE);
}

TEST_F(StoryScenes, RunhonJoinsOnceUpstairs)
{
    story_flag[SF_NIGHT_PASSED] = TRUE;
    open_tilemap("town02~a.map");
    g_map_num = 10310;
    mike->x = 256;
    mike->y = 96;
    script(15);
    EXPECT_EQ(town2_talk(10), TRUE);
    EXPECT_EQ(story_flag[SF_RUNHON_JOINED], TRUE);
    EXPECT_EQ(ftrunhon->in_fight, TRUE);
    EXPECT_EQ(ftrunhon->alive, TRUE);
    for (int i = 0; i < 3; i++) EXPECT_TRUE(ftrunhon->actions[i].have) << "Runhon's spell " << i;
    EXPECT_FALSE(ftrunhon->actions[3].have);
    // Talked to again, he is one of the party: no second joining.
    ftrunhon->in_fight = FALSE;
    script(15);
    town2_talk(10);
    EXPECT_EQ(ftrunhon->in_fight, FALSE);
}

TEST_F(StoryScenes, AgualTurnsThePairBackBeforeTheNight)
{
    open_tilemap("town02.map");
    g_map_num = 103;
    mike->x = 16;
    mike->y = 400;
    script(3);
    lumin_agual_story(0);
    EXPECT_EQ(charlie->visible, FALSE);
    EXPECT_EQ(mike->face, DIR_DOWN);
    for (int f = 0; f <= 21; f++) EXPECT_EQ(story_flag[f], FALSE) << "flag " << f;
}

TEST(StoryLines, EveryLineFitsTheWindowItIsShownIn)
{
    headless_game_start();
    ASSERT_NE(main_font, nullptr);
    const char* const* const window_lists[] = {
        bridge_wake,      bridge_soldiers_come, bridge_first_won,    bridge_first_lost,
        bridge_more_come, bridge_third_over,    bridge_jack_water,   bridge_charlie_arrives,
        bridge_fifth,     bridge_last,          bridge_closing,      council_greeting,
        council_waiting,  council_back,         council_before_king, council_mission,
        council_gifts,    council_farewell,     council_after,       night_evening,
        night_noise,      night_eliz,           night_after_fight,   morning_lines,
        runhon_meeting,
    };
    for (const char* const* list : window_lists)
        for (const char* const* l = list; *l; l++) expect_window_fits(*l);
    for (const char* t : {council_gold, village_to_inn, agual_too_early}) expect_window_fits(t);
    // Mike's thoughts in the dream stand in a box 240 wide.
    for (int i = 0; dream_voice[i]; i++) expect_window_fits(dream_thoughts[i], 230);
}
