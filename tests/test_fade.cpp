// Fades and picture effects in a headless game, native and doubled: where each
// fade ends, how long it takes on the virtual clock, the music fade, half
// sprites and the blending underneath.
#include "frame_fixture.h"

namespace {

void show_something() { rectfill(screen, 0, 0, screen->w - 1, screen->h - 1, makecol(220, 180, 40)); }

bool display_shows(BITMAP* pic)
{
    BITMAP* seen = create_bitmap(320, 240);
    capture_screen(seen);
    bool same = true;
    for (int y = 0; y < 240 && same; y++)
        for (int x = 0; x < 320 && same; x++) same = getpixel(seen, x, y) == getpixel(pic, x, y);
    destroy_bitmap(seen);
    return same;
}

} // namespace

TEST_F(FrameTest, FadesToBlackEndBlackInBothModesAndTakeTheirTime)
{
    for (int timed : {FALSE, TRUE})
        for (int doubled : {FALSE, TRUE}) {
            good_fade = timed;
            DoubledDisplay* big = doubled ? new DoubledDisplay : nullptr;
            show_something();
            long t = door_time_ms();
            fade_out_2(20);
            EXPECT_NEAR(door_time_ms() - t, 13 * 1000 / 60, 17) << "13 retraces or 13 cycles";
            EXPECT_TRUE(all_black(screen)) << "timed " << timed << " doubled " << doubled;
            delete big;
        }
    show_something();
    long t = door_time_ms();
    looping = TRUE;
    fade_out_timer(0);
    EXPECT_NEAR(door_time_ms() - t, 255 * 1000 / 60, 20) << "speed 0 is speed 1: 255 cycles";
    EXPECT_EQ(looping, TRUE) << "looping given back";
}

TEST_F(FrameTest, CrossFadesEndOnTheTargetEvenWhereItHasTheMaskColour)
{
    BITMAP* target = create_bitmap(320, 240);
    rectfill(target, 0, 0, 159, 239, makecol(255, 0, 0));
    rectfill(target, 160, 0, 319, 239, makecol(0, 0, 255));
    rectfill(target, 0, 0, 9, 9, makecol(255, 0, 255));
    for (int timed : {FALSE, TRUE})
        for (int doubled : {FALSE, TRUE}) {
            good_fade = timed;
            DoubledDisplay* big = doubled ? new DoubledDisplay : nullptr;
            show_something();
            fade_to(target, 16);
            EXPECT_TRUE(display_shows(target)) << "timed " << timed << " doubled " << doubled;
            delete big;
        }
    destroy_bitmap(target);
}

TEST_F(FrameTest, BadFadeSpeedIsFatalOnlyWithoutGoodFade)
{
    EXPECT_EXIT(fade_out_2(21), ::testing::ExitedWithCode(1), "fade_out_2:  speed must be between 1 and 20");
    EXPECT_EXIT(fade_out_2(0), ::testing::ExitedWithCode(1), "fade_out_2:  speed must be between 1 and 20");
    good_fade = TRUE;
    show_something();
    fade_out_2(40);
    EXPECT_TRUE(all_black(screen));
}

TEST_F(FrameTest, BlendingHonoursOpacityAndTheMask)
{
    BITMAP* src = create_bitmap(320, 240);
    clear_to_color(src, makecol(255, 0, 255));
    rectfill(src, 0, 0, 9, 9, makecol(255, 255, 255));
    blend_bitmap(buffer, src, 128, TRUE);
    EXPECT_TRUE(is_rgb(getpixel(buffer, 5, 5), 128, 128, 128, 12));
    EXPECT_EQ(getpixel(buffer, 50, 50), 0) << "mask colour skipped";
    blend_bitmap(buffer, src, 255, FALSE);
    EXPECT_EQ(getpixel(buffer, 50, 50), makecol(255, 0, 255)) << "unless not masked";
    // 13 wide: eight pixels go the fast way, five the plain way; both must agree.
    BITMAP* odd = create_bitmap(13, 1);
    clear_to_color(odd, makecol(200, 100, 50));
    darken_bitmap(odd, 128);
    EXPECT_TRUE(is_rgb(getpixel(odd, 0, 0), 100, 50, 25, 10));
    EXPECT_EQ(getpixel(odd, 12, 0), getpixel(odd, 0, 0));
    destroy_bitmap(odd);
    destroy_bitmap(src);
}

TEST_F(FrameTest, DrawHalfShowsTheTopHalfRoundedDown)
{
    RLE_SPRITE* s = solid_sprite(10, 15, makecol(0, 200, 0));
    draw_half(s, 30, 40);
    EXPECT_EQ(getpixel(buffer, 39, 46), makecol(0, 200, 0)) << "7 rows of 15";
    EXPECT_EQ(getpixel(buffer, 30, 47), 0);
    destroy_rle_sprite(s);
}

TEST_F(FrameTest, MusicFadeTakesItsStepsAndLeavesTheVolumeSetting)
{
    int old = midi_vol;
    midi_vol = 160;
    playing = 48;
    long t = door_time_ms();
    sound_fade_out(16, 10);
    EXPECT_NEAR(door_time_ms() - t, 10 * 10 + 100, 2) << "ten steps of 10 ms, 100 ms after stopping";
    EXPECT_EQ(midi_vol, 160);
    EXPECT_EQ(playing, -1);
    midi_vol = old;
}
