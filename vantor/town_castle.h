// Lumin Castle: the loop over its 26 rooms, the doors and stairs between them,
// its people, the healer of the infirmary and the library's shelves. Room N is
// "lcast~N.map"; the rooms are drawn by tools/castle/draw_castle.py.
#pragma once
#include "records.h"
#include "town.h"

enum {
    CASTLE_ROOMS = 26,
    CASTLE_OUTSIDE = 0, // a door to the world map
    CASTLE_KEEP_X = -1, // tower stairs: Mike keeps his x
    CASTLE_START_X = 320,
    CASTLE_START_Y = 336, // Mike in the gate hall on arrival
    CASTLE_HEAL_ROOM = 11,
    CASTLE_HEAL_X = 496,
    CASTLE_HEAL_Y = 208, // where the healer is asked (facing up)
    CASTLE_LIBRARY_ROOM = 15,
    CASTLE_COUNCIL_ROOM = 13,
};

// A door cell (or a row of w cells going east) of a room: standing on it takes
// Mike to room `to` at (to_x, to_y); CASTLE_OUTSIDE leaves the castle.
struct castle_door {
    int room;
    int x, y, w;
    int to;
    int to_x, to_y;
};
extern const castle_door castle_doors[];
extern const int num_castle_doors;

// The castle as a place: its chests (the tops of the two southern towers and
// three in the library) and the people standing in its rooms.
extern const town_chest castle_chests[];
extern const int num_castle_chests;
extern const town_person castle_people[];
extern const int num_castle_people;
extern const town_plan castle_plan;

// One book of the library. Mike reads it standing at (x, y) facing up; the
// pages are shown one window each, up to the first null.
enum { BOOK_PLAIN, BOOK_ATLAS, BOOK_CORE_OF_EVIL, BOOK_SHUT };
struct library_book {
    int x, y;
    int kind;
    const char* const* pages;
};
extern const library_book library_books[];
extern const int num_library_books;

// The map number room `room` is shown as (the audience hall shares the gallery's).
int castle_map_num(int room);
// The file name of room `room` ("lcast~N.map").
const char* castle_map_file(int room);
// The door of room `room` at Mike's cell (x, y), or null.
const castle_door* castle_door_at(int room, int x, int y);
// Where Mike arrives through door d, when he stood at x.
void castle_door_target(const castle_door* d, int x, int* to_x, int* to_y);
// The camera that centres (x, y) on a map of w x h pixels, kept inside the map.
void castle_camera(int x, int y, int w, int h, int* cam_x, int* cam_y);

// The atlas's map: the world map drawn small (two pixels a cell fill the
// screen), with the places named where they lie.
void draw_atlas(BITMAP* bmp);
void do_library_books(int id); // one test of the library's shelves (id 0: the castle's)
// The conversation with person `who` on a castle map; FALSE when nobody there speaks.
int castle_talk(int who);
// The healer of the infirmary: her word, the living healed, "HP Restored!".
void castle_heal();
