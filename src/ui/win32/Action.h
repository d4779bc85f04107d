#pragma once
// Commands shared by the main menu, the toolbar and the keyboard. An action carries a caption,
// a hint, a shortcut, an image index, enabled and checked states and the routine it runs; the
// action list keeps every menu item and toolbar button bound to it up to date and turns
// shortcuts into an accelerator table.
#include "base/win32/UserObjects.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tavrix::win32 {

struct Shortcut {
    UINT key = 0; // virtual-key code; 0 for none
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
    bool Empty() const { return key == 0; }
};

// The shortcut as the menu shows it: the key names of the current keyboard layout joined by
// "+" ("Ctrl+F1"); empty for no shortcut.
std::wstring ShortcutText(const Shortcut& shortcut);

class ActionList;

class Action {
public:
    Action(ActionList& list, int id) : list_(list), id_(id) {}
    Action(const Action&) = delete;
    Action& operator=(const Action&) = delete;

    int Id() const { return id_; }
    const std::wstring& Caption() const { return caption_; }
    const std::wstring& Hint() const { return hint_; }
    const Shortcut& Keys() const { return shortcut_; }
    int ImageIndex() const { return imageIndex_; }
    bool Enabled() const { return enabled_; }
    bool Checked() const { return checked_; }

    void SetCaption(std::wstring caption);
    void SetHint(std::wstring hint) { hint_ = std::move(hint); }
    void SetShortcut(Shortcut shortcut);
    void SetImageIndex(int index) { imageIndex_ = index; }
    void SetEnabled(bool enabled);
    void SetChecked(bool checked);
    void SetOnExecute(std::function<void()> handler) { onExecute_ = std::move(handler); }

    // Runs the handler when the action is enabled; true when it ran. Errors go to the caller.
    bool Execute();

private:
    ActionList& list_;
    int id_;
    std::wstring caption_;
    std::wstring hint_;
    Shortcut shortcut_;
    int imageIndex_ = -1;
    bool enabled_ = true;
    bool checked_ = false;
    std::function<void()> onExecute_;
};

class ActionList {
public:
    ActionList() = default;
    ActionList(const ActionList&) = delete;
    ActionList& operator=(const ActionList&) = delete;

    Action& Add(int id);
    Action* Find(int id);
    const std::vector<std::unique_ptr<Action>>& Actions() const { return actions_; }

    // Clients that show actions. Menu items and toolbar buttons use the action's id as their
    // command identifier.
    void BindMenu(HMENU menu) { menu_ = menu; }
    void BindToolbar(HWND toolbar) { toolbar_ = toolbar; }

    // Runs the action with this command id; false when there is none or it is disabled.
    bool Execute(int id);

    // An accelerator table of all shortcuts, rebuilt on every shortcut change.
    HACCEL Accelerators();

    // Brings menu items and toolbar buttons in line with the action (text, state, check).
    void Refresh(const Action& action);
    // The menu item text: caption, then a tab and the shortcut's text when there is one.
    static std::wstring MenuText(const Action& action);

private:
    friend class Action;
    void ShortcutsChanged();

    std::vector<std::unique_ptr<Action>> actions_;
    HMENU menu_ = nullptr;
    HWND toolbar_ = nullptr;
    AcceleratorTable accelerators_;
};

} // namespace tavrix::win32
