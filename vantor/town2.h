// The towns of the south: Agual, the fishing town in the rain, and Mystalia
// at the edge of the desert. Both run on the shared town loop (town.h) with
// plans of their own; here is what they add: their story phases, who says
// what, and the fight with Mystalia's stranger.
#pragma once
#include "records.h"

// Agual's story phase (AG_* of town2_lines.h) and Mystalia's (MY_*), from the story flags.
int agual_phase();
int mystalia_phase();
// Says what person `who` says on the current map of these towns; FALSE when nothing there speaks.
int town2_talk(int who);
// The fight with the stranger of Mystalia's room 4: TRUE when the party won.
int mystalia_fight();
// The stranger of Mystalia's room 4: his words, the fight, and what comes after, won or lost.
void mystalia_stranger();
