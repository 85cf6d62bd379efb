// Lumin Castle: one room at a time, joined by door cells and tower stairs,
// with the healer of the infirmary, the library, the tower chests and the two
// scenes the castle holds.
#include "town_castle.h"

#include "dat_names.h"
#include "door.h"
#include "story.h"
#include "town.h"
#include "town_castle_lines.h"
#include "vantor.h"
#include "world.h"

namespace {

// The torches of a room are wherever its map shows one: the map is the only list.
void light_torches()
{
    num_torchlikes = -1;
    int n = 0;
    for (int y = 0; map && y < map->ysize; y++)
        for (int x = 0; x < map->xsize && n < 21; x++) {
            int t = get_sprite_number(map, 1, x, y);
            if (t != TILE_TORCH_A && t != TILE_TORCH_B) continue;
            torchlikes[n].id = 0;
            torchlikes[n].state = t == TILE_TORCH_B;
            torchlikes[n].x = x;
            torchlikes[n].y = y;
            n++;
        }
    if (n) num_torchlikes = n;
}

// Opens room `room` with Mike already placed on his cell, and fades it in.
void show_room(int room, int music)
{
    open_place_map(castle_map_file(room), castle_map_num(room));
    centre_camera();
    furnish_map(&castle_plan, castle_map_num(room));
    light_torches();
    show_place_map(music);
}

// The king's council is due the first time Mike comes into the audience hall
// after the bridge, once he has learned his first spell there.
bool council_due()
{
    return !story_flag[SF_COUNCIL_HEARD] && !story_flag[SF_NIGHT_PASSED] && ftmike && ftmike->actions[0].have;
}

// Before his first spell the council does not sit for Mike, and he knows it:
// otherwise the hall the gate guard sent him to would simply be silent.
bool council_waits_for_a_spell()
{
    return !story_flag[SF_COUNCIL_HEARD] && !story_flag[SF_NIGHT_PASSED] && ftmike &&
           !ftmike->actions[0].have;
}

// The loop of one room: until Mike stands on a door. Returns the room it leads
// to (CASTLE_OUTSIDE for the gate), with Mike already on his new cell.
int run_room(int room)
{
    for (;;) {
        place_pass();
        const castle_door* d = castle_door_at(room, mike->x, mike->y);
        if (d) {
            // One last pass that neither shows the frame nor lets Mike step on.
            virtual_screen = TRUE;
            moving_restricted = TRUE;
            update_screen();
            virtual_screen = FALSE;
            moving_restricted = FALSE;
            if (d->to != CASTLE_OUTSIDE) castle_door_target(d, mike->x, &mike->x, &mike->y);
            return d->to;
        }
        use_chests(&castle_plan);
        if (room == CASTLE_HEAL_ROOM && press_at(CASTLE_HEAL_X, CASTLE_HEAL_Y, DIR_UP)) castle_heal();
        if (room == CASTLE_LIBRARY_ROOM) do_library_books(0);
    }
}

} // namespace

void do_lumin_castle()
{
    current_plan = &castle_plan;
    begin_place(TRUE, FALSE);
    mike->x = CASTLE_START_X;
    mike->y = CASTLE_START_Y;
    mike->face = DIR_UP;
    show_room(1, castle_plan.music);
    start_place_timers(castle_plan.name, 500);
    if (story_flag[14] && !story_flag[15]) lumin_castle_story(0);

    int room = 1;
    for (;;) {
        int next = run_room(room);
        if (next == CASTLE_OUTSIDE) {
            if (debug_message == council_not_yet) debug_message = nullptr;
            break;
        }
        fade_out_2(10);
        room = next;
        show_room(room, -2);
        if (room == CASTLE_COUNCIL_ROOM && council_due()) {
            council_scene_one();
            break;
        }
        if (room == CASTLE_COUNCIL_ROOM && council_waits_for_a_spell())
            debug_message = council_not_yet;
        else if (debug_message == council_not_yet)
            debug_message = nullptr;
    }
    leave_place();
}
