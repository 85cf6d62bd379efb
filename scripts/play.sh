#!/usr/bin/env bash
# Builds everything, installs the fresh data into the player's game directory
# (never touching settings, saves or screenshots there) and starts the game.
# Any arguments are passed to the game as its switches.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
EXTRA_PACKAGES="freepats" BUILD_TARGETS="vantor gamedata" bash "$ROOT/scripts/setup.sh" build
GAME_DIR="${XDG_DATA_HOME:-$HOME/.local/share}/vantor"
mkdir -p "$GAME_DIR"
cp -f "$ROOT"/build/data/*.dat "$GAME_DIR"/
cp -f "$ROOT"/build/data/*.map "$GAME_DIR"/ 2>/dev/null || true
cp -f "$ROOT"/build/vantor "$GAME_DIR"/vantor
# The music's instruments, once: the synthesizer finds them next to the program.
if [ ! -f "$GAME_DIR/patches.dat" ]; then
    echo "Preparing the music instruments (once)..."
    bash "$ROOT/scripts/make_patches.sh" "$GAME_DIR/patches.dat"
fi
cd "$GAME_DIR"
exec ./vantor "$@"
