// The game's shared records and its process-wide state. Every module reads
// and writes these globals directly; init_variables builds them once at
// start-up and vantor_shutdown frees them. TRUE is -1, FALSE is 0.
#pragma once
#include <allegro.h>

#include "llib.h"
#include "tilemap.h"

// Element codes, shared by weapons, armor, actions and enemies.
enum { ELEM_NONE = 0, ELEM_WATER, ELEM_EARTH, ELEM_FIRE, ELEM_AIR, ELEM_LIGHT, ELEM_DARKNESS };
// Directions, in `face` and in every movement call.
enum { DIR_UP = 1, DIR_DOWN = 2, DIR_LEFT = 3, DIR_RIGHT = 4 };
// Hero status slots (index into ftchar::status).
enum { ST_BLADE_SHINE = 1, ST_VEST_SHINE = 2, ST_GLASS_BALL = 3, ST_POISON = 4, ST_FEAR = 5 };

struct weapon;
struct armor;

// An actor that walks on a field map.
struct character {
    int id;
    int x, y;
    int xspeed, yspeed;
    int visible;
    int face;
    int can_move;
    int still;
    int halved;
    RLE_SPRITE *dna, *dnb, *lta, *ltb, *rta, *rtb, *upa, *upb;
    RLE_SPRITE* current;
};

// A battle action (spell or skill); numeric fields are single signed bytes.
struct action {
    char name[60];
    signed char have;
    signed char id;
    signed char mpcost;
    signed char atp;
    signed char element;
    char desc1[100], desc2[100], desc3[100];
};

// A party member's battle record.
struct ftchar {
    const char* s_name;
    int id;
    int level;
    int hp, hpmax;
    int mp, mpmax;
    int dfp, atp, agp;
    int exp;
    int nextexp;
    int nextexp_c;
    int turn_flag;
    RLE_SPRITE *a, *b, *c, *d, *e;
    RLE_SPRITE* dead;
    RLE_SPRITE* current;
    int x, y;
    int alive;
    int in_fight;
    int defend_flag;
    int status[20];
    float pchp, pcmp, pcdfp, pcatp, pcagp;
    weapon* charweapon;
    armor* chararmor;
    action actions[100];
    float turn_ind;
};

// An enemy's battle record.
struct ftenemy {
    char s_name[100];
    int in_fight, alive;
    int hp, hpmax, mp, mpmax;
    int agp, atp, dfp;
    int exp, gp;
    int weakness;
    int strength;
    int x, y;
    int cy;
    int wt, ht;
    int middle;
    int slash_x, slash_y, slash_col;
    int ptr_is_lmp;
    int turn_flag;
    int total_damage;
    int targeted;
    int misc[10];
    void *a, *b, *c, *d, *misc1, *current;
    float turn_ind;
};

// One slot of the item bag.
struct item {
    char name[60];
    char desc[120];
    int have;
    int id;
    int cost;
    int battle_only;
};

struct weapon {
    const char* s_name;
    const char* desc;
    int atp;
    int element;
    int color;
    int w_class;          // 1 blade, 2 sword, 3 rod ("class" is a C++ keyword)
    int a_x, a_y, b_x, b_y, c_x, c_y;
    int cost;
    int have;
    RLE_SPRITE *a, *b, *c, *d, *e, *f;
    RLE_SPRITE* slash[3];
    int id;
    int equipped;
};

struct armor {
    const char* s_name;
    const char *desc, *desc2, *desc3;
    int dfp;
    int element;
    int id;
    int have;
    int cost;
    int weakness;
};

// A treasure chest: negative item_id is gold, 0-499 an item, 500+ gear.
struct chest {
    int locked;
    int opened;
    int item_id;
};

// The shop currently open.
struct store_properties {
    int type;
    int num_objects;
    item i_list[100];
    weapon* w_list[100];
    armor* a_list[100];
    const char* name;
};

// One animated map tile.
struct torchlike {
    int id, state, x, y;
};

// A rectangle with inclusive corners.
struct rct {
    int x, y, x2, y2;
};

// One rain drop, in map pixels.
struct rain_drop {
    int x, y, splash;
};

// ---- global game state ----
extern int story_flag[101];                 // story progress flags
extern int flagers[500];                    // battle event flags
extern int pots[101];                       // one-time finds already taken
extern chest chests[501];                   // treasure chests by number
extern item items[101];                     // the item bag, by item number
extern weapon* weapon_list[100];            // all weapons by number
extern armor* armor_list[100];              // all armor by number
extern armor* NO_ARMOR;                     // the "(none)" armor record
extern ftchar* fighters[4];                 // the active party in battle order
extern character* person[30];               // scratch actors for town scenes
extern int g_gp;                            // the party's gold
extern int g_map_num;                       // number of the current map
extern const char* g_place;                 // name of the current place
extern TILEMAP* map;                        // the tile map now loaded
extern RLE_SPRITE* no_pic;                  // invisible 1x1 placeholder
extern LIGHTMAP* save_sprites[3];           // frames of the save-spot glow
extern RLE_SPRITE* a_burn[6];               // burn effect frames
extern RLE_SPRITE* i_combust[7];            // combuster effect frames
extern RLE_SPRITE* i_glass_ball[4];         // glass ball effect frames
extern FONT* main_font;                     // text in windows
extern FONT* color_font;                    // the alternative text font

// The heroes, their battle records, and every actor created at start.
extern character *mike, *charlie, *runhon, *elizabeth, *ian;
extern ftchar *ftmike, *ftcharlie, *ftrunhon, *ftelizabeth;
extern character *lumin_soldier, *drakian_soldier;
extern character *townsman_01, *townsman_02, *townsman_03, *townsman_04, *townsman_05, *townsman_06,
    *townsman_07, *townsman_08;
extern character *townswoman_01, *townswoman_02, *townswoman_03, *townswoman_04;
extern character *townsboy_01, *townsboy_02, *townsboy_03;
extern character *townsgirl_01, *townsgirl_02;
extern character *old_townsman_01, *old_townsman_02, *old_townswoman_01, *old_townswoman_02;
extern character *townclerk_01, *chef, *nurse, *scientist_01, *scientist_02, *merlon, *lumin_king;
extern character *cmangler, *cmadknight, *young_mike, *young_ian, *cbarghest;

// The ten weapons and the armor records, by their catalogue names.
extern weapon *steel_blade, *stainless_slasher, *apple_copper_blade, *mythril_katana, *scalder, *iron_sword,
    *short_rod, *dreamer, *jade_melt, *moon_rod;
extern armor *iron_vest, *mythril_vest, *apple_copper, *warrior_vest, *soldier_mail, *rock_vest;

// The three resident datafiles.
extern DATAFILE* data;                      // data.dat: pictures, fonts, sounds, music
extern DATAFILE* tiles;                     // tiles.dat: map tiles
extern DATAFILE* characters;                // chrctrs.dat: actors, fighters, weapons, effects

// Screen bitmaps, all 320 x 240 in 16-bit colour.
extern BITMAP* buffer;                      // the frame being composed
extern BITMAP* sprite_layer;                // scratch layer for translucent map layers
extern BITMAP* window_layer;                // text windows kept over the map
