// Every piece of music of data.dat, compiled from the sources in assets/music.
#include "audio/midi.h"
#include "audio/synth.h"
#include "datafiles/datafiles.h"

#include <stdexcept>

void gen_music(DatFile& f, const std::string& assets)
{
    try {
        for (const std::string& path : audio_list_recipes(assets + "/music")) {
            MidiPiece m = compile_music(audio_read_file(path), path);
            dat_put(f, m.number, dat_midi(m.name, m.divisions, m.tracks));
        }
    } catch (const std::exception& e) {
        tool_fail("%s", e.what());
    }
}
