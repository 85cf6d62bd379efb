// The one drawing kit of the data builder: colours and their mixing (packed
// 0xRRGGBB, or floats dithered onto 16-bit bitmaps), outlines, and the canvas
// on which creatures, weapons and effects are built from pillow-shaded shapes,
// dark outlines and radial glows, so that every picture shares one light.
#pragma once
#include <allegro.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct PxFile;

namespace kit {

// ---- packed colours, 0xRRGGBB ----

constexpr int MASK_RGB = 0xFF00FF; // the see-through colour of every picture
// A colour from channels (clamped to 0..255, rounded); never the see-through colour.
int rgb(float r, float g, float b);
int mix(int a, int b, float t); // a at t = 0, b at t = 1
int scale(int c, float k);      // brighter (> 1) or darker (< 1), clamped

// ---- float colours, dithered onto 16-bit bitmaps ----

struct Rgb {
    float r, g, b;
};
Rgb mix(Rgb a, Rgb b, float t); // a at t = 0, b at t = 1
Rgb rgb_hex(int hex);           // 0xRRGGBB
int col16(Rgb c);               // 16-bit colour, no dither
constexpr int MASK16 = 0xF81F;  // (255, 0, 255) in 5-6-5

// Puts one pixel, rounding to 5-6-5 through a 4x4 Bayer matrix.
void put_dither(BITMAP* bmp, int x, int y, Rgb c);
// Fills rows y0..y1 with a vertical gradient, dithered.
void vgradient(BITMAP* bmp, int x0, int y0, int x1, int y1, Rgb top, Rgb bottom);
// Blends c over the pixel with opacity a (0..1), dithered.
void blend_pixel(BITMAP* bmp, int x, int y, Rgb c, float a);
// A soft radial glow added over what is there (brightens; 0 at radius r).
void add_glow(BITMAP* bmp, float cx, float cy, float r, Rgb c, float strength);

// A scratch bitmap that frees itself.
struct BitmapDeleter {
    void operator()(BITMAP* b) const
    {
        if (b) destroy_bitmap(b);
    }
};
using Bmp = std::unique_ptr<BITMAP, BitmapDeleter>;
// A new 16-bit bitmap cleared to black (or to the mask colour when masked).
Bmp new_bmp(int w, int h, bool masked = false);

// Deterministic random numbers: the same seed always draws the same art.
struct Rng {
    uint32_t s;
    explicit Rng(uint32_t seed) : s(seed ? seed : 1) {}
    uint32_t next()
    {
        s ^= s << 13;
        s ^= s >> 17;
        s ^= s << 5;
        return s;
    }
    int range(int lo, int hi) { return lo + (int)(next() % (uint32_t)(hi - lo + 1)); } // lo..hi inclusive
    float unit() { return (next() & 0xFFFFFF) / 16777216.0f; }                         // 0 .. <1
};

// ---- outlines ----

// Calls ring(x, y, nx, ny) for every pixel of a w x h picture that is not
// inside(x, y) but touches a pixel (nx, ny) that is, looking right, left,
// down and up in that order. Every outline of the builder is drawn by it.
template <class Inside, class Ring>
void outline_ring(int w, int h, Inside inside, Ring ring)
{
    static const int dx[4] = {1, -1, 0, 0}, dy[4] = {0, 0, 1, -1};
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            if (inside(x, y)) continue;
            for (int k = 0; k < 4; k++) {
                int nx = x + dx[k], ny = y + dy[k];
                if (nx >= 0 && ny >= 0 && nx < w && ny < h && inside(nx, ny)) {
                    ring(x, y, nx, ny);
                    break;
                }
            }
        }
}

// ---- the canvas of the battle pictures ----

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
    std::vector<int> px; // 0xRRGGBB, or -1 for see-through
    std::vector<int> ol; // outline colour belonging to each painted pixel
    Canvas(int w_, int h_, int fill = -1)
        : w(w_), h(h_), px((size_t)w_ * h_, fill), ol((size_t)w_ * h_, 0x181425)
    {}
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
Mask mask_poly(int w, int h, const std::vector<float>& xy); // x0,y0,x1,y1,... filled
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

} // namespace kit
