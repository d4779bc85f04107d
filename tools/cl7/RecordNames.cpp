#include "RecordNames.h"

#include "base/Unicode.h"

namespace tavrix {

RecordNames::RecordNames(const FileNameTable& table) {
    for (const NamedFormat& entry : table.entries) {
        // Stored as UTF-16 units; joined into characters where wide strings are wider.
        const std::u16string units(entry.name.begin(), entry.name.end());
        names_[entry.format] = WideFromUtf16(units);
    }
    catalogue_.BuildFormatCatalogue();
}

std::wstring RecordNames::Name(ClipFormat format) const {
    const auto it = names_.find(format);
    if (it != names_.end()) {
        return it->second;
    }
    if (format != 0 && format < cf::FirstRegistered) {
        return catalogue_.GetFormatName(format);
    }
    return {};
}

std::optional<ClipFormat> FormatNumber(const std::wstring& text) {
    const bool hex = text.size() > 2 && text[0] == L'0' && (text[1] == L'x' || text[1] == L'X');
    const std::wstring digits = hex ? text.substr(2) : text;
    if (digits.empty() || digits.size() > 5) {
        return std::nullopt;
    }
    unsigned long value = 0;
    for (wchar_t c : digits) {
        const bool decimal = c >= L'0' && c <= L'9';
        const bool letter = hex && ((c >= L'a' && c <= L'f') || (c >= L'A' && c <= L'F'));
        if (!decimal && !letter) {
            return std::nullopt;
        }
        const unsigned long digit = decimal ? c - L'0' : (c | 0x20) - L'a' + 10;
        value = value * (hex ? 16 : 10) + digit;
    }
    if (value > 0xFFFF) {
        return std::nullopt;
    }
    return static_cast<ClipFormat>(value);
}

} // namespace tavrix
