// The loops of Lumin Bridge, the Aphondus Woods and the Sand Garden.
// The two wild areas run one map at a time: the map's loop ends when Mike
// walks off an edge (the next map comes up at once) or leaves the area.
#include "area.h"

#include <string>

#include "area_lines.h"
#include "door.h"
#include "item.h"
#include "story.h"
#include "tilemap.h"
#include "town.h"
#include "vantor.h"
#include "world.h"

namespace {

const int woods_music = 31;
const int sand_music = 66;

// One wild area: its maps, their joins and what lies on them.
struct area_plan {
    const char* name;
    const area_link* links;
    int num_links;
    int music;
};
const area_plan woods_plan = {"Aphondus Woods", woods_links, num_woods_links, woods_music};
const area_plan sand_plan = {"Sand Garden", sand_links, num_sand_links, sand_music};

int continue_area = FALSE; // FALSE ends the area
int leave = FALSE;         // TRUE ends the loop of the current map

// Mike stands at (x, y) facing `face`; the map he is put on gives him his standing frame.
void place_mike(int x, int y, int face, int cam_x, int cam_y)
{
    mike->x = x;
    mike->y = y;
    mike->face = face;
    mx = cam_x;
    my = cam_y;
}

// Loads area map `num` and lays out what the game draws on it: chests already
// opened, herbs already taken, the save spot.
void open_area_map(int num)
{
    char file[16];
    open_place_map(area_map_file(num, file), num);
    for (int i = 0; i < num_woods_chests; i++) {
        const area_chest& c = woods_chests[i];
        if (c.map == num && chests[c.id].opened) set_sprite_number(map, 1, c.col, c.row, 216);
    }
    for (int i = 0; i < num_sand_finds; i++) {
        const area_find& f = sand_finds[i];
        if (f.map == num && pots[f.pot]) set_sprite_number(map, 1, f.col, f.row, -1);
    }
    save_on = FALSE;
    for (int i = 0; i < num_area_saves; i++)
        if (area_saves[i].map == num) {
            save_on = TRUE;
            save_x = area_saves[i].x;
            save_y = area_saves[i].y;
            save_pos = 0;
            save_speed = 1;
        }
}

// The first map of an area comes up out of black with the area's music.
void arrive(const area_plan* plan, int num, int x, int y, int face, int cam_x, int cam_y)
{
    // Nobody walks in the areas; the scenes bring their own cast.
    begin_place(FALSE, FALSE);
    num_people = -1;
    place_mike(x, y, face, cam_x, cam_y);
    exitflag = FALSE;
    open_area_map(num);

    // Battles and walking off the edges belong to the wild areas.
    in_field = TRUE;
    enc_rate = 2;
    do_battle_test = FALSE;
    bound_check = FALSE;
    moving_restricted = FALSE;

    // A fight in the area brought the area's music back already.
    show_place_map(playing != plan->music ? plan->music : -2);
    animate_water = FALSE;
    start_place_timers(plan->name, 500);
}

// Everything an area changed is put back, however it was left: the world map
// must never inherit its battles, open edges or a frozen Mike.
void depart()
{
    in_field = FALSE;
    do_battle_test = FALSE;
    enc_rate = world_enc_rate;
    bound_check = TRUE;
    moving_restricted = FALSE;
    virtual_screen = FALSE;
    save_on = FALSE;
    mike_in_save = FALSE;
    leave = TRUE;
    continue_area = FALSE;
    leave_place();
}

// Walking off an edge: the next map's number, Mike and camera, or the world.
void test_edges(const area_plan* plan)
{
    int w = map->xsize * 16, h = map->ysize * 16;
    const area_link* l = area_link_at(plan->links, plan->num_links, g_map_num, mike->x, mike->y, w, h);
    if (!l) {
        // An edge that leads nowhere: the maps close every such edge, but should a
        // step ever get out, Mike is put back rather than lost off the map.
        if (mike->x < 0 || mike->y < 0 || mike->x >= w || mike->y >= h) {
            mike->x = mike->x < 0 ? 0 : mike->x >= w ? w - 16 : mike->x;
            mike->y = mike->y < 0 ? 0 : mike->y >= h ? h - 16 : mike->y;
        }
        return;
    }
    // No more steps and no more drawing before the change.
    leave = TRUE;
    virtual_screen = TRUE;
    moving_restricted = TRUE;
    do_battle_test = FALSE;
    if (l->to == -1) {
        continue_area = FALSE;
        return;
    }
    mike->x = l->x;
    mike->y = l->y;
    mx = l->cam_x;
    my = l->cam_y;
    g_map_num = l->to;
}

// The next map of the area, shown at once in place of the last.
void change_map(int num)
{
    open_area_map(num);
    moving_restricted = FALSE;
    leave = FALSE;
    virtual_screen = TRUE;
    looping = FALSE;
    update_screen();
    looping = TRUE;
    virtual_screen = FALSE;
    reset_fps_timer();
}

void roll_for_battle()
{
    if (!leave && do_battle_test) {
        test_battle();
        do_battle_test = FALSE;
    }
}

// ---------------------------------------------------------------- the woods

void woods_chests_here()
{
    for (int i = 0; i < num_woods_chests; i++) {
        const area_chest& c = woods_chests[i];
        if (c.map == g_map_num && press_at(c.col * 16, (c.row + 1) * 16, DIR_UP))
            do_chest(c.id, c.col, c.row, 1);
    }
}

// The dead end of map 16: with Runhon along, the scene there ends the woods.
void woods_scene()
{
    const area_trigger& t = woods_scene_cells;
    if (g_map_num != t.map || mike->y < t.y1 || mike->y > t.y2 || mike->x < t.x1 || mike->x > t.x2) return;
    if (!story_flag[5] || story_flag[8]) return;
    lumin_agual_story(2);
    if (story_flag[8]) {
        story_flag[10] = TRUE;
        leave = TRUE;
        continue_area = FALSE;
    }
}

// ---------------------------------------------------------------- the sand garden

void sand_finds_here()
{
    for (int i = 0; i < num_sand_finds; i++) {
        const area_find& f = sand_finds[i];
        if (f.map != g_map_num || pots[f.pot]) continue;
        int x = f.col * 16, y = f.row * 16;
        // Picked by facing the herb, or by bending down while standing on it.
        bool on_it = mike->x == x && mike->y == y && press_at(x, y, mike->face);
        if (!on_it && !press_at_object(x, y)) continue;
        std::string line = std::string(found_prefix) + items[f.item].name;
        wrap_wind(line.c_str());
        items[f.item].have += 1;
        pots[f.pot] = TRUE;
        set_sprite_number(map, 1, f.col, f.row, -1);
        talk_key_spent();
        reset_fps_timer();
    }
}

void sand_objects_here()
{
    for (int i = 0; i < num_sand_objects; i++) {
        const area_object& o = sand_objects[i];
        if (o.map != g_map_num || !press_at(o.x, o.y, o.face)) continue;
        const char* const* lines = o.flag >= 0 && o.later && story_flag[o.flag] ? o.later : o.lines;
        for (int k = 0; lines[k]; k++) wrap_wind(lines[k]);
        talk_key_spent();
        reset_fps_timer();
    }
}

bool inside(const area_trigger& t)
{
    return g_map_num == t.map && mike->x >= t.x1 && mike->x <= t.x2 && mike->y >= t.y1 && mike->y <= t.y2;
}

void sand_scenes()
{
    if (inside(sand_plant_cells) && story_flag[19] && !story_flag[20]) lumin_sand_garden_story(1);
    if (inside(sand_court_cells) && story_flag[20] && !story_flag[21]) lumin_sand_garden_story(2);
}

// One area from its first map (or, for a game saved there, from its save spot)
// until Mike walks out of it.
void run_area(const area_plan* plan, int start_map, int sx, int sy, int face, int cam_x, int cam_y,
              bool resumed)
{
    arrive(plan, start_map, sx, sy, face, cam_x, cam_y);
    if (resumed) {
        // The game was saved standing on the spot: it must not open again at once.
        old_map_num = 0;
        mike_in_save = TRUE;
    }
    if (plan == &sand_plan && start_map == SAND_START_MAP && story_flag[15] && !story_flag[19])
        lumin_sand_garden_story(0);

    continue_area = TRUE;
    leave = FALSE;
    while (continue_area) {
        while (!leave) {
            place_pass();
            test_edges(plan);
            roll_for_battle();
            if (leave) break;
            if (plan == &woods_plan) {
                woods_chests_here();
                woods_scene();
            } else {
                sand_finds_here();
                sand_objects_here();
                sand_scenes();
            }
        }
        if (continue_area) change_map(g_map_num);
    }
    depart();
}

} // namespace

void do_lumin_bridge()
{
    begin_place(TRUE, FALSE);
    num_people = -1;
    // The bridge has only the river to listen to.
    door_stop_midi();
    playing = -1;
    place_mike(BRIDGE_START_X, BRIDGE_START_Y, DIR_UP, BRIDGE_CAM_X, BRIDGE_CAM_Y);
    exitflag = FALSE;
    char file[16];
    open_place_map(area_map_file(BRIDGE_MAP, file), BRIDGE_MAP);
    num_torchlikes = num_bridge_torches;
    for (int i = 0; i < num_bridge_torches; i++) {
        torchlikes[i].id = 0;
        torchlikes[i].state = 0;
        torchlikes[i].x = bridge_torches[i][0];
        torchlikes[i].y = bridge_torches[i][1];
    }
    animate_water = TRUE;
    show_place_map(-1);
    start_place_timers("Lumin Bridge", 250);

    // Southwards off the last row is the way home.
    while (mike->y <= BRIDGE_START_Y) place_pass();
    in_town = FALSE;
    leave_place();
}

void do_aphondus_woods()
{
    if (old_map_num == WOODS_RESUME_MAP)
        run_area(&woods_plan, WOODS_RESUME_MAP, WOODS_RESUME_X, WOODS_RESUME_Y, DIR_DOWN, WOODS_RESUME_CAM_X,
                 WOODS_RESUME_CAM_Y, true);
    else
        run_area(&woods_plan, WOODS_START_MAP, WOODS_START_X, WOODS_START_Y, DIR_LEFT, WOODS_START_CAM_X,
                 WOODS_START_CAM_Y, false);
}

void do_sand_garden()
{
    if (old_map_num == SAND_RESUME_MAP)
        run_area(&sand_plan, SAND_RESUME_MAP, SAND_RESUME_X, SAND_RESUME_Y, DIR_DOWN, SAND_RESUME_CAM_X,
                 SAND_RESUME_CAM_Y, true);
    else
        run_area(&sand_plan, SAND_START_MAP, SAND_START_X, SAND_START_Y, DIR_DOWN, SAND_START_CAM_X,
                 SAND_START_CAM_Y, false);
}
