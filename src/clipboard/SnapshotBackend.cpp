#include "clipboard/SnapshotBackend.h"

#include "base/Error.h"
#include "base/UiText.h"

namespace tavrix {

SnapshotBackend::SnapshotBackend(ClipboardBackend& platform, PictureCopier copyPicture)
    : platform_(platform), copyPicture_(std::move(copyPicture)),
      snapshot_(std::make_shared<ClipboardSnapshot>()) {}

bool SnapshotBackend::IsFormatAvailable(ClipFormat format) {
    const CapturedFormat* entry = snapshot_->Find(format);
    return entry != nullptr && entry->available;
}

int SnapshotBackend::CountFormats() {
    return static_cast<int>(snapshot_->formats.size());
}

ClipFormat SnapshotBackend::EnumFormats(ClipFormat previous) {
    const auto& formats = snapshot_->formats;
    if (previous == 0) {
        return formats.empty() ? 0 : formats.front().format;
    }
    for (std::size_t i = 0; i + 1 < formats.size(); ++i) {
        if (formats[i].format == previous) {
            return formats[i + 1].format;
        }
    }
    return 0;
}

DataResult SnapshotBackend::ReadData(ClipFormat format, const ByteReader& reader) {
    const CapturedFormat* entry = snapshot_->Find(format);
    if (entry == nullptr || entry->notDelivered || !entry->result) {
        return DataResult::NoHandle;
    }
    if (*entry->result != DataResult::Read) {
        return *entry->result;
    }
    if (!entry->bytes) {
        return DataResult::NoHandle; // only measured
    }
    reader(*entry->bytes);
    return DataResult::Read;
}

std::shared_ptr<const std::vector<std::uint8_t>> SnapshotBackend::HeldBlock(ClipFormat format) {
    const CapturedFormat* entry = snapshot_->Find(format);
    if (entry == nullptr || entry->notDelivered || entry->result != DataResult::Read) {
        return nullptr;
    }
    return entry->bytes;
}

DataResult SnapshotBackend::DataSize(ClipFormat format, std::size_t& size) {
    size = 0;
    const CapturedFormat* entry = snapshot_->Find(format);
    if (entry == nullptr || entry->notDelivered || !entry->result) {
        return DataResult::NoHandle;
    }
    if (*entry->result == DataResult::Read) {
        size = entry->size.value_or(entry->bytes ? entry->bytes->size() : 0);
    }
    return *entry->result;
}

ClipFormat SnapshotBackend::RegisterFormat(const std::wstring& name) {
    return platform_.RegisterFormat(name);
}

std::wstring SnapshotBackend::RegisteredFormatName(ClipFormat format) {
    if (const CapturedFormat* entry = snapshot_->Find(format)) {
        return entry->registeredName;
    }
    return platform_.RegisteredFormatName(format);
}

void SnapshotBackend::LoadPicture(ClipFormat, bool, ClipboardPicture& picture) {
    if (snapshot_->picture) {
        copyPicture_(*snapshot_->picture, picture);
        return;
    }
    throw Error(snapshot_->pictureError.value_or(Tr(L"Invalid clipboard format")));
}

} // namespace tavrix
