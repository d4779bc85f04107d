#include "app/win32/FindDialog.h"

#include "base/UiText.h"

namespace tavrix::win32 {

namespace {
constexpr int kLabelId = 120; // the labels need no identifiers of their own
} // namespace

void FindDialog::Build(HWND owner) {
    CreateDialogWindow(owner, Tr(L"Find"), 380, 158);
    using enum DialogControl;
    Add(Label, kLabelId, Tr(L"Fi&nd what:"), 8, 11, 70, 16);
    Add(Edit, kPattern, L"", 84, 8, 196, 22);
    Add(Label, kLabelId + 1, Tr(L"Look for:"), 8, 39, 70, 16);
    Add(FirstRadio, kText, Tr(L"&Text"), 84, 38, 70, 18);
    Add(Radio, kHex, Tr(L"&Hex bytes"), 160, 38, 120, 18);
    Add(Check, kMatchCase, Tr(L"Match &case"), 84, 60, 196, 18);
    Add(Label, kLabelId + 2, Tr(L"&Encoding:"), 8, 87, 70, 16);
    Add(DropDown, kEncoding, L"", 84, 84, 196, 120);
    Add(Label, kLabelId + 3, Tr(L"Direction:"), 8, 115, 70, 16);
    Add(FirstRadio, kUp, Tr(L"&Up"), 84, 114, 70, 18);
    Add(Radio, kDown, Tr(L"&Down"), 160, 114, 120, 18);
    Add(DefaultButton, IDOK, Tr(L"&Find next"), 290, 8, 82, 24);
    Add(Button, kCount, Tr(L"C&ount"), 290, 38, 82, 24);
    Add(Button, IDCANCEL, Tr(L"Close"), 290, 68, 82, 24);
    Add(Label, kProblem, L"", 8, 138, 364, 16);
}

void FindDialog::Open(HWND owner, const FindSettings& settings, const std::wstring& viewEncoding) {
    if (Handle() == nullptr) {
        Build(owner);
    }
    SetText(kPattern, settings.pattern);
    SetChecked(kText, !settings.hex);
    SetChecked(kHex, settings.hex);
    SetChecked(kMatchCase, settings.matchCase);
    SetChecked(kUp, settings.up);
    SetChecked(kDown, !settings.up);
    HWND encoding = Control(kEncoding);
    SendMessageW(encoding, CB_RESETCONTENT, 0, 0);
    const std::wstring items[] = {Tr(L"The view's own (%1)", {viewEncoding}), L"UTF-8",
                                  L"UTF-16LE"};
    for (const std::wstring& item : items) {
        SendMessageW(encoding, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }
    SendMessageW(encoding, CB_SETCURSEL, static_cast<WPARAM>(settings.encoding), 0);
    ShowProblem(L"");
    UpdateControls();
    ToolDialog::Open(kPattern);
}

FindSettings FindDialog::Settings() const {
    FindSettings settings;
    settings.pattern = Text(kPattern);
    settings.hex = Checked(kHex);
    settings.matchCase = Checked(kMatchCase);
    const LRESULT chosen = SendMessageW(Control(kEncoding), CB_GETCURSEL, 0, 0);
    if (chosen == 1 || chosen == 2) {
        settings.encoding = static_cast<FindTextEncoding>(chosen);
    }
    settings.up = Checked(kUp);
    return settings;
}

void FindDialog::ShowProblem(const std::wstring& text) {
    SetText(kProblem, text);
}

void FindDialog::UpdateControls() {
    const bool pattern = !Text(kPattern).empty();
    Enable(IDOK, pattern);
    Enable(kCount, pattern);
    const bool text = !Checked(kHex);
    Enable(kMatchCase, text);
    Enable(kEncoding, text);
}

void FindDialog::OnControl(int id, int code) {
    switch (id) {
    case kPattern:
        if (code == EN_CHANGE) {
            ShowProblem(L"");
            UpdateControls();
        }
        break;
    case kText:
    case kHex:
        UpdateControls();
        break;
    case IDOK:
    case kCount:
        if (!Text(kPattern).empty() && request_) {
            request_(Settings(), id == kCount);
        }
        break;
    case IDCANCEL:
        if (closed_) {
            closed_(); // first: closing may take a moment of the window system's
        }
        Close();
        break;
    default:
        break;
    }
}

} // namespace tavrix::win32
