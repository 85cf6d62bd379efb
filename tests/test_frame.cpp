// The frame loop: pacing, composition, darkening, rain, the scrolling layer,
// townspeople wandering, field input and the Esc exit, all in a headless game.
#include <unistd.h>

#include <set>
#include <utility>

#include "frame_fixture.h"

namespace {

// A small open map of `layers` layers whose cells are all empty.
struct ScratchMap {
    TILEMAP* old = map;
    explicit ScratchMap(int layers, int w = 20, int h = 15) { map = create_tilemap(layers, w, h, 16, 16); }
    ~ScratchMap()
    {
        destroy_tilemap(map);
        map = old;
    }
};

} // namespace

// ---- pacing ----

TEST_F(FrameTest, NotLoopingDrawsExactlyOnceWhateverTheCounters)
{
    for (auto [f, c] : {std::pair{500, 0}, std::pair{0, 500}, std::pair{7, 7}}) {
        fps = f;
        fpscounter = c;
        int before = actual_fps_counter;
        long t = door_time_ms();
        update_screen();
        EXPECT_EQ(actual_fps_counter, before + 1) << "fps " << f << " fpscounter " << c;
        EXPECT_EQ(door_time_ms(), t) << "a call outside a paced loop must not wait";
    }
}

TEST_F(FrameTest, BehindTheClockDropsTheDrawingPass)
{
    looping = TRUE;
    fps = 40;
    fpscounter = 10;
    update_screen();
    EXPECT_EQ(actual_fps_counter, 0);
    EXPECT_EQ(fpscounter, 11) << "the logic cycle still counts";
    skip_frames = FALSE;
    update_screen();
    EXPECT_EQ(actual_fps_counter, 1) << "without frame skipping every cycle draws";
}

TEST_F(FrameTest, AVeryLongStallStillDrawsNowAndThen)
{
    looping = TRUE;
    fps = 100000;
    for (int i = 0; i < 100; i++) update_screen();
    EXPECT_GT(actual_fps_counter, 0) << "a machine that never catches up must still show frames";
    EXPECT_LT(actual_fps_counter, 20);
}

TEST_F(FrameTest, AheadOfTheClockWaitsForTheTimerAndKeepsGameSpeed)
{
    reset_fps_timer();
    looping = TRUE;
    long t = door_time_ms();
    for (int i = 0; i < 60; i++) update_screen();
    long spent = door_time_ms() - t;
    EXPECT_NEAR(spent, 1000, 20) << "60 logic cycles take one second at GAME_SPEED 60";
    EXPECT_GE(fps, fpscounter);
    EXPECT_EQ(actual_fps, 60) << "60 drawing passes reported for the last 60 cycles";
    looping = FALSE;
}

TEST_F(FrameTest, FUpdateScreenDrawsOnceEvenWhenBehind)
{
    looping = TRUE;
    fps = 1000;
    f_update_screen();
    EXPECT_EQ(actual_fps_counter, 1);
    EXPECT_EQ(looping, TRUE);
}

TEST_F(FrameTest, VirtualComposesButLeavesTheDisplayAlone)
{
    window_layer_flag = 1;
    rectfill(window_layer, 0, 0, 319, 239, makecol(255, 255, 255));
    virtual_screen = TRUE;
    update_screen();
    EXPECT_EQ(getpixel(buffer, 5, 5), makecol(255, 255, 255));
    EXPECT_EQ(getpixel(screen, 5, 5), 0);
    virtual_screen = FALSE;
    update_screen();
    EXPECT_EQ(getpixel(screen, 5, 5), makecol(255, 255, 255));
}

// ---- composition ----

TEST_F(FrameTest, WindowLayerIsClearedAfterTheFrameOnlyWhenTheFlagIsExactlyTrue)
{
    rectfill(window_layer, 10, 10, 20, 20, makecol(255, 255, 255));
    window_layer_flag = 1;
    update_screen();
    EXPECT_EQ(getpixel(screen, 15, 15), makecol(255, 255, 255));
    EXPECT_EQ(getpixel(window_layer, 15, 15), makecol(255, 255, 255)) << "kept: flag is not TRUE";
    window_layer_flag = TRUE;
    update_screen();
    EXPECT_EQ(getpixel(screen, 15, 15), makecol(255, 255, 255)) << "drawn before it is cleared";
    EXPECT_EQ(getpixel(window_layer, 15, 15), bitmap_mask_color(window_layer));
}

TEST_F(FrameTest, ScreenLightDarkensTheWholeFrame)
{
    const int white = makecol(255, 255, 255);
    window_layer_flag = 1;
    clear_to_color(window_layer, white);
    screen_light = 255;
    update_screen();
    EXPECT_EQ(getpixel(screen, 160, 120), white) << "full light makes no darkening pass";
    screen_light = 128;
    update_screen();
    int half = getpixel(screen, 160, 120);
    EXPECT_NEAR(getr(half), 128, 12);
    EXPECT_NEAR(getb(half), 128, 12);
    screen_light = 0;
    update_screen();
    EXPECT_TRUE(all_black(screen)) << "no light leaves a black frame";
}

TEST_F(FrameTest, MikeIsDrawnOverTheMapAndHalvedShowsOnlyHisTopHalf)
{
    RLE_SPRITE* red = solid_sprite(16, 24, makecol(255, 0, 0));
    RLE_SPRITE* old = mike->current;
    mike->current = red;
    mike->visible = TRUE;
    mike->x = 64;
    mike->y = 48;
    mx = 10;
    my = -8;
    mike->halved = FALSE;
    update_screen();
    EXPECT_EQ(getpixel(screen, 74, 40), makecol(255, 0, 0));
    EXPECT_EQ(getpixel(screen, 74 + 15, 40 + 23), makecol(255, 0, 0));
    mike->halved = TRUE;
    clear_bitmap(buffer);
    update_screen();
    EXPECT_EQ(getpixel(screen, 74, 40 + 11), makecol(255, 0, 0));
    EXPECT_EQ(getpixel(screen, 74, 40 + 12), 0) << "the lower half stays hidden";
    mike->halved = FALSE;
    mike->current = old;
    destroy_rle_sprite(red);
}

TEST_F(FrameTest, FollowersNeedExactlyTrueButPeopleAnyNonZero)
{
    RLE_SPRITE* green = solid_sprite(16, 16, makecol(0, 255, 0));
    ScratchMap m(1);
    normal_drawing = TRUE;
    charlie->current = green;
    charlie->x = 0;
    charlie->y = 0;
    charlie->visible = 1;
    person[3]->current = green;
    person[3]->x = 100;
    person[3]->y = 100;
    person[3]->visible = 1;
    update_screen();
    EXPECT_EQ(getpixel(screen, 5, 5), 0) << "a follower with visible 1 is not drawn";
    EXPECT_EQ(getpixel(screen, 105, 105), makecol(0, 255, 0));
    charlie->visible = TRUE;
    update_screen();
    EXPECT_EQ(getpixel(screen, 5, 5), makecol(0, 255, 0));
    charlie->visible = FALSE;
    person[3]->current = nullptr;
    destroy_rle_sprite(green);
}

TEST_F(FrameTest, ScrollingFourthLayerStaysWithinOneMapWidthBothWays)
{
    ScratchMap m(4, 40, 15);
    layer4_move = TRUE;
    layer4_a = 128;
    for (int dx : {-7, 3}) {
        layer4_dx = dx;
        for (int i = 0; i < 500; i++) {
            update_screen();
            ASSERT_GT(layer4_x, -640) << "dx " << dx;
            ASSERT_LE(layer4_x, 0) << "dx " << dx;
        }
    }
}

TEST_F(FrameTest, VillageFountainAlternatesEveryTwentyCycles)
{
    ScratchMap m(2, 20, 40);
    g_map_num = 101;
    cycle_counter = 0;
    std::vector<int> seen;
    for (int i = 0; i < 80; i++) {
        update_screen();
        seen.push_back(get_sprite_number(map, 1, 5, 36));
    }
    EXPECT_EQ(seen[0], 315);
    EXPECT_EQ(seen[19], 315);
    EXPECT_EQ(seen[20], 316);
    EXPECT_EQ(seen[39], 316);
    EXPECT_EQ(seen[40], 315);
    EXPECT_EQ(get_sprite_number(map, 1, 7, 37), 315);
    EXPECT_EQ(get_sprite_number(map, 1, 8, 37), -1) << "only columns 4 to 7 change";
}

// ---- rain ----

TEST_F(FrameTest, RainDropSplashesForTwentyCyclesThenFallsOnFromThere)
{
    rain_drop saved = rain[0][0];
    rain[0][0] = {100, 200, 55};
    std::vector<std::pair<int, int>> path;
    for (int i = 0; i < 40; i++) {
        move_rain();
        path.push_back({rain[0][0].x, rain[0][0].y});
    }
    // 56..59 fall four pixels, 60..79 stand, then the drop falls again.
    EXPECT_EQ(path[3], std::make_pair(104, 204));
    int still = 0;
    for (size_t i = 4; i < path.size() && path[i] == path[3]; i++) still++;
    EXPECT_EQ(still, 20);
    EXPECT_EQ(path[24], std::make_pair(105, 205));
    rain[0][0] = saved;
}

TEST_F(FrameTest, RainWrapsPastTheEdgeAndResetKeepsThePhase)
{
    rain_drop saved = rain[2][3];
    rain[2][3] = {800, 10, 0};
    move_rain();
    EXPECT_EQ(rain[2][3].x, -5);
    EXPECT_EQ(rain[2][3].y, 11);
    rain[2][3].splash = 42;
    reset_rain();
    EXPECT_EQ(rain[2][3].x, 32);
    EXPECT_EQ(rain[2][3].y, 48);
    EXPECT_EQ(rain[2][3].splash, 42);
    EXPECT_EQ(rain[49][49].x, 784);
    rain[2][3] = saved;
}

TEST_F(FrameTest, RainStopsInAgualOnceTheFlagIsSetButMovesThatCycle)
{
    ScratchMap m(3);
    raining = TRUE;
    normal_drawing = TRUE;
    g_map_num = 103;
    story_flag[11] = 0;
    int before = rain[1][1].splash;
    update_screen();
    EXPECT_TRUE(raining);
    story_flag[11] = 1;
    update_screen();
    EXPECT_FALSE(raining);
    EXPECT_EQ(rain[1][1].splash, (before + 2) % 80);
    story_flag[11] = 0;
}

TEST_F(FrameTest, RainDrawsBlueStreaksOnScreen)
{
    raining = TRUE;
    reset_rain();
    for (auto& col : rain)
        for (auto& d : col) d.splash = 0;
    update_screen();
    int c = getpixel(screen, 16 * 3 + 2, 16 * 4 + 2);
    EXPECT_GT(getb(c), 150);
    EXPECT_LT(getr(c), getb(c));
    raining = FALSE;
}

// ---- townspeople ----

class TownsPeople : public FrameTest {
protected:
    RLE_SPRITE* body = nullptr;
    TILEMAP* old = nullptr;
    void SetUp() override
    {
        FrameTest::SetUp();
        body = solid_sprite(16, 16, makecol(200, 120, 40));
        old = map;
        map = create_tilemap(2, 8, 6, 16, 16);
        in_town = town_walk = TRUE;
        min_person = 1;
        num_people = 9;
        // Nine people and Mike crowded on an 8 x 6 map: steps get refused often.
        for (int i = 1; i <= 9; i++) {
            character* p = person[i];
            p->visible = TRUE;
            p->still = (i == 9) ? TRUE : FALSE;
            p->x = 16 * (i % 8);
            p->y = 16 * (i / 8 * 2 + 1);
            p->dna = p->dnb = p->upa = p->upb = p->lta = p->ltb = p->rta = p->rtb = body;
            p->current = body;
        }
        mike->visible = TRUE;
        mike->x = 48;
        mike->y = 48;
    }
    void TearDown() override
    {
        for (int i = 1; i <= 9; i++) {
            person[i]->visible = FALSE;
            person[i]->still = FALSE;
            person[i]->current = nullptr;
            person[i]->dna = person[i]->dnb = person[i]->upa = person[i]->upb = nullptr;
            person[i]->lta = person[i]->ltb = person[i]->rta = person[i]->rtb = nullptr;
        }
        destroy_tilemap(map);
        map = old;
        destroy_rle_sprite(body);
        in_town = town_walk = FALSE;
        num_people = -1;
        FrameTest::TearDown();
    }
};

TEST_F(TownsPeople, NeverCollideWithMikeOrEachOtherAndEndEveryWalkOnTheGrid)
{
    srand(7);
    int moved = 0;
    for (int walk = 0; walk < 120; walk++) {
        town_timer_flag = TRUE;
        std::set<std::pair<int, int>> start;
        for (int i = 1; i <= 9; i++) start.insert({person[i]->x, person[i]->y});
        for (int c = 0; c < 16; c++) {
            update_screen();
            for (int i = 1; i <= 9; i++) {
                character* p = person[i];
                ASSERT_FALSE(abs(p->x - mike->x) < 16 && abs(p->y - mike->y) < 16) << "person " << i;
                ASSERT_GE(p->x, 0);
                ASSERT_GE(p->y, 0);
                ASSERT_LE(p->x, 7 * 16);
                ASSERT_LE(p->y, 5 * 16);
                for (int j = i + 1; j <= 9; j++)
                    ASSERT_FALSE(abs(p->x - person[j]->x) < 16 && abs(p->y - person[j]->y) < 16)
                        << "people " << i << " and " << j << " overlap in walk " << walk;
            }
        }
        EXPECT_FALSE(town_timer_flag) << "the next walk waits for the timer";
        EXPECT_EQ(town_counter, 0);
        for (int i = 1; i <= 9; i++) {
            EXPECT_EQ(person[i]->x % 16, 0);
            EXPECT_EQ(person[i]->y % 16, 0);
            if (!start.count({person[i]->x, person[i]->y})) moved++;
        }
        // Mike wanders too, from cell to cell, so the people meet him from every side.
        mike->x = 16 * (walk % 8);
        mike->y = 16 * ((walk / 8) % 6);
        for (int i = 1; i <= 9; i++)
            if (person[i]->x == mike->x && person[i]->y == mike->y) mike->x = mike->y = 1000;
    }
    EXPECT_GT(moved, 50) << "people must actually wander";
    EXPECT_EQ(person[9]->x, 16) << "a still person never moves";
    EXPECT_EQ(person[9]->y, 3 * 16);
}

TEST_F(TownsPeople, WalkOnlyWhenTheTimerSaysSo)
{
    update_screen();
    for (int i = 1; i <= 9; i++) EXPECT_EQ(person[i]->x, 16 * (i % 8));
    town_walk = FALSE;
    town_timer_flag = TRUE;
    for (int c = 0; c < 16; c++) update_screen();
    EXPECT_TRUE(town_timer_flag) << "wandering switched off leaves the flag alone";
}

// ---- input ----

TEST_F(FrameTest, PressHelpersNeedEnterAndTheRightCellAndFacing)
{
    mike->x = 32;
    mike->y = 48;
    mike->face = DIR_UP;
    EXPECT_FALSE(press_at(32, 48, DIR_UP));
    EXPECT_EQ(press_at_object(32, 32), 0);
    key[KEY_ENTER] = TRUE;
    EXPECT_EQ(press_at(32, 48, DIR_UP), TRUE);
    EXPECT_FALSE(press_at(32, 48, DIR_DOWN));
    EXPECT_EQ(press_at_object(32, 32), 1) << "facing up at the cell above";
    EXPECT_EQ(press_at_object(32, 64), 0) << "the cell behind him";
    mike->face = DIR_LEFT;
    EXPECT_EQ(press_at_object(16, 48), 1);
    mike->face = DIR_RIGHT;
    EXPECT_EQ(press_at_object(48, 48), 1);
    mike->face = DIR_DOWN;
    EXPECT_EQ(press_at_object(32, 64), 1);
    key[KEY_ENTER] = 0;
}

TEST_F(FrameTest, HeldToggleKeyActsOnceAndSaveSpotTriggersOncePerVisit)
{
    key[KEY_V] = TRUE;
    for (int i = 0; i < 5; i++) virtual_game_cycle();
    EXPECT_EQ(do_vsync, TRUE) << "V held for five frames toggles once";
    key[KEY_V] = 0;
    virtual_game_cycle();
    key[KEY_V] = TRUE;
    virtual_game_cycle();
    EXPECT_EQ(do_vsync, FALSE);
    key[KEY_V] = 0;

    mike->x = 80;
    mike->y = 96;
    save_on = TRUE;
    save_x = 80;
    save_y = 96;
    mike_in_save = FALSE;
    virtual_game_cycle();
    EXPECT_EQ(mike_in_save, TRUE);
    mike->x = 96;
    virtual_game_cycle();
    EXPECT_EQ(mike_in_save, FALSE);
}

TEST_F(FrameTest, DebugKeysOnlyWithDebugOn)
{
    int old_debug = debug;
    debug = FALSE;
    key[KEY_A] = TRUE;
    virtual_game_cycle();
    EXPECT_EQ(screen_light, 255);
    debug = TRUE;
    for (int i = 0; i < 300; i++) virtual_game_cycle();
    EXPECT_EQ(screen_light, 0) << "A held dims one step a frame, never below 0";
    key[KEY_A] = 0;
    key[KEY_TILDE] = TRUE;
    virtual_game_cycle();
    EXPECT_EQ(GAME_SPEED, 240);
    key[KEY_TILDE] = 0;
    virtual_game_cycle();
    EXPECT_EQ(GAME_SPEED, 60);
    debug = old_debug;
    screen_light = 255;
}

TEST(Numbers, RoundFloatAndIsEven)
{
    EXPECT_EQ(round_float(2.5f), 3);
    EXPECT_EQ(round_float(2.49f), 2);
    EXPECT_EQ(round_float(7.0f), 7);
    EXPECT_EQ(is_even(0), TRUE);
    EXPECT_EQ(is_even(-4), TRUE);
    EXPECT_EQ(is_even(3), FALSE);
    EXPECT_EQ(is_even(-3), FALSE);
}

// ---- the Esc exit ----

TEST_F(FrameTest, EscDuringAPacedScreenEndsWithStatusZeroAndSavesSettings)
{
    unlink("winconfig.cfg");
    reset_fps_timer();
    looping = TRUE;
    EXPECT_EXIT(
        {
            headless_game_start("wait 200ms\npress Esc\nwait 100ms\nend");
            reset_fps_timer();
            looping = TRUE;
            for (;;) update_screen();
        },
        ::testing::ExitedWithCode(0), "");
    std::string cfg = read_file("winconfig.cfg");
    EXPECT_NE(cfg.find("SoundVolume"), std::string::npos) << "settings written on the way out";
    looping = FALSE;
}
