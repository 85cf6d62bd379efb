// The game state of a new process: records, actors, weapons, armor, the bag,
// chests and the save-spot glows, built once by init_variables.
#include "vantor.h"

#include "action.h"
#include "dat_names.h"
#include "item.h"
#include "town.h"
#include "world.h"

#include <cstdlib>
#include <cstring>

int story_flag[101];
int flagers[500];
int pots[101];
chest chests[501];
item items[101];
weapon* weapon_list[100];
armor* armor_list[100];
armor* NO_ARMOR = nullptr;
ftchar* fighters[4];
character* person[30];
int g_gp = 0;
int g_map_num = 0;
const char* g_place = "";
TILEMAP* map = nullptr;
RLE_SPRITE* no_pic = nullptr;
LIGHTMAP* save_sprites[3];
RLE_SPRITE* a_burn[6];
RLE_SPRITE* i_combust[7];
RLE_SPRITE* i_glass_ball[4];
FONT* main_font = nullptr;
FONT* color_font = nullptr;

character *mike, *charlie, *runhon, *elizabeth, *ian;
ftchar *ftmike, *ftcharlie, *ftrunhon, *ftelizabeth;
character *lumin_soldier, *drakian_soldier;
character *townsman_01, *townsman_02, *townsman_03, *townsman_04, *townsman_05, *townsman_06, *townsman_07,
    *townsman_08;
character *townswoman_01, *townswoman_02, *townswoman_03, *townswoman_04;
character *townsboy_01, *townsboy_02, *townsboy_03;
character *townsgirl_01, *townsgirl_02;
character *old_townsman_01, *old_townsman_02, *old_townswoman_01, *old_townswoman_02;
character *townclerk_01, *chef, *nurse, *scientist_01, *scientist_02, *merlon, *lumin_king;
character *cmangler, *cmadknight, *young_mike, *young_ian, *cbarghest;

weapon *steel_blade, *stainless_slasher, *apple_copper_blade, *mythril_katana, *scalder, *iron_sword,
    *short_rod, *dreamer, *jade_melt, *moon_rod;
armor *iron_vest, *mythril_vest, *apple_copper, *warrior_vest, *soldier_mail, *rock_vest;

namespace {

// The actor table: global, id and first frame of eight.
struct ActorRow {
    character** global;
    int id;
    int first;
};

// clang-format off
const ActorRow actor_rows[] = {
    {&mike, 8, ACT_MIKE_DN_A}, {&elizabeth, 13, ACT_ELIZABETH_DN_A},
    {&ian, 9, ACT_IAN_DN_A}, {&runhon, 38, ACT_RUNHON_DN_A},
    {&charlie, 12, ACT_CHARLIE_DN_A}, {&lumin_soldier, 10, ACT_LUMIN_SOLDIER_DN_A},
    {&drakian_soldier, 11, ACT_DRAKIAN_SOLDIER_DN_A}, {&townsman_01, 14, ACT_TOWNSMAN_01_DN_A},
    {&townsman_02, 15, ACT_TOWNSMAN_02_DN_A}, {&townsman_03, 16, ACT_TOWNSMAN_03_DN_A},
    {&townsman_04, 32, ACT_TOWNSMAN_04_DN_A}, {&townsman_05, 35, ACT_TOWNSMAN_05_DN_A},
    {&townsman_06, 36, ACT_TOWNSMAN_06_DN_A}, {&townsman_07, 37, ACT_TOWNSMAN_07_DN_A},
    {&townsman_08, 42, ACT_TOWNSMAN_08_DN_A}, {&townswoman_01, 17, ACT_TOWNSWOMAN_01_DN_A},
    {&townswoman_02, 18, ACT_TOWNSWOMAN_02_DN_A}, {&townswoman_03, 19, ACT_TOWNSWOMAN_03_DN_A},
    {&townswoman_04, 45, ACT_TOWNSWOMAN_04_DN_A}, {&townsboy_01, 20, ACT_TOWNSBOY_01_DN_A},
    {&townsboy_02, 21, ACT_TOWNSBOY_02_DN_A}, {&townsboy_03, 33, ACT_TOWNSBOY_03_DN_A},
    {&townsgirl_01, 34, ACT_TOWNSGIRL_01_DN_A}, {&townsgirl_02, 44, ACT_TOWNSGIRL_02_DN_A},
    {&old_townsman_01, 22, ACT_OLD_TOWNSMAN_01_DN_A}, {&old_townsman_02, 46, ACT_OLD_TOWNSMAN_02_DN_A},
    {&old_townswoman_01, 31, ACT_OLD_TOWNSWOMAN_01_DN_A}, {&old_townswoman_02, 43, ACT_OLD_TOWNSWOMAN_02_DN_A},
    {&townclerk_01, 23, ACT_TOWNCLERK_01_DN_A}, {&chef, 24, ACT_CHEF_DN_A},
    {&nurse, 25, ACT_NURSE_DN_A}, {&scientist_01, 26, ACT_SCIENTIST_01_DN_A},
    {&scientist_02, 27, ACT_SCIENTIST_02_DN_A}, {&merlon, 28, ACT_MERLON_DN_A},
    {&lumin_king, 29, ACT_LUMIN_KING_DN_A}, {&cmangler, 39, ACT_CMANGLER_DN_A},
    {&cmadknight, 47, ACT_CMADKNIGHT_DN_A}, {&young_mike, 40, ACT_YOUNG_MIKE_DN_A},
    {&young_ian, 41, ACT_YOUNG_IAN_DN_A},
};
// clang-format on

template <typename T>
T* alloc_record(const char* failure)
{
    T* p = (T*)calloc(1, sizeof(T));
    if (!p) fatalerror(failure);
    return p;
}

struct WeaponRow {
    weapon** global;
    const char* name;
    int glyph, atp, element, w_class, r, g, b, cost, have;
    int frames[6]; // 0 = none
    int slash;     // first of three
    int off[6];
    const char* desc;
};

// clang-format off
const WeaponRow weapon_rows[10] = {
    {&steel_blade, "Steel Blade", 0xA8, 2, 0, 1, 255, 255, 255, 200, -1,
     {WPN_STEEL_A, WPN_STEEL_B, WPN_STEEL_C, 0, 0, 0}, WPN_STEEL_S1,
     {2, -6, 4, -15, -11, 18}, "A coarse blade crafted from steel"},
    {&stainless_slasher, "StainlessSlasher", 0xA9, 4, 0, 2, 240, 240, 240, 300, -1,
     {WPN_STAINLESS_A, WPN_STAINLESS_B, WPN_STAINLESS_A, WPN_STAINLESS_D, WPN_STAINLESS_E, WPN_STAINLESS_F},
     WPN_STAINLESS_S1,
     {-12, -6, -12, -6, -12, -6}, "A standard stainless sword"},
    {&apple_copper_blade, "Apple Copper", 0xA8, 4, 0, 1, 129, 227, 67, 400, 0,
     {WPN_APPLE_A, WPN_APPLE_B, WPN_APPLE_C, 0, 0, 0}, WPN_APPLE_S1,
     {2, -6, 4, -15, -11, 18}, "A green tinted copper blade"},
    {&mythril_katana, "Mythril Katana", 0xA9, 5, 0, 2, 100, 100, 100, 500, 0,
     {WPN_MYTHRIL_A, WPN_MYTHRIL_B, WPN_MYTHRIL_A, WPN_SWING_D, WPN_SWING_E, WPN_MYTHRIL_F}, WPN_MYTHRIL_S1,
     {-12, -6, -12, -6, -12, -6}, "A thin mythril japanese sword"},
    {&scalder, "Scalder", 0xA8, 8, 3, 1, 255, 100, 100, 600, 0,
     {WPN_SCALDER_A, WPN_SCALDER_B, WPN_SCALDER_C, 0, 0, 0}, WPN_SCALDER_S1,
     {2, -6, 4, -15, -11, 18}, "A magical blade of fire"},
    {&iron_sword, "Iron Sword", 0xA9, 8, 0, 2, 100, 100, 100, 650, 0,
     {WPN_IRON_A, WPN_IRON_B, WPN_IRON_A, WPN_IRON_D, WPN_IRON_E, WPN_IRON_F}, WPN_IRON_S1,
     {-12, -6, -12, -6, -12, -6}, "A very durable hard iron sword"},
    {&short_rod, "Short Rod", 0xAE, 5, 0, 3, 100, 100, 100, 400, 0,
     {WPN_SHORTROD_A, WPN_SHORTROD_B, WPN_SHORTROD_C, WPN_SWING_D, WPN_SWING_E, 0}, WPN_SHORTROD_S1,
     {-8, -9, -10, 13, -12, 5}, "A short hand-made rod"},
    {&dreamer, "Dreamer's Edge", 0xA8, 14, 0, 1, 0, 100, 255, 900, 0,
     {WPN_DREAMER_A, WPN_DREAMER_B, WPN_DREAMER_C, 0, 0, 0}, WPN_DREAMER_S1,
     {2, -6, 4, -15, -11, 18}, "A sword with the heart of a dreamer"},
    {&jade_melt, "Jade Melt", 0xA9, 15, 0, 2, 100, 255, 100, 1000, 0,
     {WPN_JADE_A, WPN_JADE_B, WPN_JADE_A, WPN_JADE_D, WPN_JADE_E, WPN_JADE_F}, WPN_JADE_S1,
     {-12, -6, -12, -6, -12, -6}, "A unique jade-tipped sword"},
    {&moon_rod, "Moon Rod", 0xAE, 8, 0, 3, 100, 100, 100, 600, 0,
     {WPN_MOONROD_A, WPN_MOONROD_B, WPN_MOONROD_C, WPN_SWING_D, WPN_SWING_E, 0}, WPN_MOONROD_S1,
     {-8, -9, -10, 13, -12, 5}, "A rod crafted with rocks from the moon"},
};
// clang-format on

struct ArmorRow {
    armor** global;
    const char* name;
    int dfp, element, weakness, cost, have;
    const char *d1, *d2, *d3;
};

const ArmorRow armor_rows[6] = {
    {&iron_vest, "Iron Vest", 3, 0, 0, 100, 0, "A thin vest", "of iron", nullptr},
    {&mythril_vest, "Pyrite Vest", 4, 0, 0, 200, 0, "A standard vest", "of pyrite", nullptr},
    {&apple_copper, "Apple Copper", 5, 0, 0, 400, -1, "A suit of armor", "tinted apple green", nullptr},
    {&warrior_vest, "Warrior Vest", 7, 0, 0, 650, -1, "A mystical vest", "crafted for", "a warrior"},
    {&soldier_mail, "Soldier's Mail", 12, 0, 0, 1000, -1, "A Lumin Soldier's", "chain mail.", nullptr},
    {&rock_vest, "Rock Vest", 20, 2, 4, 1600, -1, "A rock vest that", "is strong against", "earth enemies"},
};

// Names with their icon glyph in front live as long as the process.
char weapon_names[10][40];
char armor_names[6][40];

struct FighterRow {
    ftchar** global;
    const char* name;
    int id, level, hp, mp, dfp, atp, agp, nextexp;
    int poses[6]; // a, b, c, d, e, dead
    int x, y, in_fight;
    weapon** w;
    armor** ar;
    float pc[5]; // hp, mp, dfp, atp, agp
    const action* acts[4];
};

void fill_fighter(const FighterRow& r)
{
    ftchar* f = *r.global;
    f->s_name = r.name;
    f->id = r.id;
    f->level = r.level;
    f->hp = f->hpmax = r.hp;
    f->mp = f->mpmax = r.mp;
    f->dfp = r.dfp;
    f->atp = r.atp;
    f->agp = r.agp;
    f->exp = 0;
    f->nextexp = f->nextexp_c = r.nextexp;
    RLE_SPRITE** poses[6] = {&f->a, &f->b, &f->c, &f->d, &f->e, &f->dead};
    for (int i = 0; i < 6; i++) *poses[i] = chr_sprite(r.poses[i]);
    f->current = f->a;
    f->x = r.x;
    f->y = r.y;
    f->alive = TRUE;
    f->in_fight = r.in_fight;
    f->defend_flag = 0;
    memset(f->status, 0, sizeof f->status);
    f->turn_ind = 0;
    f->charweapon = *r.w;
    f->chararmor = *r.ar;
    f->charweapon->equipped = TRUE;
    f->pchp = r.pc[0];
    f->pcmp = r.pc[1];
    f->pcdfp = r.pc[2];
    f->pcatp = r.pc[3];
    f->pcagp = r.pc[4];
    memset(f->actions, 0, sizeof f->actions);
    for (int i = 0; i < 4; i++)
        if (r.acts[i]) f->actions[i] = *r.acts[i];
}

} // namespace

RLE_SPRITE* chr_sprite(int n)
{
    // Counted once per loaded file rather than on every look-up: walking asks for frames every sub-step.
    static DATAFILE* counted = nullptr;
    static int count = 0;
    if (characters != counted) {
        counted = characters;
        count = count_objects(characters);
    }
    if (!characters || n < 0 || n >= count) return nullptr;
    return characters[n].type == DAT_RLE_SPRITE ? (RLE_SPRITE*)characters[n].dat : nullptr;
}

character* create_character(int id, int dat_id)
{
    character* c = alloc_record<character>("Out of memory!!!\n\n");
    c->id = id;
    RLE_SPRITE** frames[8] = {&c->dna, &c->dnb, &c->lta, &c->ltb, &c->rta, &c->rtb, &c->upa, &c->upb};
    for (int i = 0; i < 8; i++) *frames[i] = chr_sprite(dat_id + i);
    c->current = c->dna;
    return c;
}

void init_variables()
{
    // The invisible placeholder picture, for slots that show nothing.
    BITMAP* one = create_bitmap(1, 1);
    if (!one) fatalerror("out of memory\n\n\n");
    clear_to_color(one, makecol(255, 0, 255));
    no_pic = get_rle_sprite(one);
    destroy_bitmap(one);
    if (!no_pic) fatalerror("out of memory\n\n\n");

    // Fonts by the player's setting.
    main_font = (FONT*)data[font_setting ? MAIN_FONT_VANTOR : MAIN_FONT_SYSTEM].dat;
    color_font = (FONT*)data[font_setting ? COLOR_FONT_VANTOR : COLOR_FONT_SYSTEM].dat;

    // A clear sprite layer, no story yet, an empty bag, no battle events, and the rain laid out.
    clear_to_color(sprite_layer, makecol(255, 0, 255));
    memset(story_flag, 0, sizeof story_flag);
    for (item& it : items) it.have = 0;
    memset(flagers, 0, sizeof flagers);
    for (int i = 0; i < 50; i++)
        for (int j = 0; j < 50; j++) {
            rain[i][j].x = rain[i][j].y = 0;
            rain[i][j].splash = rand() % 60;
        }

    // The scratch actors of scenes, then every actor with its walking frames.
    for (character*& p : person) {
        p = alloc_record<character>("out of memory\n\n\n");
        p->visible = FALSE;
    }
    for (const ActorRow& r : actor_rows) *r.global = create_character(r.id, r.first);
    cbarghest = alloc_record<character>("out of memory\n\n\n");
    cbarghest->id = 30;
    cbarghest->upa = chr_sprite(ACT_CBARGHEST_UP_A);
    cbarghest->upb = chr_sprite(ACT_CBARGHEST_UP_B);

    // Fighter, weapon and armor records.
    ftchar** fts[4] = {&ftmike, &ftcharlie, &ftelizabeth, &ftrunhon};
    for (ftchar** f : fts) *f = alloc_record<ftchar>("out of memory\n\n\n");
    for (const WeaponRow& w : weapon_rows) *w.global = alloc_record<weapon>("out of memory\n\n\n");
    NO_ARMOR = alloc_record<armor>("out of memory\n\n\n");
    for (const ArmorRow& a : armor_rows) *a.global = alloc_record<armor>("out of memory\n\n\n");

    // The bag, from the catalogue.
    for (int i = 0; i < NUM_ITEM_TEMPLATES; i++) items[i] = item_template(i);
    for (int i = NUM_ITEM_TEMPLATES; i < 101; i++) memset(&items[i], 0, sizeof items[i]);

    // Weapons and armor as tabled, and their lists.
    memset(weapon_list, 0, sizeof weapon_list);
    memset(armor_list, 0, sizeof armor_list);
    for (int i = 0; i < 10; i++) {
        const WeaponRow& r = weapon_rows[i];
        weapon* w = *r.global;
        snprintf(weapon_names[i], sizeof weapon_names[i], "%c%s", (char)r.glyph, r.name);
        w->s_name = weapon_names[i];
        w->desc = r.desc;
        w->atp = r.atp;
        w->element = r.element;
        w->color = makecol(r.r, r.g, r.b);
        w->w_class = r.w_class;
        w->a_x = r.off[0];
        w->a_y = r.off[1];
        w->b_x = r.off[2];
        w->b_y = r.off[3];
        w->c_x = r.off[4];
        w->c_y = r.off[5];
        w->cost = r.cost;
        w->have = r.have;
        RLE_SPRITE** frames[6] = {&w->a, &w->b, &w->c, &w->d, &w->e, &w->f};
        for (int k = 0; k < 6; k++) *frames[k] = r.frames[k] ? chr_sprite(r.frames[k]) : nullptr;
        for (int k = 0; k < 3; k++) w->slash[k] = chr_sprite(r.slash + k);
        w->id = i;
        w->equipped = FALSE;
        weapon_list[i] = w;
    }
    NO_ARMOR->s_name = "(none)";
    NO_ARMOR->id = -1;
    for (int i = 0; i < 6; i++) {
        const ArmorRow& r = armor_rows[i];
        armor* a = *r.global;
        snprintf(armor_names[i], sizeof armor_names[i], "%c%s", (char)0xAA, r.name);
        a->s_name = armor_names[i];
        a->desc = r.d1;
        a->desc2 = r.d2;
        a->desc3 = r.d3;
        a->dfp = r.dfp;
        a->element = r.element;
        a->weakness = r.weakness;
        a->cost = r.cost;
        a->have = r.have;
        a->id = i;
        armor_list[i] = a;
    }

    // The party.
    const FighterRow fighter_rows[4] = {
        {&ftmike,
         "Mike",
         8,
         1,
         20,
         5,
         1,
         5,
         1,
         50,
         {FT_MIKE_A, FT_MIKE_B, FT_MIKE_C, FT_MIKE_D, FT_MIKE_E, FT_MIKE_DEAD},
         220,
         90,
         TRUE,
         &steel_blade,
         &iron_vest,
         {0.1f, 0.04f, 0.05f, 0.08f, 0.04f},
         {&burn, &sand_blast, &red_light, &boulder_rain}},
        {&ftcharlie,
         "Charlie",
         12,
         1,
         25,
         5,
         1,
         6,
         1,
         55,
         {FT_CHARLIE_A, FT_CHARLIE_B, FT_CHARLIE_C, FT_CHARLIE_D, FT_CHARLIE_E, FT_CHARLIE_DEAD},
         230,
         130,
         TRUE,
         &stainless_slasher,
         &mythril_vest,
         {0.09f, 0.04f, 0.05f, 0.07f, 0.04f},
         {&phantom_blade, &soul_slash, &backlash, &bolt_charge}},
        {&ftelizabeth,
         "Elizabeth",
         13,
         1,
         15,
         10,
         1,
         2,
         1,
         50,
         {FT_ELIZABETH_A, FT_ELIZABETH_B, FT_ELIZABETH_C, FT_ELIZABETH_E, FT_ELIZABETH_E, FT_ELIZABETH_DEAD},
         230,
         130,
         FALSE,
         &short_rod,
         &warrior_vest,
         {0.094f, 0.06f, 0.04f, 0.05f, 0.04f},
         {&restore, &auria, &light_beam, nullptr}},
        {&ftrunhon,
         "Runhon",
         38,
         10,
         45,
         20,
         5,
         10,
         8,
         1000,
         {FT_RUNHON_A, FT_RUNHON_B, FT_RUNHON_C, FT_RUNHON_E, FT_RUNHON_E, FT_RUNHON_DEAD},
         230,
         130,
         FALSE,
         &short_rod,
         &warrior_vest,
         {0.09f, 0.06f, 0.04f, 0.06f, 0.04f},
         {&_rain, &freeze, &anti_rain, nullptr}},
    };
    for (const FighterRow& r : fighter_rows) fill_fighter(r);
    memset(fighters, 0, sizeof fighters);

    // Effect frames.
    memset(a_burn, 0, sizeof a_burn);
    for (int i = 0; i < 5; i++) a_burn[i] = chr_sprite(FX_BURN_1 + i);
    for (int i = 0; i < 7; i++) i_combust[i] = chr_sprite(FX_COMBUST_1 + i);
    for (int i = 0; i < 4; i++) i_glass_ball[i] = chr_sprite(FX_GLASSBALL_1 + i);

    // Chests.
    static const int chest_items[22] = {0, 7, 3, -500, 2,  4,  1,  9,  -500,  9,    500,
                                        3, 3, 2, 10,   12, 11, 11, 12, -1000, 1000, 6};
    memset(chests, 0, sizeof chests);
    for (int i = 0; i < 22; i++) chests[i].item_id = chest_items[i];

    // Save-spot glows.
    for (int i = 0; i < 3; i++) {
        save_sprites[i] = create_lightmap((BITMAP*)data[SAVE_GLOW_1 + i].dat);
        if (!save_sprites[i]) fatalerror("Out of memory!!!\n\n");
    }

    // No finds taken yet, and a black screen.
    memset(pots, 0, sizeof pots);
    clear_to_color(screen, makecol(0, 0, 0));
}

void free_variables()
{
    for (character*& p : person) {
        free(p);
        p = nullptr;
    }
    for (const ActorRow& r : actor_rows) {
        free(*r.global);
        *r.global = nullptr;
    }
    free(cbarghest);
    cbarghest = nullptr;
    ftchar** fts[4] = {&ftmike, &ftcharlie, &ftelizabeth, &ftrunhon};
    for (ftchar** f : fts) {
        free(*f);
        *f = nullptr;
    }
    for (const WeaponRow& w : weapon_rows) {
        free(*w.global);
        *w.global = nullptr;
    }
    for (const ArmorRow& a : armor_rows) {
        free(*a.global);
        *a.global = nullptr;
    }
    free(NO_ARMOR);
    NO_ARMOR = nullptr;
    memset(weapon_list, 0, sizeof weapon_list);
    memset(armor_list, 0, sizeof armor_list);
    memset(fighters, 0, sizeof fighters);
}
