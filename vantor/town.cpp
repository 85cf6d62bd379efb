// The shared steps of every place: arriving from the world map, opening and
// furnishing one map at a time, rooms behind doors, chests and one-time finds,
// counters, the town loop, leaving with the world map put back, and the tile
// animation step.
#include "town.h"

#include <algorithm>
#include <cstdio>

#include "dat_names.h"
#include "door.h"
#include "item.h"
#include "shop.h"
#include "town_castle.h"
#include "vantor.h"
#include "world.h"

torchlike torchlikes[21];
int num_torchlikes = -1;
int torchlike_speed = 500;
int tile_change_counter = 0;
int save_on = FALSE, save_x = 0, save_y = 0, save_pos = 0, save_speed = 1, mike_in_save = FALSE;
int look_when_talked_to = FALSE;
store_properties current_store;
int continue_town = FALSE;
const town_plan* current_plan = nullptr;

namespace {

const int MAX_TORCHES = 21;

// The room Mike is in, null outdoors.
const town_room* current_room = nullptr;

// The outdoor door Mike came in by: a room joined to another may send him out of its own.
int entered_x = 0, entered_y = 0;

// Which table entry each person record holds on the outdoor map; a room that
// borrows a record for its own people clears its entry, so that the street is
// furnished afresh for that person and not with the room's.
const town_person* outdoor_placed[30];

// The rain loop is heard on the street only, and only while it rains.
int rain_heard = FALSE;

void rain_sound(int on)
{
    if (on && !rain_heard) door_play_sample(SND_RAIN, 96, 128, 1000, TRUE);
    if (!on && rain_heard) door_stop_sample(SND_RAIN);
    rain_heard = on;
}

int standing_frame(int face)
{
    switch (face) {
    case DIR_UP: return ACT_MIKE_UP_A;
    case DIR_LEFT: return ACT_MIKE_LT_A;
    case DIR_RIGHT: return ACT_MIKE_RT_A;
    default: return ACT_MIKE_DN_A;
    }
}

RLE_SPRITE* facing_frame(const character* c, int face)
{
    switch (face) {
    case DIR_UP: return c->upa;
    case DIR_LEFT: return c->lta;
    case DIR_RIGHT: return c->rta;
    default: return c->dna;
    }
}

// The other frame of the same direction, so a standing person treads on the spot.
RLE_SPRITE* tread_twin(const character* p)
{
    RLE_SPRITE* const pairs[4][2] = {{p->dna, p->dnb}, {p->upa, p->upb}, {p->lta, p->ltb}, {p->rta, p->rtb}};
    for (auto& pair : pairs) {
        if (p->current == pair[0]) return pair[1];
        if (p->current == pair[1]) return pair[0];
    }
    return p->current;
}

void hide_people()
{
    for (int i = 1; i < 30; i++)
        if (person[i]) person[i]->visible = FALSE;
    num_people = -1;
    town_counter = 0;
    town_timer_flag = FALSE;
}

bool person_wanted(const town_person& p)
{
    if (p.need_flag >= 0 && p.need_flag <= 100 && !story_flag[p.need_flag]) return false;
    if (p.gone_flag >= 0 && p.gone_flag <= 100 && story_flag[p.gone_flag]) return false;
    return p.index >= 1 && p.index < 30 && p.actor && *p.actor && person[p.index];
}

// Puts the townspeople of a map in `person`. With `keep` the records already
// there (left standing where they were when Mike went indoors) are only shown again.
void place_people(const town_plan* plan, int map_num, bool keep)
{
    hide_people();
    min_person = 1;
    bool outdoors = map_num == plan->map_num;
    for (int i = 0; i < plan->people_count; i++) {
        const town_person& p = plan->people[i];
        if (p.map_num != map_num || !person_wanted(p)) continue;
        character* c = person[p.index];
        if (!keep || outdoor_placed[p.index] != &p) {
            outdoor_placed[p.index] = outdoors ? &p : nullptr;
            *c = **p.actor;
            c->x = p.x;
            c->y = p.y;
            c->face = p.face;
            c->current = facing_frame(c, p.face);
            c->still = p.still;
            c->xspeed = c->yspeed = 0;
            c->can_move = FALSE;
        }
        c->visible = TRUE;
        num_people = std::max(num_people, p.index);
    }
}

void place_torches(const town_plan* plan, int map_num)
{
    num_torchlikes = -1;
    int n = 0;
    for (int i = 0; i < plan->torch_count && n < MAX_TORCHES; i++) {
        const town_torch& t = plan->torches[i];
        if (t.map_num != map_num) continue;
        torchlikes[n].id = 0;
        torchlikes[n].state = 0;
        torchlikes[n].x = t.x / 16;
        torchlikes[n].y = t.y / 16;
        n++;
    }
    if (n) num_torchlikes = n;
}

void place_save_spot(const town_plan* plan, int map_num)
{
    save_on = FALSE;
    for (int i = 0; i < plan->save_count; i++) {
        const town_save& s = plan->saves[i];
        if (s.map_num != map_num) continue;
        save_on = TRUE;
        save_x = s.x;
        save_y = s.y;
        save_pos = 0;
        save_speed = 1;
    }
}

void redraw_open_chests(const town_plan* plan, int map_num)
{
    for (int i = 0; i < plan->chest_count; i++) {
        const town_chest& c = plan->chest_list[i];
        if (c.map_num == map_num && c.chest >= 0 && c.chest <= 500 && chests[c.chest].opened)
            set_sprite_number(map, c.layer, c.col, c.row, TILE_CHEST_OPEN);
    }
}

void load_room(const town_plan* plan, const town_room* room, int x, int y, int face)
{
    fade_out_2(10);
    open_place_map(room->file, room->map_num);
    town_walk = FALSE;
    current_room = room;
    mike->x = x;
    mike->y = y;
    mike->face = face;
    mike->current = chr_sprite(standing_frame(face));
    centre_camera();
    furnish_map(plan, room->map_num);
    show_place_map(-2);
}

// The places' own objects and triggers, by plan.
void place_objects(const town_plan* plan)
{
    if (plan == &village_plan) village_objects();
}

// What a place does each time one of its maps comes up.
void map_shown(const town_plan* plan)
{
    place_weather(plan);
    if (plan == &mystalia_plan) mystalia_map_shown();
}

// What a place does as Mike walks off its leaving edge.
void town_left(const town_plan* plan)
{
    if (plan == &agual_plan) agual_gate_left();
}

// Doors, links and the way out of a room: TRUE when Mike is on another map now.
int change_map(const town_plan* plan)
{
    if (current_room) {
        const room_link* l = link_at(plan, mike->x, mike->y);
        if (l) {
            follow_link(plan, l);
            return TRUE;
        }
        if (mike->y > current_room->limit_y) {
            leave_room(plan);
            return TRUE;
        }
        return FALSE;
    }
    const town_room* r = room_at_door(plan, mike->x, mike->y);
    if (!r) return FALSE;
    enter_room(plan, r, mike->x, mike->y);
    return TRUE;
}

} // namespace

void begin_place(int town, int walk)
{
    num_torchlikes = -1;
    town_walk = walk;
    town_counter = 0;
    town_timer_flag = FALSE;
    in_town = town;
    min_person = 1;
    hide_people();
    save_on = FALSE;
    mike_in_save = FALSE;
    current_room = nullptr;
    fade_out_2(10);
    sound_fade_out(8, 10);
    door_clear_keybuf();
    clear_joybuf();
}

void open_place_map(const char* file, int map_num)
{
    open_tilemap(file);
    g_map_num = map_num;
    // Only the bridge and the village draw their maps by rules of their own.
    normal_drawing = (map_num == 1 || map_num == 101) ? FALSE : TRUE;
    if (mike) {
        mike->current = chr_sprite(standing_frame(mike->face));
        mike->halved = FALSE;
    }
    walking_layer = 0;
    if (charlie) charlie->visible = FALSE;
    if (ian) ian->visible = FALSE;
}

void furnish_map(const town_plan* plan, int map_num)
{
    place_people(plan, map_num, false);
    place_torches(plan, map_num);
    place_save_spot(plan, map_num);
    redraw_open_chests(plan, map_num);
}

void show_place_map(int music)
{
    int was_virtual = virtual_screen;
    virtual_screen = TRUE;
    looping = FALSE;
    update_screen();
    if (music >= 0) {
        door_play_midi(music, TRUE);
        playing = music;
    }
    fade_to(buffer, 10);
    looping = TRUE;
    virtual_screen = was_virtual;
    reset_fps_timer();
}

void start_place_timers(const char* name, int torch_ms)
{
    if (door_install_int(town_timer, 4000) != 0 || door_install_int(set_torchlike, torch_ms) != 0)
        fatalerror("Error installing callback!!\n\n");
    torchlike_speed = torch_ms;
    tile_change_counter = 0;
    g_place = name;
    show_place_window = 255;
    reset_fps_timer();
    looping = TRUE;
}

void enter_town(const town_plan* plan)
{
    enter_town_at(plan, plan->start_x, plan->start_y, plan->start_face, plan->start_mx, plan->start_my);
}

void enter_town_at(const town_plan* plan, int x, int y, int face, int cam_x, int cam_y)
{
    current_plan = plan;
    begin_place(TRUE, plan->walk);
    mike->x = x;
    mike->y = y;
    mike->face = face;
    mx = cam_x;
    my = cam_y;
    open_place_map(plan->file, plan->map_num);
    furnish_map(plan, plan->map_num);
    place_weather(plan);
    show_place_map(plan->music);
    start_place_timers(plan->name, 500);
}

void place_weather(const town_plan* plan)
{
    raining = plan->rains && g_map_num == plan->map_num && !story_flag[plan->rain_stop] ? TRUE : FALSE;
    if (raining) reset_rain();
    rain_sound(raining);
    look_when_talked_to = plan->face_mike ? TRUE : FALSE;
}

void leave_place()
{
    // The rain and the manners belong to the place alone.
    raining = FALSE;
    rain_sound(FALSE);
    look_when_talked_to = FALSE;
    current_plan = nullptr;
    current_room = nullptr;
    save_on = FALSE;
    num_torchlikes = -1;
    hide_people();
    num_people = 0;
    restore_world_map();
}

void place_pass()
{
    update_screen();
    virtual_game_cycle();
}

void centre_camera()
{
    if (!map || !mike) return;
    mx = std::max(std::min(160 - mike->x, 0), std::min(0, 320 - 16 * map->xsize));
    my = std::max(std::min(120 - mike->y, 0), std::min(0, 240 - 16 * map->ysize));
}

const town_plan* plan_of_map(int map_num)
{
    if (map_num >= 10201 && map_num <= 10226) return &castle_plan;
    for (const town_plan* p : {&village_plan, &agual_plan, &mystalia_plan})
        if (p->map_num == map_num || room_of(p, map_num)) return p;
    return nullptr;
}

const town_room* room_at_door(const town_plan* plan, int x, int y)
{
    for (int i = 0; i < plan->room_count; i++) {
        const town_room& r = plan->rooms[i];
        if (r.door_x >= 0 && r.door_x == x && r.door_y == y) return &r;
        if ((r.door2_x || r.door2_y) && r.door2_x == x && r.door2_y == y) return &r;
    }
    return nullptr;
}

const town_room* room_of(const town_plan* plan, int map_num)
{
    for (int i = 0; i < plan->room_count; i++)
        if (plan->rooms[i].map_num == map_num) return &plan->rooms[i];
    return nullptr;
}

void enter_room(const town_plan* plan, const town_room* room, int door_x, int door_y)
{
    old_mx2 = mx;
    old_my2 = my;
    old_mike_x2 = entered_x = door_x;
    old_mike_y2 = entered_y = door_y;
    load_room(plan, room, room->entry_x, room->entry_y, DIR_UP);
}

void follow_link(const town_plan* plan, const room_link* link)
{
    const town_room* to = room_of(plan, link->to_map);
    if (!to) return;
    // Out through this room's own door, if it has one, rather than the one Mike came in by.
    load_room(plan, to, link->to_x, link->to_y, link->to_face);
    if (to->door_x >= 0) {
        old_mike_x2 = to->door_x;
        old_mike_y2 = to->door_y;
    }
}

void leave_room(const town_plan* plan)
{
    fade_out_2(10);
    open_place_map(plan->file, plan->map_num);
    current_room = nullptr;
    town_walk = plan->walk;
    num_torchlikes = -1;
    mike->x = old_mike_x2;
    mike->y = old_mike_y2 + 16;
    mike->face = DIR_DOWN;
    mike->current = chr_sprite(ACT_MIKE_DN_A);
    mx = old_mx2;
    my = old_my2;
    // Out of another door than the one he came in by: the camera finds him there.
    if (old_mike_x2 != entered_x || old_mike_y2 != entered_y) centre_camera();
    place_people(plan, plan->map_num, true);
    place_torches(plan, plan->map_num);
    place_save_spot(plan, plan->map_num);
    redraw_open_chests(plan, plan->map_num);
    show_place_map(-2);
}

const room_link* link_at(const town_plan* plan, int x, int y)
{
    for (int i = 0; i < plan->link_count; i++) {
        const room_link& l = plan->links[i];
        if (l.map_num == g_map_num && l.x == x && l.y == y) return &l;
    }
    return nullptr;
}

int use_chests(const town_plan* plan)
{
    for (int i = 0; i < plan->chest_count; i++) {
        const town_chest& c = plan->chest_list[i];
        if (c.map_num != g_map_num || !press_at(c.col * 16, c.row * 16 + 16, DIR_UP)) continue;
        do_chest(c.chest, c.col, c.row, c.layer);
        talk_key_spent();
        return TRUE;
    }
    return FALSE;
}

int use_finds(const town_plan* plan)
{
    for (int i = 0; i < plan->find_count; i++) {
        const town_find& f = plan->finds[i];
        if (f.map_num != g_map_num || f.pot < 0 || f.pot > 100 || pots[f.pot]) continue;
        if (!press_at(f.x, f.y, f.face)) continue;
        char line[120];
        // The bag's name of an item begins with its icon glyph.
        snprintf(line, sizeof line, "Found %s", items[f.item].name);
        wrap_wind(line);
        items[f.item].have += 1;
        pots[f.pot] = TRUE;
        talk_key_spent();
        reset_fps_timer();
        return TRUE;
    }
    return FALSE;
}

void use_objects(const town_plan* plan)
{
    if (!use_chests(plan)) use_finds(plan);
}

const counter_spot* counter_at(const town_plan* plan)
{
    if (!plan || !mike) return nullptr;
    for (int i = 0; i < plan->counter_count; i++) {
        const counter_spot& c = plan->counters[i];
        if (c.map_num == g_map_num && c.x == mike->x && c.y == mike->y && c.face == mike->face) return &c;
    }
    return nullptr;
}

void use_counter(const town_plan* plan, const counter_spot* c)
{
    if (c->kind == COUNTER_INN) {
        do_inn(c->arg);
    } else if (c->kind == COUNTER_SHOP && c->arg >= 0 && c->arg < plan->shop_count) {
        open_shop(&plan->shops[c->arg]);
    }
}

void open_shop(const town_shop* shop)
{
    if (shop->greeting) wrap_wind(shop->greeting);
    fill_store(shop);
    do_vantor_shop();
    door_clear_keybuf();
    clear_joybuf();
    talk_key_spent();
}

void fill_store(const town_shop* shop)
{
    current_store = store_properties{};
    current_store.type = shop->type;
    current_store.name = shop->name;
    int n = 0;
    for (int k = 0; k < 12 && shop->stock[k] >= 0; k++) {
        int s = shop->stock[k];
        if (shop->type == 1 && s < NUM_ITEM_TEMPLATES)
            current_store.i_list[n++] = item_template(s);
        else if (shop->type == 2 && s < 100 && weapon_list[s])
            current_store.w_list[n++] = weapon_list[s];
        else if (shop->type == 3 && s < 100 && armor_list[s])
            current_store.a_list[n++] = armor_list[s];
    }
    current_store.num_objects = n - 1;
}

int left_town(const town_plan* plan)
{
    if (!map || !mike) return FALSE;
    switch (plan->leave_dir) {
    case DIR_DOWN: return mike->y > map->ysize * 16 - 16 ? TRUE : FALSE;
    case DIR_UP: return mike->y < 0 ? TRUE : FALSE;
    case DIR_LEFT: return mike->x < 0 ? TRUE : FALSE;
    case DIR_RIGHT: return mike->x > map->xsize * 16 - 16 ? TRUE : FALSE;
    }
    return FALSE;
}

void run_town(const town_plan* plan)
{
    continue_town = TRUE;
    while (continue_town) {
        place_pass();
        // A scene may have stopped the rain; its sound stops with it.
        if (rain_heard && !raining) rain_sound(FALSE);
        if (change_map(plan)) {
            map_shown(plan);
            continue;
        }
        use_objects(plan);
        place_objects(plan);
        if (!current_room && left_town(plan)) {
            town_left(plan);
            continue_town = FALSE;
        }
    }
    leave_place();
}

void do_tile_changing()
{
    int before = tile_change_counter++;
    if (torchlike_speed == 500 || before % 2 == 1) {
        for (int i = 0; i < num_torchlikes && i < MAX_TORCHES; i++) {
            torchlike& t = torchlikes[i];
            if (t.id != 0) continue;
            t.state = 1 - t.state;
            set_sprite_number(map, 1, t.x, t.y, TILE_TORCH_A + t.state);
        }
        for (int i = std::max(min_person, 0); i <= num_people && i < 30; i++) {
            character* p = person[i];
            if (p) p->current = tread_twin(p);
        }
    }
    if (raining && map && map->layers > 2) {
        for (int y = 0; y < 50; y++)
            for (int x = 0; x < 50; x++) {
                int t = get_sprite_number(map, 2, x, y);
                if (t == TILE_RAIN_SHEEN_A)
                    set_sprite_number(map, 2, x, y, TILE_RAIN_SHEEN_B);
                else if (t == TILE_RAIN_SHEEN_B)
                    set_sprite_number(map, 2, x, y, TILE_RAIN_SHEEN_A);
            }
    }
    if (save_on) {
        save_pos += save_speed;
        if (save_pos != 1) save_speed = -save_speed;
    }
    torchlike_flag = FALSE;
}
