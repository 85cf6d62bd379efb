#include "gen.h"

void write_contact_sheet(const DatFile&, const char*) {}
