// Builds the battle pictures of chrctrs.dat. The manifest is the contract with
// the game code: every picture drawn must be listed there with its type and
// size, and every listed picture must be drawn, or the build stops.
//
// Setting VANTOR_CHR_BATTLE_PREVIEW=DIR also writes enlarged preview sheets
// into DIR, one per section, for looking at the art while drawing it
// (VANTOR_CHR_BATTLE_PREVIEW_SCALE sets the enlargement, 3 by default).
#include "sprites/battle.h"
#include "datafiles/datafiles.h"

#include "px.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <vector>

using namespace kit;

namespace {

struct Entry {
    std::string type, name;
    int w = 0, h = 0;
};

std::map<int, Entry> g_manifest;
std::set<int> g_done;
DatFile* g_file = nullptr;
std::string g_manifest_path;

struct Page {
    std::string name;
    std::vector<std::pair<int, Canvas>> pics;
};
std::vector<Page> g_pages;

void load_manifest(const std::string& path)
{
    std::ifstream in(path);
    if (!in) tool_fail("%s: cannot open", path.c_str());
    std::string raw;
    int line = 0;
    while (std::getline(in, raw)) {
        line++;
        std::string s = raw.substr(0, raw.find('#'));
        std::istringstream ss(s);
        int num;
        Entry e;
        std::string size;
        if (!(ss >> num)) continue;
        if (!(ss >> e.type >> size >> e.name) || sscanf(size.c_str(), "%dx%d", &e.w, &e.h) != 2)
            tool_fail("%s:%d: expected NUMBER TYPE WxH NAME DESCRIPTION", path.c_str(), line);
        if (e.type != "RLE" && e.type != "BMP")
            tool_fail("%s:%d: battle pictures are RLE or BMP", path.c_str(), line);
        if (g_manifest.count(num)) tool_fail("%s:%d: object %d listed twice", path.c_str(), line, num);
        g_manifest[num] = e;
    }
}

const Canvas* find_pic(int number)
{
    for (auto& page : g_pages)
        for (auto& p : page.pics)
            if (p.first == number) return &p.second;
    return nullptr;
}

// The fight as the battle draws it: each hero's wind-up and strike with the
// weapon frames at their offsets, to check that hands meet grips.
void add_fight_page()
{
    struct Shot {
        int pose, weapon, wx, wy, glow, gx, gy;
    };
    const Shot shots[] = {
        {163, 567, 4, -15, 0, 0, 0},      {165, 568, -11, 18, 0, 0, 0}, {151, 558, -12, -6, 0, 0, 0},
        {154, 559, -12, -6, 0, 0, 0},     {152, 561, -12, -6, 0, 0, 0}, {168, 552, -8, -9, 0, 0, 0},
        {169, 553, -10, 13, 554, -12, 5}, {157, 532, -13, -9, 0, 0, 0}, {158, 533, -10, 13, 534, -12, 5},
    };
    Page page{"fight", {}};
    int n = 0;
    for (auto& s : shots) {
        const Canvas *pose = find_pic(s.pose), *w = find_pic(s.weapon),
                     *g = s.glow ? find_pic(s.glow) : nullptr;
        if (!pose || !w) continue;
        Canvas c(60, 60);
        const int ox = 24, oy = 18;
        stamp(c, *pose, ox, oy);
        stamp(c, *w, ox + s.wx, oy + s.wy);
        if (g)
            for (int y = 0; y < g->h; y++)
                for (int x = 0; x < g->w; x++) {
                    int v = g->get(x, y), old = c.get(ox + s.gx + x, oy + s.gy + y);
                    float k = (((v >> 16) & 255) + ((v >> 8) & 255) + (v & 255)) / 765.0f;
                    if (old < 0) old = 0x627558;
                    if (k > 0.05f) c.set(ox + s.gx + x, oy + s.gy + y, mix(old, v | 0x202020, k));
                }
        page.pics.push_back({1000 + n++, c});
    }
    g_pages.push_back(page);
}

void write_previews(const char* dir)
{
    add_fight_page();
    const char* zoom = getenv("VANTOR_CHR_BATTLE_PREVIEW_SCALE");
    const int scale = zoom ? std::max(1, atoi(zoom)) : 3, pad = 4, label = 10, width = 900;
    for (auto& page : g_pages) {
        // Shelf layout: pictures left to right, wrapping at the sheet's width.
        int x = pad, y = pad, row_h = 0;
        std::vector<std::pair<int, int>> at;
        for (auto& p : page.pics) {
            int w = p.second.w * scale, h = p.second.h * scale + label;
            if (x + w + pad > width) x = pad, y += row_h + pad, row_h = 0;
            at.push_back({x, y});
            x += w + pad;
            row_h = std::max(row_h, h);
        }
        int total_h = y + row_h + pad;
        std::unique_ptr<BITMAP, void (*)(BITMAP*)> sheet(create_bitmap_ex(16, width, total_h),
                                                         destroy_bitmap);
        clear_to_color(sheet.get(), makecol16(92, 110, 84));
        for (size_t i = 0; i < page.pics.size(); i++) {
            const Canvas& c = page.pics[i].second;
            int sx = at[i].first, sy = at[i].second;
            textprintf_ex(sheet.get(), font, sx, sy, makecol16(255, 255, 255), -1, "%d", page.pics[i].first);
            for (int yy = 0; yy < c.h; yy++)
                for (int xx = 0; xx < c.w; xx++) {
                    int v = c.get(xx, yy);
                    if (v < 0) v = ((xx + yy) & 1) ? 0x6a7e60 : 0x627558;
                    rectfill(sheet.get(), sx + xx * scale, sy + label + yy * scale,
                             sx + xx * scale + scale - 1, sy + label + yy * scale + scale - 1,
                             makecol16(v >> 16, (v >> 8) & 255, v & 255));
                }
        }
        std::string path = std::string(dir) + "/" + page.name + ".png";
        if (write_png(path.c_str(), sheet.get()) != 0) tool_fail("cannot write %s", path.c_str());
    }
}

} // namespace

void battle_section(const char* name) { g_pages.push_back({name, {}}); }

void battle_put(int number, const Canvas& c)
{
    auto it = g_manifest.find(number);
    if (it == g_manifest.end())
        tool_fail("%s: object %d is drawn but not listed", g_manifest_path.c_str(), number);
    const Entry& e = it->second;
    if (c.w != e.w || c.h != e.h)
        tool_fail("%s: object %d (%s) is drawn %dx%d but listed %dx%d", g_manifest_path.c_str(), number,
                  e.name.c_str(), c.w, c.h, e.w, e.h);
    if (!g_done.insert(number).second) tool_fail("object %d (%s) drawn twice", number, e.name.c_str());
    std::unique_ptr<BITMAP, void (*)(BITMAP*)> bmp(to_bitmap(c), destroy_bitmap);
    dat_put(*g_file, number, e.type == "RLE" ? dat_rle(e.name, bmp.get()) : dat_bitmap(e.name, bmp.get()));
    if (g_pages.empty()) battle_section("misc");
    g_pages.back().pics.push_back({number, c});
}

void gen_chr_battle(DatFile& f, const std::string& assets)
{
    g_file = &f;
    g_manifest_path = assets + "/manifest/chrctrs_battle.txt";
    load_manifest(g_manifest_path);
    draw_fighters(assets);
    draw_weapons();
    draw_enemies();
    draw_bosses();
    draw_effects();
    if (const char* dir = getenv("VANTOR_CHR_BATTLE_PREVIEW")) write_previews(dir);
    for (auto& m : g_manifest)
        if (!g_done.count(m.first))
            tool_fail("%s: object %d (%s) is listed but never drawn", g_manifest_path.c_str(), m.first,
                      m.second.name.c_str());
    if (const char* dir = getenv("VANTOR_CHR_BATTLE_PREVIEW")) write_previews(dir);
}
