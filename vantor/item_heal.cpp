// The healing items: their animations (which play over the battle, or over
// the menu's picture), their amounts and what they do to an ally.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "action_draw.h"
#include "battle.h"
#include "dat_names.h"
#include "door.h"
#include "item.h"
#include "vantor.h"

namespace {

const float PI = 3.14159265f;

// The healing sweep of the Small Potion: green lines climb the target while
// sparkles flicker over it, drawn onto the last frame.
void potion_sweep(int x, int y, int w, int h)
{
    BITMAP* sparkle = (BITMAP*)data[SPARKLE_HEAL].dat;
    // Outside battle the sweep starts from the menu's picture.
    if (effect_backdrop) effect_frame();
    drawing_mode(DRAW_MODE_TRANS, nullptr, 0, 0);
    set_trans_blender(0, 0, 0, 200);
    int level = 255;
    for (int row = y + h; row > y - 10; row--) {
        int rx = rand() % (w + 1), ry = rand() % (h + 1);
        level -= 6;
        // Past the bottom of the scale the sweep simply stays faint.
        set_trans_blender(0, 0, 0, std::max(level, 0));
        int c = std::max(level, 0);
        hline(buffer, x + row / 5, row, x + w - row / 5, makecol(c, 255, c));
        draw_trans_sprite(buffer, sparkle, x + rx, y + ry);
        rx = rand() % (w + 1);
        ry = rand() % (h + 1);
        draw_trans_sprite(buffer, sparkle, x + rx, y + ry);
        blit_buffer();
        door_rest(25);
    }
    solid_mode();
}

// Motes thrown from beside the target that arc onto it and glow out; with
// rise they then climb in a spiral (the Viver's rising spirit).
void throw_motes(int n, int x, int y, int w, int h, int off, int colour, int rise)
{
    struct mote {
        float sx, sy, tx, ty;
        int delay;
        int age;
    };
    mote* m = new mote[n];
    for (int i = 0; i < n; i++) {
        m[i].sx = (float)(x - off + rand() % 5 - 2);
        m[i].sy = (float)(y + h / 2 + rand() % 5 - 2);
        m[i].tx = (float)(x + rand() % (w + 1));
        m[i].ty = (float)(y + rand() % (h + 1));
        m[i].delay = rand() % 20;
        m[i].age = 0;
    }
    const int FLIGHT = 20, GLOW = rise ? 40 : 16;
    effect_start();
    for (int frame = 0; frame < 20 + FLIGHT + GLOW; frame++) {
        int drawn = effect_frame();
        drawing_mode(DRAW_MODE_TRANS, nullptr, 0, 0);
        for (int i = 0; i < n; i++) {
            mote& q = m[i];
            if (frame < q.delay) continue;
            int t = frame - q.delay;
            if (t > FLIGHT + GLOW) continue;
            float px, py;
            int a;
            if (t <= FLIGHT) {
                float f = (float)t / FLIGHT;
                px = q.sx + (q.tx - q.sx) * f;
                py = q.sy + (q.ty - q.sy) * f - std::sin(f * PI) * 18;
                a = 255;
            } else {
                int g = t - FLIGHT;
                px = q.tx;
                py = q.ty;
                if (rise) {
                    px += std::sin(g * 0.3f + i) * (w / 2) * (1.0f - (float)g / GLOW);
                    py -= g * 1.2f;
                }
                a = 255 - g * 255 / GLOW;
            }
            if (drawn) {
                trans_pixel(buffer, (int)px, (int)py, colour, a);
                if (a > 128) trans_pixel(buffer, (int)px + 1, (int)py, colour, a / 2);
            }
        }
        solid_mode();
        if (drawn) blit_buffer();
    }
    delete[] m;
}

// The Aloe Drink's rain of drops washing the poison off.
void aloe_drops(int x, int y, int w, int h)
{
    struct drop {
        int x, y, a, delay, c;
    };
    drop d[100];
    for (drop& q : d) {
        q.x = x + rand() % (w + 1);
        q.y = y - 20 - rand() % 30;
        q.a = 255;
        q.delay = rand() % 40;
        q.c = makecol(120 + rand() % 80, 255, 120 + rand() % 60);
    }
    effect_start();
    for (int frame = 0; frame < 90; frame++) {
        int drawn = effect_frame();
        drawing_mode(DRAW_MODE_TRANS, nullptr, 0, 0);
        for (drop& q : d) {
            if (frame < q.delay || q.a <= 0) continue;
            q.y += 2;
            if (q.y > y + h) q.a -= 24;
            if (drawn && q.a > 0) {
                set_trans_blender(0, 0, 0, q.a);
                vline(buffer, q.x, q.y, q.y + 2, q.c);
            }
        }
        solid_mode();
        if (drawn) blit_buffer();
    }
}

// The Glow Rock: a ring of sparks closes on the target as a cyan glow pulses.
void glow_rock_pulse(int x, int y, int w, int h)
{
    BITMAP* mask = (BITMAP*)data[GLOW_MASK].dat;
    int cx = x + w / 2, cy = y + h / 2;
    struct spark {
        float ang, r, speed;
    };
    spark s[50];
    for (spark& q : s) {
        q.ang = (rand() % 628) / 100.0f;
        q.r = 40.0f + rand() % 20;
        q.speed = 0.8f + (rand() % 100) / 100.0f;
    }
    int c = makecol(0, 255, 255);
    effect_start();
    for (int frame = 0; frame < 60; frame++) {
        if (!effect_frame()) continue;
        int k = (int)(255 * std::sin(frame * PI / 60));
        monocrome_draw_lightmap(buffer, mask, cx - mask->w / 2, cy - mask->h / 2, makecol(0, k, k));
        drawing_mode(DRAW_MODE_TRANS, nullptr, 0, 0);
        for (spark& q : s) {
            q.r = std::max(q.r - q.speed, 0.0f);
            q.ang += 0.08f;
            trans_pixel(buffer, cx + (int)(std::cos(q.ang) * q.r), cy + (int)(std::sin(q.ang) * q.r), c,
                        q.r > 2 ? 255 : 0);
        }
        solid_mode();
        blit_buffer();
    }
}

// The Large Potion: a fountain of light from the target's feet under a swelling glow.
void potion_fountain(int x, int y, int w, int h)
{
    BITMAP* src = (BITMAP*)data[SAVE_GLOW_3].dat;
    FxLightmap glow = fx_lightmap(src, "Out of memory!!!\n\n");
    struct drop {
        float x, y, dx, dy;
        int delay;
    };
    drop* d = new drop[500];
    for (int i = 0; i < 500; i++) {
        d[i].x = (float)(x + w / 2 + rand() % 9 - 4);
        d[i].y = (float)(y + h);
        d[i].dx = ((rand() % 100) - 50) / 60.0f;
        d[i].dy = -(1.5f + (rand() % 100) / 40.0f);
        d[i].delay = rand() % 50;
    }
    int c1 = makecol(120, 255, 160), c2 = makecol(255, 255, 255);
    effect_start();
    for (int frame = 0; frame < 90; frame++) {
        int drawn = effect_frame();
        for (int i = 0; i < 500; i++) {
            drop& q = d[i];
            if (frame < q.delay) continue;
            q.x += q.dx;
            q.y += q.dy;
            q.dy += 0.12f;
        }
        if (!drawn) continue;
        glow->a_offset = -255 + std::min(frame * 12, 255) - std::max(0, frame - 70) * 12;
        for (int k = 0; k < 3; k++) draw_lightmap(buffer, glow.get(), x + w / 2 - 8, y + h / 2 - 8 - k * 6);
        drawing_mode(DRAW_MODE_TRANS, nullptr, 0, 0);
        for (int i = 0; i < 500; i++) {
            const drop& q = d[i];
            if (frame < q.delay || q.y > y + h + 2) continue;
            trans_pixel(buffer, (int)q.x, (int)q.y, i % 3 ? c1 : c2, 220);
        }
        solid_mode();
        blit_buffer();
    }
    delete[] d;
}

// The herbs: twelve twinkles and a soft glow of the herb's colour.
void herb_twinkles(int x, int y, int w, int h, int colour)
{
    BITMAP* mask = (BITMAP*)data[GLOW_MASK].dat;
    struct twinkle {
        int x, y, delay;
    };
    twinkle t[12];
    for (twinkle& q : t) {
        q.x = x - 4 + rand() % (w + 9);
        q.y = y - 4 + rand() % (h + 9);
        q.delay = rand() % 40;
    }
    effect_start();
    for (int frame = 0; frame < 70; frame++) {
        if (!effect_frame()) continue;
        int fade = frame < 35 ? -255 + frame * 7 : -255 + (70 - frame) * 7;
        monocrome_draw_lightmap_ex(buffer, mask, x + w / 2 - mask->w / 2, y + h / 2 - mask->h / 2, colour,
                                   fade);
        drawing_mode(DRAW_MODE_TRANS, nullptr, 0, 0);
        for (const twinkle& q : t) {
            int age = frame - q.delay;
            if (age < 0 || age > 24) continue;
            int a = age < 12 ? age * 21 : (24 - age) * 21;
            int len = 1 + a / 80;
            set_trans_blender(0, 0, 0, a);
            hline(buffer, q.x - len, q.y, q.x + len, makecol(255, 255, 255));
            vline(buffer, q.x, q.y - len, q.y + len, makecol(255, 255, 255));
        }
        solid_mode();
        blit_buffer();
    }
}

// The Light Stone: glows and 250 sparks circle every ally at once.
void light_stone_rings(const int* xs, const int* ys, int n)
{
    FxBitmap work = fx_bitmap(320, 240, "Out of memory!!!\n\n");
    FxLightmap glow = fx_lightmap((BITMAP*)data[SAVE_GLOW_1].dat, "Out of memory!!!\n\n");
    struct spark {
        float t, dt, r;
        int who;
    };
    spark s[250];
    for (int i = 0; i < 250; i++) {
        s[i].t = (rand() % 628) / 100.0f;
        s[i].dt = 0.05f + (rand() % 100) / 1000.0f;
        s[i].r = 8.0f + rand() % 10;
        s[i].who = n > 0 ? i % n : 0;
    }
    int c = makecol(255, 255, 180);
    effect_start();
    for (int frame = 0; frame < 80 && n > 0; frame++) {
        int drawn = effect_frame();
        for (spark& q : s) q.t += q.dt;
        if (!drawn) continue;
        clear_to_color(work.get(), bitmap_mask_color(work.get()));
        for (const spark& q : s) {
            // Each spark rides a circle tipped into an ellipse, climbing slowly.
            int px = xs[q.who] + 12 + (int)(std::sin(q.t) * q.r);
            int py = ys[q.who] + 20 - frame / 4 + (int)(std::cos(q.t) * q.r * 0.4f);
            putpixel(work.get(), px, py, c);
        }
        glow->a_offset = frame < 40 ? -255 + frame * 6 : -255 + (80 - frame) * 6;
        for (int k = 0; k < n; k++) draw_lightmap(buffer, glow.get(), xs[k] + 4, ys[k] + 4);
        set_trans_blender(0, 0, 0, 220);
        draw_trans_sprite(buffer, work.get(), 0, 0);
        blit_buffer();
    }
}

// Allies in the Light Stone's order.
ftchar* const* stone_order()
{
    static ftchar* order[4];
    order[0] = ftmike;
    order[1] = ftcharlie;
    order[2] = ftrunhon;
    order[3] = ftelizabeth;
    return order;
}

// The battle routine of an ally item with an amount: frame, animation, number, step back, effect.
void heal_in_battle(int index, ftchar* who, int id, int col)
{
    ftchar* t = item_on_ally(index, who);
    if (!t) return;
    virtual_screen = TRUE;
    RLE_SPRITE* s = t->current;
    heal_item_animation(id, t->x, t->y, s ? s->w : 24, s ? s->h : 24, t == who);
    virtual_screen = FALSE;
    int amount = heal_item_amount(id);
    if (amount >= 0)
        show_amount(amount, t->x - 10, t->y + 24, col);
    else
        virtual_screen = FALSE;
    step_back(who);
    apply_heal_amount(id, t, amount);
    status_update(0, who);
}

} // namespace

int is_heal_item(int id)
{
    switch (id) {
    case IT_SMALL_POTION:
    case IT_GLOW_DUST:
    case IT_LIGHT_STONE:
    case IT_VIVER:
    case IT_ALOE_DRINK:
    case IT_GLOW_ROCK:
    case IT_LARGE_POTION: return TRUE;
    default: return FALSE;
    }
}

void heal_item_animation(int id, int x, int y, int w, int h, int self)
{
    int off = self ? 40 : 20;
    switch (id) {
    case IT_SMALL_POTION: potion_sweep(x, y, w, h); break;
    case IT_GLOW_DUST: throw_motes(81, x, y, w, h, off, makecol(0, 255, 255), FALSE); break;
    case IT_LIGHT_STONE: light_stone_rings(&x, &y, 1); break;
    case IT_VIVER: throw_motes(257, x, y, w, h, off, makecol(255, 220, 90), TRUE); break;
    case IT_ALOE_DRINK: aloe_drops(x, y, w, h); break;
    case IT_GLOW_ROCK: glow_rock_pulse(x, y, w, h); break;
    case IT_LARGE_POTION: potion_fountain(x, y, w, h); break;
    case IT_GREEN_HERB: herb_twinkles(x, y, w, h, makecol(40, 255, 80)); break;
    case IT_BLUE_HERB: herb_twinkles(x, y, w, h, makecol(60, 140, 255)); break;
    default: break;
    }
}

int heal_item_amount(int id)
{
    int r1 = rand(), r2 = rand();
    switch (id) {
    case IT_SMALL_POTION: return small_potion_amount(r1, r2);
    case IT_LIGHT_STONE: return 20 + signed_spread(4, r1, r2);
    case IT_GLOW_DUST: return 10;
    case IT_GLOW_ROCK: return glow_rock_amount(r1, r2);
    case IT_LARGE_POTION: return large_potion_amount(r1, r2);
    default: return -1;
    }
}

void apply_heal_amount(int id, ftchar* t, int amount)
{
    if (!t) return;
    switch (id) {
    case IT_SMALL_POTION:
    case IT_LIGHT_STONE:
    case IT_LARGE_POTION: heal_hp(t, amount); break;
    case IT_GLOW_DUST:
    case IT_GLOW_ROCK: heal_mp(t, amount); break;
    case IT_VIVER: revive(t); break;
    case IT_ALOE_DRINK:
        if (t->alive) t->status[ST_POISON] = 0;
        break;
    case IT_GREEN_HERB: cure_bad_status(t); break;
    case IT_BLUE_HERB:
        if (t->alive) t->mp = t->mpmax;
        break;
    default: break;
    }
}

int apply_heal_item(int id, ftchar* target)
{
    int amount = heal_item_amount(id);
    apply_heal_amount(id, target, amount);
    return amount;
}

void do_small_potion(int index, ftchar* who) { heal_in_battle(index, who, IT_SMALL_POTION, heal_colour()); }
void do_glow_dust(int index, ftchar* who) { heal_in_battle(index, who, IT_GLOW_DUST, mp_colour()); }
void do_viver(int index, ftchar* who) { heal_in_battle(index, who, IT_VIVER, -1); }
void do_aloe_drink(int index, ftchar* who) { heal_in_battle(index, who, IT_ALOE_DRINK, -1); }
void do_glow_rock(int index, ftchar* who) { heal_in_battle(index, who, IT_GLOW_ROCK, mp_colour()); }
void do_large_potion(int index, ftchar* who) { heal_in_battle(index, who, IT_LARGE_POTION, heal_colour()); }
void do_green_herb(int index, ftchar* who) { heal_in_battle(index, who, IT_GREEN_HERB, -1); }
void do_blue_herb(int index, ftchar* who) { heal_in_battle(index, who, IT_BLUE_HERB, -1); }

void do_light_stone(int index, ftchar* who)
{
    // Every ally at once: nobody to choose, so nothing can be taken back.
    items[index].have--;
    step_forward(who);
    show_use_name(who, items[index].name);
    ftchar* const* order = stone_order();
    int xs[4], ys[4], n = 0;
    for (int k = 0; k < 4; k++)
        if (order[k] && order[k]->in_fight) {
            xs[n] = order[k]->x;
            ys[n] = order[k]->y;
            n++;
        }
    virtual_screen = TRUE;
    light_stone_rings(xs, ys, n);
    virtual_screen = FALSE;
    // The amount drifts from ally to ally: each spread adds to the last.
    int amount = 20;
    for (int k = 0; k < 4; k++) {
        ftchar* t = order[k];
        if (!t || !t->in_fight) continue;
        amount += signed_spread(4, rand(), rand());
        if (t->alive) {
            draw_number(amount, t->x - 10, t->y + 24, heal_colour());
            t->hp = capped_add(t->hp, amount, t->hpmax);
        }
        door_rest(100);
    }
    door_rest(500);
    virtual_screen = FALSE;
    step_back(who);
    status_update(0, who);
}
