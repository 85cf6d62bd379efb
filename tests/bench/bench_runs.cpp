// Wall-clock costs that tests must not assert on (tests share two cores with
// everything else): a minute of scripted play, the data builder, and drawing
// a huge map far from its origin, which should cost only its visible cells.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/wait.h>

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

// A minute of game time from a new game: the logo and the prologue, New Game,
// then Enter every 300 ms through the dream and into the first fights on the
// bridge. The script stops mid-play, so the run ends by the idle rule (status 3).
std::string minute_script()
{
    std::string s = "wait 25s\ntap Enter 80\n";
    for (int i = 0; i < 110; i++) s += "tap Enter 20\nwait 300ms\n";
    return s + "end\n";
}

void BM_AMinuteOfScriptedPlay(benchmark::State& state)
{
    std::string dir = fresh_dir();
    sh("ln -s " VANTOR_DATA_DIR "/*.dat " VANTOR_DATA_DIR "/*.map " + dir + "/");
    std::ofstream(dir + "/script.txt") << minute_script();
    std::string cmd = "cd " + dir +
                      " && VANTOR_SCRIPT=script.txt VANTOR_DUMP=dump.txt VANTOR_IDLE_MS=100 " VANTOR_BINARY
                      " > out.txt 2>&1";
    for (auto _ : state) {
        int rc = sh(cmd);
        if (!WIFEXITED(rc) || WEXITSTATUS(rc) != 3) state.SkipWithError("the scripted run failed");
    }
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
