// The battle pictures of the character datafile, drawn by four modules
// (fighters, weapons, enemies, effects) and filed by sprites/battle.cpp,
// which checks each against its line in assets/manifest/chrctrs_battle.txt.
#pragma once
#include "kit/kit.h"

#include <string>

using kit::Canvas;

// Files a picture under its manifest number; type, size and name come from the manifest.
void battle_put(int number, const Canvas& c);
// Starts a new page of the preview sheets (only drawn when previews are asked for).
void battle_section(const char* name);

// Fighter poses from the pixel grids in assets/chr/battle/fighters.px.
void draw_fighters(const std::string& assets);
// Weapon frames and slash trails, generated from class shapes and tints.
void draw_weapons();
// Random-encounter creatures and their attack pictures.
void draw_enemies();
// Scripted foes: Drakian Soldier, Barghest, Mangler, Metalor, Mountain.
void draw_bosses();
// Item and spell effects.
void draw_effects();
