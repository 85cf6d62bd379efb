// Townspeople wandering: every town_timer tick the free people of a town take
// one 16-pixel step in a random direction, over 16 frames, unless the way is
// blocked by the map, a wall, Mike, a companion in sight or another person, or
// leads into a doorway or the town's way out.
#include <cstdlib>

#include "follow.h"
#include "town.h"
#include "vantor.h"
#include "vantor_frame.h"
#include "world.h"

namespace {

const int STEP = 16;

struct Heading {
    int dx, dy;
};

Heading heading(int face)
{
    switch (face) {
    case DIR_UP: return {0, -1};
    case DIR_DOWN: return {0, 1};
    case DIR_LEFT: return {-1, 0};
    case DIR_RIGHT: return {1, 0};
    }
    return {0, 0};
}

RLE_SPRITE* frame_a(character* p, int face)
{
    switch (face) {
    case DIR_UP: return p->upa;
    case DIR_DOWN: return p->dna;
    case DIR_LEFT: return p->lta;
    default: return p->rta;
    }
}

RLE_SPRITE* frame_b(character* p, int face)
{
    switch (face) {
    case DIR_UP: return p->upb;
    case DIR_DOWN: return p->dnb;
    case DIR_LEFT: return p->ltb;
    default: return p->rtb;
    }
}

int first_walker() { return min_person < 0 ? 0 : min_person; }
int last_walker() { return num_people > 29 ? 29 : num_people; }

bool walker(character* p) { return p && p->visible && !p->still; }

// Where p ends its step if it walks: one cell from its position in its direction.
void target_of(character* p, int& tx, int& ty)
{
    Heading h = heading(p->face);
    tx = p->x + h.dx * STEP;
    ty = p->y + h.dy * STEP;
}

bool leaves_map(character* p)
{
    if (!map) return true;
    int w = p->current ? p->current->w : STEP, h = p->current ? p->current->h : STEP;
    int map_w = map->xsize * map->xgrid, map_h = map->ysize * map->ygrid;
    switch (p->face) {
    case DIR_UP: return p->y <= 0;
    case DIR_LEFT: return p->x <= 0;
    case DIR_DOWN: return p->y + STEP + h > map_h;
    case DIR_RIGHT: return p->x + STEP + w > map_w;
    }
    return true;
}

// Blocked by another person standing there or walking there (anywhere in the
// range, decided or not yet: a step refused later is still safe), or by Mike or
// a companion, who may be between cells in the middle of a step.
bool cell_taken(int self, int tx, int ty)
{
    for (int j = 0; j < 30; j++) {
        character* q = person[j];
        if (j == self || !q || !q->visible) continue;
        if (q->x == tx && q->y == ty) return true;
        if (j >= first_walker() && j <= last_walker() && !q->still) {
            int qx, qy;
            target_of(q, qx, qy);
            if (qx == tx && qy == ty) return true;
        }
    }
    if (mike && mike->visible && abs(mike->x - tx) < STEP && abs(mike->y - ty) < STEP) return true;
    return companion_on_cell(tx, ty) != FALSE;
}

// Doorways and the way out of town are for passing through: someone standing
// in one would shut Mike out of a house, or in the town, until he moved on.
bool in_a_way_through(int tx, int ty)
{
    if (!current_plan || g_map_num != current_plan->map_num || !map) return false;
    int map_w = map->xsize * map->xgrid, map_h = map->ysize * map->ygrid;
    if (tx <= 0 || ty <= 0 || tx + STEP >= map_w || ty + STEP >= map_h) return true;
    return room_at_door(current_plan, tx, ty) != nullptr;
}

void choose_steps()
{
    for (int i = first_walker(); i <= last_walker(); i++) {
        character* p = person[i];
        if (!walker(p)) continue;
        p->face = rand() % 4 + 1;
        Heading h = heading(p->face);
        p->xspeed = h.dx;
        p->yspeed = h.dy;
        p->current = frame_a(p, p->face);
    }
    for (int i = first_walker(); i <= last_walker(); i++) {
        character* p = person[i];
        if (!p) continue;
        p->can_move = FALSE;
        if (!walker(p)) continue;
        int tx, ty;
        target_of(p, tx, ty);
        int cx = tx / STEP, cy = ty / STEP;
        tile_type = map ? get_sprite_number(map, 0, cx, cy) : BLOCKED_CELL;
        tile_type2 = map ? get_sprite_number(map, 1, cx, cy) : BLOCKED_CELL;
        if (leaves_map(p) || cell_taken(i, tx, ty) || in_a_way_through(tx, ty)) tile_type = BLOCKED_CELL;
        bool solid = tile_type == BLOCKED_CELL || object_collision(g_map_num, tile_type, 0) ||
                     object_collision(g_map_num, tile_type2, 0);
        p->can_move = solid ? FALSE : TRUE;
    }
}

} // namespace

void wander_townspeople()
{
    if (town_counter == 0) choose_steps();
    for (int i = first_walker(); i <= last_walker(); i++) {
        character* p = person[i];
        if (!p || !p->can_move) continue;
        p->x += p->xspeed;
        p->y += p->yspeed;
        if (town_counter == 5) p->current = frame_b(p, p->face);
        if (town_counter == 11) p->current = frame_a(p, p->face);
    }
    if (++town_counter > 15) {
        town_counter = 0;
        town_timer_flag = FALSE;
        for (int i = first_walker(); i <= last_walker(); i++) {
            character* p = person[i];
            if (!p) continue;
            p->x = p->x / STEP * STEP;
            p->y = p->y / STEP * STEP;
            // A person left over from an earlier walk must not move on by itself.
            p->can_move = FALSE;
        }
    }
}
