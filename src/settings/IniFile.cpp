#include "settings/IniFile.h"

#include "settings/Error.h"
#include "settings/IniDocument.h"
#include "settings/IniInteger.h"

namespace tavrix {

IniFile::IniFile(std::wstring fileName, SettingsFiles& files)
    : fileName_(std::move(fileName)), files_(files) {}

std::optional<std::wstring> IniFile::ReadString(const std::wstring& section,
                                                const std::wstring& name) {
    const std::optional<std::string> bytes = files_.Read(fileName_);
    if (!bytes) {
        return std::nullopt;
    }
    std::optional<std::wstring> value = IniDocument(*bytes).Get(section, name);
    if (value && value->size() > kIniValueLimit) {
        value->resize(kIniValueLimit);
    }
    return value;
}

void IniFile::WriteString(const std::wstring& section, const std::wstring& name,
                          const std::wstring& value) {
    IniDocument document(files_.Read(fileName_).value_or(std::string()));
    document.Set(section, name, value);
    if (!files_.Write(fileName_, document.Bytes())) {
        throw Error(L"Unable to write to " + fileName_);
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
