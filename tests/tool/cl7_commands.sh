#!/usr/bin/env bash
# tavrix-cl7 on files made here byte by byte: the listing with the file's names and the
# catalogue's, extracting by name and by number, and the exit codes and messages on a truncated
# file, a broken name table, a missing record, a missing file and usage errors.
#   cl7_commands.sh <path of tavrix-cl7>
set -u
. "$(dirname "$0")/lib.sh" "$1" tavrix-cl7

name='Fórmat ✓ 𝄞' # a character beyond the 16-bit range is two units in the table
python3 - "$name" <<'PY' || fail "cannot write the files"
import struct, sys
name = sys.argv[1].encode("utf-16-le")
def rec(fmt, data): return struct.pack("<HI", fmt, len(data)) + data
table = b"CL7N" + struct.pack("<HHHH", 1, 1, 0xC123, len(name) // 2) + name
good = (rec(0, table) + rec(13, "hi\0".encode("utf-16-le")) + rec(0xC123, b"abc")
        + rec(0xC999, b"z") + rec(13, b"x\0"))
open("good.cl7", "wb").write(good)
open("cut.cl7", "wb").write(good[:-1])
open("short.cl7", "wb").write(good + b"\x01\x00\x02")
open("bad.cl7", "wb").write(good.replace(b"CL7N", b"CL7X"))
PY
t=$'\t'
usage="Usage: tavrix-cl7 list FILE | extract FILE FORMAT OUT | check FILE | find FILE PATTERN [--hex] [--icase] [--encoding utf8|utf16|both] [--format N|NAME] | diff A B [--brief]"

expect 0 "13${t}Unicode Text Format${t}6
49443${t}$name${t}3
51609${t}${t}1
13${t}Unicode Text Format${t}2" "list" list good.cl7
expect 0 "Well-formed: 4 records." "check of a whole file" check good.cl7

expect 0 "" "extract by name" extract good.cl7 "$name" named.bin
[ "$(cat named.bin)" = abc ] || fail "extracted by name: $(od -An -tx1 named.bin)"
expect 0 "" "extract by number (the last record of it)" extract good.cl7 0xd number.bin
[ "$(od -An -tx1 number.bin | tr -d ' ')" = 7800 ] || fail "extracted: $(od -An -tx1 number.bin)"
expect 1 "No record of format \"Text\"." "extract of an absent format" extract good.cl7 Text none.bin
[ ! -e none.bin ] || fail "a failed extract created its output"

expect 1 "Incomplete record at offset 68: 2 bytes of data, 1 left." "check of a cut record" \
    check cut.cl7
expect 1 "Incomplete record at offset 76: the header is cut short." "check of a cut header" \
    check short.cl7
expect 1 "13${t}Unicode Text Format${t}6
49443${t}$name${t}3
51609${t}${t}1
Incomplete record at offset 68: 2 bytes of data, 1 left." "list of a cut file" list cut.cl7
expect 0 "" "extract before the cut" extract cut.cl7 51609 before.bin

expect 1 "Malformed name table at offset 0." "check of a broken table" check bad.cl7
# The broken table is a record like any other, and names nothing.
expect 0 "0${t}${t}34
13${t}Unicode Text Format${t}6
49443${t}${t}3
51609${t}${t}1
13${t}Unicode Text Format${t}2" "list with a broken table" list bad.cl7

expect 1 "Cannot open file \"missing.cl7\". No such file." "a missing file" check missing.cl7
expect 2 "$usage" "no arguments"
expect 2 "$usage" "an unknown command" show good.cl7
expect 2 "$usage" "extract without its output" extract good.cl7 13
expect 2 "$usage" "list with two files" list good.cl7 good.cl7
echo PASS
