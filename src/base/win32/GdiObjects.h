#pragma once
// Owners of GDI objects: fonts, brushes, pens, bitmaps and palettes (DeleteObject), enhanced
// metafiles (DeleteEnhMetaFile), metafiles (DeleteMetaFile) and memory device contexts (DeleteDC).
#include "base/win32/Unique.h"

#include <windows.h>

namespace tavrix::win32 {

template <typename Object> struct GdiObjectTraits {
    using Handle = Object;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle handle) noexcept { DeleteObject(handle); }
};

struct EnhMetafileTraits {
    using Handle = HENHMETAFILE;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle handle) noexcept { DeleteEnhMetaFile(handle); }
};

struct MetafileTraits {
    using Handle = HMETAFILE;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle handle) noexcept { DeleteMetaFile(handle); }
};

struct MemoryDCTraits {
    using Handle = HDC;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle handle) noexcept { DeleteDC(handle); }
};

using Font = Unique<GdiObjectTraits<HFONT>>;
using Brush = Unique<GdiObjectTraits<HBRUSH>>;
using Pen = Unique<GdiObjectTraits<HPEN>>;
using Bitmap = Unique<GdiObjectTraits<HBITMAP>>;
using Palette = Unique<GdiObjectTraits<HPALETTE>>;
using EnhMetafile = Unique<EnhMetafileTraits>;
// The old-style metafile inside a metafile picture.
using Metafile = Unique<MetafileTraits>;
// A device context made by CreateCompatibleDC. Whatever was selected into it must be selected
// back out before it goes (see BitmapDC).
using MemoryDC = Unique<MemoryDCTraits>;

} // namespace tavrix::win32
