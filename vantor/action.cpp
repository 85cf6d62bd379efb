// The action catalogue, the dispatcher, the frame every action shares and
// the damage rules.
#include "action.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "action_draw.h"
#include "battle.h"
#include "door.h"
#include "item.h"
#include "vantor.h"

namespace {

// A template; glyph 0 means the name has no icon.
action make_action(int id, int glyph, const char* name, int mpcost, int atp, int element, const char* d1,
                   const char* d2, const char* d3)
{
    action a{};
    if (glyph)
        snprintf(a.name, sizeof a.name, "%c%s", (char)glyph, name);
    else
        snprintf(a.name, sizeof a.name, "%s", name);
    a.have = 0;
    a.id = (signed char)id;
    a.mpcost = (signed char)mpcost;
    a.atp = (signed char)atp;
    a.element = (signed char)element;
    snprintf(a.desc1, sizeof a.desc1, "%s", d1);
    snprintf(a.desc2, sizeof a.desc2, "%s", d2);
    snprintf(a.desc3, sizeof a.desc3, "%s", d3);
    return a;
}

} // namespace

action phantom_blade = make_action(1, 0, "Phantom Blade", 2, 15, 0, "Energy wave on", "1 target", "");
action burn = make_action(2, GLYPH_FIRE, "Burn", 3, 32, 3, "Burn 1 target", "", "");
action restore = make_action(3, GLYPH_LIGHT, "Gleamer", 3, 50, 5, "Resores HP to", "1 ally", "");
action sand_blast = make_action(4, GLYPH_EARTH, "Sand Blast", 5, 42, 2, "Sand Blast", "1 target", "");
action soul_slash =
    make_action(5, 0, "Soul Slash", 6, 40, 0, "Spiritual cut", "cutting target's", "defense by 1/2");
action _rain = make_action(6, GLYPH_WATER, "Rain", 3, 25, 1, "Rain on", "1 target", "");
action freeze = make_action(7, GLYPH_WATER, "Freeze", 8, 45, 1, "Freeze blast", "on 1 target", "");
action anti_rain = make_action(8, GLYPH_AIR, "Anti-Rain", 1, 0, 4, "Stops rain", "", "");
action red_light = make_action(9, GLYPH_FIRE, "Red Light", 7, 32, 3, "Red hot light", "on all targets", "");
action backlash = make_action(10, 0, "Backlash", 10, 50, 0, "back-leaping", "slice on 1 target", "");
action auria = make_action(11, GLYPH_LIGHT, "Auria", 2, 0, 5, "Cures poison", "on 1 ally", "");
action boulder_rain =
    make_action(12, GLYPH_EARTH, "Boulder Rain", 9, 50, 2, "Pour hard boulders", "on all targets", "");
action light_beam = make_action(13, GLYPH_LIGHT, "Light Beam", 5, 40, 5, "Holy light beam", "on 1 ally", "");
action bolt_charge =
    make_action(14, GLYPH_AIR, "Bolt Charge", 12, 100, 4, "Powerful electric", "surge on 1 target", "");

int do_action(int index, ftchar* who)
{
    if (index < 0 || index >= 100 || !who) return 0;
    switch (who->actions[index].id) {
    case AC_PHANTOM_BLADE: do_phantom_blade(index, who); break;
    case AC_BURN: do_burn(index, who); break;
    case AC_RESTORE: do_restore(index, who); break;
    case AC_SAND_BLAST: do_sand_blast(index, who); break;
    case AC_SOUL_SLASH: do_soul_slash(index, who); break;
    case AC_RAIN: do_rain(index, who); break;
    case AC_FREEZE: do_freeze(index, who); break;
    case AC_ANTI_RAIN: refusal_window("This spell won't work here.."); return 0;
    case AC_RED_LIGHT: do_red_light(index, who); break;
    case AC_BACKLASH: do_backlash(index, who); break;
    case AC_AURIA: do_auria(index, who); break;
    case AC_BOULDER_RAIN: do_boulder_rain(index, who); break;
    case AC_LIGHT_BEAM: do_light_beam(index, who); break;
    case AC_BOLT_CHARGE: do_bolt_charge(index, who); break;
    default: break;
    }
    test_enemy_hp();
    return TRUE;
}

namespace {

// Pays, steps forward, names the action and casts it.
void begin_action(int index, ftchar* who)
{
    const action& a = who->actions[index];
    // The menus refuse a spell its caster cannot pay for; a scene that makes a
    // hero cast on her own (Elizabeth's healing on the night of the beast) may
    // outrun her magic, and then she casts on her last reserves, never below none.
    who->mp = std::max(who->mp - a.mpcost, 0);
    step_forward(who);
    int w = main_font ? text_length(main_font, a.name) : 8;
    story_window_2(a.name, who->x - 35, who->y - 25, w + 8, 15);
    spell_effect(a.name, who->x, who->y, a.element, who->current ? who->current->w : 24);
}

} // namespace

ftenemy* action_on_enemy(int index, ftchar* who)
{
    ftenemy* e = do_hurt_select();
    if (!e) {
        take_turn(who);
        return nullptr;
    }
    begin_action(index, who);
    return e;
}

ftchar* action_on_ally(int index, ftchar* who)
{
    ftchar* t = do_heal_select();
    if (!t) {
        take_turn(who);
        return nullptr;
    }
    begin_action(index, who);
    return t;
}

void action_on_all(int index, ftchar* who) { begin_action(index, who); }

int spell_damage(int atp, int r1, int r2) { return atp + signed_spread(4, r1, r2); }

int skill_damage(int atp, int weapon_atp, int r1, int r2)
{
    return atp + weapon_atp + signed_spread(4, r1, r2);
}

int hurt_enemy(ftenemy* e, int d)
{
    e->hp -= d;
    e->total_damage += d;
    if (e->hp > e->hpmax) e->hp = e->hpmax;
    return e->hp <= 0 ? TRUE : FALSE;
}

int damage_colour(int d) { return d > 0 ? -1 : heal_colour(); }

void show_enemy_damage(ftenemy* e, int d)
{
    draw_number(d > 0 ? d : -d, e->x - 5 + e->wt, e->y - 5 + e->ht, damage_colour(d));
    door_rest(500);
}

int soul_slash_lands(int r, int hpmax)
{
    if (hpmax <= 0) return TRUE;
    return std::abs(r % hpmax) <= 99 ? TRUE : FALSE;
}

int gleamer_amount(int atp, int elizabeth_fights, int r1, int r2)
{
    return (elizabeth_fights ? atp : 14) + signed_spread(6, r1, r2);
}
