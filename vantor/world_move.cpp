// Walking and collision: Mike's steps, scripted actors, camera effects.
#include "world.h"

#include <algorithm>
#include <cstdlib>

#include "dat_names.h"
#include "door.h"
#include "follow.h"
#include "vantor.h"

int moving_restricted = FALSE;
int bound_check = TRUE;
int do_battle_test = FALSE;

namespace {

struct TileRange {
    int lo, hi;
};

bool in_ranges(int t, const TileRange* r, int n)
{
    for (int i = 0; i < n; i++)
        if (t >= r[i].lo && t <= r[i].hi) return true;
    return false;
}

#define SOLID(name, ...) const TileRange name[] = {__VA_ARGS__}
SOLID(world_solid, {TILE_CASTLE_WALL_WORLD, TILE_CASTLE_WALL_WORLD}, {TILE_SEA, TILE_COAST_NE},
      {TILE_COAST_SW, TILE_COAST_IN_NE}, {TILE_COAST_IN_SW, TILE_LAKE_WORLD}, {TILE_DUNES, TILE_MESA},
      {TILE_RUINS_WORLD, TILE_RUINS_WORLD}, {BLOCKED_CELL, BLOCKED_CELL});
SOLID(bridge_solid, {TILE_RIVER_WATER, TILE_RIVER_FOAM}, {TILE_BRIDGE_RAIL_W, TILE_BRIDGE_POST_E},
      {TILE_BARRICADE, TILE_BARRICADE});
SOLID(woods_solid, {TILE_WOODS_TREES_NW, TILE_WOODS_TREES_SE}, {TILE_WOODS_TREE, TILE_WOODS_BRAMBLES},
      {TILE_WOODS_STREAM_H, TILE_WOODS_ROCK_WALL}, {TILE_WOODS_DEAD_TREE, TILE_WOODS_THICKET},
      {TILE_CHEST_CLOSED, TILE_CHEST_OPEN}, {BLOCKED_CELL, BLOCKED_CELL});
SOLID(sand_solid, {TILE_SHADOW_SEAL, TILE_SHADOW_SEAL}, {TILE_SAND_ROCK_TOP, TILE_SAND_BOULDER},
      {TILE_SAND_SPRING, TILE_SAND_SPRING}, {TILE_THORN_BUSH, TILE_DEAD_TREE_SAND},
      {BLOCKED_CELL, BLOCKED_CELL});
SOLID(village_solid, {TILE_HOUSE_WALL, TILE_HOUSE_WALL}, {TILE_POND_WATER, TILE_RIVER_WATER},
      {TILE_PICKET_FENCE, TILE_PICKET_FENCE}, {TILE_TOWN_TREE, TILE_TOWN_TREE},
      {TILE_TOWN_WELL, TILE_TOWN_WELL}, {TILE_WOODPILE, TILE_WOODPILE},
      {TILE_FOUNTAIN_POOL, TILE_FOUNTAIN_POOL}, {TILE_HOUSE_WALL_WINDOW, TILE_HOUSE_WALL_WINDOW},
      {TILE_ROOF_NW, TILE_ROOF_SE}, {BLOCKED_CELL, BLOCKED_CELL});
SOLID(agual_solid, {TILE_HOUSE_WALL, TILE_HOUSE_WALL}, {TILE_POND_WATER, TILE_POND_WATER},
      {TILE_PICKET_FENCE, TILE_PICKET_FENCE}, {TILE_TOWN_TREE, TILE_TOWN_TREE},
      {TILE_TOWN_WELL, TILE_TOWN_WELL}, {TILE_WOODPILE, TILE_WOODPILE}, {TILE_AGUAL_WALL, TILE_AGUAL_WALL},
      {TILE_AGUAL_ROOF_NW, TILE_AGUAL_ROOF_SE}, {TILE_BARREL, TILE_BARREL}, {TILE_CLAY_POT, TILE_CLAY_POT},
      {TILE_CRATES, TILE_CRATES}, {TILE_CANAL_WATER, TILE_LAMP_POST}, {BLOCKED_CELL, BLOCKED_CELL});
SOLID(mystalia_solid, {TILE_HOUSE_WALL, TILE_HOUSE_WALL}, {TILE_POND_WATER, TILE_POND_WATER},
      {TILE_PICKET_FENCE, TILE_PICKET_FENCE}, {TILE_TOWN_TREE, TILE_TOWN_TREE},
      {TILE_TOWN_WELL, TILE_TOWN_WELL}, {TILE_WOODPILE, TILE_WOODPILE},
      {TILE_SAND_ROCK_TOP, TILE_SAND_BOULDER}, {TILE_PALM_PLANTER, TILE_PALM_PLANTER},
      {TILE_HOUSE_WALL_WINDOW, TILE_HOUSE_WALL_WINDOW}, {TILE_ROOF_NW, TILE_ROOF_SE},
      {BLOCKED_CELL, BLOCKED_CELL});
SOLID(village_in_solid, {TILE_ROOM_VOID, TILE_BOOKSHELF}, {TILE_TABLE_SMALL, TILE_TABLE_SMALL},
      {TILE_DRESSER, TILE_DRESSER}, {TILE_BARREL, TILE_BARREL}, {TILE_CHEST_CLOSED, TILE_CHEST_OPEN},
      {TILE_CLAY_POT, TILE_CLAY_POT}, {TILE_BED_TOP, TILE_GRAIN_SACKS},
      {TILE_PALM_PLANTER, TILE_PALM_PLANTER}, {TILE_CRATES, TILE_CRATES}, {TILE_HEARTH, TILE_HEARTH},
      {TILE_COUNTER_W, TILE_COUNTER_NE}, {TILE_WOOD_TOP_H, TILE_WOOD_FACE_SHELF},
      {BLOCKED_CELL, BLOCKED_CELL});
SOLID(castle_in_solid, {TILE_STONE_TOP_H, TILE_STONE_TOP_END_W}, {TILE_ROOM_VOID, TILE_BOOKSHELF},
      {TILE_STONE_PILLAR, TILE_STONE_PILLAR}, {TILE_STONE_TOP_FILL, TILE_WALL_SHELF_BOTTLES},
      {TILE_LIBRARY_SHELF_LADDER, TILE_GRANDFATHER_CLOCK}, {TILE_STATUE, TILE_STONE_BASIN},
      {TILE_TABLE_SMALL, TILE_DRESSER}, {TILE_BARREL, TILE_BARREL}, {TILE_CHEST_CLOSED, TILE_CHEST_OPEN},
      {TILE_CLAY_POT, TILE_CLAY_POT}, {TILE_BED_TOP, TILE_GRAIN_SACKS},
      {TILE_PALM_PLANTER, TILE_PALM_PLANTER}, {TILE_CRATES, TILE_CRATES}, {TILE_HEARTH, TILE_HEARTH},
      {TILE_COUNTER_W, TILE_COUNTER_NE}, {BLOCKED_CELL, BLOCKED_CELL});
SOLID(agual_in_solid, {TILE_PLASTER_FACE_PAINTING, TILE_STONE_TOP_END_W},
      {TILE_BLUEWOOD_TOP_H, TILE_BOOKSHELF}, {TILE_STONE_PILLAR, TILE_STONE_PILLAR},
      {TILE_STONE_FACE, TILE_WALL_SHELF_BOTTLES}, {TILE_GRANDFATHER_CLOCK, TILE_GRANDFATHER_CLOCK},
      {TILE_STATUE, TILE_STONE_BASIN}, {TILE_TABLE_SMALL, TILE_TABLE_SMALL}, {TILE_DRESSER, TILE_DRESSER},
      {TILE_BLUEWOOD_FACE, TILE_LANTERN_TABLE}, {TILE_CHEST_CLOSED, TILE_CHEST_OPEN},
      {TILE_PLASTER_FACE, TILE_PLASTER_FACE_MIRROR}, {TILE_CLAY_POT, TILE_CLAY_POT},
      {TILE_BED_TOP, TILE_GRAIN_SACKS}, {TILE_PALM_PLANTER, TILE_PALM_PLANTER}, {TILE_CRATES, TILE_CRATES},
      {TILE_HEARTH, TILE_HEARTH}, {TILE_COUNTER_W, TILE_COUNTER_NE}, {BLOCKED_CELL, BLOCKED_CELL});
SOLID(mystalia_in_solid, {TILE_PLASTER_FACE_PAINTING, TILE_STONE_TOP_END_W}, {TILE_ROOM_VOID, TILE_BOOKSHELF},
      {TILE_STONE_PILLAR, TILE_STONE_PILLAR}, {TILE_STONE_FACE, TILE_STONE_FACE_NICHE},
      {TILE_CRYSTAL_BALL_TABLE, TILE_RUNE_PILLAR}, {TILE_STATUE, TILE_STONE_BASIN},
      {TILE_TABLE_SMALL, TILE_TABLE_SMALL}, {TILE_DRESSER, TILE_DRESSER}, {TILE_BARREL, TILE_BARREL},
      {TILE_CHEST_CLOSED, TILE_CHEST_OPEN}, {TILE_PLASTER_FACE, TILE_PLASTER_FACE_MIRROR},
      {TILE_CLAY_POT, TILE_CLAY_POT}, {TILE_BED_TOP, TILE_GRAIN_SACKS},
      {TILE_PALM_PLANTER, TILE_PALM_PLANTER}, {TILE_CRATES, TILE_CRATES}, {TILE_HEARTH, TILE_HEARTH},
      {TILE_COUNTER_W, TILE_COUNTER_NE}, {TILE_WOOD_TOP_H, TILE_WOOD_FACE_SHELF},
      {BLOCKED_CELL, BLOCKED_CELL});
#undef SOLID

#define IN(set) in_ranges(t, set, (int)(sizeof set / sizeof set[0]))

// The solid set of a map's group (every map but the world map).
bool solid_on_map(int map_num, int t)
{
    if (map_num == 1) return IN(bridge_solid);
    if (map_num >= 2 && map_num <= 16) return IN(woods_solid);
    if (map_num >= 19 && map_num <= 30) return IN(sand_solid);
    if (map_num == 101) return IN(village_solid);
    if (map_num == 103) return IN(agual_solid);
    if (map_num == 104) return IN(mystalia_solid);
    if ((map_num >= 10101 && map_num <= 10110) || map_num == 10192) return IN(village_in_solid);
    if (map_num >= 10201 && map_num <= 10226) return IN(castle_in_solid);
    if (map_num >= 10301 && map_num <= 10310) return IN(agual_in_solid);
    if (map_num >= 10401 && map_num <= 10409) return IN(mystalia_in_solid);
    return false;
}

} // namespace

int object_collision(int map_num, int t_type, int tile_layer)
{
    int t = t_type;
    if (moving_restricted) return TRUE;
    if (map_num == -1) {
        if (IN(world_solid)) return TRUE;
        if (mike) {
            if (t >= TILE_WOODS_GATE && t <= TILE_FOREST_CLUMP)
                mike->halved = TRUE;
            else if (tile_layer == 0)
                mike->halved = FALSE;
        }
        return FALSE;
    }
    if (mike) mike->halved = FALSE;
    return solid_on_map(map_num, t) ? TRUE : FALSE;
}

namespace {

int dir_dx(int direction) { return direction == DIR_LEFT ? -1 : direction == DIR_RIGHT ? 1 : 0; }
int dir_dy(int direction) { return direction == DIR_UP ? -1 : direction == DIR_DOWN ? 1 : 0; }
bool valid_dir(int direction) { return direction >= DIR_UP && direction <= DIR_RIGHT; }
int sign(int v) { return (v > 0) - (v < 0); }

// A malformed map may claim a zero grid; walking treats that as the usual 16.
int grid_x() { return map && map->xgrid > 0 ? map->xgrid : 16; }
int grid_y() { return map && map->ygrid > 0 ? map->ygrid : 16; }

// Mike's standing frame for a direction; the stepping frame is the next object.
int standing_frame(int direction)
{
    switch (direction) {
    case DIR_UP: return ACT_MIKE_UP_A;
    case DIR_LEFT: return ACT_MIKE_LT_A;
    case DIR_RIGHT: return ACT_MIKE_RT_A;
    default: return ACT_MIKE_DN_A;
    }
}

// Runs one tile's worth of sub-steps. `frame` counts the pixels already covered;
// the last sub-step is cut short so that a speed which does not divide 16 still
// ends the step exactly on the grid instead of overshooting it.
template <typename SubStep>
void walk_tile(int speed, SubStep sub_step)
{
    if (speed < 1) speed = 1;
    for (int frame = 0; frame < 16;) {
        int d = std::min(speed, 16 - frame);
        sub_step(frame, d);
        update_screen();
        frame += d;
    }
}

bool stepping(int frame) { return frame >= 5 && frame <= 11; }

// Map-edge test of a player step. Map 103 opens its left edge and map 104 its
// top; the bottom is closed only on those two, so towns are left downwards.
bool edge_refuses(int direction)
{
    if (!bound_check) return false;
    int w = map->xsize * grid_x(), h = map->ysize * grid_y();
    switch (direction) {
    case DIR_UP: return mike->y <= 0 && g_map_num != 104;
    case DIR_LEFT: return mike->x <= 0 && g_map_num != 103;
    case DIR_RIGHT: {
        RLE_SPRITE* f = chr_sprite(ACT_MIKE_RT_A);
        return mike->x + (f ? f->h : 16) >= w;
    }
    case DIR_DOWN: {
        if (g_map_num != 103 && g_map_num != 104) return false;
        RLE_SPRITE* f = chr_sprite(ACT_MIKE_DN_A);
        return mike->y + (f ? f->w : 16) >= h;
    }
    }
    return true;
}

// A townsperson on the cell ahead, or one walking onto it right now.
bool person_refuses(int nx, int ny)
{
    if (!in_town || num_people == -1) return false;
    int last = std::min(num_people, 29);
    for (int i = std::max(min_person, 0); i <= last; i++) {
        character* p = person[i];
        if (!p || !p->visible) continue;
        if (p->x == nx && p->y == ny) return true;
        if (town_walk && p->can_move && town_timer_flag) {
            int sx = p->x - p->xspeed * town_counter, sy = p->y - p->yspeed * town_counter;
            if (sx + 16 * sign(p->xspeed) == nx && sy + 16 * sign(p->yspeed) == ny) return true;
        }
    }
    return false;
}

// Looks at the cell ahead on layers 0 and 1 and asks whether it is solid.
bool tile_refuses(int direction)
{
    int cx = mike->x / grid_x() + dir_dx(direction), cy = mike->y / grid_y() + dir_dy(direction);
    tile_type = get_sprite_number(map, 0, cx, cy);
    tile_type2 = get_sprite_number(map, 1, cx, cy);
    // Bridges laid on layer 1 over water or rock: whatever lies below them never blocks.
    if (tile_type2 >= TILE_BRIDGE_DECK_V && tile_type2 <= TILE_STONE_BRIDGE_H) tile_type = -1;
    if (object_collision(g_map_num, tile_type, 0)) return true;
    return object_collision(g_map_num, tile_type2, 1) != 0;
}

// Keeps Mike near the middle of the screen, stopping at the map's edges.
void follow_with_camera(int direction, int d)
{
    int min_mx = 320 - 16 * map->xsize, min_my = 240 - 16 * map->ysize;
    switch (direction) {
    case DIR_UP:
        if (mike->y + my <= 119 && my < 0) my = std::min(my + d, 0);
        break;
    case DIR_DOWN:
        if (mike->y + my > 120 && my > min_my) my = std::max(my - d, min_my);
        break;
    case DIR_LEFT:
        if (mike->x + mx <= 159 && mx < 0) mx = std::min(mx + d, 0);
        break;
    case DIR_RIGHT:
        if (mike->x + mx > 160 && mx > min_mx) mx = std::max(mx - d, min_mx);
        break;
    }
}

// The party on the field, in battle order: Mike, Charlie, then Runhon or Elizabeth.
ftchar* next_member(ftchar* who)
{
    if (who == ftmike) {
        if (ftcharlie && ftcharlie->in_fight) return ftcharlie;
        if (ftelizabeth && ftelizabeth->in_fight) return ftelizabeth;
    } else if (who == ftcharlie) {
        if (ftrunhon && ftrunhon->in_fight) return ftrunhon;
        if (ftelizabeth && ftelizabeth->in_fight) return ftelizabeth;
    }
    return nullptr;
}

// One red flash with the poison sting, over the frame as it stands.
void poison_flash()
{
    int was_virtual = virtual_screen;
    virtual_screen = TRUE;
    update_screen();
    virtual_screen = was_virtual;
    door_play_sample(SND_POISON, 255, 128, 1000, FALSE);
    if (!buffer) return;
    set_trans_blender(0, 0, 0, 128);
    drawing_mode(DRAW_MODE_TRANS, nullptr, 0, 0);
    rectfill(buffer, 0, 0, 319, 239, makecol(255, 0, 0));
    solid_mode();
    door_vsync();
    blit_buffer();
}

int toward(int v, int target, int speed)
{
    if (v < target) return std::min(v + speed, target);
    if (v > target) return std::max(v - speed, target);
    return v;
}

} // namespace

void move_mike(int direction, int speed)
{
    door_poll_joystick();
    if (!mike || !valid_dir(direction)) return;
    mike->face = direction;
    mike->current = chr_sprite(standing_frame(direction));
    if (!map || edge_refuses(direction)) return;

    int nx = mike->x + 16 * dir_dx(direction), ny = mike->y + 16 * dir_dy(direction);
    if (person_refuses(nx, ny)) return;
    // A refused step leaves Mike where he stands, so he keeps the look of that cell.
    int was_halved = mike->halved;
    if (tile_refuses(direction)) {
        mike->halved = was_halved;
        return;
    }

    int stand = standing_frame(direction);
    follow_step_begin();
    walk_tile(speed, [&](int frame, int d) {
        mike->current = chr_sprite(stepping(frame) ? stand + 1 : stand);
        mike->x += d * dir_dx(direction);
        mike->y += d * dir_dy(direction);
        follow_with_camera(direction, d);
        follow_sub_step(d, stepping(frame));
    });
    follow_step_end();
    test_walk_poison();
    do_battle_test = TRUE;
}

void move_character(character* chardata, int direction, int speed)
{
    if (!chardata || !map || !valid_dir(direction)) return;
    int w = map->xsize * grid_x(), h = map->ysize * grid_y();
    if ((direction == DIR_UP && chardata->y < 1) || (direction == DIR_LEFT && chardata->x < 1) ||
        (direction == DIR_DOWN && chardata->y + 16 >= h) || (direction == DIR_RIGHT && chardata->x + 16 >= w))
        return;
    int cx = chardata->x / grid_x() + dir_dx(direction), cy = chardata->y / grid_y() + dir_dy(direction);
    tile_type = get_sprite_number(map, 0, cx, cy);
    tile_type2 = get_sprite_number(map, 1, cx, cy);

    walk_tile(speed, [&](int frame, int d) {
        bool b = stepping(frame);
        switch (direction) {
        case DIR_DOWN: chardata->current = b ? chardata->dnb : chardata->dna; break;
        case DIR_LEFT: chardata->current = b ? chardata->ltb : chardata->lta; break;
        case DIR_RIGHT: chardata->current = b ? chardata->rtb : chardata->rta; break;
        case DIR_UP: chardata->current = b ? chardata->upa : chardata->upb; break;
        }
        chardata->x += d * dir_dx(direction);
        chardata->y += d * dir_dy(direction);
    });
}

void move_character_2(character* c1, character* c2, int d1, int d2, int speed)
{
    auto sub_step = [](character* c, int direction, int frame, int d) {
        if (!c || !valid_dir(direction)) return;
        bool a = stepping(frame);
        switch (direction) {
        case DIR_DOWN: c->current = a ? c->dna : c->dnb; break;
        case DIR_LEFT: c->current = a ? c->lta : c->ltb; break;
        case DIR_RIGHT: c->current = a ? c->rta : c->rtb; break;
        case DIR_UP: c->current = a ? c->upa : c->upb; break;
        }
        c->x += d * dir_dx(direction);
        c->y += d * dir_dy(direction);
    };
    walk_tile(speed, [&](int frame, int d) {
        sub_step(c1, d1, frame, d);
        sub_step(c2, d2, frame, d);
    });
}

void jump_character(character* who)
{
    if (!who) return;
    for (int i = 0; i < 4; i++) {
        who->y -= 4;
        update_screen();
    }
    for (int i = 0; i < 4; i++) {
        who->y += 4;
        update_screen();
    }
}

void map_scroll_to(int scroll_to_x, int scroll_to_y, int speed)
{
    // A speed of 0 (or a negative one) would never arrive; above 10 the pan is a blur.
    if (speed <= 0 || speed > 10) fatalerror("you're stupid!\n\n");
    while (mx != scroll_to_x || my != scroll_to_y) {
        int old = mx;
        if (buffer) clear_bitmap(buffer);
        update_screen();
        mx = toward(mx, scroll_to_x, speed);
        // Horizontal first: the camera only starts down or up once it has arrived across.
        if (old == scroll_to_x || std::abs(old - scroll_to_x) == 1) my = toward(my, scroll_to_y, speed);
    }
}

void quake_map(int length)
{
    int old_x = mx, old_y = my;
    door_play_sample(SND_QUAKE, 255, 128, 1000, FALSE);
    for (int i = 0; i < length; i++) {
        int ox = 0, oy = 0;
        if (rand() % 2 == 0)
            ox = 2 - rand() % 4;
        else
            oy = 2 - rand() % 4;
        // A still axis would make the shake look like a stutter: it always moves a little.
        if (ox == 0) ox = 1;
        if (oy == 0) oy = 1;
        mx = old_x + ox;
        my = old_y + oy;
        update_screen();
    }
    mx = old_x;
    my = old_y;
}

void test_walk_poison()
{
    bool flashed = false;
    for (ftchar* f = ftmike; f; f = next_member(f)) {
        if (f->status[ST_POISON] <= 0) continue;
        if (!f->alive) {
            f->status[ST_POISON] = 0;
            continue;
        }
        if (!flashed) {
            poison_flash();
            flashed = true;
        }
        // Poison on the road hurts but never knocks anyone out.
        if (f->hp > 1) f->hp -= 1;
    }
}
