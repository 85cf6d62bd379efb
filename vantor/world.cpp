// The world map: its loop, place entrances, regions and random encounters.
#include "world.h"

#include <algorithm>
#include <cstdlib>

#include "area.h"
#include "battle.h"
#include "dat_names.h"
#include "door.h"
#include "town.h"
#include "town2.h"
#include "vantor.h"

int old_map_num = 0;
int enc_rate = 2;
const int world_enc_rate = 2;
int in_field = FALSE;
rct regions[6] = {{80, 0, 159, 30}, {80, 31, 159, 70}, {80, 71, 159, 119},
                  {-1, -1, -1, -1}, {-1, -1, -1, -1},  {-1, -1, -1, -1}};
int current_region = 0;
int exitflag = FALSE;
int old_mx = 0, old_my = 0, old_mike_x = 0, old_mike_y = 0;
int old_mx2 = 0, old_my2 = 0, old_mike_x2 = 0, old_mike_y2 = 0;

namespace {

const char* const world_place = "Lumin World";

// The tile under a world position; -1 off the map or with no map loaded.
int world_tile(int x, int y, int layer_num = 0)
{
    if (!map || x < 0 || y < 0 || layer_num >= map->layers) return -1;
    return get_sprite_number(map, layer_num, x / 16, y / 16);
}

bool is_forest(int t) { return t >= TILE_WOODS_GATE && t <= TILE_FOREST_CLUMP; }

// Remembers where Mike stood, so that the place can put him back beside its entrance.
// A game resumed inside an area keeps the position read from its save file.
void enter_place()
{
    if (old_map_num != 15 && old_map_num != 29) {
        old_mx = mx;
        old_my = my;
        old_mike_x = mike->x;
        old_mike_y = mike->y;
    }
    destroy_tilemap(map);
    map = nullptr;
}

// Mike and the camera after leaving the place entered at (ex, ey).
void place_mike_outside(int ex, int ey)
{
    int x, y, face;
    world_exit_position(ex, ey, &x, &y, &face);
    mike->x = x;
    mike->y = y;
    mike->face = face;
    int frame = face == DIR_UP      ? ACT_MIKE_UP_A
                : face == DIR_LEFT  ? ACT_MIKE_LT_A
                : face == DIR_RIGHT ? ACT_MIKE_RT_A
                                    : ACT_MIKE_DN_A;
    if (characters) mike->current = chr_sprite(frame);
    // Back in the trees he is half hidden again; anywhere else he stands in the open.
    mike->halved = is_forest(world_tile(x, y)) || is_forest(world_tile(x, y, 1)) ? TRUE : FALSE;

    // The camera moves with him and stays inside the map.
    mx = old_mx - (x - ex);
    my = old_my - (y - ey);
    if (map) {
        mx = std::max(std::min(mx, 0), std::min(0, 320 - 16 * map->xsize));
        my = std::max(std::min(my, 0), std::min(0, 240 - 16 * map->ysize));
    }
}

} // namespace

int world_place_at(int x, int y)
{
    if (x == WORLD_BRIDGE_X && y == WORLD_BRIDGE_Y) return WP_BRIDGE;
    if (y == 288 && x >= 1616 && x <= 1648) return WP_VILLAGE;
    if (x == 1632 && y == 272) return WP_CASTLE;
    if ((x == 2320 && y == 656) || (x == 2336 && y == 656) || (x == 2336 && y == 672)) return WP_AGUAL;
    if (y == 1120 && (x == 1664 || x == 1680)) return WP_MYSTALIA;
    if ((x == 1568 || x == 1584) && (y == 1392 || y == 1408)) return WP_SAND_GARDEN;
    if (world_tile(x, y) == WORLD_WOODS_TILE) return WP_WOODS;
    return WP_NONE;
}

void world_exit_position(int ex, int ey, int* x, int* y, int* face)
{
    // Most places are left southwards: one cell below the entrance.
    *x = ex, *y = ey + 16, *face = DIR_DOWN;
    switch (world_place_at(ex, ey)) {
    case WP_CASTLE:
        // The village lies right below the castle gate, so the castle lets out to the east.
        *x = ex + 16, *y = ey, *face = DIR_RIGHT;
        break;
    case WP_AGUAL:
        // Agual is left through its west gate; its lower cell opens on the southern road.
        if (ey == 672)
            *x = 2336, *y = 688, *face = DIR_DOWN;
        else
            *x = 2304, *y = 656, *face = DIR_LEFT;
        break;
    case WP_MYSTALIA:
        // Mystalia's gate faces north.
        *y = ey - 16, *face = DIR_UP;
        break;
    case WP_SAND_GARDEN:
        *y = ey;
        if (ex == 1568)
            *x = ex - 16, *face = DIR_LEFT;
        else
            *x = ex + 16, *face = DIR_RIGHT;
        break;
    case WP_WOODS:
        // Out of the trees diagonally, so the next step does not lead straight back in.
        *x = ex + 16;
        break;
    }
}

void restore_world_map()
{
    door_remove_int(fps_proc);
    fade_out_2(10);
    door_play_midi(MUS_WORLD, TRUE);
    playing = MUS_WORLD;
    door_clear_keybuf();
    clear_joybuf();

    // Coming back from a place the world map must be there: it was there on the way in.
    if (!exists("wmap.map")) fatalerror("cannot find wmap.map!!");
    open_tilemap("wmap.map");
    g_map_num = -1;
    normal_drawing = TRUE;
    if (mike) place_mike_outside(old_mike_x, old_mike_y);

    door_remove_int(town_timer);
    door_remove_int(set_torchlike);
    num_people = 0;
    in_town = FALSE;
    town_walk = FALSE;
    town_timer_flag = FALSE;
    g_place = world_place;
    animate_water = FALSE;
    show_place_window = 0;
    // Arriving on the world map is not a step: no battle roll for it.
    do_battle_test = FALSE;

    int was_virtual = virtual_screen;
    virtual_screen = TRUE;
    looping = FALSE;
    update_screen();
    looping = TRUE;
    virtual_screen = was_virtual;
    fade_to(buffer, 5);
    // The place took the frame timer down; the world map's own pace resumes here.
    reset_fps_timer();
}

void do_town(int town_id)
{
    switch (town_id) {
    case 1: do_lumin_village(); break;
    case 2: do_lumin_castle(); break;
    case 3: do_lumin_agual(); break;
    case 4: do_lumin_mystalia(); break;
    default: message("Error:  Town doesn't exist"); break;
    }
    do_battle_test = FALSE;
    reset_fps_timer();
}

void test_battle()
{
    // The draw is made even when no fight can start, so switching fights off leaves the
    // rest of the game's random sequence as it was.
    int r = rand() % 100;
    if (!fights) return;
    if (g_map_num != -1 && !in_field) return;
    if (r <= enc_rate) do_battle();
}

void update_regions()
{
    if (!mike) return;
    int tx = mike->x / 16, ty = mike->y / 16;
    for (int i = 0; i < 6; i++) {
        const rct& r = regions[i];
        if (r.x == -1) continue;
        if (tx >= r.x && tx <= r.x2 && ty >= r.y && ty <= r.y2 && current_region != i) current_region = i;
    }
}

const char* get_gplace(int mapnum)
{
    if (mapnum == -1) return world_place;
    if (mapnum == 1) return "Lumin Bridge";
    // The scene maps belong to the area their scene is played in: 17 to the woods, 31 to the garden.
    if (mapnum >= 2 && mapnum <= 17) return "Aphondus Woods";
    if (mapnum >= 19 && mapnum <= 31) return "Sand Garden";
    if (const town_plan* plan = plan_of_map(mapnum)) return plan->name;
    return "NOT FOUND!";
}

namespace {

// The western lands are not open yet: Mike is turned back at the border.
void western_limit()
{
    // While a game saved inside an area is about to resume there, Mike's position is the
    // one inside that area, not on the world map, and must be left alone.
    if (old_map_num == 15 || old_map_num == 29) return;
    if (mike->x <= WORLD_WEST_LIMIT) {
        mike->x = WORLD_WEST_LIMIT + 16;
        debug_message = "All in good time..(not finished).";
    } else if (mike->x > WORLD_WEST_LIMIT + 16) {
        debug_message = nullptr;
    }
}

void place_triggers()
{
    auto here = [] { return world_place_at(mike->x, mike->y); };
    if (here() == WP_BRIDGE) {
        enter_place();
        do_lumin_bridge();
    }
    if (here() == WP_VILLAGE) {
        enter_place();
        do_town(1);
        num_people = -1;
    }
    if (here() == WP_CASTLE) {
        enter_place();
        do_town(2);
        num_people = -1;
    }
    if (here() == WP_AGUAL) {
        enter_place();
        do_town(3);
        num_people = -1;
    }
    if (here() == WP_MYSTALIA) {
        enter_place();
        do_town(4);
        num_people = -1;
    }
    if (here() == WP_SAND_GARDEN || old_map_num == 29) {
        enter_place();
        do_sand_garden();
        old_map_num = 0; // the area clears it too; a resume happens once
    }
    if (here() == WP_WOODS || old_map_num == 15) {
        enter_place();
        do_aphondus_woods();
        old_map_num = 0;
        if (story_flag[10]) {
            // Out of the woods after the dead end: the road leads straight on into Agual.
            mike->x = 2320;
            mike->y = 656;
            mx = -2160;
            my = -536;
            fps = 1000;
        }
    }
}

} // namespace

int world_map()
{
    old_map_num = g_map_num;
    exitflag = FALSE;

    open_tilemap("wmap.map");
    g_map_num = -1;
    normal_drawing = TRUE;
    if (characters) mike->current = chr_sprite(ACT_MIKE_DN_A);
    walking_layer = 0;
    if (charlie) charlie->visible = FALSE;
    // A game saved inside a town (at a save spot there) resumes on the world map: Mike's own
    // position was the town's, so he stands outside the entrance kept with it instead.
    if (mike && (old_map_num == 1 || old_map_num >= 101)) place_mike_outside(old_mike_x, old_mike_y);

    virtual_screen = TRUE;
    looping = FALSE;
    update_screen();
    door_play_midi(MUS_WORLD, TRUE);
    playing = MUS_WORLD;
    if (old_map_num == -1) fade_to(buffer, 10);

    virtual_screen = FALSE;
    do_battle_test = FALSE;
    animate_water = FALSE;
    if (door_install_int_ex(fps_proc, BPS_TO_TIMER(GAME_SPEED)) != 0)
        fatalerror("Error installing callback!!\n\n");
    g_place = world_place;
    looping = TRUE;
    reset_fps_timer();
    // Resuming inside an area: let the first pass run straight through to it.
    if (old_map_num != -1) fps = 1000;

    while (!exitflag) {
        update_screen();
        virtual_game_cycle();
        western_limit();
        place_triggers();
        if (do_battle_test) {
            test_battle();
            do_battle_test = FALSE;
        }
        if (story_flag[5] && !story_flag[6]) {
            wrap_wind("Runhon:  The Aphondus Woods are west of here.");
            wrap_wind("Mike:  Ok.");
            story_flag[6] = TRUE;
        }
        update_regions();
        enc_rate = world_enc_rate;
    }

    looping = FALSE;
    door_remove_int(fps_proc);
    destroy_tilemap(map);
    map = nullptr;
    return 0;
}
