#include "clipboard/ClipboardNameTable.h"

#include "clipboard/ClipboardBackend.h"

#include <algorithm>

namespace tavrix {

namespace {

constexpr std::uint8_t kMagic[4] = {'C', 'L', '7', 'N'};

void PutU16(std::vector<std::uint8_t>& out, std::uint16_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

// Reads little-endian numbers and stops, for good, at the first one that runs past the data.
class TableReader {
public:
    explicit TableReader(std::span<const std::uint8_t> data) : data_(data) {}
    bool U16(std::uint16_t& value) {
        if (data_.size() - at_ < 2) {
            return false;
        }
        value = static_cast<std::uint16_t>(data_[at_] | (data_[at_ + 1] << 8));
        at_ += 2;
        return true;
    }
    bool Magic() {
        if (data_.size() < sizeof kMagic || !std::equal(kMagic, kMagic + 4, data_.begin())) {
            return false;
        }
        at_ = sizeof kMagic;
        return true;
    }
    bool AtEnd() const { return at_ == data_.size(); }

private:
    std::span<const std::uint8_t> data_;
    std::size_t at_ = 0;
};

} // namespace

std::vector<std::uint8_t> EncodeNameTable(const std::vector<NamedFormat>& entries) {
    std::vector<std::uint8_t> out(kMagic, kMagic + 4);
    PutU16(out, kNameTableVersion);
    PutU16(out, 0); // the count, once known
    std::uint16_t count = 0;
    for (const NamedFormat& entry : entries) {
        if (entry.name.empty() || entry.name.size() > kMaxFormatNameLength || count == 0xFFFF) {
            continue;
        }
        PutU16(out, entry.format);
        PutU16(out, static_cast<std::uint16_t>(entry.name.size()));
        for (wchar_t unit : entry.name) {
            PutU16(out, static_cast<std::uint16_t>(unit));
        }
        ++count;
    }
    out[6] = static_cast<std::uint8_t>(count);
    out[7] = static_cast<std::uint8_t>(count >> 8);
    return out;
}

std::optional<std::vector<NamedFormat>> ParseNameTable(std::span<const std::uint8_t> data) {
    TableReader reader(data);
    std::uint16_t version = 0, count = 0;
    if (data.size() > kMaxNameTableSize || !reader.Magic() || !reader.U16(version) ||
        version != kNameTableVersion || !reader.U16(count)) {
        return std::nullopt;
    }
    std::vector<NamedFormat> entries;
    for (std::uint16_t i = 0; i < count; ++i) {
        NamedFormat entry;
        std::uint16_t length = 0;
        if (!reader.U16(entry.format) || !reader.U16(length)) {
            return std::nullopt;
        }
        entry.name.resize(length);
        for (wchar_t& unit : entry.name) {
            std::uint16_t value = 0;
            if (!reader.U16(value)) {
                return std::nullopt;
            }
            unit = static_cast<wchar_t>(value);
        }
        entries.push_back(std::move(entry));
    }
    if (!reader.AtEnd()) {
        return std::nullopt;
    }
    return entries;
}

FormatNumbers NumbersInThisSession(const std::vector<NamedFormat>& entries,
                                   ClipboardBackend& backend) {
    FormatNumbers numbers;
    for (const NamedFormat& entry : entries) {
        const ClipFormat now = entry.name.empty() ? 0 : backend.RegisterFormat(entry.name);
        numbers[entry.format] = now != 0 ? now : entry.format;
    }
    return numbers;
}

} // namespace tavrix
