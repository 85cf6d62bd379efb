// The bridge, the woods and the sand garden. Not built yet: entering puts the
// world map back at once.
#include "area.h"

#include "world.h"

void do_lumin_bridge() { restore_world_map(); }
void do_aphondus_woods() { restore_world_map(); }
void do_sand_garden() { restore_world_map(); }
