// The window base on Wine: routing to the object in either slot, the error barrier and its
// policy, creation that fails instead of leaving a half-built window, and the system's reason
// on a failed creation.
#include "ui/win32/Window.h"
#include "ErrorText.h"
#include "base/Error.h"
#include "ui/win32/ErrorBox.h"
#include "ui/win32/WindowDpi.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tavrix::win32 {
namespace {

// A window that records what reached its handlers.
class ProbeWindow : public Window {
public:
    explicit ProbeWindow(ObjectSlot slot = ObjectSlot::UserData) : slot_(slot) {}

    void Create(HWND parent = nullptr) {
        const wchar_t* name =
            slot_ == ObjectSlot::UserData ? L"TavrixProbeWindow" : L"TavrixProbeControl";
        RegisterClassOnce(name, 0, nullptr, LoadCursorW(nullptr, IDC_ARROW), nullptr, slot_);
        CreateWindowOfClass(name, 0, L"probe", parent != nullptr ? WS_CHILD : WS_POPUP, 0, 0, 50,
                            50, parent, nullptr);
    }
    // Creates a window of a class nobody registered.
    void CreateUnregistered() {
        CreateWindowOfClass(L"TavrixNoSuchClass", 0, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr);
    }

    bool created = false;
    bool destroyed = false;
    std::vector<int> commands;
    bool throwOnCommand = false;
    bool throwOnCreate = false;
    // The creation makes a child probe that throws in its own creation.
    bool failingChild = false;
    std::vector<int> dpiChanges; // the resolution each change came from
    std::optional<LRESULT> object;

protected:
    bool OnCreate(const CREATESTRUCTW&) override {
        // The object is reachable from the window before WM_CREATE.
        created = Handle() != nullptr;
        if (throwOnCreate) {
            throw Error(L"Cannot create image list");
        }
        if (failingChild) {
            child_ = std::make_unique<ProbeWindow>();
            child_->throwOnCreate = true;
            child_->Create(Handle());
        }
        return true;
    }
    void OnDestroy() override { destroyed = true; }
    void OnDpiChanged(int previousDpi) override { dpiChanges.push_back(previousDpi); }
    std::optional<LRESULT> OnGetObject(WPARAM, LPARAM) override { return object; }
    bool OnCommand(int id, int, HWND) override {
        if (throwOnCommand) {
            throw Error(L"Cannot open clipboard");
        }
        commands.push_back(id);
        return true;
    }

private:
    ObjectSlot slot_;
    std::unique_ptr<ProbeWindow> child_;
};

class ErrorRecorder {
public:
    ErrorRecorder() {
        SetErrorReporter([this](HWND, const std::wstring& text) { texts.push_back(text); });
    }
    ~ErrorRecorder() { SetErrorReporter({}); }
    std::vector<std::wstring> texts;
};

TEST(WindowBase, RoutesMessagesToTheObjectAndForgetsItAtDestruction) {
    for (ObjectSlot slot : {ObjectSlot::UserData, ObjectSlot::ExtraBytes}) {
        ProbeWindow probe(slot);
        probe.Create();
        ASSERT_TRUE(probe.Handle() != nullptr);
        EXPECT_TRUE(probe.created);
        // A control leaves its user data to the host.
        const LONG_PTR object = reinterpret_cast<LONG_PTR>(static_cast<Window*>(&probe));
        EXPECT_EQ(GetWindowLongPtrW(probe.Handle(), GWLP_USERDATA),
                  slot == ObjectSlot::UserData ? object : 0);
        if (slot == ObjectSlot::ExtraBytes) {
            EXPECT_EQ(GetWindowLongPtrW(probe.Handle(), 0), object);
        }
        SendMessageW(probe.Handle(), WM_COMMAND, MAKEWPARAM(42, 0), 0);
        EXPECT_EQ(probe.commands, std::vector<int>{42});

        HWND handle = probe.Handle();
        DestroyWindow(handle);
        EXPECT_TRUE(probe.destroyed);
        EXPECT_EQ(probe.Handle(), nullptr);
        EXPECT_FALSE(IsWindow(handle));
    }
}

TEST(WindowBase, AnErrorInAHandlerIsReportedAndStopsThere) {
    ErrorRecorder errors;
    ProbeWindow probe;
    probe.Create();
    probe.throwOnCommand = true;
    SendMessageW(probe.Handle(), WM_COMMAND, MAKEWPARAM(7, 0), 0);
    EXPECT_EQ(errors.texts, std::vector<std::wstring>{L"Cannot open clipboard"});
    EXPECT_TRUE(probe.commands.empty());
}

TEST(WindowBase, AnErrorWhileCreatingFailsTheCreationAndIsReportedOnce) {
    // Thrown by the window's own creation handler, and by a control it creates there.
    for (bool inChild : {false, true}) {
        ErrorRecorder errors;
        ProbeWindow probe;
        probe.throwOnCreate = !inChild;
        probe.failingChild = inChild;
        EXPECT_THROW(probe.Create(), CreationAborted);
        EXPECT_TRUE(probe.created);
        EXPECT_EQ(errors.texts, std::vector<std::wstring>{L"Cannot create image list"});
        // Nothing is left: no window, and the half-built object got no further messages.
        EXPECT_EQ(probe.Handle(), nullptr);
        EXPECT_EQ(FindWindowW(L"TavrixProbeWindow", L"probe"), nullptr);
        EXPECT_FALSE(probe.destroyed);
    }
}

// Moved to a screen of another resolution: the base keeps the new one, lets the window scale and
// takes the frame the system offers; the same resolution again only moves it.
TEST(WindowBase, KeepsItsResolutionAndTakesTheFrameOfferedForANewOne) {
    ProbeWindow probe;
    probe.Create();
    EXPECT_EQ(probe.Dpi(), ReadWindowDpi(probe.Handle()));
    const int first = probe.Dpi();
    const int dpi = first + 48;
    for (const int bottom : {260, 280}) {
        RECT offered{.left = 10, .top = 20, .right = 310, .bottom = bottom};
        SendMessageW(probe.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&offered));
        EXPECT_EQ(probe.Dpi(), dpi);
        RECT frame{};
        GetWindowRect(probe.Handle(), &frame);
        EXPECT_TRUE(EqualRect(&frame, &offered));
    }
    EXPECT_EQ(probe.dpiChanges, std::vector<int>{first});
}

TEST(WindowBase, AnswersForAccessibilityOnlyWhenTheWindowDoes) {
    ProbeWindow probe;
    probe.Create();
    // Nothing of its own: the system's default answer for the window's client object.
    const LPARAM client = static_cast<LPARAM>(static_cast<LONG>(OBJID_CLIENT));
    EXPECT_EQ(SendMessageW(probe.Handle(), WM_GETOBJECT, 0, client),
              DefWindowProcW(probe.Handle(), WM_GETOBJECT, 0, client));
    probe.object = 1234;
    EXPECT_EQ(SendMessageW(probe.Handle(), WM_GETOBJECT, 0, client), 1234);
}

TEST(WindowBase, AFailedCreationCarriesTheSystemsReason) {
    ErrorRecorder errors;
    ProbeWindow probe;
    const std::wstring created = testing::ErrorText([&] { probe.CreateUnregistered(); });
    const std::wstring lead = L"Cannot create window \"TavrixNoSuchClass\". ";
    EXPECT_EQ(created.rfind(lead, 0), 0u) << std::string(created.begin(), created.end());
    EXPECT_GT(created.size(), lead.size());

    // Failures outside a handler are the caller's to report.
    EXPECT_TRUE(errors.texts.empty());
}

} // namespace
} // namespace tavrix::win32
