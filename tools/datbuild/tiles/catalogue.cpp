// Reading the tile catalogue, and the previews drawn from it: a labelled
// sheet of all tiles and small scenes laid out the way map authors use them.
#include "tiles/catalogue.h"
#include "tiles/paint.h"
#include "datwriter.h"
#include "px.h"

#include <allegro.h>
#include <algorithm>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>

namespace tilepaint {

namespace {

struct BitmapDeleter {
    void operator()(BITMAP* b) const { destroy_bitmap(b); }
};
using BitmapPtr = std::unique_ptr<BITMAP, BitmapDeleter>;

void blit_tile(BITMAP* dst, const Tile& t, int x0, int y0, int zoom)
{
    for (int y = 0; y < TS; y++)
        for (int x = 0; x < TS; x++) {
            uint32_t c = t.p[y][x];
            if (c == CLEAR) continue;
            rectfill(dst, x0 + x * zoom, y0 + y * zoom, x0 + x * zoom + zoom - 1, y0 + y * zoom + zoom - 1,
                     makecol32((c >> 16) & 255, (c >> 8) & 255, c & 255));
        }
}

// A scene: rows of characters for the ground and for the things over it,
// each character standing for a tile name. '?' in the ground asks for the
// coast piece that fits the land around a sea cell.
struct Scene {
    const char* file;
    std::map<char, std::string> legend;
    std::vector<std::string> ground, top;
};

std::string coast_for(const Scene& s, int x, int y)
{
    auto land = [&](int i, int j) {
        if (j < 0 || j >= (int)s.ground.size() || i < 0 || i >= (int)s.ground[j].size()) return false;
        char c = s.ground[j][i];
        return c != '?' && c != '~';
    };
    bool n = land(x, y - 1), so = land(x, y + 1), w = land(x - 1, y), e = land(x + 1, y);
    if (n && w) return "coast_nw";
    if (n && e) return "coast_ne";
    if (so && w) return "coast_sw";
    if (so && e) return "coast_se";
    if (n) return "coast_n";
    if (so) return "coast_s";
    if (w) return "coast_w";
    if (e) return "coast_e";
    if (land(x - 1, y - 1)) return "coast_in_nw";
    if (land(x + 1, y - 1)) return "coast_in_ne";
    if (land(x - 1, y + 1)) return "coast_in_sw";
    if (land(x + 1, y + 1)) return "coast_in_se";
    return "sea";
}

void draw_scene(const Scene& s, const std::map<std::string, const Tile*>& byname, const std::string& dir)
{
    int w = (int)s.ground[0].size(), h = (int)s.ground.size(), zoom = 2;
    BitmapPtr b(create_bitmap_ex(32, w * TS * zoom, h * TS * zoom));
    clear_to_color(b.get(), makecol32(0, 0, 0));
    auto put = [&](const std::string& name, int x, int y) {
        auto it = byname.find(name);
        if (it == byname.end()) tool_fail("preview %s: no tile %s", s.file, name.c_str());
        blit_tile(b.get(), *it->second, x * TS * zoom, y * TS * zoom, zoom);
    };
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            char c = s.ground[y][x];
            if (c == '?')
                put(coast_for(s, x, y), x, y);
            else if (s.legend.count(c))
                put(s.legend.at(c), x, y);
        }
    for (int y = 0; y < (int)s.top.size(); y++)
        for (int x = 0; x < (int)s.top[y].size(); x++) {
            if (!s.legend.count(s.top[y][x])) continue;
            const std::string& name = s.legend.at(s.top[y][x]);
            if (name.rfind("fountain_", 0) == 0) { // the village lays its fountain at 100 of 255
                BitmapPtr t(create_bitmap_ex(32, TS * zoom, TS * zoom));
                clear_to_color(t.get(), makecol32(255, 0, 255));
                blit_tile(t.get(), *byname.at(name), 0, 0, zoom);
                set_trans_blender(0, 0, 0, 100);
                draw_trans_sprite(b.get(), t.get(), x * TS * zoom, y * TS * zoom);
            } else {
                put(name, x, y);
            }
        }
    write_png((dir + "/" + s.file).c_str(), b.get());
}

std::vector<Scene> scenes()
{
    std::vector<Scene> v;
    v.push_back(
        {"scene_village.png",
         {{'g', "town_grass"},
          {'f', "town_grass_flowers"},
          {'G', "town_grass_tall"},
          {'c', "cobble"},
          {'n', "cobble_n"},
          {'s', "cobble_s"},
          {'w', "cobble_w"},
          {'e', "cobble_e"},
          {'1', "cobble_nw"},
          {'2', "cobble_ne"},
          {'3', "cobble_sw"},
          {'4', "cobble_se"},
          {'R', "roof_nw"},
          {'T', "roof_n"},
          {'Y', "roof_ne"},
          {'F', "roof_w"},
          {'O', "roof"},
          {'H', "roof_e"},
          {'V', "roof_sw"},
          {'B', "roof_s"},
          {'N', "roof_se"},
          {'W', "house_wall"},
          {'X', "house_wall_window"},
          {'D', "door_wood"},
          {'S', "door_shop"},
          {'I', "door_inn"},
          {'t', "town_tree"},
          {'^', "town_tree_crown"},
          {'P', "picket_fence"},
          {'L', "town_well"},
          {'Q', "fountain_pool"},
          {'p', "plaza_paving"},
          {'k', "woodpile"},
          {'b', "flowerbed"},
          {'z', "grass_roof_shade"},
          {'h', "cobble_shade"},
          {'q', "fountain_a"},
          {'a', "pond_water"},
          {'d', "dirt_path"},
          {'u', "flowers_blue"},
          {'x', "town_steps"}},
         {"gggggRTTTYggggRTTYgg", "ggtggFOOOHggtgFOOHgg", "gbbggVBBBNggggVBBNgg", "ggggkXDXSXggggXWIXgu",
          "gg1nnnnsnnnnnnnnsn2g", "ggwcccecgfggg1ncecgg", "PPwce3s4ggg1nppp2egg", "ggwce1n2ggwpQQQQpegg",
          "ggwce3s4ggwpQQQQpegL", "ggwc4ggggg3spppps4gg", "aagwegGgggddddwegggt", "aaaweggggdgggbwegguu"},
         {"  ^         ^", "", "", "", "", "", "", "            qqqq", "            qqqq",
          "                   ^"}});
    v.push_back(
        {"scene_world.png",
         {{'g', "world_grass"},
          {'t', "world_grass_tufts"},
          {'G', "world_grass_dark"},
          {'m', "mountain"},
          {'M', "mountain_tall"},
          {'S', "mountain_snow"},
          {'r', "mountain_rocky"},
          {'o', "mountain_foot"},
          {'F', "forest"},
          {'n', "forest_n"},
          {'s', "forest_s"},
          {'w', "forest_w"},
          {'e', "forest_e"},
          {'1', "forest_nw"},
          {'2', "forest_ne"},
          {'c', "forest_clump"},
          {'K', "woods_gate"},
          {'D', "deepwood"},
          {'h', "river_h"},
          {'v', "river_v"},
          {'3', "river_ne"},
          {'4', "river_nw"},
          {'5', "river_se"},
          {'6', "river_sw"},
          {'=', "road_h"},
          {'|', "road_v"},
          {'+', "road_cross"},
          {'7', "road_ne"},
          {'8', "road_nw"},
          {'9', "road_se"},
          {'0', "road_sw"},
          {'b', "world_bridge_h"},
          {'B', "world_bridge_v"},
          {'V', "world_village"},
          {'C', "castle_gate_world"},
          {'W', "castle_wall_world"},
          {'T', "castle_tower_world"},
          {'k', "castle_roof_world"},
          {'d', "desert"},
          {'x', "desert_n"},
          {'y', "desert_w"},
          {'z', "desert_nw"},
          {'u', "dunes"},
          {'U', "cactus"},
          {'A', "world_agual"},
          {'Z', "world_cave"},
          {'f', "world_flowers"},
          {'l', "lake_world"},
          {'H', "world_hills"},
          {'~', "sea"},
          {'i', "deepwood_n"},
          {'j', "deepwood_w"},
          {'[', "cloud_nw"},
          {']', "cloud_ne"},
          {'{', "cloud_sw"},
          {'}', "cloud_se"},
          {'%', "mist"}},
         {"mMSmrgg1nnnn2ggTkTgg", "omMmogwFFKFFFegWCWgg", "gggogtwFFFFFFegg|ggg", "Hgg5hhh4sssssgg9+=Vg",
          "ggtvggfgggcgggg|gggg", "gggvgg=====b===8gggg", "iiiv|ggggggvggglgggg", "DDD3hh6ggttv?????ggg",
          "DDDggg|ggzx3hh????gg", "jDDgggAggyuddd??~~??", "gDDgg??????dUd???~~~", "gg????~~~~~??????~~~"},
         {"", "", "", "", "", "             []", "             {}", "", " %%"}});
    v.push_back(
        {"scene_castle.png",
         {{'0', "room_void"},        {'-', "stone_top_h"},      {'|', "stone_top_v"},
          {'1', "stone_top_nw"},     {'2', "stone_top_ne"},     {'3', "stone_top_sw"},
          {'4', "stone_top_se"},     {'<', "stone_top_end_e"},  {'>', "stone_top_end_w"},
          {'U', "stone_face_upper"}, {'F', "stone_face"},       {'W', "stained_window"},
          {'B', "royal_banner"},     {'C', "stone_face_crest"}, {'s', "floor_stone_shade"},
          {'f', "floor_stone"},      {'m', "floor_marble"},     {'a', "carpet_red_nw"},
          {'b', "carpet_red_n"},     {'c', "carpet_red_ne"},    {'d', "carpet_red_w"},
          {'e', "carpet_red"},       {'g', "carpet_red_e"},     {'h', "carpet_red_sw"},
          {'i', "carpet_red_s"},     {'j', "carpet_red_se"},    {'r', "runner_red_v"},
          {'P', "stone_pillar"},     {'T', "throne"},           {'t', "torch_a"},
          {'S', "statue"},           {'A', "armor_stand"},      {'u', "stairs_up_stone"},
          {'k', "chest_closed"},     {'o', "chest_open"},       {'L', "library_shelf_l"},
          {'M', "library_shelf_m"},  {'R', "library_shelf_r"},  {'D', "doorway_stone"},
          {'p', "potted_fern"},      {'x', "candelabra"}},
         {"1------------------2", "|UUUUUUUUUUUUUUUUUU|", "|FFWFFBFFCFFBFFWFFD|", "|sssssssabcssssssss|",
          "|uffPffffdTgffffPff|", "|fffffffsdegfffffff|", "|fffPffffdegffffPff|", "|fffffffffregffffff|",
          "|ffPfffffhrifffPfff|", "|ffffffffrfffffffff|", "3-------<rr>-------4", "00000000000000000000"},
         {"", "", "    t          t", "", "    A             S", "  k                o", "    A          x",
          "", "  p         p", "", "", ""}});
    v.push_back({"scene_shop.png",
                 {{'0', "room_void"},       {'-', "wood_top_h"},       {'|', "wood_top_v"},
                  {'1', "wood_top_nw"},     {'2', "wood_top_ne"},      {'3', "wood_top_sw"},
                  {'4', "wood_top_se"},     {'<', "wood_top_end_e"},   {'>', "wood_top_end_w"},
                  {'U', "wood_face_upper"}, {'F', "wood_face"},        {'W', "wood_face_window"},
                  {'H', "wood_face_shelf"}, {'s', "floor_wood_shade"}, {'f', "floor_wood"},
                  {'m', "doormat"},         {'a', "counter_w"},        {'b', "counter"},
                  {'c', "counter_potions"}, {'d', "counter_e"},        {'e', "counter_arms"},
                  {'x', "counter_nw"},      {'y', "counter_ne"},       {'v', "counter_v"},
                  {'V', "counter_v_s"},     {'B', "barrel"},           {'K', "crates"},
                  {'p', "clay_pot"},        {'q', "bed_top"},          {'Q', "bed_bottom"},
                  {'t', "table_l"},         {'T', "table_m"},          {'r', "table_r"},
                  {'h', "hearth"},          {'o', "bookshelf"},        {'u', "cupboard"},
                  {'k', "chest_closed"},    {'R', "rug_round_red"},    {'z', "torch_b"},
                  {'P', "palm_planter"}},
                 {"1--------2", "|UUUUUUUU|", "|FHFWFhFF|", "|ssssssss|", "|ffffffff|", "|ffffffff|",
                  "|ffffRfff|", "|ffffffff|", "3---<m>--4"},
                 {"", "", " z  z", " Bu  kKp", " abcbed", "", " q    P", " Q tTr", ""}});
    v.push_back(
        {"scene_wild.png",
         {{'1', "woods_trees_nw"},   {'2', "woods_trees_n"},
          {'3', "woods_trees_ne"},   {'4', "woods_trees_w"},
          {'5', "woods_trees_fill"}, {'6', "woods_trees_e"},
          {'7', "woods_trees_sw"},   {'8', "woods_trees_s"},
          {'9', "woods_trees_se"},   {'f', "woods_floor"},
          {'g', "woods_grass"},      {'p', "woods_path"},
          {'m', "woods_mushrooms"},  {'n', "woods_ferns"},
          {'h', "woods_stream_h"},   {'v', "woods_stream_v"},
          {'b', "woods_boulder"},    {'l', "woods_log"},
          {'T', "woods_tree"},       {'s', "sand"},
          {'r', "sand_ripples"},     {'A', "sand_rock_top"},
          {'N', "sand_rock_n"},      {'W', "sand_rock_w"},
          {'E', "sand_rock_e"},      {'R', "sand_rock_face"},
          {'Q', "sand_rock_nw"},     {'Z', "sand_rock_ne"},
          {'o', "sand_boulder"},     {'t', "thorn_bush"},
          {'c', "sand_pillar"},      {'k', "chest_closed"},
          {'H', "herb_green"},       {'J', "herb_red"},
          {'X', "shadow_seal"},      {'w', "sand_spring"},
          {'d', "dead_tree_sand"},   {'e', "sand_flagstones"},
          {'D', "bridge_deck_h"},    {'u', "save_rune"},
          {'F', "garden_flowers"}},
         {"5555555555ssssssssss", "5555558888srrssQNNZs", "558889gpgfssssrsWAEs", "59gfmfgpggsosssWAEss",
          "6fnfbfgpgfsssssRRRss", "6hhhhhhhhhhsessstsss", "6gfTfgfpfgssesssssss", "5gfflffpunsseeecsrrs",
          "52fgfffpgfssswssdsss", "5552ffgpg1sFssssssss"},
         {"", "", "", "", "          k", "       D", "", "                J", "            H",
          "               X"}});
    v.push_back(
        {"scene_agual.png",
         {{'c', "wet_cobble"},       {'p', "wet_cobble_puddle"},
          {'d', "wet_cobble_drain"}, {'m', "wet_cobble_moss"},
          {'h', "wet_cobble_shade"}, {'k', "wet_cobble_quay"},
          {'g', "wet_grass"},        {'f', "wet_grass_flowers"},
          {'W', "agual_wall"},       {'D', "agual_door"},
          {'I', "agual_door_inn"},   {'S', "agual_door_shop"},
          {'1', "agual_roof_nw"},    {'2', "agual_roof_n"},
          {'3', "agual_roof_ne"},    {'4', "agual_roof_w"},
          {'5', "agual_roof"},       {'6', "agual_roof_e"},
          {'7', "agual_roof_sw"},    {'8', "agual_roof_s"},
          {'9', "agual_roof_se"},    {'~', "canal_water"},
          {'n', "quay_n"},           {'s', "quay_s"},
          {'b', "boat_l"},           {'B', "boat_r"},
          {'T', "town_wall_agual"},  {'L', "lamp_post"},
          {'K', "dock_planks"},      {'t', "canal_steps"},
          {'r', "barrel"},           {'o', "clay_pot"},
          {'x', "crates"},           {'=', "bridge_deck_h"},
          {'G', "agual_gate"},       {'w', "town_well"},
          {'A', "awning_red"},       {'e', "wet_steps"}},
         {"TTTTTTTTGTTTTTTTTTTT", "gg12223ccc1222223fgg", "gg45556ccc4555556ggg", "gg78889ccc7888889ggg",
          "ggWDWSWccxWWIWWWWgLg", "ccchccccccchhhhhhccc", "cpccccLcccccdccccccr", "kkkkkkkkk=kkkkkkkkkk",
          "nnnnnnnnn=nntnnnnnnn", "~~~bB~~~~=~~~~~~bB~~", "sssssssss=ssssssssss", "ccmcccwccccccccoccpc"},
         {"", "", "", "", "", "", "", "", "         =", "         =", "         ="}});
    v.push_back(
        {"scene_mystalia.png",
         {{'s', "sand_street"},
          {'p', "sand_paving"},
          {'P', "sand_path"},
          {'m', "sand_mosaic"},
          {'t', "sand_tuft"},
          {'f', "desert_flowers"},
          {'c', "courtyard_tiles"},
          {'h', "sand_shade"},
          {'n', "sand_grass_n"},
          {'g', "town_grass"},
          {'R', "roof_nw"},
          {'T', "roof_n"},
          {'Y', "roof_ne"},
          {'F', "roof_w"},
          {'O', "roof"},
          {'H', "roof_e"},
          {'V', "roof_sw"},
          {'B', "roof_s"},
          {'N', "roof_se"},
          {'W', "house_wall"},
          {'X', "house_wall_window"},
          {'D', "mystalia_door"},
          {'S', "mystalia_door_shop"},
          {'I', "mystalia_door_inn"},
          {'A', "sand_rock_top"},
          {'1', "sand_rock_n"},
          {'2', "sand_rock_nw"},
          {'3', "sand_rock_ne"},
          {'4', "sand_rock_w"},
          {'5', "sand_rock_e"},
          {'6', "sand_rock_face"},
          {'o', "sand_boulder"},
          {'L', "palm_planter"},
          {'^', "palm_crown"},
          {'G', "mystalia_gate"},
          {'r', "market_rug"},
          {'w', "town_well"},
          {'e', "sand_stairs"}},
         {"ggggggnnnGnnnggggggg", "ssssssssspssss2113ss", "sRTTYsssspsssL4AA5ss", "sFOOHsssspsssss66sss",
          "sVBBNsRTTTYsssssssss", "sXDXSsFOOOHssppppsss", "shhhhsVBBBNsspmmpsss", "sssssfXWIWXssppppsLs",
          "ssstsshhhhhssrrssssf", "ssoppppppppppppppsss"},
         {"", "             ^", "", "", "", "", "                  ^"}});
    v.push_back({"scene_bridge.png",
                 {{'~', "river_water"},
                  {'f', "river_foam"},
                  {'|', "bridge_deck_v"},
                  {'[', "bridge_rail_w"},
                  {']', "bridge_rail_e"},
                  {'{', "bridge_post_w"},
                  {'}', "bridge_post_e"},
                  {'X', "barricade"},
                  {'n', "bank_n"},
                  {'s', "bank_s"},
                  {'g', "bridge_grass"},
                  {'t', "torch_a"},
                  {'o', "stepping_stones"}},
                 {"~~~~~~~~~~~~", "~~~~~~~~~~~~", "~~~~~~~~~~~~", "~~~~~~~~~~~~", "~~~~~ff~~~~~",
                  "~~~~~~~~~~~~", "~~~~~~~~~~~~", "~~~~~~~~~~~~"},
                 {"gggg{||}gggg", "nnnn[||]nnnn", "    [X|]  o ", "    {||}    ", "    [||]    ",
                  "    [|X]    ", "ssss[||]ssss", "gggg{||}gggg"}});
    return v;
}

} // namespace

void write_tile_previews(const std::vector<TileEntry>& cat, const std::vector<Tile>& tiles,
                         const std::string& dir)
{
    // the whole set at 2x, and close-ups of 64 tiles at 3x
    for (int zoom : {2, 3}) {
        const int cols = 16, per = zoom == 2 ? (int)cat.size() : 64, cw = TS * zoom + 8, ch = TS * zoom + 12;
        for (int first = 0; first < (int)cat.size(); first += per) {
            int n = std::min(per, (int)cat.size() - first), rows = (n + cols - 1) / cols;
            BitmapPtr b(create_bitmap_ex(32, cols * cw, rows * ch));
            clear_to_color(b.get(), makecol32(40, 40, 48));
            for (int i = 0; i < n; i++) {
                int x = (i % cols) * cw + 4, y = (i / cols) * ch + 10;
                for (int j = 0; j < TS * zoom; j += 4) // a checker shows what is clear
                    for (int k = 0; k < TS * zoom; k += 4)
                        rectfill(b.get(), x + k, y + j, x + k + 3, y + j + 3,
                                 ((j + k) / 4) % 2 ? makecol32(90, 90, 100) : makecol32(130, 130, 140));
                blit_tile(b.get(), tiles[first + i], x, y, zoom);
                textprintf_ex(b.get(), font, x, y - 9, makecol32(255, 255, 255), -1, "%d",
                              cat[first + i].index);
            }
            std::string file =
                zoom == 2 ? "/tiles_sheet.png" : "/tiles_" + std::to_string(first / per) + ".png";
            write_png((dir + file).c_str(), b.get());
        }
    }
    std::map<std::string, const Tile*> byname;
    for (size_t i = 0; i < cat.size(); i++) byname[cat[i].name] = &tiles[i];
    for (const Scene& s : scenes()) draw_scene(s, byname, dir);
}

} // namespace tilepaint
