// The four heroes in battle, facing left. Each hero is a hand-drawn head
// (assets/chr/battle/<hero>.px, which also holds the hero's colours) on a
// jointed body posed in code, so that every pose puts the hands exactly on
// the grip of the weapon frame the game draws over it.
#include "sprites/battle.h"
#include "dat_names.h"
#include "sprites/pen.h"

#include "px.h"

#include <cmath>

using namespace kit;

namespace {

enum Dress { TUNIC, ARMOUR, GOWN, ROBE };

struct Pose {
    float hipx, hipy, neckx, necky; // the torso runs from hip to neck
    float headx, heady;             // head picture's top-left corner
    float nfx, nfy, ffx, ffy;       // near and far foot
    float nhx, nhy, fhx, fhy;       // near and far hand
};

struct Hero {
    PxFile px;
    Dress dress;
    Canvas head = Canvas(1, 1);
    int col(char ch) const { return px.colors.at(ch); }
    // Ramp from a light, mid and dark letter of the hero's colours.
    Ramp rp(const char* l) const
    {
        Ramp r;
        r.c[0] = col('k');
        r.c[1] = col(l[2]);
        r.c[2] = col(l[1]);
        r.c[3] = col(l[0]);
        r.c[4] = mix(col(l[0]), 0xffffff, 0.35f);
        return r;
    }
};

void limb(Canvas& c, float x0, float y0, float x1, float y1, float th, const Ramp& r)
{
    paint(c, mask_line(c.w, c.h, x0, y0, x1, y1, th), r);
}

// A leg from hip to foot, the knee pushed forward (left), and a boot.
void leg(Canvas& c, const Hero& h, float hx, float hy, float fx, float fy, bool far)
{
    Ramp cloth = h.rp(h.dress == ROBE ? "Tt3" : h.dress == GOWN ? "Bb4" : "Bb4");
    Ramp boot = h.rp("Ff5");
    if (far) cloth.c[3] = cloth.c[2], cloth.c[2] = cloth.c[1], boot.c[3] = boot.c[2];
    float kx = (hx + fx) / 2 - 1.2f, ky = (hy + fy) / 2;
    limb(c, hx, hy, kx, ky, 3.2f, cloth);
    limb(c, kx, ky, fx, fy - 1.5f, 3.0f, cloth);
    paint(c,
          mask_poly(c.w, c.h,
                    {fx - 2.5f, fy + 0.5f, fx - 1.5f, fy - 2.5f, fx + 1.5f, fy - 2.5f, fx + 1.5f, fy + 0.5f}),
          boot);
}

// An arm from the shoulder to the hand, elbow bent down and back.
void arm(Canvas& c, const Hero& h, float sx, float sy, float hx, float hy, bool far)
{
    Ramp sleeve = h.rp(h.dress == ARMOUR ? "Tt3" : "Tt3");
    Ramp skin = h.rp("Ss1");
    if (far) sleeve.c[3] = sleeve.c[2], sleeve.c[2] = sleeve.c[1];
    float len = std::hypot(hx - sx, hy - sy);
    float ex = (sx + hx) / 2 + 1.0f, ey = (sy + hy) / 2 + (len < 8 ? 2.0f : 1.0f);
    limb(c, sx, sy, ex, ey, h.dress == ROBE ? 3.4f : 2.6f, sleeve);
    limb(c, ex, ey, hx, hy, h.dress == ROBE ? 3.0f : 2.2f,
         h.dress == TUNIC || h.dress == GOWN ? skin : sleeve);
    paint(c, mask_ellipse(c.w, c.h, hx + 0.5f, hy + 0.5f, 1.4f, 1.4f), skin);
}

void torso(Canvas& c, const Hero& h, const Pose& p)
{
    float lean = p.neckx - p.hipx;
    Ramp top = h.rp("Tt3");
    switch (h.dress) {
    case TUNIC:
        paint(c,
              mask_poly(c.w, c.h,
                        {p.neckx - 3, p.necky, p.neckx + 3.5f, p.necky, p.hipx + 3.5f, p.hipy + 2,
                         p.hipx - 3.5f, p.hipy + 2}),
              top);
        paint(c, mask_line(c.w, c.h, p.hipx - 3, p.hipy - 0.5f, p.hipx + 3, p.hipy - 0.5f, 1.2f),
              h.rp("Aa6"));
        break;
    case ARMOUR:
        paint(c,
              mask_poly(c.w, c.h,
                        {p.neckx - 3.5f, p.necky, p.neckx + 3.5f, p.necky, p.hipx + 3, p.hipy + 1, p.hipx - 3,
                         p.hipy + 1}),
              top);
        paint(c, mask_line(c.w, c.h, p.neckx + 2.5f, p.necky + 0.5f, p.hipx - 2.5f, p.hipy - 1, 1.3f),
              h.rp("Aa6"));
        paint(c, mask_ellipse(c.w, c.h, p.neckx + 1.5f, p.necky + 1.5f, 2.6f, 2.0f), h.rp("Mm7"));
        break;
    case GOWN:
        paint(c,
              mask_poly(c.w, c.h,
                        {p.hipx - 2.5f, p.hipy - 1, p.hipx + 3, p.hipy - 1, p.hipx + 5 - lean * 0.3f, 22.5f,
                         p.hipx - 5.5f - lean * 0.3f, 22.5f}),
              h.rp("Bb4"));
        paint(c,
              mask_poly(
                  c.w, c.h,
                  {p.neckx - 2.5f, p.necky, p.neckx + 3, p.necky, p.hipx + 3, p.hipy, p.hipx - 2.5f, p.hipy}),
              top);
        paint(c, mask_line(c.w, c.h, p.hipx - 2.5f, p.hipy - 0.5f, p.hipx + 3, p.hipy - 0.5f, 1.2f),
              h.rp("Aa6"));
        break;
    case ROBE:
        paint(c,
              mask_poly(c.w, c.h,
                        {p.neckx - 3, p.necky, p.neckx + 3.5f, p.necky, p.hipx + 5 - lean * 0.3f, 22.5f,
                         p.hipx - 5.5f - lean * 0.3f, 22.5f}),
              top);
        paint(c,
              mask_line(c.w, c.h, p.hipx - 5 - lean * 0.3f, 21.5f, p.hipx + 4.5f - lean * 0.3f, 21.5f, 1.2f),
              h.rp("Aa6"));
        paint(c, mask_line(c.w, c.h, p.hipx - 3, p.hipy - 0.5f, p.hipx + 3.5f, p.hipy - 0.5f, 1.2f),
              h.rp("Aa6"));
        break;
    }
}

Canvas figure(const Hero& h, const Pose& p)
{
    Canvas c(24, 24);
    float sx = p.neckx + 0.5f, sy = p.necky + 1.5f; // shoulder
    if (h.dress == ROBE)                            // the cloak hangs behind everything
        paint(c,
              mask_poly(
                  c.w, c.h,
                  {p.neckx + 1, p.necky - 1, p.neckx + 5, p.necky + 1, p.hipx + 7, 22.5f, p.hipx + 1, 22.5f}),
              h.rp("Cc8"));
    arm(c, h, sx + 1.5f, sy, p.fhx, p.fhy, true);
    if (h.dress != ROBE && h.dress != GOWN) leg(c, h, p.hipx + 1, p.hipy, p.ffx, p.ffy, true);
    if (h.dress == GOWN) leg(c, h, p.hipx + 1, p.hipy + 4, p.ffx, p.ffy, true);
    if (h.dress != ROBE && h.dress != GOWN) leg(c, h, p.hipx - 1, p.hipy, p.nfx, p.nfy, false);
    if (h.dress == GOWN) leg(c, h, p.hipx - 1, p.hipy + 4, p.nfx, p.nfy, false);
    if (h.dress == ROBE) {
        Ramp boot = h.rp("Ff5");
        paint(c, mask_ellipse(c.w, c.h, p.ffx, p.ffy - 0.5f, 2, 1.3f), boot);
        paint(c, mask_ellipse(c.w, c.h, p.nfx, p.nfy - 0.5f, 2, 1.3f), boot);
    }
    torso(c, h, p);
    stamp(c, h.head, (int)std::lround(p.headx), (int)std::lround(p.heady));
    arm(c, h, sx - 0.5f, sy, p.nhx, p.nhy, false);
    outline(c);
    return c;
}

// Knocked out: the standing figure laid on its back, eyes shut, head away
// from the enemies.
Canvas fallen(const Hero& h, Pose p)
{
    Hero shut = h;
    for (auto& v : shut.head.px)
        if (v == h.col('e')) v = h.col('1');
    p.nhx = p.neckx + 2, p.nhy = p.hipy, p.fhx = p.neckx + 3, p.fhy = p.hipy - 1;
    Canvas up = figure(shut, p);
    Canvas c(24, 16);
    // Turn a quarter clockwise: top goes right, the face looks up.
    for (int y = 0; y < 16; y++)
        for (int x = 0; x < 24; x++) {
            int sx = y + 4, sy = 23 - x;
            c.set(x, y, up.get(sx, sy));
        }
    return c;
}

Hero load(const std::string& assets, const char* name, Dress d)
{
    Hero h;
    h.px = px_load(assets + "/chr/battle/" + name + ".px");
    h.dress = d;
    h.head = from_px(h.px, "head");
    return h;
}

// Joint positions per pose. Standing figures have their feet on row 23.
Pose stand(float hx)
{
    return {12 + hx, 15, 11 + hx, 10, 6 + hx, 1, 10 + hx, 23, 14 + hx, 23, 9 + hx, 15, 15 + hx, 15};
}

} // namespace

void draw_fighters(const std::string& assets)
{
    battle_section("fighters");
    Hero mike = load(assets, "mike", TUNIC);
    Hero charlie = load(assets, "charlie", ARMOUR);
    Hero eliz = load(assets, "elizabeth", GOWN);
    Hero runhon = load(assets, "runhon", ROBE);

    Pose a = stand(0);
    Pose b = a; // mid-stride
    b.nfx = 8, b.ffx = 15, b.nfy = 23, b.ffy = 22, b.nhx = 11, b.nhy = 16, b.fhx = 13, b.fhy = 14;
    b.heady = 1.5f;

    // Mike: crouch (c), blade raised overhead with both hands (d), low lunge (e).
    Pose mc = a;
    mc.hipy = 16, mc.necky = 11, mc.heady = 2, mc.nfx = 8, mc.ffx = 16, mc.nhx = 12, mc.nhy = 12, mc.fhx = 14,
    mc.fhy = 12;
    Pose md = mc;
    md.nhx = 11, md.nhy = 1, md.fhx = 12, md.fhy = 2, md.necky = 11, md.heady = 3;
    Pose me = {12, 16, 9, 11, 3, 3, 6, 23, 17, 23, 3, 19, 5, 18};
    battle_put(FT_MIKE_A, figure(mike, a));
    battle_put(FT_MIKE_B, figure(mike, b));
    battle_put(FT_MIKE_C, figure(mike, mc));
    battle_put(FT_MIKE_D, figure(mike, md));
    battle_put(FT_MIKE_E, figure(mike, me));
    battle_put(FT_MIKE_DEAD, fallen(mike, a));

    // Charlie: sword drawn back over the shoulder (c), coiled for a thrust (d), strike (e).
    Pose cc = a;
    cc.nhx = 9, cc.nhy = 8, cc.fhx = 11, cc.fhy = 9, cc.ffx = 16, cc.nfx = 9;
    Pose cd = a;
    cd.hipx = 13, cd.neckx = 12, cd.headx = 7, cd.nhx = 5, cd.nhy = 11, cd.fhx = 7, cd.fhy = 12, cd.nfx = 8,
    cd.ffx = 16;
    Pose ce = {12, 16, 9, 11, 3, 3, 6, 23, 17, 23, 4, 13, 6, 13};
    battle_put(FT_CHARLIE_A, figure(charlie, a));
    battle_put(FT_CHARLIE_B, figure(charlie, b));
    battle_put(FT_CHARLIE_C, figure(charlie, cc));
    battle_put(FT_CHARLIE_D, figure(charlie, cd));
    battle_put(FT_CHARLIE_E, figure(charlie, ce));
    battle_put(FT_CHARLIE_DEAD, fallen(charlie, a));

    // The rod users raise the rod before them (c) and thrust it (e); Elizabeth
    // reaches further, as her rod is drawn five pixels further out.
    Pose rc = a;
    rc.nhx = 5, rc.nhy = 6, rc.fhx = 7, rc.fhy = 7;
    Pose ec = rc;
    ec.nhx = 1, ec.nhy = 6, ec.fhx = 3, ec.fhy = 7, ec.neckx = 10, ec.headx = 5;
    Pose re = a;
    re.nhx = 5, re.nhy = 17, re.fhx = 7, re.fhy = 16, re.neckx = 10, re.headx = 5, re.nfx = 8;
    battle_put(FT_ELIZABETH_A, figure(eliz, a));
    battle_put(FT_ELIZABETH_B, figure(eliz, b));
    battle_put(FT_ELIZABETH_C, figure(eliz, ec));
    battle_put(FT_ELIZABETH_E, figure(eliz, re));
    battle_put(FT_ELIZABETH_DEAD, fallen(eliz, a));
    battle_put(FT_RUNHON_A, figure(runhon, a));
    battle_put(FT_RUNHON_B, figure(runhon, b));
    battle_put(FT_RUNHON_C, figure(runhon, rc));
    battle_put(FT_RUNHON_E, figure(runhon, re));
    battle_put(FT_RUNHON_DEAD, fallen(runhon, a));
}
