// The enemy catalogue and the rosters of random encounters by place; how
// enemies are drawn, idle and released; the debug enemy display and the
// story hooks that fire inside battles.
#include "battle.h"

#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "action.h"
#include "dat_names.h"
#include "door.h"
#include "item.h"
#include "vantor.h"
#include "world.h"

namespace {

const int NONE = -1;

// One catalogue row. Poses are chrctrs.dat objects (0: none); the Poltergeist's are light sources.
struct Foe {
    const char* name;
    int hp, mp, agp, atp, dfp, exp, gp, weakness, strength;
    int a, b, c, d, misc1;
    int wt, ht, middle, slash_x, slash_y;
    int r, g, bl;
};

// clang-format off
const Foe catalogue[FOE_COUNT] = {
    {"Dark Weed", 10, 0, 1, 7, 1, 5, 10, ELEM_FIRE, ELEM_EARTH, EN_DARKWEED_A, EN_DARKWEED_B, 0, 0, 0, 25, 25, 12, 5, 7, 10, 200, 10},
    {"Blue Hornet", 15, 0, 1, 10, 2, 10, 15, ELEM_AIR, NONE, EN_HORNET_A, EN_HORNET_B, EN_HORNET_C, 0, 0, 25, 25, 12, 3, 2, 10, 10, 10},
    {"Slime Eye", 20, 0, 1, 12, 2, 20, 20, NONE, NONE, EN_SLIMEEYE_A, EN_SLIMEEYE_B, EN_SLIMEEYE_C, 0, EN_SLIMEEYE_EYE, 25, 25, 12, 4, 4, 220, 220, 220},
    {"Fanged", 30, 0, 2, 15, 2, 35, 50, NONE, NONE, EN_FANGED_A, EN_FANGED_B, EN_FANGED_C, 0, 0, 25, 25, 12, 4, 4, 255, 0, 0},
    {"Chunk", 40, 0, 1, 20, 4, 50, 40, ELEM_FIRE, ELEM_EARTH, EN_CHUNK, 0, 0, 0, 0, 25, 25, 12, 4, 4, 0, 0, 0},
    {"Undeadly", 100, 0, 10, 35, 4, 50, 60, ELEM_LIGHT, ELEM_DARKNESS, EN_UNDEADLY, 0, 0, 0, 0, 25, 35, 12, 4, 4, 220, 220, 220},
    {"Shorty", 120, 50, 10, 20, 0, 100, 200, NONE, ELEM_AIR, EN_SHORTY_A, EN_SHORTY_B, 0, 0, 0, 25, 25, 12, 4, 4, 220, 220, 220},
    {"Dark Flyer", 70, 0, 8, 20, 5, 60, 100, ELEM_EARTH, ELEM_AIR, EN_DARKFLYER_A, EN_DARKFLYER_B, 0, 0, 0, 25, 25, 12, 4, 4, 220, 220, 220},
    {"Rock Crawler", 70, 0, 6, 40, 3, 60, 40, ELEM_WATER, ELEM_EARTH, EN_ROCKCRAWLER, 0, 0, 0, 0, 30, 30, 15, 4, 4, 220, 220, 220},
    {"Sand Serpent", 100, 0, 5, 25, 3, 60, 75, ELEM_WATER, ELEM_EARTH, EN_SERPENT_A, EN_SERPENT_B, EN_SERPENT_C, 0, 0, 50, 42, 25, 4, 4, 220, 220, 220},
    {"Grassworm", 75, 0, 2, 50, 4, 60, 100, ELEM_AIR, ELEM_WATER, EN_GRASSWORM_A, EN_GRASSWORM_B, 0, 0, 0, 50, 42, 25, 4, 4, 220, 220, 220},
    {"Inferia", 75, 0, 3, 15, 3, 60, 60, ELEM_FIRE, ELEM_EARTH, EN_INFERIA_A, EN_INFERIA_B, EN_INFERIA_C, 0, 0, 25, 25, 12, 5, 7, 10, 200, 10},
    {"Baby Reptel", 15, 0, 8, 0, 1, 20, 20, ELEM_AIR, ELEM_WATER, EN_REPTEL_A, EN_REPTEL_B, EN_REPTEL_C, EN_REPTEL_D, 0, 25, 25, 12, 5, 7, 10, 200, 10},
    {"Poltergeist", 60, 0, 3, 15, 3, 50, 40, NONE, NONE, EN_POLTER_A, EN_POLTER_B, EN_POLTER_C, 0, 0, 25, 25, 12, 5, 7, 10, 200, 10},
    {"Spud", 25, 0, 2, 20, 1, 45, 45, NONE, ELEM_EARTH, EN_SPUD_A, EN_SPUD_B, EN_SPUD_C, 0, 0, 25, 25, 12, 5, 7, 10, 200, 10},
    {"Red Rock Crawler", 80, 0, 8, 45, 5, 65, 50, ELEM_WATER, ELEM_FIRE, EN_REDCRAWLER, 0, 0, 0, 0, 30, 30, 15, 4, 4, 220, 220, 220},
    {"Spizzer", 100, 0, 15, 30, 8, 80, 80, NONE, ELEM_AIR, EN_SPIZZER, 0, 0, 0, 0, 30, 30, 15, 4, 4, 220, 220, 220},
    {"Blood Crawler", 50, 0, 20, 40, 0, 70, 100, ELEM_FIRE, ELEM_WATER, EN_BLOODCRAWL_A, EN_BLOODCRAWL_B, EN_BLOODCRAWL_C, 0, 0, 25, 25, 12, 4, 4, 220, 220, 220},
    {"Rock", 100, 0, 5, 40, 10, 100, 100, NONE, ELEM_EARTH, EN_ROCK, 0, 0, 0, 0, 25, 25, 12, 4, 4, 220, 220, 220},
    {"Mad Knight", 120, 0, 8, 50, 8, 120, 150, NONE, NONE, EN_MADKNIGHT_A, EN_MADKNIGHT_B, EN_MADKNIGHT_C, 0, 0, 50, 42, 15, 4, 4, 220, 220, 220},
    // Opponents of scripted fights; their scenes place them.
    {"Drakian Soldier", 10, 0, 1, 7, 1, 5, 10, NONE, NONE, EN_DRAKIAN_A, EN_DRAKIAN_B, 0, 0, 0, 25, 25, 7, 5, 7, 220, 220, 220},
    {"Barghest", 500, 20, 2, 20, 5, 150, 300, NONE, NONE, EN_BARGHEST_A, EN_BARGHEST_B, EN_BARGHEST_C, 0, 0, 50, 60, 24, 5, 7, 220, 220, 220},
    {"Mangler", 1500, 20, 1, 25, 5, 500, 1000, ELEM_WATER, ELEM_EARTH, EN_MANGLER_A, EN_MANGLER_B, 0, 0, 0, 50, 60, 24, 5, 7, 220, 220, 220},
    {"Mountain", 1500, 0, 3, 60, 10, 1000, 2000, NONE, ELEM_EARTH, EN_MOUNTAIN_0, 0, 0, 0, 0, 120, 120, 60, 4, 4, 220, 220, 220},
    {"Metalor", 50000, 5000, 60, 1500, 200, 100000, 50000, ELEM_LIGHT, ELEM_DARKNESS, EN_METALOR_A, EN_METALOR_B, 0, 0, 0, 50, 60, 24, 5, 7, 220, 220, 220},
};
// clang-format on

void* chr_pose(int n) { return n ? (void*)chr_sprite(n) : nullptr; }

LIGHTMAP* chr_lightmap(int n)
{
    BITMAP* src = characters ? (BITMAP*)characters[n].dat : nullptr;
    LIGHTMAP* l = src ? create_lightmap(src) : nullptr;
    if (!l) fatalerror("Out of memory!!\n\n");
    return l;
}

void free_lightmaps(ftenemy* e)
{
    if (!e->ptr_is_lmp) return;
    for (void** p : {&e->a, &e->b, &e->c, &e->d}) {
        destroy_lightmap((LIGHTMAP*)*p);
        *p = nullptr;
    }
    e->current = nullptr;
    e->ptr_is_lmp = FALSE;
}

int slot_of(const ftenemy* e)
{
    for (int n = 1; n <= 4; n++)
        if (enemy_slot(n) == e) return n;
    return 0;
}

// The roster row a random encounter puts in slot `slot` here, drawing from rand().
int roster_draw(int slot)
{
    if (g_map_num == -1) {
        static const int region0[4] = {FOE_DARK_WEED, FOE_BLUE_HORNET, FOE_SLIME_EYE, FOE_EMPTY};
        static const int region1[4] = {FOE_SLIME_EYE, FOE_FANGED, FOE_CHUNK, FOE_EMPTY};
        static const int region2a[5] = {FOE_UNDEADLY, FOE_SHORTY, FOE_DARK_FLYER, FOE_ROCK_CRAWLER,
                                        FOE_EMPTY};
        static const int region2b[3] = {FOE_SAND_SERPENT, FOE_GRASSWORM, FOE_EMPTY};
        int r;
        switch (current_region) {
        case 0: r = rand() % 4; return region0[slot == 4 ? 3 : r];
        case 1: r = rand() % 4; return region1[slot == 4 ? 3 : r];
        case 2:
            if (enemy_sizes == 0) return region2a[rand() % 5];
            r = rand() % 3;
            return region2b[slot == 4 ? 2 : r];
        }
        return FOE_EMPTY;
    }
    if (g_map_num >= 2 && g_map_num <= 16) {
        static const int woods[6] = {FOE_INFERIA, FOE_BABY_REPTEL, FOE_POLTERGEIST,
                                     FOE_CHUNK,   FOE_SPUD,        FOE_EMPTY};
        return woods[rand() % 6];
    }
    if (g_map_num >= 19 && g_map_num <= 30) {
        static const int sand0[6] = {
            FOE_ROCK_CRAWLER, FOE_RED_ROCK_CRAWLER, FOE_SPIZZER, FOE_BLOOD_CRAWLER, FOE_EMPTY, FOE_ROCK};
        static const int sand1[4] = {FOE_SAND_SERPENT, FOE_GRASSWORM, FOE_EMPTY, FOE_MAD_KNIGHT};
        if (force_enemy_sizes != -1) enemy_sizes = force_enemy_sizes;
        int r;
        if (enemy_sizes == 0) {
            r = rand() % 5;
            if (slot <= 2 && rand() % 3 == 0) r = 5;
        } else {
            r = rand() % 3;
        }
        if (force_enemy_id != -1) r = force_enemy_id;
        if (enemy_sizes == 0) return r >= 0 && r < 6 ? sand0[r] : FOE_EMPTY;
        if (slot == 4) r = 2;
        return r >= 0 && r < 4 ? sand1[r] : FOE_EMPTY;
    }
    return FOE_EMPTY;
}

void redraw()
{
    int was = virtual_screen;
    virtual_screen = FALSE;
    fpscounter = fps;
    ft_update_screen();
    virtual_screen = was;
}

bool inferia_in_fight()
{
    for (int n = 1; n <= 4; n++) {
        ftenemy* e = enemy_slot(n);
        if (e && e->in_fight && strcmp(e->s_name, "Inferia") == 0) return true;
    }
    return false;
}

} // namespace

ftenemy* alloc_enemy()
{
    ftenemy* e = (ftenemy*)calloc(1, sizeof(ftenemy));
    if (!e) fatalerror("out of memory\n\n\n");
    return e;
}

int foe_by_name(const char* name)
{
    for (int i = 0; name && i < FOE_COUNT; i++)
        if (strcmp(catalogue[i].name, name) == 0) return i;
    return FOE_EMPTY;
}

void make_enemy(ftenemy* e, int foe)
{
    if (!e) return;
    // A slot drawn again keeps no light maps of its last draw.
    free_lightmaps(e);
    e->ptr_is_lmp = FALSE;
    if (foe < 0 || foe >= FOE_COUNT) {
        e->s_name[0] = '\0';
        e->exp = e->gp = 0;
        e->in_fight = e->alive = FALSE;
        return;
    }
    const Foe& f = catalogue[foe];
    snprintf(e->s_name, sizeof e->s_name, "%s", f.name);
    e->hp = e->hpmax = f.hp;
    e->mp = e->mpmax = f.mp;
    e->agp = f.agp, e->atp = f.atp, e->dfp = f.dfp;
    e->exp = f.exp, e->gp = f.gp;
    e->weakness = f.weakness, e->strength = f.strength;
    e->x = 65, e->y = 80;
    if (foe == FOE_POLTERGEIST) {
        e->a = chr_lightmap(f.a);
        e->b = chr_lightmap(f.b);
        e->c = chr_lightmap(f.c);
        e->d = nullptr;
        e->ptr_is_lmp = TRUE;
    } else {
        e->a = chr_pose(f.a);
        e->b = chr_pose(f.b);
        e->c = chr_pose(f.c);
        e->d = chr_pose(f.d);
    }
    e->misc1 = chr_pose(f.misc1);
    e->current = e->a;
    e->in_fight = e->alive = TRUE;
    e->wt = f.wt, e->ht = f.ht, e->middle = f.middle;
    e->slash_x = f.slash_x, e->slash_y = f.slash_y;
    e->slash_col = makecol(f.r, f.g, f.bl);
    // The Mountain wakes in stages: the first after 300 damage.
    if (foe == FOE_MOUNTAIN) e->misc[0] = 0, e->misc[1] = 300;
}

void init_enemy(ftenemy* e)
{
    if (!e) return;
    make_enemy(e, roster_draw(slot_of(e)));
}

void uninit_enemy(ftenemy* e)
{
    if (!e) return;
    free_lightmaps(e);
    free(e);
}

void draw_enemy(ftenemy* e)
{
    if (!e || e->ptr_is_lmp || !e->current) return;
    draw_rle_sprite(sprite_layer, (RLE_SPRITE*)e->current, e->x, e->y);
}

void update_enemies(ftenemy* e)
{
    if (!e) return;
    if (strcmp(e->s_name, "Blue Hornet") == 0) {
        if (e->current == e->c) {
            e->current = e->a;
            e->y--;
        } else {
            e->current = e->c;
            e->y++;
        }
    } else if (strcmp(e->s_name, "Slime Eye") == 0 && e->misc1) {
        int dx = e->current == e->b ? 4 : e->current == e->c ? 10 : 7;
        set_trans_blender(0, 0, 0, 100);
        draw_trans_rle_sprite(buffer, (RLE_SPRITE*)e->misc1, e->x + dx, e->y + 3);
    }
}

void enemy_status()
{
    still_window(buffer, 0, 0, 319, 239);
    textout_centre_ex(buffer, main_font, "Enemy Debug Status", 160, 5, -1, -1);
    for (int n = 1; n <= 4; n++) {
        ftenemy* e = enemy_slot(n);
        if (!e) continue;
        textprintf_ex(buffer, main_font, 5, 92 + 8 * n, -1, -1, "%s, Hp %d/%d, Mp %d/%d", e->s_name, e->hp,
                      e->hpmax, e->mp, e->mpmax);
    }
    blit_buffer();
    do {
        door_wait();
        door_poll_keyboard();
    } while (!key[KEY_ESC]);
}

void ft_story_flags()
{
    if (story_flag[0]) {
        items[0] = small_potion;
        items[0].have = 5;
        battle_message("Charlie:  I brought 5 small potions_with me.  They should be_in your item bag.");
        battle_message("Mike:  Good!");
        redraw();
        story_flag[0] = FALSE;
    }
    if (story_flag[3]) {
        wrap_wind("Elizabeth:  Mike..help!");
        wrap_wind("Mike:  Don't worry.");
        wrap_wind("I won't let anything happen to you.");
        wrap_wind("I need you to help me, Elizabeth.");
        wrap_wind("I want you to heal me when I am weak.");
        wrap_wind("You don't have to fight._Just Heal me when I need it ok?");
        wrap_wind("Elizabeth:  O....okay.");
        char last[120];
        snprintf(last, sizeof last, "Mike:  (These %cCombusters should_come in handy now).",
                 (char)GLYPH_BOTTLE);
        wrap_wind(last);
        story_flag[3] = FALSE;
    }
    if (story_flag[4] && ftelizabeth && ftelizabeth->turn_flag) {
        if (flagers[0] == 0 && ftmike && ftmike->hp <= 19) do_restore(0, ftelizabeth);
        flagers[0] = TRUE;
        ftelizabeth->turn_flag = 0;
    }
    if (!story_flag[7] && ftrunhon && ftrunhon->in_fight && inferia_in_fight()) {
        wrap_wind("Runhon:  Watch out for the Inferia...");
        wrap_wind("They can give you poison!");
        wrap_wind("Mike:  Don't worry...");
        wrap_wind("I'll burn them into garbage!");
        story_flag[7] = TRUE;
    }
    if (story_flag[9]) {
        wrap_wind("Runhon:  Don't fight him when his back is turned.");
        wrap_wind("It could mean your death!");
        wrap_wind("Charlie:  Got it!");
        story_flag[9] = FALSE;
    }
    if (story_flag[16]) {
        wrap_wind("Metalor:  That was a mistake!");
        wrap_wind("Mike:  What the hell is going on here!!!");
        wrap_wind("Metalor:  You will never possess the ultimate dark magic!!");
        story_flag[16] = FALSE;
    }
}
