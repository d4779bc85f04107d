#include "settings/SettingsStore.h"
#include "ErrorText.h"
#include "base/Error.h"
#include "fakes/FakeSettings.h"

#include <gtest/gtest.h>

namespace tavrix {
namespace {

using testing::ErrorText;
using testing::FakeSettingsStore;
using Access = SettingsRegistry::KeyAccess;

TEST(SettingsStoreRegistry, MissingValuesGiveTheirDefaults) {
    FakeSettingsStore ini;
    EXPECT_TRUE(ini.store->UsesRegistry());
    EXPECT_FALSE(ini.store->ReadBool(L"FirstStarted", false));
    EXPECT_TRUE(ini.store->ReadBool(L"OnTop", true));
    EXPECT_EQ(ini.store->ReadInteger(L"ZoomImage", 100), 100);
}

TEST(SettingsStoreRegistry, IntegersAndBooleansRoundTripAsDwords) {
    FakeSettingsStore ini;
    ini.store->WriteInteger(L"Zoom", -12);
    ini.store->WriteBool(L"OnTop", true);
    ini.store->WriteBool(L"FirstStarted", false);
    EXPECT_EQ(ini.registry->values[L"Zoom"].data, 0xFFFFFFF4u);
    EXPECT_EQ(ini.registry->values[L"OnTop"].data, 1u);
    EXPECT_EQ(ini.registry->values[L"FirstStarted"].data, 0u);
    EXPECT_EQ(ini.store->ReadInteger(L"Zoom", 0), -12);
    EXPECT_TRUE(ini.store->ReadBool(L"OnTop", false));
    EXPECT_FALSE(ini.store->ReadBool(L"FirstStarted", true));
    ini.registry->values[L"Other"] = {true, 7, 4};
    EXPECT_TRUE(ini.store->ReadBool(L"Other", false));
}

TEST(SettingsStoreRegistry, ValuesOfAnotherTypeRaiseTheirErrors) {
    FakeSettingsStore ini;
    ini.registry->values[L"Zoom"] = {false, 0x31, 4};  // a short string
    ini.registry->values[L"OnTop"] = {false, 0, 10};   // longer than 4 bytes
    ini.registry->values[L"ZoomImage"] = {true, 0, 8}; // a 64-bit value
    EXPECT_EQ(ErrorText([&] { ini.store->ReadInteger(L"Zoom", 1); }),
              L"Invalid data type for 'Zoom'");
    EXPECT_EQ(ErrorText([&] { ini.store->ReadBool(L"Zoom", true); }),
              L"Invalid data type for 'Zoom'");
    EXPECT_EQ(ErrorText([&] { ini.store->ReadBool(L"OnTop", true); }),
              L"Failed to get data for 'OnTop'");
    EXPECT_EQ(ErrorText([&] { ini.store->ReadInteger(L"ZoomImage", 100); }),
              L"Failed to get data for 'ZoomImage'");
}

TEST(SettingsStoreRegistry, ReadOnlyKeySkipsWritesButReads) {
    FakeSettingsStore ini;
    ini.registry->access = Access::ReadOnly;
    ini.registry->values[L"Zoom"] = {true, 14, 4};
    EXPECT_TRUE(ini.store->IsReadOnly());
    ini.store->WriteInteger(L"Zoom", 20);
    ini.store->WriteBool(L"OnTop", true);
    EXPECT_TRUE(ini.registry->writes.empty());
    EXPECT_EQ(ini.store->ReadInteger(L"Zoom", 0), 14);
}

TEST(SettingsStoreRegistry, NoKeyOrRefusedWriteRaisesFailedToSet) {
    FakeSettingsStore ini;
    ini.registry->access = Access::None;
    ini.registry->values[L"Zoom"] = {false, 0, 4};
    EXPECT_EQ(ini.store->ReadInteger(L"Zoom", 5), 5); // no key: nothing is looked at
    EXPECT_EQ(ErrorText([&] { ini.store->WriteBool(L"OnTop", true); }),
              L"Failed to set data for 'OnTop'");
    ini.registry->access = Access::Full;
    ini.registry->refuseWrites = true;
    EXPECT_EQ(ErrorText([&] { ini.store->WriteInteger(L"Zoom", 1); }),
              L"Failed to set data for 'Zoom'");
}

TEST(SettingsStoreIniFile, WritesIntoSectionMainAndNothingIntoTheRegistry) {
    FakeSettingsStore ini;
    ini.store->UseIniFile(L"C:\\Tools\\Backup.ini");
    EXPECT_FALSE(ini.store->UsesRegistry());
    EXPECT_EQ(ini.store->IniFileName(), L"C:\\Tools\\Backup.ini");
    ini.store->WriteBool(L"OnTop", true);
    ini.store->WriteInteger(L"ZoomImage", 250);
    EXPECT_EQ(ini.files->files[L"C:\\Tools\\Backup.ini"], "[Main]\r\nOnTop=1\r\nZoomImage=250\r\n");
    EXPECT_TRUE(ini.registry->writes.empty());
    EXPECT_TRUE(ini.store->ReadBool(L"OnTop", false));
    EXPECT_EQ(ini.store->ReadInteger(L"ZoomImage", 100), 250);
}

TEST(SettingsStoreIniFile, IniTextsThatAreNoNumbersGiveTheDefault) {
    FakeSettingsStore ini;
    ini.files->files[L"B.ini"] = "[Main]\r\nZoom=0x10\r\nOnTop=abc\r\nZoomImage=\r\n";
    ini.store->UseIniFile(L"B.ini");
    EXPECT_EQ(ini.store->ReadInteger(L"Zoom", 0), 16);
    EXPECT_TRUE(ini.store->ReadBool(L"OnTop", true));
    EXPECT_EQ(ini.store->ReadInteger(L"ZoomImage", 100), 100);
}

TEST(SettingsStoreIniFile, SamePathKeepsTheObjectAndEmptyPathGoesBackToTheRegistry) {
    FakeSettingsStore ini;
    ini.store->UseIniFile(L"a.ini");
    const IniFile* first = ini.store->CurrentIniFile();
    ini.store->UseIniFile(L"a.ini");
    EXPECT_EQ(ini.store->CurrentIniFile(), first);
    ini.store->UseIniFile(L"A.ini"); // paths compare exactly
    EXPECT_EQ(ini.store->IniFileName(), L"A.ini");
    ini.store->UseIniFile(L"");
    EXPECT_TRUE(ini.store->UsesRegistry());
    EXPECT_EQ(ini.store->CurrentIniFile(), nullptr);
    ini.store->WriteInteger(L"Zoom", 3);
    EXPECT_EQ(ini.registry->writes, std::vector<std::wstring>{L"Zoom"});
}

TEST(SettingsStoreIniFile, UnwritableFileRaisesUnableToWrite) {
    FakeSettingsStore ini;
    ini.store->UseIniFile(L"C:\\ro\\Backup.ini");
    ini.files->readOnly.insert(L"C:\\ro\\Backup.ini");
    EXPECT_EQ(ErrorText([&] { ini.store->WriteBool(L"OnTop", true); }),
              L"Unable to write to C:\\ro\\Backup.ini");
}

TEST(ProcessSettingsInstance, InstalledOnceAndReleased) {
    InstallProcessSettings(nullptr);
    EXPECT_FALSE(HasProcessSettings());
    EXPECT_THROW(ProcessSettings(), Error);
    FakeSettingsStore ini;
    SettingsStore* raw = ini.store.get();
    InstallProcessSettings(std::move(ini.store));
    EXPECT_EQ(&ProcessSettings(), raw);
    InstallProcessSettings(nullptr);
    EXPECT_FALSE(HasProcessSettings());
}

} // namespace
} // namespace tavrix
