#pragma once
// The commands of the viewer's context menu and the set of those it shows.
#include <cstdint>
#include <initializer_list>

namespace tavrix {

enum TZorvPopupCommand : int {
    vpCmdCopy,
    vpCmdCopyHex,
    vpCmdCopyLink,
    vpCmdSelectLine,
    vpCmdSelectAll,
    vpCmdEncMenu,
};

// One bit per command, in the order above.
class TZorvPopupCommands {
public:
    constexpr TZorvPopupCommands() = default;
    constexpr TZorvPopupCommands(std::initializer_list<TZorvPopupCommand> commands) {
        for (TZorvPopupCommand command : commands) {
            bits_ |= Bit(command);
        }
    }
    static constexpr TZorvPopupCommands All() {
        return {vpCmdCopy,       vpCmdCopyHex,   vpCmdCopyLink,
                vpCmdSelectLine, vpCmdSelectAll, vpCmdEncMenu};
    }
    constexpr bool Contains(TZorvPopupCommand command) const { return (bits_ & Bit(command)) != 0; }
    constexpr std::uint8_t Bits() const { return bits_; }
    constexpr bool operator==(const TZorvPopupCommands&) const = default;

private:
    static constexpr std::uint8_t Bit(TZorvPopupCommand command) {
        return static_cast<std::uint8_t>(1u << static_cast<int>(command));
    }
    std::uint8_t bits_ = 0;
};

} // namespace tavrix
