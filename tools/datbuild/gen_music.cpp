#include "gen.h"

void gen_music(DatFile&, const std::string&) {}
