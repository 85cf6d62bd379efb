// The building blocks of the story scenes (see story_scene.h).
#include "story_scene.h"

#include <initializer_list>

#include "battle.h"
#include "dat_names.h"
#include "door.h"
#include "tilemap.h"
#include "town.h"
#include "vantor.h"
#include "world.h"

namespace scene_kit {

void say(const char* const* lines)
{
    for (int i = 0; lines[i]; i++) wrap_wind(lines[i]);
    reset_fps_timer();
}

void pause(int ms)
{
    f_update_screen();
    door_rest(ms);
    reset_fps_timer();
}

void play(int music)
{
    door_stop_midi();
    if (music >= 0) door_play_midi(music, TRUE);
    playing = music;
}

RLE_SPRITE* facing(const character* c, int face)
{
    switch (face) {
    case DIR_UP: return c->upa;
    case DIR_LEFT: return c->lta;
    case DIR_RIGHT: return c->rta;
    }
    return c->dna;
}

void turn(character* c, int face)
{
    c->face = face;
    c->current = facing(c, face);
}

character* cast(int i, const character* tmpl, int x, int y, int face)
{
    character* c = person[i];
    *c = *tmpl;
    c->x = x;
    c->y = y;
    c->still = TRUE;
    c->visible = TRUE;
    turn(c, face);
    if (num_people < i) num_people = i;
    min_person = 1;
    return c;
}

void walk(character* c, int direction, int steps)
{
    for (int i = 0; i < steps; i++) move_character(c, direction, 1);
}

void walk_two(character* a, character* b, int direction, int steps)
{
    for (int i = 0; i < steps; i++) move_character_2(a, b, direction, direction, 1);
}

void dismiss_cast()
{
    for (int i = 1; i < 30; i++)
        if (person[i]) person[i]->visible = FALSE;
    num_people = -1;
}

void show_field(int speed)
{
    int was = virtual_screen;
    virtual_screen = TRUE;
    looping = FALSE;
    update_screen();
    looping = TRUE;
    virtual_screen = was;
    fade_to(buffer, speed);
    reset_fps_timer();
}

void scene_map(const char* file, int map_num)
{
    fade_out_2(5);
    old_mx2 = mx;
    old_my2 = my;
    open_tilemap(file);
    g_map_num = map_num;
    dismiss_cast();
}

void free_foes()
{
    for (ftenemy** e : {&enemy1, &enemy2, &enemy3, &enemy4}) {
        uninit_enemy(*e);
        *e = nullptr;
    }
}

int scripted_fight(const foe_spot* foes, int n, int background, int field_music, bool may_lose, bool boss)
{
    free_foes();
    ftenemy** slots[4] = {&enemy1, &enemy2, &enemy3, &enemy4};
    for (int i = 0; i < 4; i++) {
        *slots[i] = alloc_enemy();
        make_enemy(*slots[i], i < n ? foes[i].foe : FOE_EMPTY);
        if (i < n) {
            (*slots[i])->x = foes[i].x;
            (*slots[i])->y = foes[i].y;
        }
    }
    looping = FALSE;
    skip_game_over = TRUE;
    in_boss_battle = boss ? TRUE : FALSE;
    BITMAP* bg = data ? (BITMAP*)data[background].dat : nullptr;
    int won = battle(bg, boss ? MUS_BOSS : MUS_BATTLE);
    skip_game_over = FALSE;
    in_boss_battle = FALSE;
    free_foes();
    if (!won && !may_lose) {
        vantor_shutdown();
        door_exit(0);
    }
    trash_status(FALSE);
    play(field_music);
    show_field(5);
    return won ? TRUE : FALSE;
}

} // namespace scene_kit
