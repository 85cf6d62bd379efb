// Treasure chests on the field maps: gold, an item, a weapon or an armor.
#include <cstdio>

#include "dat_names.h"
#include "door.h"
#include "item.h"
#include "town.h"
#include "vantor.h"

void do_chest(int id, int x, int y, int layer)
{
    if (id < 0 || id > 500) return;
    chest& c = chests[id];
    if (c.opened == -1) return;
    if (c.locked) {
        // Stays shut (and unspent) until the place unlocks it.
        wrap_wind("Locked!!");
        return;
    }
    clear_joybuf();
    door_play_sample(SND_CHEST, 255, 127, 1000, FALSE);
    if (map) set_sprite_number(map, layer, x, y, OPEN_CHEST_TILE);
    f_update_screen();

    char text[160];
    int what = c.item_id;
    if (what < 0) {
        snprintf(text, sizeof text, "Found %d Gold!!", -what);
        wrap_wind(text);
        g_gp += -what;
    } else if (what < 500) {
        // Numbers past the bag hold nothing to find.
        if (what < 101) {
            snprintf(text, sizeof text, "Found %s!!", items[what].name);
            wrap_wind(text);
            items[what].have++;
        }
    } else if (what < 1000) {
        weapon* w = current_store.w_list[0];
        if (w) {
            snprintf(text, sizeof text, "Found %s!!", w->s_name);
            wrap_wind(text);
            if (w->have == 0)
                w->have = -1;
            else
                wrap_wind("...But you already have one!!");
        }
    } else {
        armor* a = current_store.a_list[0];
        if (a) {
            snprintf(text, sizeof text, "Found %s!!", a->s_name);
            wrap_wind(text);
            a->have = a->have < 0 ? 1 : a->have + 1;
        }
    }
    c.opened = -1;
    clear_joybuf();
    reset_fps_timer();
}

void show_chest(int id, int x, int y, int layer)
{
    if (id >= 0 && id <= 500 && chests[id].opened == -1 && map)
        set_sprite_number(map, layer, x, y, OPEN_CHEST_TILE);
}
