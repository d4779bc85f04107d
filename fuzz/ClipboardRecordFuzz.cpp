// Fuzz target: the clipboard file reader, its name table and the record walk on arbitrary bytes,
// over an in-memory clipboard. Checks that no block larger than the input is ever asked for, that
// every placed block holds exactly the bytes of its record under the number its name has now, that
// a table that parses encodes back to the same bytes, and that saving what was loaded and loading
// that again gives the same clipboard. Metafile records are records, never a table; this
// clipboard keeps a placed metafile as the data of its record.
#include "base/SystemPlatform.h"
#include "base/SystemServices.h"
#include "clipboard/ClipboardFileReader.h"
#include "clipboard/ClipboardFileWriter.h"
#include "clipboard/ClipboardNameTable.h"
#include "clipboard/ClipboardPicture.h"
#include "clipboard/ClipboardRecords.h"
#include "clipboard/MemoryDataStream.h"
#include "clipboard/MetafileRecord.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <utility>
#include <vector>

namespace {

using namespace tavrix;

class QuietPlatform : public SystemPlatform {
public:
    int ScreenPixelsPerInch() override { return 96; }
    void ShowMessageBox(const std::wstring&, const std::wstring&, unsigned) override {}
    std::uint32_t TickCount() override { return 0; }
    void SleepAlertable(std::uint32_t) override {}
    void ProcessMessages() override {}
    std::wstring ExecutablePath() override { return {}; }
    std::wstring VersionInfoString(const std::wstring&, const std::wstring&) override { return {}; }
    std::wstring NowText() override { return {}; }
    void WriteFile(const std::wstring&, const std::string&) override {}
};

// The names of one session, numbered apart from the file's usual numbers so that a renumbering
// shows.
class NameRegistry {
public:
    ClipFormat Register(const std::wstring& name) {
        if (name.empty() || name.size() > kMaxFormatNameLength) {
            return 0;
        }
        auto it = numbers_.find(name);
        if (it != numbers_.end()) {
            return it->second;
        }
        if (next_ == 0) {
            return 0; // all numbers handed out
        }
        names_[next_] = name;
        return numbers_[name] = next_++;
    }
    std::wstring Name(ClipFormat format) const {
        auto it = names_.find(format);
        return it == names_.end() ? std::wstring{} : it->second;
    }

private:
    std::map<std::wstring, ClipFormat> numbers_;
    std::map<ClipFormat, std::wstring> names_;
    ClipFormat next_ = 0xD000;
};

// Formats in the order they were first set; setting one again replaces its data.
class MemoryClipboard : public ClipboardBackend {
public:
    MemoryClipboard(std::size_t inputSize, NameRegistry& names)
        : inputSize_(inputSize), names_(names) {}
    bool Open() override { return !std::exchange(open_, true); }
    void Close() override { open_ = false; }
    bool Empty() override {
        entries.clear();
        return true;
    }
    bool IsFormatAvailable(ClipFormat format) override { return Find(format) != nullptr; }
    int CountFormats() override { return static_cast<int>(entries.size()); }
    ClipFormat EnumFormats(ClipFormat previous) override {
        if (previous == 0) {
            return entries.empty() ? 0 : entries.front().first;
        }
        for (std::size_t i = 0; i + 1 < entries.size(); ++i) {
            if (entries[i].first == previous) {
                return entries[i + 1].first;
            }
        }
        return 0;
    }
    DataResult ReadData(ClipFormat format, const ByteReader& reader) override {
        const auto* bytes = Find(format);
        if (bytes == nullptr) {
            return DataResult::NoHandle;
        }
        reader(*bytes);
        return DataResult::Read;
    }
    bool SetData(ClipFormat format, std::span<const std::uint8_t> bytes) override {
        if (!open_) {
            std::abort();
        }
        if (format == 0) {
            return false; // like the platform: 0 is no format
        }
        std::vector<std::uint8_t> copy(bytes.begin(), bytes.end());
        if (auto* existing = Find(format)) {
            *existing = std::move(copy);
        } else {
            entries.emplace_back(format, std::move(copy));
        }
        return true;
    }
    bool PlaceData(ClipFormat format, std::size_t size, const BlockFiller& fill) override {
        if (size == 0 || size > inputSize_) {
            std::abort(); // a block the input cannot fill
        }
        std::vector<std::uint8_t> block(size, 0xA5);
        return fill(block) && SetData(format, block);
    }
    // A metafile is kept as its record's data, which the model knows.
    std::optional<SavedMetafile> ReadMetafile(ClipFormat format) override {
        const auto* bytes = Find(format);
        return bytes == nullptr ? std::nullopt : ParseMetafileRecord(*bytes);
    }
    bool PlaceMetafile(const SavedMetafile& metafile) override {
        if (!IsMetafileFormat(metafile.format)) {
            std::abort();
        }
        return SetData(metafile.format, EncodeMetafileRecord(metafile));
    }
    ClipFormat RegisterFormat(const std::wstring& name) override { return names_.Register(name); }
    std::wstring RegisteredFormatName(ClipFormat format) override { return names_.Name(format); }
    void LoadPicture(ClipFormat, bool, ClipboardPicture&) override {}

    std::vector<std::pair<ClipFormat, std::vector<std::uint8_t>>> entries;

private:
    std::vector<std::uint8_t>* Find(ClipFormat format) {
        for (auto& [f, bytes] : entries) {
            if (f == format) {
                return &bytes;
            }
        }
        return nullptr;
    }
    std::size_t inputSize_;
    NameRegistry& names_;
    bool open_ = false;
};

std::uint32_t SizeField(const std::uint8_t* header) {
    std::uint32_t n = 0;
    std::memcpy(&n, header + 2, 4); // little-endian hosts only
    return n;
}

bool IsMetafileRecordData(const std::uint8_t* data, std::uint32_t size) {
    return size >= 4 && std::memcmp(data, "CL7P", 4) == 0;
}

// A first record of format 0 that fits is a name table; numbers of a table that parses go to
// the numbers their names are registered under. Sets at past the table.
std::map<ClipFormat, ClipFormat> ExpectedNumbers(const std::uint8_t* data, std::size_t size,
                                                 NameRegistry& names, std::size_t& at) {
    std::map<ClipFormat, ClipFormat> numbers;
    if (size < 6 || data[0] != 0 || data[1] != 0) {
        return numbers;
    }
    const std::uint32_t n = SizeField(data);
    if (n <= size - 6 && IsMetafileRecordData(data + 6, n)) {
        return numbers; // a record like the others
    }
    if (n == 0 || n > kMaxNameTableSize || n > size - 6) {
        return numbers;
    }
    at = 6 + n;
    const std::span<const std::uint8_t> table(data + 6, n);
    const auto entries = ParseNameTable(table);
    if (!entries) {
        return numbers;
    }
    bool encodable = true;
    for (const NamedFormat& entry : *entries) {
        encodable = encodable && !entry.name.empty() && entry.name.size() <= kMaxFormatNameLength;
        const ClipFormat now = names.Register(entry.name);
        numbers[entry.format] = now != 0 ? now : entry.format;
    }
    const std::vector<std::uint8_t> again = EncodeNameTable(*entries);
    if (encodable && !std::equal(again.begin(), again.end(), table.begin(), table.end())) {
        std::abort();
    }
    return numbers;
}

// What the reader must end with: the last complete record of each format, in the order each
// format first appeared, from the records up to the first incomplete one.
std::map<ClipFormat, std::vector<std::uint8_t>>
ExpectedFormats(const std::uint8_t* data, std::size_t size, NameRegistry& names) {
    std::map<ClipFormat, std::vector<std::uint8_t>> expected;
    std::size_t at = 0;
    const auto numbers = ExpectedNumbers(data, size, names, at);
    while (size - at >= 6) {
        const ClipFormat stored = static_cast<ClipFormat>(data[at] | (data[at + 1] << 8));
        const auto renumbered = numbers.find(stored);
        const ClipFormat format = renumbered == numbers.end() ? stored : renumbered->second;
        const std::uint32_t n = SizeField(data + at);
        at += 6;
        if (n > size - at) {
            break;
        }
        // Format 0 is a metafile's or nothing; a metafile picture's block holds a stale handle.
        const bool stale = format == cf::MetafilePict || format == cf::DspMetafilePict ||
                           format == cf::DspEnhMetafile;
        if (stored == 0) {
            if (const auto metafile = ParseMetafileRecord(std::span(data + at, n))) {
                expected[metafile->format].assign(data + at, data + at + n);
            }
        } else if (n > 0 && format != cf::Bitmap && format != cf::EnhMetafile && !stale) {
            expected[format].assign(data + at, data + at + n);
        }
        at += n;
    }
    return expected;
}

// The record walk that tavrix-cl7 lists from: a complete first record of format 0 is the
// table, well formed exactly when it parses; then every complete record with its offset, and
// the walk ends where the bytes end or at the offset of the first incomplete record.
void CheckWalk(const std::uint8_t* data, std::size_t size) {
    MemoryDataStream stream(std::vector<std::uint8_t>(data, data + size));
    ClipboardRecordWalk walk(stream);
    std::size_t at = 0;
    const FileNameTable& table = walk.NameTable();
    if (size >= 6 && data[0] == 0 && data[1] == 0 && SizeField(data) <= size - 6 &&
        !IsMetafileRecordData(data + 6, SizeField(data))) {
        at = 6 + SizeField(data);
        const bool parses = SizeField(data) > 0 && SizeField(data) <= kMaxNameTableSize &&
                            ParseNameTable(std::span(data + 6, SizeField(data))).has_value();
        if (table.state != (parses ? NameTableState::WellFormed : NameTableState::Malformed)) {
            std::abort();
        }
    } else if (table.state != NameTableState::Absent) {
        std::abort();
    }
    for (;;) {
        ClipboardRecord record;
        const RecordRead read = walk.Next(record);
        if (record.offset != at) {
            std::abort();
        }
        const bool complete = size - at >= 6 && SizeField(data + at) <= size - at - 6;
        if (size == at) {
            if (read != RecordRead::End) {
                std::abort();
            }
            return;
        }
        if (!complete) {
            if (read != RecordRead::Incomplete || walk.Next(record) != RecordRead::End) {
                std::abort();
            }
            return;
        }
        if (read != RecordRead::Complete || record.size != SizeField(data + at) ||
            record.format != (data[at] | (data[at + 1] << 8))) {
            std::abort();
        }
        at += 6 + record.size;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QuietPlatform platform;
    InstallSystemPlatform(&platform);
    InitSystemServices(false, VersionFlags{true, true});
    CheckWalk(data, size);

    // The model registers the table's names first, in the reader's order: the reader then
    // finds them under the same numbers.
    NameRegistry names;
    const auto expected = ExpectedFormats(data, size, names);
    MemoryClipboard clipboard(size, names);
    ClipboardPort port(clipboard);
    MemoryDataStream input(std::vector<std::uint8_t>(data, data + size));
    if (!LoadClipboardFromStream(port, input) || port.Depth() != 0) {
        std::abort();
    }
    if (expected.size() != clipboard.entries.size()) {
        std::abort();
    }
    for (const auto& [format, bytes] : clipboard.entries) {
        auto it = expected.find(format);
        if (it == expected.end() || it->second != bytes) {
            std::abort();
        }
    }

    // Save and load again in the same session: the same clipboard comes back.
    MemoryDataStream saved;
    if (!SaveClipboardToStream(port, saved, MaxSavedFormatSize)) {
        std::abort();
    }
    // Formats under the two names that are never saved drop out.
    auto first = clipboard.entries;
    std::erase_if(first, [&](const auto& entry) {
        const std::wstring name = names.Name(entry.first);
        return name == L"Embed Source" || name == L"Native";
    });
    MemoryClipboard again(saved.Size(), names);
    ClipboardPort againPort(again);
    saved.Seek(0);
    if (!LoadClipboardFromStream(againPort, saved) || again.entries != first) {
        std::abort();
    }
    return 0;
}
