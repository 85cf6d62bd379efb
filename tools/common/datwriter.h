// Writes Allegro 4 datafiles object by object, so that every object lands at
// the fixed index the game addresses it by. Gaps are filled with harmless
// placeholders; output is byte-for-byte deterministic.
#pragma once
#include <allegro.h>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct DatObject {
    uint32_t type = 0; // DAT_BITMAP, DAT_RLE_SPRITE, DAT_FONT, DAT_SAMPLE, DAT_MIDI, DAT_PALETTE, DAT_DATA
    std::string name;  // the "NAME" property (tiles are looked up by it)
    std::vector<uint8_t> body; // serialized object body
    int w = 0, h = 0;          // picture size, for checks and contact sheets
};

using DatFile = std::map<int, DatObject>; // object number -> object

// A 16-bit bitmap object (any colour depth in; converted to 16 bits).
DatObject dat_bitmap(const std::string& name, BITMAP* bmp);
// A run-length sprite from a bitmap; the mask colour (255, 0, 255) is transparent.
DatObject dat_rle(const std::string& name, BITMAP* bmp);
// A sample of signed 16-bit mono PCM at the given rate.
DatObject dat_sample(const std::string& name, const std::vector<int16_t>& pcm, int freq);
// A MIDI object: ticks per quarter note and up to 32 tracks of raw event bytes
// (delta times and events as in a standard MIDI file track, end-of-track included).
DatObject dat_midi(const std::string& name, int divisions, const std::vector<std::vector<uint8_t>>& tracks);
// A 256-entry palette; components 0..255 here, stored as 0..63.
DatObject dat_palette(const std::string& name, const RGB pal[256]);
// A colour font: one range of 8-bit glyph bitmaps (palette indices, 0 = clear).
// glyphs[i] is the glyph of character first + i.
DatObject dat_font8(const std::string& name, int first, const std::vector<BITMAP*>& glyphs);
// A small named DAT_DATA object that keeps an unused index in place.
DatObject dat_placeholder(int index);

// Puts an object at an index; a second object at the same index is a build error.
void dat_put(DatFile& file, int index, DatObject obj);
// Writes objects 0 .. count-1 (gaps become placeholders), compressed, behind
// the password when one is given. Returns 0 on success.
int dat_write(const char* path, const DatFile& file, int count, const char* password);

// Prints "what: message" and exits with status 1; for build tools only.
[[noreturn]] void tool_fail(const char* fmt, ...);
