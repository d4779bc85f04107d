#!/usr/bin/env bash
# tavrix-cl7 diff on files made here byte by byte: a registered format matched by its name under
# another number, standard formats by number, a difference past the first piece read and one in
# length, formats on one side only, --brief, and the exit codes of equal files, different ones, a
# cut record and a missing file.
#   cl7_diff.sh <path of tavrix-cl7>
set -u
. "$(dirname "$0")/lib.sh" "$1" tavrix-cl7-diff

python3 <<'PY' || fail "cannot write the files"
import struct
def rec(fmt, data): return struct.pack("<HI", fmt, len(data)) + data
def table(*entries):
    body = b"".join(struct.pack("<HH", f, len(n)) + n.encode("utf-16-le") for f, n in entries)
    return rec(0, b"CL7N" + struct.pack("<HH", 1, len(entries)) + body)
big = bytes(range(256)) * 3000  # 768000 bytes: the change lies past the first piece
changed = bytearray(big); changed[700000] ^= 1; changed[700002] ^= 1
a = (table((0xC101, "Tavrix Diff")) + rec(13, "hi\0".encode("utf-16-le")) + rec(0xC101, b"abc")
     + rec(2, big) + rec(1, b"abc") + rec(7, b"x"))
b = (table((0xC277, "Tavrix Diff")) + rec(0xC101, b"other") + rec(1, b"abcd") + rec(2, changed)
     + rec(0xC277, b"abc") + rec(13, "hi\0".encode("utf-16-le")))
open("a.cl7", "wb").write(a)
open("b.cl7", "wb").write(b)
open("cut.cl7", "wb").write(b[:-1])
PY
t=$'\t'

expect 1 "13${t}Unicode Text Format${t}same
49409/49783${t}Tavrix Diff${t}same
2${t}Bitmap${t}differs: 768000 bytes / 768000 bytes, first difference at offset 700000 (0xAAE60), 2 bytes differ
1${t}Text${t}differs: 3 bytes / 4 bytes, first difference at offset 3 (0x3), 1 bytes differ
7${t}OEM Text${t}only in A
49409${t}${t}only in B
2 same, 2 differ, 1 only in A, 1 only in B" "diff of two files" diff a.cl7 b.cl7
expect 1 "2 same, 2 differ, 1 only in A, 1 only in B" "--brief" diff --brief a.cl7 b.cl7
expect 0 "13${t}Unicode Text Format${t}same
49409${t}Tavrix Diff${t}same
2${t}Bitmap${t}same
1${t}Text${t}same
7${t}OEM Text${t}same
5 same, 0 differ, 0 only in A, 0 only in B" "a file against itself" diff a.cl7 a.cl7
expect 2 "cut.cl7: Incomplete record at offset 768076: 6 bytes of data, 5 left." \
    "a cut record" diff a.cl7 cut.cl7 --brief
expect 2 "Cannot open file \"missing.cl7\". No such file." "a missing file" diff missing.cl7 a.cl7
expect 2 "$("$cl7" 2>&1)" "one file only" diff a.cl7
echo PASS
