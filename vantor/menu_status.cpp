// The menu's Status screen: one hero's numbers, what he holds and wears,
// and how far the next level is.
#include "door.h"
#include "menu.h"
#include "menu_screens.h"
#include "vantor.h"

void draw_menu_status(ftchar* hero)
{
    draw_menu_frame("Status", FALSE);
    if (!main_font || !hero) return;
    textprintf_ex(buffer, main_font, 8, 17, -1, -1, "%s Level %d", hero->s_name, hero->level);
    int y = 44;
    textprintf_ex(buffer, main_font, 21, y, -1, -1, "Hp - %d/%d", hero->hp, hero->hpmax);
    textprintf_ex(buffer, main_font, 21, y += 14, -1, -1, "Mp - %d/%d", hero->mp, hero->mpmax);
    textprintf_ex(buffer, main_font, 21, y += 20, -1, -1, "Atp - %d", hero->atp);
    textprintf_ex(buffer, main_font, 21, y += 14, -1, -1, "Dfp - %d", hero->dfp);
    textprintf_ex(buffer, main_font, 21, y += 14, -1, -1, "Agp - %d", hero->agp);
    textprintf_ex(buffer, main_font, 21, y += 20, -1, -1, "Current Arms - %s",
                  hero->charweapon && hero->charweapon->s_name ? hero->charweapon->s_name : "");
    textprintf_ex(buffer, main_font, 21, y += 14, -1, -1, "Current Attire - %s",
                  hero->chararmor && hero->chararmor->s_name ? hero->chararmor->s_name : "");
    textprintf_ex(buffer, main_font, 21, y += 20, -1, -1, "Total Exp - %d", hero->exp);
    textprintf_ex(buffer, main_font, 21, y += 14, -1, -1, "Next level - %d", hero->nextexp);
    if (hero->a) draw_rle_sprite(buffer, hero->a, 250, 60);
}

void do_menu_status(ftchar* hero)
{
    mcx = -40; // no pointer on this screen
    mcy = -40;
    virtual_screen = TRUE;
    draw_menu(MENU_STATUS, hero);
    virtual_screen = FALSE;
    menu_unroll();
    menu_keys k;
    menu_keys_start(&k);
    while (!menu_keys_read(&k)) door_wait();
    beep();
}
