#!/usr/bin/env bash
# Start-up benchmark: the size of Tavrix.exe, and the median wall time of "Tavrix.exe /CLOSE"
# against minimalwin.exe (a program that only creates and destroys a window), both under the
# same Wine in one run, alternating, after one warm-up run each. Then the time until the window
# is shown: Tavrix.exe and "minimalwin.exe show" each run until the test helper, which watches
# for their window every 10 ms, sees it visible and asks it to close.
#   bench/startup.sh [runs]        (default 21 runs of each)
# Where Tavrix's time goes (wWinMain reached, window created, first paint) comes from its start-up
# probe, medians over the window-shown runs.
# Without DISPLAY it runs itself on a virtual display, so the baseline's window is real.
# Targets: Tavrix.exe at most 2 MB, time ratio at most 1.5.
set -u
cd "$(dirname "$0")/.."
root=$PWD
runs=${1:-21}

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$root/bench/startup.sh" "$runs"
fi

cmake --preset windows >/dev/null && cmake --build --preset windows --target Tavrix minimalwin cliphelper >/dev/null || exit 1
build=$root/build/windows
tavrix=$build/Tavrix.exe
minimal=$build/minimalwin.exe

# Start the Wine server (and restart it for this display) through the usual runner, then call
# Wine directly so that the runner's own checks are not timed.
"$root/tools/wine-run.sh" "$minimal" || exit 1
export WINEPREFIX=$build/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
# Debian installs the 64-bit loader as /usr/lib/wine/wine64; its "wine" wrapper would also
# look for the 32-bit one and say so on standard error.
wine_bin=$(command -v wine64 || { [ -x /usr/lib/wine/wine64 ] && echo /usr/lib/wine/wine64; } || command -v wine)

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

# shown_ms <caption prefix> <exe> <arguments...>: time from the start of the program to the
# helper seeing its window visible (the helper then asks it to close).
shown_ms() {
    local caption=$1 helper start seen
    shift
    "$wine_bin" "$build/cliphelper.exe" close "$caption" 60 stamp </dev/null >"$build/seen.txt" 2>&1 &
    helper=$!
    sleep 1 # the helper is watching by now
    start=$(date +%s%N)
    "$wine_bin" "$@" </dev/null >/dev/null 2>&1 || echo "failed: $*" >&2
    wait "$helper"
    seen=$(tr -d '\r' <"$build/seen.txt" | tail -n 1)
    awk -v s="$start" -v e="$seen" 'BEGIN { printf "%.1f\n", e - s / 1000000 }'
}
probe=$build/startup-probe.txt
probe_windows="Z:${probe//\//\\}"
# shown_probed: like shown_ms for Tavrix.exe, with its start-up probe written to $probe.
shown_probed() {
    TAVRIX_STARTUP_PROBE=$probe_windows shown_ms Tavrix "$tavrix"
}
# No welcome page in the browser when the window is first shown in this prefix.
"$wine_bin" reg add 'HKCU\Software\Norvane\Tavrix' /v FirstStarted /t REG_DWORD /d 1 /f \
    </dev/null >/dev/null 2>&1

# One warm-up run of each, then the four kinds in turn.
time_ms "$tavrix" /CLOSE >/dev/null
time_ms "$minimal" >/dev/null
shown_ms Tavrix "$tavrix" >/dev/null
rm -f "$probe"
shown_ms Minimal "$minimal" show >/dev/null
tavrix_times=()
minimal_times=()
tavrix_shown=()
minimal_shown=()
for ((i = 0; i < runs; i++)); do
    tavrix_times+=("$(time_ms "$tavrix" /CLOSE)")
    minimal_times+=("$(time_ms "$minimal")")
    tavrix_shown+=("$(shown_probed)")
    minimal_shown+=("$(shown_ms Minimal "$minimal" show)")
done
tavrix_shown_median=$(printf '%s\n' "${tavrix_shown[@]}" | median)
minimal_shown_median=$(printf '%s\n' "${minimal_shown[@]}" | median)
tavrix_median=$(printf '%s\n' "${tavrix_times[@]}" | median)
minimal_median=$(printf '%s\n' "${minimal_times[@]}" | median)
ratio=$(awk -v t="$tavrix_median" -v m="$minimal_median" 'BEGIN { printf "%.2f", t / m }')
size=$(stat -c %s "$tavrix")

printf 'Tavrix.exe size:            %d bytes (%.2f MB; target <= 2 MB)\n' "$size" "$(awk -v s="$size" 'BEGIN { print s / 1048576 }')"
printf 'Tavrix.exe /CLOSE median:   %s ms over %d runs\n' "$tavrix_median" "$runs"
printf 'minimalwin.exe median:      %s ms over %d runs\n' "$minimal_median" "$runs"
printf 'ratio:                      %s (target <= 1.5)\n' "$ratio"
printf 'Tavrix.exe window shown:    %s ms median over %d runs (start to visible window)\n' "$tavrix_shown_median" "$runs"
printf 'minimalwin.exe show:        %s ms median over %d runs\n' "$minimal_shown_median" "$runs"
printf 'ratio with window shown:    %s\n' "$(awk -v t="$tavrix_shown_median" -v m="$minimal_shown_median" 'BEGIN { printf "%.2f", t / m }')"
for stage in "wWinMain" "window created" "first paint"; do
    printf 'Tavrix.exe %-16s %s ms median after the process was created\n' "$stage:" \
        "$(tr -d '\r' <"$probe" | awk -v s="$stage" 'substr($0, 1, length(s) + 1) == s " " { print $NF }' | median)"
done
WINEPREFIX=$build/wineprefix wineserver -k >/dev/null 2>&1
