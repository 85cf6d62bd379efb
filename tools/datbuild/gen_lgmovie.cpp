#include "gen.h"

void gen_lgmovie(DatFile&, const std::string&) {}
