#pragma once
// A small modeless dialog built from the system's controls: a window owned by another, with the
// dialog keyboard (Tab, Alt+letter, Enter for the default button, Esc to close) through
// IsDialogMessage, which the program's message loop offers it (RouteMessage). Enter arrives as
// the command IDOK, Esc and the close box as IDCANCEL. Controls are laid out in pixels at 96 dots
// per inch and scaled to the window's resolution.
#include "base/win32/GdiObjects.h"
#include "ui/win32/Window.h"

#include <windows.h>

#include <string>

namespace tavrix::win32 {

enum class DialogControl { Label, Edit, Radio, FirstRadio, Check, DropDown, Button, DefaultButton };

class ToolDialog : public Window {
public:
    // The dialog handles the message when it is a key for the dialog or one of its controls.
    bool RouteMessage(MSG& message);
    bool IsOpen() const { return Handle() != nullptr && IsWindowVisible(Handle()); }
    // Hides the dialog; it keeps what the user typed for the next time it opens.
    void Close();

    // The text of a control, and setting it.
    std::wstring Text(int id) const;
    void SetText(int id, const std::wstring& text);
    bool Checked(int id) const;
    void SetChecked(int id, bool checked);
    void Enable(int id, bool enabled);
    HWND Control(int id) const { return GetDlgItem(Handle(), id); }

protected:
    // Makes the window (hidden) with a client area of width x height pixels at 96 dpi.
    void CreateDialogWindow(HWND owner, const std::wstring& title, int width, int height);
    // One control at x, y (pixels at 96 dpi) of the given size.
    HWND Add(DialogControl kind, int id, const std::wstring& text, int x, int y, int width,
             int height);
    // Shows the dialog near the owner's top right corner the first time, and gives it the focus.
    void Open(int focusId);
    bool OnCommand(int id, int code, HWND control) override;
    bool OnClose() override;
    // A command of a control (Enter is IDOK, Esc IDCANCEL, which closes by default).
    virtual void OnControl(int id, int code) = 0;

private:
    HWND owner_ = nullptr;
    Font font_;
    bool placed_ = false;
};

} // namespace tavrix::win32
