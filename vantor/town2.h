// The towns of the south and west: Agual and Mystalia.
#pragma once
#include "records.h"

void do_lumin_agual();                      // the Agual loop
void do_lumin_mystalia();                   // the Mystalia loop
