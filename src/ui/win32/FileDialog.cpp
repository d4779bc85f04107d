#include "ui/win32/FileDialog.h"

#include "base/win32/LibraryOnFirstUse.h"

#include <commdlg.h>

#include <vector>

namespace tavrix::win32 {

namespace {

using FileDialogFunction = BOOL(WINAPI*)(OPENFILENAMEW*);

// The common dialogs are loaded when the first one opens: the library and the ones it brings
// along cost every start several megabytes, and a script's start never shows a dialog.
FileDialogFunction DialogFunction(bool save) {
    return RoutineOnFirstUse<FileDialogFunction>(L"comdlg32.dll",
                                                 save ? "GetSaveFileNameW" : "GetOpenFileNameW");
}

} // namespace

std::wstring FileDialog::PlatformFilter(const std::wstring& filter) {
    std::wstring result = filter;
    for (wchar_t& c : result) {
        if (c == L'|') {
            c = L'\0';
        }
    }
    result.push_back(L'\0');
    result.push_back(L'\0');
    return result;
}

std::optional<std::wstring> FileDialog::ShowOpen(HWND owner) {
    return Show(owner, false);
}

std::optional<std::wstring> FileDialog::ShowSave(HWND owner) {
    return Show(owner, true);
}

std::optional<std::wstring> FileDialog::Show(HWND owner, bool save) {
    // Long paths are allowed by the manifest: give the dialog room for them.
    std::vector<wchar_t> buffer(32768, L'\0');
    fileName_.copy(buffer.data(), std::min(fileName_.size(), buffer.size() - 1));
    std::wstring filter = PlatformFilter(options_.filter);

    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = static_cast<DWORD>(options_.filterIndex);
    ofn.lpstrFile = buffer.data();
    ofn.nMaxFile = static_cast<DWORD>(buffer.size());
    ofn.lpstrDefExt =
        options_.defaultExtension.empty() ? nullptr : options_.defaultExtension.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_ENABLESIZING | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (options_.mustExist) {
        ofn.Flags |= OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
    }
    if (options_.promptOverwrite) {
        ofn.Flags |= OFN_OVERWRITEPROMPT;
    }
    BOOL ok = DialogFunction(save)(&ofn);
    if (!ok) {
        return std::nullopt;
    }
    options_.filterIndex = static_cast<int>(ofn.nFilterIndex);
    fileName_ = buffer.data();
    return fileName_;
}

} // namespace tavrix::win32
