// The later story scenes: every line fits its window; every cell the scenes
// stand and walk their cast on is open ground of its map (the scene maps 17
// and 31 included); and the scenes played in-process on scripted input, each
// at its flags, moving them on once: the dead end and its fight, the
// gathering of all Agual, the messenger, Elizabeth joining whole, the Sand
// Garden's plant and Mountain, the end note with status 0, and a lost story
// fight ending quietly with status 0.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <utility>

#include "area.h"
#include "battle.h"
#include "dat_names.h"
#include "door.h"
#include "harness.h"
#include "play.h"
#include "records.h"
#include "story.h"
#include "story_late_lines.h"
#include "tilecat.h"
#include "tilemap.h"
#include "town.h"
#include "town_castle.h"
#include "vantor.h"
#include "world.h"

namespace {

// clang-format off
const char* const* const all_lists[] = {
    dead_end_lines, dead_end_beast_lines, dead_end_after_lines, hollow_lines, hollow_orders_lines,
    hollow_leave_lines, agual_inn_night_lines, gathering_lines, gathering_pair_lines, gathering_after_lines,
    messenger_lines, messenger_last_lines, elizabeth_meets_lines, elizabeth_lines, elizabeth_after_lines,
    sand_arrival_lines, sand_plant_lines, sand_plant_after_lines, sand_court_lines, sand_quake_lines,
    sand_victory_lines, sand_seal_lines, gate_arrival_lines, gate_seal_lines, sand_closing_lines,
};
// clang-format on

// The scripted child's windows, printed as it exits so a death test can see them.
void print_windows()
{
    for (int i = 0; i < door_window_count(); i++) std::fprintf(stderr, "window[%s]\n", door_window_text(i));
}

// Answers every window with Enter and ends every fight at once with the debug
// key (F11 wins it, F12 walks away, which counts as lost).
std::string press_on(int rounds, const char* fight_key = "F11")
{
    std::string s = "wait 1s\n";
    for (int i = 0; i < rounds; i++)
        s += "tap Enter 80\nwait 300ms\ntap " + std::string(fight_key) + " 80\nwait 300ms\n";
    return s + "end\n";
}

struct LateStory : ::testing::Test, PartySnapshot {
    void SetUp() override
    {
        headless_game_start();
        take();
        for (int& f : story_flag) f = FALSE;
        debug = TRUE;
        looping = FALSE;
        virtual_screen = FALSE;
        ftcharlie->in_fight = TRUE;
        ftrunhon->in_fight = FALSE;
        ftelizabeth->in_fight = FALSE;
    }
    void TearDown() override
    {
        restore();
        destroy_tilemap(map);
        map = nullptr;
        for (int& f : story_flag) f = FALSE;
        debug = FALSE;
    }
    static void on_map(int num, int x, int y)
    {
        destroy_tilemap(map);
        map = nullptr;
        open_tilemap(late_scene_map_file(num) ? late_scene_map_file(num) : area_map_file(num, name_buf));
        g_map_num = num;
        mike->x = x;
        mike->y = y;
    }
    static void script(int rounds, const char* key = "F11")
    {
        headless_game_start(press_on(rounds, key).c_str());
    }
    static char name_buf[16];
};
char LateStory::name_buf[16];

} // namespace

TEST_F(LateStory, EveryLineFitsItsWindowAndTheNamedLinesAreAsWritten)
{
    ASSERT_NE(main_font, nullptr);
    for (const char* const* list : all_lists)
        for (const char* const* l = list; *l; l++) expect_window_fits(*l);
    expect_window_fits(elizabeth_join);
    // Each call of the square follows one of Runhon's lines.
    int lines = 0;
    while (gathering_lines[lines]) lines++;
    EXPECT_EQ(gathering_call_count, lines);

    EXPECT_STREQ(messenger_lines[0], "Messenger:  Mike!!");
    int last = 0;
    while (messenger_last_lines[last + 1]) last++;
    EXPECT_STREQ(messenger_last_lines[last], "Charlie:  This is terrible!");
    EXPECT_STREQ(elizabeth_join, "Elizabeth Joins!!!");

    EXPECT_STREQ(end_note_pages[0], "Just to be funny: I decided to end the demo RIGHT HERE!...the end :)");
    ASSERT_NE(end_note_pages[1], nullptr);
    ASSERT_NE(end_note_pages[2], nullptr);
    EXPECT_EQ(end_note_pages[3], nullptr);
    // Wrapped only at spaces, never losing or splitting a word, and inside the page's window.
    for (int p = 0; p < 3; p++) {
        std::string joined;
        for (const std::string& line : end_note_page_lines(p)) {
            EXPECT_LE(text_length(main_font, line.c_str()), 284) << line;
            joined += (joined.empty() ? "" : " ") + line;
        }
        std::string squeezed;
        for (char c : std::string(end_note_pages[p])) {
            if (c == '_') c = ' ';
            if (c != ' ' || squeezed.empty() || squeezed.back() != ' ') squeezed += c;
        }
        EXPECT_EQ(joined, squeezed);
    }
}

// Every cell a scene puts or walks someone on is open ground of its map: by the
// game's own solidity on the place maps, by the tile catalogue on the scene
// maps 17 and 31 (which no walker ever crosses on his own).
TEST_F(LateStory, TheCastStandsAndWalksOnOpenGroundOfEveryMap)
{
    std::vector<TileEntry> cat = load_tile_catalogue(VANTOR_SOURCE_DIR "/assets/tiles/catalogue.txt");
    auto catalogue_solid = [&](int t) {
        for (const TileEntry& e : cat)
            if (e.index == t) return e.solid;
        return false;
    };
    auto open_at = [&](int num, int x, int y) {
        if (x < 0 || y < 0 || x >= map->xsize * 16 || y >= map->ysize * 16) return false;
        for (int l = 0; l < 2 && l < map->layers; l++) {
            int t = get_sprite_number(map, l, x / 16, y / 16);
            if (t < 0) continue;
            bool solid = num == 17 || num == 31 ? catalogue_solid(t) : object_collision(num, t, l) != 0;
            if (solid) return false;
        }
        return true;
    };
    std::set<int> maps_used;
    for (int w = 0; w < num_late_walks; w++) {
        const scene_walk& s = late_walks[w];
        maps_used.insert(s.map_num);
        on_map(s.map_num, 0, 0);
        ASSERT_GE(s.n, 1);
        for (int i = 0; i < s.n; i++) {
            int x = s.cells[i][0], y = s.cells[i][1];
            EXPECT_TRUE(x % 16 == 0 && y % 16 == 0) << "walk " << w << " cell " << i;
            // Only a walker coming in from beyond the map's edge may start off it.
            if (i == 0 && (x == -16 || y == -16)) continue;
            EXPECT_TRUE(open_at(s.map_num, x, y)) << "walk " << w << " stands on a wall at " << x << "," << y;
            if (i == 0) continue;
            int px = s.cells[i - 1][0], py = s.cells[i - 1][1];
            EXPECT_TRUE(px == x || py == y) << "walk " << w << " leg " << i << " is not straight";
            for (int cx = std::min(px, x); cx <= std::max(px, x); cx += 16)
                for (int cy = std::min(py, y); cy <= std::max(py, y); cy += 16)
                    if (cx >= 0 && cy >= 0) {
                        EXPECT_TRUE(open_at(s.map_num, cx, cy))
                            << "walk " << w << " crosses " << cx << "," << cy;
                    }
        }
    }
    EXPECT_TRUE(maps_used.count(17) && maps_used.count(31)) << "both scene maps are walked";

    // All Agual in the square: each on open ground, no two on one cell, nobody in the
    // way of the pair walking up to Runhon.
    on_map(103, 0, 0);
    std::set<std::pair<int, int>> taken;
    for (int w = 0; w < num_late_walks; w++) {
        const scene_walk& s = late_walks[w];
        if (s.map_num != 103 || s.cells[0][1] < 224) continue;
        for (int i = 1; i < s.n; i++)
            for (int y = std::min(s.cells[i - 1][1], s.cells[i][1]);
                 y <= std::max(s.cells[i - 1][1], s.cells[i][1]); y += 16)
                taken.insert({s.cells[i][0], y});
        taken.insert({s.cells[0][0], s.cells[0][1]});
    }
    for (const auto& c : gathering_crowd) {
        EXPECT_TRUE(open_at(103, c[0], c[1])) << c[0] << "," << c[1];
        EXPECT_TRUE(taken.insert({c[0], c[1]}).second) << "two stand on " << c[0] << "," << c[1];
    }

    // The scenes that begin where a place has just put Mike begin with him on that very cell.
    auto someone_starts_at = [](int map_num, int x, int y) {
        for (int w = 0; w < num_late_walks; w++)
            if (late_walks[w].map_num == map_num && late_walks[w].cells[0][0] == x &&
                late_walks[w].cells[0][1] == y)
                return true;
        return false;
    };
    EXPECT_TRUE(someone_starts_at(SAND_START_MAP, SAND_START_X, SAND_START_Y));
    EXPECT_TRUE(someone_starts_at(castle_map_num(1), CASTLE_START_X, CASTLE_START_Y));

    // The dead end starts on row 8 of map 16, at the first cell east of x 176.
    EXPECT_EQ(woods_scene_cells.map, 16);
    EXPECT_EQ(woods_scene_cells.y1, 128);
    EXPECT_EQ(woods_scene_cells.y2, 128);
    EXPECT_EQ(woods_scene_cells.x1, 192);
}

TEST_F(LateStory, TheDeadEndNeedsRunhonThenFightsTheManglerAndEndsAtTheAgualInn)
{
    on_map(16, 416, 128);
    script(5);
    agual_story_dead_end();
    EXPECT_EQ(story_flag[SF_WOODS_DEAD_END], FALSE) << "without Runhon it is only a dead end";
    EXPECT_EQ(door_window_count(), 0);

    story_flag[SF_RUNHON_JOINED] = TRUE;
    ftrunhon->in_fight = TRUE;
    script(100);
    agual_story_dead_end();
    EXPECT_EQ(story_flag[SF_WOODS_DEAD_END], TRUE);
    EXPECT_EQ(story_flag[SF_WOODS_FIGHT], FALSE) << "the fight's mark is cleared after it";
    EXPECT_EQ(windows_saying("Runhon:  Don't fight him when his back is turned."), 1)
        << "the mangler's warning";
    EXPECT_EQ(enemy1, nullptr);
    EXPECT_EQ(g_map_num, 10302) << "the night at the Agual Inn ends the scene";
    EXPECT_EQ(playing, MUS_PERIL);
    EXPECT_EQ(windows_saying(hollow_orders_lines[0]), 1) << "the orders were read in the hollow";
    EXPECT_EQ(screen_light, 255);
    EXPECT_FALSE(charlie->visible || runhon->visible);

    script(5);
    agual_story_dead_end();
    EXPECT_EQ(windows_saying(dead_end_lines[0]), 0) << "the dead end plays once";
}

TEST_F(LateStory, AllAgualGathersOnceAndTheRainStops)
{
    on_map(103, 352, 368);
    current_plan = &agual_plan;
    raining = TRUE;
    script(5);
    agual_story_gathering();
    EXPECT_EQ(story_flag[SF_AGUAL_GATHERED], FALSE) << "not before the dead end";

    story_flag[SF_WOODS_DEAD_END] = TRUE;
    script(80);
    agual_story_gathering();
    EXPECT_EQ(story_flag[SF_AGUAL_GATHERED], TRUE);
    EXPECT_EQ(raining, FALSE);
    int gathered = 0;
    for (int i = 1; i <= 27; i++) gathered += person[i]->visible ? 1 : 0;
    EXPECT_EQ(gathered, 27);
    EXPECT_GE(num_people, 27);
    EXPECT_EQ(windows_saying("...and for the fish!"), 1);
    EXPECT_EQ(windows_saying(gathering_calls[0]), 1) << "the square answers Runhon";
    EXPECT_EQ(mike->x, late_walks[12].cells[1][0]) << "Mike ends beside Runhon's step";
    EXPECT_EQ(mike->y, late_walks[12].cells[1][1]);
    for (int i = 1; i <= num_people; i++)
        EXPECT_FALSE(person[i]->visible && person[i]->x == mike->x && person[i]->y == mike->y)
            << "the town puts person " << i << " on Mike";

    script(5);
    agual_story_gathering();
    EXPECT_EQ(windows_saying(gathering_lines[0]), 0) << "the gathering plays once";
}

TEST_F(LateStory, TheMessengerRunsInAtTheWestGateAndRunhonStaysWithAgual)
{
    on_map(103, -16, 400);
    script(5);
    agual_story_messenger();
    EXPECT_EQ(story_flag[SF_MESSENGER_CAME], FALSE) << "not before the harbour master's word";

    story_flag[SF_MESSENGER_DUE] = TRUE;
    ftrunhon->in_fight = TRUE;
    script(40);
    agual_story_messenger();
    EXPECT_EQ(story_flag[SF_MESSENGER_CAME], TRUE);
    EXPECT_EQ(ftrunhon->in_fight, FALSE);
    EXPECT_EQ(windows_saying("Messenger:  Mike!!"), 1);
    EXPECT_EQ(windows_saying("Charlie:  This is terrible!"), 1);
    EXPECT_STREQ(door_window_text(door_window_count() - 1), "Charlie:  This is terrible!")
        << "the news ends the scene";
    EXPECT_FALSE(runhon->visible || charlie->visible);

    script(5);
    agual_story_messenger();
    EXPECT_EQ(windows_saying("Messenger:  Mike!!"), 0) << "the news comes once";
}

TEST_F(LateStory, ElizabethJoinsOnceWithFiveLevelsHerTwoActionsAndFullPoints)
{
    on_map(10201, 320, 336);
    script(5);
    castle_story_elizabeth();
    EXPECT_EQ(story_flag[SF_ELIZ_JOINED], FALSE) << "not before the messenger";

    story_flag[SF_MESSENGER_DUE] = story_flag[SF_MESSENGER_CAME] = TRUE;
    ftrunhon->in_fight = TRUE;
    ftelizabeth->hp = 1;
    ftelizabeth->mp = 0;
    for (action& a : ftelizabeth->actions) a.have = FALSE;
    int level = ftelizabeth->level;
    script(50);
    castle_story_elizabeth();

    EXPECT_EQ(story_flag[SF_ELIZ_JOINED], TRUE);
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

    script(5);
    castle_story_elizabeth();
    EXPECT_EQ(ftelizabeth->level, level + 5) << "she joins only once";
}

TEST_F(LateStory, TheSandGardenArrivesThenThePlantsKnightsFightInOrder)
{
    on_map(30, 288, 160);
    script(5);
    sand_garden_story(1);
    EXPECT_EQ(story_flag[SF_SAND_PLANT], FALSE) << "the plant waits for the arrival";
    on_map(19, 224, 0);
    sand_garden_story(0);
    EXPECT_EQ(story_flag[SF_SAND_ARRIVED], FALSE) << "no arrival without Elizabeth";

    story_flag[SF_ELIZ_JOINED] = TRUE;
    script(20);
    sand_garden_story(0);
    EXPECT_EQ(story_flag[SF_SAND_ARRIVED], TRUE);
    EXPECT_EQ(playing, MUS_SAND);
    EXPECT_EQ(mike->y, 32) << "Mike comes down from the cave";

    on_map(30, 288, 160);
    script(40);
    sand_garden_story(1);
    EXPECT_EQ(story_flag[SF_SAND_PLANT], TRUE);
    EXPECT_EQ(enemy1, nullptr) << "the plant's fight frees its slots";
    EXPECT_EQ(force_enemy_id, -1) << "the knights are forced for that one fight only";
    EXPECT_EQ(force_enemy_sizes, -1);
    EXPECT_EQ(in_boss_battle, FALSE);
}

TEST_F(LateStory, TheMountainBeatenEndsTheGameWithTheEndNoteAndStatusZero)
{
    on_map(25, 320, 224);
    story_flag[SF_ELIZ_JOINED] = story_flag[SF_SAND_ARRIVED] = story_flag[SF_SAND_PLANT] = TRUE;
    script(120);
    EXPECT_EXIT(
        {
            std::atexit(print_windows);
            sand_garden_story(2);
        },
        ::testing::ExitedWithCode(0),
        "window\\[Mike:  Get behind me!\\][^$]*"
        "window\\[Victory!!!\\][^$]*"
        "window\\[Elizabeth:  Glass and stone[^$]*"
        "window\\[Elizabeth:  Mike\\.\\.\\. thank you\\.[^$]*"
        "window\\[Just to be funny: I decided to end the demo RIGHT HERE!\\.\\.\\.the end :\\)\\]\n"
        "window\\[Well\\.\\.\\. almost\\.[^$]*window\\[Thank you for playing");
}

TEST_F(LateStory, ALostStoryFightEndsQuietlyWithStatusZeroAndNoEndNote)
{
    // Every window before the fight answered, the last one with the key that then stays
    // down and walks away from the fight (lost) before anything is said in it.
    auto lose_after = [](int windows) {
        std::string s = "wait 3s\n";
        for (int i = 1; i < windows; i++) s += "tap Enter 80\nwait 2500ms\n";
        headless_game_start((s + "hold F12\nwait 30s\nend\n").c_str());
    };
    on_map(25, 320, 224);
    story_flag[SF_ELIZ_JOINED] = story_flag[SF_SAND_ARRIVED] = story_flag[SF_SAND_PLANT] = TRUE;
    lose_after(6);
    EXPECT_EXIT(
        {
            std::atexit(print_windows);
            sand_garden_story(2);
        },
        ::testing::ExitedWithCode(0), "window\\[Mike:  Get behind me!\\]\n$");

    on_map(16, 416, 128);
    story_flag[SF_RUNHON_JOINED] = TRUE;
    lose_after(7);
    EXPECT_EXIT(
        {
            std::atexit(print_windows);
            agual_story_dead_end();
        },
        ::testing::ExitedWithCode(0),
        "window\\[Mike:  Then there's a camp behind_it\\. Stay together!\\]\n$");
}
