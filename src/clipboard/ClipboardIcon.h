#pragma once
// An icon decoded from an ".ico" file image taken off the clipboard. The platform decides how the
// icon is held; the engine needs only its natural size in pixels.

namespace tavrix {

class ClipboardIcon {
public:
    virtual ~ClipboardIcon() = default;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
};

} // namespace tavrix
