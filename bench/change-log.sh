#!/usr/bin/env bash
# Change log benchmark under Wine: another program makes 1,000 changes in 10 s while a clipboard
# monitor runs in the benchmark, once without the change log and once with it writing a /LOG
# file; prints the window thread's time per change for both, and the memory of a row.
#   bench/change-log.sh [changes] [milliseconds]
set -u
cd "$(dirname "$0")/.."
root=$PWD
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$root/bench/change-log.sh" "$@"
fi
cmake --preset windows >/dev/null &&
    cmake --build --preset windows --target changelogbench cliphelper >/dev/null || exit 1
build=$root/build/windows
export TAVRIX_WINEPREFIX=$build/wineprefix
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
"$root/tools/wine-run.sh" "$build/changelogbench.exe" "${1:-1000}" "${2:-10000}" 2>&1 | tr -d '\r'
WINEPREFIX=$build/wineprefix wineserver -k >/dev/null 2>&1
