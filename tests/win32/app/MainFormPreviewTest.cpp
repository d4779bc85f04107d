#include "MainFormFixture.h"

#include <commctrl.h>

namespace tavrix::test {
namespace {

using win32::TMainForm;
using PV = PreviewView;

bool ZoomActionsEnabled(TMainForm& f) {
    bool out = f.Commands().ActionById(win32::CommandId(win32::MainCommand::ZoomOut)).Enabled();
    EXPECT_EQ(f.Commands().ActionById(win32::CommandId(win32::MainCommand::ZoomIn)).Enabled(), out);
    EXPECT_EQ(f.Commands().ActionById(win32::CommandId(win32::MainCommand::Zoom100)).Enabled(),
              out);
    return out;
}

TEST_F(MainFormTest, SelectPreviewViewShowsOneViewAndSetsZoomActions) {
    TMainForm& f = CreateForm();
    f.Surface().SelectPreviewView(PV::RichText);
    EXPECT_TRUE(f.Preview().IsVisible(PV::RichText));
    EXPECT_FALSE(f.Preview().IsVisible(PV::Picture));
    EXPECT_FALSE(f.Preview().IsVisible(PV::Viewer));
    EXPECT_FALSE(ZoomActionsEnabled(f));
    // The menu follows the action.
    EXPECT_TRUE(GetMenuState(f.Commands().Menu(), win32::CommandId(win32::MainCommand::ZoomIn),
                             MF_BYCOMMAND) &
                MF_GRAYED);

    f.Surface().SelectPreviewView(PV::Picture);
    EXPECT_FALSE(f.Preview().IsVisible(PV::RichText));
    EXPECT_TRUE(f.Preview().IsVisible(PV::Picture));
    EXPECT_TRUE(ZoomActionsEnabled(f));

    f.Surface().SelectPreviewView(PV::RichText);
    // Kind 3 changes no view but still asks for the zoom state.
    f.Commands().ActionById(win32::CommandId(win32::MainCommand::ZoomIn)).SetEnabled(true);
    f.Surface().SelectPreviewView(static_cast<PV>(3));
    EXPECT_TRUE(f.Preview().IsVisible(PV::RichText));
    EXPECT_FALSE(ZoomActionsEnabled(f));

    f.Surface().SelectPreviewView(PV::Viewer);
    EXPECT_TRUE(f.Preview().IsVisible(PV::Viewer));
    EXPECT_FALSE(f.Preview().IsVisible(PV::RichText));
    EXPECT_TRUE(ZoomActionsEnabled(f));
}

TEST_F(MainFormTest, ShowPreviewTextFillsTheStreamWithUtf16) {
    TMainForm& f = CreateForm();
    f.Surface().ShowPreviewText(u"A");
    EXPECT_EQ(f.Preview().PreviewStream().Bytes(), (std::vector<std::uint8_t>{0x41, 0x00}));
    EXPECT_TRUE(f.Preview().IsVisible(PV::Viewer));
    EXPECT_EQ(f.Preview().Viewer().Mode(), ViewerMode::Unicode);
    EXPECT_TRUE(f.Preview().Viewer().TextGutter());
    f.Surface().ShowPreviewText(u"\u65E5x");
    EXPECT_EQ(f.Preview().PreviewStream().Bytes(),
              (std::vector<std::uint8_t>{0xE5, 0x65, 0x78, 0x00}));
    EXPECT_EQ(f.Preview().Viewer().ShownSize(), 4);
    f.Surface().ShowPreviewText(u"");
    EXPECT_TRUE(f.Preview().PreviewStream().Bytes().empty());
}

TEST_F(MainFormTest, ReadSelectedFormatCopiesTheWholeBlockOrNothing) {
    TMainForm& f = CreateForm();
    PutClipboard({{CF_TEXT, TextBlock("abc")}});
    SelectShown(L"Text");
    std::int32_t size = f.Preview().ReadFormat(CF_TEXT);
    EXPECT_GE(size, 4);
    ASSERT_EQ(f.Preview().PreviewStream().Bytes().size(), static_cast<std::size_t>(size));
    EXPECT_EQ(std::string(f.Preview().PreviewStream().Bytes().begin(),
                          f.Preview().PreviewStream().Bytes().begin() + 4),
              std::string("abc\0", 4));
    // A format that is not offered leaves the stream empty.
    EXPECT_EQ(f.Preview().ReadFormat(CF_WAVE), 0);
    EXPECT_TRUE(f.Preview().PreviewStream().Bytes().empty());
    // A bitmap handle is no memory block.
    PutClipboard({{CF_DIB, Dib(4, 4)}});
    EXPECT_EQ(f.Preview().ReadFormat(CF_BITMAP), 0);
}

TEST_F(MainFormTest, PictureZoomSeriesAndNaturalSize) {
    TMainForm& f = CreateForm();
    PutClipboard({{CF_DIB, Dib(640, 480)}});
    f.Surface().SelectPreviewView(PV::Picture);
    f.Surface().ShowClipboardPicture();
    EXPECT_EQ(f.Preview().Image().Width(), 640);
    EXPECT_EQ(f.Preview().Image().Height(), 480);

    std::vector<int> ins;
    for (int i = 0; i < 5; ++i) {
        f.Zoom(win32::ZoomStep::In);
        ins.push_back(f.Preview().ImageZoom());
    }
    EXPECT_EQ(ins, (std::vector<int>{200, 400, 800, 1600, 1600}));
    EXPECT_EQ(f.Preview().Image().Width(), 10240);
    f.Zoom(win32::ZoomStep::Reset);
    EXPECT_EQ(f.Preview().Image().Width(), 640);
    f.Zoom(win32::ZoomStep::In);
    EXPECT_EQ(f.Preview().Image().Width(), 1280);
    EXPECT_EQ(f.Preview().Image().Height(), 960);
    f.Zoom(win32::ZoomStep::Reset);
    std::vector<int> outs;
    for (int i = 0; i < 3; ++i) {
        f.Zoom(win32::ZoomStep::Out);
        outs.push_back(f.Preview().ImageZoom());
    }
    EXPECT_EQ(outs, (std::vector<int>{50, 25, 25}));
    EXPECT_EQ(f.Preview().Image().Width(), 160);
    EXPECT_EQ(f.Preview().Image().Height(), 120);
    // Zooming the picture leaves the viewer's font alone but writes both settings.
    EXPECT_EQ(f.Preview().Viewer().FontSize(), 10);
    EXPECT_EQ(Settings().ReadInteger(L"ZoomImage", 0), 25);
    EXPECT_EQ(Settings().ReadInteger(L"Zoom", 0), 10);
    // A new picture takes the current zoom.
    PutClipboard({{CF_DIB, Dib(333, 100)}});
    f.Surface().ShowClipboardPicture();
    EXPECT_EQ(f.Preview().Image().Width(), 83);
}

TEST_F(MainFormTest, ViewerFontZoomAndShortcuts) {
    Settings().WriteInteger(L"Zoom", 2);
    Settings().WriteInteger(L"ZoomImage", 10);
    TMainForm& f = CreateForm();
    EXPECT_EQ(f.Preview().Viewer().FontSize(), 2);
    EXPECT_EQ(f.Preview().ViewerFontSize(), 10);
    EXPECT_EQ(f.Preview().ImageZoom(), 25);
    f.Surface().SelectPreviewView(PV::Viewer);
    f.Zoom(win32::ZoomStep::Out);
    EXPECT_EQ(f.Preview().Viewer().FontSize(), 4);
    EXPECT_EQ(f.Preview().ImageZoom(), 25);
    f.Zoom(win32::ZoomStep::Reset);
    EXPECT_EQ(f.Preview().Viewer().FontSize(), 10);
    EXPECT_EQ(Settings().ReadInteger(L"Zoom", 0), 10);

    // Ctrl+plus through the keyboard, as the message loop delivers it.
    SetForegroundWindow(f.Handle());
    SetActiveWindow(f.Handle());
    SetFocus(f.Formats().Handle());
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
    EXPECT_EQ(f.Preview().Viewer().FontSize(), 11);
    // With the rich-text view visible Ctrl+0 does nothing.
    f.Surface().SelectPreviewView(PV::RichText);
    press('0');
    EXPECT_EQ(f.Preview().Viewer().FontSize(), 11);
    f.Surface().SelectPreviewView(PV::Viewer);
    press('0');
    EXPECT_EQ(f.Preview().Viewer().FontSize(), 10);
}

TEST_F(MainFormTest, StoredPictureZoomAboveTheLimitStartsAt1600) {
    Settings().WriteInteger(L"ZoomImage", 5000);
    TMainForm& f = CreateForm();
    EXPECT_EQ(f.Preview().ImageZoom(), 1600);
    Settings().WriteInteger(L"ZoomImage", 100);
    Settings().WriteInteger(L"Zoom", 10);
}

TEST_F(MainFormTest, AlwaysOnTopToggledTwiceStoresFalse) {
    TMainForm& f = CreateForm();
    // (Wine under Xvfb keeps WS_EX_TOPMOST out of the window's styles, so the check mark and
    // the stored value are what can be seen here.)
    f.Commands().Run(win32::CommandId(win32::MainCommand::OnTop));
    EXPECT_TRUE(GetMenuState(f.Commands().Menu(), win32::CommandId(win32::MainCommand::OnTop),
                             MF_BYCOMMAND) &
                MF_CHECKED);
    EXPECT_TRUE(Settings().ReadBool(L"OnTop", false));
    f.Commands().Run(win32::CommandId(win32::MainCommand::OnTop));
    EXPECT_FALSE(GetMenuState(f.Commands().Menu(), win32::CommandId(win32::MainCommand::OnTop),
                              MF_BYCOMMAND) &
                 MF_CHECKED);
    EXPECT_FALSE(Settings().ReadBool(L"OnTop", true));
}

TEST_F(MainFormTest, WebPagesMinimiseOnlyWhenOnTop) {
    TMainForm& f = CreateForm();
    f.Commands().Run(win32::CommandId(win32::MainCommand::HelpOnline));
    EXPECT_FALSE(IsIconic(f.Handle()));
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_NE(pages[0].find(L"/windowsclipboard/"), std::wstring::npos);
    f.Commands().Run(win32::CommandId(win32::MainCommand::OnTop));
    f.Commands().Run(win32::CommandId(win32::MainCommand::About));
    EXPECT_TRUE(IsIconic(f.Handle()));
    f.Commands().Run(win32::CommandId(win32::MainCommand::OnTop));
    ShowWindow(f.Handle(), SW_RESTORE);
    f.Commands().Run(win32::CommandId(win32::MainCommand::Brisvel));
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
    PutClipboard({{CF_TEXT, TextBlock("abc")}});
    TMainForm& f = CreateForm();
    ASSERT_TRUE(f.Commands().ActionById(win32::CommandId(win32::MainCommand::Delete)).Enabled());
    HelperProcess holder({L"pid", L"hold", L"3000"});
    const std::string pid = holder.ReadLine();
    ASSERT_EQ(holder.ReadLine(), "holding");
    SendMessageW(f.Handle(), WM_COMMAND,
                 MAKEWPARAM(win32::CommandId(win32::MainCommand::Delete), 0), 0);
    WaitUntilShown();
    // The holder opened the clipboard for a window: the box names its program.
    EXPECT_EQ(errors, std::vector<std::wstring>{L"Cannot open clipboard\r\nHeld by " +
                                                std::wstring(kHelperExe) + L" (" +
                                                std::wstring(pid.begin(), pid.end()) + L")"});
    holder.Wait();
}

TEST_F(MainFormTest, ExitClosesTheWindowAndEndsTheLoop) {
    TMainForm& f = CreateForm();
    f.Commands().Run(win32::CommandId(win32::MainCommand::Exit));
    const bool quit = PumpUntilQuit(500);
    EXPECT_TRUE(quit);
    EXPECT_EQ(f.Handle(), nullptr);
}

} // namespace
} // namespace tavrix::test
