// Buying and selling. The trades (shop_buy, shop_sell) touch only gold and
// stock; the screen around them moves the cursor, shows the refusals and
// plays the till.
#include "shop.h"

#include <cstdio>

#include "dat_names.h"
#include "door.h"
#include "item.h"
#include "menu.h"
#include "town.h"
#include "vantor.h"

int store_menu_pos = 0;

int sell_price(int cost) { return cost / 2; }

int shop_sellable(int r)
{
    const store_properties& s = current_store;
    if (r < 0 || r > s.num_objects || r >= 100) return FALSE;
    switch (s.type) {
    case SHOP_ITEMS: return s.i_list[r].have != 0 ? TRUE : FALSE;
    case SHOP_ARMS: return s.w_list[r] && s.w_list[r]->have && !s.w_list[r]->equipped ? TRUE : FALSE;
    case SHOP_ATTIRE: return s.a_list[r] && s.a_list[r]->have > 0 ? TRUE : FALSE;
    }
    return FALSE;
}

shop_result shop_buy(int r)
{
    store_properties& s = current_store;
    if (r < 0 || r > s.num_objects || r >= 100) return TRADE_NOTHING;
    switch (s.type) {
    case SHOP_ITEMS: {
        const item& it = s.i_list[r];
        if (it.id < 0 || it.id > 100) return TRADE_NOTHING;
        if (g_gp - it.cost < 0) return TRADE_NO_GOLD;
        // A bag already full would swallow the gold and give nothing back.
        if (items[it.id].have >= BAG_MAX) return TRADE_BAG_FULL;
        items[it.id].have++;
        g_gp -= it.cost;
        return TRADE_DONE;
    }
    case SHOP_ARMS: {
        weapon* w = s.w_list[r];
        if (!w) return TRADE_NOTHING;
        if (g_gp - w->cost < 0) return TRADE_NO_GOLD;
        if (w->have) return TRADE_OWNED;
        w->have = -1;
        g_gp -= w->cost;
        return TRADE_DONE;
    }
    case SHOP_ATTIRE: {
        armor* a = s.a_list[r];
        if (!a) return TRADE_NOTHING;
        if (g_gp - a->cost < 0) return TRADE_NO_GOLD;
        if (a->have >= BAG_MAX) return TRADE_BAG_FULL;
        a->have = a->have < 0 ? 1 : a->have + 1;
        g_gp -= a->cost;
        return TRADE_DONE;
    }
    }
    return TRADE_NOTHING;
}

shop_result shop_sell(int r)
{
    store_properties& s = current_store;
    if (!shop_sellable(r)) return TRADE_NOTHING;
    switch (s.type) {
    case SHOP_ITEMS: {
        item& it = s.i_list[r];
        if (it.id == IT_AURORA_AMULET) return TRADE_AMULET;
        if (it.id == IT_STORAGE_ROOM_KEY) return TRADE_KEY;
        if (it.id < 0 || it.id > 100 || items[it.id].have <= 0) return TRADE_NOTHING;
        items[it.id].have--;
        it.have--;
        g_gp += sell_price(it.cost);
        return TRADE_DONE;
    }
    case SHOP_ARMS:
        s.w_list[r]->have = 0;
        g_gp += sell_price(s.w_list[r]->cost);
        return TRADE_DONE;
    case SHOP_ATTIRE:
        // Only spare pieces are counted in have; the worn one stays on its hero.
        s.a_list[r]->have--;
        g_gp += sell_price(s.a_list[r]->cost);
        return TRADE_DONE;
    }
    return TRADE_NOTHING;
}

void shop_fill_sell_list()
{
    store_properties& s = current_store;
    s.num_objects = SELL_LAST;
    for (int i = 0; i < 100; i++) {
        s.i_list[i] = items[i];
        s.a_list[i] = armor_list[i];
        s.w_list[i] = weapon_list[i];
    }
}

namespace {

constexpr int TOP_ROW = 30; // the first list row's y
constexpr int ROW_HT = 12;
constexpr int SELL_ROWS = 13;
constexpr int SELL_BOTTOM = TOP_ROW + ROW_HT * (SELL_ROWS - 1);

const char* safe(const char* s) { return s ? s : ""; }

// The name of entry r, whatever the kind.
const char* entry_name(int r)
{
    const store_properties& s = current_store;
    switch (s.type) {
    case SHOP_ITEMS: return s.i_list[r].name;
    case SHOP_ARMS: return s.w_list[r] ? safe(s.w_list[r]->s_name) : "";
    case SHOP_ATTIRE: return s.a_list[r] ? safe(s.a_list[r]->s_name) : "";
    }
    return "";
}

int entry_cost(int r)
{
    const store_properties& s = current_store;
    switch (s.type) {
    case SHOP_ITEMS: return s.i_list[r].cost;
    case SHOP_ARMS: return s.w_list[r] ? s.w_list[r]->cost : 0;
    case SHOP_ATTIRE: return s.a_list[r] ? s.a_list[r]->cost : 0;
    }
    return 0;
}

// Whether entry r is a row of the list at all (a buy list shows every piece;
// armor with a negative have is not a piece of the game yet).
bool entry_listed(int r, int sell)
{
    const store_properties& s = current_store;
    if (sell) return shop_sellable(r);
    if (s.type == SHOP_ARMS) return s.w_list[r] != nullptr;
    if (s.type == SHOP_ATTIRE) return s.a_list[r] && s.a_list[r]->have >= 0;
    return true;
}

void draw_row(int r, int y, int sell)
{
    const store_properties& s = current_store;
    // Attire of which the party holds no spare piece is greyed.
    bool grey = s.type == SHOP_ATTIRE && s.a_list[r] && s.a_list[r]->have == 0;
    if (grey) change_font_col(main_font, 16, 40);
    textprintf_ex(buffer, main_font, 22, y, -1, -1, "%s: ", entry_name(r));
    if (sell)
        textprintf_ex(buffer, main_font, 170, y, -1, -1, "Worth %d Gold", sell_price(entry_cost(r)));
    else
        textprintf_right_ex(buffer, main_font, 296, y, -1, -1, "%d Gold", entry_cost(r));
    if (grey) change_font_col(main_font, 40, 16);
}

void draw_description(int r, int sell)
{
    const store_properties& s = current_store;
    if (r < 0 || r > s.num_objects || r >= 100 || !entry_listed(r, sell)) return;
    switch (s.type) {
    case SHOP_ITEMS: {
        const item& it = s.i_list[r];
        textout_ex(buffer, main_font, it.desc, 8, 203, -1, -1);
        int owned = it.id >= 0 && it.id <= 100 ? items[it.id].have : 0;
        textprintf_ex(buffer, main_font, 8, 223, -1, -1, "Owned: %d", owned);
        break;
    }
    case SHOP_ARMS: {
        const weapon* w = s.w_list[r];
        textout_ex(buffer, main_font, safe(w->desc), 8, 203, -1, -1);
        textprintf_ex(buffer, main_font, 8, 223, -1, -1, "Atp:  %d", w->atp);
        break;
    }
    case SHOP_ATTIRE: {
        const armor* a = s.a_list[r];
        textprintf_ex(buffer, main_font, 8, 203, -1, -1, "%s %s %s", safe(a->desc), safe(a->desc2),
                      safe(a->desc3));
        textprintf_ex(buffer, main_font, 8, 223, -1, -1, "Dfp:  %d", a->dfp);
        textprintf_ex(buffer, main_font, 100, 223, -1, -1, "Owned:  %d", a->have);
        break;
    }
    }
}

} // namespace

void draw_shop_menu(int sell)
{
    const store_properties& s = current_store;
    clear_to_color(buffer, makecol(0, 0, 0));
    still_window(buffer, 4, 4, 312, 18);
    still_window(buffer, 4, 24, 312, 172);
    still_window(buffer, 4, 198, 312, 18);
    still_window(buffer, 4, 218, 184, 18);
    still_window(buffer, 190, 218, 126, 18);
    if (main_font) {
        textout_centre_ex(buffer, main_font, safe(s.name), 160, 9, -1, -1);
        int first = sell ? store_menu_pos : 0;
        int rows = sell ? SELL_ROWS : s.num_objects + 1;
        for (int i = 0; i < rows; i++) {
            int r = first + i;
            if (r > s.num_objects || r >= 100 || !entry_listed(r, sell)) continue;
            draw_row(r, TOP_ROW + ROW_HT * i, sell);
        }
        draw_description((mcy - TOP_ROW) / ROW_HT + (sell ? store_menu_pos : 0), sell);
        textprintf_ex(buffer, main_font, 196, 223, -1, -1, "Gold: %d", g_gp);
    }
    if (sell) draw_v_scroller(306, 24, 10, 172, store_menu_pos / (float)SELL_SCROLL_MAX);
    draw_cursor(mcx, mcy);
    if (!virtual_screen) blit_buffer();
}

int do_vantor_shop()
{
    store_properties& s = current_store;
    int sell = choice("Buy", "Sell") == 2;
    if (sell) shop_fill_sell_list();
    if (s.num_objects < 0) s.num_objects = 0;
    if (s.num_objects > SELL_LAST) s.num_objects = SELL_LAST;
    int lowest = sell ? SELL_BOTTOM : TOP_ROW + ROW_HT * s.num_objects;

    store_menu_pos = 0;
    mcx = 6;
    mcy = TOP_ROW;
    fade_out_2(5);
    virtual_screen = TRUE;
    clear_bitmap(buffer);
    draw_shop_menu(sell);
    fade_to(buffer, 5);
    virtual_screen = FALSE;

    // Every control acts when it goes down; the Enter that opened the shop
    // counts only once let go.
    control_edges keys;
    start_control_edges(&keys);
    const bool* hit = keys.hit;
    for (;;) {
        read_control_edges(&keys);
        door_clear_keybuf();
        if (hit[CTL_CANCEL]) break;
        bool redraw = false;
        if (hit[CTL_UP]) {
            mcy -= ROW_HT;
            redraw = true;
        }
        if (hit[CTL_DOWN]) {
            mcy += ROW_HT;
            redraw = true;
        }
        if (sell) {
            if (mcy > lowest) {
                mcy = lowest;
                if (store_menu_pos <= SELL_SCROLL_MAX - 1) store_menu_pos++;
            }
            if (mcy < TOP_ROW) {
                mcy = TOP_ROW;
                if (store_menu_pos > 0) store_menu_pos--;
            }
        } else {
            if (mcy > lowest) mcy = TOP_ROW;
            if (mcy < TOP_ROW) mcy = lowest;
        }
        if (hit[CTL_OK]) {
            beep();
            int r = (mcy - TOP_ROW) / ROW_HT + store_menu_pos;
            shop_result got = sell ? shop_sell(r) : shop_buy(r);
            switch (got) {
            case TRADE_DONE: door_play_sample(SND_TILL, 255, 128, 1000, FALSE); break;
            case TRADE_NO_GOLD:
                story_window_2("Not enough Gold", 100, 90, 128, 16);
                door_clear_keybuf();
                jreadkey();
                clear_joybuf();
                door_clear_keybuf();
                break;
            case TRADE_OWNED: message("You already have_one!!"); break;
            case TRADE_BAG_FULL:
                b_beep();
                message("Your bag can't_hold any more!");
                break;
            case TRADE_AMULET:
                message("Elizabeth gave you_that!");
                message("What is wrong_with you!?");
                break;
            case TRADE_KEY: message("Clerk:  I'm not_taking that junk.."); break;
            case TRADE_NOTHING: break;
            }
            // A window or message may have left keys down; they act only once let go.
            start_control_edges(&keys);
            redraw = true;
        }
        if (redraw) {
            draw_shop_menu(sell);
            clear_joybuf();
        }
        door_wait();
    }

    fade_out_2(5);
    virtual_screen = TRUE;
    looping = FALSE;
    update_screen();
    looping = TRUE;
    virtual_screen = FALSE;
    fade_to(buffer, 5);
    return 0;
}
