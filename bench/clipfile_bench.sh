#!/usr/bin/env bash
# Clipboard file save and load of one 256 MiB registered format plus a text, against a baseline
# that makes only the unavoidable system calls, in the same Wine session; alternating runs,
# medians and ratios. The save is also compared with a raw save that replaces the target through
# a temporary file, as the program must so that a failed save never destroys the old file, and
# the program's save with its progress shown against the same save without. Also one real save at
# the per-format size limit and just below it.
#   bench/clipfile_bench.sh [rounds]     (needs the windows build with the test helper)
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/windows
run() { "$root/tools/wine-run.sh" "$build/clipfilebench.exe" "$@"; }
rounds=${1:-5}
dir=$(mktemp -d /tmp/tavrix-bench.XXXXXX)
source "$root/bench/lib.sh"
keep_wine_session
trap 'kill "$bench_keeper" 2>/dev/null; rm -rf "$dir"' EXIT
win=$(printf 'Z:%s' "$dir" | tr / '\\')

median() { sort -n | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }

# Each run starts with no dirty pages (sync, not timed), and the order alternates: otherwise the
# second program of a pair pays for writing back the first one's 256 MiB.
order() { if ((i % 2)); then printf '%s\n' "$@" | tac; else printf '%s\n' "$@"; fi; }
run setup 256 >/dev/null || exit 1
for ((i = 0; i < rounds; i++)); do
    for mode in $(order save-raw save-raw-replace save-tavrix save-progress); do
        sync
        run "$mode" "$win\\$mode.cl7" | tee -a "$dir/$mode.log"
    done
done
same_records "$dir/save-tavrix.cl7" "$dir/save-raw.cl7"
for ((i = 0; i < rounds; i++)); do
    for mode in $(order load-raw load-tavrix); do
        sync
        run "$mode" "$win\\save-tavrix.cl7" | tee -a "$dir/$mode.log"
    done
done

raw=$(awk '{print $2}' "$dir/save-raw-replace.log" | median)
ours=$(awk '{print $2}' "$dir/save-tavrix.log" | median)
echo "save against a raw save that also replaces the target through a temporary file:" \
    "baseline $raw ms, Tavrix $ours ms, ratio $(awk "BEGIN {printf \"%.3f\", $ours / $raw}")"
raw=$(awk '{print $2}' "$dir/save-tavrix.log" | median)
ours=$(awk '{print $2}' "$dir/save-progress.log" | median)
echo "save with its progress shown against the same save without:" \
    "baseline $raw ms, with progress $ours ms, ratio $(awk "BEGIN {printf \"%.3f\", $ours / $raw}")"
for op in save load; do
    raw=$(awk '{print $2}' "$dir/$op-raw.log" | median)
    ours=$(awk '{print $2}' "$dir/$op-tavrix.log" | median)
    rawPeak=$(awk '{print $7}' "$dir/$op-raw.log" | median)
    oursPeak=$(awk '{print $7}' "$dir/$op-tavrix.log" | median)
    echo "$op: baseline $raw ms, Tavrix $ours ms, ratio $(awk "BEGIN {printf \"%.3f\", $ours / $raw}");" \
        "peak working set baseline $rawPeak MiB, Tavrix $oursPeak MiB"
done
run limit "$win\\limit.cl7"
