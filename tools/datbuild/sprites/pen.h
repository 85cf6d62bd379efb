// Short drawing calls for creature code: each creature is a few lines of
// shaded ellipses, polygons and limbs painted back to front, then outlined.
#pragma once
#include "kit/kit.h"

#include <vector>

namespace kit {

struct Pen {
    Canvas c;
    explicit Pen(int w, int h, int fill = -1) : c(w, h, fill) {}
    void ell(float cx, float cy, float rx, float ry, int col, bool sep = true)
    {
        paint(c, mask_ellipse(c.w, c.h, cx, cy, rx, ry), ramp(col), sep);
    }
    void poly(const std::vector<float>& xy, int col, bool sep = true)
    {
        paint(c, mask_poly(c.w, c.h, xy), ramp(col), sep);
    }
    void limb(float x0, float y0, float x1, float y1, float th, int col, bool sep = true)
    {
        paint(c, mask_line(c.w, c.h, x0, y0, x1, y1, th), ramp(col), sep);
    }
    // A limb bent at a joint.
    void limb2(float x0, float y0, float x1, float y1, float x2, float y2, float th, int col)
    {
        limb(x0, y0, x1, y1, th, col);
        limb(x1, y1, x2, y2, th, col);
    }
    void dot(int x, int y, int col) { c.set(x, y, col); }
    void ln(int x0, int y0, int x1, int y1, int col) { line(c, x0, y0, x1, y1, col); }
    // A small eye: white with a dark pupil looking right (the way enemies face).
    void eye(int x, int y, int white = 0xf4f0e0, int pupil = 0x181425)
    {
        dot(x, y, white);
        dot(x + 1, y, pupil);
    }
    // A glowing eye: one bright pixel with a hot centre.
    void glint(int x, int y, int col)
    {
        dot(x, y, col);
        dot(x + 1, y, 0xfff8d0);
    }
    Canvas done()
    {
        outline(c);
        return c;
    }
};

} // namespace kit
