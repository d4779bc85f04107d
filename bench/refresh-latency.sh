#!/usr/bin/env bash
# Refresh latency benchmark under Wine: the main window in one process, another process puts a
# new Unicode text on the clipboard 20 times; prints the median time from the change to the
# tree and summary showing it (the monitor waits 50 ms to coalesce notifications), and the
# median time of the refresh work itself, with the status bar's facts panel and, in alternate
# rounds of the same run, without it. With a baseline commit, the same benchmark of that commit
# is built beside this one and the two run alternately, three times each: the ratio of their
# median latencies is the cost of what changed (target: at most 1.1).
#   bench/refresh-latency.sh [changes] [baseline commit]
set -u
cd "$(dirname "$0")/.."
root=$PWD
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$root/bench/refresh-latency.sh" "$@"
fi
changes=${1:-20}
baseline=${2:-}
cmake --preset windows >/dev/null &&
    cmake --build --preset windows --target refreshlatencybench cliphelper >/dev/null || exit 1
build=$root/build/windows
export TAVRIX_WINEPREFIX=$build/wineprefix
# No welcome page in the browser when the window is first shown in this prefix.
"$root/tools/wine-run.sh" reg add 'HKCU\Software\Norvane\Tavrix' /v FirstStarted /t REG_DWORD \
    /d 1 /f >/dev/null 2>&1
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
if [ -z "$baseline" ]; then
    "$root/tools/wine-run.sh" "$build/refreshlatencybench.exe" "$changes" 2>&1 | tr -d '\r'
    WINEPREFIX=$build/wineprefix wineserver -k >/dev/null 2>&1
    exit 0
fi

# The baseline's benchmark, built in a worktree of its own, run beside this build's helper.
base_tree=$root/build/baseline-tree
if [ "$(git -C "$base_tree" rev-parse HEAD 2>/dev/null)" != "$(git rev-parse "$baseline")" ]; then
    rm -rf "$base_tree"
    git worktree prune
    git worktree add -f --detach "$base_tree" "$baseline" >/dev/null 2>&1 || exit 1
fi
(cd "$base_tree" && cmake --preset windows >/dev/null &&
    cmake --build --preset windows --target refreshlatencybench >/dev/null) || exit 1
cp "$base_tree/build/windows/refreshlatencybench.exe" "$build/refreshlatencybench-baseline.exe"
latency() { grep -o 'latency median [0-9.]*' | awk '{print $3}'; }
base_runs=() new_runs=()
for run in 1 2 3; do
    b=$("$root/tools/wine-run.sh" "$build/refreshlatencybench-baseline.exe" "$changes" 2>&1 | tr -d '\r' | latency)
    n=$("$root/tools/wine-run.sh" "$build/refreshlatencybench.exe" "$changes" 2>&1 | tr -d '\r' | latency)
    echo "run $run: baseline $b ms, this build $n ms"
    base_runs+=("$b") new_runs+=("$n")
done
median() { printf '%s\n' "$@" | sort -g | sed -n 2p; }
b=$(median "${base_runs[@]}") n=$(median "${new_runs[@]}")
echo "median latency: baseline ($baseline) $b ms, this build $n ms"
awk -v b="$b" -v n="$n" 'BEGIN { printf "ratio this build / baseline: %.2f (target <= 1.1)\n", n / b }'
WINEPREFIX=$build/wineprefix wineserver -k >/dev/null 2>&1
