#pragma once
// The reader thread on Win32: a message-only window of its own opens the clipboard (so that the
// clipboard's messages to its owner reach a thread that is not the user's window), the thread
// answers its messages while it waits for work, and each finished job is announced by a message
// posted to a window of the window's thread.
#include "base/win32/KernelHandles.h"
#include "clipboard/ReaderPlatform.h"
#include "clipboard/win32/Win32ClipboardBackend.h"
#include "ui/win32/Window.h"

#include <windows.h>

#include <memory>
#include <optional>

namespace tavrix::win32 {

class Win32ReaderPlatform final : public ReaderPlatform {
public:
    // On the window's thread: finished jobs post message to notify.
    Win32ReaderPlatform(HWND notify, UINT message);
    ~Win32ReaderPlatform() override;

    ClipboardBackend& StartOnReaderThread() override;
    void StopOnReaderThread() override;
    void WaitForWork() override;
    void Wake() override;
    void AnnounceFinished() override;

private:
    class ReaderWindow;

    HWND notify_;
    UINT message_;
    UniqueHandle work_;
    Module ole32_;
    std::unique_ptr<ReaderWindow> window_;
    std::optional<Win32ClipboardBackend> backend_;
};

} // namespace tavrix::win32
