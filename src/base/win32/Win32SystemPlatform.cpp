#include "base/win32/Win32SystemPlatform.h"

#include "base/Error.h"
#include "base/UiText.h"
#include "base/win32/KernelHandles.h"
#include "base/win32/LibraryOnFirstUse.h"
#include "base/win32/MessagePump.h"
#include "base/win32/ScreenResolution.h"
#include "base/win32/SystemErrorText.h"

#include <windows.h>

#include <vector>

namespace tavrix::win32 {

Win32SystemPlatform::Win32SystemPlatform() : pixelsPerInch_(ReadScreenResolution().vertical) {}

void Win32SystemPlatform::ShowMessageBox(const std::wstring& text, const std::wstring& caption,
                                         unsigned flags) {
    HWND owner = GetActiveWindow();
    // Without an active window the box is task-modal: the program's windows are disabled.
    UINT modality = owner == nullptr ? MB_TASKMODAL : MB_APPLMODAL;
    MessageBoxW(owner, text.c_str(), caption.c_str(), flags | modality);
}

std::uint32_t Win32SystemPlatform::TickCount() {
    return GetTickCount();
}

void Win32SystemPlatform::SleepAlertable(std::uint32_t milliseconds) {
    SleepEx(milliseconds, TRUE);
}

void Win32SystemPlatform::ProcessMessages() {
    PumpWaitingMessages();
}

std::wstring Win32SystemPlatform::ExecutablePath() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        DWORD length =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) {
            return {};
        }
        if (length < buffer.size()) {
            return std::wstring(buffer.data(), length);
        }
        buffer.resize(buffer.size() * 2);
    }
}

std::wstring Win32SystemPlatform::VersionInfoString(const std::wstring& fileName,
                                                    const std::wstring& key) {
    // Loaded by hand from the system folder: the version library is none of the system's known
    // libraries, and an import of it would be looked for beside the program first by any
    // toolchain that does not delay-load it.
    using SizeFunction = DWORD(WINAPI*)(LPCWSTR, LPDWORD);
    using InfoFunction = BOOL(WINAPI*)(LPCWSTR, DWORD, DWORD, LPVOID);
    using QueryFunction = BOOL(WINAPI*)(LPCVOID, LPCWSTR, LPVOID*, PUINT);
    constexpr wchar_t kLibrary[] = L"version.dll";
    const auto infoSize = RoutineOnFirstUse<SizeFunction>(kLibrary, "GetFileVersionInfoSizeW");
    const auto info = RoutineOnFirstUse<InfoFunction>(kLibrary, "GetFileVersionInfoW");
    const auto query = RoutineOnFirstUse<QueryFunction>(kLibrary, "VerQueryValueW");
    DWORD ignored = 0;
    DWORD size = infoSize(fileName.c_str(), &ignored);
    if (size == 0) {
        return {};
    }
    std::vector<BYTE> block(size, 0);
    info(fileName.c_str(), 0, size, block.data());
    std::wstring path = L"\\StringFileInfo\\040904E4\\" + key;
    void* value = nullptr;
    UINT length = 0;
    if (!query(block.data(), path.c_str(), &value, &length) || value == nullptr) {
        return {};
    }
    // The value is zero-terminated within the block; never read past the block.
    const auto* text = static_cast<const wchar_t*>(value);
    const auto* end = reinterpret_cast<const wchar_t*>(block.data() + block.size());
    std::wstring result;
    for (const wchar_t* p = text; p < end && *p != L'\0'; ++p) {
        result.push_back(*p);
    }
    return result;
}

std::wstring Win32SystemPlatform::NowText() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    wchar_t date[128] = {};
    GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &now, nullptr, date, 128);
    std::wstring text = date;
    if (now.wHour != 0 || now.wMinute != 0 || now.wSecond != 0) {
        wchar_t time[128] = {};
        GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &now, nullptr, time, 128);
        text += L' ';
        text += time;
    }
    return text;
}

void Win32SystemPlatform::WriteFile(const std::wstring& path, const std::string& bytes) {
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        ThrowLastError(Tr(L"Cannot create file \"%1\".", {path}) + L" ");
    }
    DWORD written = 0;
    if (!::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                     nullptr) ||
        written != bytes.size()) {
        ThrowLastError(Tr(L"Cannot write file \"%1\".", {path}) + L" ");
    }
}

void GetReportedVersion(unsigned& platformId, unsigned& major, unsigned& minor) {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
#if defined(_MSC_VER)
#pragma warning(suppress : 4996)
#elif defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#endif
    BOOL ok = GetVersionExW(&info);
#if defined(__GNUC__) && !defined(_MSC_VER)
#pragma GCC diagnostic pop
#endif
    platformId = ok ? info.dwPlatformId : 0;
    major = ok ? info.dwMajorVersion : 0;
    minor = ok ? info.dwMinorVersion : 0;
}

} // namespace tavrix::win32
