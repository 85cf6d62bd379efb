// The screens of the in-game menu and the rules they carry out. The rules
// (using an item, equipping, casting a healing action) are free functions on
// the records so they can be checked without a screen; the screens around
// them move the cursor, draw, animate and sound.
#pragma once
#include "records.h"

// Sub-screens of draw_menu.
enum { MENU_MAIN, MENU_ITEMS, MENU_ARMS, MENU_ATTIRE, MENU_ACTIONS, MENU_STATUS, MENU_OPTIONS };

// The menu's controls; each acts once, when it goes down.
enum { MK_BACK, MK_UP, MK_DOWN, MK_LEFT, MK_RIGHT, MK_ENTER, MK_UNEQUIP, MK_COUNT };
struct menu_keys {
    bool was[MK_COUNT];
    bool hit[MK_COUNT];
};
// Controls already down now act only once let go.
void menu_keys_start(menu_keys* k);
// Polls keyboard and joystick; TRUE when some control went down.
int menu_keys_read(menu_keys* k);

// Draws sub-screen state for hero who into buffer and shows it unless virtual_screen is set.
void draw_menu(int state, ftchar* who);
// The heroes' picker; null when cancelled.
ftchar* do_menu_character_select();
// The sub-screens' pictures into buffer (draw_menu shows them).
void draw_menu_items();
void draw_menu_arms(ftchar* hero);
void draw_menu_attire(ftchar* hero);
void draw_menu_actions(ftchar* hero);
void draw_menu_status(ftchar* hero);
void draw_menu_options();
// The frame every sub-screen shares: a title line with one more line under
// it, the list on the left and the details on the right.
void draw_menu_frame(const char* title, int details);
// An element's name as the menu shows it ("none" for none).
const char* element_name(int element);
// Unrolls buffer onto the display line by line on a 120-per-second tick.
void menu_unroll();

// The list screens (items, arms, attire, actions): rows 12 apart from 42 to
// 210, and for items a second column at x 154.
enum { LIST_TOP = 42, LIST_BOTTOM = 210, LIST_ROW = 12, LIST_LEFT = 4, LIST_RIGHT = 154 };
// Puts the pointer on the list's first row, unrolls the screen and starts the keys.
void menu_list_open(int state, ftchar* hero, menu_keys* k);
// Waits for the next control to go down, moves the pointer over the list
// (round and round; two columns when asked) with its sound; FALSE, after the
// sound, when Escape leaves. What else went down is in k->hit for the screen.
int menu_list_keys(menu_keys* k, int two_columns);
// The list row under the pointer (0 at the top).
int menu_list_row();
// The cursor wrapped into first..last (step apart).
int menu_wrap(int v, int first, int last);

// ---- items ----
enum item_use { USE_DONE, USE_REFUSED, USE_BATTLE_ONLY, USE_AMULET, USE_KEY, USE_NOTHING };
// Whether item id may be used from the menu on target (null: no one yet); nothing changes.
item_use menu_item_check(int id, ftchar* target);
// Takes one item id from the stock and applies its fixed amount; call only after USE_DONE.
void menu_item_apply(int id, ftchar* target);
// The item number shown at list place n (0 to 20), or -1.
int menu_item_at(int n);
// The items screen with its loop.
void do_menu_items();

// ---- arms and attire ----
// The weapon of hero's arms row (0 to 3), or null.
weapon* menu_weapon_row(ftchar* hero, int row);
// Puts the weapon of row in hero's hand; FALSE (nothing changed) when there is none or it is not owned.
int menu_equip_weapon(ftchar* hero, int row);
// Puts on armor a from the stock, the worn piece back; FALSE when no spare piece is held.
int menu_equip_armor(ftchar* hero, armor* a);
// Takes the worn armor off into the stock.
void menu_unequip_armor(ftchar* hero);
void do_menu_arms(ftchar* hero);
void do_menu_attire(ftchar* hero);

// ---- actions and status ----
enum cast_result { CAST_DONE, CAST_NO_MP, CAST_REFUSED, CAST_NOT_HERE };
// What casting the action in slot of caster on target would do (null target: the caster's own test).
cast_result menu_cast_check(ftchar* caster, int slot, ftchar* target);
// Heals the target and makes the caster pay; call only after CAST_DONE.
void menu_cast_apply(ftchar* caster, int slot, ftchar* target);
void do_menu_actions(ftchar* hero);
void do_menu_status(ftchar* hero);

// ---- options ----
void do_menu_options();
// The options' value steps, each kept in its range.
int volume_step(int v, int dir);       // 0 to 255 by 5
int window_speed_step(int v, int dir); // 0 to 5
int scale_step(int v, int dir);        // 1 to 4, round and round
// The next (dir 1) or previous (dir -1) graphics driver of the offered list.
int gfx_driver_step(int id, int dir);
// The name shown for a graphics driver id.
const char* gfx_driver_name(int id);
// Re-installs sound, joystick and display as the options say.
void update_vantor_options();
