#pragma once
// The application's hidden window: a message-only window that owns the clipboard when the
// program opens it, created before anything touches the clipboard.
#include "ui/win32/Window.h"

namespace tavrix::win32 {

class ClipboardOwnerWindow final : public Window {
public:
    // Throws Error when the window cannot be made.
    ClipboardOwnerWindow();
};

} // namespace tavrix::win32
