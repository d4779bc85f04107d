#pragma once
// Selects an object into a device context and puts back the one it replaced at the end of the
// scope, so that the object can be deleted afterwards and the context is left as it was found.
#include <windows.h>

namespace tavrix::win32 {

class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectGuard() {
        if (Selected()) {
            SelectObject(dc_, previous_);
        }
    }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

    // False when the context refused the object; nothing is put back then.
    bool Selected() const { return previous_ != nullptr && previous_ != HGDI_ERROR; }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

} // namespace tavrix::win32
