// Battles. Not built yet: a random encounter returns at once.
#include "battle.h"

void do_battle() {}
void level_up(ftchar*) {}
