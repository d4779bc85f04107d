#include "viewer/ViewerKeys.h"

#include <array>

namespace tavrix {

namespace {

struct KeyBinding {
    unsigned key;
    unsigned modifiers;
    ViewerKeyCommand command;
};

constexpr std::array<KeyBinding, 13> kKeyTable{{
    {kVkPageDown, kModNone, ViewerKeyCommand::PageDown},
    {kVkPageUp, kModNone, ViewerKeyCommand::PageUp},
    {kVkDown, kModNone, ViewerKeyCommand::LineDown},
    {kVkUp, kModNone, ViewerKeyCommand::LineUp},
    {kVkHome, kModCtrl, ViewerKeyCommand::ToBegin},
    {kVkEnd, kModCtrl, ViewerKeyCommand::ToEnd},
    {kVkLeft, kModNone, ViewerKeyCommand::ScrollLeft},
    {kVkRight, kModNone, ViewerKeyCommand::ScrollRight},
    {kVkHome, kModNone, ViewerKeyCommand::LeftEdge},
    {kVkEnd, kModNone, ViewerKeyCommand::RightEdge},
    {kVkA, kModCtrl, ViewerKeyCommand::SelectAll},
    {kVkC, kModCtrl, ViewerKeyCommand::Copy},
    {kVkInsert, kModCtrl, ViewerKeyCommand::Copy},
}};

} // namespace

ViewerKeyCommand KeyCommand(unsigned virtualKey, unsigned modifiers) {
    const unsigned held = modifiers & (kModShift | kModCtrl | kModAlt);
    for (const KeyBinding& binding : kKeyTable) {
        if (binding.key == virtualKey && binding.modifiers == held) {
            return binding.command;
        }
    }
    return ViewerKeyCommand::None;
}

} // namespace tavrix
