// Pixel-grid art: the readable text form of every hand-drawn picture.
// A .px file lists colours (one character each) and pictures drawn with them;
// the builders turn each picture into a 16-bit bitmap.
//
//   # comment
//   colors                 one line per colour: char r g b  ('.' is the mask by default)
//     k 24 20 37
//   end
//   sprite hero_down_a     rows of equal length follow, until "end"
//   ..kk..
//   end
#pragma once
#include <allegro.h>

#include "png_write.h"

#include <map>
#include <string>
#include <vector>

struct PxSprite {
    std::string name;
    std::vector<std::string> rows;
    int line = 0; // source line of "sprite", for error messages
};

struct PxFile {
    std::string path;
    std::map<char, int> colors; // char -> 0xRRGGBB
    std::vector<PxSprite> sprites;
};

// Parses a file; colours of `base` (if given) are known unless overridden.
// Any error ends the tool with "file:line: message".
PxFile px_load(const std::string& path, const PxFile* base = nullptr);
// The named picture; a missing name ends the tool.
const PxSprite& px_find(const PxFile& f, const std::string& name);
// A new 16-bit bitmap of the picture; unknown characters end the tool.
BITMAP* px_bitmap(const PxFile& f, const PxSprite& s);
// Draws the picture onto bmp at (x, y), skipping mask pixels.
void px_draw(BITMAP* bmp, const PxFile& f, const PxSprite& s, int x, int y);
