// The battle's formulas at both ends of their draws, and its pieces run
// inside this process on the real data: the party's order and places, the
// time bars, the rosters, status countdowns, numbers and rewards.
#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cstring>
#include <string>

#include "battle.h"
#include "dat_names.h"
#include "harness.h"
#include "play.h"
#include "vantor.h"
#include "world.h"

namespace {

// ---- formulas ----

TEST(BattleFormula, TimeBarStepIsCappedAtOnePerTick)
{
    EXPECT_FLOAT_EQ(time_bar_step(250), 1.0f);
    EXPECT_FLOAT_EQ(time_bar_step(10000), 1.0f);
    EXPECT_NEAR(time_bar_step(1), 0.17f, 1e-6);
}

TEST(BattleFormula, WeaponDamageAtBothEndsOfTheSpread)
{
    // 10 + 2 against 2: 10, spread of up to 10 / 10 + 1 - 1 = 1 either way.
    EXPECT_EQ(weapon_base_damage(10, 2, FALSE, 2, 0, 0), 10);
    EXPECT_EQ(weapon_base_damage(10, 2, FALSE, 2, 1, 0), 11);
    EXPECT_EQ(weapon_base_damage(10, 2, FALSE, 2, 1, 1), 9);
    // 60 against 0: up to 6 either way; the draw wraps at the range.
    EXPECT_EQ(weapon_base_damage(50, 10, FALSE, 0, 6, 0), 66);
    EXPECT_EQ(weapon_base_damage(50, 10, FALSE, 0, 6, 1), 54);
    EXPECT_EQ(weapon_base_damage(50, 10, FALSE, 0, 7, 1), 60);
    // Below 10 there is no spread at all, however large the draw.
    EXPECT_EQ(weapon_base_damage(5, 4, FALSE, 0, INT_MAX, 1), 9);
    // Armour at or above the blow still lets 1 through.
    EXPECT_EQ(weapon_base_damage(5, 2, FALSE, 7, INT_MAX, 1), 1);
    EXPECT_EQ(weapon_base_damage(5, 2, FALSE, 100, 0, 0), 1);
    // Fear halves only the hero's own attack.
    EXPECT_EQ(weapon_base_damage(10, 4, TRUE, 0, 0, 0), 9);
    EXPECT_EQ(weapon_base_damage(11, 4, TRUE, 0, 0, 0), 9);
    // A negative amount has no spread (and no modulo by a range below 1).
    EXPECT_EQ(damage_spread(-10, 12345, 1), 0);
    EXPECT_EQ(damage_spread(-1000, INT_MAX, 0), 0);
}

TEST(BattleFormula, ShineBoostAndElements)
{
    EXPECT_EQ(shine_boost(1), 2) << "a blow of 1 becomes 2";
    EXPECT_EQ(shine_boost(0), 1);
    EXPECT_EQ(shine_boost(-4), -3);
    EXPECT_EQ(shine_boost(10), 15);
    EXPECT_EQ(shine_boost(5), 8) << "7.5 rounds up";
    EXPECT_EQ(shine_boost(3), 5) << "4.5 rounds up";
    // Weakness triples after the boost: 10 -> 15 -> 45, four and a half times.
    EXPECT_EQ(apply_elements(shine_boost(10), ELEM_FIRE, ELEM_FIRE, ELEM_EARTH), 45);
    // A strength turns the blow into a heal, after any tripling.
    EXPECT_EQ(apply_elements(12, ELEM_EARTH, ELEM_FIRE, ELEM_EARTH), -12);
    EXPECT_EQ(apply_elements(30, ELEM_FIRE, ELEM_FIRE, ELEM_FIRE), -90);
    // No element meets an enemy's "none".
    EXPECT_EQ(apply_elements(12, ELEM_NONE, -1, -1), 12);
}

TEST(BattleFormula, EnemyBlowsHalveForDefendersAndNeverFallBelowOne)
{
    EXPECT_EQ(enemy_blow_damage(20, 5, 20, FALSE, 2, 0), 17);
    EXPECT_EQ(enemy_blow_damage(20, 5, 20, FALSE, 2, 1), 13);
    EXPECT_EQ(enemy_blow_damage(20, 5, 20, TRUE, 2, 0), 8) << "17 halved toward zero";
    EXPECT_EQ(enemy_blow_damage(3, 1, 0, TRUE, 0, 0), 1);
    EXPECT_EQ(enemy_blow_damage(20, 10000, 20, FALSE, 2, 0), 1) << "Glass Ball";
    // The whole party's blow of 500 ignoring defence: 450 to 550, halved for a defender.
    EXPECT_EQ(enemy_blow_damage(500, 0, 500, FALSE, 50, 0), 550);
    EXPECT_EQ(enemy_blow_damage(500, 0, 500, TRUE, 50, 1), 225);
}

TEST(BattleFormula, ArmourAgainstTheEnemysElement)
{
    EXPECT_EQ(armour_value(20, ELEM_EARTH, ELEM_AIR, ELEM_EARTH), 30);
    EXPECT_EQ(armour_value(5, ELEM_EARTH, ELEM_AIR, ELEM_EARTH), 7);
    EXPECT_EQ(armour_value(20, ELEM_EARTH, ELEM_AIR, ELEM_AIR), 0);
    EXPECT_EQ(armour_value(3, 0, 0, -1), 3) << "an enemy without element";
}

TEST(BattleFormula, LevelGrowthCapsAndTheOneAlwaysAdded)
{
    ftchar h{};
    h.hpmax = 5000, h.mpmax = 10, h.atp = 4000, h.agp = 10, h.dfp = 10, h.level = 20;
    h.pchp = 0.1f, h.pcmp = 0, h.pcatp = 0.1f, h.pcagp = 0, h.pcdfp = 0.05f;
    h.nextexp_c = 2000000, h.nextexp = -30;
    level_growth(&h);
    EXPECT_EQ(h.hpmax, 5251) << "at most 250 per level";
    EXPECT_EQ(h.atp, 4251);
    EXPECT_EQ(h.mpmax, 11) << "a zero fraction still adds 1";
    EXPECT_EQ(h.agp, 11);
    EXPECT_EQ(h.dfp, 11);
    EXPECT_EQ(h.nextexp_c, 2500000) << "the step grows by at most 500000";
    EXPECT_EQ(h.nextexp, 2500000) << "surplus is not carried over";
    EXPECT_EQ(h.level, 21);

    ftchar m{};
    m.hpmax = 20, m.mpmax = 5, m.atp = 5, m.agp = 1, m.dfp = 1, m.level = 1;
    m.pchp = 0.1f, m.pcmp = 0.04f, m.pcatp = 0.08f, m.pcagp = 0.04f, m.pcdfp = 0.05f;
    m.nextexp_c = 50;
    level_growth(&m);
    EXPECT_EQ(m.hpmax, 23);
    EXPECT_EQ(m.mpmax, 6);
    EXPECT_EQ(m.atp, 6);
    EXPECT_EQ(m.nextexp_c, 65);
}

// ---- pieces of the battle on the real data ----

struct Battle : ::testing::Test {
    PartySnapshot party;
    int saved_gp = 0;
    void SetUp() override
    {
        // Enough typed keys for every window, then a long quiet stretch.
        std::string script;
        for (int i = 0; i < 100; i++) script += "wait 300ms\ntype Enter\n";
        script += "wait 600s\nend\n";
        headless_game_start(script.c_str());
        party.take();
        saved_gp = g_gp;
        continue_fight = FIGHT_RUNNING;
        looping = TRUE;
        reset_battle_timer();
    }
    void TearDown() override
    {
        party.restore();
        g_gp = saved_gp;
        for (ftenemy** e : {&enemy1, &enemy2, &enemy3, &enemy4}) {
            uninit_enemy(*e);
            *e = nullptr;
        }
        memset(fighters, 0, sizeof fighters);
        g_map_num = -1;
        current_region = 0;
        force_enemy_id = force_enemy_sizes = -1;
        enemy_sizes = 0;
        continue_fight = 0;
        // A script cut short by the end of its battle may leave a key down.
        for (int k = 0; k < KEY_MAX; k++) key[k] = 0;
    }
    void four_enemies(int foe)
    {
        for (ftenemy** e : {&enemy1, &enemy2, &enemy3, &enemy4}) {
            *e = alloc_enemy();
            make_enemy(*e, foe);
        }
    }
};

TEST_F(Battle, PartyOrderAndPlaces)
{
    ftrunhon->in_fight = ftelizabeth->in_fight = FALSE;
    EXPECT_EQ(ftchar_loop(ftmike), ftcharlie);
    EXPECT_EQ(ftchar_loop(ftcharlie), nullptr);
    setup_starting_positions();
    EXPECT_EQ(ftcharlie->x, 230);
    EXPECT_EQ(ftcharlie->y, 130);
    EXPECT_EQ(fighters[2], nullptr);

    ftrunhon->in_fight = TRUE;
    EXPECT_EQ(ftchar_loop(ftcharlie), ftrunhon);
    EXPECT_EQ(ftchar_loop(ftrunhon), nullptr);
    setup_starting_positions();
    EXPECT_EQ(fighters[2], ftrunhon);
    EXPECT_EQ(ftrunhon->x, 231);
    EXPECT_EQ(ftrunhon->y, 132);
    EXPECT_EQ(ftcharlie->y, 111);

    ftrunhon->in_fight = FALSE;
    ftelizabeth->in_fight = TRUE;
    EXPECT_EQ(ftchar_loop(ftcharlie), ftelizabeth);
    setup_starting_positions();
    EXPECT_EQ(fighters[2], ftelizabeth);
    EXPECT_EQ(ftelizabeth->x, 236);

    // Without Charlie, Elizabeth follows Mike directly.
    ftcharlie->in_fight = FALSE;
    EXPECT_EQ(ftchar_loop(ftmike), ftelizabeth);
    EXPECT_EQ(ftchar_loop(ftelizabeth), nullptr);
}

TEST_F(Battle, BarsFillByAgilityAndFearDoublesTheWait)
{
    four_enemies(FOE_EMPTY);
    ftmike->agp = 10;
    ftcharlie->agp = 10;
    ftcharlie->status[ST_FEAR] = 3;
    int mike_due = 0, charlie_due = 0;
    for (int t = 1; t <= 700 && !charlie_due; t++) {
        battle_tick();
        if (ftmike->turn_flag && !mike_due) mike_due = t;
        if (ftcharlie->turn_flag && !charlie_due) charlie_due = t;
    }
    EXPECT_NEAR(mike_due, 300, 1) << "agility 10 takes five seconds of clock";
    EXPECT_NEAR(charlie_due, 600, 2) << "fear needs twice the fill";
    // A bar keeps filling past the line until the turn is taken.
    EXPECT_GT(ftmike->turn_ind, 100);

    // A knocked-out hero's bar is held empty.
    ftmike->alive = FALSE;
    battle_tick();
    EXPECT_EQ(ftmike->turn_ind, 0);
}

TEST_F(Battle, HeroesAndEnemiesDueInTheSameTick)
{
    four_enemies(FOE_DARK_WEED);
    ftmike->agp = ftcharlie->agp = 250;
    for (int n = 1; n <= 4; n++) enemy_slot(n)->agp = 250;
    for (int t = 0; t < 59; t++) battle_tick();
    EXPECT_FALSE(ftmike->turn_flag);
    battle_tick();
    EXPECT_TRUE(ftmike->turn_flag);
    EXPECT_TRUE(ftcharlie->turn_flag);
    for (int n = 1; n <= 4; n++) EXPECT_EQ(enemy_slot(n)->turn_flag, -1) << n;
}

TEST_F(Battle, ADyingEnemyHoldsTheClockOfTheSlotsAfterIt)
{
    four_enemies(FOE_DARK_WEED);
    enemy2->alive = FALSE; // still in the fight: its death is being played
    for (int t = 0; t < 10; t++) battle_tick();
    EXPECT_GT(enemy1->turn_ind, 1.0f);
    EXPECT_EQ(enemy2->turn_ind, 0);
    EXPECT_EQ(enemy3->turn_ind, 0);
    EXPECT_EQ(enemy4->turn_ind, 0);
    // Once gone from the fight it no longer holds anyone.
    enemy2->in_fight = FALSE;
    battle_tick();
    EXPECT_GT(enemy4->turn_ind, 0);
}

TEST_F(Battle, WorldRegionsFillAtMostThreeSlots)
{
    four_enemies(FOE_EMPTY);
    g_map_num = -1;
    int seen[FOE_COUNT + 1] = {};
    for (int region = 0; region <= 1; region++) {
        current_region = region;
        for (int i = 0; i < 300; i++) {
            for (int n = 1; n <= 4; n++) init_enemy(enemy_slot(n));
            EXPECT_FALSE(enemy4->in_fight) << "region " << region;
            for (int n = 1; n <= 3; n++) seen[foe_by_name(enemy_slot(n)->s_name) + 1]++;
        }
    }
    for (int foe : {FOE_DARK_WEED, FOE_BLUE_HORNET, FOE_SLIME_EYE, FOE_FANGED, FOE_CHUNK, FOE_EMPTY})
        EXPECT_GT(seen[foe + 1], 0) << foe;
    EXPECT_EQ(seen[FOE_UNDEADLY + 1], 0);
}

TEST_F(Battle, SandGardenRocksOnlyInTheFrontSlots)
{
    four_enemies(FOE_EMPTY);
    g_map_num = 25;
    force_enemy_sizes = 0;
    int rocks[5] = {};
    const int draws = 1500;
    for (int i = 0; i < draws; i++)
        for (int n = 1; n <= 4; n++) {
            init_enemy(enemy_slot(n));
            if (strcmp(enemy_slot(n)->s_name, "Rock") == 0) rocks[n]++;
        }
    for (int n = 1; n <= 2; n++) {
        EXPECT_GT(rocks[n], draws / 4) << n;
        EXPECT_LT(rocks[n], draws * 42 / 100) << n;
    }
    EXPECT_EQ(rocks[3], 0);
    EXPECT_EQ(rocks[4], 0);

    // The scene's three Mad Knights: a forced id in the second formation, the last slot empty.
    force_enemy_sizes = 1;
    force_enemy_id = 3;
    for (int n = 1; n <= 4; n++) init_enemy(enemy_slot(n));
    for (int n = 1; n <= 3; n++) EXPECT_STREQ(enemy_slot(n)->s_name, "Mad Knight");
    EXPECT_FALSE(enemy4->in_fight);
    EXPECT_EQ(enemy_sizes, 1);
    // A forced id beyond the table leaves the slot empty rather than reading past it.
    force_enemy_id = 40;
    init_enemy(enemy1);
    EXPECT_FALSE(enemy1->in_fight);
}

TEST_F(Battle, PlacesWithoutARosterStartNoBattle)
{
    g_map_num = 101;
    EXPECT_FALSE(battle_possible());
    do_battle(); // refused at once instead of drawing empty encounters for ever
    EXPECT_EQ(enemy1, nullptr);
    g_map_num = -1;
    current_region = 3;
    EXPECT_FALSE(battle_possible());
    for (int m : {-1, 2, 16, 19, 30}) {
        g_map_num = m;
        current_region = 2;
        EXPECT_TRUE(battle_possible()) << m;
    }
}

TEST_F(Battle, PoltergeistsAreLightMapsAndADrawnAgainSlotFreesThem)
{
    four_enemies(FOE_POLTERGEIST);
    EXPECT_TRUE(enemy1->ptr_is_lmp);
    ASSERT_NE(enemy1->a, nullptr);
    EXPECT_EQ(enemy1->current, enemy1->a);
    EXPECT_EQ(enemy1->d, nullptr);
    make_enemy(enemy1, FOE_SPUD);
    EXPECT_FALSE(enemy1->ptr_is_lmp);
    EXPECT_STREQ(enemy1->s_name, "Spud");
    EXPECT_EQ(enemy1->hp, 25);
    EXPECT_EQ(enemy1->x, 65);
    EXPECT_EQ(enemy1->y, 80);
    make_enemy(enemy2, FOE_EMPTY);
    EXPECT_FALSE(enemy2->in_fight);
    EXPECT_EQ(enemy2->exp, 0);
    EXPECT_STREQ(enemy2->s_name, "");
}

TEST_F(Battle, BlueHornetBobsOnePixelAFrameWhileAlive)
{
    four_enemies(FOE_EMPTY);
    make_enemy(enemy1, FOE_BLUE_HORNET);
    int y = enemy1->y;
    update_enemies(enemy1);
    EXPECT_EQ(enemy1->y, y + 1);
    EXPECT_EQ(enemy1->current, enemy1->c);
    update_enemies(enemy1);
    EXPECT_EQ(enemy1->y, y);
    EXPECT_EQ(enemy1->current, enemy1->a);
    // The battle frame only animates living enemies.
    enemy1->alive = FALSE;
    for (int i = 0; i < 3; i++) ft_update_screen();
    EXPECT_EQ(enemy1->y, y);
}

TEST_F(Battle, PoisonAndTheCountdownsAtTheEndOfATurn)
{
    four_enemies(FOE_DARK_WEED);
    ftmike->status[ST_POISON] = 1;
    ftmike->status[ST_FEAR] = 2;
    ftmike->status[ST_BLADE_SHINE] = 2;
    status_update(0, ftmike);
    EXPECT_EQ(ftmike->hp, 18) << "a tenth of 20";
    EXPECT_EQ(ftmike->status[ST_POISON], 1) << "poison stays";
    EXPECT_EQ(ftmike->status[ST_FEAR], 1);
    EXPECT_EQ(ftmike->status[ST_BLADE_SHINE], 1);
    EXPECT_EQ(continue_fight, FIGHT_RUNNING);

    // Poison that knocks out the last hero standing loses the battle at once.
    ftcharlie->alive = FALSE;
    ftmike->hp = 1;
    status_update(0, ftmike);
    EXPECT_EQ(ftmike->hp, 0);
    EXPECT_FALSE(ftmike->alive);
    EXPECT_EQ(ftmike->status[ST_POISON], 0) << "cured by the knock-out";
    EXPECT_EQ(continue_fight, FIGHT_LOST);
    // After the end nothing counts down any more.
    ftmike->status[ST_BLADE_SHINE] = 2;
    status_update(0, ftmike);
    EXPECT_EQ(ftmike->status[ST_BLADE_SHINE], 2);
}

TEST_F(Battle, PoisonOutlastsTheBattleUnlessAllIsCleared)
{
    ftrunhon->in_fight = ftelizabeth->in_fight = FALSE;
    for (int s = 1; s < 6; s++) ftcharlie->status[s] = 3;
    trash_status(FALSE);
    EXPECT_EQ(ftcharlie->status[ST_POISON], 3);
    EXPECT_EQ(ftcharlie->status[ST_FEAR], 0);
    EXPECT_EQ(ftcharlie->status[ST_GLASS_BALL], 0);
    trash_status(TRUE);
    EXPECT_EQ(ftcharlie->status[ST_POISON], 0);
}

TEST_F(Battle, StatusBoostsOfDefenceAndAttack)
{
    EXPECT_EQ(test_abnormality(ftmike, 6, 1), 6);
    ftmike->status[ST_VEST_SHINE] = 1;
    EXPECT_EQ(test_abnormality(ftmike, 6, 1), 9);
    EXPECT_EQ(test_abnormality(ftmike, 0, 1), 1);
    ftmike->status[ST_GLASS_BALL] = 1;
    EXPECT_EQ(test_abnormality(ftmike, 6, 1), 10000);
    EXPECT_EQ(test_abnormality(ftmike, 6, 0), 6);
    ftmike->status[ST_BLADE_SHINE] = 1;
    EXPECT_EQ(test_abnormality(ftmike, 6, 0), 9);
    EXPECT_EQ(test_abnormality(ftmike, 6, 7), 6);
}

TEST_F(Battle, TheTimeBarGoesGreyUnderFearAndGreenWhenFull)
{
    auto pixel = [](int x, int y) {
        int p = getpixel(buffer, x, y);
        return std::array<int, 3>{getr(p), getg(p), getb(p)};
    };
    clear_to_color(buffer, makecol(0, 0, 0));
    ftmike->turn_ind = 30;
    draw_timebar(ftmike, 216, 193);
    auto gold = pixel(216 + 20, 197);
    EXPECT_GT(gold[0], gold[2] + 40) << "the plain fill is gold";

    ftmike->status[ST_FEAR] = 2;
    ftmike->turn_ind = 60;
    clear_to_color(buffer, makecol(0, 0, 0));
    draw_timebar(ftmike, 216, 193);
    auto grey = pixel(216 + 20, 197);
    EXPECT_NEAR(grey[0], grey[1], 4);
    EXPECT_NEAR(grey[1], grey[2], 4);
    // Half way under fear: the fill stops at the middle.
    auto past = pixel(216 + 70, 197);
    auto fill_end = pixel(216 + 45, 197);
    EXPECT_NE(past, fill_end);

    ftmike->status[ST_FEAR] = 0;
    clear_to_color(buffer, makecol(0, 0, 0));
    draw_timebar(ftmike, 216, 193);
    auto green = pixel(216 + 20, 197);
    EXPECT_GT(green[1], green[0]);
    EXPECT_GT(green[1], green[2]);
}

TEST_F(Battle, NumbersOfFourDigitsAreNotCutOff)
{
    four_enemies(FOE_EMPTY);
    auto lit_columns = [](int x0, int x1) {
        int n = 0;
        for (int x = x0; x <= x1; x++)
            for (int y = 100; y < 108; y++)
                if (getpixel(buffer, x, y) != makecol(0, 0, 0)) {
                    n++;
                    break;
                }
        return n;
    };
    // The last digits of a long number, wherever this font ends them.
    int w4 = text_length(main_font, "8888"), w6 = text_length(main_font, "888888");
    draw_number(8888, 100, 100, -1);
    EXPECT_GT(lit_columns(100 + w4 - 4, 100 + w4 - 1), 0) << "the fourth digit";
    draw_number(888888, 100, 100, heal_colour());
    EXPECT_GT(lit_columns(100 + w6 - 4, 100 + w6 - 1), 0) << "and a sixth";
    reset_battle_timer();
    virtual_screen = FALSE;
}

TEST_F(Battle, VictoryRewardsEverySurvivorWithTheWholeTotal)
{
    four_enemies(FOE_EMPTY);
    make_enemy(enemy1, FOE_FANGED); // 35 exp, 50 gp
    make_enemy(enemy3, FOE_CHUNK);  // 50 exp, 40 gp
    ftrunhon->in_fight = FALSE;
    ftelizabeth->in_fight = FALSE;
    ftmike->nextexp = 5;
    ftcharlie->alive = FALSE; // knocked out: no experience...
    ftcharlie->nextexp = 0;   // ...but a level already earned is still taken
    int gp = g_gp;
    victory_rewards();
    EXPECT_EQ(ftmike->exp, 85);
    EXPECT_EQ(ftmike->level, 2) << "one level, however much was earned";
    EXPECT_EQ(ftmike->nextexp, 65) << "the next step at its full size";
    EXPECT_EQ(ftcharlie->exp, 0);
    EXPECT_EQ(ftcharlie->level, 2);
    EXPECT_EQ(g_gp, gp + 90);
}

TEST_F(Battle, LevelsTeachActionsAtTheirLevels)
{
    ftmike->level = 2;
    ftmike->actions[0].have = 0;
    level_up(ftmike, FALSE);
    EXPECT_EQ(ftmike->level, 3);
    EXPECT_EQ(ftmike->actions[0].have, -1) << "Burn at level 3";
    EXPECT_EQ(ftmike->actions[1].have, 0);
    ftcharlie->level = 5;
    level_up(ftcharlie, TRUE);
    EXPECT_EQ(ftcharlie->actions[1].have, -1) << "Soul Slash at level 6";
    ftrunhon->level = 10;
    for (int i = 0; i < 3; i++) level_up(ftrunhon, FALSE);
    for (int k = 0; k < 4; k++)
        EXPECT_EQ(ftrunhon->actions[k].have, party.saved[2].actions[k].have) << "Runhon learns nothing";
}

TEST_F(Battle, ATurnWithoutATargetIsHarmless)
{
    four_enemies(FOE_DARK_WEED);
    setup_starting_positions();
    ftmike->alive = ftcharlie->alive = FALSE;
    ftmike->hp = ftcharlie->hp = 0;
    EXPECT_EQ(enemy_take_turn(enemy1), 0);
    EXPECT_EQ(continue_fight, FIGHT_LOST);
    EXPECT_FALSE(enemy1->targeted);

    continue_fight = FIGHT_RUNNING;
    for (int n = 1; n <= 4; n++) enemy_slot(n)->alive = FALSE;
    EXPECT_EQ(do_hurt_select(), nullptr) << "nobody to aim at";
}

TEST_F(Battle, WithOneHeroLeftEveryBlowFindsHim)
{
    four_enemies(FOE_DARK_WEED);
    setup_starting_positions();
    ftmike->alive = FALSE;
    ftmike->hp = 0;
    int hp = ftcharlie->hp;
    for (int i = 0; i < 3; i++) enemy_take_turn(enemy_slot(i + 1));
    EXPECT_LT(ftcharlie->hp, hp);
    EXPECT_EQ(ftmike->hp, 0);
}

TEST_F(Battle, ThePartysScriptedFightStoryHooks)
{
    four_enemies(FOE_EMPTY);
    make_enemy(enemy2, FOE_INFERIA);
    ftrunhon->in_fight = TRUE;
    story_flag[0] = TRUE;
    story_flag[7] = FALSE;
    ft_story_flags();
    EXPECT_EQ(items[0].have, 5);
    EXPECT_STREQ(items[0].name + 1, "Small Potion");
    EXPECT_FALSE(story_flag[0]);
    EXPECT_TRUE(story_flag[7]) << "the Inferia warning";
    // Once per game.
    story_flag[9] = story_flag[16] = TRUE;
    ft_story_flags();
    EXPECT_FALSE(story_flag[9]);
    EXPECT_FALSE(story_flag[16]);

    // Under flag 4 Elizabeth takes her own turn and the menu never opens.
    story_flag[4] = TRUE;
    flagers[0] = 0;
    ftelizabeth->turn_flag = TRUE;
    ft_story_flags();
    EXPECT_FALSE(ftelizabeth->turn_flag);
    EXPECT_TRUE(flagers[0]);
    story_flag[4] = FALSE;
    flagers[0] = 0;
    items[0].have = 0;
    story_flag[7] = FALSE;
}

} // namespace

// ---- whole battles inside this process, played by script ----

// Menu input by joystick: a push or a press counts once however long it lasts, where a
// key is seen on every frame it is down.
std::string taps(const char* keys, int times, int gap_ms)
{
    std::string s;
    for (int i = 0; i < times; i++) {
        for (const char* k = keys; *k; k++) {
            if (*k == 'D')
                s += "joy down\nwait 60ms\njoy centre\n";
            else
                s += std::string("joy button ") + (*k == 'E' ? "3" : "2") + " down\nwait 60ms\njoy button " +
                     (*k == 'E' ? "3" : "2") + " up\n";
            s += "wait " + std::to_string(gap_ms) + "ms\n";
        }
    }
    return s;
}

TEST_F(Battle, AWonFightPaysAndLevelsUp)
{
    headless_game_start(("wait 1s\n" + taps("E", 300, 200) + "wait 600s\nend\n").c_str());
    four_enemies(FOE_EMPTY);
    make_enemy(enemy1, FOE_DARK_WEED);
    make_enemy(enemy2, FOE_BLUE_HORNET);
    enemy1->hp = enemy2->hp = 1;
    enemy1->x = 45, enemy2->x = 85;
    ftmike->nextexp = 1;
    int gp = g_gp;
    EXPECT_EQ(battle(nullptr, NO_MUSIC), -1);
    EXPECT_EQ(continue_fight, FIGHT_WON);
    EXPECT_EQ(ftmike->exp, 15);
    EXPECT_EQ(ftcharlie->exp, 15);
    EXPECT_EQ(ftmike->level, 2);
    EXPECT_EQ(ftcharlie->level, 1);
    EXPECT_EQ(ftcharlie->nextexp, 40);
    EXPECT_EQ(g_gp, gp + 25);
    EXPECT_FALSE(enemy1->in_fight);
    EXPECT_FALSE(enemy2->in_fight);
    for (ftchar* f : fighters) EXPECT_EQ(f, nullptr) << "the party is let go";
    EXPECT_EQ(fight_background, nullptr);
}

TEST_F(Battle, HeroesDueTogetherActInTheFixedOrder)
{
    // Both bars fill in the same tick: the first menu is Mike's (Defend), the second Charlie's (Fight).
    std::string script = "wait 7s\n" + taps("D", 1, 150) + taps("E", 1, 1500) + taps("E", 1, 150) +
                         taps("E", 1, 2500) + "hold F12\nwait 1s\nrelease F12\nwait 600s\nend\n";
    headless_game_start(script.c_str());
    four_enemies(FOE_EMPTY);
    make_enemy(enemy1, FOE_CHUNK);
    enemy1->x = 45;
    ftmike->agp = ftcharlie->agp = 10;
    enemy1->agp = 0;
    debug = TRUE;
    int mike_x = 220, chunk_hp = enemy1->hp;
    EXPECT_EQ(battle(nullptr, NO_MUSIC), 0) << "left by the debug key";
    debug = FALSE;
    EXPECT_EQ(ftmike->defend_flag, -1);
    EXPECT_EQ(ftmike->x, mike_x + 26) << "stepped back to defend";
    EXPECT_EQ(ftcharlie->defend_flag, 0);
    EXPECT_LT(enemy1->hp, chunk_hp) << "Charlie struck";
}

TEST_F(Battle, AScriptedFightKeepsItsPlacesAndHidesElizabeth)
{
    // Elizabeth's bar is full long before the others'; the debug key ends the fight before theirs are.
    std::string script = "wait 3s\nhold F12\nwait 1s\nrelease F12\nwait 600s\nend\n";
    headless_game_start(script.c_str());
    four_enemies(FOE_EMPTY);
    make_enemy(enemy1, FOE_ROCK);
    enemy1->agp = 0;
    ftelizabeth->in_fight = TRUE;
    ftelizabeth->agp = 300;
    ftmike->x = 200, ftmike->y = 70;
    ftelizabeth->x = 250, ftelizabeth->y = 140;
    fighters[0] = ftmike;
    fighters[1] = ftcharlie;
    fighters[2] = ftelizabeth;
    no_init_positions = TRUE;
    no_show_eliz = TRUE;
    debug = TRUE;
    battle(nullptr, NO_MUSIC);
    debug = FALSE;
    no_init_positions = FALSE;
    no_show_eliz = FALSE;
    EXPECT_EQ(ftmike->y, 70);
    EXPECT_TRUE(ftelizabeth->turn_flag) << "her bar filled";
    EXPECT_EQ(ftelizabeth->x, 250) << "but she was never given the turn";
}

namespace {

TEST_F(Battle, TheListsScrollToTheirLastSlotsAndNoFurther)
{
    // Mike's bar fills first; Down three times to Item, open it, Down forty times; back out and defend.
    std::string script = "wait 3s\n" + taps("D", 3, 100) + taps("E", 1, 300) + taps("D", 40, 60) +
                         taps("B", 1, 300) + taps("D", 1, 100) + taps("E", 1, 1500) +
                         "hold F12\nwait 1s\nrelease F12\nwait 600s\nend\n";
    headless_game_start(script.c_str());
    four_enemies(FOE_EMPTY);
    make_enemy(enemy1, FOE_ROCK);
    // Only Mike's bar moves.
    enemy1->agp = ftcharlie->agp = -50;
    ftmike->agp = 300;
    item_menu_pos = 0;
    debug = TRUE;
    battle(nullptr, NO_MUSIC);
    debug = FALSE;
    EXPECT_EQ(item_menu_pos, 33) << "rows 33, 34 and 35 on show at the end";
    EXPECT_EQ(ftmike->defend_flag, -1) << "backing out kept the turn";
    item_menu_pos = 0;
}

TEST_F(Battle, AJoystickPushMovesTheMenuOneStep)
{
    // The stick held down for half a second moves the pointer once: to Defend, not to the bottom.
    std::string script = "wait 3s\njoy down\nwait 500ms\njoy centre\nwait 100ms\n" + taps("E", 1, 1500) +
                         "hold F12\nwait 1s\nrelease F12\nwait 600s\nend\n";
    headless_game_start(script.c_str());
    four_enemies(FOE_EMPTY);
    make_enemy(enemy1, FOE_ROCK);
    // Only Mike's bar moves.
    enemy1->agp = ftcharlie->agp = -50;
    ftmike->agp = 300;
    debug = TRUE;
    battle(nullptr, NO_MUSIC);
    debug = FALSE;
    EXPECT_EQ(ftmike->defend_flag, -1);
}

} // namespace
