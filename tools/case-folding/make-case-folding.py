#!/usr/bin/env python3
"""Writes src/viewer/CaseFoldingTable.cpp, the simple case folding of every code point that has
one, as runs of code points folding to code point + delta.

The fold of a character is Python's casefold() when that is one character; otherwise its
lower() when that is one other character (U+1E9E capital sharp s folds to U+00DF); otherwise the
character itself. This is Unicode's simple case folding (statuses C and S) for the characters
the program searches for; full foldings to several characters (U+00DF to "ss") are left out.

    python3 tools/case-folding/make-case-folding.py > src/viewer/CaseFoldingTable.cpp
"""
import sys
import unicodedata


def fold(c):
    f = c.casefold()
    if len(f) == 1:
        return f
    low = c.lower()
    if len(low) == 1:
        return low
    return c


pairs = []
for cp in range(0x110000):
    if 0xD800 <= cp <= 0xDFFF:
        continue
    f = ord(fold(chr(cp)))
    if f != cp:
        pairs.append((cp, f - cp))

# Runs of code points first, first + stride, ... with one delta; stride 1 or 2.
runs = []
for cp, delta in pairs:
    if runs:
        first, count, stride, d = runs[-1]
        last = first + (count - 1) * stride
        if d == delta and count == 1 and cp - first in (1, 2):
            runs[-1] = (first, 2, cp - first, d)
            continue
        if d == delta and count > 1 and cp == last + stride:
            runs[-1] = (first, count + 1, stride, d)
            continue
    runs.append((cp, 1, 1, delta))

out = sys.stdout
out.write("// The simple case folding of every code point that has one, as runs: count code points\n")
out.write("// from first on, stride apart, each folding to itself + delta. Made from Unicode %s by\n"
          % unicodedata.unidata_version)
out.write("// tools/case-folding/make-case-folding.py (Python's unicodedata); do not edit by hand.\n")
out.write('#include "viewer/CaseFolding.h"\n\n')
out.write("namespace tavrix {\n\n")
out.write("// clang-format off\n")
out.write("const CaseFoldRun kCaseFoldRuns[] = {\n")
for first, count, stride, delta in runs:
    out.write("    {0x%05X, %d, %d, %d},\n" % (first, count, stride, delta))
out.write("};\n")
out.write("// clang-format on\n\n")
out.write("const std::size_t kCaseFoldRunCount = sizeof(kCaseFoldRuns) / sizeof(kCaseFoldRuns[0]);\n\n")
out.write("} // namespace tavrix\n")
print("%d code points in %d runs" % (len(pairs), len(runs)), file=sys.stderr)
