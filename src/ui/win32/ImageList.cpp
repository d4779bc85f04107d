#include "ui/win32/ImageList.h"

#include "base/Error.h"
#include "base/UiText.h"

#include <cstring>

namespace tavrix::win32 {

int ImageList::Size() const {
    int cx = 0, cy = 0;
    if (handle_) {
        CommonControls().imageListGetIconSize(handle_.get(), &cx, &cy);
    }
    return cx;
}

Bitmap CreateIconBitmap(const IconImage& image, bool premultiplied) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = image.size;
    info.bmiHeader.biHeight = -image.size; // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    Bitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || bits == nullptr) {
        throw Error(Tr(L"Cannot create picture"));
    }
    auto* out = static_cast<std::uint8_t*>(bits);
    for (const IconPixel& p : image.pixels) {
        if (premultiplied) {
            out[0] = static_cast<std::uint8_t>(p.b * p.a / 255);
            out[1] = static_cast<std::uint8_t>(p.g * p.a / 255);
            out[2] = static_cast<std::uint8_t>(p.r * p.a / 255);
        } else {
            out[0] = p.b;
            out[1] = p.g;
            out[2] = p.r;
        }
        out[3] = p.a;
        out += 4;
    }
    return bitmap;
}

ImageList CreateProgramImageList(int size) {
    ImageListHandle list(CommonControls().imageListCreate(size, size, ILC_COLOR32, kIconCount, 0));
    if (!list) {
        throw Error(Tr(L"Cannot create image list"));
    }
    for (int k = 0; k < kIconCount; ++k) {
        Bitmap bitmap = CreateIconBitmap(DrawIcon(static_cast<IconKind>(k), size), false);
        if (CommonControls().imageListAdd(list.get(), bitmap.get(), nullptr) < 0) {
            throw Error(Tr(L"Cannot create image list"));
        }
    }
    return ImageList(std::move(list));
}

} // namespace tavrix::win32
