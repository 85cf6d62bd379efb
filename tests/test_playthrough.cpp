// The game played as a player would, from the title screen on, in runs
// chained by the save slots: each run starts from the title (a new game, or
// Continue on the slot the last run saved into), plays its chapters of
// tests/playthrough/ and saves, and the next run goes on from there. At every
// milestone the story flags, the party, the gold and the map are checked in
// the dump.
//
// A chapter file is the scripted-run language plus three shorthands that keep
// the walkthrough readable:
//   walk DIR N          N steps in one direction (the arrow held just long enough)
//   repeat N: A; B; ... the commands A, B, ... N times over
//   define NAME: A; B; ...  NAME alone on a later line stands for A; B; ...
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "harness.h"
#include "play.h"
#include "records.h"
#include "vantor.h"

namespace {

const std::string chapters_dir = std::string(VANTOR_SOURCE_DIR) + "/tests/playthrough/";
const std::vector<std::string> no_fights = {"-nofight:47390"};

std::string trim(const std::string& s)
{
    size_t a = s.find_first_not_of(" \t\r"), b = s.find_last_not_of(" \t\r");
    return a == std::string::npos ? "" : s.substr(a, b - a + 1);
}

std::map<std::string, std::string> defined;

std::string expand(const std::string& raw);

std::string expand_parts(const std::string& parts_text)
{
    std::string out;
    std::istringstream parts(parts_text);
    for (std::string part; std::getline(parts, part, ';');) out += expand(part);
    return out;
}

// One line of a chapter in the plain scripted-run language.
std::string expand(const std::string& raw)
{
    std::string line = trim(raw.substr(0, raw.find('#')));
    if (line.empty()) return "";
    if (line.compare(0, 7, "define ") == 0) {
        size_t colon = line.find(':');
        defined[trim(line.substr(7, colon - 7))] = line.substr(colon + 1);
        return "";
    }
    auto d = defined.find(line);
    if (d != defined.end()) return expand_parts(d->second);
    if (line.compare(0, 7, "repeat ") == 0) {
        size_t colon = line.find(':');
        int n = atoi(line.substr(7, colon).c_str());
        std::string once = expand_parts(line.substr(colon + 1)), body;
        for (int i = 0; i < n; i++) body += once;
        return body;
    }
    if (line.compare(0, 5, "walk ") == 0) {
        std::istringstream w(line.substr(5));
        std::string dir;
        int steps = 0;
        w >> dir >> steps;
        return hold_steps(dir, steps, 200);
    }
    return line + "\n";
}

std::string chapter(const std::string& name)
{
    std::ifstream in(chapters_dir + name);
    EXPECT_TRUE(in.good()) << "no chapter " << name;
    std::string out;
    for (std::string line; std::getline(in, line);) out += expand(line);
    return out;
}

std::string chapters(const std::vector<std::string>& names)
{
    std::string s;
    for (const std::string& n : names) s += chapter(n);
    return s + "end\n";
}

// The story flags a milestone expects set; every other of flags 0 to 21 must be clear.
void expect_flags(const GameRun& run, const std::vector<int>& set)
{
    for (int f = 0; f <= 21; f++) {
        bool want = false;
        for (int s : set) want = want || s == f;
        EXPECT_EQ(run.dump_int("sflag" + std::to_string(f)) != 0, want) << "story flag " << f;
    }
}

// The party in the dump: Charlie, Runhon, Elizabeth in the fight or not.
void expect_party(const GameRun& run, bool charlie, bool runhon, bool elizabeth)
{
    EXPECT_EQ(run.dump_int("charlieinfight") != 0, charlie);
    EXPECT_EQ(run.dump_int("runhoninfight") != 0, runhon);
    EXPECT_EQ(run.dump_int("elizinfight") != 0, elizabeth);
}

// The windows of a run contain these texts in this order.
void expect_said_in_order(const GameRun& run, const std::vector<std::string>& texts)
{
    size_t at = 0;
    for (const std::string& t : texts) {
        while (at < run.windows.size() && run.windows[at] != t) at++;
        EXPECT_LT(at, run.windows.size()) << "never said, or said out of order: " << t;
        if (at == run.windows.size()) return;
    }
}

// Where a run that went wrong stood, and what the game last said: what a
// chapter that no longer fits needs to be re-fitted.
std::string where(const GameRun& run)
{
    std::string s = "map " + (run.dump.count("mapnum") ? run.dump.at("mapnum") : "?") + " at (" +
                    (run.dump.count("mikex") ? run.dump.at("mikex") : "?") + ", " +
                    (run.dump.count("mikey") ? run.dump.at("mikey") : "?") + "); last words:\n";
    size_t from = run.windows.size() > 6 ? run.windows.size() - 6 : 0;
    for (size_t i = from; i < run.windows.size(); i++) s += "  " + run.windows[i] + "\n";
    return s + run.output;
}

void report(const char* what, const GameRun& run)
{
    printf("[ playthrough ] %s: %.1f s wall, %d s of play\n", what, run.wall_seconds,
           run.dump_int("time_ms") / 1000);
}

} // namespace

TEST(Playthrough, TheGameFromTheTitleOnThroughItsSaves)
{
    // Run 1: a new game, the bridge, and the fields until Mike has his first spell.
    // Random battles are on: they are the point of it. They are the battles of seed 5.
    GameRun first =
        run_game(chapters({"01_opening.script", "02_to_level_three.script", "quit.script"}), {}, {}, 5, true);
    report("new game to level three", first);
    ASSERT_EQ(first.status, 0) << where(first);
    expect_said_in_order(first, {"Jack: This is not the best time to be daydreaming!",
                                 "Charlie:  ...no, everything_is fine.._let's go",
                                 "Mike learned \xa1"
                                 "Burn!",
                                 "Saved!"});
    std::string slot1 = read_file(first.dir + "/f1.vtr");
    ASSERT_FALSE(slot1.empty()) << "the first slot was saved";
    expect_flags(first, {});
    expect_party(first, true, false, false);
    EXPECT_EQ(first.dump_int("mapnum"), -1);
    EXPECT_EQ(first.dump_int("mikelvl"), 3);
    EXPECT_NE(first.dump_int("mikeaction0"), 0) << "Burn is learned";
    EXPECT_EQ(first.dump_int("ggp"), 240) << "twenty a Drakian pair, and what the fields paid";

    // Run 2: continued from the first slot, with random battles off from here on: the
    // council, the night in the village and Runhon, saved outside Agual.
    GameRun second = run_game(
        chapters({"03_council.script", "04_village_night.script", "05_runhon.script", "quit.script"}),
        no_fights, {{"f1.vtr", slot1}}, 5, true);
    report("council, village night, Runhon", second);
    ASSERT_EQ(second.status, 0) << where(second);
    expect_said_in_order(second,
                         {"HP Restored!", "Merlon:  Ahh our two guests of_honor have arrived.",
                          "King:  I ....don't know.", "Charlie:  I'm heading to the INN.",
                          "Elizabeth:  Mike..help!", "Charlie:  SouthEast to Aqual!", "Runhon Joins!!!",
                          "Runhon:  The Aphondus Woods are west of here.", "Saved!"});
    std::string slot2 = read_file(second.dir + "/f2.vtr");
    ASSERT_FALSE(slot2.empty()) << "the second slot was saved";
    expect_flags(second, {2, 5, 6});
    expect_party(second, true, true, false);
    EXPECT_EQ(second.dump_int("ggp"), 1040) << "the king's 500 gold and the beast's 300";
    EXPECT_GE(second.dump_int("elizmp"), 0)
        << "Elizabeth heals on her own that night, but never on magic she has not got";
    EXPECT_EQ(second.dump_int("mapnum"), -1);
    EXPECT_EQ(second.dump_int("mikex"), 2304) << "outside Agual's west gate";
    EXPECT_EQ(second.dump_int("mikey"), 656);

    // Run 3: continued from the second slot: five Combusters from Agual's shop, then the
    // woods as far as the ring of stones in their last clearing but one, saved there.
    GameRun third =
        run_game(chapters({"06_woods.script", "quit.script"}), no_fights, {{"f2.vtr", slot2}}, 5, true);
    report("Combusters and the woods", third);
    ASSERT_EQ(third.status, 0) << where(third);
    expect_said_in_order(third, {"Hp/Mp Restored!!", "Would you like_to save??", "Saved!"});
    std::string slot3 = read_file(third.dir + "/f3.vtr");
    ASSERT_FALSE(slot3.empty()) << "the third slot was saved";
    expect_flags(third, {2, 5, 6});
    expect_party(third, true, true, false);
    EXPECT_EQ(third.dump_int("ggp"), 40) << "five Combusters at 200 Gold";
    EXPECT_EQ(third.dump_int("item4"), 5);
    EXPECT_EQ(third.dump_int("mapnum"), 15);
    EXPECT_EQ(third.dump_int("mikex"), 320) << "on the save spot";
    EXPECT_EQ(third.dump_int("mikey"), 112);

    // Run 4: a game saved in the woods continues there, on the spot, without its question;
    // up to the dead end, where the Mangler is fought turn by turn; the Drakian camp, the
    // night at the Agual inn and the morning's gathering in Agual's square; the harbour
    // master, the messenger at the west gate, Elizabeth at the castle, the stranger of
    // Mystalia and the traveller who knows the way into the Sand Garden. A town cannot be
    // saved in, so all of it is one run, saved over the third slot outside Mystalia.
    GameRun fourth =
        run_game(chapters({"07_back_in_the_woods.script", "08_the_dead_end.script",
                           "10_harbour_master.script", "11_the_messenger.script", "12_elizabeth.script",
                           "13_mystalia.script", "14_the_way_in.script", "quit.script"}),
                 no_fights, {{"f1.vtr", slot1}, {"f2.vtr", slot2}, {"f3.vtr", slot3}}, 5, true);
    report("the dead end, Agual, Elizabeth and Mystalia", fourth);
    ASSERT_EQ(fourth.status, 0) << where(fourth);
    EXPECT_FALSE(fourth.said("Would you like_to save??")) << "continued on the spot, not stepped onto it";
    expect_said_in_order(
        fourth,
        {"Runhon:  Don't fight him when his back is turned.", "Victory!!!", "Total Gp - 1000",
         "Runhon:  ...Agual.", "For Agual!", "...and for the fish!",
         "Charlie:  Mike... the rain has_stopped.",
         "Harbour Master:  So, Runhon has the_town behind him.  Then Agual gives_its word too.",
         "Mike:  Thank you, sir!", "Messenger:  Mike!!", "Charlie:  This is terrible!", "Elizabeth Joins!!!",
         "Stranger:  ...Visitors.  How rude._Nobody knocks in this town.", "Metalor:  That was a mistake!",
         "Defeated", "Traveller:  Keep your healer behind_you.  And come back and tell me I_made it all up.",
         "File exists, overwrite?", "Saved!"});
    EXPECT_FALSE(fourth.said("Mangler is pissed off!!")) << "nobody struck it while its back was turned";
    ASSERT_FALSE(fourth.turns.empty());
    EXPECT_NE(fourth.turns.front().find("Mangler 1500"), std::string::npos) << fourth.turns.front();
    EXPECT_TRUE(fourth.heard("midi 57")) << "the night's music";
    EXPECT_TRUE(fourth.heard("midi 65")) << "Elizabeth's music";
    std::string slot3_again = read_file(fourth.dir + "/f3.vtr");
    ASSERT_NE(slot3_again, slot3) << "the third slot was saved over";
    expect_flags(fourth, {2, 5, 6, 8, 11, 12, 13, 14, 15, 17, 18});
    expect_party(fourth, true, false, true);
    EXPECT_EQ(fourth.dump_int("ggp"), 940) << "the Mangler's 1000 gold, less a night at the Mystalia inn";
    EXPECT_EQ(fourth.dump_int("mikelvl"), 5);
    EXPECT_NE(fourth.dump_int("mikeaction1"), 0) << "Sand Blast is learned";
    EXPECT_EQ(fourth.dump_int("charlielvl"), 4);
    EXPECT_EQ(fourth.dump_int("elizlvl"), 7);
    EXPECT_NE(fourth.dump_int("elizaction0"), 0) << "Elizabeth's two actions";
    EXPECT_NE(fourth.dump_int("elizaction1"), 0);
    EXPECT_EQ(fourth.dump_int("mapnum"), -1) << "outside Mystalia";
    EXPECT_EQ(fourth.dump_int("mikex"), 1648);
    EXPECT_EQ(fourth.dump_int("mikey"), 1104);

    // Runs 5 to 15: the fields north of Mystalia, with random battles on, until the party
    // is strong enough for the Sand Garden and can pay for its Rock Vests. Every battle is
    // fought through the menus; every six battles the game is saved outside the gate and
    // the next run continues from there. What each part leaves: gold, and Mike's,
    // Charlie's and Elizabeth's levels. A part that no longer fits is played again
    // from the save before it by tools/fit_fields.py.
    const struct {
        int gold, mike, charlie, elizabeth;
    } fields[] = {{1270, 6, 6, 8},    {1610, 8, 7, 9},    {2000, 9, 9, 10},   {2300, 10, 9, 10},
                  {2630, 10, 10, 11}, {3170, 11, 11, 12}, {3520, 11, 11, 12}, {3970, 12, 12, 12},
                  {4510, 13, 12, 13}, {5050, 13, 13, 13}, {5590, 13, 13, 14}};
    std::string slot3_fields = slot3_again;
    double fields_wall = 0;
    for (int part = 1; part <= 11; part++) {
        std::string name = "15_north_fields_" + std::to_string(part) + ".script";
        GameRun run = run_game(chapters({"continue_third_slot.script", name, "quit.script"}), {},
                               {{"f1.vtr", slot1}, {"f2.vtr", slot2}, {"f3.vtr", slot3_fields}}, 5, true);
        fields_wall += run.wall_seconds;
        SCOPED_TRACE(name);
        ASSERT_EQ(run.status, 0) << where(run);
        EXPECT_FALSE(run.said("Defeated"));
        expect_said_in_order(run, {"Victory!!!", "File exists, overwrite?", "Saved!"});
        std::string saved = read_file(run.dir + "/f3.vtr");
        ASSERT_NE(saved, slot3_fields) << "the third slot was saved over";
        slot3_fields = saved;
        const auto& want = fields[part - 1];
        ASSERT_EQ(run.dump_int("ggp"), want.gold) << "the battles no longer go as they were fitted\n"
                                                  << where(run);
        EXPECT_EQ(run.dump_int("mikelvl"), want.mike);
        EXPECT_EQ(run.dump_int("charlielvl"), want.charlie);
        EXPECT_EQ(run.dump_int("elizlvl"), want.elizabeth);
        expect_flags(run, {2, 5, 6, 8, 11, 12, 13, 14, 15, 17, 18});
        expect_party(run, true, false, true);
        EXPECT_EQ(run.dump_int("mapnum"), -1) << "saved out in the fields";
    }
    printf("[ playthrough ] the fields north of Mystalia, 66 battles: %.1f s wall\n", fields_wall);

    // Run 16: from the fields back to the gate; three Rock Vests from Mystalia's attire
    // shop, worn at once; into the Sand Garden for its red herbs, saved on its save spot.
    GameRun garden =
        run_game(chapters({"continue_third_slot.script", "20_gearing_up.script", "21_sand_garden.script",
                           "quit.script"}),
                 no_fights, {{"f1.vtr", slot1}, {"f2.vtr", slot2}, {"f3.vtr", slot3_fields}}, 5, true);
    report("Rock Vests, and into the Sand Garden", garden);
    ASSERT_EQ(garden.status, 0) << where(garden);
    expect_said_in_order(garden,
                         {"Clerk:  Gear up before going into the Sand Garden",
                          "Charlie:  Sand. Rocks. More sand._Elizabeth, are you sure anything_grows here?",
                          "Hp/Mp Restored!!", "Would you like_to save??", "Saved!"});
    std::string slot3_garden = read_file(garden.dir + "/f3.vtr");
    expect_flags(garden, {2, 5, 6, 8, 11, 12, 13, 14, 15, 17, 18, 19});
    expect_party(garden, true, false, true);
    EXPECT_EQ(garden.dump_int("ggp"), 790) << "three Rock Vests at 1600 Gold";
    EXPECT_EQ(garden.dump_int("item17"), 3) << "the Sand Garden's three red herbs";
    EXPECT_EQ(garden.dump_int("mikechararmorid"), 5) << "a Rock Vest each";
    EXPECT_EQ(garden.dump_int("charliechararmorid"), 5);
    EXPECT_EQ(garden.dump_int("elizchararmorid"), 5);
    EXPECT_EQ(garden.dump_int("mapnum"), 29) << "on the Sand Garden's save spot";
    EXPECT_EQ(garden.dump_int("mikex"), 128);
    EXPECT_EQ(garden.dump_int("mikey"), 192);

    // Run 17: continued on the save spot: the plant and its three knights, burnt with the red
    // herbs; the court, the quake, the Mountain and its Rocks; the sunken gate, the last
    // evening, the end note, and the game's end.
    GameRun finale =
        run_game(chapters({"continue_third_slot.script", "22_the_plant.script", "23_the_mountain.script"}),
                 no_fights, {{"f1.vtr", slot1}, {"f2.vtr", slot2}, {"f3.vtr", slot3_garden}}, 5, true);
    report("the plant, the Mountain and the end", finale);
    ASSERT_EQ(finale.status, 0) << "the game ends by itself after the end note\n" << where(finale);
    EXPECT_FALSE(finale.said("Would you like_to save??")) << "continued on the spot, not stepped onto it";
    expect_said_in_order(finale,
                         {"Mike:  (That plant just moved._Plants don't move.)", "Victory!!!",
                          "Elizabeth:  The court, Mike. We_walked right over it.", "Mike:  Get behind me!",
                          "Charlie:  ...I think we made it angry..", "Victory!!!", "Total Exp - 1200",
                          "Mike:  Is... is it over?",
                          "Elizabeth:  Mike... thank you. For_coming, when you didn't have to.",
                          "Just to be funny: I decided to end the demo RIGHT HERE!...the end :)",
                          "Thank you for playing with us!_We hope the sand is out of your_boots by now._"
                          "          - the Vantor team"});
    EXPECT_FALSE(finale.said("Defeated"));
    EXPECT_FALSE(finale.said("Game Over"));
    EXPECT_TRUE(finale.heard("midi 57")) << "the sunken gate's music";
    EXPECT_TRUE(finale.heard("midi 65")) << "the last evening's music";
    expect_flags(finale, {2, 5, 6, 8, 11, 12, 13, 14, 15, 17, 18, 19, 20});
    expect_party(finale, true, false, true);
    EXPECT_EQ(finale.dump_int("mapnum"), 10402) << "the last evening, at the Mystalia inn";
}
