#!/usr/bin/env bash
# Big clipboards under Wine: Tavrix.exe is started on a clipboard with one short text (the
# baseline), on one with 500 registered formats, and on one with a 1 GiB format. For each, the
# median over the runs of the time from the process's creation to the first paint (the first
# look at the clipboard, tree and Preview, comes before it; from the start-up probe), and the
# process's peak resident memory while its window is shown.
# Then, in one more start on each clipboard, the test helper selects the tree's nodes one after
# the other (sent to the tree, timed until the window has painted again): the text node of the
# first clipboard (the baseline, over 20 rounds), every node of the second, and the 1 GiB node of
# the third, after which the process's peak resident memory is read.
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
. "$root/bench/lib.sh"
"$root/tools/wine-run.sh" "$build/cliphelper.exe" count >/dev/null || exit 1
export WINEPREFIX=$build/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
wine_bin=$(command -v wine64 || { [ -x /usr/lib/wine/wine64 ] && echo /usr/lib/wine/wine64; } || command -v wine)
work=$(mktemp -d "${TMPDIR:-/tmp}/tavrix-big.XXXXXX")
keep_wine_session
trap 'kill "$bench_keeper" 2>/dev/null; rm -rf "$work"; wineserver -k >/dev/null 2>&1' EXIT
probe=$work/probe.txt
"$wine_bin" reg add 'HKCU\Software\Norvane\Tavrix' /v FirstStarted /t REG_DWORD /d 1 /f \
    </dev/null >/dev/null 2>&1

helper() { "$wine_bin" "$build/cliphelper.exe" "$@" </dev/null 2>/dev/null | tr -d '\r'; }
median() {
    sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else printf "%.1f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# start_tavrix: Tavrix.exe on the current clipboard with the start-up probe; its process is $pid,
# its window shown and its Preview settled on return. stop_tavrix closes it.
start_tavrix() {
    rm -f "$probe"
    TAVRIX_STARTUP_PROBE="Z:${probe//\//\\}" "$wine_bin" "$build/Tavrix.exe" </dev/null >/dev/null 2>&1 &
    pid=$!
    helper window Tavrix 120 >/dev/null
    sleep 1 # the Preview settles
}
stop_tavrix() {
    helper close Tavrix 30 >/dev/null
    wait "$pid"
}
# memory_kib <VmHWM|VmRSS>: the process's peak or present resident memory.
memory_kib() {
    awk -v key="$1:" '$1 == key { print $2 }' "/proc/$pid/status" 2>/dev/null
}

# one_run: prints "<first paint ms> <peak resident KiB>" for one start on the current clipboard.
one_run() {
    local peak
    start_tavrix
    peak=$(memory_kib VmHWM)
    stop_tavrix
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

# select_nodes <rounds> [<node>...]: one start on the current clipboard in which every node is
# selected in turn <rounds> times, ending on the node selected at the start ("Preview"), or each
# given node <rounds> times in order; the helper's lines "<ms until painted> TAB <ms until
# selected> TAB <node>", each call's followed by "VmHWM TAB <KiB>" and "VmRSS TAB <KiB>".
select_nodes() {
    local rounds=$1 node
    shift
    start_tavrix
    for node in "${@:-}"; do
        helper select Tavrix 600 "$rounds" ${node:+"$node"}
        printf 'VmHWM\t%s\nVmRSS\t%s\n' "$(memory_kib VmHWM)" "$(memory_kib VmRSS)"
    done
    stop_tavrix
}
# times_of <node> <lines>: the times until painted of the node's selections ("*": every node).
times_of() {
    awk -F'\t' -v node="$1" 'NF == 3 && (node == "*" || $3 == node) { print $1 }' <<<"$2"
}
memory_of() { awk -F'\t' -v key="$1" '$1 == key { print $2 }' <<<"$2"; }
maximum() { sort -n | tail -n 1; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.1f", a / b; else print "-" }'; }

echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
text_node="Unicode Text Format"
helper set 13=480065006c006c006f000000 >/dev/null
measure "one text"
lines=$(select_nodes 20 "$text_node")
base=$(times_of "$text_node" "$lines" | median)
printf '%-22s select the text node  median %7s ms over %s selections\n' "" "$base" \
    "$(times_of "$text_node" "$lines" | wc -l)"

# Short names and data: the whole command line must stay within Windows' 32767 characters.
args=()
for ((i = 0; i < 500; i++)); do
    args+=("TvxBench$i=$(printf '%08x' "$i")")
done
helper set "${args[@]}" >/dev/null
measure "500 formats"
lines=$(select_nodes 1)
typical=$(times_of "*" "$lines" | median)
worst=$(awk -F'\t' 'NF == 3' <<<"$lines" | sort -t$'\t' -k1,1n | tail -n 1)
printf '%-22s select each of %s nodes  median %7s ms (%s x text node)   max %7s ms (%s x, %s)\n' \
    "" "$(times_of "*" "$lines" | wc -l)" "$typical" "$(ratio "$typical" "$base")" "${worst%%$'\t'*}" \
    "$(ratio "${worst%%$'\t'*}" "$base")" "${worst##*$'\t'}"

truncate -s 1G "$work/big.bin"
helper set 13=480065006c006c006f000000 "Tavrix bench big block=@$work/big.bin" >/dev/null
rm -f "$work/big.bin"
measure "one 1 GiB format"
big_node="Tavrix bench big block"
lines=$(select_nodes 1 "$big_node" Preview)
big=$(times_of "$big_node" "$lines")
peak=$(memory_of VmHWM "$lines" | head -n 1)
printf '%-22s select the 1 GiB node  %7s ms (%s x text node; until selected %s ms)\n' "" "$big" \
    "$(ratio "$big" "$base")" "$(awk -F'\t' -v node="$big_node" '$3 == node { print $2 }' <<<"$lines")"
printf '%-22s peak memory after it  %8s KiB = 1 GiB + %s KiB; resident %s KiB, back on Preview %s KiB\n' \
    "" "$peak" "$((${peak:-0} - 1048576))" "$(memory_of VmRSS "$lines" | head -n 1)" \
    "$(memory_of VmRSS "$lines" | tail -n 1)"
start=$(date +%s%N)
helper get "$big_node" NUL >/dev/null && bare=$((($(date +%s%N) - start) / 1000000)) || bare=failed
printf '%-22s the same block read by the test helper (a process started, GetClipboardData): %s ms\n' \
    "" "$bare"
helper clear >/dev/null
