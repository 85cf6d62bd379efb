// Lumin Castle played: a whole visit through the real game (in from the world
// map, up and down a tower with its chest, the healer, the dark book of the
// library, out again), and the castle's services driven directly in this
// process (healing, the library's shelves, chests that stay open).
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <set>
#include <string>

#include "castle_fixture.h"
#include "dat_names.h"
#include "door.h"
#include "harness.h"
#include "play.h"
#include "records.h"
#include "town.h"
#include "town_castle.h"
#include "town_castle_lines.h"
#include "vantor.h"
#include "world.h"

namespace {

std::string walk(const char* key, int steps) { return hold_steps(key, steps, 400); }
// Through a door: the step onto it, then time for the fades.
std::string through(const char* key, int steps) { return walk(key, steps) + "wait 1500ms\n"; }
// Closes `n` text windows one after another.
std::string read(int n)
{
    std::string s;
    for (int i = 0; i < n; i++) s += "wait 400ms\ntap Enter 80\n";
    return s + "wait 400ms\n";
}

// From the new game's start below the bridge to the castle gate: down the road,
// east along it past the village, and round to the gate from the east.
std::string to_the_castle()
{
    return "wait 2s\n" + walk("Down", 7) + walk("Right", 15) + walk("Up", 2) + through("Left", 2) +
           "wait 1500ms\n";
}

// Mean brightness of a 16-bit screenshot's middle, read straight from the BMP.
double brightness(const std::string& path)
{
    std::string b = read_file(path);
    if (b.size() < 54) return -1;
    auto u32 = [&](size_t o) {
        return (unsigned)(unsigned char)b[o] | (unsigned)(unsigned char)b[o + 1] << 8 |
               (unsigned)(unsigned char)b[o + 2] << 16 | (unsigned)(unsigned char)b[o + 3] << 24;
    };
    unsigned off = u32(10), w = u32(18), h = u32(22);
    unsigned bpp = (unsigned char)b[28];
    if (bpp != 24 && bpp != 32) return -1;
    unsigned stride = (w * (bpp / 8) + 3) & ~3u;
    double sum = 0;
    long n = 0;
    for (unsigned y = h / 3; y < h; y++)
        for (unsigned x = 0; x < w; x++) {
            size_t p = off + (size_t)y * stride + (size_t)x * (bpp / 8);
            if (p + 2 >= b.size()) continue;
            sum += (unsigned char)b[p] + (unsigned char)b[p + 1] + (unsigned char)b[p + 2];
            n++;
        }
    return n ? sum / n : -1;
}

TEST(CastlePlay, AVisitUpATowerToTheHealerAndTheDarkBookAndOut)
{
    std::string s = to_the_castle();
    // A word with the guard beside Mike, then back to the middle.
    s += walk("Left", 1) + "tap Enter 80\n" + read(2) + walk("Right", 1);
    // The gate hall, west door, the south-west tower: up three floors to its top.
    s += walk("Up", 2) + through("Left", 6);
    s += walk("Up", 1) + walk("Left", 7) + through("Up", 1);
    s += walk("Right", 4) + through("Up", 3);
    s += walk("Left", 4) + through("Up", 3);
    // The chest at the top, and down again.
    s += walk("Right", 6) + walk("Up", 2) + "tap Enter 80\n" + read(1);
    s += walk("Down", 2) + walk("Left", 6) + through("Down", 1);
    s += walk("Right", 4) + through("Down", 3);
    s += walk("Left", 4) + through("Down", 3);
    s += walk("Right", 7) + walk("Down", 1) + through("Right", 1);
    // North into the gallery, west into the infirmary, to the healer's counter.
    s += walk("Right", 5) + through("Up", 12);
    s += walk("Up", 2) + through("Left", 6);
    s += walk("Left", 5) + walk("Up", 3) + "tap Enter 80\n" + read(2);
    s += walk("Down", 3) + through("Right", 6);
    // Up the gallery to the library's upper door, and to the lone dark case.
    s += walk("Right", 1) + walk("Up", 9) + through("Right", 10);
    s += walk("Up", 9) + walk("Right", 14) + "tap Up 80\nwait 300ms\ntap Enter 80\n" + read(1);
    s += "wait 3s\nshot dim\n" + read(3) + "wait 3s\n" + read(1) + "shot bright\n";
    // Out by the lower door, down the gallery, through the gate hall and out.
    s += walk("Left", 14) + walk("Down", 9) + through("Left", 1);
    s += walk("Left", 5) + through("Down", 12);
    s += through("Down", 15) + "wait 2s\npress Esc\nwait 1s\nend\n";

    GameRun run = run_game(s, {"-nofight:47390"});
    ASSERT_EQ(run.status, 0) << run.output;
    // Back on the world map, one cell east of the gate, with the world's camera and music.
    EXPECT_EQ(run.dump_int("mapnum"), -1);
    EXPECT_EQ(run.dump_int("mx"), 160 - 1648);
    EXPECT_EQ(run.dump_int("my"), 120 - 272);
    EXPECT_EQ(run.dump_int("playing"), MUS_WORLD);
    EXPECT_TRUE(run.heard("midi 90"));
    EXPECT_EQ(run.dump_int("chest4"), -1) << "the chest at the top of the tower";
    EXPECT_TRUE(run.said(gate_guard_west[0][0])) << "the guard, before the council";
    EXPECT_TRUE(run.said("HP Restored!")) << "the healer";
    EXPECT_TRUE(run.said("(...?)")) << "the dark book, read in the dark";
    EXPECT_TRUE(run.said("(...the rest of the pages are torn out...)"));
    EXPECT_TRUE(run.heard("sample 43 vol 255 pan 128 freq 500 loop 1")) << "the dark book's sound";
    double dim = brightness(run.dir + "/shots/dim.bmp"), bright = brightness(run.dir + "/shots/bright.bmp");
    ASSERT_GT(dim, 0);
    EXPECT_LT(dim, bright * 0.7) << "the room darkens while the dark book is read, and lights up again";
}

// A walk through every door of the castle and back, planned on the compiled
// maps: from the gate hall, each door of a room is taken; a room not yet seen
// is explored the same way before Mike comes back through the door he entered
// by, a room already seen is left again at once. Then out through the gate.
// One door that fails to take Mike where the table says sends the rest of the
// walk astray, and he does not end up outside the gate.
struct Tour {
    std::string script;
    int room = 1;
    castle_fixture::Cell at = castle_fixture::cell_of(CASTLE_START_X, CASTLE_START_Y);
    std::set<int> seen{1};
    int doors_taken = 0;
    bool lost = false;

    // Walks to door d of the current room and through it.
    void take(const castle_door* d, castle_fixture::Cell cell)
    {
        std::vector<castle_fixture::Cell> p = castle_fixture::path(room, at, cell);
        if (p.empty()) {
            lost = true;
            return;
        }
        castle_fixture::Cell c = at;
        for (size_t i = 0; i < p.size();) {
            int dx = p[i].first - c.first, dy = p[i].second - c.second;
            size_t n = 0;
            while (i + n < p.size() && p[i + n].first - (n ? p[i + n - 1].first : c.first) == dx &&
                   p[i + n].second - (n ? p[i + n - 1].second : c.second) == dy)
                n++;
            const char* key = dy < 0 ? "Up" : dy > 0 ? "Down" : dx < 0 ? "Left" : "Right";
            script += walk(key, (int)n);
            c = p[i + n - 1];
            i += n;
        }
        script += "wait 1500ms\n";
        doors_taken++;
        if (d->to == CASTLE_OUTSIDE) return;
        int x, y;
        castle_door_target(d, cell.first * 16, &x, &y);
        room = d->to;
        at = castle_fixture::cell_of(x, y);
    }

    // The door beside Mike that leads back into room `to`.
    const castle_door* back_to(int to, castle_fixture::Cell* cell)
    {
        for (castle_fixture::Cell s : castle_fixture::steps) {
            castle_fixture::Cell n{at.first + s.first, at.second + s.second};
            const castle_door* d = castle_fixture::door_at(room, n);
            if (d && d->to == to) {
                *cell = n;
                return d;
            }
        }
        return nullptr;
    }

    void explore(const castle_door* back, castle_fixture::Cell back_cell)
    {
        int here = room;
        for (int i = 0; i < num_castle_doors && !lost; i++) {
            const castle_door* d = &castle_doors[i];
            if (d->room != here || d == back || d->to == CASTLE_OUTSIDE) continue;
            take(d, castle_fixture::cell_of(d->x, d->y));
            castle_fixture::Cell cell;
            const castle_door* r = back_to(here, &cell);
            if (!r) {
                lost = true;
                return;
            }
            if (seen.insert(room).second)
                explore(r, cell);
            else
                take(r, cell);
        }
        if (back && !lost) take(back, back_cell);
    }
};

TEST(CastlePlay, ThroughEveryDoorOfTheCastleAndBack)
{
    Tour t;
    t.explore(nullptr, {0, 0});
    ASSERT_FALSE(t.lost) << "the plan found no way on from room " << t.room;
    EXPECT_EQ((int)t.seen.size(), CASTLE_ROOMS);
    for (int i = 0; i < num_castle_doors; i++)
        if (castle_doors[i].to == CASTLE_OUTSIDE)
            t.take(&castle_doors[i], castle_fixture::cell_of(castle_doors[i].x, castle_doors[i].y));
    ASSERT_FALSE(t.lost);

    GameRun run =
        run_game("wait 2s\n" + walk("Down", 7) + walk("Right", 15) + walk("Up", 2) + through("Left", 2) +
                     "wait 1500ms\n" + t.script + "wait 2s\npress Esc\nwait 1s\nend\n",
                 {"-nofight:47390"});
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(run.dump_int("mapnum"), -1) << "lost in the castle after " << t.doors_taken << " doors";
    EXPECT_EQ(run.dump_int("mx"), 160 - 1648);
    EXPECT_EQ(run.dump_int("my"), 120 - 272);
    EXPECT_GT(t.doors_taken, 2 * (CASTLE_ROOMS - 1));
}

// ---------------------------------------------------------------- in this process

// Puts Mike on a castle room's map at (x, y) facing `face`, as the castle loop would.
void stand_in_room(int room, int x, int y, int face)
{
    open_tilemap(castle_map_file(room));
    g_map_num = castle_map_num(room);
    mike->x = x;
    mike->y = y;
    mike->face = face;
    in_town = TRUE;
}

// A script that holds Enter once at 100 ms and then taps it `n` times for the windows.
std::string enter_then_taps(int n)
{
    std::string s = "wait 100ms\npress Enter\nwait 100ms\nrelease Enter\n";
    for (int i = 0; i < n; i++) s += "wait 300ms\ntap Enter 50\n";
    return s + "wait 30s\nend\n";
}

TEST(CastleServices, TheHealerMendsTheLivingButCannotWakeTheFallen)
{
    headless_game_start(enter_then_taps(4).c_str());
    stand_in_room(CASTLE_HEAL_ROOM, CASTLE_HEAL_X, CASTLE_HEAL_Y, DIR_UP);
    ftmike->in_fight = TRUE;
    ftmike->alive = TRUE;
    ftmike->hp = 1;
    ftmike->mp = 0;
    ftcharlie->in_fight = TRUE;
    ftcharlie->alive = FALSE;
    ftcharlie->hp = 0;
    door_rest(150);
    door_poll_keyboard();
    castle_heal();
    EXPECT_EQ(ftmike->hp, ftmike->hpmax);
    EXPECT_EQ(ftmike->mp, 0) << "the healer mends wounds, not magic";
    EXPECT_EQ(ftcharlie->hp, 0);
    EXPECT_FALSE(ftcharlie->alive);
    ftcharlie->in_fight = FALSE;
}

TEST(CastleServices, AShelfOpensOnlyForMikeFacingUpBelowIt)
{
    headless_game_start(enter_then_taps(3).c_str());
    door_rest(150);
    door_poll_keyboard();
    ASSERT_TRUE(key[KEY_ENTER]);
    // The first history volume, but Mike looks along the shelf: nothing opens.
    stand_in_room(CASTLE_LIBRARY_ROOM, 400, 384, DIR_LEFT);
    long t0 = door_time_ms();
    do_library_books(0);
    EXPECT_EQ(door_time_ms(), t0);
    // One cell off, facing up: nothing either.
    stand_in_room(CASTLE_LIBRARY_ROOM, 400, 400, DIR_UP);
    do_library_books(0);
    EXPECT_EQ(door_time_ms(), t0);
    // Any other library than the castle's does nothing.
    stand_in_room(CASTLE_LIBRARY_ROOM, 400, 384, DIR_UP);
    do_library_books(1);
    EXPECT_EQ(door_time_ms(), t0);
    // Facing up below it: the book's three pages are read, one window each.
    do_library_books(0);
    EXPECT_GE(door_time_ms(), t0 + 3 * 300);
    EXPECT_EQ(screen_light, 255);
}

TEST(CastleServices, TheDarkBookGivesTheLightBack)
{
    headless_game_start(enter_then_taps(5).c_str());
    door_rest(150);
    door_poll_keyboard();
    stand_in_room(CASTLE_LIBRARY_ROOM, 576, 224, DIR_UP);
    // Even a room darkened beforehand (the debug key) is left in full light.
    screen_light = 200;
    long t0 = door_time_ms();
    do_library_books(0);
    EXPECT_EQ(screen_light, 255);
    EXPECT_GE(door_time_ms(), t0 + 5 * 300) << "five windows read";
}

TEST(CastleServices, OpenedTowerChestsAreDrawnOpenOnEveryVisit)
{
    headless_game_start("wait 1s\nend\n");
    for (int i = 0; i < num_castle_chests; i++) {
        const town_chest& c = castle_chests[i];
        chests[c.chest].opened = FALSE;
        open_tilemap(castle_map_file(c.map_num - 10200));
        furnish_map(&castle_plan, c.map_num);
        EXPECT_EQ(get_sprite_number(map, c.layer, c.col, c.row), TILE_CHEST_CLOSED);
        chests[c.chest].opened = -1;
        open_tilemap(castle_map_file(c.map_num - 10200));
        furnish_map(&castle_plan, c.map_num);
        EXPECT_EQ(get_sprite_number(map, c.layer, c.col, c.row), TILE_CHEST_OPEN) << "chest " << c.chest;
        chests[c.chest].opened = FALSE;
    }
}

// The king's council waits in the audience hall: the first time Mike walks in
// with his first spell learned, it is held and the castle is left after it.
// Without the spell he may walk the castle as he likes.
void visit_audience_hall(bool spell_learned)
{
    std::string s = "wait 3s\n" + walk("Up", 14) + "wait 1500ms\n" + walk("Up", 14);
    if (spell_learned) {
        // The council talks: every window answered.
        for (int i = 0; i < 150; i++) s += "wait 500ms\ntap Enter 80\n";
        s += "wait 20s\nend\n";
    } else {
        s += "wait 5s\nhold Down\nwait 12s\nrelease Down\nwait 20s\nend\n";
    }
    headless_game_start(s.c_str());
    open_tilemap("wmap.map");
    g_map_num = -1;
    mike->x = old_mike_x = 1632;
    mike->y = old_mike_y = 272;
    mx = old_mx = -1472;
    my = old_my = -152;
    story_flag[1] = story_flag[2] = FALSE;
    ftmike->actions[0].have = spell_learned ? TRUE : FALSE;
    long t0 = door_time_ms();
    do_lumin_castle();
    EXPECT_EQ(g_map_num, -1);
    EXPECT_EQ(mike->x, 1648) << "back outside the gate";
    // Mike is in the audience hall by 13 s; at 18 s he turns and walks out by the gate.
    if (spell_learned) {
        EXPECT_EQ(story_flag[1], TRUE) << "the council was held";
        EXPECT_LT(door_time_ms() - t0, 120000) << "the castle is left straight after the council";
    } else {
        EXPECT_EQ(story_flag[1], FALSE);
        EXPECT_GT(door_time_ms() - t0, 17000) << "no council without the spell: out by the gate, later";
        EXPECT_EQ(debug_message, nullptr) << "Mike's thought about the spell stays in the hall";
    }
    ftmike->actions[0].have = FALSE;
}

TEST(CastleScenes, TheCouncilIsHeldOnceMikeKnowsHisFirstSpell) { visit_audience_hall(true); }
TEST(CastleScenes, WithoutTheSpellThereIsNoCouncil) { visit_audience_hall(false); }

} // namespace
