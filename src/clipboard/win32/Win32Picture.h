#pragma once
// A picture copied off the clipboard: a bitmap (with its palette) or an enhanced metafile, which
// also holds converted metafile pictures, or a bitmap with transparency (premultiplied 32-bit
// pixels, blended over what is drawn below it). It owns its GDI objects.
#include "base/win32/GdiObjects.h"
#include "clipboard/ClipboardFormat.h"
#include "clipboard/ClipboardPicture.h"

#include <windows.h>

namespace tavrix::win32 {

class Win32Picture : public ClipboardPicture {
public:
    Win32Picture() = default;
    Win32Picture(const Win32Picture&) = delete;
    Win32Picture& operator=(const Win32Picture&) = delete;

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    bool Empty() const override { return !bitmap_ && !metafile_; }

    // Clipboard open: copies format 2, 3 or 14. Throws Error when the data cannot be loaded;
    // the previous picture is kept then.
    void LoadFromClipboard(ClipFormat format, bool withPalette);
    // Copies of other's objects in place of the picture (one loaded on another thread, say).
    // Throws Error when the copies cannot be made; the picture is kept then.
    void CopyFrom(const Win32Picture& other);
    // Takes a top-down 32-bit DIB section of premultiplied pixels in place of the picture.
    void SetTransparent(win32::Bitmap bitmap, int width, int height);
    // Stretches the picture into rect.
    void Draw(HDC dc, const RECT& rect) const;
    void Clear();
    // Drawn with its transparency: what lies below shows through.
    bool HasAlpha() const { return alpha_; }

    HBITMAP Bitmap() const { return bitmap_.get(); }
    HENHMETAFILE Metafile() const { return metafile_.get(); }

private:
    win32::Bitmap bitmap_;
    Palette palette_;
    EnhMetafile metafile_;
    int width_ = 0;
    int height_ = 0;
    bool alpha_ = false;
};

} // namespace tavrix::win32
