// Story scenes: the choreography. Who stands where, who walks when, which
// fight comes next; the words are in story_lines.cpp.
#include "story.h"

#include <cstring>
#include <string>

#include "area.h"
#include "battle.h"
#include "dat_names.h"
#include "door.h"
#include "follow.h"
#include "story_lines.h"
#include "story_scene.h"
#include "town.h"
#include "town_castle.h"
#include "vantor.h"
#include "world.h"

using namespace scene_kit;

namespace {

// Runhon's spells: the first slots of his action table.
constexpr int RUNHON_ACTIONS = 3;

// ---- the dream ----

// A caption of the unseen voice, faded in over the dark, then a key.
void dream_caption(const char* text)
{
    std::string lines[3];
    int n = 0;
    for (const char* p = text; *p && n < 3; p++) {
        if (*p == '_')
            n++;
        else
            lines[n] += *p;
    }
    n = std::min(n + 1, 3);
    int wt = 0;
    for (int i = 0; i < n; i++) wt = std::max(wt, text_length(main_font, lines[i].c_str()));
    wt += 12;
    int ht = 8 * n + 10;
    int x = 160 - wt / 2, y = 60;
    for (int a = 15; a <= 255; a += 16) {
        clear_to_color(buffer, makecol(0, 0, 0));
        still_window_ex(buffer, x, y, wt, ht, a, TRUE);
        if (a >= 255 - 16)
            for (int i = 0; i < n; i++)
                textout_ex(buffer, main_font, lines[i].c_str(), x + 6, y + 5 + 8 * i, -1, -1);
        blit_buffer();
        door_rest(40);
    }
    door_clear_keybuf();
    jreadkey();
    door_clear_keybuf();
    clear_joybuf();
}

// Mike's thought in a box below the caption, then a key.
void dream_thought(const char* text)
{
    door_clear_keybuf();
    clear_joybuf();
    story_window_2(text, 40, 150, 240, 30);
    door_clear_keybuf();
    jreadkey();
    door_clear_keybuf();
    clear_joybuf();
}

void the_dream()
{
    play(MUS_DREAM);
    fade_out_2(10);
    for (int i = 0; dream_voice[i]; i++) {
        dream_caption(dream_voice[i]);
        dream_thought(dream_thoughts[i]);
    }
    fade_out_2(10);
}

// ---- the bridge ----

enum {
    JACK = 1,
    DRAKIAN_A = 2,
    DRAKIAN_B = 3,
    POST_X = 144,
    POST_Y = 1248, // where Mike keeps watch, near the south end
    BRIDGE_SCENE_MX = 0,
    BRIDGE_SCENE_MY = -1128,
    DRAKIAN_FROM_Y = 1120,
};

const foe_spot two_soldiers[] = {{FOE_DRAKIAN_SOLDIER, 75, 90}, {FOE_DRAKIAN_SOLDIER, 65, 130}};

void open_bridge()
{
    in_town = TRUE;
    town_walk = FALSE;
    dismiss_cast();
    char file[16];
    open_tilemap(area_map_file(BRIDGE_MAP, file));
    g_map_num = BRIDGE_MAP;
    normal_drawing = FALSE;
    walking_layer = 0;
    animate_water = TRUE;
    num_torchlikes = num_bridge_torches;
    for (int i = 0; i < num_bridge_torches; i++) {
        torchlikes[i].id = 0;
        torchlikes[i].state = 0;
        torchlikes[i].x = bridge_torches[i][0];
        torchlikes[i].y = bridge_torches[i][1];
    }
    door_install_int(set_torchlike, 250);
    if (charlie) charlie->visible = FALSE;
    mike->x = POST_X;
    mike->y = POST_Y;
    mike->visible = TRUE;
    turn(mike, DIR_UP);
    mx = BRIDGE_SCENE_MX;
    my = BRIDGE_SCENE_MY;
    cast(JACK, lumin_soldier, POST_X + 16, POST_Y, DIR_LEFT);
}

// Two Drakians march down the bridge towards the post.
void drakians_come()
{
    character* a = cast(DRAKIAN_A, drakian_soldier, POST_X, DRAKIAN_FROM_Y, DIR_DOWN);
    character* b = cast(DRAKIAN_B, drakian_soldier, POST_X + 16, DRAKIAN_FROM_Y, DIR_DOWN);
    walk_two(a, b, DIR_DOWN, 5);
    turn(mike, DIR_UP);
    turn(person[JACK], DIR_UP);
}

void drakians_gone()
{
    person[DRAKIAN_A]->visible = FALSE;
    person[DRAKIAN_B]->visible = FALSE;
    pause(500);
}

int bridge_fight(bool may_lose)
{
    return scripted_fight(two_soldiers, 2, BATTLE_GRASS, MUS_BRIDGE, may_lose);
}

void jack_water()
{
    say(bridge_jack_water);
    ftmike->alive = TRUE;
    ftmike->hp = ftmike->hpmax;
}

// Mike on the world map just below the bridge entrance, as a new game starts there.
void leave_bridge_state()
{
    free_foes();
    destroy_tilemap(map);
    map = nullptr;
    mike->x = WORLD_START_X;
    mike->y = WORLD_START_Y;
    mike->visible = TRUE;
    turn(mike, DIR_DOWN);
    mx = WORLD_START_MX;
    my = WORLD_START_MY;
    g_map_num = -1;
}

void leave_bridge()
{
    fade_out_2(20);
    play(-1);
    door_remove_int(set_torchlike);
    num_torchlikes = -1;
    dismiss_cast();
    in_town = FALSE;
    animate_water = FALSE;
    if (charlie) charlie->visible = FALSE;
    leave_bridge_state();
}

// ---- the village ----

enum {
    LONG_HOUSE = 10106,
    CHARLIES_HOUSE = 10107,
    INN = 10105,
    INN_COUNTER_X = 544,
    INN_COUNTER_Y = 384,
    ELIZ = 1,
};

const foe_spot barghest[] = {{FOE_BARGHEST, 40, 118}};

// Mike and Charlie back at the inn's counter, the village's own music again.
void back_to_the_inn()
{
    scene_map("town01~5.map", INN);
    normal_drawing = TRUE;
    furnish_map(&village_plan, INN);
    mike->x = INN_COUNTER_X;
    mike->y = INN_COUNTER_Y;
    turn(mike, DIR_DOWN);
    if (charlie) charlie->visible = FALSE;
    centre_camera();
    show_place_map(MUS_VILLAGE);
    reset_fps_timer();
}

} // namespace

void story_beginning()
{
    follow_scene scene;
    int was_speed = GAME_SPEED;
    the_dream();

    open_bridge();
    play(MUS_BRIDGE);
    show_field(10);
    pause(1000);
    say(bridge_wake);
    turn(mike, DIR_UP);
    turn(person[JACK], DIR_UP);
    drakians_come();
    say(bridge_soldiers_come);

    // Mike alone against the first two: the only fight the story goes on from either way.
    ftcharlie->in_fight = FALSE;
    ftelizabeth->in_fight = FALSE;
    ftrunhon->in_fight = FALSE;
    if (bridge_fight(true)) {
        drakians_gone();
        say(bridge_first_won);
    } else {
        drakians_gone();
        ftmike->alive = TRUE;
        ftmike->hp = ftmike->hpmax;
        say(bridge_first_lost);
    }

    for (int fight = 2; fight <= 3; fight++) {
        say(bridge_more_come);
        drakians_come();
        // Jack keeps Mike on his feet between the waves: alone and still hurt
        // from the last one, a level-one Mike could not live through the next.
        ftmike->alive = TRUE;
        ftmike->hp = ftmike->hpmax;
        bridge_fight(false);
        drakians_gone();
    }
    say(bridge_third_over);
    jack_water();

    // Charlie runs up from the south bank.
    charlie->x = POST_X + 16;
    charlie->y = POST_Y + 128;
    charlie->visible = TRUE;
    turn(charlie, DIR_UP);
    walk(charlie, DIR_UP, 7);
    turn(mike, DIR_DOWN);
    say(bridge_charlie_arrives);
    ftcharlie->in_fight = TRUE;
    drakians_come();
    turn(charlie, DIR_UP);
    // The fight in which Charlie hands over his potions.
    story_flag[SF_BRIDGE_FIGHT] = TRUE;
    bridge_fight(false);
    drakians_gone();

    say(bridge_fifth);
    drakians_come();
    bridge_fight(false);
    drakians_gone();

    say(bridge_last);
    drakians_come();
    bridge_fight(false);
    drakians_gone();

    turn(mike, DIR_RIGHT);
    turn(charlie, DIR_LEFT);
    turn(person[JACK], DIR_DOWN);
    say(bridge_closing);
    walk_two(mike, charlie, DIR_DOWN, 2);
    leave_bridge();
    GAME_SPEED = was_speed;
}

void skip_opening()
{
    story_flag[SF_BRIDGE_FIGHT] = FALSE;
    leave_bridge_state();
}

void council_scene_one()
{
    follow_scene scene;
    enum { MERLON = 1, KING = 2 };
    character* merlon_here = cast(MERLON, merlon, 320, 112, DIR_DOWN);
    mike->visible = TRUE;
    reset_fps_timer();
    charlie->x = mike->x;
    charlie->y = mike->y + 16;
    charlie->visible = TRUE;
    turn(charlie, DIR_UP);
    // Into the middle aisle first, then up to Merlon.
    while (mike->x != 320) walk_two(mike, charlie, mike->x < 320 ? DIR_RIGHT : DIR_LEFT, 1);
    while (mike->y > 160) walk_two(mike, charlie, DIR_UP, 1);
    walk(merlon_here, DIR_RIGHT, 1);
    walk(merlon_here, DIR_DOWN, 1);
    turn(merlon_here, DIR_LEFT);
    say(council_greeting);
    walk(merlon_here, DIR_UP, 1);
    walk(merlon_here, DIR_LEFT, 1);
    walk(merlon_here, DIR_UP, 1);
    merlon_here->visible = FALSE;
    pause(1000);
    turn(mike, DIR_DOWN);
    say(council_waiting);
    turn(mike, DIR_UP);
    merlon_here->visible = TRUE;
    walk(merlon_here, DIR_DOWN, 1);
    say(council_back);
    walk(merlon_here, DIR_UP, 1);
    merlon_here->visible = FALSE;
    walk_two(mike, charlie, DIR_UP, 1);

    // The throne room.
    scene_map(castle_map_file(24), 10224);
    normal_drawing = TRUE;
    cast(KING, lumin_king, 320, 176, DIR_DOWN);
    cast(MERLON, merlon, 288, 176, DIR_DOWN);
    mike->x = 320;
    mike->y = 352;
    turn(mike, DIR_UP);
    charlie->x = 320;
    charlie->y = 368;
    charlie->visible = TRUE;
    turn(charlie, DIR_UP);
    mx = -160;
    my = -104;
    show_field(10);
    walk_two(mike, charlie, DIR_UP, 8);
    // Side by side before the throne.
    walk(charlie, DIR_RIGHT, 1);
    walk(charlie, DIR_UP, 1);
    turn(charlie, DIR_UP);
    say(council_before_king);
    for (int i = 0; council_mission[i]; i++) {
        if (!council_mission[i][0]) {
            pause(i % 2 ? 2000 : 1000);
            continue;
        }
        wrap_wind(council_mission[i]);
    }
    reset_fps_timer();
    say(council_gifts);
    items[1].have += 5;
    items[4].have += 5;
    g_gp += 500;
    wrap_wind(council_gold);
    say(council_farewell);
    turn(mike, DIR_DOWN);
    turn(charlie, DIR_DOWN);
    pause(500);
    walk_two(mike, charlie, DIR_DOWN, 6);
    mike->visible = FALSE;
    charlie->visible = FALSE;
    turn(person[MERLON], DIR_RIGHT);
    turn(person[KING], DIR_LEFT);
    pause(1000);
    say(council_after);
    fade_out_2(5);
    mike->visible = TRUE;
    dismiss_cast();
    story_flag[SF_COUNCIL_HEARD] = TRUE;
}

void lumin_village_story(int id)
{
    follow_scene scene;
    if (id == 0) {
        // Charlie peels off towards the inn on the way in.
        charlie->x = mike->x - 16;
        charlie->y = mike->y;
        charlie->visible = TRUE;
        turn(charlie, DIR_RIGHT);
        turn(mike, DIR_LEFT);
        pause(500);
        wrap_wind(village_to_inn);
        walk(charlie, DIR_UP, 3);
        charlie->visible = FALSE;
        turn(mike, DIR_UP);
        reset_fps_timer();
        return;
    }
    if (id != 1) return;

    // The night, in the long house.
    sound_fade_out(4, 5);
    scene_map("town01~6.map", LONG_HOUSE);
    normal_drawing = TRUE;
    play(MUS_NIGHT);
    mike->x = 224;
    mike->y = 240;
    turn(mike, DIR_RIGHT);
    charlie->x = 256;
    charlie->y = 240;
    charlie->visible = TRUE;
    turn(charlie, DIR_LEFT);
    // The whole width of the room, its far wall at the top of the screen.
    int cam_x = -120, cam_y = -120;
    mx = cam_x;
    my = cam_y;
    show_field(10);
    say(night_evening);
    screen_light = 140;
    pause(2000);
    say(night_noise);
    // The camera looks down to the door, where the noise is, and back.
    map_scroll_to(cam_x, 240 - 16 * map->ysize, 1);
    character* eliz = cast(ELIZ, elizabeth, 272, 368, DIR_UP);
    walk(eliz, DIR_UP, 5);
    map_scroll_to(cam_x, cam_y, 1);
    turn(mike, DIR_DOWN);
    say(night_eliz);

    // Mike, Charlie (half asleep) and Elizabeth against the beast.
    ftelizabeth->in_fight = TRUE;
    ftelizabeth->alive = TRUE;
    ftelizabeth->hp = ftelizabeth->hpmax;
    story_flag[SF_NIGHT_FIGHT] = TRUE;
    story_flag[SF_ELIZ_HEALS] = TRUE;
    flagers[0] = 0;
    scripted_fight(barghest, 1, BATTLE_GRASS, MUS_NIGHT, false);
    story_flag[SF_ELIZ_HEALS] = FALSE;
    ftelizabeth->in_fight = FALSE;
    say(night_after_fight);
    walk(eliz, DIR_DOWN, 5);
    eliz->visible = FALSE;
    fade_out_2(10);
    screen_light = 255;

    // The morning, at Charlie's house: Mike still in bed, Charlie up and poking the fire.
    scene_map("town01~7.map", CHARLIES_HOUSE);
    normal_drawing = TRUE;
    play(MUS_MORNING);
    mike->x = 224;
    mike->y = 160;
    turn(mike, DIR_DOWN);
    charlie->x = 288;
    charlie->y = 176;
    charlie->visible = TRUE;
    turn(charlie, DIR_UP);
    // The room in the middle of the screen.
    mx = -168;
    my = -48;
    show_field(10);
    pause(1000);
    turn(charlie, DIR_LEFT);
    wrap_wind(morning_lines[0]);
    walk(mike, DIR_DOWN, 2);
    walk(mike, DIR_RIGHT, 3);
    walk(charlie, DIR_DOWN, 1);
    turn(charlie, DIR_LEFT);
    turn(mike, DIR_RIGHT);
    say(morning_lines + 1);
    fade_out_2(10);
    charlie->visible = FALSE;
    story_flag[SF_NIGHT_PASSED] = TRUE;
    story_flag[SF_COUNCIL_HEARD] = FALSE;
    back_to_the_inn();
}

void lumin_agual_story(int id)
{
    follow_scene scene;
    if (id == 0) {
        charlie->x = mike->x + 16;
        charlie->y = mike->y;
        charlie->visible = TRUE;
        turn(charlie, DIR_LEFT);
        pause(500);
        wrap_wind(agual_too_early);
        turn(charlie, DIR_DOWN);
        turn(mike, DIR_DOWN);
        pause(500);
        charlie->visible = FALSE;
        reset_fps_timer();
        return;
    }
    if (id == 1) {
        say(runhon_meeting);
        ftrunhon->in_fight = TRUE;
        ftrunhon->alive = TRUE;
        // He learns nothing by level, so he comes with everything he has: Rain,
        // Freeze and Anti-Rain. Without them a mage joined with an empty Action menu.
        for (int i = 0; i < RUNHON_ACTIONS; i++) ftrunhon->actions[i].have = TRUE;
        runhon->x = mike->x;
        runhon->y = mike->y;
        runhon->visible = FALSE;
        if (person[10]) person[10]->visible = FALSE;
        story_flag[SF_RUNHON_JOINED] = TRUE;
        reset_fps_timer();
        return;
    }
    switch (id) {
    case 2: agual_story_dead_end(); break;
    case 3: agual_story_gathering(); break;
    case 5: agual_story_messenger(); break;
    }
}

void lumin_sand_garden_story(int id)
{
    follow_scene scene;
    if (id >= 0 && id <= 2) sand_garden_story(id);
}

void lumin_castle_story(int id)
{
    follow_scene scene;
    if (id == 0) castle_story_elizabeth();
}
