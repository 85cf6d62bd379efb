// Arbitrary bytes as a datafile, walked the way the game walks its resident
// datafiles before it lets the library load them: the walk must never read
// out of bounds or hang, however a file is cut or scrambled.
// With VANTOR_FUZZ_SEEDS=DIR set, a few small well-formed datafiles are written there first.
#include <allegro.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "datcheck.h"

namespace {

std::string in_path;

// A datafile of `count` objects, each named and holding `size` bytes.
void write_seed(const std::string& path, int count, int size, bool packed)
{
    PACKFILE* f = pack_fopen(path.c_str(), packed ? F_WRITE_PACKED : F_WRITE_NOPACK);
    if (!f) return;
    pack_mputl(DAT_MAGIC, f);
    pack_mputl(count, f);
    for (int i = 0; i < count; i++) {
        std::string name = "OBJECT_" + std::to_string(i);
        pack_mputl(DAT_PROPERTY, f);
        pack_mputl(DAT_NAME, f);
        pack_mputl((long)name.size(), f);
        pack_fwrite(name.data(), (long)name.size(), f);
        pack_mputl(DAT_DATA, f);
        PACKFILE* c = pack_fopen_chunk(f, FALSE);
        for (int k = 0; k < size; k++) pack_putc(k * 7 + i, c);
        f = pack_fclose_chunk(c);
    }
    pack_fclose(f);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    install_allegro(SYSTEM_NONE, &errno, atexit);
    const char* base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    in_path = std::string(base) + "/fuzz_datafile_" + std::to_string(getpid()) + ".dat";
    std::atexit([] { std::remove(in_path.c_str()); });
    if (const char* seeds = std::getenv("VANTOR_FUZZ_SEEDS")) {
        std::string dir = seeds;
        write_seed(dir + "/one.dat", 1, 4, false);
        write_seed(dir + "/three.dat", 3, 20, false);
        write_seed(dir + "/packed.dat", 4, 40, true);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FILE* f = std::fopen(in_path.c_str(), "wb");
    if (!f) return 0;
    if (size) std::fwrite(data, 1, size, f);
    std::fclose(f);
    datafile_complete(in_path.c_str());
    return 0;
}
