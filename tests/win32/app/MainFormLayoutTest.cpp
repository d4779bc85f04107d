#include "MainFormFixture.h"
#include "base/Dpi.h"
#include "settings/SettingsStore.h"
#include "settings/win32/SettingsStoreSetup.h"

#include <commctrl.h>

namespace tavrix::test {
namespace {

using win32::TMainForm;

TEST_F(MainFormTest, DesignedLayoutAt96Dpi) {
    TMainForm& f = CreateForm();
    RECT client{};
    GetClientRect(f.Handle(), &client);
    EXPECT_EQ(client.right, 784);
    EXPECT_EQ(client.bottom, 522);

    RECT toolbar = ChildRect(f.Handle(), f.Commands().Toolbar());
    EXPECT_EQ(toolbar.top, 0);
    EXPECT_EQ(toolbar.bottom, 29);
    EXPECT_EQ(toolbar.right, 784);
    RECT status = ChildRect(f.Handle(), f.Status().Handle());
    EXPECT_EQ(status.bottom - status.top, 19);
    EXPECT_EQ(status.bottom, 522);
    int edges[4] = {};
    EXPECT_EQ(SendMessageW(f.Status().Handle(), SB_GETPARTS, 4, reinterpret_cast<LPARAM>(edges)),
              3);
    EXPECT_EQ(edges[0], 150);
    EXPECT_EQ(edges[1], 300);
    EXPECT_EQ(edges[2], -1);

    RECT tree = ChildRect(f.Handle(), f.Formats().Handle());
    EXPECT_EQ(tree.left, 3);
    EXPECT_EQ(tree.top, 32);
    EXPECT_EQ(tree.right - tree.left, 142);
    EXPECT_EQ(tree.bottom, 500);
    EXPECT_EQ(SendMessageW(f.Formats().Handle(), TVM_GETITEMHEIGHT, 0, 0), 24);
    EXPECT_EQ(SendMessageW(f.Formats().Handle(), TVM_GETINDENT, 0, 0), 19);
    LONG treeStyle = GetWindowLongW(f.Formats().Handle(), GWL_STYLE);
    EXPECT_TRUE(treeStyle & TVS_FULLROWSELECT);
    EXPECT_TRUE(treeStyle & TVS_SHOWSELALWAYS);
    EXPECT_TRUE(treeStyle & TVS_TRACKSELECT);
    EXPECT_FALSE(treeStyle & (TVS_HASBUTTONS | TVS_HASLINES | TVS_EDITLABELS));

    // The three views share the area right of the splitter, margins 3 except on the left.
    for (HWND view : {f.Preview().RichText().Handle(), f.Preview().PictureBox().Handle(),
                      f.Preview().Viewer().Handle()}) {
        RECT r = ChildRect(f.Handle(), view);
        EXPECT_EQ(r.left, 150);
        EXPECT_EQ(r.top, 32);
        EXPECT_EQ(r.right, 781);
        EXPECT_EQ(r.bottom, 500);
    }
    EXPECT_EQ(f.Commands().ImageListSize(), 16);
    EXPECT_EQ(f.Preview().ImageZoom(), 100);
    EXPECT_EQ(f.Preview().ViewerFontSize(), 10);
}

TEST_F(MainFormTest, MenuToolbarAndShortcutsFollowTheDesign) {
    TMainForm& f = CreateForm();
    HMENU bar = f.Commands().Menu();
    ASSERT_EQ(GetMenuItemCount(bar), 3);
    EXPECT_EQ(f.Commands().MenuItemText(0, true), L"File");
    EXPECT_EQ(f.Commands().MenuItemText(2, true), L"Help");
    auto ids = [](HMENU menu) {
        std::vector<int> out;
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            out.push_back(static_cast<int>(GetMenuItemID(menu, i)));
        }
        return out;
    };
    // Separators have id 0.
    EXPECT_EQ(ids(GetSubMenu(bar, 0)),
              (std::vector<int>{win32::CommandId(win32::MainCommand::Load),
                                win32::CommandId(win32::MainCommand::Save),
                                win32::CommandId(win32::MainCommand::CompareWithFile), 0,
                                win32::CommandId(win32::MainCommand::OnTop), 0,
                                win32::CommandId(win32::MainCommand::Exit)}));
    EXPECT_EQ(ids(GetSubMenu(bar, 1)),
              (std::vector<int>{win32::CommandId(win32::MainCommand::Delete), 0,
                                win32::CommandId(win32::MainCommand::SaveFormat),
                                win32::CommandId(win32::MainCommand::RemoveFormat), 0,
                                win32::CommandId(win32::MainCommand::ChangeLog), 0,
                                win32::CommandId(win32::MainCommand::Find),
                                win32::CommandId(win32::MainCommand::FindNext),
                                win32::CommandId(win32::MainCommand::FindPrevious),
                                win32::CommandId(win32::MainCommand::GoToOffset), 0,
                                win32::CommandId(win32::MainCommand::ZoomOut),
                                win32::CommandId(win32::MainCommand::ZoomIn),
                                win32::CommandId(win32::MainCommand::Zoom100)}));
    EXPECT_EQ(f.Commands().MenuItemText(win32::CommandId(win32::MainCommand::SaveFormat)),
              L"Save format as...");
    EXPECT_EQ(f.Commands().MenuItemText(win32::CommandId(win32::MainCommand::RemoveFormat)),
              L"Remove from clipboard");
    EXPECT_EQ(ids(GetSubMenu(bar, 2)),
              (std::vector<int>{win32::CommandId(win32::MainCommand::HelpOnline),
                                win32::CommandId(win32::MainCommand::About), 0,
                                win32::CommandId(win32::MainCommand::Brisvel)}));
    EXPECT_EQ(f.Commands().MenuItemText(win32::CommandId(win32::MainCommand::Save)), L"Save...");
    std::wstring help = f.Commands().MenuItemText(win32::CommandId(win32::MainCommand::HelpOnline));
    EXPECT_EQ(help, L"Help online...\tF1");
    std::wstring zoom100 = f.Commands().MenuItemText(win32::CommandId(win32::MainCommand::Zoom100));
    EXPECT_EQ(zoom100.substr(0, 13), L"Zoom to 100%\t");
    EXPECT_EQ(zoom100.back(), L'0');
    EXPECT_EQ(f.Commands().MenuItemText(win32::CommandId(win32::MainCommand::About)).substr(0, 12),
              L"About Tavrix");
    EXPECT_EQ(f.Commands().MenuItemText(win32::CommandId(win32::MainCommand::Brisvel)),
              L"About Brisvel...");

    // Toolbar: open, save, separator, clear, separator, zoom out, zoom in, separator, help.
    ASSERT_EQ(SendMessageW(f.Commands().Toolbar(), TB_BUTTONCOUNT, 0, 0), 9);
    std::vector<int> commands;
    for (int i = 0; i < 9; ++i) {
        TBBUTTON button{};
        SendMessageW(f.Commands().Toolbar(), TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
        commands.push_back((button.fsStyle & BTNS_SEP) ? 0 : button.idCommand);
        if (button.fsStyle & BTNS_SEP) {
            EXPECT_EQ(button.iBitmap, 8);
        }
    }
    EXPECT_EQ(commands, (std::vector<int>{win32::CommandId(win32::MainCommand::Load),
                                          win32::CommandId(win32::MainCommand::Save), 0,
                                          win32::CommandId(win32::MainCommand::Delete), 0,
                                          win32::CommandId(win32::MainCommand::ZoomOut),
                                          win32::CommandId(win32::MainCommand::ZoomIn), 0,
                                          win32::CommandId(win32::MainCommand::HelpOnline)}));
    RECT saveButton{};
    SendMessageW(f.Commands().Toolbar(), TB_GETRECT, win32::CommandId(win32::MainCommand::Save),
                 reinterpret_cast<LPARAM>(&saveButton));
    EXPECT_GE(saveButton.right - saveButton.left, 98);

    // The accelerator table holds F1, Ctrl+minus, Ctrl+plus, Ctrl+0, Ctrl+L, Ctrl+F, F3,
    // Shift+F3 and Ctrl+G (1 for Ctrl, 2 for Shift).
    ACCEL table[16] = {};
    int count = CopyAcceleratorTableW(f.Commands().Actions().Accelerators(), table, 16);
    ASSERT_EQ(count, 9);
    std::vector<std::pair<int, int>> keys;
    for (int i = 0; i < count; ++i) {
        keys.emplace_back(table[i].key, ((table[i].fVirt & FCONTROL) ? 1 : 0) |
                                            ((table[i].fVirt & FSHIFT) ? 2 : 0));
    }
    EXPECT_EQ(keys, (std::vector<std::pair<int, int>>{{VK_F1, 0},
                                                      {VK_OEM_MINUS, 1},
                                                      {VK_OEM_PLUS, 1},
                                                      {0x30, 1},
                                                      {'L', 1},
                                                      {'F', 1},
                                                      {VK_F3, 0},
                                                      {VK_F3, 2},
                                                      {'G', 1}}));
}

TEST_F(MainFormTest, MeasuredMenuItemsKeepTheirHeightAt96Dpi) {
    TMainForm& f = CreateForm();
    MEASUREITEMSTRUCT item{};
    item.CtlType = ODT_MENU;
    item.itemID = win32::CommandId(win32::MainCommand::Load);
    EXPECT_TRUE(SendMessageW(f.Handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&item)));
    EXPECT_EQ(item.itemHeight, 18u); // the picture's 16 pixels and a little room
    MEASUREITEMSTRUCT zoom{};
    zoom.CtlType = ODT_MENU;
    zoom.itemID = win32::CommandId(win32::MainCommand::ZoomIn);
    EXPECT_FALSE(SendMessageW(f.Handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&zoom)));
}

// The registry store of this prefix, emptied before and after.
class MainFormWithStore : public MainFormTest {
protected:
    void SetUp() override {
        MainFormTest::SetUp();
        RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
        win32::CreateSettingsStore(false);
        ProcessSettings().WriteBool(L"FirstStarted", true);
    }
    void TearDown() override {
        form.reset();
        win32::ReleaseProcessSettings();
        RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
        MainFormTest::TearDown();
    }
    SettingsStore& Settings() override { return ProcessSettings(); }
    static constexpr const wchar_t* kKey = L"SOFTWARE\\Norvane\\Tavrix";
};

TEST_F(MainFormWithStore, TreeWidthAndPlacementComeBackAtTheNextStart) {
    TMainForm& first = CreateForm();
    first.SetTreeWidth(201);
    SetWindowPos(first.Handle(), nullptr, 40, 30, 700, 500, SWP_NOZORDER | SWP_NOACTIVATE);
    PumpMessages();
    form.reset();
    PumpMessages();
    EXPECT_EQ(ProcessSettings().ReadInteger(L"FormatsWidth", 0), 201);
    EXPECT_EQ(ProcessSettings().ReadInteger(L"TMainFormState", -1), 0);

    TMainForm& second = CreateForm();
    EXPECT_EQ(second.TreeWidth(), 201);
    EXPECT_EQ(ChildRect(second.Handle(), second.Formats().Handle()).right -
                  ChildRect(second.Handle(), second.Formats().Handle()).left,
              201);
    RECT r{};
    GetWindowRect(second.Handle(), &r);
    EXPECT_EQ(r.left, 40);
    EXPECT_EQ(r.top, 30);
    EXPECT_EQ(r.right - r.left, 700);
    EXPECT_EQ(r.bottom - r.top, 500);
}

TEST_F(MainFormWithStore, EndingSessionWritesTheSettingsOnceAndAQueryAloneWritesNothing) {
    TMainForm& f = CreateForm();
    f.SetTreeWidth(201);
    SendMessageW(f.Handle(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF);
    SendMessageW(f.Handle(), WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF);
    EXPECT_EQ(ProcessSettings().ReadInteger(L"FormatsWidth", -1), -1);

    SendMessageW(f.Handle(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_EQ(ProcessSettings().ReadInteger(L"FormatsWidth", -1), 201);
    EXPECT_EQ(ProcessSettings().ReadInteger(L"TMainFormState", -1), 0);

    // Destroyed after all: what the session's end wrote stays.
    f.SetTreeWidth(150);
    form.reset();
    PumpMessages();
    EXPECT_EQ(ProcessSettings().ReadInteger(L"FormatsWidth", -1), 201);
}

// What the resolution decides, as the window shows it.
struct DpiFigures {
    int imageSize;
    int toolbarHeight;
    int statusHeight;
    int treeItemHeight;
    unsigned menuItemHeight;
    int statusPanelEdge;
    int fontHeight;
};

void ExpectDpiFigures(TMainForm& f, const DpiFigures& want) {
    EXPECT_EQ(f.Commands().ImageListSize(), want.imageSize);
    EXPECT_EQ(f.Commands().ToolbarHeight(), want.toolbarHeight);
    EXPECT_EQ(f.Status().Height(), want.statusHeight);
    EXPECT_EQ(SendMessageW(f.Formats().Handle(), TVM_GETITEMHEIGHT, 0, 0), want.treeItemHeight);
    RECT toolbar = ChildRect(f.Handle(), f.Commands().Toolbar());
    EXPECT_EQ(toolbar.bottom - toolbar.top, want.toolbarHeight);
    RECT status = ChildRect(f.Handle(), f.Status().Handle());
    EXPECT_EQ(status.bottom - status.top, want.statusHeight);
    int edges[4] = {};
    SendMessageW(f.Status().Handle(), SB_GETPARTS, 4, reinterpret_cast<LPARAM>(edges));
    EXPECT_EQ(edges[0], want.statusPanelEdge);
    for (int id :
         {win32::CommandId(win32::MainCommand::Load), win32::CommandId(win32::MainCommand::Save),
          win32::CommandId(win32::MainCommand::Exit), win32::CommandId(win32::MainCommand::About),
          win32::CommandId(win32::MainCommand::Brisvel)}) {
        MEASUREITEMSTRUCT item{};
        item.CtlType = ODT_MENU;
        item.itemID = static_cast<UINT>(id);
        SendMessageW(f.Handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&item));
        EXPECT_EQ(item.itemHeight, want.menuItemHeight) << id;
    }
    // Toolbar, status bar and tree share one font of the resolution.
    auto font = reinterpret_cast<HFONT>(SendMessageW(f.Formats().Handle(), WM_GETFONT, 0, 0));
    EXPECT_EQ(font, reinterpret_cast<HFONT>(SendMessageW(f.Status().Handle(), WM_GETFONT, 0, 0)));
    LOGFONTW face{};
    ASSERT_NE(GetObjectW(font, sizeof(face), &face), 0);
    EXPECT_EQ(face.lfHeight, want.fontHeight);
}

constexpr DpiFigures kAt96{.imageSize = 16,
                           .toolbarHeight = 29,
                           .statusHeight = 19,
                           .treeItemHeight = 24,
                           .menuItemHeight = 18,
                           .statusPanelEdge = 150,
                           .fontHeight = -11};
constexpr DpiFigures kAt120{.imageSize = 24,
                            .toolbarHeight = 31,
                            .statusHeight = 24,
                            .treeItemHeight = 30,
                            .menuItemHeight = 28,
                            .statusPanelEdge = 188,
                            .fontHeight = -13};
// 1.5 is no more than 1.5: still the 24-pixel pictures.
constexpr DpiFigures kAt144{.imageSize = 24,
                            .toolbarHeight = 34,
                            .statusHeight = 28,
                            .treeItemHeight = 36,
                            .menuItemHeight = 33,
                            .statusPanelEdge = 225,
                            .fontHeight = -16};

class MainFormAt120Dpi : public MainFormTest {
    int PixelsPerInch() const override { return 120; }
};

TEST_F(MainFormAt120Dpi, ApplyDpiLayoutScalesHeightsAndPictures) {
    ExpectDpiFigures(CreateForm(), kAt120);
}

class MainFormAt144Dpi : public MainFormTest {
    int PixelsPerInch() const override { return 144; }
};

TEST_F(MainFormAt144Dpi, ApplyDpiLayoutUses24PixelPicturesAt144) {
    ExpectDpiFigures(CreateForm(), kAt144);
}

// The window moved to screens of other resolutions: it takes the frame offered and lays itself
// out for the new resolution, whatever the screen's was at start-up.
TEST_F(MainFormTest, DpiChangeMovesTheWindowAndScalesItsControls) {
    // Text in Preview, so that the viewer has drawn with its font whatever an earlier test left.
    PutClipboard({{CF_TEXT, TextBlock("abc")}});
    TMainForm& f = CreateForm();
    ExpectDpiFigures(f, kAt96);
    struct Move {
        int pixelsPerInch;
        RECT frame;
        const DpiFigures& figures;
        int treeWidth;
    };
    const Move moves[] = {
        {.pixelsPerInch = 120,
         .frame = {.left = 20, .top = 10, .right = 1020, .bottom = 710},
         .figures = kAt120,
         .treeWidth = 178},
        {.pixelsPerInch = 144,
         .frame = {.left = 30, .top = 20, .right = 1230, .bottom = 870},
         .figures = kAt144,
         .treeWidth = 213},
        {.pixelsPerInch = 96,
         .frame = {.left = 40, .top = 30, .right = 840, .bottom = 630},
         .figures = kAt96,
         .treeWidth = 142},
    };
    for (const Move& move : moves) {
        SCOPED_TRACE(move.pixelsPerInch);
        RECT frame = move.frame;
        SendMessageW(f.Handle(), WM_DPICHANGED, MAKEWPARAM(move.pixelsPerInch, move.pixelsPerInch),
                     reinterpret_cast<LPARAM>(&frame));
        PumpMessages();
        EXPECT_EQ(f.PixelsPerInch(), move.pixelsPerInch);
        RECT window{};
        GetWindowRect(f.Handle(), &window);
        EXPECT_EQ(window.left, move.frame.left);
        EXPECT_EQ(window.top, move.frame.top);
        EXPECT_EQ(window.right, move.frame.right);
        EXPECT_EQ(window.bottom, move.frame.bottom);
        ExpectDpiFigures(f, move.figures);
        EXPECT_EQ(f.TreeWidth(), move.treeWidth);
        RECT tree = ChildRect(f.Handle(), f.Formats().Handle());
        EXPECT_EQ(tree.right - tree.left, move.treeWidth);
        EXPECT_EQ(tree.top, move.figures.toolbarHeight + ScaleByDpi(3, move.pixelsPerInch));
        EXPECT_EQ(f.Preview().Viewer().FontPixelHeight(), -MulDiv(10, move.pixelsPerInch, 72));
    }
    EXPECT_TRUE(errors.empty());
}

} // namespace
} // namespace tavrix::test
