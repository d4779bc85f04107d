#include "base/DebugLog.h"

#include "base/SystemPlatform.h"
#include "base/SystemServices.h"
#include "base/TextHelpers.h"
#include "base/Unicode.h"

namespace tavrix {

namespace {
bool g_debugEnabled = false;
std::vector<std::wstring> g_logLines;
} // namespace

void ResetDebugLog(bool enabled) {
    g_debugEnabled = enabled;
    g_logLines.clear();
}

bool DebugEnabled() {
    return g_debugEnabled;
}

void DebugLog(const std::wstring& text) {
    if (!g_debugEnabled) {
        return;
    }
    SystemPlatform& platform = CurrentSystemPlatform();
    g_logLines.push_back(platform.NowText() + L" : " + text);
    std::string file;
    for (const auto& line : g_logLines) {
        file += Utf8FromWide(line);
        file += "\r\n";
    }
    platform.WriteFile(JoinPath(ExecutableFolder(), L"Log.txt"), file);
}

const std::vector<std::wstring>& LogLines() {
    return g_logLines;
}

} // namespace tavrix
