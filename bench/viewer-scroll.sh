#!/usr/bin/env bash
# Viewer scrolling and copy benchmark (wall clock, Release build without sanitizers): thumb
# tracking, Down key and wheel on a 1 GiB generated source against an in-place redraw, and
# copying a 20 MiB selection against reading 16 MiB from the source.
set -u
cd "$(dirname "$0")/.."
root=$PWD
build=$root/build/bench
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTAVRIX_SANITIZE=OFF >/dev/null || exit 1
cmake --build "$build" --target tavrix_core -j2 >/dev/null || exit 1
g++ -std=c++20 -O2 -I"$root/src" "$root/bench/ViewerScrollBench.cpp" "$build/libtavrix_core.a" \
    -o "$build/viewerscrollbench" || exit 1
"$build/viewerscrollbench"
