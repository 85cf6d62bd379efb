// Drawing helpers of the battle animations: the casting effect that opens a
// spell, the soft line and the lightning stroke.
#include "action.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <cstdlib>
#include <vector>

#include "battle.h"
#include "vantor.h"

namespace {

struct pixel {
    float x, y, z, t, dy, dt;
    int a;
    int visible;
};

int element_colour(int element)
{
    switch (element) {
    case ELEM_WATER: return makecol(0, 0, 255);
    case ELEM_EARTH: return makecol(0, 255, 0);
    case ELEM_FIRE: return makecol(255, 0, 0);
    case ELEM_AIR: return makecol(0, 255, 255);
    case ELEM_LIGHT: return makecol(255, 255, 255);
    case ELEM_DARKNESS: return 0;
    }
    return makecol(255, 255, 0);
}

} // namespace

void spell_effect(const char* text, int x, int y, int element, int wt)
{
    spell_effect_ex(text, x, y, element, wt, 24);
}

void spell_effect_ex(const char* text, int x, int y, int element, int wt, int ht)
{
    int col = element_colour(element);
    std::vector<pixel> parts(500);
    for (pixel& p : parts) {
        p.a = 0;
        p.t = (rand() % 200) / 50.0f;
        p.dt = (rand() % 100) / 200.0f + 0.05f;
        p.dy = -((rand() % 100) / 50.0f) * 0.5f;
        p.y = (float)(y + ht);
        p.x = p.z = 0;
        p.visible = -1;
    }
    reset_fps_timer();
    virtual_screen = TRUE;
    int text_w = main_font ? text_length(main_font, text) : 8 * (int)strlen(text);
    for (bool any = true; any;) {
        any = false;
        for (pixel& p : parts) {
            if (!p.visible) continue;
            p.t += p.dt;
            p.x = (x + wt / 2.0f) + std::sin(p.t) * wt;
            p.z = std::cos(p.t) * 128 + 128;
            p.y += p.dy;
            if ((p.t > 8 && p.dt > 0.1f) || (p.t > 6 && p.dt <= 0.1f)) p.visible = 0;
            if (p.visible) any = true;
        }
        ft_update_screen();
        if (drew_last) {
            drawing_mode(DRAW_MODE_TRANS, nullptr, 0, 0);
            for (const pixel& p : parts) {
                if (!p.visible) continue;
                set_trans_blender(0, 0, 0, std::clamp((int)p.z, 0, 255));
                putpixel(buffer, (int)p.x, (int)p.y, col);
            }
            solid_mode();
            still_window(buffer, x - 35, y - 25, text_w + 8, 15);
            if (main_font) textout_ex(buffer, main_font, text, x - 30, y - 20, -1, -1);
            blit_buffer();
        }
    }
    virtual_screen = FALSE;
}

void grad_line(BITMAP* dest, int x1, int y1, int x2, int y2, int ln, int c)
{
    drawing_mode(DRAW_MODE_TRANS, nullptr, 0, 0);
    for (int i = -(ln / 2); i <= ln / 2 - 1; i++) {
        int a = i == 0 ? 255 : (int)((1 - std::abs(i) / (ln * 0.5)) * 255);
        set_trans_blender(0, 0, 0, std::clamp(a, 0, 255));
        line(dest, x1 + i, y1, x2 + i, y2, c);
    }
    solid_mode();
}

void electric_line(BITMAP* dest, int x1, int y1, int x2, int y2, int line_w, int vary)
{
    vary = std::max(vary, 1);
    int bx = std::min(x1, x2) + std::abs(x2 - x1) / 2, by = std::min(y1, y2) + std::abs(y2 - y1) / 2;
    int dx = rand() % vary;
    if (rand() % 2 == 0) dx = -dx;
    int dy = rand() % vary;
    if (rand() % 2 == 0) dy = -dy;
    bx += dx, by += dy;
    int white = makecol(255, 255, 255);
    grad_line(dest, x1, y1, bx, by, line_w, white);
    grad_line(dest, bx, by, x2, y2, line_w, white);
}
