// The later scenes of the story: the woods' dead end, Agual's gathering, the
// messenger, Elizabeth at the castle, the Sand Garden with the Mountain, and
// the end note that closes the game. Their words are in story_late_lines.cpp.
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
#include "vantor.h"
#include "vantor_frame.h"
#include "world.h"

namespace {

// The story flags these scenes read and set.
enum LateFlag {
    LF_RUNHON_JOINED = 5,
    LF_DEAD_END = 8,
    LF_DEAD_END_FIGHT = 9,
    LF_GATHERED = 11,
    LF_READY = 13,
    LF_MESSENGER = 14,
    LF_ELIZABETH = 15,
    LF_SAND_ARRIVED = 19,
    LF_PLANT = 20,
};

// Elizabeth's first two actions (her fire and her healing).
constexpr int ELIZABETH_FIRST_ACTIONS = 2;
constexpr int ELIZABETH_JOIN_LEVELS = 5;
// The end note's text width, in letters of the window font.
constexpr int NOTE_WIDTH = 36;

void say(const char* const* lines)
{
    for (const char* const* l = lines; *l; l++) wrap_wind(*l);
    reset_fps_timer();
}

void pause_ms(unsigned ms)
{
    f_update_screen();
    door_rest(ms);
    reset_fps_timer();
}

void music(int num)
{
    door_play_midi(num, TRUE);
    playing = num;
}

RLE_SPRITE* facing(character* c, int face)
{
    switch (face) {
    case DIR_UP: return c->upa;
    case DIR_LEFT: return c->lta;
    case DIR_RIGHT: return c->rta;
    default: return c->dna;
    }
}

void place(character* c, int x, int y, int face)
{
    c->x = x;
    c->y = y;
    c->face = face;
    c->current = facing(c, face);
    c->visible = TRUE;
}

void free_enemies()
{
    for (ftenemy** e : {&enemy1, &enemy2, &enemy3, &enemy4}) {
        uninit_enemy(*e);
        *e = nullptr;
    }
}

// A lost story fight ends the game quietly: no game-over screen, status 0.
[[noreturn]] void lost_story_fight()
{
    free_enemies();
    vantor_shutdown();
    door_exit(0);
}

// Fills the four slots, fights and frees them; TRUE when won.
int story_fight(int boss, BITMAP* background)
{
    for (ftenemy** e : {&enemy1, &enemy2, &enemy3, &enemy4}) {
        *e = alloc_enemy();
        make_enemy(*e, FOE_EMPTY);
    }
    make_enemy(enemy1, boss);
    if (boss == FOE_MOUNTAIN) {
        // The Mountain towers at the back; its two Rocks roll in front of it.
        enemy1->x = 20, enemy1->y = 40;
        make_enemy(enemy2, FOE_ROCK);
        enemy2->x = 140, enemy2->y = 100;
        enemy2->weakness = -1;
        make_enemy(enemy3, FOE_ROCK);
        enemy3->x = 146, enemy3->y = 150;
        enemy3->weakness = -1;
    } else {
        enemy1->x = 40, enemy1->y = 118;
    }
    int old_looping = looping;
    looping = FALSE;
    in_boss_battle = TRUE;
    skip_game_over = TRUE;
    int won = battle(background, MUS_BOSS);
    in_boss_battle = FALSE;
    skip_game_over = FALSE;
    looping = old_looping;
    if (!won) lost_story_fight();
    free_enemies();
    return TRUE;
}

BITMAP* background(int name) { return data ? (BITMAP*)data[name].dat : nullptr; }

// Back on the field after a fight: the map redrawn under the place's music.
void back_from_fight(int tune)
{
    music(tune);
    virtual_screen = TRUE;
    update_screen();
    fade_to(buffer, 5);
    virtual_screen = FALSE;
    reset_fps_timer();
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
            if (t && main_font && a == 255) textout_ex(frame, main_font, t, x1 + 5, y1 + 5 + 8 * row++, -1, -1);
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
    if (!story_flag[LF_RUNHON_JOINED] || story_flag[LF_DEAD_END]) return;
    music(MUS_PERIL);
    say(dead_end_lines);
    if (mike) jump_character(mike);
    story_flag[LF_DEAD_END_FIGHT] = TRUE;
    story_fight(FOE_BARGHEST, background(BATTLE_FOREST));
    story_flag[LF_DEAD_END_FIGHT] = FALSE;
    back_from_fight(MUS_WOODS);
    say(dead_end_after_lines);
    fade_out_2(10);
    story_flag[LF_DEAD_END] = TRUE;
}

void agual_story_gathering()
{
    follow_scene scene;
    if (!story_flag[LF_DEAD_END] || story_flag[LF_GATHERED]) return;
    say(gathering_lines);
    int row = 0;
    for (const char* const* c = gathering_cheer; *c; c++, row++) {
        door_clear_keybuf();
        story_window_2(*c, 60 + 40 * row, 90 + 30 * row, (int)std::strlen(*c) * 8 + 10, 18);
        jreadkey();
        door_clear_keybuf();
        clear_joybuf();
    }
    reset_fps_timer();
    story_flag[LF_GATHERED] = TRUE;
}

void agual_story_messenger()
{
    follow_scene scene;
    if (!story_flag[LF_READY] || story_flag[LF_MESSENGER]) return;
    say(messenger_lines);
    // Runhon keeps his word to Agual; the third place in the party waits for Elizabeth.
    if (ftrunhon) ftrunhon->in_fight = FALSE;
    if (runhon) runhon->visible = FALSE;
    story_flag[LF_MESSENGER] = TRUE;
}

// ---------------------------------------------------------------- the castle

void castle_story_elizabeth()
{
    follow_scene scene;
    if (!story_flag[LF_MESSENGER] || story_flag[LF_ELIZABETH]) return;
    music(MUS_SORROW);
    if (elizabeth && mike) {
        place(elizabeth, mike->x, mike->y - 48, DIR_DOWN);
        pause_ms(1000);
        move_character(elizabeth, DIR_DOWN, 1);
    }
    say(elizabeth_lines);

    if (ftelizabeth) {
        for (int i = 0; i < ELIZABETH_FIRST_ACTIONS; i++) ftelizabeth->actions[i].have = TRUE;
        for (int i = 0; i < ELIZABETH_JOIN_LEVELS; i++) level_up(ftelizabeth);
        ftelizabeth->hp = ftelizabeth->hpmax;
        ftelizabeth->mp = ftelizabeth->mpmax;
        ftelizabeth->alive = TRUE;
        ftelizabeth->in_fight = TRUE;
    }
    // Only three walk together: Runhon stays with Agual.
    if (ftrunhon) ftrunhon->in_fight = FALSE;
    wrap_wind(elizabeth_join);
    if (elizabeth) elizabeth->visible = FALSE;
    reset_fps_timer();
    story_flag[LF_ELIZABETH] = TRUE;
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
    case 0:
        if (!story_flag[LF_ELIZABETH] || story_flag[LF_SAND_ARRIVED]) return;
        music(MUS_SAND);
        if (mike) move_mike(DIR_DOWN, 1);
        say(sand_arrival_lines);
        story_flag[LF_SAND_ARRIVED] = TRUE;
        break;
    case 1:
        if (!story_flag[LF_SAND_ARRIVED] || story_flag[LF_PLANT]) return;
        door_play_sample(SND_PLANT, 255, 128, 1000, FALSE);
        if (mike) jump_character(mike);
        say(sand_plant_lines);
        // The plant is a fight like any out here, and ends the game the same way when lost.
        do_battle();
        say(sand_plant_after_lines);
        story_flag[LF_PLANT] = TRUE;
        break;
    case 2:
        if (!story_flag[LF_PLANT]) return;
        say(sand_court_lines);
        door_play_sample(SND_QUAKE, 255, 128, 1000, FALSE);
        quake_map(40);
        say(sand_quake_lines);
        story_fight(FOE_MOUNTAIN, background(BATTLE_DESERT));
        back_from_fight(MUS_PERIL);
        say(sand_victory_lines);
        pause_ms(1000);
        music(MUS_SORROW);
        say(sand_closing_lines);
        end_note();
    }
}
