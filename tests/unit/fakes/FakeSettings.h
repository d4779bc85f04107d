#pragma once
// In-memory stand-ins for the settings store's registry key and files, and a window whose
// placement tests can watch.
#include "settings/FormPlacement.h"
#include "settings/SettingsBackend.h"
#include "settings/SettingsStore.h"

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace tavrix::testing {

class FakeSettingsRegistry : public SettingsRegistry {
public:
    struct Value {
        bool isDword = true;
        std::uint32_t data = 0;
        std::size_t size = 4;
    };

    KeyAccess Access() const override { return access; }
    QueryResult Query(const std::wstring& name) override {
        auto it = values.find(name);
        if (it == values.end()) {
            return {QueryStatus::Missing, false, 0};
        }
        if (it->second.size > 4) {
            return {QueryStatus::Failed, false, 0};
        }
        return {QueryStatus::Read, it->second.isDword, it->second.data};
    }
    bool SetDword(const std::wstring& name, std::uint32_t value) override {
        if (refuseWrites) {
            return false;
        }
        values[name] = Value{true, value, 4};
        writes.push_back(name);
        return true;
    }

    KeyAccess access = KeyAccess::Full;
    bool refuseWrites = false;
    std::map<std::wstring, Value> values;
    std::vector<std::wstring> writes;
};

class FakeSettingsFiles : public SettingsFiles {
public:
    std::optional<std::string> Read(const std::wstring& path) override {
        auto it = files.find(path);
        return it == files.end() ? std::nullopt : std::optional<std::string>(it->second);
    }
    bool Write(const std::wstring& path, const std::string& bytes) override {
        if (readOnly.count(path)) {
            return false;
        }
        files[path] = bytes;
        return true;
    }

    std::map<std::wstring, std::string> files;
    std::set<std::wstring> readOnly;
};

// A store over the two fakes; the fakes stay reachable through the returned pointers.
struct FakeSettingsStore {
    FakeSettingsStore() {
        auto r = std::make_unique<FakeSettingsRegistry>();
        auto f = std::make_unique<FakeSettingsFiles>();
        registry = r.get();
        files = f.get();
        store = std::make_unique<SettingsStore>(std::move(r), std::move(f));
    }
    FakeSettingsRegistry* registry;
    FakeSettingsFiles* files;
    std::unique_ptr<SettingsStore> store;
};

class FakePlacementForm : public PlacementForm {
public:
    std::wstring ClassName() const override { return className; }
    int Top() const override { return rect.top; }
    int Left() const override { return rect.left; }
    int Height() const override { return rect.Height(); }
    int Width() const override { return rect.Width(); }
    void SetTop(int top) override {
        rect.bottom += top - rect.top;
        rect.top = top;
        log.push_back(L"top");
    }
    void SetLeft(int left) override {
        rect.right += left - rect.left;
        rect.left = left;
        log.push_back(L"left");
    }
    void SetHeight(int height) override {
        rect.bottom = rect.top + height;
        log.push_back(L"height");
    }
    void SetWidth(int width) override {
        rect.right = rect.left + width;
        log.push_back(L"width");
    }
    WindowState State() const override { return state; }
    void SetState(WindowState s) override {
        state = s;
        log.push_back(s == WindowState::Maximized ? L"maximized" : L"normal");
    }
    bool HasMaximizeButton() const override { return maximizeButton; }
    FormPosition Position() const override { return position; }
    void SetPosition(FormPosition p) override { position = p; }
    ScreenRect NearestWorkArea() const override { return displays.front().workArea; }
    std::vector<DisplayArea> Displays() const override { return displays; }

    std::wstring className = L"TMainForm";
    ScreenRect rect{100, 50, 900, 650};
    WindowState state = WindowState::Normal;
    bool maximizeButton = true;
    FormPosition position = FormPosition::Designed;
    std::vector<DisplayArea> displays = {{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}}};
    std::vector<std::wstring> log;
};

} // namespace tavrix::testing
