#include "app/win32/CommandBar.h"

#include "base/Dpi.h"
#include "base/Error.h"
#include "base/UiText.h"
#include "base/win32/CommonControls.h"
#include "base/win32/SelectGuard.h"
#include "base/win32/SystemErrorText.h"
#include "base/win32/UserObjects.h"
#include "base/win32/WindowDC.h"
#include "i18n/TranslatedTexts.h"
#include "ui/win32/ChildControl.h"

#include <algorithm>
#include <array>
#include <utility>

namespace tavrix::win32 {

namespace {

constexpr int kToolbarButtonWidth = 98;
constexpr int kToolbarSeparator = 8;

// The menu items whose height follows the resolution (miMainMeasureItem).
constexpr std::array<int, 8> kMeasuredItems = {
    CommandId(MainCommand::Load),   CommandId(MainCommand::Save),
    CommandId(MainCommand::OnTop),  CommandId(MainCommand::Exit),
    CommandId(MainCommand::Delete), CommandId(MainCommand::HelpOnline),
    CommandId(MainCommand::About),  CommandId(MainCommand::Brisvel)};

bool IsMeasuredItem(UINT id) {
    return std::find(kMeasuredItems.begin(), kMeasuredItems.end(), static_cast<int>(id)) !=
           kMeasuredItems.end();
}

int ImageIndexOfMenuItem(int id) {
    switch (id) {
    case CommandId(MainCommand::About):
        return 6;
    case CommandId(MainCommand::Brisvel):
        return 7;
    default:
        return -1;
    }
}

struct ToolbarButtonDesign {
    int id; // 0: separator
    bool showText;
};

// Open, save, separator, clear, separator, zoom out, zoom in, separator, help.
constexpr ToolbarButtonDesign kToolbarDesign[] = {
    {.id = CommandId(MainCommand::Load), .showText = true},
    {.id = CommandId(MainCommand::Save), .showText = true},
    {.id = 0, .showText = false},
    {.id = CommandId(MainCommand::Delete), .showText = true},
    {.id = 0, .showText = false},
    {.id = CommandId(MainCommand::ZoomOut), .showText = false},
    {.id = CommandId(MainCommand::ZoomIn), .showText = false},
    {.id = 0, .showText = false},
    {.id = CommandId(MainCommand::HelpOnline), .showText = false},
};

} // namespace

void CommandBar::Create(HWND owner, int toolbarId, int pixelsPerInch, HFONT font,
                        const Handlers& handlers) {
    ilMain16_ = CreateProgramImageList(16);
    ilMain24_ = CreateProgramImageList(24);
    ilMain32_ = CreateProgramImageList(32);
    CreateActions();
    for (const auto& [id, handler] : handlers) {
        if (Action* action = alMain_.Find(id)) {
            action->SetOnExecute(handler);
        } else {
            menuItems_.emplace_back(id, handler);
        }
    }
    CreateMainMenu(owner);
    CreateToolbar(owner, toolbarId, pixelsPerInch);
    SendMessageW(tbrMain_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

bool CommandBar::Run(int id) {
    if (Action* action = alMain_.Find(id)) {
        action->Execute();
        return true;
    }
    for (const auto& [item, handler] : menuItems_) {
        if (item == id) {
            handler();
            return true;
        }
    }
    return false;
}

void CommandBar::CreateActions() {
    struct Design {
        int id;
        std::wstring caption;
        std::wstring hint;
        Shortcut keys;
        int image;
    };
    const Design designs[] = {
        {.id = CommandId(MainCommand::Load),
         .caption = Tr(L"Load..."),
         .hint = Tr(L"Load file to clipboard"),
         .keys = {},
         .image = 1},
        {.id = CommandId(MainCommand::Save),
         .caption = Tr(L"Save..."),
         .hint = Tr(L"Save clipboard to file"),
         .keys = {},
         .image = 2},
        {.id = CommandId(MainCommand::Delete),
         .caption = Tr(L"Clear clipboard"),
         .hint = Tr(L"Clear clipboard"),
         .keys = {},
         .image = 3},
        {.id = CommandId(MainCommand::CompareWithFile),
         .caption = Tr(L"Compare with file..."),
         .hint = L"",
         .keys = {},
         .image = -1},
        {.id = CommandId(MainCommand::Exit),
         .caption = Tr(L"Exit"),
         .hint = L"",
         .keys = {},
         .image = -1},
        {.id = CommandId(MainCommand::HelpOnline),
         .caption = Tr(L"Help online") + L"...",
         .hint = Tr(L"Help online"),
         .keys = {.key = VK_F1, .ctrl = false, .shift = false, .alt = false},
         .image = 0},
        {.id = CommandId(MainCommand::OnTop),
         .caption = Tr(L"Always on top"),
         .hint = L"",
         .keys = {},
         .image = -1},
        {.id = CommandId(MainCommand::ZoomOut),
         .caption = Tr(L"Zoom out"),
         .hint = Tr(L"Zoom out"),
         .keys = {.key = VK_OEM_MINUS, .ctrl = true, .shift = false, .alt = false},
         .image = 4},
        {.id = CommandId(MainCommand::ZoomIn),
         .caption = Tr(L"Zoom in"),
         .hint = Tr(L"Zoom in"),
         .keys = {.key = VK_OEM_PLUS, .ctrl = true, .shift = false, .alt = false},
         .image = 5},
        {.id = CommandId(MainCommand::Zoom100),
         .caption = Tr(L"Zoom to 100%"),
         .hint = Tr(L"Zoom to 100%"),
         .keys = {.key = 0x30, .ctrl = true, .shift = false, .alt = false},
         .image = -1},
        {.id = CommandId(MainCommand::SaveFormat),
         .caption = Tr(L"Save format as..."),
         .hint = Tr(L"Save the selected format to a file"),
         .keys = {},
         .image = -1},
        {.id = CommandId(MainCommand::RemoveFormat),
         .caption = Tr(L"Remove from clipboard"),
         .hint = Tr(L"Remove the selected format from the clipboard"),
         .keys = {},
         .image = -1},
        {.id = CommandId(MainCommand::ChangeLog),
         .caption = Tr(L"Change log"),
         .hint = Tr(L"Every clipboard change since the program started, with its owner"),
         .keys = {.key = 'L', .ctrl = true, .shift = false, .alt = false},
         .image = -1},
        {.id = CommandId(MainCommand::Find),
         .caption = Tr(L"Find..."),
         .hint = Tr(L"Find a text or bytes in the view"),
         .keys = {.key = 'F', .ctrl = true, .shift = false, .alt = false},
         .image = -1},
        {.id = CommandId(MainCommand::FindNext),
         .caption = Tr(L"Find next"),
         .hint = L"",
         .keys = {.key = VK_F3, .ctrl = false, .shift = false, .alt = false},
         .image = -1},
        {.id = CommandId(MainCommand::FindPrevious),
         .caption = Tr(L"Find previous"),
         .hint = L"",
         .keys = {.key = VK_F3, .ctrl = false, .shift = true, .alt = false},
         .image = -1},
        {.id = CommandId(MainCommand::GoToOffset),
         .caption = Tr(L"Go to offset..."),
         .hint = L"",
         .keys = {.key = 'G', .ctrl = true, .shift = false, .alt = false},
         .image = -1},
    };
    for (const Design& d : designs) {
        Action& action = alMain_.Add(d.id);
        action.SetCaption(d.caption);
        action.SetHint(d.hint);
        action.SetShortcut(d.keys);
        action.SetImageIndex(d.image);
    }
}

void CommandBar::CreateMainMenu(HWND owner) {
    // The menus are owned here until the window holds them: a popup belongs to the bar once
    // appended, the bar to the window once set, and the window destroys them with itself.
    win32::Menu bar(CreateMenu());
    win32::Menu file(CreatePopupMenu());
    win32::Menu edit(CreatePopupMenu());
    win32::Menu help(CreatePopupMenu());
    if (!bar || !file || !edit || !help) {
        ThrowLastError(Tr(L"Cannot create the main menu.") + L" ");
    }
    HMENU miFile = file.get();
    HMENU miEdit = edit.get();
    HMENU miHelp = help.get();
    auto addAction = [this](HMENU menu, int id) {
        AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(id),
                    ActionList::MenuText(*alMain_.Find(id)).c_str());
    };
    addAction(miFile, CommandId(MainCommand::Load));
    addAction(miFile, CommandId(MainCommand::Save));
    addAction(miFile, CommandId(MainCommand::CompareWithFile));
    AppendMenuW(miFile, MF_SEPARATOR, 0, nullptr);
    addAction(miFile, CommandId(MainCommand::OnTop));
    AppendMenuW(miFile, MF_SEPARATOR, 0, nullptr);
    addAction(miFile, CommandId(MainCommand::Exit));
    addAction(miEdit, CommandId(MainCommand::Delete));
    AppendMenuW(miEdit, MF_SEPARATOR, 0, nullptr);
    addAction(miEdit, CommandId(MainCommand::SaveFormat));
    addAction(miEdit, CommandId(MainCommand::RemoveFormat));
    AppendMenuW(miEdit, MF_SEPARATOR, 0, nullptr);
    addAction(miEdit, CommandId(MainCommand::ChangeLog));
    AppendMenuW(miEdit, MF_SEPARATOR, 0, nullptr);
    for (MainCommand command : kFindCommands) {
        addAction(miEdit, CommandId(command));
    }
    AppendMenuW(miEdit, MF_SEPARATOR, 0, nullptr);
    addAction(miEdit, CommandId(MainCommand::ZoomOut));
    addAction(miEdit, CommandId(MainCommand::ZoomIn));
    addAction(miEdit, CommandId(MainCommand::Zoom100));
    addAction(miHelp, CommandId(MainCommand::HelpOnline));
    AppendMenuW(miHelp, MF_STRING, CommandId(MainCommand::About),
                Tr(L"About %1...", {L"Tavrix"}).c_str());
    AppendMenuW(miHelp, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(miHelp, MF_STRING, CommandId(MainCommand::Brisvel),
                Tr(L"About %1...", {L"Brisvel"}).c_str());
    for (auto [popup, caption] : {std::pair{&file, Tr(L"File")}, std::pair{&edit, Tr(L"Edit")},
                                  std::pair{&help, Tr(L"Help")}}) {
        if (AppendMenuW(bar.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(popup->get()),
                        caption.c_str())) {
            popup->release();
        }
    }
    mmMain_ = bar.get();

    // The measured items draw their pictures themselves and report their height.
    for (int id : kMeasuredItems) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_BITMAP;
        info.hbmpItem = HBMMENU_CALLBACK;
        SetMenuItemInfoW(mmMain_, static_cast<UINT>(id), FALSE, &info);
    }
    if (!SetMenu(owner, mmMain_)) {
        ThrowLastError(Tr(L"Cannot create the main menu.") + L" ");
    }
    bar.release();
    alMain_.BindMenu(mmMain_);
    for (const auto& action : alMain_.Actions()) {
        alMain_.Refresh(*action);
    }
}

void CommandBar::CreateToolbar(HWND owner, int id, int pixelsPerInch) {
    tbrMain_ = CreateChildControl({.className = TOOLBARCLASSNAMEW,
                                   .style = WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_LIST |
                                            TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_NORESIZE |
                                            CCS_NOPARENTALIGN,
                                   .parent = owner,
                                   .id = id});
    SendMessageW(tbrMain_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    // Buttons without the "show text" style show only their picture, their caption as tooltip.
    SendMessageW(tbrMain_, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_MIXEDBUTTONS);
    SendMessageW(tbrMain_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(ilMain16_.get()));
    currentImages_ = &ilMain16_;

    std::vector<std::wstring> texts;
    texts.reserve(std::size(kToolbarDesign));
    std::vector<TBBUTTON> buttons;
    for (const ToolbarButtonDesign& d : kToolbarDesign) {
        TBBUTTON button{};
        if (d.id == 0) {
            button.iBitmap = ScaleByDpi(kToolbarSeparator, pixelsPerInch);
            button.fsStyle = BTNS_SEP;
        } else {
            const Action& action = *alMain_.Find(d.id);
            texts.push_back(action.Caption());
            button.iBitmap = action.ImageIndex();
            button.idCommand = d.id;
            button.fsState = TBSTATE_ENABLED;
            button.fsStyle =
                static_cast<BYTE>(BTNS_BUTTON | (d.showText ? BTNS_SHOWTEXT : BTNS_AUTOSIZE));
            button.iString = reinterpret_cast<INT_PTR>(texts.back().c_str());
        }
        buttons.push_back(button);
    }
    SendMessageW(tbrMain_, TB_ADDBUTTONSW, buttons.size(),
                 reinterpret_cast<LPARAM>(buttons.data()));
    alMain_.BindToolbar(tbrMain_);
}

void CommandBar::ApplyDpi(int pixelsPerInch, const DpiLayoutMetrics& metrics, HFONT font) {
    SendMessageW(tbrMain_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    toolbarBorder_ = metrics.toolbarBorder;
    toolbarHeight_ = metrics.toolbarHeight;
    ImageList& list = metrics.imageSize == 32   ? ilMain32_
                      : metrics.imageSize == 24 ? ilMain24_
                                                : ilMain16_;
    SetImageList(list);
    SizeSeparators(pixelsPerInch);
    SizeTextButtons(pixelsPerInch, font);
    InvalidateRect(tbrMain_, nullptr, TRUE);
}

void CommandBar::SetImageList(ImageList& list) {
    currentImages_ = &list;
    SendMessageW(tbrMain_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(list.get()));
    // The zoom items show plain bitmaps; the measured items draw from the current list, and
    // setting their callback again makes the menu measure them anew.
    menuBitmaps_.clear();
    for (int id : {CommandId(MainCommand::ZoomOut), CommandId(MainCommand::ZoomIn)}) {
        const Action& action = *alMain_.Find(id);
        menuBitmaps_.push_back(CreateIconBitmap(
            DrawIcon(static_cast<IconKind>(action.ImageIndex()), list.Size()), true));
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_BITMAP;
        info.hbmpItem = menuBitmaps_.back().get();
        SetMenuItemInfoW(mmMain_, static_cast<UINT>(id), FALSE, &info);
    }
    for (int id : kMeasuredItems) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_BITMAP;
        info.hbmpItem = HBMMENU_CALLBACK;
        SetMenuItemInfoW(mmMain_, static_cast<UINT>(id), FALSE, &info);
    }
}

void CommandBar::SizeSeparators(int pixelsPerInch) {
    for (int index = 0; index < static_cast<int>(std::size(kToolbarDesign)); ++index) {
        if (kToolbarDesign[index].id != 0) {
            continue;
        }
        // A separator's picture index is its width.
        TBBUTTONINFOW info{};
        info.cbSize = sizeof(info);
        info.dwMask = TBIF_BYINDEX | TBIF_IMAGE;
        info.iImage = ScaleByDpi(kToolbarSeparator, pixelsPerInch);
        SendMessageW(tbrMain_, TB_SETBUTTONINFOW, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&info));
    }
}

void CommandBar::SizeTextButtons(int pixelsPerInch, HFONT font) {
    // The designed 98 pixels, wider when a translated caption needs more room.
    const WindowDC screen = scoped::GetDC(nullptr);
    const SelectGuard selectFont = scoped::SelectObject(screen.get(), font);
    int imageSize = currentImages_ != nullptr ? currentImages_->Size() : 16;
    for (int id : {CommandId(MainCommand::Load), CommandId(MainCommand::Save),
                   CommandId(MainCommand::Delete)}) {
        const std::wstring& caption = alMain_.Find(id)->Caption();
        SIZE extent{};
        GetTextExtentPoint32W(screen.get(), caption.c_str(), static_cast<int>(caption.size()),
                              &extent);
        TBBUTTONINFOW info{};
        info.cbSize = sizeof(info);
        info.dwMask = TBIF_SIZE;
        info.cx = static_cast<WORD>(
            std::max(ScaleByDpi(kToolbarButtonWidth, pixelsPerInch),
                     static_cast<int>(extent.cx) + imageSize + ScaleByDpi(16, pixelsPerInch)));
        SendMessageW(tbrMain_, TB_SETBUTTONINFOW, static_cast<WPARAM>(id),
                     reinterpret_cast<LPARAM>(&info));
    }
}

void CommandBar::ApplyTranslations(const TranslatedTexts& t) {
    auto set = [this](int id, const std::wstring& caption, const std::wstring* hint) {
        Action& action = *alMain_.Find(id);
        action.SetCaption(caption);
        if (hint != nullptr) {
            action.SetHint(*hint);
        }
    };
    set(CommandId(MainCommand::Save), t.saveCaption, &t.saveHint);
    set(CommandId(MainCommand::Load), t.loadCaption, &t.loadHint);
    set(CommandId(MainCommand::Delete), t.deleteCaption, &t.deleteHint);
    set(CommandId(MainCommand::Exit), t.exitCaption, nullptr);
    set(CommandId(MainCommand::OnTop), t.onTopCaption, nullptr);
    set(CommandId(MainCommand::ZoomOut), t.zoomOutCaption, &t.zoomOutHint);
    set(CommandId(MainCommand::ZoomIn), t.zoomInCaption, &t.zoomInHint);
    set(CommandId(MainCommand::Zoom100), t.zoom100Caption, &t.zoom100Hint);
    SetTopMenuText(0, t.fileMenu);
    SetTopMenuText(1, t.editMenu);
    SetTopMenuText(2, t.helpMenu);
    set(CommandId(MainCommand::HelpOnline), t.helpOnlineCaption, &t.helpOnlineHint);
    SetMenuItemText(CommandId(MainCommand::About), t.aboutCaption);
    SetMenuItemText(CommandId(MainCommand::Brisvel), t.brisvelCaption);
}

void CommandBar::SetTopMenuText(int position, const std::wstring& text) {
    std::wstring copy = text;
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STRING;
    info.dwTypeData = copy.data();
    SetMenuItemInfoW(mmMain_, static_cast<UINT>(position), TRUE, &info);
}

void CommandBar::SetMenuItemText(int id, const std::wstring& text) {
    std::wstring copy = text;
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STRING;
    info.dwTypeData = copy.data();
    SetMenuItemInfoW(mmMain_, static_cast<UINT>(id), FALSE, &info);
}

std::wstring CommandBar::MenuItemText(int id, bool byPosition) const {
    wchar_t buffer[256] = {};
    GetMenuStringW(mmMain_, static_cast<UINT>(id), buffer, 256,
                   byPosition ? MF_BYPOSITION : MF_BYCOMMAND);
    return buffer;
}

void CommandBar::ShowFormatMenu(HWND owner, POINT screen) {
    win32::Menu popup(CreatePopupMenu());
    if (!popup) {
        return;
    }
    for (int id : {CommandId(MainCommand::SaveFormat), CommandId(MainCommand::RemoveFormat)}) {
        const Action& action = *alMain_.Find(id);
        AppendMenuW(popup.get(), MF_STRING | (action.Enabled() ? MF_ENABLED : MF_GRAYED),
                    static_cast<UINT_PTR>(id), action.Caption().c_str());
    }
    const int chosen =
        static_cast<int>(TrackPopupMenu(popup.get(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON,
                                        screen.x, screen.y, 0, owner, nullptr));
    if (chosen != 0) {
        alMain_.Execute(chosen);
    }
}

bool CommandBar::MeasureItem(MEASUREITEMSTRUCT& item) const {
    if (item.CtlType != ODT_MENU || !IsMeasuredItem(item.itemID)) {
        return false;
    }
    // What the menu measures itself: room for the picture.
    int size = currentImages_ != nullptr ? currentImages_->Size() : 16;
    item.itemWidth = static_cast<UINT>(size);
    item.itemHeight = static_cast<UINT>(size + 2);
    return true;
}

bool CommandBar::DrawItem(const DRAWITEMSTRUCT& item) {
    if (item.CtlType != ODT_MENU || currentImages_ == nullptr) {
        return false;
    }
    int id = static_cast<int>(item.itemID);
    const Action* action = alMain_.Find(id);
    int index = action != nullptr ? action->ImageIndex() : ImageIndexOfMenuItem(id);
    if (index < 0) {
        return true;
    }
    int size = currentImages_->Size();
    int x = item.rcItem.left +
            std::max(0, (static_cast<int>(item.rcItem.right - item.rcItem.left) - size) / 2);
    int y = item.rcItem.top +
            std::max(0, (static_cast<int>(item.rcItem.bottom - item.rcItem.top) - size) / 2);
    UINT style = ILD_TRANSPARENT | ((item.itemState & ODS_GRAYED) ? ILD_BLEND50 : 0);
    CommonControls().imageListDraw(currentImages_->get(), index, item.hDC, x, y, style);
    return true;
}

bool CommandBar::HandleNotify(const NMHDR& header, LRESULT& result) {
    if (header.hwndFrom != tbrMain_) {
        return false;
    }
    if (header.code == TBN_GETINFOTIPW) {
        auto& tip = const_cast<NMTBGETINFOTIPW&>(reinterpret_cast<const NMTBGETINFOTIPW&>(header));
        const Action* action = alMain_.Find(tip.iItem);
        if (action != nullptr && tip.pszText != nullptr && tip.cchTextMax > 0) {
            std::wstring hint = action->Hint().empty() ? action->Caption() : action->Hint();
            lstrcpynW(tip.pszText, hint.c_str(), tip.cchTextMax);
        }
        return true;
    }
    if (header.code == NM_CUSTOMDRAW) {
        CustomDrawToolbar(
            const_cast<NMTBCUSTOMDRAW&>(reinterpret_cast<const NMTBCUSTOMDRAW&>(header)), result);
        return true;
    }
    return false;
}

void CommandBar::CustomDrawToolbar(NMTBCUSTOMDRAW& draw, LRESULT& result) const {
    switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        result = CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT;
        return;
    case CDDS_ITEMPREPAINT:
        draw.clrHighlightHotTrack = RGB(229, 243, 255);
        result = TBCDRF_HILITEHOTTRACK;
        return;
    case CDDS_POSTPAINT: {
        // Only the bottom edge of the toolbar is drawn.
        RECT client{};
        GetClientRect(tbrMain_, &client);
        RECT edge{.left = 0,
                  .top = client.bottom - toolbarBorder_,
                  .right = client.right,
                  .bottom = client.bottom};
        FillRect(draw.nmcd.hdc, &edge, GetSysColorBrush(COLOR_BTNSHADOW));
        result = CDRF_DODEFAULT;
        return;
    }
    default:
        result = CDRF_DODEFAULT;
        return;
    }
}

} // namespace tavrix::win32
