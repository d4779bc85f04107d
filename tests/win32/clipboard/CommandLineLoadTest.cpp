// Tavrix.exe started with a clipboard file as its first parameter puts the file on the
// clipboard; with "/CLOSE" it ends right after.
#include "ClipboardFileFixture.h"

#include "base/win32/KernelHandles.h"

namespace tavrix::win32 {
namespace {

using testing::Bytes;
using testing::WriteFileBytes;

class CommandLineLoad : public testing::ClipboardFileFixture {
protected:
    // Runs Tavrix.exe beside the test program and returns its exit code.
    DWORD RunTavrix(const std::wstring& arguments) {
        wchar_t self[MAX_PATH];
        GetModuleFileNameW(nullptr, self, MAX_PATH);
        std::wstring exe(self);
        exe = exe.substr(0, exe.find_last_of(L'\\') + 1) + L"Tavrix.exe";
        std::wstring commandLine = L"\"" + exe + L"\" " + arguments;
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION process{};
        if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            nullptr, &startup, &process)) {
            ADD_FAILURE() << "cannot start Tavrix.exe";
            return 999;
        }
        const UniqueHandle thread(process.hThread);
        const UniqueHandle child(process.hProcess);
        EXPECT_EQ(WaitForSingleObject(child.get(), 30'000), WAIT_OBJECT_0);
        DWORD code = 999;
        GetExitCodeProcess(child.get(), &code);
        return code;
    }
};

TEST_F(CommandLineLoad, FirstParameterWithBlanksLoadsTheFileAndCloseEnds) {
    const UINT format = RegisterClipboardFormatW(L"Tavrix Test Command Line");
    const std::wstring path = folder + L"cmd line.cl7";
    const Bytes record{static_cast<std::uint8_t>(format),
                       static_cast<std::uint8_t>(format >> 8),
                       3,
                       0,
                       0,
                       0,
                       'x',
                       'y',
                       'z'};
    WriteFileBytes(path, record);
    Put({{CF_DIF, {1}}});
    EXPECT_EQ(RunTavrix(L"\"  " + path + L" \" /CLOSE"), 0u);
    EXPECT_EQ(Get(format), (Bytes{'x', 'y', 'z'}));
    EXPECT_TRUE(Get(CF_DIF).empty());
}

TEST_F(CommandLineLoad, FileNameAfterASwitchOrAMissingFileLoadsNothing) {
    const std::wstring path = folder + L"second.cl7";
    WriteFileBytes(path, {0x04, 0x00, 0x01, 0x00, 0x00, 0x00, 0x09});
    Put({{CF_DIF, {1}}});
    EXPECT_EQ(RunTavrix(L"/CLOSE \"" + path + L"\""), 0u);
    EXPECT_EQ(RunTavrix(L"\"" + folder + L"missing.cl7\" /CLOSE"), 0u);
    EXPECT_EQ(RunTavrix(L"\"" + folder.substr(0, folder.size() - 1) + L"\" /CLOSE"), 0u);
    EXPECT_EQ(Get(CF_DIF), Bytes{1});
    EXPECT_TRUE(Get(CF_SYLK).empty());
}

} // namespace
} // namespace tavrix::win32
