#pragma once
// Copies of the clipboard's object formats (bitmaps, palettes, metafile pictures, enhanced
// metafiles) that outlive the clipboard's own objects, so that they can be put back after the
// clipboard was emptied.
#include "clipboard/ClipboardBackend.h"

#include <windows.h>

#include <memory>

namespace tavrix::win32 {

class Win32ObjectCopy : public ClipboardObjectCopy {
public:
    // Hands the copy to the clipboard (open, emptied by us); the clipboard owns it when true.
    virtual bool Place(UINT format) = 0;
};

// A copy of the object behind the format's data handle (clipboard open); null when the format
// supplies nothing or the copy fails.
std::unique_ptr<Win32ObjectCopy> CopyClipboardObject(UINT format);

} // namespace tavrix::win32
