#!/usr/bin/env bash
# A first parameter naming no file opens the window without a message; the program ends when
# its window is closed.
source "$(dirname "$0")/lib.sh"
need_display

put_known_clipboard
before=$(helper list)

for name in 'C:\no such folder\missing.cl7' "$E2E_TMP/missing.cl7"; do
    step "Tavrix.exe \"$name\""
    tavrix_start "$TAVRIX_EXE" "$name"
    shown=$(helper window "Tavrix " 30) || fail "no window appeared"
    expect_eq "window caption" "window: Tavrix 4.0" "$shown"
    if box=$(helper dialog 2); then
        fail "unexpected message box: $box"
    fi
    helper close "Tavrix " 10 >/dev/null || fail "the window went away by itself"
    tavrix_wait 30
    expect_eq "exit code after closing the window" 0 "$tavrix_status"
    expect_eq "clipboard after a missing file" "$before" "$(helper list)"
done
echo PASS
