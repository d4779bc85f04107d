#!/usr/bin/env bash
# Viewer benchmark: instructions (callgrind) of one jump and one screen drawing in vbmodeHex and
# vbmodeText at the start, middle and end of 1 KiB, 1 MiB and 1 GiB generated sources, with the
# buffer size and the buffer reads per jump. Prints the 1 GiB / 1 KiB ratio of each case.
# The ratio compares the drawing; the jump's cost is the buffer read, bounded by the buffer.
# Targets: ratio at most 1.1, buffer at most 270,000 bytes, at most one buffer read per jump.
set -u
cd "$(dirname "$0")/.."
root=$PWD
build=$root/build/bench
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTAVRIX_SANITIZE=OFF >/dev/null || exit 1
cmake --build "$build" --target tavrix_core -j2 >/dev/null || exit 1
g++ -std=c++20 -O2 -g -I"$root/src" "$root/bench/ViewerBench.cpp" "$build/libtavrix_core.a" \
    -o "$build/viewerbench" || exit 1

count() { # size mode where -> "draw jump info"
    local out info
    out=$(mktemp)
    info=$(valgrind --tool=callgrind --callgrind-out-file="$out" --toggle-collect=Draw \
        --toggle-collect=Jump "$build/viewerbench" "$@" 2>/dev/null)
    local draw jump
    draw=$(callgrind_annotate --inclusive=yes "$out" 2>/dev/null | awk '/[^a-zA-Z_]Draw[ (]|:Draw$|\* .*Draw /{gsub(",","",$1); print $1; exit}')
    jump=$(callgrind_annotate --inclusive=yes "$out" 2>/dev/null | awk '/[^a-zA-Z_]Jump[ (]|:Jump$|\* .*Jump /{gsub(",","",$1); print $1; exit}')
    rm -f "$out"
    echo "$draw $jump $info"
}

printf '%-5s %-6s %-8s %12s %12s  %s\n' mode where size draw jump info
for mode in hex text; do
    for where in start middle end; do
        base=""
        for size in 1024 1048576 1073741824; do
            set -- $(count $size $mode $where)
            printf '%-5s %-6s %-8s %12s %12s  %s\n' $mode $where $size "$1" "$2" "${*:3}"
            [ -z "$base" ] && base=$1
            last=$1
        done
        awk -v a="$last" -v b="$base" -v m=$mode -v w=$where \
            'BEGIN { printf "  %s %s: drawing 1 GiB / 1 KiB = %.3f\n", m, w, a / b }'
    done
done
