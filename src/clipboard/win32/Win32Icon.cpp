#include "clipboard/win32/Win32Icon.h"

#include "base/Error.h"
#include "base/UiText.h"
#include "clipboard/IconImage.h"

#include <cstring>
#include <vector>

namespace tavrix::win32 {

namespace {

[[noreturn]] void InvalidIcon() {
    throw Error(Tr(L"Invalid icon"));
}

// The system's choice among the images works on the resource form of the directory, where each
// entry names an image by number instead of by file offset: build that form, numbering the
// images from 1 in directory order.
int PreferredImage(std::span<const std::uint8_t> bytes, std::size_t count) {
    constexpr std::size_t kResourceEntrySize = 14;
    std::vector<BYTE> directory(6 + count * kResourceEntrySize);
    std::memcpy(directory.data(), bytes.data(), 6);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t* file = bytes.data() + 6 + i * 16;
        BYTE* resource = directory.data() + 6 + i * kResourceEntrySize;
        std::memcpy(resource, file, 12); // size, colours, planes, depth, bytes of the image
        const WORD id = static_cast<WORD>(i + 1);
        std::memcpy(resource + 12, &id, sizeof(id));
    }
    const int id = LookupIconIdFromDirectoryEx(directory.data(), TRUE, 0, 0, LR_DEFAULTCOLOR);
    return id >= 1 && static_cast<std::size_t>(id) <= count ? id - 1 : 0;
}

} // namespace

std::unique_ptr<Win32Icon> Win32Icon::FromIconFile(std::span<const std::uint8_t> bytes) {
    auto entries = ParseIconImage(bytes);
    if (!entries) {
        InvalidIcon();
    }
    const IconImageEntry& entry = (*entries)[PreferredImage(bytes, entries->size())];
    // The loader may write to the image (it fixes up headers), so it gets its own copy.
    std::vector<BYTE> image(bytes.begin() + entry.offset,
                            bytes.begin() + entry.offset + entry.size);
    Icon icon(CreateIconFromResourceEx(image.data(), static_cast<DWORD>(image.size()), TRUE,
                                       0x00030000, entry.width, entry.height, LR_DEFAULTCOLOR));
    if (!icon) {
        InvalidIcon();
    }
    return std::make_unique<Win32Icon>(std::move(icon), entry.width, entry.height);
}

} // namespace tavrix::win32
