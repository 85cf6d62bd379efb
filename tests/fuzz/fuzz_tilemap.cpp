// Arbitrary bytes as a map: through a file, the way the game reads maps, and
// as a datafile object, the way register_tilemap takes them. Whatever loads is
// then put through everything a screen or the editor does with a map.
// With VANTOR_FUZZ_SEEDS=DIR set, a few real maps are written there first.
#include <allegro.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

#include "../tilemap_fixture.h"
#include "tilemap.h"

namespace {

DATAFILE* tiles;
BITMAP* screen_bmp;
std::string in_path, copy_path;

void check(bool ok, const char* what)
{
    if (!ok) {
        std::fprintf(stderr, "fuzz_tilemap: %s\n", what);
        std::abort();
    }
}

void write_seeds(const std::string& dir)
{
    struct Seed {
        const char* file;
        int layers, w, h, names;
    };
    const Seed seeds[] = {{"tiny.map", 1, 1, 1, 0},
                          {"names.map", 2, 3, 2, 4},
                          {"field.map", 3, 20, 15, 6},
                          {"strip.map", 1, 40, 1, 2}};
    for (const Seed& s : seeds) {
        TILEMAP* t = create_tilemap(s.layers, s.w, s.h, 16, 16);
        for (int i = 0; i < s.layers * s.w * s.h; i++) t->data[i] = (i * 7) % 9 - 1;
        create_namelist(t, tiles);
        if (t->names > s.names) t->names = s.names;
        save_tilemap(t, (dir + "/" + s.file).c_str());
        destroy_tilemap(t);
    }
}

// Everything a loaded map allows; nothing here may read or write out of bounds.
TILEMAP* exercise(TILEMAP* t, const uint8_t* data, size_t size)
{
    int a = size > 40 ? data[36] : 0, b = size > 41 ? data[size - 1] : 0;
    correct_tilemap(t, tiles);
    for (int l = -1; l <= t->layers && l < 5; l++) {
        draw_tilemap_layer(screen_bmp, tiles, t, l, 0, 0);
        draw_tilemap_layer(screen_bmp, tiles, t, l, -a * 3, -b * 5);
        draw_tilemap_layer(screen_bmp, tiles, t, l, a - 128, b - 128);
    }
    for (int l : {-1, 0, t->layers - 1, t->layers})
        for (int x : {-1, 0, t->xsize - 1, t->xsize, a})
            for (int y : {-1, 0, t->ysize - 1, t->ysize, b}) {
                int v = get_sprite_number(t, l, x, y);
                set_sprite_number(t, l, x, y, v ^ 1);
            }
    create_namelist(t, tiles);
    return resize_tilemap(t, 1 + a % 3, 1 + b % 17, 1 + a % 13, 16, 16, a & 1, b & 1);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    install_allegro(SYSTEM_NONE, &errno, atexit);
    set_color_depth(16);
    tiles = fake_datafile({fake_tile("grass", 0x40a040), fake_data("NOT_A_TILE", {1, 2, 3}),
                           fake_tile("water", 0x3060c0), fake_tile("", 0x808080),
                           fake_tile("tall_tree", 0x206020, 16, 48), fake_tile("grass", 0xff0000),
                           fake_tile("sand", 0xd0c080, 8, 8)});
    screen_bmp = create_bitmap(320, 240);
    const char* base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    in_path = std::string(base) + "/fuzz_tilemap_" + std::to_string(getpid()) + ".map";
    copy_path = in_path + ".copy";
    std::atexit([] {
        std::remove(in_path.c_str());
        std::remove(copy_path.c_str());
    });
    if (const char* seeds = std::getenv("VANTOR_FUZZ_SEEDS")) write_seeds(seeds);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FILE* f = std::fopen(in_path.c_str(), "wb");
    if (!f) return 0;
    if (size) std::fwrite(data, 1, size, f);
    std::fclose(f);

    TILEMAP* loaded = load_tilemap(in_path.c_str());
    DATAFILE* dat = fake_datafile({fake_data("MAP", std::vector<uint8_t>(data, data + size))});
    TILEMAP* held = register_tilemap(dat, 0);
    check(!loaded == !held, "the file loader and the datafile path disagree on a map");

    if (loaded) {
        // What loads must save and load back to the same map.
        check(save_tilemap(loaded, copy_path.c_str()) == 0, "a loaded map does not save");
        TILEMAP* again = load_tilemap(copy_path.c_str());
        check(again != nullptr, "a saved map does not load");
        size_t cells = static_cast<size_t>(loaded->xsize) * loaded->ysize * loaded->layers;
        check(again->xsize == loaded->xsize && again->ysize == loaded->ysize &&
                  again->layers == loaded->layers && again->names == loaded->names &&
                  std::memcmp(again->data, loaded->data, cells * sizeof(int)) == 0,
              "a map changed on its way through a file");
        for (int i = 0; i < loaded->names; i++)
            check(again->name[i].index == loaded->name[i].index &&
                      std::strcmp(again->name[i].name, loaded->name[i].name) == 0,
                  "a name changed on its way through a file");
        destroy_tilemap(again);
        destroy_tilemap(exercise(loaded, data, size));
    }
    if (held) destroy_tilemap(exercise(held, data, size));
    unload_datafile(dat);
    return 0;
}
