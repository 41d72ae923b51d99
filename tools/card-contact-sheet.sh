#!/usr/bin/env bash
# One PNG of every card display of the gallery test, labelled with the file
# names, to look at.
#
#     tools/card-contact-sheet.sh [build folder] [output.png]
#
# The gallery test of the build folder (default: build) renders each card into
# card-gallery/ of a temporary folder; ImageMagick's montage joins the pictures.
# The contact sheet goes to card-contact-sheet.png in the current folder unless
# another output is named.
set -euo pipefail

build=$(cd "${1:-build}" && pwd)
output=$(realpath -m "${2:-card-contact-sheet.png}")
tests="$build/tests/cardsShow/cardsShowTests"
if [[ ! -x "$tests" ]]; then
    echo "no $tests: build the target cardsShowTests first" >&2
    exit 1
fi
command -v montage >/dev/null || { echo "montage not found: install imagemagick" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$tests" --gtest_filter='CardGalleryTest.*' >"$work/test.log") || {
    cat "$work/test.log" >&2
    exit 1
}

shopt -s nullglob
pictures=("$work"/card-gallery/*.png)
if (( ${#pictures[@]} == 0 )); then
    echo "the gallery test made no pictures" >&2
    exit 1
fi
montage -label '%t' -font DejaVu-Sans -pointsize 12 -background '#c8c8c8' \
    -tile 6x -geometry +8+8 "${pictures[@]}" "$output"
echo "$output: ${#pictures[@]} cards"
