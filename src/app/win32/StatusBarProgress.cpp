#include "app/win32/StatusBarProgress.h"

namespace tavrix::win32 {

std::uint32_t StatusBarProgress::TickCount() {
    return clock_ ? clock_() : GetTickCount();
}

void StatusBarProgress::ShowProgress(FileTask task, int percent) {
    if (!wait_) {
        wait_.emplace(ShowWaitCursor());
    }
    bar_.ShowMessage(ProgressText(task, percent));
}

void StatusBarProgress::EndProgress() {
    bar_.EndMessage();
    wait_.reset();
}

} // namespace tavrix::win32
