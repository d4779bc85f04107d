#pragma once
// A plain INI file in memory: "[section]" lines and "name=value" lines. Section and value names
// match ignoring ASCII letter case, as the Windows profile functions do; lines that are not
// touched are written back unchanged. Text is UTF-8; IniFile converts files saved as UTF-16.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrix {

class IniDocument {
public:
    IniDocument() = default;
    explicit IniDocument(std::string_view bytes);

    // The value of name in section, blanks around it removed and one pair of enclosing quotes
    // (" or ') taken off; nothing when the section or the name is missing.
    std::optional<std::wstring> Get(std::wstring_view section, std::wstring_view name) const;
    // Replaces the first line of name in section, or adds one at the end of the section; adds
    // the section at the end of the file when it is missing.
    void Set(std::wstring_view section, std::wstring_view name, std::wstring_view value);

    // The file's content, every line ended by CR LF.
    std::string Bytes() const;

private:
    std::optional<std::size_t> FindSection(std::string_view section) const;
    std::size_t SectionEnd(std::size_t header) const;

    std::vector<std::string> lines_;
};

} // namespace tavrix
