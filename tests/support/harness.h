// Test support: run the real game binary headless from an input script and
// read back its state dump, sound log and screenshots; and bring the library
// up headless inside a test process with the real datafiles loaded.
#pragma once
#include <allegro.h>

#include <map>
#include <string>
#include <vector>

struct GameRun {
    int status = -1;                         // the process's exit status
    std::map<std::string, std::string> dump; // "key value" lines of the state dump
    std::vector<std::string> sounds;  // sound log lines ("sample 71 vol 255 pan 127 freq 1000 loop 0" ...)
    std::vector<std::string> windows; // texts shown in the game's windows, in order
    std::vector<std::string> turns;   // battle turns ("Mike | Mike 29/8 ... | Mangler 1500 a"), in order
    std::string output;               // everything printed on stdout and stderr
    std::string dir;                  // the game directory the run used (screenshots are in dir/shots)
    double wall_seconds = 0;          // real time the run took
    int dump_int(const std::string& key) const;  // a dump value as a number (fails the test when missing)
    bool heard(const std::string& prefix) const; // some sound log line starts with prefix
    bool said(const std::string& text) const;    // some window showed exactly this text
};

// A `files` value that leaves that file out of the game directory altogether.
constexpr const char* HARNESS_ABSENT = "\x01<absent>";

// Runs the game in a fresh directory holding the built data files.
// `files` are extra files to put there first (name -> contents), such as "winconfig.cfg".
// Unless `full_start` is set the run skips the logo, prologue, title and opening and begins a
// new game on the world map below the bridge (VANTOR_START=world).
GameRun run_game(const std::string& script, const std::vector<std::string>& args = {},
                 const std::map<std::string, std::string>& files = {}, unsigned seed = 1,
                 bool full_start = false);

// A fresh game directory holding (links to) the built data files (removed at the end, too).
std::string make_game_dir();
// A fresh empty temporary directory, removed with everything in it when the test process ends.
std::string make_temp_dir();
// Reads a whole file ("" when missing).
std::string read_file(const std::string& path);

// Starts Allegro headless (SYSTEM_NONE, 16-bit colour) in this process; safe to call again.
void headless_library_start();
// A datafile of the build's data directory by name ("data", "tiles", "chrctrs" with
// its password), loaded once per process; null when it was not built or does not load.
DATAFILE* built_datafile(const std::string& name);

// Starts Allegro headless in this process (SYSTEM_NONE, 16-bit memory screen of
// 320 x 240) with data.dat, tiles.dat and chrctrs.dat loaded into the game's
// globals and init_variables run, in a scripted door with the given script.
// Safe to call more than once.
void headless_game_start(const char* script = "");
