#!/usr/bin/env bash
# How the window answers while another program is slow to deliver: the worst time the main
# window takes to answer a sent message (20 samples, 100 ms apart) while the reader waits for a
# text whose owner renders it in 15 s, and while it reads a 256 MiB format; the time a close
# takes then, against a plain close in the same run. Targets: answers within 50 ms; a close at
# most 1 s longer than a plain one.
#   bench/slow-owner.sh
set -u
cd "$(dirname "$0")/.."
root=$PWD
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$root/bench/slow-owner.sh" "$@"
fi
cmake --preset windows >/dev/null &&
    cmake --build --preset windows --target Tavrix cliphelper >/dev/null || exit 1
source "$root/tests/e2e/lib.sh"
no_welcome_page
keep_wine_session
now_ms() { echo $(($(date +%s%N) / 1000000)); }
close_time() {
    local start
    start=$(now_ms)
    helper close Tavrix 10 >/dev/null
    tavrix_wait 30
    echo $(($(now_ms) - start))
}
answers() {
    helper answer Tavrix 10 20 100 | tr -d '\r' | sort -n | awk '{a[NR]=$1} END {printf "median %d ms, worst %d ms", a[int((NR+1)/2)], a[NR]}'
}
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"

put_known_clipboard
tavrix_start "$TAVRIX_EXE"
wait_for_window_line "selected: Preview" >/dev/null
echo "nothing to wait for: answers $(answers)"
plain=$(close_time)

helper_background delay 120000 15000 "13=$(utf16_hex 'rendered late')"
helper_line >/dev/null
tavrix_start "$TAVRIX_EXE"
wait_for_window_line "selected: Preview" >/dev/null
echo "a 15 s rendering: answers $(answers)"
stuck=$(close_time)
helper_end

helper_background ownbig 120000 "Tavrix Big" 256
helper_line >/dev/null
tavrix_start "$TAVRIX_EXE"
wait_for_window_line "selected: Preview" >/dev/null
helper select Tavrix 10 1 "Tavrix Big" >/dev/null &
select_pid=$!
echo "a 256 MiB format: answers $(answers)"
wait "$select_pid"
big=$(close_time)
helper_end
echo "close: plain $plain ms, during the rendering $stuck ms (+$((stuck - plain))), during the 256 MiB read $big ms (+$((big - plain)))"
