#!/usr/bin/env bash
# Refresh latency benchmark under Wine: the main window in one process, another process puts a
# new Unicode text on the clipboard 20 times; prints the median time from the change to the
# tree and summary showing it (the monitor waits 50 ms to coalesce notifications), and the
# median time of the refresh work itself, with the status bar's facts panel and, in alternate
# rounds of the same run, without it. Targets: the work is a few milliseconds, and the facts
# panel costs at most 1.2 times the work without it.
#   bench/refresh-latency.sh [changes]
set -u
cd "$(dirname "$0")/.."
root=$PWD
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$root/bench/refresh-latency.sh" "$@"
fi
cmake --preset windows >/dev/null &&
    cmake --build --preset windows --target refreshlatencybench cliphelper >/dev/null || exit 1
build=$root/build/windows
export TAVRIX_WINEPREFIX=$build/wineprefix
# No welcome page in the browser when the window is first shown in this prefix.
"$root/tools/wine-run.sh" reg add 'HKCU\Software\Norvane\Tavrix' /v FirstStarted /t REG_DWORD \
    /d 1 /f >/dev/null 2>&1
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
"$root/tools/wine-run.sh" "$build/refreshlatencybench.exe" "${1:-20}" 2>&1 | tr -d '\r'
WINEPREFIX=$build/wineprefix wineserver -k >/dev/null 2>&1
