#!/usr/bin/env bash
# "/CLEAR" while another program holds the clipboard: an error box with "Cannot open clipboard",
# exit code 1, no window, and the clipboard keeps its content.
source "$(dirname "$0")/lib.sh"
need_display

put_known_clipboard
before=$(helper list)

# The holder holds far longer than any start of Tavrix.exe takes; it is ended once the box is read.
release_holder() {
    kill "$holder" 2>/dev/null
    wait "$holder" 2>/dev/null
}

step "another program holds the clipboard"
mkfifo "$E2E_TMP/holder"
"$WINE_RUN" "$CLIPHELPER_EXE" hold 60000 >"$E2E_TMP/holder" &
holder=$!
e2e_background+=("$holder")
exec 3<"$E2E_TMP/holder"
read -r -t 30 line <&3
expect_eq "helper output" holding "$line"

step "Tavrix.exe /CLEAR /CLOSE"
tavrix_start "$TAVRIX_EXE" /CLEAR /CLOSE
box=$(helper dialog 30)
echo "$box"
grep -qx "text: Cannot open clipboard" <<<"$box" || fail "no error box with the text"
tavrix_wait 30
expect_eq "exit code after the error" 1 "$tavrix_status"

release_holder
exec 3<&-
expect_eq "clipboard after the refused clear" "$before" "$(helper list)"

step "Tavrix.exe /CLEAR (ends after the error instead of opening its window)"
"$WINE_RUN" "$CLIPHELPER_EXE" hold 60000 >"$E2E_TMP/holder" &
holder=$!
e2e_background+=("$holder")
exec 3<"$E2E_TMP/holder"
read -r -t 30 line <&3
expect_eq "helper output" holding "$line"
tavrix_start "$TAVRIX_EXE" /CLEAR
helper dialog 30 | grep -qx "text: Cannot open clipboard" || fail "no error box for /CLEAR"
tavrix_wait 30
expect_eq "exit code after the error" 1 "$tavrix_status"
release_holder
echo PASS
