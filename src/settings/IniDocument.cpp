#include "settings/IniDocument.h"

#include "base/TextHelpers.h"
#include "base/Unicode.h"

namespace tavrix {

namespace {

std::string_view Trim(std::string_view s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

// The section name of a header line, or nothing when the line is no header.
std::optional<std::string_view> SectionName(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line.front() != '[') {
        return std::nullopt;
    }
    line.remove_prefix(1);
    const auto close = line.find(']');
    return Trim(close == std::string_view::npos ? line : line.substr(0, close));
}

struct Entry {
    std::string_view name;
    std::string_view value;
};

Entry SplitEntry(std::string_view line) {
    line = Trim(line);
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) {
        return {line, {}};
    }
    return {Trim(line.substr(0, equals)), Trim(line.substr(equals + 1))};
}

std::string_view Unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

} // namespace

IniDocument::IniDocument(std::string_view bytes) {
    // Some editors add a byte order mark to a file that has one already.
    while (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        bytes.remove_prefix(3);
    }
    std::size_t start = 0;
    while (start < bytes.size()) {
        auto end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines_.emplace_back(bytes.substr(start));
            break;
        }
        lines_.emplace_back(bytes.substr(start, end - start));
        if (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') {
            ++end;
        }
        start = end + 1;
    }
}

std::optional<std::size_t> IniDocument::FindSection(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        auto name = SectionName(lines_[i]);
        if (name && EqualIgnoringAsciiCase(*name, section)) {
            return i;
        }
    }
    return std::nullopt;
}

std::size_t IniDocument::SectionEnd(std::size_t header) const {
    std::size_t i = header + 1;
    while (i < lines_.size() && !SectionName(lines_[i])) {
        ++i;
    }
    return i;
}

std::optional<std::wstring> IniDocument::Get(std::wstring_view section,
                                             std::wstring_view name) const {
    const std::string wantedName = Utf8FromWide(name);
    const auto header = FindSection(Utf8FromWide(section));
    if (!header) {
        return std::nullopt;
    }
    const std::size_t end = SectionEnd(*header);
    for (std::size_t i = *header + 1; i < end; ++i) {
        const Entry entry = SplitEntry(lines_[i]);
        if (!entry.name.empty() && EqualIgnoringAsciiCase(entry.name, wantedName)) {
            return WideFromUtf8(Unquote(entry.value));
        }
    }
    return std::nullopt;
}

void IniDocument::Set(std::wstring_view section, std::wstring_view name, std::wstring_view value) {
    const std::string sectionText = Utf8FromWide(section);
    const std::string nameText = Utf8FromWide(name);
    std::string line = nameText + "=" + Utf8FromWide(value);

    const auto header = FindSection(sectionText);
    if (!header) {
        lines_.push_back("[" + sectionText + "]");
        lines_.push_back(std::move(line));
        return;
    }
    const std::size_t end = SectionEnd(*header);
    std::size_t insertAt = *header + 1;
    for (std::size_t i = *header + 1; i < end; ++i) {
        const Entry entry = SplitEntry(lines_[i]);
        if (!entry.name.empty() && EqualIgnoringAsciiCase(entry.name, nameText)) {
            lines_[i] = std::move(line);
            return;
        }
        if (!Trim(lines_[i]).empty()) {
            insertAt = i + 1; // after the section's last non-blank line
        }
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), std::move(line));
}

std::string IniDocument::Bytes() const {
    std::string bytes;
    for (const std::string& line : lines_) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace tavrix
