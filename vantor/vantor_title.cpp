// The maker logo, the prologue and the title screen.
#include "vantor.h"

#include "door.h"

void qv_logo() {}
void prologue() {}
int title_screen() { return 1; }
