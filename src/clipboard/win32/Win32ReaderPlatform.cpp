#include "clipboard/win32/Win32ReaderPlatform.h"

#include "base/Error.h"
#include "base/win32/SystemErrorText.h"
#include "base/win32/SystemLibraries.h"

namespace tavrix::win32 {

namespace {
constexpr wchar_t kClassName[] = L"TavrixClipboardReader";
} // namespace

class Win32ReaderPlatform::ReaderWindow final : public Window {
public:
    ReaderWindow() {
        // Message-only: never shown, but the clipboard can name it as the one that opened it.
        CreateWindowOfClass(kClassName, 0, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr);
    }
    ~ReaderWindow() override {
        if (Handle() != nullptr) {
            DestroyWindow(Handle());
        }
    }
    ReaderWindow(const ReaderWindow&) = delete;
    ReaderWindow& operator=(const ReaderWindow&) = delete;
};

Win32ReaderPlatform::Win32ReaderPlatform(HWND notify, UINT message)
    : notify_(notify), message_(message), work_(CreateEventW(nullptr, FALSE, FALSE, nullptr)) {
    if (!work_) {
        throw Error(SystemErrorText(GetLastError()));
    }
    // Registered here, on the window's thread: registration is not made for two threads at once.
    Window::RegisterClassOnce(kClassName, 0, nullptr, nullptr);
}

Win32ReaderPlatform::~Win32ReaderPlatform() = default;

ClipboardBackend& Win32ReaderPlatform::StartOnReaderThread() {
    // A thread's first window makes Wine's input method library ask COM to tell it of the
    // thread's initialisation, loading ole32 by the plain search order, which ignores the
    // program's restriction: loaded from the system folder first, it is found in place.
    ole32_.reset(LoadSystemLibrary(L"ole32.dll"));
    window_ = std::make_unique<ReaderWindow>();
    backend_.emplace(window_->Handle());
    return *backend_;
}

void Win32ReaderPlatform::StopOnReaderThread() {
    backend_.reset();
    window_.reset();
}

void Win32ReaderPlatform::WaitForWork() {
    HANDLE work = work_.get();
    MsgWaitForMultipleObjects(1, &work, FALSE, INFINITE, QS_ALLINPUT);
    // The clipboard's messages to its owner (WM_DESTROYCLIPBOARD, WM_RENDERFORMAT) are sent;
    // posted ones are few, and answered here too.
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageW(&msg);
    }
}

void Win32ReaderPlatform::Wake() {
    SetEvent(work_.get());
}

void Win32ReaderPlatform::AnnounceFinished() {
    PostMessageW(notify_, message_, 0, 0);
}

} // namespace tavrix::win32
