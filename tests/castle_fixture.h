// The castle's compiled room maps loaded into a test, and the game's own rules
// for walking them: shared by the map tests and the walks through the castle.
#pragma once
#include <map>
#include <utility>
#include <vector>

#include "harness.h"
#include "records.h"
#include "town_castle.h"
#include "vantor.h"
#include "world.h"

namespace castle_fixture {

using Cell = std::pair<int, int>; // column, row

const Cell steps[] = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}}; // up, down, left, right

inline Cell cell_of(int x, int y) { return {x / 16, y / 16}; }

// The rooms' maps, loaded once with the real tile set and freed at exit.
struct Rooms : std::map<int, TILEMAP*> {
    ~Rooms()
    {
        for (auto& r : *this) destroy_tilemap(r.second);
    }
};
inline Rooms& rooms()
{
    static Rooms loaded;
    if (loaded.empty()) {
        headless_game_start();
        for (int r = 1; r <= CASTLE_ROOMS; r++) {
            TILEMAP* m = load_tilemap(castle_map_file(r));
            if (!m) continue;
            if (m->names) correct_tilemap(m, tiles);
            loaded[r] = m;
        }
        moving_restricted = FALSE;
    }
    return loaded;
}

inline int tile(int room, int layer, Cell c)
{
    TILEMAP* m = rooms().at(room);
    return layer < m->layers ? get_sprite_number(m, layer, c.first, c.second) : -1;
}

inline bool on_map(int room, Cell c)
{
    TILEMAP* m = rooms().at(room);
    return c.first >= 0 && c.second >= 0 && c.first < m->xsize && c.second < m->ysize;
}

// Whether Mike may step onto the cell, by the game's own rule for the room's map number.
inline bool walkable(int room, Cell c)
{
    if (!on_map(room, c)) return false;
    int n = castle_map_num(room);
    return !object_collision(n, tile(room, 0, c), 0) && !object_collision(n, tile(room, 1, c), 1);
}

inline const castle_door* door_at(int room, Cell c)
{
    return castle_door_at(room, c.first * 16, c.second * 16);
}

inline bool person_at(int room, Cell c)
{
    for (int i = 0; i < num_castle_people; i++) {
        const town_person& p = castle_people[i];
        if (p.map_num == castle_map_num(room) && cell_of(p.x, p.y) == c) return true;
    }
    return false;
}

// The shortest walk from `from` to `to` in a room: people block it and door
// cells end it, so only `to` may be a door. Empty when there is none.
inline std::vector<Cell> path(int room, Cell from, Cell to)
{
    std::map<Cell, Cell> came{{from, from}};
    std::vector<Cell> todo{from};
    for (size_t i = 0; i < todo.size() && !came.count(to); i++) {
        Cell c = todo[i];
        if (c != from && door_at(room, c)) continue;
        for (Cell s : steps) {
            Cell n{c.first + s.first, c.second + s.second};
            if (came.count(n) || !walkable(room, n) || person_at(room, n)) continue;
            came[n] = c;
            todo.push_back(n);
        }
    }
    std::vector<Cell> out;
    if (!came.count(to)) return out;
    for (Cell c = to; c != from; c = came[c]) out.insert(out.begin(), c);
    return out;
}

} // namespace castle_fixture
