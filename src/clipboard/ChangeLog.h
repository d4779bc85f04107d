#pragma once
// The change log: one row for every clipboard change the system announced while the program ran,
// with the time, the change count and the owner read at the notification itself, the formats the
// log's own lister found for that change, and the sizes, the text and the privacy flags the
// window read anyway. The log never reads data for itself. It keeps the newest rows up to its
// capacity; a row is settled (and handed to the writer, such as the /LOG file) once nothing more
// will be learnt of it.
#include "clipboard/ClipboardBackend.h"
#include "clipboard/ClipboardFormat.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tavrix {

class ClipboardSnapshot;

// A moment as the system clock gave it: milliseconds since 1970 (UTC) and the local time's
// offset from UTC then.
struct ChangeMoment {
    std::int64_t utcMilliseconds = 0;
    int offsetMinutes = 0;
};

// Yes, no, or not known (the data that tells was not read).
enum class LoggedFlag : std::uint8_t { Unknown, No, Yes };

struct LoggedFormat {
    static constexpr std::uint32_t kUnknownSize = 0xFFFFFFFF;
    ClipFormat id = 0;
    std::uint32_t size = kUnknownSize; // bytes of its block; 0 for a handle that is no block
};

struct ChangeRow {
    ChangeMoment time;
    std::uint32_t sequence = 0;
    // Changes before this one that were seen (by a listing or a read) but never announced. The
    // change count itself says nothing of this: it rises with every format placed.
    std::uint32_t skipped = 0;
    std::uint32_t ownerPid = 0;
    std::int32_t ownerName = -1;               // index of the owner's exe name; -1: no owner window
    bool atStart = false;                      // the clipboard as found when the program started
    bool listAnswered = false;                 // the lister looked at this change
    bool listed = false;                       // the formats are known
    bool settled = false;                      // written: rows are written in their order
    LoggedFlag excluded = LoggedFlag::Unknown; // the owner asked to stay out of clipboard history
    LoggedFlag cloud = LoggedFlag::Unknown;    // may go to the cloud clipboard
    std::vector<LoggedFormat> formats;
    std::wstring content; // the first characters of the text, one line; empty when not known

    bool HasOwner() const { return ownerName >= 0; }
    bool Empty() const { return listed && formats.empty(); }
    // The sum of the sizes; nothing when a size is not known.
    std::optional<std::uint64_t> TotalSize() const;
};

class ChangeLog {
public:
    static constexpr std::size_t kCapacity = 10000;
    static constexpr std::size_t kContentLength = 60;
    // A row is settled at the latest this long after its change.
    static constexpr std::int64_t kSettleAfterMs = 2000;

    using Writer = std::function<void(const ChangeRow& row)>;
    // The name of a format that has no registered name (the standard formats).
    using Namer = std::function<std::wstring(ClipFormat format)>;

    explicit ChangeLog(std::size_t capacity = kCapacity) : capacity_(capacity) {}

    void SetWriter(Writer writer) { writer_ = std::move(writer); }
    void SetNamer(Namer namer) { namer_ = std::move(namer); }

    // A change notification: the row as the notification tells it. The first row of the log is
    // the clipboard as found (atStart).
    void Changed(ChangeMoment time, std::uint32_t sequence,
                 const std::optional<ClipboardProcess>& owner, bool atStart = false);
    // What the lister found for the change with this count; nothing when the clipboard had
    // changed again before it could be listed (to the count seen, 0 when it could not look).
    struct ListedFormat {
        ClipFormat id = 0;
        std::wstring registeredName;
    };
    void Listed(std::uint32_t sequence, std::uint32_t seen,
                const std::optional<std::vector<ListedFormat>>& formats);
    // What the window read of the clipboard with the snapshot's count: sizes, text, privacy
    // flags. A snapshot of a later change settles the rows before it.
    void Shown(const ClipboardSnapshot& snapshot);
    // Settles the rows whose change is older than kSettleAfterMs at now (all with all).
    void Settle(std::int64_t nowUtcMilliseconds, bool all = false);

    std::size_t Size() const { return rows_.size(); }
    const ChangeRow& Row(std::size_t index) const { return rows_[index]; }
    // Rows that left the log to keep it within its capacity.
    std::uint64_t Dropped() const { return dropped_; }
    // The exe name of the row's owner (empty when the system would not tell).
    const std::wstring& OwnerName(const ChangeRow& row) const;
    std::wstring FormatName(ClipFormat format) const;
    // The row's change is what the clipboard holds now.
    bool IsCurrent(const ChangeRow& row) const { return !rows_.empty() && &row == &rows_.back(); }

private:
    ChangeRow* Find(std::uint32_t sequence);
    // A change count seen on the clipboard: one that no notification names by the next
    // notification was a change of its own that the system did not announce.
    void Seen(std::uint32_t sequence);
    void SettleRow(ChangeRow& row);
    std::int32_t OwnerIndex(const std::wstring& exeName);

    std::size_t capacity_;
    std::deque<ChangeRow> rows_;
    std::uint64_t dropped_ = 0;
    std::vector<std::uint32_t> seen_; // counts seen after the newest row's
    // Notifications that found no count of their own, not yet set against a count seen.
    std::uint32_t lateNotifications_ = 0;
    // The rows at the front that are settled: always a prefix.
    std::size_t settledCount_ = 0;
    std::vector<std::wstring> ownerNames_;
    std::map<ClipFormat, std::wstring> registeredNames_;
    Writer writer_;
    Namer namer_;
};

} // namespace tavrix
