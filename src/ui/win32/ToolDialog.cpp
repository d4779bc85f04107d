#include "ui/win32/ToolDialog.h"

#include "base/Dpi.h"
#include "ui/win32/ChildControl.h"
#include "ui/win32/WindowDpi.h"

namespace tavrix::win32 {

namespace {

constexpr const wchar_t* kClassName = L"TavrixToolDialog";

struct ControlStyle {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

ControlStyle StyleOf(DialogControl kind) {
    switch (kind) {
    case DialogControl::Label:
        return {L"STATIC", SS_LEFT | SS_NOTIFY, 0};
    case DialogControl::Edit:
        return {L"EDIT", WS_TABSTOP | WS_GROUP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case DialogControl::Radio:
        return {L"BUTTON", BS_AUTORADIOBUTTON, 0};
    case DialogControl::FirstRadio:
        return {L"BUTTON", BS_AUTORADIOBUTTON | WS_TABSTOP | WS_GROUP, 0};
    case DialogControl::Check:
        return {L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP, 0};
    case DialogControl::DropDown:
        return {L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | WS_GROUP, 0};
    case DialogControl::Button:
        return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP, 0};
    case DialogControl::DefaultButton:
        return {L"BUTTON", BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, 0};
    }
    return {L"STATIC", 0, 0};
}

// The message font of the system at the window's resolution.
Font DialogFont(int dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0) == FALSE) {
        return Font(static_cast<HFONT>(nullptr));
    }
    LOGFONTW font = metrics.lfMessageFont;
    font.lfHeight = MulDiv(font.lfHeight, dpi, ScreenDpi());
    return Font(CreateFontIndirectW(&font));
}

} // namespace

void ToolDialog::CreateDialogWindow(HWND owner, const std::wstring& title, int width, int height) {
    owner_ = owner;
    RegisterClassOnce(kClassName, 0, GetSysColorBrush(COLOR_BTNFACE),
                      LoadCursorW(nullptr, IDC_ARROW), nullptr);
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    const DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
    CreateWindowOfClass(kClassName, exStyle, title, style, CW_USEDEFAULT, CW_USEDEFAULT, 0, 0,
                        owner, nullptr);
    const RECT frame = FrameForClient(ScaleByDpi(width, Dpi()), ScaleByDpi(height, Dpi()), style,
                                      exStyle, false, Dpi());
    SetWindowPos(Handle(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    font_ = DialogFont(Dpi());
}

HWND ToolDialog::Add(DialogControl kind, int id, const std::wstring& text, int x, int y, int width,
                     int height) {
    const ControlStyle look = StyleOf(kind);
    const int dpi = Dpi();
    HWND control = CreateChildControl({.className = look.className,
                                       .exStyle = look.exStyle,
                                       .style = WS_CHILD | WS_VISIBLE | look.style,
                                       .parent = Handle(),
                                       .id = id,
                                       .x = ScaleByDpi(x, dpi),
                                       .y = ScaleByDpi(y, dpi),
                                       .width = ScaleByDpi(width, dpi),
                                       .height = ScaleByDpi(height, dpi)});
    SetWindowTextW(control, text.c_str());
    if (font_) {
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    }
    return control;
}

void ToolDialog::Open(int focusId) {
    if (!placed_ && owner_ != nullptr) {
        placed_ = true;
        RECT owner{};
        RECT self{};
        GetWindowRect(owner_, &owner);
        GetWindowRect(Handle(), &self);
        const int margin = ScaleByDpi(24, Dpi());
        SetWindowPos(Handle(), nullptr, owner.right - (self.right - self.left) - margin,
                     owner.top + 3 * margin, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
    HWND focus = Control(focusId);
    if (focus != nullptr) {
        SetFocus(focus);
        SendMessageW(focus, EM_SETSEL, 0, -1);
    }
}

void ToolDialog::Close() {
    if (Handle() == nullptr || !IsWindowVisible(Handle())) {
        return;
    }
    ShowWindow(Handle(), SW_HIDE);
    if (owner_ != nullptr) {
        SetForegroundWindow(owner_);
    }
}

bool ToolDialog::RouteMessage(MSG& message) {
    if (!IsOpen() || (message.hwnd != Handle() && !IsChild(Handle(), message.hwnd))) {
        return false;
    }
    return IsDialogMessageW(Handle(), &message) != FALSE;
}

std::wstring ToolDialog::Text(int id) const {
    HWND control = Control(id);
    const int length = control != nullptr ? GetWindowTextLengthW(control) : 0;
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    if (length > 0) {
        GetWindowTextW(control, text.data(), length + 1);
    }
    text.resize(static_cast<std::size_t>(length));
    return text;
}

void ToolDialog::SetText(int id, const std::wstring& text) {
    SetWindowTextW(Control(id), text.c_str());
}

bool ToolDialog::Checked(int id) const {
    return SendMessageW(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void ToolDialog::SetChecked(int id, bool checked) {
    SendMessageW(Control(id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void ToolDialog::Enable(int id, bool enabled) {
    EnableWindow(Control(id), enabled ? TRUE : FALSE);
}

bool ToolDialog::OnCommand(int id, int code, HWND /*control*/) {
    OnControl(id, code);
    return true;
}

bool ToolDialog::OnClose() {
    OnControl(IDCANCEL, BN_CLICKED);
    return true;
}

} // namespace tavrix::win32
