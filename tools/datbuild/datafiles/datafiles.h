// The four datafiles and the generators that fill them. Each generator puts
// its objects at their fixed numbers from the sources under the assets folder;
// the media it draws from live in pictures/, sprites/, tiles/ and audio/.
#pragma once
#include "datwriter.h"
#include <string>

void gen_data(DatFile& f,
              const std::string& assets); // data.dat: palette, fonts, pictures (calls the two below)
void gen_sounds(DatFile& f, const std::string& assets);     // data.dat: samples
void gen_music(DatFile& f, const std::string& assets);      // data.dat: MIDI pieces
void gen_chr_actors(DatFile& f, const std::string& assets); // chrctrs.dat: walking actors
void gen_chr_battle(DatFile& f,
                    const std::string& assets);          // chrctrs.dat: fighters, weapons, enemies, effects
void gen_tiles(DatFile& f, const std::string& assets);   // tiles.dat
void gen_lgmovie(DatFile& f, const std::string& assets); // lgmovie.dat: the 11 logo frames

// Builds "data", "chrctrs", "tiles" or "lgmovie" into out, checked against the
// generated names, and its contact sheet when sheet is given; ends the tool on any fault.
void build_datafile(const std::string& which, const char* out, const std::string& assets, const char* sheet);
// Writes a labelled contact sheet of every picture of a datafile as PNG.
void write_contact_sheet(const DatFile& f, const char* png_path);
