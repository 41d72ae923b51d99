#!/usr/bin/env bash
# Builds keldraBench, makes the benchmark wallets (1 000, 10 000 and 100 000
# cards of everyday lengths and 100 000 cards of long texts, fixed seed) in a
# fresh folder and prints the table of each wallet operation against its
# reference, timed in the same run (among them the tool's tree and search,
# which read without writing, against the open they used before, with the
# bytes each wrote).
#   scripts/bench.sh [keldraBench options: --cards 1000,10000 --long-cards 100000|none --runs 5 --edit-cycles 15]
# BENCH_DIR sets the data folder (default: a new folder below /tmp, removed afterwards).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
cmake -S "$top" -B "$top/build" -DKELDRA_WERROR=ON -DKELDRA_BENCH=ON >/dev/null
cmake --build "$top/build" -j 2 --target keldraBench

if [ -n "${BENCH_DIR:-}" ]; then
    data=$BENCH_DIR
    mkdir -p "$data"
else
    data=$(mktemp -d /tmp/keldra-bench.XXXXXX)
    trap 'rm -rf "$data"' EXIT
fi
echo "machine: $(nproc) cores ($(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//')), $(df -hT "$data" | awk 'NR==2 {print $2}') at $data"
# The text export and grep run in the same UTF-8 code page.
LC_ALL=C.UTF-8 "$top/build/bench/keldraBench" "$data" "$@"
