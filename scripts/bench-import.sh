#!/usr/bin/env bash
# Imports a KeePass 2 XML of N entries (default 100 000) with keldra-cli and,
# on the same file in the same run, with keepassxc-cli import (installed here
# when missing: the benchmark's reference only, no test needs it). Prints the
# median time of the runs, interleaved, and the peak memory of the import
# against that of opening the wallet it made with every card decrypted.
#   scripts/bench-import.sh [ENTRIES] [RUNS]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
entries=${1:-100000}
runs=${2:-3}
"$top/scripts/install-deps.sh"
if ! command -v keepassxc-cli >/dev/null; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends keepassxc >/dev/null
fi
cmake -S "$top" -B "$top/build" -DKELDRA_WERROR=ON >/dev/null
cmake --build "$top/build" -j 2 --target keldra-cli
cli=$top/build/wallet/cli/keldra-cli

data=$(mktemp -d /tmp/keldra-bench-import.XXXXXX)
trap 'rm -rf "$data"' EXIT
export KELDRA_REGISTRY=$data/registry KELDRA_DRIVE_C=$data
echo bench > "$data/pw"

# One group per hundred entries, in two levels; every entry a login with a
# URL, a note and a custom field, every third one without a URL.
awk -v n="$entries" 'BEGIN {
    print "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<KeePassFile><Root><Group><Name>Bench</Name>"
    for (g = 0; g * 100 < n; g++) {
        if (g % 10 == 0) { if (g) print "</Group>"; printf "<Group><Name>Area %d</Name>\n", g / 10 }
        printf "<Group><Name>Group %d</Name>\n", g
        for (e = g * 100; e < n && e < (g + 1) * 100; e++) {
            printf "<Entry><Times><LastModificationTime>2024-03-01T10:00:00Z</LastModificationTime></Times>"
            printf "<String><Key>Title</Key><Value>Entry %d</Value></String>", e
            printf "<String><Key>UserName</Key><Value>user%d@example.org</Value></String>", e
            printf "<String><Key>Password</Key><Value>pw-%d-xK9!q</Value></String>", e * 7919
            printf "<String><Key>URL</Key><Value>%s</Value></String>", (e % 3 ? "https://site" e ".example.com/login" : "")
            printf "<String><Key>Notes</Key><Value>Account opened in spring; ask for the branch %d.</Value></String>", e % 97
            printf "<String><Key>Customer number</Key><Value>%d</Value></String></Entry>\n", 100000 + e
        }
        print "</Group>"
    }
    print "</Group></Group></Root></KeePassFile>"
}' > "$data/bench.xml"
echo "input: $entries entries, $(du -h "$data/bench.xml" | cut -f1) of XML; $(nproc) cores"

# Runs a command with its output thrown away; prints its seconds and peak KiB.
measure() {
    /usr/bin/time -o "$data/time.out" -f '%e %M' "$@" >/dev/null 2>&1
    cat "$data/time.out"
}
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

for run in $(seq "$runs"); do
    rm -f "$data/w.wal" "$data/db.kdbx"
    "$cli" create "$data/w.wal" >/dev/null
    measure "$cli" import-from "$data/w.wal" "$data/bench.xml" --new-password-file "$data/pw" >> "$data/keldra.runs"
    measure sh -c "printf 'bench\nbench\n' | keepassxc-cli import -q -p '$data/bench.xml' '$data/db.kdbx'" >> "$data/keepassxc.runs"
done
read -r _ open_kib < <(measure "$cli" tree "$data/w.wal" --decrypt --password-file "$data/pw")
keldra=$(cut -d' ' -f1 "$data/keldra.runs" | median); peer=$(cut -d' ' -f1 "$data/keepassxc.runs" | median)
mem=$(cut -d' ' -f2 "$data/keldra.runs" | median); peer_mem=$(cut -d' ' -f2 "$data/keepassxc.runs" | median)
echo "| measure | entries | Keldra | reference | ratio | target |"
echo "|---|---|---|---|---|---|"
awk -v k="$keldra" -v p="$peer" -v n="$entries" 'BEGIN { printf "| import KeePass 2 XML | %d | %.2f s | keepassxc-cli import %.2f s | %.2f | <= 2 |\n", n, k, p, k / p }'
awk -v m="$mem" -v o="$open_kib" -v n="$entries" 'BEGIN { printf "| import, peak memory | %d | %.0f MiB | the wallet opened, decrypted %.0f MiB | %.2f | <= 1.5 |\n", n, m / 1024, o / 1024, m / o }'
awk -v m="$mem" -v p="$peer_mem" -v n="$entries" 'BEGIN { printf "| import, peak memory | %d | %.0f MiB | keepassxc-cli import %.0f MiB | %.2f | none |\n", n, m / 1024, p / 1024, m / p }'
