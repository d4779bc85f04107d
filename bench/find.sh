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
    "$root"/src/viewer/CodepageSystem.cpp "$root"/src/base/{UiText,Error}.cpp
"$out/bench"

# The window's responsiveness while a search runs (time from input to paint) is measured by the
# window's own benchmark, which goes here.
echo "window responsiveness during a search: not measured here yet"
