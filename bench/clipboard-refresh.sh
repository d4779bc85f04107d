#!/usr/bin/env bash
# Clipboard refresh benchmark under Wine: another process (cliphelper) fills the clipboard with
# 30 formats totalling 50 MB; then the monitor's refresh (format list, tree, both summaries) and
# a raw baseline (enumerate the formats, fetch each one's size) are timed on the same content.
# Each figure is the median of five rounds after a first one, in a process of its own; three
# runs of each alternate. The machine is shared, so look at all three ratios.
# Two contents: text (Unicode text of 4 MB and 26 named formats; Wine adds formats 1, 7 and 16)
# and other formats only (30 named formats, ten small ones first).
# Target: refresh at most twice the baseline.
set -u
cd "$(dirname "$0")/.."
root=$PWD
build=$root/build/windows
cmake --build --preset windows --target tavrix_win32 cliphelper >/dev/null || exit 1
CXX=x86_64-w64-mingw32-g++-posix
$CXX -std=c++20 -O2 -DUNICODE -D_UNICODE -DWIN32_LEAN_AND_MEAN -DNOMINMAX -D_WIN32_WINNT=0x0601 \
    -DWINVER=0x0601 -DSTRICT -municode -I"$root/src" "$root/bench/ClipboardRefreshBench.cpp" \
    "$build/libtavrix_win32.a" "$build/libtavrix_core.a" -luser32 -lgdi32 -lcomctl32 -lshell32 \
    -ladvapi32 -lversion -lole32 -static -static-libgcc -static-libstdc++ \
    -o "$build/clipboardrefreshbench.exe" || exit 1

data=$(mktemp -d /tmp/tavrix-clipbench.XXXXXX)
trap 'rm -rf "$data"' EXIT
winpath() { echo "Z:${1//\//\\}"; }

# Unicode text: 2 M characters in lines of 64, with the terminating zero.
python3 - "$data/text.bin" <<'PY'
import sys
line = ("Tavrix clipboard benchmark text " * 2)[:62] + "\r\n"
text = (line * (2 * 1024 * 1024 // len(line) + 1))[: 2 * 1024 * 1024 - 1] + "\0"
open(sys.argv[1], "wb").write(text.encode("utf-16-le"))
PY
text_args=("13=@$(winpath "$data/text.bin")")
other_args=()
# Text content: 26 named formats of 1.77 MB each (46 MB); other content: ten of 100..1000 bytes,
# then twenty of 2.5 MB (50 MB).
for i in $(seq 1 26); do
    head -c 1855000 /dev/urandom >"$data/t$i.bin"
    text_args+=("Bench Text Companion $i=@$(winpath "$data/t$i.bin")")
done
for i in $(seq 1 30); do
    if [ "$i" -le 10 ]; then size=$((i * 100)); else size=2621440; fi
    head -c "$size" /dev/urandom >"$data/o$i.bin"
    other_args+=("Bench Other Format $i=@$(winpath "$data/o$i.bin")")
done

run() { "$root/tools/wine-run.sh" "$build/$@" 2>&1 | tr -d '\r'; }
field() { sed -n "s/.*$1 \([0-9.]*\) ms.*/\1/p"; }
measure() { # name args...
    local name=$1
    shift
    # The helper stays alive while the data is read: Wine drops a program's clipboard data
    # shortly after the last process of the session ends.
    "$root/tools/wine-run.sh" "$build/cliphelper.exe" set "$@" sleep 120000 >/dev/null 2>&1 &
    local helper=$!
    local count=0
    for _ in $(seq 1 60); do
        count=$(run cliphelper.exe count)
        [ "$count" = 30 ] && break
        sleep 1
    done
    echo "  $count formats on the clipboard"
    local base refresh part
    for round in 1 2 3; do
        base=$(run clipboardrefreshbench.exe baseline 6)
        refresh=$(run clipboardrefreshbench.exe refresh 6)
        echo "  $base"
        echo "  $refresh"
        awk -v n="$name" -v b="$(field 'median of next [0-9]*' <<<"$base")" \
            -v r="$(field 'median of next [0-9]*' <<<"$refresh")" \
            'BEGIN { printf "  %s: refresh / baseline = %.2f\n", n, r / b }'
    done
    for part in list summary; do
        echo "  $(run clipboardrefreshbench.exe $part 6)"
    done
    kill "$helper" 2>/dev/null
    wait "$helper" 2>/dev/null
}
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "text content:"
measure text "${text_args[@]}"
echo "other formats only:"
measure other "${other_args[@]}"
run cliphelper.exe clear >/dev/null
