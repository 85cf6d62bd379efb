// The two font pairs of data.dat, built from the pixel grids of
// assets/data/fonts/glyphs.font.  "System" (font setting 0) is the upright
// grid as drawn; "Vantor Font" (setting 1) slants the upper half of every
// letter one pixel to the right, a light italic that keeps the same metrics.
// Both carry a drop shadow so that text reads on the blue window gradient,
// and both stay colour fonts, so the game can recolour palette entry 16.
#include "pictures/art.h"
#include "dat_names.h"
#include "pictures/fonts.h"

using namespace art;

#include <fstream>
#include <map>
#include <sstream>

namespace {

constexpr int FIRST_CHAR = 32;
constexpr int LAST_CHAR = 0xB0; // the key icon closes the range
constexpr int GLYPH_H = 8;

std::string trim(const std::string& s)
{
    size_t a = s.find_first_not_of(" \t\r");
    if (a == std::string::npos) return "";
    size_t b = s.find_last_not_of(" \t\r");
    return s.substr(a, b - a + 1);
}

int parse_char_name(const std::string& path, int line, const std::string& w)
{
    if (w == "space") return ' ';
    if (w.size() == 1) return (unsigned char)w[0];
    if (w.size() > 2 && w[0] == '0' && (w[1] == 'x' || w[1] == 'X')) return (int)std::stol(w, nullptr, 16);
    tool_fail("%s:%d: glyph needs one character, 'space' or 0xNN, not '%s'", path.c_str(), line, w.c_str());
}

// Copies the grid onto an 8-bit glyph at (dx_of_row(r), 0), then adds the shadow.
BITMAP* render_glyph(const FontGlyph& g, int slant)
{
    int w = g.width() + 1 + slant;
    BITMAP* b = create_bitmap_ex(8, w, GLYPH_H);
    if (!b) tool_fail("out of memory for a glyph");
    clear_to_color(b, 0);
    bool italic = slant && !g.icon;
    auto shift = [&](int row) { return italic && row < 4 ? 1 : 0; };
    for (int r = 0; r < GLYPH_H; r++)
        for (int c = 0; c < g.width(); c++) {
            int ix = g.pixels[r][c];
            if (!ix) continue;
            int sx = c + shift(r) + 1, sy = r + 1;
            if (sy < GLYPH_H && getpixel(b, sx, sy) == 0) putpixel(b, sx, sy, FC_SHADOW);
        }
    for (int r = 0; r < GLYPH_H; r++)
        for (int c = 0; c < g.width(); c++)
            if (g.pixels[r][c]) putpixel(b, c + shift(r), r, g.pixels[r][c]);
    return b;
}

} // namespace

int FontGlyph::width() const { return pixels.empty() ? 0 : (int)pixels[0].size(); }

std::map<int, FontGlyph> load_font_grids(const std::string& path)
{
    std::ifstream in(path);
    if (!in) tool_fail("%s: cannot open", path.c_str());
    std::map<char, int> colours = {{'.', 0}, {'#', FC_TEXT}};
    std::map<int, FontGlyph> glyphs;
    enum { TOP, COLOURS, GLYPH } mode = TOP;
    int current = -1, line = 0;
    std::string raw;
    while (std::getline(in, raw)) {
        line++;
        // Outside grids '#' starts a comment, except as the name of its own glyph.
        std::string s = trim(raw);
        if (mode != GLYPH && s.compare(0, 6, "glyph ") != 0) s = trim(s.substr(0, s.find('#')));
        if (mode == GLYPH) {
            if (s == "end") {
                if ((int)glyphs[current].pixels.size() != GLYPH_H)
                    tool_fail("%s:%d: glyph 0x%02X has %zu rows, needs %d", path.c_str(), line, current,
                              glyphs[current].pixels.size(), GLYPH_H);
                mode = TOP;
                continue;
            }
            auto& g = glyphs[current];
            if (!g.pixels.empty() && s.size() != g.pixels[0].size())
                tool_fail("%s:%d: row of %zu pixels, expected %zu", path.c_str(), line, s.size(),
                          g.pixels[0].size());
            std::vector<int> row;
            for (char ch : s) {
                auto it = colours.find(ch);
                if (it == colours.end()) tool_fail("%s:%d: unknown colour '%c'", path.c_str(), line, ch);
                row.push_back(it->second);
                if (ch != '.' && ch != '#') g.icon = true;
            }
            g.pixels.push_back(row);
            continue;
        }
        if (s.empty()) continue;
        std::istringstream ss(s);
        std::string word;
        ss >> word;
        if (mode == COLOURS) {
            if (word == "end") {
                mode = TOP;
                continue;
            }
            int index;
            if (word.size() != 1 || !(ss >> index) || index < 1 || index > 255)
                tool_fail("%s:%d: expected 'char palette-index'", path.c_str(), line);
            colours[word[0]] = index;
        } else if (word == "colors") {
            mode = COLOURS;
        } else if (word == "glyph") {
            std::string name;
            ss >> name;
            current = parse_char_name(path, line, name);
            if (current < FIRST_CHAR || current > LAST_CHAR)
                tool_fail("%s:%d: character 0x%02X outside 0x20..0x%02X", path.c_str(), line, current,
                          LAST_CHAR);
            if (glyphs.count(current))
                tool_fail("%s:%d: glyph 0x%02X drawn twice", path.c_str(), line, current);
            glyphs[current] = FontGlyph{};
            mode = GLYPH;
        } else {
            tool_fail("%s:%d: unexpected '%s'", path.c_str(), line, word.c_str());
        }
    }
    if (mode != TOP) tool_fail("%s: missing 'end'", path.c_str());
    for (int c = 33; c < 127; c++)
        if (!glyphs.count(c)) tool_fail("%s: no glyph for '%c'", path.c_str(), c);
    return glyphs;
}

DatObject build_font(const std::string& name, const std::map<int, FontGlyph>& grids, int slant)
{
    // Codes between the letters and the icons, and unused icon codes, are blank.
    FontGlyph blank;
    blank.pixels.assign(GLYPH_H, std::vector<int>(3, 0));
    std::vector<BITMAP*> bitmaps;
    for (int c = FIRST_CHAR; c <= LAST_CHAR; c++) {
        auto it = grids.find(c);
        bitmaps.push_back(render_glyph(it != grids.end() ? it->second : blank, slant));
    }
    DatObject o = dat_font8(name, FIRST_CHAR, bitmaps);
    for (BITMAP* b : bitmaps) destroy_bitmap(b);
    return o;
}

void add_fonts(DatFile& f, const std::string& assets)
{
    auto grids = load_font_grids(assets + "/data/fonts/glyphs.font");
    dat_put(f, COLOR_FONT_VANTOR, build_font("COLOR_FONT_VANTOR", grids, 1));
    dat_put(f, COLOR_FONT_SYSTEM, build_font("COLOR_FONT_SYSTEM", grids, 0));
    dat_put(f, MAIN_FONT_VANTOR, build_font("MAIN_FONT_VANTOR", grids, 1));
    dat_put(f, MAIN_FONT_SYSTEM, build_font("MAIN_FONT_SYSTEM", grids, 0));
}
