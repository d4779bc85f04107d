#!/usr/bin/env bash
# "/SAVE <file>": the clipboard saved record by record before "/CLEAR" empties it; a clipboard
# held by another program leaves the old file as it was, with exit code 1; "/QUIET" shows no box
# on an error and still ends with exit code 1.
source "$(dirname "$0")/lib.sh"
need_display

# check_records <file> <text hex> <registered number> <registered hex>: every record complete up
# to the file's end, the text and the registered format with exactly the bytes put there.
check_records() {
    python3 - "$@" <<'PY' || fail "records of $1"
import struct, sys
path, text, number, data = sys.argv[1], bytes.fromhex(sys.argv[2]), int(sys.argv[3]), bytes.fromhex(sys.argv[4])
blob = open(path, "rb").read()
records, pos = {}, 0
while pos < len(blob):
    assert pos + 6 <= len(blob), f"header cut at {pos}"
    fmt, size = struct.unpack_from("<HI", blob, pos)
    pos += 6
    assert pos + size <= len(blob), f"record {fmt} cut at {pos}"
    records[fmt] = blob[pos:pos + size]
    pos += size
assert records.get(13) == text, f"text record: {records.get(13)!r}"
assert records.get(number) == data, f"registered record: {records.get(number)!r}"
print("records:", sorted(records))
PY
}

put_known_clipboard
registered=$(helper list | tr -d '\r' | awk -F'\t' '$2 == "Tavrix E2E Format" {print $1}')
[ -n "$registered" ] || fail "the registered format is not on the clipboard"
text_hex=$(utf16_hex 'Tavrix e2e ✓')

step "Tavrix.exe /CLEAR /CLOSE /SAVE backup (saved before the clear, \".cl7\" appended)"
tavrix "$TAVRIX_EXE" /CLEAR /CLOSE /SAVE "$(winname backup)"
expect_eq "exit code of /SAVE" 0 $?
[ -f "$E2E_TMP/backup.cl7" ] || fail "no backup.cl7"
check_records "$E2E_TMP/backup.cl7" "$text_hex" "$registered" 00ff10
expect_eq "formats after the clear" 0 "$(helper count)"

step "Tavrix.exe /SAVE empty.cl7 /CLOSE on an empty clipboard"
tavrix "$TAVRIX_EXE" /SAVE "$(winname empty.cl7)" /CLOSE
expect_eq "exit code of an empty save" 0 $?
expect_eq "size of the empty save" 0 "$(stat -c %s "$E2E_TMP/empty.cl7")"

step "/SAVE while another program holds the clipboard"
put_known_clipboard
cp "$E2E_TMP/backup.cl7" "$E2E_TMP/before.cl7"
helper_background hold 60000
expect_eq "helper output" holding "$(helper_line)"
tavrix_start "$TAVRIX_EXE" /SAVE "$(winname backup.cl7)" /CLOSE
box=$(helper dialog 30)
echo "$box"
grep -q "^text: Cannot save the clipboard to \".*backup.cl7\": Cannot open clipboard" <<<"$box" ||
    fail "no error box naming the file and the reason"
tavrix_wait 30
expect_eq "exit code of the refused save" 1 "$tavrix_status"
cmp -s "$E2E_TMP/before.cl7" "$E2E_TMP/backup.cl7" || fail "the refused save changed the file"

step "Tavrix.exe /QUIET /SAVE /CLOSE while held: no box, the error on standard error"
tavrix_start "$TAVRIX_EXE" /QUIET /SAVE "$(winname backup.cl7)" /CLOSE \
    2>"$E2E_TMP/stderr.txt"
expect_eq "box under /QUIET" "no dialog" "$(helper dialog 6 | tr -d '\r')"
tavrix_wait 30
expect_eq "exit code under /QUIET" 1 "$tavrix_status"
grep -q "Cannot save the clipboard to" "$E2E_TMP/stderr.txt" || fail "no error on standard error"
cmp -s "$E2E_TMP/before.cl7" "$E2E_TMP/backup.cl7" || fail "the refused quiet save changed the file"
helper_end

step "Tavrix.exe /QUIET /SAVE (no file name): no box, exit code 1"
tavrix_start "$TAVRIX_EXE" /QUIET /SAVE 2>"$E2E_TMP/stderr.txt"
expect_eq "box under /QUIET" "no dialog" "$(helper dialog 6 | tr -d '\r')"
tavrix_wait 30
expect_eq "exit code of a missing name" 1 "$tavrix_status"
grep -q "Missing file name after /SAVE" "$E2E_TMP/stderr.txt" || fail "no error on standard error"
echo PASS
