#!/usr/bin/env python3
"""Draws the three wild places and writes them as map sources in assets/maps/:
Lumin Bridge (map01.txt), the fifteen clearings of the Aphondus Woods
(map02.txt .. map16.txt) and the twelve maps of the Sand Garden (map19.txt ..
map30.txt).

Each map is described below by what the game relies on -- the openings of its
edges (where a path leaves the map), the cells Mike arrives on, chests, finds,
save spots, objects and trigger cells -- and by a few landmarks that make it
recognisable. The script carves paths from every opening to the map's
clearings, grows the tree mass (or the rock of the desert) around them, picks
the edge tiles, scatters obstacles only where they cut no path, and writes one
two-character key per cell. Every random choice is seeded per map, so a run
always writes the same files.

The cells written here must agree with the tables of vantor/area_tables.cpp;
tests/test_area_maps.cpp checks them against the compiled maps.

    python3 tools/areas/gen_areas.py          # writes the 28 map sources
"""
import math
import os
import random
import sys
from collections import deque

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "maplib"))
from maplib import grid, write_map  # noqa: E402

N, S, W, E = "N", "S", "W", "E"

# ---------------------------------------------------------------- noise

def hash01(x, y, seed):
    h = (x * 374761393 + y * 668265263 + seed * 982451653) & 0xFFFFFFFF
    h = ((h ^ (h >> 13)) * 1274126177) & 0xFFFFFFFF
    h = ((h ^ (h >> 16)) * 2246822519) & 0xFFFFFFFF
    return ((h ^ (h >> 13)) & 0xFFFF) / 65535.0


def noise(x, y, scale, seed):
    fx, fy = x / scale, y / scale
    ix, iy = math.floor(fx), math.floor(fy)
    tx, ty = fx - ix, fy - iy
    tx, ty = tx * tx * (3 - 2 * tx), ty * ty * (3 - 2 * ty)
    a, b = hash01(ix, iy, seed), hash01(ix + 1, iy, seed)
    c, d = hash01(ix, iy + 1, seed), hash01(ix + 1, iy + 1, seed)
    return (a * (1 - tx) + b * tx) * (1 - ty) + (c * (1 - tx) + d * tx) * ty

# ---------------------------------------------------------------- grids

class Area:
    """One map being drawn: `open` cells are walkable ground, the rest is mass."""

    def __init__(self, w, h, seed):
        self.w, self.h = w, h
        self.rng = random.Random(seed)
        self.seed = seed
        self.open = grid(w, h, False)
        self.path = grid(w, h, False)
        self.trail = grid(w, h, False)   # the trodden line down a path's middle
        self.keep = set()      # cells that must stay free and reachable
        self.ground = grid(w, h)
        self.obj = grid(w, h)
        self.openings = []     # (edge, first, last)

    def inside(self, x, y):
        return 0 <= x < self.w and 0 <= y < self.h

    def dig(self, x, y, path=False):
        if self.inside(x, y):
            self.open[y][x] = True
            if path:
                self.path[y][x] = True

    def opening(self, edge, first, last):
        """A gap in the edge with the path running a few cells inwards."""
        self.openings.append((edge, first, last))
        for i in range(first, last + 1):
            for d in range(3):
                x, y = self.edge_cell(edge, i, d)
                self.dig(x, y, True)
                self.trail[y][x] = True
                self.keep.add((x, y))

    def edge_cell(self, edge, i, depth=0):
        if edge == N:
            return i, depth
        if edge == S:
            return i, self.h - 1 - depth
        if edge == W:
            return depth, i
        return self.w - 1 - depth, i

    def mouth(self, edge, first, last):
        """The cell a few steps inside an opening, where its path begins."""
        return self.edge_cell(edge, (first + last) // 2, 3)

    def carve(self, a, b, width=2, wander=0.2):
        """A winding path from a to b, `width` cells wide."""
        x, y = a
        bx, by = b
        guard = 0
        while (x, y) != (bx, by) and guard < 4000:
            guard += 1
            for dx in range(width):
                for dy in range(width):
                    self.dig(x + dx - width // 2, y + dy - width // 2, True)
            self.dig(x, y, True)
            self.trail[y][x] = True
            dxs, dys = bx - x, by - y
            if self.rng.random() < wander and abs(bx - x) + abs(by - y) > 3:
                # a sideways wobble, never back the way it came
                if abs(dxs) > abs(dys):
                    y += self.rng.choice((-1, 1))
                else:
                    x += self.rng.choice((-1, 1))
                x = min(max(x, 2), self.w - 3)
                y = min(max(y, 2), self.h - 3)
            elif abs(dxs) > abs(dys) or (abs(dxs) == abs(dys) and self.rng.random() < 0.5):
                x += 1 if dxs > 0 else -1
            else:
                y += 1 if dys > 0 else -1
        self.dig(bx, by, True)
        self.trail[by][bx] = True

    def clearing(self, cx, cy, rx, ry, ragged=0.25):
        for y in range(self.h):
            for x in range(self.w):
                d = ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2
                if d <= 1.0 + ragged * (noise(x, y, 3, self.seed + 7) - 0.5):
                    if 1 <= x < self.w - 1 and 1 <= y < self.h - 1:
                        self.dig(x, y)

    def smooth(self):
        """Opens mass cells squeezed between open cells, so every edge tile fits."""
        changed = True
        while changed:
            changed = False
            for y in range(self.h):
                for x in range(self.w):
                    if self.open[y][x]:
                        continue
                    n, s, w, e = self.nbr_open(x, y)
                    if (n and s) or (w and e):
                        if 0 < x < self.w - 1 and 0 < y < self.h - 1:
                            self.open[y][x] = True
                            changed = True

    def nbr_open(self, x, y):
        def o(xx, yy):
            if not self.inside(xx, yy):
                return self.off_map_open(xx, yy)
            return self.open[yy][xx]
        return o(x, y - 1), o(x, y + 1), o(x - 1, y), o(x + 1, y)

    def off_map_open(self, x, y):
        for edge, a, b in self.openings:
            if edge == N and y < 0 and a <= x <= b:
                return True
            if edge == S and y >= self.h and a <= x <= b:
                return True
            if edge == W and x < 0 and a <= y <= b:
                return True
            if edge == E and x >= self.w and a <= y <= b:
                return True
        return False

    def walkable(self, x, y):
        if not self.inside(x, y) or not self.open[y][x] or self.obj[y][x] in SOLID_OBJ:
            return False
        # stones and planks on layer 1 carry a walker over water
        return self.obj[y][x] in BRIDGING or self.ground[y][x] not in SOLID_GROUND

    def reachable(self, start):
        seen = {start}
        q = deque([start])
        while q:
            x, y = q.popleft()
            for nx, ny in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)):
                if (nx, ny) not in seen and self.walkable(nx, ny):
                    seen.add((nx, ny))
                    q.append((nx, ny))
        return seen

    def all_keep_joined(self):
        keep = [k for k in self.keep]
        if not keep:
            return True
        r = self.reachable(keep[0])
        return all(k in r for k in keep)

    def try_obj(self, x, y, tile):
        """Places an obstacle unless it would cut a path or stand on a kept cell."""
        if not self.inside(x, y) or not self.open[y][x] or self.path[y][x] or (x, y) in self.keep:
            return False
        if self.obj[y][x] is not None:
            return False
        self.obj[y][x] = tile
        if not self.all_keep_joined():
            self.obj[y][x] = None
            return False
        return True

    def try_ground(self, x, y, tile):
        """Lays solid ground (water) unless it would cut a path."""
        if not self.inside(x, y) or not self.open[y][x] or (x, y) in self.keep or self.obj[y][x] is not None:
            return False
        old = self.ground[y][x]
        self.ground[y][x] = tile
        if not self.all_keep_joined():
            self.ground[y][x] = old
            return False
        return True

# Tiles that stop a walker where the generator places them (checked against the
# game's own rules by the map test).
SOLID_OBJ = {"woods_tree", "woods_boulder", "woods_log", "woods_stump", "woods_brambles", "woods_thicket",
             "woods_dead_tree", "woods_roots", "woods_rock_wall", "chest_closed", "sand_boulder",
             "thorn_bush", "sand_pillar", "sand_pillar_broken", "dead_tree_sand", "sand_rock_top",
             "sand_rock_face", "sand_spring", "woods_pool"}
BRIDGING = {"stepping_stones", "bridge_deck_v", "bridge_deck_h", "stone_bridge_h"}
SOLID_GROUND = {"woods_stream_h", "woods_stream_v", "woods_pool", "sand_spring", "river_water"}

# ---------------------------------------------------------------- writing

def write_area(name, title, lines_of_comment, layers):
    write_map(name + ".txt", [title] + lines_of_comment +
              ["Written by tools/areas/gen_areas.py: change the map there and run it again."], name + ".map", layers)

# ---------------------------------------------------------------- the woods

WOODS_W, WOODS_H = 40, 30

# Per map: openings (edge, first, last), clearings (cx, cy, rx, ry), extras.
# Arrival cells of the connection table always lie inside an opening.
WOODS = {
    2: dict(open=[(E, 13, 14), (W, 14, 15), (S, 20, 21)], clear=[(24, 14, 7, 5)],
            chest=(27, 9), landmark="stumps", note="the edge of the woods, the gate to the east"),
    3: dict(open=[(E, 14, 15), (S, 19, 20), (W, 15, 16)], clear=[(20, 12, 8, 5), (10, 18, 4, 3)],
            pool=(21, 10), landmark="pool", note="a black pool under old trees"),
    4: dict(open=[(N, 19, 20), (E, 17, 18)], clear=[(22, 16, 8, 6)], stream=("h", 12),
            landmark="ferns", note="a brook crossed on stepping stones"),
    5: dict(open=[(N, 19, 20), (W, 17, 18)], clear=[(18, 14, 7, 6), (30, 20, 4, 3)], chest=(31, 18),
            landmark="mushrooms", note="a ring of mushrooms"),
    6: dict(open=[(E, 9, 10), (W, 9, 10)], clear=[(20, 10, 9, 4)], landmark="logs",
            note="fallen logs along a long glade"),
    7: dict(open=[(E, 14, 15), (S, 21, 22)], clear=[(24, 13, 7, 5)], rocks=True, landmark="rocks",
            note="a mossy rock face"),
    8: dict(open=[(N, 11, 12), (S, 11, 12)], clear=[(14, 15, 6, 5), (27, 10, 5, 4)], chest=(29, 8),
            landmark="dead", note="dead trees and a chest in the east"),
    9: dict(open=[(N, 19, 20), (W, 15, 16), (S, 21, 22)], clear=[(20, 15, 9, 7)], pool=(25, 12),
            landmark="crossroads", note="a three-way crossing by a pool"),
    10: dict(open=[(N, 20, 21), (E, 14, 15), (W, 15, 16)], clear=[(20, 15, 8, 6)], stream=("v", 27),
             landmark="brambles", note="brambles, and a brook to the east"),
    11: dict(open=[(W, 15, 16)], clear=[(22, 15, 9, 7)], landmark="flowers",
             note="a dead end: a meadow of pale flowers"),
    12: dict(open=[(E, 20, 21), (N, 9, 10)], clear=[(20, 16, 8, 6)], stream=("h", 8),
             landmark="leaves", note="red leaves and a brook in the north"),
    13: dict(open=[(E, 15, 16)], clear=[(16, 14, 7, 6)], chest=(11, 11), landmark="roots",
             note="a dead end under huge roots, with a chest"),
    14: dict(open=[(S, 11, 12), (N, 11, 11)], clear=[(15, 16, 7, 5)], cleft=True, landmark="thicket",
             note="the path climbs north through a cleft in the rock"),
    15: dict(open=[(S, 10, 11), (N, 33, 34)], clear=[(20, 9, 6, 4), (28, 14, 6, 4)], save=(20, 7),
             passage=(6, 14), landmark="save", note="the rune stone in the clearing"),
    16: dict(open=[(S, 33, 34)], clear=[(21, 7, 9, 3), (32, 15, 4, 5)], dead_end=True,
             landmark="deadend", note="the dead end: a wall of rock"),
}

WOOD_FLOOR = ["woods_floor", "woods_floor", "woods_floor", "woods_grass", "woods_moss", "woods_ferns",
              "woods_leaves", "woods_stones", "woods_flowers", "woods_mushrooms"]


def woods_map(num):
    plan = WOODS[num]
    a = Area(WOODS_W, WOODS_H, 1000 + num)
    rng = a.rng
    for edge, f, l in plan["open"]:
        a.opening(edge, f, l)
    hubs = [(c[0], c[1]) for c in plan["clear"]]
    for c in plan["clear"]:
        a.clearing(*c)
    # every opening runs to the nearest clearing; the clearings are joined in a chain
    for edge, f, l in plan["open"]:
        m = a.mouth(edge, f, l)
        hub = min(hubs, key=lambda h: abs(h[0] - m[0]) + abs(h[1] - m[1]))
        a.carve(m, hub)
    for i in range(1, len(hubs)):
        a.carve(hubs[i - 1], hubs[i], width=2)
    for h in hubs:
        a.keep.add(h)

    if plan.get("passage"):
        # the cleft of map 14 comes out here: a rock face behind the arrival cell
        px, py = plan["passage"]
        a.clearing(px + 2, py, 3, 2, 0)
        a.carve((px, py), hubs[0])
        a.keep.add((px, py))
    if plan.get("save"):
        sx, sy = plan["save"]
        a.dig(sx, sy)
        a.keep.add((sx, sy))
    if plan.get("chest"):
        cx, cy = plan["chest"]
        a.dig(cx, cy)
        a.dig(cx, cy + 1)
        a.carve((cx, cy + 1), min(hubs, key=lambda h: abs(h[0] - cx) + abs(h[1] - cy)), width=1)
        a.keep.add((cx, cy + 1))
    a.smooth()

    # the ground: forest floor in its moods, paths trodden, sunlight in the clearings
    for y in range(a.h):
        for x in range(a.w):
            if not a.open[y][x]:
                continue
            if a.trail[y][x]:
                a.ground[y][x] = "woods_path" if noise(x, y, 2, num) < 0.85 else "woods_leaves"
                continue
            n = noise(x, y, 4, num * 3)
            in_sun = any(((x - c[0]) / max(c[2] - 2, 1)) ** 2 + ((y - c[1]) / max(c[3] - 2, 1)) ** 2 < 1
                         for c in plan["clear"])
            if in_sun and n > 0.45:
                a.ground[y][x] = "woods_clearing"
            else:
                a.ground[y][x] = WOOD_FLOOR[int(hash01(x, y, num) * len(WOOD_FLOOR))] if n > 0.3 else "woods_floor"

    # landmarks
    lm = plan["landmark"]
    if plan.get("pool"):
        px, py = plan["pool"]
        for dx, dy in ((0, 0), (1, 0), (0, 1), (1, 1), (-1, 0), (2, 1)):
            a.try_ground(px + dx, py + dy, "woods_pool")
    if plan.get("stream"):
        kind, at = plan["stream"]
        cells = [(x, at) for x in range(a.w)] if kind == "h" else [(at, y) for y in range(a.h)]
        tile = "woods_stream_h" if kind == "h" else "woods_stream_v"
        for x, y in cells:
            if not a.inside(x, y) or not a.open[y][x]:
                continue
            a.ground[y][x] = tile
            if a.path[y][x] or (x, y) in a.keep:
                a.obj[y][x] = "stepping_stones"
        if not a.all_keep_joined():
            raise SystemExit("map %02d: the brook cuts a path" % num)
    if plan.get("chest"):
        cx, cy = plan["chest"]
        a.obj[cy][cx] = "chest_closed"
    if plan.get("save"):
        sx, sy = plan["save"]
        a.ground[sy][sx] = "save_rune"
        for dx, dy in ((-1, 0), (1, 0), (0, -1), (0, 1)):
            if a.open[sy + dy][sx + dx]:
                a.ground[sy + dy][sx + dx] = "woods_clearing"
    if plan.get("passage"):
        px, py = plan["passage"]
        for dx in (-1, 0, 1):
            a.open[py - 1][px + dx] = True
            a.obj[py - 1][px + dx] = "woods_rock_wall"
        a.open[py][px - 1] = True
        a.obj[py][px - 1] = "woods_rock_wall"
        a.ground[py][px] = "woods_path"
    if plan.get("cleft"):
        # rock on both sides of the narrow way north
        for y in range(0, 6):
            for x in (9, 10, 12, 13):
                a.open[y][x] = True
                a.obj[y][x] = "woods_rock_wall"
                a.ground[y][x] = "woods_stones"
    if plan.get("dead_end"):
        # the way ends at a rock face: it closes the clearing to the north
        for x in range(10, 33):
            tops = [y for y in range(1, 12) if a.open[y][x]]
            if tops and tops[0] >= 2:
                y = tops[0] - 1
                a.open[y][x] = True
                a.ground[y][x] = "woods_stones"
                a.obj[y][x] = "woods_rock_wall"
    if plan.get("rocks"):
        for x in range(17, 31):
            y = 7 + int(noise(x, 0, 3, num) * 2)
            if a.open[y][x] and not a.path[y][x]:
                a.try_obj(x, y, "woods_rock_wall")

    extra = {"stumps": "woods_stump", "logs": "woods_log", "mushrooms": None, "dead": "woods_dead_tree",
             "brambles": "woods_brambles", "roots": "woods_roots", "thicket": "woods_thicket",
             "crossroads": "woods_boulder", "rocks": "woods_boulder", "pool": "woods_tree",
             "ferns": "woods_thicket", "flowers": "woods_tree", "leaves": "woods_tree", "save": "woods_tree",
             "deadend": "woods_dead_tree"}[lm]
    if lm == "mushrooms":
        cx, cy = plan["clear"][0][:2]
        for t in range(16):
            ang = t * math.pi / 8
            x, y = int(round(cx + 3 * math.cos(ang))), int(round(cy + 2.2 * math.sin(ang)))
            if a.inside(x, y) and a.open[y][x] and a.obj[y][x] is None and a.ground[y][x] not in SOLID_GROUND:
                a.ground[y][x] = "woods_mushrooms"
    if lm == "flowers":
        for y in range(a.h):
            for x in range(a.w):
                if a.open[y][x] and not a.path[y][x] and a.ground[y][x] not in SOLID_GROUND and x > 12:
                    a.ground[y][x] = "woods_flowers" if hash01(x, y, 5) < 0.6 else "woods_clearing"
    if lm == "leaves":
        for y in range(a.h):
            for x in range(a.w):
                if a.open[y][x] and a.ground[y][x] in ("woods_floor", "woods_grass", "woods_moss"):
                    a.ground[y][x] = "woods_leaves"

    # scattered obstacles: the landmark's own, then a few trees, stumps and bushes
    cells = [(x, y) for y in range(2, a.h - 2) for x in range(2, a.w - 2) if a.open[y][x]]
    rng.shuffle(cells)
    want = {"woods_tree": 6, "woods_stump": 2, "woods_thicket": 3, "woods_boulder": 2, "woods_brambles": 1}
    if extra:
        want[extra] = want.get(extra, 0) + 7
    for tile, count in want.items():
        placed = 0
        for x, y in cells:
            if placed >= count:
                break
            # obstacles stand near the trees, not in the middle of a path's way
            nb = a.nbr_open(x, y)
            if sum(nb) == 4 and rng.random() < 0.7:
                continue
            if a.ground[y][x] in SOLID_GROUND or a.ground[y][x] == "save_rune":
                continue
            if a.try_obj(x, y, tile):
                placed += 1

    # the tree mass and its edges
    mass = {(False, False, False, False): "woods_trees_fill"}
    for y in range(a.h):
        for x in range(a.w):
            if a.open[y][x]:
                continue
            n, s, w, e = a.nbr_open(x, y)
            if n and w:
                t = "woods_trees_nw"
            elif n and e:
                t = "woods_trees_ne"
            elif n:
                t = "woods_trees_n"
            elif s and w:
                t = "woods_trees_sw"
            elif s and e:
                t = "woods_trees_se"
            elif s:
                t = "woods_trees_s"
            elif w:
                t = "woods_trees_w"
            elif e:
                t = "woods_trees_e"
            else:
                t = "woods_trees_fill"
            a.ground[y][x] = t

    layers = [a.ground, a.obj]
    write_area("map%02d" % num, "Aphondus Woods, map %d: %s." % (num, plan["note"]),
               ["Openings: " + ", ".join("%s %d-%d" % o for o in plan["open"]) + "."], layers)

# ---------------------------------------------------------------- the sand garden

SG_W, SG_H = 30, 20

SAND = {
    19: dict(open=[(N, 13, 15), (S, 14, 15)], clear=[(15, 9)], marker=(17, 5), note="the way down from the cave"),
    20: dict(open=[(N, 14, 15), (E, 9, 10)], clear=[(12, 10)], herb=(8, 6, "herb_green"),
             note="dunes under the cliff"),
    21: dict(open=[(W, 9, 10), (S, 14, 15), (E, 9, 10)], clear=[(15, 9)], herb=(22, 15, "herb_red"),
             bones=(9, 14), note="a crossing among bones"),
    22: dict(open=[(N, 14, 15), (S, 14, 15)], clear=[(14, 10)], spring=(20, 6), herb=(7, 14, "herb_green"),
             note="a spring gone nearly dry"),
    23: dict(open=[(W, 9, 10), (N, 14, 15), (E, 9, 10), (S, 14, 15)], clear=[(15, 10)],
             note="the crossroads of the garden"),
    24: dict(open=[(W, 9, 10), (E, 9, 10)], clear=[(15, 9)], herb=(20, 14, "herb_green"),
             note="a field of thorns"),
    25: dict(open=[(W, 9, 10), (N, 14, 15), (E, 9, 10), (S, 14, 15)], clear=[(15, 10)], ruins=True,
             tablet=(20, 12), note="the ruined court (the shadow seal at 20, 17)"),
    26: dict(open=[(W, 9, 10)], clear=[(16, 10)], herb=(23, 5, "herb_red"), note="a dead end of red rock"),
    27: dict(open=[(N, 14, 15), (E, 9, 10)], clear=[(13, 10)], herb=(6, 15, "herb_green"),
             tree=(18, 6), note="the bleached tree"),
    28: dict(open=[(W, 9, 10), (S, 14, 15)], clear=[(15, 9)], herb=(23, 4, "herb_red"), statue=(9, 5),
             note="an old stone road"),
    29: dict(open=[(N, 14, 15), (E, 9, 10)], clear=[(12, 11)], save=(8, 12), herb=(22, 16, "herb_green"),
             note="the rune stone in the sand"),
    30: dict(open=[(W, 9, 10)], clear=[(17, 10)], plant=(18, 8), note="the garden at the heart of the sand"),
}


def sand_map(num):
    plan = SAND[num]
    a = Area(SG_W, SG_H, 2000 + num)
    rng = a.rng
    # an open basin inside a rim of rock
    for y in range(2, a.h - 2):
        for x in range(2, a.w - 2):
            if noise(x, y, 4, num) > 0.22 or (3 <= x < a.w - 3 and 3 <= y < a.h - 3):
                a.open[y][x] = True
    for edge, f, l in plan["open"]:
        a.opening(edge, f, l)
        m = a.mouth(edge, f, l)
        a.carve(m, plan["clear"][0], width=2, wander=0.2)
    for c in plan["clear"]:
        a.keep.add(c)
    for key in ("herb", "save", "marker", "statue", "tree", "plant", "bones", "spring", "tablet"):
        if plan.get(key):
            x, y = plan[key][:2]
            a.dig(x, y)
            if key in ("marker", "statue", "tree", "plant", "spring", "tablet", "bones"):
                a.dig(x, y + 1)
                a.keep.add((x, y + 1))
            else:
                a.keep.add((x, y))
    if num == 25:
        a.dig(20, 17)
        a.keep.add((20, 17))
    # outcrops of red rock rise out of the sand, never across a path
    for k in range(3 if num not in (25, 30) else 1):
        cx, cy = rng.randrange(5, a.w - 5), rng.randrange(5, a.h - 5)
        rx, ry = rng.uniform(1.5, 3.5), rng.uniform(1.2, 2.5)
        blob = [(x, y) for y in range(a.h) for x in range(a.w)
                if ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1 and a.open[y][x] and not a.path[y][x]
                and all(abs(x - kx) + abs(y - ky) > 1 for kx, ky in a.keep)]
        for x, y in blob:
            a.open[y][x] = False
        if not a.all_keep_joined():
            for x, y in blob:
                a.open[y][x] = True
    a.smooth()

    for y in range(a.h):
        for x in range(a.w):
            if not a.open[y][x]:
                continue
            n = noise(x, y, 5, num * 7)
            if a.trail[y][x]:
                t = "sand_path" if hash01(x, y, num) < 0.85 else "sand_footprints"
            elif n > 0.62:
                t = "sand_ripples"
            elif n < 0.25:
                t = "sand_dark" if hash01(x, y, num + 1) < 0.5 else "sand_shade"
            else:
                r = hash01(x, y, num + 2)
                t = "sand"
                if r < 0.06:
                    t = "sand_tuft"
                elif r < 0.09:
                    t = "sand_pebbles"
                elif r < 0.11:
                    t = "desert_flowers"
                elif r < 0.12:
                    t = "sand_cracked"
            a.ground[y][x] = t

    if plan.get("ruins") or plan.get("statue"):
        cx, cy = (20, 14) if num == 25 else (plan["statue"][0], plan["statue"][1] + 2)
        for y in range(cy - 3, cy + 4):
            for x in range(cx - 5, cx + 6):
                if a.inside(x, y) and a.open[y][x] and hash01(x, y, 9) < 0.8:
                    a.ground[y][x] = "sand_flagstones"
        if num == 25:
            for x, y in ((15, 11), (25, 11), (15, 17), (25, 17)):
                a.try_obj(x, y, "sand_pillar" if (x + y) % 2 else "sand_pillar_broken")
            a.ground[17][20] = "sand_flagstones"
    if plan.get("bones"):
        x, y = plan["bones"]
        a.ground[y][x] = "sand_bones"
    if plan.get("spring"):
        x, y = plan["spring"]
        a.ground[y][x] = "sand_spring"
        for dx, dy in ((-1, 0), (1, 0), (0, 1), (-1, 1), (1, 1)):
            if a.open[y + dy][x + dx] and a.ground[y + dy][x + dx] != "sand_spring":
                a.ground[y + dy][x + dx] = "sand_dark"
    if plan.get("herb"):
        x, y, t = plan["herb"]
        a.obj[y][x] = t
        a.ground[y][x] = "sand_grass"
    if plan.get("save"):
        x, y = plan["save"]
        a.ground[y][x] = "save_rune"
    if plan.get("marker"):
        x, y = plan["marker"]
        a.obj[y][x] = "sand_pillar"
    if plan.get("statue"):
        x, y = plan["statue"]
        a.obj[y][x] = "sand_pillar_broken"
    if plan.get("tablet"):
        x, y = plan["tablet"]
        a.obj[y][x] = "sand_pillar"
    if plan.get("tree"):
        x, y = plan["tree"]
        a.obj[y][x] = "dead_tree_sand"
    if plan.get("plant"):
        # the garden: flowers round a spring, and the strange plant in their midst
        x, y = plan["plant"]
        for yy in range(y - 3, y + 3):
            for xx in range(x - 5, x + 6):
                if a.open[yy][xx] and ((xx - x) / 5.0) ** 2 + ((yy - y) / 3.0) ** 2 < 1.1:
                    a.ground[yy][xx] = "garden_flowers"
        a.obj[y][x] = "thorn_bush"
        for dx in (-3, 3):
            a.try_ground(x + dx, y - 1, "sand_spring")
        a.ground[y + 1][x] = "sand_grass"

    cells = [(x, y) for y in range(3, a.h - 3) for x in range(3, a.w - 3) if a.open[y][x]]
    rng.shuffle(cells)
    want = {"sand_boulder": 4, "thorn_bush": 3, "dead_tree_sand": 1, "sand_pillar_broken": 1}
    if num == 24:
        want["thorn_bush"] = 16
    if num == 26:
        want["sand_boulder"] = 8
    for tile, count in want.items():
        placed = 0
        for x, y in cells:
            if placed >= count:
                break
            if a.ground[y][x] in SOLID_GROUND or a.ground[y][x] in ("save_rune", "garden_flowers") \
                    or a.obj[y][x] is not None:
                continue
            if any(abs(x - kx) + abs(y - ky) <= 1 for kx, ky in a.keep):
                continue
            if a.try_obj(x, y, tile):
                placed += 1

    for y in range(a.h):
        for x in range(a.w):
            if a.open[y][x]:
                continue
            n, s, w, e = a.nbr_open(x, y)
            if s:
                t = "sand_rock_face"
            elif n and w:
                t = "sand_rock_nw"
            elif n and e:
                t = "sand_rock_ne"
            elif n:
                t = "sand_rock_n"
            elif w:
                t = "sand_rock_w"
            elif e:
                t = "sand_rock_e"
            else:
                t = "sand_rock_top"
            a.ground[y][x] = t

    layers = [a.ground, a.obj]
    write_area("map%02d" % num, "Sand Garden, map %d: %s." % (num, plan["note"]),
               ["Openings: " + ", ".join("%s %d-%d" % o for o in plan["open"]) + "."], layers)

# ---------------------------------------------------------------- the bridge

def bridge_map():
    w, h = 20, 90
    water = grid(w, h, "river_water")
    top = grid(w, h)
    deck0, deck1 = 8, 11           # the deck, four planks wide
    north_bank, south_bank = 12, 80
    for y in range(h):
        for x in range(w):
            if y < north_bank or y > south_bank:
                top[y][x] = "bridge_grass"
    for x in range(w):
        top[north_bank][x] = "bank_n"
        top[south_bank][x] = "bank_s"
    for y in range(north_bank, south_bank + 1):
        for x in range(deck0, deck1 + 1):
            top[y][x] = "bridge_deck_v"
        post = (y - north_bank) % 8 == 0
        top[y][deck0 - 1] = "bridge_post_w" if post else "bridge_rail_w"
        top[y][deck1 + 1] = "bridge_post_e" if post else "bridge_rail_e"
        if post and north_bank < y < south_bank:
            water[y][deck0 - 2] = "river_foam"
            water[y][deck1 + 2] = "river_foam"
    # The Drakian fort on the far bank: a barricade round a yard, its gate on the road.
    for x in range(2, 18):
        top[3][x] = "barricade"
        if not deck0 <= x <= deck1:
            top[10][x] = "barricade"
    for y in range(3, 11):
        top[y][2] = "barricade"
        top[y][17] = "barricade"
    # lanterns on the posts at both ends of the bridge (the game animates them)
    for y in (north_bank + 8, south_bank - 4):
        top[y][deck0 - 1] = "torch_a"
        top[y][deck1 + 1] = "torch_a"
    # Inside the stockade the Drakians have laid a plank yard; the road runs through its gate.
    for y in range(4, 10):
        for x in range(3, 17):
            top[y][x] = "bridge_deck_h"
    for y in range(4, north_bank):
        for x in range(deck0, deck1 + 1):
            top[y][x] = "bridge_deck_v"
    # On the home bank the road leaves the bridge over the grass.
    for y in range(south_bank + 1, h):
        for x in range(deck0, deck1 + 1):
            top[y][x] = "bridge_deck_v" if y == south_bank + 1 else "bridge_grass"
    # Layer 0 is drawn as the scrolling river, from its top 15 rows only: below them
    # it only decides where Mike may walk, so the home bank is grass there.
    for y in range(south_bank + 1, h):
        for x in range(w):
            water[y][x] = "bridge_grass"
    write_area("map01", "Lumin Bridge: a long bridge over the river, the Drakian fort on the far bank.",
               ["Layer 0 is the river, drawn scrolling; everything standing on it is on layer 1.",
                "The far bank is walked on planks only: the water under its grass stops Mike.",
                "Mike starts at (10, 89) and leaves the bridge off the bottom row."],
               [water, top])


def main():
    bridge_map()
    for n in sorted(WOODS):
        woods_map(n)
    for n in sorted(SAND):
        sand_map(n)


if __name__ == "__main__":
    main()
