#include "settings/FormPlacement.h"

#include "base/SwallowedErrors.h"
#include "settings/SettingsStore.h"

#include <algorithm>
#include <cstdint>
#include <exception>
#include <limits>

namespace tavrix {

TopLeft CenteredOn(const ScreenRect& workArea, int width, int height) {
    // Integer division truncates toward zero, also for a negative excess.
    return {workArea.top + (workArea.Height() - height) / 2,
            workArea.left + (workArea.Width() - width) / 2};
}

namespace {

bool Overlaps(const ScreenRect& a, const ScreenRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

std::int64_t SquaredDistance(const ScreenRect& a, const ScreenRect& b) {
    const std::int64_t dx = std::max({0, b.left - a.right, a.left - b.right});
    const std::int64_t dy = std::max({0, b.top - a.bottom, a.top - b.bottom});
    return dx * dx + dy * dy;
}

int Clamp(int value, int low, int high) {
    return value > high ? std::max(low, high) : std::max(value, low);
}

} // namespace

std::optional<TopLeft> MoveOntoDisplays(const ScreenRect& window,
                                        const std::vector<DisplayArea>& displays) {
    if (displays.empty()) {
        return std::nullopt;
    }
    const DisplayArea* nearest = nullptr;
    std::int64_t best = std::numeric_limits<std::int64_t>::max();
    for (const DisplayArea& display : displays) {
        if (Overlaps(window, display.bounds)) {
            return std::nullopt;
        }
        const std::int64_t distance = SquaredDistance(window, display.bounds);
        if (distance < best) {
            best = distance;
            nearest = &display;
        }
    }
    const ScreenRect& area = nearest->workArea;
    return TopLeft{Clamp(window.top, area.top, area.bottom - window.Height()),
                   Clamp(window.left, area.left, area.right - window.Width())};
}

void SettingsStore::SaveFormPlacement(PlacementForm& form, bool positionOnly) {
    try {
        const std::wstring prefix = form.ClassName();
        if (positionOnly) {
            WriteInteger(prefix + L"Top", form.Top());
            WriteInteger(prefix + L"Left", form.Left());
            return;
        }
        if (form.State() != WindowState::Normal) {
            // The last normal rectangle stays stored for the next start.
            WriteInteger(prefix + L"State", 1);
            return;
        }
        WriteInteger(prefix + L"Top", form.Top());
        WriteInteger(prefix + L"Left", form.Left());
        if (form.HasMaximizeButton()) {
            WriteInteger(prefix + L"Height", form.Height());
            WriteInteger(prefix + L"Width", form.Width());
        }
        WriteInteger(prefix + L"State", 0);
    } catch (const std::exception&) {
        LogSwallowed(L"SettingsStore::SaveFormPlacement");
        // Placement is a convenience; a store that cannot be written must not stop the exit.
    }
}

void SettingsStore::LoadFormPlacement(PlacementForm& form, bool positionOnly) {
    const std::wstring prefix = form.ClassName();
    if (form.Position() == FormPosition::ScreenCenter ||
        form.Position() == FormPosition::DesktopCenter) {
        form.SetPosition(FormPosition::Designed);
        CenterOnWorkArea(form);
    }
    const std::int32_t state = ReadInteger(prefix + L"State", 0);
    form.SetTop(ReadInteger(prefix + L"Top", form.Top()));
    form.SetLeft(ReadInteger(prefix + L"Left", form.Left()));
    if (!positionOnly) {
        form.SetHeight(ReadInteger(prefix + L"Height", form.Height()));
        form.SetWidth(ReadInteger(prefix + L"Width", form.Width()));
    }
    // A rectangle saved on a display that is gone would open the window out of reach.
    const ScreenRect window{form.Left(), form.Top(), form.Left() + form.Width(),
                            form.Top() + form.Height()};
    if (const auto moved = MoveOntoDisplays(window, form.Displays())) {
        form.SetTop(moved->top);
        form.SetLeft(moved->left);
    }
    if (!positionOnly) {
        form.SetState(state != 0 && form.HasMaximizeButton() ? WindowState::Maximized
                                                             : WindowState::Normal);
    }
}

void SettingsStore::CenterOnWorkArea(PlacementForm& form) {
    const TopLeft corner = CenteredOn(form.NearestWorkArea(), form.Width(), form.Height());
    form.SetTop(corner.top);
    form.SetLeft(corner.left);
}

} // namespace tavrix
