#!/usr/bin/env bash
# The plug-in in the installer it was made for: builds setvane.dll with the
# MinGW cross compiler, builds a silent ANSI installer that calls its three
# installer exports, runs it under 32-bit Wine with prepared registry values
# and checks what the plug-in returned. Optional: it needs i386 packages.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)

if ! command -v i686-w64-mingw32-g++ >/dev/null || ! command -v makensis >/dev/null ||
    ! dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q 'install ok installed'; then
    export DEBIAN_FRONTEND=noninteractive
    dpkg --add-architecture i386
    apt-get update
    apt-get install -y --no-install-recommends g++-mingw-w64-i686 nsis wine wine32:i386
fi

work=$(mktemp -d)
trap 'WINEPREFIX="$work/prefix" wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
"$top/setup/windows/build-dll.sh" "$work/plugin"
makensis -V2 -DPLUGIN_DIR="$work/plugin" -DOUT_FILE="$work/probe.exe" "$top/setup/windows/probe.nsi" >/dev/null

export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineboot -i >/dev/null 2>&1

reg() { wine reg "$@" >/dev/null 2>&1 || [ "$1" = delete ]; }
shell_folders='HKLM\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders'
services='HKCU\Software\Microsoft\Windows CE Services'

failures=0
run_case() { # name expected-os expected-documents expected-partnership
    rm -f "$work"/*.txt
    wine "$work/probe.exe" /S
    wineserver -w
    for answer in os:"$2" documents:"$3" partnership:"$4"; do
        file=${answer%%:*}
        expected=${answer#*:}
        got=$(cat "$work/$file.txt" 2>/dev/null || echo "<no answer>")
        if [ "$got" = "$expected" ]; then
            echo "ok    $1: $file = $got"
        else
            echo "FAIL  $1: $file = $got, expected $expected"
            failures=$((failures + 1))
        fi
    done
}

reg add "$shell_folders" /v Personal /d 'C:\Docs' /f
reg delete "$services" /f
run_case "no partnership" WINNT 'C:\Docs' 'C:\Docs\'

reg add "$services\\Partners\\P1" /v DisplayName /d 'Pocket' /f
run_case "one partnership" WINNT 'C:\Docs' 'C:\Docs\Pocket My Documents\'

reg add "$services\\Partners\\P2" /v DisplayName /d 'Second' /f
reg add "$services" /v 'Last Device' /d 'P2' /f
run_case "two partnerships, last device P2" WINNT 'C:\Docs' 'C:\Docs\Second My Documents\'

reg delete "$shell_folders" /v Personal /f
run_case "no documents folder" WINNT '' 'C:\Fallback\'

echo "$((12 - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
