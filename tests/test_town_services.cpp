// The place machinery and the town services inside one process: the inn's
// price and what a night mends, healing, the save spot, the tile animation
// step, who is spoken to, the village's lines by story phase, and rooms that
// give Mike back to the door he used with their chests still open.
#include <gtest/gtest.h>

#include <string>

#include "door.h"
#include "harness.h"
#include "town.h"
#include "vantor.h"
#include "world.h"

namespace {

struct TownServices : ::testing::Test {
    void SetUp() override
    {
        headless_game_start("");
        swind_speed = 5;
        looping = FALSE;
        virtual_screen = FALSE;
        ftchar* h[4] = {ftmike, ftcharlie, ftrunhon, ftelizabeth};
        for (ftchar* f : h) {
            f->in_fight = FALSE;
            f->alive = TRUE;
            f->hpmax = 100;
            f->mpmax = 40;
            f->hp = 50;
            f->mp = 10;
            for (int& s : f->status) s = 0;
        }
        ftmike->in_fight = ftcharlie->in_fight = TRUE;
        for (int& f : story_flag) f = 0;
        current_plan = nullptr;
    }
    void TearDown() override
    {
        door_remove_int(fps_proc);
        destroy_tilemap(map);
        map = nullptr;
    }
    // A script: `n` presses of Enter, each once the window before it has opened.
    static std::string enters(int n)
    {
        std::string s;
        for (int i = 0; i < n; i++) s += "wait 800ms\ntap Enter\n";
        return s + "wait 500ms\nend\n";
    }
    static bool shown(const std::string& text)
    {
        for (int i = 0; i < door_window_count(); i++)
            if (text == door_window_text(i)) return true;
        return false;
    }
};

TEST_F(TownServices, ANightAtTheInnCostsExactlyItsPriceAndMendsEverything)
{
    door_begin_script(enters(1).c_str(), 1);
    g_gp = 24;
    do_overnight(25);
    EXPECT_EQ(g_gp, 24) << "a gold short: nothing changes";
    EXPECT_EQ(ftmike->hp, 50);
    EXPECT_TRUE(shown("Not enough gold!"));

    door_begin_script("end\n", 1);
    g_gp = 25;
    ftcharlie->alive = FALSE;
    ftcharlie->hp = 0;
    ftcharlie->status[ST_POISON] = 1;
    ftmike->status[ST_BLADE_SHINE] = 3;
    do_overnight(25);
    EXPECT_EQ(g_gp, 0) << "exactly the price leaves nothing, and is enough";
    EXPECT_EQ(ftcharlie->alive, TRUE) << "a night revives the fallen";
    EXPECT_EQ(ftcharlie->hp, 100);
    EXPECT_EQ(ftmike->mp, 40);
    EXPECT_EQ(ftcharlie->status[ST_POISON], 0) << "poison too";
    EXPECT_EQ(ftmike->status[ST_BLADE_SHINE], 0);
    EXPECT_EQ(ftrunhon->hp, 50) << "heroes not in the party are not touched";
}

TEST_F(TownServices, CureAllHealsOnlyTheLivingPartyAndNeverPastTheMaximum)
{
    ftcharlie->alive = FALSE;
    ftcharlie->hp = 0;
    cure_all(-1);
    EXPECT_EQ(ftmike->hp, 100);
    EXPECT_EQ(ftmike->mp, 10) << "-1 heals hit points only";
    EXPECT_EQ(ftcharlie->hp, 0) << "the knocked-out stay down";
    ftmike->hp = 1;
    cure_all(-2);
    EXPECT_EQ(ftmike->hp, 100);
    EXPECT_EQ(ftmike->mp, 40);
    ftmike->hp = 90;
    cure_all(20);
    EXPECT_EQ(ftmike->hp, 100);
    ftmike->hp = 10;
    cure_all(20);
    EXPECT_EQ(ftmike->hp, 30);
    EXPECT_EQ(ftrunhon->hp, 50) << "not in the party";
}

TEST_F(TownServices, TheSaveSpotRevivesAndHealsEveryoneEvenWhenNotSaving)
{
    // Past the spiral, "Hp/Mp Restored!!", then "Not really".
    door_begin_script("wait 8s\ntap Enter\nwait 1s\ntap Down\nwait 300ms\ntap Enter\nwait 1s\nend\n", 1);
    ftcharlie->alive = FALSE;
    ftcharlie->hp = 0;
    ftmike->hp = 3;
    ftmike->mp = 0;
    mike->x = mike->y = 32;
    do_save_spot();
    for (ftchar* f : {ftmike, ftcharlie}) {
        EXPECT_EQ(f->alive, TRUE);
        EXPECT_EQ(f->hp, f->hpmax);
        EXPECT_EQ(f->mp, f->mpmax);
    }
    EXPECT_TRUE(shown("Hp/Mp Restored!!"));
    EXPECT_TRUE(shown("Would you like_to save??"));
}

TEST_F(TownServices, TorchesFlickerEveryHalfSecondWhateverTheTimerAndTheGlowSwings)
{
    map = create_tilemap(3, 4, 4, 16, 16);
    num_torchlikes = 1;
    torchlikes[0] = {0, 0, 2, 1};
    min_person = 1;
    num_people = -1;
    save_on = TRUE;
    save_pos = 0;
    save_speed = 1;
    raining = FALSE;

    torchlike_speed = 500;
    tile_change_counter = 0;
    std::vector<int> seen;
    for (int i = 0; i < 4; i++) {
        do_tile_changing();
        seen.push_back(get_sprite_number(map, 1, 2, 1));
    }
    EXPECT_EQ(seen, (std::vector<int>{314, 313, 314, 313})) << "every tick at 500 ms";
    EXPECT_EQ(torchlike_flag, FALSE);

    // A 250 ms timer (the bridge) still changes them every other tick, every 500 ms.
    torchlike_speed = 250;
    tile_change_counter = 0;
    seen.clear();
    for (int i = 0; i < 4; i++) {
        do_tile_changing();
        seen.push_back(get_sprite_number(map, 1, 2, 1));
    }
    EXPECT_EQ(seen, (std::vector<int>{313, 314, 314, 313}));

    // The save-spot glow: 0, 1, 2, 1, 0, 1 ... (it was moved eight times above).
    save_pos = 0;
    save_speed = 1;
    std::vector<int> glow;
    for (int i = 0; i < 6; i++) {
        do_tile_changing();
        glow.push_back(save_pos);
    }
    EXPECT_EQ(glow, (std::vector<int>{1, 2, 1, 0, 1, 2}));
    save_on = FALSE;
    num_torchlikes = -1;
}

TEST_F(TownServices, StandingPeopleTreadAndTheRainSheenShimmers)
{
    map = create_tilemap(3, 4, 4, 16, 16);
    set_sprite_number(map, 2, 1, 1, 137);
    set_sprite_number(map, 2, 2, 2, 138);
    *person[3] = *townsboy_01;
    person[3]->current = person[3]->lta;
    min_person = 1;
    num_people = 3;
    torchlike_speed = 500;
    raining = TRUE;
    do_tile_changing();
    raining = FALSE;
    EXPECT_EQ(person[3]->current, person[3]->ltb);
    EXPECT_EQ(get_sprite_number(map, 2, 1, 1), 138);
    EXPECT_EQ(get_sprite_number(map, 2, 2, 2), 137);
    do_tile_changing();
    EXPECT_EQ(person[3]->current, person[3]->lta);
    num_people = -1;
}

TEST_F(TownServices, TalkFindsWhoMikeFacesAndTheLinesFollowTheStory)
{
    open_tilemap("town01.map");
    g_map_num = 101;
    in_town = TRUE;
    min_person = 1;
    num_people = 9;
    for (int i = 1; i < 30; i++) person[i]->visible = FALSE;
    *person[3] = *townsman_01;
    person[3]->x = 96;
    person[3]->y = 80;
    person[3]->visible = TRUE;
    person[3]->current = person[3]->rta;
    mike->x = 112;
    mike->y = 80;
    mike->face = DIR_LEFT;
    EXPECT_EQ(person_faced(), 3);
    mike->face = DIR_UP;
    EXPECT_EQ(person_faced(), 0) << "nobody above";
    mike->face = DIR_LEFT;

    struct Phase {
        int f1, f2, f14;
        const char* line;
    } phases[] = {
        {0, 0, 0, "Man:  Shouldn't you be getting_to the castle to meet_the king?"},
        {-1, -1, 0, "Man:  Good luck in Agual, Mike!"},
        {0, -1, -1, "Man:  How could this happen.."},
    };
    for (const Phase& p : phases) {
        door_begin_script(enters(1).c_str(), 1);
        story_flag[1] = p.f1;
        story_flag[2] = p.f2;
        story_flag[14] = p.f14;
        look_when_talked_to = FALSE;
        do_town_talk();
        EXPECT_TRUE(shown(p.line)) << p.line;
        EXPECT_EQ(door_window_count(), 1);
        EXPECT_EQ(person[3]->current, person[3]->rta) << "he keeps his frame";
    }
    // Turned to face Mike while spoken to, and back afterwards.
    door_begin_script(enters(1).c_str(), 1);
    look_when_talked_to = TRUE;
    do_town_talk();
    look_when_talked_to = FALSE;
    EXPECT_EQ(person[3]->current, person[3]->rta);
    in_town = FALSE;
    num_people = -1;
}

TEST_F(TownServices, TheGuardsMagicQuestionDependsOnMikesLevel)
{
    open_tilemap("town01.map");
    g_map_num = 101;
    story_flag[14] = TRUE;
    ftmike->level = 2;
    door_begin_script(enters(2).c_str(), 1);
    village_talk(1);
    EXPECT_TRUE(shown("Mike:  No, not yet"));
    ftmike->level = 3;
    door_begin_script(enters(6).c_str(), 1);
    village_talk(1);
    EXPECT_TRUE(shown("Mike:  Yes, I have"));
    EXPECT_TRUE(shown("Mike: Thank you for your help"));
    std::string advice = door_window_text(door_window_count() - 2);
    EXPECT_NE(advice.find("he will absorb it instead!"), std::string::npos) << advice;
}

TEST_F(TownServices, ATwoDoorRoomGivesMikeBackToTheDoorHeUsedWithItsChestStillOpen)
{
    door_begin_script("end\n", 1);
    current_plan = &village_plan;
    open_place_map(village_plan.file, 101);
    const town_room* miller = room_at_door(&village_plan, 448, 176);
    ASSERT_NE(miller, nullptr);
    EXPECT_EQ(miller, room_at_door(&village_plan, 368, 176)) << "both doors lead into the miller's house";
    EXPECT_EQ(room_at_door(&village_plan, 464, 176), nullptr);

    mx = -123;
    my = -45;
    chests[1].opened = -1;
    enter_room(&village_plan, miller, 448, 176);
    EXPECT_EQ(g_map_num, 10108);
    EXPECT_EQ(mike->x, 240);
    EXPECT_EQ(mike->y, 272);
    EXPECT_EQ(get_sprite_number(map, 1, 20, 11), 216) << "an opened chest is drawn open again";
    EXPECT_EQ(person[10]->visible, TRUE) << "the miller is at home";
    EXPECT_EQ(town_walk, FALSE);

    leave_room(&village_plan);
    EXPECT_EQ(g_map_num, 101);
    EXPECT_EQ(mike->x, 448) << "out of the east door, the one he came in by";
    EXPECT_EQ(mike->y, 192);
    EXPECT_EQ(mx, -123);
    EXPECT_EQ(my, -45);
    EXPECT_EQ(person[10]->visible, FALSE);
    chests[1].opened = FALSE;
    current_plan = nullptr;
}

} // namespace

namespace {

// A game saved at a save spot inside a town comes back on the world map outside the
// town's entrance, not at the room's coordinates taken as a world position.
TEST(TownResume, AGameSavedInATownResumesOutsideItsEntrance)
{
    std::string dump = make_temp_dir() + "/dump.txt";
    setenv("VANTOR_DUMP", dump.c_str(), 1);
    EXPECT_EXIT(
        {
            headless_game_start("wait 1500ms\npress Esc\nwait 500ms\nend\n");
            door_set_dump_writer(write_state_dump);
            g_map_num = 10105;
            mike->x = 480;
            mike->y = 528;
            old_mike_x = 1632;
            old_mike_y = 288;
            old_mx = -1472;
            old_my = -168;
            world_map();
        },
        ::testing::ExitedWithCode(0), "");
    unsetenv("VANTOR_DUMP");
    std::string d = read_file(dump);
    EXPECT_NE(d.find("\nmapnum -1\n"), std::string::npos);
    EXPECT_NE(d.find("\nmikex 1632\n"), std::string::npos) << d.substr(0, 400);
    EXPECT_NE(d.find("\nmikey 304\n"), std::string::npos);
    EXPECT_NE(d.find("\nmy -184\n"), std::string::npos) << "the camera moved with him";
}

} // namespace
