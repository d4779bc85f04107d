#include "base/UiText.h"
#include "viewer/CodePages.h"
#include "viewer/ViewerAssert.h"

namespace tavrix {

namespace {

constexpr std::array<EncodingRow, kEncodingCount> kEncodings = {{
    {-1, 0, L"ANSI (Windows)"},
    {1, 0, L"OEM (DOS)"},
    {-1, 0, L"EBCDIC"},
    {-1, 0, L"KOI8"},
    {-1, 0, L"ISO"},
    {2, 0, L"Mac"},
    {850, 1, L"IBM-850"},
    {28591, 1, L"ISO 8859-1"},
    {28605, 1, L"ISO 8859-15"},
    {10000, 1, L"MacRoman"},
    {1252, 1, L"Windows-1252"},
    {852, 2, L"IBM-852"},
    {28592, 2, L"ISO 8859-2"},
    {10029, 2, L"MacCE"},
    {1250, 2, L"Windows-1250"},
    {775, 3, L"IBM-775"},
    {28594, 3, L"ISO 8859-4"},
    {28603, 3, L"ISO 8859-13"},
    {1257, 3, L"Windows-1257"},
    {866, 4, L"IBM-866"},
    {28595, 4, L"ISO 8859-5"},
    {20866, 4, L"KOI8-R"},
    {21866, 4, L"KOI8-U"},
    {10007, 4, L"MacCyrillic"},
    {10017, 4, L"MacUkrainian"},
    {1251, 4, L"Windows-1251"},
    {437, 5, L"US OEM"},
    {737, 6, L"IBM-737"},
    {28597, 6, L"ISO 8859-7"},
    {10006, 6, L"MacGreek"},
    {1253, 6, L"Windows-1253"},
    {28593, 7, L"ISO 8859-3"},
    {857, 8, L"IBM-857"},
    {28599, 8, L"ISO 8859-9"},
    {10081, 8, L"MacTurkish"},
    {1254, 8, L"Windows-1254"},
    {708, 9, L"ASMO-708"},
    {720, 9, L"DOS-720"},
    {864, 9, L"IBM-864"},
    {28596, 9, L"ISO 8859-6"},
    {10004, 9, L"MacArabic"},
    {1256, 9, L"Windows-1256"},
    {862, 10, L"IBM-862"},
    {38598, 10, L"ISO 8859-8, ISO-Logical"},
    {28598, 10, L"ISO 8859-8, ISO-Visual"},
    {10005, 10, L"MacHebrew"},
    {1255, 10, L"Windows-1255"},
    {874, 11, L"Windows-874"},
    {1258, 12, L"Windows-1258"},
    {37, 13, L"US-Canada"},
    {500, 13, L"International"},
    {1047, 13, L"Latin 1/Open System"},
    {870, 13, L"Multilingual Latin 2"},
    {20423, 13, L"Greek"},
    {875, 13, L"Greek Modern"},
    {20273, 13, L"Germany"},
    {20277, 13, L"Denmark-Norway"},
    {20278, 13, L"Finland-Sweden"},
    {20285, 13, L"United Kingdom"},
    {20297, 13, L"France"},
    {20871, 13, L"Icelandic"},
    {20880, 13, L"Cyrillic Russian"},
    {21025, 13, L"Cyrillic Serbian-Bulgarian"},
    {20280, 13, L"Italy"},
    {20284, 13, L"Latin America-Spain"},
    {20290, 13, L"Japanese Katakana Extended"},
    {20833, 13, L"Korean Extended"},
    {20420, 13, L"Arabic"},
    {20424, 13, L"Hebrew"},
    {20838, 13, L"Thai"},
    {20905, 13, L"Turkish"},
    {1026, 13, L"Turkish (Latin 5)"},
    {65000, 14, L"UTF-7"},
    {65001, 14, L"UTF-8"},
    {-1, 15, L"UTF-16 LE"},
    {-1, 15, L"UTF-16 BE"},
}};

// The names of the groups are translated up to the families that are names themselves (IBM
// EBCDIC, Unicode); the names of the code pages never are.
constexpr int kFirstNamedGroup = 13;
constexpr std::array<std::wstring_view, 16> kGroupNames = {
    L"",
    TextKey(L"Western European"),
    TextKey(L"Central European"),
    TextKey(L"Baltic"),
    TextKey(L"Cyrillic"),
    TextKey(L"United States"),
    TextKey(L"Greek"),
    TextKey(L"Latin 3"),
    TextKey(L"Turkish"),
    TextKey(L"Arabic"),
    TextKey(L"Hebrew"),
    TextKey(L"Thai"),
    TextKey(L"Vietnamese"),
    L"IBM EBCDIC",
    L"Unicode",
    L"Unicode",
};

} // namespace

const EncodingRow& EncodingRecord(ViewerEncoding encoding) {
    if (!IsValidEncoding(encoding)) {
        FailAssertion(L"Invalid encoding: " + std::to_wstring(static_cast<int>(encoding)),
                      L"ZorvxCodepages");
    }
    return kEncodings[static_cast<std::size_t>(encoding)];
}

std::wstring EncodingGroupName(int group) {
    if (group <= 0 || group >= static_cast<int>(kGroupNames.size())) {
        return {};
    }
    const std::wstring_view name = kGroupNames[static_cast<std::size_t>(group)];
    return group < kFirstNamedGroup ? Tr(name) : std::wstring(name);
}

std::int32_t CodepageID(ViewerEncoding encoding) {
    const std::int32_t codepage = EncodingRecord(encoding).codepage;
    if (codepage < 0) {
        FailAssertion(L"Invalid codepage specified: CodepageID", L"ZorvxCodepages");
    }
    return codepage;
}

std::wstring EncodingName(ViewerEncoding encoding) {
    const EncodingRow& rec = EncodingRecord(encoding);
    if (rec.group == 0) {
        return rec.name;
    }
    return EncodingGroupName(rec.group) + L" (" + rec.name + L")";
}

} // namespace tavrix
