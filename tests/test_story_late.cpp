// The later story scenes played in-process on scripted input: each runs only
// when its flags say so and moves them on, Elizabeth joins whole, Runhon
// stays with Agual, the Sand Garden's fights, and the end of the game (won:
// the end note and status 0; lost: status 0 without the end note). Every
// line the scenes say fits its window.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "battle.h"
#include "dat_names.h"
#include "door.h"
#include "harness.h"
#include "records.h"
#include "story.h"
#include "story_late_lines.h"
#include "tilemap.h"
#include "vantor.h"

namespace {

// Enough presses to read every line and to strike every turn of a fight.
std::string presses(int n)
{
    std::string s = "wait 1s\n";
    for (int i = 0; i < n; i++) s += "tap Enter 20\nwait 200ms\n";
    return s + "wait 900s\nend\n";
}

int windows_saying(const char* text)
{
    int n = 0;
    for (int i = 0; i < door_window_count(); i++)
        if (std::strcmp(door_window_text(i), text) == 0) n++;
    return n;
}

// The scripted child's windows, printed as it exits so a death test can see them.
void print_windows()
{
    for (int i = 0; i < door_window_count(); i++) std::fprintf(stderr, "window[%s]\n", door_window_text(i));
}

struct LateStory : ::testing::Test {
    ftchar saved[4];
    static ftchar* hero(int i) { return i == 0 ? ftmike : i == 1 ? ftcharlie : i == 2 ? ftrunhon : ftelizabeth; }
    void SetUp() override
    {
        headless_game_start(presses(600).c_str());
        for (int i = 0; i < 4; i++) saved[i] = *hero(i);
        for (int& f : story_flag) f = FALSE;
        open_tilemap("map25.map");
        ASSERT_NE(map, nullptr);
        g_map_num = 25;
        mike->x = 320, mike->y = 224, mike->face = DIR_UP;
        mx = -160, my = -104;
        looping = FALSE;
        virtual_screen = FALSE;
    }
    void TearDown() override
    {
        for (int i = 0; i < 4; i++) *hero(i) = saved[i];
        destroy_tilemap(map);
        map = nullptr;
        for (int& f : story_flag) f = FALSE;
    }
    static void strong_party()
    {
        for (int i = 0; i < 30; i++) level_up(ftmike, FALSE);
        ftmike->hp = ftmike->hpmax;
        ftcharlie->hp = ftcharlie->hpmax = 900;
    }
};

TEST(LateStoryLines, EveryLineFitsItsWindowAndTheEndNoteOpensAsWritten)
{
    const char* const* lists[] = {dead_end_lines, dead_end_after_lines, gathering_lines, messenger_lines,
                                  elizabeth_lines, sand_arrival_lines, sand_plant_lines, sand_plant_after_lines,
                                  sand_court_lines, sand_quake_lines, sand_victory_lines, sand_closing_lines};
    for (const char* const* list : lists)
        for (const char* const* l = list; *l; l++) {
            int lines = 1, width = 0;
            for (const char* p = *l; *p; p++) {
                if (*p == '_') {
                    lines++, width = 0;
                    continue;
                }
                EXPECT_LE(++width, 36) << *l;
            }
            EXPECT_LE(lines, 3) << *l;
        }
    EXPECT_STREQ(messenger_lines[0], "Messenger:  Mike!!");
    int last = 0;
    while (messenger_lines[last + 1]) last++;
    EXPECT_STREQ(messenger_lines[last], "Charlie:  This is terrible!");

    EXPECT_STREQ(end_note_pages[0], "Just to be funny: I decided to end the demo RIGHT HERE!...the end :)");
    ASSERT_NE(end_note_pages[1], nullptr);
    ASSERT_NE(end_note_pages[2], nullptr);
    EXPECT_EQ(end_note_pages[3], nullptr);
    // Wrapped only at spaces, never losing or splitting a word.
    for (int p = 0; p < 3; p++) {
        std::string joined;
        for (const std::string& line : end_note_page_lines(p)) {
            EXPECT_LE(line.size(), 36u) << line;
            joined += (joined.empty() ? "" : " ") + line;
        }
        std::string plain = end_note_pages[p];
        for (char& c : plain)
            if (c == '_') c = ' ';
        std::string squeezed;
        for (char c : plain)
            if (c != ' ' || squeezed.empty() || squeezed.back() != ' ') squeezed += c;
        EXPECT_EQ(joined, squeezed);
    }
}

TEST_F(LateStory, TheDeadEndNeedsRunhonThenItsFightLeadsToTheGathering)
{
    agual_story_dead_end();
    agual_story_gathering();
    EXPECT_EQ(story_flag[8], FALSE) << "without Runhon it is only a dead end";
    EXPECT_EQ(story_flag[11], FALSE);

    story_flag[5] = TRUE;
    strong_party();
    agual_story_dead_end();
    EXPECT_EQ(story_flag[8], TRUE);
    EXPECT_EQ(story_flag[9], FALSE) << "the fight's mark is cleared after it";
    EXPECT_EQ(enemy1, nullptr);
    agual_story_gathering();
    EXPECT_EQ(story_flag[11], TRUE);
    EXPECT_EQ(windows_saying("...and for the fish!"), 1);
}

TEST_F(LateStory, TheMessengerSendsMikeHomeAndRunhonStaysWithAgual)
{
    agual_story_messenger();
    EXPECT_EQ(story_flag[14], FALSE) << "not before Agual is ready";

    story_flag[13] = TRUE;
    ftrunhon->in_fight = TRUE;
    agual_story_messenger();
    EXPECT_EQ(story_flag[14], TRUE);
    EXPECT_EQ(ftrunhon->in_fight, FALSE);
    EXPECT_EQ(windows_saying("Messenger:  Mike!!"), 1);
    EXPECT_EQ(windows_saying("Charlie:  This is terrible!"), 1);
    agual_story_messenger();
    EXPECT_EQ(windows_saying("Messenger:  Mike!!"), 1) << "the news comes once";
}

TEST_F(LateStory, ElizabethJoinsOnceWithFiveLevelsHerTwoActionsAndFullPoints)
{
    castle_story_elizabeth();
    EXPECT_EQ(story_flag[15], FALSE) << "not before the messenger";

    story_flag[13] = story_flag[14] = TRUE;
    ftrunhon->in_fight = TRUE;
    ftelizabeth->in_fight = FALSE;
    ftelizabeth->hp = 1;
    ftelizabeth->mp = 0;
    for (action& a : ftelizabeth->actions) a.have = FALSE;
    int level = ftelizabeth->level;
    castle_story_elizabeth();

    EXPECT_EQ(story_flag[15], TRUE);
    EXPECT_EQ(playing, MUS_SORROW);
    EXPECT_EQ(ftelizabeth->level, level + 5);
    EXPECT_EQ(ftelizabeth->hp, ftelizabeth->hpmax);
    EXPECT_EQ(ftelizabeth->mp, ftelizabeth->mpmax);
    EXPECT_TRUE(ftelizabeth->actions[0].have && ftelizabeth->actions[1].have);
    EXPECT_FALSE(ftelizabeth->actions[2].have);
    EXPECT_EQ(ftelizabeth->in_fight, TRUE);
    EXPECT_EQ(ftrunhon->in_fight, FALSE) << "three walk together";
    EXPECT_EQ(windows_saying("Elizabeth Joins!!!"), 1);
    EXPECT_EQ(elizabeth->visible, FALSE) << "she walks with the party, not as a figure left behind";

    castle_story_elizabeth();
    EXPECT_EQ(ftelizabeth->level, level + 5) << "she joins only once";
}

TEST_F(LateStory, TheSandGardenArrivesThenThePlantBitesInOrder)
{
    sand_garden_story(1);
    EXPECT_EQ(story_flag[20], FALSE) << "the plant waits for the arrival";
    sand_garden_story(0);
    EXPECT_EQ(story_flag[19], FALSE) << "no arrival without Elizabeth";

    story_flag[15] = TRUE;
    sand_garden_story(0);
    EXPECT_EQ(story_flag[19], TRUE);
    EXPECT_EQ(playing, MUS_SAND);

    strong_party();
    destroy_tilemap(map);
    map = nullptr;
    open_tilemap("map30.map");
    g_map_num = 30;
    sand_garden_story(1);
    EXPECT_EQ(story_flag[20], TRUE);
    EXPECT_EQ(enemy1, nullptr) << "the plant's fight frees its slots";
}

TEST_F(LateStory, TheMountainBeatenEndsTheGameWithTheEndNoteAndStatusZero)
{
    story_flag[15] = story_flag[19] = story_flag[20] = TRUE;
    headless_game_start(presses(2000).c_str());
    strong_party();
    EXPECT_EXIT(
        {
            std::atexit(print_windows);
            sand_garden_story(2);
        },
        ::testing::ExitedWithCode(0),
        "window\\[Elizabeth:  Father will wake\\. I_know he will\\.\\][^$]*"
        "window\\[Just to be funny: I decided to end the demo RIGHT HERE!\\.\\.\\.the end :\\)\\]");
}

TEST_F(LateStory, LosingToTheMountainEndsQuietlyWithStatusZeroAndNoEndNote)
{
    story_flag[15] = story_flag[19] = story_flag[20] = TRUE;
    ftmike->hp = 1;
    ftcharlie->in_fight = ftrunhon->in_fight = ftelizabeth->in_fight = FALSE;
    EXPECT_EXIT(
        {
            std::atexit(print_windows);
            sand_garden_story(2);
        },
        ::testing::ExitedWithCode(0), "window\\[Mike:  Get behind me!\\]\nwindow\\[Defeated\\]\n$");
}

} // namespace
