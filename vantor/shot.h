// The player's screenshots: F10 writes the picture on show as the next
// numbered PNG (screenshots/vantor-0001.png, -0002 ...) in the game
// directory, so a second shot never overwrites the first.
#pragma once
#include <allegro.h>

#include "png_write.h"

#include <string>

// One past the highest vantor-NNNN.png in dir (1 when there is none, 0 when all 9999 are taken).
int next_screenshot_number(const char* dir);
// Saves bmp as the next numbered screenshot in dir (made when missing); the path written, or "" on failure.
std::string save_numbered_screenshot(const char* dir, BITMAP* bmp);
// Takes one screenshot of bmp into screenshots/ when F10 has just gone down (holding it takes one).
void screenshot_key(BITMAP* bmp);
