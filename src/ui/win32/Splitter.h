#pragma once
// A vertical bar between a left control and the area to its right. Dragging it asks the owner
// for a new width of the left control; the owner applies its limits and lays out again.
#include "ui/win32/Window.h"

#include <functional>

namespace tavrix::win32 {

class Splitter : public Window {
public:
    using WidthGetter = std::function<int()>;
    using WidthSetter = std::function<void(int wanted)>;

    Splitter(WidthGetter width, WidthSetter resize)
        : width_(std::move(width)), resize_(std::move(resize)) {}
    void Create(HWND parent, int id);
    bool Dragging() const { return dragging_; }

protected:
    bool OnMouseButton(UINT message, int x, int y, WPARAM keys) override;
    bool OnMouseMove(int x, int y, WPARAM keys) override;
    bool OnSetCursor(HWND over, UINT hitTest) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    int ScreenX(int clientX) const;

    WidthGetter width_;
    WidthSetter resize_;
    bool dragging_ = false;
    int startScreenX_ = 0;
    int startWidth_ = 0;
};

} // namespace tavrix::win32
