// Arbitrary bytes as a save slot: through a slot file, the way a load reads
// it (packfile, decompression, lines), and straight as the file's text. What
// the loader accepts must be held to its bounds, go into a running game, and
// write and read back unchanged. With VANTOR_FUZZ_SEEDS=DIR set, a few real
// save files are written there first.
#include <allegro.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

#include "menu_save.h"
#include "records.h"

namespace {

std::string slot_path;

void check(bool ok, const char* what)
{
    if (!ok) {
        std::fprintf(stderr, "fuzz_save: %s\n", what);
        std::abort();
    }
}

template <typename T>
T* zeroed()
{
    return static_cast<T*>(std::calloc(1, sizeof(T)));
}

// The records a load writes into, zeroed as a process before start-up would have them.
void make_records()
{
    mike = zeroed<character>();
    ftmike = zeroed<ftchar>();
    ftcharlie = zeroed<ftchar>();
    ftrunhon = zeroed<ftchar>();
    ftelizabeth = zeroed<ftchar>();
    weapon** ws[] = {&steel_blade, &stainless_slasher, &apple_copper_blade, &mythril_katana,
                     &scalder,     &iron_sword,        &short_rod,          &dreamer,
                     &jade_melt,   &moon_rod};
    for (int i = 0; i < 10; i++) {
        *ws[i] = zeroed<weapon>();
        (*ws[i])->id = i;
    }
    armor** as[] = {&iron_vest, &mythril_vest, &apple_copper, &warrior_vest, &soldier_mail, &rock_vest};
    for (int i = 0; i < 6; i++) {
        *as[i] = zeroed<armor>();
        (*as[i])->id = i;
    }
    NO_ARMOR = zeroed<armor>();
    NO_ARMOR->id = -1;
    ftmike->charweapon = steel_blade;
    ftcharlie->charweapon = stainless_slasher;
    ftrunhon->charweapon = ftelizabeth->charweapon = short_rod;
    ftmike->chararmor = iron_vest;
    ftcharlie->chararmor = mythril_vest;
    ftrunhon->chararmor = ftelizabeth->chararmor = warrior_vest;
}

void write_seeds(const std::string& dir)
{
    saved_game g;
    capture_saved_game(&g);
    g.map_num = -1;
    g.gp = 250;
    g.items[3] = 4;
    g.heroes[0].level = 3;
    g.heroes[3].in_fight = -1;
    g.gear[SAVE_GEAR - 1] = -1;
    std::string text = save_text(g);
    write_save_file((dir + "/full.vtr").c_str(), g);
    std::string part = text.substr(0, 200) + "saveversion 0.320000\n";
    FILE* f = std::fopen((dir + "/lines.txt").c_str(), "wb");
    if (f) {
        std::fwrite(part.data(), 1, part.size(), f);
        std::fclose(f);
    }
}

void check_bounds(const saved_game& g)
{
    for (const saved_hero& h : g.heroes)
        check(h.level >= 1 && h.hp >= 0 && h.hp <= h.hpmax && h.mp >= 0 && h.mp <= h.mpmax,
              "a hero outside the bounds of a playable game");
    for (int n : g.items) check(n >= 0 && n <= 99, "an item count outside 0 to 99");
    check(g.gp >= 0 && known_map_number(g.map_num), "gold or map out of bounds");
}

// Whatever was accepted plays into the game, and its text reads back as the same record.
void accepted(saved_game& g)
{
    if (!sanitise_saved_game(&g)) return;
    check_bounds(g);
    apply_saved_game(g);
    saved_game again;
    capture_saved_game(&again);
    std::string text = save_text(again);
    saved_game back{};
    check(parse_save_text(text.data(), text.size(), &back) == TRUE, "the game's own text is not complete");
    check(save_text(back) == text, "a saved game reads back differently");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    install_allegro(SYSTEM_NONE, &errno, atexit);
    make_records();
    const char* base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    slot_path = std::string(base) + "/fuzz_save_" + std::to_string(getpid()) + ".vtr";
    std::atexit([] { std::remove(slot_path.c_str()); });
    if (const char* seeds = std::getenv("VANTOR_FUZZ_SEEDS")) write_seeds(seeds);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    saved_game g;
    capture_saved_game(&g);
    if (parse_save_text(reinterpret_cast<const char*>(data), size, &g)) accepted(g);

    FILE* f = std::fopen(slot_path.c_str(), "wb");
    if (!f) return 0;
    if (size) std::fwrite(data, 1, size, f);
    std::fclose(f);
    capture_saved_game(&g);
    if (read_save_file(slot_path.c_str(), &g)) accepted(g);
    return 0;
}
