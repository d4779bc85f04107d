#!/usr/bin/env bash
# "/CLEAR" while another program holds the clipboard: an error box with "Cannot open clipboard"
# naming the holder when it opened the clipboard for a window (and nothing more when it opened it
# without one), exit code 1, no window, and the clipboard keeps its content.
source "$(dirname "$0")/lib.sh"
need_display

put_known_clipboard
before=$(helper list)

# start_holder <command>: the helper holds the clipboard far longer than any start of Tavrix.exe
# takes; "pid <n>" of it is in $holder_pid. It is ended once the box is read.
start_holder() {
    helper_background pid "$1" 60000
    holder_pid=$(helper_line)
    expect_eq "helper output" holding "$(helper_line)"
}

step "another program holds the clipboard for its window"
start_holder hold

step "Tavrix.exe /CLEAR /CLOSE"
tavrix_start "$TAVRIX_EXE" /CLEAR /CLOSE
box=$(helper dialog 30 | tr -d '\r')
echo "$box"
grep -qx "text: Cannot open clipboard" <<<"$box" || fail "no error box with the text"
grep -qx "Held by $(basename "$CLIPHELPER_EXE") ($holder_pid)" <<<"$box" ||
    fail "the box does not name the holder"
tavrix_wait 30
expect_eq "exit code after the error" 1 "$tavrix_status"

helper_end
expect_eq "clipboard after the refused clear" "$before" "$(helper list)"

step "Tavrix.exe /CLEAR (ends after the error) against a holder without a window"
start_holder holdbare
tavrix_start "$TAVRIX_EXE" /CLEAR
box=$(helper dialog 30 | tr -d '\r')
echo "$box"
expect_eq "the box's text" "text: Cannot open clipboard" "$(grep -A1 '^text:' <<<"$box" | grep -v '^button:')"
tavrix_wait 30
expect_eq "exit code after the error" 1 "$tavrix_status"
helper_end
echo PASS
