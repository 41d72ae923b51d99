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
    libsodium-dev
    libpugixml-dev
    nlohmann-json3-dev
    clang
    libclang-rt-dev
    sqlite3
    time
    qt6-base-dev
    qt6-multimedia-dev
    qt6-qpa-plugins
    fonts-dejavu-core
    gstreamer1.0-plugins-base
    xvfb
    xauth
    imagemagick
    poppler-utils
    desktop-file-utils
    appstream
    shared-mime-info
    libglib2.0-bin
    dpkg-dev
    man-db
    libx11-dev
    xclip
    wl-clipboard
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
