// Weapon frames and slash trails. Every weapon is one class shape (blade,
// sword or rod) drawn in its own metal and trim, so a new weapon is a new
// row of the table below, not new art.
#include "sprites/battle.h"
#include "dat_names.h"

#include <cmath>
#include <vector>

using namespace kit;

namespace {

struct Look {
    int first; // first frame number (see the frame order in draw_weapons)
    int cls;   // 1 blade, 2 sword, 3 rod
    int metal, trim, grip;
    int trail;   // colour of the slash trail or rod impact
    float width; // blade width, or head size of a rod
    int head;    // rods: 0 stone knob, 1 crescent moon
};

// Where the hand holds the weapon, which way it points and how long it is,
// in the frame's own pixels. The game draws frames at fixed offsets from the
// fighter's corner, and the fighters' poses put their hands on these points.
struct Hold {
    float hx, hy, dx, dy, len;
};

void sword(Canvas& c, const Hold& h, const Look& l, bool katana)
{
    float n = std::hypot(h.dx, h.dy), dx = h.dx / n, dy = h.dy / n;
    float px = -dy, py = dx; // across the blade
    float w = l.width * 0.5f;
    float bx = h.hx + dx * 1.5f, by = h.hy + dy * 1.5f;
    float tx = h.hx + dx * h.len, ty = h.hy + dy * h.len;
    float sx = tx - dx * w * 2.2f, sy = ty - dy * w * 2.2f;
    // Grip and pommel behind the hand.
    paint(c, mask_line(c.w, c.h, h.hx - dx * 3.0f, h.hy - dy * 3.0f, h.hx, h.hy, 2.0f), ramp(l.grip));
    paint(c, mask_ellipse(c.w, c.h, h.hx - dx * 3.5f, h.hy - dy * 3.5f, 1.2f, 1.2f), ramp(l.trim));
    std::vector<float> blade = {bx + px * w, by + py * w, sx + px * w, sy + py * w, tx,
                                ty,          sx - px * w, sy - py * w, bx - px * w, by - py * w};
    if (katana)
        blade = {bx + px * w, by + py * w, tx + px * 0.3f, ty + py * 0.3f, tx, ty, bx - px * w, by - py * w};
    paint(c, mask_poly(c.w, c.h, blade), ramp(l.metal), false, 0.6f);
    // The edge that faces the light catches it along its length.
    float lx = px, ly = py;
    if (lx * LIGHT_X + ly * LIGHT_Y < 0) lx = -lx, ly = -ly;
    Ramp rm = ramp(l.metal);
    int steps = (int)h.len;
    for (int i = 2; i < steps - 1; i++) {
        float t = (float)i;
        c.set((int)std::floor(h.hx + dx * t + lx * (w - 0.5f)),
              (int)std::floor(h.hy + dy * t + ly * (w - 0.5f)), rm.c[4], rm.c[0]);
    }
    float gw = katana ? 1.6f : 3.2f;
    paint(c,
          mask_line(c.w, c.h, bx + px * gw, by + py * gw, bx - px * gw, by - py * gw, katana ? 2.4f : 1.8f),
          ramp(l.trim));
}

void rod(Canvas& c, const Hold& h, const Look& l)
{
    float n = std::hypot(h.dx, h.dy), dx = h.dx / n, dy = h.dy / n;
    float tx = h.hx + dx * h.len, ty = h.hy + dy * h.len;
    paint(c, mask_line(c.w, c.h, h.hx + dx * -1.0f, h.hy + dy * -1.0f, tx, ty, 1.6f), ramp(l.grip));
    if (l.head == 0) {
        paint(c, mask_ellipse(c.w, c.h, tx, ty, l.width, l.width), ramp(l.metal));
        paint(c,
              mask_line(c.w, c.h, tx - dx * l.width - dy * 1.5f, ty - dy * l.width + dx * 1.5f,
                        tx - dx * l.width + dy * 1.5f, ty - dy * l.width - dx * 1.5f, 1.2f),
              ramp(l.trim));
    } else {
        // A crescent: a disc with a bite taken out on the side away from the hand.
        Mask disc = mask_ellipse(c.w, c.h, tx, ty, l.width, l.width);
        Mask bite = mask_ellipse(c.w, c.h, tx + dx * 1.6f - dy * 1.2f, ty + dy * 1.6f + dx * 1.2f,
                                 l.width * 0.8f, l.width * 0.8f);
        paint(c, mask_minus(disc, bite), ramp(l.metal));
        paint(c, mask_ellipse(c.w, c.h, tx - dx * l.width, ty - dy * l.width, 1.0f, 1.0f), ramp(l.trim));
    }
}

Canvas frame(int w, int h, const Hold& hold, const Look& l)
{
    Canvas c(w, h);
    if (l.cls == 3)
        rod(c, hold, l);
    else
        sword(c, hold, l, l.width < 1.9f);
    outline(c);
    return c;
}

// A rod's head glow: light source, black ground.
Canvas rod_glow(const Look& l)
{
    Canvas c(16, 20, 0);
    glow(c, 6, 10, 6.5f, l.trail, 1.0f, 1.3f);
    glow_line(c, 6, 10, 6, 3, 1.2f, l.trail, 0.8f);
    glow_line(c, 6, 10, 6, 17, 1.2f, l.trail, 0.8f);
    glow_line(c, 6, 10, 13, 10, 1.2f, l.trail, 0.8f);
    glow_line(c, 6, 10, 1, 10, 1.0f, l.trail, 0.6f);
    glow(c, 6, 10, 2.2f, 0xffffff, 1.0f, 0.8f);
    return c;
}

// Slash trails: a crescent from upper right to lower left, white at its core.
Canvas slash(const Look& l, int step)
{
    Canvas c(24, 24);
    Ramp r = ramp(l.trail);
    float bite = step == 2 ? 2.4f : 3.6f;
    for (int y = 0; y < 24; y++)
        for (int x = 0; x < 24; x++) {
            float ax = x + 0.5f - 10, ay = y + 0.5f - 10;
            float d1 = std::hypot(ax, ay), d2 = std::hypot(ax + bite, ay + bite);
            if (d1 > 11.5f || d2 < 11.5f) continue;
            float ang = std::atan2(ay, ax) * 57.3f; // -45 top right .. 135 bottom left
            float along = (ang + 45) / 180.0f;
            if (along < 0 || along > 1) continue;
            if (step == 0 && along > 0.45f) continue;
            if (step == 2 && ((x + y) % 3 == 0 || along < 0.3f)) continue;
            float depth = std::min(11.5f - d1, d2 - 11.5f); // distance inside the crescent
            int col = depth > 1.6f ? 0xffffff : depth > 0.8f ? r.c[4] : r.c[3];
            if (step == 2) col = depth > 1.2f ? r.c[4] : r.c[2];
            c.set(x, y, col, r.c[1]);
        }
    if (step == 1) {
        // Sparks thrown off the end of the stroke.
        const int sp[][2] = {{4, 19}, {2, 15}, {7, 22}, {19, 3}};
        for (auto& s : sp) c.set(s[0], s[1], r.c[4]);
    }
    // A rim in the trail's own dark shade keeps white trails visible on sand.
    if (step < 2) outline(c);
    return c;
}

// Rod impacts: a burst of light in the rod's colour, its rays uneven so it
// reads as a blow rather than a badge.
Canvas impact(const Look& l, int step)
{
    Canvas c(24, 24);
    Ramp r = ramp(l.trail);
    const float ray_len[8] = {1.0f, 0.55f, 0.8f, 0.45f, 0.95f, 0.6f, 0.75f, 0.5f};
    float reach = step == 0 ? 6.0f : step == 1 ? 11.5f : 11.0f;
    for (int y = 0; y < 24; y++)
        for (int x = 0; x < 24; x++) {
            float dx = x + 0.5f - 12, dy = y + 0.5f - 12, d = std::hypot(dx, dy);
            float a = std::atan2(dy, dx) + 3.1416f;
            int k = (int)(a / 0.7854f + 0.5f) % 8;
            float off = std::fabs(a - k * 0.7854f);
            off = std::min(off, 6.2832f - off) * d; // distance from the ray's axis
            float len = reach * ray_len[k];
            float v = 0;
            if (off < 1.1f - d / (len * 1.4f) && d < len) v = 1 - d / len * 0.7f;
            if (step < 2) v = std::max(v, 1 - d / (step == 0 ? 3.5f : 5.0f));
            if (step == 2) {
                // Only the tips of the rays remain, flying apart.
                if (d < len * 0.6f)
                    v = 0;
                else if (v > 0)
                    v = 0.5f;
            }
            if (v <= 0.05f) continue;
            c.set(x, y, v > 0.8f ? 0xffffff : v > 0.55f ? r.c[4] : v > 0.3f ? r.c[3] : r.c[2], r.c[1]);
        }
    return c;
}

// The silver swing arcs shared by the katana and both rods.
Canvas swing_arc(bool upper)
{
    Canvas c(32, 32);
    Ramp r = ramp(0xb8c4d8);
    for (int y = 0; y < 32; y++)
        for (int x = 0; x < 32; x++) {
            float dx = x + 0.5f - 17, dy = y + 0.5f - 17, d = std::hypot(dx, dy);
            float a = std::atan2(dy, dx) * 57.3f; // 0 right, 90 down
            float t =
                upper ? (a + 180) / 150.0f : (a - 15) / 150.0f; // 0 at the start of the swing, 1 at its head
            if (t < 0 || t > 1 || d > 14.5f) continue;
            float thick = 1.0f + 3.0f * t;
            if (d < 14.5f - thick) continue;
            if (t < 0.35f && (x + y) % 2) continue; // the tail breaks up
            c.set(x, y, d > 14.5f - thick * 0.45f ? 0xffffff : t > 0.6f ? r.c[3] : r.c[2], r.c[1]);
        }
    return c;
}

// clang-format off
const Look LOOKS[] = {
    // first, class, metal, trim, grip, trail, width, head
    {WPN_STEEL_A, 1, 0xc4c8d2, 0x8a7a5a, 0x6b4a2f, 0xe8ecf4, 2.2f, 0},   // Steel Blade
    {WPN_APPLE_A, 1, 0x9cc060, 0xc8763c, 0x5e3a22, 0x8fe35a, 2.2f, 0},   // Apple Copper: copper tinted green
    {WPN_SCALDER_A, 1, 0xe86a48, 0xd9a02c, 0x4a2418, 0xff7a40, 2.4f, 0},   // Scalder: a blade of fire
    {WPN_DREAMER_A, 1, 0x3c7cf0, 0xe0c050, 0x2a2a5a, 0x4aa0ff, 2.4f, 0},   // Dreamer's Edge
    {WPN_STAINLESS_A, 2, 0xe2e6ee, 0x6c7c98, 0x3a3e58, 0xf4f4fa, 2.6f, 0},   // StainlessSlasher
    {WPN_MYTHRIL_A, 2, 0xb4cce0, 0x2e2a3a, 0x2a3a6a, 0xbcd8f0, 1.6f, 0},   // Mythril Katana: thin and curved
    {WPN_IRON_A, 2, 0x84888f, 0x55575e, 0x5a3a24, 0xa8acb4, 3.0f, 0},   // Iron Sword: broad and dark
    {WPN_JADE_A, 2, 0x5ed482, 0xc9b060, 0x2e4a34, 0x7cff9c, 2.6f, 0},   // Jade Melt
    {WPN_SHORTROD_A, 3, 0x9a948a, 0x6a4a2a, 0x8a5a32, 0xffd890, 2.6f, 0},   // Short Rod: wood and a stone knob
    {WPN_MOONROD_A, 3, 0xeae4b0, 0x8890b8, 0xa0a4b8, 0xc8dcff, 3.6f, 1},   // Moon Rod: a crescent of moon rock
};
// clang-format on

} // namespace

void draw_weapons()
{
    battle_section("weapons");
    // Blades: a ready, b raised overhead, c low slash.
    const Hold blade_a = {8, 15, -0.25f, -1, 14}, blade_b = {8, 14, 0.35f, -1, 13},
               blade_c = {13, 2, -1, 0.75f, 14};
    // Swords: frame a (= c) strike, b raised behind, f sweep, d thrust, e low guard.
    const Hold sw_a = {16, 19, -1, 0.3f, 16}, sw_b = {21, 14, 0.5f, -0.9f, 14},
               sw_f = {15, 15, -0.7f, -0.7f, 15}, sw_d = {17, 17, -1, 0, 16}, sw_e = {16, 18, -0.5f, 1, 13};
    // Rods: a raised in front, b thrust forward (head where the glow frame shines).
    const Hold rod_a = {13, 15, -10, -12, 14.5f}, rod_b = {15, 4, -11, -1, 10.5f};
    for (const Look& l : LOOKS) {
        int n = l.first;
        if (l.cls == 1) {
            battle_put(n, frame(12, 18, blade_a, l));
            battle_put(n + 1, frame(14, 16, blade_b, l));
            battle_put(n + 2, frame(16, 14, blade_c, l));
            for (int s = 0; s < 3; s++) battle_put(n + 3 + s, slash(l, s));
        } else if (l.cls == 2) {
            // Numbered b, a, f, d, e, then the slash, as the weapon table has them.
            battle_put(n - 1, frame(32, 32, sw_b, l));
            battle_put(n, frame(32, 32, sw_a, l));
            battle_put(n + 1, frame(32, 32, sw_f, l));
            if (n != WPN_MYTHRIL_A) {
                battle_put(n + 2, frame(32, 32, sw_d, l));
                battle_put(n + 3, frame(32, 32, sw_e, l));
            }
            for (int s = 0; s < 3; s++) battle_put(n + 4 + s, slash(l, s));
        } else {
            battle_put(n, frame(16, 18, rod_a, l));
            battle_put(n + 1, frame(16, 7, rod_b, l));
            battle_put(n + 2, rod_glow(l));
            for (int s = 0; s < 3; s++) battle_put(n + 3 + s, impact(l, s));
        }
    }
    // The katana's d and e frames are swing arcs, which the rods borrow too.
    battle_put(WPN_SWING_D, swing_arc(true));
    battle_put(WPN_SWING_E, swing_arc(false));
}
