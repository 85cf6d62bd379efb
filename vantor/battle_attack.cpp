// Every enemy's attack: the animation it plays and the kind of damage it
// chooses, by the enemy's name; the bosses' turns.
#include "battle.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <memory>

#include "action.h"
#include "action_draw.h"
#include "dat_names.h"
#include "door.h"
#include "vantor.h"

namespace {

struct BitmapDeleter {
    void operator()(BITMAP* b) const { destroy_bitmap(b); }
};
using Bitmap = std::unique_ptr<BITMAP, BitmapDeleter>;
struct LightmapDeleter {
    void operator()(LIGHTMAP* l) const { destroy_lightmap(l); }
};
using Lightmap = std::unique_ptr<LIGHTMAP, LightmapDeleter>;

bool named(const ftenemy* e, const char* name) { return strcmp(e->s_name, name) == 0; }

void play(int sample) { door_play_sample(sample, 255, 128, 1000, FALSE); }

// One animation frame composed into buffer; TRUE when it was drawn, so overlays go on and it is shown.
bool frame()
{
    virtual_screen = TRUE;
    ft_update_screen();
    return drew_last;
}

// A few frames of the battle as it stands.
void hold(int frames)
{
    for (int i = 0; i < frames; i++)
        if (frame()) blit_buffer();
}

void set_pose(ftenemy* e, void* pose)
{
    if (pose) e->current = pose;
}

BITMAP* chr_bitmap(int n) { return characters ? (BITMAP*)characters[n].dat : nullptr; }

// A copy of the enemy's pose as a masked bitmap (none for a light-map enemy).
Bitmap pose_bitmap(ftenemy* e, void* pose)
{
    if (e->ptr_is_lmp || !pose) return nullptr;
    RLE_SPRITE* s = (RLE_SPRITE*)pose;
    Bitmap b(create_bitmap(s->w, s->h));
    if (!b) fatalerror("Out of memory!!\n\n");
    clear_to_color(b.get(), bitmap_mask_color(b.get()));
    draw_rle_sprite(b.get(), s, 0, 0);
    return b;
}

Lightmap light_of(int chr)
{
    BITMAP* src = chr_bitmap(chr);
    Lightmap l(src ? create_lightmap(src) : nullptr);
    if (!l) fatalerror("Out of memory!!\n\n");
    return l;
}

// Centres of a hero and of an enemy.
int hx(const ftchar* h) { return h->x + 12; }
int hy(const ftchar* h) { return h->y + 12; }
int ex(const ftenemy* e) { return e->x + e->middle; }
int ey(const ftenemy* e) { return e->y + e->ht / 2; }

// The battle drawn and shown at once, clearing whatever a window left on the screen.
void show_now()
{
    virtual_screen = FALSE;
    fpscounter = fps;
    ft_update_screen();
    virtual_screen = TRUE;
}

// The attack's name beside the enemy, then a pause.
void attack_name(ftenemy* e, const char* text, int pause_ms)
{
    show_now();
    int left = named(e, "Shorty") || named(e, "Metalor");
    int w = (main_font ? text_length(main_font, text) : 8 * (int)strlen(text)) + 8;
    story_window_2(text, e->x + (left ? -35 : 35), e->y - 25, w, 15);
    door_rest(pause_ms);
}

// A translucent diagonal cut across the hero, pixel by pixel.
void slash_line(ftenemy* e, ftchar* t)
{
    set_pose(e, e->b);
    hold(5);
    play(SND_SLASH);
    virtual_screen = TRUE;
    fpscounter = fps;
    ft_update_screen();
    set_trans_blender(0, 0, 0, 200);
    drawing_mode(DRAW_MODE_TRANS, nullptr, 0, 0);
    for (int i = 0; i < 26; i++) {
        putpixel(buffer, t->x + i, t->y + i - 1, e->slash_col);
        putpixel(buffer, t->x + i, t->y + i, e->slash_col);
        putpixel(buffer, t->x + i + 1, t->y + i, e->slash_col);
        blit_buffer();
        door_rest(5);
    }
    solid_mode();
    reset_battle_timer();
}

// Something flies from (x0, y0) to (x1, y1) in `frames` frames, drawn by draw(x, y, i).
template <class Draw>
void fly(int x0, int y0, int x1, int y1, int frames, Draw draw)
{
    // Fixed point, so slow diagonal paths keep their exact slope.
    fixed fx = itofix(x0), fy = itofix(y0);
    fixed sx = (itofix(x1) - fx) / frames, sy = (itofix(y1) - fy) / frames;
    for (int i = 0; i <= frames; i++) {
        if (frame()) {
            draw(fixtoi(fx), fixtoi(fy), i);
            blit_buffer();
        }
        fx += sx, fy += sy;
    }
}

// Along a curve through four points, `steps` points long, `per_frame` points a frame.
template <class Draw>
void along_spline(const int pts[8], int steps, int per_frame, Draw draw)
{
    int xs[256], ys[256];
    steps = std::clamp(steps, 2, 256);
    calc_spline(pts, steps, xs, ys);
    for (int i = 0; i < steps; i += per_frame)
        if (frame()) {
            draw(xs[i], ys[i], i);
            blit_buffer();
        }
}

// The enemy walks (or rushes) onto the hero and back to its place.
void move_onto(ftenemy* e, ftchar* t, int sample, bool waddle)
{
    int x0 = e->x, y0 = e->y, x1 = t->x - e->wt + 8, y1 = t->y + 12 - e->ht / 2;
    play(sample);
    const int frames = 16;
    for (int leg = 0; leg < 2; leg++)
        for (int i = 1; i <= frames; i++) {
            int k = leg == 0 ? i : frames - i;
            e->x = x0 + (x1 - x0) * k / frames;
            e->y = y0 + (y1 - y0) * k / frames;
            if (waddle) set_pose(e, i % 2 ? e->b : e->c);
            if (frame()) blit_buffer();
        }
    e->x = x0, e->y = y0;
    set_pose(e, e->a);
}

// A blow picture over the hero, then the same shape flashed inverted.
void strike_flash(ftchar* t, int chr, int first_sample, int hit_sample)
{
    BITMAP* pic = chr_bitmap(chr);
    if (first_sample >= 0) play(first_sample);
    if (!pic) return;
    Bitmap inverted(create_bitmap(pic->w, pic->h)), white(create_bitmap(pic->w, pic->h));
    if (!inverted || !white) fatalerror("Out of memory!!\n\n");
    blit(pic, inverted.get(), 0, 0, 0, 0, pic->w, pic->h);
    clear_to_color(white.get(), makecol(255, 255, 255));
    invert_mask(inverted.get(), white.get());
    int x = hx(t) - pic->w / 2, y = hy(t) - pic->h / 2;
    for (int i = 0; i < 10; i++) {
        if (i == 6) play(hit_sample);
        if (!frame()) continue;
        if (i < 6) {
            draw_sprite(buffer, pic, x + (6 - i), y - (6 - i));
        } else {
            set_trans_blender(0, 0, 0, 160);
            draw_trans_sprite(buffer, inverted.get(), x, y);
        }
        blit_buffer();
    }
}

// The enemy is hidden while a spinning copy of it does the work.
struct Hidden {
    ftenemy* e;
    explicit Hidden(ftenemy* who) : e(who) { e->alive = FALSE; }
    ~Hidden() { e->alive = TRUE; }
};

void spin_draw(BITMAP* b, int x, int y, int i)
{
    if (b) rotate_sprite(buffer, b, x - b->w / 2, y - b->h / 2, itofix(i * 24));
}

// ---- one routine per enemy, each setting the kind of its attack ----

void stinger(ftenemy* e, ftchar* t)
{
    play(SND_SHOOT);
    int dark = makecol(128, 128, 128), light = makecol(215, 215, 215);
    fly(e->x + e->wt, ey(e), t->x, hy(t), 14, [&](int x, int y, int) {
        hline(buffer, x - 5, y, x - 1, dark);
        hline(buffer, x - 4, y + 1, x - 2, dark);
        putpixel(buffer, x, y, light);
        putpixel(buffer, x + 1, y, light);
    });
}

void barghest(ftenemy* e, ftchar* t)
{
    if (story_flag[4]) flagers[0] = 0;
    set_pose(e, e->b);
    hold(6);
    set_pose(e, e->c);
    hold(6);
    int dx = rand() % 6, dy = rand() % 6;
    play(SND_HIT);
    for (int n : {HIT_SPARK_1, HIT_SPARK_2, HIT_SPARK_3}) {
        virtual_screen = TRUE;
        fpscounter = fps;
        ft_update_screen();
        if (data) draw_rle_sprite(buffer, (RLE_SPRITE*)data[n].dat, t->x + dx, t->y + dy);
        blit_buffer();
        door_rest(20);
    }
    reset_battle_timer();
}

void chunk_roll(ftenemy* e, ftchar* t)
{
    Bitmap pic = pose_bitmap(e, e->a);
    Hidden hidden(e);
    fly(ex(e), ey(e), hx(t), hy(t), 18, [&](int x, int y, int i) { spin_draw(pic.get(), x, y, i); });
    play(SND_HIT);
}

void inferia(ftenemy* e, ftchar* t)
{
    set_pose(e, e->b);
    hold(4);
    set_pose(e, e->c);
    play(SND_SHOOT);
    int pts[8] = {ex(e), ey(e), ex(e) + 40, ey(e) - 60, hx(t) - 40, hy(t) - 60, hx(t), hy(t)};
    int blob = makecol(140, 40, 170), shine = makecol(220, 140, 240);
    along_spline(pts, 48, 2, [&](int x, int y, int) {
        circlefill(buffer, x, y, 3, blob);
        putpixel(buffer, x - 1, y - 1, shine);
    });
    play(SND_SPLAT);
    set_pose(e, e->a);
    if (rand() % 4 == 0) t->status[ST_POISON] = 1;
}

void poltergeist(ftenemy* e, ftchar* t)
{
    if (rand() % 4 == 0) {
        attack_name(e, "Possess", 500);
        g_atp = 28;
        LIGHTMAP* ghost = (LIGHTMAP*)e->a;
        Hidden hidden(e);
        int pts[8] = {e->x, e->y, e->x + 60, e->y - 70, t->x - 20, t->y + 60, t->x, t->y};
        door_play_sample(SND_GHOST, 255, 128, 1000, TRUE);
        along_spline(pts, 256, 4, [&](int x, int y, int i) {
            if (ghost) draw_lightmap(buffer, ghost, x, y);
            door_adjust_sample(SND_GHOST, 255, 128, 800 + i * 3, TRUE);
        });
        door_stop_sample(SND_GHOST);
        return;
    }
    Lightmap blast = light_of(FX_POLTER_BLAST);
    play(SND_SLASH);
    fly(ex(e), ey(e), hx(t), hy(t), 14,
        [&](int x, int y, int) { draw_lightmap(buffer, blast.get(), x - blast->wt / 2, y - blast->ht / 2); });
}

void baby_reptel(ftenemy* e)
{
    enemy_attack_type = 2;
    g_atp = 20;
    int s = rand() % 4;
    for (int k = 0; k < 4 && !g_ptr; k++) {
        ftenemy* o = enemy_slot((s + k) % 4 + 1);
        if (o && o->in_fight) g_ptr = o;
    }
    if (!g_ptr) return;
    set_pose(e, e->d);
    play(SND_BEEP);
    int star = makecol(255, 255, 200);
    for (int i = 0; i < 14; i++) {
        if (!frame()) continue;
        for (int k = 0; k < 4; k++) {
            int x = g_ptr->x + rand() % std::max(g_ptr->wt, 1),
                y = g_ptr->y + rand() % std::max(g_ptr->ht, 1);
            putpixel(buffer, x, y, star);
            putpixel(buffer, x - 1, y, star);
            putpixel(buffer, x + 1, y, star);
            putpixel(buffer, x, y - 1, star);
            putpixel(buffer, x, y + 1, star);
        }
        blit_buffer();
    }
}

void glow_travel(ftenemy* e, ftchar* t, int chr, int sample)
{
    Lightmap l = light_of(chr);
    play(sample);
    fly(ex(e), ey(e), hx(t), hy(t), 20,
        [&](int x, int y, int) { draw_lightmap(buffer, l.get(), x - l->wt / 2, y - l->ht / 2); });
}

void shorty(ftenemy* e, ftchar* t)
{
    if (e->mp >= 15) {
        enemy_attack_type = 4;
        char name[40];
        snprintf(name, sizeof name, "%cBolt Strike", (char)GLYPH_AIR);
        set_pose(e, e->b);
        int w = !e->ptr_is_lmp && e->current ? ((RLE_SPRITE*)e->current)->w : e->wt;
        spell_effect(name, e->x, e->y, ELEM_AIR, w);
        bolt_spell_animation(hx(t), t->y + 24);
        e->mp = std::max(e->mp - 15, 0);
        set_pose(e, e->a);
        return;
    }
    enemy_attack_type = 0;
    attack_name(e, "Out of Mp!!", 1500);
}

void swoop(ftenemy* e)
{
    enemy_attack_type = 3;
    g_atp = e->atp;
    Bitmap pic = pose_bitmap(e, e->a);
    Hidden hidden(e);
    play(SND_SHOOT);
    int x = ex(e), y = ey(e), turn = 0;
    for (ftchar* h = ftmike; h; h = ftchar_loop(h)) {
        if (!h->alive) continue;
        fly(x, y, hx(h), hy(h), 10, [&](int px, int py, int i) { spin_draw(pic.get(), px, py, turn + i); });
        play(SND_HIT);
        x = hx(h), y = hy(h), turn += 10;
    }
    fly(x, y, ex(e), ey(e), 10, [&](int px, int py, int i) { spin_draw(pic.get(), px, py, turn + i); });
}

void grassworm(ftenemy* e, ftchar* t)
{
    if (rand() % 2 == 0 && ftmike && ftmike->status[ST_FEAR] <= 0) {
        enemy_attack_type = 0;
        attack_name(e, "Fear Slime", 1000);
        set_pose(e, e->b);
        play(SND_SMASH);
        BITMAP* drop = chr_bitmap(FX_SLIME_DROP);
        int slime = makecol(110, 180, 60);
        for (int i = 0; i < 24; i++) {
            if (!frame()) continue;
            for (ftchar* h : fighters) {
                if (!h) continue;
                int y = std::min(h->y - 40 + i * 3, h->y + 14);
                if (drop) draw_sprite(buffer, drop, h->x + 8, y);
                if (i > 12)
                    triangle(buffer, h->x + 2, h->y + 24, h->x + 22, h->y + 24, h->x + 12,
                             h->y + 24 - (i - 12), slime);
            }
            blit_buffer();
        }
        for (ftchar* h : fighters)
            if (h) h->status[ST_FEAR] = 4;
        set_pose(e, e->a);
        return;
    }
    set_pose(e, e->b);
    hold(4);
    strike_flash(t, FX_GRASSWORM_HIT, -1, SND_SMASH);
    set_pose(e, e->a);
}

void metalor(ftenemy* e, ftchar* t)
{
    if (rand() % 4 == 0) {
        enemy_attack_type = 3;
        g_atp = 500;
        omit_dfp = TRUE;
        char name[40];
        snprintf(name, sizeof name, "%cDark Rain", (char)0xA6);
        spell_effect_ex(name, e->x, e->y, ELEM_DARKNESS, e->wt, e->ht);
        dark_rain_spell_animation(160, 0);
        e->mp = std::max(e->mp - 100, 0);
        return;
    }
    set_pose(e, e->b);
    move_onto(e, t, SND_GRIND, false);
}

void red_rock_crawler(ftenemy* e, ftchar* t)
{
    Lightmap ember = light_of(FX_EMBER_GLOW), spark = light_of(FX_SPARK_GLOW);
    play(SND_FIRE);
    fly(ex(e), ey(e), hx(t), hy(t), 24, [&](int x, int y, int i) {
        int wave = (int)(std::sin(i * 0.6) * 10);
        draw_lightmap(buffer, ember.get(), x - 8, y + wave - 8);
        draw_lightmap(buffer, spark.get(), x - 6 - wave / 2, y - wave - 6);
    });
    play(SND_SIZZLE);
}

void spizzer(ftenemy* e, ftchar* t)
{
    if (rand() % 4 == 0) {
        attack_name(e, "Chip-Chop", 500);
        enemy_attack_type = 3;
        g_atp = 30;
        Bitmap pic = pose_bitmap(e, e->a);
        Hidden hidden(e);
        int x = ex(e), y = ey(e), turn = 0;
        for (ftchar* h = ftmike; h; h = ftchar_loop(h)) {
            if (!h->alive) continue;
            int pts[8] = {x, y, x + 30, y - 50, hx(h) - 30, hy(h) + 40, hx(h), hy(h)};
            along_spline(pts, 24, 2, [&](int px, int py, int i) { spin_draw(pic.get(), px, py, turn + i); });
            x = hx(h), y = hy(h), turn += 12;
        }
        int pts[8] = {x, y, x - 40, y - 60, ex(e) + 40, ey(e) - 60, ex(e), ey(e)};
        along_spline(pts, 24, 2, [&](int px, int py, int i) { spin_draw(pic.get(), px, py, turn + i); });
        return;
    }
    // A leap onto the hero and back, the hit flaring where it lands.
    int x0 = e->x, y0 = e->y, x1 = t->x - e->wt + 6, y1 = t->y + 12 - e->ht / 2;
    BITMAP* hit = chr_bitmap(FX_SPIZZER_HIT);
    const int frames = 14;
    for (int leg = 0; leg < 2; leg++)
        for (int i = 1; i <= frames; i++) {
            int k = leg == 0 ? i : frames - i;
            e->x = x0 + (x1 - x0) * k / frames;
            e->y = y0 + (y1 - y0) * k / frames - (int)(std::sin(k * 3.14159 / frames) * 30);
            if (!frame()) continue;
            if (leg == 0 && i >= frames - 3 && hit) {
                set_trans_blender(0, 0, 0, 170);
                draw_trans_sprite(buffer, hit, hx(t) - hit->w / 2, hy(t) - hit->h / 2);
            }
            blit_buffer();
        }
    e->x = x0, e->y = y0;
}

void blood_crawler(ftenemy* e, ftchar* t)
{
    enemy_attack_type = 5;
    set_pose(e, e->b);
    play(SND_SCUTTLE);
    hold(1);
    door_rest(200);
    play(SND_DRAIN);
    virtual_screen = TRUE;
    fpscounter = fps;
    ft_update_screen();
    if (e->c && !e->ptr_is_lmp) draw_rle_sprite(buffer, (RLE_SPRITE*)e->c, t->x, t->y);
    blit_buffer();
    door_rest(500);
    reset_battle_timer();
    set_pose(e, e->a);
}

void rock_throw(ftenemy* e, ftchar* t)
{
    Bitmap pic = pose_bitmap(e, e->a);
    Hidden hidden(e);
    int pts[8] = {ex(e), ey(e), ex(e) + 40, ey(e) - 80, hx(t) - 40, hy(t) - 80, hx(t), hy(t)};
    along_spline(pts, 40, 2, [&](int x, int y, int i) { spin_draw(pic.get(), x, y, i); });
    play(SND_HIT);
}

void mad_knight(ftenemy* e, ftchar* t)
{
    set_pose(e, e->b);
    hold(5);
    set_pose(e, e->c);
    strike_flash(t, FX_KNIGHT_SWORD, -1, SND_SMASH);
    set_pose(e, e->a);
}

// The Mangler's three claw rakes.
void claws(ftchar* t)
{
    play(SND_CLAW);
    for (int n : {FX_CLAW_1, FX_CLAW_2, FX_CLAW_3}) {
        BITMAP* pic = chr_bitmap(n);
        for (int i = 0; i < 5; i++)
            if (frame()) {
                if (pic) draw_sprite(buffer, pic, hx(t) - pic->w / 2, hy(t) - pic->h / 2);
                blit_buffer();
            }
    }
    play(SND_SLASH);
}

// Razors thrown from nine points around the Mangler at every hero still standing.
void razors(ftenemy* e)
{
    static const int from[9][2] = {{-10, -10}, {25, -20}, {60, -10}, {-20, 25}, {25, 25},
                                   {70, 25},   {-10, 60}, {25, 70},  {60, 60}};
    int steel = makecol(200, 210, 230), edge = makecol(255, 255, 255);
    play(SND_SHOOT);
    const int frames = 20;
    for (int i = 0; i <= frames; i++) {
        if (!frame()) continue;
        for (ftchar* h = ftmike; h; h = ftchar_loop(h)) {
            if (!h->alive) continue;
            for (const auto& f : from) {
                int x0 = e->x + f[0], y0 = e->y + f[1];
                int x = x0 + (hx(h) - x0) * i / frames, y = y0 + (hy(h) - y0) * i / frames;
                line(buffer, x - 3, y - 1, x + 3, y + 1, steel);
                putpixel(buffer, x + 3, y + 1, edge);
            }
        }
        blit_buffer();
    }
}

void mangler(ftenemy* e, ftchar* t)
{
    RLE_SPRITE* back = chr_sprite(EN_MANGLER_BACK);
    if (e->total_damage > 500) {
        e->current = back;
        e->misc[1] = e->misc[0] = 0;
        e->total_damage = 0;
        enemy_attack_type = 0;
        hold(10);
        return;
    }
    if (back && e->current == back) {
        if (e->targeted) e->misc[1] = TRUE;
        reset_battle_timer();
        enemy_attack_type = 0;
        e->misc[0]++;
        if (e->misc[1]) {
            wrap_wind("Mangler is pissed off!!");
            set_pose(e, e->a);
            attack_name(e, "Razor Retalliation", 1000);
            razors(e);
            enemy_attack_type = 3;
            g_atp = 50;
        }
        set_pose(e, e->a);
        hold(5);
        return;
    }
    set_pose(e, e->b);
    hold(5);
    claws(t);
    set_pose(e, e->a);
}

// A knocked-down rock of the Mountain rolls back up into its place.
void revive_rock(ftenemy* m, ftenemy* rock)
{
    play(SND_HIT);
    Bitmap pic = pose_bitmap(rock, rock->a);
    fly(ex(m), m->y + 80, rock->x + rock->wt / 2, rock->y + rock->ht / 2, 24,
        [&](int x, int y, int i) { spin_draw(pic.get(), x, y, i); });
    rock->hp = rock->hpmax;
    rock->in_fight = rock->alive = TRUE;
    rock->current = rock->a;
    rock->turn_ind = 0;
    rock->turn_flag = 0;
}

void mountain(ftenemy* e)
{
    enemy_attack_type = 0;
    if (e->total_damage > e->misc[1] && e->misc[0] <= 3) {
        e->misc[0]++;
        // Its resting pose from now on: each stage looks angrier than the last.
        e->a = e->current = chr_sprite(EN_MOUNTAIN_0 + std::min(e->misc[0], 4));
        e->misc[1] = 50;
        e->total_damage = 0;
        play(SND_HIT);
        hold(10);
        if (e->misc[0] == 3) {
            battle_message("Elizabeth:  Umm.....Mike?");
            battle_message("Mike:  ...Just keep hitting it!");
        } else if (e->misc[0] == 4) {
            battle_message("Charlie:  ...I think we made it angry..");
        }
        show_now();
    }
    if (e->misc[0] > 3 && e->total_damage >= 50) {
        ftenemy* dead = nullptr;
        for (ftenemy* r : {enemy2, enemy3})
            if (!dead && r && !r->alive) dead = r;
        if (dead) {
            e->total_damage = 0;
            enemy_attack_type = 1;
            void* rage = chr_sprite(EN_MOUNTAIN_ATK);
            void* was = e->current;
            e->current = rage;
            hold(8);
            revive_rock(e, dead);
            e->current = was;
        }
    }
}

} // namespace

void enemy_attack(ftenemy* e, ftchar* target)
{
    enemy_attack_type = 1;
    g_atp = -1;
    g_ptr = nullptr;
    if (!e || !target) return;
    reset_battle_timer();
    if (named(e, "Drakian Soldier") || named(e, "Dark Weed")) {
        slash_line(e, target);
    } else if (named(e, "Blue Hornet")) {
        set_pose(e, e->b);
        stinger(e, target);
    } else if (named(e, "Slime Eye")) {
        set_pose(e, e->b);
        hold(4);
        set_pose(e, e->c);
        hold(4);
        slash_line(e, target);
    } else if (named(e, "Barghest")) {
        barghest(e, target);
    } else if (named(e, "Fanged")) {
        set_pose(e, e->c);
        hold(4);
        strike_flash(target, FX_FANGED_BITE, SND_BITE, SND_SLASH);
    } else if (named(e, "Chunk")) {
        chunk_roll(e, target);
    } else if (named(e, "Inferia")) {
        inferia(e, target);
    } else if (named(e, "Spud")) {
        move_onto(e, target, SND_WADDLE, true);
    } else if (named(e, "Poltergeist")) {
        poltergeist(e, target);
    } else if (named(e, "Baby Reptel")) {
        baby_reptel(e);
    } else if (named(e, "Mangler")) {
        mangler(e, target);
    } else if (named(e, "Undeadly")) {
        glow_travel(e, target, FX_UNDEAD_GLOW, SND_FIRE);
    } else if (named(e, "Shorty")) {
        shorty(e, target);
    } else if (named(e, "Dark Flyer")) {
        swoop(e);
    } else if (named(e, "Rock Crawler")) {
        move_onto(e, target, SND_SCUTTLE, false);
    } else if (named(e, "Sand Serpent")) {
        set_pose(e, e->c);
        hold(4);
        strike_flash(target, FX_SERPENT_STRIKE, -1, SND_SLASH);
        if (rand() % 2 == 0) target->status[ST_POISON] = 1;
    } else if (named(e, "Grassworm")) {
        grassworm(e, target);
    } else if (named(e, "Metalor")) {
        metalor(e, target);
    } else if (named(e, "Red Rock Crawler")) {
        red_rock_crawler(e, target);
    } else if (named(e, "Spizzer")) {
        spizzer(e, target);
    } else if (named(e, "Blood Crawler")) {
        blood_crawler(e, target);
    } else if (named(e, "Rock")) {
        rock_throw(e, target);
    } else if (named(e, "Mad Knight")) {
        mad_knight(e, target);
    } else if (named(e, "Mountain")) {
        mountain(e);
    }
    virtual_screen = FALSE;
}
