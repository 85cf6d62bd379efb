#!/usr/bin/env python3
"""Draws the two maps that only the story scenes show and writes them as map
sources in assets/maps/:

  map17.txt  the Drakian hollow behind the dead end of the Aphondus Woods
  map31.txt  the sunken gate under the ruined court of the Sand Garden

Each map is a plan of one character per cell (below). The mass around the open
ground (trees, or sandstone) gets its edge tiles from which of its neighbours
are open, as in the woods and the Sand Garden themselves. The cells the scenes
walk the cast over are in vantor/story_late.cpp; tests/test_story_late.cpp
holds them to the compiled maps.

    python3 tools/scenes/gen_scene_maps.py
"""
import os
import string
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "maplib"))
import maplib  # noqa: E402

# ---------------------------------------------------------------- map 17

# '#' tree mass, 'R' rock face, '.' forest floor, ':' trodden earth, ',' grass,
# 'm' moss, 'l' leaves, 's' pebbles, 'f' the cold hearth of the camp, 'c' crates,
# 'b' barrels, 'x' spiked barricade, 't' the table with the
# orders, 'o' a log, 'u' a stump, 'k' a thicket.
HOLLOW = """\
####################
####################
#####,,::::::,,#####
###,,..x::::x..,,###
##,m..xx::::xx..m,##
##,.cc..::::..bb.,##
#,..cc..::::..b...,#
#,.....s::::s.....,#
#,l..o..::::..o...,#
#,l..o........o..,,#
#,,.....,::,.....,##
##,.....:ff:..t..,##
##,,....:ff:.....,##
###,....::::....,###
###,..u.::::.u..,###
####,...::::...,####
####,l..::::..l,####
#####,..::::..,#####
######,.::::.,######
######RR::::RR######
#######R::::R#######
#######R::::R#######
#######R::::R#######
#######R::::R#######
"""

HOLLOW_GROUND = {".": "woods_floor", ":": "woods_path", ",": "woods_grass", "m": "woods_moss",
                 "l": "woods_leaves", "s": "woods_stones", "f": "woods_stones", "t": "woods_floor",
                 "c": "woods_floor", "b": "woods_floor", "x": "woods_path",
                 "o": "woods_floor", "u": "woods_floor", "k": "woods_floor", "R": "woods_rock_wall"}
HOLLOW_OBJ = {"c": "crates", "b": "barrel", "x": "barricade",
              "t": "table_small", "o": "woods_log", "u": "woods_stump", "k": "woods_thicket"}

# ---------------------------------------------------------------- map 31

# '#' sandstone, '.' sand, '~' dark sand, ':' flagstones, 'g' glass-bright
# mosaic floor, 'P' a column, 'p' a broken column, 'S' steps, 'O' the seal,
# 'r' a rune pillar, 'k' cracked earth; the gate's wall: 'U' its upper
# course, 'F' its face, 'W' a window of coloured glass, 'G' the gate.
GATE = """\
####################
####################
####################
###UUUUUUUUUUUUUU###
###FWFWFFGGFFWFWF###
###r..:::OO:::..r###
##..~::::OO::::~..##
##.~::::::::::::~.##
#..p::::::::::::P..#
#..~::::gggg::::~..#
#..~::::gggg::::~..#
#.k~P::::::::::p~k.#
#..~::::::::::::~..#
#..~~::::::::::~~..#
##..P~::::::::~P..##
##..~~~::::::~~~..##
###..~~::::::~~..###
###...~::::::~...###
####..~~::::~~..####
#####..~SSSS~..#####
######..SSSS..######
######..SSSS..######
"""

GATE_GROUND = {".": "sand", "~": "sand_dark", ":": "sand_flagstones", "g": "sand_mosaic",
               "P": "sand_flagstones", "p": "sand_flagstones", "S": "sand_stairs", "O": "sand_flagstones",
               "r": "sand_flagstones", "k": "sand_cracked", "U": "stone_face_upper", "F": "stone_face",
               "W": "stained_window", "G": "portcullis"}
GATE_OBJ = {"P": "sand_pillar", "p": "sand_pillar_broken", "O": "shadow_seal", "r": "rune_pillar"}


def grid_of(plan):
    rows = plan.rstrip("\n").split("\n")
    w = len(rows[0])
    assert all(len(r) == w for r in rows), "ragged plan"
    return rows, w, len(rows)


def edge_tiles(rows, w, h, mass_char, pick):
    def solid(x, y):
        return not (0 <= x < w and 0 <= y < h) or rows[y][x] == mass_char
    out = {}
    for y in range(h):
        for x in range(w):
            if rows[y][x] != mass_char:
                continue
            n, s, wo, e = (not solid(x, y - 1), not solid(x, y + 1), not solid(x - 1, y), not solid(x + 1, y))
            out[(x, y)] = pick(n, s, wo, e)
    return out


def trees(n, s, w, e):
    if n and w: return "woods_trees_nw"
    if n and e: return "woods_trees_ne"
    if n: return "woods_trees_n"
    if s and w: return "woods_trees_sw"
    if s and e: return "woods_trees_se"
    if s: return "woods_trees_s"
    if w: return "woods_trees_w"
    if e: return "woods_trees_e"
    return "woods_trees_fill"


def rock(n, s, w, e):
    if s: return "sand_rock_face"
    if n and w: return "sand_rock_nw"
    if n and e: return "sand_rock_ne"
    if n: return "sand_rock_n"
    if w: return "sand_rock_w"
    if e: return "sand_rock_e"
    return "sand_rock_top"


def write_map(name, title, plan, mass_char, pick, ground_of, obj_of):
    rows, w, h = grid_of(plan)
    mass = edge_tiles(rows, w, h, mass_char, pick)
    ground = [[mass.get((x, y)) or ground_of[rows[y][x]] for x in range(w)] for y in range(h)]
    obj = [[obj_of.get(rows[y][x]) for x in range(w)] for y in range(h)]
    maplib.write_map(name + ".txt",
                     [title, "Written by tools/scenes/gen_scene_maps.py: change the plan there and run it again."],
                     name + ".map", [ground, obj], alphabet=string.ascii_letters)


def main():
    write_map("map17", "The Drakian hollow behind the dead end of the Aphondus Woods (a scene map).",
              HOLLOW, "#", trees, HOLLOW_GROUND, HOLLOW_OBJ)
    write_map("map31", "The sunken gate under the ruined court of the Sand Garden (a scene map).",
              GATE, "#", rock, GATE_GROUND, GATE_OBJ)


if __name__ == "__main__":
    main()
