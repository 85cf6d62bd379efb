// Agual and Mystalia. Not built yet: entering puts the world map back at once.
#include "town2.h"

#include "world.h"

void do_lumin_agual() { restore_world_map(); }
void do_lumin_mystalia() { restore_world_map(); }
