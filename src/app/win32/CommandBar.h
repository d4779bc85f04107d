#pragma once
// The command bar of the main window: the actions (alMain) shared by the main menu (mmMain),
// the toolbar (tbrMain) and the keyboard, the three picture lists of 16, 24 and 32 pixels
// (ilMain16, ilMain24, ilMain32) of which the resolution picks one, and the drawing the menu and
// the toolbar leave to their owner. Each command is bound to its handler once, when the bar is
// made; the menu and the toolbar run it by its command identifier.
#include "app/DpiLayout.h"
#include "base/win32/GdiObjects.h"
#include "ui/win32/Action.h"
#include "ui/win32/ImageList.h"

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace tavrix {
struct TranslatedTexts;
} // namespace tavrix

namespace tavrix::win32 {

// Command identifiers of the actions and the menu items with their own handlers.
enum class MainCommand : int {
    Load = 101,
    Save,
    Delete,
    Exit,
    HelpOnline,
    OnTop,
    ZoomOut,
    ZoomIn,
    Zoom100,
    SaveFormat,
    RemoveFormat,
    Find,
    FindNext,
    FindPrevious,
    GoToOffset,
    About = 120,
    Brisvel,
    CompareWithFile,
    ChangeLog,
};
// The number a menu item, button or accelerator carries for command.
constexpr int CommandId(MainCommand command) {
    return static_cast<int>(command);
}

// The commands of Find and Go to, in the order the menus show them.
inline constexpr MainCommand kFindCommands[] = {MainCommand::Find, MainCommand::FindNext,
                                                MainCommand::FindPrevious, MainCommand::GoToOffset};

class CommandBar {
public:
    // Each command with its handler; a command without one does nothing.
    using Handlers = std::vector<std::pair<int, std::function<void()>>>;

    // The actions, the main menu (attached to owner) and the toolbar with the 16-pixel pictures
    // and the given font.
    void Create(HWND owner, int toolbarId, int pixelsPerInch, HFONT font, const Handlers& handlers);
    // Runs the command (an enabled action, or a menu item with its own handler); false when the
    // identifier is no command. Errors go to the caller.
    bool Run(int id);

    // Picks the picture list and sizes the toolbar's border, height, separators and text buttons
    // for the resolution; font is the toolbar's.
    void ApplyDpi(int pixelsPerInch, const DpiLayoutMetrics& metrics, HFONT font);
    void ApplyTranslations(const TranslatedTexts& texts);

    ActionList& Actions() { return alMain_; }
    Action& ActionById(int id) { return *alMain_.Find(id); }
    HWND Toolbar() const { return tbrMain_; }
    HMENU Menu() const { return mmMain_; }
    // A menu item's text by command (or by position in the menu bar).
    std::wstring MenuItemText(int id, bool byPosition = false) const;
    int ImageListSize() const { return currentImages_ != nullptr ? currentImages_->Size() : 0; }
    int ToolbarHeight() const { return toolbarHeight_; }

    // The format tree's context menu at a screen point: the actions on the selected format. Runs
    // the chosen one; its errors go to the caller.
    void ShowFormatMenu(HWND owner, POINT screen);

    // The measured menu items: room for their picture. False for every other item.
    bool MeasureItem(MEASUREITEMSTRUCT& item) const;
    bool DrawItem(const DRAWITEMSTRUCT& item);
    // The toolbar's tooltips and custom drawing; true when the notification was the toolbar's.
    bool HandleNotify(const NMHDR& header, LRESULT& result);

private:
    void CreateActions();
    void CreateMainMenu(HWND owner);
    void CreateToolbar(HWND owner, int id, int pixelsPerInch);
    void SetImageList(ImageList& list);
    void SizeSeparators(int pixelsPerInch);
    void SizeTextButtons(int pixelsPerInch, HFONT font);
    void SetTopMenuText(int position, const std::wstring& text);
    void SetMenuItemText(int id, const std::wstring& text);
    void CustomDrawToolbar(NMTBCUSTOMDRAW& draw, LRESULT& result) const;

    ActionList alMain_;
    // The handlers of the menu items that are no action.
    std::vector<std::pair<int, std::function<void()>>> menuItems_;
    // The menu bar; the window holds it once it is set.
    HMENU mmMain_ = nullptr;
    HWND tbrMain_ = nullptr;
    ImageList ilMain16_;
    ImageList ilMain24_;
    ImageList ilMain32_;
    ImageList* currentImages_ = nullptr;
    std::vector<Bitmap> menuBitmaps_;
    int toolbarBorder_ = 1;
    int toolbarHeight_ = 29;
};

} // namespace tavrix::win32
