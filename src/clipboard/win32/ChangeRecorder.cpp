#include "clipboard/win32/ChangeRecorder.h"

#include "clipboard/ClipboardCapture.h"
#include "clipboard/ClipboardPort.h"
#include "clipboard/win32/Win32ReaderPlatform.h"

#include <chrono>

namespace tavrix::win32 {

namespace {

// How long the lister tries to open a clipboard that another program (or the window's own
// reader) holds.
constexpr std::chrono::milliseconds kListWait{200};

std::int64_t MillisecondsOf(const FILETIME& time) {
    const ULARGE_INTEGER value{{time.dwLowDateTime, time.dwHighDateTime}};
    // 100 ns units since 1601.
    return static_cast<std::int64_t>(value.QuadPart / 10000) - 11644473600000;
}

} // namespace

ChangeMoment CurrentMoment() {
    FILETIME utc{};
    GetSystemTimeAsFileTime(&utc);
    FILETIME local{};
    const std::int64_t now = MillisecondsOf(utc);
    const int offset = FileTimeToLocalFileTime(&utc, &local)
                           ? static_cast<int>((MillisecondsOf(local) - now) / 60000)
                           : 0;
    return {.utcMilliseconds = now, .offsetMinutes = offset};
}

ChangeRecorder::ChangeRecorder(ChangeLog& log, HWND window, UINT message,
                               std::function<void()> changed)
    : log_(log), changed_(std::move(changed)),
      lister_(std::make_unique<ClipboardReader>(
          std::make_shared<Win32ReaderPlatform>(window, message))) {}

ChangeRecorder::~ChangeRecorder() {
    lister_->Stop();
}

void ChangeRecorder::Record(bool atStart) {
    const std::uint32_t sequence = GetClipboardSequenceNumber();
    log_.Changed(CurrentMoment(), sequence, processes_.ProcessOf(GetClipboardOwner()), atStart);
    struct Listing {
        std::uint32_t seen = 0;
        std::optional<std::vector<ChangeLog::ListedFormat>> formats;
    };
    auto listing = std::make_shared<Listing>();
    lister_->Submit(
        ReaderJobKind::Command,
        [listing, sequence](ClipboardPort& clipboard) {
            ReadProgress progress;
            const ClipboardSnapshot listed =
                ClipboardCapture(clipboard, progress, {}).List(kListWait);
            if (listed.held) {
                return;
            }
            listing->seen = listed.sequence;
            if (listed.sequence != sequence) {
                return;
            }
            auto& names = listing->formats.emplace();
            for (const CapturedFormat& format : listed.formats) {
                names.push_back({.id = format.format, .registeredName = format.registeredName});
            }
        },
        [this, listing, sequence] {
            log_.Listed(sequence, listing->seen, listing->formats);
            changed_();
        });
    changed_();
}

void ChangeRecorder::Shown(const ClipboardSnapshot& snapshot) {
    log_.Shown(snapshot);
    changed_();
}

void ChangeRecorder::RunFinished() {
    lister_->RunFinished();
}

void ChangeRecorder::Settle(bool all) {
    log_.Settle(CurrentMoment().utcMilliseconds, all);
}

} // namespace tavrix::win32
