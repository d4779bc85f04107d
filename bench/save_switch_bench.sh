#!/usr/bin/env bash
# "Tavrix.exe /SAVE" of one 256 MiB registered format plus a text, against the raw save that
# replaces its target through a temporary file (clipfilebench save-raw-replace), in the same Wine
# session. Both are whole processes, timed from outside with their start-up; peak memory is the
# maximum resident set of the process as the host sees it.
# The two alternate in pairs whose order flips every round, each run starting with no dirty
# pages; the ratio reported is the median of the pairs' own ratios, which a machine whose load
# drifts during the run disturbs far less than a ratio of two medians. The load average before and
# after is printed, since other work on the machine still widens the spread. The files go to a
# memory file system when there is one: the disk's write-back is the same for both programs and
# otherwise only scatters the times (TAVRIX_BENCH_DIR chooses another folder).
#   bench/save_switch_bench.sh [rounds]     (needs the windows build with the test helper;
#                                           default 21 rounds)
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/windows
rounds=${1:-21}
mib=256
parent=${TAVRIX_BENCH_DIR:-$([ -d /dev/shm ] && echo /dev/shm || echo /tmp)}
dir=$(mktemp -d "$parent/tavrix-bench.XXXXXX")
source "$root/bench/lib.sh"
keep_wine_session
trap 'kill "$bench_keeper" 2>/dev/null; rm -rf "$dir"' EXIT
win=$(printf 'Z:%s' "$dir" | tr / '\\')

median() { sort -g | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }

# measure <program> <arguments...>: prints "<ms> <peak KiB> <processor ms>" for one run (the
# processor time is the process's own, user and system; Wine's server is not in it).
measure() {
    sync
    /usr/bin/time -f "%e %M %U %S" -o "$dir/time.txt" "$root/tools/wine-run.sh" "$@" >/dev/null ||
        { echo "failed: $*" >&2; exit 1; }
    awk '{printf "%.0f %d %.0f\n", $1 * 1000, $2, ($3 + $4) * 1000}' "$dir/time.txt"
}
raw() { measure "$build/clipfilebench.exe" save-raw-replace "$win\\raw.cl7"; }
ours() { measure "$build/Tavrix.exe" /SAVE "$win\\tavrix.cl7" /CLOSE /QUIET; }

echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
"$root/tools/wine-run.sh" "$build/clipfilebench.exe" setup "$mib" >/dev/null || exit 1
# One pair unmeasured: the first runs fill the page cache and start Wine's services.
raw >/dev/null && ours >/dev/null
for ((i = 0; i < rounds; i++)); do
    if ((i % 2)); then
        t=$(ours) && r=$(raw)
    else
        r=$(raw) && t=$(ours)
    fi
    echo "$r" >>"$dir/raw.log"
    echo "$t" >>"$dir/tavrix.log"
    echo "$t $r" | awk '{printf "%.4f\n", $1 / $4}' >>"$dir/ratio.log"
    echo "$t $r" | awk '{printf "%.4f\n", $3 / ($6 > 0 ? $6 : 1)}' >>"$dir/cpu.log"
    echo "round $((i + 1)): baseline ${r%% *} ms, Tavrix.exe ${t%% *} ms," \
        "ratio $(tail -n 1 "$dir/ratio.log")"
done
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
# What each process holds without saving anything: the peak less this is what the save adds.
rawRest=$(measure "$build/clipfilebench.exe" start none | awk '{print $2}')
oursRest=$(measure "$build/Tavrix.exe" /CLOSE /QUIET | awk '{print $2}')
same_records "$dir/tavrix.cl7" "$dir/raw.cl7"

rawMs=$(awk '{print $1}' "$dir/raw.log" | median)
rawBest=$(awk '{print $1}' "$dir/raw.log" | sort -n | head -n 1)
oursBest=$(awk '{print $1}' "$dir/tavrix.log" | sort -n | head -n 1)
oursMs=$(awk '{print $1}' "$dir/tavrix.log" | median)
ratio=$(median <"$dir/ratio.log")
quartiles=$(sort -g "$dir/ratio.log" | awk '{a[NR]=$1} END {printf "%.3f to %.3f", a[int((NR+3)/4)], a[int((3*NR+3)/4)]}')
rawPeak=$(awk '{print $2}' "$dir/raw.log" | sort -n | tail -n 1)
oursPeak=$(awk '{print $2}' "$dir/tavrix.log" | sort -n | tail -n 1)
echo "/SAVE of $mib MiB, $rounds pairs: baseline median $rawMs ms, Tavrix.exe median $oursMs ms;" \
    "ratio (median of the pairs) $(printf '%.3f' "$ratio"), middle half $quartiles;" \
    "processor time ratio $(median <"$dir/cpu.log" | xargs printf '%.3f');" \
    "fastest runs $rawBest ms and $oursBest ms, ratio $(awk "BEGIN {printf \"%.3f\", $oursBest / $rawBest}")"
echo "peak resident set: baseline $((rawPeak / 1024)) MiB, Tavrix.exe $((oursPeak / 1024)) MiB" \
    "(data $mib MiB); without a save: baseline $((rawRest / 1024)) MiB, Tavrix.exe" \
    "$((oursRest / 1024)) MiB; what the save adds: baseline $(((rawPeak - rawRest) / 1024)) MiB," \
    "Tavrix.exe $(((oursPeak - oursRest) / 1024)) MiB"
