#!/usr/bin/env bash
# "Tavrix.exe /SAVE" of one 256 MiB registered format plus a text, against the raw save that
# replaces its target through a temporary file (clipfilebench save-raw-replace), in the same Wine
# session and alternating. Both are whole processes, so both are timed from outside, start-up
# included; peak memory is the maximum resident set of the process as the host sees it.
#   bench/save_switch_bench.sh [rounds]     (needs the windows build)
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/windows
rounds=${1:-5}
dir=$(mktemp -d /tmp/tavrix-bench.XXXXXX)
trap 'rm -rf "$dir"' EXIT
win=$(printf 'Z:%s' "$dir" | tr / '\\')

median() { sort -n | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }

# measure <log> <program> <arguments...>: appends "<ms> <peak KiB>" for one run.
measure() {
    local log=$1
    shift
    sync
    /usr/bin/time -f "%e %M" -o "$dir/time.txt" "$root/tools/wine-run.sh" "$@" >/dev/null ||
        { echo "failed: $*" >&2; exit 1; }
    awk '{printf "%.0f %d\n", $1 * 1000, $2}' "$dir/time.txt" | tee -a "$log"
}

"$root/tools/wine-run.sh" "$build/clipfilebench.exe" setup 256 >/dev/null || exit 1
for ((i = 0; i < rounds; i++)); do
    if ((i % 2)); then
        measure "$dir/tavrix.log" "$build/Tavrix.exe" /SAVE "$win\\tavrix.cl7" /CLOSE /QUIET
        measure "$dir/raw.log" "$build/clipfilebench.exe" save-raw-replace "$win\\raw.cl7"
    else
        measure "$dir/raw.log" "$build/clipfilebench.exe" save-raw-replace "$win\\raw.cl7"
        measure "$dir/tavrix.log" "$build/Tavrix.exe" /SAVE "$win\\tavrix.cl7" /CLOSE /QUIET
    fi
done
cmp "$dir/raw.cl7" "$dir/tavrix.cl7" && echo "saved files are identical"
raw=$(awk '{print $1}' "$dir/raw.log" | median)
ours=$(awk '{print $1}' "$dir/tavrix.log" | median)
rawPeak=$(awk '{print $2}' "$dir/raw.log" | median)
oursPeak=$(awk '{print $2}' "$dir/tavrix.log" | median)
echo "/SAVE of 256 MiB: baseline $raw ms, Tavrix.exe $ours ms," \
    "ratio $(awk "BEGIN {printf \"%.3f\", $ours / $raw}");" \
    "peak resident baseline $((rawPeak / 1024)) MiB, Tavrix.exe $((oursPeak / 1024)) MiB"
