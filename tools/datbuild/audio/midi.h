// Music sources: a small text notation for a piece (tempo, metre, one track per
// instrument with notes, chord symbols played through rhythm patterns, drum
// grids, repeats and named phrases), compiled to the raw standard-MIDI track
// bytes that an Allegro MIDI object holds. Used by gen_music and its tests.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// A compiled piece.
struct MidiPiece {
    int number = -1;                          // object number in the datafile
    std::string name;                         // the object's NAME
    std::string about;                        // "about" line: where it plays
    int divisions = 96;                       // ticks per quarter note
    int tempo = 120;                          // quarter notes per minute
    long ticks = 0;                           // length of one pass, in ticks
    double seconds = 0;                       // length of one pass, in seconds
    std::vector<std::vector<uint8_t>> tracks; // conductor first, then one per instrument
};

// Compiles a music source; a mistake throws std::runtime_error("FILE:LINE: what").
MidiPiece compile_music(const std::string& text, const std::string& file);
