#!/usr/bin/env bash
# Installs what is needed, builds Keldra and runs it.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
"$top/scripts/build.sh" build
echo "Built:"
find "$top/build" -maxdepth 3 -type f \( -name 'libzenthoLib.so' -o -name '*.a' \) -printf '  %P\n'
