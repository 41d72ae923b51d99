#!/usr/bin/env bash
# check-install.sh BUILD_DIR SOURCE_DIR: installs the build into a temporary
# root with prefix /usr and checks the result as a package user would meet it.
set -uo pipefail
build=$1
source=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }
check() { local what=$1; shift; "$@" >"$root/out" 2>&1 || { fail "$what"; cat "$root/out"; }; }

DESTDIR="$root/pkg" cmake --install "$build" --prefix /usr >/dev/null || { echo "FAILED: cmake --install"; exit 1; }
usr="$root/pkg/usr"
id=com.quorvex.Keldra

for f in bin/keldra bin/keldra-cli share/keldra/demo/demo-wallet.json \
         share/man/man1/keldra.1.gz share/man/man1/keldra-cli.1.gz share/doc/keldra/copyright share/doc/keldra/changelog.gz \
         share/applications/$id.desktop share/mime/packages/keldra-wallet.xml share/metainfo/$id.metainfo.xml \
         share/bash-completion/completions/keldra-cli; do
    [ -f "$usr/$f" ] || fail "missing $f"
done
ls "$usr"/lib*/keldra/libzenthoLib.so* >/dev/null 2>&1 || fail "missing libzenthoLib.so"
[ "$(ls "$usr/share/keldra/media/icons/Standart" | wc -l)" = "$(ls "$source/media/icons/Standart" | wc -l)" ] ||
    fail "the icon folder is not complete"
[ -d "$usr/share/keldra/media/icons/Custom" ] || fail "missing the Custom icon folder"
for size in 16 22 24 32 48 64 128 256; do
    for icon in apps/$id mimetypes/application-x-keldra-wallet; do
        file="$usr/share/icons/hicolor/${size}x${size}/$icon.png"
        [ "$(identify -format '%wx%h' "$file" 2>/dev/null)" = "${size}x${size}" ] || fail "icon $file is not ${size}x${size}"
    done
done

check "desktop-file-validate" desktop-file-validate "$usr/share/applications/$id.desktop"
check "appstreamcli validate" appstreamcli validate --no-net --strict "$usr/share/metainfo/$id.metainfo.xml"
for page in keldra keldra-cli; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "man page $page: $warnings"
done

# The file type: the shared-mime-info compiler accepts the definition, and a
# wallet is recognised by its name and, under another name, by its header.
mkdir -p "$root/data/mime/packages"
cp "$usr/share/mime/packages/keldra-wallet.xml" "$root/data/mime/packages/"
check "update-mime-database" update-mime-database "$root/data/mime"
export HOME="$root/home" KELDRA_REGISTRY="$root/home/registry"
mkdir -p "$HOME"
check "the installed keldra-cli creates a wallet" "$usr/bin/keldra-cli" create "$root/plain.wal"
cp "$root/plain.wal" "$root/renamed.bin"
for f in plain.wal renamed.bin; do
    type=$(XDG_DATA_HOME="$root/data" XDG_DATA_DIRS=/usr/share gio info -a standard::content-type "$root/$f" 2>&1 |
           sed -n 's/.*standard::content-type: //p')
    [ "$type" = "application/x-keldra-wallet" ] || fail "$f is recognised as '$type'"
done

# The first start of a user: the launcher makes the settings and the first
# wallet, pointing at the installed folders, before it starts the program.
# The program runs without a display and is ended after a few seconds; a
# wallet it opened is in the recent files of the user's part of the registry.
start_installed() {
    QT_QPA_PLATFORM=offscreen timeout -s TERM 8 "$usr/bin/keldra" >"$root/out" 2>&1 || true
}
rm -rf "$KELDRA_REGISTRY"
mkdir -p "$HOME/Documents"
start_installed
[ -x "$usr/libexec/keldra/Wallet" ] || fail "the program is not installed"
grep -qF "My Wallet.wal" "$KELDRA_REGISTRY/HKEY_CURRENT_USER.reg" 2>/dev/null ||
    { fail "the program did not open the first wallet"; cat "$root/out"; }
settings="$KELDRA_REGISTRY/HKEY_LOCAL_MACHINE.reg"
expected_data=$(printf '%s' "$usr/share/keldra/" | sed 's|/|\\\\|g')
grep -qF "\"defaultWalletDir\"=\"$expected_data\"" "$settings" || { fail "defaultWalletDir"; cat "$settings"; }
check "the first wallet is sound" "$usr/bin/keldra-cli" check "$HOME/Documents/My Wallet.wal"
before=$(md5sum "$settings" "$HOME/Documents/My Wallet.wal")
start_installed
[ "$(md5sum "$settings" "$HOME/Documents/My Wallet.wal")" = "$before" ] || fail "a second start changed the settings or the wallet"

if [ "$failures" -eq 0 ]; then echo "installed tree: all checks passed"; exit 0; fi
exit 1
