#!/usr/bin/env bash
# Builds setvane.dll for 32-bit Windows with the MinGW cross compiler:
# build-dll.sh OUTPUT_DIR
set -euo pipefail
out=${1:?output folder}
src=$(cd "$(dirname "$0")/../setvane" && pwd)
mkdir -p "$out"
i686-w64-mingw32-g++ -std=c++20 -O2 -Wall -Wextra -Werror -shared -s \
    -static -static-libgcc -static-libstdc++ \
    -o "$out/setvane.dll" \
    "$src/Exports.cpp" "$src/Lookups.cpp" "$src/Trace.cpp" "$src/HostWindows.cpp" "$src/setvane.def"
