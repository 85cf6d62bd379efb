// tiles.dat: every map tile, painted from its recipe in the tile catalogue
// (assets/tiles/catalogue.txt) and stored as a named run-length sprite at the
// index the game's collision rules and animations expect.
#include "datafiles/datafiles.h"
#include "tiles/catalogue.h"
#include "tiles/paint.h"

#include <cstdlib>
#include <memory>

using namespace tilepaint;

namespace {

struct BitmapDeleter {
    void operator()(BITMAP* b) const { destroy_bitmap(b); }
};
using BitmapPtr = std::unique_ptr<BITMAP, BitmapDeleter>;

// A 32-bit bitmap of the tile, so the mask colour survives exactly.
BitmapPtr to_bitmap(const Tile& t)
{
    BitmapPtr b(create_bitmap_ex(32, TS, TS));
    if (!b) tool_fail("tiles: out of memory");
    for (int y = 0; y < TS; y++)
        for (int x = 0; x < TS; x++) {
            uint32_t c = t.p[y][x];
            putpixel(b.get(), x, y, makecol_depth(32, (c >> 16) & 255, (c >> 8) & 255, c & 255));
        }
    return b;
}

} // namespace

void gen_tiles(DatFile& f, const std::string& assets)
{
    std::vector<TileEntry> cat = load_tile_catalogue(assets + "/tiles/catalogue.txt");
    std::vector<Tile> painted;
    for (const TileEntry& e : cat) {
        Tile t;
        paint_tile(t, e.look, e.name);
        BitmapPtr b = to_bitmap(t);
        dat_put(f, e.index, dat_rle(e.name, b.get()));
        painted.push_back(t);
    }
    // Previews for whoever draws the tiles: a labelled sheet and small scenes.
    if (const char* dir = std::getenv("VANTOR_TILE_PREVIEW")) write_tile_previews(cat, painted, dir);
}
