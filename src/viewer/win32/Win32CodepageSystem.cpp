#include "viewer/win32/Win32CodepageSystem.h"

#include "base/SwallowedErrors.h"
#include "viewer/CodePages.h"
#include "viewer/ViewerMessages.h"

#include <windows.h>

#include <climits>

namespace tavrix::win32 {

namespace {

// EnumSystemCodePagesW takes no context argument; the report of the enumeration in progress.
thread_local const std::function<void(std::wstring_view)>* t_report = nullptr;

BOOL CALLBACK ReportCodepage(LPWSTR text) {
    try {
        if (t_report != nullptr && text != nullptr) {
            (*t_report)(text);
        }
        return TRUE;
    } catch (...) {
        LogSwallowed(L"ReportCodepage");
        return FALSE; // no exception crosses the system's callback; the enumeration ends
    }
}

int ClampToInt(std::size_t size) {
    return size > INT_MAX ? INT_MAX : static_cast<int>(size);
}

} // namespace

void Win32CodepageSystem::EnumInstalledCodepages(
    const std::function<void(std::wstring_view)>& report) {
    t_report = &report;
    EnumSystemCodePagesW(ReportCodepage, CP_INSTALLED);
    t_report = nullptr;
}

int Win32CodepageSystem::MultiByteToWide(int codepage, std::string_view bytes,
                                         std::span<wchar_t> out) {
    if (bytes.empty() || bytes.size() > INT_MAX) {
        return 0;
    }
    return MultiByteToWideChar(static_cast<UINT>(codepage), 0, bytes.data(),
                               static_cast<int>(bytes.size()), out.empty() ? nullptr : out.data(),
                               ClampToInt(out.size()));
}

int Win32CodepageSystem::WideToMultiByte(int codepage, std::wstring_view text,
                                         std::span<char> out) {
    if (text.empty() || text.size() > INT_MAX) {
        return 0;
    }
    return WideCharToMultiByte(static_cast<UINT>(codepage), 0, text.data(),
                               static_cast<int>(text.size()), out.empty() ? nullptr : out.data(),
                               ClampToInt(out.size()), nullptr, nullptr);
}

int Win32CodepageSystem::AnsiCodepage() {
    return static_cast<int>(GetACP());
}

void InitViewerTextSupport() {
    static Win32CodepageSystem system;
    InstallCodepageSystem(&system);
    BuildAvailableEncodings();
    InstallViewerMessageBox(
        [](const std::wstring& text, const std::wstring& caption, unsigned flags, WindowRef owner) {
            return MessageBoxW(static_cast<HWND>(owner), text.c_str(), caption.c_str(), flags);
        });
}

} // namespace tavrix::win32
