// The reader thread against a clipboard whose owner is slow: newer work replaces queued work,
// an abandoned job's result never arrives, a script gives up in time, and the window's view of
// a stuck read names it, stops waiting on Esc and drops the late answer.
#include "clipboard/ClipboardReader.h"
#include "base/Error.h"
#include "base/SystemServices.h"
#include "clipboard/ClipboardEngine.h"
#include "clipboard/ClipboardPort.h"
#include "clipboard/ClipboardView.h"
#include "clipboard/RegisteredFormats.h"
#include "clipboard/ScriptJob.h"
#include "clipboard/SnapshotBackend.h"
#include "fakes/FakeEnginePlatform.h"
#include "fakes/FakeSurface.h"
#include "fakes/FakeSystemPlatform.h"
#include "fakes/GatedReaderPlatform.h"

#include "Bytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>

namespace tavrix {
namespace {

using namespace std::chrono_literals;
using testing::GatedReaderPlatform;

// Runs what the reader finished until done says so (or a few seconds pass).
template <typename Done> bool RunUntil(ClipboardReader& reader, Done done) {
    const auto until = std::chrono::steady_clock::now() + 5s;
    while (!done()) {
        if (std::chrono::steady_clock::now() > until) {
            return false;
        }
        std::this_thread::sleep_for(2ms);
        reader.RunFinished();
    }
    return true;
}

TEST(ReaderThread, ANewerRefreshReplacesAQueuedOneAndAnAbandonedResultIsDropped) {
    auto platform = std::make_shared<GatedReaderPlatform>();
    platform->clipboard.PutText(cf::Text, "slow");
    platform->clipboard.Gate(cf::Text);
    ClipboardReader reader(platform);
    std::vector<std::string> done;
    auto job = [&done](const char* name) { return [&done, name] { done.push_back(name); }; };
    auto readText = [](ClipboardPort& clipboard) {
        clipboard.ReadData(cf::Text, [](std::span<const std::uint8_t>) {});
    };
    const ReaderJobId stuck = reader.Submit(ReaderJobKind::Read, readText, job("stuck"));
    ASSERT_TRUE(platform->clipboard.WaitUntilAsked(cf::Text));
    EXPECT_EQ(reader.Running(), stuck);
    EXPECT_EQ(reader.Progress()->Format(), cf::Text);
    EXPECT_TRUE(reader.Progress()->Waiting());
    reader.Submit(
        ReaderJobKind::Refresh, [](ClipboardPort&) {}, job("first refresh"));
    reader.Submit(
        ReaderJobKind::Command, [](ClipboardPort&) {}, job("command"));
    const ReaderJobId last = reader.Submit(
        ReaderJobKind::Refresh, [](ClipboardPort&) {}, job("second refresh"));
    reader.Abandon(stuck);
    EXPECT_TRUE(reader.Pending(stuck)) << "still stuck in the owner";
    platform->clipboard.Release(cf::Text);
    ASSERT_TRUE(reader.WaitFor(last, 5s));
    reader.RunFinished();
    EXPECT_EQ(done, (std::vector<std::string>{"command", "second refresh"}));
    EXPECT_TRUE(reader.Idle());
}

TEST(ReaderThread, AScriptGivesUpOnAFormatThatDoesNotComeAndTheStuckThreadIsLeftBehind) {
    testing::FakeSystemPlatform support;
    auto platform = std::make_shared<GatedReaderPlatform>();
    platform->clipboard.PutText(cf::UnicodeText, "late");
    platform->clipboard.Gate(cf::UnicodeText);
    auto reader = std::make_unique<ClipboardReader>(platform);
    const auto start = std::chrono::steady_clock::now();
    try {
        RunScriptJob(
            *reader,
            [](ClipboardPort& clipboard) {
                clipboard.ReadData(cf::UnicodeText, [](std::span<const std::uint8_t>) {});
            },
            1s,
            [](ClipFormat format) {
                return DeliveryTimeoutText(ClipboardProcess{L"slow.exe", 42},
                                           L"format " + std::to_wstring(format), 1s);
            });
        ADD_FAILURE() << "the script waited for ever";
    } catch (const Error& e) {
        EXPECT_EQ(e.Message(), L"slow.exe (pid 42) did not deliver format 13 within 1 s");
    }
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_GE(waited, 1s);
    EXPECT_LT(waited, 2s);
    const auto stopping = std::chrono::steady_clock::now();
    reader->Stop(50ms);
    EXPECT_LT(std::chrono::steady_clock::now() - stopping, 500ms);
    reader.reset();
    // The thread left behind ends when the owner answers at last; it keeps what it uses.
    platform->clipboard.Release(cf::UnicodeText);
    // Errors of the work come back to the script as they are.
    ClipboardReader second(std::make_shared<GatedReaderPlatform>());
    EXPECT_THROW(RunScriptJob(
                     second, [](ClipboardPort&) { throw Error(L"disk full"); }, 1s,
                     [](ClipFormat) { return std::wstring(); }),
                 Error);
}

// A picture the fake clipboard cannot load into: a bitmap the system cannot make.
class UnloadablePicture : public ClipboardPicture {
public:
    int Width() const override { return 0; }
    int Height() const override { return 0; }
    bool Empty() const override { return true; }
};

class ClipboardViewTest : public ::testing::Test {
protected:
    ClipboardViewTest() {
        InitSystemServices(false, VersionFlags{true, true});
        RegisterStartupFormats(names);
        IconFormat = 0;
        platform->clipboard.Put(cf::UnicodeText, testing::Utf16Bytes(u"hello"));
        platform->clipboard.owner = ClipboardProcess{L"writer.exe", 7};
        names.owner = platform->clipboard.owner;
        surface.onSelect = [this](int node) { view.ShowNode(node); };
    }
    ~ClipboardViewTest() override { reader.Stop(); }

    testing::FakeSystemPlatform support;
    // Names and registrations on the window's side; the reader has its own clipboard.
    testing::FakeClipboard names;
    std::shared_ptr<GatedReaderPlatform> platform = std::make_shared<GatedReaderPlatform>();
    ClipboardReader reader{platform};
    SnapshotBackend shown{names, [](const ClipboardPicture&, ClipboardPicture&) {}};
    ClipboardPort shownPort{shown};
    testing::FakeEnginePlatform enginePlatform;
    testing::FakeSurface surface;
    ClipboardEngine engine{shownPort, enginePlatform, surface};
    std::uint32_t now = 1000;
    ClipboardView view{{.reader = reader,
                        .shown = shown,
                        .engine = engine,
                        .surface = surface,
                        .makePicture = [] { return std::make_unique<UnloadablePicture>(); },
                        .tickCount = [this] { return now; },
                        .refreshAgain = {},
                        .learnt = {}}};
};

TEST_F(ClipboardViewTest, AStuckReadIsNamedStoppedWithEscAndItsLateAnswerDropped) {
    platform->clipboard.Gate(cf::UnicodeText);
    view.Refresh();
    ASSERT_TRUE(RunUntil(reader, [&] { return surface.nodes.size() == 2; }));
    ASSERT_TRUE(platform->clipboard.WaitUntilAsked(cf::UnicodeText));
    view.UpdateWaitMessage();
    now += 400;
    view.UpdateWaitMessage();
    EXPECT_EQ(surface.waitMessage, L"") << "not named before half a second";
    now += 1700;
    view.UpdateWaitMessage();
    EXPECT_EQ(surface.waitMessage, L"Waiting for Unicode Text Format from writer.exe (pid 7)… 2 s");

    view.StopWaiting();
    EXPECT_FALSE(view.Busy());
    EXPECT_EQ(surface.waitMessage, L"");
    EXPECT_TRUE(surface.sizeUnknown);
    EXPECT_EQ(surface.previewText, u"");
    // The node of the format that did not come says so, without asking again.
    surface.sizeUnknown = false;
    view.ShowNode(1);
    EXPECT_FALSE(view.Busy());
    EXPECT_EQ(surface.previewText, u"(not delivered)");
    EXPECT_TRUE(surface.sizeUnknown);

    platform->clipboard.Release(cf::UnicodeText);
    ASSERT_TRUE(RunUntil(reader, [&] { return reader.Idle(); }));
    reader.RunFinished();
    EXPECT_EQ(surface.previewText, u"(not delivered)") << "the late answer is dropped";

    // The next change reads it anew.
    view.Refresh();
    ASSERT_TRUE(RunUntil(reader, [&] { return surface.previewText == u"hello"; }));
}

TEST_F(ClipboardViewTest, AFormatThatCannotBeShownSaysSoInItsPlaceWithoutABox) {
    platform->clipboard.PutHandle(cf::Bitmap, 4, 4);
    view.Refresh();
    ASSERT_TRUE(RunUntil(reader, [&] { return surface.previewText == u"hello"; }));
    const int bitmap = static_cast<int>(
        std::find(surface.nodes.begin(), surface.nodes.end(), L"Bitmap") - surface.nodes.begin());
    ASSERT_LT(static_cast<std::size_t>(bitmap), surface.nodes.size());
    view.ShowNode(bitmap);
    ASSERT_TRUE(RunUntil(reader, [&] { return !view.Busy(); }));
    EXPECT_EQ(surface.previewText, u"Invalid clipboard format");
    EXPECT_EQ(surface.description, L"Invalid clipboard format");
    EXPECT_TRUE(surface.sizeUnknown);
    EXPECT_TRUE(support.messageBoxes.empty());
}

} // namespace
} // namespace tavrix
