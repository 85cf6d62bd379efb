#!/usr/bin/env bash
# Takes the README's screenshots from the real game, headless, on a scripted
# run: the world map, a battle, the menu and Lumin Village, written as small
# PNGs into docs/shots/. Needs a build (bash scripts/setup.sh build).
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD="${BUILD:-$ROOT/build}"
OUT="$ROOT/docs/shots"
RUN="$(mktemp -d)"
trap 'rm -rf "$RUN"' EXIT
ln -s "$BUILD"/data/*.dat "$BUILD"/data/*.map "$RUN"/
mkdir -p "$RUN/shots" "$OUT"

# Arrows are held about a quarter of a second a step. The first run walks
# east below the castle, opens the menu and goes round into the village; the
# second starts a fight there with the debug keys and waits for a hero's turn.
cat > "$RUN/walk.txt" <<'SCRIPT'
wait 2s
hold Down
wait 400ms
release Down
wait 300ms
hold Right
wait 2800ms
release Right
wait 1s
shot world
tap Alt 80
wait 3s
shot menu
tap Esc 80
wait 3s
hold Down
wait 1275ms
release Down
wait 300ms
hold Right
wait 990ms
release Right
wait 300ms
hold Up
wait 140ms
release Up
wait 3s
hold Up
wait 1400ms
release Up
wait 2s
shot village
end
SCRIPT
cat > "$RUN/fight.txt" <<'SCRIPT'
wait 2s
hold Down
wait 400ms
release Down
wait 300ms
hold Right
wait 2800ms
release Right
wait 1s
hold Ctrl
tap F 40
release Ctrl
wait 8s
shot battle
end
SCRIPT

for s in walk fight; do
    (cd "$RUN" && VANTOR_SCRIPT=$s.txt VANTOR_START=world VANTOR_SHOTS="$RUN/shots" VANTOR_IDLE_MS=1000 \
        DISPLAY= "$BUILD/vantor" -debug:58214 -nofight:47390 >/dev/null 2>&1) || true
done

# 24-bit BMP in, PNG out, with nothing but the standard library.
python3 - "$RUN/shots" "$OUT" <<'PY'
import struct, sys, zlib, os
src, dst = sys.argv[1], sys.argv[2]
def chunk(t, b):
    return struct.pack('>I', len(b)) + t + b + struct.pack('>I', zlib.crc32(t + b) & 0xffffffff)
for name in ('world', 'battle', 'menu', 'village'):
    d = open(os.path.join(src, name + '.bmp'), 'rb').read()
    off = struct.unpack('<I', d[10:14])[0]
    w, h = struct.unpack('<ii', d[18:26])
    stride = (w * 3 + 3) & ~3
    rows = []
    for y in range(abs(h)):
        sy = abs(h) - 1 - y if h > 0 else y
        r = d[off + sy * stride: off + sy * stride + w * 3]
        px = bytearray(w * 3)
        px[0::3], px[1::3], px[2::3] = r[2::3], r[1::3], r[0::3]
        rows.append(b'\0' + bytes(px))
    png = (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', w, abs(h), 8, 2, 0, 0, 0)) +
           chunk(b'IDAT', zlib.compress(b''.join(rows), 9)) + chunk(b'IEND', b''))
    open(os.path.join(dst, name + '.png'), 'wb').write(png)
    print(os.path.join(dst, name + '.png'), len(png), 'bytes')
PY
