// Drawing pieces shared by the item and action animations: the casting
// effect every spell opens with, soft thick lines, lightning, and scratch
// bitmaps and light maps that free themselves when an animation ends.
#pragma once
#include <allegro.h>

#include <memory>

#include "llib.h"

struct BitmapDeleter {
    void operator()(BITMAP* b) const { destroy_bitmap(b); }
};
struct LightmapDeleter {
    void operator()(LIGHTMAP* l) const { destroy_lightmap(l); }
};
using FxBitmap = std::unique_ptr<BITMAP, BitmapDeleter>;
using FxLightmap = std::unique_ptr<LIGHTMAP, LightmapDeleter>;

// A scratch bitmap cleared to the mask colour; fatalerror(fail) when memory runs out.
FxBitmap fx_bitmap(int w, int h, const char* fail);
// A light map of a picture; fatalerror(fail) when it can't be made (a null fail is the plain message).
FxLightmap fx_lightmap(BITMAP* bmp, const char* fail);
// A picture of chrctrs.dat or data.dat as a bitmap (sprites are drawn into a new one the caller owns).
FxBitmap fx_picture(DATAFILE* dat, int n);

// The casting effect: 500 sparks orbit the caster in the element's colour, name window above.
void spell_effect(const char* text, int x, int y, int element, int wt);
void spell_effect_ex(const char* text, int x, int y, int element, int wt, int ht);
// The sparks' colour for an element.
int element_colour(int element);
// A line ln pixels wide, brightest in the middle and fading sideways (thickened in x).
void grad_line(BITMAP* bmp, int x1, int y1, int x2, int y2, int ln, int c);
// Blend level of column i of a soft line ln wide.
int grad_level(int i, int ln);
// A white lightning stroke with one random bend of up to vary pixels (vary at least 1).
void electric_line(BITMAP* bmp, int x1, int y1, int x2, int y2, int line_w, int vary);
// Where electric_line bends, from four random draws.
void electric_bend(int x1, int y1, int x2, int y2, int vary, int r1, int r2, int r3, int r4, int* bx,
                   int* by);
// A translucent pixel of colour c at level a (0-255).
void trans_pixel(BITMAP* bmp, int x, int y, int c, int a);
// rotate_scaled_sprite that also takes a place left of or above the bitmap's edge
// (the library's own shifts a negative coordinate, which C++ leaves undefined).
void fx_rotate_scaled(BITMAP* bmp, BITMAP* spr, int x, int y, fixed angle, fixed scale);
