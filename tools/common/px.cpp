#include "px.h"

#include "datwriter.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

std::string trim(const std::string& s)
{
    size_t a = s.find_first_not_of(" \t\r");
    if (a == std::string::npos) return "";
    size_t b = s.find_last_not_of(" \t\r");
    return s.substr(a, b - a + 1);
}

} // namespace

PxFile px_load(const std::string& path, const PxFile* base)
{
    std::ifstream in(path);
    if (!in) tool_fail("%s: cannot open", path.c_str());
    PxFile f;
    f.path = path;
    if (base) f.colors = base->colors;
    if (!f.colors.count('.')) f.colors['.'] = 0xFF00FF;
    std::string raw;
    int line = 0;
    enum { TOP, COLORS, SPRITE } mode = TOP;
    while (std::getline(in, raw)) {
        line++;
        std::string s = mode == SPRITE ? trim(raw) : trim(raw.substr(0, raw.find('#')));
        if (mode == SPRITE) {
            if (s == "end") {
                if (f.sprites.back().rows.empty()) tool_fail("%s:%d: empty picture", path.c_str(), line);
                mode = TOP;
                continue;
            }
            if (s.empty() || s[0] == '#') continue;
            auto& sp = f.sprites.back();
            if (!sp.rows.empty() && s.size() != sp.rows[0].size())
                tool_fail("%s:%d: row of %zu pixels, expected %zu", path.c_str(), line, s.size(),
                          sp.rows[0].size());
            for (char c : s)
                if (!f.colors.count(c)) tool_fail("%s:%d: unknown colour '%c'", path.c_str(), line, c);
            sp.rows.push_back(s);
            continue;
        }
        if (s.empty()) continue;
        std::istringstream ss(s);
        std::string word;
        ss >> word;
        if (mode == COLORS) {
            if (word == "end") {
                mode = TOP;
                continue;
            }
            int r, g, b;
            if (word.size() != 1 || !(ss >> r >> g >> b) || r < 0 || r > 255 || g < 0 || g > 255 || b < 0 ||
                b > 255)
                tool_fail("%s:%d: expected 'char r g b'", path.c_str(), line);
            f.colors[word[0]] = (r << 16) | (g << 8) | b;
        } else if (word == "colors") {
            mode = COLORS;
        } else if (word == "sprite") {
            PxSprite sp;
            if (!(ss >> sp.name)) tool_fail("%s:%d: sprite needs a name", path.c_str(), line);
            for (auto& o : f.sprites)
                if (o.name == sp.name)
                    tool_fail("%s:%d: sprite %s defined twice", path.c_str(), line, sp.name.c_str());
            sp.line = line;
            f.sprites.push_back(sp);
            mode = SPRITE;
        } else {
            tool_fail("%s:%d: unexpected '%s'", path.c_str(), line, word.c_str());
        }
    }
    if (mode != TOP) tool_fail("%s: missing 'end' at end of file", path.c_str());
    return f;
}

const PxSprite& px_find(const PxFile& f, const std::string& name)
{
    for (auto& s : f.sprites)
        if (s.name == name) return s;
    tool_fail("%s: no sprite named %s", f.path.c_str(), name.c_str());
}

void px_draw(BITMAP* bmp, const PxFile& f, const PxSprite& s, int x, int y)
{
    for (size_t r = 0; r < s.rows.size(); r++)
        for (size_t c = 0; c < s.rows[r].size(); c++) {
            int rgb = f.colors.at(s.rows[r][c]);
            if (rgb == 0xFF00FF) continue;
            putpixel(bmp, x + (int)c, y + (int)r, makecol16(rgb >> 16, (rgb >> 8) & 255, rgb & 255));
        }
}

BITMAP* px_bitmap(const PxFile& f, const PxSprite& s)
{
    BITMAP* b = create_bitmap_ex(16, (int)s.rows[0].size(), (int)s.rows.size());
    if (!b) tool_fail("out of memory");
    clear_to_color(b, makecol16(255, 0, 255));
    px_draw(b, f, s, 0, 0);
    return b;
}
