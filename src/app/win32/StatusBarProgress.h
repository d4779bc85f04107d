#pragma once
// A long save or load of a clipboard file, shown in the main window's status bar with the wait
// cursor until it ends.
#include "app/win32/StatusBar.h"
#include "base/win32/WaitCursor.h"
#include "clipboard/FileProgress.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace tavrix::win32 {

class StatusBarProgress : public ProgressDisplay {
public:
    using Clock = std::function<std::uint32_t()>;

    // An empty clock is the system's tick count.
    StatusBarProgress(StatusBar& bar, Clock clock) : bar_(bar), clock_(std::move(clock)) {}

    std::uint32_t TickCount() override;
    void ShowProgress(FileTask task, int percent) override;
    void EndProgress() override;

    // True while progress is shown: the window keeps the wait cursor then.
    bool Showing() const { return wait_.has_value(); }

private:
    StatusBar& bar_;
    Clock clock_;
    std::optional<WaitCursor> wait_;
};

} // namespace tavrix::win32
