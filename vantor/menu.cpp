// The in-game menu and save files.
#include "menu.h"

void do_vantor_menu() {}

// Saving comes with the save slots; until then nothing is written.
int save_game() { return 0; }
