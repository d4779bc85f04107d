#pragma once
// Code pages for native tests, converted by glibc's iconv. Which code pages count as installed,
// the ANSI code page and the system family are set by the test.
#include "viewer/CodepageSystem.h"

#include <map>
#include <set>
#include <string>

namespace tavrix::testing {

class IconvCodepageSystem : public CodepageSystem {
public:
    // Installs every code page iconv knows a name for.
    IconvCodepageSystem();
    ~IconvCodepageSystem() override;
    IconvCodepageSystem(const IconvCodepageSystem&) = delete;
    IconvCodepageSystem& operator=(const IconvCodepageSystem&) = delete;

    // The iconv name of a code page number (0, 1 and 2 resolve to the ANSI, OEM and Mac code
    // pages); empty when iconv has none.
    std::string IconvName(int codepage) const;

    std::set<int> installed;
    int ansiCodepage = 1252;
    int oemCodepage = 437;
    int macCodepage = 10000;
    bool ntFamily = true;
    std::set<std::wstring> extraReports; // reported besides the installed numbers
    int conversions = 0;                 // MultiByteToWide calls

    void EnumInstalledCodepages(const std::function<void(std::wstring_view)>& report) override;
    int MultiByteToWide(int codepage, std::string_view bytes, std::span<wchar_t> out) override;
    int WideToMultiByte(int codepage, std::wstring_view text, std::span<char> out) override;
    int AnsiCodepage() override { return ansiCodepage; }
    bool IsNtFamily() override { return ntFamily; }

private:
    void* Descriptor(const std::string& from, const std::string& to);
    std::map<std::pair<std::string, std::string>, void*> descriptors_;
};

// The code page numbers of the encoding table that glibc iconv can convert, with their names.
const std::map<int, std::string>& IconvCodepageNames();

} // namespace tavrix::testing
