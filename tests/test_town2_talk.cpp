// What the people of Agual and Mystalia say, and Agual's weather: every
// townsperson has words for every turn of the story he is there for, every
// window fits, and the conversations that move the story move it once.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "harness.h"
#include "play.h"
#include "records.h"
#include "town.h"
#include "town2.h"
#include "town2_lines.h"
#include "vantor.h"

namespace {

// The turns of the story each town's people live through, with the flags that make them.
struct Phase {
    int bit;
    std::vector<int> flags;
};
// clang-format off
const std::vector<Phase> agual_phases = {
    {AG_SEEKING, {2}}, {AG_WITH_RUNHON, {2, 5}}, {AG_RALLIED, {2, 5, 8, 11}},
    {AG_READY, {2, 5, 8, 11, 13}}, {AG_AFTER_NEWS, {2, 5, 8, 11, 13, 14}},
};
// clang-format on
const std::vector<Phase> mystalia_phases = {{MY_UNEASY, {}}, {MY_QUIET, {17}}, {MY_TOLD, {17, 18}}};

void set_flags(const std::vector<int>& on)
{
    for (int& f : story_flag) f = FALSE;
    for (int f : on) story_flag[f] = TRUE;
}

bool present(const town_person& p)
{
    return (p.need_flag < 0 || story_flag[p.need_flag]) && (p.gone_flag < 0 || !story_flag[p.gone_flag]);
}

// Clerks and innkeepers stand behind their counters and are served across them.
bool behind_a_counter(const town_plan& plan, const town_person& p)
{
    for (int i = 0; i < plan.counter_count; i++) {
        const counter_spot& c = plan.counters[i];
        if (c.map_num == p.map_num && c.x == p.x && c.y == p.y + 32) return true;
    }
    return false;
}

struct TownTalk : ::testing::Test {
    static void SetUpTestSuite() { headless_game_start(); }
};

TEST_F(TownTalk, EveryoneHasSomethingToSayWheneverHeIsThere)
{
    // The maps the people of these towns talk on; the rest are shops and the stranger's house.
    const std::set<int> talking = {103,   10301, 10302, 10304, 10305, 10306, 10308,
                                   10309, 10310, 104,   10401, 10402, 10405, 10406};
    int spoken = 0;
    for (const town_plan* plan : {&agual_plan, &mystalia_plan}) {
        bool agual = plan == &agual_plan;
        for (const Phase& ph : agual ? agual_phases : mystalia_phases) {
            set_flags(ph.flags);
            int phase = agual ? agual_phase() : mystalia_phase();
            ASSERT_EQ(phase, ph.bit);
            for (int i = 0; i < plan->people_count; i++) {
                const town_person& p = plan->people[i];
                if (!present(p) || behind_a_counter(*plan, p) || !talking.count(p.map_num)) continue;
                // Runhon's words before he joins are his scene's.
                if (p.map_num == 10310) continue;
                const town_talk* t =
                    agual ? find_town_talk(agual_talks, agual_talk_count, p.map_num, p.index, phase)
                          : find_town_talk(mystalia_talks, mystalia_talk_count, p.map_num, p.index, phase);
                EXPECT_TRUE(t && t->lines[0]) << plan->name << " map " << p.map_num << " person " << p.index
                                              << " has nothing to say in phase " << ph.bit;
                spoken++;
            }
        }
    }
    EXPECT_GT(spoken, 27 * 3);
}

TEST_F(TownTalk, NobodyTalksWhoIsNotThere)
{
    // A conversation for a person who never stands there is words nobody can hear.
    for (const town_plan* plan : {&agual_plan, &mystalia_plan}) {
        bool agual = plan == &agual_plan;
        const town_talk* table = agual ? agual_talks : mystalia_talks;
        int count = agual ? agual_talk_count : mystalia_talk_count;
        for (int k = 0; k < count; k++) {
            bool placed = false;
            for (int i = 0; i < plan->people_count; i++)
                if (plan->people[i].map_num == table[k].map_num && plan->people[i].index == table[k].who)
                    placed = true;
            EXPECT_TRUE(placed) << plan->name << " map " << table[k].map_num << " person " << table[k].who;
        }
    }
}

TEST_F(TownTalk, EveryWindowFitsItsBox)
{
    std::vector<const char*> texts = {agual_inn_offer,      mystalia_inn_offer, agual_inn_morning,
                                      mystalia_inn_morning, agual_inn_refused,  mystalia_inn_refused};
    for (int i = 0; i < 4; i++) texts.push_back(agual_shop_greetings[i]);
    for (int i = 0; i < 4; i++) texts.push_back(mystalia_shop_greetings[i]);
    for (int i = 0; mystalia_stranger_lines[i]; i++) texts.push_back(mystalia_stranger_lines[i]);
    for (int i = 0; mystalia_after_fight_lines[i]; i++) texts.push_back(mystalia_after_fight_lines[i]);
    for (int i = 0; mystalia_after_lost_lines[i]; i++) texts.push_back(mystalia_after_lost_lines[i]);
    for (int k = 0; k < agual_talk_count; k++)
        for (const char* l : agual_talks[k].lines)
            if (l) texts.push_back(l);
    for (int k = 0; k < mystalia_talk_count; k++)
        for (const char* l : mystalia_talks[k].lines)
            if (l) texts.push_back(l);
    for (const char* t : texts) expect_window_fits(t);
}

TEST_F(TownTalk, TalkingToTheHarbourMasterFacingHimGivesHisWord)
{
    // Through the talk key's own path: the person Mike faces, then his words.
    set_flags({2, 5, 8, 11});
    open_tilemap("town02~8.map");
    g_map_num = 10308;
    in_town = TRUE;
    furnish_map(&agual_plan, 10308);
    mike->x = 160;
    mike->y = 176;
    mike->face = DIR_UP;
    std::string keys;
    for (int i = 0; i < 4; i++) keys += "wait 1s\ntap Enter\n";
    headless_game_start((keys + "wait 1s\nend\n").c_str());
    do_town_talk();
    EXPECT_EQ(story_flag[13], TRUE);
    in_town = FALSE;
    for (int i = 1; i < 30; i++) person[i]->visible = FALSE;
}

TEST_F(TownTalk, TheConversationsThatMoveTheStoryMoveItOnce)
{
    // The harbour master's word and the traveller's directions, and nothing else.
    std::set<int> moved;
    for (const town_plan* plan : {&agual_plan, &mystalia_plan}) {
        bool agual = plan == &agual_plan;
        const town_talk* table = agual ? agual_talks : mystalia_talks;
        int count = agual ? agual_talk_count : mystalia_talk_count;
        auto phase = [agual] { return agual ? agual_phase() : mystalia_phase(); };
        for (int k = 0; k < count; k++) {
            const town_talk& t = table[k];
            if (!t.sets_flag) continue;
            moved.insert(t.sets_flag);
            EXPECT_EQ(t.phases & (t.phases - 1), 0) << "said in one turn of the story only: " << t.lines[0];
            const Phase* ph = nullptr;
            for (const Phase& p : agual ? agual_phases : mystalia_phases)
                if (p.bit & t.phases) ph = &p;
            ASSERT_NE(ph, nullptr) << t.lines[0];
            set_flags(ph->flags);
            ASSERT_FALSE(story_flag[t.sets_flag]) << t.lines[0];
            g_map_num = t.map_num;
            ASSERT_EQ(find_town_talk(table, count, t.map_num, t.who, phase()), &t) << t.lines[0];
            int windows = 0;
            while (windows < 12 && t.lines[windows]) windows++;
            std::string keys;
            for (int i = 0; i < windows; i++) keys += "wait 1s\ntap Enter\n";
            headless_game_start((keys + "wait 1s\nend\n").c_str());
            EXPECT_TRUE(town2_talk(t.who));
            EXPECT_EQ(story_flag[t.sets_flag], TRUE) << t.lines[0];
            // Asked again, he has moved on too, and moves nothing more.
            const town_talk* again = find_town_talk(table, count, t.map_num, t.who, phase());
            ASSERT_NE(again, nullptr) << t.lines[0];
            EXPECT_NE(again, &t);
            EXPECT_EQ(again->sets_flag, 0);
        }
    }
    EXPECT_EQ(moved, (std::set<int>{13, 18}));
    // Someone with nothing to say says nothing.
    set_flags({2, 5, 8, 11});
    g_map_num = 10308;
    EXPECT_FALSE(town2_talk(25));
    g_map_num = 101;
    EXPECT_FALSE(town2_talk(1)) << "the village speaks for itself";
}

TEST_F(TownTalk, MystaliaTalksOfTheSandGardenOnceTheWayInIsKnown)
{
    // After the traveller's directions the street has new things to say.
    int changed = 0;
    for (int i = 0; i < mystalia_plan.people_count; i++) {
        const town_person& p = mystalia_plan.people[i];
        if (p.map_num == 10402) continue;
        const town_talk* before =
            find_town_talk(mystalia_talks, mystalia_talk_count, p.map_num, p.index, MY_QUIET);
        const town_talk* after =
            find_town_talk(mystalia_talks, mystalia_talk_count, p.map_num, p.index, MY_TOLD);
        if (before && after && before != after) changed++;
    }
    EXPECT_GE(changed, 2);
}

TEST_F(TownTalk, ItRainsOnAgualsStreetsUntilTheGathering)
{
    headless_game_start("wait 1s\nend\n");
    set_flags({2});
    g_map_num = 103;
    place_weather(&agual_plan);
    EXPECT_EQ(raining, TRUE);
    EXPECT_EQ(look_when_talked_to, TRUE) << "Agual's people turn to face Mike";
    g_map_num = 10302;
    place_weather(&agual_plan);
    EXPECT_EQ(raining, FALSE) << "dry indoors";
    g_map_num = 103;
    story_flag[11] = TRUE;
    place_weather(&agual_plan);
    EXPECT_EQ(raining, FALSE) << "the gathering clears the sky";
    look_when_talked_to = FALSE;
}

} // namespace
