#!/usr/bin/env python3
"""Draws the 26 rooms of Lumin Castle and writes them as map source
(assets/maps/lcast01.txt to lcast26.txt, compiled to "lcast~1.map" to
"lcast~26.map").

Each room is sketched below with one character per cell: a ground plan
(layer 0: walls, wall faces, floors, doorways, stairs, carpets) and an object
plan (layer 1: furniture, chests, torches over the walls). The script picks the
fitting wall-top tile for every wall cell from its neighbours, puts the
shadowed floor under the north walls, borders the carpets, mirrors the two
eastern towers from the western ones, and writes one two-character key per
cell. Run it again after changing a sketch:

    python3 tools/castle/draw_castle.py       # writes assets/maps/lcast*.txt

The game relies on the door cells, entry cells, stair rows, chests, torches
and library shelves drawn here; its room table lives in vantor/town_castle.cpp
and tests/test_castle.cpp checks the compiled maps against that table.

Where the rooms lie in the castle (north up): the gate hall (1) with a tower
on either side (2-5 west, 6-9 east); north of it the long gallery (10) with the
infirmary (11) west and the barracks (12) east; north again the audience hall
(13) with two more towers (16-19 west, 20-23 east); between the two halls the
great hall (14) on the west and the library (15) on the east; the throne room
(24) north of the audience hall, the council chamber (25) west of it and the
royal bedchamber (26) east of it.
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'maplib'))
from maplib import grid, paint_ground, write_map  # noqa: E402

# ---------------------------------------------------------------- tiles

GROUND = {
    ' ': 'room_void',
    'u': 'stone_face_upper', 'f': 'stone_face', 'w': 'stone_face_window', 'n': 'stone_face_niche',
    'c': 'stone_face_crest', 'b': 'royal_banner', 'B': 'banner_blue', 't': 'tapestry',
    'g': 'stained_window', 'p': 'portcullis', 'k': 'wall_shelf_bottles',
    'D': 'doorway_stone', '^': 'stairs_up_stone', 'v': 'stairs_down_stone',
    '.': 'floor_stone', ':': 'floor_stone_dark', '%': 'floor_stone_cracked', 'm': 'floor_marble',
    'o': 'floor_mosaic', '=': 'floor_wood', '-': 'floor_wood_dark', '~': 'floor_wood_light',
    '|': 'runner_red_v', '_': 'runner_red_h', 'O': 'rug_round_red', 'U': 'rug_blue', 'G': 'rug_green',
    'E': 'bedroll', 'M': 'doormat',
}
# Floors that have a darker twin for the strip under a north wall.
SHADED = {'.': 'floor_stone_shade', '=': 'floor_wood_shade', 'm': 'floor_marble_shade'}
WALL_FACES = set('ufwncbBtgpkD')

OBJECTS = {
    'T': 'torch_a', 'C': 'chest_closed', 'P': 'stone_pillar', 'S': 'statue', 'K': 'knight_statue',
    'A': 'armor_stand', 'X': 'weapon_rack', 'F': 'potted_fern', 'Q': 'stone_basin', 'Y': 'candelabra',
    'L': 'grandfather_clock', 'H': 'throne', '[': 'library_shelf_l', 'h': 'library_shelf_m',
    ']': 'library_shelf_r', 'l': 'library_shelf_ladder', 'd': 'reading_desk', 'x': 'bookshelf',
    'c': 'cupboard', 'r': 'dresser', 'a': 'wardrobe', '1': 'bed_top', '2': 'bed_bottom',
    '3': 'table_l', '4': 'table_m', '5': 'table_r', 't': 'table_small', 'o': 'barrel', 'j': 'clay_pot',
    's': 'grain_sacks', 'z': 'crates', 'e': 'hearth', 'p': 'palm_planter',
    '6': 'counter_w', '7': 'counter', '8': 'counter_e', '9': 'counter_potions',
}
# What an object turns into in a mirrored room.
MIRROR_OBJECT = {'[': ']', ']': '[', '3': '5', '5': '3', '6': '8', '8': '6'}

# Wall tops by the sides on which the wall goes on (north, east, south, west).
BAND = {
    (0, 1, 0, 1): 'stone_top_h', (1, 0, 1, 0): 'stone_top_v', (1, 0, 0, 0): 'stone_top_v',
    (0, 0, 1, 0): 'stone_top_v', (0, 1, 1, 0): 'stone_top_nw', (0, 0, 1, 1): 'stone_top_ne',
    (1, 1, 0, 0): 'stone_top_sw', (1, 0, 0, 1): 'stone_top_se', (0, 0, 0, 1): 'stone_top_end_e',
    (0, 1, 0, 0): 'stone_top_end_w', (0, 1, 1, 1): 'stone_top_tee_s', (1, 1, 0, 1): 'stone_top_tee_n',
    (1, 1, 1, 0): 'stone_top_tee_e', (1, 0, 1, 1): 'stone_top_tee_w', (1, 1, 1, 1): 'stone_top_cross',
    (0, 0, 0, 0): 'stone_top_fill',
}

# ---------------------------------------------------------------- rooms

ROOMS = {}


def room(num, size, origin, ground, objects=None, note=''):
    """Registers room `num`: the sketches are placed with their first
    character on map cell `origin`; everything else is darkness."""
    w = len(ground[0])
    for r in ground:
        assert len(r) == w, (num, r)
    objects = objects or []
    for r in objects:
        assert len(r) == w, (num, r)
    # A map ends a row below its room, so that the camera, held inside the map,
    # shows the room rather than darkness under it. The gate hall keeps the
    # height the castle's arrival camera needs, and shows the causeway there.
    if num != 1:
        size = (size[0], max(15, origin[1] + len(ground) + 1))
    ROOMS[num] = dict(size=size, origin=origin, ground=ground, objects=objects, note=note)


def mirrored(plan):
    return [''.join(MIRROR_OBJECT.get(ch, ch) for ch in reversed(r)) for r in plan]


# Room 1: the gate hall. The gate (19..21, 23) lets out of the castle; the
# arch (20, 7) leads north to the gallery; (14, 19) and (26, 19) open on the
# two southern towers.
room(1, (40, 30), (14, 5), [
    "WWWWWWWWWWWWW",
    "WuuugucuguuuW",
    "WfbfffDfffbfW",
    "W.....|.....W",
    "W.....|.....W",
    "W.....|.....W",
    "W.....|.....W",
    "W....o|o....W",
    "W....o|o....W",
    "W....o|o....W",
    "W.....|.....W",
    "W.....|.....W",
    "W.....|.....W",
    "W.....|.....W",
    "D.....|.....D",
    "W.....|.....W",
    "W.....|.....W",
    "W.....|.....W",
    "WWWWW:::WWWWW",
    "    W:::W    ",
    "   :::::::   ",
    "     :::     ",
    "     :::     ",
    "     :::     ",
], [
    ".............",
    ".............",
    "...T.....T...",
    ".K.........K.",
    ".............",
    "...P.....P...",
    ".............",
    ".A.........A.",
    "...P.....P...",
    ".............",
    ".S.........S.",
    "...P.....P...",
    ".............",
    ".............",
    ".............",
    ".............",
    ".............",
    ".F..j...j..F.",
    ".............",
    ".............",
    "...K.....K...",
    ".............",
    ".............",
    ".............",
], "gate hall")

# Room 10: the long gallery between the gate hall (south, 20, 22) and the
# audience hall (north, 20, 7); west the great hall (14, 10) and the
# infirmary (14, 19), east the library (26, 10) and the barracks (26, 19).
room(10, (40, 30), (14, 5), [
    "WWWWWWWWWWWWW",
    "WuuwuuuuuwuuW",
    "WfgfnfDfnfgfW",
    "W.....o.....W",
    "W.....o.....W",
    "D.....o.....D",
    "W.....o.....W",
    "W....ooo....W",
    "W....ooo....W",
    "W....ooo....W",
    "W.....o.....W",
    "W.....o.....W",
    "W.....o.....W",
    "W.....o.....W",
    "D.....o.....D",
    "W.....o.....W",
    "W.....o.....W",
    "WWWWWW.WWWWWW",
], [
    ".............",
    ".............",
    "...T.....T...",
    ".F.........F.",
    ".............",
    ".............",
    ".S.........S.",
    "...P.....P...",
    ".L.........t.",
    ".............",
    "...P.....P...",
    ".S.........S.",
    ".............",
    ".............",
    ".............",
    ".............",
    ".j.........j.",
    ".............",
], "long gallery")

# Room 13: the audience hall, drawn like the gallery below it: the throne
# room north (20, 7), the gallery south (20, 22), the great hall (14, 19) and
# the north-west tower (14, 10) west, the library (26, 19) and the north-east
# tower (26, 10) east.
room(13, (40, 30), (14, 5), [
    "WWWWWWWWWWWWW",
    "WuugucucugguW",
    "WfbfffDfffbfW",
    "W....RRR....W",
    "W....RRR....W",
    "D....RRR....D",
    "W....RRR....W",
    "W....RRR....W",
    "W....RRR....W",
    "W....RRR....W",
    "W....RRR....W",
    "W....RRR....W",
    "W....RRR....W",
    "W....RRR....W",
    "D....RRR....D",
    "W....RRR....W",
    "W....RRR....W",
    "WWWWWW.WWWWWW",
], [
    ".............",
    ".............",
    "...T.....T...",
    ".K..Y...Y..K.",
    ".............",
    ".............",
    ".345.....345.",
    "...P.....P...",
    ".............",
    ".A.........A.",
    "...P.....P...",
    ".345.....345.",
    ".............",
    ".............",
    ".............",
    ".............",
    ".F.........F.",
    ".............",
], "audience hall")

# Room 11: the infirmary, west of the gallery; its door (37, 16). The healer
# works behind the counter; Mike asks her from (31, 13).
room(11, (40, 30), (26, 7), [
    "WWWWWWWWWWWW",
    "WuuuuuuuuuuW",
    "WfkfwfffwfkW",
    "W~~~~~~~~~~W",
    "W~~~~~~~~~~W",
    "W~~~~~~~~~~W",
    "W~~~~~~~~~~W",
    "W~~~~~~~~~~W",
    "W~~~~~~~~~~W",
    "W~~~~~~~~~~D",
    "W~~~~~~~~~~W",
    "W~~~~~~~~~~W",
    "W~~~~~~~~~~W",
    "W~~~~~~~~~~W",
    "WWWWWWWWWWWW",
], [
    "............",
    "............",
    ".T.......T..",
    ".c.x...r.Q..",
    "............",
    "...69798....",
    "............",
    ".1..........",
    ".2..........",
    "............",
    ".1.......1..",
    ".2.......2..",
    "............",
    ".F........F.",
    "............",
], "infirmary")

# Room 12: the barracks, east of the gallery; its door (21, 15).
room(12, (40, 30), (21, 8), [
    "WWWWWWWWWWWWWW",
    "WuuuuuuuuuuuuW",
    "WffwffbffwfffW",
    "W------------W",
    "W------------W",
    "W------------W",
    "W------------W",
    "D------------W",
    "W------------W",
    "W------------W",
    "W------------W",
    "W------------W",
    "W--------EE--W",
    "W---------EE-W",
    "WWWWWWWWWWWWWW",
], [
    "..............",
    "..............",
    "....T...T.....",
    ".X1.1.1.1.1.A.",
    "..2.2.2.2.2...",
    "............X.",
    "............A.",
    "..............",
    "....345.......",
    "....t.t.....o.",
    "............o.",
    ".z..........X.",
    ".zs.........A.",
    "............j.",
    "..............",
], "barracks")

# Room 14: the great hall, west of both halls: its doors (37, 15) to the
# audience hall and (37, 26) to the gallery.
room(14, (40, 30), (21, 9), [
    "WWWWWWWWWWWWWWWWW",
    "WuuuwuuuuuuuwuuuW",
    "WfbfftffcfftffbfW",
    "W===============W",
    "W===============W",
    "W===============W",
    "W===============D",
    "W===============W",
    "W===============W",
    "W===============W",
    "W===============W",
    "W===============W",
    "W===============W",
    "W===============W",
    "W===============W",
    "W===============W",
    "W===============W",
    "W===============D",
    "W===============W",
    "WWWWWWWWWWWWWWWWW",
], [
    ".................",
    ".................",
    "...T.........T...",
    ".Y......e......Y.",
    ".................",
    ".................",
    ".................",
    ".................",
    "..Y3444444445Y...",
    ".................",
    ".................",
    ".................",
    "..Y3444444445Y...",
    ".................",
    ".................",
    ".L...............",
    ".o...............",
    ".oo..............",
    ".jz..........F...",
    ".................",
], "great hall")

# Room 15: the library, east of both halls: its doors (21, 11) to the audience
# hall and (21, 23) to the gallery. The long shelf (25..43, 23) holds the
# history of Lumin, the atlas and the magic book; the short one (25..31, 18)
# the books of magic and war; the lone case (36, 13) "The Core of Evil".
room(15, (48, 30), (21, 7), [
    "WWWWWWWWWWWWWWWWWWWWWWWWW",
    "WuuwuuuuwuuuuuwuuuuwuuuuW",
    "WffffkfffffffffffffffkffW",
    "W-----------------------W",
    "D-----------------------W",
    "W-----------------------W",
    "W--------------%--------W",
    "W-----------------------W",
    "W-----------------------W",
    "W-----------------------W",
    "W-----------------------W",
    "W-----------------------W",
    "W-----------------------W",
    "W-----------------------W",
    "W-----------------------W",
    "W-----------------------W",
    "D-----------------------W",
    "W-----------------------W",
    "W-----------------------W",
    "WWWWWWWWWWWWWWWWWWWWWWWWW",
], [
    ".........................",
    ".........................",
    "...T.......T.......T.....",
    ".L.xxx..xxx..F....C.C.C..",
    ".........................",
    ".........................",
    "..............YxY........",
    ".........................",
    ".........................",
    ".........................",
    ".........................",
    "....[hhlhh]......d...d...",
    ".........................",
    ".........................",
    ".........................",
    ".........................",
    "....[" + "hhhhhlhhhhhhhlhhh" + "]..",
    ".........................",
    ".F.....................F.",
    ".........................",
], "library")

# Room 24: the throne room, north of the audience hall (its door 20, 22 and
# the short passage below it); the council chamber west (12, 9), the royal
# bedchamber east (28, 9).
room(24, (40, 30), (12, 5), [
    "WWWWWWWWWWWWWWWWW",
    "WuuuguuuuuuuuguuW",
    "WfbffbfgcgfbffbfW",
    "WmmmmRRRRRRRmmmmW",
    "DmmmmRRRRRRRmmmmD",
    "WmmmmRRRRRRRmmmmW",
    "WmmmmmmRRRmmmmmmW",
    "WmmmmmmRRRmmmmmmW",
    "WmmmmmmRRRmmmmmmW",
    "WmmmmmmRRRmmmmmmW",
    "WmmmmmmRRRmmmmmmW",
    "WmmmmmmRRRmmmmmmW",
    "WmmmmmmRRRmmmmmmW",
    "WmmmmmmRRRmmmmmmW",
    "WmmmmmmRRRmmmmmmW",
    "WmmmmmmRRRmmmmmmW",
    "WmmmmmmRRRmmmmmmW",
    "WWWWWWWW:WWWWWWWW",
    "       W:W       ",
    "       W:W       ",
], [
    ".................",
    ".................",
    "....T.......T....",
    "...K.Y.....Y.K...",
    ".................",
    "........H........",
    ".................",
    "....P.......P....",
    ".................",
    ".................",
    "....P.......P....",
    ".................",
    ".................",
    "....P.......P....",
    ".................",
    ".................",
    ".F.............F.",
    ".................",
    ".................",
    ".................",
], "throne room")

# Room 25: the council chamber, west of the throne room; its door (28, 9).
room(25, (40, 30), (17, 5), [
    "WWWWWWWWWWWW",
    "WuuuuwwuuuuW",
    "WfBffkffBffW",
    "W==========W",
    "W==========D",
    "W==========W",
    "W====UU====W",
    "W====UU====W",
    "W==========W",
    "W==========W",
    "W==========W",
    "W==========W",
    "WWWWWWWWWWWW",
], [
    "............",
    "............",
    "....T..T....",
    ".Lxx....Y...",
    "............",
    "............",
    "...344445...",
    "...344445...",
    "............",
    "............",
    ".F.......c..",
    ".S...d......",
    "............",
], "council chamber")

# Room 26: the royal bedchamber, east of the throne room; its door (8, 9).
room(26, (40, 30), (8, 5), [
    "WWWWWWWWWWWW",
    "WuuuuuuuwuuW",
    "WftffwffffbW",
    "W==========W",
    "D==========W",
    "W==========W",
    "W====O=====W",
    "W==========W",
    "W==========W",
    "W==========W",
    "W=====G====W",
    "W==========W",
    "WWWWWWWWWWWW",
], [
    "............",
    "............",
    ".T......T...",
    "..r..e...11.",
    ".........22.",
    "..........a.",
    "............",
    "............",
    ".........t..",
    "..........F.",
    "............",
    ".L........p.",
    "............",
], "royal bedchamber")


# ---------------------------------------------------------------- towers
# A tower floor: walls (14..25, 9..17) in the western towers, mirrored to
# (13..24, 9..17) in the eastern ones. Up stairs lie in row 12 under an arch,
# down stairs in row 16; climbing keeps Mike's column, so the down stairs of a
# floor lie under the up stairs of the floor below. Stair columns: 16-17 and
# 21-22 in the west (21-22 and 16-17 in the east). The ground floor's door is
# (25, 14) in the west and (13, 14) in the east.

def tower_floor(up, down, door, floor, faces, objects):
    """up/down: the first stair column (16 or 21) or None; door: the ground
    floor's door; floor: the floor character; faces: the 10 face cells of the
    north wall (columns 15..24); objects: five rows of 10 cells (rows 12..16),
    where bedrolls and rugs (E O U G) go onto the floor instead."""
    face = list(faces)
    rows = [list(floor * 10) for _ in range(5)]
    if up is not None:
        for c in (up, up + 1):
            face[c - 15] = 'D'
            rows[0][c - 15] = '^'
    if down is not None:
        for c in (down, down + 1):
            rows[4][c - 15] = 'v'
    objs = []
    for y, o in enumerate(objects):
        assert len(o) == 10, o
        line = ''
        for x, ch in enumerate(o):
            if ch in 'EOUG':
                rows[y][x] = ch
                ch = '.'
            line += ch
        objs.append('.' + line + '.')
    ground = ["W" * 12, "W" + "u" * 10 + "W", "W" + ''.join(face) + "W"]
    for y, r in enumerate(rows):
        ground.append("W" + ''.join(r) + ("D" if door and y == 2 else "W"))
    ground.append("W" * 12)
    # One torch over the middle of the north wall.
    objs = ["." * 12, "." * 12, "....." + "T" + "......"] + objs + ["." * 12]
    return ground, objs


def west_tower(num, *args):
    g, o = tower_floor(*args)
    room(num, (40, 30), (14, 9), g, o)


def east_tower(num, *args):
    g, o = tower_floor(*args)
    room(num, (40, 30), (13, 9), mirrored(g), mirrored(o))


L, R = 16, 21
# The south-west tower: guard post, store room, sleeping quarters, lookout.
west_tower(2, L, None, True, '.', "ffffffffff", [
    "X.......oA", "..........", "....35....", "..........", "j.......oo"])
west_tower(3, R, L, False, ':', "fwffffffwf", [
    "zz...s....", "z.........", "....o...ss", "..........", "...s...zzo"])
west_tower(4, L, R, False, '=', "ffwffffwff", [
    "a.........", "EE.....EE.", "..........", "EE........", "r..j......"])
west_tower(5, None, L, False, '%', "fwfwffwfwf", [
    "X.......C.", "..........", "....t.....", "..........", "j......o.j"])
# The south-east tower: armoury, pantry, workshop, lookout.
east_tower(6, L, None, True, '.', "fffbffbfff", [
    "X.......XA", "..........", "A.........", "..........", "o.......oA"])
east_tower(7, R, L, False, ':', "ffkffffkff", [
    "ss...j...o", "s.........", "........jj", "..........", "o...j..ss."])
east_tower(8, L, R, False, '~', "fwffffffwf", [
    "z.........", "..........", "....345...", "z.........", "zz......c."])
east_tower(9, None, L, False, '%', "fwfwffwfwf", [
    "........CX", "..........", ".....t....", "..........", "........oj"])
# The north-west tower: chapel, archive, guest room, lookout.
west_tower(16, L, None, True, '.', "ffgffffgff", [
    "Y.......YS", "..........", "....Q.....", "..........", "F.......Y."])
west_tower(17, R, L, False, '-', "ffkfffffff", [
    "x.x.x.....", "..........", ".......d..", "..........", "c...xx..x."])
west_tower(18, L, R, False, '=', "ffwffffwff", [
    "a.....1...", "......2...", "....O.....", "..........", "r.......t."])
west_tower(19, None, L, False, '%', "fwfwffwfwf", [
    "A.......tz", "..........", "..........", "..........", "j......oj."])
# The north-east tower: cellar stair, linen room, the old stargazer's study, lookout.
east_tower(20, L, None, True, ':', "ffkfffffff", [
    "o.......oo", "o.........", "..........", "..........", "oo.....ooo"])
east_tower(21, R, L, False, '=', "fwffffffwf", [
    "a.a......r", "..........", "....t.....", "..........", "r......ss."])
east_tower(22, L, R, False, '-', "ffwffffwff", [
    "x...L....x", "..........", "......d...", "..........", "x...Y....c"])
east_tower(23, None, L, False, '%', "fwfwffwfwf", [
    "........zA", "..........", ".....t....", "..........", "j......oF."])


# ---------------------------------------------------------------- painting

def paint(num):
    room = ROOMS[num]
    W, H = room['size']
    ox, oy = room['origin']
    ground = grid(W, H, ' ')
    objects = grid(W, H, '.')
    for y, r in enumerate(room['ground']):
        for x, ch in enumerate(r):
            ground[oy + y][ox + x] = ch
    for y, r in enumerate(room['objects']):
        for x, ch in enumerate(r):
            objects[oy + y][ox + x] = ch
    names0 = paint_ground(ground, 'W', BAND, GROUND, SHADED, WALL_FACES)
    names1 = [[OBJECTS[ch] if ch != '.' else None for ch in row] for row in objects]
    return names0, names1


def write(num):
    names0, names1 = paint(num)
    note = ': the ' + ROOMS[num]['note'] if ROOMS[num]['note'] else ''
    write_map("lcast%02d.txt" % num, [
        "Lumin Castle, room %d%s. Written by tools/castle/draw_castle.py from its" % (num, note),
        "sketches; draw changes there and run it again.",
    ], "lcast~%d.map" % num, [names0, names1], names=sorted({n for row in names0 + names1 for n in row if n}))


def main():
    assert sorted(ROOMS) == list(range(1, 27)), sorted(ROOMS)
    for num in sorted(ROOMS):
        write(num)
    return 0


if __name__ == '__main__':
    sys.exit(main())
