// The clipboard monitor on Wine's real clipboard, with cliphelper as the other program that
// changes or holds it: coalescing, a held clipboard, the viewer chain, the renewal in scaled
// time, and malformed data.
#include "clipboard/win32/TavrixClipboardMonitor.h"
#include "DibBuilder.h"
#include "IconImageBuilder.h"
#include "base/SystemServices.h"
#include "base/win32/Win32SystemPlatform.h"
#include "clipboard/ClipboardPort.h"
#include "clipboard/RegisteredFormats.h"
#include "clipboard/win32/Win32ClipboardBackend.h"
#include "support/HelperProcess.h"
#include "support/MessagePump.h"
#include "support/RecordingSurface.h"
#include "support/TestWindow.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace tavrix {
namespace {

using Bytes = std::vector<std::uint8_t>;

using test::BytesHex;

// A window of the test that records the clipboard messages it receives, with the time and
// whether the monitor had a refresh pending at that moment.
class RecordingWindow {
public:
    struct Received {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        DWORD time;
        bool refreshPending;
    };

    RecordingWindow() {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = Procedure;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"TavrixTestRecorder";
        RegisterClassExW(&wc);
        window_ = CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  wc.hInstance, this);
    }
    ~RecordingWindow() { DestroyWindow(window_); }
    RecordingWindow(const RecordingWindow&) = delete;
    RecordingWindow& operator=(const RecordingWindow&) = delete;

    HWND get() const { return window_; }
    std::vector<Received> received;
    const win32::TTavrixClipboardMonitor* monitor = nullptr;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
            SetWindowLongPtrW(window, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        }
        auto* self = reinterpret_cast<RecordingWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self != nullptr && message >= WM_DESTROYCLIPBOARD && message <= WM_CLIPBOARDUPDATE) {
            self->received.push_back({message, wParam, lParam, GetTickCount(),
                                      self->monitor != nullptr && self->monitor->RefreshPending()});
            return 0;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }
    HWND window_ = nullptr;
};

class MonitorTest : public ::testing::Test {
protected:
    void SetUp() override {
        InstallSystemPlatform(&support_);
        unsigned platformId = 0, major = 0, minor = 0;
        win32::GetReportedVersion(platformId, major, minor);
        InitSystemServices(false, ComputeVersionFlags(platformId, major, minor));
        RegisterStartupFormats(backend_);
        IconFormat = 0;
        test::RunHelper({L"clear"});
    }
    void TearDown() override {
        monitor_.reset();
        InstallSystemPlatform(nullptr);
    }

    void Start(win32::MonitorOptions options = {}) {
        monitor_ = std::make_unique<win32::TTavrixClipboardMonitor>(port_, surface_, options);
        surface_.onSelect = [this](int index) {
            if (onPreview) {
                onPreview();
            }
            if (index == 0) {
                monitor_->ShowClipboardSummary();
            }
        };
        monitor_->StartMonitoring();
    }
    int Refreshes() const { return monitor_->Core().Refreshes(); }

    win32::Win32SystemPlatform support_;
    test::TestWindow owner_ = test::MessageOnlyWindow();
    win32::Win32ClipboardBackend backend_{owner_.get()};
    ClipboardPort port_{backend_};
    test::RecordingSurface surface_{port_};
    std::function<void()> onPreview;
    std::unique_ptr<win32::TTavrixClipboardMonitor> monitor_;
};

TEST_F(MonitorTest, ListenerModeShowsAnotherProgramsText) {
    Start();
    ASSERT_TRUE(monitor_->Core().UseListener()) << "Wine reports Windows 7 by default";
    const std::wstring text = L"Gr\u00FC\u00DFe,\r\nTavrix \u2713";
    test::RunHelper({L"set", L"13=" + test::UnicodeTextHex(text)});
    test::PumpMessagesFor(400);
    EXPECT_EQ(Refreshes(), 1);
    ASSERT_GE(surface_.nodes.size(), 2u);
    EXPECT_EQ(surface_.nodes[0], L"Preview");
    EXPECT_EQ(surface_.nodes[1], L"Unicode Text Format");
    for (const wchar_t* name : {L"Locale Identifier", L"Text", L"OEM Text"}) {
        EXPECT_NE(std::find(surface_.nodes.begin(), surface_.nodes.end(), name),
                  surface_.nodes.end())
            << name;
    }
    EXPECT_EQ(surface_.previewText, std::u16string(text.begin(), text.end()));
    EXPECT_EQ(monitor_->ClipboardSize(), static_cast<std::int32_t>(text.size()));
    EXPECT_EQ(monitor_->SummaryText(), L"");
    EXPECT_TRUE(surface_.actions[EngineAction::Save]);
    EXPECT_EQ(port_.Depth(), 0);
    EXPECT_EQ(GetOpenClipboardWindow(), nullptr);
}

TEST_F(MonitorTest, ThreeChangesTenMillisecondsApartGiveOneRefreshAfterTheLast) {
    RecordingWindow notifications;
    ASSERT_TRUE(AddClipboardFormatListener(notifications.get()));
    Start();
    test::PumpMessagesFor(100);
    test::RunHelper({L"set", L"13=" + test::UnicodeTextHex(L"one"), L"sleep", L"10", L"set",
                     L"13=" + test::UnicodeTextHex(L"two"), L"sleep", L"10", L"set",
                     L"13=" + test::UnicodeTextHex(L"three")});
    test::PumpMessagesFor(500);
    RemoveClipboardFormatListener(notifications.get());
    EXPECT_EQ(Refreshes(), 1);
    ASSERT_EQ(notifications.received.size(), 3u);
    ASSERT_FALSE(surface_.selectTimes.empty());
    const DWORD delay = surface_.selectTimes.front() - notifications.received.back().time;
    EXPECT_GE(delay, 45u);
    EXPECT_LE(delay, 200u);
    EXPECT_EQ(surface_.previewText, u"three");
}

TEST_F(MonitorTest, AHeldClipboardIsNamedAndShownOnceItIsFree) {
    Start();
    test::RunHelper({L"set", L"13=" + test::UnicodeTextHex(L"before")});
    test::PumpMessagesFor(300);
    ASSERT_EQ(surface_.previewText, u"before");

    test::HelperProcess helper({L"set", L"Tavrix Test Held=0102", L"hold", L"600"});
    EXPECT_EQ(helper.ReadLine(), "holding");
    test::PumpMessagesFor(400);
    EXPECT_EQ(surface_.facts.rfind(L"Clipboard held by cliphelper.exe (pid ", 0), 0u)
        << surface_.facts;
    EXPECT_EQ(helper.Wait(), 0);
    // The refresh is tried again until the clipboard opens: no further change is needed.
    test::PumpMessagesFor(800);
    EXPECT_NE(std::find(surface_.nodes.begin(), surface_.nodes.end(), L"Tavrix Test Held"),
              surface_.nodes.end());
    EXPECT_EQ(GetOpenClipboardWindow(), nullptr);
}

TEST_F(MonitorTest, RenewalAfterAQuietMinuteInScaledTime) {
    win32::MonitorOptions options;
    options.restartInterval = 600; // a minute, scaled down 100 times; 300 ms stand for 30 s
    // The helper is up ("holding") before the monitor starts; its first change follows 100 ms
    // later, when the monitor listens.
    std::vector<std::wstring> script = {L"hold", L"1", L"sleep", L"100"};
    for (int i = 0; i < 6; ++i) {
        if (i > 0) {
            script.insert(script.end(), {L"sleep", L"300"});
        }
        script.insert(script.end(), {L"set", L"13=" + test::UnicodeTextHex(std::to_wstring(i))});
    }
    test::HelperProcess helper(script);
    ASSERT_EQ(helper.ReadLine(), "holding");
    Start(options);
    EXPECT_EQ(helper.Wait(), 0); // 1.5 s of a change every 300 ms
    EXPECT_EQ(monitor_->Core().Renewals(), 0);
    test::PumpMessagesFor(300);
    EXPECT_EQ(monitor_->Core().Renewals(), 0);
    EXPECT_EQ(Refreshes(), 6);
    test::PumpMessagesFor(700);
    EXPECT_EQ(monitor_->Core().Renewals(), 1);
    // Still registered after the renewal.
    const int refreshes = Refreshes();
    test::RunHelper({L"set", L"13=" + test::UnicodeTextHex(L"after")});
    test::PumpMessagesFor(300);
    EXPECT_EQ(Refreshes(), refreshes + 1);
}

TEST_F(MonitorTest, ViewerChainPassesMessagesOnAsAMemberMust) {
    RecordingWindow next;
    const HWND previousHead = SetClipboardViewer(next.get());
    win32::MonitorOptions options;
    options.forceViewerChain = true;
    Start(options);
    next.monitor = monitor_.get();
    EXPECT_FALSE(monitor_->Core().UseListener());
    EXPECT_EQ(monitor_->Core().NextViewer(), reinterpret_cast<WindowId>(next.get()));
    test::PumpMessagesFor(200);
    EXPECT_EQ(Refreshes(), 0) << "joining the chain is no change";

    // WM_DRAWCLIPBOARD goes on to the next viewer before the monitor arms its refresh.
    next.received.clear();
    SendMessageW(monitor_->Handle(), WM_DRAWCLIPBOARD, 0, 0);
    ASSERT_EQ(next.received.size(), 1u);
    EXPECT_EQ(next.received[0].message, static_cast<UINT>(WM_DRAWCLIPBOARD));
    EXPECT_FALSE(next.received[0].refreshPending);
    EXPECT_TRUE(monitor_->RefreshPending());
    test::PumpMessagesFor(300);
    EXPECT_EQ(Refreshes(), 1);

    // Another window leaves: passed on unchanged.
    next.received.clear();
    const auto other = reinterpret_cast<WPARAM>(owner_.get());
    EXPECT_EQ(SendMessageW(monitor_->Handle(), WM_CHANGECBCHAIN, other, 0x4321), 0);
    ASSERT_EQ(next.received.size(), 1u);
    EXPECT_EQ(next.received[0].message, static_cast<UINT>(WM_CHANGECBCHAIN));
    EXPECT_EQ(next.received[0].wParam, other);
    EXPECT_EQ(next.received[0].lParam, 0x4321);

    // WM_DESTROYCLIPBOARD is a change, and stays here.
    next.received.clear();
    SendMessageW(monitor_->Handle(), WM_DESTROYCLIPBOARD, 0, 0);
    EXPECT_TRUE(next.received.empty());
    EXPECT_TRUE(monitor_->RefreshPending());
    test::PumpMessagesFor(300);
    EXPECT_EQ(Refreshes(), 2);

    // A real change by another program reaches the monitor and the next viewer.
    next.received.clear();
    test::RunHelper({L"set", L"13=" + test::UnicodeTextHex(L"chained")});
    test::PumpMessagesFor(300);
    EXPECT_EQ(Refreshes(), 3);
    EXPECT_EQ(surface_.previewText, u"chained");
    ASSERT_FALSE(next.received.empty());
    EXPECT_EQ(next.received[0].message, static_cast<UINT>(WM_DRAWCLIPBOARD));

    // The next viewer leaves the chain: the monitor now points past it and passes nothing on.
    next.received.clear();
    ChangeClipboardChain(next.get(), previousHead);
    EXPECT_EQ(monitor_->Core().NextViewer(), reinterpret_cast<WindowId>(previousHead));
    EXPECT_TRUE(next.received.empty());
    monitor_.reset();
    EXPECT_EQ(GetClipboardViewer(), previousHead);
}

TEST_F(MonitorTest, MalformedDataFromAnotherProgramIsReadWithinItsBlock) {
    Start();
    // Unicode text without its terminating zero. Wine stores such text with its last unit
    // turned into the zero (the block keeps its six bytes), so "AB" is the whole text here; the
    // unit tests cover blocks that really end without one.
    test::RunHelper({L"set", L"13=410042004300"});
    test::PumpMessagesFor(300);
    EXPECT_EQ(surface_.previewText, u"AB");
    EXPECT_EQ(monitor_->ClipboardSize(), 2);

    // "Delphi Icon" data that is no icon file.
    Bytes garbage(600);
    for (std::size_t i = 0; i < garbage.size(); ++i) {
        garbage[i] = static_cast<std::uint8_t>(i * 29 + 3);
    }
    garbage[0] = 0; // looks like a directory at first sight
    garbage[1] = 0;
    garbage[2] = 1;
    garbage[3] = 0;
    test::RunHelper({L"set", L"Delphi Icon=" + BytesHex(garbage)});
    test::PumpMessagesFor(300);
    EXPECT_EQ(Refreshes(), 2);
    EXPECT_EQ(surface_.nodes, (std::vector<std::wstring>{L"Preview", L"Delphi Icon"}));
    EXPECT_EQ(monitor_->SummaryText(), L"");
    EXPECT_EQ(monitor_->ClipboardSize(), 0);
    EXPECT_FALSE(surface_.IconShown());

    // A file list whose names lie far past its block.
    Bytes drop(20, 0);
    drop[0] = 0xF0;
    drop[1] = 0xFF;
    drop[16] = 1;
    for (char c : std::string("C:\\x.txt")) {
        drop.push_back(static_cast<std::uint8_t>(c));
        drop.push_back(0);
    }
    drop.insert(drop.end(), 4, 0);
    test::RunHelper({L"set", L"15=" + BytesHex(drop)});
    test::PumpMessagesFor(300);
    EXPECT_EQ(Refreshes(), 3);
    EXPECT_EQ(surface_.nodes, (std::vector<std::wstring>{L"Preview", L"List of Files"}));
    EXPECT_EQ(monitor_->ClipboardSize(), 0);
    EXPECT_TRUE(monitor_->Engine().FileList().empty());
    EXPECT_EQ(surface_.previewText, u"");
    EXPECT_EQ(port_.Depth(), 0);
}

TEST_F(MonitorTest, FileNamesAreReadInFullAsUnicode) {
    Start();
    const std::wstring longName = L"C:\\" + std::wstring(300, L'n') + L".txt";
    const std::wstring cyrillic = L"C:\\\u0414\u0430\u043D\u043D\u044B\u0435.txt";
    Bytes drop(20, 0);
    drop[0] = 20;
    drop[16] = 1;
    for (const std::wstring& name : {longName, cyrillic}) {
        for (wchar_t c : name + L'\0') {
            drop.push_back(static_cast<std::uint8_t>(c & 0xFF));
            drop.push_back(static_cast<std::uint8_t>(c >> 8));
        }
    }
    drop.insert(drop.end(), 2, 0);
    test::RunHelper({L"set", L"15=" + BytesHex(drop)});
    test::PumpMessagesFor(300);
    ASSERT_EQ(monitor_->Engine().FileList().size(), 2u);
    EXPECT_EQ(monitor_->Engine().FileList()[0], std::u16string(longName.begin(), longName.end()));
    EXPECT_EQ(monitor_->Engine().FileList()[1], std::u16string(cyrillic.begin(), cyrillic.end()));
    EXPECT_EQ(monitor_->ClipboardSize(), 2);
}

TEST_F(MonitorTest, IconAndBitmapSummariesGiveTheNaturalSize) {
    Start();
    const Bytes icon = testing::MakeIconImage(32, 32);
    test::RunHelper({L"set", L"Delphi Icon=" + BytesHex(icon)});
    test::PumpMessagesFor(300);
    EXPECT_EQ(monitor_->SummaryText(), L"32 x 32");
    EXPECT_EQ(monitor_->ClipboardSize(), static_cast<std::int32_t>(icon.size()));
    // No bitmap beside the icon: reloading the picture fails and the icon stays.
    EXPECT_TRUE(surface_.IconShown());
    EXPECT_EQ(surface_.visibleView, PreviewView::Picture);

    // A packed 64 x 48 DIB placed as format 2; the system adds the DIB formats.
    const Bytes dib = testing::MakeDib(64, 48, 0x40);
    test::RunHelper({L"set", L"2=" + BytesHex(dib)});
    test::PumpMessagesFor(300);
    EXPECT_EQ(monitor_->SummaryText(), L"64 x 48");
    EXPECT_FALSE(surface_.IconShown());
    EXPECT_EQ(surface_.picture.Width(), 64);
    // Format 2 itself is skipped; a DIB format gives the size.
    EXPECT_GE(monitor_->ClipboardSize(), 64 * 3 * 48);
}

} // namespace
} // namespace tavrix
