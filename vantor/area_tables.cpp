// The level data of the bridge, the woods and the Sand Garden: how their maps
// join, where their chests, herbs, save spots and scene cells are. The maps
// are drawn by tools/areas/gen_areas.py around these cells.
#include "area.h"

#include <cstdio>

#include "area_lines.h"
#include "item.h"

// The woods: a maze of fifteen clearings. Mike arrives one cell inside the
// opposite edge, so he never bounces straight back.
const area_link woods_links[] = {
    {2, DIR_RIGHT, -1, 0, 0, 0, 0},
    {2, DIR_DOWN, 5, 304, 0, -144, 0},
    {2, DIR_LEFT, 3, 624, 224, -320, -104},
    {3, DIR_RIGHT, 2, 0, 240, 0, -120},
    {3, DIR_DOWN, 4, 304, 0, -144, 0},
    {3, DIR_LEFT, 6, 624, 144, -320, 0},
    {4, DIR_RIGHT, 5, 0, 272, 0, -152},
    {4, DIR_UP, 3, 304, 464, -144, -240},
    {5, DIR_UP, 2, 336, 464, -176, -240},
    {5, DIR_LEFT, 4, 624, 272, -320, -152},
    {6, DIR_RIGHT, 3, 0, 240, 0, -120},
    {6, DIR_LEFT, 7, 624, 224, -320, -104},
    // Keeping map 7's camera here would leave Mike drawn off the screen: it follows him.
    {7, DIR_RIGHT, 6, 0, 144, 0, -24},
    {7, DIR_DOWN, 8, 176, 0, 0, 0},
    {8, DIR_UP, 7, 336, 464, -176, -240},
    {8, DIR_DOWN, 9, 304, 0, -144, 0},
    {9, DIR_UP, 8, 176, 464, 0, -240},
    {9, DIR_LEFT, 13, 624, 240, -320, -120},
    {9, DIR_DOWN, 10, 320, 0, -160, 0},
    {10, DIR_UP, 9, 336, 464, -176, -240},
    {10, DIR_RIGHT, 11, 0, 240, 0, -120},
    {10, DIR_LEFT, 12, 624, 320, -320, -200},
    {11, DIR_LEFT, 10, 624, 224, -320, -104},
    {12, DIR_RIGHT, 10, 0, 240, 0, -120},
    {12, DIR_UP, 14, 176, 464, 0, -240},
    {13, DIR_RIGHT, 9, 0, 240, 0, -120},
    // The same here: map 14's camera stands at the bottom of the map.
    {14, DIR_DOWN, 12, 144, 0, 0, 0},
    // The passage: the cleft at the top of map 14 comes out beside a rock face on map 15.
    {14, DIR_UP, 15, 96, 224, 0, 0},
    {15, DIR_DOWN, 14, 176, 0, 0, 0},
    {15, DIR_UP, 16, 528, 464, -320, -240},
    {16, DIR_DOWN, 15, 544, 0, -320, 0},
};
const int num_woods_links = sizeof woods_links / sizeof woods_links[0];

// The Sand Garden: twelve basins among the rocks. Map 19 lets out to the world.
const area_link sand_links[] = {
    {19, DIR_UP, -1, 0, 0, 0, 0},
    {19, DIR_DOWN, 20, 224, 0, -64, 0},
    {20, DIR_RIGHT, 21, 0, 144, 0, -24},
    {20, DIR_UP, 19, 224, 304, -64, -80},
    {21, DIR_RIGHT, 23, 0, 144, 0, -24},
    {21, DIR_DOWN, 22, 224, 0, -64, 0},
    {21, DIR_LEFT, 20, 464, 144, -160, -24},
    {22, DIR_UP, 21, 224, 304, -64, -80},
    {22, DIR_DOWN, 23, 224, 0, -64, 0},
    {23, DIR_RIGHT, 24, 0, 144, 0, -24},
    {23, DIR_UP, 22, 224, 304, -64, -80},
    {23, DIR_DOWN, 25, 224, 0, -64, 0},
    {23, DIR_LEFT, 21, 464, 144, -160, -24},
    {24, DIR_RIGHT, 25, 0, 144, 0, -24},
    {24, DIR_LEFT, 23, 464, 144, -160, -24},
    {25, DIR_RIGHT, 26, 0, 144, 0, -24},
    {25, DIR_UP, 23, 224, 304, -64, -80},
    {25, DIR_DOWN, 27, 224, 0, -64, 0},
    {25, DIR_LEFT, 24, 464, 144, -160, -24},
    {26, DIR_LEFT, 25, 464, 144, -160, -24},
    {27, DIR_RIGHT, 28, 0, 144, 0, -24},
    {27, DIR_UP, 25, 224, 304, -64, -80},
    {28, DIR_DOWN, 29, 224, 0, -64, 0},
    {28, DIR_LEFT, 27, 464, 144, -160, -24},
    {29, DIR_RIGHT, 30, 0, 144, 0, -24},
    {29, DIR_UP, 28, 224, 304, -64, -80},
    {30, DIR_LEFT, 29, 464, 144, -160, -24},
};
const int num_sand_links = sizeof sand_links / sizeof sand_links[0];

// Chests 14 to 17: an Aloe Drink by the gate, a Large Potion, and two Glow Rocks
// for those who search the far clearings.
const area_chest woods_chests[] = {
    {2, 14, 27, 9},
    {5, 15, 31, 18},
    {8, 16, 29, 8},
    {13, 17, 11, 11},
};
const int num_woods_chests = sizeof woods_chests / sizeof woods_chests[0];

// clang-format off
const area_find sand_finds[] = {
    {20, 13, 8, 6, 15},
    {21, 14, 22, 15, 17},
    {22, 15, 7, 14, 15},
    {24, 16, 20, 14, 15},
    {26, 17, 23, 5, 17},
    {27, 18, 6, 15, 15},
    {28, 19, 23, 4, 17},
    {29, 20, 22, 16, 15},
};
// clang-format on
const int num_sand_finds = sizeof sand_finds / sizeof sand_finds[0];

const area_object sand_objects[] = {
    {19, 17 * 16, 6 * 16, DIR_UP, sand_marker_lines, -1, nullptr},
    {21, 9 * 16, 15 * 16, DIR_UP, sand_bones_lines, -1, nullptr},
    {22, 20 * 16, 7 * 16, DIR_UP, sand_spring_lines, -1, nullptr},
    // After the plant has woken, the tablet's warning reads differently.
    {25, 20 * 16, 13 * 16, DIR_UP, sand_tablet_lines, 20, sand_tablet_lines_later},
    {27, 18 * 16, 7 * 16, DIR_UP, sand_tree_lines, -1, nullptr},
    {28, 9 * 16, 6 * 16, DIR_UP, sand_statue_lines, 15, sand_statue_lines_later},
};
const int num_sand_objects = sizeof sand_objects / sizeof sand_objects[0];

const area_save area_saves[] = {
    {WOODS_RESUME_MAP, WOODS_RESUME_X, WOODS_RESUME_Y},
    {SAND_RESUME_MAP, SAND_RESUME_X, SAND_RESUME_Y},
};
const int num_area_saves = sizeof area_saves / sizeof area_saves[0];

// Map 16: the way north ends at a rock face; reaching row 8 east of x 176 starts the scene.
const area_trigger woods_scene_cells = {16, 192, 128, 624, 128};
// Map 30: the flowers before the strange plant.
const area_trigger sand_plant_cells = {30, 14 * 16, 9 * 16, 22 * 16, 11 * 16};
// Map 25: the flagstones of the ruined court, around the old tablet.
const area_trigger sand_court_cells = {25, 17 * 16, 13 * 16, 23 * 16, 15 * 16};

const int bridge_torches[][2] = {{7, 20}, {12, 20}, {7, 76}, {12, 76}};
const int num_bridge_torches = sizeof bridge_torches / sizeof bridge_torches[0];

const area_link* area_link_at(const area_link* links, int n, int map, int x, int y, int w, int h)
{
    int edge = 0;
    if (y < 0)
        edge = DIR_UP;
    else if (y >= h)
        edge = DIR_DOWN;
    else if (x < 0)
        edge = DIR_LEFT;
    else if (x >= w)
        edge = DIR_RIGHT;
    if (!edge) return nullptr;
    for (int i = 0; i < n; i++)
        if (links[i].from == map && links[i].edge == edge) return &links[i];
    return nullptr;
}

const char* area_map_file(int map, char* buf)
{
    snprintf(buf, 16, "map%02d.map", map);
    return buf;
}
