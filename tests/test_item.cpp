// Items: the amounts at both ends of their draws, what each effect does to a
// hero, the refusals of the battle dispatcher, and chests on a small map.
#include <gtest/gtest.h>

#include <string>

#include "battle.h"
#include "door.h"
#include "harness.h"
#include "item.h"
#include "town.h"
#include "vantor.h"

// Draws are (r1, r2): r1 picks the size, an odd r2 makes it negative.
TEST(ItemFormula, AmountsAtBothEndsOfTheirDraws)
{
    EXPECT_EQ(small_potion_amount(3, 1), 17);
    EXPECT_EQ(small_potion_amount(3, 0), 23);
    EXPECT_EQ(small_potion_amount(4, 1), 20) << "the spread wraps at 4";
    EXPECT_EQ(glow_rock_amount(5, 1), 45);
    EXPECT_EQ(glow_rock_amount(11, 2), 55);
    EXPECT_EQ(large_potion_amount(10, 3), 90);
    EXPECT_EQ(large_potion_amount(21, 0), 110);
    EXPECT_EQ(spirit_bomb_amount(1, 1), 19);
    EXPECT_EQ(spirit_bomb_amount(1, 0), 21);
    EXPECT_EQ(signed_spread(0, 7, 1), 0) << "no range, no spread";
}

TEST(ItemFormula, CombusterAndRedHerbAgainstDefenceAndFire)
{
    EXPECT_EQ(combuster_damage(0), 75);
    EXPECT_EQ(combuster_damage(75), 0) << "equal defence stops it cold";
    EXPECT_EQ(combuster_damage(76), 1) << "a harder shell still takes 1";
    EXPECT_EQ(combuster_damage(500), 1);

    EXPECT_EQ(red_herb_damage(20, -1, -1), 180);
    EXPECT_EQ(red_herb_damage(20, ELEM_FIRE, -1), -180) << "fire-strong drinks the flame";
    EXPECT_EQ(red_herb_damage(20, -1, ELEM_FIRE), 540) << "fire-weak burns three times over";
    EXPECT_EQ(red_herb_damage(20, ELEM_FIRE, ELEM_FIRE), -540);
    EXPECT_EQ(red_herb_damage(300, -1, -1), 1);
    EXPECT_EQ(red_herb_damage(200, -1, -1), 0);
}

TEST(ItemEffect, HealingStopsAtTheMaximumAndPassesTheDeadBy)
{
    ftchar h{};
    h.alive = TRUE, h.hp = 90, h.hpmax = 100, h.mp = 3, h.mpmax = 12;
    heal_hp(&h, 23);
    EXPECT_EQ(h.hp, 100);
    heal_mp(&h, 10);
    EXPECT_EQ(h.mp, 12);
    heal_hp(&h, 110);
    EXPECT_EQ(h.hp, 100) << "already full";
    h.hp = h.hpmax = 9999;
    heal_hp(&h, 110);
    EXPECT_EQ(h.hp, 9999) << "the largest maximum holds too";

    ftchar dead{};
    dead.alive = FALSE, dead.hpmax = 50, dead.mpmax = 10;
    for (int id :
         {IT_SMALL_POTION, IT_GLOW_DUST, IT_LIGHT_STONE, IT_GLOW_ROCK, IT_LARGE_POTION, IT_BLUE_HERB})
        apply_heal_amount(id, &dead, 40);
    EXPECT_EQ(dead.hp, 0);
    EXPECT_EQ(dead.mp, 0);
    EXPECT_FALSE(dead.alive);
    dead.status[ST_POISON] = 3;
    apply_heal_amount(IT_ALOE_DRINK, &dead, -1);
    apply_heal_amount(IT_GREEN_HERB, &dead, -1);
    EXPECT_EQ(dead.status[ST_POISON], 3) << "nothing cures the fallen but a Viver";
}

TEST(ItemEffect, ViverRaisesTheFallenAndClearsEveryStatus)
{
    ftchar dead{};
    dead.hpmax = 91;
    dead.status[ST_POISON] = 1;
    revive(&dead);
    EXPECT_TRUE(dead.alive);
    EXPECT_EQ(dead.hp, 22) << "a quarter, cut down";
    EXPECT_EQ(dead.status[ST_POISON], 0);

    ftchar up{};
    up.alive = TRUE, up.hp = 5, up.hpmax = 91;
    for (int i = 1; i < 20; i++) up.status[i] = i;
    revive(&up);
    EXPECT_EQ(up.hp, 5) << "the living are not healed";
    for (int i = 1; i < 20; i++) EXPECT_EQ(up.status[i], 0) << "slot " << i << ", shines too";
}

TEST(ItemEffect, GreenHerbCuresOnlyPoisonAndFear)
{
    ftchar h{};
    h.alive = TRUE;
    for (int i = 0; i < 20; i++) h.status[i] = 7;
    cure_bad_status(&h);
    for (int i = 0; i < 20; i++)
        EXPECT_EQ(h.status[i], i == ST_POISON || i == ST_FEAR ? 0 : 7) << "slot " << i;
    h.mpmax = 33;
    apply_heal_amount(IT_BLUE_HERB, &h, -1);
    EXPECT_EQ(h.mp, 33);
}

TEST(ItemCatalogue, EveryHealingItemAndNoOtherWorksOutsideBattle)
{
    for (int id = 0; id < NUM_ITEM_TEMPLATES; id++) {
        bool heal = is_heal_item(id);
        EXPECT_EQ(heal, item_template(id).battle_only == 0) << item_template(id).name + 1;
    }
}

// ---- with the game started headless ----

struct ItemGame : ::testing::Test {
    void SetUp() override
    {
        std::string script;
        for (int i = 0; i < 40; i++) script += "wait 200ms\ntype Enter\n";
        script += "wait 600s\nend\n";
        headless_game_start(script.c_str());
        for (int i = 0; i < NUM_ITEM_TEMPLATES; i++) items[i] = item_template(i);
    }
};

TEST_F(ItemGame, ItemsWithoutABattleUseAreRefusedAndKept)
{
    for (int id : {IT_AURORA_AMULET, IT_STORAGE_ROOM_KEY, IT_ART_HERB}) {
        items[id].have = 2;
        EXPECT_EQ(do_item(id, ftmike), 0) << items[id].name + 1;
        EXPECT_EQ(items[id].have, 2) << "not used up";
    }
    EXPECT_EQ(do_item(-1, ftmike), 0);
    EXPECT_EQ(do_item(101, ftmike), 0);
}

struct ChestGame : ItemGame {
    TILEMAP* saved_map = nullptr;
    int saved_gp = 0;
    void SetUp() override
    {
        ItemGame::SetUp();
        saved_map = map;
        saved_gp = g_gp;
        // A small room: the chest stands on layer 1 at tile (2, 1).
        map = create_tilemap(3, 5, 4, 16, 16);
        set_sprite_number(map, 1, 2, 1, 215);
        memset(chests, 0, sizeof chests);
        memset(&current_store, 0, sizeof current_store);
    }
    void TearDown() override
    {
        destroy_tilemap(map);
        map = saved_map;
        g_gp = saved_gp;
        memset(chests, 0, sizeof chests);
    }
};

TEST_F(ChestGame, GoldAndItemsOnceOnly)
{
    chests[3].item_id = -500;
    do_chest(3, 2, 1, 1);
    EXPECT_EQ(g_gp, saved_gp + 500);
    EXPECT_EQ(chests[3].opened, -1);
    EXPECT_EQ(get_sprite_number(map, 1, 2, 1), OPEN_CHEST_TILE);
    do_chest(3, 2, 1, 1);
    EXPECT_EQ(g_gp, saved_gp + 500) << "an opened chest is empty";

    chests[4].item_id = IT_GLASS_BALL;
    items[IT_GLASS_BALL].have = 1;
    do_chest(4, 2, 1, 1);
    EXPECT_EQ(items[IT_GLASS_BALL].have, 2);
    do_chest(4, 2, 1, 1);
    EXPECT_EQ(items[IT_GLASS_BALL].have, 2);

    chests[5].item_id = 300;
    do_chest(5, 2, 1, 1);
    EXPECT_EQ(chests[5].opened, -1) << "a row past the bag gives nothing but opens";
}

TEST_F(ChestGame, WeaponsOnlyOnceAndArmorCounts)
{
    weapon* w = weapon_list[0];
    int had = w->have;
    w->have = 0;
    current_store.w_list[0] = w;
    chests[6].item_id = 500;
    do_chest(6, 2, 1, 1);
    EXPECT_EQ(w->have, -1) << "owned";
    chests[7].item_id = 500;
    do_chest(7, 2, 1, 1);
    EXPECT_EQ(w->have, -1) << "already owned: nothing changes";
    EXPECT_EQ(chests[7].opened, -1);
    w->have = had;

    armor* a = armor_list[1];
    int had_a = a->have;
    current_store.a_list[0] = a;
    a->have = -1;
    chests[8].item_id = 1000;
    do_chest(8, 2, 1, 1);
    EXPECT_EQ(a->have, 1) << "a worn (negative) count becomes one";
    chests[9].item_id = 1001;
    do_chest(9, 2, 1, 1);
    EXPECT_EQ(a->have, 2);
    a->have = had_a;

    chests[10].item_id = 1000;
    current_store.a_list[0] = nullptr;
    do_chest(10, 2, 1, 1);
    EXPECT_EQ(chests[10].opened, -1) << "no armor placed: harmless";
}

TEST_F(ChestGame, LockedChestsStayShutUntilUnlocked)
{
    chests[11].item_id = -40;
    chests[11].locked = TRUE;
    do_chest(11, 2, 1, 1);
    EXPECT_EQ(g_gp, saved_gp);
    EXPECT_EQ(chests[11].opened, 0);
    EXPECT_EQ(get_sprite_number(map, 1, 2, 1), 215);
    chests[11].locked = FALSE;
    do_chest(11, 2, 1, 1);
    EXPECT_EQ(g_gp, saved_gp + 40);
}

TEST_F(ChestGame, AnOpenedChestIsDrawnOpenOnEveryVisit)
{
    show_chest(12, 2, 1, 1);
    EXPECT_EQ(get_sprite_number(map, 1, 2, 1), 215) << "closed while unopened";
    chests[12].opened = -1;
    // The room is loaded afresh with its chest closed.
    set_sprite_number(map, 1, 2, 1, 215);
    show_chest(12, 2, 1, 1);
    EXPECT_EQ(get_sprite_number(map, 1, 2, 1), OPEN_CHEST_TILE);
    show_chest(600, 2, 1, 1);
    do_chest(-3, 2, 1, 1);
}

TEST_F(ItemGame, HealingAnimationsPlayOverAPictureWithoutABattle)
{
    BITMAP* picture = create_bitmap(320, 240);
    clear_to_color(picture, makecol(10, 20, 90));
    effect_backdrop = picture;
    looping = TRUE;
    reset_fps_timer();
    for (int id = 0; id < NUM_ITEM_TEMPLATES; id++) {
        if (!is_heal_item(id)) continue;
        heal_item_animation(id, 150, 100, 24, 24, id % 2);
        bool drew = false;
        for (int y = 80; y < 140 && !drew; y++)
            for (int x = 100; x < 190; x++)
                if (getpixel(buffer, x, y) != getpixel(picture, x, y)) drew = true;
        // The slow fades end on the bare picture; the potion's sweep stays on its last frame.
        if (id == IT_SMALL_POTION) {
            EXPECT_TRUE(drew) << "the sweep over the picture";
        }
    }
    effect_backdrop = nullptr;
    destroy_bitmap(picture);

    ftchar h{};
    h.alive = TRUE, h.hp = 1, h.hpmax = 500, h.mpmax = 500;
    EXPECT_GE(apply_heal_item(IT_LARGE_POTION, &h), 90);
    EXPECT_GE(h.hp, 91);
    EXPECT_LE(h.hp, 111);
    EXPECT_EQ(apply_heal_item(IT_GLOW_DUST, &h), 10);
    EXPECT_EQ(h.mp, 10);
    EXPECT_EQ(apply_heal_item(IT_VIVER, &h), -1) << "no number";
}
