// The menu's Arms and Attire screens. Each hero has his own fixed rack of
// weapons; armor comes from the common stock, which counts spare pieces
// only (the worn one is on its hero).
#include "dat_names.h"
#include "door.h"
#include "menu.h"
#include "menu_screens.h"
#include "vantor.h"

namespace {

// The lines a weapon's card shows under its numbers.
struct weapon_card {
    weapon* const* w;
    const char* lines[3];
};

const weapon_card CARDS[] = {
    {&stainless_slasher, {"A standard", "stainless sword", nullptr}},
    {&mythril_katana, {"A long sword", "of mythril", nullptr}},
    {&iron_sword, {"A very durable", "hard iron sword", nullptr}},
    {&jade_melt, {"a unique jade-", "tipped sword", nullptr}},
    {&steel_blade, {"A coarse blade", "crafted from steel", nullptr}},
    {&apple_copper_blade, {"A green tinted", "copper blade", nullptr}},
    {&scalder, {"A magical blade", "of fire", nullptr}},
    {&dreamer, {"A mystical sword", "with the heart", "of a dreamer"}},
    {&short_rod, {"A short hand-made", "rod", nullptr}},
    {&moon_rod, {"A rod crafted", "with rocks from", "the moon"}},
};

const weapon_card* card_of(const weapon* w)
{
    for (const weapon_card& c : CARDS)
        if (*c.w == w) return &c;
    return nullptr;
}

armor* armor_at_cursor()
{
    int k = menu_list_row();
    return k >= 0 && k < 100 ? armor_list[k] : nullptr;
}

const char* safe(const char* s) { return s ? s : ""; }

// The shared loop of both screens; attire also takes pieces off.
void gear_loop(int state, ftchar* hero)
{
    menu_keys k;
    menu_list_open(state, hero, &k);
    while (menu_list_keys(&k, FALSE)) {
        if (k.hit[MK_ENTER]) {
            int done = state == MENU_ARMS ? menu_equip_weapon(hero, menu_list_row())
                                          : menu_equip_armor(hero, armor_at_cursor());
            if (done)
                beep();
            else
                b_beep();
        }
        if (k.hit[MK_UNEQUIP] && state == MENU_ATTIRE) {
            beep();
            menu_unequip_armor(hero);
        }
        draw_menu(state, hero);
    }
}

} // namespace

weapon* menu_weapon_row(ftchar* hero, int row)
{
    if (!hero || row < 0 || row > 3) return nullptr;
    weapon* rack[4] = {nullptr, nullptr, nullptr, nullptr};
    if (hero == ftmike) {
        rack[0] = steel_blade;
        rack[1] = apple_copper_blade;
        rack[2] = scalder;
        rack[3] = dreamer;
    } else if (hero == ftcharlie) {
        rack[0] = stainless_slasher;
        rack[1] = mythril_katana;
        rack[2] = iron_sword;
        rack[3] = jade_melt;
    } else if (hero == ftelizabeth) {
        rack[0] = short_rod;
        rack[1] = moon_rod;
    }
    return rack[row];
}

int menu_equip_weapon(ftchar* hero, int row)
{
    weapon* w = menu_weapon_row(hero, row);
    if (!w || !w->have) return FALSE;
    if (hero->charweapon) hero->charweapon->equipped = FALSE;
    hero->charweapon = w;
    w->equipped = TRUE;
    return TRUE;
}

int menu_equip_armor(ftchar* hero, armor* a)
{
    if (!hero || !a || a == NO_ARMOR || a->have <= 0) return FALSE;
    armor* worn = hero->chararmor;
    if (worn && worn != NO_ARMOR) worn->have = worn->have < 0 ? 1 : worn->have + 1;
    hero->chararmor = a;
    a->have--;
    return TRUE;
}

void menu_unequip_armor(ftchar* hero)
{
    // With nothing worn there is nothing to put away (the "(none)" record is no piece to count).
    if (!hero || !hero->chararmor || hero->chararmor == NO_ARMOR) return;
    armor* worn = hero->chararmor;
    worn->have = worn->have < 0 ? 1 : worn->have + 1;
    hero->chararmor = NO_ARMOR;
}

void draw_menu_arms(ftchar* hero)
{
    draw_menu_frame("Arms", TRUE);
    if (!main_font || !hero) return;
    textprintf_ex(buffer, main_font, 8, 17, -1, -1, "%s - %s", hero->s_name,
                  hero->charweapon ? safe(hero->charweapon->s_name) : "");
    for (int row = 0; row < 4; row++) {
        weapon* w = menu_weapon_row(hero, row);
        if (!w) continue;
        // Weapons not yet found are greyed in their place.
        if (!w->have) change_font_col(main_font, 16, 40);
        textout_ex(buffer, main_font, safe(w->s_name), 21, LIST_TOP + LIST_ROW * row, -1, -1);
        if (!w->have) change_font_col(main_font, 40, 16);
        if (w == hero->charweapon) textout_ex(buffer, main_font, "E", 146, LIST_TOP + LIST_ROW * row, -1, -1);
    }
    if (!menu_weapon_row(hero, 0))
        textout_ex(buffer, main_font, "Runhon fights with his fists.", 21, LIST_TOP, -1, -1);
    weapon* w = menu_weapon_row(hero, menu_list_row());
    if (!w) return;
    textprintf_ex(buffer, main_font, 166, 36, -1, -1, "Atp - %d", w->atp);
    textout_ex(buffer, main_font, w->element == ELEM_FIRE ? "Element - Fire" : "Element - none", 166, 48, -1,
               -1);
    const weapon_card* c = card_of(w);
    if (!c) return;
    for (int i = 0; i < 3; i++)
        if (c->lines[i]) textout_ex(buffer, main_font, c->lines[i], 166, 66 + 12 * i, -1, -1);
}

void draw_menu_attire(ftchar* hero)
{
    draw_menu_frame("Attire", TRUE);
    if (!main_font || !hero) return;
    textprintf_ex(buffer, main_font, 8, 17, -1, -1, "%s - %s", hero->s_name,
                  hero->chararmor ? safe(hero->chararmor->s_name) : "");
    for (int k = 0; k <= (LIST_BOTTOM - LIST_TOP) / LIST_ROW; k++) {
        armor* a = armor_list[k];
        if (!a || a->have < 0) continue;
        if (a->have == 0) change_font_col(main_font, 16, 40);
        textprintf_ex(buffer, main_font, 21, LIST_TOP + LIST_ROW * k, -1, -1, "%s: %d", safe(a->s_name),
                      a->have);
        if (a->have == 0) change_font_col(main_font, 40, 16);
    }
    still_window(buffer, 2, 220, 316, 18);
    textout_ex(buffer, main_font, "Press X or B4 on Joystick to unequip..", 8, 224, -1, -1);
    armor* a = armor_at_cursor();
    if (!a || a->have < 0) return;
    textprintf_ex(buffer, main_font, 166, 36, -1, -1, "Dfp - %d", a->dfp);
    textprintf_ex(buffer, main_font, 166, 48, -1, -1, "Element - %s", element_name(a->element));
    textprintf_ex(buffer, main_font, 166, 60, -1, -1, "Weakness - %s", element_name(a->weakness));
    textout_ex(buffer, main_font, safe(a->desc), 166, 78, -1, -1);
    textout_ex(buffer, main_font, safe(a->desc2), 166, 90, -1, -1);
    textout_ex(buffer, main_font, safe(a->desc3), 166, 102, -1, -1);
}

void do_menu_arms(ftchar* hero) { gear_loop(MENU_ARMS, hero); }

void do_menu_attire(ftchar* hero) { gear_loop(MENU_ATTIRE, hero); }
