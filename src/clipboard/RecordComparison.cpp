#include "clipboard/RecordComparison.h"

#include <algorithm>
#include <functional>
#include <map>

namespace tavrix {

namespace {

constexpr std::size_t kPiece = 256 * 1024;

// Fills a piece with the next bytes of one side; false when that side has fewer.
using PieceReader = std::function<bool(std::span<std::uint8_t>)>;

bool ReadPiece(DataStream& stream, std::span<std::uint8_t> piece) {
    return ReadFully(stream, piece) == piece.size();
}

std::optional<ByteDifference> Compare(const PieceReader& readA, std::uint64_t sizeA,
                                      const PieceReader& readB, std::uint64_t sizeB) {
    ByteDifference difference{.sizeA = sizeA, .sizeB = sizeB};
    std::vector<std::uint8_t> pieceA(kPiece);
    std::vector<std::uint8_t> pieceB(kPiece);
    const std::uint64_t common = std::min(sizeA, sizeB);
    bool found = false;
    for (std::uint64_t done = 0; done < common;) {
        const auto length =
            static_cast<std::size_t>(std::min<std::uint64_t>(kPiece, common - done));
        if (!readA(std::span(pieceA).first(length)) || !readB(std::span(pieceB).first(length))) {
            return std::nullopt;
        }
        for (std::size_t i = 0; i < length; ++i) {
            if (pieceA[i] != pieceB[i]) {
                if (!found) {
                    difference.firstDifference = done + i;
                    found = true;
                }
                ++difference.differing;
            }
        }
        done += length;
    }
    if (sizeA != sizeB) {
        if (!found) {
            difference.firstDifference = common;
        }
        difference.differing += std::max(sizeA, sizeB) - common;
    }
    return difference;
}

} // namespace

bool SameFormat(const ComparedFormat& a, const ComparedFormat& b) {
    if (!a.name.empty() || !b.name.empty()) {
        return a.name == b.name;
    }
    return a.format == b.format;
}

std::vector<FormatPair> PairFormats(const std::vector<ComparedFormat>& a,
                                    const std::vector<ComparedFormat>& b) {
    std::vector<FormatPair> pairs;
    std::vector<bool> taken(b.size(), false);
    for (std::size_t i = 0; i < a.size(); ++i) {
        FormatPair pair{.a = i, .b = {}};
        for (std::size_t j = 0; j < b.size(); ++j) {
            if (!taken[j] && SameFormat(a[i], b[j])) {
                taken[j] = true;
                pair.b = j;
                break;
            }
        }
        pairs.push_back(pair);
    }
    for (std::size_t j = 0; j < b.size(); ++j) {
        if (!taken[j]) {
            pairs.push_back(FormatPair{.a = {}, .b = j});
        }
    }
    return pairs;
}

std::optional<ByteDifference> CompareBytes(DataStream& a, std::uint64_t sizeA, DataStream& b,
                                           std::uint64_t sizeB) {
    return Compare([&](std::span<std::uint8_t> piece) { return ReadPiece(a, piece); }, sizeA,
                   [&](std::span<std::uint8_t> piece) { return ReadPiece(b, piece); }, sizeB);
}

std::optional<ByteDifference> CompareBytes(std::span<const std::uint8_t> a, DataStream& b,
                                           std::uint64_t sizeB) {
    std::size_t at = 0;
    const auto readA = [&](std::span<std::uint8_t> piece) {
        std::copy_n(a.begin() + static_cast<std::ptrdiff_t>(at), piece.size(), piece.begin());
        at += piece.size();
        return true;
    };
    return Compare(
        readA, a.size(), [&](std::span<std::uint8_t> piece) { return ReadPiece(b, piece); }, sizeB);
}

RecordIndex IndexRecords(DataStream& file) {
    ClipboardRecordWalk walk(file);
    std::map<ClipFormat, std::wstring> names;
    for (const NamedFormat& entry : walk.NameTable().entries) {
        names[entry.format] = entry.name;
    }
    RecordIndex index;
    ClipboardRecord record;
    for (;;) {
        switch (walk.Next(record)) {
        case RecordRead::Complete: {
            const auto name = names.find(record.format);
            index.records.push_back(
                {{record.format, name != names.end() ? name->second : std::wstring{}}, record});
            break;
        }
        case RecordRead::End:
            return index;
        case RecordRead::Incomplete:
            index.incomplete = record;
            return index;
        }
    }
}

} // namespace tavrix
