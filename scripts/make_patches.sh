#!/usr/bin/env bash
# Builds patches.dat, the instrument set Allegro's software MIDI synthesizer
# plays the music with, from Debian's freepats. Usage: make_patches.sh OUT.dat
# Freepats lacks some General MIDI programs; each missing one borrows the
# nearest program below it, so every tune still sounds.
set -euo pipefail
OUT="$1"
CFG=/etc/timidity/freepats.cfg
PATS=/usr/share/midi/freepats
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
ln -s "$PATS/Tone_000" "$WORK/Tone_000"
ln -s "$PATS/Drum_000" "$WORK/Drum_000"
awk '
/^drumset/ { mode = "d"; next }
/^bank/    { mode = "t"; next }
/^[ \t]*[0-9]+[ \t]+/ {
    f = $2; sub(/\.pat$/, "", f)
    if (mode == "t") tone[$1] = f; else if (mode == "d") drum[$1] = f
}
END {
    last = ""
    for (q = 0; q < 128; q++) if (q in tone) { first = tone[q]; break }
    for (p = 0; p < 128; p++) {
        if (p in tone) last = tone[p]
        print p + 1, (last == "" ? first : last)
    }
    print "129 begin_multipatch default blank"
    for (n = 0; n < 128; n++) if (n in drum) print n, drum[n]
    print "end_multipatch"
}' "$CFG" > "$WORK/default.cfg"
(cd "$WORK" && pat2dat -o -c patches.dat default.cfg >/dev/null)
mv "$WORK/patches.dat" "$OUT"
