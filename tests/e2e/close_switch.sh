#!/usr/bin/env bash
# "/CLOSE" ends without a window: alone it leaves the clipboard as it was; with "/CLEAR" the
# clipboard is emptied first. Switches ignore letter case; unknown switches are ignored.
source "$(dirname "$0")/lib.sh"

put_known_clipboard
before=$(helper list)
helper get 13 "$E2E_TMP/before.bin" || fail "cannot read the text back"

step "Tavrix.exe /CLOSE"
start=$(date +%s%N)
tavrix "$TAVRIX_EXE" /CLOSE
expect_eq "exit code of /CLOSE" 0 $?
elapsed_ms=$((($(date +%s%N) - start) / 1000000))
[ "$elapsed_ms" -lt 10000 ] || fail "/CLOSE took $elapsed_ms ms"
expect_eq "clipboard after /CLOSE" "$before" "$(helper list)"
helper get 13 "$E2E_TMP/after.bin" || fail "the text is gone after /CLOSE"
cmp -s "$E2E_TMP/before.bin" "$E2E_TMP/after.bin" || fail "the text changed after /CLOSE"

step "Tavrix.exe /CLEARALL -Close (not the clear switch)"
tavrix "$TAVRIX_EXE" /CLEARALL -Close
expect_eq "exit code" 0 $?
expect_eq "clipboard after /CLEARALL" "$before" "$(helper list)"

step "Tavrix.exe //CLEAR CLEAR /close"
tavrix "$TAVRIX_EXE" //CLEAR CLEAR /close
expect_eq "exit code" 0 $?
expect_eq "clipboard after //CLEAR CLEAR" "$before" "$(helper list)"

step "Tavrix.exe /CLEAR /CLOSE"
tavrix "$TAVRIX_EXE" /CLEAR /CLOSE
expect_eq "exit code of /CLEAR /CLOSE" 0 $?
expect_eq "formats after /CLEAR /CLOSE" 0 "$(helper count)"

step "Tavrix.exe -close -clear (any order, any case)"
put_known_clipboard
tavrix "$TAVRIX_EXE" -close -clear
expect_eq "exit code" 0 $?
expect_eq "formats after -close -clear" 0 "$(helper count)"
echo PASS
