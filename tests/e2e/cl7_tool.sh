#!/usr/bin/env bash
# tavrix-cl7.exe on a file that "Tavrix.exe /SAVE" wrote from a text and a registered format
# with a name beyond ASCII: the listing names both, extracting gives back the bytes put on the
# clipboard, the file checks well-formed, and a truncated copy does not.
source "$(dirname "$0")/lib.sh"

cl7() {
    timeout 60 "$WINE_RUN" "$CL7_EXE" "$@"
}

keep_wine_session
name='Tavrix E2E Fórmat ✓'
helper set "13=$(utf16_hex 'Tavrix e2e ✓')" "$name=00ff10" ||
    fail "the helper could not set the clipboard"
registered=$(helper list | tr -d '\r' | awk -F'\t' -v n="$name" '$2 == n {print $1}')
[ -n "$registered" ] || fail "the registered format is not on the clipboard"

step "Tavrix.exe /SAVE saved.cl7 /CLOSE"
tavrix "$TAVRIX_EXE" /SAVE "$(winname saved.cl7)" /CLOSE
expect_eq "exit code of /SAVE" 0 $?

step "tavrix-cl7 list"
cl7 list "$(winname saved.cl7)" >"$E2E_TMP/list.txt"
expect_eq "exit code of list" 0 $?
listing=$(tr -d '\r' <"$E2E_TMP/list.txt")
echo "$listing"
t=$'\t'
grep -qxF "13${t}Unicode Text Format${t}26" <<<"$listing" || fail "no line for the text"
grep -qxF "$registered${t}$name${t}3" <<<"$listing" || fail "no line for the registered format"
grep -q "^0$t" <<<"$listing" && fail "the name table is listed"

step "tavrix-cl7 extract by name and by number"
cl7 extract "$(winname saved.cl7)" "$name" "$(winname named.bin)"
expect_eq "exit code of extract by name" 0 $?
expect_eq "bytes extracted by name" 00ff10 "$(od -An -tx1 "$E2E_TMP/named.bin" | tr -d ' \n')"
cl7 extract "$(winname saved.cl7)" 13 "$(winname text.bin)"
expect_eq "exit code of extract by number" 0 $?
expect_eq "text extracted" "$(utf16_hex 'Tavrix e2e ✓')" \
    "$(od -An -tx1 "$E2E_TMP/text.bin" | tr -d ' \n')"

step "tavrix-cl7 check, whole and truncated"
cl7 check "$(winname saved.cl7)" >/dev/null
expect_eq "exit code of check" 0 $?
head -c -1 "$E2E_TMP/saved.cl7" >"$E2E_TMP/cut.cl7"
cl7 check "$(winname cut.cl7)" 2>"$E2E_TMP/check.txt"
expect_eq "exit code of check on a truncated file" 1 $?
message=$(tr -d '\r' <"$E2E_TMP/check.txt")
grep -q "^Incomplete record at offset [0-9]*: " <<<"$message" || fail "message: $message"
echo PASS
