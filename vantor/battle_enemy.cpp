// The enemies' turn: the choice of a hero, the attack, and its damage.
#include "battle.h"

#include <algorithm>
#include <initializer_list>
#include <cstdlib>
#include <cstring>

#include "door.h"
#include "vantor.h"

int enemy_attack_type = 1;
int g_atp = -1;
ftenemy* g_ptr = nullptr;
int omit_dfp = FALSE;

namespace {

bool fighting(const ftchar* h) { return h && h->alive && h->in_fight; }

// The hero an enemy turns on: a random slot of fighters, passing over the knocked out.
ftchar* choose_target(ftenemy* e)
{
    int n = 0;
    for (ftchar* h : {ftmike, ftcharlie, ftrunhon, ftelizabeth})
        if (fighting(h)) n++;
    int s = n ? rand() % n + 1 : 1;
    ftchar* target = nullptr;
    for (int k = 0; k < 4 && !target; k++) {
        ftchar* h = fighters[(s - 1 + k) % 4];
        if (h && h->alive) target = h;
    }
    // The Barghest goes for Mike, but never for a Mike already down.
    if (strcmp(e->s_name, "Barghest") == 0 && fighting(ftmike)) target = ftmike;
    return target;
}

int armour_of(const ftchar* h, const ftenemy* e)
{
    const armor* a = h->chararmor;
    return a ? armour_value(a->dfp, a->element, a->weakness, e->strength) : 0;
}

void show_now()
{
    virtual_screen = FALSE;
    fpscounter = fps;
    ft_update_screen();
}

// Kinds 1, 4 and 5: one blow on the target.
void single_blow(ftenemy* e, ftchar* target)
{
    int att = g_atp >= 0 ? g_atp : e->atp;
    int def, spread_of;
    if (enemy_attack_type == 4) {
        def = test_abnormality(target, 0, 1);
        spread_of = att - def;
    } else {
        def = test_abnormality(target, armour_of(target, e) + target->dfp, 1);
        spread_of = e->atp;
    }
    int r1 = rand();
    int r2 = rand();
    int d = enemy_blow_damage(att, def, spread_of, target->defend_flag == -1, r1, r2);
    if (e->a) e->current = e->a;
    draw_number(d, target->x - 10, target->y + 24, -1);
    door_rest(500);
    target->hp = std::max(target->hp - d, 0);
    if (enemy_attack_type == 5) {
        e->hp = std::min(e->hp + d, e->hpmax);
        draw_number(d, e->x - 5 + e->wt, e->y - 5 + e->ht, heal_colour());
    }
}

void heal_enemy(ftenemy* e)
{
    if (!g_ptr) return;
    int r1 = rand();
    int r2 = rand();
    int h = std::max(g_atp + damage_spread(g_atp, r1, r2), 1);
    if (e->a) e->current = e->a;
    draw_number(h, g_ptr->x - 5 + g_ptr->wt, g_ptr->y - 5 + g_ptr->ht, heal_colour());
    door_rest(500);
    g_ptr->hp = std::min(g_ptr->hp + h, g_ptr->hpmax);
}

void party_blow(ftenemy* e)
{
    for (ftchar* h = ftmike; h; h = ftchar_loop(h)) {
        if (!h->alive) continue;
        int def = test_abnormality(h, armour_of(h, e) + h->dfp, 1);
        int att = omit_dfp ? g_atp : g_atp - def;
        int r1 = rand();
        int r2 = rand();
        int d = enemy_blow_damage(att, 0, att, h->defend_flag == -1, r1, r2);
        draw_number(d, h->x - 10, h->y + 24, -1);
        h->hp -= d;
        if (h->hp <= 0) {
            h->hp = 0;
            h->alive = FALSE;
        }
        door_rest(100);
    }
    door_rest(500);
    omit_dfp = FALSE;
}

} // namespace

int enemy_take_turn(ftenemy* e)
{
    if (!e) return 0;
    ftchar* target = choose_target(e);
    // Everyone is down already: the turn passes harmlessly.
    if (!target) {
        e->targeted = FALSE;
        if (all_are_dead()) continue_fight = FIGHT_LOST;
        return 0;
    }
    enemy_attack(e, target);
    switch (enemy_attack_type) {
    case 1:
    case 4:
    case 5: single_blow(e, target); break;
    case 2: heal_enemy(e); break;
    case 3: party_blow(e); break;
    }
    reset_battle_timer();
    clear_to_color(buffer, makecol(0, 0, 0));
    show_now();
    if (target->hp <= 0) target->alive = FALSE;
    show_now();
    if (all_are_dead()) continue_fight = FIGHT_LOST;
    e->targeted = FALSE;
    return 0;
}
