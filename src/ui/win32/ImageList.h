#pragma once
// Image lists of the program's pictures: one per size, eight 32-bit images with alpha each, in
// the order of IconKind. Also single pictures as premultiplied bitmaps for menu items.
#include "base/win32/CommonControls.h"
#include "base/win32/GdiObjects.h"
#include "base/win32/ImageListHandle.h"
#include "ui/IconArt.h"

#include <windows.h>

#include <commctrl.h>

#include <utility>

namespace tavrix::win32 {

// One of the program's image lists: the list and what the toolbar and menus ask of it.
class ImageList {
public:
    ImageList() = default;
    explicit ImageList(ImageListHandle handle) : handle_(std::move(handle)) {}

    HIMAGELIST get() const { return handle_.get(); }
    int Count() const {
        return handle_ ? CommonControls().imageListGetImageCount(handle_.get()) : 0;
    }
    // The width of its pictures (they are square); 0 for no list.
    int Size() const;

private:
    ImageListHandle handle_;
};

// The eight pictures at size × size pixels. Throws Error when the list cannot be made.
ImageList CreateProgramImageList(int size);

// A 32-bit top-down DIB section holding the picture; premultiplied alpha as menus and
// AlphaBlend expect it when premultiplied is true.
Bitmap CreateIconBitmap(const IconImage& image, bool premultiplied);

} // namespace tavrix::win32
