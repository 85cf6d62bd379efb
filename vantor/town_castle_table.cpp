// The castle as data: which door leads where, the chests, the library's
// shelves and who stands in which room. The cells agree with the maps drawn by
// tools/castle/draw_castle.py; tests/test_castle.cpp holds the two together.
#include "town_castle.h"

#include <algorithm>
#include <cstdio>

#include "dat_names.h"
#include "town_castle_lines.h"
#include "vantor.h"

// Rooms side by side in the castle have their doors on facing walls: the gate
// hall's west door opens on the east side of the south-west tower, and so on.
// Tower floors are joined by stairs two cells wide: climbing puts Mike in row
// 15 (y 240) above the next floor's down stairs, descending in row 13 (y 208)
// below the lower floor's up stairs, in the column he stood in.
const castle_door castle_doors[] = {
    // the gate hall
    {1, 304, 368, 3, CASTLE_OUTSIDE, 0, 0},
    {1, 320, 112, 1, 10, 320, 336},
    {1, 224, 304, 1, 2, 384, 224},
    {1, 416, 304, 1, 6, 224, 224},
    // the south-west tower
    {2, 400, 224, 1, 1, 240, 304},
    {2, 256, 192, 2, 3, CASTLE_KEEP_X, 240},
    {3, 256, 256, 2, 2, CASTLE_KEEP_X, 208},
    {3, 336, 192, 2, 4, CASTLE_KEEP_X, 240},
    {4, 336, 256, 2, 3, CASTLE_KEEP_X, 208},
    {4, 256, 192, 2, 5, CASTLE_KEEP_X, 240},
    {5, 256, 256, 2, 4, CASTLE_KEEP_X, 208},
    // the south-east tower
    {6, 208, 224, 1, 1, 400, 304},
    {6, 336, 192, 2, 7, CASTLE_KEEP_X, 240},
    {7, 336, 256, 2, 6, CASTLE_KEEP_X, 208},
    {7, 256, 192, 2, 8, CASTLE_KEEP_X, 240},
    {8, 256, 256, 2, 7, CASTLE_KEEP_X, 208},
    {8, 336, 192, 2, 9, CASTLE_KEEP_X, 240},
    {9, 336, 256, 2, 8, CASTLE_KEEP_X, 208},
    // the long gallery
    {10, 320, 352, 1, 1, 320, 128},
    {10, 320, 112, 1, 13, 320, 336},
    {10, 224, 304, 1, 11, 576, 256},
    {10, 416, 304, 1, 12, 352, 240},
    {10, 224, 160, 1, 14, 576, 416},
    {10, 416, 160, 1, 15, 352, 368},
    // the infirmary and the barracks
    {11, 592, 256, 1, 10, 240, 304},
    {12, 336, 240, 1, 10, 400, 304},
    // the audience hall
    {13, 320, 352, 1, 10, 320, 128},
    {13, 320, 112, 1, 24, 320, 336},
    {13, 224, 304, 1, 14, 576, 240},
    {13, 416, 304, 1, 15, 352, 176},
    {13, 224, 160, 1, 16, 384, 224},
    {13, 416, 160, 1, 20, 224, 224},
    // the great hall and the library
    {14, 592, 416, 1, 10, 240, 160},
    {14, 592, 240, 1, 13, 240, 304},
    {15, 336, 368, 1, 10, 400, 160},
    {15, 336, 176, 1, 13, 400, 304},
    // the north-west tower
    {16, 400, 224, 1, 13, 240, 160},
    {16, 256, 192, 2, 17, CASTLE_KEEP_X, 240},
    {17, 256, 256, 2, 16, CASTLE_KEEP_X, 208},
    {17, 336, 192, 2, 18, CASTLE_KEEP_X, 240},
    {18, 336, 256, 2, 17, CASTLE_KEEP_X, 208},
    {18, 256, 192, 2, 19, CASTLE_KEEP_X, 240},
    {19, 256, 256, 2, 18, CASTLE_KEEP_X, 208},
    // the north-east tower
    {20, 208, 224, 1, 13, 400, 160},
    {20, 336, 192, 2, 21, CASTLE_KEEP_X, 240},
    {21, 336, 256, 2, 20, CASTLE_KEEP_X, 208},
    {21, 256, 192, 2, 22, CASTLE_KEEP_X, 240},
    {22, 256, 256, 2, 21, CASTLE_KEEP_X, 208},
    {22, 336, 192, 2, 23, CASTLE_KEEP_X, 240},
    {23, 336, 256, 2, 22, CASTLE_KEEP_X, 208},
    // the throne room and its two side rooms
    {24, 320, 352, 1, 13, 320, 128},
    {24, 192, 144, 1, 25, 432, 144},
    {24, 448, 144, 1, 26, 144, 144},
    {25, 448, 144, 1, 24, 208, 144},
    {26, 128, 144, 1, 24, 432, 144},
};
const int num_castle_doors = (int)(sizeof castle_doors / sizeof castle_doors[0]);

// The castle's chests are numbers 4 to 8 of `chests`: the tops of the two
// southern towers and the library's three.
// clang-format off
const town_chest castle_chests[] = {
    {10205, 4, 23, 12, 1}, {10209, 5, 15, 12, 1}, {10215, 6, 39, 10, 1}, {10215, 7, 41, 10, 1}, {10215, 8, 43, 10, 1},
};
// clang-format on
const int num_castle_chests = (int)(sizeof castle_chests / sizeof castle_chests[0]);

// The long shelf holds seventeen volumes of history, the atlas and the magic
// book (which is locked); the short shelf the seven books of magic and war;
// the lone case behind the candles the one book nobody should read.
// clang-format off
const library_book library_books[] = {
    {400, 384, BOOK_PLAIN, history_1},   {416, 384, BOOK_PLAIN, history_2},
    {432, 384, BOOK_PLAIN, history_3},   {448, 384, BOOK_PLAIN, history_4},
    {464, 384, BOOK_PLAIN, history_5},   {480, 384, BOOK_PLAIN, history_6},
    {496, 384, BOOK_PLAIN, history_7},   {512, 384, BOOK_PLAIN, history_8},
    {528, 384, BOOK_PLAIN, history_9},   {544, 384, BOOK_PLAIN, history_10},
    {560, 384, BOOK_PLAIN, history_11},  {576, 384, BOOK_PLAIN, history_12},
    {592, 384, BOOK_PLAIN, history_13},  {608, 384, BOOK_PLAIN, history_14},
    {624, 384, BOOK_PLAIN, history_15},  {640, 384, BOOK_PLAIN, history_16},
    {656, 384, BOOK_PLAIN, history_17},  {672, 384, BOOK_ATLAS, atlas_pages},
    {688, 384, BOOK_SHUT, magic_book_pages},
    {400, 304, BOOK_PLAIN, magic_classes},
    {416, 304, BOOK_PLAIN, battle_strategy},
    {432, 304, BOOK_PLAIN, properties_of_wood},
    {448, 304, BOOK_PLAIN, no_weakness},
    {464, 304, BOOK_PLAIN, magic_classes_explained},
    {480, 304, BOOK_PLAIN, lost_town_of_crystan},
    {496, 304, BOOK_PLAIN, special_armors},
    {576, 224, BOOK_CORE_OF_EVIL, core_of_evil},
};
// clang-format on
const int num_library_books = (int)(sizeof library_books / sizeof library_books[0]);

// Guards at the gate, the healer and her patients, soldiers off duty, the
// librarian and a reader, the court. Rooms without conversations stay empty.
const town_person castle_people[] = {
    {10201, 1, &lumin_soldier, 288, 336, DIR_DOWN, TRUE, -1, -1},
    {10201, 2, &lumin_soldier, 352, 336, DIR_DOWN, TRUE, -1, -1},
    {10201, 3, &townswoman_02, 384, 272, DIR_LEFT, TRUE, -1, -1},
    {10211, 1, &nurse, 496, 176, DIR_DOWN, TRUE, -1, -1},
    {10211, 2, &lumin_soldier, 448, 240, DIR_LEFT, TRUE, -1, -1},
    {10211, 3, &old_townsman_01, 544, 288, DIR_DOWN, TRUE, -1, -1},
    {10212, 1, &lumin_soldier, 416, 272, DIR_UP, TRUE, -1, -1},
    {10212, 2, &lumin_soldier, 496, 224, DIR_LEFT, TRUE, -1, -1},
    {10212, 3, &lumin_soldier, 464, 304, DIR_DOWN, TRUE, -1, -1},
    {10215, 1, &scientist_01, 480, 176, DIR_DOWN, TRUE, -1, -1},
    {10215, 2, &townsgirl_01, 608, 304, DIR_UP, TRUE, -1, -1},
    {10224, 1, &lumin_king, 320, 160, DIR_DOWN, TRUE, -1, -1},
    {10224, 2, &merlon, 288, 160, DIR_DOWN, TRUE, -1, -1},
    {10224, 3, &lumin_soldier, 272, 192, DIR_DOWN, TRUE, -1, -1},
    {10224, 4, &lumin_soldier, 368, 192, DIR_DOWN, TRUE, -1, -1},
    {10225, 1, &scientist_02, 304, 192, DIR_RIGHT, TRUE, -1, -1},
    {10225, 2, &old_townsman_02, 416, 176, DIR_LEFT, TRUE, -1, -1},
};
const int num_castle_people = (int)(sizeof castle_people / sizeof castle_people[0]);

// Rooms are opened by the castle's own loop, one at a time; torches are found
// on each room's map as it opens.
// clang-format off
const town_plan castle_plan = {
    "Lumin Castle", "lcast~1.map", 10201, MUS_CASTLE,
    CASTLE_START_X, CASTLE_START_Y, DIR_UP, -160, -216,
    nullptr, 0,
    nullptr, 0,
    nullptr, 0,
    castle_chests, (int)(sizeof castle_chests / sizeof castle_chests[0]),
    nullptr, 0,
    castle_people, (int)(sizeof castle_people / sizeof castle_people[0]),
    nullptr, 0,
    nullptr, 0,
    nullptr, 0,
    0, FALSE, nullptr,
    nullptr, nullptr, FALSE, 0, FALSE,
};
// clang-format on

int castle_map_num(int room)
{
    if (room == 13) return 10210;
    return 10200 + room;
}

const char* castle_map_file(int room)
{
    static char name[32];
    snprintf(name, sizeof name, "lcast~%d.map", room);
    return name;
}

const castle_door* castle_door_at(int room, int x, int y)
{
    for (int i = 0; i < num_castle_doors; i++) {
        const castle_door& d = castle_doors[i];
        if (d.room == room && y == d.y && x >= d.x && x < d.x + 16 * d.w && (x - d.x) % 16 == 0) return &d;
    }
    return nullptr;
}

void castle_door_target(const castle_door* d, int x, int* to_x, int* to_y)
{
    *to_x = d->to_x == CASTLE_KEEP_X ? x : d->to_x;
    *to_y = d->to_y;
}

void castle_camera(int x, int y, int w, int h, int* cam_x, int* cam_y)
{
    *cam_x = std::max(std::min(160 - x, 0), std::min(0, 320 - w));
    *cam_y = std::max(std::min(120 - y, 0), std::min(0, 240 - h));
}
