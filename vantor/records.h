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
    int id;             // actor number; a hero shares it with his fighter record
    int x, y;           // position on the map, in pixels
    int xspeed, yspeed; // the step a wandering townsperson is taking, per move
    int visible;        // drawn and in the way only when TRUE
    int face;           // DIR_UP .. DIR_RIGHT
    int can_move;       // the step it chose this round is free
    int still;          // never wanders and keeps its cell blocked
    int halved;         // Mike only: just the top half is drawn (in the trees)
    // Two walking frames per direction, standing (a) and stride (b), all in chrctrs.dat.
    RLE_SPRITE *dna, *dnb, *lta, *ltb, *rta, *rtb, *upa, *upb;
    RLE_SPRITE* current; // the frame drawn now, one of the eight
};

// A battle action (spell or skill); numeric fields are single signed bytes.
struct action {
    char name[60];    // display name, an icon glyph first
    signed char have; // learned by this fighter
    signed char id;
    signed char mpcost;
    signed char atp;                         // strength of the action
    signed char element;                     // ELEM_*
    char desc1[100], desc2[100], desc3[100]; // the three description lines of the menu
};

// A party member's battle record.
struct ftchar {
    const char* s_name; // display name
    int id;             // the same number as the hero's walking record
    // Level and points: current and maximum hit and magic points, defence, attack, agility.
    int level;
    int hp, hpmax;
    int mp, mpmax;
    int dfp, atp, agp;
    // Experience: gathered, still needed for the next level, and the whole step of this level.
    int exp;
    int nextexp;
    int nextexp_c;
    int turn_flag;                         // the time bar is full and the turn is due
    RLE_SPRITE *a, *b, *c, *d, *e;         // battle poses, from chrctrs.dat
    RLE_SPRITE* dead;                      // the pose lying knocked out
    RLE_SPRITE* current;                   // the pose drawn now
    int x, y;                              // corner on the battle screen
    int alive;                             // not knocked out
    int in_fight;                          // one of the active party
    int defend_flag;                       // defending this turn
    int status[20];                        // status counters, indexed by ST_*
    float pchp, pcmp, pcdfp, pcatp, pcagp; // growth fractions of each point at a level-up
    weapon* charweapon;                    // the weapon held; never null for a party member
    armor* chararmor;                      // the armor worn; NO_ARMOR when none
    action actions[100];                   // this fighter's own copies of its actions
    float turn_ind;                        // time-bar fill
};

// An enemy's battle record.
struct ftenemy {
    char s_name[100];    // display name
    int in_fight, alive; // present in this battle; not yet defeated
    int hp, hpmax, mp, mpmax;
    int agp, atp, dfp;
    int exp, gp;                     // experience and gold it leaves when defeated
    int weakness;                    // element that hurts it three times over
    int strength;                    // element it heals from, and the element of its own blows
    int x, y;                        // corner on the battle screen
    int cy;                          // spare coordinate, not set up with the enemy
    int wt, ht;                      // picture size
    int middle;                      // where the slash and death effects split its picture
    int slash_x, slash_y, slash_col; // where and in what colour its attacks' effects are drawn
    int ptr_is_lmp;                  // its poses are light maps rather than sprites
    int turn_flag;                   // -1 exactly when its turn is due
    int total_damage;                // damage taken since last cleared; some bosses answer it
    int targeted;                    // picked by the party since its own last turn
    int misc[10];                    // scratch values of boss behaviour
    // Poses: RLE_SPRITE* or LIGHTMAP* as ptr_is_lmp says; current is the one drawn now.
    void *a, *b, *c, *d, *misc1, *current;
    float turn_ind; // time-bar fill
};

// One slot of the item bag.
struct item {
    char name[60];   // display name, an icon glyph first
    char desc[120];  // one-line description
    int have;        // how many the party holds
    int id;          // its index in items
    int cost;        // shop price in gold
    int battle_only; // usable only in battle
};

// A weapon; Elizabeth and Runhon share one record.
struct weapon {
    const char* s_name; // display name, its class's icon glyph first
    const char* desc;
    int atp;                           // attack bonus
    int element;                       // ELEM_*
    int color;                         // colour of its slash trail
    int w_class;                       // 1 blade, 2 sword, 3 rod ("class" is a C++ keyword)
    int a_x, a_y, b_x, b_y, c_x, c_y;  // where its three swing frames are drawn against the fighter
    int cost;                          // shop price in gold
    int have;                          // spare copies held; -1 counts as none
    RLE_SPRITE *a, *b, *c, *d, *e, *f; // swing frames; blades have three, rods five, swords six
    RLE_SPRITE* slash[3];              // the slash drawn over the target
    int id;                            // its index in weapon_list
    int equipped;                      // held by a party member
};

// A piece of armor.
struct armor {
    const char* s_name;               // display name, the armor glyph first
    const char *desc, *desc2, *desc3; // up to three description lines (null when fewer)
    int dfp;                          // defence bonus
    int element;                      // element it guards against
    int id;                           // its index in armor_list; -1 for NO_ARMOR
    int have;                         // spare copies held; -1 counts as none
    int cost;                         // shop price in gold
    int weakness;                     // element it is weak against
};

// A treasure chest: negative item_id is gold, 0-499 an item, 500+ gear.
struct chest {
    int locked; // needs a key first
    int opened; // already emptied
    int item_id;
};

// The shop currently open.
struct store_properties {
    int type;            // what it sells: items, weapons or armor
    int num_objects;     // the index of its last ware
    item i_list[100];    // copies of the items on sale
    weapon* w_list[100]; // the weapons on sale (the game's own records)
    armor* a_list[100];  // the armor on sale (the game's own records)
    const char* name;    // shown over the shop window
};

// One animated map tile.
struct torchlike {
    int id, state, x, y; // 0 = a torch (nothing else animates), its frame 0 or 1, its tile column and row
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
extern int story_flag[101];         // story progress flags
extern int flagers[500];            // battle event flags
extern int pots[101];               // one-time finds already taken
extern chest chests[501];           // treasure chests by number
extern item items[101];             // the item bag, by item number
extern weapon* weapon_list[100];    // all weapons by number
extern armor* armor_list[100];      // all armor by number
extern armor* NO_ARMOR;             // the "(none)" armor record
extern ftchar* fighters[4];         // the active party in battle order
extern character* person[30];       // scratch actors for town scenes
extern int g_gp;                    // the party's gold
extern int g_map_num;               // number of the current map
extern const char* g_place;         // name of the current place
extern TILEMAP* map;                // the tile map now loaded
extern RLE_SPRITE* no_pic;          // invisible 1x1 placeholder
extern LIGHTMAP* save_sprites[3];   // frames of the save-spot glow
extern RLE_SPRITE* a_burn[6];       // burn effect frames
extern RLE_SPRITE* i_combust[7];    // combuster effect frames
extern RLE_SPRITE* i_glass_ball[4]; // glass ball effect frames
extern FONT* main_font;             // text in windows
extern FONT* color_font;            // the alternative text font

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
extern DATAFILE* data;       // data.dat: pictures, fonts, sounds, music
extern DATAFILE* tiles;      // tiles.dat: map tiles
extern DATAFILE* characters; // chrctrs.dat: actors, fighters, weapons, effects

// Screen bitmaps, all 320 x 240 in 16-bit colour.
extern BITMAP* buffer;       // the frame being composed
extern BITMAP* sprite_layer; // scratch layer for translucent map layers
extern BITMAP* window_layer; // text windows kept over the map
