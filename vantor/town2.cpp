// What Agual and Mystalia share: their people, their rooms, their counters,
// chests and finds, and how a conversation is chosen. The two loops
// themselves are in town2_agual.cpp and town2_mystalia.cpp.
#include "town2.h"

#include <algorithm>
#include <cstdio>

#include "dat_names.h"
#include "door.h"
#include "item.h"
#include "shop.h"
#include "story.h"
#include "town.h"
#include "town2_lines.h"
#include "town2_run.h"
#include "vantor.h"
#include "world.h"

namespace {

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

bool shown(const south_person& p)
{
    if (p.need_flag >= 0 && !story_flag[p.need_flag]) return false;
    if (p.gone_flag >= 0 && story_flag[p.gone_flag]) return false;
    return true;
}

// Draws one frame off-screen and fades it in, as every change of map does.
void fade_in_here()
{
    virtual_screen = TRUE;
    looping = FALSE;
    update_screen();
    looping = TRUE;
    fade_to(buffer, 10);
    virtual_screen = FALSE;
    reset_fps_timer();
}

// The key that closed the last window is often still down when the loop looks
// again; a counter must not open a second time for it.
void wait_for_talk_key_up()
{
    for (;;) {
        door_poll_keyboard();
        door_poll_joystick();
        if (!key[KEY_ENTER] && !door_joy_button(3)) return;
        door_wait();
    }
}

} // namespace

const south_plan* south_plan_of(int map_num)
{
    if (map_num == 103 || (map_num >= 10301 && map_num <= 10310)) return &agual_plan;
    if (map_num == 104 || (map_num >= 10401 && map_num <= 10409)) return &mystalia_plan;
    return nullptr;
}

const south_room* south_room_of(const south_plan* plan, int map_num)
{
    if (!plan) return nullptr;
    for (int i = 0; i < plan->room_count; i++)
        if (plan->rooms[i].map_num == map_num) return &plan->rooms[i];
    return nullptr;
}

void place_south_people(const south_plan* plan, int map_num)
{
    for (int i = 1; i < 30; i++) person[i]->visible = FALSE;
    min_person = 1;
    num_people = -1;
    for (int i = 0; i < plan->people_count; i++) {
        const south_person& p = plan->people[i];
        if (p.map_num != map_num || !shown(p) || !*p.actor) continue;
        character* c = person[p.index];
        *c = **p.actor;
        c->x = p.x;
        c->y = p.y;
        c->face = p.face;
        c->current = facing_frame(c, p.face);
        c->still = p.still;
        c->can_move = FALSE;
        c->xspeed = c->yspeed = 0;
        c->visible = TRUE;
        if (p.index > num_people) num_people = p.index;
    }
}

const town_talk* find_town_talk(const town_talk* table, int count, int map_num, int who, int phase)
{
    for (int i = 0; i < count; i++)
        if (table[i].map_num == map_num && table[i].who == who && (table[i].phases & phase)) return &table[i];
    return nullptr;
}

int agual_phase()
{
    if (story_flag[14]) return AG_AFTER_NEWS;
    if (story_flag[13]) return AG_READY;
    if (story_flag[11]) return AG_RALLIED;
    if (story_flag[5]) return AG_WITH_RUNHON;
    return AG_SEEKING;
}

int mystalia_phase() { return story_flag[17] ? MY_QUIET : MY_UNEASY; }

int town2_talk(int who)
{
    const south_plan* plan = south_plan_of(g_map_num);
    if (!plan) return FALSE;
    // Runhon, upstairs with his books, is the start of his own story.
    if (g_map_num == 10310 && who == 10 && !story_flag[5]) {
        lumin_agual_story(1);
        return TRUE;
    }
    const town_talk* t = plan == &agual_plan
        ? find_town_talk(agual_talks, agual_talk_count, g_map_num, who, agual_phase())
        : find_town_talk(mystalia_talks, mystalia_talk_count, g_map_num, who, mystalia_phase());
    if (!t) return FALSE;
    for (const char* line : t->lines) {
        if (!line) break;
        wrap_wind(line);
    }
    // The harbour master's word is what sends the party back to Lumin.
    if (g_map_num == 10308 && who == 10 && t->phases == AG_RALLIED) story_flag[13] = TRUE;
    return TRUE;
}

int agual_left(int x, int) { return x < 0 ? TRUE : FALSE; }
int mystalia_left(int, int y) { return y < 0 ? TRUE : FALSE; }

// ---- the run of one town (town2_run.h) ----

void south_set_mike(int x, int y, int face)
{
    mike->x = x;
    mike->y = y;
    mike->face = face;
    mike->halved = FALSE;
    mike->current = chr_sprite(standing_frame(face));
}

void south_open_map(const char* file, int map_num)
{
    open_tilemap(file);
    g_map_num = map_num;
    // Every map of these towns is drawn by the general rule, outdoors too: the
    // village's own drawing step is the only other way a map gets drawn.
    normal_drawing = TRUE;
    walking_layer = 0;
    const south_plan* plan = south_plan_of(map_num);
    if (!plan) return;
    for (int i = 0; i < plan->chest_count; i++) {
        const south_chest& c = plan->chest_list[i];
        if (c.map_num == map_num && chests[c.chest].opened)
            set_sprite_number(map, c.layer, c.col, c.row, TILE_CHEST_OPEN);
    }
}

void south_enter_room(const south_plan* plan, const south_room* room, int x, int y, int face)
{
    fade_out_2(10);
    num_torchlikes = -1;
    south_open_map(room->file, room->map_num);
    town_walk = FALSE;
    town_counter = 0;
    town_timer_flag = FALSE;
    place_south_people(plan, room->map_num);
    south_set_mike(x, y, face);
    mx = 0;
    my = 0;
    fade_in_here();
}

void south_back_outdoors(const south_plan* plan, const south_room* room)
{
    fade_out_2(10);
    south_open_map(plan->file, plan->map_num);
    town_walk = TRUE;
    town_counter = 0;
    town_timer_flag = FALSE;
    num_torchlikes = -1;
    place_south_people(plan, plan->map_num);
    // Back on the street one cell below the door of the room he left, facing away from it,
    // whichever door he came in by: a joined room has a street door of its own.
    south_set_mike(room->door_x, room->door_y + 16, DIR_DOWN);
    if (room->door_x == old_mike_x2 && room->door_y == old_mike_y2) {
        mx = old_mx2;
        my = old_my2;
    } else {
        south_centre_camera();
    }
    fade_in_here();
}

int south_doors(const south_plan* plan)
{
    if (g_map_num == plan->map_num) {
        for (int i = 0; i < plan->room_count; i++) {
            const south_room& r = plan->rooms[i];
            if (r.door_x < 0 || mike->x != r.door_x || mike->y != r.door_y) continue;
            old_mx2 = mx;
            old_my2 = my;
            old_mike_x2 = r.door_x;
            old_mike_y2 = r.door_y;
            south_enter_room(plan, &r, r.entry_x, r.entry_y, DIR_UP);
            return TRUE;
        }
        return FALSE;
    }
    for (int i = 0; i < plan->link_count; i++) {
        const south_link& l = plan->links[i];
        if (l.map_num != g_map_num || mike->x != l.x || mike->y != l.y) continue;
        south_enter_room(plan, south_room_of(plan, l.to_map), l.to_x, l.to_y, l.to_face);
        return TRUE;
    }
    const south_room* room = south_room_of(plan, g_map_num);
    if (room && mike->y > room->limit_y) {
        // A room without a street door of its own is left through the room it joins.
        const south_room* out = room;
        for (int i = 0; out->door_x < 0 && i < plan->link_count; i++)
            if (plan->links[i].map_num == room->map_num) out = south_room_of(plan, plan->links[i].to_map);
        south_back_outdoors(plan, out);
        return TRUE;
    }
    return FALSE;
}

void south_centre_camera()
{
    int min_x = std::min(0, 320 - map->xsize * 16), min_y = std::min(0, 240 - map->ysize * 16);
    mx = std::max(min_x, std::min(0, 160 - mike->x));
    my = std::max(min_y, std::min(0, 120 - mike->y));
}

int south_ask(const char* question)
{
    story_window_2(question, 10, 8, 300, 40);
    return choice("Yes", "No");
}

void south_shop(const south_plan* plan, int shop)
{
    const char* const* greetings = plan == &agual_plan ? agual_shop_greetings : mystalia_shop_greetings;
    wrap_wind(greetings[shop]);
    set_up_south_shop(plan, shop);
    do_vantor_shop();
    door_clear_keybuf();
    clear_joybuf();
    reset_fps_timer();
}

void south_inn(const south_plan* plan, int price)
{
    bool agual = plan == &agual_plan;
    if (south_ask(agual ? agual_inn_offer : mystalia_inn_offer) == 1) {
        int had = g_gp;
        do_overnight(price);
        if (g_gp != had || price == 0) wrap_wind(agual ? agual_inn_morning : mystalia_inn_morning);
    } else {
        wrap_wind(agual ? agual_inn_refused : mystalia_inn_refused);
    }
    reset_fps_timer();
}

void south_objects(const south_plan* plan)
{
    for (int i = 0; i < plan->counter_count; i++) {
        const south_counter& c = plan->counters[i];
        if (c.map_num != g_map_num || !press_at(c.x, c.y, c.face)) continue;
        if (c.kind == SOUTH_INN)
            south_inn(plan, c.arg);
        else
            south_shop(plan, c.arg);
        wait_for_talk_key_up();
        return;
    }
    for (int i = 0; i < plan->chest_count; i++) {
        const south_chest& c = plan->chest_list[i];
        if (c.map_num != g_map_num || !press_at(c.col * 16, (c.row + 1) * 16, DIR_UP)) continue;
        do_chest(c.chest, c.col, c.row, c.layer);
        wait_for_talk_key_up();
        return;
    }
    for (int i = 0; i < plan->find_count; i++) {
        const south_find& f = plan->finds[i];
        if (f.map_num != g_map_num || pots[f.pot] || !press_at(f.x, f.y, f.face)) continue;
        char line[120];
        std::snprintf(line, sizeof line, "Found %s", items[f.item].name);
        wrap_wind(line);
        items[f.item].have += 1;
        pots[f.pot] = TRUE;
        wait_for_talk_key_up();
        reset_fps_timer();
        return;
    }
}

void south_arrive(const south_plan* plan, int x, int y, int face, int cam_x, int cam_y)
{
    num_torchlikes = -1;
    town_walk = TRUE;
    town_counter = 0;
    town_timer_flag = FALSE;
    in_town = TRUE;
    place_south_people(plan, plan->map_num);

    fade_out_2(10);
    sound_fade_out(4, 5);
    door_clear_keybuf();
    clear_joybuf();

    south_set_mike(x, y, face);
    mx = cam_x;
    my = cam_y;
    south_open_map(plan->file, plan->map_num);
    if (charlie) charlie->visible = FALSE;
    if (ian) ian->visible = FALSE;

    virtual_screen = TRUE;
    looping = FALSE;
    update_screen();
    door_play_midi(plan->music, TRUE);
    playing = plan->music;
    fade_to(buffer, 10);
    virtual_screen = FALSE;
    animate_water = FALSE;

    if (door_install_int(town_timer, 4000) != 0 || door_install_int(set_torchlike, 500) != 0)
        fatalerror("Error installing callback!!\n\n");
    torchlike_speed = 500;
    g_place = plan->name;
    show_place_window = 255;
    reset_fps_timer();
    looping = TRUE;
}

void south_leave()
{
    // The rain belongs to Agual's streets alone.
    raining = FALSE;
    look_when_talked_to = FALSE;
    num_torchlikes = -1;
    restore_world_map();
}

void set_up_south_shop(const south_plan* plan, int shop)
{
    const bool agual = plan == &agual_plan;
    // Stock of each shop in list order; the attire shop of Mystalia is a branch of Agual's.
    static const item* const agual_items[2][8] = {
        {&blade_shine, &vest_shine, &glass_ball, &combuster, &smoke_bomb},
        {&small_potion, &aloe_drink, &glow_dust, &light_stone, &viver},
    };
    static const item* const mystalia_items[2][8] = {
        {&small_potion, &aloe_drink, &glow_dust, &light_stone, &large_potion, &glow_rock, &viver},
        {&blade_shine, &vest_shine, &glass_ball, &combuster, &smoke_bomb, &spirit_bomb},
    };
    static const char* const names[2][4] = {
        {"Agual Battle Item Shop", "Agual Recovery Item Shop", "Agual Arms Shop", "Agual Attire Shop"},
        {"Mystalia Recovery Item Shop", "Mystalia Battle Item Shop", "Mystalia Arms Shop", "Agual Attire Shop"},
    };
    store_properties& s = current_store;
    s.name = names[agual ? 0 : 1][shop];
    s.num_objects = -1;
    if (shop < 2) {
        s.type = 1;
        for (const item* it : (agual ? agual_items : mystalia_items)[shop]) {
            if (!it) break;
            s.i_list[++s.num_objects] = *it;
        }
    } else if (shop == 2) {
        s.type = 2;
        weapon* const arms[] = {steel_blade, stainless_slasher, apple_copper_blade, mythril_katana, scalder, iron_sword,
                                dreamer, jade_melt, moon_rod};
        int n = agual ? 6 : 9;
        for (int i = 0; i < n; i++) s.w_list[++s.num_objects] = arms[i];
    } else {
        s.type = 3;
        armor* const attire[] = {iron_vest, mythril_vest, apple_copper, warrior_vest, soldier_mail};
        int n = agual ? 4 : 5;
        for (int i = 0; i < n; i++) s.a_list[++s.num_objects] = attire[i];
    }
}
