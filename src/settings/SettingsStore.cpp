#include "settings/SettingsStore.h"

#include "base/Error.h"
#include "base/UiText.h"

namespace tavrix {

namespace {

const std::wstring kSection = L"Main";

std::unique_ptr<SettingsStore> g_appIni;

std::wstring Quoted(const std::wstring& name) {
    return L"'" + name + L"'";
}

} // namespace

SettingsStore::SettingsStore(std::unique_ptr<SettingsRegistry> registry,
                             std::unique_ptr<SettingsFiles> files)
    : registry_(std::move(registry)), files_(std::move(files)) {}

SettingsStore::~SettingsStore() = default;

bool SettingsStore::IsReadOnly() const {
    return registry_->Access() == SettingsRegistry::KeyAccess::ReadOnly;
}

std::int32_t SettingsStore::ReadInteger(const std::wstring& name, std::int32_t defaultValue) {
    if (!UsesRegistry()) {
        return iniFile_->ReadInteger(kSection, name, defaultValue);
    }
    if (registry_->Access() == SettingsRegistry::KeyAccess::None) {
        return defaultValue;
    }
    const SettingsRegistry::QueryResult value = registry_->Query(name);
    switch (value.status) {
    case SettingsRegistry::QueryStatus::Missing:
        return defaultValue;
    case SettingsRegistry::QueryStatus::Failed:
        throw Error(Tr(L"Failed to get data for %1", {Quoted(name)}));
    case SettingsRegistry::QueryStatus::Read:
        break;
    }
    if (!value.isDword) {
        throw Error(Tr(L"Invalid data type for %1", {Quoted(name)}));
    }
    return static_cast<std::int32_t>(value.data);
}

bool SettingsStore::ReadBool(const std::wstring& name, bool defaultValue) {
    if (!UsesRegistry()) {
        return iniFile_->ReadBool(kSection, name, defaultValue);
    }
    return ReadInteger(name, defaultValue ? 1 : 0) != 0;
}

void SettingsStore::WriteInteger(const std::wstring& name, std::int32_t value) {
    if (!UsesRegistry()) {
        iniFile_->WriteInteger(kSection, name, value);
        return;
    }
    switch (registry_->Access()) {
    case SettingsRegistry::KeyAccess::ReadOnly:
        return;
    case SettingsRegistry::KeyAccess::None:
        throw Error(Tr(L"Failed to set data for %1", {Quoted(name)}));
    case SettingsRegistry::KeyAccess::Full:
        break;
    }
    if (!registry_->SetDword(name, static_cast<std::uint32_t>(value))) {
        throw Error(Tr(L"Failed to set data for %1", {Quoted(name)}));
    }
}

void SettingsStore::WriteBool(const std::wstring& name, bool value) {
    if (!UsesRegistry()) {
        iniFile_->WriteBool(kSection, name, value);
        return;
    }
    WriteInteger(name, value ? 1 : 0);
}

void SettingsStore::UseIniFile(const std::wstring& path) {
    if (path == iniFileName_) {
        return;
    }
    iniFileName_ = path;
    iniFile_.reset();
    if (!path.empty()) {
        iniFile_ = std::make_unique<IniFile>(path, *files_);
    }
}

SettingsStore& ProcessSettings() {
    if (!g_appIni) {
        throw Error(Tr(L"The settings store is not available"));
    }
    return *g_appIni;
}

bool HasProcessSettings() {
    return g_appIni != nullptr;
}

void InstallProcessSettings(std::unique_ptr<SettingsStore> store) {
    g_appIni = std::move(store);
}

} // namespace tavrix
