// Text windows and prompts in a headless game: wrapping and cutting of texts,
// the window look, the opening's pace, the thought colour, the prompt under
// scripted keys, the place window's fade and the fatal heights.
#include <cstring>
#include <set>
#include <string>

#include "frame_fixture.h"

namespace {

using Lines = char[WINDOW_LINES][WINDOW_LINE_MAX + 1];

// The colours of text in a rectangle: anything but the window's pure blue fill.
std::set<int> text_colours(BITMAP* bmp, int x, int y, int w, int h)
{
    std::set<int> out;
    for (int j = y; j < y + h; j++)
        for (int i = x; i < x + w; i++) {
            int c = getpixel(bmp, i, j);
            if (getr(c) || getg(c)) out.insert(c);
        }
    return out;
}

} // namespace

TEST(WindowText, WrapsAtTheLastSpacesBeforeEach36thCharacterUnlessBrokenByHand)
{
    const char* text = "The old bridge creaks under each step and the river below runs fast and cold. Mike "
                       "stops and listens";
    ASSERT_EQ(strlen(text), 100u);
    Lines lines;
    ASSERT_EQ(split_window_text(text, lines), 3);
    EXPECT_STREQ(lines[0], "The old bridge creaks under each");
    EXPECT_STREQ(lines[1], "step and the river below runs fast and");
    EXPECT_STREQ(lines[2], "cold. Mike stops and listens");

    std::string by_hand = std::string(60, 'x') + " and more words than fit_second";
    ASSERT_EQ(split_window_text(by_hand.c_str(), lines), 2);
    EXPECT_EQ(std::string(lines[0]), by_hand.substr(0, by_hand.find('_'))) << "never rewrapped";
    ASSERT_EQ(split_window_text("one_two_three_four", lines), 3) << "at most three lines";
}

TEST(WindowText, OverlongInputIsCutNeverOverrun)
{
    Lines lines;
    std::string huge(5000, 'w');
    ASSERT_EQ(split_window_text(huge.c_str(), lines), 1);
    EXPECT_EQ(strlen(lines[0]), (size_t)WINDOW_LINE_MAX);
    std::string edge = std::string(497, 'a') + "_b_c"; // the 500th character is cut off
    ASSERT_EQ(split_window_text(edge.c_str(), lines), 2);
    EXPECT_STREQ(lines[1], "b");
    ASSERT_EQ(split_window_text(nullptr, lines), 1);
}

TEST_F(FrameTest, WindowLookSolidAndTranslucent)
{
    still_window(buffer, 20, 30, 100, 40);
    EXPECT_TRUE(is_rgb(getpixel(buffer, 20, 50), 255, 255, 255, 0)) << "left edge";
    EXPECT_TRUE(is_rgb(getpixel(buffer, 120, 50), 60, 60, 60)) << "right edge";
    EXPECT_TRUE(is_rgb(getpixel(buffer, 21, 50), 150, 150, 150)) << "inner left";
    EXPECT_TRUE(is_rgb(getpixel(buffer, 119, 50), 100, 100, 100)) << "inner right";
    EXPECT_TRUE(is_rgb(getpixel(buffer, 60, 61), 0, 0, 180)) << "row 31 of a window 40 high: 6 a row";
    EXPECT_EQ(getpixel(buffer, 121, 50), 0);

    for (int all : {FALSE, TRUE}) {
        clear_to_color(buffer, makecol(200, 200, 200));
        still_window_ex(buffer, 10, 10, 100, 40, 128, all);
        EXPECT_TRUE(is_rgb(getpixel(buffer, 50, 12), 100, 100, 100, 12)) << "half of the dark fill";
        int frame = all ? 228 : 255;
        EXPECT_TRUE(is_rgb(getpixel(buffer, 50, 10), frame, frame, frame, 12)) << "all " << all;
    }
}

TEST_F(FrameTest, StoryWindowOpensAtItsPaceInBothModes)
{
    swind_speed = 0;
    long t = door_time_ms();
    story_window_2("Hello there", 10, 8, 300, 40);
    EXPECT_NEAR(door_time_ms() - t, 40 * 20, 2) << "speed 0: 40 steps of 20 ms";
    EXPECT_TRUE(is_rgb(getpixel(screen, 310, 30), 60, 60, 60));
    EXPECT_EQ(getpixel(buffer, 10, 30), 0) << "drawn on the display only";
    swind_speed = 5;
    t = door_time_ms();
    story_window_2("Hello there", 10, 8, 300, 40);
    EXPECT_EQ(door_time_ms() - t, 0) << "speed 5 opens at once";

    DoubledDisplay big;
    story_window_2("Hi", 80, 100, 160, 40);
    EXPECT_TRUE(is_rgb(getpixel(screen, 160, 220), 255, 255, 255, 0)) << "left edge at twice x";
    EXPECT_TRUE(is_rgb(getpixel(screen, 400, 274), 0, 0, 216, 12));
    EXPECT_EQ(getpixel(screen, 159, 220), 0);
}

TEST_F(FrameTest, ThoughtsUseTheOtherColourAndTheFontComesBack)
{
    auto shown = [](const char* text) {
        clear_bitmap(screen);
        story_window_2(text, 10, 8, 300, 40);
        return text_colours(screen, 15, 13, 290, 24);
    };
    std::set<int> normal = shown("Hmm, maybe later"), thought = shown("(Hmm, maybe later");
    ASSERT_FALSE(normal.empty());
    EXPECT_NE(normal, thought);
    EXPECT_EQ(normal, shown("Hmm, maybe later")) << "the next text is back in the normal colour";
}

TEST_F(FrameTest, WrapWindWaitsForAKeyAndConsumesIt)
{
    headless_game_start("wait 1500ms\npress Enter\nwait 100ms\nrelease Enter");
    swind_speed = 3;
    wrap_wind("Welcome to Lumin Village!");
    EXPECT_TRUE(door_time_ms() >= 1500 && door_time_ms() < 1600);
    EXPECT_TRUE(is_rgb(getpixel(screen, 10, 20), 255, 255, 255, 0)) << "left on the display";
    EXPECT_FALSE(door_keypressed());
}

TEST_F(FrameTest, ChoiceAnswersByKeysAndEscIsTheSecondOption)
{
    const std::pair<const char*, int> cases[] = {
        {"wait 100ms\ntap Enter", 1},
        {"wait 100ms\ntap Esc", 2},
        {"wait 100ms\ntap Down\ntap Enter", 2},
        {"wait 100ms\ntap Up\ntap Enter", 2},
        {"wait 100ms\ntap Down\ntap Down\ntap Enter", 1},
        // Enter still down from the window before counts only once let go.
        {"press Enter\nwait 300ms\nrelease Enter\nwait 100ms\ntap Down\ntap Enter", 2},
    };
    for (auto [script, expected] : cases) {
        headless_game_start(script);
        door_rest(10);
        EXPECT_EQ(choice("Yes", "No"), expected) << script;
        for (int k = 0; k < KEY_MAX; k++) key[k] = 0;
    }
    DoubledDisplay big;
    rectfill(screen, 0, 0, 639, 479, makecol(0, 0, 128));
    headless_game_start("wait 100ms\ntap Esc");
    EXPECT_EQ(choice("Yes", "No"), 2);
    EXPECT_TRUE(is_rgb(getpixel(screen, 200, 200), 255, 255, 255, 0)) << "box at twice (100, 90)";
    EXPECT_EQ(getpixel(screen, 10, 10), makecol(0, 0, 128)) << "over what was shown";
}

TEST_F(FrameTest, PlaceWindowHoldsHalfOpacityThenFadesWithTheCountdown)
{
    const char* old = g_place;
    g_place = "Lumin Village";
    int top = 128 - (text_height(main_font) + 5);
    for (int count : {255, 128, 100, 40, 1}) {
        show_place_window = (unsigned char)count;
        EXPECT_EQ(place_window_opacity(), count < 128 ? count : 128);
        clear_bitmap(buffer);
        draw_place_window();
        EXPECT_NEAR(getr(getpixel(buffer, 160, top)), place_window_opacity(), 12) << "countdown " << count;
    }
    show_place_window = 3;
    for (int i = 0; i < 3; i++) update_screen();
    EXPECT_EQ(getpixel(screen, 160, top), 0) << "gone when the countdown runs out";
    g_place = old;
}

TEST_F(FrameTest, WindowHeightsOutsideOneTo257AreFatal)
{
    EXPECT_EXIT(story_window_2("x", 10, 8, 300, 0), ::testing::ExitedWithCode(1),
                "story_window:  invalid height \\(must be between 1 and 257\\)");
    EXPECT_EXIT(still_window_ex(buffer, 0, 0, 10, 258, 255, FALSE), ::testing::ExitedWithCode(1),
                "still_window:  invalid height \\(must be between 1 and 257\\)");
    still_window(buffer, 0, 0, 10, 257);
}
