#pragma once
// What the code page conversions need from the operating system: the installed code pages and
// the conversion of 8-bit text to UTF-16 and back. The Win32 adapter uses the system's own
// tables; native tests use iconv.
#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace tavrix {

// Code page numbers with a meaning of their own.
inline constexpr int kCodepageAnsi = 0; // the system's ANSI code page
inline constexpr int kCodepageOem = 1;  // the system's OEM code page
inline constexpr int kCodepageMac = 2;  // the system's Macintosh code page
inline constexpr int kCodepageUtf7 = 65000;
inline constexpr int kCodepageUtf8 = 65001;

class CodepageSystem {
public:
    virtual ~CodepageSystem() = default;

    // Calls report once per installed code page with its number as decimal text.
    virtual void EnumInstalledCodepages(const std::function<void(std::wstring_view)>& report) = 0;
    // Converts bytes in codepage to UTF-16 code units (flags 0). With an empty out, returns the
    // number of units needed; otherwise writes them and returns how many. 0 on failure.
    virtual int MultiByteToWide(int codepage, std::string_view bytes, std::span<wchar_t> out) = 0;
    // Converts UTF-16 to codepage; same conventions. Characters the code page lacks become its
    // default character.
    virtual int WideToMultiByte(int codepage, std::wstring_view text, std::span<char> out) = 0;
    // The system's ANSI code page number (GetACP).
    virtual int AnsiCodepage() = 0;
    // Whether the system is of the Windows NT family (Unicode clipboard, code page 2).
    virtual bool IsNtFamily() = 0;
};

// The process-wide code page system, installed at start-up before BuildAvailableEncodings.
void InstallCodepageSystem(CodepageSystem* system);
// Throws Error when none is installed.
CodepageSystem& CurrentCodepageSystem();

} // namespace tavrix
