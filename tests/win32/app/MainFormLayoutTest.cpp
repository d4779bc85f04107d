#include "MainFormFixture.h"
#include "settings/AppIni.h"
#include "settings/win32/AppIniSetup.h"

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
              2);
    EXPECT_EQ(edges[0], 150);

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
    EXPECT_EQ(ids(GetSubMenu(bar, 0)), (std::vector<int>{win32::kActLoad, win32::kActSave, 0,
                                                         win32::kActOnTop, 0, win32::kActExit}));
    EXPECT_EQ(ids(GetSubMenu(bar, 1)), (std::vector<int>{win32::kActDelete, 0, win32::kActZoomOut,
                                                         win32::kActZoomIn, win32::kActZoom100}));
    EXPECT_EQ(ids(GetSubMenu(bar, 2)),
              (std::vector<int>{win32::kActHelpOnline, win32::kMiAbout, 0, win32::kMiBrisvel}));
    EXPECT_EQ(f.Commands().MenuItemText(win32::kActSave), L"Save...");
    std::wstring help = f.Commands().MenuItemText(win32::kActHelpOnline);
    EXPECT_EQ(help, L"Help online...\tF1");
    std::wstring zoom100 = f.Commands().MenuItemText(win32::kActZoom100);
    EXPECT_EQ(zoom100.substr(0, 13), L"Zoom to 100%\t");
    EXPECT_EQ(zoom100.back(), L'0');
    EXPECT_EQ(f.Commands().MenuItemText(win32::kMiAbout).substr(0, 12), L"About Tavrix");
    EXPECT_EQ(f.Commands().MenuItemText(win32::kMiBrisvel), L"About Brisvel...");

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
    EXPECT_EQ(commands,
              (std::vector<int>{win32::kActLoad, win32::kActSave, 0, win32::kActDelete, 0,
                                win32::kActZoomOut, win32::kActZoomIn, 0, win32::kActHelpOnline}));
    RECT saveButton{};
    SendMessageW(f.Commands().Toolbar(), TB_GETRECT, win32::kActSave,
                 reinterpret_cast<LPARAM>(&saveButton));
    EXPECT_GE(saveButton.right - saveButton.left, 98);

    // The accelerator table holds F1, Ctrl+minus, Ctrl+plus and Ctrl+0.
    ACCEL table[8] = {};
    int count = CopyAcceleratorTableW(f.Commands().Actions().Accelerators(), table, 8);
    ASSERT_EQ(count, 4);
    std::vector<std::pair<int, int>> keys;
    for (int i = 0; i < count; ++i) {
        keys.emplace_back(table[i].key, (table[i].fVirt & FCONTROL) ? 1 : 0);
    }
    EXPECT_EQ(keys, (std::vector<std::pair<int, int>>{
                        {VK_F1, 0}, {VK_OEM_MINUS, 1}, {VK_OEM_PLUS, 1}, {0x30, 1}}));
}

TEST_F(MainFormTest, MeasuredMenuItemsKeepTheirHeightAt96Dpi) {
    TMainForm& f = CreateForm();
    MEASUREITEMSTRUCT item{};
    item.CtlType = ODT_MENU;
    item.itemID = win32::kActLoad;
    EXPECT_TRUE(SendMessageW(f.Handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&item)));
    EXPECT_EQ(item.itemHeight, 18u); // the picture's 16 pixels and a little room
    MEASUREITEMSTRUCT zoom{};
    zoom.CtlType = ODT_MENU;
    zoom.itemID = win32::kActZoomIn;
    EXPECT_FALSE(SendMessageW(f.Handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&zoom)));
}

class MainFormAt120Dpi : public MainFormTest {
    int PixelsPerInch() const override { return 120; }
};

// The registry store of this prefix, emptied before and after.
class MainFormWithStore : public MainFormTest {
protected:
    void SetUp() override {
        MainFormTest::SetUp();
        RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
        win32::CreateAppIni(false);
        AppIni().WriteBool(L"FirstStarted", true);
    }
    void TearDown() override {
        form.reset();
        win32::ReleaseAppIni();
        RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
        MainFormTest::TearDown();
    }
    TAppIni& Settings() override { return AppIni(); }
    static constexpr const wchar_t* kKey = L"SOFTWARE\\Norvane\\Tavrix";
};

TEST_F(MainFormWithStore, TreeWidthAndPlacementComeBackAtTheNextStart) {
    TMainForm& first = CreateForm();
    first.SetTreeWidth(201);
    SetWindowPos(first.Handle(), nullptr, 40, 30, 700, 500, SWP_NOZORDER | SWP_NOACTIVATE);
    PumpMessages();
    form.reset();
    PumpMessages();
    EXPECT_EQ(AppIni().ReadInteger(L"FormatsWidth", 0), 201);
    EXPECT_EQ(AppIni().ReadInteger(L"TMainFormState", -1), 0);

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

TEST_F(MainFormAt120Dpi, ApplyDpiLayoutScalesHeightsAndPictures) {
    TMainForm& f = CreateForm();
    EXPECT_EQ(f.Commands().ImageListSize(), 24);
    EXPECT_EQ(f.Commands().ToolbarHeight(), 31);
    EXPECT_EQ(f.Status().Height(), 24);
    EXPECT_EQ(SendMessageW(f.Formats().Handle(), TVM_GETITEMHEIGHT, 0, 0), 30);
    RECT toolbar = ChildRect(f.Handle(), f.Commands().Toolbar());
    EXPECT_EQ(toolbar.bottom - toolbar.top, 31);
    for (int id : {win32::kActLoad, win32::kActExit, win32::kMiAbout, win32::kMiBrisvel}) {
        MEASUREITEMSTRUCT item{};
        item.CtlType = ODT_MENU;
        item.itemID = static_cast<UINT>(id);
        SendMessageW(f.Handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&item));
        EXPECT_EQ(item.itemHeight, 28u) << id;
    }
}

class MainFormAt144Dpi : public MainFormTest {
    int PixelsPerInch() const override { return 144; }
};

TEST_F(MainFormAt144Dpi, ApplyDpiLayoutUses24PixelPicturesAt144) {
    TMainForm& f = CreateForm();
    EXPECT_EQ(f.Commands().ImageListSize(), 24);
    EXPECT_EQ(f.Commands().ToolbarHeight(), 34);
    EXPECT_EQ(f.Status().Height(), 28);
    EXPECT_EQ(SendMessageW(f.Formats().Handle(), TVM_GETITEMHEIGHT, 0, 0), 36);
    MEASUREITEMSTRUCT item{};
    item.CtlType = ODT_MENU;
    item.itemID = win32::kActSave;
    SendMessageW(f.Handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(item.itemHeight, 33u);
}

} // namespace
} // namespace tavrix::test
