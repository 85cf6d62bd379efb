// Writing a bitmap as a PNG file, for the game's screenshots and the tools' sheets.
#pragma once
#include <allegro.h>

// Writes a 15/16/24/32-bit bitmap as an RGB PNG; 0 on success.
int write_png(const char* path, BITMAP* bmp);
