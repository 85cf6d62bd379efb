// The in-game menu under scripted keys: items used and refused from the real
// Items screen, weapons and armor changing hands with the stock counted,
// healing actions, the options' bounds, Save off the world map and Quit
// answered both ways; and the rules behind the screens at their edges.
#include <gtest/gtest.h>

#include "action.h"
#include "frame_fixture.h"
#include "item.h"
#include "menu.h"
#include "menu_screens.h"
#include "world.h"

#include <string>

namespace {

class MenuTest : public FrameTest {
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        for (int i = 0; i < 101; i++) items[i].have = 0;
        for (ftchar* f : {ftmike, ftcharlie, ftrunhon, ftelizabeth}) {
            f->in_fight = FALSE;
            f->alive = TRUE;
            f->hp = f->hpmax = 100;
            f->mp = f->mpmax = 40;
            for (int& s : f->status) s = 0;
        }
        ftmike->in_fight = ftcharlie->in_fight = TRUE;
        in_town = in_field = FALSE;
        g_gp = 123;
    }
    // The real menu under a script; the keys start up.
    void menu_with(const std::string& script)
    {
        headless_game_start(script.c_str());
        for (int k = 0; k < KEY_MAX; k++) key[k] = 0;
        do_vantor_menu();
    }
    bool window_said(const char* text)
    {
        for (int i = 0; i < door_window_count(); i++)
            if (std::string(door_window_text(i)) == text) return true;
        return false;
    }
};

// Keys pressed one by one with time to draw between them.
std::string taps(std::initializer_list<const char*> keys)
{
    std::string s;
    for (const char* k : keys) s += std::string("tap ") + k + "\nwait 150ms\n";
    return s;
}

const char* OPEN = "wait 3s\n";   // the fade in
const char* UNROLL = "wait 3s\n"; // a sub-screen rolling down
const char* CLOSE = "tap Esc\nwait 3s\ntap Esc\nwait 3s\n";

TEST_F(MenuTest, APotionFromTheItemsScreenHealsTwentyAndIsTakenFromTheBag)
{
    items[IT_SMALL_POTION].have = 2;
    ftcharlie->hp = 50;
    // Items, the potion at the first place, Charlie in the picker.
    menu_with(std::string(OPEN) + "shot menu_main\n" + taps({"Enter"}) + UNROLL + "shot menu_items\n" +
              taps({"Enter", "Down", "Enter"}) + "wait 5s\n" + CLOSE);
    EXPECT_EQ(ftcharlie->hp, 70);
    EXPECT_EQ(items[IT_SMALL_POTION].have, 1);
    EXPECT_EQ(ftmike->hp, 100);
}

TEST_F(MenuTest, RefusedUsesKeepTheItem)
{
    items[IT_SMALL_POTION].have = 1;
    items[IT_GLOW_DUST].have = 1;
    items[IT_COMBUSTER].have = 1;
    ftcharlie->alive = FALSE;
    ftcharlie->hp = 0;
    // Potion on Mike at full health, potion on the knocked-out Charlie, Glow
    // Dust on Mike at full MP, and a Combuster, which is for battles.
    menu_with(std::string(OPEN) + taps({"Enter"}) + UNROLL + taps({"Enter", "Enter"}) +
              taps({"Enter", "Down", "Enter"}) + taps({"Right", "Enter", "Enter"}) +
              taps({"Left", "Down", "Down", "Enter"}) + "wait 1s\n" + taps({"Enter"}) + CLOSE);
    EXPECT_EQ(items[IT_SMALL_POTION].have, 1);
    EXPECT_EQ(items[IT_GLOW_DUST].have, 1);
    EXPECT_EQ(items[IT_COMBUSTER].have, 1);
    EXPECT_TRUE(window_said("Battle Use Only!"));
    EXPECT_EQ(ftcharlie->hp, 0);
    EXPECT_FALSE(ftcharlie->alive);
    // Each of the three refusals buzzes, the knocked-out Charlie's too.
    int buzzes = 0;
    for (int i = 0; i < door_sound_count(); i++)
        if (std::string(door_sound_text(i)).rfind("sample 0 vol 255 pan 127 freq 1000 ", 0) == 0) buzzes++;
    EXPECT_EQ(buzzes, 3);
}

TEST_F(MenuTest, ItemRulesAtTheirEdges)
{
    items[IT_VIVER].have = 1;
    items[IT_LIGHT_STONE].have = 1;
    items[IT_GLOW_ROCK].have = 1;
    items[IT_AURORA_AMULET].have = 1;
    // A Viver only for the fallen; it stands him up with a quarter.
    EXPECT_EQ(menu_item_check(IT_VIVER, ftcharlie), USE_REFUSED);
    ftcharlie->alive = FALSE;
    ftcharlie->hp = 0;
    ftcharlie->status[ST_POISON] = 3;
    ASSERT_EQ(menu_item_check(IT_VIVER, ftcharlie), USE_DONE);
    menu_item_apply(IT_VIVER, ftcharlie);
    EXPECT_TRUE(ftcharlie->alive);
    EXPECT_EQ(ftcharlie->hp, 25);
    EXPECT_EQ(ftcharlie->status[ST_POISON], 0);
    EXPECT_EQ(items[IT_VIVER].have, 0);
    // The Light Stone waits for someone standing who is hurt.
    EXPECT_EQ(menu_item_check(IT_LIGHT_STONE, nullptr), USE_DONE);
    ftcharlie->hp = 25;
    ftmike->hp = 100;
    menu_item_apply(IT_LIGHT_STONE, ftmike);
    EXPECT_EQ(ftcharlie->hp, 45);
    EXPECT_EQ(ftmike->hp, 100);
    // MP is capped at its maximum.
    ftmike->mp = 30;
    menu_item_apply(IT_GLOW_ROCK, ftmike);
    EXPECT_EQ(ftmike->mp, 40);
    // The amulet is never spent; an empty place is nothing.
    EXPECT_EQ(menu_item_check(IT_AURORA_AMULET, ftmike), USE_AMULET);
    EXPECT_EQ(menu_item_at(IT_SMALL_POTION), -1);
    EXPECT_EQ(menu_item_at(IT_AURORA_AMULET), IT_AURORA_AMULET);
}

TEST_F(MenuTest, ArmsEquipOwnedWeaponsOnlyAndRunhonHasNone)
{
    steel_blade->have = -1;
    scalder->have = -1;
    dreamer->have = 0;
    ftmike->charweapon = steel_blade;
    steel_blade->equipped = TRUE;
    scalder->equipped = FALSE;
    // Arms, Mike, down to Scalder (row 2), take it; then Dreamer, not owned.
    menu_with(std::string(OPEN) + taps({"Down", "Enter", "Enter"}) + UNROLL +
              taps({"Down", "Down", "Enter"}) + "shot menu_arms\n" + taps({"Down", "Enter"}) + CLOSE);
    EXPECT_EQ(ftmike->charweapon, scalder);
    EXPECT_TRUE(scalder->equipped);
    EXPECT_FALSE(steel_blade->equipped);
    EXPECT_FALSE(dreamer->equipped);
    for (int row = 0; row < 4; row++) EXPECT_FALSE(menu_equip_weapon(ftrunhon, row));
    EXPECT_EQ(menu_weapon_row(ftcharlie, 1), mythril_katana);
    EXPECT_EQ(menu_weapon_row(ftelizabeth, 2), nullptr);
}

TEST_F(MenuTest, AttireSwapsAndTakesOffWithTheStockCounted)
{
    ASSERT_NE(armor_list[0], nullptr);
    ASSERT_NE(armor_list[1], nullptr);
    armor* first = armor_list[0];
    armor* second = armor_list[1];
    ftmike->chararmor = first;
    first->have = 0;
    second->have = 2;
    // Attire, Mike, row 1: the second piece on, the first back to the stock;
    // then X takes it off again.
    menu_with(std::string(OPEN) + taps({"Down", "Down", "Enter", "Enter"}) + UNROLL +
              taps({"Down", "Enter"}) + "shot menu_attire\n" + CLOSE);
    EXPECT_EQ(ftmike->chararmor, second);
    EXPECT_EQ(first->have, 1);
    EXPECT_EQ(second->have, 1);
    menu_with(std::string(OPEN) + taps({"Down", "Down", "Enter", "Enter"}) + UNROLL + taps({"X"}) + CLOSE);
    EXPECT_EQ(ftmike->chararmor, NO_ARMOR);
    EXPECT_EQ(second->have, 2);
    // Nothing worn: taking off changes nothing; no spare piece: refused.
    int none_have = NO_ARMOR->have;
    menu_unequip_armor(ftmike);
    EXPECT_EQ(ftmike->chararmor, NO_ARMOR);
    EXPECT_EQ(NO_ARMOR->have, none_have);
    first->have = 0;
    EXPECT_FALSE(menu_equip_armor(ftmike, first));
    EXPECT_EQ(ftmike->chararmor, NO_ARMOR);
}

TEST_F(MenuTest, GleamerFromTheMenuHealsAndCostsMp)
{
    ftelizabeth->in_fight = TRUE;
    ftcharlie->in_fight = FALSE;
    int slot = -1;
    for (int i = 0; i < 100; i++) {
        ftelizabeth->actions[i].have = 0;
        if (slot < 0 && ftelizabeth->actions[i].id == AC_RESTORE) slot = i;
    }
    if (slot < 0) {
        slot = 0;
        ftelizabeth->actions[0] = restore;
    }
    ftelizabeth->actions[slot].have = TRUE;
    action& g = ftelizabeth->actions[slot];
    ftmike->hp = 30;
    ftelizabeth->mp = g.mpcost;
    // Actions, Elizabeth (third row of the picker), her Gleamer on Mike.
    std::string down;
    for (int i = 0; i < slot; i++) down += "Down ";
    std::string script =
        std::string(OPEN) + taps({"Up", "Up", "Up", "Up", "Up", "Enter", "Down", "Enter"}) + UNROLL;
    for (int i = 0; i < slot; i++) script += taps({"Down"});
    script += "shot menu_actions\n" + taps({"Enter", "Enter"}) + "wait 5s\n";
    // Now short of MP: refused with its message.
    script += taps({"Enter"}) + "wait 1s\n" + taps({"Enter"}) + CLOSE;
    menu_with(script);
    EXPECT_EQ(ftmike->hp, std::min(30 + (int)g.atp, 100));
    EXPECT_EQ(ftelizabeth->mp, 0);
    EXPECT_TRUE(window_said("Not enough MP!!!"));
    // A knocked-out target is no one's to heal by spell.
    ftelizabeth->mp = 40;
    ftcharlie->alive = FALSE;
    EXPECT_EQ(menu_cast_check(ftelizabeth, slot, ftcharlie), CAST_REFUSED);
    EXPECT_EQ(menu_cast_check(ftelizabeth, slot, ftmike), CAST_DONE);
}

TEST_F(MenuTest, OptionsStayInTheirBoundsAndEscapeKeepsThem)
{
    EXPECT_EQ(volume_step(0, -1), 0);
    EXPECT_EQ(volume_step(250, 1), 255);
    EXPECT_EQ(volume_step(255, 1), 255);
    EXPECT_EQ(volume_step(255, -1), 250);
    EXPECT_EQ(window_speed_step(5, 1), 5);
    EXPECT_EQ(window_speed_step(0, -1), 0);
    // Right walks every driver and comes back; Left walks back.
    int id = 0, steps = 0;
    do {
        id = gfx_driver_step(id, 1);
        EXPECT_EQ(gfx_driver_step(id, -1) == 0 || steps > 0, true);
        steps++;
    } while (id != 0 && steps < 20);
    EXPECT_GT(steps, 2);
    EXPECT_LT(steps, 20);
    EXPECT_STREQ(gfx_driver_name(GFX_XWINDOWS), "X11 Window");

    sound_vol = 250;
    swind_speed = 4;
    current_sound_driver = DIGI_NONE;
    // Options, the window speed up twice (kept at 5), the volume up twice
    // (kept at 255), the sound card back to autodetect; Escape.
    std::string script =
        std::string(OPEN) + taps({"Up", "Up", "Up", "Enter"}) + UNROLL +
        taps({"Down", "Down", "Down", "Left", "Down", "Down", "Right", "Right", "Down", "Right", "Right"}) +
        "shot menu_options\n" + CLOSE;
    menu_with(script);
    EXPECT_EQ(swind_speed, 5);
    EXPECT_EQ(sound_vol, 255);
    EXPECT_EQ(current_sound_driver, -1);
}

TEST_F(MenuTest, ApplyChangesSwitchesTheFontAndWarnsOfANewDisplayDriver)
{
    font_setting = 0;
    current_gfx_driver = 0;
    // Options, the display driver one step on, the font toggled, Apply Changes.
    std::string script = std::string(OPEN) + taps({"Up", "Up", "Up", "Enter"}) + UNROLL + taps({"Right"}) +
                         taps({"Up", "Up", "Right", "Down"}) + "wait 300ms\n" + taps({"Enter"}) +
                         "wait 2s\n" + taps({"Enter"}) + "wait 3s\ntap Esc\nwait 3s\n";
    menu_with(script);
    EXPECT_EQ(current_gfx_driver, GFX_XWINDOWS);
    EXPECT_TRUE(window_said("Please restart game_to correct_discolorations."));
    EXPECT_EQ(font_setting, 1);
    EXPECT_EQ(main_font, (FONT*)data[MAIN_FONT_VANTOR].dat);
    EXPECT_EQ(color_font, (FONT*)data[COLOR_FONT_VANTOR].dat);
    font_setting = 0;
    main_font = (FONT*)data[MAIN_FONT_SYSTEM].dat;
    color_font = (FONT*)data[COLOR_FONT_SYSTEM].dat;
}

TEST_F(MenuTest, SaveIsOnlyForTheWorldMap)
{
    in_town = TRUE;
    menu_with(std::string(OPEN) + taps({"Up", "Up", "Enter"}) + "wait 2s\n" + taps({"Enter"}) +
              "tap Esc\nwait 3s\n");
    EXPECT_TRUE(window_said("Only in World Map!"));
    // On the world map the slot picker comes up; Escape puts it away unsaved.
    in_town = FALSE;
    menu_with(std::string(OPEN) + taps({"Up", "Up", "Enter"}) + "wait 3s\nshot menu_save\n" + taps({"Esc"}) +
              "wait 3s\ntap Esc\nwait 3s\n");
    EXPECT_FALSE(window_said("Only in World Map!"));
}

TEST_F(MenuTest, QuitAnsweredNoReturnsToTheMenu)
{
    menu_with(std::string(OPEN) + taps({"Up", "Enter"}) + "wait 2s\nshot menu_quit\n" +
              taps({"Down", "Enter"}) + "wait 1s\n" + "tap Esc\nwait 3s\n");
    EXPECT_TRUE(window_said("Quit to OS?"));
}

TEST_F(MenuTest, QuitAnsweredAbsolutelyEndsTheProgramCleanly)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        menu_with(std::string(OPEN) + taps({"Up", "Enter"}) + "wait 2s\n" + taps({"Enter"}) + "wait 5s\n"),
        ::testing::ExitedWithCode(0), "");
}

TEST_F(MenuTest, AnUnrolledScreenFillsTheWholeDoubledDisplay)
{
    DoubledDisplay doubled;
    headless_game_start("");
    clear_to_color(buffer, makecol(255, 0, 0));
    menu_unroll();
    EXPECT_TRUE(is_rgb(getpixel(screen, 0, 0), 255, 0, 0));
    EXPECT_TRUE(is_rgb(getpixel(screen, 639, 479), 255, 0, 0));
    EXPECT_TRUE(is_rgb(getpixel(screen, 320, 300), 255, 0, 0));
    // And the screens at double size, for the eye.
    items[IT_SMALL_POTION].have = 3;
    items[IT_GLOW_ROCK].have = 1;
    menu_with(std::string(OPEN) + "shot menu_main_2x\n" + taps({"Enter"}) +
              "wait 1s\nshot menu_unrolling_2x\n" + UNROLL + "shot menu_items_2x\n" + CLOSE);
}

TEST(MenuPlay, AltOnTheWorldMapOpensTheMenuAndQuitEndsTheGame)
{
    // Items and straight back, then Quit, answered "Absolutely!".
    GameRun run =
        run_game("wait 2s\ntap Alt\nwait 3s\n" + taps({"Enter"}) + "wait 3s\n" + taps({"Esc"}) + "wait 3s\n" +
                     taps({"Up", "Enter"}) + "wait 2s\n" + taps({"Enter"}) + "wait 3s\nend\n",
                 {"-nofight:47390"});
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_TRUE(run.said("Quit to OS?"));
    EXPECT_TRUE(run.heard("sample 71 vol 255 pan 127 freq 1000"));
    EXPECT_EQ(run.dump_int("mapnum"), -1);
}

TEST_F(MenuTest, StatusAndTheMainScreenShowThePartysNumbers)
{
    ftmike->hp = 20; // below a quarter: drawn in the warning colour
    ftcharlie->status[ST_POISON] = 2;
    menu_with(std::string(OPEN) + taps({"Up", "Up", "Up", "Up", "Enter", "Enter"}) + UNROLL +
              "shot menu_status\n" + taps({"Enter"}) + "wait 3s\n" + "tap Esc\nwait 3s\n");
    SUCCEED();
}

} // namespace
