#!/usr/bin/env bash
# Builds the viewer text benchmark natively with optimisation (no sanitizers) and counts its
# instructions per call with callgrind. Prints one line per measurement and the ratios to the
# baselines. Needs valgrind.
set -eu
root="$(cd "$(dirname "$0")/.." && pwd)"
out="${TMPDIR:-/tmp}/tavrix-viewer-text-bench"
mkdir -p "$out"
g++ -std=c++20 -O2 -DNDEBUG -I"$root/src" -I"$root/tests/unit" -o "$out/bench" \
    "$root/bench/ViewerTextBench.cpp" "$root/tests/unit/fakes/IconvCodepageSystem.cpp" \
    "$root"/src/viewer/*.cpp "$root/src/base/Error.cpp" "$root/src/clipboard/ClipboardPort.cpp" \
    "$root/src/clipboard/RegisteredFormats.cpp"
rm -f "$out"/callgrind.out.*
(cd "$out" && valgrind --tool=callgrind --instr-atstart=no --callgrind-out-file=callgrind.out.%p \
    ./bench >/dev/null 2>"$out/valgrind.log")
calls=1000
declare -A per
for f in "$out"/callgrind.out.*.*; do
    name=$(sed -n 's/^desc: Trigger: Client Request: //p' "$f")
    total=$(sed -n 's/^totals: \([0-9]*\).*/\1/p' "$f")
    [ -n "$name" ] || continue
    per[$name]=$((total / calls))
    printf '%-36s %8d instructions per call\n' "$name" "${per[$name]}"
done
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
echo "CodepageToUnicode 1251 / system conversion alone: $(ratio "${per[codepage_to_unicode_1251]}" "${per[baseline_system_conversion_1251]}")"
echo "CodepageToUnicode UTF-8 / system conversion alone: $(ratio "${per[codepage_to_unicode_utf8]}" "${per[baseline_system_conversion_utf8]}")"
echo "PrepareLineText + GetCharExtents / canvas prefix extents alone: $(ratio "${per[prepare_and_extents_300_tabs]}" "${per[baseline_canvas_prefix_extents]}")"
