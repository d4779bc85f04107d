#include "app/win32/GoToDialog.h"

#include "base/UiText.h"

namespace tavrix::win32 {

void GoToDialog::Open(HWND owner) {
    if (Handle() == nullptr) {
        CreateDialogWindow(owner, Tr(L"Go to offset"), 348, 96);
        using enum DialogControl;
        Add(Label, 110, Tr(L"&Offset:"), 8, 11, 60, 16);
        Add(Edit, kOffset, L"", 72, 8, 178, 22);
        Add(Label, 111, Tr(L"Decimal, 0x1234 or 1234h, +16 or -16 from here, or end."), 8, 38, 244,
            30);
        Add(DefaultButton, IDOK, Tr(L"&Go"), 258, 8, 82, 24);
        Add(Button, IDCANCEL, Tr(L"Close"), 258, 38, 82, 24);
        Add(Label, kProblem, L"", 8, 72, 332, 16);
    }
    SetText(kProblem, L"");
    ToolDialog::Open(kOffset);
}

void GoToDialog::OnControl(int id, int code) {
    if (id == kOffset && code == EN_CHANGE) {
        SetText(kProblem, L"");
    } else if (id == IDOK && request_) {
        const std::optional<std::wstring> problem = request_(Text(kOffset));
        if (problem) {
            SetText(kProblem, *problem);
        } else {
            Close();
        }
    } else if (id == IDCANCEL) {
        Close();
    }
}

} // namespace tavrix::win32
