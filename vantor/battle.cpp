// The battle loop: a random encounter's set-up and clean-up, the battle
// itself with its time-bar clock and turn order, the end-of-turn status
// countdown, and the party's order and places.
#include "battle.h"

#include <algorithm>
#include <initializer_list>
#include <cstring>

#include "dat_names.h"
#include "door.h"
#include "vantor.h"
#include "world.h"

ftenemy *enemy1 = nullptr, *enemy2 = nullptr, *enemy3 = nullptr, *enemy4 = nullptr;
int continue_fight = 0;
BITMAP* fight_background = nullptr;
long midi_music_pos = 0;
int no_init_positions = FALSE;
int no_show_eliz = FALSE;
int skip_game_over = FALSE;
int in_boss_battle = FALSE;
int boss_die_effect = FALSE;
int enemy_sizes = 0;
int force_enemy_id = -1;
int force_enemy_sizes = -1;
int drew_last = -1;
int show_timebar = FALSE;
int item_menu_pos = 0, action_menu_pos = 0;

namespace {

ftchar* const* heroes_in_order()
{
    static ftchar* order[4];
    order[0] = ftmike;
    order[1] = ftcharlie;
    order[2] = ftrunhon;
    order[3] = ftelizabeth;
    return order;
}

// One frame drawn now, shown or not.
void draw_now(int shown)
{
    int was = virtual_screen;
    virtual_screen = shown ? FALSE : TRUE;
    fpscounter = fps;
    ft_update_screen();
    virtual_screen = was;
}

// The last field picture zooms away towards the viewer.
void opening_zoom()
{
    set_battle_pacer(120);
    fps = fpscounter = 0;
    looping = TRUE;
    door_play_sample(SND_BATTLE_IN, 255, 128, 1000, FALSE);
    for (int n = 1; n <= 1999; n += 15) {
        fpscounter++;
        if (fpscounter >= fps && screen) {
            // In full screen the black border around the picture stays black.
            set_clip_rect(screen, screen_left, screen_top, screen_left + 320 * screen_scale - 1,
                          screen_top + 240 * screen_scale - 1);
            stretch_to_display(buffer, 0, 0, 320, 240, n / 2 - n, n / 2 - n, 320 + n, 240 + n);
            set_clip_rect(screen, 0, 0, screen->w - 1, screen->h - 1);
        }
        for (int waits = 0; fpscounter > fps && looping && waits < 1000; waits++) door_wait();
    }
}

// The due turns of one loop pass, heroes first, in the fixed order.
void serve_due_turns()
{
    ftchar* const* order = heroes_in_order();
    for (int i = 0; i < 4 && continue_fight == FIGHT_RUNNING; i++) {
        ftchar* h = order[i];
        if (!h || (h == ftelizabeth && no_show_eliz)) continue;
        if (!h->turn_flag || !h->alive) continue;
        ft_timer_paused = TRUE;
        defend(h, FALSE);
        take_turn(h);
        h->turn_flag = 0;
        h->turn_ind = 0;
        ft_timer_paused = FALSE;
    }
    for (int n = 1; n <= 4 && continue_fight == FIGHT_RUNNING; n++) {
        ftenemy* e = enemy_slot(n);
        if (!e || e->turn_flag != -1 || !e->alive) continue;
        ft_timer_paused = TRUE;
        enemy_take_turn(e);
        e->turn_flag = 0;
        e->turn_ind = 0;
        ft_timer_paused = FALSE;
    }
}

void debug_battle_keys()
{
    door_poll_keyboard();
    if (key[KEY_F11]) continue_fight = FIGHT_WON;
    if (key[KEY_F9]) enemy_status();
}

void free_enemies()
{
    for (ftenemy** e : {&enemy1, &enemy2, &enemy3, &enemy4}) {
        uninit_enemy(*e);
        *e = nullptr;
    }
}

// The field music of the map a random battle was fought on.
int field_music()
{
    if (g_map_num >= 2 && g_map_num <= 16) return MUS_WOODS;
    if (g_map_num >= 19 && g_map_num <= 30) return MUS_SAND;
    return MUS_WORLD;
}

// The background of a random battle: by the tile under Mike on the world map, else by the area.
int battle_background()
{
    if (g_map_num == -1 && map && mike && map->xgrid > 0 && map->ygrid > 0 && mike->x >= 0 && mike->y >= 0) {
        int t = get_sprite_number(map, 0, mike->x / map->xgrid, mike->y / map->ygrid);
        if ((t >= 357 && t <= 365) || (t >= 415 && t <= 422)) return BATTLE_FOREST;
        if (t >= 432 && t <= 441) return BATTLE_DESERT;
        return BATTLE_GRASS;
    }
    if (g_map_num >= 2 && g_map_num <= 16) return BATTLE_FOREST;
    if (g_map_num >= 19 && g_map_num <= 30) return BATTLE_DESERT;
    return BATTLE_GRASS;
}

bool any_enemy_in_fight()
{
    for (int n = 1; n <= 4; n++)
        if (enemy_slot(n) && enemy_slot(n)->in_fight) return true;
    return false;
}

} // namespace

ftenemy* enemy_slot(int n)
{
    switch (n) {
    case 1: return enemy1;
    case 2: return enemy2;
    case 3: return enemy3;
    case 4: return enemy4;
    }
    return nullptr;
}

int battle_possible()
{
    if (g_map_num == -1) return current_region >= 0 && current_region <= 2 ? TRUE : FALSE;
    if (g_map_num >= 2 && g_map_num <= 16) return TRUE;
    if (g_map_num >= 19 && g_map_num <= 30) return TRUE;
    return FALSE;
}

void do_battle()
{
    // Without a roster every draw would come out empty and be drawn again for ever.
    if (!battle_possible()) {
        door_play_sample(SND_REFUSE, 255, 128, 1000, FALSE);
        return;
    }
    enemy1 = alloc_enemy();
    enemy2 = alloc_enemy();
    enemy3 = alloc_enemy();
    enemy4 = alloc_enemy();
    do {
        bool two_formations =
            (g_map_num == -1 && current_region == 2) || (g_map_num >= 19 && g_map_num <= 30);
        enemy_sizes = two_formations ? rand() % 2 : 0;
        init_enemy(enemy1);
        init_enemy(enemy2);
        init_enemy(enemy3);
        init_enemy(enemy4);
    } while (!any_enemy_in_fight());

    if (enemy_sizes == 0) {
        enemy1->x = 45, enemy1->y = 80;
        enemy2->x = 85, enemy2->y = 80;
        enemy3->x = 45, enemy3->y = 120;
        enemy4->x = 85, enemy4->y = 120;
    } else {
        enemy1->x = 45, enemy1->y = 60;
        enemy2->x = 35, enemy2->y = 90;
        enemy3->x = 25, enemy3->y = 120;
    }

    looping = FALSE;
    BITMAP* bg = data ? (BITMAP*)data[battle_background()].dat : nullptr;
    int won = battle(bg, MUS_BATTLE);
    if (!won && continue_fight != FIGHT_ESCAPED) {
        free_enemies();
        vantor_shutdown();
        door_exit(0);
    }

    looping = FALSE;
    int music = field_music();
    door_play_midi(music, TRUE);
    playing = music;
    door_midi_seek(midi_music_pos);
    int was = virtual_screen;
    virtual_screen = TRUE;
    update_screen();
    virtual_screen = was;
    fade_to(buffer, 5);
    trash_status(FALSE);
    looping = TRUE;
    reset_fps_timer();
    free_enemies();
}

int battle(BITMAP* background, int music)
{
    for (ftchar* h : {ftmike, ftcharlie, ftrunhon, ftelizabeth})
        if (h) h->defend_flag = h->turn_flag = 0;
    for (int n = 1; n <= 4; n++)
        if (ftenemy* e = enemy_slot(n)) {
            e->targeted = e->turn_flag = e->total_damage = 0;
            e->turn_ind = 0;
        }
    if (!no_init_positions) setup_starting_positions();
    GAME_SPEED = 60;

    fight_background = create_bitmap(320, 240);
    if (!fight_background) fatalerror("out of memory");
    if (background)
        blit(background, fight_background, 0, 0, 0, 0, 320, 240);
    else
        clear_to_color(fight_background, makecol(0, 0, 0));

    if (music != NO_MUSIC) {
        midi_music_pos = door_midi_pos();
        door_play_midi(music, TRUE);
        playing = music;
        if (music != MUS_BOSS) door_midi_seek(6);
    }

    opening_zoom();
    clear_to_color(sprite_layer, bitmap_mask_color(sprite_layer));
    draw_now(FALSE);
    virtual_screen = FALSE;
    fade_to(buffer, 10);

    ft_timer_paused = FALSE;
    continue_fight = FIGHT_RUNNING;
    clear_joybuf();
    reset_battle_timer();
    looping = TRUE;
    if (door_install_int_ex(ft_timer, BPS_TO_TIMER(60)) != 0) fatalerror("Error installing callback!!\n\n");
    turn_update = 0;
    int ticks = 0;

    while (continue_fight == FIGHT_RUNNING) {
        if (debug) {
            door_poll_keyboard();
            if (key[KEY_F12]) break;
            debug_battle_keys();
        }
        ft_timer_paused = TRUE;
        ft_story_flags();
        ft_timer_paused = FALSE;
        serve_due_turns();
        if (continue_fight != FIGHT_RUNNING) break;
        ft_timer_paused = TRUE;
        while (ticks <= turn_update) {
            battle_tick();
            ticks++;
        }
        ft_timer_paused = FALSE;
        status_update(1, nullptr);
        ft_update_screen();
    }

    clear_to_color(buffer, makecol(0, 0, 0));
    draw_now(FALSE);
    switch (continue_fight) {
    case FIGHT_WON:
        if (music != NO_MUSIC) {
            door_play_midi(MUS_VICTORY, TRUE);
            playing = MUS_VICTORY;
        }
        battle_window("Victory!!!", 125, 70, 78, 15);
        victory_rewards();
        fade_out_2(5);
        if (music != NO_MUSIC) sound_fade_out(1, 5);
        break;
    case FIGHT_ESCAPED:
        fade_out_2(5);
        if (music != NO_MUSIC) sound_fade_out(1, 5);
        break;
    case FIGHT_LOST:
        draw_now(TRUE);
        battle_window("Defeated", 125, 70, 78, 15);
        fade_out_2(5);
        if (!skip_game_over) game_over();
        break;
    }

    memset(fighters, 0, sizeof fighters);
    destroy_bitmap(fight_background);
    fight_background = nullptr;
    door_remove_int(ft_timer);
    ft_timer_paused = TRUE;
    return continue_fight == FIGHT_WON ? -1 : 0;
}

float time_bar_step(int agp) { return (float)std::min((agp + 50) / 300.0, 1.0); }

void battle_tick()
{
    for (ftchar* h = ftmike; h; h = ftchar_loop(h)) {
        if (!h->alive) {
            h->turn_ind = 0;
            continue;
        }
        h->turn_ind = (float)(h->turn_ind + std::min((h->agp + 50) / 300.0, 1.0));
        if (h->turn_ind >= (h->status[ST_FEAR] > 0 ? 120 : 60)) h->turn_flag = TRUE;
    }
    for (int n = 1; n <= 4; n++) {
        ftenemy* e = enemy_slot(n);
        if (!e || !e->in_fight) continue;
        // A slot still dying holds the clock of the slots after it for this tick.
        if (!e->alive) {
            e->turn_ind = 0;
            break;
        }
        e->turn_ind = (float)(e->turn_ind + std::min((e->agp + 50) / 300.0, 1.0));
        if (e->turn_ind >= 60) e->turn_flag = -1;
    }
}

void status_update(int mode, ftchar* who)
{
    if (mode != 0) {
        ft_timer_paused = TRUE;
        ft_timer_paused = FALSE;
        return;
    }
    if (continue_fight != FIGHT_RUNNING || !who) return;
    ft_timer_paused = TRUE;
    static const char* const wore_off[4] = {nullptr, "%s's Blade Shine wore off!",
                                            "%s's Vest Shine wore off!", "%s's Glass Ball wore off!"};
    for (int s = ST_BLADE_SHINE; s <= ST_GLASS_BALL; s++) {
        if (who->status[s] <= 0) continue;
        who->status[s]--;
        if (who->status[s] == 0) {
            char text[120];
            snprintf(text, sizeof text, wore_off[s], who->s_name ? who->s_name : "");
            battle_message(text);
        }
    }
    if (who->status[ST_FEAR] > 0) who->status[ST_FEAR]--;
    if (who->status[ST_POISON] > 0) {
        if (who->alive) {
            int loss = who->hpmax / 10;
            draw_number(loss, who->x - 10, who->y + 24, -1);
            door_rest(500);
            who->hp = std::max(who->hp - loss, 0);
            if (who->hp <= 0) who->alive = FALSE;
            reset_battle_timer();
            virtual_screen = FALSE;
            draw_now(TRUE);
            if (all_are_dead()) continue_fight = FIGHT_LOST;
        }
        if (!who->alive) who->status[ST_POISON] = 0;
    }
    ft_timer_paused = FALSE;
}

void set_battle_pacer(int per_second)
{
    door_remove_int(fps_proc);
    fps = 0;
    fpscounter = 0;
    if (door_install_int_ex(fps_proc, BPS_TO_TIMER(per_second)) != 0)
        fatalerror("Error installing callback!!\n\n");
}

void reset_battle_timer() { set_battle_pacer(50); }

void setup_starting_positions()
{
    memset(fighters, 0, sizeof fighters);
    if (!ftmike || !ftcharlie) return;
    ftmike->x = 220, ftmike->y = 90;
    fighters[0] = ftmike;
    fighters[1] = ftcharlie;
    bool runhon = ftrunhon && ftrunhon->in_fight, eliz = ftelizabeth && ftelizabeth->in_fight;
    if (ftcharlie->in_fight && runhon && !eliz) {
        ftcharlie->x = 227, ftcharlie->y = 111;
        ftrunhon->x = 231, ftrunhon->y = 132;
        fighters[2] = ftrunhon;
    } else if (ftcharlie->in_fight && eliz) {
        ftcharlie->x = 227, ftcharlie->y = 111;
        ftelizabeth->x = 236, ftelizabeth->y = 132;
        fighters[2] = ftelizabeth;
    } else {
        ftcharlie->x = 230, ftcharlie->y = 130;
    }
}

ftchar* ftchar_loop(ftchar* who)
{
    if (!who) return nullptr;
    if (who == ftmike) {
        if (ftcharlie && ftcharlie->in_fight) return ftcharlie;
        if (ftelizabeth && ftelizabeth->in_fight) return ftelizabeth;
        return nullptr;
    }
    if (who == ftcharlie) {
        if (ftrunhon && ftrunhon->in_fight) return ftrunhon;
        if (ftelizabeth && ftelizabeth->in_fight) return ftelizabeth;
    }
    return nullptr;
}

int all_are_dead()
{
    if (ftmike && ftmike->alive) return 0;
    for (ftchar* h : {ftcharlie, ftrunhon, ftelizabeth})
        if (h && h->in_fight && h->alive) return 0;
    return 1;
}

void test_enemy_hp()
{
    for (int n = 1; n <= 4; n++)
        if (ftenemy* e = enemy_slot(n)) e->hp = std::min(e->hp, e->hpmax);
}

void trash_status(int all)
{
    for (ftchar* h = ftmike; h; h = ftchar_loop(h))
        for (int s = 1; s < 20; s++)
            if (all || s != ST_POISON) h->status[s] = 0;
}
