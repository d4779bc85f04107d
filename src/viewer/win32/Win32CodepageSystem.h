#pragma once
// Code pages through the system's own tables: EnumSystemCodePagesW, MultiByteToWideChar,
// WideCharToMultiByte and GetACP.
#include "viewer/CodepageSystem.h"

namespace tavrix::win32 {

class Win32CodepageSystem : public CodepageSystem {
public:
    void EnumInstalledCodepages(const std::function<void(std::wstring_view)>& report) override;
    int MultiByteToWide(int codepage, std::string_view bytes, std::span<wchar_t> out) override;
    int WideToMultiByte(int codepage, std::wstring_view text, std::span<char> out) override;
    int AnsiCodepage() override;
    // Every system this program runs on is of the NT family.
    bool IsNtFamily() override { return true; }
};

// Start-up of the viewer's text support: installs the system's code pages and builds the table
// of available encodings, and shows viewer messages with MessageBoxW.
void InitViewerTextSupport();

} // namespace tavrix::win32
