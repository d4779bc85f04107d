#!/usr/bin/env bash
# "/CLEAR" while another program holds the clipboard: an error box with "Cannot open clipboard",
# exit code 1, no window, and the clipboard keeps its content.
source "$(dirname "$0")/lib.sh"
need_display

put_known_clipboard
before=$(helper list)

step "another program holds the clipboard"
hold_clipboard

step "Tavrix.exe /CLEAR /CLOSE"
tavrix_start "$TAVRIX_EXE" /CLEAR /CLOSE
box=$(helper dialog 30)
echo "$box"
grep -qx "text: Cannot open clipboard" <<<"$box" || fail "no error box with the text"
tavrix_wait 30
expect_eq "exit code after the error" 1 "$tavrix_status"

release_holder
expect_eq "clipboard after the refused clear" "$before" "$(helper list)"

step "Tavrix.exe /CLEAR (ends after the error instead of opening its window)"
hold_clipboard
tavrix_start "$TAVRIX_EXE" /CLEAR
helper dialog 30 | grep -qx "text: Cannot open clipboard" || fail "no error box for /CLEAR"
tavrix_wait 30
expect_eq "exit code after the error" 1 "$tavrix_status"
release_holder
echo PASS
