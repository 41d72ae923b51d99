#!/usr/bin/env bash
# Builds and runs every test: the normal build, a short run of every fuzz
# target (KELDRA_FUZZ_SECONDS per target, 60 by default), then the same tests
# under the address and undefined-behaviour sanitizers.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"

"$top/scripts/build.sh" build
(cd "$top/build" && ctest --output-on-failure -j "$(nproc)")

"$top/scripts/fuzz.sh" "${KELDRA_FUZZ_SECONDS:-60}"

"$top/scripts/build.sh" build-asan -DKELDRA_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
(cd "$top/build-asan" && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j "$(nproc)")
