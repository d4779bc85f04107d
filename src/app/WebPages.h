#pragma once
// The web pages the program opens: the product's own site and the site of the maker's other
// product. Both site addresses live here and nowhere else.
#include <cstdint>
#include <string>

namespace tavrix {

inline constexpr wchar_t kProductSite[] = L"https://www.tavrix.example";
inline constexpr wchar_t kOtherProductSite[] = L"https://www.brisvel.example";

// The product's help page ("Help online..." and the first start).
std::wstring HelpPageAddress();
// The product's home page ("About Tavrix...").
std::wstring HomePageAddress();
// The other product's page for a display language: German and Russian (by primary language,
// the low 8 bits) have pages of their own; every other language gets the clipboard-history
// page.
std::wstring OtherProductPageAddress(std::uint16_t languageId);

} // namespace tavrix
