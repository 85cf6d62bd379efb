#!/usr/bin/env bash
# Installs what the game needs from Debian's packages (only what is missing)
# and builds the game, its data and its tests into build/.
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES="${EXTRA_PACKAGES:-} build-essential cmake pkg-config liballegro4-dev libpng-dev zlib1g-dev libgtest-dev libbenchmark-dev clang libclang-rt-14-dev"
missing=""
for p in $PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
    if [ "$(id -u)" -eq 0 ]; then
        SUDO=""
    elif command -v sudo >/dev/null; then
        SUDO="sudo"
    else
        echo "These Debian packages are missing:$missing" >&2
        echo "Install them as root (apt-get install$missing), then run this again." >&2
        exit 1
    fi
    echo "Installing:$missing"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq $missing >/dev/null
fi

BUILD_DIR="${1:-build}"
shift || true
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
if [ -n "${BUILD_TARGETS:-}" ]; then
    cmake --build "$BUILD_DIR" -j"$(nproc)" --target $BUILD_TARGETS
else
    cmake --build "$BUILD_DIR" -j"$(nproc)"
fi
