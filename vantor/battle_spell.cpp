// The enemies' spells: Shorty's lightning and Metalor's dark rain, and the
// shadow whirl a story scene casts on the field or in a battle.
#include "battle.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <vector>

#include "action.h"
#include "action_draw.h"
#include "dat_names.h"
#include "door.h"
#include "vantor.h"

namespace {

struct BitmapDeleter {
    void operator()(BITMAP* b) const { destroy_bitmap(b); }
};
using Bitmap = std::unique_ptr<BITMAP, BitmapDeleter>;

// Waits while the frame is ahead of the pacer.
void keep_pace()
{
    fpscounter++;
    for (int waits = 0; fpscounter > fps && looping && waits < 1000; waits++) door_wait();
}

// A jagged bolt from the top of the screen down to (x, y), in a few bent strokes.
void draw_bolt(int x, int y)
{
    int c = makecol(230, 230, 255);
    int px = x + rand() % 41 - 20, py = -10;
    const int strokes = 5;
    for (int i = 1; i <= strokes; i++) {
        int nx = i == strokes ? x : x + rand() % 31 - 15;
        int ny = i == strokes ? y : py + (y - py) / (strokes - i + 1);
        grad_line(buffer, px, py, nx, ny, 15, c);
        px = nx, py = ny;
    }
}

struct Drop {
    float x, y, speed;
    int len;
};

} // namespace

void bolt_spell_animation(int x, int y)
{
    LIGHTMAP* glow[8];
    for (int i = 0; i < 8; i++) {
        BITMAP* src = data ? (BITMAP*)data[BOLT_GLOW_1 + i].dat : nullptr;
        glow[i] = src ? create_lightmap(src) : nullptr;
        if (!glow[i]) fatalerror("Out of memory!!\n\n");
    }
    door_play_sample(SND_THUNDER, 255, 128, 1000, FALSE);
    reset_battle_timer();
    virtual_screen = TRUE;
    for (int f = 0; f < 11; f++) {
        ft_update_screen();
        if (!drew_last) continue;
        // The strike flickers: a fresh bolt every other frame, the glow building and dying away.
        if (f % 2 == 0 || f < 4) draw_bolt(x, y);
        LIGHTMAP* l = glow[std::min(f, 10 - f) % 8];
        draw_lightmap(buffer, l, x - l->wt / 2, y - l->ht / 2);
        blit_buffer();
    }
    for (LIGHTMAP* l : glow) destroy_lightmap(l);
    virtual_screen = FALSE;
}

void dark_rain_spell_animation(int x, int y)
{
    Bitmap scene(create_bitmap(320, 240));
    if (!scene) fatalerror("Out of memory!!\n\n");
    // What is on show now (the doubled display scaled back down).
    capture_screen(scene.get());
    std::vector<Drop> drops(500);
    for (Drop& d : drops) {
        d.x = (float)(x - 200 + rand() % 400);
        d.y = (float)(y - rand() % 400);
        d.speed = 2.0f + (rand() % 300) / 100.0f;
        d.len = 3 + rand() % 5;
    }
    door_play_sample(SND_GRIND, 255, 128, 1500, TRUE);
    set_battle_pacer(120);
    int dark = makecol(40, 0, 60), edge = makecol(120, 60, 160);
    for (int f = 0; f < 700; f++) {
        for (Drop& d : drops) {
            d.y += d.speed;
            d.x -= d.speed * 0.25f;
            if (d.y > 190) {
                d.y = (float)(y - rand() % 60);
                d.x = (float)(x - 200 + rand() % 440);
            }
        }
        blit(scene.get(), buffer, 0, 0, 0, 0, 320, 240);
        int a = f < 445 ? 220 : std::max(0, 220 - (f - 445) * 220 / 255);
        set_trans_blender(0, 0, 0, a);
        drawing_mode(DRAW_MODE_TRANS, nullptr, 0, 0);
        // The sky darkens under the rain, then clears with it.
        rectfill(buffer, 0, 0, 319, 189, makecol(10, 0, 20));
        set_trans_blender(0, 0, 0, std::min(255, a + 30));
        for (const Drop& d : drops) {
            int dx = (int)d.x, dy = (int)d.y;
            line(buffer, dx, dy, dx - d.len / 3, dy + d.len, dark);
            putpixel(buffer, dx, dy, edge);
        }
        solid_mode();
        blit_buffer();
        keep_pace();
    }
    door_stop_sample(SND_GRIND);
    reset_battle_timer();
}

void shadow_spell_animation(int x, int y, void (*draw)())
{
    if (!draw) return;
    if (draw == update_screen && map && map->layers > 1) set_sprite_number(map, 1, 20, 17, 163);
    BITMAP* glow = data ? (BITMAP*)data[GLOW_MASK].dat : nullptr;
    door_play_sample(SND_SHADOW, 255, 128, 1000, TRUE);
    int was = virtual_screen;
    int shade = makecol(20, 0, 30);
    const int frames = 150;
    for (int f = 0; f < frames; f++) {
        virtual_screen = TRUE;
        draw();
        // The glow swells and fades over the whole whirl.
        int a = (int)(std::sin(f * 3.14159f / frames) * 200);
        if (glow)
            monocrome_draw_lightmap_ex(buffer, glow, x - glow->w / 2, y - glow->h / 2, makecol(120, 40, 200),
                                       a - 255);
        set_trans_blender(0, 0, 0, 160);
        drawing_mode(DRAW_MODE_TRANS, nullptr, 0, 0);
        for (int set = 0; set < 3; set++)
            for (int k = 0; k < 10; k++) {
                float t = f * (0.08f + 0.03f * set) + k * 0.628f + set * 2.1f;
                float r = 16.0f + set * 6;
                int x1 = x + (int)(std::sin(t) * r), y1 = y + (int)(std::cos(t) * r);
                int x2 = x + (int)(std::sin(t + 0.5f) * (r + 10)),
                    y2 = y + (int)(std::cos(t + 0.5f) * (r + 10));
                line(buffer, x1, y1, x2, y2, shade);
            }
        solid_mode();
        blit_buffer();
    }
    door_stop_sample(SND_SHADOW);
    virtual_screen = was;
}
