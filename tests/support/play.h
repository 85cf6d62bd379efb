// Test support shared by the in-process and scripted-run tests: walking by
// script, the party kept aside and put back, and the checks every place and
// every text table must pass.
#pragma once
#include <allegro.h>

#include <string>

#include "tilemap.h"
#include "vantor.h"

// Script lines holding an arrow key for exactly `steps` steps: a step is one pass of the
// loop and 16 walking frames at 60 a second, and the key comes up half-way through the
// last one. The wait after it lets that step end, so every walk starts from standing.
std::string hold_steps(const std::string& key, int steps, int settle_ms = 300);

// The four heroes as a test found them (once the game has started), put back when it is done.
struct PartySnapshot {
    ftchar saved[4];
    static ftchar* hero(int i); // Mike, Charlie, Runhon, Elizabeth
    void take();
    void restore() const;
};

// A window text fits when it has at most three lines (broken by hand at "_" or by the
// window itself) and each is at most `width` pixels wide in every font the options offer.
void expect_window_fits(const char* text, int width = 290);

// Every tile of the map is meant, by the tile catalogue, for the map group (such as
// "WD" or "LVI"): a tile of another group may have the wrong solidity there.
void expect_tiles_meant_for(TILEMAP* m, const std::string& group, const std::string& what);

// The game ends the process itself on a lost fight or Esc; inside an in-process run that
// would look like a passing test. While `inside` is set, such an exit fails it instead.
void exits_fail_the_test(bool inside);

// How many of the scripted door's windows showed exactly this text.
int windows_saying(const char* text);
