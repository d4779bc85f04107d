#!/usr/bin/env bash
# Big clipboards under Wine: Tavrix.exe is started on a clipboard with one short text (the
# baseline), on one with 500 registered formats, and on one with a 1 GiB format. For each, the
# median over the runs of the time from the process's creation to the first paint (the first
# look at the clipboard, tree and Preview, comes before it; from the start-up probe), and the
# process's peak resident memory while its window is shown.
#   bench/big-clipboard.sh [runs]     (default 5)
set -u
cd "$(dirname "$0")/.."
root=$PWD
runs=${1:-5}
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$root/bench/big-clipboard.sh" "$@"
fi
cmake --preset windows >/dev/null &&
    cmake --build --preset windows --target Tavrix cliphelper >/dev/null || exit 1
build=$root/build/windows
"$root/tools/wine-run.sh" "$build/cliphelper.exe" count >/dev/null || exit 1
export WINEPREFIX=$build/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
wine_bin=$(command -v wine64 || { [ -x /usr/lib/wine/wine64 ] && echo /usr/lib/wine/wine64; } || command -v wine)
work=$(mktemp -d "${TMPDIR:-/tmp}/tavrix-big.XXXXXX")
trap 'rm -rf "$work"; wineserver -k >/dev/null 2>&1' EXIT
probe=$work/probe.txt
"$wine_bin" reg add 'HKCU\Software\Norvane\Tavrix' /v FirstStarted /t REG_DWORD /d 1 /f \
    </dev/null >/dev/null 2>&1

helper() { "$wine_bin" "$build/cliphelper.exe" "$@" </dev/null 2>/dev/null | tr -d '\r'; }
median() {
    sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else printf "%.1f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# one_run: prints "<first paint ms> <peak resident KiB>" for one start on the current clipboard.
one_run() {
    local pid peak
    rm -f "$probe"
    TAVRIX_STARTUP_PROBE="Z:${probe//\//\\}" "$wine_bin" "$build/Tavrix.exe" </dev/null >/dev/null 2>&1 &
    pid=$!
    helper window Tavrix 120 >/dev/null
    sleep 1 # the Preview settles
    peak=$(awk '/^VmHWM:/ { print $2 }' "/proc/$pid/status" 2>/dev/null)
    helper close Tavrix 30 >/dev/null
    wait "$pid"
    printf '%s %s\n' "$(tr -d '\r' <"$probe" | awk '$1 == "first" { print $NF }')" "${peak:-0}"
}

# measure <label>: the medians of the runs on the current clipboard.
measure() {
    local label=$1 results
    one_run >/dev/null # warm-up
    results=$(for ((i = 0; i < runs; i++)); do one_run; done)
    printf '%-22s first paint %7s ms   peak memory %8s KiB   (%s formats)\n' "$label" \
        "$(awk '{ print $1 }' <<<"$results" | median)" "$(awk '{ print $2 }' <<<"$results" | median)" \
        "$(helper count)"
}

echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
helper set 13=480065006c006c006f000000 >/dev/null
measure "one text"

# Short names and data: the whole command line must stay within Windows' 32767 characters.
args=()
for ((i = 0; i < 500; i++)); do
    args+=("TvxBench$i=$(printf '%08x' "$i")")
done
helper set "${args[@]}" >/dev/null
measure "500 formats"

truncate -s 1G "$work/big.bin"
helper set 13=480065006c006c006f000000 "Tavrix bench big block=@$work/big.bin" >/dev/null
rm -f "$work/big.bin"
measure "one 1 GiB format"
helper clear >/dev/null
