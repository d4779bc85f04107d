#include "clipboard/ClipboardSnapshot.h"

namespace tavrix {

CapturedFormat* ClipboardSnapshot::Find(ClipFormat format) {
    for (CapturedFormat& entry : formats) {
        if (entry.format == format) {
            return &entry;
        }
    }
    return nullptr;
}

const CapturedFormat* ClipboardSnapshot::Find(ClipFormat format) const {
    return const_cast<ClipboardSnapshot*>(this)->Find(format);
}

bool ClipboardSnapshot::HasData(ClipFormat format) const {
    const CapturedFormat* entry = Find(format);
    if (entry == nullptr || entry->notDelivered) {
        return entry != nullptr;
    }
    return entry->result.has_value() && (*entry->result != DataResult::Read || entry->bytes);
}

void ClipboardSnapshot::Merge(const ClipboardSnapshot& other) {
    for (const CapturedFormat& read : other.formats) {
        CapturedFormat* mine = Find(read.format);
        if (mine == nullptr || !read.result) {
            continue;
        }
        mine->result = read.result;
        mine->size = read.size;
        mine->bytes = read.bytes;
        mine->notDelivered = false;
    }
    measured = measured || other.measured;
    if (other.HasPicture()) {
        picture = other.picture;
        pictureError = other.pictureError;
        pictureFormat = other.pictureFormat;
    }
}

} // namespace tavrix
