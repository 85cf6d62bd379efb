// The in-game menu: the main screen with the party's windows and the eight
// entries, the unrolling of a sub-screen, the hero picker, saving and
// quitting. The sub-screens live in menu_items, menu_gear, menu_options and
// menu_status.
#include "menu.h"

#include <cstdlib>

#include "battle.h"
#include "dat_names.h"
#include "door.h"
#include "llib.h"
#include "menu_screens.h"
#include "town.h"
#include "vantor.h"
#include "vantor_frame.h"
#include "world.h"

int mcx = 0, mcy = 0;

void b_beep() { door_play_sample(SND_REFUSE, 255, 127, 1000, FALSE); }

namespace {

// The entry rows of the main screen, top to bottom.
enum {
    ROW_ITEMS = 8,
    ROW_ARMS = 32,
    ROW_ATTIRE = 56,
    ROW_ACTIONS = 80,
    ROW_STATUS = 104,
    ROW_OPTIONS = 128,
    ROW_SAVE = 152,
    ROW_QUIT = 176
};
constexpr int ENTRY_STEP = 24;
const char* const ENTRY_NAMES[8] = {"Items",  "Arms",    "Attire", "Actions",
                                    "Status", "Options", "Save",   "Quit"};

// The colour a hero's lines take: knocked out, nearly so, poisoned, or well.
int condition_colour(const ftchar* f)
{
    if (!f->alive) return 17;
    if (f->hp < f->hpmax / 4) return 19;
    if (f->status[ST_POISON] > 0) return 34;
    return 16;
}

// The hero's standing pose at (x, y); a living hero who is poisoned or
// afraid wears the tint of it.
void draw_hero_sprite(ftchar* f, int x, int y)
{
    if (!f->a) return;
    int hue = -1;
    if (f->alive && f->status[ST_POISON] > 0)
        hue = 90;
    else if (f->alive && f->status[ST_FEAR] > 0)
        hue = 170;
    if (hue < 0) {
        draw_rle_sprite(buffer, f->a, x, y);
        return;
    }
    RLE_SPRITE* pose = f->current ? f->current : f->a;
    BITMAP* tinted = create_bitmap(pose->w, pose->h);
    if (!tinted) {
        draw_rle_sprite(buffer, pose, x, y);
        return;
    }
    clear_to_color(tinted, bitmap_mask_color(tinted));
    draw_rle_sprite(tinted, pose, 0, 0);
    colorize(tinted, (float)hue, -1.0f);
    draw_sprite(buffer, tinted, x, y);
    destroy_bitmap(tinted);
}

void draw_hero_window(ftchar* f, const char* name, int wy, int sx, int sy)
{
    still_window(buffer, 4, wy, 200, 50);
    if (!f || !f->in_fight) return;
    if (color_font) {
        int col = condition_colour(f);
        if (col != 16) change_font_col(color_font, 16, col);
        textprintf_ex(buffer, color_font, 6, wy + 2, -1, -1, "%s - Level %d", name, f->level);
        textprintf_ex(buffer, color_font, 6, wy + 14, -1, -1, "Hp - %d/%d", f->hp, f->hpmax);
        textprintf_ex(buffer, color_font, 6, wy + 26, -1, -1, "Mp - %d/%d", f->mp, f->mpmax);
        if (col != 16) change_font_col(color_font, col, 16);
    }
    draw_hero_sprite(f, sx, sy);
}

void draw_main()
{
    draw_hero_window(ftmike, "Mike", 4, 160, 15);
    draw_hero_window(ftcharlie, "Charlie", 56, 160, 65);
    if (ftrunhon && ftrunhon->in_fight)
        draw_hero_window(ftrunhon, "Runhon", 108, 155, 117);
    else
        draw_hero_window(ftelizabeth, "Elizabeth", 108, 160, 117);
    still_window(buffer, 4, 160, 200, 50);
    still_window(buffer, 206, 4, 110, 182);
    still_window(buffer, 206, 188, 110, 32);
    if (main_font) {
        for (int i = 0; i < 8; i++)
            textout_ex(buffer, main_font, ENTRY_NAMES[i], 226, 8 + ENTRY_STEP * i, -1, -1);
        textprintf_ex(buffer, main_font, 210, 190, -1, -1, "Gold - %d", g_gp);
        textprintf_ex(buffer, main_font, 210, 204, -1, -1, "%s", g_place ? g_place : "");
    }
}

// Opens a sub-screen of the main menu and comes back to its entry row.
void enter_sub(int state, int row)
{
    ftchar* hero = nullptr;
    if (state == MENU_ARMS || state == MENU_ATTIRE || state == MENU_ACTIONS || state == MENU_STATUS) {
        mcx = 102;
        mcy = 92;
        hero = do_menu_character_select();
        if (!hero) {
            mcx = 208;
            mcy = row;
            draw_menu(MENU_MAIN, nullptr);
            return;
        }
    }
    switch (state) {
    case MENU_ITEMS: do_menu_items(); break;
    case MENU_ARMS: do_menu_arms(hero); break;
    case MENU_ATTIRE: do_menu_attire(hero); break;
    case MENU_ACTIONS: do_menu_actions(hero); break;
    case MENU_STATUS: do_menu_status(hero); break;
    case MENU_OPTIONS: do_menu_options(); break;
    }
    clear_bitmap(buffer);
    mcx = 208;
    mcy = row;
    draw_menu(MENU_MAIN, nullptr);
}

void do_menu_save()
{
    if (in_town || in_field) {
        story_window_2("Only in World Map!", 100, 100, 150, 16);
        door_clear_keybuf();
        jreadkey();
        clear_joybuf();
        draw_menu(MENU_MAIN, nullptr);
        return;
    }
    fade_out_2(10);
    save_game();
    virtual_screen = TRUE;
    clear_bitmap(buffer);
    draw_menu(MENU_MAIN, nullptr);
    virtual_screen = FALSE;
    reset_fps_timer();
    fade_to(buffer, 10);
}

void do_menu_quit()
{
    virtual_screen = TRUE;
    draw_menu(MENU_MAIN, nullptr);
    virtual_screen = FALSE;
    darken_bitmap(buffer, 128);
    blit_buffer();
    story_window_2("Quit to OS?", 115, 70, 90, 16);
    if (choice("Absolutely!", "No!! Never!") == 1) {
        fade_out_2(5);
        door_remove_int(town_timer);
        vantor_shutdown();
        door_exit(0);
    }
    draw_menu(MENU_MAIN, nullptr);
}

} // namespace

int menu_wrap(int v, int first, int last)
{
    if (v > last) return first;
    if (v < first) return last;
    return v;
}

void menu_keys_start(menu_keys* k)
{
    for (bool& w : k->was) w = false;
    menu_keys_read(k);
    for (bool& h : k->hit) h = false;
}

int menu_keys_read(menu_keys* k)
{
    door_poll_keyboard();
    door_poll_joystick();
    // Alt+Enter switches the display; the menu keeps its place and redraws.
    if (display_switch_key()) {
        door_poll_keyboard();
        k->was[MK_ENTER] = true;
    }
    if (key[KEY_ESC]) quit_key_spent();
    bool now[MK_COUNT] = {key[KEY_ESC] || door_joy_button(2), key[KEY_UP] || door_joy_up(),
                          key[KEY_DOWN] || door_joy_down(),   key[KEY_LEFT] || door_joy_left(),
                          key[KEY_RIGHT] || door_joy_right(), key[KEY_ENTER] || door_joy_button(3),
                          key[KEY_X] || door_joy_button(4)};
    int any = FALSE;
    for (int i = 0; i < MK_COUNT; i++) {
        k->hit[i] = now[i] && !k->was[i];
        k->was[i] = now[i];
        if (k->hit[i]) any = TRUE;
    }
    door_clear_keybuf();
    return any;
}

void menu_list_open(int state, ftchar* hero, menu_keys* k)
{
    mcx = LIST_LEFT;
    mcy = LIST_TOP;
    virtual_screen = TRUE;
    draw_menu(state, hero);
    virtual_screen = FALSE;
    menu_unroll();
    menu_keys_start(k);
}

int menu_list_keys(menu_keys* k, int two_columns)
{
    for (;;) {
        door_wait();
        if (menu_keys_read(k)) break;
    }
    if (k->hit[MK_BACK]) {
        beep();
        return FALSE;
    }
    bool moved = k->hit[MK_UP] || k->hit[MK_DOWN];
    if (k->hit[MK_UP]) mcy = menu_wrap(mcy - LIST_ROW, LIST_TOP, LIST_BOTTOM);
    if (k->hit[MK_DOWN]) mcy = menu_wrap(mcy + LIST_ROW, LIST_TOP, LIST_BOTTOM);
    if (two_columns && (k->hit[MK_LEFT] || k->hit[MK_RIGHT])) {
        mcx = mcx == LIST_LEFT ? LIST_RIGHT : LIST_LEFT;
        moved = true;
    }
    if (moved) beep();
    return TRUE;
}

int menu_list_row() { return (mcy - LIST_TOP) / LIST_ROW; }

void menu_unroll()
{
    // The sub-screen rolls down on a finer tick than the field's.
    door_remove_int(fps_proc);
    fps = fpscounter = actual_fps_counter = 0;
    if (door_install_int_ex(fps_proc, 9943) != 0) fatalerror("Error installing callback!!\n\n");
    for (int h = 0; h <= 240; h++) {
        fpscounter++;
        wait_for_clock();
        if (h > 0) stretch_to_display(buffer, 0, 0, 320, 240, 0, 0, 320, h);
        if (!looping || !skip_frames) door_rest(8);
    }
    blit_buffer();
}

void draw_menu_frame(const char* title, int details)
{
    still_window(buffer, 2, 2, 316, 28);
    if (details) {
        still_window(buffer, 2, 32, 158, 206);
        still_window(buffer, 162, 32, 156, 100);
    } else {
        still_window(buffer, 2, 32, 316, 206);
    }
    if (main_font) textout_ex(buffer, main_font, title, 8, 5, -1, -1);
}

const char* element_name(int element)
{
    switch (element) {
    case ELEM_FIRE: return "Fire";
    case ELEM_WATER: return "Water";
    case ELEM_EARTH: return "Earth";
    case ELEM_AIR: return "Air";
    case ELEM_LIGHT: return "Light";
    case ELEM_DARKNESS: return "Darkness";
    default: return "none";
    }
}

void draw_menu(int state, ftchar* who)
{
    clear_to_color(buffer, makecol(0, 0, 0));
    switch (state) {
    case MENU_MAIN: draw_main(); break;
    case MENU_ITEMS: draw_menu_items(); break;
    case MENU_ARMS: draw_menu_arms(who); break;
    case MENU_ATTIRE: draw_menu_attire(who); break;
    case MENU_ACTIONS: draw_menu_actions(who); break;
    case MENU_STATUS: draw_menu_status(who); break;
    case MENU_OPTIONS: draw_menu_options(); break;
    }
    draw_cursor(mcx, mcy);
    if (!virtual_screen) blit_buffer();
}

ftchar* do_menu_character_select()
{
    ftchar* third = nullptr;
    const char* third_name = nullptr;
    if (ftrunhon && ftrunhon->in_fight) {
        third = ftrunhon;
        third_name = "Runhon";
    } else if (ftelizabeth && ftelizabeth->in_fight) {
        third = ftelizabeth;
        third_name = "Elizabeth";
    }
    bool has_charlie = ftcharlie && ftcharlie->in_fight;
    BITMAP* under = create_bitmap(320, 240);
    if (under) blit(buffer, under, 0, 0, 0, 0, 320, 240);
    // Rows 92 Mike, 104 Charlie, 116 the third hero; an absent Charlie leaves his row empty.
    int last = third ? 116 : has_charlie ? 104 : 92;
    int y = 92;
    ftchar* picked = nullptr;
    menu_keys k;
    menu_keys_start(&k);
    bool redraw = true;
    for (;;) {
        if (redraw) {
            if (under) blit(under, buffer, 0, 0, 0, 0, 320, 240);
            still_window(buffer, 100, 90, 120, 60);
            if (main_font) {
                textout_ex(buffer, main_font, "Mike", 117, 92, -1, -1);
                if (has_charlie) textout_ex(buffer, main_font, "Charlie", 117, 104, -1, -1);
                if (third) textout_ex(buffer, main_font, third_name, 117, 116, -1, -1);
            }
            draw_cursor(102, y);
            blit_buffer();
            redraw = false;
        }
        door_wait();
        if (!menu_keys_read(&k)) continue;
        beep();
        redraw = true;
        if (k.hit[MK_BACK]) break;
        if (k.hit[MK_UP]) {
            y -= 12;
            if (y == 104 && !has_charlie) y -= 12;
            y = menu_wrap(y, 92, last);
        }
        if (k.hit[MK_DOWN]) {
            y += 12;
            if (y == 104 && !has_charlie && last > 104) y += 12;
            y = menu_wrap(y, 92, last);
        }
        if (k.hit[MK_ENTER]) {
            if (y == 92)
                picked = ftmike;
            else if (y == 104 && has_charlie)
                picked = ftcharlie;
            else if (y == 116)
                picked = third;
            if (picked) break;
        }
    }
    if (under) {
        blit(under, buffer, 0, 0, 0, 0, 320, 240);
        destroy_bitmap(under);
    }
    return picked;
}

void do_vantor_menu()
{
    mcx = 208;
    mcy = ROW_ITEMS;
    fade_out_2(10);
    virtual_screen = TRUE;
    clear_bitmap(buffer);
    draw_menu(MENU_MAIN, nullptr);
    virtual_screen = FALSE;
    fade_to(buffer, 10);

    menu_keys k;
    menu_keys_start(&k);
    for (;;) {
        door_wait();
        if (!menu_keys_read(&k)) continue;
        if (k.hit[MK_BACK]) {
            beep();
            break;
        }
        if (k.hit[MK_UP] || k.hit[MK_DOWN]) {
            beep();
            mcy = menu_wrap(mcy + (k.hit[MK_DOWN] ? ENTRY_STEP : -ENTRY_STEP), ROW_ITEMS, ROW_QUIT);
            draw_menu(MENU_MAIN, nullptr);
        }
        if (!k.hit[MK_ENTER]) continue;
        beep();
        int row = mcy;
        switch (row) {
        case ROW_ITEMS: enter_sub(MENU_ITEMS, row); break;
        case ROW_ARMS: enter_sub(MENU_ARMS, row); break;
        case ROW_ATTIRE: enter_sub(MENU_ATTIRE, row); break;
        case ROW_ACTIONS: enter_sub(MENU_ACTIONS, row); break;
        case ROW_STATUS: enter_sub(MENU_STATUS, row); break;
        case ROW_OPTIONS: enter_sub(MENU_OPTIONS, row); break;
        case ROW_SAVE: do_menu_save(); break;
        case ROW_QUIT: do_menu_quit(); break;
        }
        // Whatever a sub-screen left held down acts only once let go.
        menu_keys_start(&k);
    }

    fade_out_2(10);
    looping = FALSE;
    update_screen();
    fade_to(buffer, 10);
    looping = TRUE;
    reset_fps_timer();
    // The Alt that opened the menu must not open it again at once.
    while (key[KEY_ALT] || door_joy_button(5)) {
        door_wait();
        door_poll_keyboard();
        door_poll_joystick();
    }
}
