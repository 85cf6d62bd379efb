// Light maps. Levels and colours are worked out once when a light map is
// built, so drawing it is only a blend per pixel.
#include "llib.h"

#include <cstdlib>

namespace {

int clamp_level(int v) { return v < 0 ? 0 : v > 255 ? 255 : v; }

// The width and height against which off-screen monochrome lights are skipped.
void screen_size(int* w, int* h)
{
    if (gfx_driver) {
        *w = SCREEN_W;
        *h = SCREEN_H;
    } else if (screen) {
        *w = screen->w;
        *h = screen->h;
    } else {
        *w = *h = 0;
    }
}

} // namespace

void destroy_lightmap(LIGHTMAP* lmp)
{
    if (!lmp) return;
    for (int x = 0; x < lmp->wt; x++) {
        if (lmp->c) free(lmp->c[x]);
        if (lmp->a) free(lmp->a[x]);
    }
    free(lmp->c);
    free(lmp->a);
    free(lmp);
}

LIGHTMAP* create_lightmap(BITMAP* bmp)
{
    if (!bmp || bmp->w <= 0 || bmp->h <= 0) return nullptr;
    LIGHTMAP* l = (LIGHTMAP*)calloc(1, sizeof(LIGHTMAP));
    if (!l) return nullptr;
    l->wt = bmp->w;
    l->ht = bmp->h;
    l->a_offset = 0;
    l->a = (unsigned char**)calloc(l->wt, sizeof(unsigned char*));
    l->c = (int**)calloc(l->wt, sizeof(int*));
    if (!l->a || !l->c) {
        // Whatever was taken goes back, so a failed light costs nothing.
        destroy_lightmap(l);
        return nullptr;
    }
    for (int x = 0; x < l->wt; x++) {
        l->a[x] = (unsigned char*)malloc(l->ht);
        l->c[x] = (int*)malloc(sizeof(int) * l->ht);
        if (!l->a[x] || !l->c[x]) {
            destroy_lightmap(l);
            return nullptr;
        }
    }
    int depth = bitmap_color_depth(bmp);
    for (int y = 0; y < l->ht; y++)
        for (int x = 0; x < l->wt; x++) {
            int p = getpixel(bmp, x, y);
            float h, s, v;
            rgb_to_hsv(getr_depth(depth, p), getg_depth(depth, p), getb_depth(depth, p), &h, &s, &v);
            l->a[x][y] = (unsigned char)(v * 255);
            int r, g, b;
            hsv_to_rgb(h, s, 1.0f, &r, &g, &b);
            l->c[x][y] = makecol(r, g, b);
        }
    return l;
}

void draw_lightmap(BITMAP* bmp, LIGHTMAP* lmp, int x0, int y0)
{
    if (!bmp || !lmp) return;
    drawing_mode(DRAW_MODE_TRANS, nullptr, 0, 0);
    acquire_bitmap(bmp);
    for (int y = 0; y < lmp->ht; y++) {
        int ty = y + y0;
        if (ty < bmp->ct || ty >= bmp->cb) continue;
        for (int x = 0; x < lmp->wt; x++) {
            int tx = x + x0;
            if (tx < bmp->cl || tx >= bmp->cr) continue;
            int level = clamp_level(lmp->a[x][y] + lmp->a_offset);
            if (level == 0) continue;
            set_trans_blender(0, 0, 0, level);
            putpixel(bmp, tx, ty, lmp->c[x][y]);
        }
    }
    release_bitmap(bmp);
    solid_mode();
}

void monocrome_draw_lightmap_ex(BITMAP* dest, BITMAP* bmp, int x, int y, int c, int a_offset)
{
    if (!dest || !bmp) return;
    int sw, sh;
    screen_size(&sw, &sh);
    if (x > sw || y > sh || x + bmp->w < 0 || y + bmp->h < 0) return;
    int depth = bitmap_color_depth(bmp);
    drawing_mode(DRAW_MODE_TRANS, nullptr, 0, 0);
    acquire_bitmap(dest);
    for (int j = 0; j < bmp->h; j++) {
        int ty = y + j;
        if (ty < dest->ct || ty >= dest->cb) continue;
        for (int i = 0; i < bmp->w; i++) {
            int tx = x + i;
            if (tx < dest->cl || tx >= dest->cr) continue;
            int level = clamp_level(getr_depth(depth, getpixel(bmp, i, j)) + a_offset);
            if (level == 0) continue;
            set_trans_blender(0, 0, 0, level);
            putpixel(dest, tx, ty, c);
        }
    }
    release_bitmap(dest);
    solid_mode();
}

void monocrome_draw_lightmap(BITMAP* dest, BITMAP* bmp, int x, int y, int c)
{
    monocrome_draw_lightmap_ex(dest, bmp, x, y, c, 0);
}

void colorize(BITMAP* bmp, float hue, float sat)
{
    if (!bmp) return;
    int depth = bitmap_color_depth(bmp);
    int mask = makecol_depth(depth, 255, 0, 255);
    acquire_bitmap(bmp);
    for (int y = 0; y < bmp->h; y++)
        for (int x = 0; x < bmp->w; x++) {
            int p = getpixel(bmp, x, y);
            if (p == mask) continue;
            float h, s, v;
            rgb_to_hsv(getr_depth(depth, p), getg_depth(depth, p), getb_depth(depth, p), &h, &s, &v);
            if (hue != -1.0f) h = hue;
            if (sat != -1.0f) s = sat;
            int r, g, b;
            hsv_to_rgb(h, s, v, &r, &g, &b);
            putpixel(bmp, x, y, makecol_depth(depth, r, g, b));
        }
    release_bitmap(bmp);
}
