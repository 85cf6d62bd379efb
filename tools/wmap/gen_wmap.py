#!/usr/bin/env python3
"""Draws the world map of Lumin and writes it as map source (assets/maps/wmap.txt).

The continent is laid out below as a handful of shapes -- coastline, capes and
islets, mountain ranges, lakes, rivers, forests, the desert, roads, lanes and the
places -- in map cells
(a cell is 16 x 16 pixels; cell = pixel / 16). The script paints them onto a
terrain grid, picks the fitting edge and bend tiles (coasts, rivers, roads,
forest and desert borders), and writes one two-character key per cell.

The written wmap.txt is plain map source: small touches can be made there by
hand. Anything larger belongs here, followed by a fresh run:

    python3 tools/wmap/gen_wmap.py            # writes assets/maps/wmap.txt
    python3 tools/wmap/gen_wmap.py --terrain  # prints the terrain sketch instead

The game relies on these cells (see world.cpp): the bridgehead (89, 11) with the
start cell (89, 12) below it; Lumin Village (101..103, 18) under the castle gate
(102, 17); Agual (145, 41), (146, 41), (146, 42); Mystalia (104, 70), (105, 70);
the Sand Garden (98..99, 87..88); the woods gate (tile woods_gate) west of Agual;
no walker beyond column 87.
"""
import math
import os
import sys

W, H = 160, 120
WEST_LIMIT_COL = 87  # Mike is turned back at this column and west of it

# ---------------------------------------------------------------- noise

def hash01(x, y, seed):
    # Two mixing rounds: with one, neighbouring lattice points came out alike
    # and the patches of grass lined up in stripes.
    h = (x * 374761393 + y * 668265263 + seed * 982451653) & 0xFFFFFFFF
    h = ((h ^ (h >> 13)) * 1274126177) & 0xFFFFFFFF
    h = ((h ^ (h >> 16)) * 2246822519) & 0xFFFFFFFF
    h = ((h ^ (h >> 13)) * 3266489917) & 0xFFFFFFFF
    return ((h ^ (h >> 16)) & 0xFFFF) / 65535.0


def noise(x, y, scale, seed):
    """Smooth value noise in [0, 1]."""
    fx, fy = x / scale, y / scale
    ix, iy = math.floor(fx), math.floor(fy)
    tx, ty = fx - ix, fy - iy
    tx, ty = tx * tx * (3 - 2 * tx), ty * ty * (3 - 2 * ty)
    a = hash01(ix, iy, seed)
    b = hash01(ix + 1, iy, seed)
    c = hash01(ix, iy + 1, seed)
    d = hash01(ix + 1, iy + 1, seed)
    return (a * (1 - tx) + b * tx) * (1 - ty) + (c * (1 - tx) + d * tx) * ty


def wobble(x, y, seed, amp=2.5):
    return (noise(x, y, 6, seed) - 0.5) * 2 * amp + (noise(x, y, 2.5, seed + 7) - 0.5) * amp * 0.6

# ---------------------------------------------------------------- shapes

def inside_polygon(px, py, poly):
    inside = False
    n = len(poly)
    for i in range(n):
        x1, y1 = poly[i]
        x2, y2 = poly[(i + 1) % n]
        if (y1 > py) != (y2 > py):
            xc = x1 + (py - y1) * (x2 - x1) / (y2 - y1)
            if px < xc:
                inside = not inside
    return inside


def dist_to_polygon_edge(px, py, poly):
    best = 1e9
    n = len(poly)
    for i in range(n):
        best = min(best, dist_to_segment(px, py, poly[i], poly[(i + 1) % n]))
    return best


def dist_to_segment(px, py, a, b):
    ax, ay = a
    bx, by = b
    dx, dy = bx - ax, by - ay
    l2 = dx * dx + dy * dy
    t = 0 if l2 == 0 else max(0, min(1, ((px - ax) * dx + (py - ay) * dy) / l2))
    qx, qy = ax + t * dx, ay + t * dy
    return math.hypot(px - qx, py - qy)


def dist_to_polyline(px, py, pts):
    return min(dist_to_segment(px, py, pts[i], pts[i + 1]) for i in range(len(pts) - 1))


def cells_of_path(pts):
    """A 4-connected one-cell-wide line through the points: across first, then down."""
    out = []
    for (x1, y1), (x2, y2) in zip(pts, pts[1:]):
        x, y = x1, y1
        if not out or out[-1] != (x, y):
            out.append((x, y))
        while x != x2:
            x += 1 if x2 > x else -1
            out.append((x, y))
        while y != y2:
            y += 1 if y2 > y else -1
            out.append((x, y))
    return out


def wiggly_path(pts, seed, amp=1.6):
    """A meandering 4-connected line: each leg is split and its middle pushed sideways."""
    out_pts = [pts[0]]
    for i, ((x1, y1), (x2, y2)) in enumerate(zip(pts, pts[1:])):
        n = max(1, int(math.hypot(x2 - x1, y2 - y1) / 5))
        for k in range(1, n + 1):
            t = k / n
            x = x1 + (x2 - x1) * t
            y = y1 + (y2 - y1) * t
            if k < n:
                x += (noise(x, y, 3, seed + i) - 0.5) * 2 * amp
                y += (noise(y, x, 3, seed + i + 50) - 0.5) * 2 * amp
            out_pts.append((int(round(x)), int(round(y))))
    return cells_of_path(out_pts)

# ---------------------------------------------------------------- the continent

# Terrain classes of the sketch (one character each).
SEA, GRASS, MEADOW, FOREST, DEEP, GATE, MOUNT, HILLS, RIVER, SPRING, ROAD, BRIDGE, FORD = "~.,TDW^nrRsbF"
DESERT, DUNES, MESA, ROCK, CACTUS, TRACK, LAKE, MARSH, FIELD, WHEAT, BEACH, BUSH = ":dmokpLxfwzu"
PLACE = "V"      # places and buildings are kept in `fixed` with their own tile names

COAST = [
    (10, 16), (14, 9), (24, 6), (36, 8), (44, 4), (58, 5), (63, 11), (67, 12), (70, 6), (84, 3),
    (100, 5), (112, 3), (126, 4), (138, 3), (148, 5), (155, 10), (155, 17), (151, 21), (153, 28),
    (152, 34), (150, 38), (149, 45), (151, 51), (156, 57), (155, 64), (148, 70), (140, 74),
    (134, 80), (137, 86), (146, 90), (152, 96), (148, 104), (140, 109), (130, 112), (121, 115),
    (104, 116), (92, 114), (84, 116), (76, 111), (71, 104), (65, 107), (58, 114), (44, 116),
    (30, 112), (18, 108), (8, 100), (5, 88), (11, 81), (21, 74), (12, 69), (5, 58), (8, 44),
    (4, 32), (8, 23),
]
INLAND_SEAS = [((44, 57), (9, 6)), ((27, 70), (5, 3))]
ISLETS = [((156, 44), 1.6), ((157, 82), 1.8), ((20, 116), 1.5), ((144, 116), 1.4), ((3, 66), 1.3),
          ((64, 116), 1.2), ((60, 2), 1.0), ((153, 74), 1.3), ((150, 111), 1.1), ((141, 80), 1.0),
          ((155, 24), 0.9)]
# Small headlands pushed out from the shore so the coast does not run too smoothly.
CAPES = [((152, 62), 2.2), ((137, 107), 1.9), ((152, 30), 1.7), ((141, 76), 1.6), ((113, 114), 1.6)]

# Mountain ranges: polylines with a half-width.
RANGES = [
    ([(40, 6), (62, 5), (80, 6), (100, 5), (118, 6), (136, 5)], 1.6),       # the northern shore
    ([(56, 30), (74, 31), (92, 29), (106, 30), (118, 32), (128, 31)], 2.2),  # between Lumin and the south
    ([(20, 40), (24, 58), (30, 72)], 2.6),                                   # the far west
    ([(108, 64), (116, 67), (126, 66)], 1.2),                                # the ridge above Mystalia's river
    ([(80, 100), (88, 106), (100, 108), (112, 105)], 1.8),                   # the desert's southern rim
    ([(134, 84), (136, 96)], 1.3),                                           # east of the desert
    ([(146, 13), (149, 20), (147, 28)], 1.4),                                # the north-east cape
    ([(10, 26), (16, 22), (26, 20)], 1.6),                                   # the far north-west
    ([(64, 40), (72, 46), (76, 60), (72, 70)], 1.8),                         # the western spine
    ([(36, 80), (44, 84)], 1.4),
    ([(116, 75), (121, 78), (125, 77)], 1.5),                                # the Grey Knot in the eastern plain
    ([(91, 41), (94, 44)], 1.1),                                             # a lone crag above the lake road
]
HILL_BANDS = [
    ([(56, 26), (76, 27), (94, 25), (108, 27), (120, 28)], 2.0),
    ([(108, 12), (120, 13), (132, 12)], 1.8),
    ([(96, 36), (104, 40), (108, 50)], 2.0),
    ([(118, 58), (134, 60)], 1.5),
    ([(30, 20), (44, 24)], 2.0),
]
FORESTS = [  # (centre, radii): walkable forest; many small copses are strewn in as well
    ((126, 45), (12, 9)),      # the Aphondus Woods
    ((92, 15), (3.2, 2.4)),    # a copse west of Lumin, by the road north
    ((136, 16), (4, 3)),
    ((98, 48), (5, 4)),
    ((120, 61), (3, 2)),
    ((40, 36), (9, 7)),
    ((62, 50), (7, 9)),
    ((30, 88), (6, 5)),
    ((143, 99), (3.2, 2.4)),   # the shepherds' wood on the south-eastern downs
    ((117, 110), (2.6, 1.6)),
]
DEEPWOODS = [((125, 44), (7.5, 5.5)), ((40, 36), (5, 4)), ((62, 50), (3.5, 5))]
# Lakes are drawn with the coast tiles, which gives them a proper shore.
LAKES = [((117, 24), (3.6, 2.4)), ((44, 58), (5, 3.5)), ((76, 18), (3.4, 2.6)), ((124, 85), (2.8, 2.2)),
         ((95, 55), (3.2, 2.5))]
MARSHES = [((112, 26), (3, 1.5)), ((146, 62), (3, 2))]
DESERT_BLOB = ((104, 90), (21, 17))
DESERT_WEST = ((56, 92), (18, 12))
FIELDS = [((108, 15), (3, 1.5), WHEAT), ((96, 22), (3, 1.3), FIELD), ((110, 21), (2.5, 1.2), WHEAT)]

# Rivers: from the spring down to the sea or a lake.
RIVERS = [
    # The river north of Lumin, crossed by Lumin Bridge at (89, 10).
    [(73, 12), (78, 11), (84, 10), (95, 10), (110, 9), (128, 9), (140, 8), (146, 8), (147, 2)],
    # From the hills north of Lumin down into the lake by the east road.
    [(119, 13), (118, 17), (117, 21), (117, 23)],
    # Down the southern flank of the range, past the woods and out to the east sea.
    [(112, 34), (112, 42), (110, 50), (112, 56), (124, 56), (136, 55), (150, 56)],
    # Off the east end of the ridge above Mystalia and out into the eastern bay.
    [(125, 67), (127, 70), (133, 71), (137, 73), (142, 74)],
    # A brook from the Grey Knot down into the oasis lake at the edge of the sand.
    [(121, 79), (123, 80), (124, 83)],
    # Out of the hills east of the desert, south across the plain to the sea.
    [(135, 97), (133, 101), (128, 104), (126, 109), (125, 117)],
]
# Shallow places where the cattle and the shepherds cross (river number, step from the spring).
FORDS = [(5, 9)]
# Country lanes: dirt roads that wade across rivers instead of bridging them.
LANES = [
    [(130, 61), (130, 79)],                                          # down to the old ruins
]

# Roads: 4-connected lines between the places. The first entry is the road north.
ROADS = [
    [(89, 12), (89, 19), (104, 19)],                                 # from the bridge past the village
    [(89, 10), (89, 6)],                                             # over the bridge (closed for now)
    [(103, 17), (104, 17), (104, 19)],                               # the castle gate's side road
    [(104, 19), (126, 19), (126, 26), (136, 26), (136, 34), (140, 34), (140, 41), (144, 41)],  # to Agual
    [(136, 41), (140, 41)],                                          # the lane towards the woods
    [(146, 43), (146, 60), (105, 60), (105, 69)],                   # Agual to Mystalia
    [(100, 69), (105, 69)],                                          # along Mystalia's wall
]
TRACKS = [  # caravan tracks across the sand
    [(100, 70), (100, 86)],
    [(100, 89), (100, 96), (116, 96)],
]

# Places and buildings: exact cells and tile names.
FIXED = {}


def fix(x, y, name):
    FIXED[(x, y)] = name


# Lumin Castle with the village at its gate.
for x, n in zip(range(100, 105), ["castle_tower_world", "castle_wall_world", "castle_roof_world", "castle_wall_world", "castle_tower_world"]):
    fix(x, 15, n)
for x, n in zip(range(100, 105), ["castle_wall_world", "castle_roof_world", "castle_roof_world", "castle_roof_world", "castle_wall_world"]):
    fix(x, 16, n)
fix(100, 17, "castle_tower_world")
fix(101, 17, "castle_wall_world")
fix(102, 17, "castle_gate_world")
for x in (101, 102, 103):
    fix(x, 18, "world_village")
fix(89, 11, "world_bridgehead")
fix(91, 20, "world_sign")
fix(97, 13, "world_graves")
fix(98, 13, "world_graves")
# Agual on the east coast: its south-west corner is the town wall.
fix(145, 41, "world_agual")
fix(146, 41, "world_agual")
fix(146, 42, "world_agual")
fix(145, 42, "town_wall_world")
fix(147, 41, "town_wall_world")
fix(147, 42, "town_wall_world")
fix(145, 40, "town_wall_world")
fix(147, 43, "town_wall_world")
fix(147, 40, "town_wall_world")
fix(141, 33, "world_sign")
# The way into the Aphondus Woods, at the east side of the deep forest.
fix(132, 44, "woods_gate")
fix(139, 47, "world_camp")
# Mystalia, walled, with its gate to the north.
fix(104, 70, "world_mystalia")
fix(105, 70, "world_mystalia")
for x in (103, 106):
    fix(x, 70, "town_wall_world")
for x in range(103, 107):
    fix(x, 71, "town_wall_world")
fix(107, 61, "world_sign")
# The Sand Garden: a way down under a rock shelf.
for x in (98, 99):
    for y in (87, 88):
        fix(x, y, "world_cave")
fix(98, 86, "desert_rock")
fix(99, 86, "desert_rock")
fix(112, 94, "world_camp")
# Broken pillars at the end of the lane south of the Mystalia road.
for x, y in [(129, 80), (131, 80), (128, 81), (132, 81)]:
    fix(x, y, "ruins_world")
fix(131, 62, "world_sign")
# A shepherds' graveyard and their fire on the south-eastern downs.
fix(119, 104, "world_graves")
fix(120, 104, "world_graves")
fix(119, 105, "world_graves")
fix(138, 103, "world_camp")
fix(120, 20, "world_sign")
fix(127, 27, "world_sign")


def copses():
    """Small walkable copses strewn over the grassland, away from the places."""
    out = []
    for i in range(70):
        cx = 6 + int(hash01(i, 1, 201) * 148)
        cy = 6 + int(hash01(i, 2, 201) * 108)
        if any(abs(cx - x) < 5 and abs(cy - y) < 5 for (x, y) in FIXED):
            continue
        out.append(((cx, cy), (1.2 + hash01(i, 3, 201) * 2.2, 1.0 + hash01(i, 4, 201) * 1.6)))
    return out


LAKE_CELLS = set()


def spurs(pts, hw, seed):
    """Knobs of rock thrown out sideways along a range, so its outline is never a ruler line."""
    out = []
    for i, ((x1, y1), (x2, y2)) in enumerate(zip(pts, pts[1:])):
        length = math.hypot(x2 - x1, y2 - y1)
        nx, ny = -(y2 - y1) / length, (x2 - x1) / length
        for k in range(int(length / 3.5)):
            h = hash01(i * 31 + k, seed, 211)
            if h > 0.55:
                continue
            t = (k + 0.5) * 3.5 / length
            side = 1 if hash01(k, i, seed + 213) < 0.5 else -1
            off = (hw + 0.6 + hash01(k, i, seed + 215) * 1.6) * side
            out.append(((x1 + (x2 - x1) * t + nx * off, y1 + (y2 - y1) * t + ny * off),
                        0.8 + hash01(k, i, seed + 217) * 1.3))
    return out


def fbm(x, y, scale, seed):
    """Two octaves of noise: patches with ragged, natural edges."""
    return noise(x, y, scale, seed) * 0.7 + noise(x, y, scale / 2.3, seed + 1) * 0.3


def near_fixed(x, y, r):
    return any((x + dx, y + dy) in FIXED for dx in range(-r, r + 1) for dy in range(-r, r + 1))


def ellipse(cx, cy, rx, ry, x, y, seed, rough=0.5):
    d = ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2
    return d + (noise(x, y, 3, seed) - 0.5) * rough < 1.0


def paint():
    t = [[SEA] * W for _ in range(H)]
    for y in range(H):
        for x in range(W):
            if x < 3 or y < 3 or x >= W - 3 or y >= H - 3:
                continue
            inside = inside_polygon(x + 0.5, y + 0.5, COAST)
            d = dist_to_polygon_edge(x + 0.5, y + 0.5, COAST)
            s = d if inside else -d
            if s + wobble(x, y, 1) > 0:
                t[y][x] = GRASS
    for (cx, cy), r in ISLETS:
        for y in range(H):
            for x in range(W):
                if 2 < x < W - 3 and 2 < y < H - 3 and math.hypot(x - cx, y - cy) < r + wobble(x, y, 9, 0.6):
                    t[y][x] = GRASS
    for (cx, cy), r in CAPES:
        for y in range(H):
            for x in range(W):
                if 3 < x < W - 4 and 3 < y < H - 4 and math.hypot(x - cx, y - cy) < r + wobble(x, y, 13, 0.8):
                    t[y][x] = GRASS

    for (cx, cy), (rx, ry) in INLAND_SEAS:
        for y in range(H):
            for x in range(W):
                if ellipse(cx, cy, rx, ry, x, y, 5):
                    t[y][x] = SEA

    def land(x, y):
        return t[y][x] != SEA

    # Meadow patches for colour.
    for y in range(H):
        for x in range(W):
            if land(x, y) and noise(x, y, 5, 21) > 0.72:
                t[y][x] = MEADOW
    for (cx, cy), (rx, ry) in [DESERT_BLOB, DESERT_WEST]:
        for y in range(H):
            for x in range(W):
                if land(x, y) and ellipse(cx, cy, rx, ry, x, y, 31):
                    t[y][x] = DESERT
    for (cx, cy), (rx, ry), kind in FIELDS:
        for y in range(H):
            for x in range(W):
                if land(x, y) and ellipse(cx, cy, rx, ry, x, y, 41):
                    t[y][x] = kind
    # Rolling hill clusters and foothills: the plains should never run flat for long.
    for y in range(H):
        for x in range(W):
            if t[y][x] in (GRASS, MEADOW) and fbm(x, y, 4, 301) > 0.76 and not near_fixed(x, y, 3):
                t[y][x] = HILLS
            elif t[y][x] in (GRASS, MEADOW) and hash01(x, y, 303) < 0.006 and not near_fixed(x, y, 2):
                t[y][x] = HILLS
    for pts, hw in RANGES:
        for y in range(H):
            for x in range(W):
                if (t[y][x] in (GRASS, MEADOW) and dist_to_polyline(x, y, pts) < hw + 1.7 + wobble(x, y, 83, 1.2)
                        and noise(x, y, 3, 87) > 0.3):
                    t[y][x] = HILLS
    for pts, hw in HILL_BANDS:
        for y in range(H):
            for x in range(W):
                if land(x, y) and dist_to_polyline(x, y, pts) < hw + wobble(x, y, 51, 1.0):
                    t[y][x] = HILLS
    for (cx, cy), (rx, ry) in FORESTS + copses():
        for y in range(H):
            for x in range(W):
                if land(x, y) and t[y][x] != DESERT and ellipse(cx, cy, rx, ry, x, y, 61):
                    t[y][x] = FOREST
    for (cx, cy), (rx, ry) in DEEPWOODS:
        for y in range(H):
            for x in range(W):
                if land(x, y) and ellipse(cx, cy, rx, ry, x, y, 71):
                    t[y][x] = DEEP
    for pts, hw in RANGES:
        for y in range(H):
            for x in range(W):
                # A second, coarser wobble breaks the ranges into spurs and saddles.
                d = dist_to_polyline(x, y, pts)
                if land(x, y) and d < hw + wobble(x, y, 81, 1.2) + (noise(x, y, 3.5, 85) - 0.45) * 2.2:
                    t[y][x] = MOUNT
    for n, (pts, hw) in enumerate(RANGES):
        for (cx, cy), r in spurs(pts, hw, n):
            for y in range(int(cy - 4), int(cy + 5)):
                for x in range(int(cx - 4), int(cx + 5)):
                    if 0 <= x < W and 0 <= y < H and land(x, y) and math.hypot(x - cx, y - cy) < r + wobble(x, y, 89, 0.5):
                        t[y][x] = MOUNT
    for (cx, cy), (rx, ry) in LAKES:
        for y in range(H):
            for x in range(W):
                if land(x, y) and ellipse(cx, cy, rx, ry, x, y, 91, 1.1):
                    t[y][x] = SEA
                    LAKE_CELLS.add((x, y))
    for (cx, cy), (rx, ry) in MARSHES:
        for y in range(H):
            for x in range(W):
                if t[y][x] in (GRASS, MEADOW) and ellipse(cx, cy, rx, ry, x, y, 95):
                    t[y][x] = MARSH
    # Beaches along the sunny south coast and in coves elsewhere; reeds round the lakes.
    for y in range(1, H - 1):
        for x in range(1, W - 1):
            if t[y][x] not in (GRASS, MEADOW, HILLS) or near_fixed(x, y, 2):
                continue
            wet = [(x + dx, y + dy) for dx, dy in ((0, 1), (1, 0), (-1, 0), (0, -1)) if t[y + dy][x + dx] == SEA]
            if not wet:
                continue
            if any(c in LAKE_CELLS for c in wet):
                if hash01(x, y, 131) < 0.45:
                    t[y][x] = MARSH
                elif hash01(x, y, 131) < 0.7:
                    t[y][x] = BEACH
            elif (y > 100 and any(t[y + dy][x + dx] == SEA for dx, dy in ((0, 1), (1, 0), (-1, 0)))) or fbm(x, y, 5, 133) > 0.52:
                t[y][x] = BEACH
    # Desert dressing: dune ridges, mesas, rocks and cacti, kept off the tracks later.
    for y in range(H):
        for x in range(W):
            if t[y][x] != DESERT:
                continue
            n = noise(x, y, 2.5, 101)
            h = hash01(x, y, 103)
            rocky = noise(x, y, 5, 107)  # rocks and cacti gather in a few stony stretches
            if n > 0.8:
                t[y][x] = DUNES
            elif rocky > 0.62 and h < 0.05:
                t[y][x] = MESA
            elif rocky > 0.55 and h < 0.12:
                t[y][x] = ROCK
            elif rocky < 0.35 and h < 0.06:
                t[y][x] = CACTUS
    # Rivers last among the natural features, so they cut through everything.
    for i, pts in enumerate(RIVERS):
        cells = cells_of_path(pts)
        for k, (x, y) in enumerate(cells):
            if t[y][x] == SEA or t[y][x] == LAKE:
                if k > 0:
                    break
                continue
            t[y][x] = SPRING if k == 0 else (FORD if (i, k) in FORDS else RIVER)
    # Roads and tracks; where they meet a river they cross it.
    for pts in ROADS:
        for (x, y) in cells_of_path(pts):
            if t[y][x] == RIVER:
                t[y][x] = BRIDGE
            elif t[y][x] != SEA:
                t[y][x] = ROAD
    for pts in TRACKS:
        for (x, y) in cells_of_path(pts):
            t[y][x] = TRACK if t[y][x] != RIVER else BRIDGE
    for pts in LANES:
        for (x, y) in cells_of_path(pts):
            if t[y][x] == RIVER:
                t[y][x] = FORD
            elif t[y][x] not in (SEA, ROAD, BRIDGE):
                t[y][x] = ROAD
    # Clear the ground around places so that every door can be reached.
    for (x, y), name in FIXED.items():
        t[y][x] = PLACE
    return t

# ---------------------------------------------------------------- tiles

KEYS = {}      # tile name -> two-character key
ORDER = []


def key(name, k):
    assert len(k) == 2 and k not in KEYS.values(), k
    KEYS[name] = k
    ORDER.append(name)


# Keys are ASCII, two characters, and say what the cell is at a glance.
for name, k in [
    ("sea", "~~"), ("sea_deep", "~="),
    ("coast_n", "~n"), ("coast_s", "~s"), ("coast_w", "~w"), ("coast_e", "~e"),
    ("coast_nw", "~1"), ("coast_ne", "~2"), ("coast_sw", "~3"), ("coast_se", "~4"),
    ("coast_in_nw", "~5"), ("coast_in_ne", "~6"), ("coast_in_sw", "~7"), ("coast_in_se", "~8"),
    ("world_grass", ".."), ("world_grass_tufts", ".'"), ("world_grass_light", ".l"), ("world_grass_dark", ".d"),
    ("world_grass_stones", ".o"), ("world_grass_shade", ".s"), ("world_meadow", ",,"), ("world_flowers", ",*"),
    ("world_dirt", ".:"), ("world_bushes", ".b"), ("world_beach", "__"), ("world_marsh", "x~"), ("world_swamp", "xx"),
    ("world_field", "ff"), ("world_wheat", "ww"), ("world_hills", "nn"), ("world_hill_small", "n."),
    ("mountain", "^^"), ("mountain_tall", "^T"), ("mountain_snow", "^*"), ("mountain_rocky", "^r"),
    ("mountain_foot", "^f"), ("boulder_world", "^o"),
    ("forest", "TT"), ("forest_n", "Tn"), ("forest_s", "Ts"), ("forest_w", "Tw"), ("forest_e", "Te"),
    ("forest_nw", "T1"), ("forest_ne", "T2"), ("forest_clump", "T."), ("woods_gate", "WG"),
    ("deepwood", "DD"), ("deepwood_n", "Dn"), ("deepwood_s", "Ds"), ("deepwood_w", "Dw"), ("deepwood_e", "De"),
    ("deepwood_nw", "D1"), ("deepwood_ne", "D2"), ("deepwood_pines", "DP"),
    ("river_h", "r-"), ("river_v", "r|"), ("river_ne", "rL"), ("river_nw", "rJ"), ("river_se", "rF"),
    ("river_sw", "r7"), ("river_spring", "rO"), ("world_ford", "rf"), ("lake_world", "LL"),
    ("world_bridge_h", "b-"), ("world_bridge_v", "b|"),
    ("road_h", "=-"), ("road_v", "=|"), ("road_ne", "=L"), ("road_nw", "=J"), ("road_se", "=F"), ("road_sw", "=7"),
    ("road_cross", "=+"), ("road_tee_n", "=^"), ("road_tee_s", "=v"), ("road_tee_e", "=>"), ("road_tee_w", "=<"),
    ("road_end_n", "=n"), ("road_end_s", "=s"), ("road_end_w", "=w"), ("road_end_e", "=e"),
    ("desert", "::"), ("desert_ripples", ":~"), ("desert_n", ":n"), ("desert_s", ":s"), ("desert_w", ":w"),
    ("desert_e", ":e"), ("desert_nw", ":1"), ("desert_ne", ":2"), ("desert_sw", ":3"), ("desert_se", ":4"),
    ("dunes", ":d"), ("desert_rock", ":o"), ("cactus", ":k"), ("mesa", ":m"), ("world_sand_path", ":p"),
    ("ruins_world", "RU"), ("world_camp", "CF"), ("world_graves", "++"), ("world_sign", "SN"),
    ("castle_wall_world", "Cw"), ("castle_gate_world", "CG"), ("castle_tower_world", "Ct"), ("castle_roof_world", "Cr"),
    ("town_wall_world", "Zw"), ("world_village", "LV"), ("world_agual", "AG"), ("world_mystalia", "MY"),
    ("world_cave", "SG"), ("world_bridgehead", "BH"), ("world_reeds", "x'"),
]:
    key(name, k)

ROAD_TILES = {
    frozenset("EW"): "road_h", frozenset("NS"): "road_v", frozenset("NE"): "road_ne", frozenset("NW"): "road_nw",
    frozenset("SE"): "road_se", frozenset("SW"): "road_sw", frozenset("NSEW"): "road_cross",
    frozenset("EWN"): "road_tee_n", frozenset("EWS"): "road_tee_s", frozenset("NSE"): "road_tee_e",
    frozenset("NSW"): "road_tee_w", frozenset("S"): "road_end_n", frozenset("N"): "road_end_s",
    frozenset("E"): "road_end_w", frozenset("W"): "road_end_e", frozenset(): "world_dirt",
}
RIVER_TILES = {
    frozenset("EW"): "river_h", frozenset("NS"): "river_v", frozenset("NE"): "river_ne", frozenset("NW"): "river_nw",
    frozenset("SE"): "river_se", frozenset("SW"): "river_sw",
}
DIRS = {"N": (0, -1), "S": (0, 1), "W": (-1, 0), "E": (1, 0)}


def tiles_of(t):
    def at(x, y):
        if 0 <= x < W and 0 <= y < H:
            return t[y][x]
        return SEA

    def fixed_name(x, y):
        return FIXED.get((x, y))

    def road_like(x, y):
        c = at(x, y)
        if c in (ROAD, BRIDGE, FORD):
            return True
        n = fixed_name(x, y)
        return n in ("castle_gate_world", "world_village", "world_agual", "world_mystalia", "world_bridgehead")

    def water_like(x, y):
        return at(x, y) in (RIVER, SPRING, SEA, LAKE, BRIDGE, FORD)

    def sea_like(x, y):
        return at(x, y) == SEA

    def forest_like(x, y):
        return at(x, y) in (FOREST, DEEP) or fixed_name(x, y) == "woods_gate"

    def open_ground(x, y):
        return at(x, y) in (GRASS, MEADOW, HILLS, ROAD, FIELD, WHEAT, MARSH, FOREST, BUSH)

    def distance_to(kinds, most):
        """Steps from each cell to the nearest cell of the kinds, up to `most`."""
        d = [[most + 1] * W for _ in range(H)]
        ring = [(x, y) for y in range(H) for x in range(W) if t[y][x] in kinds]
        for x, y in ring:
            d[y][x] = 0
        for step in range(1, most + 1):
            nxt = []
            for x, y in ring:
                for dx, dy in DIRS.values():
                    nx, ny = x + dx, y + dy
                    if 0 <= nx < W and 0 <= ny < H and d[ny][nx] > step:
                        d[ny][nx] = step
                        nxt.append((nx, ny))
            ring = nxt
        return d

    to_wood = distance_to((FOREST, DEEP), 3)
    to_rock = distance_to((MOUNT, HILLS), 2)
    to_water = distance_to((SEA, RIVER, SPRING), 2)

    out = [[None] * W for _ in range(H)]
    for y in range(H):
        for x in range(W):
            c = t[y][x]
            h = hash01(x, y, 7)
            name = None
            if (x, y) in FIXED:
                name = FIXED[(x, y)]
            elif c == SEA:
                n, s, w, e = [not sea_like(x + dx, y + dy) for dx, dy in (DIRS["N"], DIRS["S"], DIRS["W"], DIRS["E"])]
                nw, ne = not sea_like(x - 1, y - 1), not sea_like(x + 1, y - 1)
                sw, se = not sea_like(x - 1, y + 1), not sea_like(x + 1, y + 1)
                if n and w: name = "coast_nw"
                elif n and e: name = "coast_ne"
                elif s and w: name = "coast_sw"
                elif s and e: name = "coast_se"
                elif n: name = "coast_n"
                elif s: name = "coast_s"
                elif w: name = "coast_w"
                elif e: name = "coast_e"
                elif nw: name = "coast_in_nw"
                elif ne: name = "coast_in_ne"
                elif sw: name = "coast_in_sw"
                elif se: name = "coast_in_se"
                else:
                    near = any(at(x + dx, y + dy) != SEA for dx in range(-3, 4) for dy in range(-3, 4))
                    name = "sea" if near else "sea_deep"
            elif c in (GRASS, MEADOW, BUSH):
                # The grass darkens towards the woods, lies in shade under the hills,
                # grows lush by water and bleaches on the open rises between.
                g = fbm(x, y, 6, 13) + (h - 0.5) * 0.1  # a little dither so patches fray at the edges
                wood, rock, wet = to_wood[y][x], to_rock[y][x], to_water[y][x]
                if c == MEADOW:
                    name = "world_flowers" if fbm(x, y, 2.5, 17) > 0.58 or h < 0.05 else "world_meadow"
                elif wood == 1 and h < 0.12: name = "world_bushes"
                elif wood == 1 or (wood == 2 and h < 0.6) or (wood == 3 and h < 0.2): name = "world_grass_dark"
                elif wet == 1 and h < 0.35: name = "world_grass_dark"
                elif rock == 1 and at(x, y - 1) in (MOUNT, HILLS): name = "world_grass_shade"
                elif rock == 1 and h < 0.25: name = "world_grass_stones"
                elif h < 0.06: name = "world_grass_tufts"
                elif h < 0.075: name = "world_grass_stones"
                elif g > 0.7: name = "world_grass_light"
                elif g < 0.25 and h < 0.5: name = "world_grass_dark"
                elif g < 0.36 and h < 0.15: name = "world_grass_tufts"
                else: name = "world_grass"
            elif c == HILLS:
                name = "world_hill_small" if h < 0.2 else "world_hills"
            elif c == FIELD:
                name = "world_field"
            elif c == WHEAT:
                name = "world_wheat"
            elif c == BEACH:
                name = "world_beach"
            elif c == MARSH:
                name = "world_reeds" if water_like(x, y - 1) or h < 0.2 else ("world_swamp" if h < 0.55 else "world_marsh")
            elif c == LAKE:
                name = "lake_world"
            elif c == MOUNT:
                around = sum(at(x + dx, y + dy) == MOUNT for dx in (-1, 0, 1) for dy in (-1, 0, 1)) - 1
                if around == 8 and h < 0.5: name = "mountain_snow" if y < 40 or h < 0.2 else "mountain_tall"
                elif around >= 7: name = "mountain_tall" if h < 0.5 else "mountain"
                elif at(x, y + 1) not in (MOUNT,) and h < 0.35: name = "mountain_foot"
                elif h < 0.12: name = "mountain_rocky"
                elif h < 0.16: name = "boulder_world"
                else: name = "mountain"
            elif c in (FOREST, DEEP):
                same = (lambda xx, yy: forest_like(xx, yy)) if c == FOREST else (lambda xx, yy: at(xx, yy) == DEEP or fixed_name(xx, yy) == "woods_gate")
                n, s, w, e = [not same(x + dx, y + dy) for dx, dy in (DIRS["N"], DIRS["S"], DIRS["W"], DIRS["E"])]
                if c == DEEP:
                    # Beside walkable forest the deep forest shows no grass edge.
                    n, s, w, e = [o and not forest_like(x + dx, y + dy) for o, (dx, dy) in
                                  zip((n, s, w, e), (DIRS["N"], DIRS["S"], DIRS["W"], DIRS["E"]))]
                p = "forest" if c == FOREST else "deepwood"
                if (n + s + w + e) >= 3: name = "forest_clump" if c == FOREST else "deepwood_pines"
                elif n and w: name = p + "_nw"
                elif n and e: name = p + "_ne"
                elif s: name = p + "_s"
                elif n: name = p + "_n"
                elif w: name = p + "_w"
                elif e: name = p + "_e"
                else: name = p if (c == FOREST or h > 0.25) else "deepwood_pines"
            elif c in (RIVER, SPRING):
                if c == SPRING:
                    name = "river_spring"
                else:
                    con = frozenset(d for d, (dx, dy) in DIRS.items() if water_like(x + dx, y + dy))
                    if con in RIVER_TILES:
                        name = RIVER_TILES[con]
                    elif ("N" in con or "S" in con) and not ("E" in con or "W" in con):
                        name = "river_v"
                    elif "E" in con and "W" in con:
                        name = "river_h"
                    elif "N" in con and "S" in con:
                        name = "river_v"
                    else:
                        name = "river_h" if ("E" in con or "W" in con) else "river_v"
            elif c == BRIDGE:
                ns_river = at(x, y - 1) in (RIVER, SPRING, LAKE) or at(x, y + 1) in (RIVER, SPRING, LAKE)
                name = "world_bridge_h" if ns_river else "world_bridge_v"
            elif c == FORD:
                name = "world_ford"
            elif c == ROAD:
                con = frozenset(d for d, (dx, dy) in DIRS.items() if road_like(x + dx, y + dy))
                name = ROAD_TILES.get(con, "world_dirt")
            elif c in (DESERT, TRACK):
                if c == TRACK:
                    name = "world_sand_path"
                else:
                    g = [open_ground(x + dx, y + dy) for dx, dy in (DIRS["N"], DIRS["S"], DIRS["W"], DIRS["E"])]
                    n, s, w, e = g
                    if n and w: name = "desert_nw"
                    elif n and e: name = "desert_ne"
                    elif s and w: name = "desert_sw"
                    elif s and e: name = "desert_se"
                    elif n: name = "desert_n"
                    elif s: name = "desert_s"
                    elif w: name = "desert_w"
                    elif e: name = "desert_e"
                    else: name = "desert_ripples" if noise(x, y, 3, 17) > 0.62 else "desert"
            elif c == DUNES: name = "dunes"
            elif c == MESA: name = "mesa"
            elif c == ROCK: name = "desert_rock"
            elif c == CACTUS: name = "cactus"
            out[y][x] = name or "world_grass"
    return out


def fixups(t):
    """Hand-placed corrections after painting: keep doors and exits open."""
    def put(x, y, c):
        if (x, y) not in FIXED:
            t[y][x] = c
    # The cells where places let Mike out, and the ground around the doors.
    for x, y in [(89, 12), (101, 19), (102, 19), (103, 19), (103, 17), (144, 41), (146, 43),
                 (104, 69), (105, 69), (133, 45), (133, 43), (134, 44), (134, 45)]:
        if t[y][x] not in (ROAD, BRIDGE, TRACK):
            put(x, y, GRASS)
    # The gate stands in the forest; the cells beside it are forest again.
    for x, y in [(133, 44), (133, 45), (134, 44), (133, 43), (134, 45), (134, 43)]:
        put(x, y, FOREST)
    for x, y in [(97, 87), (97, 88), (100, 87), (100, 88), (98, 89), (99, 89), (96, 87), (96, 88)]:
        if t[y][x] != TRACK:
            put(x, y, DESERT)
    # Keep a ring of walkable sand around the Sand Garden.
    for y in range(84, 93):
        for x in range(94, 105):
            if t[y][x] in (DUNES, MESA, ROCK, CACTUS):
                put(x, y, DESERT)


def reachable(names):
    solid = set(n for n, _ in SOLID_NAMES)
    start = (89, 12)
    seen = {start}
    stack = [start]
    entrances = {(89, 11), (101, 18), (102, 18), (103, 18), (102, 17), (145, 41), (146, 41), (146, 42),
                 (104, 70), (105, 70), (98, 87), (99, 87), (98, 88), (99, 88)}
    while stack:
        x, y = stack.pop()
        if (x, y) in entrances or names[y][x] == "woods_gate":
            continue
        for dx, dy in DIRS.values():
            nx, ny = x + dx, y + dy
            if (nx, ny) in seen or not (0 <= nx < W and 0 <= ny < H) or nx <= WEST_LIMIT_COL:
                continue
            if names[ny][nx] in solid:
                continue
            seen.add((nx, ny))
            stack.append((nx, ny))
    return seen


SOLID_NAMES = [(n, 1) for n in (
    "castle_wall_world sea sea_deep coast_n coast_s coast_w coast_e coast_nw coast_ne coast_sw coast_se "
    "coast_in_nw coast_in_ne coast_in_sw coast_in_se river_h river_v river_ne river_nw river_se river_sw "
    "river_spring mountain mountain_tall deepwood deepwood_n deepwood_s deepwood_w deepwood_e deepwood_nw "
    "deepwood_ne deepwood_pines mountain_snow mountain_rocky cliff mountain_foot boulder_world "
    "castle_tower_world castle_roof_world town_wall_world lake_world dunes desert_rock cactus mesa ruins_world"
).split()]


def write(names, path):
    used = [n for n in ORDER if any(n in row for row in names)]
    lines = []
    lines.append("# The world map of Lumin (map -1). Written by tools/wmap/gen_wmap.py, which also")
    lines.append("# says which cells the game relies on; small touches by hand are fine here.")
    lines.append("# Keys: ~ sea and coast (the lakes too), . grass, , meadow, ^ mountains, n hills, T forest, D deep")
    lines.append("# forest (solid), r rivers, b bridges, = roads, : desert, x marsh, C castle, Zw walls,")
    lines.append("# LV AG MY SG BH WG the places. Column x, row y from 0; a cell is 16 x 16 pixels.")
    lines.append("map wmap.map")
    lines.append(f"size {W} {H}")
    lines.append("layers 2")
    lines.append("cell 2")
    lines.append("grid 16 16")
    lines.append("tile -- -")
    for n in used:
        lines.append(f"tile {KEYS[n]} {n}")
    lines.append("layer 0")
    for row in names:
        lines.append("".join(KEYS[n] for n in row))
    lines.append("layer 1 fill --")
    with open(path, "w") as f:
        f.write("\n".join(lines) + "\n")


def main():
    t = paint()
    fixups(t)
    if "--terrain" in sys.argv:
        for row in t:
            print("".join(row))
        return
    names = tiles_of(t)
    seen = reachable(names)
    must = [(89, 11), (101, 18), (102, 18), (103, 18), (102, 17), (145, 41), (146, 41), (146, 42),
            (104, 70), (105, 70), (98, 87), (99, 87), (98, 88), (99, 88), (132, 44)]
    missing = [c for c in must if c not in seen]
    edge = [c for c in seen if c[0] in (0, W - 1) or c[1] in (0, H - 1)]
    across = [c for c in [(89, 8), (100, 6), (130, 6)] if c in seen]
    if missing or edge or across:
        print("unreachable:", missing, "on the border:", edge[:5], "over the river:", across, file=sys.stderr)
    here = os.path.dirname(os.path.abspath(__file__))
    out = os.path.join(here, "..", "..", "assets", "maps", "wmap.txt")
    write(names, os.path.normpath(out))
    print(f"wrote {os.path.normpath(out)}: {len(seen)} cells reachable")


if __name__ == "__main__":
    main()
