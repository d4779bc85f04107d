// glibc only: the Windows build of the unit tests has no iconv.
#ifndef _WIN32

#include "fakes/IconvCodepageSystem.h"

#include <cerrno>
#include <iconv.h>
#include <vector>

namespace tavrix::testing {

const std::map<int, std::string>& IconvCodepageNames() {
    static const std::map<int, std::string> names = {
        {37, "IBM037"},          {437, "IBM437"},       {500, "IBM500"},
        {708, "ISO-8859-6"},     {737, "CP737"},        {775, "IBM775"},
        {850, "IBM850"},         {852, "IBM852"},       {857, "IBM857"},
        {862, "IBM862"},         {864, "IBM864"},       {866, "IBM866"},
        {870, "IBM870"},         {874, "CP874"},        {875, "IBM875"},
        {1026, "IBM1026"},       {1047, "IBM1047"},     {1250, "CP1250"},
        {1251, "CP1251"},        {1252, "CP1252"},      {1253, "CP1253"},
        {1254, "CP1254"},        {1255, "CP1255"},      {1256, "CP1256"},
        {1257, "CP1257"},        {1258, "CP1258"},      {10000, "MACINTOSH"},
        {10007, "MAC-CYRILLIC"}, {10017, "MAC-UK"},     {10029, "MAC-CENTRALEUROPE"},
        {20273, "IBM273"},       {20277, "IBM277"},     {20278, "IBM278"},
        {20280, "IBM280"},       {20284, "IBM284"},     {20285, "IBM285"},
        {20290, "IBM290"},       {20297, "IBM297"},     {20420, "IBM420"},
        {20423, "IBM423"},       {20424, "IBM424"},     {20866, "KOI8-R"},
        {20871, "IBM871"},       {20880, "IBM880"},     {20905, "IBM905"},
        {21025, "IBM1025"},      {21866, "KOI8-U"},     {28591, "ISO-8859-1"},
        {28592, "ISO-8859-2"},   {28593, "ISO-8859-3"}, {28594, "ISO-8859-4"},
        {28595, "ISO-8859-5"},   {28596, "ISO-8859-6"}, {28597, "ISO-8859-7"},
        {28598, "ISO-8859-8"},   {28599, "ISO-8859-9"}, {28603, "ISO-8859-13"},
        {28605, "ISO-8859-15"},  {38598, "ISO-8859-8"}, {65000, "UTF-7"},
        {65001, "UTF-8"},
    };
    return names;
}

IconvCodepageSystem::IconvCodepageSystem() {
    for (const auto& [codepage, name] : IconvCodepageNames()) {
        installed.insert(codepage);
    }
}

IconvCodepageSystem::~IconvCodepageSystem() {
    for (auto& [key, cd] : descriptors_) {
        iconv_close(static_cast<iconv_t>(cd));
    }
}

std::string IconvCodepageSystem::IconvName(int codepage) const {
    if (codepage == kCodepageAnsi) {
        codepage = ansiCodepage;
    } else if (codepage == kCodepageOem) {
        codepage = oemCodepage;
    } else if (codepage == kCodepageMac) {
        codepage = macCodepage;
    }
    const auto& names = IconvCodepageNames();
    const auto it = names.find(codepage);
    return it == names.end() ? std::string() : it->second;
}

void IconvCodepageSystem::EnumInstalledCodepages(
    const std::function<void(std::wstring_view)>& report) {
    for (int codepage : installed) {
        report(std::to_wstring(codepage));
    }
    for (const std::wstring& text : extraReports) {
        report(text);
    }
}

void* IconvCodepageSystem::Descriptor(const std::string& from, const std::string& to) {
    auto& cd = descriptors_[{from, to}];
    if (cd == nullptr) {
        iconv_t opened = iconv_open(to.c_str(), from.c_str());
        if (opened == reinterpret_cast<iconv_t>(-1)) {
            descriptors_.erase({from, to});
            return nullptr;
        }
        cd = opened;
    }
    iconv(static_cast<iconv_t>(cd), nullptr, nullptr, nullptr, nullptr); // back to the start
    return cd;
}

int IconvCodepageSystem::MultiByteToWide(int codepage, std::string_view bytes,
                                         std::span<wchar_t> out) {
    ++conversions;
    const std::string name = IconvName(codepage);
    // Code pages 0, 1 and 2 always convert; any other only while it is installed.
    const bool special = codepage >= kCodepageAnsi && codepage <= kCodepageMac;
    if (name.empty() || (!special && !installed.contains(codepage)) || bytes.empty()) {
        return 0;
    }
    void* cd = Descriptor(name, "UTF-16LE");
    if (cd == nullptr) {
        return 0;
    }
    std::vector<char> units(bytes.size() * 8 + 8);
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char* outPtr = units.data();
    std::size_t outLeft = units.size();
    if (iconv(static_cast<iconv_t>(cd), &in, &inLeft, &outPtr, &outLeft) ==
            static_cast<std::size_t>(-1) ||
        iconv(static_cast<iconv_t>(cd), nullptr, nullptr, &outPtr, &outLeft) ==
            static_cast<std::size_t>(-1)) {
        return 0;
    }
    const std::size_t count = (units.size() - outLeft) / 2;
    if (out.empty()) {
        return static_cast<int>(count);
    }
    if (out.size() < count) {
        return 0;
    }
    for (std::size_t i = 0; i < count; ++i) {
        out[i] = static_cast<wchar_t>(static_cast<unsigned char>(units[2 * i]) |
                                      (static_cast<unsigned char>(units[2 * i + 1]) << 8));
    }
    return static_cast<int>(count);
}

int IconvCodepageSystem::WideToMultiByte(int codepage, std::wstring_view text,
                                         std::span<char> out) {
    const std::string name = IconvName(codepage);
    if (name.empty() || text.empty()) {
        return 0;
    }
    void* cd = Descriptor("UTF-16LE", name);
    if (cd == nullptr) {
        return 0;
    }
    // Unit by unit, so that a character the code page lacks becomes "?" as on Windows.
    std::string result;
    for (wchar_t unit : text) {
        char in[2] = {static_cast<char>(unit & 0xFF), static_cast<char>((unit >> 8) & 0xFF)};
        char buffer[16];
        char* inPtr = in;
        std::size_t inLeft = 2;
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        iconv(static_cast<iconv_t>(cd), nullptr, nullptr, nullptr, nullptr);
        if (iconv(static_cast<iconv_t>(cd), &inPtr, &inLeft, &outPtr, &outLeft) ==
            static_cast<std::size_t>(-1)) {
            result.push_back('?');
        } else {
            result.append(buffer, static_cast<std::size_t>(outPtr - buffer));
        }
    }
    if (out.empty()) {
        return static_cast<int>(result.size());
    }
    if (out.size() < result.size()) {
        return 0;
    }
    std::copy(result.begin(), result.end(), out.begin());
    return static_cast<int>(result.size());
}

} // namespace tavrix::testing

#endif
