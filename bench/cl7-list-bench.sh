#!/usr/bin/env bash
# "tavrix-cl7 list" of 1 GiB files against a baseline that only reads each record header with
# one positioned read (Cl7WalkBaseline.cpp), both built natively with optimisation and timed as
# whole processes, alternating. Peak memory is the maximum resident set; it must not grow with
# the file, so a 1 MiB file is listed too. Files are sparse: their data costs no disk.
#   bench/cl7-list-bench.sh [rounds]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
rounds=${1:-5}
dir=$(mktemp -d "${TMPDIR:-/tmp}/tavrix-cl7-bench.XXXXXX")
trap 'rm -rf "$dir"' EXIT

g++ -std=c++20 -O2 -DNDEBUG -I"$root/src" -I"$root/tools/cl7" -o "$dir/tavrix-cl7" \
    "$root"/tools/cl7/{Cl7Tool,Cl7Commands,Cl7Find,RecordNames,PosixMain}.cpp \
    "$root"/src/viewer/{FindMatcher,FindPattern,FindTextPattern,CaseFolding,CaseFoldingTable,CodepageSystem}.cpp \
    "$root"/src/clipboard/{ClipboardRecords,ClipboardNameTable,FormatCatalogue,RegisteredFormats}.cpp \
    "$root"/src/clipboard/{StdFileAccess,BufferedFileStream,DataStream,ClipboardPort}.cpp \
    "$root"/src/base/{Unicode,Error,UiText,TextHelpers}.cpp
g++ -O2 -o "$dir/baseline" "$root/bench/Cl7WalkBaseline.cpp"

# make <file> <total MiB> <record KiB>: a name table, then records of alternating text and one
# registered format; the last one fills the file up to exactly the total size.
make_file() {
    python3 - "$@" <<'PY'
import struct, sys
path, total, record = sys.argv[1], int(sys.argv[2]) << 20, int(sys.argv[3]) << 10
name = "Tavrix Bench Format".encode("utf-16-le")
table = b"CL7N" + struct.pack("<HHHH", 1, 1, 0xC100, len(name) // 2) + name
with open(path, "wb") as f:
    f.write(struct.pack("<HI", 0, len(table)) + table)
    at, i = f.tell(), 0
    while at + 6 < total:
        size = min(record, total - at - 6)
        f.seek(at)
        f.write(struct.pack("<HI", 13 if i % 2 else 0xC100, size))
        at, i = at + 6 + size, i + 1
    f.truncate(total)
PY
}
make_file "$dir/small.cl7" 1 64
make_file "$dir/large-records.cl7" 1024 262144
make_file "$dir/many-records.cl7" 1024 64
cat "$dir"/*.cl7 >/dev/null # into the page cache, for both programs alike

median() { sort -n | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }

# measure <log> <command...>: appends "<microseconds> <peak KiB>" for one run.
measure() {
    local log=$1 start end
    shift
    start=$(date +%s%N)
    /usr/bin/time -f "%M" -o "$dir/peak.txt" "$@" >"$dir/out.txt" 2>&1 ||
        { echo "failed: $*" >&2; exit 1; }
    end=$(date +%s%N)
    echo "$(((end - start) / 1000)) $(cat "$dir/peak.txt")" >>"$log"
}

for file in small large-records many-records; do
    path=$dir/$file.cl7
    for ((i = 0; i < rounds; i++)); do
        measure "$dir/$file.tool" "$dir/tavrix-cl7" list "$path"
        measure "$dir/$file.base" "$dir/baseline" list "$path"
    done
    records=$("$dir/tavrix-cl7" list "$path" | wc -l)
    tool=$(awk '{print $1}' "$dir/$file.tool" | median)
    base=$(awk '{print $1}' "$dir/$file.base" | median)
    peak=$(awk '{print $2}' "$dir/$file.tool" | median)
    basePeak=$(awk '{print $2}' "$dir/$file.base" | median)
    printf '%-13s %5d MiB %6d records: list %7.1f ms, baseline %7.1f ms, ratio %s;' \
        "$file" $(($(stat -c %s "$path") >> 20)) "$records" "${tool}e-3" "${base}e-3" \
        "$(awk "BEGIN {printf \"%.2f\", $tool / $base}")"
    printf ' peak resident %d KiB (baseline %d KiB)\n' "$peak" "$basePeak"
done

# The Windows program under Wine, when the windows build has it: the same files by the same
# measure (Wine's own processes are in the peak).
exe=$root/build/windows/tavrix-cl7.exe
[ -x "$exe" ] || exit 0
export TAVRIX_WINEPREFIX=$root/build/windows/wineprefix
winpath() { printf 'Z:%s' "$1" | tr / '\\'; }
"$root/tools/wine-run.sh" "$exe" check "$(winpath "$dir/small.cl7")" >/dev/null # starts Wine
for file in small large-records many-records; do
    for ((i = 0; i < rounds; i++)); do
        measure "$dir/$file.wine" "$root/tools/wine-run.sh" "$exe" list \
            "$(winpath "$dir/$file.cl7")"
    done
    printf '%-13s tavrix-cl7.exe under Wine: list %7.1f ms; peak resident %d KiB\n' "$file" \
        "$(awk '{print $1}' "$dir/$file.wine" | median)e-3" "$(awk '{print $2}' "$dir/$file.wine" | median)"
done
WINEPREFIX=$TAVRIX_WINEPREFIX wineserver -k
