// The companions' trail behind Mike on the field.
#include "follow.h"

#include <cstdlib>

#include "dat_names.h"
#include "story.h"
#include "tilemap.h"
#include "vantor.h"

namespace {

// The companions in the order they walk behind Mike.
struct companion {
    character** walker;
    ftchar** fighter;
    const char* key; // their name in the dump
};
const companion party[] = {
    {&charlie, &ftcharlie, "charlie"},
    {&runhon, &ftrunhon, "runhon"},
    {&elizabeth, &ftelizabeth, "eliz"},
};
const int PARTY = 3;

// Where each companion is going in the step now being walked.
struct stride_plan {
    character* c;
    int dx, dy; // one of them is -1 or 1, or both 0 when it stands still
    int lead;   // index of the one ahead of it in `walkers`, -1 for Mike
};

int held = 0;            // scenes holding the trail (they nest)
int seen_map = -1;       // tilemap_opened when the trail last looked
bool was_walking[PARTY]; // walked with Mike at the last look
bool stepping = false;   // inside one of Mike's steps
stride_plan walkers[PARTY];
int num_walkers = 0;

bool in_village(int map_num)
{
    return map_num == 101 || (map_num >= 10101 && map_num <= 10110) || map_num == 10192;
}

// Whether a companion walks with Mike now. After the council Charlie goes ahead to the
// inn and waits there until the night is over, so in the village he does not follow.
bool walks(int i)
{
    const companion& m = party[i];
    if (!*m.walker || !*m.fighter || !(*m.fighter)->in_fight) return false;
    if (!mike || !mike->visible) return false;
    if (m.walker == &charlie && story_flag[SF_COUNCIL_HEARD] && !story_flag[SF_NIGHT_PASSED] &&
        in_village(g_map_num))
        return false;
    return true;
}

RLE_SPRITE* standing(const character* c, int face)
{
    switch (face) {
    case DIR_UP: return c->upa;
    case DIR_LEFT: return c->lta;
    case DIR_RIGHT: return c->rta;
    }
    return c->dna;
}

RLE_SPRITE* striding(const character* c, int face)
{
    switch (face) {
    case DIR_UP: return c->upb;
    case DIR_LEFT: return c->ltb;
    case DIR_RIGHT: return c->rtb;
    }
    return c->dnb;
}

int face_of(int dx, int dy)
{
    if (dx < 0) return DIR_LEFT;
    if (dx > 0) return DIR_RIGHT;
    return dy < 0 ? DIR_UP : DIR_DOWN;
}

bool is_forest(int t) { return t >= TILE_WOODS_GATE && t <= TILE_FOREST_CLUMP; }

// In the world map's forests only the top half shows, as with Mike.
int halved_at(int x, int y)
{
    if (g_map_num != -1 || !map || x < 0 || y < 0) return FALSE;
    int cx = x / 16, cy = y / 16;
    if (cx >= map->xsize || cy >= map->ysize) return FALSE;
    if (is_forest(get_sprite_number(map, 0, cx, cy))) return TRUE;
    return map->layers > 1 && is_forest(get_sprite_number(map, 1, cx, cy)) ? TRUE : FALSE;
}

// Standing in line: on the grid, on the cell of the one ahead or next to it.
bool in_line(const character* c, const character* lead)
{
    if (c->x % 16 || c->y % 16 || lead->x % 16 || lead->y % 16) return false;
    return std::abs(c->x - lead->x) + std::abs(c->y - lead->y) <= 16;
}

void stand_on(character* c, const character* lead)
{
    c->x = lead->x;
    c->y = lead->y;
    c->face = lead->face;
    c->current = standing(c, c->face);
    c->halved = lead->halved;
}

bool same_cell(const character* a, const character* b) { return a->x == b->x && a->y == b->y; }

// Looks the trail over. `keep_placed` keeps a companion the scene left in view and in
// line; otherwise only those standing in line keep their places.
void settle(bool keep_placed)
{
    character* lead = mike;
    for (int i = 0; i < PARTY; i++) {
        character* c = *party[i].walker;
        if (!walks(i)) {
            if (c) c->visible = FALSE;
            was_walking[i] = false;
            continue;
        }
        bool keep = was_walking[i] && in_line(c, lead);
        if (keep_placed) keep = c->visible == TRUE && in_line(c, lead);
        if (!keep) stand_on(c, lead);
        was_walking[i] = true;
        // One standing on the cell of the one ahead is behind it, out of sight.
        c->visible = same_cell(c, lead) ? FALSE : TRUE;
        lead = c;
    }
}

} // namespace

void follow_gather()
{
    for (int i = 0; i < PARTY; i++) {
        character* c = *party[i].walker;
        was_walking[i] = false;
        if (c) c->visible = FALSE;
    }
    stepping = false;
    num_walkers = 0;
    settle(false);
}

void follow_sync()
{
    if (held || stepping || !mike || !map) return;
    if (seen_map != tilemap_opened) {
        seen_map = tilemap_opened;
        follow_gather();
        return;
    }
    settle(false);
}

void follow_step_begin()
{
    follow_sync();
    num_walkers = 0;
    if (held || !mike || !map) return;
    int lead_x = mike->x, lead_y = mike->y;
    for (int i = 0; i < PARTY; i++) {
        if (!walks(i)) continue;
        character* c = *party[i].walker;
        stride_plan& s = walkers[num_walkers];
        s.c = c;
        s.lead = num_walkers - 1;
        s.dx = (lead_x > c->x) - (lead_x < c->x);
        s.dy = (lead_y > c->y) - (lead_y < c->y);
        if (s.dx || s.dy) {
            c->face = face_of(s.dx, s.dy);
            c->current = standing(c, c->face);
            c->halved = halved_at(lead_x, lead_y);
        }
        // Its own cell is where the next one goes.
        lead_x = c->x;
        lead_y = c->y;
        num_walkers++;
    }
    stepping = num_walkers > 0;
}

void follow_sub_step(int d, bool stride)
{
    if (!stepping) return;
    for (int i = 0; i < num_walkers; i++) {
        stride_plan& s = walkers[i];
        character* c = s.c;
        if (s.dx || s.dy) {
            c->x += d * s.dx;
            c->y += d * s.dy;
            c->current = stride ? striding(c, c->face) : standing(c, c->face);
        }
        const character* lead = s.lead < 0 ? mike : walkers[s.lead].c;
        c->visible = (s.dx || s.dy || !same_cell(c, lead)) ? TRUE : FALSE;
    }
}

void follow_step_end()
{
    if (!stepping) return;
    stepping = false;
    for (int i = 0; i < num_walkers; i++) {
        character* c = walkers[i].c;
        // A step always covers the whole cell; this only guards the grid.
        c->x = (c->x + 8) / 16 * 16;
        c->y = (c->y + 8) / 16 * 16;
        c->current = standing(c, c->face);
    }
    num_walkers = 0;
    settle(false);
}

void follow_hold()
{
    if (held++ == 0 && stepping) follow_step_end();
}

void follow_release()
{
    if (held == 0 || --held > 0) return;
    if (!mike || !map) return;
    seen_map = tilemap_opened;
    settle(true);
}

int follow_count()
{
    int n = 0;
    for (int i = 0; i < PARTY; i++)
        if (walks(i)) n++;
    return n;
}

character* follower(int i)
{
    for (int k = 0; k < PARTY; k++)
        if (walks(k) && i-- == 0) return *party[k].walker;
    return nullptr;
}

int companion_on_cell(int x, int y)
{
    for (const companion& m : party) {
        const character* c = *m.walker;
        // One between two cells overlaps both, the one it left and the one it goes to; as it
        // sets off, the cell it goes to is still held by the one ahead of it.
        if (c && c->visible == TRUE && std::abs(c->x - x) < 16 && std::abs(c->y - y) < 16) return TRUE;
    }
    return FALSE;
}

void write_follow_dump(FILE* f)
{
    for (const companion& m : party) {
        const character* c = *m.walker;
        if (!c) continue;
        fprintf(f, "follow%sx %d\nfollow%sy %d\nfollow%svisible %d\n", m.key, c->x, m.key, c->y, m.key,
                c->visible);
    }
}
