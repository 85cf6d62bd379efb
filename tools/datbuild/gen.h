// The content generators of the four datafiles. Each fills its objects at
// their fixed numbers from the sources under the assets folder.
#pragma once
#include "../common/datwriter.h"
#include <string>

void gen_data(DatFile& f, const std::string& assets);        // data.dat: palette, fonts, pictures (calls the two below)
void gen_sounds(DatFile& f, const std::string& assets);      // data.dat: samples
void gen_music(DatFile& f, const std::string& assets);       // data.dat: MIDI pieces
void gen_chr_actors(DatFile& f, const std::string& assets);  // chrctrs.dat: walking actors
void gen_chr_battle(DatFile& f, const std::string& assets);  // chrctrs.dat: fighters, weapons, enemies, effects
void gen_tiles(DatFile& f, const std::string& assets);       // tiles.dat
void gen_lgmovie(DatFile& f, const std::string& assets);     // lgmovie.dat: the 11 logo frames

// Writes a labelled contact sheet of every picture of a datafile as PNG.
void write_contact_sheet(const DatFile& f, const char* png_path);
