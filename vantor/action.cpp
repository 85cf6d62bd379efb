// The action catalogue. Effects and animations come with the battle.
#include "action.h"

#include "door.h"
#include "vantor.h"

#include <cstdio>

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
action soul_slash = make_action(5, 0, "Soul Slash", 6, 40, 0, "Spiritual cut", "cutting target's", "defense by 1/2");
action _rain = make_action(6, GLYPH_WATER, "Rain", 3, 25, 1, "Rain on", "1 target", "");
action freeze = make_action(7, GLYPH_WATER, "Freeze", 8, 45, 1, "Freeze blast", "on 1 target", "");
action anti_rain = make_action(8, GLYPH_AIR, "Anti-Rain", 1, 0, 4, "Stops rain", "", "");
action red_light = make_action(9, GLYPH_FIRE, "Red Light", 7, 32, 3, "Red hot light", "on all targets", "");
action backlash = make_action(10, 0, "Backlash", 10, 50, 0, "back-leaping", "slice on 1 target", "");
action auria = make_action(11, GLYPH_LIGHT, "Auria", 2, 0, 5, "Cures poison", "on 1 ally", "");
action boulder_rain = make_action(12, GLYPH_EARTH, "Boulder Rain", 9, 50, 2, "Pour hard boulders", "on all targets", "");
action light_beam = make_action(13, GLYPH_LIGHT, "Light Beam", 5, 40, 5, "Holy light beam", "on 1 ally", "");
action bolt_charge = make_action(14, GLYPH_AIR, "Bolt Charge", 12, 100, 4, "Powerful electric", "surge on 1 target", "");

namespace {

// Until an action has its effect routine, choosing it is refused and the turn is kept.
int refuse_action()
{
    door_clear_keybuf();
    clear_joybuf();
    story_window_2("You can't use this now...", 45, 210, 230, 16);
    door_clear_keybuf();
    jreadkey();
    door_clear_keybuf();
    clear_joybuf();
    return 0;
}

} // namespace

int do_action(int, ftchar*) { return refuse_action(); }

void do_restore(int, ftchar*) {}
