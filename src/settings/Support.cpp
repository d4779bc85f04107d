#include "settings/Support.h"

#include "settings/Error.h"
#include "settings/SupportPlatform.h"

#include <cmath>

namespace tavrix {

namespace {
SupportPlatform* g_platform = nullptr;
bool g_debugEnabled = false;
VersionFlags g_versionFlags;
std::vector<std::wstring> g_logLines;

std::string ToUtf8(const std::wstring& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::uint32_t c = static_cast<std::uint32_t>(text[i]);
        // Join UTF-16 surrogate pairs (where wchar_t is 16 bits).
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size()) {
            auto low = static_cast<std::uint32_t>(text[i + 1]);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                ++i;
            }
        }
        if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
        }
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (c >> 18)));
            out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}
} // namespace

void InstallSupportPlatform(SupportPlatform* platform) {
    g_platform = platform;
}

SupportPlatform& CurrentSupportPlatform() {
    if (g_platform == nullptr) {
        throw Error(L"No support platform installed");
    }
    return *g_platform;
}

VersionFlags ComputeVersionFlags(unsigned platformId, unsigned major, unsigned minor) {
    VersionFlags flags;
    const bool nt = platformId == 2;
    flags.vistaOrLater = nt && major >= 6;
    flags.win7OrLater = nt && (major > 6 || (major == 6 && minor >= 1));
    return flags;
}

void InitSupport(bool debugEnabled, VersionFlags flags) {
    g_debugEnabled = debugEnabled;
    g_logLines.clear();
    g_versionFlags = flags;
}

bool DebugEnabled() {
    return g_debugEnabled;
}
bool IsVistaOrLater() {
    return g_versionFlags.vistaOrLater;
}
bool IsWin7OrLater() {
    return g_versionFlags.win7OrLater;
}

double DpiFactor() {
    return CurrentSupportPlatform().ScreenPixelsPerInch() / 96.0;
}

int ScaleByDpi(int count) {
    return ScaleByDpi(count, CurrentSupportPlatform().ScreenPixelsPerInch());
}

int ScaleByDpi(int count, int pixelsPerInch) {
    if (pixelsPerInch == 96) {
        return count;
    }
    // nearbyint rounds an exact half to the even neighbour in the default rounding mode.
    return static_cast<int>(std::nearbyint(pixelsPerInch / 96.0 * count));
}

std::wstring PadRight(const std::wstring& text, int width) {
    if (width <= 0) {
        return {};
    }
    std::wstring result = text.substr(0, static_cast<std::size_t>(width));
    result.resize(static_cast<std::size_t>(width), L' ');
    return result;
}

void ShowWarning(const std::wstring& text) {
    CurrentSupportPlatform().ShowMessageBox(text + L"!", L"", kIconWarning);
}

void ShowInfo(const std::wstring& text) {
    CurrentSupportPlatform().ShowMessageBox(text + L".", L"", kIconInformation);
}

std::wstring JoinPath(const std::wstring& folder, const std::wstring& fileName) {
    if (folder.empty() || folder.back() == L'\\') {
        return folder + fileName;
    }
    return folder + L'\\' + fileName;
}

std::wstring ExecutableFolder() {
    std::wstring path = CurrentSupportPlatform().ExecutablePath();
    auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

std::wstring GetVersionInfoString(const std::wstring& fileName, const std::wstring& key) {
    return CurrentSupportPlatform().VersionInfoString(fileName, key);
}

std::wstring GetProductVersion() {
    return GetVersionInfoString(CurrentSupportPlatform().ExecutablePath(), L"ProductVersion");
}

void WaitProcessingMessages(std::uint32_t milliseconds) {
    SupportPlatform& platform = CurrentSupportPlatform();
    const std::uint32_t start = platform.TickCount();
    // Unsigned difference: correct across the 49.7-day wrap of the tick count.
    while (static_cast<std::uint32_t>(platform.TickCount() - start) < milliseconds) {
        platform.SleepAlertable(10);
        platform.ProcessMessages();
    }
}

void ProcessMessages() {
    CurrentSupportPlatform().ProcessMessages();
}

void DebugLog(const std::wstring& text) {
    if (!g_debugEnabled) {
        return;
    }
    SupportPlatform& platform = CurrentSupportPlatform();
    g_logLines.push_back(platform.NowText() + L" : " + text);
    std::string file;
    for (const auto& line : g_logLines) {
        file += ToUtf8(line);
        file += "\r\n";
    }
    platform.WriteFile(JoinPath(ExecutableFolder(), L"Log.txt"), file);
}

const std::vector<std::wstring>& LogLines() {
    return g_logLines;
}

} // namespace tavrix
