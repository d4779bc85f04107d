#pragma once
// A message-only window through which a worker thread tells the window's thread that it has
// something (Post may be called from any thread), with a timer for watching the worker meanwhile.
#include "ui/win32/Window.h"

#include <functional>

namespace tavrix::win32 {

class ThreadMailbox final : public Window {
public:
    ThreadMailbox(std::function<void()> onPost, std::function<void()> onTick)
        : onPost_(std::move(onPost)), onTick_(std::move(onTick)) {}

    void Create();
    // From any thread: onPost runs on the window's thread soon.
    void Post() const;
    // onTick every interval milliseconds while on.
    void SetTicking(bool on, unsigned interval);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnTimer(UINT_PTR id) override;

private:
    std::function<void()> onPost_;
    std::function<void()> onTick_;
};

} // namespace tavrix::win32
