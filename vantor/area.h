// The areas outside the towns: the bridge, the Aphondus Woods and the Sand Garden.
#pragma once
#include "records.h"

void do_lumin_bridge();                     // the bridge loop
void do_aphondus_woods();                   // the woods loop
void do_sand_garden();                      // the sand garden loop
