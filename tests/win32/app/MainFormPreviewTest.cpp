#include "MainFormFixture.h"

#include "app/win32/MainFormSettings.h"

#include <commctrl.h>

namespace tavrix::test {
namespace {

using win32::TMainForm;
using PV = PreviewView;

bool ZoomActionsEnabled(TMainForm& f) {
    bool out = f.ActionById(win32::kActZoomOut).Enabled();
    EXPECT_EQ(f.ActionById(win32::kActZoomIn).Enabled(), out);
    EXPECT_EQ(f.ActionById(win32::kActZoom100).Enabled(), out);
    return out;
}

TEST_F(MainFormTest, SelectPreviewViewShowsOneViewAndSetsZoomActions) {
    TMainForm& f = CreateForm();
    f.SelectPreviewView(std::uint8_t{0});
    EXPECT_TRUE(f.IsViewVisible(PV::RichText));
    EXPECT_FALSE(f.IsViewVisible(PV::Picture));
    EXPECT_FALSE(f.IsViewVisible(PV::Viewer));
    EXPECT_FALSE(ZoomActionsEnabled(f));
    // The menu follows the action.
    EXPECT_TRUE(GetMenuState(f.Menu(), win32::kActZoomIn, MF_BYCOMMAND) & MF_GRAYED);

    f.SelectPreviewView(std::uint8_t{1});
    EXPECT_FALSE(f.IsViewVisible(PV::RichText));
    EXPECT_TRUE(f.IsViewVisible(PV::Picture));
    EXPECT_TRUE(ZoomActionsEnabled(f));

    f.SelectPreviewView(std::uint8_t{0});
    // Kind 3 changes no view but still asks for the zoom state.
    f.ActionById(win32::kActZoomIn).SetEnabled(true);
    f.SelectPreviewView(std::uint8_t{3});
    EXPECT_TRUE(f.IsViewVisible(PV::RichText));
    EXPECT_FALSE(ZoomActionsEnabled(f));

    f.SelectPreviewView(std::uint8_t{2});
    EXPECT_TRUE(f.IsViewVisible(PV::Viewer));
    EXPECT_FALSE(f.IsViewVisible(PV::RichText));
    EXPECT_TRUE(ZoomActionsEnabled(f));
}

TEST_F(MainFormTest, ShowPreviewTextFillsTheStreamWithUtf16) {
    TMainForm& f = CreateForm();
    f.ShowPreviewText(u"A");
    EXPECT_EQ(f.PreviewStream().Bytes(), (std::vector<std::uint8_t>{0x41, 0x00}));
    EXPECT_TRUE(f.IsViewVisible(PV::Viewer));
    EXPECT_EQ(f.Viewer().Mode(), vbmodeUnicode);
    EXPECT_TRUE(f.Viewer().TextGutter());
    f.ShowPreviewText(u"\u65E5x");
    EXPECT_EQ(f.PreviewStream().Bytes(), (std::vector<std::uint8_t>{0xE5, 0x65, 0x78, 0x00}));
    EXPECT_EQ(f.Viewer().ShownSize(), 4);
    f.ShowPreviewText(u"");
    EXPECT_TRUE(f.PreviewStream().Bytes().empty());
}

TEST_F(MainFormTest, ReadSelectedFormatCopiesTheWholeBlockOrNothing) {
    TMainForm& f = CreateForm();
    PutClipboard({{CF_TEXT, Bytes("abc")}});
    std::int32_t size = f.ReadSelectedFormat(CF_TEXT);
    EXPECT_GE(size, 4);
    ASSERT_EQ(f.PreviewStream().Bytes().size(), static_cast<std::size_t>(size));
    EXPECT_EQ(std::string(f.PreviewStream().Bytes().begin(), f.PreviewStream().Bytes().begin() + 4),
              std::string("abc\0", 4));
    // A format that is not offered leaves the stream empty.
    EXPECT_EQ(f.ReadSelectedFormat(CF_WAVE), 0);
    EXPECT_TRUE(f.PreviewStream().Bytes().empty());
    // A bitmap handle is no memory block.
    PutClipboard({{CF_DIB, Dib(4, 4)}});
    EXPECT_EQ(f.ReadSelectedFormat(CF_BITMAP), 0);
}

TEST_F(MainFormTest, PictureZoomSeriesAndNaturalSize) {
    TMainForm& f = CreateForm();
    PutClipboard({{CF_DIB, Dib(640, 480)}});
    f.SelectPreviewView(std::uint8_t{1});
    f.ShowClipboardPicture();
    EXPECT_EQ(f.Image().Width(), 640);
    EXPECT_EQ(f.Image().Height(), 480);

    std::vector<int> ins;
    for (int i = 0; i < 5; ++i) {
        f.actZoomInExecute();
        ins.push_back(f.ImageZoom());
    }
    EXPECT_EQ(ins, (std::vector<int>{200, 400, 800, 1600, 1600}));
    EXPECT_EQ(f.Image().Width(), 10240);
    f.actZoom100Execute();
    EXPECT_EQ(f.Image().Width(), 640);
    f.actZoomInExecute();
    EXPECT_EQ(f.Image().Width(), 1280);
    EXPECT_EQ(f.Image().Height(), 960);
    f.actZoom100Execute();
    std::vector<int> outs;
    for (int i = 0; i < 3; ++i) {
        f.actZoomOutExecute();
        outs.push_back(f.ImageZoom());
    }
    EXPECT_EQ(outs, (std::vector<int>{50, 25, 25}));
    EXPECT_EQ(f.Image().Width(), 160);
    EXPECT_EQ(f.Image().Height(), 120);
    // Zooming the picture leaves the viewer's font alone but writes both settings.
    EXPECT_EQ(f.Viewer().FontSize(), 10);
    EXPECT_EQ(win32::ReadIntegerSetting(L"ZoomImage", 0), 25);
    EXPECT_EQ(win32::ReadIntegerSetting(L"Zoom", 0), 10);
    // A new picture takes the current zoom.
    PutClipboard({{CF_DIB, Dib(333, 100)}});
    f.ShowClipboardPicture();
    EXPECT_EQ(f.Image().Width(), 83);
}

TEST_F(MainFormTest, ViewerFontZoomAndShortcuts) {
    win32::WriteIntegerSetting(L"Zoom", 2);
    win32::WriteIntegerSetting(L"ZoomImage", 10);
    TMainForm& f = CreateForm();
    EXPECT_EQ(f.Viewer().FontSize(), 2);
    EXPECT_EQ(f.ViewerFontSize(), 10);
    EXPECT_EQ(f.ImageZoom(), 25);
    f.SelectPreviewView(std::uint8_t{2});
    f.actZoomOutExecute();
    EXPECT_EQ(f.Viewer().FontSize(), 4);
    EXPECT_EQ(f.ImageZoom(), 25);
    f.actZoom100Execute();
    EXPECT_EQ(f.Viewer().FontSize(), 10);
    EXPECT_EQ(win32::ReadIntegerSetting(L"Zoom", 0), 10);

    // Ctrl+plus through the keyboard, as the message loop delivers it.
    SetForegroundWindow(f.Handle());
    SetActiveWindow(f.Handle());
    SetFocus(f.Tree());
    auto press = [&](UINT key) {
        keybd_event(VK_CONTROL, 0, 0, 0);
        keybd_event(static_cast<BYTE>(key), 0, 0, 0);
        keybd_event(static_cast<BYTE>(key), 0, KEYEVENTF_KEYUP, 0);
        keybd_event(VK_CONTROL, 0, KEYEVENTF_KEYUP, 0);
        for (int i = 0; i < 20; ++i) {
            PumpMessages();
            Sleep(5);
        }
    };
    press(VK_OEM_PLUS);
    EXPECT_EQ(f.Viewer().FontSize(), 11);
    // With the rich-text view visible Ctrl+0 does nothing.
    f.SelectPreviewView(std::uint8_t{0});
    press('0');
    EXPECT_EQ(f.Viewer().FontSize(), 11);
    f.SelectPreviewView(std::uint8_t{2});
    press('0');
    EXPECT_EQ(f.Viewer().FontSize(), 10);
}

TEST_F(MainFormTest, StoredPictureZoomAboveTheLimitStartsAt1600) {
    win32::WriteIntegerSetting(L"ZoomImage", 5000);
    TMainForm& f = CreateForm();
    EXPECT_EQ(f.ImageZoom(), 1600);
    win32::WriteIntegerSetting(L"ZoomImage", 100);
    win32::WriteIntegerSetting(L"Zoom", 10);
}

TEST_F(MainFormTest, AlwaysOnTopToggledTwiceStoresFalse) {
    TMainForm& f = CreateForm();
    // (Wine under Xvfb keeps WS_EX_TOPMOST out of the window's styles, so the check mark and
    // the stored value are what can be seen here.)
    f.actOnTopExecute();
    EXPECT_TRUE(GetMenuState(f.Menu(), win32::kActOnTop, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(win32::ReadBoolSetting(L"OnTop", false));
    f.actOnTopExecute();
    EXPECT_FALSE(GetMenuState(f.Menu(), win32::kActOnTop, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(win32::ReadBoolSetting(L"OnTop", true));
}

TEST_F(MainFormTest, WebPagesMinimiseOnlyWhenOnTop) {
    TMainForm& f = CreateForm();
    f.actHelpOnlineExecute();
    EXPECT_FALSE(IsIconic(f.Handle()));
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_NE(pages[0].find(L"/windowsclipboard/"), std::wstring::npos);
    f.actOnTopExecute();
    f.miAboutClick();
    EXPECT_TRUE(IsIconic(f.Handle()));
    f.actOnTopExecute();
    ShowWindow(f.Handle(), SW_RESTORE);
    f.miBrisvelClick();
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[2].substr(pages[2].size() - 1), L"/");
}

TEST_F(MainFormTest, OnlyLeftClicksOnWebLinksOpen) {
    TMainForm& f = CreateForm();
    f.rtfPreviewURLClick(L"http://example.org/", false);
    f.rtfPreviewURLClick(L"file:///C:/windows/system32/calc.exe", true);
    f.rtfPreviewURLClick(L"C:\\windows\\notepad.exe", true);
    EXPECT_TRUE(pages.empty());
    f.rtfPreviewURLClick(L"http://example.org/", true);
    EXPECT_EQ(pages, std::vector<std::wstring>{L"http://example.org/"});
}

TEST_F(MainFormTest, ClearWhileAnotherProgramHoldsTheClipboardReportsTheError) {
    // Clearing is offered only while the clipboard holds something.
    PutClipboard({{CF_TEXT, Bytes("abc")}});
    TMainForm& f = CreateForm();
    ASSERT_TRUE(f.ActionById(win32::kActDelete).Enabled());
    HelperProcess holder({L"hold", L"3000"});
    ASSERT_EQ(holder.ReadLine(), "holding");
    SendMessageW(f.Handle(), WM_COMMAND, MAKEWPARAM(win32::kActDelete, 0), 0);
    EXPECT_EQ(errors, std::vector<std::wstring>{L"Cannot open clipboard"});
    holder.Wait();
}

TEST_F(MainFormTest, ExitClosesTheWindowAndEndsTheLoop) {
    TMainForm& f = CreateForm();
    f.actExitExecute();
    MSG msg;
    bool quit = false;
    for (int i = 0; i < 100 && !quit; ++i) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                quit = true;
                break;
            }
            DispatchMessageW(&msg);
        }
        Sleep(5);
    }
    EXPECT_TRUE(quit);
    EXPECT_EQ(f.Handle(), nullptr);
}

} // namespace
} // namespace tavrix::test
