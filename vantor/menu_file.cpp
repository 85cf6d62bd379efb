// Saving and loading a game: the three-slot picker with each slot's summary,
// the overwrite prompt, and the notices of a save that worked or did not.
#include "menu.h"

#include <cstdio>
#include <memory>

#include "door.h"
#include "menu_save.h"
#include "vantor.h"
#include "vantor_frame.h"
#include "world.h"

int file_cursor = 0;

namespace {

struct BitmapDeleter {
    void operator()(BITMAP* b) const { destroy_bitmap(b); }
};
using Bitmap = std::unique_ptr<BITMAP, BitmapDeleter>;

const char* const slot_files[3] = {"f1.vtr", "f2.vtr", "f3.vtr"};

int slot_top(int i) { return 25 + 51 * i; }

void draw_portrait(RLE_SPRITE* who, int x, int y)
{
    if (who) draw_rle_sprite(buffer, who, x, y);
}

void draw_slot(int i, const save_info& s, bool under_cursor)
{
    int top = slot_top(i);
    still_window_ex(buffer, 35, top, 250, 50, under_cursor ? 255 : 128, FALSE);
    still_window(buffer, 35, top, 10, 11);
    if (!main_font) return;
    textprintf_ex(buffer, main_font, 37, top + 2, -1, -1, "%c", '1' + i);
    if (!s.exists || !s.readable) {
        textout_centre_ex(buffer, main_font, "-No Data-", 160, top + 18, -1, -1);
        return;
    }
    if (s.in_fight[0] && ftmike) draw_portrait(ftmike->a, 37, top + 18);
    if (s.in_fight[1] && ftcharlie) draw_portrait(ftcharlie->a, 44, top + 18);
    if (s.in_fight[2] == -2 && ftelizabeth) draw_portrait(ftelizabeth->a, 51, top + 18);
    if (s.in_fight[2] == -1 && ftrunhon) draw_portrait(ftrunhon->a, 51, top + 18);
    textprintf_ex(buffer, main_font, 87, top + 5, -1, -1, "Level - %d", s.mikelev);
    textprintf_ex(buffer, main_font, 87, top + 13, -1, -1, "Hp - %d/%d", s.mikehp, s.mikehpmax);
    textprintf_ex(buffer, main_font, 87, top + 21, -1, -1, "Mp - %d/%d", s.mikemp, s.mikempmax);
    textprintf_ex(buffer, main_font, 87, top + 29, -1, -1, "Location:  %s", s.location ? s.location : "");
    textprintf_ex(buffer, main_font, 87, top + 37, -1, -1, "Gold:  %d", s.gp);
}

void draw_picker(BITMAP* back, const save_info infos[3])
{
    blit(back, buffer, 0, 0, 0, 0, 320, 240);
    for (int i = 0; i < 3; i++) draw_slot(i, infos[i], i == file_cursor);
    blit_buffer();
}

// "File exists, overwrite?" over the darkened picker; TRUE for "Yeah.".
bool overwrite_confirmed()
{
    darken_bitmap(buffer, 128);
    blit_buffer();
    const char* ask = "File exists, overwrite?";
    int len = main_font ? text_length(main_font, ask) : 0;
    story_window_2(ask, 160 - len / 2, 70, len + 6, 16);
    if (choice("Yeah.", "...doh!") == 2) return false;
    beep();
    return true;
}

} // namespace

void get_save_info(const char* file, save_info* info)
{
    PACKFILE* f = pack_fopen(file, "rp");
    if (!f) {
        info->exists = FALSE;
        info->readable = FALSE;
        return;
    }
    pack_fclose(f);
    info->exists = TRUE;
    saved_game g{};
    info->readable = read_save_file(file, &g) && sanitise_saved_game(&g) ? TRUE : FALSE;
    const saved_hero& m = g.heroes[0];
    info->mikelev = m.level;
    info->mikehp = m.hp;
    info->mikehpmax = m.hpmax;
    info->mikemp = m.mp;
    info->mikempmax = m.mpmax;
    info->gp = g.gp;
    info->in_fight[0] = m.in_fight;
    info->in_fight[1] = g.heroes[1].in_fight;
    info->in_fight[2] = g.heroes[3].in_fight ? -2 : g.heroes[2].in_fight;
    info->in_fight[3] = 0;
    info->location = get_gplace(g.map_num);
}

const char* do_menu_file_pick(int saving)
{
    Bitmap back(create_bitmap(320, 240));
    if (!back) fatalerror(nullptr);
    capture_screen(back.get());
    save_info infos[3] = {};
    for (int i = 0; i < 3; i++) get_save_info(slot_files[i], &infos[i]);

    // Every control acts when it goes down; keys already down when the picker
    // opens (the Enter that chose "Save") count only once let go.
    control_edges keys;
    start_control_edges(&keys);
    const bool* hit = keys.hit;
    bool dirty = true;
    for (;;) {
        read_control_edges(&keys);
        door_clear_keybuf();
        if (hit[CTL_CANCEL]) {
            beep();
            clear_joybuf();
            return nullptr;
        }
        if (hit[CTL_UP] || hit[CTL_DOWN]) {
            beep();
            file_cursor = (file_cursor + (hit[CTL_UP] ? 2 : 1)) % 3;
            dirty = true;
        }
        if (hit[CTL_OK]) {
            beep();
            if (saving && infos[file_cursor].exists) {
                if (!overwrite_confirmed()) return nullptr;
                // "Saved!" is shown over the picker, at the chosen slot's row.
                draw_picker(back.get(), infos);
            }
            clear_joybuf();
            return slot_files[file_cursor];
        }
        if (dirty) {
            draw_picker(back.get(), infos);
            dirty = false;
        }
        door_wait();
    }
}

int save_game()
{
    const char* file = do_menu_file_pick(TRUE);
    if (!file) return FALSE;
    saved_game g;
    capture_saved_game(&g);
    if (!write_save_file(file, g)) {
        capture_screen(buffer);
        still_window(buffer, 50, 90, 200, 20);
        if (main_font) textout_ex(buffer, main_font, "Error opening file", 100, 92, -1, -1);
        blit_buffer();
        door_clear_keybuf();
        jreadkey();
        clear_joybuf();
        door_clear_keybuf();
        return FALSE;
    }
    const char* done = "Saved!";
    int len = main_font ? text_length(main_font, done) : 0;
    story_window_2(done, 160 - len / 2, 35 + 51 * (file[1] - '1'), len + 6, 16);
    door_rest(1000);
    return TRUE;
}

int load_game()
{
    const char* file = do_menu_file_pick(FALSE);
    if (!file) return FALSE;
    // The file is read into a copy of the running game, which takes it only
    // when the whole file was read and makes a game that can be played.
    saved_game g;
    capture_saved_game(&g);
    if (!read_save_file(file, &g) || !sanitise_saved_game(&g)) {
        message("Error reading file!");
        return FALSE;
    }
    apply_saved_game(g);
    return TRUE;
}
