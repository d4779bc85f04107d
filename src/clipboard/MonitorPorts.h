#pragma once
// What the clipboard monitor needs from its window and the platform: two restartable timers, the
// change-notification registration (format listener or viewer chain), message sending along the
// chain and a tick source. The Win32
// monitor window implements them; tests put fakes or scaled timers behind them.
#include <cstdint>

namespace tavrix {

// A window handle's value, 0 for none.
using WindowId = std::uintptr_t;

// The clipboard notifications the monitor handles.
namespace clipmsg {
inline constexpr unsigned DestroyClipboard = 0x0307;
inline constexpr unsigned DrawClipboard = 0x0308;
inline constexpr unsigned ChangeCbChain = 0x030D;
inline constexpr unsigned ClipboardUpdate = 0x031D;
} // namespace clipmsg

// A repeating timer on the GUI thread. Enable starts the full interval anew, also when the
// timer is running already.
class MonitorTimer {
public:
    virtual ~MonitorTimer() = default;
    virtual void Enable() = 0;
    virtual void Disable() = 0;
    virtual bool Enabled() const = 0;
};

class MonitorPlatform {
public:
    virtual ~MonitorPlatform() = default;

    virtual WindowId Window() = 0;
    // Looks up the format-listener functions; false when they are not there.
    virtual bool LoadListenerFunctions() = 0;
    virtual void AddListener() = 0;
    virtual void RemoveListener() = 0;
    // Joins the viewer chain; the result is the next viewer (0 when this is the only one).
    virtual WindowId SetClipboardViewer() = 0;
    virtual void ChangeClipboardChain(WindowId next) = 0;
    virtual void SendToWindow(WindowId target, unsigned message, std::uintptr_t wParam,
                              std::intptr_t lParam) = 0;
    virtual std::uint32_t TickCount() = 0;
};

} // namespace tavrix
