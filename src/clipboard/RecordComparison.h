#pragma once
// Comparing clipboard contents record by record: two clipboard files (the tool's diff), or the
// clipboard against a file (the window's Compare with file). Which records are the same format,
// and how two blocks of bytes differ, read in pieces so that neither block is ever whole in memory.
#include "clipboard/ClipboardFormat.h"
#include "clipboard/ClipboardRecords.h"
#include "clipboard/DataStream.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tavrix {

// A format as one side knows it: its number, and its registered name where that side gives one
// (a file's name table, a clipboard's registered format).
struct ComparedFormat {
    ClipFormat format = 0;
    std::wstring name;
};

// The same format on both sides: a named format by its name, since a registered format has
// another number in each logon session (a number without its name says nothing then); formats
// without names by number.
bool SameFormat(const ComparedFormat& a, const ComparedFormat& b);

// The formats of A and B paired: one pair per format of A in A's order (b empty when B lacks it),
// then one per format only in B, in B's order. A format listed more than once on a side is paired
// occurrence by occurrence.
struct FormatPair {
    std::optional<std::size_t> a;
    std::optional<std::size_t> b;
};
std::vector<FormatPair> PairFormats(const std::vector<ComparedFormat>& a,
                                    const std::vector<ComparedFormat>& b);

// How two blocks differ. A byte that only the longer block has counts as a differing one.
struct ByteDifference {
    std::uint64_t sizeA = 0;
    std::uint64_t sizeB = 0;
    std::uint64_t firstDifference = 0; // when any differ
    std::uint64_t differing = 0;       // bytes
    bool Same() const { return differing == 0; }
};

// Compares size bytes of each stream from its position on; nothing when a stream ends early.
// Throws Error when a stream cannot be read.
std::optional<ByteDifference> CompareBytes(DataStream& a, std::uint64_t sizeA, DataStream& b,
                                           std::uint64_t sizeB);
// The same with A's bytes in memory.
std::optional<ByteDifference> CompareBytes(std::span<const std::uint8_t> a, DataStream& b,
                                           std::uint64_t sizeB);

// The records of a clipboard file with their formats as the file names them, the name table
// left out; up to the first record the file's end cuts short, which is kept apart.
struct IndexedRecord {
    ComparedFormat format;
    ClipboardRecord record;
};
struct RecordIndex {
    std::vector<IndexedRecord> records;
    std::optional<ClipboardRecord> incomplete;
};
RecordIndex IndexRecords(DataStream& file);

} // namespace tavrix
