#include "app/FirstStart.h"
#include "app/WebPages.h"
#include "base/Error.h"
#include "fakes/FakeSettings.h"

#include <gtest/gtest.h>

namespace tavrix {
namespace {

TEST(FileTypeValues, FourKeysInOrderWithTheQuotedCommand) {
    const std::vector<FileTypeValue> expected = {
        {.key = L".cl7", .value = L"ClipboardFile"},
        {.key = L"ClipboardFile", .value = L"Tavrix file"},
        {.key = L"ClipboardFile\\DefaultIcon", .value = L"C:\\My Tools\\Tavrix.exe, 0"},
        {.key = L"ClipboardFile\\Shell\\Open\\Command",
         .value = L"\"C:\\My Tools\\Tavrix.exe\" \"%1\""}};
    EXPECT_EQ(
        FileTypeValues(L"cl7", L"ClipboardFile", L"Tavrix file", L"0", L"C:\\My Tools\\Tavrix.exe"),
        expected);
    EXPECT_EQ(FileTypeValues(L".cl7", L"ClipboardFile", L"Tavrix file", L"0",
                             L"C:\\My Tools\\Tavrix.exe"),
              expected);
}

TEST(FileTypeValues, EmptyDescriptionAndMissingParts) {
    auto values = FileTypeValues(L"cl7", L"ClipboardFile", L"", L"0", L"C:\\T.exe");
    ASSERT_EQ(values.size(), 4u);
    EXPECT_EQ(values[1].value, L"ClipboardFile");
    EXPECT_TRUE(FileTypeValues(L"", L"ClipboardFile", L"d", L"0", L"C:\\T.exe").empty());
    EXPECT_TRUE(FileTypeValues(L"cl7", L"", L"d", L"0", L"C:\\T.exe").empty());
    EXPECT_TRUE(FileTypeValues(L"cl7", L"ClipboardFile", L"d", L"0", L"").empty());
}

TEST(PathBeginsWith, PlainCaseSensitivePrefix) {
    EXPECT_TRUE(PathBeginsWith(L"C:\\Program Files\\Tavrix\\Tavrix.exe", L"C:\\Program Files"));
    EXPECT_TRUE(PathBeginsWith(L"C:\\Program FilesX\\Tavrix.exe", L"C:\\Program Files"));
    EXPECT_FALSE(PathBeginsWith(L"C:\\PROGRAM FILES\\Tavrix.exe", L"C:\\Program Files"));
    EXPECT_FALSE(PathBeginsWith(L"C:\\Prog", L"C:\\Program Files"));
    EXPECT_FALSE(PathBeginsWith(L"C:\\Tools\\Tavrix.exe", L""));
}

TEST(WebPages, FixedPathsOnTheTwoSites) {
    const std::wstring product = kProductSite;
    const std::wstring other = kOtherProductSite;
    EXPECT_EQ(HelpPageAddress(), product + L"/windowsclipboard/");
    EXPECT_EQ(HomePageAddress(), product + L"/");
    EXPECT_EQ(OtherProductPageAddress(0x0407), other + L"/zwischenablage/");
    EXPECT_EQ(OtherProductPageAddress(0x0C07), other + L"/zwischenablage/");
    EXPECT_EQ(OtherProductPageAddress(0x0419), other + L"/ru/");
    EXPECT_EQ(OtherProductPageAddress(0x0409), other + L"/clipboard-history/");
    EXPECT_EQ(OtherProductPageAddress(0x0422), other + L"/clipboard-history/");
}

class RecordingPlatform : public FirstStartPlatform {
public:
    explicit RecordingPlatform(testing::FakeSettingsRegistry& registry) : registry_(registry) {}

    std::wstring ExecutablePath() override { return executable; }
    void RegisterFileType(const std::wstring& extension, const std::wstring& typeName,
                          const std::wstring& description, const std::wstring& iconIndex,
                          const std::wstring& programPath) override {
        calls.push_back(L"register " + extension + L"|" + typeName + L"|" + description + L"|" +
                        iconIndex + L"|" + programPath);
        flagWrittenBeforeRegistering = registry_.values.count(L"FirstStarted") > 0 &&
                                       registry_.values.at(L"FirstStarted").data == 1;
        if (failRegistration) {
            throw Error(L"Failed to set data for ''");
        }
    }
    std::wstring GetSpecialFolderPath(int csidl) override {
        calls.push_back(L"folder " + std::to_wstring(csidl));
        return programFiles;
    }
    void OpenWebPage(const std::wstring& address) override { calls.push_back(L"open " + address); }
    void Wait(std::uint32_t milliseconds) override {
        calls.push_back(L"wait " + std::to_wstring(milliseconds));
    }

    std::wstring executable = L"C:\\Tools\\Tavrix.exe";
    std::wstring programFiles = L"C:\\Program Files";
    bool failRegistration = false;
    bool flagWrittenBeforeRegistering = false;
    std::vector<std::wstring> calls;

private:
    testing::FakeSettingsRegistry& registry_;
};

class FirstStartTest : public ::testing::Test {
protected:
    std::vector<std::wstring> Outside() const {
        return {L"register cl7|ClipboardFile|Tavrix file|0|" + platform.executable, L"folder 38",
                L"open " + HelpPageAddress(), L"wait 1000"};
    }
    testing::FakeSettingsStore ini;
    RecordingPlatform platform{*ini.registry};
};

TEST_F(FirstStartTest, FirstStartOutsideProgramFilesRegistersAndOpensTheHelpPage) {
    RunFirstStartStep(*ini.store, platform);
    EXPECT_EQ(platform.calls, Outside());
    EXPECT_TRUE(platform.flagWrittenBeforeRegistering);
    EXPECT_TRUE(ini.store->ReadBool(L"FirstStarted", false));
}

TEST_F(FirstStartTest, SecondStartDoesNothing) {
    RunFirstStartStep(*ini.store, platform);
    platform.calls.clear();
    RunFirstStartStep(*ini.store, platform);
    EXPECT_TRUE(platform.calls.empty());
}

TEST_F(FirstStartTest, InsideProgramFilesRegistersSilently) {
    platform.executable = L"C:\\Program Files\\Tavrix\\Tavrix.exe";
    RunFirstStartStep(*ini.store, platform);
    EXPECT_EQ(platform.calls.size(), 2u);
    EXPECT_EQ(platform.calls.back(), L"folder 38");

    // A folder whose name merely begins with the program-files path counts as inside too.
    testing::FakeSettingsStore other;
    RecordingPlatform second{*other.registry};
    second.executable = L"C:\\Program Files Extra\\Tavrix.exe";
    RunFirstStartStep(*other.store, second);
    EXPECT_EQ(second.calls.size(), 2u);
}

TEST_F(FirstStartTest, OtherLetterCaseOrNoProgramFilesFolderCountsAsOutside) {
    platform.executable = L"c:\\program files\\Tavrix\\Tavrix.exe";
    RunFirstStartStep(*ini.store, platform);
    EXPECT_EQ(platform.calls, Outside());

    testing::FakeSettingsStore other;
    RecordingPlatform second{*other.registry};
    second.programFiles = L"";
    RunFirstStartStep(*other.store, second);
    EXPECT_EQ(second.calls, (std::vector<std::wstring>{
                                L"register cl7|ClipboardFile|Tavrix file|0|C:\\Tools\\Tavrix.exe",
                                L"folder 38", L"open " + HelpPageAddress(), L"wait 1000"}));
}

TEST_F(FirstStartTest, FailedRegistrationIsSwallowedAndNotTriedAgain) {
    platform.failRegistration = true;
    EXPECT_NO_THROW(RunFirstStartStep(*ini.store, platform));
    EXPECT_EQ(platform.calls, Outside());
    platform.calls.clear();
    RunFirstStartStep(*ini.store, platform);
    EXPECT_TRUE(platform.calls.empty());
}

TEST_F(FirstStartTest, UnwritableFlagStopsBeforeRegistering) {
    ini.registry->refuseWrites = true;
    EXPECT_THROW(RunFirstStartStep(*ini.store, platform), Error);
    EXPECT_TRUE(platform.calls.empty());
}

TEST_F(FirstStartTest, IniFileHasItsOwnFlag) {
    ini.registry->values[L"FirstStarted"] = {.isDword = true, .data = 1, .size = 4};
    ini.store->UseIniFile(L"C:\\Tools\\Backup.ini");
    RunFirstStartStep(*ini.store, platform);
    EXPECT_EQ(platform.calls, Outside());
    EXPECT_EQ(ini.files->files[L"C:\\Tools\\Backup.ini"], "[Main]\r\nFirstStarted=1\r\n");
}

} // namespace
} // namespace tavrix
