// Light maps: pictures drawn pixel by pixel with a per-pixel blend level, so
// bright parts glow over what lies beneath; plus one-colour light through a grey
// mask, and hue retinting. Build once from a picture, draw often, destroy.
#pragma once
#include <allegro.h>

struct LIGHTMAP {
    int wt, ht;        // size in pixels
    int a_offset;      // added to every level when drawing (fades a light in or out)
    unsigned char** a; // wt columns of ht blend levels
    int** c;           // wt columns of ht colours in the screen's pixel format
};

// A light map of the picture, or null when memory runs out.
LIGHTMAP* create_lightmap(BITMAP* bmp);
// Draws the light map onto bmp with its top-left corner at (x, y).
void draw_lightmap(BITMAP* bmp, LIGHTMAP* lmp, int x, int y);
// Frees the light map; null is ignored.
void destroy_lightmap(LIGHTMAP* lmp);
// Paints colour c through the grey mask bmp onto dest at (x, y).
void monocrome_draw_lightmap_ex(BITMAP* dest, BITMAP* bmp, int x, int y, int c, int a_offset);
void monocrome_draw_lightmap(BITMAP* dest, BITMAP* bmp, int x, int y, int c);
// Retints bmp in place; -1.0 keeps each pixel's own hue or saturation.
void colorize(BITMAP* bmp, float hue, float sat);
