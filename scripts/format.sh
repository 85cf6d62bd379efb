#!/usr/bin/env bash
# Lays every C++ source of the game, its tools and its tests out in the house
# style of .clang-format. With --check it changes nothing and fails, naming the
# files, when any source is laid out otherwise (the test suite runs it so).
# Hand-aligned tables are fenced with "// clang-format off/on".
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v clang-format >/dev/null; then
    echo "clang-format is not installed (apt-get install clang-format)" >&2
    exit 1
fi
mapfile -t files < <(git ls-files '*.cpp' '*.h' 2>/dev/null || find vantor tools tests -name '*.cpp' -o -name '*.h')
if [ "${1:-}" = "--check" ]; then
    clang-format --dry-run -Werror "${files[@]}"
else
    clang-format -i "${files[@]}"
fi
