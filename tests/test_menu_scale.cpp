// The display at every size: a window of one to four times the picture kept
// in the settings, the Options row that changes it, Alt+Enter between window
// and full screen on the field, in the menu, in battle and on the title, the
// picture centred and sharp, and a display that refuses a mode putting a
// working one back.
#include <gtest/gtest.h>

#include "frame_fixture.h"
#include "menu.h"
#include "menu_screens.h"

#include <string>

namespace {

std::string taps(std::initializer_list<const char*> keys)
{
    std::string s;
    for (const char* k : keys) s += std::string("tap ") + k + "\nwait 150ms\n";
    return s;
}

const char* const ALT_ENTER = "hold Alt\nwait 50ms\ntap Enter\nwait 50ms\nrelease Alt\nwait 1s\n";
const char* const QUIT = "press Esc\nwait 1s\nend\n";

// Width and height of a saved shot (0 x 0 when it is missing).
std::pair<int, int> shot_size(const GameRun& run, const std::string& name)
{
    std::string b = read_file(run.dir + "/shots/" + name + ".bmp");
    if (b.size() < 26) return {0, 0};
    auto le = [&](size_t at) {
        return (int)((unsigned char)b[at] | (unsigned char)b[at + 1] << 8 | (unsigned char)b[at + 2] << 16 |
                     (unsigned char)b[at + 3] << 24);
    };
    return {le(18), le(22)};
}

std::string setting(const GameRun& run, const std::string& name)
{
    std::string text = read_file(run.dir + "/winconfig.cfg");
    size_t at = text.find("\n" + name + " = ");
    if (at == std::string::npos) return "";
    at += name.size() + 4;
    return text.substr(at, text.find('\n', at) - at);
}

TEST(DisplayScale, ASettingsFileAskingForThreeTimesRunsScriptedSharpAndIsKept)
{
    GameRun run = run_game(std::string("wait 2s\nshot field\n") + QUIT, {},
                           {{"winconfig.cfg", "[DisplaySettings]\nWindowScale = 3\n"}});
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(run.dump_int("screenscale"), 3);
    EXPECT_EQ(shot_size(run, "field"), std::make_pair(960, 720));
    // Every picture pixel is a 3 x 3 block of one colour.
    headless_library_start();
    BITMAP* shot = load_bitmap((run.dir + "/shots/field.bmp").c_str(), nullptr);
    ASSERT_NE(shot, nullptr);
    int mixed = 0;
    for (int y = 0; y < 720; y += 3)
        for (int x = 0; x < 960; x += 3)
            for (int k = 1; k < 9; k++)
                if (getpixel(shot, x + k % 3, y + k / 3) != getpixel(shot, x, y)) mixed++;
    destroy_bitmap(shot);
    EXPECT_EQ(mixed, 0);
    EXPECT_EQ(setting(run, "WindowScale"), "3");
    EXPECT_EQ(setting(run, "Fullscreen"), "0");
    // An older file without the display section gives the window of old.
    GameRun old = run_game(std::string("wait 2s\nshot field\n") + QUIT, {},
                           {{"winconfig.cfg", "[HardwareSettings]\nGfxDriver = 0\nSoundVolume = 200\n"}});
    ASSERT_EQ(old.status, 0) << old.output;
    EXPECT_EQ(shot_size(old, "field"), std::make_pair(320, 240));
    EXPECT_EQ(setting(old, "WindowScale"), "1");
}

TEST(DisplayScale, TheOptionsRowGoesRoundOneToFourAndTheShutdownKeepsIt)
{
    // Menu, Options, the size row: 2, 3, 4, round to 1, back to 4 and 3.
    std::string script = "wait 2s\ntap Alt\nwait 3s\n" + taps({"Up", "Up", "Up", "Enter"}) + "wait 3s\n" +
                         taps({"Down", "Right"}) + "shot s2\n" + taps({"Right"}) + "shot s3\n" +
                         taps({"Right"}) + "shot s4\n" + taps({"Right"}) + "shot s1\n" +
                         taps({"Left", "Left"}) + "shot back3\n" + "tap Esc\nwait 3s\ntap Esc\nwait 3s\n" +
                         QUIT;
    GameRun run = run_game(script, {"-nofight:47390"});
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(shot_size(run, "s2"), std::make_pair(640, 480));
    EXPECT_EQ(shot_size(run, "s3"), std::make_pair(960, 720));
    EXPECT_EQ(shot_size(run, "s4"), std::make_pair(1280, 960));
    EXPECT_EQ(shot_size(run, "s1"), std::make_pair(320, 240));
    EXPECT_EQ(shot_size(run, "back3"), std::make_pair(960, 720));
    EXPECT_EQ(run.dump_int("screenscale"), 3);
    EXPECT_EQ(setting(run, "WindowScale"), "3");
}

TEST(DisplayScale, AltEnterSwitchesToFullScreenAndBackWithoutOpeningTheMenu)
{
    // The scripted desktop is 800 x 600: the picture doubled, centred.
    GameRun run = run_game(std::string("wait 2s\n") + ALT_ENTER + "shot full\n" + QUIT, {"-nofight:47390"});
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(shot_size(run, "full"), std::make_pair(800, 600));
    EXPECT_EQ(run.dump_int("screenscale"), 2);
    EXPECT_FALSE(run.heard("sample 71")) << "the menu opened";
    EXPECT_EQ(setting(run, "Fullscreen"), "1");
    // The next start comes up in full screen; Alt+Enter in the menu goes back
    // to a window and the menu stays where it was (its Enter chose nothing).
    GameRun next = run_game(std::string("wait 2s\nshot start\ntap Alt\nwait 3s\n") + ALT_ENTER +
                                "shot menu\n" + "tap Esc\nwait 3s\n" + QUIT,
                            {"-nofight:47390"}, {{"winconfig.cfg", read_file(run.dir + "/winconfig.cfg")}});
    ASSERT_EQ(next.status, 0) << next.output;
    EXPECT_EQ(shot_size(next, "start"), std::make_pair(800, 600));
    EXPECT_EQ(shot_size(next, "menu"), std::make_pair(320, 240));
    EXPECT_EQ(setting(next, "Fullscreen"), "0");
}

// Whether a full-screen shot (800 x 600, the picture doubled and centred) shows the
// same picture as a shot in a 1x window.
bool same_picture(const GameRun& run, const std::string& window, const std::string& full)
{
    headless_library_start();
    BITMAP* small = load_bitmap((run.dir + "/shots/" + window + ".bmp").c_str(), nullptr);
    BITMAP* big = load_bitmap((run.dir + "/shots/" + full + ".bmp").c_str(), nullptr);
    bool same = small && big && small->w == 320 && big->w == 800;
    for (int y = 0; same && y < 240; y++)
        for (int x = 0; same && x < 320; x++)
            same = getpixel(small, x, y) == getpixel(big, 80 + 2 * x, 60 + 2 * y);
    if (small) destroy_bitmap(small);
    if (big) destroy_bitmap(big);
    return same;
}

TEST(DisplayScale, AltEnterSwitchesInABattleAndOnTheTitleAndChoosesNothingThere)
{
    // A battle (Ctrl+F with the debug switch) until Mike's menu is up: Alt+Enter leaves
    // it as it was, Fight not chosen. Both defend, F11 held wins: Alt+Enter over
    // "Victory!!!" goes back to a window and the window stays up.
    const std::string defend = "tap Down 20\nwait 150ms\n" + taps({"Enter"});
    std::string script = "wait 2s\nhold Ctrl\ntap F\nrelease Ctrl\nwait 8s\nshot menu\n" +
                         std::string(ALT_ENTER) + "shot menu_full\n" + defend + "wait 1s\nhold F11\n" +
                         defend + "wait 5s\nrelease F11\nwait 1s\nshot won_full\n" + ALT_ENTER + "shot won\n";
    for (int i = 0; i < 8; i++) script += "tap Enter\nwait 1s\n";
    GameRun run = run_game(script + QUIT, {"-debug:58214", "-nofight:47390"});
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_TRUE(same_picture(run, "menu", "menu_full")) << "the battle menu moved on";
    EXPECT_TRUE(same_picture(run, "won", "won_full")) << "the window went";
    EXPECT_TRUE(run.said("Victory!!!"));
    EXPECT_EQ(setting(run, "Fullscreen"), "0");

    // The title's menu: full screen, New Game not chosen. Continue's slot picker: back to a
    // window, and no slot chosen (there is none to read). Only Down and Enter beep.
    GameRun title =
        run_game(std::string("wait 25s\n") + ALT_ENTER + "shot title\n" + taps({"Down", "Enter"}) +
                     "wait 1s\n" + ALT_ENTER + "shot picker\nwait 2s\nend\n",
                 {}, {}, 1, true);
    EXPECT_EQ(title.status, 3) << "still on the title";
    EXPECT_EQ(shot_size(title, "title"), std::make_pair(800, 600));
    EXPECT_EQ(shot_size(title, "picker"), std::make_pair(320, 240));
    EXPECT_FALSE(title.said("Error reading file!"));
    int beeps = 0;
    for (const std::string& s : title.sounds) beeps += s.rfind("sample 71 ", 0) == 0;
    EXPECT_EQ(beeps, 2);
}

class DisplayTest : public FrameTest {
protected:
    void TearDown() override
    {
        current_gfx_driver = 0;
        fullscreen = FALSE;
        change_display(1, FALSE);
        FrameTest::TearDown();
    }
};

TEST_F(DisplayTest, FullScreenCentresThePictureAndEverythingDrawsInsideIt)
{
    ASSERT_TRUE(change_display(1, TRUE));
    ASSERT_EQ(screen->w, 800);
    EXPECT_EQ(screen_scale, 2);
    EXPECT_EQ(screen_left, 80);
    EXPECT_EQ(screen_top, 60);
    clear_to_color(buffer, makecol(255, 0, 0));
    menu_unroll();
    EXPECT_TRUE(is_rgb(getpixel(screen, 79, 59), 0, 0, 0));
    EXPECT_TRUE(is_rgb(getpixel(screen, 80, 60), 255, 0, 0));
    EXPECT_TRUE(is_rgb(getpixel(screen, 719, 539), 255, 0, 0));
    EXPECT_TRUE(is_rgb(getpixel(screen, 720, 540), 0, 0, 0));
    // What is shown reads back as the picture.
    putpixel(buffer, 319, 239, makecol(0, 0, 255));
    blit_buffer();
    clear_bitmap(buffer);
    capture_screen(buffer);
    EXPECT_TRUE(is_rgb(getpixel(buffer, 0, 0), 255, 0, 0));
    EXPECT_TRUE(is_rgb(getpixel(buffer, 319, 239), 0, 0, 255));
}

TEST_F(DisplayTest, ARefusedModePutsAWorkingDisplayBack)
{
    // The DGA driver is refused here, as on most desktops.
    headless_game_start("wait 2s\ntap Enter\n");
    current_gfx_driver = GFX_XDGA2;
    EXPECT_FALSE(change_display(3, FALSE));
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->w, 640);
    EXPECT_EQ(window_scale, 1);
    bool told = false;
    for (int i = 0; i < door_window_count(); i++)
        told = told ||
               std::string(door_window_text(i)) == "The display could not_be switched; it stays_as it was.";
    EXPECT_TRUE(told);
}

TEST_F(DisplayTest, ApplyingARefusedDriverFallsBackToAutodetect)
{
    // Options, the driver three steps on (DGA 2.0), Apply; both notes answered.
    headless_game_start((std::string("wait 3s\n") + taps({"Up", "Up", "Up", "Enter"}) + "wait 3s\n" +
                         taps({"Right", "Right", "Right"}) + taps({"Up", "Enter"}) + "wait 2s\n" +
                         taps({"Enter"}) + "wait 2s\n" + taps({"Enter"}) + "wait 3s\ntap Esc\nwait 3s\n")
                            .c_str());
    do_vantor_menu();
    EXPECT_EQ(current_gfx_driver, 0);
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->w, 320);
    bool told = false;
    for (int i = 0; i < door_window_count(); i++)
        told = told || std::string(door_window_text(i)) == "This driver is not available here";
    EXPECT_TRUE(told);
}

} // namespace
