// Sound recipes: a small text language that describes one sound effect as
// layers of oscillators and noise with envelopes, sweeps and filters, and the
// renderer that turns a recipe into 16-bit mono PCM. Used by gen_sounds.
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

// One layer of a sound: a source shaped by an envelope, filters and sweeps.
struct SoundLayer {
    std::string wave;                    // sine, square, saw, tri, noise, brown, crackle
    std::map<std::string, double> param; // key=value settings (freq, to, attack, lp, ...)
    std::vector<double> notes;           // notes=... : the layer is struck once per note
    int line = 0;                        // where it was written, for messages
};

// A whole sound effect.
struct SoundRecipe {
    int number = -1;   // object number in the datafile
    std::string name;  // the object's NAME
    std::string about; // "about" line: what it is for
    int rate = 22050;  // samples per second
    double length = 0; // seconds
    double peak = 0.7; // loudest sample, as a fraction of full scale
    double loop = 0;   // > 0: a seamless loop, crossfaded over this many seconds
    std::vector<SoundLayer> layers;
};

// Reads a recipe; a mistake throws std::runtime_error("FILE:LINE: what").
SoundRecipe parse_sound(const std::string& text, const std::string& file);
// Renders a recipe; deterministic for the same recipe.
std::vector<int16_t> render_sound(const SoundRecipe& r);
// Reads a whole file; throws std::runtime_error when it cannot be read.
std::string audio_read_file(const std::string& path);
// The *.txt files of a folder, sorted by name (empty when the folder is missing).
std::vector<std::string> audio_list_recipes(const std::string& dir);
