// The party on the field: the companions walk behind Mike in a trail, each
// stepping onto the cell the one ahead of it has just left, facing the way it
// walks. Charlie comes first, then Runhon or Elizabeth, whoever is in the
// party. They are never in anybody's way, and on every new map they start on
// Mike's own cell, out of sight behind him, and unfold as he walks off. A
// scene that moves them itself holds the trail for as long as it runs; when
// it lets go, those it left standing in line keep their places and the rest
// gather on Mike again.
#pragma once
#include <cstdio>

#include "records.h"

// Puts the trail right before a frame is drawn: gathers it on a newly opened map,
// hides whoever is not walking with Mike now and catches up whoever was left behind.
void follow_sync();
// Mike is about to walk one cell from where he stands: each follower aims at the cell
// of the one ahead of it.
void follow_step_begin();
// The followers' share of one sub-step of Mike's walk: d pixels, in the stride frame or not.
void follow_sub_step(int d, bool stride);
// Mike's step is done: everyone stands on the grid again.
void follow_step_end();
// Every follower onto Mike's cell, facing his way, hidden behind him.
void follow_gather();
// A scene takes over the cast: the trail leaves the companions alone (calls nest).
void follow_hold();
// The scene is over: the trail goes on from where the scene left them.
void follow_release();
// How many companions walk behind Mike now.
int follow_count();
// The i-th companion behind Mike (0 the nearest), or null.
character* follower(int i);
// A companion in sight stands on the cell at (x, y), or is stepping onto or off it.
int companion_on_cell(int x, int y);
// The trail's lines of a scripted run's dump: each companion's place and whether it shows.
void write_follow_dump(FILE* f);

// Holds the trail for as long as it lives: one at the top of every scene.
struct follow_scene {
    follow_scene() { follow_hold(); }
    ~follow_scene() { follow_release(); }
    follow_scene(const follow_scene&) = delete;
    follow_scene& operator=(const follow_scene&) = delete;
};
