#include "app/Startup.h"
#include "app/CommandLine.h"
#include "base/Error.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavrix {
namespace {

class RecordingActions : public StartupActions {
public:
    void ShowHelp(const std::wstring& text) override { log.push_back(L"help:" + text); }
    void ClearClipboard() override {
        log.push_back(L"clear");
        if (clearFails) {
            throw Error(L"Cannot open clipboard");
        }
    }
    void LoadFileFromCommandLine() override { log.push_back(L"load"); }
    void CreateMainWindow() override { log.push_back(L"window"); }
    std::vector<std::wstring> log;
    bool clearFails = false;
};

CommandLine Args(std::vector<std::wstring> params) {
    params.insert(params.begin(), L"C:\\Tavrix.exe");
    return CommandLine(std::move(params));
}

TEST(CommandLine, SwitchesMatchIgnoringCaseAfterSlashOrDash) {
    auto cmd = Args({L"file.cl7", L"-Clear", L"/close"});
    EXPECT_TRUE(cmd.HasSwitch(L"CLEAR"));
    EXPECT_TRUE(cmd.HasSwitch(L"CLOSE"));
    EXPECT_FALSE(cmd.HasSwitch(L"HELP"));
    EXPECT_FALSE(Args({L"/CLEARALL"}).HasSwitch(L"CLEAR"));
    EXPECT_FALSE(Args({L"CLEAR"}).HasSwitch(L"CLEAR"));
    EXPECT_FALSE(Args({L"//CLEAR"}).HasSwitch(L"CLEAR"));
    // The program's own path is never looked at.
    EXPECT_FALSE(CommandLine({L"/CLOSE"}).HasSwitch(L"CLOSE"));
    EXPECT_EQ(cmd.Param(1), L"file.cl7");
    EXPECT_EQ(cmd.Param(9), L"");
}

TEST(Startup, HelpShowsTheBoxAndNothingElse) {
    for (const wchar_t* help : {L"/?", L"-help", L"/HELP"}) {
        RecordingActions actions;
        auto outcome = RunStartup(Args({L"/CLEAR", help, L"/CLOSE"}), actions);
        EXPECT_EQ(outcome, StartupOutcome::EndAtOnce);
        ASSERT_EQ(actions.log.size(), 1u) << help;
        EXPECT_EQ(actions.log[0], L"help:" + HelpText());
    }
}

TEST(Startup, HelpTextHasElevenLinesEndingWithoutBreak) {
    std::wstring text = HelpText();
    std::size_t lines = 1;
    for (std::size_t pos = 0; (pos = text.find(L"\r\n", pos)) != std::wstring::npos; pos += 2) {
        ++lines;
    }
    EXPECT_EQ(lines, 11u);
    EXPECT_EQ(text.substr(0, 14), L"/HELP and /?\r\n");
    EXPECT_NE(text.find(L"\r\nTavrix.exe \"FileName.cl7\"\r\n"), std::wstring::npos);
    EXPECT_EQ(text.substr(text.size() - 18), L"Closes the program");
}

TEST(Startup, ClearThenLoadThenCloseOrWindow) {
    RecordingActions a;
    EXPECT_EQ(RunStartup(Args({}), a), StartupOutcome::RunMainWindow);
    EXPECT_EQ(a.log, (std::vector<std::wstring>{L"load", L"window"}));

    RecordingActions b;
    EXPECT_EQ(RunStartup(Args({L"/CLEAR", L"/CLOSE"}), b), StartupOutcome::EndAtOnce);
    EXPECT_EQ(b.log, (std::vector<std::wstring>{L"clear", L"load"}));

    RecordingActions c;
    EXPECT_EQ(RunStartup(Args({L"file.cl7", L"/clear"}), c), StartupOutcome::RunMainWindow);
    EXPECT_EQ(c.log, (std::vector<std::wstring>{L"clear", L"load", L"window"}));
}

TEST(Startup, RefusedClearEndsBeforeLoadAndWindow) {
    RecordingActions actions;
    actions.clearFails = true;
    EXPECT_THROW(RunStartup(Args({L"/CLEAR"}), actions), Error);
    EXPECT_EQ(actions.log, (std::vector<std::wstring>{L"clear"}));
}

} // namespace
} // namespace tavrix
