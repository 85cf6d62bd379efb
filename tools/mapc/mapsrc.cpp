// Map source parser. Line-oriented: header directives, key definitions, then
// one grid per layer. Keys are matched as fixed-width chunks of each grid row.
#include "mapsrc.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

const int MAX_SIDE = 4096; // same ceiling the game's loader accepts
const int MAX_LAYERS = 64;

struct Line {
    std::string file;
    int number = 0;
    std::string text;
};

[[noreturn]] void fail(const Line& at, const char* fmt, ...)
{
    char msg[512];
    va_list ap;
    va_start(ap, fmt);
    std::vsnprintf(msg, sizeof msg, fmt, ap);
    va_end(ap);
    throw MapError(at.file + ":" + std::to_string(at.number) + ": " + msg);
}

std::vector<Line> read_lines(const std::string& path, const Line* from)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        if (from) fail(*from, "cannot read %s", path.c_str());
        throw MapError(path + ": cannot read");
    }
    std::vector<Line> lines;
    std::string text;
    int n = 0;
    while (std::getline(in, text)) lines.push_back({path, ++n, text});
    return lines;
}

std::string trim(const std::string& s)
{
    size_t a = s.find_first_not_of(" \t\r");
    if (a == std::string::npos) return "";
    size_t b = s.find_last_not_of(" \t\r");
    return s.substr(a, b - a + 1);
}

bool is_comment_or_blank(const std::string& s)
{
    std::string t = trim(s);
    return t.empty() || t[0] == '#';
}

// The words of a directive line; keys and tile names never hold '#', so
// everything from the first '#' on is a comment.
std::vector<std::string> words(const std::string& s)
{
    std::istringstream in(s.substr(0, s.find('#')));
    std::vector<std::string> w;
    std::string x;
    while (in >> x) w.push_back(x);
    return w;
}

int number(const Line& at, const std::string& w, int lo, int hi, const char* what)
{
    char* end = nullptr;
    long v = std::strtol(w.c_str(), &end, 10);
    if (w.empty() || *end || v < lo || v > hi)
        fail(at, "%s must be a number from %d to %d, not '%s'", what, lo, hi, w.c_str());
    return static_cast<int>(v);
}

struct Parser {
    const std::map<std::string, int>& tiles;
    MapSource m;
    std::map<std::string, int> keys; // key -> tile number (-1 empty)
    std::vector<bool> layer_done;
    bool header_closed = false;

    explicit Parser(const std::map<std::string, int>& t) : tiles(t) {}

    void close_header(const Line& at)
    {
        if (header_closed) return;
        if (m.out_name.empty()) fail(at, "'map NAME' must come first");
        if (!m.xsize) fail(at, "'size COLUMNS ROWS' must come before this line");
        if (!m.layers) fail(at, "'layers N' must come before this line");
        if (static_cast<long long>(m.xsize) * m.ysize * m.layers > (1LL << 24)) fail(at, "map too large");
        m.cells.assign(static_cast<size_t>(m.xsize) * m.ysize * m.layers, -1);
        layer_done.assign(m.layers, false);
        header_closed = true;
    }

    void define(const Line& at, const std::vector<std::string>& w)
    {
        if (w.size() != 3) fail(at, "expected 'tile KEY NAME'");
        const std::string& key = w[1];
        if (static_cast<int>(key.size()) != m.cell)
            fail(at, "key '%s' is %zu characters, cells are %d", key.c_str(), key.size(), m.cell);
        for (char c : key)
            if (c <= ' ' || c > '~')
                fail(at, "key '%s' holds a character that is not printable", key.c_str());
        if (w[2] == "-") {
            keys[key] = -1;
            return;
        }
        auto it = tiles.find(w[2]);
        if (it == tiles.end()) fail(at, "unknown tile %s", w[2].c_str());
        keys[key] = it->second;
    }

    void include(const Line& at, const std::string& name)
    {
        std::string dir = m.path.substr(0, m.path.find_last_of('/') + 1);
        for (const Line& l : read_lines(dir + name, &at)) {
            if (is_comment_or_blank(l.text)) continue;
            std::vector<std::string> w = words(l.text);
            if (w[0] != "tile") fail(l, "a legend file holds only 'tile KEY NAME' lines");
            define(l, w);
        }
    }

    // Consumes the grid rows after a 'layer' line; returns the index of the last one.
    size_t layer(const std::vector<Line>& lines, size_t i, const std::vector<std::string>& w)
    {
        const Line& at = lines[i];
        if (w.size() != 2 && !(w.size() == 4 && w[2] == "fill"))
            fail(at, "expected 'layer N' or 'layer N fill KEY'");
        int l = number(at, w[1], 0, m.layers - 1, "layer");
        if (layer_done[l]) fail(at, "layer %d given twice", l);
        layer_done[l] = true;
        int* cells = &m.cells[static_cast<size_t>(m.xsize) * m.ysize * l];
        if (w.size() == 4) {
            auto k = keys.find(w[3]);
            if (k == keys.end()) fail(at, "unknown key '%s'", w[3].c_str());
            std::fill(cells, cells + static_cast<size_t>(m.xsize) * m.ysize, k->second);
            return i;
        }
        int y = 0;
        size_t width = static_cast<size_t>(m.xsize) * m.cell;
        while (y < m.ysize) {
            if (++i >= lines.size())
                fail(lines.back(), "layer %d ends after %d rows, the map has %d", l, y, m.ysize);
            if (is_comment_or_blank(lines[i].text)) continue;
            std::string row = trim(lines[i].text);
            if (row.size() != width)
                fail(lines[i], "row is %zu characters, expected %zu (%d columns of %d)", row.size(), width,
                     m.xsize, m.cell);
            for (int x = 0; x < m.xsize; x++) {
                std::string key = row.substr(static_cast<size_t>(x) * m.cell, m.cell);
                auto k = keys.find(key);
                if (k == keys.end()) fail(lines[i], "column %d: unknown key '%s'", x, key.c_str());
                cells[static_cast<size_t>(y) * m.xsize + x] = k->second;
            }
            y++;
        }
        return i;
    }

    void parse(const std::string& path)
    {
        m.path = path;
        std::vector<Line> lines = read_lines(path, nullptr);
        for (size_t i = 0; i < lines.size(); i++) {
            const Line& at = lines[i];
            if (is_comment_or_blank(at.text)) continue;
            std::vector<std::string> w = words(at.text);
            const std::string& d = w[0];
            bool header = d == "map" || d == "size" || d == "layers" || d == "cell" || d == "grid";
            if (header && header_closed)
                fail(at, "'%s' must come before any tile, include or layer line", d.c_str());
            if (d == "map") {
                if (w.size() != 2 || w[1].find('/') != std::string::npos ||
                    w[1].find('\\') != std::string::npos || w[1] == "." || w[1] == "..")
                    fail(at, "expected 'map FILE' (a plain file name)");
                m.out_name = w[1];
            } else if (d == "size") {
                if (w.size() != 3) fail(at, "expected 'size COLUMNS ROWS'");
                m.xsize = number(at, w[1], 1, MAX_SIDE, "columns");
                m.ysize = number(at, w[2], 1, MAX_SIDE, "rows");
            } else if (d == "layers") {
                if (w.size() != 2) fail(at, "expected 'layers N'");
                m.layers = number(at, w[1], 1, MAX_LAYERS, "layers");
            } else if (d == "cell") {
                if (w.size() != 2) fail(at, "expected 'cell 1' or 'cell 2'");
                m.cell = number(at, w[1], 1, 2, "cell");
            } else if (d == "grid") {
                if (w.size() != 3) fail(at, "expected 'grid WIDTH HEIGHT'");
                m.xgrid = number(at, w[1], 1, 256, "grid width");
                m.ygrid = number(at, w[2], 1, 256, "grid height");
            } else if (d == "tile") {
                close_header(at);
                define(at, w);
            } else if (d == "include") {
                close_header(at);
                if (w.size() != 2) fail(at, "expected 'include FILE'");
                include(at, w[1]);
            } else if (d == "layer") {
                close_header(at);
                i = layer(lines, i, w);
            } else {
                fail(at, "unknown directive '%s'", d.c_str());
            }
        }
        if (!header_closed) {
            Line end{path, static_cast<int>(lines.size()), ""};
            close_header(end);
        }
    }
};

} // namespace

MapSource parse_map_source(const std::string& path, const std::map<std::string, int>& tiles)
{
    Parser p(tiles);
    p.parse(path);
    return p.m;
}
