// Mike's and Runhon's spells: Burn, Sand Blast, Rain, Freeze, Red Light and
// Boulder Rain.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "action.h"
#include "action_draw.h"
#include "battle.h"
#include "dat_names.h"
#include "door.h"
#include "item.h"
#include "vantor.h"

namespace {

// The spell's damage on e after its elements.
int elemental_spell(const action& a, const ftenemy* e)
{
    return apply_elements(spell_damage(a.atp, rand(), rand()), a.element, e->weakness, e->strength);
}

// Number, step back, damage, status: the end every single-enemy action shares.
void finish_on_enemy(ftchar* who, ftenemy* e, int d)
{
    show_enemy_damage(e, d);
    virtual_screen = FALSE;
    step_back(who);
    if (hurt_enemy(e, d) && e->alive) enemy_dies(e);
    status_update(0, who);
}

// The enemies of the field in slot order, with null for empty slots.
ftenemy* foe(int n) { return n == 0 ? enemy1 : n == 1 ? enemy2 : n == 2 ? enemy3 : enemy4; }

// Every standing enemy takes its own damage (a fresh spread each), numbers shown one by one;
// who falls is settled after the step back.
void hit_every_enemy(ftchar* who, const action& a)
{
    for (int n = 0; n < 4; n++) {
        ftenemy* e = foe(n);
        if (!e || !e->in_fight || !e->alive) continue;
        int d = elemental_spell(a, e);
        draw_number(d > 0 ? d : -d, e->x - 5 + e->wt, e->y - 5 + e->ht, damage_colour(d));
        door_rest(100);
        e->hp -= d;
        e->total_damage += d;
        if (e->hp > e->hpmax) e->hp = e->hpmax;
    }
    virtual_screen = FALSE;
    step_back(who);
    for (int n = 0; n < 4; n++) {
        ftenemy* e = foe(n);
        if (e && e->hp <= 0 && e->alive) enemy_dies(e);
    }
    status_update(0, who);
}

// A rock to throw: a shaded round boulder with a crack, on the mask colour.
FxBitmap boulder_picture()
{
    FxBitmap b = fx_bitmap(24, 24, "Out of memory!!!\n\n");
    circlefill(b.get(), 12, 12, 10, makecol(92, 78, 64));
    circlefill(b.get(), 11, 11, 8, makecol(128, 110, 88));
    circlefill(b.get(), 9, 9, 4, makecol(168, 150, 122));
    line(b.get(), 14, 5, 12, 11, makecol(70, 58, 46));
    line(b.get(), 12, 11, 17, 16, makecol(70, 58, 46));
    putpixel(b.get(), 7, 7, makecol(210, 196, 170));
    return b;
}

} // namespace

void do_burn(int index, ftchar* who)
{
    ftenemy* e = action_on_enemy(index, who);
    if (!e) return;
    const action& a = who->actions[index];
    int fx = e->x - 12 + e->middle, fy = e->y - 25 + e->ht;
    door_play_sample(SND_FIRE, 255, 128, 1000, FALSE);
    virtual_screen = TRUE;
    reset_battle_timer();
    for (int k = 0; k < 5; k++) {
        ft_update_screen();
        if (drew_last && a_burn[k]) {
            draw_rle_sprite(buffer, a_burn[k], fx, fy);
            blit_buffer();
        }
    }
    for (int k = 0; k < 11; k++) {
        ft_update_screen();
        RLE_SPRITE* s = a_burn[k % 2 ? 3 : 4];
        if (drew_last && s) {
            draw_rle_sprite(buffer, s, fx, fy);
            blit_buffer();
        }
    }
    // The blaze dies down with its roar.
    for (int level = 255, k = 0; level > 1; level -= 10, k++) {
        door_adjust_sample(SND_FIRE, level, 127, 1000, FALSE);
        ft_update_screen();
        RLE_SPRITE* s = a_burn[k % 2 ? 3 : 4];
        if (drew_last && s) {
            set_trans_blender(0, 0, 0, level);
            draw_trans_rle_sprite(buffer, s, fx, fy);
            blit_buffer();
        }
    }
    finish_on_enemy(who, e, elemental_spell(a, e));
}

void do_sand_blast(int index, ftchar* who)
{
    ftenemy* e = action_on_enemy(index, who);
    if (!e) return;
    const action& a = who->actions[index];
    FxBitmap haze = fx_bitmap(320, 240, "Out of memory!\n\n");
    RLE_SPRITE* small = (RLE_SPRITE*)characters[FX_SAND_SMALL].dat;
    RLE_SPRITE* large = (RLE_SPRITE*)characters[FX_SAND_LARGE].dat;
    struct sand {
        int x, y, a;
    };
    sand grains[10];
    int cx = e->x + e->middle, cy = e->y + e->ht / 2;
    for (int i = 0; i < 10; i++) grains[i] = {who->x - 10 - i * 14, who->y + rand() % 20, 0};
    // Wind-streaks of dust across the enemy's side of the field.
    for (int i = 0; i < 160; i++) {
        int y = cy - 40 + rand() % 80, x = e->x - 40 + rand() % 120, g = 150 + rand() % 60;
        hline(haze.get(), x, y, x + 10 + rand() % 30, makecol(g + 40, g, g / 2));
    }
    door_play_sample(SND_SAND, 255, 128, 750, TRUE);
    virtual_screen = TRUE;
    reset_battle_timer();
    for (int frame = 0; frame < 100; frame++) {
        for (int i = 0; i < 10; i++) {
            sand& g = grains[i];
            // Each cloud rushes at the enemy, then whirls round it.
            if (frame < 40) {
                g.x += (cx - g.x) / 8;
                g.y += (cy - g.y) / 8;
            } else {
                float t = frame * 0.2f + i * 0.628f;
                g.x = cx - 8 + (int)(std::cos(t) * (14 + i));
                g.y = cy - 8 + (int)(std::sin(t) * (8 + i / 2));
            }
            g.a = frame < 80 ? std::min(g.a + 12, 230) : std::max(g.a - 12, 0);
        }
        ft_update_screen();
        if (!drew_last) continue;
        int haze_a = frame < 30 ? frame * 4 : frame < 80 ? 120 : (100 - frame) * 6;
        set_trans_blender(0, 0, 0, std::max(haze_a, 0));
        draw_trans_sprite(buffer, haze.get(), (frame * 3) % 40 - 20, 0);
        for (int i = 0; i < 10; i++) {
            set_trans_blender(0, 0, 0, grains[i].a);
            RLE_SPRITE* s = i % 2 ? small : large;
            if (s) draw_trans_rle_sprite(buffer, s, grains[i].x, grains[i].y);
        }
        blit_buffer();
    }
    door_stop_sample(SND_SAND);
    finish_on_enemy(who, e, elemental_spell(a, e));
}

void do_rain(int index, ftchar* who)
{
    ftenemy* e = action_on_enemy(index, who);
    if (!e) return;
    const action& a = who->actions[index];
    struct pixel {
        int x, y, a, da;
    };
    const int N = 500;
    static pixel drops[N];
    int left = e->x - 12, width = e->wt + 24, top = e->y - 50, ground = e->y + e->ht;
    for (pixel& p : drops) p = {left + rand() % width, top - rand() % 160, 0, 20 + rand() % 20};
    int c = makecol(170, 200, 255);
    // The cloud is drawn whole once, so its puffs don't darken where they overlap.
    FxBitmap cloud = fx_bitmap(width + 24, 30, "Out of memory!!!\n\n");
    for (int k = 0; k < 5; k++)
        circlefill(cloud.get(), 12 + k * width / 4, 14 + (k % 2) * 4, 12, makecol(60, 70, 90));
    for (int k = 0; k < 4; k++)
        circlefill(cloud.get(), 12 + k * width / 4 + width / 8, 10, 9, makecol(78, 88, 108));
    door_play_sample(SND_RAIN, 255, 128, 1000, TRUE);
    virtual_screen = TRUE;
    reset_battle_timer();
    for (int frame = 0; frame < 110; frame++) {
        for (pixel& p : drops) {
            if (p.y > ground) {
                p.da = -40;
                p.a += p.da;
                continue;
            }
            p.y += 5;
            if (p.y >= top) p.a = std::min(p.a + p.da, 220);
        }
        ft_update_screen();
        if (!drew_last) continue;
        // A low cloud gathers first and thins out as the rain ends.
        int ca = frame < 20 ? frame * 8 : frame > 90 ? (110 - frame) * 8 : 160;
        set_trans_blender(0, 0, 0, std::max(ca, 0));
        draw_trans_sprite(buffer, cloud.get(), left - 12, top - 20);
        drawing_mode(DRAW_MODE_TRANS, nullptr, 0, 0);
        for (const pixel& p : drops) {
            if (p.a <= 0 || p.y < top) continue;
            set_trans_blender(0, 0, 0, std::min(p.a, 255));
            if (p.y > ground)
                hline(buffer, p.x - 1, ground, p.x + 1, c);
            else
                vline(buffer, p.x, p.y, p.y + 3, c);
        }
        solid_mode();
        blit_buffer();
    }
    door_stop_sample(SND_RAIN);
    finish_on_enemy(who, e, elemental_spell(a, e));
}

void do_freeze(int index, ftchar* who)
{
    ftenemy* e = action_on_enemy(index, who);
    if (!e) return;
    const action& a = who->actions[index];
    FxBitmap ice = fx_bitmap(e->wt, e->ht, "Out of memory!!!\n\n");
    virtual_screen = TRUE;
    reset_battle_timer();
    if (e->ptr_is_lmp) {
        // A glowing enemy has no sprite of its own: freeze what it looks like now.
        fpscounter = fps;
        ft_update_screen();
        blit(buffer, ice.get(), e->x, e->y, 0, 0, e->wt, e->ht);
    } else if (e->current) {
        draw_rle_sprite(ice.get(), (RLE_SPRITE*)e->current, 0, 0);
    }
    colorize(ice.get(), 220, -1.0f);
    struct shard {
        float x, y, dx, dy;
    };
    shard s[50];
    int cx = e->x + e->middle, cy = e->y + e->ht / 2;
    for (shard& q : s) {
        float ang = (rand() % 628) / 100.0f, r = 50.0f + rand() % 30;
        q.x = cx + std::cos(ang) * r;
        q.y = cy + std::sin(ang) * r;
        q.dx = (cx - q.x) / 40;
        q.dy = (cy - q.y) / 40;
    }
    int white = makecol(230, 245, 255), blue = makecol(120, 180, 255);
    door_play_sample(SND_FROST, 255, 128, 1000, FALSE);
    for (int frame = 0; frame < 100; frame++) {
        if (frame == 60) {
            door_play_sample(SND_SHATTER, 255, 128, 1000, FALSE);
            // The ice bursts: every shard flies back out, faster.
            for (shard& q : s) {
                q.dx = (q.x - cx) / 6 + (rand() % 10 - 5) / 5.0f;
                q.dy = (q.y - cy) / 6 - 1.5f;
            }
        }
        for (shard& q : s) {
            if (frame < 40 || frame >= 60) {
                q.x += q.dx;
                q.y += q.dy;
            }
            if (frame >= 60) q.dy += 0.15f;
        }
        ft_update_screen();
        if (!drew_last) continue;
        int level = frame < 40 ? frame * 6 : frame < 60 ? 255 : std::max(255 - (frame - 60) * 8, 0);
        set_trans_blender(0, 0, 0, level);
        draw_trans_sprite(buffer, ice.get(), e->x, e->y);
        drawing_mode(DRAW_MODE_TRANS, nullptr, 0, 0);
        for (const shard& q : s) {
            set_trans_blender(0, 0, 0, 230);
            putpixel(buffer, (int)q.x, (int)q.y, white);
            putpixel(buffer, (int)q.x + 1, (int)q.y, blue);
            putpixel(buffer, (int)q.x, (int)q.y + 1, blue);
        }
        solid_mode();
        blit_buffer();
    }
    finish_on_enemy(who, e, elemental_spell(a, e));
}

void do_red_light(int index, ftchar* who)
{
    action_on_all(index, who);
    const action& a = who->actions[index];
    FxLightmap core = fx_lightmap((BITMAP*)characters[FX_REDLIGHT_CORE].dat, nullptr);
    BITMAP* halo = (BITMAP*)characters[FX_REDLIGHT_HALO].dat;
    int red = makecol(255, 50, 20);
    door_play_sample(SND_GLOW, 255, 128, 1000, TRUE);
    virtual_screen = TRUE;
    reset_battle_timer();
    for (int frame = 0; frame < 100; frame++) {
        ft_update_screen();
        if (!drew_last) continue;
        int rise = frame < 50 ? -255 + frame * 5 : frame < 80 ? 0 : -(frame - 80) * 12;
        core->a_offset = rise + (int)(std::sin(frame * 0.4f) * 30);
        for (int n = 0; n < 4; n++) {
            ftenemy* e = foe(n);
            if (!e || !e->in_fight || !e->alive) continue;
            int cx = e->x + e->middle, cy = e->y + e->ht / 2;
            monocrome_draw_lightmap_ex(buffer, halo, cx - halo->w / 2, cy - halo->h / 2, red, rise);
            draw_lightmap(buffer, core.get(), cx - core->wt / 2, cy - core->ht / 2);
        }
        blit_buffer();
    }
    door_stop_sample(SND_GLOW);
    hit_every_enemy(who, a);
}

// One boulder of Boulder Rain.
struct boulder {
    float x, y, z, r, s, dx, dy, dr, ds, y_accel;
    int wait;
};

void boulder_start(boulder* b, int i)
{
    b->x = (float)(rand() % 140 - 25);
    b->y = (float)(90 + rand() % 80);
    b->z = 220.0f + rand() % 40;
    b->r = (float)(rand() % 255);
    b->s = 0.6f + (rand() % 50) / 100.0f;
    b->dx = 0.3f + (rand() % 10) / 10.0f;
    b->dy = 0;
    b->dr = (float)(rand() % 9 - 4);
    b->ds = 0;
    b->y_accel = 0.35f;
    b->wait = 20 * i;
}

// Advances a boulder one frame; FALSE once it has come to rest and faded.
int boulder_move(boulder* b)
{
    if (b->wait > 0) {
        b->wait--;
        return TRUE;
    }
    b->dy += b->y_accel;
    b->z -= b->dy;
    b->x += b->dx;
    b->r += b->dr;
    if (b->z <= 0) {
        // It lands, bounces lower each time, and crumbles after the third.
        b->z = 0;
        b->dy = -b->dy * 0.4f;
        b->ds -= 0.1f;
        b->dr = -b->dr;
    }
    b->s = std::max(b->s + (b->ds < -0.25f ? -0.05f : 0.0f), 0.0f);
    return b->s > 0.05f ? TRUE : FALSE;
}

void draw_boulders(BITMAP* dest, BITMAP* rock, const boulder* bs, int n)
{
    int shadow = makecol(0, 0, 0);
    for (int i = 0; i < n; i++) {
        const boulder& b = bs[i];
        if (b.wait > 0 || b.s <= 0.05f) continue;
        // A shadow on the ground grows as the boulder comes down.
        drawing_mode(DRAW_MODE_TRANS, nullptr, 0, 0);
        set_trans_blender(0, 0, 0, std::clamp(160 - (int)b.z / 2, 20, 160));
        int sw = std::max(2, (int)(10 * b.s) - (int)b.z / 30);
        ellipsefill(dest, (int)b.x + 12, (int)b.y + 20, sw, std::max(1, sw / 3), shadow);
        solid_mode();
        fx_rotate_scaled(dest, rock, (int)b.x, (int)(b.y - b.z), ftofix(b.r), ftofix(b.s));
    }
}

void do_boulder_rain(int index, ftchar* who)
{
    action_on_all(index, who);
    const action& a = who->actions[index];
    FxBitmap rock = boulder_picture();
    boulder bs[15];
    for (int i = 0; i < 15; i++) boulder_start(&bs[i], i);
    door_play_sample(SND_QUAKE, 255, 128, 1000, TRUE);
    virtual_screen = TRUE;
    reset_battle_timer();
    for (int frame = 0; frame < 700; frame++) {
        int moving = FALSE;
        for (boulder& b : bs)
            if (boulder_move(&b)) moving = TRUE;
        if (!moving) break;
        ft_update_screen();
        if (!drew_last) continue;
        draw_boulders(buffer, rock.get(), bs, 15);
        blit_buffer();
    }
    door_stop_sample(SND_QUAKE);
    door_play_sample(SND_CRASH, 255, 128, 1000, FALSE);
    hit_every_enemy(who, a);
}

void boulder_rain_frame(BITMAP* dest, int frame)
{
    // Kept for the whole run: the library may be gone before static destructors run.
    static BITMAP* rock = nullptr;
    static boulder bs[15];
    if (!rock) rock = boulder_picture().release();
    if (frame == 0)
        for (int i = 0; i < 15; i++) boulder_start(&bs[i], i);
    for (boulder& b : bs) boulder_move(&b);
    draw_boulders(dest, rock, bs, 15);
}
