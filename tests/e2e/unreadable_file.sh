#!/usr/bin/env bash
# A clipboard file named first on the command line that another program keeps locked: an error
# box with the file's own error (its non-ASCII name intact), exit code 1, and the clipboard keeps
# its content.
source "$(dirname "$0")/lib.sh"
need_display

put_known_clipboard
before=$(helper list)
file="$E2E_TMP/Zwischenablage Ω✓.cl7"
# One record: format 1, 4 bytes "abc" and its zero.
printf '\x01\x00\x04\x00\x00\x00abc\x00' >"$file"
winfile="Z:${file//\//\\}"

step "another program locks the file"
helper_background lock "$winfile" 60000
expect_eq "helper output" locked "$(helper_line)"

step "Tavrix.exe <locked file> /CLOSE"
tavrix_start "$TAVRIX_EXE" "$winfile" /CLOSE
box=$(helper dialog 30 | tr -d '\r')
echo "$box"
grep -qF "text: Cannot open file \"$winfile\". " <<<"$box" || fail "no error box with the file's error"
tavrix_wait 30
expect_eq "exit code after the error" 1 "$tavrix_status"
helper_end
exec 3<&-
expect_eq "clipboard after the failed load" "$before" "$(helper list)"
echo PASS
