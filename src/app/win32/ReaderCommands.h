#pragma once
// The main window's commands that touch the clipboard (save, load, clear, remove, save one
// format) run their clipboard work on the reader thread: a program that is slow to render its
// data keeps the reader waiting, never the window. What the work throws comes back to the
// window's error policy; after runs on the window's thread once the work is done. A long save
// or load shows its progress through messages the window turns into the status bar's.
#include "clipboard/FileProgress.h"

#include <windows.h>

#include <functional>
#include <memory>

namespace tavrix {
class ClipboardPort;
} // namespace tavrix

namespace tavrix::win32 {

// The command's clipboard work (owning what it uses: it may outlive the window) and what the
// window does once it is done.
using ClipboardWork = std::function<void(ClipboardPort& clipboard)>;
using ReaderRunner = std::function<void(ClipboardWork work, std::function<void()> after)>;

// The messages a progress relay posts to the window: wParam the task, lParam the percent.
inline constexpr UINT kProgressShown = WM_APP + 20;
inline constexpr UINT kProgressEnded = WM_APP + 21;

// A long save's or load's progress, told from the reader thread to the window.
class RelayedProgress final : public ProgressDisplay {
public:
    RelayedProgress(HWND window, std::function<std::uint32_t()> clock)
        : window_(window), clock_(std::move(clock)) {}
    std::uint32_t TickCount() override { return clock_ ? clock_() : GetTickCount(); }
    void ShowProgress(FileTask task, int percent) override {
        PostMessageW(window_, kProgressShown, static_cast<WPARAM>(task), percent);
    }
    void EndProgress() override { PostMessageW(window_, kProgressEnded, 0, 0); }

private:
    HWND window_;
    std::function<std::uint32_t()> clock_;
};

} // namespace tavrix::win32
