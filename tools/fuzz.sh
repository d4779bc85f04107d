#!/usr/bin/env bash
# Builds every fuzz target in fuzz/ with clang and libFuzzer (in build/fuzz) and runs each for the
# given time on a copy of its seed folder fuzz/corpus/<target>/, so that the committed seeds never
# grow. Prints the executions and findings of each target; exits non-zero on any finding.
#   tools/fuzz.sh [seconds per target, default 60] [target...]
# Findings (crashing, leaking or slow inputs) are kept in build/fuzz/findings/<target>/.
set -u
cd "$(dirname "$0")/.."
seconds=${1:-60}
[ $# -gt 0 ] && shift
bash tools/deps.sh || exit 1

build=build/fuzz
# Configured every time: a target added to fuzz/ since the last run is picked up.
mkdir -p "$build"
CC=clang CXX=clang++ cmake -S . -B "$build" -DTAVRIX_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    >"$build/configure.log" 2>&1 || { cat "$build/configure.log"; exit 1; }
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for src in fuzz/*.cpp; do targets+=("$(basename "$src" .cpp)"); done
fi
cmake --build "$build" -j2 --target "${targets[@]}" >"$build/build.log" 2>&1 ||
    { tail -n 40 "$build/build.log"; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for target in "${targets[@]}"; do
    corpus=$work/$target
    findings=$build/findings/$target
    mkdir -p "$corpus" "$findings"
    [ -d "fuzz/corpus/$target" ] && cp -r "fuzz/corpus/$target/." "$corpus/"
    seeds=$(find "$corpus" -type f | wc -l)
    log=$build/$target.log
    before=$(find "$findings" -type f | wc -l)
    "$build/$target" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$findings/" "$corpus" >"$log" 2>&1
    code=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    found=$(($(find "$findings" -type f | wc -l) - before))
    if [ "$code" -ne 0 ] && [ "$found" -eq 0 ]; then found=1; fi
    printf '%-22s %4s s  %12s executions  %3s seeds  findings: %s\n' \
        "$target" "$seconds" "${runs:-?}" "$seeds" "$found"
    if [ "$found" -ne 0 ]; then
        status=1
        grep -m1 -E 'ERROR|SUMMARY|deadly|timeout|leak' "$log" | sed 's/^/    /'
        echo "    log: $log; inputs: $findings/"
    fi
done
exit $status
