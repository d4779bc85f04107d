#include "clipboard/ScriptJob.h"

#include "base/Error.h"
#include "base/SwallowedErrors.h"
#include "base/UiText.h"

#include <exception>
#include <memory>

namespace tavrix {

std::wstring DeliveryTimeoutText(const std::optional<ClipboardProcess>& owner,
                                 const std::wstring& formatName, std::chrono::seconds timeout) {
    const std::wstring seconds = std::to_wstring(timeout.count());
    if (owner && !owner->exeName.empty()) {
        return Tr(L"%1 (pid %2) did not deliver %3 within %4 s",
                  {owner->exeName, std::to_wstring(owner->processId), formatName, seconds});
    }
    return Tr(L"The clipboard did not deliver %1 within %2 s", {formatName, seconds});
}

void RunScriptJob(ClipboardReader& reader, const ClipboardReader::Work& work,
                  std::chrono::seconds timeout,
                  const std::function<std::wstring(ClipFormat)>& stuck) {
    auto failure = std::make_shared<std::optional<std::wstring>>();
    const ReaderJobId id =
        reader.Submit(ReaderJobKind::Command, [work, failure](ClipboardPort& clipboard) {
            try {
                work(clipboard);
            } catch (const std::exception&) {
                *failure = CurrentExceptionText();
            }
        });
    const ReadProgress& progress = *reader.Progress();
    using Clock = std::chrono::steady_clock;
    std::uint32_t serial = progress.Serial();
    Clock::time_point since = Clock::now();
    while (!reader.WaitFor(id, std::chrono::milliseconds(50))) {
        if (progress.Serial() != serial) {
            serial = progress.Serial();
            since = Clock::now();
        }
        if (progress.Waiting() && Clock::now() - since >= timeout) {
            throw Error(stuck(progress.Format()));
        }
    }
    if (*failure) {
        throw Error(**failure);
    }
}

} // namespace tavrix
