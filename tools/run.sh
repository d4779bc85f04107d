#!/usr/bin/env bash
# Builds Tavrix.exe and starts it under Wine; arguments are passed to Tavrix.exe.
# Without a display (DISPLAY unset) it starts a virtual one, takes a screenshot of the program's
# window, saves it as a PNG, prints its path and ends the program.
set -u
cd "$(dirname "$0")/.."
root=$PWD
bash tools/deps.sh || exit 1
cmake --preset windows >/dev/null && cmake --build --preset windows --target Tavrix >/dev/null || exit 1
exe=$root/build/windows/Tavrix.exe

if [ -n "${DISPLAY:-}" ]; then
    exec "$root/tools/wine-run.sh" "$exe" "$@"
fi

shot=${TAVRIX_SCREENSHOT:-$root/build/windows/tavrix-screenshot.png}
export TAVRIX_RUN_EXE=$exe TAVRIX_SHOT=$shot TAVRIX_ROOT=$root
xvfb-run -a -s "-screen 0 1280x900x24" bash -c '
    "$TAVRIX_ROOT/tools/wine-run.sh" "$TAVRIX_RUN_EXE" "$@" &
    pid=$!
    for _ in $(seq 1 60); do
        sleep 0.5
        kill -0 $pid 2>/dev/null || break
        id=$(xwininfo -root -tree 2>/dev/null | grep -m1 "\"Tavrix" | awk "{print \$1}")
        [ -n "$id" ] && break
    done
    if [ -n "${id:-}" ] || kill -0 $pid 2>/dev/null; then
        # Still running without a "Tavrix" window: it shows something else, such as a message
        # box (those have no caption of their own), so take the screen all the same.
        sleep 1.5
        import -window root "$TAVRIX_SHOT" && echo "Screenshot: $TAVRIX_SHOT"
    else
        wait $pid
        echo "Tavrix.exe showed no window (exit code: $?)."
    fi
    WINEPREFIX=$TAVRIX_ROOT/build/windows/wineprefix wineserver -k >/dev/null 2>&1
' run "$@"
