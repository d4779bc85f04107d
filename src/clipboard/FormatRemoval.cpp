#include "clipboard/FormatRemoval.h"

#include "base/Error.h"
#include "base/UiText.h"
#include "clipboard/ClipboardPort.h"

#include <cstdint>
#include <memory>

namespace tavrix {

namespace {

// One format's data, held while the clipboard is emptied: bytes, or a copy of its object.
struct KeptFormat {
    ClipFormat format = 0;
    std::vector<std::uint8_t> bytes;
    std::unique_ptr<ClipboardObjectCopy> object;
};

} // namespace

FormatRemoval RemoveClipboardFormat(ClipboardPort& port, ClipFormat format) {
    FormatRemoval result;
    {
        ClipboardOpen open(port);
        ClipboardBackend& backend = port.Backend();
        std::vector<KeptFormat> kept;
        bool offered = false;
        for (ClipFormat f = backend.EnumFormats(0); f != 0; f = backend.EnumFormats(f)) {
            if (f == format) {
                offered = true;
                continue;
            }
            KeptFormat entry{.format = f, .bytes = {}, .object = nullptr};
            bool read = false;
            if (IsObjectFormat(f)) {
                entry.object = backend.CopyObject(f);
                read = entry.object != nullptr;
            } else {
                read = backend.ReadData(f, [&entry](std::span<const std::uint8_t> block) {
                    entry.bytes.assign(block.begin(), block.end());
                }) == DataResult::Read;
            }
            if (!read) {
                result.unreadable.push_back(f);
            }
            kept.push_back(std::move(entry));
        }
        if (!offered || !result.unreadable.empty()) {
            return result;
        }
        if (!backend.Empty()) {
            throw Error(Tr(L"Cannot empty the clipboard"));
        }
        for (KeptFormat& entry : kept) {
            const bool placed = entry.object
                                    ? backend.PlaceObject(entry.format, std::move(entry.object))
                                    : backend.SetData(entry.format, entry.bytes);
            if (!placed) {
                throw Error(Tr(L"Cannot put format %1 back on the clipboard",
                               {std::to_wstring(entry.format)}));
            }
        }
        result.removed = true;
    }
    // Formats the system makes from others show only once the clipboard is closed.
    result.comesBack = port.Backend().IsFormatAvailable(format);
    return result;
}

} // namespace tavrix
