#!/usr/bin/env bash
# Configures and builds one build folder: build.sh DIR [cmake options...]
set -euo pipefail
dir=$1
shift
top=$(cd "$(dirname "$0")/.." && pwd)
cmake -S "$top" -B "$top/$dir" -DKELDRA_WERROR=ON "$@" >/dev/null
cmake --build "$top/$dir" -j "$(nproc)"
