// The in-game menu and the save files with their three slots. A save file is
// a compressed packfile of "key value" text lines; the slot picker shows what
// each of "f1.vtr", "f2.vtr" and "f3.vtr" in the game directory holds.
#pragma once
#include "records.h"

// What the slot picker shows of one slot, read from the slot file itself.
struct save_info {
    int mikelev;
    int mikehp, mikehpmax;
    int mikemp, mikempmax;
    int gp;
    int exists;           // TRUE when the slot file could be opened
    int in_fight[4];      // Mike, Charlie, third portrait (-1 Runhon, -2 Elizabeth); [3] unused
    const char* location; // place name of the saved map
    int readable;         // TRUE when the file reads to its end as a game that loads
};

extern int mcx, mcy;    // the menu pointer, shared by the menu and the shops
extern int file_cursor; // the slot picker's cursor (0 to 2), kept from one opening to the next

void do_vantor_menu(); // the in-game menu
void b_beep();         // the refusal buzz
// Picks a slot and saves the game there; TRUE when saved, FALSE when cancelled or it failed.
int save_game();
// Picks a slot and loads its game; TRUE when loaded, FALSE when cancelled or unreadable (nothing changed).
int load_game();
// Fills the summary of one slot file.
void get_save_info(const char* file, save_info* info);
// The three-slot picker over the current screen: the chosen file name, or null when cancelled.
// While saving (saving non-zero) a used slot must be confirmed with "Yeah.".
const char* do_menu_file_pick(int saving);
