#include "app/win32/ViewerFind.h"

#include "app/win32/PreviewPane.h"
#include "app/win32/StatusBar.h"
#include "base/UiText.h"
#include "viewer/GoToOffset.h"
#include "viewer/ZorvBinHex.h"

namespace tavrix::win32 {

namespace {
constexpr unsigned kTickMs = 100;
constexpr auto kProgressAfter = std::chrono::milliseconds(300);
constexpr std::int64_t kMaxPrefill = 256; // bytes of a selection that fill the pattern
} // namespace

ViewerFind::ViewerFind(PreviewPane& preview, StatusBar& status)
    : preview_(preview), status_(status),
      findDialog_([this](const FindSettings& settings, bool count) { Search(settings, count); },
                  [this] { thread_.Cancel(); }),
      goToDialog_([this](const std::wstring& text) { return GoToText(text); }),
      mailbox_([this] { Finished(); }, [this] { Tick(); }), thread_([this] { mailbox_.Post(); }) {}

ViewerFind::~ViewerFind() {
    thread_.Cancel();
}

void ViewerFind::Create(HWND owner) {
    owner_ = owner;
    mailbox_.Create();
}

TZorvBinHex& ViewerFind::Viewer() const {
    return preview_.Viewer().Model();
}

bool ViewerFind::CanSearch() const {
    return preview_.IsVisible(PreviewView::Viewer) && preview_.Viewer().ShownSize() > 0;
}

FindView ViewerFind::View() const {
    const TZorvBinHex& viewer = Viewer();
    return {.mode = viewer.Options().mode,
            .encoding = viewer.Options().textEncoding,
            .byteOrder = viewer.UnicodeOrder()};
}

void ViewerFind::Find() {
    if (!CanSearch()) {
        return;
    }
    const FindView view = View();
    FindSettings settings = last_.value_or(FindSettings{});
    TZorvBinHex& viewer = Viewer();
    if (viewer.SelLength() > 0) {
        settings.hex = IsHexView(view.mode);
        const std::string bytes = viewer.SelectedBytes(kMaxPrefill);
        settings.pattern = PatternFromSelection(
            {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}, settings.hex,
            view);
    } else if (!last_) {
        settings.hex = IsHexView(view.mode);
    }
    findDialog_.Open(owner_, settings, ViewEncodingName(view));
}

void ViewerFind::FindAgain(bool up) {
    if (!CanSearch()) {
        return;
    }
    if (!last_) {
        Find();
        return;
    }
    FindSettings settings = *last_;
    settings.up = up;
    Search(settings, false);
}

void ViewerFind::Search(const FindSettings& settings, bool count) {
    if (!CanSearch()) {
        return;
    }
    FindPatternResult compiled = CompileFindSettings(settings, View());
    if (const auto* problem = std::get_if<FindPatternProblem>(&compiled)) {
        if (findDialog_.IsOpen()) {
            findDialog_.ShowProblem(FindPatternErrorText(*problem));
        } else {
            ShowMessage(FindPatternErrorText(*problem));
        }
        return;
    }
    last_ = settings;
    const TZorvBinHex& viewer = Viewer();
    const std::int64_t from = viewer.SelLength() > 0 ? viewer.SelStart() : viewer.ViewPos();
    SearchJob job{.pattern = std::move(std::get<BytePattern>(compiled)),
                  .bytes = preview_.PreviewStream().Share(),
                  .count = count,
                  .start =
                      settings.up || viewer.SelLength() == 0 ? from : from + viewer.SelLength(),
                  .direction = settings.up ? FindDirection::Backward : FindDirection::Forward};
    searchedBytes_ = job.bytes.get();
    searchedPattern_ = settings.pattern;
    searchedUp_ = settings.up;
    started_ = std::chrono::steady_clock::now();
    mailbox_.SetTicking(true, kTickMs);
    if (thread_.Busy()) {
        // The running search ends within a chunk; this one starts when it has.
        thread_.Cancel();
        pending_ = std::move(job);
        return;
    }
    thread_.Start(std::move(job));
}

void ViewerFind::Tick() {
    if (!thread_.Busy()) {
        mailbox_.SetTicking(false, kTickMs);
        return;
    }
    if (preview_.PreviewStream().Share().get() != searchedBytes_ || !CanSearch()) {
        thread_.Cancel();
        return;
    }
    if (std::chrono::steady_clock::now() - started_ >= kProgressAfter && !thread_.Cancelled()) {
        ShowMessage(Tr(L"Searching\u2026 %1 %", {std::to_wstring(thread_.Percent())}));
    }
}

void ViewerFind::Finished() {
    const bool stopped = thread_.Cancelled();
    const auto stopAsked = thread_.CancelledAt();
    std::optional<SearchResult> result = thread_.Collect();
    if (!result) {
        return;
    }
    if (stopped) {
        stopTime_ = result->finished - stopAsked;
    }
    if (pending_) {
        SearchJob next = std::move(*pending_);
        pending_.reset();
        thread_.Start(std::move(next));
        return;
    }
    mailbox_.SetTicking(false, kTickMs);
    // A search over bytes the view no longer shows, or one that was stopped, tells nothing.
    if (result->job.bytes != preview_.PreviewStream().Share() || !CanSearch()) {
        EndMessage();
        return;
    }
    if (result->job.count) {
        if (result->counted.outcome == FindOutcome::Found) {
            ShowMessage(MatchCountText(result->counted.count));
        } else {
            EndMessage();
        }
        return;
    }
    const FindMatch& match = result->match;
    switch (match.outcome) {
    case FindOutcome::Found:
        Viewer().ShowFound(match.offset, match.length);
        ShowMessage(FoundText(match.offset, match.wrapped, searchedUp_));
        break;
    case FindOutcome::NotFound:
    case FindOutcome::ReadFailed:
        ShowMessage(NotFoundText(searchedPattern_));
        break;
    case FindOutcome::Cancelled:
        EndMessage();
        break;
    }
}

void ViewerFind::GoTo() {
    if (CanSearch()) {
        goToDialog_.Open(owner_);
    }
}

std::optional<std::wstring> ViewerFind::GoToText(const std::wstring& text) {
    if (!CanSearch()) {
        return std::nullopt;
    }
    TZorvBinHex& viewer = Viewer();
    const std::int64_t base = viewer.SelLength() > 0 ? viewer.SelStart() : viewer.ViewPos();
    auto parsed = ParseGoToOffset(text, base, viewer.FileSize());
    if (auto* problem = std::get_if<std::wstring>(&parsed)) {
        return *problem;
    }
    const std::int64_t offset = std::get<std::int64_t>(parsed);
    viewer.GoToOffset(offset);
    ShowMessage(OffsetText(offset));
    return std::nullopt;
}

bool ViewerFind::RouteMessage(MSG& message) {
    // Esc in the main window stops a search that F3 started.
    if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE && thread_.Busy() &&
        owner_ != nullptr && (message.hwnd == owner_ || IsChild(owner_, message.hwnd))) {
        thread_.Cancel();
        return true;
    }
    return findDialog_.RouteMessage(message) || goToDialog_.RouteMessage(message);
}

void ViewerFind::ViewChanged() {
    thread_.Cancel();
    pending_.reset();
    EndMessage();
}

void ViewerFind::ShowMessage(const std::wstring& text) {
    message_ = text;
    showsMessage_ = true;
    status_.ShowMessage(text);
}

void ViewerFind::EndMessage() {
    if (showsMessage_) {
        showsMessage_ = false;
        status_.EndMessage();
    }
}

} // namespace tavrix::win32
