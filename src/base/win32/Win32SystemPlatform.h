#pragma once
// The support routines' platform over user32, gdi32, kernel32 and version.dll.
#include "base/SystemPlatform.h"

namespace tavrix::win32 {

class Win32SystemPlatform : public SystemPlatform {
public:
    Win32SystemPlatform();

    int ScreenPixelsPerInch() override { return pixelsPerInch_; }
    void ShowMessageBox(const std::wstring& text, const std::wstring& caption,
                        unsigned flags) override;
    std::uint32_t TickCount() override;
    void SleepAlertable(std::uint32_t milliseconds) override;
    void ProcessMessages() override;
    std::wstring ExecutablePath() override;
    std::wstring VersionInfoString(const std::wstring& fileName, const std::wstring& key) override;
    std::wstring NowText() override;
    void WriteFile(const std::wstring& path, const std::string& bytes) override;

private:
    int pixelsPerInch_; // read once at start-up
};

// The version numbers the system reports to this program.
void GetReportedVersion(unsigned& platformId, unsigned& major, unsigned& minor);

} // namespace tavrix::win32
