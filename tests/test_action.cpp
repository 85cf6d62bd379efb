// Actions: the damage rules at both ends of their draws, what damage does to
// an enemy, Soul Slash's odds, the soft line and the lightning, and the
// dispatcher's refusal.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "action.h"
#include "action_draw.h"
#include "battle.h"
#include "harness.h"
#include "item.h"
#include "vantor.h"

TEST(ActionFormula, SpellAndSkillDamageAtBothEnds)
{
    EXPECT_EQ(spell_damage(32, 3, 1), 29);
    EXPECT_EQ(spell_damage(32, 3, 0), 35);
    EXPECT_EQ(skill_damage(100, 12, 3, 1), 109);
    EXPECT_EQ(skill_damage(100, 12, 7, 2), 115);
    EXPECT_EQ(gleamer_amount(50, TRUE, 5, 1), 45);
    EXPECT_EQ(gleamer_amount(50, TRUE, 5, 0), 55);
    EXPECT_EQ(gleamer_amount(50, FALSE, 5, 1), 9) << "weaker without Elizabeth herself";
    EXPECT_EQ(gleamer_amount(50, FALSE, 0, 0), 14);
}

TEST(ActionFormula, DamageOnAnEnemyAndItsColour)
{
    ftenemy e{};
    e.hp = 50, e.hpmax = 60, e.total_damage = 10;
    EXPECT_FALSE(hurt_enemy(&e, 20));
    EXPECT_EQ(e.hp, 30);
    EXPECT_EQ(e.total_damage, 30);
    EXPECT_FALSE(hurt_enemy(&e, -45));
    EXPECT_EQ(e.hp, 60) << "healing stops at the maximum";
    EXPECT_EQ(e.total_damage, -15) << "a heal lowers the tally";
    EXPECT_FALSE(hurt_enemy(&e, 0));
    EXPECT_EQ(e.hp, 60);
    EXPECT_TRUE(hurt_enemy(&e, 60)) << "down at exactly 0";

    headless_library_start();
    EXPECT_EQ(damage_colour(1), -1);
    EXPECT_EQ(damage_colour(0), makecol(0, 255, 100)) << "a zero is shown green";
    EXPECT_EQ(damage_colour(-7), makecol(0, 255, 100));
}

TEST(ActionFormula, SoulSlashOddsByMaximumHp)
{
    EXPECT_TRUE(soul_slash_lands(99, 100));
    EXPECT_TRUE(soul_slash_lands(RAND_MAX, 100)) << "small foes always";
    EXPECT_TRUE(soul_slash_lands(99, 1000));
    EXPECT_FALSE(soul_slash_lands(100, 1000));
    EXPECT_FALSE(soul_slash_lands(999, 1000));
    int lands = 0;
    for (int r = 0; r < 10000; r++) lands += soul_slash_lands(r, 1000) ? 1 : 0;
    EXPECT_EQ(lands, 1000) << "one in ten";
    EXPECT_TRUE(soul_slash_lands(5, 0)) << "no division by a zero maximum";
}

TEST(ActionDraw, SoftLineFadesSidewaysFromItsMiddle)
{
    EXPECT_EQ(grad_level(0, 8), 255);
    EXPECT_EQ(grad_level(-4, 8), 0);
    EXPECT_EQ(grad_level(2, 8), 127);
    EXPECT_EQ(grad_level(-1, 8), 191);

    headless_library_start();
    BITMAP* b = create_bitmap(40, 20);
    clear_to_color(b, 0);
    grad_line(b, 20, 2, 20, 17, 8, makecol(255, 255, 255));
    auto red = [&](int x) { return getr(getpixel(b, x, 10)); };
    EXPECT_GT(red(20), 240);
    EXPECT_LT(red(18), red(20));
    EXPECT_LT(red(17), red(18));
    EXPECT_EQ(red(16), 0) << "the outermost column has level 0";
    EXPECT_EQ(red(24), 0) << "nothing right of the width";
    EXPECT_EQ(getr(getpixel(b, 20, 0)), 0) << "nothing beyond the ends";
    clear_to_color(b, 0);
    grad_line(b, 5, 5, 30, 5, 1, makecol(255, 255, 255));
    EXPECT_GT(red(5) + getr(getpixel(b, 15, 5)), 0) << "a one-pixel line still shows";
    destroy_bitmap(b);
}

TEST(ActionDraw, LightningBendsAndNeverTheSameWayTwice)
{
    int bx, by;
    electric_bend(10, 0, 30, 100, 8, 7, 1, 7, 1, &bx, &by);
    EXPECT_EQ(bx, 27);
    EXPECT_EQ(by, 57);
    electric_bend(30, 100, 10, 0, 8, 7, 0, 7, 0, &bx, &by);
    EXPECT_EQ(bx, 13) << "the same middle from either end";
    EXPECT_EQ(by, 43);
    electric_bend(0, 0, 10, 10, 0, 7, 0, 7, 0, &bx, &by);
    EXPECT_EQ(bx, 5) << "a vary of 0 bends nowhere, and does not divide by it";

    headless_library_start();
    BITMAP* a = create_bitmap(64, 128);
    BITMAP* b = create_bitmap(64, 128);
    int differ = 0;
    srand(5);
    for (int round = 0; round < 5; round++) {
        clear_to_color(a, 0);
        clear_to_color(b, 0);
        electric_line(a, 32, 0, 32, 127, 4, 12);
        electric_line(b, 32, 0, 32, 127, 4, 12);
        for (int y = 0; y < 128; y++)
            for (int x = 0; x < 64; x++)
                if (getpixel(a, x, y) != getpixel(b, x, y)) {
                    differ++;
                    y = 128;
                    break;
                }
        EXPECT_GT(getr(getpixel(a, 32, 0)), 200) << "it starts where it is told";
    }
    EXPECT_GE(differ, 4) << "two strokes along the same path differ";
    destroy_bitmap(a);
    destroy_bitmap(b);
}

TEST(ActionCatalogue, ElementColoursOfTheCastingSparks)
{
    headless_library_start();
    EXPECT_EQ(element_colour(ELEM_FIRE), makecol(255, 0, 0));
    EXPECT_EQ(element_colour(ELEM_DARKNESS), 0);
    EXPECT_EQ(element_colour(ELEM_NONE), makecol(255, 255, 0));
    EXPECT_EQ(element_colour(42), makecol(255, 255, 0));
}

TEST(ActionGame, AntiRainIsRefusedAndCostsNothing)
{
    std::string script;
    for (int i = 0; i < 10; i++) script += "wait 200ms\ntype Enter\n";
    headless_game_start((script + "wait 600s\nend\n").c_str());
    ftchar saved = *ftrunhon;
    ftrunhon->actions[2].have = -1;
    ftrunhon->mp = 5;
    EXPECT_EQ(do_action(2, ftrunhon), 0);
    EXPECT_EQ(ftrunhon->mp, 5);
    // A slot with no routine still spends the turn.
    ftrunhon->actions[50].id = 99;
    EXPECT_EQ(do_action(50, ftrunhon), -1);
    EXPECT_EQ(do_action(100, ftrunhon), 0) << "no such slot";
    *ftrunhon = saved;
}
