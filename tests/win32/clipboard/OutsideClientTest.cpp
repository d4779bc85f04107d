// The monitor with a real outside client on the desktop's clipboard. Driven by
// tests/e2e/engine_outside_client.sh, which starts this test with TAVRIX_OUTSIDE_CASE set, waits
// for "ready" and then puts data with xclip; without the variable the test is skipped.
#include "base/SystemServices.h"
#include "base/win32/Win32SystemPlatform.h"
#include "clipboard/ClipboardPort.h"
#include "clipboard/RegisteredFormats.h"
#include "clipboard/win32/TavrixClipboardMonitor.h"
#include "clipboard/win32/Win32ClipboardBackend.h"
#include "support/MessagePump.h"
#include "support/RecordingSurface.h"
#include "support/TestWindow.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace tavrix {
namespace {

std::string Utf8(const std::wstring& text) {
    int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr,
                                   0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(), size,
                        nullptr, nullptr);
    return out;
}

TEST(OutsideClient, MonitorListsWhatXclipPut) {
    const char* outsideCase = std::getenv("TAVRIX_OUTSIDE_CASE");
    if (outsideCase == nullptr) {
        GTEST_SKIP() << "run by tests/e2e/engine_outside_client.sh";
    }
    const std::string which = outsideCase;
    win32::Win32SystemPlatform support;
    InstallSystemPlatform(&support);
    unsigned platformId = 0, major = 0, minor = 0;
    win32::GetReportedVersion(platformId, major, minor);
    InitSystemServices(false, ComputeVersionFlags(platformId, major, minor));
    const auto owner = test::MessageOnlyWindow();
    win32::Win32ClipboardBackend backend(owner.get());
    RegisterStartupFormats(backend);
    ClipboardPort port(backend);
    test::RecordingSurface surface(port);
    {
        win32::TTavrixClipboardMonitor monitor(port, surface);
        surface.onSelect = [&](int index) {
            if (index == 0) {
                monitor.ShowClipboardSummary();
            }
        };
        monitor.StartMonitoring();
        std::printf("ready\n");
        std::fflush(stdout);
        // Wait for the first refresh after xclip's data arrived.
        const DWORD start = GetTickCount();
        while (monitor.Core().Refreshes() == 0 && GetTickCount() - start < 15000) {
            test::PumpMessagesFor(20);
        }
        test::PumpMessagesFor(300); // a second notification of the same burst would show here
        EXPECT_EQ(monitor.Core().Refreshes(), 1);
        for (const auto& node : surface.nodes) {
            std::printf("node: %s\n", Utf8(node).c_str());
        }
        const std::wstring preview(surface.previewText.begin(), surface.previewText.end());
        std::printf("preview: %s\nsize: %d\n", Utf8(preview).c_str(), monitor.ClipboardSize());
        if (which == "text") {
            EXPECT_EQ(surface.nodes,
                      (std::vector<std::wstring>{L"Preview", L"Unicode Text Format",
                                                 L"Locale Identifier", L"Text", L"OEM Text"}));
            EXPECT_EQ(preview, L"Tavrix outside text \u00E4\u2713");
            EXPECT_EQ(monitor.ClipboardSize(), static_cast<std::int32_t>(preview.size()));
        } else if (which == "html") {
            EXPECT_EQ(surface.nodes, (std::vector<std::wstring>{L"Preview", L"HTML Format"}));
            EXPECT_GT(monitor.ClipboardSize(), 0);
        } else if (which == "png") {
            EXPECT_EQ(surface.nodes, (std::vector<std::wstring>{L"Preview", L"PNG"}));
            EXPECT_GT(monitor.ClipboardSize(), 0);
        } else {
            ADD_FAILURE() << "unknown case " << which;
        }
    }
    InstallSystemPlatform(nullptr);
}

} // namespace
} // namespace tavrix
