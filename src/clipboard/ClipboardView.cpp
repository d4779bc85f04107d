#include "clipboard/ClipboardView.h"

#include "base/SwallowedErrors.h"
#include "base/UiText.h"
#include "base/Unicode.h"
#include "clipboard/ClipboardEngine.h"
#include "clipboard/ClipboardPort.h"
#include "clipboard/MainWindowSurface.h"
#include "clipboard/SnapshotBackend.h"
#include "clipboard/SummarySource.h"

#include <algorithm>
#include <chrono>
#include <climits>
#include <exception>

namespace tavrix {

namespace {

// How long a refresh tries to open a clipboard another program holds before it says so.
constexpr std::chrono::milliseconds kListWait{200};
// From when the status bar names what the window waits for, and from when a large block's
// copy shows how far it is.
constexpr std::uint32_t kWaitNamedAfter = 500;
constexpr std::uint32_t kProgressAfter = 300;
constexpr std::uint64_t kProgressFrom = std::uint64_t{16} << 20;
// Blocks up to this size stay in the snapshot after they were shown; larger ones are read
// again when their node is selected again, so that no second copy beside the view's lasts.
constexpr std::size_t kKeptBlock = std::size_t{1} << 20;

} // namespace

ClipboardView::ClipboardView(Parts parts)
    : parts_(std::move(parts)), progress_(parts_.reader.Progress()) {}

bool ClipboardView::Busy() const {
    // Until its result is shown: a job the reader has finished still waits for RunFinished.
    return refreshJob_ != 0 || readJob_ != 0;
}

void ClipboardView::RunFinished() {
    parts_.reader.RunFinished();
}

void ClipboardView::Refresh() {
    auto listed = std::make_shared<ClipboardSnapshot>();
    auto progress = progress_;
    auto makePicture = parts_.makePicture;
    refreshJob_ = parts_.reader.Submit(
        ReaderJobKind::Refresh,
        [listed, progress, makePicture](ClipboardPort& clipboard) {
            ClipboardCapture capture(clipboard, *progress, makePicture);
            *listed = capture.List(kListWait);
        },
        [this, listed] { OnListed(listed); });
}

void ClipboardView::OnListed(const std::shared_ptr<ClipboardSnapshot>& listed) {
    refreshJob_ = 0;
    if (listed->held) {
        // Still held by another program: say who, and look again soon.
        parts_.engine.ShowClipboardHeld();
        if (parts_.refreshAgain) {
            parts_.refreshAgain();
        }
        return;
    }
    // Reads for the clipboard that was are of no use now.
    if (readJob_ != 0) {
        parts_.reader.Abandon(readJob_);
        readJob_ = 0;
    }
    ++generation_;
    wantedNode_ = -1;
    parts_.shown.Show(listed);
    if (parts_.learnt) {
        parts_.learnt(*listed);
    }
    parts_.engine.RebuildFormatList();
    // The tree's selection asked for "Preview" already where the tree reports selections.
    ShowNode(0);
}

CaptureNeeds ClipboardView::NeedsOf(int node) {
    const ClipboardSnapshot& snapshot = parts_.shown.Current();
    if (node == 0) {
        if (snapshot.formats.empty()) {
            return {};
        }
        return PreviewNeeds(snapshot, parts_.engine.SummaryFormatNumbers());
    }
    CaptureNeeds needs;
    const ClipFormat format = parts_.engine.NodeFormat(node);
    if (format == 0) {
        return needs;
    }
    needs.blocks.push_back(format);
    needs.picture = format == cf::Bitmap || format == cf::EnhMetafile;
    return needs;
}

void ClipboardView::ShowNode(int node) {
    if (node == wantedNode_ && readJob_ != 0 && parts_.reader.Pending(readJob_)) {
        return; // asked already
    }
    const CaptureNeeds needs = NeedsOf(node);
    if (readJob_ != 0 && parts_.reader.Pending(readJob_)) {
        const ClipFormat reading = progress_->Format();
        if (std::find(needs.blocks.begin(), needs.blocks.end(), reading) != needs.blocks.end()) {
            // The new node wants what is being read: no reason to give up on it, only on the
            // result the old node asked for.
            parts_.reader.Abandon(readJob_);
            readJob_ = 0;
        } else {
            StopWaiting();
        }
    }
    wantedNode_ = node;
    if (HasEverything(parts_.shown.Current(), needs)) {
        Display(node);
        return;
    }
    auto read = std::make_shared<ClipboardSnapshot>(parts_.shown.Current());
    auto progress = progress_;
    auto makePicture = parts_.makePicture;
    auto stop = std::make_shared<std::atomic<bool>>(false);
    stop_ = stop;
    readJob_ = parts_.reader.Submit(
        ReaderJobKind::Read,
        [read, needs, progress, makePicture, stop](ClipboardPort& clipboard) {
            ClipboardCapture capture(clipboard, *progress, makePicture);
            if (!capture.OpenWhenFree(*stop)) {
                return;
            }
            try {
                capture.Read(*read, needs);
            } catch (const std::exception&) {
                LogSwallowed(L"ClipboardView (read)");
                // What was read is shown; the rest counts as not offered.
            }
            clipboard.Close();
        },
        [this, read, generation = generation_] { OnRead(read, generation); });
}

void ClipboardView::OnRead(const std::shared_ptr<ClipboardSnapshot>& read,
                           std::uint64_t generation) {
    readJob_ = 0;
    UpdateWaitMessage();
    if (generation != generation_) {
        return;
    }
    parts_.shown.Current().Merge(*read);
    if (parts_.learnt) {
        parts_.learnt(parts_.shown.Current());
    }
    Display(wantedNode_);
}

void ClipboardView::StopWaiting() {
    if (readJob_ == 0 || !parts_.reader.Pending(readJob_)) {
        return;
    }
    if (parts_.reader.Running() == readJob_) {
        // The format being asked for now did not come; the late answer is dropped.
        if (CapturedFormat* entry = parts_.shown.Current().Find(progress_->Format())) {
            entry->notDelivered = true;
        }
    }
    if (stop_) {
        stop_->store(true);
    }
    parts_.reader.Abandon(readJob_);
    readJob_ = 0;
    UpdateWaitMessage();
    if (wantedNode_ >= 0) {
        Display(wantedNode_);
    }
}

void ClipboardView::Display(int node) {
    ClipboardSnapshot& snapshot = parts_.shown.Current();
    const ClipFormat format = parts_.engine.NodeFormat(node);
    try {
        parts_.engine.ShowNode(node);
    } catch (const std::exception&) {
        // A format that cannot be shown (a picture the system cannot make, rich text the
        // control refuses) says so in its place: a selection raises no box, and the view shows
        // nothing of the clipboard before.
        const std::wstring text = CurrentExceptionText();
        LogSwallowed(L"ClipboardView::Display", text);
        parts_.surface.ShowPreviewText(Utf16FromWide(text));
        parts_.surface.ShowDescription(text);
        const CapturedFormat* entry = snapshot.Find(format);
        if (entry != nullptr && entry->size) {
            parts_.surface.ShowSize(
                static_cast<std::int32_t>(std::min<std::size_t>(*entry->size, INT32_MAX)));
        } else {
            parts_.surface.ShowUnknownSize();
        }
        return;
    }
    if (node == 0) {
        for (const CapturedFormat& entry : snapshot.formats) {
            if (entry.notDelivered) {
                parts_.surface.ShowUnknownSize();
                break;
            }
        }
        return;
    }
    CapturedFormat* entry = snapshot.Find(format);
    if (entry == nullptr) {
        return;
    }
    if (entry->notDelivered) {
        parts_.surface.ShowPreviewText(Utf16FromWide(Tr(L"(not delivered)")));
        parts_.surface.ShowUnknownSize();
        return;
    }
    if (entry->bytes && entry->bytes->size() > kKeptBlock) {
        entry->bytes.reset();
        entry->result.reset();
    }
}

std::wstring ClipboardView::FormatName(ClipFormat format) {
    const std::wstring& known = parts_.engine.GetFormatName(format);
    if (!known.empty()) {
        return known;
    }
    return parts_.shown.RegisteredFormatName(format);
}

std::wstring ClipboardView::WaitText() {
    const ReadProgress& progress = *progress_;
    const std::uint32_t elapsed = parts_.tickCount() - serialSince_;
    if (progress.Held()) {
        return elapsed >= kWaitNamedAfter ? parts_.engine.FactsPanel().HeldText() : L"";
    }
    const ClipFormat format = progress.Format();
    if (format == 0) {
        return L"";
    }
    if (progress.Waiting()) {
        if (elapsed < kWaitNamedAfter) {
            return L"";
        }
        const std::wstring seconds = std::to_wstring(elapsed / 1000);
        const std::optional<ClipboardProcess> owner = parts_.shown.OwnerProcess();
        if (owner && !owner->exeName.empty()) {
            const std::wstring pid = std::to_wstring(owner->processId);
            return Tr(L"Waiting for %1 from %2 (pid %3)\u2026 %4 s",
                      {FormatName(format), owner->exeName, pid, seconds});
        }
        return Tr(L"Waiting for %1 from the clipboard\u2026 %2 s", {FormatName(format), seconds});
    }
    const std::uint64_t total = progress.Total();
    if (total < kProgressFrom || elapsed < kProgressAfter) {
        return L"";
    }
    const auto percent = static_cast<int>(progress.CopiedBytes() * 100 / total);
    return Tr(L"Reading %1\u2026 %2 %", {FormatName(format), std::to_wstring(percent)});
}

void ClipboardView::UpdateWaitMessage() {
    const std::uint32_t serial = progress_->Serial();
    if (serial != seenSerial_) {
        seenSerial_ = serial;
        serialSince_ = parts_.tickCount();
    }
    const bool ours = readJob_ != 0 && parts_.reader.Running() == readJob_;
    const std::wstring text = ours ? WaitText() : std::wstring();
    if (!text.empty()) {
        parts_.surface.ShowWaitMessage(text);
        messageShown_ = true;
    } else if (messageShown_) {
        parts_.surface.EndWaitMessage();
        messageShown_ = false;
    }
}

} // namespace tavrix
