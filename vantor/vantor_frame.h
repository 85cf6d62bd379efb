// Frame-loop internals shared by the shell's own files, the tests and the
// benchmark: fast 16-bit blending for translucent passes, the window look,
// the window text splitter, and the single steps of the frame composition.
#pragma once
#include <allegro.h>

#include "records.h"

// Longest text a window accepts, longest line, and lines per window.
enum { WINDOW_TEXT_MAX = 499, WINDOW_LINE_MAX = 119, WINDOW_LINES = 3 };

// Text cut to WINDOW_TEXT_MAX, wrapped at 36-character marks when it has no "_",
// and split at "_" into at most three lines; returns the number of lines.
int split_window_text(const char* text, char lines[WINDOW_LINES][WINDOW_LINE_MAX + 1]);
// Fill gradient step per row for a window of height ht.
int window_gradient_step(int ht);
// The bevelled frame of a window, solid or at opacity a (255 = solid).
void draw_window_frame(BITMAP* bmp, int x, int y, int wt, int ht, int a);

// Lays black over the whole bitmap at opacity a (0-255).
void darken_bitmap(BITMAP* bmp, int a);
// Lays src over dst (same size) at opacity a; masked: src's mask colour is skipped.
void blend_bitmap(BITMAP* dst, BITMAP* src, int a, int masked);

// Waits while the logic is ahead of the frame timer (at most about a second).
void wait_for_clock();
// One cycle of the townspeople's wandering (the walk begins when town_counter is 0).
void wander_townspeople();
// The opacity the place window is drawn with now.
int place_window_opacity();
