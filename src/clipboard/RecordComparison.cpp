#include "clipboard/RecordComparison.h"

#include "base/Error.h"

#include <algorithm>
#include <map>

namespace tavrix {

namespace {

constexpr std::size_t kPiece = 256 * 1024;

// A block in memory read as a stream, so that it is compared the way a file's record is.
class ByteSpanStream final : public DataStream {
public:
    explicit ByteSpanStream(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    std::size_t Read(std::span<std::uint8_t> buffer) override {
        const std::size_t start =
            static_cast<std::size_t>(std::min<std::uint64_t>(position_, bytes_.size()));
        const std::size_t count = std::min(buffer.size(), bytes_.size() - start);
        std::copy_n(bytes_.begin() + static_cast<std::ptrdiff_t>(start), count, buffer.begin());
        position_ = start + count;
        return count;
    }
    void Write(std::span<const std::uint8_t>) override {
        throw Error(L"A block being compared is not written.");
    }
    std::uint64_t Position() const override { return position_; }
    std::uint64_t Size() const override { return bytes_.size(); }
    void Seek(std::uint64_t position) override { position_ = position; }

private:
    std::span<const std::uint8_t> bytes_;
    std::uint64_t position_ = 0;
};

void ReadPiece(DataStream& stream, std::span<std::uint8_t> piece) {
    if (ReadFully(stream, piece) != piece.size()) {
        throw Error(L"The file ended inside a record.");
    }
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

ByteDifference CompareBytes(DataStream& a, std::uint64_t sizeA, DataStream& b,
                            std::uint64_t sizeB) {
    ByteDifference difference{.sizeA = sizeA, .sizeB = sizeB};
    std::vector<std::uint8_t> pieceA(kPiece);
    std::vector<std::uint8_t> pieceB(kPiece);
    const std::uint64_t common = std::min(sizeA, sizeB);
    bool found = false;
    for (std::uint64_t done = 0; done < common;) {
        const auto length =
            static_cast<std::size_t>(std::min<std::uint64_t>(kPiece, common - done));
        ReadPiece(a, std::span(pieceA).first(length));
        ReadPiece(b, std::span(pieceB).first(length));
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

ByteDifference CompareBytes(std::span<const std::uint8_t> a, DataStream& b, std::uint64_t sizeB) {
    ByteSpanStream stream(a);
    return CompareBytes(stream, a.size(), b, sizeB);
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
