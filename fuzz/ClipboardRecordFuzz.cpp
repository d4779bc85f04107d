// Fuzz target: the clipboard file reader on arbitrary bytes, over an in-memory clipboard. Checks
// that no block larger than the input is ever asked for, that every placed block holds exactly
// the bytes of its record, and that saving what was loaded and loading that again gives the
// same clipboard.
#include "base/Support.h"
#include "base/SupportPlatform.h"
#include "clipboard/ClipboardFileReader.h"
#include "clipboard/ClipboardFileWriter.h"
#include "clipboard/ClipboardPicture.h"
#include "clipboard/MemoryDataStream.h"

#include <cstdlib>
#include <cstring>
#include <map>
#include <utility>
#include <vector>

namespace {

using namespace tavrix;

class QuietPlatform : public SupportPlatform {
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

// Formats in the order they were first set; setting one again replaces its data.
class MemoryClipboard : public ClipboardBackend {
public:
    explicit MemoryClipboard(std::size_t inputSize) : inputSize_(inputSize) {}
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
    ClipFormat RegisterFormat(const std::wstring&) override { return 0; }
    std::wstring RegisteredFormatName(ClipFormat) override { return {}; }
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
    bool open_ = false;
};

// What the reader must end with: the last complete record of each format, in the order each
// format first appeared, from the records up to the first incomplete one.
std::map<ClipFormat, std::vector<std::uint8_t>> ExpectedFormats(const std::uint8_t* data,
                                                                std::size_t size) {
    std::map<ClipFormat, std::vector<std::uint8_t>> expected;
    std::size_t at = 0;
    while (size - at >= 6) {
        const ClipFormat format = static_cast<ClipFormat>(data[at] | (data[at + 1] << 8));
        std::uint32_t n = 0;
        std::memcpy(&n, data + at + 2, 4); // little-endian hosts only
        at += 6;
        if (n > size - at) {
            break;
        }
        if (n > 0 && format != 0 && format != cf::Bitmap && format != cf::EnhMetafile) {
            expected[format].assign(data + at, data + at + n);
        }
        at += n;
    }
    return expected;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QuietPlatform platform;
    InstallSupportPlatform(&platform);
    InitSupport(false, VersionFlags{true, true});

    MemoryClipboard clipboard(size);
    ClipboardPort port(clipboard);
    MemoryDataStream input(std::vector<std::uint8_t>(data, data + size));
    if (!LoadClipboardFromStream(port, input) || port.Depth() != 0) {
        std::abort();
    }
    const auto expected = ExpectedFormats(data, size);
    if (expected.size() != clipboard.entries.size()) {
        std::abort();
    }
    for (const auto& [format, bytes] : clipboard.entries) {
        auto it = expected.find(format);
        if (it == expected.end() || it->second != bytes) {
            std::abort();
        }
    }

    // Save and load again: the same clipboard comes back.
    MemoryDataStream saved;
    if (!SaveClipboardToStream(port, saved, MaxSavedFormatSize)) {
        std::abort();
    }
    const auto first = clipboard.entries;
    MemoryClipboard again(saved.Size());
    ClipboardPort againPort(again);
    saved.Seek(0);
    if (!LoadClipboardFromStream(againPort, saved) || again.entries != first) {
        std::abort();
    }
    return 0;
}
