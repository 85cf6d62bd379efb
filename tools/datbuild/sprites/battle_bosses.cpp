// The foes of the story's scripted fights, facing right like every enemy:
// the Drakian soldiers at the bridge, the Barghest, the Mangler, Metalor,
// and the Mountain with the six faces it shows as it wakes.
#include "sprites/battle.h"
#include "dat_names.h"
#include "sprites/pen.h"

#include <cmath>

using namespace kit;

namespace {

const int EYE_RED = 0xff4a3a, EYE_YELLOW = 0xffe04a, WHITE = 0xf4f0e0, INK = 0x181425;

Canvas drakian(int pose) // 0 guard, 1 strike
{
    Pen p(25, 25);
    const int armour = 0x8a3a3a, dark = 0x4a2a2e, skin = 0xc89870;
    p.limb(9, 17, 7, 24, 2.6f, dark), p.limb(13, 17, 15, 24, 2.6f, dark);
    p.poly({6, 18, 7, 10, 15, 10, 16, 18}, armour);
    p.ell(11, 7, 4, 4, skin);
    p.poly({6.5f, 7, 7, 2, 11, 1, 15.5f, 5, 15, 6, 8, 6}, armour); // helm with cheek guard
    p.poly({7, 3, 4, 0, 8, 2}, 0xe0d0b0);                          // horn
    p.glint(13, 7, 0x281820);
    float hx = pose ? 20 : 16, hy = pose ? 13 : 14;
    p.limb(12, 11, hx, hy, 2.2f, armour);
    if (pose)
        p.limb(hx, hy, 24, 20, 1.6f, 0xc8ccd8); // blade swung down
    else
        p.limb(hx, hy, 21, 4, 1.6f, 0xc8ccd8); // blade held up
    p.ell(hx, hy, 1.3f, 1.3f, skin);
    return p.done();
}

Canvas barghest(int pose) // 0 stand, 1 rear, 2 pounce
{
    Pen p(50, 60);
    const int hide = 0x2e2836, mane = 0x4a2a3e, claw = 0xe0d8c8;
    float lift = pose == 1 ? -10 : 0, fwd = pose == 2 ? 6 : 0;
    p.limb2(10, 42, 6, 50, 9, 58, 5, hide); // hind legs
    p.limb2(16, 44, 13, 51, 17, 58, 5, hide);
    p.poly({4, 34, 0, 22, 6, 30}, mane); // tail
    p.ell(17 + fwd * 0.5f, 38 + lift * 0.4f, 14, 10, hide);
    if (pose == 1) {
        p.limb2(28, 28, 36, 24, 40, 30, 4.5f, hide); // forepaws raised
        p.limb2(26, 32, 33, 32, 38, 38, 4.5f, hide);
    } else {
        p.limb2(26 + fwd, 40, 30 + fwd * 1.5f, 50, 30 + fwd * 2, 58, 4.5f, hide);
        p.limb2(22 + fwd, 42, 25 + fwd * 1.5f, 51, 24 + fwd * 2, 58, 4.5f, hide);
    }
    // A spiked mane around a wolfish head.
    float hx = 31 + fwd, hy = 24 + lift;
    for (int i = 0; i < 5; i++)
        p.poly({hx - 10 + i * 2.0f, hy + 6 - i * 3.0f, hx - 16 + i * 1.0f, hy - 2 - i * 3.0f,
                hx - 6 + i * 2.0f, hy + 2 - i * 3.0f},
               mane);
    p.ell(hx - 4, hy + 4, 9, 8, mane);
    p.ell(hx + 2, hy, 7, 6, hide);
    p.poly({hx - 2, hy - 4, hx + 1, hy - 13, hx + 4, hy - 4}, hide);                  // ears
    p.poly({hx + 4, hy - 1, hx + 16, hy + 1, hx + 15, hy + 4, hx + 5, hy + 5}, hide); // muzzle
    float jaw = pose ? 4 : 1.5f;
    p.poly({hx + 5, hy + 5, hx + 14, hy + 4 + jaw, hx + 5, hy + 8 + jaw * 0.5f}, mane);
    for (int i = 0; i < 3; i++) p.dot((int)hx + 7 + i * 3, (int)hy + 5, WHITE);
    p.dot((int)hx + 15, (int)hy + 1, INK);
    p.glint((int)hx + 3, (int)hy - 2, 0xff6a2a);
    p.glint((int)hx + 6, (int)hy - 2, 0xff6a2a);
    Canvas c = p.done();
    // Claws at the tips of the feet.
    if (pose != 1) {
        c.set((int)(30 + fwd * 2 + 2), 58, claw), c.set((int)(24 + fwd * 2 + 2), 58, claw);
    }
    return c;
}

Canvas mangler(int pose) // 0 facing the party, 1 claws raised, 2 turned away
{
    Pen p(50, 60);
    const int skin = 0x6a7a58, dark = 0x46523e, belly = 0xa8a070, claw = 0xe8e0d0;
    p.limb(17, 44, 13, 58, 6, dark), p.limb(29, 44, 32, 58, 6, dark); // legs
    p.ell(23, 34, 15, 14, skin);                                      // hulking body
    if (pose == 2) {
        // Turned away: the spined back and the hunched head seen from behind.
        for (int i = 0; i < 5; i++)
            p.poly({14.0f + i * 3, 24.0f + i * 3, 18.0f + i * 3, 22.0f + i * 3, 17.0f + i * 3, 28.0f + i * 3},
                   0xc8b890);
        p.ell(19, 20, 7, 6, dark);
        p.limb2(10, 28, 6, 38, 9, 46, 5, skin);
        p.limb2(34, 28, 40, 38, 37, 46, 5, skin);
        for (int i = 0; i < 3; i++)
            p.limb(37 + i * 2 - 2, 46, 36 + i * 3 - 2, 50, 1.2f, claw),
                p.limb(9 + i * 2 - 2, 46, 8 + i * 3 - 2, 50, 1.2f, claw);
        return p.done();
    }
    p.ell(27, 37, 8, 8, belly);
    p.ell(30, 20, 8, 7, skin);              // head thrust forward
    p.poly({32, 22, 40, 23, 33, 27}, dark); // jaw
    for (int i = 0; i < 3; i++) p.dot(33 + i * 2, 23, WHITE);
    p.glint(32, 18, EYE_YELLOW);
    p.poly({24, 14, 26, 8, 29, 14}, 0xc8b890); // horn
    // The arms end in three long claws.
    float hx = pose ? 38 : 40, hy = pose ? 10 : 40;
    p.limb2(30, 28, pose ? 38 : 38, pose ? 20 : 32, hx, hy, 5, skin);
    for (int i = 0; i < 3; i++) {
        float a = pose ? -1.2f + i * 0.3f : 0.2f + i * 0.35f;
        p.limb(hx, hy, hx + std::cos(a) * 9, hy + std::sin(a) * 9, 1.6f, claw);
    }
    p.limb2(16, 28, 10, 36, 12, 44, 4.5f, dark);
    return p.done();
}

Canvas claw(int k)
{
    Canvas c(24, 24);
    Ramp r = ramp(0xe04848);
    // Three parallel rips; each frame tears further down.
    float len = 8 + k * 6;
    for (int i = 0; i < 3; i++) {
        float x0 = 6 + i * 5, y0 = 2;
        paint(c, mask_line(24, 24, x0 + 4, y0, x0 + 4 - len * 0.35f, y0 + len, 2.0f - i * 0.2f), r, false);
        c.set((int)(x0 + 4 - len * 0.3f), (int)(y0 + len * 0.8f), 0xffffff);
    }
    outline(c);
    return c;
}

Canvas metalor(int pose) // 0 stand, 1 lunge
{
    Pen p(50, 60);
    const int steel = 0x4a4a5e, cape = 0x5a2a7a, trim = 0xb89a40;
    float fwd = pose ? 6 : 0;
    p.poly({8 + fwd * 0.3f, 58, 12, 20, 30, 20, 32 + fwd, 58, 24, 54, 16, 58}, cape); // cape behind
    p.limb(20 + fwd * 0.5f, 40, 16, 58, 6, steel), p.limb(27 + fwd * 0.5f, 40, 32 + fwd, 58, 6, steel);
    p.ell(23 + fwd * 0.5f, 30, 10, 12, steel); // armoured chest
    p.ln(23 + (int)(fwd * 0.5f), 20, 23 + (int)(fwd * 0.5f), 40, trim);
    p.ell(16 + fwd * 0.5f, 21, 5, 4, steel), p.ell(31 + fwd * 0.5f, 21, 5, 4, steel);
    float hx = 24 + fwd, hy = 12;
    p.ell(hx, hy, 6, 7, steel);
    p.poly({hx - 5, hy - 4, hx - 10, hy - 14, hx - 2, hy - 6}, trim); // horns
    p.poly({hx + 3, hy - 6, hx + 6, hy - 15, hx + 6, hy - 4}, trim);
    p.ln((int)hx, (int)hy + 1, (int)hx + 6, (int)hy + 1, INK);
    p.glint((int)hx + 2, (int)hy, 0xc060ff);
    p.glint((int)hx + 4, (int)hy, 0xc060ff);
    // A dark orb in the open hand.
    float ox = pose ? 44 : 40, oy = pose ? 26 : 32;
    p.limb2(31 + fwd * 0.5f, 24, 36, 30, ox - 3, oy, 4, steel);
    p.ell(ox, oy - 3, 3.5f, 3.5f, 0x2a1a4a);
    p.dot((int)ox - 1, (int)oy - 5, 0xc060ff);
    return p.done();
}

// The Mountain: one peak whose face wakes up stage by stage.
Canvas mountain(int stage) // 0 asleep .. 4 enraged, 5 roaring
{
    Pen p(120, 120);
    const int rock = 0x7e7468, snow = 0xe8eef4, moss = 0x5a7a44;
    p.poly({2, 118, 20, 60, 38, 44, 58, 6, 68, 10, 86, 40, 104, 58, 118, 118}, rock);
    p.poly({46, 30, 58, 6, 68, 10, 76, 28, 68, 24, 62, 30, 54, 24}, snow);
    p.poly({6, 118, 16, 96, 30, 100, 40, 118}, moss);
    p.poly({84, 118, 98, 98, 114, 104, 118, 118}, moss);
    p.ell(30, 80, 8, 6, scale(rock, 0.85f)), p.ell(92, 74, 9, 6, scale(rock, 0.85f));
    // Strata and ledges give the face of the peak its grain.
    const int strata[][4] = {{24, 64, 38, 58}, {82, 52, 98, 62}, {14, 100, 30, 92},  {88, 94, 108, 100},
                             {50, 40, 58, 36}, {66, 38, 76, 44}, {36, 108, 50, 104}, {70, 106, 86, 110}};
    for (auto& l : strata) p.ln(l[0], l[1], l[2], l[3], scale(rock, 0.72f));
    for (auto& l : strata) p.ln(l[0], l[1] - 1, l[2], l[3] - 1, scale(rock, 1.18f));
    const int pebbles[][2] = {{40, 84}, {78, 86}, {56, 110}, {98, 84}, {22, 96}, {64, 52}, {48, 50}};
    for (auto& d : pebbles)
        p.dot(d[0], d[1], scale(rock, 0.6f)), p.dot(d[0] - 1, d[1] - 1, scale(rock, 1.2f));
    int crack = stage >= 4 ? 0xff8a2a : 0x3a342e;
    if (stage >= 1) {
        p.ln(40, 50, 46, 62, crack), p.ln(46, 62, 42, 72, crack), p.ln(80, 46, 74, 58, crack);
        p.ln(74, 58, 78, 70, crack);
    }
    if (stage >= 2) p.ln(20, 86, 30, 98, crack), p.ln(96, 84, 104, 100, crack), p.ln(60, 34, 58, 44, crack);
    // Brows, eyes and mouth.
    int ey = 66;
    p.poly(
        {36, ey - 8.0f - stage, 54, ey - 4.0f + (stage >= 3 ? 3 : 0), 54, ey - 1.0f, 36, ey - 5.0f - stage},
        scale(rock, 0.7f));
    p.poly(
        {66, ey - 4.0f + (stage >= 3 ? 3 : 0), 84, ey - 8.0f - stage, 84, ey - 5.0f - stage, 66, ey - 1.0f},
        scale(rock, 0.7f));
    for (int side = 0; side < 2; side++) {
        int ex = side ? 75 : 45;
        bool open = stage >= 3 || (stage == 2 && side == 1);
        if (open) {
            int glow_col = stage >= 4 ? 0xff5a2a : EYE_YELLOW;
            p.ell((float)ex, ey + 4.0f, 8, 4.5f, 0x2a2420, false);
            p.ell(ex + 1.5f, ey + 4.0f, 4, 3, glow_col, false);
            p.dot(ex + 1, ey + 3, 0xfff8d0), p.dot(ex + 2, ey + 3, 0xfff8d0);
        } else {
            p.ln(ex - 7, ey + 4, ex + 7, ey + 5, 0x2a2420); // shut, or half shut
            p.ln(ex - 7, ey + 3, ex - 5, ey + 4, 0x2a2420);
        }
    }
    if (stage >= 5) {
        p.ell(60, 92, 14, 9, 0x2a1810, false); // roar
        p.ell(60, 94, 9, 5, 0xff7a2a, false);
        const float rocks[][3] = {{10, 20, 5}, {104, 22, 6}, {22, 42, 4}, {108, 44, 4}};
        for (auto& r : rocks) p.ell(r[0], r[1], r[2], r[2] * 0.8f, rock);
    } else if (stage >= 3) {
        p.poly({46, 90, 60, 86, 74, 90, 70, 96, 50, 96}, 0x2a1810);
    } else {
        p.ln(50, 92, 70, 92, 0x3a342e);
    }
    if (stage == 0) {
        p.dot(92, 30, 0xffffff), p.dot(96, 26, 0xffffff), p.dot(100, 22, 0xffffff); // snoring puffs
    }
    return p.done();
}

} // namespace

void draw_bosses()
{
    battle_section("bosses");
    battle_put(EN_DRAKIAN_A, drakian(0));
    battle_put(EN_DRAKIAN_B, drakian(1));
    for (int i = 0; i < 3; i++) battle_put(EN_BARGHEST_A + i, barghest(i));
    battle_put(EN_MANGLER_A, mangler(0));
    battle_put(EN_MANGLER_B, mangler(1));
    battle_put(EN_MANGLER_BACK, mangler(2));
    for (int i = 0; i < 3; i++) battle_put(FX_CLAW_1 + i, claw(i));
    battle_put(EN_METALOR_A, metalor(0));
    battle_put(EN_METALOR_B, metalor(1));
    battle_section("mountain");
    for (int s = 0; s < 6; s++) battle_put(EN_MOUNTAIN_0 + s, mountain(s));
}
