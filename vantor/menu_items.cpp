// The menu's Items and Actions screens: what the party may use outside a
// battle, with fixed amounts (no spread as in battle), the refusals that
// give the item back, and the healing actions Gleamer and Auria.
#include <algorithm>
#include <cstdio>

#include "action.h"
#include "battle.h"
#include "dat_names.h"
#include "door.h"
#include "item.h"
#include "menu.h"
#include "menu_screens.h"
#include "town.h"
#include "vantor.h"

namespace {

bool lacks_hp(const ftchar* f) { return f->hp < f->hpmax; }

// Someone standing who could use a little healing.
bool party_hurt()
{
    for (ftchar* f = ftmike; f; f = ftchar_loop(f))
        if (f->alive && lacks_hp(f)) return true;
    return false;
}

bool battle_only(int id)
{
    switch (id) {
    case IT_COMBUSTER:
    case IT_BLADE_SHINE:
    case IT_VEST_SHINE:
    case IT_GLASS_BALL:
    case IT_SMOKE_BOMB:
    case IT_SPIRIT_BOMB:
    case IT_GREEN_HERB:
    case IT_BLUE_HERB:
    case IT_RED_HERB:
    case IT_ART_HERB: return true;
    default: return false;
    }
}

int list_place() { return (mcy - LIST_TOP) / LIST_ROW * 2 + (mcx == LIST_RIGHT ? 1 : 0); }

// The target's standing pose in a small window over the current picture;
// the healing plays over it. The menu owns the backdrop while it plays.
void play_heal(int id, ftchar* target)
{
    BITMAP* back = create_bitmap(320, 240);
    if (!back) return;
    blit(buffer, back, 0, 0, 0, 0, 320, 240);
    still_window(back, 120, 80, 80, 70);
    RLE_SPRITE* pose = target && target->alive ? target->a : target ? target->dead : nullptr;
    int px = 160, py = 105, w = 20, h = 30;
    if (pose) {
        w = pose->w;
        h = pose->h;
        px = 160 - w / 2;
        py = 115 - h / 2;
        draw_rle_sprite(back, pose, px, py);
    }
    effect_backdrop = back;
    heal_item_animation(id, px, py, w, h, FALSE);
    effect_backdrop = nullptr;
    destroy_bitmap(back);
}

void use_at_cursor()
{
    int id = menu_item_at(list_place());
    if (id < 0) return;
    int back_x = mcx, back_y = mcy;
    item_use got = menu_item_check(id, nullptr);
    ftchar* target = nullptr;
    if (got == USE_NOTHING) {
        mcx = 102;
        mcy = 92;
        target = id == IT_LIGHT_STONE ? ftmike : do_menu_character_select();
        got = target ? menu_item_check(id, target) : USE_NOTHING;
    }
    switch (got) {
    case USE_DONE:
        door_play_sample(SND_RESTORE, 255, 128, 1000, FALSE);
        play_heal(id, target);
        menu_item_apply(id, target);
        break;
    case USE_REFUSED: b_beep(); break;
    case USE_BATTLE_ONLY: message("Battle Use Only!"); break;
    case USE_AMULET: message("The amulet gleams.."); break;
    case USE_KEY: message("It's a key.._It opens things..."); break;
    case USE_NOTHING: break;
    }
    mcx = back_x;
    mcy = back_y;
    // The last of a kind leaves its place empty: the cursor goes back to the top.
    if (menu_item_at(list_place()) < 0) {
        mcx = LIST_LEFT;
        mcy = LIST_TOP;
    }
}

// ---- actions ----

action* slot_action(ftchar* hero, int slot)
{
    if (!hero || slot < 0 || slot >= 100 || !hero->actions[slot].have) return nullptr;
    return &hero->actions[slot];
}

void cast_at_cursor(ftchar* hero)
{
    int slot = menu_list_row();
    action* a = slot_action(hero, slot);
    if (!a) return;
    cast_result got = menu_cast_check(hero, slot, nullptr);
    if (got == CAST_NO_MP) {
        b_beep();
        message("Not enough MP!!!");
        return;
    }
    if (got != CAST_DONE) {
        b_beep();
        return;
    }
    int back_y = mcy;
    mcx = 102;
    mcy = 92;
    ftchar* target = do_menu_character_select();
    mcx = LIST_LEFT;
    mcy = back_y;
    if (!target) return;
    if (menu_cast_check(hero, slot, target) != CAST_DONE) {
        b_beep();
        return;
    }
    door_play_sample(SND_RESTORE, 255, 128, 1000, FALSE);
    play_heal(a->id == AC_AURIA ? IT_ALOE_DRINK : IT_SMALL_POTION, target);
    menu_cast_apply(hero, slot, target);
}

} // namespace

item_use menu_item_check(int id, ftchar* target)
{
    if (id < 0 || id > 100 || items[id].have <= 0) return USE_NOTHING;
    if (battle_only(id)) return USE_BATTLE_ONLY;
    if (id == IT_AURORA_AMULET) return USE_AMULET;
    if (id == IT_STORAGE_ROOM_KEY) return USE_KEY;
    if (id == IT_LIGHT_STONE) return party_hurt() ? USE_DONE : USE_REFUSED;
    if (!target) return USE_NOTHING;
    // Only a Viver reaches a knocked-out hero; anything else would be spent on nothing.
    if (id == IT_VIVER) return target->alive ? USE_REFUSED : USE_DONE;
    if (!target->alive) return USE_REFUSED;
    switch (id) {
    case IT_SMALL_POTION:
    case IT_LARGE_POTION: return lacks_hp(target) ? USE_DONE : USE_REFUSED;
    case IT_GLOW_DUST:
    case IT_GLOW_ROCK: return target->mp < target->mpmax ? USE_DONE : USE_REFUSED;
    case IT_ALOE_DRINK: return target->status[ST_POISON] != 0 ? USE_DONE : USE_REFUSED;
    default: return USE_REFUSED;
    }
}

void menu_item_apply(int id, ftchar* target)
{
    if (id < 0 || id > 100 || items[id].have <= 0) return;
    items[id].have--;
    switch (id) {
    case IT_SMALL_POTION: heal_hp(target, 20); break;
    case IT_LARGE_POTION: heal_hp(target, 100); break;
    case IT_GLOW_DUST: heal_mp(target, 10); break;
    case IT_GLOW_ROCK: heal_mp(target, 50); break;
    case IT_LIGHT_STONE: cure_all(20); break;
    case IT_VIVER: revive(target); break;
    case IT_ALOE_DRINK: target->status[ST_POISON] = 0; break;
    default: break;
    }
}

int menu_item_at(int n)
{
    if (n < 0 || n > 20 || items[n].have <= 0) return -1;
    return n;
}

void draw_menu_items()
{
    draw_menu_frame("Items", FALSE);
    if (!main_font) return;
    for (int n = 0; n <= 20; n++) {
        if (menu_item_at(n) < 0) continue;
        textprintf_ex(buffer, main_font, n % 2 == 0 ? 21 : 171, LIST_TOP + LIST_ROW * (n / 2), -1, -1,
                      "%s: %d", items[n].name, items[n].have);
    }
    int id = menu_item_at(list_place());
    if (id >= 0) textout_ex(buffer, main_font, items[id].desc, 8, 17, -1, -1);
}

void do_menu_items()
{
    menu_keys k;
    menu_list_open(MENU_ITEMS, nullptr, &k);
    while (menu_list_keys(&k, TRUE)) {
        if (k.hit[MK_ENTER]) {
            beep();
            use_at_cursor();
            menu_keys_start(&k);
        }
        draw_menu(MENU_ITEMS, nullptr);
    }
}

cast_result menu_cast_check(ftchar* caster, int slot, ftchar* target)
{
    action* a = slot_action(caster, slot);
    if (!a) return CAST_REFUSED;
    if (a->id != AC_RESTORE && a->id != AC_AURIA) return CAST_NOT_HERE;
    if (!caster->alive) return CAST_REFUSED;
    if (caster->mp - a->mpcost < 0) return CAST_NO_MP;
    if (!target) return CAST_DONE;
    // The knocked-out need a Viver; a healing spell would only fill a fallen hero's numbers.
    if (!target->alive) return CAST_REFUSED;
    if (a->id == AC_RESTORE) return lacks_hp(target) ? CAST_DONE : CAST_REFUSED;
    return target->status[ST_POISON] != 0 ? CAST_DONE : CAST_REFUSED;
}

void menu_cast_apply(ftchar* caster, int slot, ftchar* target)
{
    action* a = slot_action(caster, slot);
    if (!a || !target) return;
    if (a->id == AC_RESTORE)
        target->hp = std::min(target->hp + a->atp, target->hpmax);
    else
        target->status[ST_POISON] = 0;
    caster->mp -= a->mpcost;
}

void draw_menu_actions(ftchar* hero)
{
    draw_menu_frame("Actions", TRUE);
    if (!main_font || !hero) return;
    textprintf_ex(buffer, main_font, 8, 17, -1, -1, "%s Mp - %d/%d", hero->s_name, hero->mp, hero->mpmax);
    for (int slot = 0; slot <= (LIST_BOTTOM - LIST_TOP) / LIST_ROW; slot++) {
        action* a = slot_action(hero, slot);
        if (a) textout_ex(buffer, main_font, a->name, 21, LIST_TOP + LIST_ROW * slot, -1, -1);
    }
    action* a = slot_action(hero, menu_list_row());
    if (!a) return;
    textprintf_ex(buffer, main_font, 166, 36, -1, -1, "Mp cost - %d", a->mpcost);
    textprintf_ex(buffer, main_font, 166, 48, -1, -1, "Element - %s",
                  a->element == ELEM_NONE ? "--" : element_name(a->element));
    textout_ex(buffer, main_font, a->desc1, 166, 66, -1, -1);
    textout_ex(buffer, main_font, a->desc2, 166, 78, -1, -1);
    textout_ex(buffer, main_font, a->desc3, 166, 90, -1, -1);
}

void do_menu_actions(ftchar* hero)
{
    menu_keys k;
    menu_list_open(MENU_ACTIONS, hero, &k);
    while (menu_list_keys(&k, FALSE)) {
        if (k.hit[MK_ENTER]) {
            beep();
            cast_at_cursor(hero);
            menu_keys_start(&k);
        }
        draw_menu(MENU_ACTIONS, hero);
    }
}
