#!/usr/bin/env bash
# Without "/DEBUG" no Log.txt appears beside the program; with it, the log lines of the run land
# in Log.txt beside the program, each "date time : text" and ending in CR LF, and a new run
# starts the file afresh.
source "$(dirname "$0")/lib.sh"
need_display

run_window_briefly() { # <exe> <arguments...>
    tavrix_start "$@"
    helper window "Tavrix " 30 >/dev/null || fail "no window appeared for $*"
    put_known_clipboard # a change while the window is open
    sleep 1
    helper close "Tavrix " 10 >/dev/null || fail "the window went away by itself"
    tavrix_wait 30
    expect_eq "exit code after closing the window ($*)" 0 "$tavrix_status"
}

step "without /DEBUG"
exe=$(tavrix_copy)
tavrix "$exe" /CLEAR /CLOSE
expect_eq "exit code of /CLEAR /CLOSE" 0 $?
run_window_briefly "$exe"
[ -e "$(dirname "$exe")/Log.txt" ] && fail "Log.txt written without /DEBUG"

step "with /DEBUG"
exe=$(tavrix_copy)
log=$(dirname "$exe")/Log.txt
run_window_briefly "$exe" /DEBUG
[ -f "$log" ] || fail "no Log.txt beside the program with /DEBUG"
od -c "$log" | head -5
[ "$(tail -c 2 "$log" | od -An -c | tr -d ' ')" = '\r\n' ] || fail "the log does not end in CR LF"
# Each entry one line: a time stamp, " : " and the entry (a step's name, or an error the
# program went on after, such as its two clipboard threads finding each other holding it).
if grep -qav $'^[^ ].*[0-9].* : [A-Za-z][^\r]*\r$' "$log"; then
    fail "malformed log lines: $(grep -av $'^[^ ].*[0-9].* : [A-Za-z][^\\r]*\r$' "$log" | od -c | head)"
fi
expect_eq "first log line" "NorvaneClipboardDM" "$(head -n1 "$log" | sed 's/^.* : //' | tr -d '\r')"
grep -qa ' : SaveClipboardToFile'$'\r$' "$log" || fail "no refresh logged after a clipboard change"

step "-debug again: the file starts afresh"
printf 'a line of an earlier run\r\n' >"$log"
run_window_briefly "$exe" -debug
grep -qa 'earlier run' "$log" && fail "the log of the earlier run was kept"
expect_eq "first log line" "NorvaneClipboardDM" "$(head -n1 "$log" | sed 's/^.* : //' | tr -d '\r')"
echo PASS
