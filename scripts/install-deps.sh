#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Keldra need.
# Safe to run again: it installs only what is missing.
set -euo pipefail

packages=(
    build-essential
    cmake
    pkg-config
    googletest
    libgtest-dev
    libgmock-dev
    nettle-dev
    nlohmann-json3-dev
    clang
    libclang-rt-dev
    sqlite3
    libx11-dev
    xclip
    wl-clipboard
    xvfb
    xauth
    bash-completion
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update
    apt-get install -y --no-install-recommends "${missing[@]}"
fi
