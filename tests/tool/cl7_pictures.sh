#!/usr/bin/env bash
# tavrix-cl7 on metafile records made here byte by byte: listed as pictures with the size of
# their bits, extracted as an .emf file (the bits) and a .wmf file (a placeable header whose box
# comes from the metafile's window and whose units per inch from the picture's extents); a
# record whose bits are no metafile is listed as the plain record of format 0 it is.
#   cl7_pictures.sh <path of tavrix-cl7>
set -u
. "$(dirname "$0")/lib.sh" "$1" tavrix-cl7-pictures

python3 - <<'PY' || fail "cannot write the files"
import struct
def rec(fmt, data): return struct.pack("<HI", fmt, len(data)) + data
emf = struct.pack("<II", 1, 88) + bytes(32) + struct.pack("<III", 0x464D4520, 0x10000, 88) + bytes(36)
# header, SetWindowOrg(y=-10, x=-20), SetWindowExt(y=500, x=1000), EOF
body = struct.pack("<IHhh", 5, 0x020B, -10, -20) + struct.pack("<IHhh", 5, 0x020C, 500, 1000)
body += struct.pack("<IH", 3, 0)
wmf = struct.pack("<HHHIHIH", 1, 9, 0x300, (18 + len(body)) // 2, 0, 5, 0) + body
# anisotropic, 5080 x 2540 hundredths of a millimetre: 1000 units in two inches
picture = b"CL7P" + struct.pack("<HHiii", 1, 3, 8, 5080, 2540) + wmf
open("pictures.cl7", "wb").write(rec(13, b"a\0b\0") + rec(0, b"CL7P" + struct.pack("<HH", 1, 14) + emf)
                                 + rec(0, picture) + rec(0, b"CL7P" + struct.pack("<HH", 1, 14) + emf[:-1]))
open("expected.emf", "wb").write(emf)
words = [0xCDD7, 0x9AC6, 0] + [w & 0xFFFF for w in (-20, -10, 980, 490)] + [500, 0, 0]
checksum = 0
for w in words:
    checksum ^= w
open("expected.wmf", "wb").write(struct.pack("<10HH", *words, checksum) + wmf)
PY
t=$'\t'
expect 0 "13${t}Unicode Text Format${t}4
0${t}picture Enhanced Metafile (88 bytes of metafile)${t}96
0${t}picture Metafile Picture Format (44 bytes of metafile)${t}64
0${t}${t}95" "list" list pictures.cl7
expect 0 "" "extract of the enhanced metafile" extract pictures.cl7 14 out.emf
cmp -s out.emf expected.emf || fail "the .emf: $(od -An -tx1 out.emf | head -3)"
expect 0 "" "extract of the metafile picture by name" extract pictures.cl7 \
    "Metafile Picture Format " out.wmf
cmp -s out.wmf expected.wmf || fail "the .wmf: $(od -An -tx1 out.wmf | head -3)"
echo PASS
