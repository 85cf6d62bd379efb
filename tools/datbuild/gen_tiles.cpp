#include "gen.h"

void gen_tiles(DatFile&, const std::string&) {}
