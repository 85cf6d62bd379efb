// The casting effect, soft lines and lightning of the battle animations.
#include "action_draw.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "battle.h"
#include "records.h"
#include "vantor.h"

FxBitmap fx_bitmap(int w, int h, const char* fail)
{
    FxBitmap b(create_bitmap(std::max(w, 1), std::max(h, 1)));
    if (!b) fatalerror(fail);
    clear_to_color(b.get(), bitmap_mask_color(b.get()));
    return b;
}

FxLightmap fx_lightmap(BITMAP* bmp, const char* fail)
{
    FxLightmap l(bmp ? create_lightmap(bmp) : nullptr);
    if (!l) fatalerror(fail);
    return l;
}

FxBitmap fx_picture(DATAFILE* dat, int n)
{
    if (!dat || n < 0) return FxBitmap();
    for (int i = 0; i <= n; i++)
        if (dat[i].type == DAT_END) return FxBitmap();
    if (dat[n].type == DAT_BITMAP) {
        BITMAP* src = (BITMAP*)dat[n].dat;
        FxBitmap b = fx_bitmap(src->w, src->h, "Out of memory!!!\n\n");
        blit(src, b.get(), 0, 0, 0, 0, src->w, src->h);
        return b;
    }
    if (dat[n].type == DAT_RLE_SPRITE) {
        RLE_SPRITE* s = (RLE_SPRITE*)dat[n].dat;
        FxBitmap b = fx_bitmap(s->w, s->h, "Out of memory!!!\n\n");
        draw_rle_sprite(b.get(), s, 0, 0);
        return b;
    }
    return FxBitmap();
}

void trans_pixel(BITMAP* bmp, int x, int y, int c, int a)
{
    set_trans_blender(0, 0, 0, std::clamp(a, 0, 255));
    putpixel(bmp, x, y, c);
}

int element_colour(int element)
{
    switch (element) {
    case ELEM_WATER: return makecol(0, 0, 255);
    case ELEM_EARTH: return makecol(0, 255, 0);
    case ELEM_FIRE: return makecol(255, 0, 0);
    case ELEM_AIR: return makecol(0, 255, 255);
    case ELEM_LIGHT: return makecol(255, 255, 255);
    case ELEM_DARKNESS: return 0;
    default: return makecol(255, 255, 0);
    }
}

void spell_effect(const char* text, int x, int y, int element, int wt)
{
    spell_effect_ex(text, x, y, element, wt, 24);
}

void spell_effect_ex(const char* text, int x, int y, int element, int wt, int ht)
{
    struct pixel {
        float x, y, z, t, dy, dt;
        int a;
        int visible;
    };
    const int N = 500;
    static pixel p[N];
    int c = element_colour(element);
    for (pixel& q : p) {
        q.a = 0;
        q.t = (rand() % 200) / 50.0f;
        q.dt = (rand() % 100) / 200.0f + 0.05f;
        q.dy = -((rand() % 100) / 50.0f) * 0.5f;
        q.x = (float)x;
        q.y = (float)(y + ht);
        q.z = 0;
        q.visible = TRUE;
    }
    reset_battle_timer();
    virtual_screen = TRUE;
    int tw = main_font ? text_length(main_font, text) : 8 * (int)strlen(text);
    for (bool any = true; any;) {
        any = false;
        for (pixel& q : p) {
            if (!q.visible) continue;
            q.t += q.dt;
            q.x = (x + wt / 2) + std::sin(q.t) * wt;
            q.z = std::cos(q.t) * 128 + 128;
            q.y += q.dy;
            if ((q.t > 8 && q.dt > 0.1f) || (q.t > 6 && q.dt <= 0.1f)) q.visible = FALSE;
            if (q.visible) any = true;
        }
        ft_update_screen();
        if (!drew_last) continue;
        drawing_mode(DRAW_MODE_TRANS, nullptr, 0, 0);
        for (const pixel& q : p)
            if (q.visible) {
                trans_pixel(buffer, (int)q.x, (int)q.y, c, (int)q.z);
                // A faint tail below each spark, so the rising column shimmers.
                trans_pixel(buffer, (int)q.x, (int)q.y + 1, c, (int)q.z / 3);
            }
        solid_mode();
        still_window(buffer, x - 35, y - 25, tw + 8, 15);
        if (main_font) textout_ex(buffer, main_font, text, x - 30, y - 20, -1, -1);
        blit_buffer();
    }
    virtual_screen = FALSE;
}

int grad_level(int i, int ln)
{
    if (i == 0) return 255;
    return (int)((1.0 - std::abs(i) / (ln * 0.5)) * 255);
}

void grad_line(BITMAP* bmp, int x1, int y1, int x2, int y2, int ln, int c)
{
    drawing_mode(DRAW_MODE_TRANS, nullptr, 0, 0);
    if (ln <= 1) {
        set_trans_blender(0, 0, 0, 255);
        line(bmp, x1, y1, x2, y2, c);
    }
    for (int i = -(ln / 2); i <= ln / 2 - 1; i++) {
        set_trans_blender(0, 0, 0, std::clamp(grad_level(i, ln), 0, 255));
        line(bmp, x1 + i, y1, x2 + i, y2, c);
    }
    solid_mode();
}

void electric_bend(int x1, int y1, int x2, int y2, int vary, int r1, int r2, int r3, int r4, int* bx, int* by)
{
    vary = std::max(vary, 1);
    int mx = std::min(x1, x2) + std::abs(x2 - x1) / 2;
    int my = std::min(y1, y2) + std::abs(y2 - y1) / 2;
    int dx = r1 % vary, dy = r3 % vary;
    if (r2 % 2 == 0) dx = -dx;
    if (r4 % 2 == 0) dy = -dy;
    *bx = mx + dx;
    *by = my + dy;
}

void electric_line(BITMAP* bmp, int x1, int y1, int x2, int y2, int line_w, int vary)
{
    int r1 = rand(), r2 = rand(), r3 = rand(), r4 = rand();
    int bx, by;
    electric_bend(x1, y1, x2, y2, vary, r1, r2, r3, r4, &bx, &by);
    int white = makecol(255, 255, 255);
    grad_line(bmp, x1, y1, bx, by, line_w, white);
    grad_line(bmp, bx, by, x2, y2, line_w, white);
}

void fx_rotate_scaled(BITMAP* bmp, BITMAP* spr, int x, int y, fixed angle, fixed scale)
{
    bmp->vtable->pivot_scaled_sprite_flip(bmp, spr, x * 65536 + (spr->w * scale) / 2,
                                          y * 65536 + (spr->h * scale) / 2, spr->w * 32768, spr->h * 32768,
                                          angle, scale, FALSE);
}
