// Scripted story scenes, gated by story flags.
#pragma once
#include "records.h"

void story_beginning();                     // the opening scene of a new game
