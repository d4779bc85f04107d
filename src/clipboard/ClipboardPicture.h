#pragma once
// A picture taken from the clipboard. The platform layer decides how the image is held (bitmap,
// metafile); the engine needs only its natural size in pixels.

namespace tavrix {

class ClipboardPicture {
public:
    virtual ~ClipboardPicture() = default;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual bool Empty() const = 0;
};

} // namespace tavrix
