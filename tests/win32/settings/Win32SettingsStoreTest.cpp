#include "ErrorText.h"
#include "base/SystemServices.h"
#include "base/TextHelpers.h"
#include "base/win32/Win32SystemPlatform.h"
#include "settings/SettingsStore.h"
#include "settings/win32/SettingsStoreSetup.h"
#include "settings/win32/Win32SettingsFiles.h"
#include "settings/win32/Win32SettingsRegistry.h"
#include "support/WineRegistry.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace tavrix::win32 {
namespace {

using test::DeleteKeyTree;
using test::KeyExists;
using test::ReadValue;
using test::WriteRaw;
using testing::ErrorText;

// Most tests use a key of their own beside the program's, so a test run leaves the program's
// settings in the prefix alone.
const std::wstring kTestKey = L"SOFTWARE\\Norvane\\TavrixTest";

std::wstring TempFolder() {
    wchar_t buffer[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, buffer);
    std::wstring folder =
        std::wstring(buffer) + L"tavrix-settings-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

std::string ReadFileBytes(const std::wstring& path) {
    return Win32SettingsFiles().Read(path).value_or("(missing)");
}

class Win32SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(test::RunningUnderWine()) << "these tests write into the registry";
        DeleteKeyTree(HKEY_CURRENT_USER, kTestKey);
    }
    void TearDown() override { DeleteKeyTree(HKEY_CURRENT_USER, kTestKey); }

    SettingsStore MakeStore() {
        return SettingsStore(std::make_unique<Win32SettingsRegistry>(HKEY_CURRENT_USER, kTestKey),
                             std::make_unique<Win32SettingsFiles>());
    }
};

TEST_F(Win32SettingsStoreTest, FirstRunCreatesTheKeyAndReturnsDefaults) {
    ASSERT_FALSE(KeyExists(HKEY_CURRENT_USER, kTestKey));
    SettingsStore store = MakeStore();
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, kTestKey));
    EXPECT_FALSE(store.IsReadOnly());
    EXPECT_FALSE(store.ReadBool(L"FirstStarted", false));
    EXPECT_EQ(store.ReadInteger(L"ZoomImage", 100), 100);
    EXPECT_EQ(store.ReadInteger(L"TMainFormTop", -7), -7);
}

TEST_F(Win32SettingsStoreTest, ProgramKeyIsCreatedUnderTheCurrentUser) {
    // The program's own key, put back as it was after the test.
    const std::wstring path = kSettingsKeyPath;
    test::KeySnapshot keep(HKEY_CURRENT_USER, path);
    DeleteKeyTree(HKEY_CURRENT_USER, path);
    ASSERT_FALSE(KeyExists(HKEY_CURRENT_USER, path));
    Win32SettingsRegistry registry;
    EXPECT_EQ(registry.Access(), SettingsRegistry::KeyAccess::Full);
    EXPECT_EQ(registry.GrantedMask(), static_cast<REGSAM>(KEY_ALL_ACCESS));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, L"SOFTWARE\\Norvane\\Tavrix"));
}

TEST_F(Win32SettingsStoreTest, IntegersAndBooleansRoundTripAsDwords) {
    SettingsStore store = MakeStore();
    store.WriteInteger(L"Zoom", -12);
    store.WriteInteger(L"ZoomImage", 1600);
    store.WriteBool(L"OnTop", true);
    store.WriteBool(L"FirstStarted", false);

    auto zoom = ReadValue(HKEY_CURRENT_USER, kTestKey, L"Zoom");
    ASSERT_TRUE(zoom.has_value());
    EXPECT_EQ(zoom->type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(zoom->dword, 0xFFFFFFF4u);
    auto onTop = ReadValue(HKEY_CURRENT_USER, kTestKey, L"OnTop");
    ASSERT_TRUE(onTop.has_value());
    EXPECT_EQ(onTop->type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(onTop->dword, 1u);

    SettingsStore again = MakeStore();
    EXPECT_EQ(again.ReadInteger(L"Zoom", 0), -12);
    EXPECT_EQ(again.ReadInteger(L"ZoomImage", 100), 1600);
    EXPECT_TRUE(again.ReadBool(L"OnTop", false));
    EXPECT_FALSE(again.ReadBool(L"FirstStarted", true));
}

TEST_F(Win32SettingsStoreTest, ValuesOfAnotherTypeRaiseTheExactErrors) {
    SettingsStore store = MakeStore();
    const wchar_t shortText[] = L"1"; // 4 bytes with its terminator
    WriteRaw(HKEY_CURRENT_USER, kTestKey, L"Zoom", REG_SZ, shortText, sizeof(shortText));
    const wchar_t longText[] = L"abc";
    WriteRaw(HKEY_CURRENT_USER, kTestKey, L"OnTop", REG_SZ, longText, sizeof(longText));
    const std::uint64_t quad = 5;
    WriteRaw(HKEY_CURRENT_USER, kTestKey, L"ZoomImage", REG_QWORD, &quad, sizeof(quad));
    const BYTE twoBytes[] = {1, 0};
    WriteRaw(HKEY_CURRENT_USER, kTestKey, L"FormatsWidth", REG_BINARY, twoBytes, 2);

    EXPECT_EQ(ErrorText([&] { store.ReadInteger(L"Zoom", 10); }), L"Invalid data type for 'Zoom'");
    EXPECT_EQ(ErrorText([&] { store.ReadBool(L"OnTop", false); }),
              L"Failed to get data for 'OnTop'");
    EXPECT_EQ(ErrorText([&] { store.ReadInteger(L"ZoomImage", 100); }),
              L"Failed to get data for 'ZoomImage'");
    EXPECT_EQ(ErrorText([&] { store.ReadInteger(L"FormatsWidth", 1); }),
              L"Invalid data type for 'FormatsWidth'");
    // Writing replaces the value with a REG_DWORD, after which it reads.
    store.WriteInteger(L"Zoom", 11);
    EXPECT_EQ(store.ReadInteger(L"Zoom", 10), 11);
}

TEST_F(Win32SettingsStoreTest, KeyOnlyReadableSkipsWritesWhicheverReadMaskOpensIt) {
    {
        SettingsStore store = MakeStore();
        store.WriteInteger(L"Zoom", 9);
    }
    // The key's access list grants everyone one read mask; the full-access open is refused
    // and the first read mask that the list covers opens the key.
    const struct {
        const wchar_t* accessList;
        REGSAM expectedMask;
    } cases[] = {{L"D:P(A;;0x20019;;;WD)", 0x20019},
                 {L"D:P(A;;0x20009;;;WD)", 0x20009},
                 {L"D:P(A;;0x1;;;WD)", 0x1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.accessList);
        ASSERT_TRUE(test::SetKeyAccessList(HKEY_CURRENT_USER, kTestKey, c.accessList));
        auto registry = std::make_unique<Win32SettingsRegistry>(HKEY_CURRENT_USER, kTestKey);
        ASSERT_EQ(registry->Access(), SettingsRegistry::KeyAccess::ReadOnly) << c.accessList;
        EXPECT_EQ(registry->GrantedMask(), c.expectedMask);
        SettingsStore store(std::move(registry), std::make_unique<Win32SettingsFiles>());
        EXPECT_TRUE(store.IsReadOnly());
        EXPECT_EQ(store.ReadInteger(L"Zoom", 0), 9);
        EXPECT_NO_THROW(store.WriteInteger(L"Zoom", 20));
        EXPECT_NO_THROW(store.WriteBool(L"OnTop", true));
    }
    ASSERT_TRUE(test::SetKeyAccessList(HKEY_CURRENT_USER, kTestKey, L"D:(A;;KA;;;WD)"));
    auto zoom = ReadValue(HKEY_CURRENT_USER, kTestKey, L"Zoom");
    ASSERT_TRUE(zoom.has_value());
    EXPECT_EQ(zoom->dword, 9u);
    EXPECT_FALSE(ReadValue(HKEY_CURRENT_USER, kTestKey, L"OnTop").has_value());
}

TEST_F(Win32SettingsStoreTest, KeyNobodyMayOpenReadsDefaultsAndRefusesWrites) {
    { SettingsStore create = MakeStore(); }
    WriteRaw(HKEY_CURRENT_USER, kTestKey, L"Zoom", REG_SZ, L"x", 4);
    ASSERT_TRUE(test::SetKeyAccessList(HKEY_CURRENT_USER, kTestKey, L"D:P"));
    auto registry = std::make_unique<Win32SettingsRegistry>(HKEY_CURRENT_USER, kTestKey);
    ASSERT_EQ(registry->Access(), SettingsRegistry::KeyAccess::None);
    SettingsStore store(std::move(registry), std::make_unique<Win32SettingsFiles>());
    EXPECT_EQ(store.ReadInteger(L"Zoom", 13), 13);
    EXPECT_EQ(ErrorText([&] { store.WriteBool(L"OnTop", true); }),
              L"Failed to set data for 'OnTop'");
}

class Win32IniModeTest : public Win32SettingsStoreTest {
protected:
    void SetUp() override {
        Win32SettingsStoreTest::SetUp();
        folder = TempFolder();
        path = folder + L"\\Backup.ini";
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(path.c_str());
    }
    void TearDown() override {
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(path.c_str());
        RemoveDirectoryW(folder.c_str());
        Win32SettingsStoreTest::TearDown();
    }
    std::wstring folder;
    std::wstring path;
};

TEST_F(Win32IniModeTest, OnTopGoesIntoSectionMainOfBackupIniAndNotIntoTheRegistry) {
    SettingsStore store = MakeStore();
    store.UseIniFile(path);
    store.WriteBool(L"OnTop", true);
    EXPECT_EQ(ReadFileBytes(path), "[Main]\r\nOnTop=1\r\n");
    EXPECT_FALSE(ReadValue(HKEY_CURRENT_USER, kTestKey, L"OnTop").has_value());
    // The platform's own profile reader sees the same file.
    EXPECT_EQ(GetPrivateProfileIntW(L"Main", L"OnTop", 7, path.c_str()), 1u);
    EXPECT_TRUE(store.ReadBool(L"OnTop", false));
}

TEST_F(Win32IniModeTest, ReadsHexadecimalAndDefaultsFromARealFile) {
    ASSERT_TRUE(WritePrivateProfileStringW(L"Main", L"Zoom", L"0x10", path.c_str()));
    ASSERT_TRUE(WritePrivateProfileStringW(L"Main", L"ZoomImage", L"abc", path.c_str()));
    ASSERT_TRUE(WritePrivateProfileStringW(L"Main", L"FormatsWidth", L"", path.c_str()));
    SettingsStore store = MakeStore();
    store.UseIniFile(path);
    EXPECT_EQ(store.ReadInteger(L"Zoom", 0), 16);
    EXPECT_EQ(store.ReadInteger(L"ZoomImage", 100), 100);
    EXPECT_EQ(store.ReadInteger(L"FormatsWidth", 200), 200);
    store.WriteInteger(L"Zoom", 14);
    wchar_t text[32] = {};
    GetPrivateProfileStringW(L"Main", L"Zoom", L"", text, 32, path.c_str());
    EXPECT_STREQ(text, L"14");
    GetPrivateProfileStringW(L"Main", L"ZoomImage", L"", text, 32, path.c_str());
    EXPECT_STREQ(text, L"abc");
}

TEST_F(Win32IniModeTest, ReadOnlyFileRaisesUnableToWrite) {
    SettingsStore store = MakeStore();
    store.UseIniFile(path);
    store.WriteBool(L"OnTop", false);
    ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(ErrorText([&] { store.WriteBool(L"OnTop", true); }), L"Unable to write to " + path);
    EXPECT_EQ(ReadFileBytes(path), "[Main]\r\nOnTop=0\r\n");
    EXPECT_FALSE(store.ReadBool(L"OnTop", true));
}

TEST(Win32SettingsStoreSetup, IniFileSwitchUsesBackupIniBesideTheExecutable) {
    Win32SystemPlatform platform;
    InstallSystemPlatform(&platform);
    CreateSettingsStore(true);
    EXPECT_FALSE(ProcessSettings().UsesRegistry());
    EXPECT_EQ(ProcessSettings().IniFileName(), JoinPath(ExecutableFolder(), L"Backup.ini"));
    CreateSettingsStore(false);
    EXPECT_TRUE(ProcessSettings().UsesRegistry());
    EXPECT_TRUE(ProcessSettings().IniFileName().empty());
    ReleaseProcessSettings();
    EXPECT_FALSE(HasProcessSettings());
    InstallSystemPlatform(nullptr);
}

} // namespace
} // namespace tavrix::win32
