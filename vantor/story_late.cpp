// The later scenes of the story: the woods' dead end and the Drakian hollow,
// Runhon's gathering in Agual, the messenger, Elizabeth at the castle, the
// Sand Garden with its plant, its Mountain and the sunken gate, and the end
// note that closes the game. Their words are in story_late_lines.cpp; where
// the cast stands and walks is in the tables below, which the tests hold to
// the maps.
#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

#include "battle.h"
#include "dat_names.h"
#include "door.h"
#include "follow.h"
#include "story.h"
#include "story_late_lines.h"
#include "story_scene.h"
#include "tilemap.h"
#include "town.h"
#include "vantor.h"
#include "vantor_frame.h"
#include "world.h"

using namespace scene_kit;

// The walks of the cast, by scene. Each starts on its first cell.
// clang-format off
const scene_walk late_walks[] = {
    // The dead end of map 16: the three face the cut in the rock; the mangler comes out of it.
    {16, 1, {{336, 96}}},                                   // LW_DEAD_END_MIKE
    {16, 1, {{352, 112}}},                                  // LW_DEAD_END_CHARLIE
    {16, 3, {{320, 112}, {320, 80}, {320, 112}}},           // LW_DEAD_END_RUNHON: up to the rock and back
    {16, 2, {{336, 64}, {336, 80}}},                        // LW_DEAD_END_MANGLER
    // The hollow (map 17): in through the cleft, up to the cold hearth; Runhon finds the orders.
    {17, 2, {{144, 320}, {144, 208}}},                      // LW_HOLLOW_MIKE
    {17, 2, {{160, 336}, {160, 224}}},                      // LW_HOLLOW_CHARLIE
    {17, 4, {{144, 352}, {144, 256}, {224, 256}, {224, 192}}},  // LW_HOLLOW_RUNHON
    // That night at the Agual Inn (10302), round the long table.
    {10302, 1, {{192, 144}}},                               // LW_INN_MIKE
    {10302, 1, {{208, 160}}},                               // LW_INN_CHARLIE
    {10302, 1, {{240, 144}}},                               // LW_INN_RUNHON
    {10302, 1, {{32, 64}}},                                 // LW_INN_KEEPER
    // The square of Agual (103): Runhon before the inn, the pair up the east side to join him.
    {103, 1, {{320, 240}}},                                 // LW_SQUARE_RUNHON
    {103, 2, {{352, 368}, {352, 256}}},                     // LW_SQUARE_MIKE
    {103, 2, {{368, 368}, {368, 272}}},                     // LW_SQUARE_CHARLIE
    // The west gate of Agual (103): the messenger runs in from the road.
    {103, 1, {{16, 400}}},                                  // LW_GATE_MIKE
    {103, 1, {{32, 400}}},                                  // LW_GATE_CHARLIE
    {103, 2, {{32, 384}, {80, 384}}},                       // LW_GATE_RUNHON: back into his town
    {103, 2, {{-16, 400}, {0, 400}}},                       // LW_GATE_MESSENGER
    // The gate hall of the castle (10201): Elizabeth and Merlon come down the carpet.
    {10201, 1, {{320, 336}}},                               // LW_HALL_MIKE
    {10201, 1, {{336, 336}}},                               // LW_HALL_CHARLIE
    {10201, 2, {{320, 112}, {320, 320}}},                   // LW_HALL_ELIZABETH
    {10201, 2, {{320, 112}, {320, 288}}},                   // LW_HALL_MERLON
    // The arrival in the Sand Garden (19), down from the cave.
    {19, 2, {{224, 0}, {224, 32}}},                         // LW_SAND_MIKE
    {19, 2, {{208, 0}, {208, 16}}},                         // LW_SAND_CHARLIE
    {19, 2, {{240, 0}, {240, 16}}},                         // LW_SAND_ELIZABETH
    // The ruined court (25), before the shadow seal's cell.
    {25, 1, {{320, 224}}},                                  // LW_COURT_MIKE
    {25, 1, {{304, 224}}},                                  // LW_COURT_CHARLIE
    {25, 1, {{336, 224}}},                                  // LW_COURT_ELIZABETH
    // The sunken gate (31): from the foot of the steps up to the seal before the gate.
    {31, 2, {{160, 336}, {160, 112}}},                      // LW_GATE31_MIKE
    {31, 2, {{144, 336}, {144, 144}}},                      // LW_GATE31_CHARLIE
    {31, 2, {{176, 336}, {176, 144}}},                      // LW_GATE31_ELIZABETH
    // The last evening, at the Mystalia Inn (10402).
    {10402, 1, {{208, 160}}},                               // LW_LAST_MIKE
    {10402, 1, {{240, 144}}},                               // LW_LAST_CHARLIE
    {10402, 1, {{192, 144}}},                               // LW_LAST_ELIZABETH
};
// clang-format on
const int num_late_walks = (int)(sizeof late_walks / sizeof late_walks[0]);

// All Agual in the square, facing Runhon: person entry i + 1 stands on cell i,
// dressed as the town dresses that entry once the gathering is over.
// clang-format off
const int gathering_crowd[27][2] = {
    {240, 272}, {272, 272}, {288, 272}, {304, 272}, {336, 272}, {384, 272}, {416, 272},
    {224, 288}, {256, 288}, {288, 288}, {336, 288}, {400, 288}, {432, 288},
    {240, 304}, {272, 304}, {304, 304}, {320, 304}, {336, 304}, {384, 304}, {416, 304},
    {224, 320}, {256, 320}, {288, 320}, {320, 320}, {400, 320}, {432, 320},
    {304, 336},
};
// clang-format on

const char* late_scene_map_file(int map_num)
{
    switch (map_num) {
    case 16: return "map16.map";
    case 17: return "map17.map";
    case 19: return "map19.map";
    case 25: return "map25.map";
    case 31: return "map31.map";
    case 103: return "town02.map";
    case 10201: return "lcast~1.map";
    case 10302: return "town02~2.map";
    case 10402: return "town03~2.map";
    }
    return nullptr;
}

namespace {

enum {
    LW_DEAD_END_MIKE,
    LW_DEAD_END_CHARLIE,
    LW_DEAD_END_RUNHON,
    LW_DEAD_END_MANGLER,
    LW_HOLLOW_MIKE,
    LW_HOLLOW_CHARLIE,
    LW_HOLLOW_RUNHON,
    LW_INN_MIKE,
    LW_INN_CHARLIE,
    LW_INN_RUNHON,
    LW_INN_KEEPER,
    LW_SQUARE_RUNHON,
    LW_SQUARE_MIKE,
    LW_SQUARE_CHARLIE,
    LW_GATE_MIKE,
    LW_GATE_CHARLIE,
    LW_GATE_RUNHON,
    LW_GATE_MESSENGER,
    LW_HALL_MIKE,
    LW_HALL_CHARLIE,
    LW_HALL_ELIZABETH,
    LW_HALL_MERLON,
    LW_SAND_MIKE,
    LW_SAND_CHARLIE,
    LW_SAND_ELIZABETH,
    LW_COURT_MIKE,
    LW_COURT_CHARLIE,
    LW_COURT_ELIZABETH,
    LW_GATE31_MIKE,
    LW_GATE31_CHARLIE,
    LW_GATE31_ELIZABETH,
    LW_LAST_MIKE,
    LW_LAST_CHARLIE,
    LW_LAST_ELIZABETH,
};

// Person entries of the cast beyond the townspeople of a map.
enum { MANGLER = 28, INNKEEPER = 28, MESSENGER = 28, MERLON = 29 };

// The stones of the ruined court (map 25) that stand up with the Mountain, tile cells.
const int court_rocks[][2] = {{18, 16}, {22, 16}, {21, 17}};

// Who of the square calls out each of Runhon's answers (person entries).
const int gathering_callers[] = {1, 4, 5};
// Who of the square starts each cheer.
const int cheer_callers[] = {8, 13, 22};

// The dress of person entry i of the square: as the town dresses that entry
// once the gathering is over.
const character* crowd_dress(int i)
{
    for (int k = 0; k < agual_plan.people_count; k++) {
        const town_person& p = agual_plan.people[k];
        if (p.map_num == agual_plan.map_num && p.index == i && p.need_flag == SF_AGUAL_GATHERED)
            return *p.actor;
    }
    return townsman_01;
}

// Elizabeth's first two actions (Restore and Auria), and the levels she has caught up on.
constexpr int ELIZABETH_FIRST_ACTIONS = 2;
constexpr int ELIZABETH_JOIN_LEVELS = 5;
// The end note's text width, in letters of the window font.
constexpr int NOTE_WIDTH = 36;

int face_of(int dx, int dy)
{
    if (dx < 0) return DIR_LEFT;
    if (dx > 0) return DIR_RIGHT;
    return dy < 0 ? DIR_UP : DIR_DOWN;
}

// Stands an actor on the first cell of walk w, facing `face`, and shows it.
void stand(character* c, int w, int face)
{
    c->x = late_walks[w].cells[0][0];
    c->y = late_walks[w].cells[0][1];
    c->visible = TRUE;
    turn(c, face);
}

// Walks an actor along walk w from wherever it stands on its first cell.
void walk_along(character* c, int w, int speed = 1)
{
    const scene_walk& s = late_walks[w];
    for (int i = 1; i < s.n; i++) {
        int tx = s.cells[i][0], ty = s.cells[i][1];
        while (c->x != tx || c->y != ty) {
            int d = face_of(tx - c->x, ty - c->y);
            int was_x = c->x, was_y = c->y;
            move_character(c, d, speed);
            if (c->x == was_x && c->y == was_y) return; // the map's edge: no further
        }
    }
}

// The camera centred on (x, y) and held inside the map, as the places keep it.
void centre_on(int x, int y, int* cam_x, int* cam_y)
{
    *cam_x = std::max(std::min(160 - x, 0), std::min(0, 320 - 16 * map->xsize));
    *cam_y = std::max(std::min(120 - y, 0), std::min(0, 240 - 16 * map->ysize));
}

// A short boxed call from someone standing on the map, over his head.
void call_out(const character* who, const char* text)
{
    int wt = (int)std::strlen(text) * 8 + 10;
    int x = std::max(4, std::min(who->x + mx + 8 - wt / 2, 316 - wt));
    int y = std::max(4, who->y + my - 24);
    door_clear_keybuf();
    clear_joybuf();
    story_window_2(text, x, y, wt, 18);
    door_clear_keybuf();
    jreadkey();
    door_clear_keybuf();
    clear_joybuf();
}

void join_the_party(character* c)
{
    c->visible = FALSE;
    reset_fps_timer();
}

// The heroes' walking records that a scene shows beside Mike.
void hide_companions()
{
    for (character* c : {charlie, runhon, elizabeth})
        if (c) c->visible = FALSE;
}

// Splits text into lines of at most width letters at spaces ("_" also breaks).
std::vector<std::string> note_lines(const char* text, int width)
{
    std::vector<std::string> out;
    std::string line, word;
    auto flush_word = [&]() {
        if (word.empty()) return;
        if (!line.empty() && (int)(line.size() + 1 + word.size()) > width) {
            out.push_back(line);
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
        word.clear();
    };
    for (const char* p = text;; p++) {
        if (*p == ' ' || *p == '_' || !*p) {
            flush_word();
            if (*p == '_' || !*p) {
                out.push_back(line);
                line.clear();
            }
            if (!*p) break;
        } else {
            word += *p;
        }
    }
    return out;
}

// ---- the hollow and the inn, after the dead end ----

void the_hollow()
{
    scene_map(late_scene_map_file(17), 17);
    normal_drawing = TRUE;
    stand(mike, LW_HOLLOW_MIKE, DIR_UP);
    stand(charlie, LW_HOLLOW_CHARLIE, DIR_UP);
    stand(runhon, LW_HOLLOW_RUNHON, DIR_UP);
    // In at the cleft, at the bottom of the hollow.
    mx = 0;
    my = 240 - 16 * map->ysize;
    show_field(10);
    pause(500);
    walk_along(mike, LW_HOLLOW_MIKE);
    walk_along(charlie, LW_HOLLOW_CHARLIE);
    // The camera looks over the whole camp and comes back to the party.
    int back = my + 72;
    map_scroll_to(0, 0, 1);
    pause(1000);
    map_scroll_to(0, back, 1);
    say(hollow_lines);
    walk_along(runhon, LW_HOLLOW_RUNHON);
    pause(500);
    say(hollow_orders_lines);
    turn(runhon, DIR_LEFT);
    turn(mike, DIR_RIGHT);
    pause(250);
    say(hollow_leave_lines);
    fade_out_2(10);
}

void the_inn_at_night()
{
    scene_map(late_scene_map_file(10302), 10302);
    normal_drawing = TRUE;
    stand(mike, LW_INN_MIKE, DIR_RIGHT);
    stand(charlie, LW_INN_CHARLIE, DIR_UP);
    stand(runhon, LW_INN_RUNHON, DIR_LEFT);
    cast(INNKEEPER, townclerk_01, late_walks[LW_INN_KEEPER].cells[0][0],
         late_walks[LW_INN_KEEPER].cells[0][1], DIR_DOWN);
    centre_camera();
    show_field(10);
    pause(1000);
    say(agual_inn_night_lines);
    fade_out_2(10);
}

// ---- the Sand Garden's end ----

void the_sunken_gate()
{
    scene_map(late_scene_map_file(31), 31);
    normal_drawing = TRUE;
    stand(mike, LW_GATE31_MIKE, DIR_UP);
    stand(charlie, LW_GATE31_CHARLIE, DIR_UP);
    stand(elizabeth, LW_GATE31_ELIZABETH, DIR_UP);
    // At the foot of the steps the sand has poured down; the gate is at the far end.
    mx = 0;
    my = 240 - 16 * map->ysize;
    show_field(10);
    pause(1000);
    say(gate_arrival_lines);
    map_scroll_to(0, 0, 1);
    pause(500);
    walk_along(charlie, LW_GATE31_CHARLIE);
    walk_along(elizabeth, LW_GATE31_ELIZABETH);
    walk_along(mike, LW_GATE31_MIKE);
    pause(1000);
    say(gate_seal_lines);
    fade_out_2(10);
}

void the_last_evening()
{
    scene_map(late_scene_map_file(10402), 10402);
    normal_drawing = TRUE;
    play(MUS_SORROW);
    stand(mike, LW_LAST_MIKE, DIR_UP);
    stand(charlie, LW_LAST_CHARLIE, DIR_LEFT);
    stand(elizabeth, LW_LAST_ELIZABETH, DIR_RIGHT);
    centre_camera();
    show_field(10);
    pause(1000);
    say(sand_closing_lines);
    pause(1000);
}

} // namespace

std::vector<std::string> end_note_page_lines(int page)
{
    return note_lines(end_note_pages[page], NOTE_WIDTH);
}

// ---------------------------------------------------------------- caption primitives

void mike_thought(const char* txt, int x1, int y1, int y2)
{
    door_clear_keybuf();
    clear_joybuf();
    const char* bar = std::strchr(txt, '_');
    int letters = bar ? (int)(bar - txt) : (int)std::strlen(txt);
    story_window_2(txt, x1, y1, letters * 8 + 6, y2 - y1);
    door_clear_keybuf();
    jreadkey();
    door_clear_keybuf();
}

void fade_in_wind(const char* txt1, const char* txt2, const char* txt3, int x1, int y1)
{
    int longest = 0;
    for (const char* t : {txt1, txt2, txt3})
        if (t) longest = std::max(longest, (int)std::strlen(t));
    int wt = longest * 8 + 10, ht = 34;
    BITMAP* under = create_bitmap(320, 240);
    BITMAP* frame = create_bitmap(320, 240);
    if (!under || !frame) fatalerror("Out of memory!!!\n\n");
    capture_screen(under);
    for (const char* t : {txt1, txt2, txt3})
        if (t) door_log_window(t);
    for (int a = 0; a <= 255; a += 15) {
        blit(under, frame, 0, 0, 0, 0, frame->w, frame->h);
        still_window_ex(frame, x1, y1, wt, ht, a, TRUE);
        int row = 0;
        for (const char* t : {txt1, txt2, txt3})
            if (t && main_font && a == 255)
                textout_ex(frame, main_font, t, x1 + 5, y1 + 5 + 8 * row++, -1, -1);
        show_picture(frame);
        door_rest(20);
    }
    destroy_bitmap(frame);
    destroy_bitmap(under);
    door_clear_keybuf();
    jreadkey();
    door_clear_keybuf();
    clear_joybuf();
}

// ---------------------------------------------------------------- Agual and the woods

void agual_story_dead_end()
{
    follow_scene scene;
    if (!story_flag[SF_RUNHON_JOINED] || story_flag[SF_WOODS_DEAD_END]) return;
    // The three gather before the cut in the rock face.
    fade_out_2(10);
    stand(mike, LW_DEAD_END_MIKE, DIR_UP);
    stand(charlie, LW_DEAD_END_CHARLIE, DIR_UP);
    stand(runhon, LW_DEAD_END_RUNHON, DIR_UP);
    centre_camera();
    show_field(10);
    say(dead_end_lines);
    walk_along(runhon, LW_DEAD_END_RUNHON);
    turn(runhon, DIR_UP);

    // Out of the cleft comes what the Drakians left on guard.
    play(MUS_PERIL);
    const scene_walk& m = late_walks[LW_DEAD_END_MANGLER];
    character* beast = cast(MANGLER, cmangler, m.cells[0][0], m.cells[0][1], DIR_DOWN);
    walk_along(beast, LW_DEAD_END_MANGLER);
    jump_character(mike);
    jump_character(charlie);
    say(dead_end_beast_lines);

    const foe_spot mangler[] = {{FOE_MANGLER, 40, 85}};
    story_flag[SF_WOODS_FIGHT] = TRUE;
    boss_die_effect = TRUE;
    scripted_fight(mangler, 1, BATTLE_FOREST, MUS_PERIL, false, true);
    boss_die_effect = FALSE;
    story_flag[SF_WOODS_FIGHT] = FALSE;
    beast->visible = FALSE;
    say(dead_end_after_lines);
    fade_out_2(10);

    the_hollow();
    the_inn_at_night();

    hide_companions();
    dismiss_cast();
    story_flag[SF_WOODS_DEAD_END] = TRUE;
}

void agual_story_gathering()
{
    follow_scene scene;
    if (!story_flag[SF_WOODS_DEAD_END] || story_flag[SF_AGUAL_GATHERED]) return;
    // The whole town comes out into the square in the rain. The town's name, shown on the
    // way in, would hang over the crowd through every speech.
    fade_out_2(5);
    show_place_window = 0;
    for (int i = 0; i < 27; i++)
        cast(i + 1, crowd_dress(i + 1), gathering_crowd[i][0], gathering_crowd[i][1], DIR_UP);
    stand(runhon, LW_SQUARE_RUNHON, DIR_DOWN);
    stand(mike, LW_SQUARE_MIKE, DIR_UP);
    stand(charlie, LW_SQUARE_CHARLIE, DIR_UP);
    int cam_x, cam_y;
    centre_on(mike->x, mike->y, &cam_x, &cam_y);
    mx = cam_x;
    my = cam_y;
    show_field(5);
    pause(1000);
    // The camera goes up the square to Runhon on the inn's step.
    map_scroll_to(cam_x, std::min(0, cam_y + 72), 1);
    int calls = 0;
    for (int i = 0; gathering_lines[i]; i++) {
        // A fresh square for every line, so the last call's box does not linger under the next.
        f_update_screen();
        wrap_wind(gathering_lines[i]);
        if (gathering_calls[i]) call_out(person[gathering_callers[calls++ % 3]], gathering_calls[i]);
    }
    reset_fps_timer();
    // Runhon calls the two up beside him.
    walk_along(mike, LW_SQUARE_MIKE);
    walk_along(charlie, LW_SQUARE_CHARLIE);
    turn(mike, DIR_DOWN);
    turn(charlie, DIR_DOWN);
    pause(250);
    say(gathering_pair_lines);
    for (int i = 0; gathering_cheer[i]; i++) {
        jump_character(person[cheer_callers[i % 3]]);
        call_out(person[cheer_callers[i % 3]], gathering_cheer[i]);
    }
    // The gathering is what stops the rain over Agual.
    story_flag[SF_AGUAL_GATHERED] = TRUE;
    pause(2000);
    say(gathering_after_lines);
    // The square breaks up; the town goes about its business around Mike.
    fade_out_2(5);
    join_the_party(runhon);
    join_the_party(charlie);
    furnish_map(&agual_plan, agual_plan.map_num);
    place_weather(&agual_plan);
    turn(mike, DIR_DOWN);
    centre_camera();
    show_field(5);
}

void agual_story_messenger()
{
    follow_scene scene;
    if (!story_flag[SF_MESSENGER_DUE] || story_flag[SF_MESSENGER_CAME]) return;
    // Mike is called back from the road at the west gate.
    wrap_wind(messenger_lines[0]);
    stand(mike, LW_GATE_MIKE, DIR_LEFT);
    stand(charlie, LW_GATE_CHARLIE, DIR_LEFT);
    stand(runhon, LW_GATE_RUNHON, DIR_LEFT);
    int cam_x, cam_y;
    centre_on(mike->x, mike->y, &cam_x, &cam_y);
    mx = cam_x;
    my = cam_y;
    const scene_walk& m = late_walks[LW_GATE_MESSENGER];
    character* runner = cast(MESSENGER, lumin_soldier, m.cells[0][0], m.cells[0][1], DIR_RIGHT);
    runner->still = TRUE;
    walk_along(runner, LW_GATE_MESSENGER, 2);
    jump_character(runner);
    pause(500);
    say(messenger_lines + 1);
    // Runhon keeps his word to Agual and walks back into his town.
    walk_along(runhon, LW_GATE_RUNHON);
    runhon->visible = FALSE;
    if (ftrunhon) ftrunhon->in_fight = FALSE;
    turn(mike, DIR_LEFT);
    say(messenger_last_lines);
    runner->visible = FALSE;
    charlie->visible = FALSE;
    reset_fps_timer();
    story_flag[SF_MESSENGER_CAME] = TRUE;
}

// ---------------------------------------------------------------- the castle

void castle_story_elizabeth()
{
    follow_scene scene;
    if (!story_flag[SF_MESSENGER_CAME] || story_flag[SF_ELIZ_JOINED]) return;
    play(MUS_SORROW);
    // The castle's name, shown on the way in, would hang over her first words.
    show_place_window = 0;
    stand(mike, LW_HALL_MIKE, DIR_UP);
    stand(charlie, LW_HALL_CHARLIE, DIR_UP);
    // The camera takes in the hall up to the arch Elizabeth comes through.
    int cam_x, cam_y;
    centre_on(mike->x, mike->y, &cam_x, &cam_y);
    mx = cam_x;
    my = std::min(0, cam_y + 40);
    pause(500);
    // She runs down the hall to meet them; Merlon follows at a courtly pace.
    stand(elizabeth, LW_HALL_ELIZABETH, DIR_DOWN);
    walk_along(elizabeth, LW_HALL_ELIZABETH, 2);
    const scene_walk& m = late_walks[LW_HALL_MERLON];
    character* old_merlon = cast(MERLON, merlon, m.cells[0][0], m.cells[0][1], DIR_DOWN);
    say(elizabeth_meets_lines);
    walk_along(old_merlon, LW_HALL_MERLON);
    pause(250);
    say(elizabeth_lines);

    if (ftelizabeth) {
        for (int i = 0; i < ELIZABETH_FIRST_ACTIONS; i++) ftelizabeth->actions[i].have = TRUE;
        for (int i = 0; i < ELIZABETH_JOIN_LEVELS; i++) level_up(ftelizabeth);
        ftelizabeth->hp = ftelizabeth->hpmax;
        ftelizabeth->mp = ftelizabeth->mpmax;
        ftelizabeth->alive = TRUE;
        ftelizabeth->in_fight = TRUE;
    }
    // Only three walk together: Runhon stayed with Agual.
    if (ftrunhon) ftrunhon->in_fight = FALSE;
    wrap_wind(elizabeth_join);
    say(elizabeth_after_lines);
    old_merlon->visible = FALSE;
    join_the_party(elizabeth);
    join_the_party(charlie);
    map_scroll_to(cam_x, cam_y, 1);
    reset_fps_timer();
    story_flag[SF_ELIZ_JOINED] = TRUE;
}

// ---------------------------------------------------------------- the Sand Garden

void end_note()
{
    fade_out_2(10);
    door_stop_midi();
    playing = -1;
    BITMAP* page = create_bitmap(320, 240);
    if (!page) fatalerror("Out of memory!!!\n\n");
    for (int p = 0; end_note_pages[p]; p++) {
        door_log_window(end_note_pages[p]);
        std::vector<std::string> lines = end_note_page_lines(p);
        clear_to_color(page, makecol(0, 0, 0));
        int ht = (int)lines.size() * 10 + 12;
        int y = (240 - ht) / 2;
        still_window_ex(page, 10, y, 300, ht, 255, TRUE);
        for (size_t i = 0; i < lines.size(); i++)
            if (main_font) textout_ex(page, main_font, lines[i].c_str(), 18, y + 7 + 10 * (int)i, -1, -1);
        fade_to(page, 10);
        door_clear_keybuf();
        jreadkey();
        door_clear_keybuf();
        fade_out_2(10);
    }
    destroy_bitmap(page);
    vantor_shutdown();
    door_exit(0);
}

void sand_garden_story(int n)
{
    follow_scene scene;
    switch (n) {
    case 0: {
        if (!story_flag[SF_ELIZ_JOINED] || story_flag[SF_SAND_ARRIVED]) return;
        play(MUS_SAND);
        stand(mike, LW_SAND_MIKE, DIR_DOWN);
        stand(charlie, LW_SAND_CHARLIE, DIR_DOWN);
        stand(elizabeth, LW_SAND_ELIZABETH, DIR_DOWN);
        walk_along(mike, LW_SAND_MIKE);
        walk_along(charlie, LW_SAND_CHARLIE);
        walk_along(elizabeth, LW_SAND_ELIZABETH);
        say(sand_arrival_lines);
        hide_companions();
        story_flag[SF_SAND_ARRIVED] = TRUE;
        break;
    }
    case 1:
        if (!story_flag[SF_SAND_ARRIVED] || story_flag[SF_SAND_PLANT]) return;
        door_play_sample(SND_PLANT, 255, 128, 1000, FALSE);
        turn(mike, DIR_UP);
        jump_character(mike);
        say(sand_plant_lines);
        // What grows here keeps its guard: three knights out of the sand, and no running from them.
        force_enemy_id = 3;
        force_enemy_sizes = 1;
        in_boss_battle = TRUE;
        skip_game_over = TRUE;
        do_battle();
        in_boss_battle = FALSE;
        skip_game_over = FALSE;
        force_enemy_id = -1;
        force_enemy_sizes = -1;
        say(sand_plant_after_lines);
        story_flag[SF_SAND_PLANT] = TRUE;
        break;
    case 2: {
        if (!story_flag[SF_SAND_PLANT] || story_flag[SF_SAND_END]) return;
        fade_out_2(10);
        stand(mike, LW_COURT_MIKE, DIR_DOWN);
        stand(charlie, LW_COURT_CHARLIE, DIR_DOWN);
        stand(elizabeth, LW_COURT_ELIZABETH, DIR_DOWN);
        centre_camera();
        show_field(10);
        say(sand_court_lines);
        // The stones of the court stand up as the ground shakes.
        play(MUS_PERIL);
        for (const auto& c : court_rocks) set_sprite_number(map, 1, c[0], c[1], TILE_SAND_BOULDER);
        quake_map(60);
        jump_character(charlie);
        say(sand_quake_lines);

        const foe_spot mountain[] = {{FOE_MOUNTAIN, 20, 40}, {FOE_ROCK, 140, 100}, {FOE_ROCK, 146, 150}};
        boss_die_effect = TRUE;
        scripted_fight(mountain, 3, BATTLE_DESERT, MUS_PERIL, false, true);
        boss_die_effect = FALSE;
        // What is left of them is gravel.
        for (const auto& c : court_rocks) {
            set_sprite_number(map, 1, c[0], c[1], -1);
            set_sprite_number(map, 0, c[0], c[1], TILE_SAND_PEBBLES);
        }
        f_update_screen();
        say(sand_victory_lines);
        // Out of the rubble a shadow whirls up and burns its seal into the court.
        shadow_spell_animation(320 + 8 + mx, 272 + 8 + my, update_screen);
        reset_fps_timer();
        say(sand_seal_lines);
        quake_map(40);
        fade_out_2(10);

        the_sunken_gate();
        the_last_evening();
        end_note();
    }
    }
}
