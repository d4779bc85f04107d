#pragma once
// A support platform for unit tests: records message boxes and written files, runs a manual
// clock. Installing it is scoped: the destructor uninstalls it.
#include "base/SystemPlatform.h"

#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace tavrix::testing {

class FakeSystemPlatform : public SystemPlatform {
public:
    struct MessageBoxCall {
        std::wstring text;
        std::wstring caption;
        unsigned flags;
    };

    FakeSystemPlatform() { InstallSystemPlatform(this); }
    ~FakeSystemPlatform() override { InstallSystemPlatform(nullptr); }

    int ScreenPixelsPerInch() override { return pixelsPerInch; }
    void ShowMessageBox(const std::wstring& text, const std::wstring& caption,
                        unsigned flags) override {
        messageBoxes.push_back({text, caption, flags});
    }
    std::uint32_t TickCount() override { return tick; }
    void SleepAlertable(std::uint32_t milliseconds) override {
        tick += milliseconds;
        ++sleeps;
    }
    void ProcessMessages() override {
        ++messagePumps;
        if (onProcessMessages) {
            onProcessMessages();
        }
    }
    std::wstring ExecutablePath() override { return executablePath; }
    std::wstring VersionInfoString(const std::wstring& fileName, const std::wstring& key) override {
        auto it = versionStrings.find(fileName + L"|" + key);
        return it == versionStrings.end() ? std::wstring() : it->second;
    }
    std::wstring NowText() override { return now; }
    void WriteFile(const std::wstring& path, const std::string& bytes) override {
        if (failWrites) {
            throw std::runtime_error("cannot write");
        }
        files[path] = bytes;
    }

    int pixelsPerInch = 96;
    std::uint32_t tick = 1000;
    int sleeps = 0;
    int messagePumps = 0;
    std::function<void()> onProcessMessages;
    std::wstring executablePath = L"C:\\Tools\\Tavrix.exe";
    std::map<std::wstring, std::wstring> versionStrings;
    std::wstring now = L"09.12.2026 06:00:00";
    bool failWrites = false;
    std::vector<MessageBoxCall> messageBoxes;
    std::map<std::wstring, std::string> files;
};

} // namespace tavrix::testing
