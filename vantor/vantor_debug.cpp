// The debug editor: story flags and item counts, for testers.
#include "vantor.h"

void debug_editor() {}
