#include "base/Error.h"
#include "ui/win32/Action.h"
#include "ui/win32/ErrorBox.h"
#include "ui/win32/FileDialog.h"
#include "ui/win32/ImageList.h"
#include "ui/win32/RichEdit.h"
#include "ui/win32/Window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavrix::win32 {
namespace {

// A window that records what reached its handlers.
class ProbeWindow : public Window {
public:
    void Create(HWND parent = nullptr) {
        RegisterClassOnce(L"TavrixProbeWindow", 0, nullptr, LoadCursorW(nullptr, IDC_ARROW));
        CreateWindowOfClass(L"TavrixProbeWindow", 0, L"probe",
                            parent != nullptr ? WS_CHILD : WS_POPUP, 0, 0, 50, 50, parent, nullptr);
    }
    bool created = false;
    std::vector<int> commands;
    bool throwOnCommand = false;

protected:
    bool OnCreate(const CREATESTRUCTW&) override {
        // The object is reachable from the window before WM_CREATE.
        created = Handle() != nullptr;
        return true;
    }
    bool OnCommand(int id, int, HWND) override {
        if (throwOnCommand) {
            throw Error(L"Cannot open clipboard");
        }
        commands.push_back(id);
        return true;
    }
};

class ErrorRecorder {
public:
    ErrorRecorder() {
        SetErrorReporter([this](HWND, const std::wstring& text) { texts.push_back(text); });
    }
    ~ErrorRecorder() { SetErrorReporter({}); }
    std::vector<std::wstring> texts;
};

TEST(WindowBase, RoutesMessagesToTheObjectAndForgetsItAtDestruction) {
    ProbeWindow probe;
    probe.Create();
    ASSERT_TRUE(probe.Handle() != nullptr);
    EXPECT_TRUE(probe.created);
    EXPECT_EQ(GetWindowLongPtrW(probe.Handle(), GWLP_USERDATA), reinterpret_cast<LONG_PTR>(&probe));
    SendMessageW(probe.Handle(), WM_COMMAND, MAKEWPARAM(42, 0), 0);
    EXPECT_EQ(probe.commands, std::vector<int>{42});

    HWND handle = probe.Handle();
    DestroyWindow(handle);
    EXPECT_EQ(probe.Handle(), nullptr);
    EXPECT_FALSE(IsWindow(handle));
}

TEST(WindowBase, AnErrorInAHandlerIsReportedAndStopsThere) {
    ErrorRecorder errors;
    ProbeWindow probe;
    probe.Create();
    probe.throwOnCommand = true;
    SendMessageW(probe.Handle(), WM_COMMAND, MAKEWPARAM(7, 0), 0);
    EXPECT_EQ(errors.texts, std::vector<std::wstring>{L"Cannot open clipboard"});
    EXPECT_TRUE(probe.commands.empty());
}

TEST(Actions, StateReachesMenuAndDisabledActionsDoNotRun) {
    ActionList list;
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, 100, L"x");
    list.BindMenu(menu);
    Action& act = list.Add(100);
    int runs = 0;
    act.SetOnExecute([&] { ++runs; });
    act.SetCaption(L"Zoom in");
    act.SetShortcut({VK_OEM_PLUS, true});

    wchar_t text[64] = {};
    GetMenuStringW(menu, 100, text, 64, MF_BYCOMMAND);
    std::wstring shown = text;
    EXPECT_EQ(shown.substr(0, 8), L"Zoom in\t");
    EXPECT_NE(shown.find(L'+'), std::wstring::npos);

    EXPECT_TRUE(list.Execute(100));
    act.SetEnabled(false);
    EXPECT_TRUE(GetMenuState(menu, 100, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(list.Execute(100));
    EXPECT_EQ(runs, 1);
    act.SetChecked(true);
    EXPECT_TRUE(GetMenuState(menu, 100, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(list.Execute(999));

    ACCEL accel[4] = {};
    ASSERT_NE(list.Accelerators(), nullptr);
    ASSERT_EQ(CopyAcceleratorTableW(list.Accelerators(), accel, 4), 1);
    EXPECT_EQ(accel[0].key, VK_OEM_PLUS);
    EXPECT_EQ(accel[0].cmd, 100);
    EXPECT_TRUE(accel[0].fVirt & FCONTROL);
    DestroyMenu(menu);
}

TEST(Actions, ShortcutTextUsesKeyNames) {
    EXPECT_EQ(ShortcutText({}), L"");
    EXPECT_EQ(ShortcutText({VK_F1}), L"F1");
    std::wstring ctrl0 = ShortcutText({0x30, true});
    EXPECT_EQ(ctrl0.back(), L'0');
    EXPECT_NE(ctrl0.find(L"+"), std::wstring::npos);
}

TEST(ImageLists, EightAlphaPicturesAtEachSize) {
    for (int size : {16, 24, 32}) {
        ImageList list = CreateProgramImageList(size);
        EXPECT_EQ(list.Count(), 8);
        EXPECT_EQ(list.Size(), size);
        IMAGEINFO info{};
        ASSERT_TRUE(ImageList_GetImageInfo(list.get(), 3, &info));
        BITMAP bm{};
        GetObjectW(info.hbmImage, sizeof(bm), &bm);
        EXPECT_EQ(bm.bmBitsPixel, 32);
    }
}

TEST(FileDialogs, FilterPairsBecomeZeroSeparated) {
    std::wstring f =
        FileDialog::PlatformFilter(L"Clipboard file (*.cl7)|*.cl7|All files (*.*)|*.*");
    constexpr wchar_t kExpected[] = L"Clipboard file (*.cl7)\0*.cl7\0All files (*.*)\0*.*\0";
    // The literal's own terminator supplies the final one of the two closing zeros.
    EXPECT_EQ(f, std::wstring(kExpected, std::size(kExpected)));
}

TEST(RichEditControl, ReadsRtfWithUnicodeEscapesAndCountsLines) {
    ProbeWindow parent;
    parent.Create();
    RichEdit edit;
    edit.Create(parent.Handle(), 5);
    std::string rtf = "{\\rtf1\\ansi {\\fonttbl\\f0 Arial;}\\f0 0123456789}";
    edit.LoadRtf({reinterpret_cast<const std::uint8_t*>(rtf.data()), rtf.size()});
    EXPECT_EQ(edit.Text(), L"0123456789");
    EXPECT_EQ(edit.TextLengthByLines(), 12);

    std::string unicode = "{\\rtf1\\ansi \\u26085?\\u26412?\\par second}";
    edit.LoadRtf({reinterpret_cast<const std::uint8_t*>(unicode.data()), unicode.size()});
    std::wstring text = edit.Text();
    EXPECT_EQ(text.substr(0, 2), L"\u65E5\u672C");
    // Two lines: 2 + CR LF + 6 + CR LF.
    EXPECT_EQ(edit.TextLengthByLines(), 12);
}

} // namespace
} // namespace tavrix::win32
