#!/usr/bin/env bash
# Picture benchmark under Wine: a 4000 x 3000 PNG shown by the main window's picture view (decode
# from the clipboard and first paint) against decoding and converting the same bytes alone, in
# one run. Target: ratio at most 1.2.
#   bench/picture.sh [rounds]
set -u
cd "$(dirname "$0")/.."
root=$PWD
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$root/bench/picture.sh" "$@"
fi
cmake --preset windows >/dev/null && cmake --build --preset windows --target picturebench >/dev/null ||
    exit 1
build=$root/build/windows
export TAVRIX_WINEPREFIX=$build/wineprefix
# No welcome page in the browser when the window is first shown in this prefix.
"$root/tools/wine-run.sh" reg add 'HKCU\Software\Norvane\Tavrix' /v FirstStarted /t REG_DWORD \
    /d 1 /f >/dev/null 2>&1
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
"$root/tools/wine-run.sh" "$build/picturebench.exe" "${1:-9}" 2>&1 | tr -d '\r'
WINEPREFIX=$build/wineprefix wineserver -k >/dev/null 2>&1
