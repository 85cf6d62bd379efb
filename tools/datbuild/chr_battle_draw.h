// The drawing kit behind the battle pictures: a canvas of RGB pixels on which
// creatures, weapons and effects are built from pillow-shaded shapes, dark
// outlines and radial glows, so that everything shares one light and palette.
// Drawers fill a Canvas; the generator turns it into a bitmap and files it.
#pragma once
#include <allegro.h>
#include <string>
#include <vector>

struct PxFile;

// Kept in its own namespace: other generators have their own drawing helpers.
namespace chrb {

// Five shades of one material: outline, dark, mid, light, highlight (0xRRGGBB).
struct Ramp {
    int c[5];
};

// A ramp around a mid colour: shadows lean towards violet, lights towards warm.
Ramp ramp(int mid);

// Where the light of every battle picture comes from (up and to the left).
constexpr float LIGHT_X = -0.55f, LIGHT_Y = -0.7f, LIGHT_Z = 0.75f;

struct Mask {
    int w = 0, h = 0;
    std::vector<unsigned char> m;
    Mask(int w_, int h_) : w(w_), h(h_), m((size_t)w_ * h_, 0) {}
    bool at(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h && m[(size_t)y * w + x]; }
    void set(int x, int y, bool v = true)
    {
        if (x >= 0 && y >= 0 && x < w && y < h) m[(size_t)y * w + x] = v;
    }
};

struct Canvas {
    int w = 0, h = 0;
    std::vector<int> px;   // 0xRRGGBB, or -1 for see-through
    std::vector<int> ol;   // outline colour belonging to each painted pixel
    Canvas(int w_, int h_, int fill = -1) : w(w_), h(h_), px((size_t)w_ * h_, fill), ol((size_t)w_ * h_, 0x181425) {}
    int get(int x, int y) const { return (x >= 0 && y >= 0 && x < w && y < h) ? px[(size_t)y * w + x] : -1; }
    void set(int x, int y, int c, int outline = 0x181425)
    {
        if (x < 0 || y < 0 || x >= w || y >= h) return;
        px[(size_t)y * w + x] = c;
        ol[(size_t)y * w + x] = outline;
    }
};

// Shape masks in canvas coordinates.
Mask mask_ellipse(int w, int h, float cx, float cy, float rx, float ry);
Mask mask_poly(int w, int h, const std::vector<float>& xy);                 // x0,y0,x1,y1,... filled
Mask mask_line(int w, int h, float x0, float y0, float x1, float y1, float thick);
Mask mask_union(const Mask& a, const Mask& b);
Mask mask_minus(const Mask& a, const Mask& b);

// Paints a mask with pillow shading; `separate` draws the material's outline
// where the shape's edge lies over parts painted earlier.
void paint(Canvas& c, const Mask& m, const Ramp& r, bool separate = true, float softness = 1.0f);
// Paints a mask in one flat colour.
void flat(Canvas& c, const Mask& m, int col);
// A one-pixel line (for cracks, veins, mouths).
void line(Canvas& c, int x0, int y0, int x1, int y1, int col);
// Dark outline around everything painted.
void outline(Canvas& c);
// Mirrors the canvas left to right.
void flip_h(Canvas& c);
// Copies another canvas on top at (x, y), skipping see-through pixels.
void stamp(Canvas& dst, const Canvas& src, int x, int y);

// Light-map sources: black ground, brightness where it glows.
// Adds a radial glow of colour `rgb` (peak brightness 0..1) by taking the
// brighter of old and new per channel.
void glow(Canvas& c, float cx, float cy, float r, int rgb, float peak = 1.0f, float power = 1.6f);
// A glow stretched along a line (rays, beams).
void glow_line(Canvas& c, float x0, float y0, float x1, float y1, float r, int rgb, float peak = 1.0f);

// Canvas <-> 16-bit bitmaps.
BITMAP* to_bitmap(const Canvas& c);
Canvas from_px(const PxFile& f, const std::string& sprite);

int mix(int a, int b, float t);   // a..b blended by t (0..1)
int scale_rgb(int c, float k);    // brightness scaled, clamped

} // namespace chrb
