#include "ui/win32/Action.h"

#include <commctrl.h>

namespace tavrix::win32 {

namespace {

std::wstring KeyName(UINT virtualKey) {
    UINT scanCode = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    LONG lParam = static_cast<LONG>(scanCode << 16);
    // Keys of the extended block need the extended bit to be told from the numeric keypad.
    switch (virtualKey) {
    case VK_INSERT:
    case VK_DELETE:
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        lParam |= 1 << 24;
        break;
    default:
        break;
    }
    wchar_t name[64] = {};
    int length = GetKeyNameTextW(lParam, name, static_cast<int>(std::size(name)));
    if (length > 0) {
        return std::wstring(name, static_cast<std::size_t>(length));
    }
    // A layout without a name for the key: its character, or nothing.
    UINT character = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_CHAR) & 0x7FFFFFFF;
    return character != 0 ? std::wstring(1, static_cast<wchar_t>(character)) : std::wstring();
}

} // namespace

std::wstring ShortcutText(const Shortcut& shortcut) {
    if (shortcut.Empty()) {
        return {};
    }
    std::wstring text;
    auto add = [&](const std::wstring& part) {
        if (!text.empty()) {
            text += L'+';
        }
        text += part;
    };
    if (shortcut.ctrl) {
        add(KeyName(VK_CONTROL));
    }
    if (shortcut.shift) {
        add(KeyName(VK_SHIFT));
    }
    if (shortcut.alt) {
        add(KeyName(VK_MENU));
    }
    add(KeyName(shortcut.key));
    return text;
}

void Action::SetCaption(std::wstring caption) {
    caption_ = std::move(caption);
    list_.Refresh(*this);
}

void Action::SetShortcut(Shortcut shortcut) {
    shortcut_ = shortcut;
    list_.ShortcutsChanged();
    list_.Refresh(*this);
}

void Action::SetEnabled(bool enabled) {
    if (enabled_ != enabled) {
        enabled_ = enabled;
        list_.Refresh(*this);
    }
}

void Action::SetChecked(bool checked) {
    if (checked_ != checked) {
        checked_ = checked;
        list_.Refresh(*this);
    }
}

bool Action::Execute() {
    if (!enabled_ || !onExecute_) {
        return false;
    }
    onExecute_();
    return true;
}

Action& ActionList::Add(int id) {
    actions_.push_back(std::make_unique<Action>(*this, id));
    return *actions_.back();
}

Action* ActionList::Find(int id) {
    for (auto& action : actions_) {
        if (action->Id() == id) {
            return action.get();
        }
    }
    return nullptr;
}

bool ActionList::Execute(int id) {
    Action* action = Find(id);
    return action != nullptr && action->Execute();
}

void ActionList::ShortcutsChanged() {
    accelerators_.reset();
}

HACCEL ActionList::Accelerators() {
    if (!accelerators_) {
        std::vector<ACCEL> table;
        for (const auto& action : actions_) {
            const Shortcut& keys = action->Keys();
            if (keys.Empty()) {
                continue;
            }
            ACCEL accel{};
            accel.fVirt = FVIRTKEY | (keys.ctrl ? FCONTROL : 0) | (keys.shift ? FSHIFT : 0) |
                          (keys.alt ? FALT : 0);
            accel.key = static_cast<WORD>(keys.key);
            accel.cmd = static_cast<WORD>(action->Id());
            table.push_back(accel);
        }
        if (!table.empty()) {
            accelerators_.reset(
                CreateAcceleratorTableW(table.data(), static_cast<int>(table.size())));
        }
    }
    return accelerators_.get();
}

std::wstring ActionList::MenuText(const Action& action) {
    std::wstring text = action.Caption();
    std::wstring keys = ShortcutText(action.Keys());
    if (!keys.empty()) {
        text += L'\t';
        text += keys;
    }
    return text;
}

void ActionList::Refresh(const Action& action) {
    UINT id = static_cast<UINT>(action.Id());
    if (menu_ != nullptr) {
        std::wstring text = MenuText(action);
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_STRING | MIIM_STATE;
        info.dwTypeData = text.data();
        info.fState = (action.Enabled() ? MFS_ENABLED : MFS_DISABLED) |
                      (action.Checked() ? MFS_CHECKED : MFS_UNCHECKED);
        SetMenuItemInfoW(menu_, id, FALSE, &info);
    }
    if (toolbar_ != nullptr) {
        SendMessageW(toolbar_, TB_ENABLEBUTTON, id, MAKELPARAM(action.Enabled() ? TRUE : FALSE, 0));
        SendMessageW(toolbar_, TB_CHECKBUTTON, id, MAKELPARAM(action.Checked() ? TRUE : FALSE, 0));
        std::wstring caption = action.Caption();
        TBBUTTONINFOW button{};
        button.cbSize = sizeof(button);
        button.dwMask = TBIF_TEXT;
        button.pszText = caption.data();
        SendMessageW(toolbar_, TB_SETBUTTONINFOW, id, reinterpret_cast<LPARAM>(&button));
    }
}

} // namespace tavrix::win32
