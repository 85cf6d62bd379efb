// The creatures of random encounters, all facing right towards the party,
// and the pictures their attacks throw. Each pose is a few shaded shapes; a
// pose parameter moves the parts that change between frames.
#include "sprites/battle.h"
#include "dat_names.h"
#include "sprites/pen.h"

#include <cmath>

using namespace kit;

namespace {

const int EYE_RED = 0xff4a3a, EYE_YELLOW = 0xffe04a, WHITE = 0xf4f0e0, INK = 0x181425;

Canvas dark_weed(int pose)
{
    Pen p(25, 25);
    float lean = pose ? 4.0f : 0.0f;
    // Leaves fan out from the roots; the bulb sways on its stalk.
    p.poly({2, 24, 6, 14, 9, 24}, 0x2f4a2a);
    p.poly({16, 24, 21, 15, 22, 24}, 0x2f4a2a);
    p.limb(11, 23, 11 + lean * 0.5f, 14, 3, 0x3d5a32);
    p.poly({6, 24, 10, 17, 13, 24}, 0x3d5a32);
    p.poly({12, 24, 15, 16, 18, 24}, 0x46683a);
    p.ell(12 + lean, 9, 6, 5.5f, 0x5a3a6a);
    p.poly({9 + lean, 5, 12 + lean, 0.5f, 14 + lean, 5}, 0x5a3a6a); // thorn crest
    p.glint(13 + (int)lean, 8, EYE_RED);
    p.glint(16 + (int)lean, 8, EYE_RED);
    p.ln(13 + (int)lean, 11, 17 + (int)lean, 11, 0x2a1434);
    if (pose) {
        // The lash: a thorny vine whipping out to the right.
        p.limb(16, 13, 21, 10, 1.6f, 0x46683a);
        p.limb(21, 10, 24, 5, 1.4f, 0x46683a);
        p.dot(22, 8, 0xc8d870);
        p.dot(23, 6, 0xc8d870);
    } else {
        p.limb(7, 14, 3, 9, 1.6f, 0x46683a);
        p.dot(4, 10, 0xc8d870);
    }
    return p.done();
}

Canvas blue_hornet(int pose) // 0 wings up, 1 sting, 2 wings down
{
    Pen p(25, 25);
    const int body = 0x3a6ad8, band = 0x1e2450, wing = 0xcfe6ff;
    if (pose != 2)
        p.ell(11, 5, 5, 3.2f, wing, false); // far wing
    else
        p.ell(10, 15, 5, 2.6f, wing, false);
    float ax = pose == 1 ? 8 : 7, ay = pose == 1 ? 15 : 12;
    p.ell(ax, ay, 5.5f, 4, body);
    for (int i = -1; i <= 1; i += 2)
        p.ln((int)ax + i * 2, (int)ay - 3, (int)ax + i * 2 - 1, (int)ay + 3, band);
    if (pose == 1)
        p.limb(4, 18, 10, 22, 1.3f, 0xd8d8e0); // stinger curled under, aimed forward
    else
        p.limb(2, ay + 1, 0, ay + 2, 1.3f, 0xd8d8e0);
    p.ell(14, 11, 3.5f, 3.2f, 0xe0b030); // thorax
    p.ell(19, 10, 3.5f, 3.2f, body);
    p.dot(20, 9, EYE_RED), p.dot(21, 9, 0xfff0c0), p.dot(21, 10, EYE_RED);
    p.ln(20, 7, 22, 3, INK); // feelers
    p.ln(18, 7, 19, 3, INK);
    p.ln(13, 14, 12, 18, INK), p.ln(15, 14, 16, 18, INK); // legs
    if (pose != 2)
        p.ell(15, 5, 5, 3, wing, false); // near wing
    else
        p.ell(12, 16, 6, 2.6f, wing, false);
    return p.done();
}

// The slime's socket must sit exactly where the eye picture is drawn beneath it.
Canvas slime_eye(int eye_x)
{
    Pen p(25, 25);
    float cx = eye_x + 5.5f;
    Mask body =
        mask_union(mask_ellipse(25, 25, cx, 13.5f, 10, 10.5f), mask_ellipse(25, 25, 12.5f, 20, 11.5f, 4.5f));
    Mask socket = mask_ellipse(25, 25, cx, 8, 4.6f, 4.1f);
    paint(p.c, mask_minus(body, socket), ramp(0x4cbf9a), false, 1.3f);
    p.dot((int)cx - 6, 13, 0xeafff4), p.dot((int)cx - 6, 14, 0xb8f0dc); // wet shine
    // Bubbles caught inside the jelly.
    p.ell(cx + 4, 17, 1.5f, 1.5f, 0x8ae8c8, false), p.dot((int)cx + 3, 16, 0xeafff4);
    p.ell(cx - 3, 19, 1.2f, 1.2f, 0x8ae8c8, false);
    p.ell(cx + 1, 21, 1.0f, 1.0f, 0x8ae8c8, false);
    p.dot(3, 22, 0x2e7a62), p.dot(21, 22, 0x2e7a62);
    Canvas c = p.done();
    // The rim around the socket is drawn dark so the faint eye reads as set deep.
    return c;
}

Canvas slime_eyeball()
{
    Pen p(11, 10);
    p.ell(5.5f, 5, 5, 4.5f, 0xf0ece4, false);
    p.ell(6.5f, 5, 2.6f, 2.8f, 0xd02838, false);
    p.dot(6, 4, INK), p.dot(7, 4, INK), p.dot(6, 5, INK), p.dot(7, 5, INK);
    p.dot(5, 3, 0xffffff);
    return p.done();
}

Canvas fanged(int pose) // 0 crouch, 1 snarl, 2 leap
{
    Pen p(25, 25);
    const int fur = 0x8a5438, mane = 0x5a3426, belly = 0xc89a70;
    // A lean wolf; when it leaps the body tilts up and the legs stretch out.
    float tilt = pose == 2 ? -0.25f : 0.0f, lift = pose == 2 ? -3.0f : 0.0f;
    auto Y = [&](float x, float y) { return y + lift + (x - 11) * tilt; };
    float bx = pose == 2 ? 9 : 4, fx = pose == 2 ? 22 : 17;
    p.limb(6, Y(6, 16), bx - 1, pose == 2 ? 21 : 23, 1.8f, mane); // far legs
    p.limb(15, Y(15, 16), fx - 1, pose == 2 ? Y(20, 18) : 23, 1.8f, mane);
    p.poly({4, Y(4, 13), 0.5f, Y(0, 8), 1.5f, Y(1, 13), 3, Y(3, 16)}, mane); // bushy tail
    p.ell(10.5f, Y(10.5f, 14.5f), 7, 4, fur);
    p.ell(12, Y(12, 16.5f), 4.5f, 1.8f, belly, false);
    p.limb(7, Y(7, 16), bx, pose == 2 ? 20 : 23, 2, fur); // near legs
    p.limb(14, Y(14, 16), fx, pose == 2 ? Y(22, 17) : 23, 2, fur);
    p.ell(13, Y(13, 11.5f), 4, 3.5f, mane); // ruff
    float hy = pose == 1 ? 12.5f : 10.5f;
    p.ell(18, Y(18, hy), 3.5f, 3, fur);
    p.poly({15.5f, Y(16, hy - 2), 16.5f, Y(16, hy - 6.5f), 18.5f, Y(18, hy - 2)}, mane); // ears
    p.poly({18.5f, Y(19, hy - 2.5f), 20, Y(20, hy - 6), 21, Y(21, hy - 1.5f)}, fur);
    float jaw = pose ? 2.5f : 0.8f;
    p.poly({19, Y(19, hy - 1), 24, Y(24, hy + 0.5f), 24, Y(24, hy + 1.5f), 19, Y(19, hy + 1.5f)},
           fur);                                                                                      // snout
    p.poly({19, Y(19, hy + 2), 23.5f, Y(23.5f, hy + 2 + jaw), 19, Y(19, hy + 3 + jaw * 0.5f)}, mane); // jaw
    // The fangs that give it its name, hanging over the lower jaw.
    int fy = (int)std::lround(Y(22, hy + 2));
    p.dot(22, fy, WHITE), p.dot(22, fy + 1, WHITE), p.dot(20, fy, WHITE), p.dot(20, fy + 1, WHITE);
    p.dot(24, (int)std::lround(Y(24, hy)), INK);
    p.glint(18, (int)std::lround(Y(18, hy - 1)), EYE_YELLOW);
    return p.done();
}

Canvas chunk()
{
    Pen p(25, 25);
    p.poly({2, 23, 3, 12, 7, 6, 14, 4, 20, 7, 23, 13, 23, 23}, 0x7a5434);
    p.ell(7, 18, 2.5f, 2, 0x8c8a80), p.ell(18, 19, 3, 2.2f, 0x8c8a80), p.ell(15, 9, 1.8f, 1.5f, 0x8c8a80);
    p.ln(10, 5, 9, 1, 0x5a9a3a), p.ln(12, 4, 13, 0, 0x6ab84a),
        p.ln(14, 5, 16, 2, 0x5a9a3a);                    // grass on its crown
    p.ln(9, 11, 12, 12, INK), p.ln(19, 11, 16, 12, INK); // scowl
    p.glint(10, 13, EYE_YELLOW), p.glint(16, 13, EYE_YELLOW);
    p.ln(11, 17, 15, 17, INK);
    return p.done();
}

Canvas inferia(int pose) // 0 closed, 1 open, 2 spitting
{
    Pen p(25, 25);
    p.limb(10, 24, 11, 14, 2.2f, 0x4a8a3a);
    p.poly({11, 21, 3, 17, 6, 22}, 0x4a8a3a), p.poly({11, 20, 19, 18, 16, 23}, 0x3a7230);
    float open = pose ? 1.0f : 0.0f;
    for (int i = 0; i < 5; i++) {
        float a = -1.57f + (i - 2) * (0.75f + 0.35f * open);
        float px = 12 + std::cos(a) * (6 + open), py = 9 + std::sin(a) * (6 + open);
        p.ell(px, py, 3.5f, 3.5f, 0xb23aa4);
    }
    p.ell(12, 10, 5, 4.5f, 0x8a2a80);
    p.ell(13, 10, 3.2f, 3, 0xe0c840); // the poison heart
    if (pose == 2) {
        p.ell(15, 10, 2, 1.6f, 0x3a1030, false); // gaping mouth
        p.ell(21, 8, 1.6f, 1.6f, 0x9ce040);      // spat poison
        p.dot(24, 7, 0x9ce040);
    } else {
        p.ln(14, 11, 16, 11, 0x3a1030);
    }
    p.dot(16, 8, 0x3a1030);
    return p.done();
}

Canvas baby_reptel(int pose) // 0 stand, 1 look up, 2 hop, 3 sing
{
    Pen p(25, 25);
    const int skin = 0x5ab870, belly = 0xe8d890;
    float up = pose == 2 ? -3.0f : 0.0f;
    p.limb(6, 18 + up, 1, 20 + up, 2.4f, skin); // tail
    p.limb(8, 19 + up, 8, 23 + up * 0.3f, 2.2f, 0x3e8c56);
    p.ell(10, 16 + up, 6, 5, skin);
    p.ell(12, 17 + up, 3, 3, belly);
    p.limb(12, 19 + up, 13, 23 + up * 0.3f, 2.4f, skin);
    float hx = 15, hy = pose == 1 ? 8 : 10;
    p.ell(hx, hy + up, 6, 5, skin); // big baby head
    p.ell(hx + 4, hy + 2 + up, 3, 2.2f, skin);
    p.poly({hx - 4, hy - 4 + up, hx - 2, hy - 7 + up, hx, hy - 4 + up}, 0xe07a3a); // crest
    p.dot((int)hx + 2, (int)(hy - 1 + up), WHITE), p.dot((int)hx + 3, (int)(hy - 1 + up), INK);
    p.dot((int)hx + 3, (int)(hy - 2 + up), INK);
    if (pose == 3) {
        p.ell(hx + 5, hy + 3, 1.2f, 1.2f, 0x7a2a30, false); // singing
        p.dot(22, 3, 0xfff0a0), p.dot(23, 4, 0xfff0a0), p.dot(21, 4, 0xfff0a0), p.dot(22, 5, 0xfff0a0);
    } else {
        p.dot((int)hx + 5, (int)(hy + 3 + up), 0x2a5a3a);
    }
    p.limb(14, 15 + up, 16, 18 + up, 1.6f, skin); // little arm
    return p.done();
}

// The Poltergeist is a light: black ground, its body glows where it is dense.
Canvas poltergeist(int pose) // 0 float, 1 swirl, 2 reach
{
    Canvas c(25, 25, 0);
    const int ghost = 0x9fe8ff;
    float sway = pose == 1 ? 2.0f : 0.0f;
    glow(c, 12, 10, 8.5f, ghost, 1.0f, 0.7f);
    glow(c, 11 - sway, 15, 6.5f, ghost, 0.8f, 0.9f);
    glow_line(c, 10 - sway, 16, 5 - sway * 2, 22, 3.2f, ghost, 0.8f); // trailing tail
    glow_line(c, 13, 16, 9 + sway, 22, 2.4f, ghost, 0.6f);
    if (pose == 2)
        glow_line(c, 15, 12, 22, 10, 2.6f, ghost, 0.9f); // reaching arm
    else
        glow_line(c, 16, 13, 19, 16, 2.2f, ghost, 0.7f);
    glow(c, 12, 9, 3.5f, 0xffffff, 0.8f, 1.0f);
    // Hollow eyes and mouth are where no light is.
    const int holes[][2] = {{12, 8}, {13, 8}, {16, 8}, {16, 9}, {12, 9}, {14, 12}, {15, 12}};
    for (auto& h : holes) c.set(h[0], h[1], 0);
    for (int x = 0; x < 25; x++) c.set(x, 0, 0), c.set(x, 24, 0);
    for (int y = 0; y < 25; y++) c.set(0, y, 0), c.set(24, y, 0);
    return c;
}

Canvas spud(int pose) // 0 stand, 1 and 2 steps
{
    Pen p(25, 25);
    float l1 = pose == 1 ? -2 : 0, l2 = pose == 2 ? -2 : 0;
    p.limb(9, 19, 8 + (pose == 1 ? -2 : 0), 23 + l1, 2, 0x8a6434);
    p.ell(13, 13, 8.5f, 8, 0xb88c52);
    p.limb(15, 19, 16 + (pose == 2 ? 2 : 0), 23 + l2, 2, 0x9a7040);
    p.dot(8, 9, 0x7a5430), p.dot(10, 17, 0x7a5430), p.dot(17, 18, 0x7a5430), p.dot(6, 14, 0x7a5430);
    p.ln(13, 5, 12, 1, 0x5a9a3a), p.ell(14, 2, 2, 1.2f, 0x6ab84a, false); // sprout
    p.eye(14, 10), p.eye(18, 10);
    p.ln(15, 15, 18, 14, 0x5a3a22);
    return p.done();
}

Canvas undeadly()
{
    Pen p(25, 35);
    const int robe = 0x4a3a5e, flesh = 0x9ab08a;
    p.poly({4, 34, 6, 14, 12, 6, 18, 12, 20, 34, 16, 31, 13, 34, 9, 31}, robe);
    p.limb2(14, 15, 19, 17, 23, 16, 2.2f, 0x3e3050); // sleeve reaching out
    p.ell(23, 16.5f, 1.6f, 1.6f, flesh);
    p.ell(13, 9, 5.5f, 6, 0x3e3050); // hood
    p.ell(15, 10, 3.2f, 4, flesh);
    p.dot(15, 9, EYE_YELLOW), p.dot(17, 9, EYE_YELLOW);
    p.ln(15, 12, 17, 12, 0x3a4a30);
    p.ln(8, 20, 10, 30, 0x2e2440), p.ln(15, 22, 14, 31, 0x2e2440); // rags
    return p.done();
}

Canvas sand_serpent(int pose) // 0 coiled, 1 rearing, 2 lunging
{
    Pen p(50, 42);
    const int sand = 0xd8b070, band = 0xa8743e;
    // The coil on the ground, then the neck rising to the head.
    p.ell(16, 34, 13, 6, sand);
    p.ell(14, 31, 9, 4.5f, sand);
    for (int x = 6; x < 28; x += 5) p.ln(x, 30, x + 1, 38, band);
    float hx = pose == 2 ? 40 : 30, hy = pose == 1 ? 8 : pose == 2 ? 20 : 14;
    float mx = (18 + hx) / 2 - 2, my = (28 + hy) / 2 + (pose == 2 ? -4 : 0);
    int n = 9;
    for (int i = 0; i <= n; i++) {
        float t = (float)i / n;
        float x = (1 - t) * (1 - t) * 20 + 2 * (1 - t) * t * mx + t * t * hx;
        float y = (1 - t) * (1 - t) * 30 + 2 * (1 - t) * t * my + t * t * hy;
        p.ell(x, y, 4.2f - t, 4.2f - t, i % 3 == 1 ? band : sand, false);
    }
    p.ell(hx + 2, hy, 5.5f, 4, sand);
    p.poly({hx + 4, hy - 1, hx + 10, hy + 1, hx + 4, hy + 2}, sand);
    if (pose) p.poly({hx + 3, hy + 2, hx + 9, hy + 5, hx + 3, hy + 4}, band); // open jaw
    p.dot((int)hx + 7, (int)hy + 2, WHITE), p.dot((int)hx + 5, (int)hy + 2, WHITE);
    p.glint((int)hx + 2, (int)hy - 2, EYE_RED);
    return p.done();
}

Canvas shorty(int pose) // 0 stand, 1 cast
{
    Pen p(25, 25);
    const int hat = 0x34388a, cloak = 0x4a4ea8;
    if (pose)
        p.limb(15, 16, 21, 5, 1.6f, 0x8a6434); // staff raised
    else
        p.limb(18, 23, 19, 9, 1.6f, 0x8a6434);
    p.poly({6, 24, 8, 14, 16, 14, 18, 24}, cloak);
    p.ell(12, 13, 5, 3.5f, 0x1e1e40); // shadowed face
    p.dot(13, 13, EYE_YELLOW), p.dot(15, 13, EYE_YELLOW);
    p.poly({5, 11, 19, 11, 14, 8, 10, 1, 9, 8}, hat); // great floppy hat
    p.dot(11, 6, 0xffe880);
    p.ell(pose ? 17 : 18, pose ? 16 : 15, 1.6f, 1.6f, 0xd8b090); // hand on the staff
    if (pose) {
        p.ell(21, 4, 2.2f, 2.2f, 0xa0f0ff, false);
        p.dot(21, 0, 0xffffff), p.dot(24, 4, 0xffffff), p.dot(18, 2, 0xffffff);
    } else {
        p.ell(19, 8, 1.6f, 1.6f, 0x80c0e0);
    }
    return p.done();
}

Canvas grassworm(int pose) // 0 risen, 1 rearing
{
    Pen p(50, 42);
    const int worm = 0x6ab040, belly = 0xc8d880;
    float top = pose ? 6 : 11, lean = pose ? 3 : 8;
    for (int i = 0; i < 7; i++) {
        float t = i / 6.0f;
        float x = 16 + t * (lean + 10) - std::sin(t * 3) * 3, y = 38 - t * (38 - top - 6);
        p.ell(x, y, 6.5f - t * 1.5f, 5, i % 2 ? worm : 0x5c9c38);
        p.ell(x + 3, y + 1, 2.5f - t, 2.5f, belly, false);
    }
    float hx = 26 + lean, hy = top + 5;
    p.ell(hx, hy, 7, 6, worm);
    p.ell(hx + 5, hy + 1, 3, 3.5f, 0x4a2a30); // round maw
    for (int i = 0; i < 4; i++)
        p.ln((int)hx + 6, (int)hy - 2 + i * 2, (int)hx + 10, (int)hy - 3 + i * 3, 0x9ad860);
    p.glint((int)hx - 1, (int)hy - 3, EYE_YELLOW);
    for (int x = 4; x < 46; x += 5) p.poly({(float)x, 41, x + 2.0f, 33, x + 4.0f, 41}, 0x3e7a2a); // grass
    return p.done();
}

Canvas dark_flyer(int pose) // 0 wings spread, 1 folded
{
    Pen p(25, 25);
    const int body = 0x3a2a4e, wing = 0x4e3a6a;
    if (pose == 0) {
        p.poly({12, 11, 2, 2, 4, 9, 1, 12, 6, 14}, wing);
        p.poly({13, 11, 23, 3, 21, 10, 24, 13, 18, 14}, wing);
    } else {
        p.poly({11, 11, 4, 14, 2, 21, 9, 18}, wing);
        p.poly({14, 11, 20, 15, 23, 21, 16, 18}, wing);
    }
    p.ell(12.5f, 13, 4, 5, body);
    p.ell(15, 8, 3.5f, 3, body);
    p.poly({17, 8, 21, 9, 17, 10}, 0xd8a040); // beak
    p.poly({13, 5, 14, 2, 15, 5}, body);
    p.glint(15, 7, EYE_RED);
    p.ln(11, 18, 10, 21, 0xd8a040), p.ln(14, 18, 15, 21, 0xd8a040); // talons
    return p.done();
}

Canvas crawler(int shell, int crack)
{
    Pen p(30, 30);
    for (int i = 0; i < 3; i++) { // legs
        p.limb2(8 + i * 5, 20, 4 + i * 5, 24, 5 + i * 5, 28, 1.8f, scale(shell, 0.7f));
    }
    p.poly({3, 22, 5, 12, 12, 7, 20, 8, 25, 14, 26, 22}, shell);
    p.ell(9, 13, 2.5f, 2, scale(shell, 1.15f));
    p.ell(18, 11, 3, 2, scale(shell, 1.15f));
    if (crack) {
        p.ln(8, 18, 12, 14, crack), p.ln(12, 14, 15, 17, crack), p.ln(15, 17, 20, 13, crack),
            p.ln(20, 17, 23, 20, crack);
    } else {
        p.ln(10, 19, 14, 16, scale(shell, 0.55f)), p.ln(18, 19, 21, 15, scale(shell, 0.55f));
    }
    p.limb(22, 16, 27, 13, 2.2f, scale(shell, 0.85f)); // claw
    p.poly({25, 11, 29, 10, 28, 13, 29, 16, 26, 15}, scale(shell, 0.9f));
    p.ln(21, 9, 23, 4, INK), p.ln(23, 9, 26, 5, INK); // eye stalks
    p.glint(22, 3, crack ? EYE_YELLOW : 0xe8e8f0);
    p.glint(25, 4, crack ? EYE_YELLOW : 0xe8e8f0);
    return p.done();
}

Canvas spizzer()
{
    Pen p(30, 30);
    // A beetle inside a whirling saw: teeth all the way round.
    for (int i = 0; i < 12; i++) {
        float a = i * 0.5236f, a2 = a + 0.26f;
        p.poly({15 + std::cos(a) * 10, 15 + std::sin(a) * 10, 15 + std::cos(a2) * 14, 15 + std::sin(a2) * 14,
                15 + std::cos(a + 0.5f) * 10, 15 + std::sin(a + 0.5f) * 10},
               0xb8c0c8, false);
    }
    p.ell(15, 15, 11, 11, 0x7c8c98);
    p.ell(15, 15, 7.5f, 7.5f, 0x4e7a5a);
    p.ln(15, 8, 15, 22, 0x2e4a36);
    p.ell(19, 13, 3, 2.5f, 0x3a5a44);
    p.glint(19, 12, EYE_RED);
    p.glint(21, 14, EYE_RED);
    return p.done();
}

Canvas blood_crawler(int pose) // 0 crawl, 1 rear, 2 latched
{
    Pen p(25, 25);
    const int blood = 0xa02838;
    if (pose == 2) {
        // Flattened over its victim, legs gripping, drinking.
        for (int i = 0; i < 4; i++) p.limb(12, 12, 2 + i * 7, i % 2 ? 22 : 3, 1.6f, 0x6a1828);
        p.ell(12.5f, 12.5f, 8, 6.5f, blood);
        p.ell(12.5f, 12.5f, 4, 3, 0xd04050);
        p.dot(12, 20, 0xd02030), p.dot(12, 21, 0xd02030), p.dot(16, 19, 0xd02030);
        return p.done();
    }
    float rise = pose ? 5 : 0;
    for (int i = 0; i < 3; i++) p.limb2(7 + i * 4, 18, 5 + i * 4, 21, 6 + i * 4, 24, 1.4f, 0x6a1828);
    p.ell(10, 18 - rise * 0.3f, 7, 4.5f, blood);
    for (int i = 0; i < 3; i++) p.ln(6 + i * 4, 15 - (int)(rise * 0.3f), 6 + i * 4, 21, 0x6a1828);
    p.ell(18, 15 - rise, 4, 3.5f, blood);
    p.poly({21, 14 - rise, 24, 13 - rise, 21, 17 - rise}, 0x601020); // proboscis
    p.glint(18, 13 - (int)rise, EYE_YELLOW);
    return p.done();
}

Canvas rock()
{
    Pen p(25, 25);
    p.poly({2, 21, 3, 11, 8, 5, 16, 4, 22, 9, 23, 20, 18, 23, 7, 23}, 0x8c8478);
    p.ln(6, 16, 9, 13, 0x5a5450), p.ln(15, 7, 17, 10, 0x5a5450);
    p.ln(11, 11, 14, 12, INK), p.ln(20, 11, 17, 12, INK);
    p.glint(13, 13, EYE_RED), p.glint(17, 13, EYE_RED);
    p.ln(13, 18, 19, 17, INK);
    return p.done();
}

Canvas mad_knight(int pose) // 0 guard, 1 sword raised, 2 strike
{
    Pen p(50, 42);
    const int armour = 0x5e6276, cloth = 0x7a2230;
    p.poly({12, 41, 14, 24, 26, 24, 28, 41}, cloth); // tattered tabard
    p.limb(17, 28, 15, 40, 3.4f, armour), p.limb(23, 28, 25, 40, 3.4f, armour);
    p.ell(20, 22, 7, 7, armour);                                    // breastplate
    p.ell(14, 18, 3.5f, 3, armour), p.ell(26, 18, 3.5f, 3, armour); // pauldrons
    p.ell(20, 11, 5, 5.5f, armour);                                 // helm
    p.poly({18, 6, 15, 0, 23, 5}, 0xc8303a);                        // plume
    p.ln(21, 10, 25, 10, INK);
    p.glint(22, 10, EYE_RED);
    // The sword arm: guard, raised, struck forward.
    float hx = pose == 0 ? 28 : pose == 1 ? 25 : 32, hy = pose == 0 ? 25 : pose == 1 ? 10 : 22;
    float tx = pose == 0 ? 44 : pose == 1 ? 34 : 48, ty = pose == 0 ? 11 : pose == 1 ? 0 : 28;
    p.limb(25, 19, hx, hy, 3, armour);
    p.limb(hx, hy, tx, ty, 2.4f, 0xc8ccd8);
    p.limb(hx - 2, hy + 2, hx + 2, hy - 2, 1.6f, 0xb08a30);
    return p.done();
}

// Attack pictures, drawn over the party.

Canvas fanged_bite()
{
    Canvas c(24, 24);
    Ramp r = ramp(0xe8e4dc);
    // Two rows of fangs closing: upper teeth point down, lower point up.
    for (int i = 0; i < 4; i++) {
        float x = 2.5f + i * 4.8f;
        paint(c, mask_poly(24, 24, {x, 3, x + 4, 3, x + 2, 10.0f + (i % 2) * 2}), r, false);
        paint(c, mask_poly(24, 24, {x + 1, 21, x + 5, 21, x + 3, 14.0f - (i % 2) * 2}), r, false);
    }
    paint(c, mask_line(24, 24, 3, 2.5f, 21, 2.5f, 2), ramp(0xa03040), false);
    paint(c, mask_line(24, 24, 3, 21.5f, 21, 21.5f, 2), ramp(0xa03040), false);
    outline(c);
    return c;
}

Canvas serpent_strike()
{
    Canvas c(32, 32);
    // Sand and fangs: a spray of grit around two venom-wet fangs.
    for (int i = 0; i < 40; i++) {
        float a = i * 2.4f, d = 6 + (i * 7) % 10;
        c.set(16 + (int)(std::cos(a) * d), 16 + (int)(std::sin(a) * d), i % 3 ? 0xd8b070 : 0xa8743e);
    }
    paint(c, mask_poly(32, 32, {9, 6, 14, 6, 13, 22}), ramp(0xf0ece4), false);
    paint(c, mask_poly(32, 32, {18, 6, 23, 6, 19, 22}), ramp(0xf0ece4), false);
    c.set(13, 23, 0x9ce040), c.set(19, 23, 0x9ce040), c.set(13, 25, 0x9ce040);
    outline(c);
    return c;
}

Canvas grassworm_hit()
{
    Canvas c(32, 32);
    // Three green tendrils whipping across.
    for (int k = 0; k < 3; k++)
        for (int i = 0; i < 28; i++) {
            float x = 2 + i, y = 8 + k * 7 + std::sin(i * 0.35f + k) * 3;
            Ramp r = ramp(0x7ac848);
            c.set((int)x, (int)y, i > 20 ? r.c[4] : r.c[3], r.c[0]);
            c.set((int)x, (int)y + 1, r.c[1], r.c[0]);
        }
    outline(c);
    return c;
}

Canvas polter_blast()
{
    Canvas c(24, 24, 0);
    glow(c, 12, 12, 10, 0x9fe8ff, 1.0f, 1.4f);
    for (int i = 0; i < 6; i++) {
        float a = i * 1.047f + 0.3f;
        glow_line(c, 12, 12, 12 + std::cos(a) * 10, 12 + std::sin(a) * 10, 1.8f, 0xc0f4ff, 0.8f);
    }
    glow(c, 12, 12, 4, 0xffffff, 1.0f, 0.8f);
    return c;
}

Canvas slime_drop()
{
    Pen p(8, 10);
    p.poly({4, 0.5f, 6.5f, 6, 4, 9, 1.5f, 6}, 0x8a60b8); // fear slime is sickly violet
    p.dot(3, 5, 0xe8d8ff);
    return p.done();
}

Canvas spizzer_hit()
{
    Canvas c(20, 20);
    Ramp r = ramp(0xd8e4f0);
    for (int i = 0; i < 8; i++) {
        float a = i * 0.785f;
        float len = i % 2 ? 5.0f : 9.0f;
        paint(c,
              mask_line(20, 20, 10, 10, 10 + std::cos(a) * len, 10 + std::sin(a) * len, i % 2 ? 1.4f : 2.0f),
              r, false);
    }
    paint(c, mask_ellipse(20, 20, 10, 10, 2.5f, 2.5f), ramp(0xffffff), false);
    return c;
}

Canvas knight_sword()
{
    Canvas c(32, 32);
    // The great blade at the bottom of its arc, with the wake of the swing.
    for (int y = 0; y < 32; y++)
        for (int x = 0; x < 32; x++) {
            float d = std::hypot(x + 0.5f - 2, y + 0.5f - 2);
            if (d > 26 && d < 30 && ((x + y) % 2 || d > 28))
                c.set(x, y, d > 28.5f ? 0xffe0e0 : 0xc8303a, 0x5a1020);
        }
    Canvas b(32, 32);
    paint(b, mask_poly(32, 32, {4, 25, 24, 7, 27, 9, 7, 28}), ramp(0xc8ccd8), false, 0.6f);
    paint(b, mask_line(32, 32, 2, 22, 9, 30, 2), ramp(0xb08a30));
    stamp(c, b, 0, 0);
    outline(c);
    return c;
}

Canvas ember_glow()
{
    Canvas c(16, 16, 0);
    glow(c, 8, 8, 7.5f, 0xff7a20, 1.0f, 1.2f);
    glow(c, 8, 8, 3.5f, 0xffe080, 1.0f, 0.9f);
    return c;
}

Canvas spark_glow()
{
    Canvas c(12, 12, 0);
    glow(c, 6, 6, 5.5f, 0xffb040, 1.0f, 1.5f);
    glow_line(c, 6, 6, 6, 1, 1.0f, 0xffe0a0, 0.9f), glow_line(c, 6, 6, 6, 11, 1.0f, 0xffe0a0, 0.9f);
    glow_line(c, 6, 6, 1, 6, 1.0f, 0xffe0a0, 0.9f), glow_line(c, 6, 6, 11, 6, 1.0f, 0xffe0a0, 0.9f);
    return c;
}

Canvas undead_glow()
{
    Canvas c(20, 20, 0);
    glow(c, 10, 10, 9.5f, 0xa060ff, 1.0f, 1.1f);
    glow(c, 10, 10, 4.5f, 0xe0c8ff, 1.0f, 1.0f);
    c.set(9, 9, 0x40207a), c.set(11, 9, 0x40207a); // the faint face of the soul
    return c;
}

} // namespace

void draw_enemies()
{
    battle_section("enemies");
    battle_put(EN_DARKWEED_A, dark_weed(0));
    battle_put(EN_DARKWEED_B, dark_weed(1));
    for (int i = 0; i < 3; i++) battle_put(EN_HORNET_A + i, blue_hornet(i));
    battle_put(EN_SLIMEEYE_A, slime_eye(7));
    battle_put(EN_SLIMEEYE_B, slime_eye(4));
    battle_put(EN_SLIMEEYE_C, slime_eye(10));
    battle_put(EN_SLIMEEYE_EYE, slime_eyeball());
    for (int i = 0; i < 3; i++) battle_put(EN_FANGED_A + i, fanged(i));
    battle_put(EN_CHUNK, chunk());
    for (int i = 0; i < 3; i++) battle_put(EN_INFERIA_A + i, inferia(i));
    for (int i = 0; i < 4; i++) battle_put(EN_REPTEL_A + i, baby_reptel(i));
    for (int i = 0; i < 3; i++) battle_put(EN_POLTER_A + i, poltergeist(i));
    for (int i = 0; i < 3; i++) battle_put(EN_SPUD_A + i, spud(i));
    battle_put(EN_UNDEADLY, undeadly());
    for (int i = 0; i < 3; i++) battle_put(EN_SERPENT_A + i, sand_serpent(i));
    battle_put(EN_SHORTY_A, shorty(0));
    battle_put(EN_SHORTY_B, shorty(1));
    battle_put(EN_GRASSWORM_A, grassworm(0));
    battle_put(EN_GRASSWORM_B, grassworm(1));
    battle_put(EN_DARKFLYER_A, dark_flyer(0));
    battle_put(EN_DARKFLYER_B, dark_flyer(1));
    battle_put(EN_ROCKCRAWLER, crawler(0x8a8478, 0));
    battle_put(EN_REDCRAWLER, crawler(0xa8483a, 0xffb040));
    battle_put(EN_SPIZZER, spizzer());
    for (int i = 0; i < 3; i++) battle_put(EN_BLOODCRAWL_A + i, blood_crawler(i));
    battle_put(EN_ROCK, rock());
    for (int i = 0; i < 3; i++) battle_put(EN_MADKNIGHT_A + i, mad_knight(i));
    battle_section("enemy_attacks");
    battle_put(FX_SLIME_DROP, slime_drop());
    battle_put(FX_EMBER_GLOW, ember_glow());
    battle_put(FX_SPIZZER_HIT, spizzer_hit());
    battle_put(FX_KNIGHT_SWORD, knight_sword());
    battle_put(FX_SPARK_GLOW, spark_glow());
    battle_put(FX_UNDEAD_GLOW, undead_glow());
    battle_put(FX_FANGED_BITE, fanged_bite());
    battle_put(FX_SERPENT_STRIKE, serpent_strike());
    battle_put(FX_GRASSWORM_HIT, grassworm_hit());
    battle_put(FX_POLTER_BLAST, polter_blast());
}
