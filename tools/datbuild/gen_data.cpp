#include "gen.h"

void gen_data(DatFile& f, const std::string& assets)
{
    gen_sounds(f, assets);
    gen_music(f, assets);
}
