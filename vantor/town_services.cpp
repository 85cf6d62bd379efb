// What Mike finds on foot in a place: talking to townspeople and clerks,
// staying at an inn, being healed, and the save spots.
#include "town.h"

#include <cmath>

#include "dat_names.h"
#include "door.h"
#include "menu.h"
#include "town2.h"
#include "town_castle.h"
#include "vantor.h"

namespace {

ftchar* const* heroes()
{
    static ftchar* list[4];
    list[0] = ftmike;
    list[1] = ftcharlie;
    list[2] = ftrunhon;
    list[3] = ftelizabeth;
    return list;
}

// The conversation with person `who` on the current map, by map number.
int place_talk(int who)
{
    int m = g_map_num;
    if (m == 101 || (m >= 10101 && m <= 10110) || m == 10192) return village_talk(who);
    if (m >= 10201 && m <= 10226) return castle_talk(who);
    if (plan_of_map(m) == &agual_plan || plan_of_map(m) == &mystalia_plan) return town2_talk(who);
    return FALSE;
}

// The inns that do something else than a paid night now and then; TRUE when handled.
int special_inn(const town_plan* plan)
{
    if (plan == &village_plan) return village_free_night();
    return FALSE;
}

// The frame of a person turned to face Mike.
RLE_SPRITE* frame_towards_mike(const character* p)
{
    switch (mike->face) {
    case DIR_UP: return p->dna;
    case DIR_DOWN: return p->upa;
    case DIR_LEFT: return p->rta;
    default: return p->lta;
    }
}

void draw_data_object(int obj, int x, int y)
{
    if (!data || obj < 0 || obj >= data_dat_count) return;
    if (data[obj].type == DAT_RLE_SPRITE)
        draw_rle_sprite(buffer, (RLE_SPRITE*)data[obj].dat, x, y);
    else if (data[obj].type == DAT_BITMAP)
        draw_sprite(buffer, (BITMAP*)data[obj].dat, x, y);
}

// Draws the field off-screen once and shows it.
void redraw_field()
{
    int was = virtual_screen;
    virtual_screen = FALSE;
    f_update_screen();
    virtual_screen = was;
}

} // namespace

int person_faced()
{
    int tx = mike->x, ty = mike->y;
    switch (mike->face) {
    case DIR_UP: ty -= 16; break;
    case DIR_DOWN: ty += 16; break;
    case DIR_LEFT: tx -= 16; break;
    default: tx += 16; break;
    }
    int who = 0;
    for (int i = std::max(min_person, 0); i <= num_people && i < 30; i++) {
        character* p = person[i];
        if (p && p->visible && p->x == tx && p->y == ty) who = i;
    }
    return who;
}

void do_town_talk()
{
    if (!mike || !map) return;
    if (mike->face == DIR_LEFT || mike->face == DIR_RIGHT) {
        mike->current = chr_sprite(mike->face == DIR_LEFT ? ACT_MIKE_LT_A : ACT_MIKE_RT_A);
        RLE_SPRITE* f = mike->current;
        if (mike->face == DIR_LEFT && mike->x <= 0) return;
        if (mike->face == DIR_RIGHT && mike->x + (f ? f->h : 16) >= map->xsize * map->xgrid) return;
    }
    // Clerks behind counters answer by where Mike stands, whoever is behind them.
    const counter_spot* c = counter_at(current_plan);
    if (c) {
        f_update_screen();
        use_counter(current_plan, c);
        wait_talk_key_released();
        reset_fps_timer();
        return;
    }
    int who = person_faced();
    if (who == 0) return;
    character* p = person[who];
    RLE_SPRITE* kept = p->current;
    if (look_when_talked_to) p->current = frame_towards_mike(p);
    f_update_screen();
    place_talk(who);
    if (look_when_talked_to) p->current = kept;
    wait_talk_key_released();
    reset_fps_timer();
}

void do_overnight(int price)
{
    if (g_gp < price) {
        message("Not enough gold!");
        return;
    }
    g_gp -= price;
    fade_out_2(5);
    ftchar* const* h = heroes();
    for (int i = 0; i < 4; i++) {
        if (!h[i] || !h[i]->in_fight) continue;
        h[i]->alive = TRUE;
        h[i]->hp = h[i]->hpmax;
        h[i]->mp = h[i]->mpmax;
    }
    // A night's sleep cures everything, poison included.
    for (int i = 0; i < 4; i++)
        if (h[i])
            for (int s = 1; s < 20; s++) h[i]->status[s] = 0;
    // The music dips while the party sleeps.
    for (int v = midi_vol; v >= 0; v -= 2) {
        door_set_volume(-1, v);
        door_rest(10);
    }
    door_set_volume(-1, 0);
    door_rest(1000);
    for (int v = 0; v <= midi_vol; v += 2) {
        door_set_volume(-1, v);
        door_rest(10);
    }
    door_set_volume(-1, midi_vol);
    virtual_screen = TRUE;
    looping = FALSE;
    update_screen();
    fade_to(buffer, 5);
    looping = TRUE;
    virtual_screen = FALSE;
    reset_fps_timer();
}

void do_inn(int price)
{
    if (special_inn(current_plan)) return;
    char line[200];
    if (current_plan && current_plan->inn_line)
        snprintf(line, sizeof line, "%s", current_plan->inn_line);
    else
        snprintf(line, sizeof line, "Welcome!  Will you be staying?_It costs %d Gold a night.", price);
    story_window_2(line, 10, 8, 300, 40);
    if (choice("Yes", "No") == 1) {
        int had = g_gp;
        do_overnight(price);
        // Only a night really had earns the morning's words.
        if (current_plan && current_plan->inn_morning && (g_gp != had || price == 0))
            wrap_wind(current_plan->inn_morning);
    } else if (current_plan && current_plan->inn_refused) {
        wrap_wind(current_plan->inn_refused);
    }
}

void cure_all(int amt)
{
    ftchar* const* h = heroes();
    for (int i = 0; i < 4; i++) {
        ftchar* f = h[i];
        if (!f || !f->in_fight || !f->alive) continue;
        if (amt == -1) {
            f->hp = f->hpmax;
        } else if (amt == -2) {
            f->hp = f->hpmax;
            f->mp = f->mpmax;
        } else {
            f->hp = std::min(f->hp + amt, f->hpmax);
        }
    }
}

void do_save_spot()
{
    float angle[25];
    for (int i = 0; i < 25; i++) angle[i] = i * 0.2496f;
    int radius = 240;
    virtual_screen = TRUE;
    reset_fps_timer();
    // The sparkles spiral in on Mike.
    while (radius > 0) {
        update_screen();
        for (float& a : angle) a += 0.075f;
        radius -= 1;
        if (fpscounter >= fps) {
            for (float a : angle)
                draw_data_object(SPARKLE_SAVE, (int)(mike->x + mx + 4 + std::cos(a) * radius),
                                 (int)(mike->y + my + 4 + std::sin(a) * radius));
            blit_buffer();
        }
    }
    door_play_sample(SND_RESTORE, 255, 128, 1000, FALSE);
    clear_to_color(buffer, makecol(255, 255, 255));
    fade_to(buffer, 10);
    f_update_screen();
    fade_to(buffer, 10);
    virtual_screen = FALSE;

    ftchar* const* h = heroes();
    for (int i = 0; i < 4; i++)
        if (h[i]) h[i]->alive = TRUE;
    cure_all(-2);
    message("Hp/Mp Restored!!");
    redraw_field();

    story_window_2("Would you like_to save??", 80, 45, 160, 40);
    if (choice("Yes!!!", "Not really") == 1) {
        save_game();
        door_clear_keybuf();
        fps = fpscounter;
        virtual_screen = TRUE;
        update_screen();
        virtual_screen = FALSE;
        reset_fps_timer();
        fade_to(buffer, 5);
    }
    wait_talk_key_released();
    reset_fps_timer();
}
