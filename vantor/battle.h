// Battles: the loop with its time bars, the party's and the enemies' turns,
// the enemy roster and what follows a fight.
#pragma once
#include "records.h"

void do_battle();                           // a random battle from the current map's roster
void level_up(ftchar* who);                 // one level-up of a hero
