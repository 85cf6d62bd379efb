// The battle screen: one paced frame with the status panel, the time bars,
// the heroes and the enemies.
#include "battle.h"

#include <algorithm>
#include <memory>

#include "dat_names.h"
#include "door.h"
#include "shot.h"
#include "vantor.h"

namespace {

struct BitmapDeleter {
    void operator()(BITMAP* b) const { destroy_bitmap(b); }
};
using Bitmap = std::unique_ptr<BITMAP, BitmapDeleter>;

// A slow machine that never catches up must still draw now and then.
const int MAX_SKIPPED_FRAMES = 10;
int skipped_frames = 0;

// Colour-font indices of the status rows.
const int ROW_TEXT = 16, ROW_KNOCKED_OUT = 17, ROW_LOW_HP = 19, ROW_POISONED = 34;

BITMAP* data_bitmap(int n) { return data ? (BITMAP*)data[n].dat : nullptr; }

// The time-bar fill greyed (fear) and tinted green (full), made once from the datafile picture.
BITMAP* fill_variant(int which)
{
    static BITMAP* source = nullptr;
    static Bitmap grey, full;
    BITMAP* fill = data_bitmap(TIMEBAR_FILL);
    if (!fill) return nullptr;
    if (source != fill) {
        grey.reset(create_bitmap(fill->w, fill->h));
        full.reset(create_bitmap(fill->w, fill->h));
        if (!grey || !full) fatalerror("Out of memory!!\n\n");
        blit(fill, grey.get(), 0, 0, 0, 0, fill->w, fill->h);
        colorize(grey.get(), 0, 0);
        blit(fill, full.get(), 0, 0, 0, 0, fill->w, fill->h);
        colorize(full.get(), 120, -1);
        source = fill;
    }
    return which ? full.get() : grey.get();
}

void status_row(ftchar* h, int y)
{
    if (!h || !color_font) return;
    int col = !h->alive                  ? ROW_KNOCKED_OUT
              : h->hp <= h->hpmax / 4    ? ROW_LOW_HP
              : h->status[ST_POISON] > 0 ? ROW_POISONED
                                         : ROW_TEXT;
    if (col != ROW_TEXT) change_font_col(color_font, ROW_TEXT, col);
    textout_ex(buffer, color_font, h->s_name ? h->s_name : "", 4, y, -1, -1);
    textprintf_right_ex(buffer, color_font, 210, y, -1, -1, "HP - %d/%d", h->hp, h->hpmax);
    if (show_timebar)
        draw_timebar(h, 216, y);
    else
        textprintf_right_ex(buffer, color_font, 316, y, -1, -1, "MP - %d/%d", h->mp, h->mpmax);
    if (col != ROW_TEXT) change_font_col(color_font, col, ROW_TEXT);
}

void status_panel()
{
    still_window_ex(buffer, 0, 190, 319, 49, 128, 0);
    status_row(ftmike, 193);
    if (ftcharlie && ftcharlie->in_fight == -1) status_row(ftcharlie, 203);
    if (ftrunhon && ftrunhon->in_fight == -1) status_row(ftrunhon, 213);
    if (ftelizabeth && ftelizabeth->in_fight == -1 && !no_show_eliz) status_row(ftelizabeth, 213);
}

void draw_hero(ftchar* h)
{
    if (!h->alive) {
        if (h->dead) draw_rle_sprite(sprite_layer, h->dead, h->x, h->y + 8);
        return;
    }
    if (h->status[ST_GLASS_BALL] > 0 || !h->current) return;
    if (h->status[ST_POISON] > 0 || h->status[ST_FEAR] > 0) {
        Bitmap tint(create_bitmap(h->current->w, h->current->h));
        if (!tint) fatalerror("out of memory!!\n\n");
        clear_to_color(tint.get(), bitmap_mask_color(tint.get()));
        draw_rle_sprite(tint.get(), h->current, 0, 0);
        colorize(tint.get(), h->status[ST_FEAR] > 0 ? 170 : 90, -1);
        draw_sprite(sprite_layer, tint.get(), h->x, h->y);
        return;
    }
    draw_rle_sprite(sprite_layer, h->current, h->x, h->y);
}

void draw_enemies()
{
    for (int n = 1; n <= 4; n++) {
        ftenemy* e = enemy_slot(n);
        if (e && e->alive) draw_enemy(e);
    }
}

void compose_frame()
{
    if (fight_background)
        blit(fight_background, buffer, 0, 0, 0, 0, 320, 240);
    else
        clear_to_color(buffer, makecol(0, 0, 0));
    status_panel();
    draw_ft_sprites();
    for (int n = 1; n <= 4; n++) {
        ftenemy* e = enemy_slot(n);
        if (e && e->in_fight == -1 && e->alive == -1) update_enemies(e);
    }
    masked_blit(sprite_layer, buffer, 0, 0, 0, 0, 320, 240);
    for (int n = 1; n <= 4; n++) {
        ftenemy* e = enemy_slot(n);
        if (e && e->ptr_is_lmp && e->alive && e->in_fight && e->current)
            draw_lightmap(buffer, (LIGHTMAP*)e->current, e->x, e->y);
    }
    clear_to_color(sprite_layer, bitmap_mask_color(sprite_layer));
}

} // namespace

void ft_update_screen()
{
    fpscounter++;
    drew_last = FALSE;
    if (fpscounter >= fps || skipped_frames >= MAX_SKIPPED_FRAMES || !looping) {
        skipped_frames = 0;
        compose_frame();
        if (!virtual_screen) blit_buffer();
        drew_last = TRUE;
    } else {
        skipped_frames++;
    }
    for (int waits = 0; fpscounter > fps && looping && waits < 1000; waits++) door_wait();
    if (key[KEY_F10]) capture_screen(buffer);
    screenshot_key(buffer);
    // Every frame of a battle, its menus' included, comes through here.
    display_switch_key();
}

void draw_ft_sprites()
{
    bool hero_due = false;
    for (ftchar* h = ftmike; h; h = ftchar_loop(h))
        if (h->turn_flag) hero_due = true;
    if (!hero_due) {
        for (ftchar* h = ftmike; h; h = ftchar_loop(h)) draw_hero(h);
        draw_enemies();
    } else {
        // The hero whose turn it is steps in front of everything.
        draw_enemies();
        for (ftchar* h = ftmike; h; h = ftchar_loop(h))
            if (h->in_fight == -1) draw_hero(h);
    }
    bool any_left = false;
    for (int n = 1; n <= 4; n++)
        if (enemy_slot(n) && enemy_slot(n)->in_fight) any_left = true;
    if (!any_left && continue_fight == FIGHT_RUNNING) continue_fight = FIGHT_WON;
}

void draw_timebar(ftchar* who, int x, int y)
{
    BITMAP* back = data_bitmap(TIMEBAR_BACK);
    BITMAP* fill = data_bitmap(TIMEBAR_FILL);
    if (!who || !back || !fill) return;
    bool afraid = who->status[ST_FEAR] > 0;
    float p = afraid ? who->turn_ind / 120.0f : std::min(who->turn_ind / 60.0f, 1.0f);
    set_trans_blender(0, 0, 0, 128);
    draw_trans_sprite(buffer, back, x, y);
    rect(buffer, x, y, x + 99, y + 7, makecol(0, 0, 0));
    BITMAP* shown = afraid ? fill_variant(0) : fill;
    int w = std::clamp((int)(p * 100), 0, 100);
    if (w > 0) blit(shown, buffer, 0, 0, x, y, w, fill->h);
    if (p == 1.0f) blit(fill_variant(1), buffer, 0, 0, x, y, fill->w, fill->h);
}
