// Charlie's weapon skills and Elizabeth's light: Phantom Blade, Soul Slash,
// Backlash, Bolt Charge, Gleamer, Auria and Light Beam.
#include <algorithm>
#include <cmath>
#include <cstdio>
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

int weapon_atp(const ftchar* who) { return who->charweapon ? who->charweapon->atp : 0; }

// The skill's damage on e; elements unless plain.
int skill_on(const ftchar* who, const action& a, const ftenemy* e, int elements)
{
    int d = skill_damage(a.atp, weapon_atp(who), rand(), rand());
    return elements ? apply_elements(d, a.element, e->weakness, e->strength) : d;
}

void finish_on_enemy(ftchar* who, ftenemy* e, int d)
{
    show_enemy_damage(e, d);
    virtual_screen = FALSE;
    step_back(who);
    if (hurt_enemy(e, d) && e->alive) enemy_dies(e);
    status_update(0, who);
}

// A soft round light of radius r, white in the middle: the source of the beam's bursts.
FxBitmap burst_picture(int r)
{
    FxBitmap b = fx_bitmap(2 * r + 1, 2 * r + 1, "Out of memory!!!\n\n");
    clear_to_color(b.get(), 0);
    for (int k = r; k > 0; k--) {
        int v = 255 - 255 * k / (r + 1);
        circlefill(b.get(), r, r, k, makecol(v, v, v * 3 / 4));
    }
    return b;
}

} // namespace

void do_phantom_blade(int index, ftchar* who)
{
    ftenemy* e = action_on_enemy(index, who);
    if (!e) return;
    const action& a = who->actions[index];
    virtual_screen = TRUE;
    door_play_sample(SND_WAVE, 255, 128, 1000, FALSE);
    // The wave flies at 240 frames a second, a pixel a frame, on fixed-point steps.
    set_battle_pacer(240);
    fixed wx = itofix(who->x - 4), wy = itofix(who->y + 12);
    fixed tx = itofix(e->x + e->middle), ty = itofix(e->y + e->ht / 2);
    int dist = std::max(1, std::abs(fixtoi(wx) - fixtoi(tx)));
    fixed sx = (tx - wx) / dist, sy = (ty - wy) / dist;
    int glow = makecol(140, 200, 255), white = makecol(255, 255, 255);
    for (int i = 0; i < dist; i++) {
        wx += sx;
        wy += sy;
        ft_update_screen();
        if (!drew_last) continue;
        int x = fixtoi(wx), y = fixtoi(wy);
        // A crescent bowed towards the enemy, with a fading wake behind it.
        for (int k = -10; k < 10; k++) {
            int x1 = x + k * k / 10, x2 = x + (k + 1) * (k + 1) / 10;
            grad_line(buffer, x1, y + k, x2, y + k + 1, 6, glow);
            grad_line(buffer, x1, y + k, x2, y + k + 1, 2, white);
        }
        drawing_mode(DRAW_MODE_TRANS, nullptr, 0, 0);
        for (int t = 1; t < 12; t++) {
            set_trans_blender(0, 0, 0, 150 - t * 12);
            vline(buffer, x + 4 + t * 3, y - 8 + t / 2, y + 8 - t / 2, glow);
        }
        solid_mode();
        blit_buffer();
    }
    door_play_sample(SND_IMPACT, 255, 128, 1000, FALSE);
    reset_battle_timer();
    finish_on_enemy(who, e, skill_on(who, a, e, FALSE));
}

void do_restore(int index, ftchar* who)
{
    ftchar* t;
    if (story_flag[4]) {
        // In the scene where she saves Mike, Elizabeth doesn't ask whom to heal.
        t = ftmike;
        action_on_all(index, who);
    } else {
        t = action_on_ally(index, who);
    }
    if (!t) return;
    const action& a = who->actions[index];
    int cx = t->x + 12, cy = t->y + 12;
    int c = makecol(255, 250, 200);
    virtual_screen = TRUE;
    reset_battle_timer();
    for (int frame = 0; frame < 60; frame++) {
        ft_update_screen();
        if (!drew_last) continue;
        int r = frame < 30 ? frame : 30 - (frame - 30) / 3;
        int level = frame < 30 ? frame * 6 : std::max(180 - (frame - 30) * 6, 0);
        drawing_mode(DRAW_MODE_TRANS, nullptr, 0, 0);
        set_trans_blender(0, 0, 0, level / 2);
        circlefill(buffer, cx, cy, r, c);
        set_trans_blender(0, 0, 0, level);
        circlefill(buffer, cx, cy, r / 2, c);
        solid_mode();
        blit_buffer();
    }
    int amount = gleamer_amount(a.atp, ftelizabeth && ftelizabeth->in_fight, rand(), rand());
    draw_number(amount, t->x - 10, t->y + 24, heal_colour());
    door_rest(500);
    virtual_screen = FALSE;
    step_back(who);
    // The light mends wounds whether or not the ally is standing; it wakes no one.
    t->hp = capped_add(t->hp, amount, t->hpmax);
    status_update(0, who);
}

void do_soul_slash(int index, ftchar* who)
{
    ftenemy* e = action_on_enemy(index, who);
    if (!e) return;
    FxBitmap ghost = fx_bitmap(24, 24, "Out of memory!!\n\n");
    if (who->e) draw_rle_sprite(ghost.get(), who->e, 0, 0);
    colorize(ghost.get(), 260, 0.6f);
    int cx = e->x + e->middle, cy = e->y + e->ht / 2;
    int violet = makecol(190, 150, 255);
    virtual_screen = TRUE;
    door_play_sample(SND_SLASH, 255, 128, 1000, FALSE);
    reset_battle_timer();
    for (int frame = 0; frame < 60; frame++) {
        if (frame == 25) door_play_sample(SND_ZAP, 255, 128, 1000, FALSE);
        ft_update_screen();
        if (!drew_last) continue;
        // The hero's spirit dashes through the enemy and leaves a cut of light.
        int gx = who->x - (who->x - cx + 40) * std::min(frame, 25) / 25;
        set_trans_blender(0, 0, 0, std::max(200 - frame * 4, 0));
        draw_trans_sprite(buffer, ghost.get(), gx, who->y + (cy - who->y) * std::min(frame, 25) / 25 - 12);
        if (frame >= 20) {
            int len = std::min((frame - 20) * 4, 28);
            grad_line(buffer, cx + len, cy - len, cx - len, cy + len, std::max(8 - (frame - 20) / 5, 2),
                      violet);
        }
        blit_buffer();
    }
    virtual_screen = FALSE;
    step_back(who);
    char text[160];
    if (soul_slash_lands(rand(), e->hpmax)) {
        e->dfp /= 2;
        snprintf(text, sizeof text, "%s's DFP cut by 1/2!!", e->s_name);
    } else {
        snprintf(text, sizeof text, "Nothing happened!");
    }
    battle_message(text);
    status_update(0, who);
}

void do_backlash(int index, ftchar* who)
{
    ftenemy* e = action_on_enemy(index, who);
    if (!e) return;
    const action& a = who->actions[index];
    const int TRAIL = 128;
    int px[TRAIL], py[TRAIL], pa[TRAIL], sa[TRAIL];
    for (int i = 0; i < TRAIL; i++) px[i] = py[i] = pa[i] = sa[i] = 0;
    FxBitmap pose = fx_bitmap(24, 24, nullptr);
    FxBitmap streak = fx_bitmap(320, 240, nullptr);
    int x0 = who->x, y0 = who->y;
    int tx = e->x + e->wt - 4, ty = e->y + e->ht / 2 - 12;
    int cx = e->x + e->middle, cy = e->y + e->ht / 2;
    int steel = makecol(220, 235, 255);
    virtual_screen = TRUE;
    reset_battle_timer();
    const int LEAP = 24, BACK = 36;
    for (int frame = 0; frame < LEAP + BACK + 20; frame++) {
        // Out in a low leap, a slice, then a high leap back to where he started.
        if (frame < LEAP) {
            float f = (float)(frame + 1) / LEAP;
            who->x = x0 + (int)((tx - x0) * f);
            who->y = y0 + (int)((ty - y0) * f) - (int)(std::sin(f * 3.14159f) * 16);
            who->current = who->d ? who->d : who->current;
        } else if (frame < LEAP + BACK) {
            float f = (float)(frame - LEAP + 1) / BACK;
            who->x = tx + (int)((x0 - tx) * f);
            who->y = ty + (int)((y0 - ty) * f) - (int)(std::sin(f * 3.14159f) * 40);
            who->current = who->e ? who->e : who->current;
        }
        if (frame == LEAP) door_play_sample(SND_SLASH, 255, 128, 1000, FALSE);
        int slot = frame % TRAIL;
        px[slot] = who->x;
        py[slot] = who->y;
        pa[slot] = frame < LEAP + BACK ? 160 : 0;
        for (int i = 0; i < TRAIL; i++) pa[i] = std::max(pa[i] - 12, 0);
        sa[slot] = frame >= LEAP && frame < LEAP + 12 ? 255 - (frame - LEAP) * 20 : 0;
        ft_update_screen();
        if (!drew_last) continue;
        clear_to_color(pose.get(), bitmap_mask_color(pose.get()));
        if (who->current) draw_rle_sprite(pose.get(), who->current, 0, 0);
        for (int i = 0; i < TRAIL; i++)
            if (pa[i] > 0) {
                set_trans_blender(0, 0, 0, pa[i]);
                draw_trans_sprite(buffer, pose.get(), px[i], py[i]);
            }
        if (sa[slot] > 0) {
            clear_to_color(streak.get(), bitmap_mask_color(streak.get()));
            grad_line(streak.get(), cx + 18, cy - 18, cx - 18, cy + 18, 6, steel);
            grad_line(streak.get(), cx - 18, cy - 10, cx + 18, cy + 6, 4, steel);
            set_trans_blender(0, 0, 0, sa[slot]);
            draw_trans_sprite(buffer, streak.get(), 0, 0);
        }
        blit_buffer();
    }
    who->x = x0;
    who->y = y0;
    who->current = who->b ? who->b : who->current;
    finish_on_enemy(who, e, skill_on(who, a, e, TRUE));
}

void do_auria(int index, ftchar* who)
{
    ftchar* t = action_on_ally(index, who);
    if (!t) return;
    BITMAP* point = (BITMAP*)characters[FX_AURIA_POINT].dat;
    struct light {
        int x, y, level, rising, delay;
    };
    light l[25];
    for (light& q : l) q = {t->x - 8 + rand() % 32, t->y - 4 + rand() % 28, 0, TRUE, rand() % 80};
    int c = makecol(0, 245, 231);
    virtual_screen = TRUE;
    reset_battle_timer();
    for (int frame = 0;; frame++) {
        int lit = FALSE;
        for (light& q : l) {
            if (frame < q.delay) {
                lit = TRUE;
                continue;
            }
            if (q.rising) {
                q.level = std::min(q.level + 5, 255);
                if (q.level == 255) q.rising = FALSE;
            } else {
                q.level = std::max(q.level - 5, 0);
            }
            if (q.rising || q.level > 0) lit = TRUE;
            if (frame % 3 == 0) q.y--;
        }
        // By the time the lights are at their brightest the poison is gone.
        if (frame >= 101 && t->status[ST_POISON]) t->status[ST_POISON] = 0;
        if (!lit) break;
        ft_update_screen();
        if (!drew_last) continue;
        for (const light& q : l)
            if (q.level > 0) monocrome_draw_lightmap_ex(buffer, point, q.x, q.y, c, q.level - 255);
        blit_buffer();
    }
    virtual_screen = FALSE;
    step_back(who);
    status_update(0, who);
}

void do_light_beam(int index, ftchar* who)
{
    ftenemy* e = action_on_enemy(index, who);
    if (!e) return;
    const action& a = who->actions[index];
    std::vector<FxBitmap> pics;
    std::vector<FxLightmap> bursts;
    for (int k = 0; k < 7; k++) {
        pics.push_back(burst_picture(3 + k * 2));
        bursts.push_back(fx_lightmap(pics.back().get(), nullptr));
    }
    struct explosion {
        int x, y, pos, delay;
    };
    explosion ex[10];
    int cx = e->x + e->middle, cy = e->y + e->ht / 2;
    for (explosion& q : ex)
        q = {e->x + rand() % std::max(e->wt, 1), e->y + rand() % std::max(e->ht, 1), 0, 20 + rand() % 40};
    int gold = makecol(255, 240, 170), white = makecol(255, 255, 255);
    door_play_sample(SND_ZAP, 255, 128, 2000, FALSE);
    virtual_screen = TRUE;
    reset_fps_timer();
    for (int frame = 0; frame < 90; frame++) {
        for (explosion& q : ex)
            if (frame >= q.delay && q.pos < 14) q.pos++;
        ft_update_screen();
        if (!drew_last) continue;
        // The beam falls from above, swells over the enemy and thins away.
        int w = frame < 20 ? frame : frame < 60 ? 20 : std::max(20 - (frame - 60), 0);
        int bottom = std::min(cy + e->ht / 2, frame * 12);
        if (w > 0) {
            grad_line(buffer, cx, 0, cx, bottom, w * 2, gold);
            grad_line(buffer, cx, 0, cx, bottom, w / 2 + 1, white);
        }
        for (const explosion& q : ex)
            if (q.pos > 0 && q.pos <= 14) {
                LIGHTMAP* l = bursts[std::min((q.pos - 1) / 2, 6)].get();
                l->a_offset = q.pos > 10 ? -(q.pos - 10) * 50 : 0;
                draw_lightmap(buffer, l, q.x - l->wt / 2, q.y - l->ht / 2);
            }
        blit_buffer();
    }
    finish_on_enemy(who, e, skill_on(who, a, e, TRUE));
}

void do_bolt_charge(int index, ftchar* who)
{
    ftenemy* e = action_on_enemy(index, who);
    if (!e) return;
    const action& a = who->actions[index];
    int cx = e->x + e->middle, cy = e->y + e->ht / 2;
    int hx = who->x + 4, hy = who->y + 8;
    door_play_sample(SND_ZAP, 255, 128, 1000, FALSE);
    virtual_screen = TRUE;
    reset_battle_timer();
    for (int frame = 0; frame < 70; frame++) {
        if (frame == 30) door_play_sample(SND_SMASH, 255, 128, 1000, FALSE);
        ft_update_screen();
        if (!drew_last) continue;
        if (frame < 30) {
            // Charge: sparks crackle round the blade.
            for (int k = 0; k < 3; k++) {
                float ang = (rand() % 628) / 100.0f;
                int r = 6 + rand() % 8;
                electric_line(buffer, hx, hy, hx + (int)(std::cos(ang) * r), hy + (int)(std::sin(ang) * r), 2,
                              4);
            }
        } else if (frame < 55) {
            // The surge: strokes from the sky and from the blade meet on the enemy.
            electric_line(buffer, cx + rand() % 30 - 15, 0, cx, cy, 6, 24);
            electric_line(buffer, hx, hy, cx, cy, 4, 16);
            if (frame < 36) {
                drawing_mode(DRAW_MODE_TRANS, nullptr, 0, 0);
                set_trans_blender(0, 0, 0, 160 - (frame - 30) * 25);
                rectfill(buffer, 0, 0, 319, 189, makecol(255, 255, 255));
                solid_mode();
            }
        } else if (frame % 4 < 2) {
            electric_line(buffer, cx - 6, cy - 6, cx + 6, cy + 6, 2, 6);
        }
        blit_buffer();
    }
    finish_on_enemy(who, e, skill_on(who, a, e, TRUE));
}
