// The in-game menu and save files.
#include "menu.h"

void do_vantor_menu() {}
