// The items only a battle has a use for: the Combuster, the shines, the
// Glass Ball, the Smoke Bomb, the Spirit Bomb and the Red herb.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "action.h"
#include "action_draw.h"
#include "battle.h"
#include "dat_names.h"
#include "door.h"
#include "item.h"
#include "vantor.h"

namespace {

// Where a number lands on an enemy.
int number_x(const ftenemy* e) { return e->x - 5 + e->wt; }
int number_y(const ftenemy* e) { return e->y - 5 + e->ht; }

// A shine sparkle fading slowly over the target, then the message.
void shine(int index, ftchar* who, int slot, const char* text)
{
    ftchar* t = item_on_ally(index, who);
    if (!t) return;
    RLE_SPRITE* spr = (RLE_SPRITE*)characters[FX_SHINE].dat;
    virtual_screen = TRUE;
    reset_battle_timer();
    for (int level = 255; level > 0; level -= 2) {
        if (!effect_frame()) continue;
        set_trans_blender(0, 0, 0, level);
        draw_trans_rle_sprite(buffer, spr, t->x, t->y);
        blit_buffer();
    }
    virtual_screen = FALSE;
    battle_message(text);
    step_back(who);
    t->status[slot] = 10;
    status_update(0, who);
}

// A smoke picture: soft billows of grey over the whole field, seamless from
// its right edge round to its left so it can drift.
FxBitmap smoke_picture()
{
    FxBitmap b = fx_bitmap(320, 240, "Out of memory!!\n\n");
    const float TAU = 6.2831853f;
    float p1 = (rand() % 628) / 100.0f, p2 = (rand() % 628) / 100.0f, p3 = (rand() % 628) / 100.0f;
    for (int y = 0; y < 240; y++)
        for (int x = 0; x < 320; x++) {
            float u = x * TAU / 320;
            float v = std::sin(u * 2 + p1 + y * 0.031f) + std::sin(u * 5 - p2 + y * 0.067f) * 0.6f +
                      std::sin(u * 9 + p3 - y * 0.11f) * 0.3f + std::sin(y * 0.045f + p2) * 0.5f;
            int g = 170 + (int)(v * 26) + (x * 7 + y * 13) % 5;
            putpixel(b.get(), x, y, makecol(g, g, g + 6));
        }
    return b;
}

// Violet spirit motes spiral onto the enemy and burst in soft rays.
void spirit_burst(ftchar* who, ftenemy* e)
{
    struct mote {
        float t, dt, phase;
    };
    mote m[100];
    for (mote& q : m) {
        q.t = -(rand() % 30) / 30.0f;
        q.dt = 0.02f + (rand() % 100) / 5000.0f;
        q.phase = (rand() % 628) / 100.0f;
    }
    float sx = who->x, sy = who->y + 12, ex = e->x + e->middle, ey = e->y + e->ht / 2;
    int violet = makecol(200, 120, 255), white = makecol(255, 255, 255);
    reset_battle_timer();
    for (int frame = 0; frame < 110; frame++) {
        for (mote& q : m) q.t += q.dt;
        if (!effect_frame()) continue;
        drawing_mode(DRAW_MODE_TRANS, nullptr, 0, 0);
        for (const mote& q : m) {
            if (q.t < 0 || q.t > 1) continue;
            float swirl = std::sin(q.t * 3.14159f) * 20;
            int px = (int)(sx + (ex - sx) * q.t + std::cos(q.phase + q.t * 12) * swirl);
            int py = (int)(sy + (ey - sy) * q.t + std::sin(q.phase + q.t * 12) * swirl);
            trans_pixel(buffer, px, py, violet, 255);
            trans_pixel(buffer, px, py - 1, white, 120);
        }
        solid_mode();
        if (frame > 60) {
            // Rays open from the enemy's heart as the spirit hits.
            int len = (frame - 60) * 2;
            for (int k = 0; k < 8; k++) {
                float a = k * 0.785f + frame * 0.02f;
                grad_line(buffer, (int)ex, (int)ey, (int)(ex + std::cos(a) * len),
                          (int)(ey + std::sin(a) * len), 4, violet);
            }
        }
        blit_buffer();
    }
}

// Frames of the Red herb's flame with a few embers leaping off.
void red_herb_flames(ftenemy* e)
{
    std::vector<FxLightmap> flames;
    for (int k = 0; k < 24; k++)
        flames.push_back(fx_lightmap((BITMAP*)characters[FX_REDHERB_01 + k].dat, nullptr));
    struct twinkle {
        int x, y, delay;
    };
    twinkle t[12];
    for (twinkle& q : t) {
        q.x = e->x + rand() % std::max(e->wt, 1);
        q.y = e->y + rand() % std::max(e->ht, 1);
        q.delay = rand() % 40;
    }
    int fx = e->x + e->middle - 16, fy = e->y + e->ht / 2 - 20;
    int ember = makecol(255, 220, 120);
    door_play_sample(SND_FIRE, 255, 128, 500, FALSE);
    reset_battle_timer();
    for (int frame = 0; frame < 48; frame++) {
        if (!effect_frame()) continue;
        draw_lightmap(buffer, flames[frame / 2].get(), fx, fy);
        drawing_mode(DRAW_MODE_TRANS, nullptr, 0, 0);
        for (const twinkle& q : t) {
            int age = frame - q.delay;
            if (age < 0 || age > 12) continue;
            set_trans_blender(0, 0, 0, 255 - age * 20);
            hline(buffer, q.x - 1, q.y - age, q.x + 1, ember);
            vline(buffer, q.x, q.y - age - 1, q.y - age + 1, ember);
        }
        solid_mode();
        blit_buffer();
    }
    door_stop_sample(SND_FIRE);
}

} // namespace

void do_combuster(int index, ftchar* who)
{
    ftenemy* e = item_on_enemy(index, who);
    if (!e) return;
    virtual_screen = TRUE;
    door_play_sample(SND_BLAST, 255, 127, 1000, FALSE);
    reset_battle_timer();
    for (int k = 0; k < 7;) {
        if (!effect_frame()) continue;
        if (i_combust[k]) draw_rle_sprite(buffer, i_combust[k], e->x - 12 + e->middle, e->y - 12 + e->ht / 2);
        blit_buffer();
        k++;
    }
    virtual_screen = FALSE;
    int d = combuster_damage(e->dfp);
    show_amount(d, number_x(e), number_y(e), -1);
    step_back(who);
    if (hurt_enemy(e, d) && e->alive) enemy_dies(e);
    status_update(0, who);
}

void do_blade_shine(int index, ftchar* who) { shine(index, who, ST_BLADE_SHINE, "Attack up by %50!"); }
void do_vest_shine(int index, ftchar* who) { shine(index, who, ST_VEST_SHINE, "Defense up by %50!"); }

void do_glass_ball(int index, ftchar* who)
{
    ftchar* t = item_on_ally(index, who);
    if (!t) return;
    static const int order[8] = {0, 1, 2, 3, 3, 2, 1, 0};
    virtual_screen = TRUE;
    door_play_sample(SND_GLASS, 255, 128, 1000, FALSE);
    reset_battle_timer();
    int w = t->current ? t->current->w : 24, h = t->current ? t->current->h : 24;
    for (int k = 0; k < 8;) {
        if (!effect_frame()) continue;
        RLE_SPRITE* s = i_glass_ball[order[k]];
        if (s) draw_rle_sprite(buffer, s, t->x + w / 2 - s->w / 2, t->y + h / 2 - s->h / 2);
        blit_buffer();
        k++;
    }
    virtual_screen = FALSE;
    step_back(who);
    t->status[ST_GLASS_BALL] = 6;
    status_update(0, who);
}

void do_smoke_bomb(int index, ftchar* who)
{
    // Nothing to choose: the bomb is thrown the moment it is picked.
    items[index].have--;
    ftchar* party[4] = {ftmike, ftcharlie, ftrunhon, ftelizabeth};
    int stood[4];
    for (int k = 0; k < 4; k++) stood[k] = party[k] ? party[k]->x : 0;
    step_forward(who);
    show_use_name(who, items[index].name);

    FxBitmap smoke[2] = {smoke_picture(), smoke_picture()};
    FxBitmap work = fx_bitmap(320, 240, "Out of memory!!\n\n");
    virtual_screen = TRUE;
    // Twice the usual pace: the cloud takes six seconds, not twelve.
    set_battle_pacer(100);
    int level = 0;
    for (int step = 0; step < 600; step++) {
        if (step < 200) level = std::min(level + 1, 200);
        if (step > 400) level = std::max(level - 1, 0);
        if (step > 200 && !in_boss_battle)
            for (ftchar* h : party)
                if (h && h->in_fight) {
                    h->x++;
                    if (h->a && h->b) h->current = step % 2 ? h->a : h->b;
                }
        if (!effect_frame()) continue;
        // The cloud drifts slowly to the right as it hangs over the field.
        BITMAP* s = smoke[(step / 5) % 2].get();
        int drift = (step / 3) % 320;
        clear_to_color(work.get(), bitmap_mask_color(work.get()));
        blit(s, work.get(), 0, 0, drift, 0, 320 - drift, 240);
        blit(s, work.get(), 320 - drift, 0, 0, 0, drift, 240);
        set_trans_blender(0, 0, 0, level);
        draw_trans_sprite(buffer, work.get(), 0, 0);
        blit_buffer();
    }
    virtual_screen = FALSE;
    reset_battle_timer();
    if (!in_boss_battle) {
        continue_fight = FIGHT_ESCAPED;
        // Back where they stood, for whoever sets up the next fight from these places.
        for (int k = 0; k < 4; k++)
            if (party[k] && party[k]->in_fight) party[k]->x = stood[k];
    } else {
        battle_message("Didn't work!!");
        step_back(who);
    }
    for (ftchar* h : party)
        if (h && h->in_fight && h->alive && h->a) h->current = h->a;
    status_update(0, who);
}

void do_spirit_bomb(int index, ftchar* who)
{
    ftenemy* e = item_on_enemy(index, who);
    if (!e) return;
    virtual_screen = TRUE;
    spirit_burst(who, e);
    virtual_screen = FALSE;
    int d = spirit_bomb_amount(rand(), rand());
    show_amount(d, number_x(e), number_y(e), -1);
    step_back(who);
    e->mp = std::max(e->mp - d, 0);
    status_update(0, who);
}

void do_red_herb(int index, ftchar* who)
{
    ftenemy* e = item_on_enemy(index, who);
    if (!e) return;
    virtual_screen = TRUE;
    red_herb_flames(e);
    virtual_screen = FALSE;
    int d = red_herb_damage(e->dfp, e->strength, e->weakness);
    show_amount(std::abs(d), number_x(e), number_y(e), e->strength == ELEM_FIRE ? heal_colour() : -1);
    step_back(who);
    // A fire-strong enemy drinks the flame: its hurt tally only ever grows.
    e->hp = std::min(e->hp - d, e->hpmax);
    if (d > 0) e->total_damage += d;
    if (e->hp <= 0 && e->alive) enemy_dies(e);
    status_update(0, who);
}
