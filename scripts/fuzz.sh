#!/usr/bin/env bash
# Builds every fuzz target with clang and libFuzzer (build/fuzz, AddressSanitizer and UBSan)
# and runs each in turn for SECONDS (default 60) over its seeds and kept regression inputs.
# Prints per target: executions, corpus size, coverage (cov/ft) and crashes. New crashing
# inputs land in build/fuzz/artifacts/TARGET/. Usage: scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
shift || true
build="$here/build/fuzz"

packages=(clang-14 libclang-rt-14-dev)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
[ -f "$here/build/deps/libjsonparser/json.c" ] || bash "$here/scripts/setup.sh"

flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
    -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
    -DVANTOR_SANITIZE=OFF -DVANTOR_FUZZ_ENGINE=ON >/dev/null

all=(preparse definition stored_block settings_text bank_text scene_script visibility_rule property_sets)
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=("${all[@]}")
cmake --build "$build" --target fuzz_seed_writer $(printf 'fuzz_%s ' "${targets[@]}")
rm -rf "$build/seeds"
"$build/bin/fuzz_seed_writer" "$here" "$build/seeds"

declare -A dictionary=(
    [preparse]=json [definition]=json [stored_block]=json [visibility_rule]=rule [property_sets]=json
    [settings_text]=settings [bank_text]=bank [scene_script]=scene)

report=()
for t in "${targets[@]}"; do
    corpus="$build/corpus/$t" artifacts="$build/artifacts/$t" log="$build/logs/$t.log"
    mkdir -p "$corpus" "$artifacts" "$build/logs"
    inputs=("$corpus" "$build/seeds/$t")
    [ -d "$here/fuzz/regressions/$t" ] && inputs+=("$here/fuzz/regressions/$t")
    touch "$build/logs/$t.start"
    echo "== fuzzing $t for ${seconds}s =="
    "$build/bin/fuzz_$t" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 \
        -dict="$here/fuzz/dictionaries/${dictionary[$t]}.dict" -artifact_prefix="$artifacts/" \
        "${inputs[@]}" >"$log" 2>&1 || true
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    coverage=$(grep -E '^#[0-9]+.*cov: ' "$log" | tail -n 1 | sed -E 's/.*cov: ([0-9]+) ft: ([0-9]+).*/\1 \2/')
    crashes=$(find "$artifacts" -type f -newer "$build/logs/$t.start" | wc -l)
    size=$(find "$corpus" -type f | wc -l)
    report+=("$(printf '%-16s %12s %8s %8s %8s %8s' "$t" "${executions:-?}" "$size" \
        "${coverage% *}" "${coverage#* }" "$crashes")")
    [ "$crashes" -eq 0 ] || grep -m 1 -E 'ERROR: |SUMMARY: |check failed' "$log" || true
done

printf '\n%-16s %12s %8s %8s %8s %8s\n' target executions corpus cov ft crashes
printf '%s\n' "${report[@]}"
