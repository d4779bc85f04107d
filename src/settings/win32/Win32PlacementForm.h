#pragma once
// A top-level window as the settings store sees it when saving and restoring its placement.
#include "settings/FormPlacement.h"

#include <windows.h>

namespace tavrix::win32 {

class Win32PlacementForm : public PlacementForm {
public:
    // className prefixes the settings names ("TMainForm"); position is the window's rule for
    // its first placement.
    Win32PlacementForm(HWND window, std::wstring className,
                       FormPosition position = FormPosition::Designed);

    std::wstring ClassName() const override { return className_; }
    int Top() const override;
    int Left() const override;
    int Height() const override;
    int Width() const override;
    void SetTop(int top) override;
    void SetLeft(int left) override;
    void SetHeight(int height) override;
    void SetWidth(int width) override;
    WindowState State() const override;
    // Maximized shows the window maximized; normal restores a maximized or minimized one.
    void SetState(WindowState state) override;
    bool HasMaximizeButton() const override;
    FormPosition Position() const override { return position_; }
    void SetPosition(FormPosition position) override { position_ = position; }
    ScreenRect NearestWorkArea() const override;
    std::vector<DisplayArea> Displays() const override;

private:
    RECT Rect() const;
    void MoveTo(int left, int top, int width, int height);

    HWND window_;
    std::wstring className_;
    FormPosition position_;
};

} // namespace tavrix::win32
