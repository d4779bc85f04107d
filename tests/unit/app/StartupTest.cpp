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
    void SetTimeout(std::chrono::seconds value) override { timeout = value; }
    void OpenLog(const std::wstring& fileName) override { log.push_back(L"log:" + fileName); }
    std::chrono::seconds timeout{0};
    void SaveClipboard(const std::wstring& fileName) override {
        log.push_back(L"save:" + fileName);
        if (saveFails) {
            throw Error(L"Cannot save the clipboard to \"" + fileName + L"\"");
        }
    }
    void ClearClipboard() override {
        log.push_back(L"clear");
        if (clearFails) {
            throw Error(L"Cannot open clipboard");
        }
    }
    void OpenFileFromCommandLine() override { log.push_back(L"open"); }
    void LoadOpenedFile() override { log.push_back(L"load"); }
    void CreateMainWindow() override { log.push_back(L"window"); }
    std::vector<std::wstring> log;
    bool clearFails = false;
    bool saveFails = false;
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

TEST(Startup, HelpTextKeepsItsElevenLinesAndGoesOnWithSaveQuietTimeoutAndLog) {
    const std::wstring text = HelpText();
    const std::wstring eleven = L"Closes the program.\r\n";
    const std::size_t end = text.find(eleven);
    ASSERT_NE(end, std::wstring::npos);
    const std::wstring first = text.substr(0, end + eleven.size() - 2);
    std::size_t lines = 1;
    for (std::size_t pos = 0; (pos = first.find(L"\r\n", pos)) != std::wstring::npos; pos += 2) {
        ++lines;
    }
    EXPECT_EQ(lines, 11u);
    EXPECT_EQ(text.substr(0, 14), L"/HELP and /?\r\n");
    EXPECT_NE(text.find(L"\r\nTavrix.exe \"FileName.cl7\"\r\n"), std::wstring::npos);
    EXPECT_EQ(text.substr(end + eleven.size()),
              L"\r\n"
              L"/SAVE \"FileName.cl7\"\r\n"
              L"Saves the clipboard to the file.\r\n"
              L"\r\n"
              L"/QUIET\r\n"
              L"Shows no message boxes; errors set the exit code.\r\n"
              L"\r\n"
              L"/TIMEOUT=<seconds>\r\n"
              L"Gives up when another program takes longer than this many seconds to deliver one "
              L"format (1 to 3600; 30 without it).\r\n"
              L"\r\n"
              L"/LOG \"changes.jsonl\"\r\n"
              L"Appends every clipboard change to the file as one line of JSON while the window is "
              L"open: time, change count, owner, formats and sizes, never the content.");
}

TEST(Startup, LogOpensItsFileBeforeAnythingElseAndNeedsTheWindow) {
    RecordingActions a;
    EXPECT_EQ(RunStartup(Args({L"/SAVE", L"b.cl7", L"/LOG", L"c.jsonl"}), a),
              StartupOutcome::RunMainWindow);
    EXPECT_EQ(a.log, (std::vector<std::wstring>{L"log:c.jsonl", L"save:b.cl7", L"open", L"window",
                                                L"load"}));
    for (const auto& [args, message] :
         {std::pair{std::vector<std::wstring>{L"/LOG", L"c.jsonl", L"/CLOSE"},
                    L"/LOG needs the window: leave out /CLOSE"},
          std::pair{std::vector<std::wstring>{L"/CLEAR", L"/LOG"},
                    L"Missing file name after /LOG"}}) {
        RecordingActions refused;
        try {
            RunStartup(Args(args), refused);
            ADD_FAILURE() << "no error";
        } catch (const Error& e) {
            EXPECT_EQ(e.Message(), message);
        }
        EXPECT_TRUE(refused.log.empty());
    }
}

TEST(Startup, ClearThenLoadThenCloseOrWindow) {
    // With a window to come, the file is opened before it and loaded once it shows.
    RecordingActions a;
    EXPECT_EQ(RunStartup(Args({}), a), StartupOutcome::RunMainWindow);
    EXPECT_EQ(a.log, (std::vector<std::wstring>{L"open", L"window", L"load"}));

    RecordingActions b;
    EXPECT_EQ(RunStartup(Args({L"/CLEAR", L"/CLOSE"}), b), StartupOutcome::EndAtOnce);
    EXPECT_EQ(b.log, (std::vector<std::wstring>{L"clear", L"open", L"load"}));

    RecordingActions c;
    EXPECT_EQ(RunStartup(Args({L"file.cl7", L"/clear"}), c), StartupOutcome::RunMainWindow);
    EXPECT_EQ(c.log, (std::vector<std::wstring>{L"clear", L"open", L"window", L"load"}));
}

TEST(Startup, SaveComesBeforeClearWhereverItStands) {
    RecordingActions a;
    auto outcome = RunStartup(Args({L"/CLEAR", L"/CLOSE", L"-save", L"backup"}), a);
    EXPECT_EQ(outcome, StartupOutcome::EndAtOnce);
    EXPECT_EQ(a.log, (std::vector<std::wstring>{L"save:backup", L"clear", L"open", L"load"}));

    // Without /CLOSE the window opens after the save.
    RecordingActions b;
    EXPECT_EQ(RunStartup(Args({L"/SAVE", L"b.cl7"}), b), StartupOutcome::RunMainWindow);
    EXPECT_EQ(b.log, (std::vector<std::wstring>{L"save:b.cl7", L"open", L"window", L"load"}));

    // The help still ends everything before the save.
    RecordingActions c;
    RunStartup(Args({L"/SAVE", L"b.cl7", L"/?"}), c);
    EXPECT_EQ(c.log, (std::vector<std::wstring>{L"help:" + HelpText()}));
}

TEST(Startup, SaveWithoutFileNameOrFailingEndsBeforeAnythingElse) {
    for (const std::vector<std::wstring>& args : {std::vector<std::wstring>{L"/SAVE"},
                                                  {L"/SAVE", L"/CLEAR"},
                                                  {L"/CLOSE", L"/SAVE", L"-x"}}) {
        RecordingActions actions;
        try {
            RunStartup(Args(args), actions);
            ADD_FAILURE() << "no error for " << args.size() << " parameters";
        } catch (const Error& e) {
            EXPECT_EQ(e.Message(), L"Missing file name after /SAVE");
        }
        EXPECT_TRUE(actions.log.empty());
    }

    RecordingActions failing;
    failing.saveFails = true;
    EXPECT_THROW(RunStartup(Args({L"/SAVE", L"b", L"/CLEAR"}), failing), Error);
    EXPECT_EQ(failing.log, (std::vector<std::wstring>{L"save:b"}));
}

TEST(Startup, RefusedClearEndsBeforeLoadAndWindow) {
    RecordingActions actions;
    actions.clearFails = true;
    EXPECT_THROW(RunStartup(Args({L"/CLEAR"}), actions), Error);
    EXPECT_EQ(actions.log, (std::vector<std::wstring>{L"clear"}));
}

TEST(StartupTimeout, TakesWholeSecondsInRangeAndRefusesAnythingElseBeforeTouchingTheClipboard) {
    RecordingActions actions;
    RunStartup(Args({L"/SAVE", L"a.cl7", L"/TIMEOUT=2", L"/CLOSE"}), actions);
    EXPECT_EQ(actions.timeout, std::chrono::seconds(2));
    RunStartup(Args({L"/CLOSE"}), actions);
    EXPECT_EQ(actions.timeout, std::chrono::seconds(30));
    for (const wchar_t* bad : {L"0", L"3601", L"-1", L"2s", L"", L"99999"}) {
        RecordingActions refused;
        try {
            RunStartup(Args({L"/SAVE", L"a.cl7", std::wstring(L"/timeout=") + bad}), refused);
            ADD_FAILURE() << "accepted " << testing::PrintToString(std::wstring(bad));
        } catch (const Error& e) {
            EXPECT_EQ(e.Message(), std::wstring(L"Bad value for /TIMEOUT: ") + bad);
        }
        EXPECT_TRUE(refused.log.empty());
    }
}

} // namespace
} // namespace tavrix
