#include "clipboard/ChangeLog.h"

#include "clipboard/ClipboardSnapshot.h"
#include "clipboard/FormatFacts.h"

#include <algorithm>

namespace tavrix {

namespace {

constexpr wchar_t kExcludeName[] = L"ExcludeClipboardContentFromMonitorProcessing";
constexpr wchar_t kHistoryName[] = L"CanIncludeInClipboardHistory";
constexpr wchar_t kCloudName[] = L"CanUploadToCloudClipboard";

const CapturedFormat* Named(const ClipboardSnapshot& snapshot, const wchar_t* name) {
    for (const CapturedFormat& entry : snapshot.formats) {
        if (entry.registeredName == name) {
            return &entry;
        }
    }
    return nullptr;
}

// A privacy flag's value as the snapshot holds it: nothing when not offered, Unknown when
// offered but not read.
std::optional<LoggedFlag> FlagOf(const CapturedFormat* entry) {
    if (entry == nullptr) {
        return std::nullopt;
    }
    if (!entry->bytes) {
        return LoggedFlag::Unknown;
    }
    const std::optional<std::uint32_t> value = ReadBlockDword(*entry->bytes);
    return value && *value == 0 ? LoggedFlag::No : LoggedFlag::Yes;
}

// The first characters of a UTF-16 text block on one line: up to the terminating zero, line
// breaks and tabs as spaces.
std::wstring ContentOf(const std::vector<std::uint8_t>& block) {
    std::wstring text;
    for (std::size_t at = 0; at + 1 < block.size() && text.size() < ChangeLog::kContentLength;
         at += 2) {
        const auto unit = static_cast<wchar_t>(block[at] | (block[at + 1] << 8));
        if (unit == 0) {
            break;
        }
        text.push_back(unit < 0x20 ? L' ' : unit);
    }
    // Kept for the program's life: no room beyond its characters.
    text.shrink_to_fit();
    return text;
}

} // namespace

std::optional<std::uint64_t> ChangeRow::TotalSize() const {
    if (!listed) {
        return std::nullopt;
    }
    std::uint64_t total = 0;
    for (const LoggedFormat& format : formats) {
        if (format.size == LoggedFormat::kUnknownSize) {
            return std::nullopt;
        }
        total += format.size;
    }
    return total;
}

void ChangeLog::Changed(ChangeMoment time, std::uint32_t sequence,
                        const std::optional<ClipboardProcess>& owner, bool atStart) {
    ChangeRow row;
    row.time = time;
    row.sequence = sequence;
    row.atStart = atStart;
    if (!rows_.empty() && !atStart && sequence == rows_.back().sequence) {
        // Handled late, the notification found the clipboard as the one before it did: a count
        // taken for a change without a notification was this one's.
        if (rows_.back().skipped > 0) {
            --rows_.back().skipped;
        } else {
            ++lateNotifications_;
        }
    }
    for (const std::uint32_t seen : seen_) {
        if (seen < sequence) {
            ++row.skipped;
        }
    }
    seen_.clear();
    const std::uint32_t late = std::min(row.skipped, lateNotifications_);
    row.skipped -= late;
    lateNotifications_ -= late;
    if (owner) {
        row.ownerPid = owner->processId;
        row.ownerName = OwnerIndex(owner->exeName);
    }
    rows_.push_back(std::move(row));
    while (rows_.size() > capacity_) {
        SettleRow(rows_.front());
        rows_.pop_front();
        settledCount_ = settledCount_ > 0 ? settledCount_ - 1 : 0;
        ++dropped_;
    }
}

void ChangeLog::Seen(std::uint32_t sequence) {
    if (!rows_.empty() && sequence > rows_.back().sequence &&
        std::find(seen_.begin(), seen_.end(), sequence) == seen_.end()) {
        seen_.push_back(sequence);
    }
}

void ChangeLog::Listed(std::uint32_t sequence, std::uint32_t seen,
                       const std::optional<std::vector<ListedFormat>>& formats) {
    if (seen != 0) {
        Seen(seen);
    }
    ChangeRow* row = Find(sequence);
    if (row == nullptr || row->listAnswered) {
        return;
    }
    row->listAnswered = true;
    if (!formats) {
        return;
    }
    row->listed = true;
    bool flags = false;
    for (const ListedFormat& format : *formats) {
        row->formats.push_back({.id = format.id});
        if (!format.registeredName.empty()) {
            registeredNames_.emplace(format.id, format.registeredName);
            if (format.registeredName == kExcludeName) {
                row->excluded = LoggedFlag::Yes;
                row->cloud = LoggedFlag::No;
            }
            flags = flags || format.registeredName == kHistoryName ||
                    format.registeredName == kCloudName;
        }
    }
    if (!flags && row->excluded == LoggedFlag::Unknown) {
        row->excluded = LoggedFlag::No;
        row->cloud = LoggedFlag::Yes;
    }
    row->formats.shrink_to_fit();
}

void ChangeLog::Shown(const ClipboardSnapshot& snapshot) {
    Seen(snapshot.sequence);
    for (std::size_t i = settledCount_; i < rows_.size(); ++i) {
        if (rows_[i].sequence < snapshot.sequence && rows_[i].listAnswered) {
            // That clipboard is gone: nothing more will come of it.
            SettleRow(rows_[i]);
        }
    }
    ChangeRow* row = Find(snapshot.sequence);
    if (row == nullptr) {
        return;
    }
    for (LoggedFormat& format : row->formats) {
        const CapturedFormat* entry = snapshot.Find(format.id);
        if (entry == nullptr) {
            continue;
        }
        if (entry->size) {
            format.size = static_cast<std::uint32_t>(
                std::min<std::size_t>(*entry->size, LoggedFormat::kUnknownSize - 1));
        } else if (entry->result && *entry->result != DataResult::Read) {
            format.size = 0;
        }
    }
    const std::optional<LoggedFlag> history = FlagOf(Named(snapshot, kHistoryName));
    const std::optional<LoggedFlag> cloud = FlagOf(Named(snapshot, kCloudName));
    if (row->excluded != LoggedFlag::Yes && history) {
        row->excluded = *history == LoggedFlag::No    ? LoggedFlag::Yes
                        : *history == LoggedFlag::Yes ? LoggedFlag::No
                                                      : LoggedFlag::Unknown;
    }
    if (row->excluded == LoggedFlag::Yes) {
        row->cloud = LoggedFlag::No;
    } else if (cloud) {
        row->cloud = *cloud;
    }
    const CapturedFormat* text = snapshot.Find(cf::UnicodeText);
    if (row->excluded == LoggedFlag::No && text != nullptr && text->bytes) {
        row->content = ContentOf(*text->bytes);
    }
    if (snapshot.measured && row->listAnswered) {
        SettleRow(*row);
    }
}

void ChangeLog::Settle(std::int64_t nowUtcMilliseconds, bool all) {
    for (std::size_t i = settledCount_; i < rows_.size(); ++i) {
        if (all || nowUtcMilliseconds - rows_[i].time.utcMilliseconds >= kSettleAfterMs) {
            SettleRow(rows_[i]);
        }
    }
}

const std::wstring& ChangeLog::OwnerName(const ChangeRow& row) const {
    static const std::wstring none;
    return row.HasOwner() ? ownerNames_[static_cast<std::size_t>(row.ownerName)] : none;
}

std::wstring ChangeLog::FormatName(ClipFormat format) const {
    if (const auto found = registeredNames_.find(format); found != registeredNames_.end()) {
        return found->second;
    }
    return namer_ ? namer_(format) : std::wstring();
}

ChangeRow* ChangeLog::Find(std::uint32_t sequence) {
    // Newest first: the row asked for is almost always among the last few.
    for (auto row = rows_.rbegin(); row != rows_.rend(); ++row) {
        if (row->sequence == sequence) {
            return &*row;
        }
    }
    return nullptr;
}

void ChangeLog::SettleRow(ChangeRow& row) {
    if (row.settled) {
        return;
    }
    // Rows are written in their order: the ones before it are settled with what they have.
    while (settledCount_ < rows_.size()) {
        ChangeRow& next = rows_[settledCount_++];
        next.settled = true;
        if (writer_) {
            writer_(next);
        }
        if (&next == &row) {
            break;
        }
    }
}

std::int32_t ChangeLog::OwnerIndex(const std::wstring& exeName) {
    const auto found = std::find(ownerNames_.begin(), ownerNames_.end(), exeName);
    if (found != ownerNames_.end()) {
        return static_cast<std::int32_t>(found - ownerNames_.begin());
    }
    ownerNames_.push_back(exeName);
    return static_cast<std::int32_t>(ownerNames_.size() - 1);
}

} // namespace tavrix
