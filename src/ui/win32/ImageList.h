#pragma once
// Image lists of the program's pictures: one per size, eight 32-bit images with alpha each, in
// the order of IconKind. Also single pictures as premultiplied bitmaps for menu items.
#include "ui/IconArt.h"
#include "ui/win32/Gdi.h"

#include <windows.h>

#include <commctrl.h>

#include <utility>

namespace tavrix::win32 {

class ImageList {
public:
    ImageList() = default;
    explicit ImageList(HIMAGELIST handle) : handle_(handle) {}
    ~ImageList() {
        if (handle_ != nullptr) {
            ImageList_Destroy(handle_);
        }
    }
    ImageList(ImageList&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    ImageList& operator=(ImageList&& other) noexcept {
        std::swap(handle_, other.handle_);
        return *this;
    }
    ImageList(const ImageList&) = delete;
    ImageList& operator=(const ImageList&) = delete;

    HIMAGELIST get() const { return handle_; }
    int Count() const { return handle_ != nullptr ? ImageList_GetImageCount(handle_) : 0; }
    int Size() const;

private:
    HIMAGELIST handle_ = nullptr;
};

// The eight pictures at size × size pixels. Throws Error when the list cannot be made.
ImageList CreateProgramImageList(int size);

// A 32-bit top-down DIB section holding the picture; premultiplied alpha as menus and
// AlphaBlend expect it when premultiplied is true.
Bitmap CreateIconBitmap(const IconImage& image, bool premultiplied);

} // namespace tavrix::win32
