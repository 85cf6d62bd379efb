// The places Mike walks into from the world map, and the services he finds
// there. Every place is a plan of plain tables (its maps, the doors into its
// rooms, counters, chests, one-time finds, torches, save spots and
// townspeople) and a loop built from the shared steps below: enter the place,
// run one map at a time (doors, objects, triggers, the way out, in that
// order), and leave with the world map put back exactly as it was. Lumin
// Village, Agual and Mystalia run on run_town; the castle and the areas add
// loops of their own on the same steps.
// Also here: the tile animation step, talking, inns, healing and save spots.
#pragma once
#include "records.h"

// ---- the tables a place is made of (positions are map pixels) ----

// A room behind a door of an outdoor map.
struct town_room {
    const char* file;     // the room's map file
    int map_num;          // its g_map_num
    int door_x, door_y;   // the door on the outdoor map; -1: reached only from another room
    int entry_x, entry_y; // where Mike stands on coming in (facing up)
    int limit_y;          // the room is left once Mike's y exceeds this
    int door2_x, door2_y; // a second door into the same room; 0, 0: none
};

// A door or stair inside one room that leads into another room.
struct room_link {
    int map_num;             // the room it is in
    int x, y;                // its cell
    int to_map;              // the room it leads to
    int to_x, to_y, to_face; // where Mike stands there, facing
};

// What the talk key starts at a counter.
enum { COUNTER_INN, COUNTER_SHOP };

// A counter: Mike standing at (x, y) facing `face` and pressing the talk key.
struct counter_spot {
    int map_num;
    int x, y, face;
    int kind; // COUNTER_INN or COUNTER_SHOP
    int arg;  // the inn's price, or the shop's row in the plan's shops
};

// A shop behind a counter.
struct town_shop {
    const char* greeting; // the clerk's line before the shop opens (null: none)
    const char* name;     // the title of the shop screen
    int type;             // 1 items, 2 weapons, 3 armor
    int stock[12];        // item rows, weapon_list or armor_list numbers; -1 ends
};

// A treasure chest: its number in `chests` and its tile (column, row, layer).
// Mike opens it standing below it facing up.
struct town_chest {
    int map_num;
    int chest;
    int col, row, layer;
};

// A one-time find: entry `pot` of `pots`, taken by pressing at (x, y) facing `face`.
struct town_find {
    int map_num;
    int pot;
    int x, y, face;
    int item; // row of `items` that gains one
};

// A townsperson: a copy of an actor placed as `person` entry `index` on a map.
struct town_person {
    int map_num;
    int index;
    character** actor; // the actor record copied
    int x, y, face;
    int still;     // TRUE: stands on the spot
    int need_flag; // shown only while this story flag is TRUE (-1: always)
    int gone_flag; // hidden once this story flag is TRUE (-1: never)
};

// An animated wall torch on a map (its layer-1 cell).
struct town_torch {
    int map_num;
    int x, y;
};

// A save spot on a map.
struct town_save {
    int map_num;
    int x, y;
};

// One place: its first map and everything in and behind it.
struct town_plan {
    const char* name; // shown in the place window
    const char* file; // the outdoor map
    int map_num;
    int music;                                            // MIDI object of data.dat; -1: none
    int start_x, start_y, start_face, start_mx, start_my; // Mike and the camera on arrival
    const town_room* rooms;
    int room_count;
    const room_link* links;
    int link_count;
    const counter_spot* counters;
    int counter_count;
    const town_chest* chest_list;
    int chest_count;
    const town_find* finds;
    int find_count;
    const town_person* people;
    int people_count;
    const town_shop* shops;
    int shop_count;
    const town_torch* torches;
    int torch_count;
    const town_save* saves;
    int save_count;
    int leave_dir;           // the outdoor map is left off this edge (DIR_*; 0: by the place's own rule)
    int walk;                // townspeople wander on the outdoor map
    const char* inn_line;    // the innkeeper's question (null: a plain one with the price)
    const char* inn_morning; // said after a night's rest (null: nothing)
    const char* inn_refused; // said when the party will not stay (null: nothing)
    int rains;               // TRUE: rain falls on the outdoor map until story flag `rain_stop`
    int rain_stop;
    int face_mike; // townspeople turn to face Mike when he speaks to them
};

// ---- globals ----
extern torchlike torchlikes[21];                                        // animated tiles of the current map
extern int num_torchlikes;                                              // live entries (-1 or 0: none)
extern int torchlike_speed;                                             // period of set_torchlike in ms
extern int tile_change_counter;                                         // counts do_tile_changing calls
extern int save_on, save_x, save_y, save_pos, save_speed, mike_in_save; // the save spot
extern int look_when_talked_to;                                         // townsperson turns to face Mike
extern store_properties current_store;                                  // the shop a clerk opens
extern int continue_town;                                               // FALSE ends the place loop
extern const town_plan* current_plan;                                   // the place Mike is in, or null

extern const town_plan village_plan;  // Lumin Village (101, rooms 10101-10110, 10192)
extern const town_plan agual_plan;    // Agual (103, rooms 10301-10310)
extern const town_plan mystalia_plan; // Mystalia (104, rooms 10401-10409)

// ---- the places ----
void do_lumin_village();  // the village loop
void do_lumin_castle();   // the castle loop
void do_lumin_agual();    // Agual
void do_lumin_mystalia(); // Mystalia
// The plan of the place a map number belongs to (outdoors or a room; the castle's rooms too), or null.
const town_plan* plan_of_map(int map_num);

// ---- shared steps of every place (town.cpp) ----
// Steps 1 and 2 of arriving: townspeople state reset (`in_town`, `town_walk`), fade-outs, buffers emptied.
void begin_place(int town, int walk);
// Opens a place's map (open_tilemap: fatal when missing or damaged); sets g_map_num, the
// drawing rule, Mike's standing frame, and hides Charlie and Ian.
void open_place_map(const char* file, int map_num);
// Readies map `map_num` of the plan: its people, torches, save spot and opened chests.
void furnish_map(const town_plan* plan, int map_num);
// Draws the new map off-screen, starts `music` (-1: none, -2: leave as it is) and fades in.
void show_place_map(int music);
// Step 6 of arriving: the town timers (torches every `torch_ms`), the place name, the frame timer.
void start_place_timers(const char* name, int torch_ms);
// The standard arrival for a plan: all of the above with the plan's start position.
void enter_town(const town_plan* plan);
// The same arrival with Mike at (x, y) facing `face` and the camera at (cam_x, cam_y).
void enter_town_at(const town_plan* plan, int x, int y, int face, int cam_x, int cam_y);
// The plan's weather and manners on the map now shown: its rain (and the rain's sound), whether
// people turn to face Mike.
void place_weather(const town_plan* plan);
// Leaves the place: rain and timers down, the world map, its camera, music and Mike put back.
void leave_place();
// One pass of a field loop: update_screen and virtual_game_cycle.
void place_pass();
// Centres the camera on Mike, held inside the map.
void centre_camera();

// The room of the plan whose door (either one) Mike stands on, or null.
const town_room* room_at_door(const town_plan* plan, int x, int y);
// The room of the plan with that map number, or null.
const town_room* room_of(const town_plan* plan, int map_num);
// Takes Mike into `room` through the door at (door_x, door_y) of the outdoor map.
void enter_room(const town_plan* plan, const town_room* room, int door_x, int door_y);
// Takes Mike from the room he is in through `link` into another room of the plan.
void follow_link(const town_plan* plan, const room_link* link);
// Brings Mike back out onto the outdoor map, one cell below the door he came in by.
void leave_room(const town_plan* plan);
// The link cell Mike stands on in the current room, or null.
const room_link* link_at(const town_plan* plan, int x, int y);

// The objects step of a map: chests and one-time finds of the plan (talk-key presses).
void use_objects(const town_plan* plan);
// Opens the plan's chest if Mike presses at it; TRUE when one was opened.
int use_chests(const town_plan* plan);
// Takes the plan's one-time find if Mike presses at it; TRUE when one was taken.
int use_finds(const town_plan* plan);
// The counter of the plan Mike stands at, facing it, on the current map; or null.
const counter_spot* counter_at(const town_plan* plan);
// Serves at a counter: the inn's question or the shop's greeting and the shop.
void use_counter(const town_plan* plan, const counter_spot* c);
// Fills current_store from a shop of a plan and opens it.
void open_shop(const town_shop* shop);
// Fills current_store with the stock of a shop of a plan.
void fill_store(const town_shop* shop);

// Runs a whole town with an outdoor map and rooms behind its doors (the village,
// Agual, Mystalia): arrival already done by enter_town; returns after leave_place.
void run_town(const town_plan* plan);
// True when Mike has walked off the plan's leaving edge of the outdoor map.
int left_town(const town_plan* plan);

// ---- the tile animation step ----
void do_tile_changing(); // one animation step of the map's tiles

// ---- services (town_services.cpp) ----
void do_town_talk(); // talk to whoever (or whichever counter) Mike faces
// The person index (min_person to num_people) on the cell Mike faces; 0 for nobody.
int person_faced();
void do_overnight(int price); // stay at an inn for `price` gold
// The village-style inn at a counter: the question, then do_overnight(price).
void do_inn(int price);
void cure_all(int amt); // -1 full HP, -2 full HP and MP, else +amt HP (living heroes)
void do_save_spot();    // the save spot Mike stepped on

// ---- place-specific hooks (each place's own file) ----
// The conversation with person `who` (or a counter) on the village maps; FALSE when nobody there speaks.
int village_talk(int who);
// The village's own objects and triggers on the current map.
void village_objects();
// The inn's free night while the king's errand is fresh; FALSE when the night must be paid.
int village_free_night();
// Mystalia's moment on a new map: the stranger waiting in room 4.
void mystalia_map_shown();
// Agual's moment at its west gate on the way out: the messenger, once Lumin must hear the news.
void agual_gate_left();
