// Every sound effect of data.dat, synthesized from the recipes in assets/sound.
#include "audio/synth.h"
#include "datafiles/datafiles.h"

#include <stdexcept>

void gen_sounds(DatFile& f, const std::string& assets)
{
    try {
        for (const std::string& path : audio_list_recipes(assets + "/sound")) {
            SoundRecipe r = parse_sound(audio_read_file(path), path);
            dat_put(f, r.number, dat_sample(r.name, render_sound(r), r.rate));
        }
    } catch (const std::exception& e) {
        tool_fail("%s", e.what());
    }
}
