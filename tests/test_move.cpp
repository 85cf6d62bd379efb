// Walking on a field map: Mike's steps with their edge, people and tile tests,
// the camera that follows him, scripted actors and the camera effects. Each
// test lays out a small map of its own in memory.
#include <gtest/gtest.h>

#include "dat_names.h"
#include "harness.h"
#include "records.h"
#include "vantor.h"
#include "world.h"

namespace {

// Tile numbers as the collision sets see them.
const int GRASS = 1;        // open ground in the village and on the world map
const int WALL = 10;        // solid in the village, Agual and Mystalia
const int MOUNTAIN = 375;   // solid on the world map
const int FOREST = 360;     // forest on the world map
const int WOODS_DOOR = 357; // forest too

struct Field : ::testing::Test {
    void SetUp() override
    {
        headless_game_start();
        destroy_tilemap(map);
        map = create_tilemap(2, 40, 30, 16, 16);
        ASSERT_NE(map, nullptr);
        for (int y = 0; y < 30; y++)
            for (int x = 0; x < 40; x++) set_sprite_number(map, 0, x, y, GRASS);
        g_map_num = 101;
        put_mike(160, 160);
        mx = my = 0;
        moving_restricted = FALSE;
        bound_check = TRUE;
        in_town = FALSE;
        town_walk = FALSE;
        town_timer_flag = FALSE;
        num_people = -1;
        min_person = 1;
        do_battle_test = FALSE;
        looping = FALSE; // every update_screen is then exactly one drawn frame
        virtual_screen = TRUE;
        mike->halved = FALSE;
        for (ftchar* f : {ftmike, ftcharlie, ftrunhon, ftelizabeth}) f->status[ST_POISON] = 0;
    }
    void TearDown() override
    {
        for (int i = 0; i < 30; i++)
            if (person[i]) person[i]->visible = FALSE;
    }
    static void put_mike(int x, int y)
    {
        mike->x = x;
        mike->y = y;
    }
    // Frames drawn by a call: update_screen counts one logic cycle per call.
    template <typename F>
    static int frames_of(F f)
    {
        int before = fpscounter;
        f();
        return fpscounter - before;
    }
};

TEST_F(Field, StepWalksOneTileInSixteenPixelsAndArmsTheBattleRoll)
{
    struct {
        int speed, frames;
    } cases[] = {{1, 16}, {2, 8}, {4, 4}, {16, 1}};
    for (auto c : cases) {
        put_mike(160, 160);
        do_battle_test = FALSE;
        EXPECT_EQ(frames_of([&] { move_mike(DIR_DOWN, c.speed); }), c.frames) << "speed " << c.speed;
        EXPECT_EQ(mike->y, 176);
        EXPECT_EQ(mike->x, 160);
        EXPECT_EQ(mike->face, DIR_DOWN);
        EXPECT_EQ(mike->current, chr_sprite(ACT_MIKE_DN_A)) << "a finished step ends on the standing frame";
        EXPECT_TRUE(do_battle_test);
    }
    // A speed that does not divide a tile still ends the step on the grid.
    put_mike(160, 160);
    move_mike(DIR_RIGHT, 3);
    EXPECT_EQ(mike->x, 176);
    put_mike(160, 160);
    move_mike(DIR_LEFT, 0);
    EXPECT_EQ(mike->x, 144);
}

TEST_F(Field, RefusedStepOnlyTurnsMike)
{
    set_sprite_number(map, 0, 11, 10, WALL);
    mike->face = DIR_DOWN;
    EXPECT_EQ(frames_of([] { move_mike(DIR_RIGHT, 1); }), 0) << "nothing is drawn for a refused step";
    EXPECT_EQ(mike->x, 160);
    EXPECT_EQ(mike->face, DIR_RIGHT);
    EXPECT_EQ(mike->current, chr_sprite(ACT_MIKE_RT_A));
    EXPECT_FALSE(do_battle_test);

    // The same wall in the people test: a visible townsperson blocks only in town.
    character* p = person[1];
    ASSERT_NE(p, nullptr);
    p->x = 144;
    p->y = 160;
    p->visible = TRUE;
    p->can_move = FALSE;
    num_people = 1;
    in_town = TRUE;
    move_mike(DIR_LEFT, 4);
    EXPECT_EQ(mike->x, 160);
    EXPECT_EQ(mike->face, DIR_LEFT);
    p->visible = FALSE;
    move_mike(DIR_LEFT, 4);
    EXPECT_EQ(mike->x, 144);
}

TEST_F(Field, TownspersonWalkingOntoTheCellAheadBlocks)
{
    character* p = person[2];
    ASSERT_NE(p, nullptr);
    in_town = TRUE;
    town_walk = TRUE;
    town_timer_flag = TRUE;
    num_people = 2;
    // Half-way from (192, 144) down to (192, 160), the cell right of Mike.
    town_counter = 8;
    p->x = 192;
    p->y = 152;
    p->xspeed = 0;
    p->yspeed = 1;
    p->visible = TRUE;
    p->can_move = TRUE;
    put_mike(176, 160);
    move_mike(DIR_RIGHT, 4);
    EXPECT_EQ(mike->x, 176);
    town_timer_flag = FALSE;
    town_walk = FALSE;
    in_town = FALSE;
}

TEST_F(Field, MapEdgesOpenWhereTheMapsAreLeft)
{
    struct {
        int map_num, x, y, dir;
        bool moves;
    } cases[] = {
        {101, 0, 0, DIR_UP, false},       {101, 0, 0, DIR_LEFT, false},     {101, 624, 464, DIR_RIGHT, false},
        {101, 624, 464, DIR_DOWN, true}, // towns and rooms are left through the bottom
        {103, 624, 464, DIR_DOWN, false}, {103, 0, 160, DIR_LEFT, true},    {103, 160, 0, DIR_UP, false},
        {104, 160, 0, DIR_UP, true},      {104, 160, 464, DIR_DOWN, false}, {104, 0, 160, DIR_LEFT, false},
    };
    for (auto c : cases) {
        g_map_num = c.map_num;
        put_mike(c.x, c.y);
        move_mike(c.dir, 4);
        bool moved = mike->x != c.x || mike->y != c.y;
        EXPECT_EQ(moved, c.moves) << "map " << c.map_num << " from (" << c.x << "," << c.y << ") dir "
                                  << c.dir;
    }
    // The areas switch the edge test off: every edge lets Mike through.
    bound_check = FALSE;
    g_map_num = 101;
    for (int dir : {DIR_UP, DIR_LEFT}) {
        put_mike(0, 0);
        move_mike(dir, 4);
        EXPECT_TRUE(mike->x < 0 || mike->y < 0) << "dir " << dir;
    }
    put_mike(624, 464);
    move_mike(DIR_RIGHT, 4);
    EXPECT_EQ(mike->x, 640);
}

TEST_F(Field, LayerOneBridgePiecesOpenSolidGround)
{
    set_sprite_number(map, 0, 10, 11, WALL);
    for (int piece = TILE_BRIDGE_DECK_V; piece <= TILE_STONE_BRIDGE_H; piece++) {
        set_sprite_number(map, 1, 10, 11, piece);
        put_mike(160, 160);
        move_mike(DIR_DOWN, 4);
        EXPECT_EQ(mike->y, 176) << "piece " << piece;
    }
    set_sprite_number(map, 1, 10, 11, TILE_BRIDGE_DECK_V - 1);
    put_mike(160, 160);
    move_mike(DIR_DOWN, 4);
    EXPECT_EQ(mike->y, 160);
    // A solid layer-1 tile blocks open ground.
    set_sprite_number(map, 0, 10, 11, GRASS);
    set_sprite_number(map, 1, 10, 11, WALL);
    move_mike(DIR_DOWN, 4);
    EXPECT_EQ(mike->y, 160);
}

TEST_F(Field, ForestHalvesMikeOnTheWorldMapFromEitherLayer)
{
    g_map_num = -1;
    set_sprite_number(map, 0, 11, 10, FOREST);
    set_sprite_number(map, 1, 12, 10, WOODS_DOOR); // forest drawn over grass
    set_sprite_number(map, 0, 13, 9, MOUNTAIN);
    move_mike(DIR_RIGHT, 4);
    EXPECT_TRUE(mike->halved) << "layer-0 forest";
    move_mike(DIR_RIGHT, 4);
    EXPECT_TRUE(mike->halved) << "layer-1 forest over grass";
    move_mike(DIR_UP, 4); // open grass above
    EXPECT_FALSE(mike->halved);
    move_mike(DIR_DOWN, 4);
    EXPECT_TRUE(mike->halved);
    // Refused by a solid layer-1 tile over open ground: he stays in the trees, and stays hidden.
    set_sprite_number(map, 0, 13, 10, GRASS);
    set_sprite_number(map, 1, 13, 10, MOUNTAIN);
    move_mike(DIR_RIGHT, 4);
    EXPECT_EQ(mike->x, 192);
    EXPECT_TRUE(mike->halved);
    // Any other map clears it on the first test.
    g_map_num = 101;
    move_mike(DIR_DOWN, 4);
    EXPECT_FALSE(mike->halved);
}

TEST_F(Field, MovingRestrictedFreezesMike)
{
    moving_restricted = TRUE;
    for (int dir : {DIR_UP, DIR_DOWN, DIR_LEFT, DIR_RIGHT}) {
        move_mike(dir, 4);
        EXPECT_EQ(mike->x, 160);
        EXPECT_EQ(mike->y, 160);
        EXPECT_EQ(mike->face, dir);
    }
    EXPECT_FALSE(do_battle_test);
    EXPECT_TRUE(object_collision(-1, -1, 0));
    EXPECT_TRUE(object_collision(999, GRASS, 1));
}

TEST_F(Field, CameraFollowsMikeAndStopsAtTheMapEdges)
{
    put_mike(0, 0);
    int min_mx = 320 - 16 * 40, min_my = 240 - 16 * 30;
    for (int i = 0; i < 39; i++) {
        move_mike(DIR_RIGHT, 2);
        if (i == 19) {
            EXPECT_EQ(mike->x + mx, 160) << "mid-map Mike stays in the middle of the screen";
        }
        EXPECT_GE(mx, min_mx);
    }
    EXPECT_EQ(mike->x, 624);
    EXPECT_EQ(mx, min_mx) << "the camera stops at the right edge";
    for (int i = 0; i < 29; i++) move_mike(DIR_DOWN, 4);
    EXPECT_EQ(my, min_my);
    for (int i = 0; i < 39; i++) move_mike(DIR_LEFT, 1);
    EXPECT_EQ(mx, 0);
    for (int i = 0; i < 29; i++) {
        move_mike(DIR_UP, 4);
        if (i == 14) {
            EXPECT_EQ(mike->y + my, 120);
        }
    }
    EXPECT_EQ(my, 0);
    EXPECT_EQ(mike->y, 0);
}

TEST_F(Field, PoisonOnTheRoadNeverKnocksAnyoneOut)
{
    ftmike->alive = TRUE;
    ftmike->hp = 3;
    ftmike->status[ST_POISON] = 1;
    ftcharlie->in_fight = TRUE;
    ftcharlie->alive = FALSE;
    ftcharlie->hp = 0;
    ftcharlie->status[ST_POISON] = 1;
    for (int i = 0; i < 5; i++) move_mike(i % 2 ? DIR_UP : DIR_DOWN, 4);
    EXPECT_EQ(ftmike->hp, 1);
    EXPECT_EQ(ftmike->status[ST_POISON], 1);
    EXPECT_EQ(ftcharlie->status[ST_POISON], 0) << "a knocked-out member loses the poison";
    EXPECT_EQ(ftcharlie->hp, 0);
    // A refused step is no step: no poison.
    ftmike->hp = 5;
    set_sprite_number(map, 0, 10, 11, WALL);
    put_mike(160, 160);
    move_mike(DIR_DOWN, 4);
    EXPECT_EQ(ftmike->hp, 5);
    ftcharlie->alive = TRUE;
    ftcharlie->hp = ftcharlie->hpmax;
}

TEST_F(Field, ScriptedActorsWalkWithoutTurning)
{
    character* c = person[3];
    ASSERT_NE(c, nullptr);
    c->x = 0;
    c->y = 0;
    c->face = DIR_DOWN;
    move_character(c, DIR_LEFT, 4); // at the edge: nothing at all
    move_character(c, DIR_UP, 4);
    EXPECT_EQ(c->x, 0);
    EXPECT_EQ(c->y, 0);
    set_sprite_number(map, 0, 1, 0, WALL);
    EXPECT_EQ(frames_of([&] { move_character(c, DIR_RIGHT, 2); }), 8);
    EXPECT_EQ(c->x, 16) << "scripted actors walk through walls";
    EXPECT_EQ(c->current, c->rta);
    EXPECT_EQ(c->face, DIR_DOWN);
    c->x = 624;
    move_character(c, DIR_RIGHT, 2);
    EXPECT_EQ(c->x, 624);

    character* d = person[4];
    ASSERT_NE(d, nullptr);
    c->x = 100, c->y = 100, d->x = 200, d->y = 200;
    EXPECT_EQ(frames_of([&] { move_character_2(c, d, DIR_UP, DIR_RIGHT, 4); }), 4);
    EXPECT_EQ(c->y, 84);
    EXPECT_EQ(d->x, 216);
    move_character_2(c, d, 0, DIR_DOWN, 4);
    EXPECT_EQ(c->y, 84) << "an unknown direction leaves the actor where it is";
    EXPECT_EQ(d->y, 216);
}

TEST_F(Field, CameraEffectsComeBackToWhereTheyStarted)
{
    mike->y = 160;
    EXPECT_EQ(frames_of([] { jump_character(mike); }), 8);
    EXPECT_EQ(mike->y, 160);

    mx = -40, my = -24;
    EXPECT_EQ(frames_of([] { quake_map(0); }), 0);
    EXPECT_EQ(mx, -40);
    EXPECT_EQ(my, -24);
    quake_map(30);
    EXPECT_EQ(mx, -40);
    EXPECT_EQ(my, -24);

    // Horizontal first, then vertical: the pan takes the two distances one after the other.
    mx = 0, my = 0;
    int frames = frames_of([] { map_scroll_to(-32, -16, 2); });
    EXPECT_EQ(mx, -32);
    EXPECT_EQ(my, -16);
    EXPECT_EQ(frames, 16 + 8);
    // A target off the speed's grid still ends the pan.
    map_scroll_to(-3, 5, 4);
    EXPECT_EQ(mx, -3);
    EXPECT_EQ(my, 5);
}

TEST_F(Field, ScrollAtAnImpossibleSpeedIsFatal)
{
    EXPECT_EXIT(map_scroll_to(0, 0, 0), ::testing::ExitedWithCode(1), "stupid");
    EXPECT_EXIT(map_scroll_to(0, 0, 11), ::testing::ExitedWithCode(1), "stupid");
}

} // namespace
