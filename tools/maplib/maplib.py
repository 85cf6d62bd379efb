"""What the map-source generators share: blank grids, the writer of a map
source (assets/maps/README.md has the format) and the painting of a room
sketched one character per cell (wall tops picked from the neighbouring walls,
the shaded floor under a north wall, the borders of a red carpet).

A generator imports it with

    sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'maplib'))
    import maplib
"""
import os
import string

OUT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'assets', 'maps'))

# Characters of the two-character tile keys.
LOWER = string.ascii_lowercase
ALNUM = string.ascii_lowercase + string.ascii_uppercase + string.digits


def grid(w, h, fill=None):
    """A w x h grid (rows of cells) holding `fill` everywhere."""
    return [[fill] * w for _ in range(h)]


def tiles_in_order(layers):
    """The tile names of the layers in the order they first appear, layer by
    layer and row by row."""
    names = []
    seen = set()
    for layer in layers:
        for row in layer:
            for t in row:
                if t and t not in seen:
                    seen.add(t)
                    names.append(t)
    return names


def write_map(fname, comment, mapfile, layers, names=None, alphabet=ALNUM):
    """Writes assets/maps/`fname`: `comment` (lines, each written after '# ')
    on top, then the map named `mapfile` with the given layers (2-D lists of
    tile names, None empty). Tile i of `names` (by default the tiles in the
    order they first appear) gets the key of two `alphabet` characters at i; a
    layer with nothing on it is written as one fill line."""
    if names is None:
        names = tiles_in_order(layers)
    n = len(alphabet)
    key = {t: alphabet[i // n % n] + alphabet[i % n] for i, t in enumerate(names)}
    out = ['# ' + line if line else '#' for line in comment]
    out += ['map %s' % mapfile, 'size %d %d' % (len(layers[0][0]), len(layers[0])), 'layers %d' % len(layers),
            'cell 2', 'tile .. -']
    out += ['tile %s %s' % (key[t], t) for t in names]
    for i, layer in enumerate(layers):
        if all(t is None for row in layer for t in row):
            out.append('layer %d fill ..' % i)
            continue
        out.append('layer %d' % i)
        out += [''.join(key[t] if t else '..' for t in row) for row in layer]
    with open(os.path.join(OUT, fname), 'w') as f:
        f.write('\n'.join(out) + '\n')


def carpet_piece(n, e, s, w):
    """The red carpet's tile for a cell whose carpet goes on to the north,
    east, south and west as given: plain inside, its border along an open side."""
    ns = 'n' if not n else 's' if not s else ''
    ew = 'w' if not w else 'e' if not e else ''
    return 'carpet_red' + ('_' + ns + ew if ns + ew else '')


def paint_ground(plan, wall, tops, floors, shaded, faces):
    """Tile names of a ground plan (rows of equal length): `wall` cells take
    the top of `tops` keyed by whether the wall goes on to the north, east,
    south and west; 'R' cells are red carpet; a floor of `shaded` right under
    one of the wall `faces` takes its shaded twin; the rest come from `floors`."""
    h, w = len(plan), len(plan[0])

    def at(x, y):
        return plan[y][x] if 0 <= x < w and 0 <= y < h else ' '

    def sides(x, y, ch):
        return tuple(at(x + dx, y + dy) == ch for dx, dy in ((0, -1), (1, 0), (0, 1), (-1, 0)))

    names = grid(w, h)
    for y in range(h):
        for x in range(w):
            ch = plan[y][x]
            if ch == wall:
                names[y][x] = tops[sides(x, y, wall)]
            elif ch == 'R':
                names[y][x] = carpet_piece(*sides(x, y, 'R'))
            elif ch in shaded and at(x, y - 1) in faces:
                names[y][x] = shaded[ch]
            else:
                names[y][x] = floors[ch]
    return names
