#pragma once
// A picture copied off the clipboard: a bitmap (with its palette) or an enhanced metafile, which
// also holds converted metafile pictures. It owns its GDI objects.
#include "clipboard/ClipboardFormat.h"
#include "clipboard/ClipboardPicture.h"

#include <windows.h>

namespace tavrix::win32 {

class Win32Picture : public ClipboardPicture {
public:
    Win32Picture() = default;
    ~Win32Picture() override;
    Win32Picture(const Win32Picture&) = delete;
    Win32Picture& operator=(const Win32Picture&) = delete;

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    bool Empty() const override { return bitmap_ == nullptr && metafile_ == nullptr; }

    // Clipboard open: copies format 2, 3 or 14. Throws Error when the data cannot be loaded;
    // the previous picture is kept then.
    void LoadFromClipboard(ClipFormat format, bool withPalette);
    // Stretches the picture into rect.
    void Draw(HDC dc, const RECT& rect) const;
    void Clear();

    HBITMAP Bitmap() const { return bitmap_; }
    HENHMETAFILE Metafile() const { return metafile_; }

private:
    HBITMAP bitmap_ = nullptr;
    HPALETTE palette_ = nullptr;
    HENHMETAFILE metafile_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

} // namespace tavrix::win32
