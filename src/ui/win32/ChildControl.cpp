#include "ui/win32/ChildControl.h"

#include "base/Error.h"
#include "base/UiText.h"
#include "base/win32/SystemErrorText.h"

namespace tavrix::win32 {

HWND CreateChildControl(const ChildControlDesign& design) {
    HWND control = CreateWindowExW(design.exStyle, design.className, L"", design.style, design.x,
                                   design.y, design.width, design.height, design.parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(design.id)),
                                   GetModuleHandleW(nullptr), nullptr);
    if (control == nullptr) {
        ThrowLastError(CannotCreateWindowContext(design.className));
    }
    return control;
}

std::wstring CannotCreateWindowContext(const wchar_t* className) {
    return Tr(L"Cannot create window \"%1\".", {className}) + L" ";
}

} // namespace tavrix::win32
