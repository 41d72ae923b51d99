#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (address and undefined-behaviour
# sanitizers) and runs each for a while: fuzz.sh [SECONDS_PER_TARGET] [TARGET...]
# The committed seeds in fuzz/corpus/<target>/ are copied, so a run never
# changes them; a crash leaves its input in build-fuzz/crashes/<target>/.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
shift || true

cmake -S "$top" -B "$top/build-fuzz" -DKELDRA_FUZZ=ON -DBUILD_TESTING=OFF -DKELDRA_WERROR=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$top/build-fuzz" --target fuzzers -j "$(nproc)"

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    mapfile -t targets < <(find "$top/build-fuzz/fuzz" -maxdepth 1 -type f -executable -name 'fuzz*' -printf '%f\n' | sort)
fi

failed=0
for target in "${targets[@]}"; do
    work="$top/build-fuzz/run/$target"
    crashes="$top/build-fuzz/crashes/$target"
    rm -rf "$work"
    mkdir -p "$work" "$crashes"
    if [ -d "$top/fuzz/corpus/$target" ]; then
        cp -r "$top/fuzz/corpus/$target/." "$work/"
    fi
    if "$top/build-fuzz/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$crashes/" -print_final_stats=1 "$work" >"$work.log" 2>&1; then
        echo "fuzz $target: $(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$work.log" | grep -o '[0-9]*$') runs in ${seconds}s, no finding"
    else
        echo "fuzz $target: FINDING, see $work.log and $crashes"
        tail -40 "$work.log"
        failed=1
    fi
done
exit $failed
