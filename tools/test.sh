#!/usr/bin/env bash
# Builds the presets and runs every test: the portable core natively (ASan + UBSan), then the
# Win32 adapters, Tavrix.exe and the end-to-end tests under Wine on a virtual display, the
# release package, and a short run of every fuzz target. The clang build of Tavrix.exe and the
# test programs is compiled (warnings are errors) but not run: the gcc build's tests cover the
# same code.
# Full test output goes to build/<preset>/ctest.log; the summaries are printed.
set -u
cd "$(dirname "$0")/.."
bash tools/deps.sh || exit 1
cmake --preset native >/dev/null && cmake --build --preset native || exit 1
cmake --preset windows >/dev/null && cmake --build --preset windows || exit 1
cmake --preset windows-clang >/dev/null && cmake --build --preset windows-clang || exit 1

status=0
summary() { grep -E -A200 '^[0-9]+% tests passed|tests passed,' "$1" | grep -v '^$' || tail -n 20 "$1"; }

echo "== native tests"
ctest --preset native >build/native/ctest.log 2>&1 || status=1
summary build/native/ctest.log

echo "== Windows tests under Wine"
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --preset windows >build/windows/ctest.log 2>&1 || status=1
summary build/windows/ctest.log
WINEPREFIX=$PWD/build/windows/wineprefix wineserver -k >/dev/null 2>&1 || true

# A short run of every fuzz target on its seeds: a finding fails the run.
echo "== fuzz targets, 20 s each"
bash tools/fuzz.sh 20 || status=1

[ $status -eq 0 ] && echo "All tests passed." || echo "Some tests FAILED (details in build/*/ctest.log)."
exit $status
