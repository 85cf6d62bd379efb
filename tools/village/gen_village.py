#!/usr/bin/env python3
"""Draws Lumin Village and the eleven rooms behind its doors, and writes them as
map source (assets/maps/town01.txt, compiled to "town01.map", and
town01_1.txt to town01_a.txt for "town01~1.map" to "town01~a.map").

The outdoor map is laid out in code: streets, houses with their roofs, the
fountain square, gardens, fences and trees. The rooms are sketched below with
one character per cell, a ground plan (layer 0) and an object plan (layer 1);
the script picks each wall-top piece from its neighbours, shades the floor
under the north wall and borders the red carpets. Run it again after changing
a sketch:

    python3 tools/village/gen_village.py      # writes assets/maps/town01*.txt

The game relies on the door cells, entry cells, counters, chests, finds,
torches, the save spot and the townspeople's cells drawn here; they live in
vantor/town_village.cpp, and tests/test_village_maps.cpp checks the compiled
maps against that table.

Lumin Village draws its layer 1 only as the fountain's translucent water, so
everything else outdoors is on layer 0, and what stands over the actors (roof
ridges, tree crowns) on layer 3.
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'maplib'))
from maplib import LOWER, grid, paint_ground, write_map  # noqa: E402

# ================================================================ outdoors

W, H = 60, 45


def blank(fill=None):
    return grid(W, H, fill)


def outdoors():
    g = blank('town_grass')          # layer 0
    fountain = blank()               # layer 1: only the fountain's water
    over = blank()                   # layer 3: roof ridges and tree crowns
    road = blank(False)

    def put(x, y, t):
        if 0 <= x < W and 0 <= y < H:
            g[y][x] = t

    def street(x0, y0, x1, y1):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                road[y][x] = True

    # Grass with a little life in it.
    for y in range(H):
        for x in range(W):
            h = (x * 7 + y * 13 + (x * y) % 5) % 23
            if h == 0:
                g[y][x] = 'town_grass_flowers'
            elif h == 7:
                g[y][x] = 'town_grass_tall'

    # Streets: the gate road up the middle, three streets across.
    street(30, 12, 32, 44)       # the gate road, from the south gate to the north street
    street(3, 12, 56, 13)        # the north street, below the three northern houses
    street(3, 25, 29, 26)        # the west street, below Charlie's and the soldier's houses
    street(33, 29, 57, 30)       # the east street, below the arms shop and the chapel
    street(3, 33, 29, 33)        # the lane by the attire shop
    street(33, 39, 56, 40)       # the inn street
    street(10, 39, 29, 40)       # the long house's street
    # The fountain square.
    for y in range(34, 41):
        for x in range(2, 10):
            g[y][x] = 'plaza_paving'
    for y in range(39, 41):
        for x in range(2, 10):
            road[y][x] = False

    # Cobbles with their grass edges.
    def is_road(x, y):
        return 0 <= x < W and 0 <= y < H and road[y][x]

    def grassy(x, y):
        return 0 <= x < W and 0 <= y < H and not road[y][x] and g[y][x].startswith('town_grass')

    for y in range(H):
        for x in range(W):
            if not road[y][x]:
                continue
            n, s, w_, e = grassy(x, y - 1), grassy(x, y + 1), grassy(x - 1, y), grassy(x + 1, y)
            t = 'cobble'
            if n and w_:
                t = 'cobble_nw'
            elif n and e:
                t = 'cobble_ne'
            elif s and w_:
                t = 'cobble_sw'
            elif s and e:
                t = 'cobble_se'
            elif n and not s:
                t = 'cobble_n'
            elif s and not n:
                t = 'cobble_s'
            elif w_ and not e:
                t = 'cobble_w'
            elif e and not w_:
                t = 'cobble_e'
            elif (x * 5 + y * 3) % 17 == 0:
                t = 'cobble_cracked'
            elif (x * 11 + y * 7) % 19 == 0:
                t = 'cobble_weeds'
            g[y][x] = t

    def tree(x, y):
        put(x, y, 'town_tree')
        if y - 1 >= 0:
            over[y - 1][x] = 'town_tree_crown'

    def house(x0, ridge, w, roof_rows, wall_rows, doors, windows=None):
        """A house whose ridge row (drawn over the actors) is `ridge`; doors are
        (column, tile) in the bottom wall row."""
        x1 = x0 + w - 1
        for x in range(x0, x0 + w):
            over[ridge][x] = 'roof_nw' if x == x0 else 'roof_ne' if x == x1 else 'roof_n'
        for r in range(roof_rows):
            y = ridge + 1 + r
            last = r == roof_rows - 1
            for x in range(x0, x0 + w):
                if last:
                    t = 'roof_sw' if x == x0 else 'roof_se' if x == x1 else 'roof_s'
                else:
                    t = 'roof_w' if x == x0 else 'roof_e' if x == x1 else 'roof'
                g[y][x] = t
        top = ridge + 1 + roof_rows
        for r in range(wall_rows):
            y = top + r
            for x in range(x0, x0 + w):
                win = windows(x - x0, r) if windows else ((x - x0) % 3 == 1)
                g[y][x] = 'house_wall_window' if win and 0 < x - x0 < w - 1 else 'house_wall'
        door_row = top + wall_rows - 1
        for (dx, t) in doors:
            g[door_row][dx] = t
            # The doorstep: a dirt path down to the street, unless cobbles are there already.
            if not road[door_row + 1][dx] and g[door_row + 1][dx] != 'plaza_paving':
                g[door_row + 1][dx] = 'dirt_path'
        # The shade the house throws to the east.
        for y in range(top, top + wall_rows):
            if x1 + 1 < W and g[y][x1 + 1].startswith('town_grass'):
                g[y][x1 + 1] = 'grass_roof_shade'

    # ---- the houses (door cells are the game's: see vantor/town_village.cpp) ----
    house(5, 7, 7, 2, 2, [(8, 'door_wood')])                         # the storage room (10110)
    house(19, 7, 11, 2, 2, [(23, 'door_wood'), (28, 'door_wood')])   # the miller's house (10108)
    house(38, 7, 7, 2, 2, [(41, 'door_shop')])                       # the battle item shop (10192)
    house(4, 20, 7, 2, 2, [(7, 'door_wood')])                        # Charlie's house (10107)
    house(15, 20, 7, 2, 2, [(18, 'door_wood')])                      # the soldier's family (10109)
    house(41, 24, 7, 2, 2, [(44, 'door_shop')])                      # the arms shop (10103)
    house(51, 22, 7, 3, 3, [(54, 'door_wood')],
          lambda dx, r: r < 2 and dx in (1, 5))                      # the chapel (10101)
    house(3, 28, 7, 2, 2, [(6, 'door_shop')])                        # the recovery item shop (10102)
    house(15, 28, 7, 2, 2, [(18, 'door_shop')])                      # the attire shop (10104)
    house(13, 34, 16, 2, 2, [(16, 'door_wood'), (25, 'door_wood')])  # the long house (10106)
    house(39, 32, 13, 3, 3, [(45, 'door_inn')],
          lambda dx, r: r < 2 and dx % 3 == 1)                       # the inn (10105)

    # ---- the fountain square ----
    for y in (36, 37):
        for x in range(4, 8):
            g[y][x] = 'fountain_pool'
            fountain[y][x] = 'fountain_a'
    for (x, y) in ((2, 35), (9, 35), (2, 38), (9, 38)):
        g[y][x] = 'flowerbed'

    # ---- gardens, fences, woodpiles, the well, the pond, the fields ----
    # Charlie's woodpile and his mother's flowers.
    put(12, 23, 'woodpile')
    for x in (4, 5, 9, 10):
        put(x, 19, 'flowerbed') if g[19][x].startswith('town_grass') else None
    # The well in the green between the west houses and the gate road.
    put(25, 19, 'town_well')
    # The soldier's vegetable garden, fenced.
    for x in range(14, 23):
        put(x, 15, 'picket_fence')
    for y in range(16, 19):
        put(14, y, 'picket_fence')
        put(22, y, 'picket_fence')
        for x in range(15, 22):
            put(x, y, 'flowerbed' if (x + y) % 2 else 'dirt_path')
    # North fields behind the houses: hay, a fenced paddock, the pond.
    for x in range(2, 58):
        put(x, 5, 'picket_fence' if x not in (30, 31, 32) else g[5][x])
    for y in range(2, 5):
        for x in range(13, 19):
            put(x, y, 'hay_strewn')
    for y in range(2, 5):
        for x in range(46, 52):
            put(x, y, 'pond_water')
    for x in (44, 45):
        put(x, 3, 'flowers_blue')
    # The lane north to the castle road.
    for x in range(30, 33):
        for y in range(0, 12):
            put(x, y, 'dirt_path')
    # The chapel's garden and the inn's woodpile and hay.
    for x in range(50, 58):
        put(x, 21, 'flowers_blue' if x % 2 else 'flowerbed')
    put(53, 37, 'woodpile')
    put(54, 37, 'woodpile')
    for x in range(52, 56):
        put(x, 38, 'hay_strewn')
    # Flowerbeds along the east street.
    for x in (36, 37, 38):
        put(x, 27, 'flowerbed')
    for x in (35, 36):
        put(x, 16, 'flowers_blue')
    # The east orchard.
    for (x, y) in ((36, 19), (39, 18), (42, 20), (45, 18), (48, 20), (51, 18), (54, 16), (37, 22)):
        tree(x, y)
    for y in range(15, 23):
        put(57, y, 'picket_fence')
    # The south fence and the gate.
    for x in range(0, 60):
        if x not in (30, 31, 32):
            put(x, 43, 'picket_fence')
    for x in range(0, 60):
        if x in (29, 30, 31, 32, 33):
            continue
        if x % 3 == 0:
            tree(x, 44)
    # Trees round the edge of the village and here and there.
    for x in range(0, 60):
        if x in (30, 31, 32):
            continue
        if x % 2 == 0:
            tree(x, 1)
    for y in range(2, 43, 3):
        if not road[y][0]:
            tree(0, y)
        if not road[y][59]:
            tree(59, y)
    for (x, y) in ((12, 17), (27, 22), (36, 23), (11, 29), (12, 35), (34, 35), (27, 30),
                   (57, 33), (35, 42), (37, 42), (24, 42), (21, 42), (12, 42), (6, 42)):
        tree(x, y)
    for (x, y) in ((26, 41), (27, 41), (38, 41), (39, 41)):
        put(x, y, 'flowerbed')
    return [g, fountain, blank(), over]


# ================================================================ rooms

GROUND = {
    ' ': 'room_void', 'u': 'wood_face_upper', 'f': 'wood_face', 'w': 'wood_face_window',
    'k': 'wood_face_shelf', '.': 'floor_wood', '-': 'floor_wood_dark', '~': 'floor_wood_light',
    ',': 'floor_wood_worn', ';': 'floor_straw', 'M': 'doormat', 'D': 'doorway_wood', 'O': 'rug_round_red',
    'B': 'rug_blue', 'G': 'rug_green', 'E': 'bedroll', '^': 'stairs_up_wood', 'v': 'stairs_down_wood',
    'S': 'save_rune',
}
SHADE = {'.': 'floor_wood_shade'}
FACES = set('ufwk')
OBJECTS = {
    'T': 'torch_a', 'C': 'chest_closed', 'x': 'bookshelf', 'c': 'cupboard', 'r': 'dresser', 'a': 'wardrobe',
    '1': 'bed_top', '2': 'bed_bottom', '3': 'table_l', '4': 'table_m', '5': 'table_r', 't': 'table_small',
    'o': 'barrel', 'j': 'clay_pot', 's': 'grain_sacks', 'z': 'crates', 'e': 'hearth', 'p': 'palm_planter',
    '6': 'counter_w', '7': 'counter', '8': 'counter_e', '9': 'counter_potions', '0': 'counter_arms',
    '!': 'counter_cloth', '|': 'counter_v', '/': 'counter_v_s', '[': 'counter_nw', ']': 'counter_ne',
}
# Wall tops by the sides on which the wall goes on (north, east, south, west); the
# wooden walls have no tees, so a wall going on both ways north and south is upright.
WOOD_TOPS = {
    (0, 0, 0, 0): 'wood_top_h', (0, 0, 0, 1): 'wood_top_end_e', (0, 0, 1, 0): 'wood_top_h',
    (0, 0, 1, 1): 'wood_top_ne', (0, 1, 0, 0): 'wood_top_end_w', (0, 1, 0, 1): 'wood_top_h',
    (0, 1, 1, 0): 'wood_top_nw', (0, 1, 1, 1): 'wood_top_h', (1, 0, 0, 0): 'wood_top_h',
    (1, 0, 0, 1): 'wood_top_se', (1, 0, 1, 0): 'wood_top_v', (1, 0, 1, 1): 'wood_top_v',
    (1, 1, 0, 0): 'wood_top_sw', (1, 1, 0, 1): 'wood_top_h', (1, 1, 1, 0): 'wood_top_v',
    (1, 1, 1, 1): 'wood_top_v',
}


def room(ground, objects):
    rows = len(ground)
    cols = max(len(r) for r in ground)
    gp = [r.ljust(cols) for r in ground]
    op = [r.ljust(cols) for r in objects] + [' ' * cols] * (rows - len(objects))
    g = paint_ground(gp, '#', WOOD_TOPS, GROUND, SHADE, FACES)
    o = grid(cols, rows)
    for y in range(rows):
        for x in range(cols):
            c = gp[y][x]
            oc = op[y][x]
            if oc != ' ':
                # Torches hang on the wall faces; everything else stands on the floor.
                on_floor = c in '.-~,;OBGERS^v'
                if (oc == 'T') != (c in FACES) or (oc != 'T' and not on_floor):
                    raise SystemExit('object %r at (%d, %d) stands on %r' % (oc, x, y, c))
                o[y][x] = OBJECTS[oc]
    return [g, o]


ROOMS = {}

# The chapel (10101): two torches over the altar, a chest of offerings for travellers.
ROOMS['town01_1'] = ('town01~1.map', 10101, """
The chapel (10101). Mike comes in on the doormat at (14, 15) and leaves by
walking down off the map; torches at (11, 8) and (17, 8), the chest at (19, 10).
""", [
    "                            ",
    "                            ",
    "                            ",
    "                            ",
    "                            ",
    "                            ",
    "      #################     ",
    "      #uuuuuuuuuuuuuuu#     ",
    "      #fwfkfwfffwfkfwf#     ",
    "      #......RRR......#     ",
    "      #......RRR......#     ",
    "      #......RRR......#     ",
    "      #,.....RRR......#     ",
    "      #......RRR......#     ",
    "      #......RRR......#     ",
    "      ########M########     ",
], [
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "           T     T          ",
    "       x     345    p       ",
    "            t   t  C        ",
    "         34     34          ",
    "         34     34          ",
    "         34     34   j      ",
    "       p             o      ",
])

SHOP_GROUND = [
    "                                        ",
    "                                        ",
    "                                        ",
    "                                        ",
    "                                        ",
    "                                        ",
    "             ###############            ",
    "             #uuuuuuuuuuuuu#            ",
    "             #kfkfkfwfkfkfk#            ",
    "             #.............#            ",
    "             #.............#            ",
    "             #.............#            ",
    "             #.............#            ",
    "             #....GGGGG....#            ",
    "             #.............#            ",
    "             #######M#######            ",
]

# The recovery item shop (10102), also shown as the battle item shop (10192).
ROOMS['town01_2'] = ('town01~2.map', 10102, """
The item shop (10102, and again as the battle item shop 10192). Mike comes in
at (20, 15); the clerk stands at (20, 9) behind the counter of row 11, served
from (20, 12) facing up.
""", SHOP_GROUND, [
    "", "", "", "", "", "", "", "", "",
    "              cx  x     xc              ",
    "              j           o             ",
    "              7779777977797             ",
    "                                        ",
    "              p           s             ",
])

# The arms shop (10103).
ROOMS['town01_3'] = ('town01~3.map', 10103, """
The arms shop (10103). Mike comes in at (20, 15); the smith stands at (20, 9)
behind the counter of row 11, served from (20, 12) facing up.
""", [r.replace('kfkfkfwfkfkfk', 'fkfwfffffwfkf') for r in SHOP_GROUND], [
    "", "", "", "", "", "", "", "", "",
    "              az      e  zo             ",
    "              o           z             ",
    "              7707770777077             ",
    "                                        ",
    "              z           o             ",
])

# The attire shop (10104).
ROOMS['town01_4'] = ('town01~4.map', 10104, """
The attire shop (10104). Mike comes in at (20, 15); the tailor stands at
(20, 9) behind the counter of row 11, served from (20, 12) facing up.
""", [r.replace('kfkfkfwfkfkfk', 'fwfkfffffkfwf').replace('GGGGG', 'BBBBB') for r in SHOP_GROUND], [
    "", "", "", "", "", "", "", "", "",
    "              aa   r   raa              ",
    "              r           p             ",
    "              77!777!777!77             ",
    "                                        ",
    "              p           r             ",
])

# The inn (10105): the tavern hall below, the innkeeper's counter, the beds above.
ROOMS['town01_5'] = ('town01~5.map', 10105, """
The inn (10105). Mike comes in at (34, 36) and leaves by walking down off the
map; the innkeeper stands at (34, 22) behind the counter of row 24, served from
(34, 25) facing up; the save spot is at (30, 33); the barrel find at (40, 31)
is searched from (39, 31) facing right.
""", [
    "                                                  ",
    "                                                  ",
    "                                                  ",
    "                                                  ",
    "                                                  ",
    "                                                  ",
    "                                                  ",
    "                      #####################       ",
    "                      #uuuuuuuuuuuuuuuuuuu#       ",
    "                      #fwfffwfffwfffwfffwf#       ",
    "                      #...................#       ",
    "                      #...................#       ",
    "                      #...................#       ",
    "                      #...................#       ",
    "                      #.....B.......B.....#       ",
    "                      #...................#       ",
    "                      #...................#       ",
    "                      #####.....#####.#####       ",
    "                      #uuuu.....uuuuu.uuuu#       ",
    "                      #fkff.....fwfkf.ffkf#       ",
    "                      #~~~~~~~~~~~~~~~~~~~#       ",
    "                      #~~~~~~~~~~~~~~~~~~~#       ",
    "                      #~~~~~~~~~~~~~~~~~~~#       ",
    "                      #~~~~~~~~~~~~~~~~~~~#       ",
    "                      #~~~~~~~~~~~~~~~~~~~#       ",
    "                      #...................#       ",
    "                      #...................#       ",
    "                      #...................#       ",
    "                      #....O.........O....#       ",
    "                      #...................#       ",
    "                      #...................#       ",
    "                      #...................#       ",
    "                      #...................#       ",
    "                      #.......S...........#       ",
    "                      #..........RRR......#       ",
    "                      #..........RRR......#       ",
    "                      ############M########       ",
], [
    "", "", "", "", "", "", "", "", "",
    "",
    "                       1 t 1   1 t 1   1 t        ",
    "                       2   2   2   2   2          ",
    "                                                  ",
    "                       t                 a        ",
    "                                                  ",
    "                       1 t 1             c        ",
    "                       2   2             r        ",
    "",
    "",
    "",
    "                       x    zz  e       xo        ",
    "                       j            t   s         ",
    "                       o                          ",
    "                       777777977777777777         ",
    "                                                  ",
    "",
    "                        3445         3445         ",
    "                                                  ",
    "                         tt    p      tt o        ",
    "                                                  ",
    "                        3445         3445         ",
    "                                        o         ",
    "                       p                 z        ",
    "                                         o        ",
    "                                                  ",
    "                       o                 p        ",
])

# The long house (10106): Grandma Wren and her granddaughter.
ROOMS['town01_6'] = ('town01~6.map', 10106, """
The long house (10106). Mike comes in at (17, 24) and leaves by walking down off
the map, back out of the door he came in by; Grandma at (19, 13), the girl at
(21, 19).
""", [
    "                                  ",
    "                                  ",
    "                                  ",
    "                                  ",
    "                                  ",
    "                                  ",
    "                                  ",
    "                                  ",
    "                                  ",
    "                                  ",
    "         #################        ",
    "         #uuuuuuuuuuuuuuu#        ",
    "         #fwfkffwffkfwfff#        ",
    "         #...............#        ",
    "         #...............#        ",
    "         #..OO...........#        ",
    "         #..OO...........#        ",
    "         #...............#        ",
    "         #.......GGG.....#        ",
    "         #.......GGG.....#        ",
    "         #...............#        ",
    "         #...............#        ",
    "         #...............#        ",
    "         #...............#        ",
    "         ########M########        ",
], [
    "", "", "", "", "", "", "", "", "", "", "", "", "",
    "          e    c  r  1 1a         ",
    "                     2 2          ",
    "          t                       ",
    "                                  ",
    "          345           j         ",
    "                                  ",
    "                       1          ",
    "                       2          ",
    "          p                       ",
    "          o            o          ",
])

# Charlie's house (10107): his mother's clay pot hides a Glow Dust.
ROOMS['town01_7'] = ('town01~7.map', 10107, """
Charlie's house (10107). Mike comes in at (20, 17); the clay pot at (24, 10) is
searched from (24, 11) facing up.
""", [
    "                                        ",
    "                                        ",
    "                                        ",
    "                                        ",
    "                                        ",
    "                                        ",
    "                                        ",
    "             ###############            ",
    "             #uuuuuuuuuuuuu#            ",
    "             #fwffkfffwfkff#            ",
    "             #,,,,,,,,,,,,,#            ",
    "             #,,,,,,,,,,,,,#            ",
    "             #,,,,,,,,,,,,,#            ",
    "             #,,,BB,,,,,,,,#            ",
    "             #,,,BB,,,,,,,,#            ",
    "             #,,,,,,,,,,,,,#            ",
    "             #,,,,,,,,,,,,,#            ",
    "             #######M#######            ",
], [
    "", "", "", "", "", "", "", "", "", "",
    "              1   e   r j 1             ",
    "              2           2             ",
    "                                        ",
    "                       345              ",
    "                                        ",
    "              a           o             ",
    "              p           s             ",
])

# The miller's house (10108): two doors outside, a chest the miller offers.
ROOMS['town01_8'] = ('town01~8.map', 10108, """
The miller's house (10108). Mike comes in at (15, 17), whichever door he used,
and goes back out of it; the miller at (13, 12); the chest at (20, 11).
""", [
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "       #################        ",
    "       #uuuuuuuuuuuuuuu#        ",
    "       #fkfwfffwffkfwff#        ",
    "       #;;;;;;;........#        ",
    "       #;;;;;;;........#        ",
    "       #;;;;;;;........#        ",
    "       #;;;;;;;...OO...#        ",
    "       #;;;;;;;...OO...#        ",
    "       #;;;;;;;........#        ",
    "       #;;;;;;;........#        ",
    "       ########M########        ",
], [
    "", "", "", "", "", "", "", "", "", "",
    "        sss s   e  c  1          ",
    "        ss          C 2          ",
    "        s                        ",
    "                                 ",
    "        zz        345            ",
    "        o                        ",
    "        ss            p          ",
])

# The soldier's family (10109): the boy's mother.
ROOMS['town01_9'] = ('town01~9.map', 10109, """
The soldier's family (10109). Mike comes in at (20, 17); the mother at (22, 12).
""", [
    "                                        ",
    "                                        ",
    "                                        ",
    "                                        ",
    "                                        ",
    "                                        ",
    "                                        ",
    "             ###############            ",
    "             #uuuuuuuuuuuuu#            ",
    "             #fwffkfffkffwf#            ",
    "             #.............#            ",
    "             #.............#            ",
    "             #.............#            ",
    "             #.....OO......#            ",
    "             #.....OO......#            ",
    "             #.............#            ",
    "             #.............#            ",
    "             #######M#######            ",
], [
    "", "", "", "", "", "", "", "", "", "",
    "              1 1  e      c             ",
    "              2 2                       ",
    "                         t              ",
    "                                        ",
    "              345                       ",
    "              r                         ",
    "              p           j             ",
])

# The storage room (10110): two chests, one of them locked.
ROOMS['town01_a'] = ('town01~a.map', 10110, """
The storage room (10110). Mike comes in at (20, 18) and leaves by walking down
off the map; the chests at (16, 11) and (24, 11) are opened from the cell below
them facing up (the one at 16 is locked).
""", [
    "                                        ",
    "                                        ",
    "                                        ",
    "                                        ",
    "                                        ",
    "                                        ",
    "                                        ",
    "            #################           ",
    "            #uuuuuuuuuuuuuuu#           ",
    "            #fffkfffffffkfff#           ",
    "            #---------------#           ",
    "            #---------------#           ",
    "            #---------------#           ",
    "            #---------------#           ",
    "            #---------------#           ",
    "            #---------------#           ",
    "            #---------------#           ",
    "            #---------------#           ",
    "            ########M########           ",
], [
    "", "", "", "", "", "", "", "", "", "",
    "             zzsoo z   z ooz            ",
    "             zs C       C  s            ",
    "             o             z            ",
    "                                        ",
    "             sz           oz            ",
    "             o             s            ",
    "                                        ",
    "             zo           sz            ",
])


def main():
    write_map('town01.txt', """
Lumin Village, outdoors (map 101). Written by tools/village/gen_village.py;
run it again after changing the layout there.
Layer 0 ground, houses and everything that stands; layer 1 only the fountain's
water (the village draws it translucently); layer 3 roof ridges and tree crowns
over the actors. Mike arrives at (31, 44) and leaves off the bottom row.
""".strip().split('\n'), 'town01.map', outdoors(), alphabet=LOWER)
    for fname, (mapfile, num, comment, ground, objects) in ROOMS.items():
        write_map(fname + '.txt', (comment.strip() + '\nWritten by tools/village/gen_village.py.').split('\n'),
                  mapfile, room(ground, objects), alphabet=LOWER)


if __name__ == '__main__':
    main()
