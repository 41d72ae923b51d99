#!/usr/bin/env bash
# Installs what is needed, builds Keldra and shows it at work: the
# command-line tool on a demo wallet made from media/demo/demo-wallet.json,
# then the program Wallet in a window on that wallet. Everything happens in
# a temporary folder with a registry and a documents folder of its own
# (nothing in your home folder is touched); it is removed when the window closes.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
"$top/scripts/build.sh" build

demo=$(mktemp -d)
trap 'rm -rf "$demo"' EXIT
cmake --install "$top/build" --prefix "$demo/usr" >/dev/null
export KELDRA_REGISTRY="$demo/registry" KELDRA_DRIVE_C="$demo/c" XDG_CONFIG_HOME="$demo/config"
mkdir -p "$demo/Documents" "$XDG_CONFIG_HOME"
echo "XDG_DOCUMENTS_DIR=\"$demo/Documents\"" >"$XDG_CONFIG_HOME/user-dirs.dirs"
# The first start opens "My Wallet.wal" of the documents folder: the demo wallet.
wallet="$demo/Documents/My Wallet.wal"

run() {
    echo
    echo "\$ keldra-cli $*"
    "$demo/usr/bin/keldra-cli" "$@"
}
run create "$wallet"
run import "$wallet" "$top/media/demo/demo-wallet.json"
run tree "$wallet"
run show "$wallet" "Banking/Travel card"
run search "$wallet" example

echo
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    echo "\$ keldra    (close the window to end)"
    "$demo/usr/bin/keldra"
else
    echo "No display: run this from a desktop session to see the program Wallet in its window."
fi
