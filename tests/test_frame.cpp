// The frame loop in a headless game: pacing, darkening, Mike's half frame,
// rain, the scrolling layer, townspeople wandering, held keys and the Esc exit.
#include <unistd.h>

#include <utility>

#include "follow.h"
#include "frame_fixture.h"

TEST_F(FrameTest, PacingDrawsOnceOutsideALoopSkipsWhenBehindAndWaitsWhenAhead)
{
    for (auto [f, c] : {std::pair{500, 0}, std::pair{0, 500}}) {
        fps = f;
        fpscounter = c;
        int before = actual_fps_counter;
        long t = door_time_ms();
        update_screen();
        EXPECT_EQ(actual_fps_counter, before + 1) << "not looping: exactly one pass";
        EXPECT_EQ(door_time_ms(), t) << "and no waiting";
    }
    looping = TRUE;
    fps = 100000;
    actual_fps_counter = 0;
    update_screen();
    EXPECT_EQ(actual_fps_counter, 0) << "behind the clock the pass is dropped";
    for (int i = 0; i < 100; i++) update_screen();
    EXPECT_GT(actual_fps_counter, 0) << "but a machine that never catches up still shows frames";

    reset_fps_timer();
    long t = door_time_ms();
    for (int i = 0; i < 60; i++) update_screen();
    EXPECT_NEAR(door_time_ms() - t, 1000, 20) << "60 cycles take a second at GAME_SPEED 60";
    EXPECT_NEAR(actual_fps, 60, 1);
}

TEST_F(FrameTest, ScreenLightDarkensTheFrameDownToBlack)
{
    window_layer_flag = 1;
    clear_to_color(window_layer, makecol(255, 255, 255));
    update_screen();
    EXPECT_EQ(getpixel(screen, 160, 120), makecol(255, 255, 255));
    screen_light = 128;
    update_screen();
    EXPECT_TRUE(is_rgb(getpixel(screen, 160, 120), 128, 128, 128, 12));
    screen_light = 0;
    update_screen();
    EXPECT_TRUE(all_black(screen));
}

TEST_F(FrameTest, HalvedMikeShowsOnlyHisTopHalf)
{
    RLE_SPRITE* red = solid_sprite(16, 24, makecol(255, 0, 0));
    RLE_SPRITE* old = mike->current;
    mike->current = red;
    mike->visible = TRUE;
    mike->x = 64;
    mike->y = 48;
    mx = 10;
    my = -8;
    for (int halved : {FALSE, TRUE}) {
        mike->halved = halved;
        clear_bitmap(buffer);
        update_screen();
        EXPECT_EQ(getpixel(screen, 74, 40 + 11), makecol(255, 0, 0));
        EXPECT_EQ(getpixel(screen, 74, 40 + 12) != 0, !halved) << "halved " << halved;
    }
    mike->halved = FALSE;
    mike->current = old;
    destroy_rle_sprite(red);
}

TEST_F(FrameTest, FourthLayerKeepsCoveringTheScreenScrollingEitherWay)
{
    TILEMAP* old = map;
    map = create_tilemap(4, 40, 15, 16, 16);
    layer4_move = TRUE;
    for (int dx : {-7, 3}) {
        layer4_dx = dx;
        for (int i = 0; i < 300; i++) {
            update_screen();
            ASSERT_TRUE(layer4_x > -640 && layer4_x <= 0) << "dx " << dx << " x " << layer4_x;
        }
    }
    destroy_tilemap(map);
    map = old;
}

TEST_F(FrameTest, RainSplashesTwentyCyclesAndStopsInAgualOnTheFlag)
{
    rain_drop saved = rain[0][0];
    rain[0][0] = {100, 200, 55};
    std::vector<std::pair<int, int>> path;
    for (int i = 0; i < 30; i++) {
        move_rain();
        path.push_back({rain[0][0].x, rain[0][0].y});
    }
    EXPECT_EQ(path[3], std::make_pair(104, 204));
    EXPECT_EQ(path[23], path[3]) << "20 cycles of splash in place";
    EXPECT_EQ(path[24], std::make_pair(105, 205)) << "then it falls on from there";
    rain[0][0] = {800, 10, 0};
    move_rain();
    EXPECT_EQ(rain[0][0].x, -5) << "past the edge it starts again";
    rain[0][0] = saved;

    raining = TRUE;
    g_map_num = 103;
    story_flag[11] = 1;
    int before = rain[1][1].splash;
    update_screen();
    EXPECT_FALSE(raining);
    EXPECT_EQ(rain[1][1].splash, (before + 1) % 80) << "the drops still move in that cycle";
    story_flag[11] = 0;
}

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
        // Nine people and Mike crowded on an 8 x 6 map, so steps clash often.
        for (int i = 1; i <= 9; i++) {
            character* p = person[i];
            p->visible = TRUE;
            p->still = i == 9 ? TRUE : FALSE;
            p->x = 16 * (i % 8);
            p->y = 16 * (i / 8 * 2 + 1);
            p->dna = p->dnb = p->upa = p->upb = p->lta = p->ltb = p->rta = p->rtb = p->current = body;
        }
        mike->visible = TRUE;
        mike->x = mike->y = 48;
    }
    void TearDown() override
    {
        for (int i = 1; i <= 9; i++) *person[i] = character{};
        destroy_tilemap(map);
        map = old;
        destroy_rle_sprite(body);
        num_people = -1;
        FrameTest::TearDown();
    }
};

TEST_F(TownsPeople, NeverMeetMikeHisCompanionsOrEachOtherStayOnTheMapAndEndOnTheGrid)
{
    srand(7);
    int moved = 0;
    auto apart = [](character* a, character* b) { return abs(a->x - b->x) >= 16 || abs(a->y - b->y) >= 16; };
    // Two companions in their midst, held where they are: Charlie on a cell, Runhon
    // half-way from one cell to the next.
    follow_scene held;
    charlie->x = 80;
    charlie->y = 64;
    runhon->x = 104;
    runhon->y = 80;
    charlie->visible = runhon->visible = TRUE;
    for (int walk = 0; walk < 120; walk++) {
        town_timer_flag = TRUE;
        int before[10][2];
        for (int i = 1; i <= 9; i++) before[i][0] = person[i]->x, before[i][1] = person[i]->y;
        for (int c = 0; c < 16; c++) {
            update_screen();
            for (int i = 1; i <= 9; i++) {
                character* p = person[i];
                ASSERT_TRUE(apart(p, mike)) << "person " << i;
                ASSERT_TRUE(apart(p, charlie) && apart(p, runhon)) << "person " << i;
                ASSERT_TRUE(p->x >= 0 && p->y >= 0 && p->x <= 7 * 16 && p->y <= 5 * 16) << "person " << i;
                for (int j = i + 1; j <= 9; j++) ASSERT_TRUE(apart(p, person[j])) << i << " and " << j;
            }
        }
        EXPECT_FALSE(town_timer_flag) << "the next walk waits for the timer";
        for (int i = 1; i <= 9; i++) {
            EXPECT_TRUE(person[i]->x % 16 == 0 && person[i]->y % 16 == 0);
            moved += before[i][0] != person[i]->x || before[i][1] != person[i]->y;
        }
        // Mike moves about too, so that people meet him from every side.
        mike->x = 16 * (walk % 8);
        mike->y = 16 * (walk / 8 % 6);
        for (int i = 1; i <= 9; i++)
            if (!apart(person[i], mike)) mike->x = mike->y = 1000;
    }
    EXPECT_GT(moved, 50) << "people do wander";
    EXPECT_TRUE(person[9]->x == 16 && person[9]->y == 48) << "a still person never moves";
    charlie->visible = runhon->visible = FALSE;
}

TEST_F(FrameTest, HeldKeyTogglesOnceAndTheSaveSpotFiresOncePerVisit)
{
    key[KEY_V] = TRUE;
    for (int i = 0; i < 5; i++) virtual_game_cycle();
    EXPECT_EQ(do_vsync, TRUE) << "V held five frames toggles once";
    key[KEY_V] = 0;
    virtual_game_cycle();
    do_vsync = FALSE;

    // The spot's own sequence asks twice: past "Hp/Mp Restored!!" and "Not really".
    door_begin_script("wait 6s\ntap Enter\nwait 1s\ntap Down\nwait 200ms\ntap Enter\nwait 1s\nend\n", 1);
    mike->x = save_x = 80;
    mike->y = save_y = 96;
    save_on = TRUE;
    mike_in_save = FALSE;
    virtual_game_cycle();
    EXPECT_EQ(mike_in_save, TRUE);
    mike->x = 96;
    virtual_game_cycle();
    EXPECT_EQ(mike_in_save, FALSE);
}

TEST_F(FrameTest, EscOnTheFieldEndsWithStatusZeroAndSavesSettingsButNotTheEscThatClosedAWindow)
{
    unlink("winconfig.cfg");
    EXPECT_EXIT(
        {
            headless_game_start("wait 200ms\npress Esc\nwait 100ms\nend");
            reset_fps_timer();
            looping = TRUE;
            for (;;) update_screen();
        },
        ::testing::ExitedWithCode(0), "");
    EXPECT_NE(read_file("winconfig.cfg").find("SoundVolume"), std::string::npos);
    // The Esc that closes a window is still down as the field goes on: the game goes on
    // too, until Esc is pressed there again.
    EXPECT_EXIT(
        {
            headless_game_start("wait 200ms\ntap Esc 150\nwait 1s\npress Esc\nwait 100ms\nend");
            reset_fps_timer();
            looping = TRUE;
            message("Esc closes this");
            for (int i = 0; i < 30; i++) update_screen();
            fprintf(stderr, "the field went on\n");
            for (;;) update_screen();
        },
        ::testing::ExitedWithCode(0), "the field went on");
}
