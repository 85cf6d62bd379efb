// Lumin Castle's rooms as compiled from assets/maps, held against the castle's
// own tables: every door, stair, entry cell, chest, shelf, person and torch
// must sit where the code expects it, and every room must be walkable from
// wherever Mike comes in to every way out. Also: every castle text fits its
// window, and the castle's small pure helpers.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "castle_fixture.h"
#include "dat_names.h"
#include "harness.h"
#include "play.h"
#include "records.h"
#include "town_castle.h"
#include "town_castle_lines.h"
#include "vantor.h"
#include "vantor_frame.h"
#include "world.h"

namespace {

using namespace castle_fixture;

// The room a chest or a person of the castle's tables is in (none of them is in
// the gallery or the audience hall, which share a map number).
int room_of(int map_num) { return map_num - 10200; }

bool solid(int room, Cell c) { return on_map(room, c) && !walkable(room, c); }

// Every cell where Mike can appear in a room: where each door leading in puts him.
std::vector<Cell> entries(int room)
{
    std::vector<Cell> out;
    if (room == 1) out.push_back(cell_of(CASTLE_START_X, CASTLE_START_Y));
    for (int i = 0; i < num_castle_doors; i++) {
        const castle_door& d = castle_doors[i];
        if (d.to != room) continue;
        for (int k = 0; k < d.w; k++) {
            int x, y;
            castle_door_target(&d, d.x + 16 * k, &x, &y);
            out.push_back(cell_of(x, y));
        }
    }
    return out;
}

// Every cell reached from `from`: people block the way, and a door cell is
// reached but never walked through (standing on it changes the room).
std::set<Cell> reach_from(int room, const std::vector<Cell>& from)
{
    std::set<Cell> seen(from.begin(), from.end());
    std::vector<Cell> todo = from;
    while (!todo.empty()) {
        Cell c = todo.back();
        todo.pop_back();
        if (door_at(room, c)) continue;
        for (Cell s : steps) {
            Cell n{c.first + s.first, c.second + s.second};
            if (seen.count(n) || !walkable(room, n) || person_at(room, n)) continue;
            seen.insert(n);
            todo.push_back(n);
        }
    }
    return seen;
}
std::set<Cell> reach(int room) { return reach_from(room, entries(room)); }

struct CastleMaps : ::testing::Test {
    static void SetUpTestSuite()
    {
        ASSERT_EQ((int)rooms().size(), CASTLE_ROOMS) << "a room's map is missing";
    }
};

TEST_F(CastleMaps, EveryRoomFillsTheScreenAndIsShownAsACastleRoom)
{
    for (auto& [r, m] : rooms()) {
        EXPECT_GE(m->xsize * 16, 320) << r;
        EXPECT_GE(m->ysize * 16, 240) << r;
        EXPECT_GE(m->layers, 2) << r;
        int n = castle_map_num(r);
        EXPECT_TRUE(n >= 10201 && n <= 10226) << r;
    }
    // The audience hall is shown as the gallery below it; every other room as itself.
    EXPECT_EQ(castle_map_num(13), 10210);
    EXPECT_EQ(castle_map_num(10), 10210);
    EXPECT_EQ(castle_map_num(24), 10224);
    EXPECT_STREQ(castle_map_file(26), "lcast~26.map");
}

TEST_F(CastleMaps, DoorsAndEntriesLieOnOpenFloorAndDoorsNeverOverlap)
{
    std::set<std::pair<int, Cell>> door_cells;
    for (int i = 0; i < num_castle_doors; i++) {
        const castle_door& d = castle_doors[i];
        ASSERT_TRUE(d.room >= 1 && d.room <= CASTLE_ROOMS) << i;
        ASSERT_TRUE(d.to >= 0 && d.to <= CASTLE_ROOMS && d.to != d.room) << i;
        ASSERT_GE(d.w, 1) << i;
        EXPECT_EQ(d.x % 16, 0) << i;
        EXPECT_EQ(d.y % 16, 0) << i;
        for (int k = 0; k < d.w; k++) {
            Cell c = cell_of(d.x + 16 * k, d.y);
            EXPECT_TRUE(walkable(d.room, c)) << "door " << i << " of room " << d.room << " at " << c.first
                                             << "," << c.second << " is solid";
            EXPECT_TRUE(door_cells.insert({d.room, c}).second) << "two doors on one cell of room " << d.room;
            if (d.to == CASTLE_OUTSIDE) continue;
            int x, y;
            castle_door_target(&d, d.x + 16 * k, &x, &y);
            Cell e = cell_of(x, y);
            EXPECT_TRUE(walkable(d.to, e))
                << "room " << d.room << " leads onto a solid cell of room " << d.to;
            EXPECT_EQ(door_at(d.to, e), nullptr)
                << "room " << d.room << " leads onto a door of room " << d.to;
            EXPECT_FALSE(person_at(d.to, e)) << "someone stands where Mike enters room " << d.to;
        }
    }
    // The gate hall is where the castle begins and ends.
    Cell start = cell_of(CASTLE_START_X, CASTLE_START_Y);
    EXPECT_TRUE(walkable(1, start));
    EXPECT_EQ(door_at(1, start), nullptr);
    int ways_out = 0;
    for (int i = 0; i < num_castle_doors; i++) ways_out += castle_doors[i].to == CASTLE_OUTSIDE;
    EXPECT_EQ(ways_out, 1);
}

// Stepping through a door and straight back must bring Mike back beside the
// door he used, having walked the opposite way: a door on the west wall leads
// to a room whose way back lies to the east of where Mike stands.
TEST_F(CastleMaps, EveryDoorHasAWayBackThatLinesUp)
{
    for (int i = 0; i < num_castle_doors; i++) {
        const castle_door& d = castle_doors[i];
        if (d.to == CASTLE_OUTSIDE) continue;
        for (int k = 0; k < d.w; k++) {
            Cell here = cell_of(d.x + 16 * k, d.y);
            int x, y;
            castle_door_target(&d, here.first * 16, &x, &y);
            Cell there = cell_of(x, y);
            bool found = false;
            for (Cell s : steps) {
                Cell back{there.first + s.first, there.second + s.second};
                const castle_door* b = door_at(d.to, back);
                if (!b || b->to != d.room) continue;
                int bx, by;
                castle_door_target(b, back.first * 16, &bx, &by);
                Cell again = cell_of(bx, by);
                // Back beside the door, on the side Mike walked in from.
                if (again == Cell{here.first + s.first, here.second + s.second}) found = true;
            }
            EXPECT_TRUE(found) << "room " << d.room << " cell " << here.first << "," << here.second
                               << " to room " << d.to << ": no way straight back";
        }
    }
}

TEST_F(CastleMaps, EveryDoorCanBeReachedFromEveryWayIn)
{
    for (int r = 1; r <= CASTLE_ROOMS; r++) {
        ASSERT_FALSE(entries(r).empty()) << "nothing leads into room " << r;
        for (Cell e : entries(r)) {
            // Each entry on its own: Mike must be able to leave by any door from wherever he came in.
            std::set<Cell> seen = reach_from(r, {e});
            for (int i = 0; i < num_castle_doors; i++) {
                const castle_door& d = castle_doors[i];
                if (d.room != r) continue;
                EXPECT_TRUE(seen.count(cell_of(d.x, d.y)))
                    << "room " << r << ": door " << i << " cannot be reached from " << e.first << ","
                    << e.second;
            }
        }
    }
}

TEST_F(CastleMaps, ChestsShelvesAndTheHealerCanBeReachedFacingUp)
{
    for (int i = 0; i < num_castle_chests; i++) {
        const town_chest& c = castle_chests[i];
        int room = room_of(c.map_num);
        ASSERT_EQ(castle_map_num(room), c.map_num);
        EXPECT_EQ(tile(room, c.layer, {c.col, c.row}), TILE_CHEST_CLOSED) << "chest " << c.chest;
        EXPECT_TRUE(reach(room).count({c.col, c.row + 1})) << "chest " << c.chest << " cannot be opened";
        EXPECT_TRUE(c.chest >= 0 && c.chest <= 500);
    }
    // Chests are numbered once each.
    std::set<int> ids;
    for (int i = 0; i < num_castle_chests; i++) EXPECT_TRUE(ids.insert(castle_chests[i].chest).second);

    std::set<Cell> library = reach(CASTLE_LIBRARY_ROOM);
    std::set<int> shelf_tiles = {TILE_LIBRARY_SHELF_L, TILE_LIBRARY_SHELF_M, TILE_LIBRARY_SHELF_R,
                                 TILE_LIBRARY_SHELF_LADDER, TILE_BOOKSHELF};
    for (int i = 0; i < num_library_books; i++) {
        const library_book& b = library_books[i];
        Cell at = cell_of(b.x, b.y);
        EXPECT_TRUE(library.count(at)) << "book " << i << " cannot be reached";
        EXPECT_TRUE(shelf_tiles.count(tile(CASTLE_LIBRARY_ROOM, 1, {at.first, at.second - 1})))
            << "no shelf above the reader of book " << i;
    }
    Cell heal = cell_of(CASTLE_HEAL_X, CASTLE_HEAL_Y);
    EXPECT_TRUE(reach(CASTLE_HEAL_ROOM).count(heal));
    EXPECT_TRUE(solid(CASTLE_HEAL_ROOM, {heal.first, heal.second - 1})) << "the healer's counter";
    bool healer = false;
    for (int i = 0; i < num_castle_people; i++)
        healer |= castle_people[i].map_num == castle_map_num(CASTLE_HEAL_ROOM) &&
                  cell_of(castle_people[i].x, castle_people[i].y) == Cell{heal.first, heal.second - 2};
    EXPECT_TRUE(healer) << "nobody behind the healer's counter";
}

TEST_F(CastleMaps, PeopleStandOnFloorAndTorchesHangOnWalls)
{
    std::set<std::pair<int, int>> slots;
    for (int i = 0; i < num_castle_people; i++) {
        const town_person& p = castle_people[i];
        int room = room_of(p.map_num);
        ASSERT_EQ(castle_map_num(room), p.map_num);
        Cell at = cell_of(p.x, p.y);
        // The king sits on his throne; everybody else stands on the floor.
        if (p.actor != &lumin_king) {
            EXPECT_TRUE(walkable(room, at)) << "person " << i;
        }
        EXPECT_EQ(door_at(room, at), nullptr) << "person " << i << " blocks a door";
        EXPECT_TRUE(p.index >= 1 && p.index <= 29) << i;
        EXPECT_TRUE(slots.insert({room, p.index}).second) << "two people share a slot in room " << room;
        ASSERT_NE(*p.actor, nullptr) << i;
    }
    for (int r = 1; r <= CASTLE_ROOMS; r++) {
        TILEMAP* m = rooms()[r];
        int torches = 0;
        for (int y = 0; y < m->ysize; y++)
            for (int x = 0; x < m->xsize; x++)
                if (tile(r, 1, {x, y}) == TILE_TORCH_A) {
                    torches++;
                    EXPECT_TRUE(object_collision(castle_map_num(r), tile(r, 0, {x, y}), 0))
                        << "room " << r << " torch " << x << "," << y;
                }
        EXPECT_GT(torches, 0) << "room " << r << " is dark";
        EXPECT_LE(torches, 21) << "room " << r;
    }
}

// The camera keeps Mike in the middle of the screen and never shows beyond a map.
TEST(CastleCamera, CentresMikeInsideTheMap)
{
    int cx, cy;
    castle_camera(CASTLE_START_X, CASTLE_START_Y, 640, 480, &cx, &cy);
    EXPECT_EQ(cx, -160);
    EXPECT_EQ(cy, -216);
    castle_camera(0, 0, 640, 480, &cx, &cy);
    EXPECT_EQ(cx, 0);
    EXPECT_EQ(cy, 0);
    castle_camera(688, 464, 768, 480, &cx, &cy);
    EXPECT_EQ(cx, -448);
    EXPECT_EQ(cy, -240);
}

TEST(CastleDoors, StairsKeepMikesColumnAndOtherDoorsDoNot)
{
    const castle_door* up = castle_door_at(2, 272, 192);
    ASSERT_NE(up, nullptr);
    EXPECT_EQ(up->to, 3);
    int x, y;
    castle_door_target(up, 272, &x, &y);
    EXPECT_EQ(x, 272);
    EXPECT_EQ(y, 240);
    const castle_door* gate = castle_door_at(1, 336, 368);
    ASSERT_NE(gate, nullptr);
    EXPECT_EQ(gate->to, CASTLE_OUTSIDE);
    EXPECT_EQ(castle_door_at(1, 352, 368), nullptr) << "the gate is three cells wide";
    EXPECT_EQ(castle_door_at(1, 328, 368), nullptr) << "a door takes whole cells only";
    const castle_door* library = castle_door_at(10, 416, 160);
    ASSERT_NE(library, nullptr);
    castle_door_target(library, 416, &x, &y);
    EXPECT_EQ(x, 352);
    EXPECT_EQ(y, 368);
}

TEST(CastleTexts, EveryLineAndPageFitsItsWindow)
{
    headless_game_start();
    castle_talk_text* talks[] = {&gate_guard_west,  &gate_guard_east,  &gate_maid,      &wounded_soldier,
                                 &old_patient,      &soup_soldier,     &armor_soldier,  &clock_soldier,
                                 &librarian,        &young_reader,     &king_on_throne, &merlon_at_court,
                                 &royal_guard_west, &royal_guard_east, &chancellor,     &old_general,
                                 &healer_greeting};
    for (castle_talk_text* t : talks)
        for (int s = 0; s < CASTLE_STAGES; s++) {
            EXPECT_NE((*t)[s][0], nullptr) << "a conversation says nothing at stage " << s;
            for (int i = 0; i < TALK_LINES && (*t)[s][i]; i++) expect_window_fits((*t)[s][i]);
        }
    expect_window_fits(healer_fallen);
    for (int i = 0; i < num_library_books; i++) {
        const char* const* p = library_books[i].pages;
        ASSERT_NE(p[0], nullptr) << "book " << i << " has no pages";
        for (; *p; p++) expect_window_fits(*p);
    }
    int core = 0;
    while (core_of_evil[core]) core++;
    EXPECT_EQ(core, 5) << "a page, the question, two pages in the dark, the torn-out line";
}

} // namespace

namespace {

// The atlas is the real world drawn small, not a picture of nothing.
TEST(CastleAtlas, ShowsTheWorldWithItsPlacesNamed)
{
    headless_game_start();
    BITMAP* b = create_bitmap(320, 240);
    ASSERT_NE(b, nullptr);
    draw_atlas(b);
    std::set<int> colours;
    for (int y = 0; y < 240; y += 2)
        for (int x = 0; x < 320; x += 2) colours.insert(getpixel(b, x, y));
    EXPECT_GT(colours.size(), 30u) << "grass, sea, hills, roads, desert and the rest";
    // The sea fills the top-left corner of the world.
    int sea = getpixel(b, 0, 0);
    EXPECT_GT(getb(sea), getr(sea));
    if (const char* out = getenv("CASTLE_ATLAS_BMP")) save_bitmap(out, b, nullptr);
    destroy_bitmap(b);
}

} // namespace
