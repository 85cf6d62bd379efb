// The canvas of the battle pictures: masks, pillow shading, outlines and glows.
#include "kit/kit.h"

#include "datwriter.h"
#include "px.h"

#include <algorithm>
#include <cmath>

namespace kit {

namespace {

float R(int c) { return (float)((c >> 16) & 255); }
float G(int c) { return (float)((c >> 8) & 255); }
float B(int c) { return (float)(c & 255); }

} // namespace

Ramp ramp(int mid)
{
    // Hue-shifted shades read better at this size than plain darkening.
    const int shadow = 0x2a1f4a, warm = 0xfff4d6;
    Ramp r;
    r.c[0] = mix(scale(mid, 0.22f), 0x120c1e, 0.45f);
    r.c[1] = mix(scale(mid, 0.62f), shadow, 0.22f);
    r.c[2] = mid;
    r.c[3] = mix(scale(mid, 1.18f), warm, 0.22f);
    r.c[4] = mix(scale(mid, 1.35f), warm, 0.55f);
    // Near black and near white the tints would cross over; keep the order.
    auto lum = [](int c) { return R(c) * 3 + G(c) * 6 + B(c); };
    if (lum(r.c[1]) > lum(mid)) r.c[1] = scale(mid, 0.62f);
    if (lum(r.c[0]) > lum(r.c[1])) r.c[0] = scale(r.c[1], 0.5f);
    if (lum(r.c[3]) < lum(mid)) r.c[3] = mid;
    if (lum(r.c[4]) < lum(r.c[3])) r.c[4] = r.c[3];
    return r;
}

Mask mask_ellipse(int w, int h, float cx, float cy, float rx, float ry)
{
    Mask m(w, h);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            float dx = (x + 0.5f - cx) / rx, dy = (y + 0.5f - cy) / ry;
            if (dx * dx + dy * dy <= 1.0f) m.set(x, y);
        }
    return m;
}

Mask mask_poly(int w, int h, const std::vector<float>& xy)
{
    Mask m(w, h);
    size_t n = xy.size() / 2;
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            float px = x + 0.5f, py = y + 0.5f;
            bool in = false;
            for (size_t i = 0, j = n - 1; i < n; j = i++) {
                float xi = xy[2 * i], yi = xy[2 * i + 1], xj = xy[2 * j], yj = xy[2 * j + 1];
                if ((yi > py) != (yj > py) && px < (xj - xi) * (py - yi) / (yj - yi) + xi) in = !in;
            }
            if (in) m.set(x, y);
        }
    return m;
}

Mask mask_line(int w, int h, float x0, float y0, float x1, float y1, float thick)
{
    Mask m(w, h);
    float dx = x1 - x0, dy = y1 - y0, len2 = dx * dx + dy * dy;
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            float px = x + 0.5f - x0, py = y + 0.5f - y0;
            float t = len2 > 0 ? std::clamp((px * dx + py * dy) / len2, 0.0f, 1.0f) : 0.0f;
            float ex = px - t * dx, ey = py - t * dy;
            if (ex * ex + ey * ey <= thick * thick * 0.25f) m.set(x, y);
        }
    return m;
}

Mask mask_union(const Mask& a, const Mask& b)
{
    Mask m = a;
    for (size_t i = 0; i < m.m.size(); i++) m.m[i] = a.m[i] || b.m[i];
    return m;
}

Mask mask_minus(const Mask& a, const Mask& b)
{
    Mask m = a;
    for (size_t i = 0; i < m.m.size(); i++) m.m[i] = a.m[i] && !b.m[i];
    return m;
}

void paint(Canvas& c, const Mask& m, const Ramp& r, bool separate, float softness)
{
    // Pillow shading: the blurred shape acts as a height field whose slope is
    // the surface normal, so any silhouette gets rounded, lit edges.
    int minx = m.w, miny = m.h, maxx = -1, maxy = -1;
    for (int y = 0; y < m.h; y++)
        for (int x = 0; x < m.w; x++)
            if (m.at(x, y)) {
                minx = std::min(minx, x), maxx = std::max(maxx, x);
                miny = std::min(miny, y), maxy = std::max(maxy, y);
            }
    if (maxx < 0) return;
    int extent = std::min(maxx - minx + 1, maxy - miny + 1);
    int rad = std::clamp(extent / 3, 1, 7);
    std::vector<float> f((size_t)m.w * m.h, 0.0f);
    for (int y = 0; y < m.h; y++)
        for (int x = 0; x < m.w; x++) {
            int n = 0, s = 0;
            for (int j = -rad; j <= rad; j++)
                for (int i = -rad; i <= rad; i++) {
                    n++;
                    s += m.at(x + i, y + j);
                }
            f[(size_t)y * m.w + x] = (float)s / n;
        }
    auto F = [&](int x, int y) {
        x = std::clamp(x, 0, m.w - 1), y = std::clamp(y, 0, m.h - 1);
        return f[(size_t)y * m.w + x];
    };
    float lx = LIGHT_X, ly = LIGHT_Y, lz = LIGHT_Z;
    float ll = std::sqrt(lx * lx + ly * ly + lz * lz);
    lx /= ll, ly /= ll, lz /= ll;
    std::vector<int> out(c.px);
    std::vector<int> outl(c.ol);
    for (int y = 0; y < m.h; y++)
        for (int x = 0; x < m.w; x++) {
            if (!m.at(x, y)) continue;
            float k = rad * 1.6f * softness;
            float nx = -(F(x + 1, y) - F(x - 1, y)) * k, ny = -(F(x, y + 1) - F(x, y - 1)) * k, nz = 1.0f;
            float nl = std::sqrt(nx * nx + ny * ny + nz * nz);
            float d = (nx * lx + ny * ly + nz * lz) / nl;
            int shade = d < 0.45f ? 1 : d < 0.78f ? 2 : d < 0.93f ? 3 : 4;
            // The lower-right rim always sits in shadow; it keeps shapes solid.
            if (!m.at(x + 1, y + 1) && shade > 1) shade = shade == 2 ? 1 : 2;
            int col = r.c[shade];
            if (separate) {
                bool edge_over_part = false;
                const int dx[4] = {1, -1, 0, 0}, dy[4] = {0, 0, 1, -1};
                for (int i = 0; i < 4; i++) {
                    int ax = x + dx[i], ay = y + dy[i];
                    if (!m.at(ax, ay) && c.get(ax, ay) >= 0 && c.get(x, y) >= 0) edge_over_part = true;
                }
                if (edge_over_part) col = r.c[0];
            }
            out[(size_t)y * c.w + x] = col;
            outl[(size_t)y * c.w + x] = r.c[0];
        }
    c.px = out;
    c.ol = outl;
}

void flat(Canvas& c, const Mask& m, int col)
{
    for (int y = 0; y < m.h; y++)
        for (int x = 0; x < m.w; x++)
            if (m.at(x, y)) c.set(x, y, col);
}

void line(Canvas& c, int x0, int y0, int x1, int y1, int col)
{
    int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1, err = dx + dy;
    for (;;) {
        c.set(x0, y0, col, c.ol[std::clamp(y0, 0, c.h - 1) * c.w + std::clamp(x0, 0, c.w - 1)]);
        if (x0 == x1 && y0 == y1) break;
        int e2 = 2 * err;
        if (e2 >= dy) err += dy, x0 += sx;
        if (e2 <= dx) err += dx, y0 += sy;
    }
}

void outline(Canvas& c)
{
    std::vector<int> out(c.px);
    outline_ring(
        c.w, c.h, [&](int x, int y) { return c.get(x, y) >= 0; },
        [&](int x, int y, int nx, int ny) { out[(size_t)y * c.w + x] = c.ol[(size_t)ny * c.w + nx]; });
    c.px = out;
}

void flip_h(Canvas& c)
{
    for (int y = 0; y < c.h; y++) {
        std::reverse(c.px.begin() + (size_t)y * c.w, c.px.begin() + (size_t)(y + 1) * c.w);
        std::reverse(c.ol.begin() + (size_t)y * c.w, c.ol.begin() + (size_t)(y + 1) * c.w);
    }
}

void stamp(Canvas& dst, const Canvas& src, int x, int y)
{
    for (int j = 0; j < src.h; j++)
        for (int i = 0; i < src.w; i++) {
            int v = src.get(i, j);
            if (v >= 0) dst.set(x + i, y + j, v, src.ol[(size_t)j * src.w + i]);
        }
}

namespace {

void add_light(Canvas& c, int x, int y, int col, float k)
{
    if (x < 0 || y < 0 || x >= c.w || y >= c.h || k <= 0) return;
    int old = std::max(c.get(x, y), 0);
    int add = scale(col, std::min(k, 1.0f));
    c.set(x, y, rgb(std::max(R(old), R(add)), std::max(G(old), G(add)), std::max(B(old), B(add))));
}

} // namespace

void glow(Canvas& c, float cx, float cy, float r, int col, float peak, float power)
{
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            float d = std::hypot(x + 0.5f - cx, y + 0.5f - cy) / r;
            if (d < 1) add_light(c, x, y, col, peak * std::pow(1 - d, power));
        }
}

void glow_line(Canvas& c, float x0, float y0, float x1, float y1, float r, int col, float peak)
{
    float dx = x1 - x0, dy = y1 - y0, len2 = dx * dx + dy * dy;
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            float px = x + 0.5f - x0, py = y + 0.5f - y0;
            float t = len2 > 0 ? std::clamp((px * dx + py * dy) / len2, 0.0f, 1.0f) : 0.0f;
            float d = std::hypot(px - t * dx, py - t * dy) / r;
            // Rays thin out towards their far end.
            if (d < 1) add_light(c, x, y, col, peak * (1 - d) * (1 - 0.6f * t));
        }
}

BITMAP* to_bitmap(const Canvas& c)
{
    BITMAP* b = create_bitmap_ex(16, c.w, c.h);
    if (!b) tool_fail("out of memory");
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            int v = c.get(x, y);
            int col = v < 0 ? makecol16(255, 0, 255) : makecol16(v >> 16, (v >> 8) & 255, v & 255);
            // A drawn pixel that happens to round onto the mask colour must stay visible.
            if (v >= 0 && col == makecol16(255, 0, 255)) col = makecol16(248, 4, 248);
            putpixel(b, x, y, col);
        }
    return b;
}

Canvas from_px(const PxFile& f, const std::string& sprite)
{
    const PxSprite& s = px_find(f, sprite);
    Canvas c((int)s.rows[0].size(), (int)s.rows.size());
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            int v = f.colors.at(s.rows[y][x]);
            if (v != 0xFF00FF) c.set(x, y, v);
        }
    return c;
}

} // namespace kit
