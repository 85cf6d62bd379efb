// The debug editor, for testers: set or clear any story flag and set how
// many of any item the party holds, then go back to the field. Each key acts
// once per press: a held Enter acting on every pass would run through the
// stages and store a value the tester never chose.
#include "vantor.h"

#include <algorithm>

#include "dat_names.h"
#include "door.h"

namespace {

enum { PAGE_MAIN, PAGE_FLAGS, PAGE_ITEMS };
constexpr int ROW_FLAGS = 100, ROW_ITEMS = 110;
constexpr int LAST_FLAG = 100, LAST_SLOT = 100;

// The keys the editor reads, each true on the pass it goes down.
struct presses {
    bool up, down, enter, esc;
};

presses read_presses()
{
    static bool was[4];
    const int keys[4] = {KEY_UP, KEY_DOWN, KEY_ENTER, KEY_ESC};
    bool hit[4];
    for (int i = 0; i < 4; i++) {
        bool now = key[keys[i]] != 0;
        hit[i] = now && !was[i];
        was[i] = now;
    }
    return {hit[0], hit[1], hit[2], hit[3]};
}

struct editor {
    int page = PAGE_MAIN;
    int row = ROW_FLAGS;
    int index = 0;
    int stage = 0;
    int value = 0;
    bool quit = false;
};

void text_centre(const char* s, int y)
{
    if (main_font) textout_centre_ex(buffer, main_font, s, 160, y, -1, -1);
}

void main_page(editor& e, const presses& k)
{
    if (k.up || k.down) {
        e.row += k.up ? 10 : -10;
        if (e.row > ROW_ITEMS) e.row = ROW_FLAGS;
        if (e.row < ROW_FLAGS) e.row = ROW_ITEMS;
        beep();
    }
    if (k.enter) {
        beep();
        e.page = e.row == ROW_FLAGS ? PAGE_FLAGS : PAGE_ITEMS;
        e.index = e.value = e.stage = 0;
    } else if (k.esc) {
        beep();
        e.quit = true;
    }
    text_centre("-Debug Functions-", 5);
    text_centre("Edit Story Flags", ROW_FLAGS);
    text_centre("Give/Take Items", ROW_ITEMS);
    draw_cursor(60, e.row);
}

// Enter moves through the stages: read the value, then store it.
void advance(editor& e, int* slot)
{
    beep();
    e.stage++;
    if (e.stage == 1) e.value = *slot;
    if (e.stage == 2) {
        *slot = e.value;
        e.stage = 0;
    }
}

void flag_page(editor& e, const presses& k)
{
    if (k.up || k.down) {
        beep();
        if (e.stage == 0) {
            e.index += k.up ? 1 : -1;
            if (e.index < 0) e.index = LAST_FLAG;
            if (e.index > LAST_FLAG) e.index = 0;
        } else {
            e.value = k.up ? TRUE : FALSE;
        }
    }
    if (k.enter) {
        advance(e, &story_flag[e.index]);
    } else if (k.esc) {
        beep();
        e.page = PAGE_MAIN;
    }
    text_centre("-Story Flags-", 5);
    if (!main_font) return;
    textprintf_ex(buffer, main_font, 5, 15, -1, -1, "Select Flag: %d", e.index);
    if (e.stage == 1)
        textprintf_ex(buffer, main_font, 5, 25, -1, -1, "Value: %s", e.value ? "TRUE" : "FALSE");
}

void item_page(editor& e, const presses& k)
{
    if (k.up || k.down) {
        beep();
        int d = k.up ? 1 : -1;
        if (e.stage == 0)
            e.index = std::clamp(e.index + d, 0, LAST_SLOT);
        else
            e.value = std::max(e.value + d, 0);
    }
    if (k.enter) {
        advance(e, &items[e.index].have);
    } else if (k.esc) {
        beep();
        e.page = PAGE_MAIN;
    }
    text_centre("-Give/Take Items-", 5);
    if (!main_font) return;
    textprintf_ex(buffer, main_font, 5, 15, -1, -1, "%s", items[e.index].name);
    if (e.stage == 1) textprintf_ex(buffer, main_font, 5, 25, -1, -1, "Amount Owned: %d", e.value);
}

} // namespace

void debug_editor()
{
    editor e;
    while (!e.quit) {
        door_poll_keyboard();
        presses k = read_presses();
        still_window_ex(buffer, 0, 0, 319, 239, 255, FALSE);
        switch (e.page) {
        case PAGE_MAIN: main_page(e, k); break;
        case PAGE_FLAGS: flag_page(e, k); break;
        case PAGE_ITEMS: item_page(e, k); break;
        }
        door_clear_keybuf();
        blit_buffer();
        // Unpaced, but every pass waits for the retrace: the door's clock moves on.
        door_vsync();
    }
    door_clear_keybuf();
    door_remove_int(fps_proc);
    fps = fpscounter = actual_fps_counter = 0;
    if (door_install_int_ex(fps_proc, BPS_TO_TIMER(GAME_SPEED ? GAME_SPEED : 60)) != 0)
        fatalerror("Error installing callback!!\n\n");
}
