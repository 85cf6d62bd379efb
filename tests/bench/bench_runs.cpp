// Wall-clock costs that tests must not assert on (tests share two cores with
// everything else): a minute of scripted play, the data builder, and drawing
// a huge map far from its origin, which should cost only its visible cells.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "tilemap.h"
#include "vantor.h"

namespace {

std::string fresh_dir()
{
    char tmpl[] = "/tmp/vantor-bench-XXXXXX";
    const char* d = mkdtemp(tmpl);
    return d ? d : "/tmp";
}

int sh(const std::string& cmd) { return std::system(cmd.c_str()); }

// Six rounds of walking left and right, a minute of game time in all.
std::string minute_script()
{
    std::string s = "wait 2s\n";
    for (int i = 0; i < 6; i++) {
        const char* side = i % 2 ? "Left" : "Right";
        s += std::string("hold ") + side + "\nwait 4s\nrelease " + side +
             "\nhold Down\nwait 1s\nrelease Down\nhold Up\nwait 1s\nrelease Up\nwait 4s\n";
    }
    return s + "press Esc\nwait 1s\nend\n";
}

void BM_AMinuteOfScriptedPlay(benchmark::State& state)
{
    std::string dir = fresh_dir();
    sh("ln -s " VANTOR_DATA_DIR "/*.dat " VANTOR_DATA_DIR "/*.map " + dir + "/");
    std::ofstream(dir + "/script.txt") << minute_script();
    std::string cmd = "cd " + dir +
                      " && VANTOR_SCRIPT=script.txt VANTOR_DUMP=dump.txt " VANTOR_BINARY
                      " -nofight:47390 > out.txt 2>&1";
    for (auto _ : state)
        if (sh(cmd) != 0) state.SkipWithError("the scripted run failed");
    sh("rm -rf " + dir);
}

void BM_DatbuildDataAndLogo(benchmark::State& state)
{
    std::string dir = fresh_dir();
    for (auto _ : state)
        for (const char* which : {"lgmovie", "data"})
            if (sh(std::string(VANTOR_BUILD_DIR "/datbuild ") + which + " " + dir +
                   "/out.dat " VANTOR_SOURCE_DIR "/assets > " + dir + "/log.txt 2>&1") != 0)
                state.SkipWithError("datbuild failed");
    sh("rm -rf " + dir);
}

void BM_HugeMapFarFromItsOrigin(benchmark::State& state)
{
    TILEMAP* t = create_tilemap(1, 4096, 2048, 16, 16);
    if (!t) {
        state.SkipWithError("out of memory");
        return;
    }
    for (int i = 0; i < 4096 * 2048; i++) t->data[i] = 0;
    int i = 0;
    for (auto _ : state) {
        draw_tilemap_layer(buffer, tiles, t, 0, -30000 - i, -16000 - i);
        i = (i + 1) % 200;
    }
    destroy_tilemap(t);
}

} // namespace

BENCHMARK(BM_AMinuteOfScriptedPlay)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_DatbuildDataAndLogo)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_HugeMapFarFromItsOrigin)->Unit(benchmark::kMicrosecond);
