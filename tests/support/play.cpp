#include "play.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>
#include <map>
#include <vector>

#include "dat_names.h"
#include "door.h"
#include "tilecat.h"
#include "vantor_frame.h"

std::string hold_steps(const std::string& key, int steps, int settle_ms)
{
    int ms = (steps * 2 - 1) * 17 * 1000 / 120;
    return "hold " + key + "\nwait " + std::to_string(ms) + "ms\nrelease " + key + "\nwait " +
           std::to_string(settle_ms) + "ms\n";
}

ftchar* PartySnapshot::hero(int i)
{
    return i == 0 ? ftmike : i == 1 ? ftcharlie : i == 2 ? ftrunhon : ftelizabeth;
}

void PartySnapshot::take()
{
    for (int i = 0; i < 4; i++) saved[i] = *hero(i);
}

void PartySnapshot::restore() const
{
    for (int i = 0; i < 4; i++) *hero(i) = saved[i];
}

void expect_window_fits(const char* text, int width)
{
    int breaks = 0;
    for (const char* p = text; *p; p++) breaks += *p == '_';
    EXPECT_LE(breaks, 2) << "a fourth line would never be shown: " << text;
    char lines[WINDOW_LINES][WINDOW_LINE_MAX + 1];
    int n = split_window_text(text, lines);
    for (int f : {COLOR_FONT_VANTOR, COLOR_FONT_SYSTEM, MAIN_FONT_VANTOR, MAIN_FONT_SYSTEM})
        for (int i = 0; i < n; i++)
            EXPECT_LE(text_length((FONT*)data[f].dat, lines[i]), width)
                << "\"" << lines[i] << "\" of: " << text;
}

void expect_tiles_meant_for(TILEMAP* m, const std::string& group, const std::string& what)
{
    static const std::map<int, std::vector<std::string>> groups = [] {
        std::map<int, std::vector<std::string>> g;
        for (const TileEntry& e : load_tile_catalogue(VANTOR_SOURCE_DIR "/assets/tiles/catalogue.txt"))
            g[e.index] = e.groups;
        return g;
    }();
    for (int l = 0; l < m->layers; l++)
        for (int y = 0; y < m->ysize; y++)
            for (int x = 0; x < m->xsize; x++) {
                int t = get_sprite_number(m, l, x, y);
                if (t < 0) continue;
                auto it = groups.find(t);
                bool meant = it != groups.end() &&
                             std::find(it->second.begin(), it->second.end(), group) != it->second.end();
                EXPECT_TRUE(meant) << what << ": tile " << t << " at " << x << "," << y
                                   << " is not meant for " << group;
            }
}

namespace {
bool inside_a_run = false;
void no_exit_inside_a_run()
{
    if (inside_a_run) {
        std::fprintf(stderr, "the game ended the process in the middle of a run\n");
        _exit(1);
    }
}
} // namespace

void exits_fail_the_test(bool inside)
{
    static bool guarded = false;
    if (!guarded) guarded = std::atexit(no_exit_inside_a_run) == 0;
    inside_a_run = inside;
}

int windows_saying(const char* text)
{
    int n = 0;
    for (int i = 0; i < door_window_count(); i++)
        if (std::strcmp(door_window_text(i), text) == 0) n++;
    return n;
}
