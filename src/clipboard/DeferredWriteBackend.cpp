#include "clipboard/DeferredWriteBackend.h"

#include "base/Error.h"
#include "base/UiText.h"
#include "clipboard/ClipboardPort.h"

#include <memory>

namespace tavrix {

bool DeferredWriteBackend::Open() {
    batch_ = {};
    return true;
}

bool DeferredWriteBackend::Empty() {
    batch_.empty = true;
    batch_.blocks.clear();
    return true;
}

bool DeferredWriteBackend::SetData(ClipFormat format, std::span<const std::uint8_t> bytes) {
    batch_.blocks.emplace_back(format, std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    return true;
}

void DeferredWriteBackend::Close() {
    if (!batch_.empty && batch_.blocks.empty()) {
        return;
    }
    auto batch = std::make_shared<Batch>(std::move(batch_));
    batch_ = {};
    submit_([batch](ClipboardPort& clipboard) {
        ClipboardOpen open(clipboard);
        ClipboardBackend& backend = clipboard.Backend();
        if (batch->empty && !backend.Empty()) {
            throw Error(Tr(L"Cannot open clipboard"));
        }
        for (const auto& [format, bytes] : batch->blocks) {
            backend.SetData(format, bytes);
        }
    });
}

void DeferredWriteBackend::LoadPicture(ClipFormat, bool, ClipboardPicture&) {
    throw Error(Tr(L"Invalid clipboard format"));
}

} // namespace tavrix
