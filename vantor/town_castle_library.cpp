// The castle library's shelves and the castle's conversations.
#include <algorithm>
#include <cstring>
#include <map>

#include "dat_names.h"
#include "door.h"
#include "town_castle.h"
#include "town_castle_lines.h"
#include "vantor.h"
#include "world.h"

namespace {

// The story as the castle sees it: which version of each conversation is told.
int castle_stage()
{
    if (story_flag[15]) return 3;
    if (story_flag[2]) return 2;
    if (story_flag[1]) return 1;
    return 0;
}

void read_pages(const char* const* pages)
{
    for (; *pages; pages++) wrap_wind(*pages);
}

// Redraws the current map off-screen, the way every screen comes back after an interlude.
void redraw_offscreen()
{
    int was_virtual = virtual_screen;
    virtual_screen = TRUE;
    looping = FALSE;
    update_screen();
    looping = TRUE;
    virtual_screen = was_virtual;
}

// The average colour of a tile, so that a whole map can be shown one dot per cell.
int tile_colour(int t)
{
    static std::map<int, int> cache;
    auto it = cache.find(t);
    if (it != cache.end()) return it->second;
    int col = makecol(0, 0, 0);
    if (tiles && t >= 0 && t < tiles_dat_count && tiles[t].type == DAT_RLE_SPRITE) {
        RLE_SPRITE* s = (RLE_SPRITE*)tiles[t].dat;
        BITMAP* b = create_bitmap(s->w, s->h);
        if (b) {
            int mask = bitmap_mask_color(b);
            clear_to_color(b, mask);
            draw_rle_sprite(b, s, 0, 0);
            long r = 0, g = 0, bl = 0, n = 0;
            for (int y = 0; y < b->h; y++)
                for (int x = 0; x < b->w; x++) {
                    int p = getpixel(b, x, y);
                    if (p == mask) continue;
                    r += getr(p), g += getg(p), bl += getb(p), n++;
                }
            if (n) col = makecol(r / n, g / n, bl / n);
            destroy_bitmap(b);
        }
    }
    cache[t] = col;
    return col;
}

// A label with a dark edge, readable over any ground.
void atlas_label(BITMAP* bmp, const char* text, int x, int y, bool right)
{
    if (!main_font) return;
    int w = text_length(main_font, text);
    int lx = right ? x + 6 : x - w - 4;
    lx = std::clamp(lx, 1, 319 - w);
    y = std::clamp(y - 4, 1, 230);
    for (int dx = -1; dx <= 1; dx++)
        for (int dy = -1; dy <= 1; dy++)
            if (dx || dy) textout_ex(bmp, main_font, text, lx + dx, y + dy, makecol(16, 16, 24), -1);
    textout_ex(bmp, main_font, text, lx, y, makecol(255, 250, 220), -1);
}

} // namespace

void draw_atlas(BITMAP* bmp)
{
    clear_to_color(bmp, makecol(0, 0, 0));
    TILEMAP* world = load_tilemap("wmap.map");
    if (!world) return;
    if (world->names && tiles) correct_tilemap(world, tiles);
    int woods_x = -1, woods_y = -1;
    for (int y = 0; y < world->ysize; y++)
        for (int x = 0; x < world->xsize; x++) {
            int t = get_sprite_number(world, 0, x, y);
            if (t == WORLD_WOODS_TILE && woods_x < 0) woods_x = x, woods_y = y;
            int top = world->layers > 1 ? get_sprite_number(world, 1, x, y) : -1;
            rectfill(bmp, 2 * x, 2 * y, 2 * x + 1, 2 * y + 1, tile_colour(top >= 0 ? top : t));
        }
    destroy_tilemap(world);

    // Where each place lies, in world pixels, and on which side its name reads best.
    struct Spot {
        int x, y;
        bool right;
    };
    const Spot spots[] = {
        {1632, 272, true},   {1632, 288, false}, {WORLD_BRIDGE_X, WORLD_BRIDGE_Y, false},
        {2336, 656, false},  {1664, 1120, true}, {woods_x * 16, woods_y * 16, false},
        {1568, 1392, false},
    };
    for (int i = 0; i < 7; i++) {
        if (spots[i].x < 0) continue;
        int px = spots[i].x / 8, py = spots[i].y / 8;
        circlefill(bmp, px + 1, py + 1, 2, makecol(16, 16, 24));
        circlefill(bmp, px + 1, py + 1, 1, makecol(255, 220, 80));
        atlas_label(bmp, atlas_names[i], px, py + (i == 1 ? 8 : 0), spots[i].right);
    }
    // The castle is where the reader stands.
    atlas_label(bmp, atlas_you_are_here, 1632 / 8, 272 / 8 - 10, true);
    if (main_font) {
        textout_centre_ex(bmp, main_font, atlas_heading, 161, 5, makecol(16, 16, 24), -1);
        textout_centre_ex(bmp, main_font, atlas_heading, 160, 4, makecol(255, 250, 220), -1);
    }
}

namespace {

void open_atlas(const char* const* pages)
{
    read_pages(pages);
    fade_out_2(5);
    draw_atlas(buffer);
    fade_to(buffer, 5);
    jreadkey();
    door_clear_keybuf();
    fade_out_2(5);
    redraw_offscreen();
    fade_to(buffer, 5);
    reset_fps_timer();
}

// The light of the room sinks or rises one step for each frame drawn.
void light_towards(int target)
{
    while (screen_light != target) {
        screen_light += screen_light < target ? 1 : -1;
        update_screen();
    }
}

void read_core_of_evil(const char* const* pages)
{
    wrap_wind(pages[0]);
    reset_fps_timer();
    light_towards(128);
    door_play_sample(SND_DREAD, 255, 128, 500, TRUE);
    for (int i = 1; i <= 3; i++) wrap_wind(pages[i]);
    door_stop_sample(SND_DREAD);
    reset_fps_timer();
    light_towards(255);
    wrap_wind(pages[4]);
}

} // namespace

void do_library_books(int id)
{
    if (id != 0) return;
    for (int i = 0; i < num_library_books; i++) {
        const library_book& b = library_books[i];
        if (!press_at(b.x, b.y, DIR_UP)) continue;
        switch (b.kind) {
        case BOOK_ATLAS: open_atlas(b.pages); break;
        case BOOK_CORE_OF_EVIL: read_core_of_evil(b.pages); break;
        default: read_pages(b.pages); break;
        }
        talk_key_spent();
        reset_fps_timer();
        return;
    }
}

int castle_talk(int who)
{
    struct Talk {
        int map_num, who;
        castle_talk_text* text;
    };
    static const Talk talks[] = {
        {10201, 1, &gate_guard_west},  {10201, 2, &gate_guard_east},  {10201, 3, &gate_maid},
        {10211, 2, &wounded_soldier},  {10211, 3, &old_patient},      {10212, 1, &soup_soldier},
        {10212, 2, &armor_soldier},    {10212, 3, &clock_soldier},    {10215, 1, &librarian},
        {10215, 2, &young_reader},     {10224, 1, &king_on_throne},   {10224, 2, &merlon_at_court},
        {10224, 3, &royal_guard_west}, {10224, 4, &royal_guard_east}, {10225, 1, &chancellor},
        {10225, 2, &old_general},
    };
    for (const Talk& t : talks) {
        if (t.map_num != g_map_num || t.who != who) continue;
        const char* const* lines = (*t.text)[castle_stage()];
        for (int i = 0; i < TALK_LINES && lines[i]; i++) wrap_wind(lines[i]);
        return TRUE;
    }
    return FALSE;
}

void castle_heal()
{
    wrap_wind(healer_greeting[castle_stage()][0]);
    cure_all(-1);
    message(hp_restored);
    // Knocked-out friends are beyond her: say so, and where help is.
    for (ftchar* f : {ftmike, ftcharlie, ftrunhon, ftelizabeth})
        if (f && f->in_fight && !f->alive) {
            wrap_wind(healer_fallen);
            break;
        }
    talk_key_spent();
    reset_fps_timer();
}
