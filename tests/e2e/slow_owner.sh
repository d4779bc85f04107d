#!/usr/bin/env bash
# Another program that is slow to deliver its data never freezes the window: it answers, names
# the program it waits for, closes at once and shows the data once it comes; a script gives up
# after its time-out and leaves the file it would have replaced as it was; a large format shows
# its progress.
source "$(dirname "$0")/lib.sh"
need_display
no_welcome_page
keep_wine_session

render_ms=15000
text_hex=$(utf16_hex 'rendered late')

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# close_time: closes the running window as a user would and prints the milliseconds until the
# process has ended.
close_time() {
    local start
    start=$(now_ms)
    helper close Tavrix 10 >/dev/null || fail "no window to close"
    tavrix_wait 30
    [ "$tavrix_status" != timeout ] || fail "the window did not close"
    echo $(($(now_ms) - start))
}

# offer_slowly: a fresh owner whose text is not rendered yet (a rendering stays on the clipboard).
offer_slowly() {
    helper_background delay 120000 "$render_ms" "13=$text_hex"
    expect_eq "helper" owning "$(helper_line)"
}

# worst_answer <samples>: the longest the window took to answer a sent message.
worst_answer() {
    helper answer Tavrix 10 "$1" 100 | tr -d '\r' | sort -n | tail -1
}

step "a plain close, with nothing to wait for"
put_known_clipboard
tavrix_start "$TAVRIX_EXE"
wait_for_window_line "selected: Preview" >/dev/null || fail "the window did not come up"
sleep 1
plain_ms=$(close_time)
echo "plain close: $plain_ms ms"

step "text offered by delayed rendering, $render_ms ms per rendering"
offer_slowly
tavrix_start "$TAVRIX_EXE"
out=$(wait_for_window_line "selected: Preview") || fail "the window did not come up: $out"
waiting=
for _ in $(seq 1 40); do
    # The text over the whole bar (Wine's bar gives it for every panel).
    waiting=$(window_contents | grep -E '^(message|panel 0): ' | head -1 | sed 's/^[^:]*: //')
    case "$waiting" in *Waiting*) break ;; esac
    sleep 0.25
done
echo "$waiting"
grep -Eq '^(Waiting for Unicode Text Format from cliphelper\.exe \(pid [0-9]+\)… [0-9]+ s|Clipboard held by [^ ]+ \(pid [0-9]+\))$' <<<"$waiting" ||
    fail "the wait is not named: $waiting"
window_screenshot slow-owner-waiting
worst=$(worst_answer 20)
echo "worst answer while waiting: $worst ms"
[ "$worst" -le 50 ] || fail "the window took $worst ms to answer while waiting"
out=$(wait_for_window_line "panel 0: Size : 13") || fail "the rendered text was not shown: $out"
close_time >/dev/null
helper_end

step "a close while the reader waits"
offer_slowly
tavrix_start "$TAVRIX_EXE"
wait_for_window_line "selected: Preview" >/dev/null || fail "the window did not come up"
sleep 1
stuck_ms=$(close_time)
echo "close while waiting: $stuck_ms ms (plain: $plain_ms ms)"
[ "$stuck_ms" -le $((plain_ms + 1000)) ] || fail "the close took $stuck_ms ms, plain $plain_ms ms"

helper_end

step "/SAVE /QUIET /TIMEOUT=2 gives up and leaves the old file"
offer_slowly
printf 'the old file' >"$E2E_TMP/kept.cl7"
start=$(now_ms)
tavrix "$TAVRIX_EXE" /SAVE "$(winname kept.cl7)" /QUIET /TIMEOUT=2 /CLOSE 2>"$E2E_TMP/err.txt"
status=$?
elapsed=$(($(now_ms) - start))
echo "exit $status after $elapsed ms: $(tr -d '\r' <"$E2E_TMP/err.txt")"
expect_eq "exit code" 1 "$status"
[ "$elapsed" -le 4000 ] || fail "the save took $elapsed ms to give up"
expect_eq "the old file" "the old file" "$(cat "$E2E_TMP/kept.cl7")"
expect_eq "files beside it" "kept.cl7" "$(cd "$E2E_TMP" && ls | grep -v '^err.txt$\|^helper-output$\|^locale$' | tr '\n' ' ' | sed 's/ $//')"
helper_end

step "/TIMEOUT with a bad value"
tavrix "$TAVRIX_EXE" /SAVE "$(winname bad.cl7)" /QUIET /TIMEOUT=0 /CLOSE 2>"$E2E_TMP/err.txt"
expect_eq "exit code" 1 $?
[ ! -e "$E2E_TMP/bad.cl7" ] || fail "a file was written despite the bad time-out"

step "a 256 MiB format: its progress, and a close during the read"
# A text beside it, so that "Preview" shows the text and the block is first read when selected.
helper_background ownbig 120000 "Tavrix Big" 256 "13=$(utf16_hex 'beside')"
expect_eq "helper" owning "$(helper_line)"
tavrix_start "$TAVRIX_EXE"
wait_for_window_line "panel 0: Size : 6" >/dev/null || fail "the window did not come up"
# The status bar watched from before the selection on: the texts of a read that lasts a second.
helper watch Tavrix 10 8000 >"$E2E_TMP/watch.txt" &
watch_pid=$!
sleep 1.5
helper select Tavrix 10 1 "Tavrix Big" >/dev/null
wait "$watch_pid"
seen=$(tr -d '\r' <"$E2E_TMP/watch.txt")
echo "during the read: $(tr '\n' '|' <<<"$seen")"
grep -Eq '^(Reading Tavrix Big… [0-9]+ %|Waiting for Tavrix Big from cliphelper\.exe \(pid [0-9]+\)… [0-9]+ s)$' <<<"$seen" ||
    fail "no progress shown"
# Selected again (another node first): the block is read anew, and the window closes meanwhile.
helper select Tavrix 10 1 "Tavrix Big" >/dev/null
sleep 0.3
big_ms=$(close_time)
echo "close during the read: $big_ms ms (plain: $plain_ms ms)"
[ "$big_ms" -le $((plain_ms + 1000)) ] || fail "the close took $big_ms ms, plain $plain_ms ms"
helper_end
echo PASS
