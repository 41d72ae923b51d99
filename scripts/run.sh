#!/usr/bin/env bash
# Installs what is needed, builds Keldra and shows it at work. Until the
# windowed program exists this builds the command-line tool and runs it on a
# demo wallet made from media/demo/demo-wallet.json, in a temporary folder
# with a registry of its own (nothing in your home folder is touched).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
"$top/scripts/build.sh" build
cli="$top/build/wallet/cli/keldra-cli"

demo=$(mktemp -d)
trap 'rm -rf "$demo"' EXIT
export KELDRA_REGISTRY="$demo/registry" KELDRA_DRIVE_C="$demo/c"
wallet="$demo/Demo Wallet.wal"

run() {
    echo
    echo "\$ keldra-cli $*"
    "$cli" "$@"
}
run create "$wallet"
run import "$wallet" "$top/media/demo/demo-wallet.json"
run tree "$wallet"
run show "$wallet" "Banking/Travel card"
run search "$wallet" example
run export "$wallet"
