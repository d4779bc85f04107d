#include "clipboard/ClipboardMonitorCore.h"
#include "base/DebugLog.h"
#include "base/SystemServices.h"
#include "clipboard/ClipboardEngine.h"
#include "clipboard/ClipboardPort.h"
#include "clipboard/RegisteredFormats.h"
#include "fakes/FakeClipboard.h"
#include "fakes/FakeEnginePlatform.h"
#include "fakes/FakeMonitorPlatform.h"
#include "fakes/FakeSurface.h"
#include "fakes/FakeSystemPlatform.h"

#include <gtest/gtest.h>

namespace tavrix {
namespace {

using testing::FakeClipboard;
using testing::FakeMonitorPlatform;

class MonitorTest : public ::testing::Test {
protected:
    explicit MonitorTest(bool forceChain = false)
        : port(fake), engine(port, enginePlatform, surface), platform(),
          monitor(
              platform, platform.saveTimer, platform.restartTimer,
              [this] { engine.RebuildFormatList(); }, forceChain) {
        InitSystemServices(true, VersionFlags{true, true});
        platform.saveTimer.onFire = [this] { monitor.tmrSaveTimer(); };
        platform.restartTimer.onFire = [this] { monitor.tmrRestartTimer(); };
        surface.onSelect = [this](int index) {
            refreshTimes.push_back(platform.now);
            if (index == 0) {
                engine.ShowClipboardSummary();
            }
            if (onRefresh) {
                onRefresh();
            }
        };
        fake.PutText(cf::Text, "first");
        monitor.FormCreate();
        monitor.StartMonitoring();
    }
    void Notify(unsigned message = clipmsg::ClipboardUpdate, std::uintptr_t wParam = 0,
                std::intptr_t lParam = 0) {
        std::intptr_t result = -1;
        EXPECT_TRUE(monitor.HandleMessage(message, wParam, lParam, result));
        EXPECT_EQ(result, 0);
    }

    testing::FakeSystemPlatform support;
    FakeClipboard fake;
    ClipboardPort port;
    testing::FakeEnginePlatform enginePlatform;
    testing::FakeSurface surface;
    ClipboardEngine engine;
    FakeMonitorPlatform platform;
    ClipboardMonitorCore monitor;
    std::vector<std::uint32_t> refreshTimes;
    std::function<void()> onRefresh;
};

class ChainMonitorTest : public MonitorTest {
protected:
    ChainMonitorTest() : MonitorTest(true) {}
};

TEST_F(MonitorTest, ABurstOfChangesGivesOneRefresh50msAfterTheLast) {
    EXPECT_TRUE(monitor.UseListener());
    EXPECT_EQ(platform.calls, std::vector<std::string>{"add"});
    const std::uint32_t start = platform.now;
    for (int i = 0; i < 3; ++i) {
        Notify();
        platform.Advance(10);
    }
    platform.Advance(200);
    ASSERT_EQ(refreshTimes.size(), 1u);
    EXPECT_EQ(refreshTimes[0] - start, 20u + 50u);
    EXPECT_EQ(monitor.Refreshes(), 1);
    EXPECT_EQ(surface.nodes, (std::vector<std::wstring>{L"Preview", L"Text"}));
    EXPECT_FALSE(platform.saveTimer.Enabled()); // used as a one-shot
    EXPECT_EQ(LogLines().size(), 2u);           // "NorvaneClipboardDM", "SaveClipboardToFile"
    EXPECT_NE(LogLines().back().find(L"SaveClipboardToFile"), std::wstring::npos);
}

TEST_F(MonitorTest, RenewsTheRegistrationAfterAQuietMinuteOnly) {
    platform.calls.clear();
    // A change every 30 s keeps postponing the renewal.
    for (int i = 0; i < 10; ++i) {
        platform.Advance(30000);
        Notify();
    }
    EXPECT_EQ(monitor.Renewals(), 0);
    platform.Advance(59999);
    EXPECT_EQ(monitor.Refreshes(), 10);
    EXPECT_EQ(monitor.Renewals(), 0);
    platform.Advance(1);
    EXPECT_EQ(monitor.Renewals(), 1);
    EXPECT_EQ(platform.calls, (std::vector<std::string>{"remove", "add"}));
    EXPECT_TRUE(platform.restartTimer.Enabled());
    platform.Advance(60000);
    EXPECT_EQ(monitor.Renewals(), 2);
}

TEST_F(MonitorTest, NoRenewalWhileARefreshIsPending) {
    platform.restartTimer.interval = 100; // the restart timer falls due inside the 50 ms
    platform.restartTimer.Enable();
    platform.Advance(70);
    Notify(); // restarts both timers
    platform.restartTimer.dueAt = platform.now + 20;
    platform.Advance(30); // the restart timer fired with the refresh still pending
    EXPECT_EQ(monitor.Renewals(), 0);
    platform.Advance(40);
    EXPECT_EQ(monitor.Refreshes(), 1);
    EXPECT_EQ(monitor.Renewals(), 0);
    platform.Advance(60); // its next turn finds nothing pending
    EXPECT_EQ(monitor.Renewals(), 1);
}

TEST_F(MonitorTest, AnErrorDuringTheRefreshLeavesTheNextOneToTheNextChange) {
    onRefresh = [] { throw Error(L"broken view"); };
    Notify();
    platform.Advance(100);
    EXPECT_EQ(monitor.Refreshes(), 1);
    onRefresh = nullptr;
    Notify();
    platform.Advance(100);
    EXPECT_EQ(monitor.Refreshes(), 2);
}

TEST_F(MonitorTest, StopMonitoringUnregistersAndStopsTheRestartTimer) {
    monitor.FormDestroy();
    EXPECT_EQ(platform.calls, (std::vector<std::string>{"add", "remove"}));
    EXPECT_FALSE(platform.restartTimer.Enabled());
    EXPECT_TRUE(platform.sent.empty());
}

TEST_F(ChainMonitorTest, JoiningTheChainStartsNoRefresh) {
    EXPECT_FALSE(monitor.UseListener());
    monitor.StopMonitoring();
    platform.viewerChainHead = 0x200;
    platform.onSetViewer = [this] {
        EXPECT_TRUE(monitor.Registering());
        Notify(clipmsg::DrawClipboard);
    };
    monitor.StartMonitoring();
    EXPECT_FALSE(monitor.Registering());
    EXPECT_EQ(monitor.NextViewer(), 0x200u);
    EXPECT_FALSE(platform.saveTimer.Enabled());
    platform.Advance(200);
    EXPECT_EQ(monitor.Refreshes(), 0);
    // Already a chain member: starting again does not join twice.
    monitor.StartMonitoring();
    EXPECT_EQ(platform.calls.back(), "setviewer");
    EXPECT_EQ(std::count(platform.calls.begin(), platform.calls.end(), "setviewer"), 2);
}

TEST_F(ChainMonitorTest, PassesDrawClipboardOnBeforeReacting) {
    monitor.StopMonitoring();
    platform.viewerChainHead = 0x200;
    monitor.StartMonitoring();
    Notify(clipmsg::DrawClipboard, 7, 9);
    ASSERT_EQ(platform.sent.size(), 1u);
    EXPECT_EQ(platform.sent[0].target, 0x200u);
    EXPECT_EQ(platform.sent[0].message, clipmsg::DrawClipboard);
    EXPECT_EQ(platform.sent[0].wParam, 7u);
    EXPECT_EQ(platform.sent[0].lParam, 9);
    EXPECT_FALSE(platform.sent[0].saveTimerWasEnabled);
    EXPECT_TRUE(platform.saveTimer.Enabled());
    platform.Advance(100);
    EXPECT_EQ(monitor.Refreshes(), 1);
}

TEST_F(ChainMonitorTest, ChangeCbChainRepairsOrPassesOnTheChain) {
    monitor.StopMonitoring();
    platform.viewerChainHead = 0x200;
    monitor.StartMonitoring();
    // Another window leaves: passed on unchanged.
    Notify(clipmsg::ChangeCbChain, 0x300, 0x400);
    ASSERT_EQ(platform.sent.size(), 1u);
    EXPECT_EQ(platform.sent[0].target, 0x200u);
    EXPECT_EQ(platform.sent[0].wParam, 0x300u);
    EXPECT_EQ(platform.sent[0].lParam, 0x400);
    // Our next viewer leaves: the one after it becomes the next, nothing is passed on.
    Notify(clipmsg::ChangeCbChain, 0x200, 0x500);
    EXPECT_EQ(monitor.NextViewer(), 0x500u);
    EXPECT_EQ(platform.sent.size(), 1u);
    EXPECT_FALSE(platform.saveTimer.Enabled());
    // Leaving the chain names the current next viewer.
    monitor.StopMonitoring();
    EXPECT_EQ(platform.calls.back(), "changechain " + std::to_string(0x500));
    EXPECT_EQ(monitor.NextViewer(), 0u);
}

TEST_F(ChainMonitorTest, DestroyClipboardCountsAsAChangeAndIsNotPassedOn) {
    monitor.StopMonitoring();
    platform.viewerChainHead = 0x200;
    monitor.StartMonitoring();
    Notify(clipmsg::DestroyClipboard);
    EXPECT_TRUE(platform.sent.empty());
    EXPECT_TRUE(platform.saveTimer.Enabled());
    // With no next viewer, or ourselves as the next, nothing is passed on.
    platform.sent.clear();
    Notify(clipmsg::ChangeCbChain, 0x200, 0x100);
    Notify(clipmsg::DrawClipboard);
    Notify(clipmsg::ChangeCbChain, 0x100, 0);
    Notify(clipmsg::ClipboardUpdate);
    EXPECT_TRUE(platform.sent.empty());
    std::intptr_t result = 0;
    EXPECT_FALSE(monitor.HandleMessage(0x0400, 0, 0, result));
}

TEST(MonitorCreation, ChoosesTheChainBeforeVistaAndWarnsWhenTheListenerIsMissing) {
    testing::FakeSystemPlatform support;
    FakeClipboard fake;
    ClipboardPort port(fake);
    testing::FakeEnginePlatform enginePlatform;
    testing::FakeSurface surface;
    ClipboardEngine engine(port, enginePlatform, surface);
    FakeMonitorPlatform platform;
    ClipboardMonitorCore monitor(platform, platform.saveTimer, platform.restartTimer,
                                 [&engine] { engine.RebuildFormatList(); });

    InitSystemServices(false, VersionFlags{false, false});
    monitor.FormCreate();
    EXPECT_FALSE(monitor.UseListener());
    EXPECT_TRUE(support.messageBoxes.empty());

    InitSystemServices(false, VersionFlags{true, true});
    platform.listenerAvailable = false;
    monitor.FormCreate();
    EXPECT_FALSE(monitor.UseListener());
    ASSERT_EQ(support.messageBoxes.size(), 1u);
    EXPECT_EQ(support.messageBoxes[0].text, L"Failed to locate Vista Clipboard API!");
    monitor.StartMonitoring();
    EXPECT_EQ(platform.calls, std::vector<std::string>{"setviewer"});
}

} // namespace
} // namespace tavrix
