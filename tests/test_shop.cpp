// Buying and selling: the trades keep gold and stock together whatever is
// refused, and the real shop screen, driven by scripted keys, moves its
// cursor, wraps and scrolls as a player expects.
#include <gtest/gtest.h>

#include "frame_fixture.h"
#include "item.h"
#include "menu.h"
#include "shop.h"
#include "town.h"
#include "town2.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

class ShopTest : public FrameTest {
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        for (int i = 0; i < 101; i++) items[i].have = 0;
        for (int i = 0; i < 100; i++) {
            if (weapon_list[i]) {
                weapon_list[i]->have = 0;
                weapon_list[i]->equipped = FALSE;
            }
            if (armor_list[i]) armor_list[i]->have = 0;
        }
        store_menu_pos = 0;
        g_gp = 0;
    }
    void stock_items(std::initializer_list<int> rows)
    {
        current_store = store_properties{};
        current_store.type = SHOP_ITEMS;
        current_store.name = "Test Item Shop";
        int n = 0;
        for (int r : rows) current_store.i_list[n++] = item_template(r);
        current_store.num_objects = n - 1;
    }
    void stock_weapons(std::initializer_list<weapon*> ws)
    {
        current_store = store_properties{};
        current_store.type = SHOP_ARMS;
        int n = 0;
        for (weapon* w : ws) current_store.w_list[n++] = w;
        current_store.num_objects = n - 1;
    }
    void stock_armor(std::initializer_list<armor*> as)
    {
        current_store = store_properties{};
        current_store.type = SHOP_ATTIRE;
        int n = 0;
        for (armor* a : as) current_store.a_list[n++] = a;
        current_store.num_objects = n - 1;
    }
    // The real screen under a script; the keys start up.
    void shop_with(const char* script)
    {
        headless_game_start(script);
        for (int k = 0; k < KEY_MAX; k++) key[k] = 0;
        do_vantor_shop();
    }
};

TEST_F(ShopTest, SellingPaysHalfTheCostRoundedTowardZero)
{
    EXPECT_EQ(sell_price(25), 12);
    EXPECT_EQ(sell_price(24), 12);
    EXPECT_EQ(sell_price(1), 0);
    EXPECT_EQ(sell_price(0), 0);
}

TEST_F(ShopTest, ItemPurchaseTakesTheLastGoldAndRefusesOneShortWithoutChange)
{
    stock_items({IT_SMALL_POTION});
    int cost = item_template(IT_SMALL_POTION).cost;
    g_gp = cost - 1;
    EXPECT_EQ(shop_buy(0), TRADE_NO_GOLD);
    EXPECT_EQ(g_gp, cost - 1);
    EXPECT_EQ(items[IT_SMALL_POTION].have, 0);
    g_gp = cost;
    EXPECT_EQ(shop_buy(0), TRADE_DONE);
    EXPECT_EQ(g_gp, 0);
    EXPECT_EQ(items[IT_SMALL_POTION].have, 1);
}

TEST_F(ShopTest, AFullBagRefusesAPurchaseAndKeepsTheGold)
{
    stock_items({IT_GLOW_DUST});
    items[IT_GLOW_DUST].have = BAG_MAX;
    g_gp = 10000;
    EXPECT_EQ(shop_buy(0), TRADE_BAG_FULL);
    EXPECT_EQ(g_gp, 10000);
    EXPECT_EQ(items[IT_GLOW_DUST].have, BAG_MAX);
}

TEST_F(ShopTest, ASecondCopyOfAnOwnedWeaponIsRefusedButArmorSellsAgainAndAgain)
{
    stock_weapons({steel_blade});
    g_gp = 10000;
    EXPECT_EQ(shop_buy(0), TRADE_DONE);
    EXPECT_EQ(steel_blade->have, -1);
    int after_first = g_gp;
    EXPECT_EQ(shop_buy(0), TRADE_OWNED);
    EXPECT_EQ(g_gp, after_first);

    stock_armor({iron_vest});
    iron_vest->have = -1; // never owned: the first purchase makes one spare piece
    EXPECT_EQ(shop_buy(0), TRADE_DONE);
    EXPECT_EQ(iron_vest->have, 1);
    EXPECT_EQ(shop_buy(0), TRADE_DONE);
    EXPECT_EQ(iron_vest->have, 2);
    EXPECT_EQ(g_gp, after_first - 2 * iron_vest->cost);
}

TEST_F(ShopTest, WhatAHeroWearsOrHoldsAndElizabethsAmuletAreNeverSold)
{
    g_gp = 0;
    steel_blade->have = -1;
    steel_blade->equipped = TRUE;
    iron_vest->have = 0; // the worn vest is not counted as a spare
    items[IT_AURORA_AMULET].have = 1;
    items[IT_STORAGE_ROOM_KEY].have = 1;

    current_store.type = SHOP_ARMS;
    shop_fill_sell_list();
    int blade = -1;
    for (int i = 0; i < 100; i++)
        if (weapon_list[i] == steel_blade) blade = i;
    ASSERT_GE(blade, 0);
    EXPECT_EQ(shop_sell(blade), TRADE_NOTHING);
    EXPECT_EQ(steel_blade->have, -1);

    current_store.type = SHOP_ATTIRE;
    shop_fill_sell_list();
    for (int i = 0; i < 100; i++) {
        if (armor_list[i] == iron_vest) {
            EXPECT_EQ(shop_sell(i), TRADE_NOTHING);
        }
    }

    current_store.type = SHOP_ITEMS;
    shop_fill_sell_list();
    EXPECT_EQ(shop_sell(IT_AURORA_AMULET), TRADE_AMULET);
    EXPECT_EQ(shop_sell(IT_STORAGE_ROOM_KEY), TRADE_KEY);
    EXPECT_EQ(items[IT_AURORA_AMULET].have, 1);
    EXPECT_EQ(items[IT_STORAGE_ROOM_KEY].have, 1);
    EXPECT_EQ(g_gp, 0);
}

TEST_F(ShopTest, ThroughTheScreenBuyingWrapsFromTheTopRowToTheLast)
{
    // Four pieces: Up from the first row lands on the fourth (Viver).
    stock_items({IT_SMALL_POTION, IT_GLOW_DUST, IT_LIGHT_STONE, IT_VIVER});
    g_gp = 5000;
    shop_with("wait 200ms\ntap Enter\nwait 3s\ntap Up\nwait 100ms\ntap Enter\nwait 200ms\nshot shop_buy\ntap "
              "Esc\nwait 2s\nend\n");
    EXPECT_EQ(items[IT_VIVER].have, 1);
    EXPECT_EQ(items[IT_SMALL_POTION].have, 0);
    EXPECT_EQ(g_gp, 5000 - item_template(IT_VIVER).cost);
}

TEST_F(ShopTest, ThroughTheScreenAShortPurchaseShowsNotEnoughGoldAndChangesNothing)
{
    stock_items({IT_LARGE_POTION});
    g_gp = item_template(IT_LARGE_POTION).cost - 1;
    shop_with("wait 200ms\ntap Enter\nwait 3s\ntap Enter\nwait 500ms\ntap Enter\nwait 200ms\ntap Esc\nwait "
              "2s\nend\n");
    EXPECT_EQ(items[IT_LARGE_POTION].have, 0);
    EXPECT_EQ(g_gp, item_template(IT_LARGE_POTION).cost - 1);
}

TEST_F(ShopTest, ThroughTheScreenTheSellListScrollsToItsLastEntry)
{
    // Holding nothing to sell, the cursor can still walk the whole list: the
    // offset stops at its deepest with the pointer on the last row.
    stock_items({IT_SMALL_POTION});
    std::string script = "wait 200ms\ntap Down\ntap Enter\nwait 3s\n";
    for (int i = 0; i < 110; i++) script += "tap Down\nwait 20ms\n";
    script += "wait 200ms\ntap Esc\nwait 2s\nend\n";
    shop_with(script.c_str());
    EXPECT_EQ(store_menu_pos, SELL_SCROLL_MAX);
    EXPECT_EQ((mcy - 30) / 12 + store_menu_pos, 98);
}

TEST_F(ShopTest, ThroughTheScreenSellingAnItemPaysHalfAndTakesOne)
{
    items[IT_GLOW_DUST].have = 2;
    g_gp = 0;
    stock_items({IT_SMALL_POTION});
    // Glow Dust is row 1 of the bag: one step down from the top.
    shop_with("wait 200ms\ntap Down\ntap Enter\nwait 3s\ntap Down\nwait 100ms\ntap Enter\nwait 200ms\nshot "
              "shop_sell\ntap Esc\n"
              "wait 2s\nend\n");
    EXPECT_EQ(items[IT_GLOW_DUST].have, 1);
    EXPECT_EQ(g_gp, sell_price(item_template(IT_GLOW_DUST).cost));
}

} // namespace

namespace {

std::vector<const void*> stock_of_store()
{
    std::vector<const void*> v;
    for (int i = 0; i <= current_store.num_objects; i++) {
        if (current_store.type == SHOP_ITEMS) v.push_back(&item_template(current_store.i_list[i].id));
        if (current_store.type == SHOP_ARMS) v.push_back(current_store.w_list[i]);
        if (current_store.type == SHOP_ATTIRE) v.push_back(current_store.a_list[i]);
    }
    return v;
}

} // namespace

// Every counter of every town gives the shop screen its own title, kind and stock in the
// order of the towns' table. What each sells is that table's; the walkthrough buys from it.
TEST_F(ShopTest, EveryTownsCountersOfferTheirOwnStockInOrder)
{
    for (const town_plan* plan : {&village_plan, &agual_plan, &mystalia_plan})
        for (int k = 0; k < plan->shop_count; k++) {
            const town_shop& s = plan->shops[k];
            fill_store(&s);
            ASSERT_NE(current_store.name, nullptr) << s.name;
            EXPECT_STREQ(current_store.name, s.name);
            EXPECT_EQ(current_store.type, s.type) << s.name;
            std::vector<const void*> want;
            for (int i = 0; i < 12 && s.stock[i] >= 0; i++)
                want.push_back(s.type == SHOP_ITEMS  ? (const void*)&item_template(s.stock[i])
                               : s.type == SHOP_ARMS ? (const void*)weapon_list[s.stock[i]]
                                                     : (const void*)armor_list[s.stock[i]]);
            EXPECT_FALSE(want.empty()) << s.name;
            EXPECT_EQ(stock_of_store(), want) << s.name;
        }
}
