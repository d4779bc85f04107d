#!/usr/bin/env bash
# Find over 1 GiB in memory against glibc's memmem over the same bytes in the same run, built
# natively with optimisation (no sanitizers): a 16-byte pattern absent from random bytes (the
# ratio should stay at or below 1.3) and a text with letter case ignored absent from UTF-16 text
# (at or below 3). Prints each time, its speed and the ratio. Needs 1 GiB of free memory.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
out=${TMPDIR:-/tmp}/tavrix-find-bench
mkdir -p "$out"
g++ -std=c++20 -O2 -DNDEBUG -I"$root/src" -o "$out/bench" "$root/bench/FindBench.cpp" \
    "$root"/src/viewer/{FindMatcher,FindPattern,FindTextPattern,CaseFolding,CaseFoldingTable}.cpp \
    "$root"/src/viewer/CodepageSystem.cpp "$root"/src/base/{UiText,Error,TextHelpers}.cpp
"$out/bench"

# The window's answer time while a search over 1 GiB runs, under Wine.
if [ -z "${DISPLAY:-}" ]; then
    run=(xvfb-run -a -s "-screen 0 1280x1024x24")
else
    run=()
fi
(cd "$root" && cmake --preset windows >/dev/null &&
    cmake --build --preset windows --target findresponsivenessbench >/dev/null) || exit 1
export TAVRIX_WINEPREFIX=$root/build/windows/wineprefix
"${run[@]}" "$root/tools/wine-run.sh" "$root/build/windows/findresponsivenessbench.exe" 20 2>&1 |
    tr -d '\r'
WINEPREFIX=$TAVRIX_WINEPREFIX wineserver -k >/dev/null 2>&1 || true
