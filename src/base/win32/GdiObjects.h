#pragma once
// Owners of GDI objects: fonts, brushes, pens, bitmaps and palettes (DeleteObject), enhanced
// metafiles (DeleteEnhMetaFile), metafiles (DeleteMetaFile) and memory device contexts (DeleteDC).
#include "base/win32/Unique.h"

#include <windows.h>

namespace tavrix::win32 {

using Font = Unique<FreedBy<HFONT, DeleteObject>>;
using Brush = Unique<FreedBy<HBRUSH, DeleteObject>>;
using Pen = Unique<FreedBy<HPEN, DeleteObject>>;
using Bitmap = Unique<FreedBy<HBITMAP, DeleteObject>>;
using Palette = Unique<FreedBy<HPALETTE, DeleteObject>>;
using EnhMetafile = Unique<FreedBy<HENHMETAFILE, DeleteEnhMetaFile>>;
// The old-style metafile inside a metafile picture.
using Metafile = Unique<FreedBy<HMETAFILE, DeleteMetaFile>>;
// A device context made by CreateCompatibleDC. Whatever was selected into it must be selected
// back out before it goes (see BitmapDC).
using MemoryDC = Unique<FreedBy<HDC, DeleteDC>>;

} // namespace tavrix::win32
