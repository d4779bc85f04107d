#!/usr/bin/env bash
# Start-up benchmark: the size of Tavrix.exe, and the median wall time of "Tavrix.exe /CLOSE"
# against minimalwin.exe (a program that only creates and destroys a window), both under the
# same Wine in one run, alternating, after one warm-up run each.
#   bench/startup.sh [runs]        (default 21 runs of each)
# Without DISPLAY it runs itself on a virtual display, so the baseline's window is real.
# Targets: Tavrix.exe at most 2 MB, time ratio at most 1.5.
set -u
cd "$(dirname "$0")/.."
root=$PWD
runs=${1:-21}

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$root/bench/startup.sh" "$runs"
fi

cmake --preset windows >/dev/null && cmake --build --preset windows --target Tavrix minimalwin >/dev/null || exit 1
build=$root/build/windows
tavrix=$build/Tavrix.exe
minimal=$build/minimalwin.exe

# Start the Wine server (and restart it for this display) through the usual runner, then call
# Wine directly so that the runner's own checks are not timed.
"$root/tools/wine-run.sh" "$minimal" || exit 1
export WINEPREFIX=$build/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
wine_bin=$(command -v wine64 || command -v wine)

time_ms() { # <exe> <arguments...>: wall time of one run in ms (fractional)
    local start end
    start=$(date +%s%N)
    "$wine_bin" "$@" </dev/null >/dev/null 2>&1 || echo "failed: $*" >&2
    end=$(date +%s%N)
    awk -v s="$start" -v e="$end" 'BEGIN { printf "%.1f\n", (e - s) / 1000000 }'
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else printf "%.1f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

time_ms "$tavrix" /CLOSE >/dev/null
time_ms "$minimal" >/dev/null
tavrix_times=()
minimal_times=()
for ((i = 0; i < runs; i++)); do
    tavrix_times+=("$(time_ms "$tavrix" /CLOSE)")
    minimal_times+=("$(time_ms "$minimal")")
done
tavrix_median=$(printf '%s\n' "${tavrix_times[@]}" | median)
minimal_median=$(printf '%s\n' "${minimal_times[@]}" | median)
ratio=$(awk -v t="$tavrix_median" -v m="$minimal_median" 'BEGIN { printf "%.2f", t / m }')
size=$(stat -c %s "$tavrix")

printf 'Tavrix.exe size:            %d bytes (%.2f MB; target <= 2 MB)\n' "$size" "$(awk -v s="$size" 'BEGIN { print s / 1048576 }')"
printf 'Tavrix.exe /CLOSE median:   %s ms over %d runs\n' "$tavrix_median" "$runs"
printf 'minimalwin.exe median:      %s ms over %d runs\n' "$minimal_median" "$runs"
printf 'ratio:                      %s (target <= 1.5)\n' "$ratio"
WINEPREFIX=$build/wineprefix wineserver -k >/dev/null 2>&1
