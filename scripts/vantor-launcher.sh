#!/bin/sh
# The installed game's launcher. The game runs in the player's game directory
# and finds its data there, so the launcher brings the installed program and
# data files in (only when they changed) and starts the game there; settings,
# saves and screenshots in that directory are never touched.
# Any arguments are passed to the game as its switches.
set -eu
HERE="$(dirname "$(readlink -f "$0")")"
PREFIX="$(cd "$HERE/.." && pwd)"
SHARE="$PREFIX/share/vantor"
GAME_DIR="${XDG_DATA_HOME:-$HOME/.local/share}/vantor"
mkdir -p "$GAME_DIR"
# Copies rather than links: scripts/play.sh copies into the same directory and
# would otherwise write through a link into the installed tree.
for f in "$SHARE"/*.dat "$SHARE"/*.map "$PREFIX/libexec/vantor/vantor"; do
    [ -e "$f" ] || continue
    cmp -s "$f" "$GAME_DIR/$(basename "$f")" || cp -f "$f" "$GAME_DIR/"
done
# The music's instruments, once, for a live game: the synthesizer finds them
# next to the program. Without freepats the game still runs, silent of music.
if [ -z "${VANTOR_SCRIPT:-}" ] && [ ! -f "$GAME_DIR/patches.dat" ] && [ -d /usr/share/midi/freepats ]; then
    echo "Preparing the music instruments (once)..."
    bash "$SHARE/make_patches.sh" "$GAME_DIR/patches.dat" || echo "(no music instruments; the game plays without them)"
fi
cd "$GAME_DIR"
exec ./vantor "$@"
