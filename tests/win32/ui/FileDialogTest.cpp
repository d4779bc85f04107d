#include "ui/win32/FileDialog.h"

#include <gtest/gtest.h>

#include <atomic>
#include <iterator>
#include <string>
#include <thread>

namespace tavrix::win32 {
namespace {

TEST(FileDialogs, FilterPairsBecomeZeroSeparated) {
    std::wstring f =
        FileDialog::PlatformFilter(L"Clipboard file (*.cl7)|*.cl7|All files (*.*)|*.*");
    constexpr wchar_t kExpected[] = L"Clipboard file (*.cl7)\0*.cl7\0All files (*.*)\0*.*\0";
    // The literal's own terminator supplies the final one of the two closing zeros.
    EXPECT_EQ(f, std::wstring(kExpected, std::size(kExpected)));
}

// The dialogs' library is loaded only when the first one opens: the dialog still shows, and
// cancelling it gives no name.
TEST(FileDialogs, SaveDialogShowsAndCancelGivesNoName) {
    std::atomic<bool> shown = false;
    std::atomic<bool> done = false;
    std::thread user([&] {
        for (int i = 0; i < 400 && !done; ++i) {
            HWND dialog = FindWindowW(L"#32770", nullptr);
            DWORD process = 0;
            if (dialog != nullptr && GetWindowThreadProcessId(dialog, &process) != 0 &&
                process == GetCurrentProcessId()) {
                shown = true;
                PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
            }
            Sleep(50);
        }
    });
    FileDialog dialog(FileDialogOptions{.filter = L"Clipboard file (*.cl7)|*.cl7",
                                        .filterIndex = 1,
                                        .mustExist = false,
                                        .promptOverwrite = false,
                                        .defaultExtension = L""});
    const std::optional<std::wstring> name = dialog.ShowSave(nullptr);
    done = true;
    user.join();
    EXPECT_TRUE(shown);
    EXPECT_EQ(name, std::nullopt);
}

} // namespace
} // namespace tavrix::win32
