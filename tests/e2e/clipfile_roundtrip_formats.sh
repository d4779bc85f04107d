#!/usr/bin/env bash
# One clipboard with every kind of data a user copies (text, Unicode text, HTML, RTF, a DIB, a
# DIBV5 with alpha, a PNG, an enhanced metafile, a file list and a private registered format):
# "/SAVE", "/CLEAR", load, "/SAVE" again. The two files are equal byte for byte, and every
# format reads back as it was put (the enhanced metafile by its bits). The formats Wine makes of
# the others are listed below and compared through the files. tavrix-cl7 lists the metafiles as
# pictures and extracts them as .emf and .wmf files.
source "$(dirname "$0")/lib.sh"

cl7() {
    timeout 60 "$WINE_RUN" "$CL7_EXE" "$@"
}

# Formats Wine makes from those put: OEM text and the locale from the texts, the bitmap from the
# DIB, the metafile picture from the enhanced metafile. (The bitmap is a handle and not saved.)
synthesized="7 16 2 3"
private='Tavrix Round Trip Private'

python3 - "$E2E_TMP" <<'PY' || fail "cannot write the formats"
import struct, sys, zlib
out = sys.argv[1]
def put(name, data): open(f"{out}/{name}.bin", "wb").write(data)

put("1", b"Tavrix round trip\0")
put("13", "Tavrix round trip \u2713 \U0001d11e\0".encode("utf-16-le"))
fragment = "<p>Tavrix <b>round</b> trip</p>"
head = ("Version:0.9\r\nStartHTML:{:010d}\r\nEndHTML:{:010d}\r\n"
        "StartFragment:{:010d}\r\nEndFragment:{:010d}\r\n")
size = len(head.format(0, 0, 0, 0))
body = "<html><body><!--StartFragment-->" + fragment + "<!--EndFragment--></body></html>"
start = size + body.index(fragment)
put("html", (head.format(size, size + len(body), start, start + len(fragment)) + body).encode() + b"\0")
put("rtf", b"{\\rtf1\\ansi Tavrix {\\b round} trip\\par}\0")
# 2 x 2, 24 bits, rows padded to four bytes
put("8", struct.pack("<IiiHHIIiiII", 40, 2, 2, 1, 24, 0, 16, 2835, 2835, 0, 0)
    + bytes([0, 0, 255, 0, 255, 0, 0, 0, 255, 0, 0, 255, 255, 255, 0, 0]))
# 2 x 2, 32 bits with alpha in a version 5 header (masks in the header, sRGB)
v5 = struct.pack("<IiiHHIIiiII", 124, 2, 2, 1, 32, 3, 16, 2835, 2835, 0, 0)
v5 += struct.pack("<IIII", 0xFF0000, 0xFF00, 0xFF, 0xFF000000) + struct.pack("<I", 0x73524742)
v5 += bytes(36 + 12) + struct.pack("<IIII", 4, 0, 0, 0)
assert len(v5) == 124
put("17", v5 + bytes([0, 0, 255, 255, 0, 255, 0, 128, 255, 0, 0, 64, 0, 0, 0, 0]))
def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
raw = b"".join(b"\0" + bytes([255, 0, 0, 255, 0, 0, 255, 128]) for _ in range(2))
put("png", b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", 2, 2, 8, 6, 0, 0, 0))
    + chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))
# An enhanced metafile: its header, a rectangle, an ellipse, the end
def emr(kind, payload): return struct.pack("<II", kind, 8 + len(payload)) + payload
records = [emr(43, struct.pack("<iiii", 10, 10, 90, 40)), emr(42, struct.pack("<iiii", 20, 5, 80, 45)),
           emr(14, struct.pack("<III", 0, 16, 20))]
total = 108 + sum(map(len, records))
header = emr(1, struct.pack("<iiii", 0, 0, 99, 49) + struct.pack("<iiii", 0, 0, 2645, 1322)
             + struct.pack("<IIIIHHIIIiiii", 0x464D4520, 0x10000, total, len(records) + 1, 1, 0,
                           0, 0, 0, 1024, 768, 320, 240)
             + struct.pack("<IIIii", 0, 0, 0, 320000, 240000))
assert len(header) == 108
put("14", header + b"".join(records))
put("15", struct.pack("<IiiII", 20, 0, 0, 0, 1) + "C:\\a.txt\0C:\\b c.txt\0\0".encode("utf-16-le"))
put("private", bytes([0, 1, 2, 0xFF, 0x7F]))
PY

keep_wine_session
# format number or name, file of its data
put=(1 13 "HTML Format" "Rich Text Format" 8 17 PNG 14 15 "$private")
files=(1 13 html rtf 8 17 png 14 15 private)
args=()
for i in "${!put[@]}"; do
    args+=("${put[$i]}=@$(winname "${files[$i]}.bin")")
done
helper set "${args[@]}" || fail "the helper could not set the clipboard"
# A metafile picture's block holds a handle: its size is Wine's business (24 bytes when Wine made
# the picture in the reading process, the picture's block with the metafile's bits when another
# process placed it).
formats() {
    helper list | tr -d '\r' | awk -F'\t' -v OFS='\t' '$1 == 3 {$3 = "handle"} {print}'
}
before=$(formats)
echo "$before"
for format in $synthesized; do
    grep -q "^$format	" <<<"$before" || fail "Wine did not make format $format"
done

step "Tavrix.exe /SAVE first.cl7 /CLOSE"
tavrix "$TAVRIX_EXE" /SAVE "$(winname first.cl7)" /CLOSE
expect_eq "exit code of the first save" 0 $?
step "Tavrix.exe /CLEAR /CLOSE"
tavrix "$TAVRIX_EXE" /CLEAR /CLOSE
expect_eq "formats after the clear" 0 "$(helper count | tr -d '\r')"
step "Tavrix.exe first.cl7 /CLOSE"
tavrix "$TAVRIX_EXE" "$(winname first.cl7)" /CLOSE
expect_eq "exit code of the load" 0 $?
after=$(formats)
expect_eq "the formats after the load (number, name, size)" "$before" "$after"

echo "format | put | read back | equal"
status=0
for i in "${!put[@]}"; do
    file=${files[$i]}
    helper get "${put[$i]}" "$(winname "back-$file.bin")" || fail "cannot read back ${put[$i]}"
    equal=yes
    cmp -s "$E2E_TMP/$file.bin" "$E2E_TMP/back-$file.bin" || { equal=no; status=1; }
    echo "${put[$i]} | $(stat -c %s "$E2E_TMP/$file.bin") | $(stat -c %s "$E2E_TMP/back-$file.bin") | $equal"
done
for format in $synthesized; do
    echo "$format (made by Wine) | - | $(awk -F'\t' -v f="$format" '$1 == f {print $3}' <<<"$after") | through the files"
done
[ "$status" = 0 ] || fail "a format came back changed"

step "Tavrix.exe /SAVE second.cl7 /CLOSE"
tavrix "$TAVRIX_EXE" /SAVE "$(winname second.cl7)" /CLOSE
expect_eq "exit code of the second save" 0 $?
cmp "$E2E_TMP/first.cl7" "$E2E_TMP/second.cl7" || fail "the second save differs from the first"
echo "files: $(stat -c %s "$E2E_TMP/first.cl7") bytes each, equal"

step "tavrix-cl7 list and extract of the metafiles"
listing=$(cl7 list "$(winname first.cl7)" | tr -d '\r')
echo "$listing"
t=$'\t'
emf_size=$(stat -c %s "$E2E_TMP/14.bin")
grep -qxF "0${t}picture Enhanced Metafile ($emf_size bytes of metafile)${t}$((emf_size + 8))" \
    <<<"$listing" || fail "no picture line for the enhanced metafile"
grep -q "^0${t}picture Metafile Picture Format ([0-9]* bytes of metafile)${t}" <<<"$listing" ||
    fail "no picture line for the metafile picture"
cl7 extract "$(winname first.cl7)" 14 "$(winname out.emf)" || fail "extract of 14"
cmp -s "$E2E_TMP/14.bin" "$E2E_TMP/out.emf" || fail "the .emf differs from the metafile put"
cl7 extract "$(winname first.cl7)" "Metafile Picture Format " "$(winname out.wmf)" ||
    fail "extract of 3"
python3 - "$E2E_TMP/first.cl7" "$E2E_TMP/out.wmf" <<'PY' || fail "the .wmf"
import struct, sys
blob, wmf = open(sys.argv[1], "rb").read(), open(sys.argv[2], "rb").read()
pos, bits = 0, None
while pos < len(blob):
    fmt, size = struct.unpack_from("<HI", blob, pos)
    data = blob[pos + 6:pos + 6 + size]
    if fmt == 0 and data[:4] == b"CL7P" and struct.unpack_from("<H", data, 6)[0] == 3:
        mm, cx, cy = struct.unpack_from("<iii", data, 8)
        bits = data[20:]
    pos += 6 + size
words = struct.unpack_from("<11H", wmf)
assert words[0] | words[1] << 16 == 0x9AC6CDD7, "placeable key"
checksum = 0
for w in words[:10]:
    checksum ^= w
assert checksum == words[10], "checksum"
left, top, right, bottom = struct.unpack_from("<hhhh", wmf, 6)
assert left < right and top < bottom, (left, top, right, bottom)
assert wmf[22:] == bits, "bits"
print(f"wmf: mapping mode {mm}, extents {cx} x {cy}, box {left},{top} to {right},{bottom}, "
      f"{words[7]} units per inch, {len(bits)} bytes of metafile")
PY
echo PASS
