// The enemies' turns on the real data: every attack of the catalogue, the
// damage kinds at their extremes, the bosses' moods and the scripted fights
// against them, staged here the way the story stages them.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "battle.h"
#include "dat_names.h"
#include "harness.h"
#include "play.h"
#include "vantor.h"

namespace {

struct EnemyTurn : ::testing::Test, PartySnapshot {
    void SetUp() override
    {
        std::string script;
        for (int i = 0; i < 400; i++) script += "wait 300ms\ntype Enter\n";
        script += "wait 900s\nend\n";
        headless_game_start(script.c_str());
        take();
        ftmike->hp = ftmike->hpmax = 900;
        ftcharlie->hp = ftcharlie->hpmax = 900;
        setup_starting_positions();
        continue_fight = FIGHT_RUNNING;
        looping = TRUE;
        reset_battle_timer();
        fight_background = create_bitmap(320, 240);
        blit((BITMAP*)data[BATTLE_GRASS].dat, fight_background, 0, 0, 0, 0, 320, 240);
    }
    void TearDown() override
    {
        restore();
        for (ftenemy** e : {&enemy1, &enemy2, &enemy3, &enemy4}) {
            uninit_enemy(*e);
            *e = nullptr;
        }
        memset(fighters, 0, sizeof fighters);
        destroy_bitmap(fight_background);
        fight_background = nullptr;
        continue_fight = 0;
        boss_die_effect = FALSE;
        story_flag[4] = FALSE;
        for (int k = 0; k < KEY_MAX; k++) key[k] = 0;
    }
    // The four slots with one enemy in slot 1 at its usual place.
    ftenemy* alone(int foe)
    {
        for (ftenemy** e : {&enemy1, &enemy2, &enemy3, &enemy4}) {
            uninit_enemy(*e);
            *e = alloc_enemy();
            make_enemy(*e, FOE_EMPTY);
        }
        make_enemy(enemy1, foe);
        enemy1->x = 45, enemy1->y = 80;
        return enemy1;
    }
};

// The slots of a boss fight, as the story's scenes fill them.
void stage_boss_fight(int boss)
{
    for (ftenemy** e : {&enemy1, &enemy2, &enemy3, &enemy4}) {
        if (!*e) *e = alloc_enemy();
        make_enemy(*e, FOE_EMPTY);
    }
    make_enemy(enemy1, boss);
    switch (boss) {
    case FOE_MANGLER: enemy1->x = 40, enemy1->y = 85; break;
    case FOE_METALOR: enemy1->x = 40, enemy1->y = 85; break;
    case FOE_BARGHEST: enemy1->x = 40, enemy1->y = 118; break;
    case FOE_MOUNTAIN:
        enemy1->x = 20, enemy1->y = 40;
        make_enemy(enemy2, FOE_ROCK);
        enemy2->x = 140, enemy2->y = 100;
        enemy2->weakness = -1;
        make_enemy(enemy3, FOE_ROCK);
        enemy3->x = 146, enemy3->y = 150;
        enemy3->weakness = -1;
        break;
    case FOE_DRAKIAN_SOLDIER:
        enemy1->x = 75, enemy1->y = 90;
        make_enemy(enemy2, FOE_DRAKIAN_SOLDIER);
        enemy2->x = 65, enemy2->y = 130;
        break;
    }
}

unsigned long checksum(BITMAP* b)
{
    unsigned long sum = 0;
    for (int y = 0; y < b->h; y++)
        for (int x = 0; x < b->w; x++) sum = sum * 31 + (unsigned)getpixel(b, x, y);
    return sum;
}

TEST_F(EnemyTurn, EveryEnemyAttacksAndLeavesTheBackgroundAlone)
{
    unsigned long before = checksum(fight_background);
    for (int foe = 0; foe < FOE_COUNT; foe++) {
        ftenemy* e = alone(foe);
        if (foe == FOE_MOUNTAIN) e->x = 20, e->y = 40;
        for (int turn = 0; turn < 3; turn++) {
            srand(foe * 7 + turn);
            for (int i = 0; i < 2; i++) {
                hero(i)->hp = 900;
                hero(i)->alive = TRUE;
                hero(i)->status[ST_FEAR] = 0;
            }
            e->hp = e->hpmax / 2;
            enemy_take_turn(e);
            EXPECT_LE(e->hp, e->hpmax) << e->s_name;
            EXPECT_FALSE(e->targeted);
            EXPECT_TRUE(e->alive) << e->s_name << " came back after hiding";
            EXPECT_EQ(continue_fight, FIGHT_RUNNING) << e->s_name;
        }
        EXPECT_EQ(checksum(fight_background), before) << e->s_name << " drew on the background";
    }
}

TEST_F(EnemyTurn, GlassBallLetsExactlyOneThroughAndADrainHealsByIt)
{
    ftenemy* e = alone(FOE_BLOOD_CRAWLER);
    ftcharlie->alive = FALSE; // one hero left: every single blow finds him
    ftmike->status[ST_GLASS_BALL] = 2;
    e->hp = 10;
    enemy_take_turn(e);
    EXPECT_EQ(ftmike->hp, 899);
    EXPECT_EQ(e->hp, 11);
    // Defending halves, but never below 1.
    ftmike->defend_flag = -1;
    enemy_take_turn(e);
    EXPECT_EQ(ftmike->hp, 898);
}

TEST_F(EnemyTurn, ArmourOfTheEnemysElementCountsHalfAgainAndItsWeaknessNothing)
{
    // Rock Crawler: atp 40, earth. Mike: dfp 1 in the Rock Vest (20, earth element, air weakness).
    ftenemy* e = alone(FOE_ROCK_CRAWLER);
    ftcharlie->alive = FALSE;
    ftmike->chararmor = rock_vest;
    ftmike->dfp = 1;
    int lowest = 1000, highest = 0;
    for (int i = 0; i < 12; i++) {
        ftmike->hp = 900;
        enemy_take_turn(e);
        lowest = std::min(lowest, 900 - ftmike->hp);
        highest = std::max(highest, 900 - ftmike->hp);
    }
    // 40 - (30 + 1) = 9, spread of 40 up to 4 either way.
    EXPECT_GE(lowest, 5);
    EXPECT_LE(highest, 13);
    // An air enemy finds the vest's weakness: the armour counts for nothing.
    e->strength = ELEM_AIR;
    lowest = 1000;
    for (int i = 0; i < 12; i++) {
        ftmike->hp = 900;
        enemy_take_turn(e);
        lowest = std::min(lowest, 900 - ftmike->hp);
    }
    EXPECT_GE(lowest, 35);
}

TEST_F(EnemyTurn, DarkRainIgnoresDefenceAndGlassBall)
{
    stage_boss_fight(FOE_METALOR);
    ftmike->status[ST_GLASS_BALL] = 3;
    ftcharlie->defend_flag = -1;
    bool rained = false;
    for (unsigned seed = 1; seed < 40 && !rained; seed++) {
        srand(seed);
        ftmike->hp = ftcharlie->hp = 900;
        ftmike->alive = ftcharlie->alive = TRUE;
        enemy_take_turn(enemy1);
        if (enemy_attack_type != 3) continue;
        rained = true;
        EXPECT_GE(900 - ftmike->hp, 450);
        EXPECT_LE(900 - ftmike->hp, 550);
        EXPECT_GE(900 - ftcharlie->hp, 225) << "halved for the defender";
        EXPECT_LE(900 - ftcharlie->hp, 275);
        EXPECT_FALSE(omit_dfp) << "cleared after the blow";
    }
    EXPECT_TRUE(rained);
}

TEST_F(EnemyTurn, TheManglerIsProvokedOnlyWhenStruckWhileTurnedAway)
{
    stage_boss_fight(FOE_MANGLER);
    ftenemy* m = enemy1;
    RLE_SPRITE* back = chr_sprite(EN_MANGLER_BACK);
    m->total_damage = 501;
    enemy_take_turn(m);
    EXPECT_EQ(m->current, back) << "turned away";
    EXPECT_EQ(enemy_attack_type, 0);
    EXPECT_EQ(m->total_damage, 0);
    // Left alone, it turns back without harm.
    enemy_take_turn(m);
    EXPECT_EQ(enemy_attack_type, 0);
    EXPECT_EQ(m->current, m->a);
    EXPECT_EQ(ftmike->hp, 900);
    // Struck while turned away: razors for everyone.
    m->total_damage = 600;
    enemy_take_turn(m);
    m->targeted = TRUE;
    enemy_take_turn(m);
    EXPECT_EQ(enemy_attack_type, 3);
    EXPECT_EQ(g_atp, 50);
    EXPECT_LT(ftmike->hp, 900);
    EXPECT_LT(ftcharlie->hp, 900);
    EXPECT_EQ(m->current, m->a);
    EXPECT_FALSE(m->targeted);
    // Facing the party it rakes one hero.
    enemy_take_turn(m);
    EXPECT_EQ(enemy_attack_type, 1);
}

TEST_F(EnemyTurn, TheMountainWakesInStagesAndCallsItsRocksBack)
{
    stage_boss_fight(FOE_MOUNTAIN);
    ftenemy* m = enemy1;
    enemy_take_turn(m);
    EXPECT_EQ(m->misc[0], 0) << "asleep until 300 damage";
    for (int stage = 1; stage <= 4; stage++) {
        m->total_damage = m->misc[1] + 1;
        enemy_take_turn(m);
        EXPECT_EQ(m->misc[0], stage);
        EXPECT_EQ(m->misc[1], 50);
        EXPECT_EQ(m->current, chr_sprite(EN_MOUNTAIN_0 + stage));
        EXPECT_EQ(enemy_attack_type, 0) << "no blows while waking";
    }
    EXPECT_EQ(ftmike->hp, 900);
    // Both rocks standing: nothing to call back.
    m->total_damage = 80;
    enemy_take_turn(m);
    EXPECT_EQ(enemy_attack_type, 0);
    EXPECT_EQ(m->misc[0], 4) << "no stage past the fourth";
    // A rock knocked down comes back at full strength, and the Mountain strikes.
    enemy3->hp = 0;
    enemy3->alive = enemy3->in_fight = FALSE;
    m->total_damage = 50;
    enemy_take_turn(m);
    EXPECT_TRUE(enemy3->alive);
    EXPECT_TRUE(enemy3->in_fight);
    EXPECT_EQ(enemy3->hp, enemy3->hpmax);
    EXPECT_EQ(m->total_damage, 0);
    EXPECT_EQ(m->current, chr_sprite(EN_MOUNTAIN_4)) << "still enraged after the blow";
}

TEST_F(EnemyTurn, BabyReptelHealsTheFirstEnemyOfItsScan)
{
    ftenemy* r = alone(FOE_BABY_REPTEL);
    r->hp = 5;
    enemy_take_turn(r);
    EXPECT_EQ(g_ptr, r) << "the only one in the fight: itself";
    EXPECT_EQ(r->hp, 15) << "a heal of about 20, never above its maximum";
    EXPECT_EQ(ftmike->hp, 900);
    make_enemy(enemy3, FOE_CHUNK);
    enemy3->hp = 1;
    for (int i = 0; i < 12; i++) enemy_take_turn(r);
    EXPECT_GT(enemy3->hp, 1) << "a friend healed too";
}

TEST_F(EnemyTurn, PoisonAndFearLandAndWearOff)
{
    ftenemy* e = alone(FOE_INFERIA);
    ftcharlie->alive = FALSE;
    for (int i = 0; i < 24 && !ftmike->status[ST_POISON]; i++) enemy_take_turn(e);
    EXPECT_EQ(ftmike->status[ST_POISON], 1);

    ftcharlie->alive = TRUE;
    make_enemy(e, FOE_GRASSWORM);
    for (int i = 0; i < 24 && !ftmike->status[ST_FEAR]; i++) enemy_take_turn(e);
    ASSERT_EQ(ftmike->status[ST_FEAR], 4);
    EXPECT_EQ(ftcharlie->status[ST_FEAR], 4) << "the slime falls on the whole party";
    // While Mike is afraid the Grassworm only strikes.
    for (int i = 0; i < 10; i++) {
        enemy_take_turn(e);
        EXPECT_EQ(enemy_attack_type, 1);
    }
    for (int t = 0; t < 4; t++) status_update(0, ftmike);
    EXPECT_EQ(ftmike->status[ST_FEAR], 0) << "worn off after four turns";
    EXPECT_EQ(ftmike->status[ST_POISON], 1) << "poison stays";
}

TEST_F(EnemyTurn, TheBarghestGoesForMikeUnlessHeIsDown)
{
    stage_boss_fight(FOE_BARGHEST);
    for (int i = 0; i < 6; i++) enemy_take_turn(enemy1);
    EXPECT_EQ(ftcharlie->hp, 900);
    EXPECT_LT(ftmike->hp, 900);
    ftmike->alive = FALSE;
    enemy_take_turn(enemy1);
    EXPECT_LT(ftcharlie->hp, 900);
}

// Boss fights fought to the end, striking every turn.
struct BossFight : EnemyTurn {
    int fight(int boss)
    {
        std::string script = "wait 2s\n";
        for (int i = 0; i < 1500; i++) script += "tap Enter 20\nwait 200ms\n";
        script += "wait 900s\nend\n";
        headless_game_start(script.c_str());
        stage_boss_fight(boss);
        for (int i = 0; i < 30; i++) level_up(ftmike, FALSE);
        ftmike->hp = ftmike->hpmax;
        boss_die_effect = TRUE;
        skip_game_over = TRUE;
        destroy_bitmap(fight_background);
        fight_background = nullptr;
        int r = battle((BITMAP*)data[BATTLE_GRASS].dat, MUS_BOSS);
        skip_game_over = FALSE;
        return r;
    }
};

TEST_F(BossFight, TheManglerFalls)
{
    EXPECT_EQ(fight(FOE_MANGLER), -1);
    EXPECT_FALSE(enemy1->in_fight);
}

TEST_F(BossFight, TheMountainAndItsRocksFall)
{
    EXPECT_EQ(fight(FOE_MOUNTAIN), -1);
    for (int n = 1; n <= 3; n++) EXPECT_FALSE(enemy_slot(n)->in_fight) << n;
}

TEST_F(BossFight, MetalorIsFoughtToTheEnd)
{
    // Far too strong for this party: the fight is lost, and returns to its scene.
    EXPECT_EQ(fight(FOE_METALOR), 0);
    EXPECT_EQ(continue_fight, FIGHT_LOST);
    EXPECT_TRUE(all_are_dead());
}

} // namespace

namespace {

TEST_F(EnemyTurn, TheShadowWhirlsOverTheFieldAndOverABattle)
{
    alone(FOE_DARK_WEED);
    unsigned long before = checksum(fight_background);
    shadow_spell_animation(160, 100, ft_update_screen);
    EXPECT_EQ(checksum(fight_background), before);

    // On the field it marks its spot on the map's second layer.
    open_tilemap("wmap.map");
    ASSERT_NE(map, nullptr);
    ASSERT_GT(map->layers, 1);
    g_map_num = -1;
    looping = FALSE;
    shadow_spell_animation(160, 100, update_screen);
    EXPECT_EQ(get_sprite_number(map, 1, 20, 17), 163);
    destroy_tilemap(map);
    map = nullptr;
}

} // namespace
