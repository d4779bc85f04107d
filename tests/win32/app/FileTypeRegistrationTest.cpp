#include "app/win32/FileTypeRegistration.h"
#include "app/WebPages.h"
#include "base/Error.h"
#include "settings/SettingsStore.h"
#include "settings/win32/Win32SettingsFiles.h"
#include "settings/win32/Win32SettingsRegistry.h"
#include "support/WineRegistry.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace tavrix::win32 {
namespace {

using test::KeyExists;
using test::ReadValue;

std::wstring DefaultValue(const std::wstring& key) {
    auto value = ReadValue(HKEY_CLASSES_ROOT, key, nullptr);
    if (!value) {
        return L"(missing)";
    }
    return value->type == REG_SZ ? value->text : L"(not a string)";
}

// The file-type keys live in the Wine prefix's HKEY_CLASSES_ROOT; each test starts without them.
class FileTypeRegistrationTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(test::RunningUnderWine()) << "these tests write into HKEY_CLASSES_ROOT";
        Clean();
    }
    void TearDown() override { Clean(); }
    static void Clean() {
        test::DeleteKeyTree(HKEY_CLASSES_ROOT, L".cl7");
        test::DeleteKeyTree(HKEY_CLASSES_ROOT, L"ClipboardFile");
    }
};

TEST_F(FileTypeRegistrationTest, WritesTheFourKeysWithTheQuotedCommand) {
    RegisterFileType(L"cl7", L"ClipboardFile", L"Tavrix file", L"0",
                     L"C:\\Program Files\\My Tools\\Tavrix.exe");
    EXPECT_EQ(DefaultValue(L".cl7"), L"ClipboardFile");
    EXPECT_EQ(DefaultValue(L"ClipboardFile"), L"Tavrix file");
    EXPECT_EQ(DefaultValue(L"ClipboardFile\\DefaultIcon"),
              L"C:\\Program Files\\My Tools\\Tavrix.exe, 0");
    EXPECT_EQ(DefaultValue(L"ClipboardFile\\Shell\\Open\\Command"),
              L"\"C:\\Program Files\\My Tools\\Tavrix.exe\" \"%1\"");
}

TEST_F(FileTypeRegistrationTest, DottedExtensionAndEmptyDescription) {
    RegisterFileType(L".cl7", L"ClipboardFile", L"", L"0", L"C:\\Tools\\Tavrix.exe");
    EXPECT_EQ(DefaultValue(L".cl7"), L"ClipboardFile");
    EXPECT_EQ(DefaultValue(L"ClipboardFile"), L"ClipboardFile");
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, L"..cl7"));

    Clean();
    RegisterFileType(L"cl7", L"ClipboardFile", L"Tavrix file", L"0", L"");
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, L".cl7"));
}

TEST_F(FileTypeRegistrationTest, KeysAreWrittenInOrderAndAFailureKeepsTheEarlierOnes) {
    // A volatile "Shell" key cannot get a persistent child, so the command key - the last one -
    // cannot be created.
    HKEY type = nullptr;
    HKEY shell = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, L"ClipboardFile", 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &type, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegCreateKeyExW(type, L"Shell", 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS,
                              nullptr, &shell, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(shell);
    RegCloseKey(type);

    EXPECT_THROW(
        RegisterFileType(L"cl7", L"ClipboardFile", L"Tavrix file", L"0", L"C:\\Tools\\Tavrix.exe"),
        Error);
    EXPECT_EQ(DefaultValue(L".cl7"), L"ClipboardFile");
    EXPECT_EQ(DefaultValue(L"ClipboardFile"), L"Tavrix file");
    EXPECT_EQ(DefaultValue(L"ClipboardFile\\DefaultIcon"), L"C:\\Tools\\Tavrix.exe, 0");
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, L"ClipboardFile\\Shell\\Open"));
}

TEST(GetSpecialFolderPath, ProgramFilesWithoutTrailingBackslash) {
    const std::wstring folder = GetSpecialFolderPath(kCsidlProgramFiles);
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), L'\\');
    EXPECT_EQ(GetFileAttributesW(folder.c_str()) & FILE_ATTRIBUTE_DIRECTORY,
              static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
    EXPECT_EQ(GetSpecialFolderPath(0x7FFF), L"");
}

// The real platform with the page and the wait recorded instead of carried out.
class QuietPlatform : public Win32FirstStartPlatform {
public:
    void OpenWebPage(const std::wstring& address) override { opened.push_back(address); }
    void Wait(std::uint32_t milliseconds) override { waited += milliseconds; }
    std::vector<std::wstring> opened;
    std::uint32_t waited = 0;
};

TEST_F(FileTypeRegistrationTest, FirstStartRegistersOnceWithTheRunningExecutable) {
    const std::wstring settingsKey = L"SOFTWARE\\Norvane\\TavrixTest";
    test::DeleteKeyTree(HKEY_CURRENT_USER, settingsKey);
    {
        SettingsStore store(std::make_unique<Win32SettingsRegistry>(HKEY_CURRENT_USER, settingsKey),
                            std::make_unique<Win32SettingsFiles>());
        QuietPlatform platform;
        const std::wstring exe = platform.ExecutablePath();
        ASSERT_FALSE(exe.empty());

        RunFirstStartStep(store, platform);
        EXPECT_TRUE(store.ReadBool(L"FirstStarted", false));
        EXPECT_EQ(DefaultValue(L"ClipboardFile\\Shell\\Open\\Command"), L"\"" + exe + L"\" \"%1\"");
        EXPECT_EQ(DefaultValue(L"ClipboardFile\\DefaultIcon"), exe + L", 0");
        // The test program runs from the build folder, outside the program-files folder.
        EXPECT_EQ(platform.opened, std::vector<std::wstring>{HelpPageAddress()});
        EXPECT_EQ(platform.waited, 1000u);

        Clean();
        QuietPlatform second;
        RunFirstStartStep(store, second);
        EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, L".cl7"));
        EXPECT_TRUE(second.opened.empty());
    }
    test::DeleteKeyTree(HKEY_CURRENT_USER, settingsKey);
}

} // namespace
} // namespace tavrix::win32
