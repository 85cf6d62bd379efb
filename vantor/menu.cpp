// The in-game menu and save files.
#include "menu.h"

#include "dat_names.h"
#include "door.h"

int mcx = 0, mcy = 0;

void do_vantor_menu() {}

void b_beep()
{
    door_play_sample(SND_REFUSE, 255, 128, 1000, FALSE);
}
