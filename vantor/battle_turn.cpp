// The party's turn: the four-command menu, the Fight sequence with its
// damage, Defend, the Action and Item lists, and the two target pickers
// that item and action effects share.
#include "battle.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>

#include "action.h"
#include "dat_names.h"
#include "door.h"
#include "item.h"
#include "vantor.h"

namespace {

struct LightmapDeleter {
    void operator()(LIGHTMAP* l) const { destroy_lightmap(l); }
};
struct BitmapDeleter {
    void operator()(BITMAP* b) const { destroy_bitmap(b); }
};

enum { ROW_FIGHT = 194, ROW_DEFEND = 204, ROW_ACTION = 214, ROW_ITEM = 224 };

int confirm_held() { return (key[KEY_ENTER] && !alt_held()) || door_joy_button(3); }
int back_held() { return key[KEY_BACKSPACE] || door_joy_button(2); }

// The choosing keys as one menu last saw them. A menu takes them as they are when it
// opens: the Enter that opened it, or one held through a refusal or a target picker,
// chooses nothing there until it has been let go and pressed again.
struct choice_keys {
    int confirm, back;
};

choice_keys keys_as_they_are()
{
    door_poll_keyboard();
    door_poll_joystick();
    return {confirm_held(), back_held()};
}

// One pass of a menu's input, the keyboard sampled once: Up and Down repeat while
// held, a choice needs a fresh press.
struct menu_input {
    bool up, down, confirm, back;
};

menu_input read_input(choice_keys* k)
{
    door_poll_keyboard();
    door_poll_joystick();
    if (debug && key[KEY_Q]) fatalerror("you wanted out\n");
    menu_input in;
    in.up = key[KEY_UP] || door_joy_up();
    in.down = key[KEY_DOWN] || door_joy_down();
    in.confirm = fresh_press(&k->confirm, confirm_held());
    in.back = fresh_press(&k->back, back_held());
    return in;
}

// The battle drawn into buffer without showing it, paced.
void compose()
{
    virtual_screen = TRUE;
    fpscounter = fps;
    ft_update_screen();
}

// Shown at once.
void redraw()
{
    virtual_screen = FALSE;
    fpscounter = fps;
    ft_update_screen();
}

// The joystick moves one step per push: wait, redrawing, until it is let go.
void settle_joystick()
{
    door_poll_joystick();
    while (door_joy_button(2) || door_joy_button(3) || door_joy_up() || door_joy_down() || door_joy_left() ||
           door_joy_right()) {
        redraw();
        door_poll_joystick();
    }
}

bool is_mike_or_charlie(const ftchar* who) { return who == ftmike || who == ftcharlie; }

void draw_weapon(RLE_SPRITE* s, int x, int y)
{
    if (s) draw_rle_sprite(buffer, s, x, y);
}

// A few frames walking dx pixels a frame, the pose alternating b, a, b ...
void walk(ftchar* who, int frames, int dx, int* step)
{
    for (int i = 0; i < frames; i++) {
        who->x += dx;
        who->current = (*step)++ % 2 == 0 ? who->b : who->a;
        ft_update_screen();
    }
}

// The weapon's blow on the target, spread and boosts included (negative: it heals).
int fight_damage(ftchar* who, ftenemy* target)
{
    weapon* w = who->charweapon;
    int watp = w ? w->atp : 0, element = w ? w->element : ELEM_NONE;
    int r1 = rand();
    int r2 = rand();
    int d = weapon_base_damage(who->atp, watp, who->status[ST_FEAR] > 0, target->dfp, r1, r2);
    d = test_abnormality(who, d, 0);
    return apply_elements(d, element, target->weakness, target->strength);
}

void fight(ftchar* who, ftenemy* target)
{
    weapon* w = who->charweapon;
    int step = 0;
    virtual_screen = FALSE;
    reset_battle_timer();
    walk(who, 20, -1, &step);

    // Wind-up.
    virtual_screen = TRUE;
    who->current = who->c;
    fpscounter = fps;
    ft_update_screen();
    if (who == ftmike) {
        who->current = who->d;
        fpscounter = fps;
        ft_update_screen();
    }
    if (w) {
        if (is_mike_or_charlie(who))
            draw_weapon(w->b, who->x + w->b_x, who->y + w->b_y);
        else
            draw_weapon(w->a, who->x + w->a_x - (who == ftelizabeth ? 5 : 0), who->y + w->a_y);
    }
    blit_buffer();
    door_rest(150);

    // Strike.
    who->current = who->e;
    fpscounter = fps;
    ft_update_screen();
    if (w) {
        if (is_mike_or_charlie(who)) {
            draw_weapon(w->c, who->x + w->c_x, who->y + w->c_y);
        } else {
            draw_weapon(w->b, who->x + w->b_x, who->y + w->b_y);
            if (w->c) {
                std::unique_ptr<BITMAP, BitmapDeleter> glow(create_bitmap(w->c->w, w->c->h));
                if (!glow) fatalerror("Out of memory!!!\n\n");
                clear_to_color(glow.get(), makecol(0, 0, 0));
                draw_rle_sprite(glow.get(), w->c, 0, 0);
                std::unique_ptr<LIGHTMAP, LightmapDeleter> l(create_lightmap(glow.get()));
                if (!l) fatalerror("Out of memory!!!\n\n");
                draw_lightmap(buffer, l.get(), who->x + w->c_x, who->y + w->c_y);
            }
        }
    }
    blit_buffer();
    door_rest(100);
    door_play_sample(is_mike_or_charlie(who) ? SND_SLASH : SND_HIT, 255, 128, 1000, FALSE);

    // The slash over the target.
    reset_battle_timer();
    for (int i = 1; i <= 5; i++) {
        ft_update_screen();
        if (drew_last && w && w->slash[i / 2]) {
            draw_rle_sprite(buffer, w->slash[i / 2], target->x + target->middle - 12,
                            target->y + target->ht / 2 - 12);
            blit_buffer();
        }
    }

    int d = fight_damage(who, target);
    draw_number(d <= 0 ? -d : d, target->x - 5 + target->wt, target->y - 5 + target->ht,
                d <= 0 ? heal_colour() : -1);
    door_rest(500);

    virtual_screen = FALSE;
    reset_battle_timer();
    walk(who, 20, 1, &step);
    who->current = who->a;

    target->hp -= d;
    target->total_damage += d;
    target->hp = std::min(target->hp, target->hpmax);
    if (target->hp <= 0) enemy_dies(target);
    status_update(0, who);
}

// The Action (is_items FALSE) or Item list; TRUE when the turn was spent.
int list_menu(ftchar* who, bool is_items)
{
    int* pos = is_items ? &item_menu_pos : &action_menu_pos;
    int line_x = is_items ? 48 : 68, cursor_x = is_items ? 50 : 70, text_x = is_items ? 65 : 85;
    int cy = 195;
    choice_keys keys = keys_as_they_are();
    for (;;) {
        *pos = std::clamp(*pos, 0, 33);
        compose();
        still_window(buffer, 0, 190, 319, 49);
        vline(buffer, line_x, 190, 238, makecol(255, 255, 255));
        draw_v_scroller(308, 190, 10, 48, *pos / 33.0f);
        if (!is_items) textprintf_ex(buffer, main_font, 4, 194, -1, -1, "MP: %d", who->mp);
        for (int row = 0; row < 3; row++) {
            int k = *pos + row;
            if (is_items) {
                if (items[k].have)
                    textprintf_ex(buffer, main_font, text_x, 195 + 15 * row, -1, -1, "%s: %d", items[k].name,
                                  items[k].have);
            } else {
                const action& a = who->actions[k];
                if (a.have)
                    textprintf_ex(buffer, main_font, text_x, 195 + 15 * row, -1, -1, "%s: %d", a.name,
                                  a.mpcost);
            }
        }
        draw_cursor(cursor_x, cy);
        blit_buffer();

        menu_input in = read_input(&keys);
        if (in.up) {
            beep();
            if (cy > 195)
                cy -= 15;
            else
                *pos = std::max(*pos - 1, 0);
        } else if (in.down) {
            beep();
            if (cy < 225)
                cy += 15;
            else
                *pos = std::min(*pos + 1, 33);
        } else if (in.back) {
            beep();
            return FALSE;
        } else if (in.confirm) {
            beep();
            int k = *pos + (cy - 195) / 15;
            virtual_screen = FALSE;
            if (is_items) {
                if (!items[k].have) return FALSE;
                return do_item(k, who) ? TRUE : FALSE;
            }
            const action& a = who->actions[k];
            if (a.have && who->mp - a.mpcost >= 0) {
                if (do_action(k, who)) {
                    reset_battle_timer();
                    return TRUE;
                }
                return FALSE;
            }
            if (who->mp - a.mpcost < 0) battle_window("Not enough Mp!", 45, 210, 230, 16);
            return FALSE;
        }
        settle_joystick();
    }
}

// "Mike | Mike 29/8 Charlie 31/7 | Mangler 1500 a": who acts, every hero's HP/MP, and every
// enemy's HP and pose (a to d, or * for a pose of its own, such as a turned back).
void log_turn(const ftchar* who)
{
    std::string t = who->s_name ? who->s_name : "?";
    t += " |";
    char part[160];
    for (const ftchar* h : {ftmike, ftcharlie, ftrunhon, ftelizabeth})
        if (h && h->in_fight && h->s_name) {
            snprintf(part, sizeof part, " %s %d/%d", h->s_name, h->hp, h->mp);
            t += part;
        }
    t += " |";
    for (int n = 1; n <= 4; n++) {
        const ftenemy* e = enemy_slot(n);
        if (!e || !e->in_fight) continue;
        char pose = e->current == e->a   ? 'a'
                    : e->current == e->b ? 'b'
                    : e->current == e->c ? 'c'
                    : e->current == e->d ? 'd'
                                         : '*';
        snprintf(part, sizeof part, " %s %d %c", e->s_name, e->hp, pose);
        t += part;
    }
    door_log_turn(t.c_str());
}

} // namespace

int test_abnormality(ftchar* who, int amt, int type)
{
    if (!who) return amt;
    if (type == 0) return who->status[ST_BLADE_SHINE] > 0 ? shine_boost(amt) : amt;
    if (type == 1) {
        if (who->status[ST_GLASS_BALL] > 0) return 10000;
        return who->status[ST_VEST_SHINE] > 0 ? shine_boost(amt) : amt;
    }
    return amt;
}

int take_turn(ftchar* who)
{
    if (!who) return 0;
    log_turn(who);
    int cy = ROW_FIGHT;
    choice_keys keys = keys_as_they_are();
    for (;;) {
        compose();
        still_window(buffer, 4, 192, 75, 42);
        textout_ex(buffer, main_font, "Fight", 25, ROW_FIGHT, -1, -1);
        textout_ex(buffer, main_font, "Defend", 25, ROW_DEFEND, -1, -1);
        textout_ex(buffer, main_font, "Action", 25, ROW_ACTION, -1, -1);
        textout_ex(buffer, main_font, "Item", 25, ROW_ITEM, -1, -1);
        draw_cursor(who->x - 20, who->y);
        draw_cursor(6, cy);
        blit_buffer();

        menu_input in = read_input(&keys);
        if (in.up) {
            beep();
            cy = std::max(cy - 10, (int)ROW_FIGHT);
        } else if (in.down) {
            beep();
            cy = std::min(cy + 10, (int)ROW_ITEM);
        } else if (in.confirm) {
            beep();
            settle_joystick();
            int row = cy;
            cy = ROW_FIGHT;
            if (row == ROW_FIGHT) {
                ftenemy* target = do_hurt_select();
                if (target) {
                    fight(who, target);
                    virtual_screen = FALSE;
                    return 0;
                }
            } else if (row == ROW_DEFEND) {
                virtual_screen = FALSE;
                defend(who, TRUE);
                status_update(0, who);
                reset_battle_timer();
                return 0;
            } else if (list_menu(who, row == ROW_ITEM)) {
                virtual_screen = FALSE;
                return 0;
            }
            continue;
        }
        settle_joystick();
    }
}

void defend(ftchar* who, int flag)
{
    if (!who || (who->defend_flag != 0) == (flag != 0)) return;
    reset_battle_timer();
    int was = virtual_screen;
    virtual_screen = FALSE;
    int dx = flag ? 1 : -1;
    for (int i = 0; i < 26; i++) {
        who->x += dx;
        who->current = who->current == who->a ? who->b : who->a;
        ft_update_screen();
    }
    who->defend_flag = flag ? -1 : 0;
    virtual_screen = was;
}

ftenemy* do_hurt_select()
{
    int at = 0;
    for (int n = 1; n <= 4 && !at; n++)
        if (enemy_slot(n) && enemy_slot(n)->alive == -1) at = n;
    // Nobody left to aim at: nothing to choose.
    if (!at) return nullptr;
    choice_keys keys = keys_as_they_are();
    for (;;) {
        ftenemy* e = enemy_slot(at);
        compose();
        still_window_ex(buffer, 2, 2, 316, 15, 128, 0);
        textout_ex(buffer, main_font, e->s_name, 6, 6, -1, -1);
        draw_cursor(e->x - 20, e->y);
        blit_buffer();

        menu_input in = read_input(&keys);
        if (in.down || in.up) {
            int dir = in.down ? 1 : 3;
            for (int k = 1; k <= 3; k++) {
                int n = (at - 1 + dir * k) % 4 + 1;
                if (enemy_slot(n) && enemy_slot(n)->in_fight) {
                    at = n;
                    break;
                }
            }
            beep();
        } else if (in.confirm) {
            beep();
            virtual_screen = FALSE;
            e->targeted = TRUE;
            return e;
        } else if (in.back) {
            beep();
            virtual_screen = FALSE;
            return nullptr;
        }
        settle_joystick();
    }
}

ftchar* do_heal_select()
{
    ftchar* order[4] = {ftmike, ftcharlie, ftrunhon, ftelizabeth};
    int at = -1;
    for (int i = 0; i < 4 && at < 0; i++)
        if (order[i] && order[i]->turn_flag && order[i]->in_fight) at = i;
    // Outside a hero's own turn, start on the first hero of the fight.
    for (int i = 0; i < 4 && at < 0; i++)
        if (order[i] && order[i]->in_fight == -1) at = i;
    if (at < 0) return nullptr;
    choice_keys keys = keys_as_they_are();
    for (;;) {
        ftchar* h = order[at];
        compose();
        draw_cursor(h->x - 20, h->y);
        blit_buffer();

        menu_input in = read_input(&keys);
        if (in.down || in.up) {
            int dir = in.down ? 1 : 3;
            for (int k = 1; k <= 3; k++) {
                int n = (at + dir * k) % 4;
                if (order[n] && order[n]->in_fight == -1) {
                    at = n;
                    break;
                }
            }
            beep();
        } else if (in.confirm) {
            beep();
            virtual_screen = FALSE;
            return h;
        } else if (in.back) {
            beep();
            virtual_screen = FALSE;
            return nullptr;
        }
        settle_joystick();
    }
}
