// The in-game menu and the save files with their three slots.
#pragma once
#include "records.h"

void do_vantor_menu();                      // the in-game menu
int save_game();                            // the slot picker and the save: -1 saved, 0 not
