// The map compiler: turns the text sources of assets/maps into the .map files
// the game loads, written by the game's own save_tilemap, and draws each map
// with all its layers into a PNG so that a map can be looked at without playing.
//
//   mapc --all SRC_DIR TILES.dat OUT_DIR SHEET_DIR
//   mapc FILE.txt TILES.dat OUT_DIR [SHEET_DIR]
#include <allegro.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <set>

#include "mapsrc.h"
#include "px.h"
#include "tilemap.h"

namespace fs = std::filesystem;

namespace {

struct DatDeleter {
    void operator()(DATAFILE* d) const { unload_datafile(d); }
};
struct BmpDeleter {
    void operator()(BITMAP* b) const { destroy_bitmap(b); }
};
struct MapDeleter {
    void operator()(TILEMAP* t) const { destroy_tilemap(t); }
};
using MapPtr = std::unique_ptr<TILEMAP, MapDeleter>;

// Name -> number of every run-length sprite; the first of a name wins, as in
// the loader's renumbering.
std::map<std::string, int> tile_names(DATAFILE* dat)
{
    std::map<std::string, int> names;
    for (int i = 0; dat[i].type != DAT_END; i++)
        if (dat[i].type == DAT_RLE_SPRITE)
            if (const char* n = get_object_name(dat, i))
                if (*n) names.emplace(n, i);
    return names;
}

MapPtr build(const MapSource& src, DATAFILE* tiles)
{
    MapPtr t(create_tilemap(src.layers, src.xsize, src.ysize, src.xgrid, src.ygrid));
    if (!t) throw MapError(src.path + ": cannot make a map of this size");
    std::copy(src.cells.begin(), src.cells.end(), t->data);
    // Only the tiles in use need names: that is all the loader renumbers.
    std::set<int> used;
    for (int v : src.cells)
        if (v >= 0) used.insert(v);
    if (!used.empty()) {
        t->name = new NAMELIST[used.size()]();
        for (int v : used) {
            NAMELIST& n = t->name[t->names++];
            n.index = v;
            std::snprintf(n.name, sizeof n.name, "%s", get_object_name(tiles, v));
        }
    }
    return t;
}

void write_map(const TILEMAP* t, const MapSource& src, const fs::path& out)
{
    if (save_tilemap(const_cast<TILEMAP*>(t), out.c_str()) != 0)
        throw MapError(src.path + ": cannot write " + out.string());
    // Read it back through the game's loader: what ships is what the game sees.
    MapPtr back(load_tilemap(out.c_str()));
    bool same = back && back->xsize == t->xsize && back->ysize == t->ysize && back->layers == t->layers &&
                back->names == t->names && std::equal(t->data, t->data + src.cells.size(), back->data);
    if (!same) throw MapError(src.path + ": " + out.string() + " does not load back as written");
}

void write_sheet(const TILEMAP* t, DATAFILE* tiles, const fs::path& png)
{
    std::unique_ptr<BITMAP, BmpDeleter> bmp(create_bitmap(t->xsize * t->xgrid, t->ysize * t->ygrid));
    if (!bmp) throw MapError(png.string() + ": no memory for the picture");
    // A dim checkerboard marks cells that no layer covers.
    int dark = makecol(24, 20, 32), light = makecol(40, 34, 52);
    for (int y = 0; y < t->ysize; y++)
        for (int x = 0; x < t->xsize; x++)
            rectfill(bmp.get(), x * t->xgrid, y * t->ygrid, (x + 1) * t->xgrid - 1, (y + 1) * t->ygrid - 1,
                     (x + y) % 2 ? dark : light);
    for (int l = 0; l < t->layers; l++)
        draw_tilemap_layer(bmp.get(), tiles, const_cast<TILEMAP*>(t), l, 0, 0);
    if (write_png(png.c_str(), bmp.get()) != 0) throw MapError(png.string() + ": cannot write");
}

struct Compiler {
    DATAFILE* tiles = nullptr;
    std::map<std::string, int> names;
    fs::path out_dir, sheet_dir;
    std::map<std::string, std::string> written; // out name -> source, to catch two sources for one file

    bool compile(const fs::path& src_path)
    {
        try {
            MapSource src = parse_map_source(src_path.string(), names);
            auto dup = written.find(src.out_name);
            if (dup != written.end())
                throw MapError(src.path + ": " + src.out_name + " is also made by " + dup->second);
            written[src.out_name] = src.path;
            MapPtr t = build(src, tiles);
            write_map(t.get(), src, out_dir / src.out_name);
            if (!sheet_dir.empty()) write_sheet(t.get(), tiles, sheet_dir / (src.out_name + ".png"));
            return true;
        } catch (const MapError& e) {
            std::fprintf(stderr, "%s\n", e.what());
            return false;
        }
    }
};

int usage()
{
    std::fprintf(stderr, "usage: mapc --all SRC_DIR TILES.dat OUT_DIR SHEET_DIR\n"
                         "       mapc FILE.txt TILES.dat OUT_DIR [SHEET_DIR]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<fs::path> sources;
    Compiler c;
    const char* tiles_path;
    if (argc >= 2 && std::string(argv[1]) == "--all") {
        if (argc != 6) return usage();
        std::error_code ec;
        for (const auto& e : fs::directory_iterator(argv[2], ec))
            if (e.is_regular_file() && e.path().extension() == ".txt") sources.push_back(e.path());
        if (ec) {
            std::fprintf(stderr, "mapc: cannot list %s: %s\n", argv[2], ec.message().c_str());
            return 1;
        }
        std::sort(sources.begin(), sources.end());
        tiles_path = argv[3];
        c.out_dir = argv[4];
        c.sheet_dir = argv[5];
    } else {
        if (argc != 4 && argc != 5) return usage();
        sources.push_back(argv[1]);
        tiles_path = argv[2];
        c.out_dir = argv[3];
        if (argc == 5) c.sheet_dir = argv[4];
    }
    if (sources.empty()) return 0; // nothing to do, and the tile set need not exist yet

    if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0) {
        std::fprintf(stderr, "mapc: cannot start the graphics library\n");
        return 1;
    }
    set_color_depth(16);
    std::unique_ptr<DATAFILE, DatDeleter> tiles(load_datafile(tiles_path));
    if (!tiles) {
        std::fprintf(stderr, "mapc: cannot load %s\n", tiles_path);
        return 1;
    }
    c.tiles = tiles.get();
    c.names = tile_names(c.tiles);
    std::error_code ec;
    fs::create_directories(c.out_dir, ec);
    if (!c.sheet_dir.empty()) fs::create_directories(c.sheet_dir, ec);

    int failed = 0;
    for (const fs::path& s : sources)
        if (!c.compile(s)) failed++;
    if (failed) std::fprintf(stderr, "mapc: %d of %zu maps failed\n", failed, sources.size());
    return failed ? 1 : 0;
}
