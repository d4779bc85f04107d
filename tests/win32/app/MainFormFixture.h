#pragma once
// A main window created in the test process over the real clipboard, with the error box and the
// web browser replaced by recorders.
#include "app/win32/MainForm.h"
#include "app/win32/MainFormSettings.h"
#include "base/Support.h"
#include "base/SupportPlatform.h"
#include "base/win32/MessageFilter.h"
#include "base/win32/Win32SupportPlatform.h"
#include "clipboard/ClipboardPort.h"
#include "clipboard/RegisteredFormats.h"
#include "clipboard/win32/Win32ClipboardBackend.h"
#include "support/HelperProcess.h"
#include "support/MessageWindow.h"
#include "ui/win32/ErrorBox.h"
#include "viewer/win32/Win32CodepageSystem.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace tavrix::test {

// The real support platform, with the screen's resolution replaced.
class ResolutionPlatform : public win32::Win32SupportPlatform {
public:
    int ScreenPixelsPerInch() override { return pixelsPerInch; }
    int pixelsPerInch = 96;
};

// Handles every waiting message, like the program's loop (shortcuts included).
inline void PumpMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            continue;
        }
        if (win32::FilterMessage(msg)) {
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

class MainFormTest : public testing::Test {
protected:
    void SetUp() override {
        platform_.pixelsPerInch = PixelsPerInch();
        InstallSupportPlatform(&platform_);
        // Each window starts from the defaults, whichever test ran before in this process.
        win32::ForgetMemorySettings();
        backend_ = std::make_unique<win32::Win32ClipboardBackend>(owner_.get());
        ClipboardPort::Install(*backend_);
        RegisterStartupFormats(*backend_);
        // The viewer's encodings, as the program builds them at start-up.
        win32::InitViewerTextSupport();
        win32::SetErrorReporter([this](HWND, const std::wstring& text) { errors.push_back(text); });
    }
    void TearDown() override {
        form.reset();
        PumpMessages();
        win32::SetErrorReporter({});
        InstallSupportPlatform(nullptr);
    }
    virtual int PixelsPerInch() const { return 96; }

    win32::TMainForm& CreateForm() {
        form = std::make_unique<win32::TMainForm>(ClipboardPort::Instance());
        form->SetPageOpener([this](const std::wstring& page) { pages.push_back(page); });
        form->Create();
        form->Show(SW_SHOWNOACTIVATE);
        PumpMessages();
        return *form;
    }

    // Puts formats on the clipboard from this process.
    void PutClipboard(const std::vector<std::pair<UINT, std::vector<std::uint8_t>>>& formats) {
        ASSERT_TRUE(OpenClipboard(owner_.get()));
        EmptyClipboard();
        for (const auto& [format, bytes] : formats) {
            HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
            std::copy(bytes.begin(), bytes.end(), static_cast<std::uint8_t*>(GlobalLock(block)));
            GlobalUnlock(block);
            SetClipboardData(format, block);
        }
        CloseClipboard();
    }

    static std::vector<std::uint8_t> Bytes(const std::string& text, bool withZero = true) {
        std::vector<std::uint8_t> bytes(text.begin(), text.end());
        if (withZero) {
            bytes.push_back(0);
        }
        return bytes;
    }

    // A bottom-up 24-bit DIB of the given size.
    static std::vector<std::uint8_t> Dib(int width, int height) {
        BITMAPINFOHEADER header{};
        header.biSize = sizeof(header);
        header.biWidth = width;
        header.biHeight = height;
        header.biPlanes = 1;
        header.biBitCount = 24;
        header.biCompression = BI_RGB;
        std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
        std::vector<std::uint8_t> bytes(sizeof(header) + stride * static_cast<std::size_t>(height),
                                        0x80);
        std::memcpy(bytes.data(), &header, sizeof(header));
        return bytes;
    }

    ResolutionPlatform platform_;
    MessageWindow owner_;
    std::unique_ptr<win32::Win32ClipboardBackend> backend_;
    std::unique_ptr<win32::TMainForm> form;
    std::vector<std::wstring> errors;
    std::vector<std::wstring> pages;
};

inline RECT ChildRect(HWND parent, HWND child) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

} // namespace tavrix::test
