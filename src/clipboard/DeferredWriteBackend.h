#pragma once
// The clipboard for code on the window's thread that only writes (the viewer's copy): what it
// puts between its open and its close is collected, and the close hands it to the reader thread
// as one job, so that emptying the clipboard never waits on the program that owned it. Reads
// find nothing; registration and names go to the platform, which answers at once.
#include "clipboard/ClipboardBackend.h"
#include "clipboard/ClipboardReader.h"

#include <functional>
#include <utility>
#include <vector>

namespace tavrix {

class DeferredWriteBackend final : public ClipboardBackend {
public:
    using Submit = std::function<void(ClipboardReader::Work work)>;
    DeferredWriteBackend(ClipboardBackend& platform, Submit submit)
        : platform_(platform), submit_(std::move(submit)) {}

    bool Open() override;
    void Close() override;
    bool Empty() override;
    bool IsFormatAvailable(ClipFormat) override { return false; }
    int CountFormats() override { return 0; }
    ClipFormat EnumFormats(ClipFormat) override { return 0; }
    DataResult ReadData(ClipFormat, const ByteReader&) override { return DataResult::NoHandle; }
    bool SetData(ClipFormat format, std::span<const std::uint8_t> bytes) override;
    ClipFormat RegisterFormat(const std::wstring& name) override {
        return platform_.RegisterFormat(name);
    }
    std::wstring RegisteredFormatName(ClipFormat format) override {
        return platform_.RegisteredFormatName(format);
    }
    void LoadPicture(ClipFormat format, bool withPalette, ClipboardPicture& picture) override;

private:
    struct Batch {
        bool empty = false;
        std::vector<std::pair<ClipFormat, std::vector<std::uint8_t>>> blocks;
    };

    ClipboardBackend& platform_;
    Submit submit_;
    Batch batch_;
};

} // namespace tavrix
