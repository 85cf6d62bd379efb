// Items and actions used in real battles: the battle loop runs headless and
// the player's keys come from a script, through the turn menu, the lists and
// the target pickers, into the effect routines. Shots of the animations land
// in the build's shots/ folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>

#include "action.h"
#include "battle.h"
#include "dat_names.h"
#include "harness.h"
#include "play.h"
#include "item.h"
#include "vantor.h"

namespace {

std::string taps(const char* keys)
{
    std::string s;
    for (const char* k = keys; *k; k++) {
        if (*k == 'W') {
            // A window opening takes its time before it listens.
            s += "wait 500ms\n";
            continue;
        }
        if (*k == 'T') {
            // A key that only enters the buffer, as a window's key wait wants.
            s += "type Enter\nwait 200ms\n";
            continue;
        }
        const char* name = *k == 'E' ? "Enter" : *k == 'D' ? "Down" : *k == 'U' ? "Up" : "Backspace";
        s += std::string("tap ") + name + " 20\nwait 200ms\n";
    }
    return s;
}

// Enough Enters, a second apart, for the windows after a won fight.
std::string enters(int n)
{
    std::string s;
    for (int i = 0; i < n; i++) s += "type Enter\nwait 1s\n";
    return s;
}

// Into the Item list (Down three times) or the Action list (twice).
const char* const ITEM = "DDDE";
const char* const ACTION = "DDE";

struct FightTest : ::testing::Test {
    PartySnapshot party;
    item saved_items[101];
    void SetUp() override
    {
        headless_game_start("");
        party.take();
        memcpy(saved_items, items, sizeof items);
        for (item& it : items) it.have = 0;
        std::string shots = std::string(VANTOR_BUILD_DIR) + "/shots";
        mkdir(shots.c_str(), 0755);
        setenv("VANTOR_SHOTS", shots.c_str(), 1);
        // Mike's bar fills in a second; nobody else ever gets a turn.
        ftmike->agp = 250;
        ftcharlie->agp = -50;
        ftmike->hp = ftmike->hpmax = 60;
        ftcharlie->hp = ftcharlie->hpmax = 60;
        item_menu_pos = action_menu_pos = 0;
        for (ftenemy** e : {&enemy1, &enemy2, &enemy3, &enemy4}) {
            *e = alloc_enemy();
            make_enemy(*e, FOE_EMPTY);
        }
        debug = TRUE;
    }
    void TearDown() override
    {
        debug = FALSE;
        party.restore();
        memcpy(items, saved_items, sizeof items);
        for (ftenemy** e : {&enemy1, &enemy2, &enemy3, &enemy4}) {
            uninit_enemy(*e);
            *e = nullptr;
        }
        in_boss_battle = FALSE;
        story_flag[4] = FALSE;
        memset(fighters, 0, sizeof fighters);
        continue_fight = 0;
    }
    // An enemy in slot e that never acts.
    void foe(ftenemy* e, int which, int x, int y)
    {
        make_enemy(e, which);
        e->x = x, e->y = y;
        e->agp = -50;
    }
    // The player's keys once Mike's menu is up, then F12 to leave once his turn is over.
    int fight(const std::string& keys, const std::string& after = "")
    {
        // Keys held at the end of the last fight are up again.
        for (int k = 0; k < KEY_MAX; k++) key[k] = 0;
        headless_game_start(("wait 4s\n" + keys + after + "hold F12\nwait 600s\nend\n").c_str());
        return battle((BITMAP*)data[BATTLE_GRASS].dat, NO_MUSIC);
    }
};

} // namespace

TEST_F(FightTest, APotionOnAFallenAllyIsSpentButHealsNothing)
{
    foe(enemy1, FOE_CHUNK, 60, 90);
    items[IT_SMALL_POTION].have = 2;
    ftcharlie->alive = FALSE;
    ftcharlie->hp = 0;
    ftcharlie->current = ftcharlie->dead;
    fight(taps(ITEM) + taps("E") + taps("D") + taps("E"), "wait 1200ms\nshot item_potion\n");
    EXPECT_EQ(items[IT_SMALL_POTION].have, 1);
    EXPECT_EQ(ftcharlie->hp, 0);
    EXPECT_FALSE(ftcharlie->alive);
    EXPECT_EQ(ftmike->x, 220) << "stepped back to his place";
}

TEST_F(FightTest, CombusterScorchesByTheEnemysDefence)
{
    foe(enemy1, FOE_CHUNK, 60, 90);
    enemy1->hp = enemy1->hpmax = 500;
    enemy1->dfp = 40;
    items[IT_COMBUSTER].have = 1;
    item_menu_pos = IT_COMBUSTER;
    fight(taps(ITEM) + taps("E") + taps("E"),
          "wait 800ms\nshot item_combuster\nwait 80ms\nshot item_combuster2\n");
    EXPECT_EQ(enemy1->hp, 465);
    EXPECT_EQ(enemy1->total_damage, 35);
    EXPECT_EQ(items[IT_COMBUSTER].have, 0);
}

TEST_F(FightTest, RedHerbHealsTheFireStrongNeverPastTheirMaximum)
{
    foe(enemy1, FOE_CHUNK, 60, 90);
    enemy1->strength = ELEM_FIRE;
    enemy1->weakness = -1;
    enemy1->hpmax = 300;
    enemy1->hp = 290;
    enemy1->dfp = 0;
    items[IT_RED_HERB].have = 1;
    item_menu_pos = IT_RED_HERB;
    fight(taps(ITEM) + taps("E") + taps("E"), "wait 1200ms\nshot item_red_herb\n");
    EXPECT_EQ(enemy1->hp, 300);
    EXPECT_EQ(enemy1->total_damage, 0) << "a heal never counts as hurt";
    EXPECT_TRUE(enemy1->alive);
}

TEST_F(FightTest, SmokeBombEscapesButNotFromABoss)
{
    foe(enemy1, FOE_CHUNK, 60, 90);
    items[IT_SMOKE_BOMB].have = 1;
    item_menu_pos = IT_SMOKE_BOMB;
    EXPECT_EQ(fight(taps(ITEM) + taps("E"), "wait 3s\nshot item_smoke\n"), 0);
    EXPECT_EQ(continue_fight, FIGHT_ESCAPED);
    EXPECT_EQ(items[IT_SMOKE_BOMB].have, 0);

    foe(enemy1, FOE_CHUNK, 60, 90);
    items[IT_SMOKE_BOMB].have = 1;
    in_boss_battle = TRUE;
    fight(taps(ITEM) + taps("E"), "wait 8s\ntype Enter\n");
    EXPECT_EQ(continue_fight, FIGHT_RUNNING) << "left only by the debug key";
    EXPECT_EQ(items[IT_SMOKE_BOMB].have, 0) << "spent all the same";
    EXPECT_EQ(ftmike->x, 220);
    EXPECT_EQ(ftcharlie->x, 230) << "nobody ran";
}

TEST_F(FightTest, BurnPaysAndScorches)
{
    foe(enemy1, FOE_CHUNK, 60, 90);
    enemy1->hp = enemy1->hpmax = 400;
    enemy1->dfp = 0;
    enemy1->weakness = enemy1->strength = -1;
    ftmike->actions[0].have = -1;
    ftmike->mp = ftmike->mpmax = 10;
    fight(taps(ACTION) + taps("E") + taps("E"),
          "wait 1400ms\nshot spell_cast\nwait 1500ms\nshot spell_burn\n");
    EXPECT_EQ(ftmike->mp, 7);
    EXPECT_GE(enemy1->hp, 400 - 35);
    EXPECT_LE(enemy1->hp, 400 - 29);
    EXPECT_EQ(enemy1->total_damage, 400 - enemy1->hp);
}

TEST_F(FightTest, AKeyHeldThroughAWindowOrAMenuChoosesNothingMore)
{
    // Not enough MP spends no turn. Enter held through the refusal (closed by another key
    // meanwhile) must not then pick Fight and the Chunk: the menu waits for a fresh press, here Defend.
    foe(enemy1, FOE_CHUNK, 60, 90);
    enemy1->hp = enemy1->hpmax = 400;
    ftmike->actions[0].have = -1;
    ftmike->mp = 2;
    fight(taps(ACTION) + "hold Enter\nwait 1500ms\ntype Enter\nwait 500ms\nrelease Enter\nwait 200ms\n" +
          taps("WTDE"));
    EXPECT_EQ(ftmike->mp, 2);
    EXPECT_EQ(enemy1->hp, 400);
    EXPECT_EQ(ftmike->defend_flag, -1);

    // The Enter that chose Fight, still down, does not choose the first enemy.
    foe(enemy1, FOE_CHUNK, 40, 60);
    foe(enemy2, FOE_CHUNK, 40, 110);
    enemy1->hp = enemy1->hpmax = enemy2->hp = enemy2->hpmax = 400;
    fight("hold Enter\nwait 800ms\nrelease Enter\nwait 200ms\n" + taps("DE"));
    EXPECT_EQ(enemy1->hp, 400);
    EXPECT_LT(enemy2->hp, 400);

    // Leaving the target keeps the potion and the turn. Backspace still down from there does not
    // leave the Item list it is held into; the potion then heals its user, the last one emptying the row.
    foe(enemy1, FOE_CHUNK, 60, 90);
    foe(enemy2, FOE_EMPTY, 0, 0);
    items[IT_SMALL_POTION].have = 1;
    ftmike->hp = 30;
    fight(taps(ITEM) + taps("E") + "hold Backspace\nwait 200ms\n" + taps(ITEM) +
          "release Backspace\nwait 200ms\n" + taps("EE"));
    EXPECT_EQ(items[IT_SMALL_POTION].have, 0);
    EXPECT_GE(ftmike->hp, 47);
    EXPECT_LE(ftmike->hp, 53);
}

TEST_F(FightTest, RedLightHitsEveryStandingEnemyWithItsOwnSpread)
{
    foe(enemy1, FOE_CHUNK, 40, 60);
    foe(enemy2, FOE_CHUNK, 90, 60);
    foe(enemy3, FOE_CHUNK, 40, 110);
    foe(enemy4, FOE_CHUNK, 90, 110);
    for (ftenemy* e : {enemy1, enemy2, enemy3, enemy4}) {
        e->hp = e->hpmax = 1000;
        e->weakness = e->strength = -1;
    }
    enemy2->alive = FALSE; // fallen, still in the fight
    enemy4->in_fight = FALSE;
    enemy4->alive = FALSE;
    ftmike->actions[2].have = -1;
    ftmike->mp = ftmike->mpmax = 50;
    action_menu_pos = 2;
    fight(taps(ACTION) + taps("E"), "wait 3500ms\nshot spell_red_light\n");
    EXPECT_EQ(ftmike->mp, 43);
    EXPECT_EQ(enemy2->hp, 1000);
    EXPECT_EQ(enemy4->hp, 1000);
    for (ftenemy* e : {enemy1, enemy3}) {
        EXPECT_GE(e->hp, 1000 - 35);
        EXPECT_LE(e->hp, 1000 - 29);
    }
}

TEST_F(FightTest, BoulderRainCanFinishOffEveryEnemy)
{
    foe(enemy1, FOE_CHUNK, 40, 60);
    foe(enemy2, FOE_DARK_WEED, 90, 80);
    foe(enemy3, FOE_CHUNK, 40, 110);
    for (ftenemy* e : {enemy1, enemy2, enemy3}) {
        e->hp = 20;
        e->strength = -1;
    }
    ftmike->actions[3].have = -1;
    ftmike->mp = ftmike->mpmax = 50;
    action_menu_pos = 3;
    EXPECT_EQ(fight(taps(ACTION) + taps("E"), "wait 4s\nshot spell_boulders\nwait 12s\n" + enters(8)), -1);
    for (ftenemy* e : {enemy1, enemy2, enemy3}) EXPECT_FALSE(e->in_fight);
}

TEST_F(FightTest, GleamerMendsAFallenAllyButLeavesHimDown)
{
    foe(enemy1, FOE_CHUNK, 60, 90);
    ftelizabeth->in_fight = TRUE;
    ftelizabeth->alive = TRUE;
    ftelizabeth->agp = 250;
    ftelizabeth->mp = ftelizabeth->mpmax = 20;
    ftelizabeth->actions[0].have = -1;
    ftmike->agp = -50;
    ftcharlie->alive = FALSE;
    ftcharlie->hp = 0;
    // Elizabeth's own menu; Down from herself wraps round to Mike, then Charlie.
    fight(taps(ACTION) + taps("E") + taps("DDE"), "wait 3400ms\nshot spell_gleamer\n");
    EXPECT_EQ(ftelizabeth->mp, 17);
    EXPECT_GE(ftcharlie->hp, 45);
    EXPECT_LE(ftcharlie->hp, 55);
    EXPECT_FALSE(ftcharlie->alive);
}

TEST_F(FightTest, BoltChargeCracklesOnTheEnemy)
{
    foe(enemy1, FOE_CHUNK, 60, 90);
    enemy1->hp = enemy1->hpmax = 2000;
    enemy1->dfp = 0;
    enemy1->weakness = ELEM_AIR;
    enemy1->strength = -1;
    ftcharlie->agp = 250;
    ftmike->agp = -50;
    ftcharlie->mp = ftcharlie->mpmax = 20;
    ftcharlie->actions[3].have = -1;
    action_menu_pos = 3;
    int w = ftcharlie->charweapon ? ftcharlie->charweapon->atp : 0;
    fight(taps(ACTION) + taps("E") + taps("E"), "wait 3400ms\nshot spell_bolt\n");
    EXPECT_EQ(ftcharlie->mp, 8);
    EXPECT_GE(enemy1->hp, 2000 - 3 * (100 + w + 3));
    EXPECT_LE(enemy1->hp, 2000 - 3 * (100 + w - 3)) << "tripled on the weak";
}

TEST_F(FightTest, LightStoneDriftsFromAllyToAlly)
{
    foe(enemy1, FOE_CHUNK, 60, 90);
    items[IT_LIGHT_STONE].have = 1;
    item_menu_pos = IT_LIGHT_STONE;
    ftmike->hp = 10;
    ftcharlie->hp = 10;
    fight(taps(ITEM) + taps("E"), "wait 1500ms\nshot item_light_stone\n");
    int first = ftmike->hp - 10, second = ftcharlie->hp - 10;
    EXPECT_GE(first, 17);
    EXPECT_LE(first, 23);
    EXPECT_GE(second, 14) << "the drift adds up";
    EXPECT_LE(second, 26);
    EXPECT_LE(std::abs(second - first), 3) << "each ally's amount differs from the last by at most 3";
    EXPECT_EQ(items[IT_LIGHT_STONE].have, 0);
}

TEST_F(FightTest, ViverStandsTheFallenUp)
{
    foe(enemy1, FOE_CHUNK, 60, 90);
    items[IT_VIVER].have = 1;
    item_menu_pos = IT_VIVER;
    ftcharlie->alive = FALSE;
    ftcharlie->hp = 0;
    ftcharlie->status[ST_POISON] = 2;
    fight(taps(ITEM) + taps("E") + taps("DE"));
    EXPECT_TRUE(ftcharlie->alive);
    EXPECT_EQ(ftcharlie->hp, 15);
    EXPECT_EQ(ftcharlie->status[ST_POISON], 0);
}

TEST_F(FightTest, BladeShineOnAnAlly)
{
    foe(enemy1, FOE_CHUNK, 60, 90);
    items[IT_BLADE_SHINE].have = 1;
    item_menu_pos = IT_BLADE_SHINE;
    // The shine's message waits for a key.
    fight(taps(ITEM) + taps("E") + taps("DE"),
          "hold F12\nwait 2500ms\nshot item_shine\nwait 2500ms\ntype Enter\n");
    EXPECT_EQ(ftcharlie->status[ST_BLADE_SHINE], 10) << "counted down only on Charlie's own turns";
    EXPECT_EQ(items[IT_BLADE_SHINE].have, 0);
}

TEST_F(FightTest, AuriaDrawsThePoisonOut)
{
    foe(enemy1, FOE_CHUNK, 60, 90);
    ftelizabeth->in_fight = TRUE;
    ftelizabeth->alive = TRUE;
    ftelizabeth->agp = 250;
    ftelizabeth->mp = ftelizabeth->mpmax = 20;
    ftelizabeth->actions[1].have = -1;
    action_menu_pos = 1;
    ftmike->agp = -50;
    ftmike->status[ST_POISON] = 5;
    fight(taps(ACTION) + taps("E") + taps("DE"), "wait 5s\nshot spell_auria\n");
    EXPECT_EQ(ftmike->status[ST_POISON], 0);
    EXPECT_EQ(ftelizabeth->mp, 18);
}

TEST_F(FightTest, EveryOtherSkillAndSpellLandsAndIsPaidFor)
{
    struct cast {
        ftchar* hero;
        int slot;
        int lo, hi; // damage range before elements (the Chunk has none for these)
    };
    int charlie_w = ftcharlie->charweapon ? ftcharlie->charweapon->atp : 0;
    int eliz_w = ftelizabeth->charweapon ? ftelizabeth->charweapon->atp : 0;
    const cast casts[] = {
        {ftcharlie, 0, 12 + charlie_w, 18 + charlie_w}, // Phantom Blade
        {ftcharlie, 2, 47 + charlie_w, 53 + charlie_w}, // Backlash
        {ftmike, 1, 39, 45},                            // Sand Blast
        {ftrunhon, 0, 22, 28},                          // Rain
        {ftrunhon, 1, 42, 48},                          // Freeze
        {ftelizabeth, 2, 37 + eliz_w, 43 + eliz_w},     // Light Beam
    };
    for (const cast& c : casts) {
        foe(enemy1, FOE_CHUNK, 60, 90);
        enemy1->hp = enemy1->hpmax = 900;
        enemy1->weakness = enemy1->strength = -1;
        ftchar* others[4] = {ftmike, ftcharlie, ftrunhon, ftelizabeth};
        for (ftchar* h : others) h->agp = -50;
        ftrunhon->in_fight = c.hero == ftrunhon;
        ftelizabeth->in_fight = c.hero == ftelizabeth;
        c.hero->in_fight = TRUE;
        c.hero->alive = TRUE;
        c.hero->agp = 250;
        c.hero->mp = c.hero->mpmax = 40;
        c.hero->actions[c.slot].have = -1;
        action_menu_pos = c.slot;
        std::string what = c.hero->actions[c.slot].name;
        fight(taps(ACTION) + taps("E") + taps("E"),
              "wait 4s\nshot cast_" + std::to_string(c.hero->actions[c.slot].id) + "\n");
        EXPECT_EQ(c.hero->mp, 40 - c.hero->actions[c.slot].mpcost) << what;
        EXPECT_GE(900 - enemy1->hp, c.lo) << what;
        EXPECT_LE(900 - enemy1->hp, c.hi) << what;
        EXPECT_EQ(enemy1->total_damage, 900 - enemy1->hp) << what;
    }
}

TEST_F(FightTest, SoulSlashHalvesTheDefenceOfASmallFoe)
{
    foe(enemy1, FOE_CHUNK, 60, 90);
    enemy1->dfp = 41;
    enemy1->hp = enemy1->hpmax = 100;
    ftcharlie->agp = 250;
    ftmike->agp = -50;
    ftcharlie->mp = ftcharlie->mpmax = 20;
    ftcharlie->actions[1].have = -1;
    action_menu_pos = 1;
    fight(taps(ACTION) + taps("E") + taps("E"), "hold F12\nwait 6s\ntype Enter\n");
    EXPECT_EQ(enemy1->dfp, 20);
    EXPECT_EQ(enemy1->hp, 100) << "no damage";
    EXPECT_EQ(ftcharlie->mp, 14);
}

TEST_F(FightTest, TheRestOfTheBagWorksOnItsTarget)
{
    struct use {
        int id;
        const char* keys; // after the list: pick the target
    };
    const use uses[] = {{IT_GLOW_DUST, "DE"},  {IT_GLOW_ROCK, "DE"},  {IT_LARGE_POTION, "DE"},
                        {IT_ALOE_DRINK, "DE"}, {IT_GREEN_HERB, "DE"}, {IT_BLUE_HERB, "DE"},
                        {IT_GLASS_BALL, "DE"}, {IT_SPIRIT_BOMB, "E"}};
    for (const use& u : uses) {
        foe(enemy1, FOE_CHUNK, 60, 90);
        enemy1->mp = enemy1->mpmax = 30;
        ftcharlie->hp = 10;
        ftcharlie->mp = 0;
        ftcharlie->mpmax = 80;
        ftcharlie->status[ST_POISON] = 3;
        ftcharlie->status[ST_FEAR] = 3;
        ftcharlie->status[ST_GLASS_BALL] = 0;
        items[u.id].have = 3;
        item_menu_pos = u.id;
        fight(taps(ITEM) + taps("E") + taps(u.keys), "wait 2s\nshot use_" + std::to_string(u.id) + "\n");
        EXPECT_EQ(items[u.id].have, 2) << items[u.id].name + 1;
        switch (u.id) {
        case IT_GLOW_DUST: EXPECT_EQ(ftcharlie->mp, 10); break;
        case IT_GLOW_ROCK: EXPECT_TRUE(ftcharlie->mp >= 45 && ftcharlie->mp <= 55) << ftcharlie->mp; break;
        case IT_LARGE_POTION: EXPECT_EQ(ftcharlie->hp, 60) << "capped"; break;
        case IT_ALOE_DRINK:
            EXPECT_EQ(ftcharlie->status[ST_POISON], 0);
            EXPECT_EQ(ftcharlie->status[ST_FEAR], 3);
            break;
        case IT_GREEN_HERB:
            EXPECT_EQ(ftcharlie->status[ST_POISON], 0);
            EXPECT_EQ(ftcharlie->status[ST_FEAR], 0);
            break;
        case IT_BLUE_HERB: EXPECT_EQ(ftcharlie->mp, 80); break;
        case IT_GLASS_BALL: EXPECT_EQ(ftcharlie->status[ST_GLASS_BALL], 6); break;
        case IT_SPIRIT_BOMB: EXPECT_TRUE(enemy1->mp >= 9 && enemy1->mp <= 11) << enemy1->mp; break;
        }
    }
}

TEST_F(FightTest, InTheRescueSceneElizabethHealsMikeWithoutAsking)
{
    foe(enemy1, FOE_CHUNK, 60, 90);
    story_flag[4] = TRUE;
    int saved_flager = flagers[0];
    flagers[0] = 0;
    ftelizabeth->in_fight = TRUE;
    ftelizabeth->alive = TRUE;
    ftelizabeth->agp = 250;
    ftelizabeth->mp = ftelizabeth->mpmax = 20;
    ftelizabeth->actions[0].have = -1;
    ftmike->agp = -50;
    ftmike->hp = 10;
    fight("", "wait 1s\n");
    flagers[0] = saved_flager;
    EXPECT_EQ(ftelizabeth->mp, 17);
    EXPECT_GE(ftmike->hp, 55) << "healed by the full Gleamer";
    EXPECT_LE(ftmike->hp, 60);
}
