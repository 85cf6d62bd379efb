#include "chr_battle.h"
void draw_fighters(const std::string&) {}

void draw_bosses() {}
void draw_effects() {}
