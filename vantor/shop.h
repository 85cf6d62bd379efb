// Shops: a modal screen over the field where the party buys and sells one
// piece per press of Enter. The caller fills current_store (kind, stock,
// title) and calls do_vantor_shop. The trades themselves are separate from
// the screen, so every way a purchase or sale can go is decided in one place
// and the gold and the stock always change together or not at all.
#pragma once
#include "records.h"

enum { SHOP_ITEMS = 1, SHOP_ARMS = 2, SHOP_ATTIRE = 3 }; // store_properties::type
constexpr int BAG_MAX = 99;                              // the most of one item the bag holds
constexpr int SELL_LAST = 99;                            // num_objects of a sell list (rows 0 to 99)
constexpr int SELL_SCROLL_MAX = 86;                      // the sell list's deepest scroll offset

// How a trade went; the screen shows the refusals.
enum shop_result {
    TRADE_DONE,     // gold and stock changed
    TRADE_NO_GOLD,  // "Not enough Gold"
    TRADE_OWNED,    // a weapon the party has already
    TRADE_BAG_FULL, // the bag holds BAG_MAX of that item
    TRADE_AMULET,   // Elizabeth's gift is never sold
    TRADE_KEY,      // the clerk won't take the storage room key
    TRADE_NOTHING   // no piece there to sell (or it is worn)
};

extern int store_menu_pos; // scroll offset of the sell list, 0 to SELL_SCROLL_MAX

// The shop of current_store; always 0.
int do_vantor_shop();
// Draws the shop screen into buffer and shows it unless virtual_screen is set.
void draw_shop_menu(int sell);
// What a piece of this cost fetches when sold: half, rounded toward zero.
int sell_price(int cost);
// Buys entry r of current_store's stock.
shop_result shop_buy(int r);
// Sells entry r of the sell list (current_store after shop_fill_sell_list).
shop_result shop_sell(int r);
// Replaces current_store's stock by the party's own goods of its kind.
void shop_fill_sell_list();
// TRUE when entry r of the sell list is something the party may sell (drawn as a row).
int shop_sellable(int r);
