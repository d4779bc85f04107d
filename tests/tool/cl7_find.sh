#!/usr/bin/env bash
# "tavrix-cl7 find" on a file made here byte by byte: a text found as UTF-8 and as UTF-16 (and
# only at even offsets there), letter case ignored beyond ASCII, a hex pattern with a wildcard,
# the record filter, and the exit codes of nothing found and of a bad pattern.
#   cl7_find.sh <path of tavrix-cl7>
set -u
. "$(dirname "$0")/lib.sh" "$1" tavrix-cl7-find

python3 - <<'PY' || fail "cannot write the file"
import struct
def rec(fmt, data): return struct.pack("<HI", fmt, len(data)) + data
# In the first record "Äb" at offset 1 is no UTF-16 text: it straddles two characters.
open("f.cl7", "wb").write(rec(13, b"x" + "Äb".encode("utf-16-le") + b"y" + " äB".encode("utf-16-le"))
                          + rec(1, "a äb ÄB".encode()))
PY
t=$'\t'
text="13${t}Unicode Text Format"

expect 0 "1${t}Text${t}2" "text in match case" find f.cl7 äb
expect 0 "${text}${t}8
1${t}Text${t}2
1${t}Text${t}6" "letter case ignored, options after the pattern" find f.cl7 äb --icase
expect 0 "1${t}Text${t}2
1${t}Text${t}6" "UTF-8 only, options first" find --icase --encoding utf8 f.cl7 äB
expect 0 "${text}${t}0" "hex with a wildcard" find f.cl7 "?? C4 00" --hex
# The spaces of the second record, "20" before any byte, are left out.
expect 0 "${text}${t}6" "one format by number" find f.cl7 "20 ??" --hex --format 0xd
expect 1 "" "nothing found" find f.cl7 zz
expect 2 "Not a hex digit: G" "a bad hex pattern" find f.cl7 4G --hex
expect 2 "The hex pattern has an odd number of digits." "an odd hex pattern" find f.cl7 414 --hex
echo PASS
