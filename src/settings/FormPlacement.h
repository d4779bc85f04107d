#pragma once
// What the settings store needs of a window to save and restore its placement, and the
// arithmetic of placing it on a display.
#include <optional>
#include <string>
#include <vector>

namespace tavrix {

struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

// One display: its whole area and its work area (without task bars), in screen pixels.
struct DisplayArea {
    ScreenRect bounds;
    ScreenRect workArea;
};

enum class WindowState { Normal, Minimized, Maximized };

// Where a window appears when it is first shown.
enum class FormPosition { Designed, ScreenCenter, DesktopCenter, Other };

class PlacementForm {
public:
    virtual ~PlacementForm() = default;

    // Prefix of the settings names ("TMainForm" for the main window).
    virtual std::wstring ClassName() const = 0;
    // Outer position and size in screen pixels.
    virtual int Top() const = 0;
    virtual int Left() const = 0;
    virtual int Height() const = 0;
    virtual int Width() const = 0;
    virtual void SetTop(int top) = 0;
    virtual void SetLeft(int left) = 0;
    virtual void SetHeight(int height) = 0;
    virtual void SetWidth(int width) = 0;
    virtual WindowState State() const = 0;
    virtual void SetState(WindowState state) = 0;
    virtual bool HasMaximizeButton() const = 0;
    virtual FormPosition Position() const = 0;
    virtual void SetPosition(FormPosition position) = 0;
    // The work area of the display nearest to the window.
    virtual ScreenRect NearestWorkArea() const = 0;
    // Every display of the desktop.
    virtual std::vector<DisplayArea> Displays() const = 0;
};

// Top-left corner that centres a width x height window on workArea; the halves are truncated
// toward zero, so a window larger than the work area starts above or left of it.
struct TopLeft {
    int top;
    int left;
};
TopLeft CenteredOn(const ScreenRect& workArea, int width, int height);

// When window overlaps no display at all, the position that puts it inside the work area of
// the nearest display (its top-left corner inside when it is larger); nothing otherwise.
std::optional<TopLeft> MoveOntoDisplays(const ScreenRect& window,
                                        const std::vector<DisplayArea>& displays);

} // namespace tavrix
