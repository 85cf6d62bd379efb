// The companions' trail: who walks behind Mike, onto which cell, facing
// which way; gathered on a new map; never in Mike's way; left alone while a
// scene moves them; and gone once they leave the party. A scripted run walks
// the real game into the village with Charlie behind.
#include <gtest/gtest.h>

#include "dat_names.h"
#include "follow.h"
#include "harness.h"
#include "play.h"
#include "records.h"
#include "story.h"
#include "vantor.h"
#include "world.h"

namespace {

const int GRASS = 1;    // open ground in the village and on the world map
const int WALL = 10;    // solid in the village
const int FOREST = 360; // forest on the world map

struct Trail : ::testing::Test {
    void SetUp() override
    {
        headless_game_start();
        destroy_tilemap(map);
        map = create_tilemap(2, 40, 30, 16, 16);
        ASSERT_NE(map, nullptr);
        for (int y = 0; y < 30; y++)
            for (int x = 0; x < 40; x++) set_sprite_number(map, 0, x, y, GRASS);
        g_map_num = 101;
        for (int& f : story_flag) f = FALSE;
        mike->x = mike->y = 160;
        mike->face = DIR_DOWN;
        mike->visible = TRUE;
        mike->halved = FALSE;
        mx = my = 0;
        moving_restricted = FALSE;
        bound_check = TRUE;
        in_town = town_walk = FALSE;
        num_people = -1;
        looping = FALSE;
        virtual_screen = TRUE;
        ftcharlie->in_fight = TRUE;
        ftrunhon->in_fight = TRUE;
        ftelizabeth->in_fight = FALSE;
        for (ftchar* f : {ftmike, ftcharlie, ftrunhon, ftelizabeth}) f->status[ST_POISON] = 0;
        follow_gather();
    }
    static void walk(int direction, int steps = 1)
    {
        for (int i = 0; i < steps; i++) move_mike(direction, 1);
    }
    static void expect_at(const character* c, int x, int y, const char* who)
    {
        EXPECT_EQ(c->x, x) << who;
        EXPECT_EQ(c->y, y) << who;
    }
};

TEST_F(Trail, EachFollowerTakesTheCellTheOneAheadLeftFacingItsWay)
{
    ASSERT_EQ(follow_count(), 2);
    EXPECT_EQ(follower(0), charlie);
    EXPECT_EQ(follower(1), runhon);
    // Gathered: both on Mike's cell, out of sight behind him.
    expect_at(charlie, 160, 160, "charlie gathered");
    EXPECT_EQ(charlie->visible, FALSE);
    EXPECT_EQ(runhon->visible, FALSE);

    walk(DIR_RIGHT);
    expect_at(mike, 176, 160, "mike");
    expect_at(charlie, 160, 160, "charlie stays on the cell Mike left");
    EXPECT_EQ(charlie->visible, TRUE) << "and now shows";
    EXPECT_EQ(runhon->visible, FALSE) << "Runhon is still behind Charlie";

    walk(DIR_RIGHT);
    walk(DIR_DOWN);
    expect_at(mike, 192, 176, "mike");
    expect_at(charlie, 192, 160, "charlie");
    expect_at(runhon, 176, 160, "runhon");
    EXPECT_EQ(charlie->face, DIR_RIGHT);
    EXPECT_EQ(runhon->face, DIR_RIGHT);
    EXPECT_EQ(runhon->visible, TRUE);
    EXPECT_EQ(charlie->current, charlie->rta) << "standing once the step is done";

    walk(DIR_DOWN);
    expect_at(charlie, 192, 176, "charlie");
    expect_at(runhon, 192, 160, "runhon");
    EXPECT_EQ(charlie->face, DIR_DOWN);

    // Half-way through a step a follower shows its stride.
    follow_step_begin();
    follow_sub_step(8, true);
    EXPECT_EQ(charlie->current, charlie->dnb);
    EXPECT_EQ(runhon->current, runhon->dnb);
    EXPECT_EQ(charlie->y, 184);
    follow_sub_step(8, false);
    follow_step_end();
    expect_at(charlie, 192, 192, "charlie");
}

TEST_F(Trail, FollowersNeverChangeMikesWalkNorTheCamera)
{
    // The same walk, alone and with the party, ends in the same place and view.
    auto route = [] {
        walk(DIR_RIGHT, 3);
        walk(DIR_LEFT, 2); // straight back through Charlie and Runhon
        walk(DIR_UP, 2);
        walk(DIR_DOWN, 1); // onto Charlie's cell
    };
    ftcharlie->in_fight = ftrunhon->in_fight = FALSE;
    follow_gather();
    int before = fpscounter;
    route();
    int frames_alone = fpscounter - before;
    int alone[4] = {mike->x, mike->y, mx, my};

    ftcharlie->in_fight = ftrunhon->in_fight = TRUE;
    mike->x = mike->y = 160;
    mx = my = 0;
    follow_gather();
    before = fpscounter;
    route();
    EXPECT_EQ(fpscounter - before, frames_alone) << "no step refused or slowed";
    EXPECT_EQ(mike->x, alone[0]);
    EXPECT_EQ(mike->y, alone[1]);
    EXPECT_EQ(mx, alone[2]);
    EXPECT_EQ(my, alone[3]);

    // In a corridor one cell wide Mike turns round and walks straight through them.
    for (int y = 0; y < 30; y++)
        for (int x = 0; x < 40; x++) set_sprite_number(map, 0, x, y, y == 10 ? GRASS : WALL);
    mike->x = 160;
    mike->y = 160;
    follow_gather();
    walk(DIR_RIGHT, 3);
    walk(DIR_LEFT, 3);
    expect_at(mike, 160, 160, "mike back where he started");
    expect_at(charlie, 176, 160, "charlie turned round behind him");
    EXPECT_EQ(charlie->face, DIR_LEFT);
}

TEST_F(Trail, ANewMapGathersThemOnMike)
{
    walk(DIR_RIGHT, 3);
    ASSERT_NE(charlie->x, mike->x);
    open_tilemap("town01~5.map");
    g_map_num = 10105;
    mike->x = 544;
    mike->y = 384;
    mike->face = DIR_UP;
    follow_sync();
    for (character* c : {charlie, runhon}) {
        expect_at(c, 544, 384, "on Mike's cell");
        EXPECT_EQ(c->visible, FALSE);
        EXPECT_EQ(c->face, DIR_UP);
    }
    // Mike put somewhere else without a new map (a scene's jump): they catch up.
    mike->x += 160;
    follow_sync();
    expect_at(charlie, mike->x, mike->y, "charlie caught up");
    expect_at(runhon, mike->x, mike->y, "runhon caught up");
}

TEST_F(Trail, OnTheWorldMapTheyHideInTheTreesAsMikeDoes)
{
    g_map_num = -1;
    for (int x = 12; x < 20; x++) set_sprite_number(map, 0, x, 10, FOREST);
    follow_gather();
    walk(DIR_RIGHT, 4); // 160 -> 224, the forest begins at 192
    EXPECT_EQ(mike->halved, TRUE);
    expect_at(charlie, 208, 160, "charlie");
    EXPECT_EQ(charlie->halved, TRUE);
    expect_at(runhon, 192, 160, "runhon");
    EXPECT_EQ(runhon->halved, TRUE);
    walk(DIR_UP, 2);
    EXPECT_EQ(charlie->halved, FALSE) << "out in the open again";
}

TEST_F(Trail, AScenesMovesAreItsOwnAndTheTrailGoesOnFromThere)
{
    walk(DIR_RIGHT, 2);
    {
        follow_scene scene;
        // Mike walks in the scene; the trail does not move them.
        move_mike(DIR_DOWN, 1);
        expect_at(charlie, 176, 160, "charlie left alone");
        expect_at(runhon, 160, 160, "runhon left alone");
        // The scene puts Charlie beside Mike and hides Runhon.
        charlie->x = mike->x - 16;
        charlie->y = mike->y;
        charlie->visible = TRUE;
        runhon->visible = FALSE;
    }
    expect_at(charlie, 176, 176, "charlie stays where the scene left him");
    EXPECT_EQ(charlie->visible, TRUE);
    expect_at(runhon, 176, 176, "runhon gathers behind Charlie");
    EXPECT_EQ(runhon->visible, FALSE);
    walk(DIR_RIGHT);
    expect_at(charlie, 192, 176, "the trail goes on");
    expect_at(runhon, 176, 176, "runhon");
    EXPECT_EQ(runhon->visible, TRUE);
}

TEST_F(Trail, WhoLeavesThePartyStopsFollowingAndWhoJoinsFallsIn)
{
    walk(DIR_RIGHT, 3);
    ftrunhon->in_fight = FALSE; // he stays with Agual
    walk(DIR_RIGHT);
    EXPECT_EQ(follow_count(), 1);
    EXPECT_EQ(runhon->visible, FALSE);
    int rx = runhon->x;
    walk(DIR_RIGHT);
    EXPECT_EQ(runhon->x, rx) << "he no longer walks";

    ftelizabeth->in_fight = TRUE;
    follow_sync();
    EXPECT_EQ(follower(1), elizabeth);
    expect_at(elizabeth, charlie->x, charlie->y, "she falls in behind Charlie");
    walk(DIR_RIGHT);
    EXPECT_EQ(elizabeth->visible, TRUE);
    EXPECT_EQ(elizabeth->x, charlie->x - 16);
}

TEST_F(Trail, CharlieWaitsAtTheInnUntilTheNightIsOver)
{
    story_flag[SF_COUNCIL_HEARD] = TRUE;
    follow_sync();
    EXPECT_EQ(follow_count(), 1);
    EXPECT_EQ(follower(0), runhon) << "in the village only the others follow";
    walk(DIR_RIGHT, 2);
    EXPECT_EQ(charlie->visible, FALSE);
    g_map_num = -1; // out on the world map he walks with Mike
    follow_sync();
    EXPECT_EQ(follower(0), charlie);
    g_map_num = 101;
    story_flag[SF_NIGHT_PASSED] = TRUE;
    follow_sync();
    EXPECT_EQ(follower(0), charlie);
}

// The real game: into the village from the world map with Charlie behind.
TEST(TrailPlay, CharlieWalksBehindMikeAndGathersAtTheGate)
{
    std::string script = "wait 2s\n" + hold_steps("Down", 3) + hold_steps("Right", 2) + "shot world_trail\n";
    GameRun out = run_game(script + "press Esc\nwait 1s\nend\n", {"-nofight:47390"});
    ASSERT_EQ(out.status, 0) << out.output;
    EXPECT_EQ(out.dump_int("mikex"), WORLD_START_X + 32);
    EXPECT_EQ(out.dump_int("followcharliex"), WORLD_START_X + 16);
    EXPECT_EQ(out.dump_int("followcharliey"), WORLD_START_Y + 48);
    EXPECT_EQ(out.dump_int("followcharlievisible"), TRUE);

    // Through the village gate: the first frame inside has him on Mike's cell.
    script =
        "wait 2s\n" + hold_steps("Down", 7) + hold_steps("Right", 12) + hold_steps("Up", 1) + "wait 2500ms\n";
    GameRun in = run_game(script + "press Esc\nwait 1s\nend\n", {"-nofight:47390"});
    ASSERT_EQ(in.status, 0) << in.output;
    EXPECT_EQ(in.dump_int("mapnum"), 101);
    EXPECT_EQ(in.dump_int("followcharliex"), in.dump_int("mikex"));
    EXPECT_EQ(in.dump_int("followcharliey"), in.dump_int("mikey"));
    EXPECT_EQ(in.dump_int("followcharlievisible"), FALSE);
}

} // namespace
