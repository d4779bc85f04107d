#include "settings/IniFile.h"

#include "base/Error.h"
#include "base/UiText.h"
#include "base/Unicode.h"
#include "settings/IniDocument.h"
#include "settings/IniInteger.h"

namespace tavrix {

namespace {

constexpr std::string_view kUtf16Mark = "\xFF\xFE";

bool IsUtf16(const std::string& bytes) {
    return bytes.compare(0, kUtf16Mark.size(), kUtf16Mark) == 0;
}

// The file's text as UTF-8: files saved as "Unicode" (UTF-16 with its mark) are converted.
std::string TextOf(const std::string& bytes) {
    return IsUtf16(bytes) ? Utf8FromUtf16Le(std::string_view(bytes).substr(kUtf16Mark.size()))
                          : bytes;
}

} // namespace

IniFile::IniFile(std::wstring fileName, SettingsFiles& files)
    : fileName_(std::move(fileName)), files_(files) {}

std::optional<std::wstring> IniFile::ReadString(const std::wstring& section,
                                                const std::wstring& name) {
    const std::optional<std::string> bytes = files_.Read(fileName_);
    if (!bytes) {
        return std::nullopt;
    }
    std::optional<std::wstring> value = IniDocument(TextOf(*bytes)).Get(section, name);
    if (value && value->size() > kIniValueLimit) {
        value->resize(kIniValueLimit);
    }
    return value;
}

void IniFile::WriteString(const std::wstring& section, const std::wstring& name,
                          const std::wstring& value) {
    const std::string bytes = files_.Read(fileName_).value_or(std::string());
    IniDocument document(TextOf(bytes));
    document.Set(section, name, value);
    // The file keeps its encoding.
    const std::string text = document.Bytes();
    const std::string out = IsUtf16(bytes) ? std::string(kUtf16Mark) + Utf16LeFromUtf8(text) : text;
    if (!files_.Write(fileName_, out)) {
        throw Error(Tr(L"Unable to write to %1", {fileName_}));
    }
}

std::int32_t IniFile::ReadInteger(const std::wstring& section, const std::wstring& name,
                                  std::int32_t defaultValue) {
    const std::optional<std::wstring> text = ReadString(section, name);
    if (!text || text->empty()) {
        return defaultValue;
    }
    return ParseIniInteger(*text).value_or(defaultValue);
}

bool IniFile::ReadBool(const std::wstring& section, const std::wstring& name, bool defaultValue) {
    return ReadInteger(section, name, defaultValue ? 1 : 0) != 0;
}

void IniFile::WriteInteger(const std::wstring& section, const std::wstring& name,
                           std::int32_t value) {
    WriteString(section, name, std::to_wstring(value));
}

void IniFile::WriteBool(const std::wstring& section, const std::wstring& name, bool value) {
    WriteString(section, name, value ? L"1" : L"0");
}

} // namespace tavrix
