#pragma once
// A main window created in the test process over the real clipboard, with the error box, the
// web browser and the file chooser replaced by recorders and the settings store kept in memory.
#include "Bytes.h"
#include "DibBuilder.h"
#include "app/win32/MainForm.h"
#include "base/SystemPlatform.h"
#include "base/SystemServices.h"
#include "base/win32/AcceleratorHook.h"
#include "base/win32/ComApartment.h"
#include "base/win32/Win32SystemPlatform.h"
#include "clipboard/ClipboardPort.h"
#include "clipboard/RegisteredFormats.h"
#include "clipboard/win32/TavrixClipboardMonitor.h"
#include "clipboard/win32/Win32ClipboardBackend.h"
#include "settings/SettingsBackend.h"
#include "settings/SettingsStore.h"
#include "support/HelperProcess.h"
#include "support/MessagePump.h"
#include "support/TestWindow.h"
#include "ui/win32/ErrorBox.h"
#include "viewer/win32/Win32CodepageSystem.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tavrix::test {

using testing::BytesOf;
using testing::TextBlock;
using testing::Utf16Bytes;

// The real support platform, with the screen's resolution replaced.
class ResolutionPlatform : public win32::Win32SystemPlatform {
public:
    int ScreenPixelsPerInch() override { return pixelsPerInch; }
    int pixelsPerInch = 96;
};

// A settings key that lives as long as the test, and no files.
class MemorySettingsRegistry : public SettingsRegistry {
public:
    KeyAccess Access() const override { return KeyAccess::Full; }
    QueryResult Query(const std::wstring& name) override {
        auto it = values_.find(name);
        if (it == values_.end()) {
            return {};
        }
        return {.status = QueryStatus::Read, .isDword = true, .data = it->second};
    }
    bool SetDword(const std::wstring& name, std::uint32_t value) override {
        values_[name] = value;
        return true;
    }

private:
    std::map<std::wstring, std::uint32_t> values_;
};

class NoSettingsFiles : public SettingsFiles {
public:
    std::optional<std::string> Read(const std::wstring&) override { return std::nullopt; }
    bool Write(const std::wstring&, const std::string&) override { return false; }
};

inline int NodeIndex(HWND tree, const std::wstring& text);

// Lets the change notification come and the reader list and read what the window shows.
inline void WaitUntilShown(win32::TMainForm& form) {
    PumpMessages();
    const DWORD start = GetTickCount();
    while (form.Monitor() != nullptr && GetTickCount() - start < 5000 &&
           (form.Monitor()->Busy() ||
            form.Monitor()->ShownSequence() != GetClipboardSequenceNumber())) {
        PumpMessagesFor(5);
    }
    PumpMessages();
}

class MainFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform_.pixelsPerInch = PixelsPerInch();
        InstallSystemPlatform(&platform_);
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
        InstallSystemPlatform(nullptr);
    }
    virtual int PixelsPerInch() const { return 96; }
    // Each test starts from the defaults, whichever test ran before in this process.
    virtual SettingsStore& Settings() { return memorySettings_; }

    win32::TMainForm& CreateForm() {
        win32::MainFormServices services{
            .settings = Settings(),
            .openPage = [this](const std::wstring& page) { pages.push_back(page); },
            .chooseFile =
                [this](win32::FileChoice choice, win32::FileDialog& dialog, HWND) {
                    proposedName = dialog.FileName();
                    return choice == win32::FileChoice::Save ? saveChoice : openChoice;
                },
            .reportError = [this](HWND, const std::wstring& text) { errors.push_back(text); },
            .firstStart = {},
            .tickCount = [this] { return clock ? clock() : GetTickCount(); },
            .logLine = {},
        };
        form = std::make_unique<win32::TMainForm>(ClipboardPort::Instance(), std::move(services));
        form->Create();
        form->Show(SW_SHOWNOACTIVATE);
        WaitUntilShown();
        return *form;
    }

    void WaitUntilShown() {
        if (form != nullptr) {
            test::WaitUntilShown(*form);
        } else {
            PumpMessages();
        }
    }
    // Selects a node and waits for its data to be shown.
    void SelectNodeShown(int index) {
        form->Surface().SelectFormatNode(index);
        WaitUntilShown();
    }
    // Selects the node with the text and waits for its data to be shown.
    void SelectShown(const std::wstring& text) {
        const int index = NodeIndex(form->Formats().Handle(), text);
        ASSERT_GE(index, 0) << "no node " << ::testing::PrintToString(text);
        form->Formats().SelectNode(index);
        WaitUntilShown();
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
        WaitUntilShown();
    }

    // A bottom-up 24-bit DIB of the given size.
    static std::vector<std::uint8_t> Dib(int width, int height) {
        return tavrix::testing::MakeDib(width, height);
    }

    // COM as the program has it on its window's thread: pictures decode through it.
    std::optional<win32::ComApartment> com_ = win32::EnterComApartment();
    ResolutionPlatform platform_;
    SettingsStore memorySettings_{std::make_unique<MemorySettingsRegistry>(),
                                  std::make_unique<NoSettingsFiles>()};
    test::TestWindow owner_ = test::MessageOnlyWindow();
    std::unique_ptr<win32::Win32ClipboardBackend> backend_;
    std::unique_ptr<win32::TMainForm> form;
    std::vector<std::wstring> errors;
    std::vector<std::wstring> pages;
    // What the file chooser answers; nothing is a cancelled dialog.
    std::optional<std::wstring> saveChoice;
    std::optional<std::wstring> openChoice;
    // The name the dialog proposed when it was last shown.
    std::wstring proposedName;
    // The clock of the progress shown for long saves and loads; empty is the system's.
    std::function<std::uint32_t()> clock;
};

// The texts of the tree's top-level nodes, first to last.
inline std::vector<std::wstring> NodeTexts(HWND tree) {
    std::vector<std::wstring> texts;
    auto item = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    while (item != nullptr) {
        wchar_t buffer[256] = {};
        TVITEMW info{};
        info.mask = TVIF_TEXT;
        info.hItem = item;
        info.pszText = buffer;
        info.cchTextMax = 256;
        SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&info));
        texts.emplace_back(buffer);
        item = reinterpret_cast<HTREEITEM>(
            SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)));
    }
    return texts;
}

inline int NodeIndex(HWND tree, const std::wstring& text) {
    auto texts = NodeTexts(tree);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (texts[i] == text) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// Lets the monitor's 50 ms timer fire and the refresh run.
inline void WaitForRefresh() {
    for (int i = 0; i < 40; ++i) {
        PumpMessages();
        Sleep(10);
    }
}

inline RECT ChildRect(HWND parent, HWND child) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

} // namespace tavrix::test
