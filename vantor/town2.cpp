// What Agual and Mystalia share beyond the plan every town runs on: their
// story phases and how a conversation of theirs is chosen. Their plans and
// their own moments are in town2_agual.cpp and town2_mystalia.cpp.
#include "town2.h"

#include "story.h"
#include "town.h"
#include "town2_lines.h"
#include "vantor.h"

const town_talk* find_town_talk(const town_talk* table, int count, int map_num, int who, int phase)
{
    for (int i = 0; i < count; i++)
        if (table[i].map_num == map_num && table[i].who == who && (table[i].phases & phase)) return &table[i];
    return nullptr;
}

int agual_phase()
{
    if (story_flag[14]) return AG_AFTER_NEWS;
    if (story_flag[13]) return AG_READY;
    if (story_flag[11]) return AG_RALLIED;
    if (story_flag[5]) return AG_WITH_RUNHON;
    return AG_SEEKING;
}

int mystalia_phase()
{
    if (story_flag[18]) return MY_TOLD;
    return story_flag[17] ? MY_QUIET : MY_UNEASY;
}

int town2_talk(int who)
{
    const town_plan* plan = plan_of_map(g_map_num);
    if (plan != &agual_plan && plan != &mystalia_plan) return FALSE;
    // Runhon, upstairs with his books, is the start of his own story.
    if (g_map_num == 10310 && who == 10 && !story_flag[SF_RUNHON_JOINED]) {
        lumin_agual_story(1);
        return TRUE;
    }
    const town_talk* t =
        plan == &agual_plan
            ? find_town_talk(agual_talks, agual_talk_count, g_map_num, who, agual_phase())
            : find_town_talk(mystalia_talks, mystalia_talk_count, g_map_num, who, mystalia_phase());
    if (!t) return FALSE;
    for (const char* line : t->lines) {
        if (!line) break;
        wrap_wind(line);
    }
    // A few conversations move the story on: the harbour master's word, the traveller's directions.
    if (t->sets_flag) story_flag[t->sets_flag] = TRUE;
    return TRUE;
}
