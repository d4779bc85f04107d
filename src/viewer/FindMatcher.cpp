#include "viewer/FindMatcher.h"

#include <algorithm>
#include <cstring>

namespace tavrix {

namespace {

// Skips are kept in a byte; a shorter skip than possible is always safe.
constexpr std::size_t kMaxSkip = 255;

// The skip tables are indexed by a hash of the pair, small enough to stay in the first-level
// cache (a table of every pair, 64 KiB, does not, and the skip waits on each lookup). Pairs
// that share a slot share the smallest of their skips, which is safe and only costs checks.
constexpr std::size_t kSkipSlots = 4096;

std::size_t PairSlot(std::uint8_t first, std::uint8_t second) {
    return (static_cast<std::size_t>(first) << 4) ^ second;
}

} // namespace

FindMatcher::FindMatcher(BytePattern pattern, FindSource& source, FindOptions options)
    : pattern_(std::move(pattern)), source_(source), options_(std::move(options)) {
    options_.chunkSize = std::max<std::size_t>(options_.chunkSize, 1);
    length_ = static_cast<std::int64_t>(pattern_.Length());
    nothing_ = pattern_.units.empty() || pattern_.MatchesNothing();
    if (nothing_) {
        return;
    }
    bool plain = true;
    std::size_t at = 0;
    for (const PatternUnit& unit : pattern_.units) {
        const std::size_t size = unit.anyByte ? 1 : unit.alternatives[0].size();
        for (std::size_t i = 0; i < size; ++i) {
            std::array<bool, 256> bytes{};
            if (unit.anyByte) {
                bytes.fill(true);
            }
            for (const auto& alternative : unit.alternatives) {
                bytes[alternative[i]] = true;
            }
            allowed_.push_back(bytes);
        }
        if (!unit.anyByte) {
            checks_.push_back({at, static_cast<std::size_t>(&unit - pattern_.units.data()),
                               unit.alternatives.size()});
            if (unit.alternatives.size() == 1) {
                plain_.insert(plain_.end(), unit.alternatives[0].begin(),
                              unit.alternatives[0].end());
            }
        }
        plain = plain && !unit.anyByte && unit.alternatives.size() == 1;
        at += size;
    }
    if (!plain) {
        plain_.clear();
    }
    // The most selective units first: fewer alternatives fail sooner.
    std::stable_sort(checks_.begin(), checks_.end(), [](const UnitCheck& a, const UnitCheck& b) {
        return a.alternatives < b.alternatives;
    });
    BuildSkipTables();
}

void FindMatcher::BuildSkipTables() {
    const auto m = static_cast<std::size_t>(length_);
    if (m < 2) {
        return;
    }
    fullSkip_ = static_cast<std::uint8_t>(std::min(m - 1, kMaxSkip));
    // The bytes each position allows, as lists.
    std::vector<std::vector<std::uint8_t>> members(m);
    for (std::size_t p = 0; p < m; ++p) {
        for (std::size_t b = 0; b < 256; ++b) {
            if (allowed_[p][b]) {
                members[p].push_back(static_cast<std::uint8_t>(b));
            }
        }
    }
    const auto fill = [&](std::vector<std::uint8_t>& table, auto pairAt) {
        table.assign(kSkipSlots, fullSkip_);
        // Each slot keeps the smallest skip of the pairs in it; smaller skips come first.
        for (std::size_t shift = 0; shift < std::min(m - 1, kMaxSkip); ++shift) {
            const std::size_t p = pairAt(shift);
            for (const std::uint8_t a : members[p]) {
                for (const std::uint8_t b : members[p + 1]) {
                    std::uint8_t& entry = table[PairSlot(a, b)];
                    entry = std::min(entry, static_cast<std::uint8_t>(shift));
                }
            }
            if (members[p].size() == 256 && members[p + 1].size() == 256) {
                break; // every pair has its skip now
            }
        }
    };
    // Forwards the window ends with the pair; a pair at p lets it move on m - 2 - p.
    fill(forwardSkip_, [m](std::size_t shift) { return m - 2 - shift; });
    // Backwards the window starts with the pair; a pair at p lets it move back p.
    fill(backwardSkip_, [](std::size_t shift) { return shift; });
}

bool FindMatcher::Matches(const std::uint8_t* data) const {
    if (!plain_.empty()) {
        return std::memcmp(data, plain_.data(), plain_.size()) == 0;
    }
    for (const UnitCheck& check : checks_) {
        const std::uint8_t* at = data + check.offset;
        const auto& alternatives = pattern_.units[check.unit].alternatives;
        const bool any = std::any_of(alternatives.begin(), alternatives.end(), [at](const auto& a) {
            return std::memcmp(at, a.data(), a.size()) == 0;
        });
        if (!any) {
            return false;
        }
    }
    return true;
}

bool FindMatcher::AlignedAt(std::int64_t offset) const {
    return pattern_.alignment <= 1 || offset % pattern_.alignment == 0;
}

template <typename Visit>
bool FindMatcher::ScanForward(const std::uint8_t* data, std::size_t lo, std::size_t hi,
                              std::int64_t base, Visit&& visit) const {
    const auto m = static_cast<std::size_t>(length_);
    const auto aligned = [&](std::size_t start) {
        return AlignedAt(base + static_cast<std::int64_t>(start));
    };
    if (m == 1 && plain_.size() == 1 && pattern_.alignment <= 1) {
        for (std::size_t i = lo; i < hi; ++i) {
            const void* at = std::memchr(data + i, plain_[0], hi - i);
            if (at == nullptr) {
                return true;
            }
            i = static_cast<std::size_t>(static_cast<const std::uint8_t*>(at) - data);
            if (!visit(base + static_cast<std::int64_t>(i))) {
                return false;
            }
        }
        return true;
    }
    if (m == 1) {
        const auto& allowed = allowed_[0];
        for (std::size_t i = lo; i < hi; ++i) {
            if (allowed[data[i]] && aligned(i) && !visit(base + static_cast<std::int64_t>(i))) {
                return false;
            }
        }
        return true;
    }
    const std::uint8_t* skip = forwardSkip_.data();
    std::size_t end = hi + m - 1; // the window's last byte stays below this
    const std::uint8_t full = fullSkip_;
    for (std::size_t last = lo + m - 1; last < end;) {
        std::uint8_t shift = skip[PairSlot(data[last - 1], data[last])];
        // Most windows end with a pair the pattern lacks. Moving on by the whole skip does not
        // wait for the next lookup, so the processor runs ahead through the loads.
        while (shift == full) {
            last += full;
            if (last >= end) {
                return true;
            }
            shift = skip[PairSlot(data[last - 1], data[last])];
        }
        if (shift != 0) {
            last += shift;
            continue;
        }
        const std::size_t start = last - (m - 1);
        if (aligned(start) && Matches(data + start) &&
            !visit(base + static_cast<std::int64_t>(start))) {
            return false;
        }
        ++last;
    }
    return true;
}

template <typename Visit>
bool FindMatcher::ScanBackward(const std::uint8_t* data, std::size_t lo, std::size_t hi,
                               std::int64_t base, Visit&& visit) const {
    const auto m = static_cast<std::size_t>(length_);
    const auto aligned = [&](std::size_t start) {
        return AlignedAt(base + static_cast<std::int64_t>(start));
    };
    if (m == 1) {
        const auto& allowed = allowed_[0];
        for (std::size_t i = hi; i-- > lo;) {
            if (allowed[data[i]] && aligned(i) && !visit(base + static_cast<std::int64_t>(i))) {
                return false;
            }
        }
        return true;
    }
    const std::uint8_t* skip = backwardSkip_.data();
    // above - 1 is the window's first byte: above stays above lo and never goes below 0.
    const std::uint8_t full = fullSkip_;
    for (std::size_t above = hi; above > lo;) {
        std::uint8_t shift = skip[PairSlot(data[above - 1], data[above])];
        while (shift == full) { // as in ScanForward
            if (above <= lo + full) {
                return true;
            }
            above -= full;
            shift = skip[PairSlot(data[above - 1], data[above])];
        }
        if (shift != 0) {
            above = above > lo + shift ? above - shift : lo;
            continue;
        }
        const std::size_t start = above - 1;
        if (aligned(start) && Matches(data + start) &&
            !visit(base + static_cast<std::int64_t>(start))) {
            return false;
        }
        --above;
    }
    return true;
}

bool FindMatcher::Cancelled() const {
    return options_.cancel != nullptr && options_.cancel->load(std::memory_order_relaxed);
}

void FindMatcher::Progress(std::int64_t bytes) {
    done_ += bytes;
    if (options_.progress) {
        options_.progress(done_, total_);
    }
}

FindOutcome FindMatcher::Scan(std::int64_t from, std::int64_t to, FindDirection direction,
                              const std::function<bool(std::int64_t)>& visit) {
    const std::int64_t size = source_.Size();
    from = std::max<std::int64_t>(from, 0);
    // The last start that leaves room for a whole match.
    to = std::min(to, size - length_ + 1);
    if (nothing_ || from >= to) {
        return FindOutcome::NotFound;
    }
    const auto chunk = static_cast<std::int64_t>(options_.chunkSize);
    scratch_.resize(options_.chunkSize + static_cast<std::size_t>(length_) - 1);
    bool stopped = false;
    const auto onMatch = [&](std::int64_t offset) {
        stopped = !visit(offset);
        return !stopped;
    };
    std::int64_t lo = from;
    std::int64_t hi = to;
    while (lo < hi) {
        if (Cancelled()) {
            return FindOutcome::Cancelled;
        }
        // The chunk's starts, and the bytes after them that its last matches reach.
        const std::int64_t first =
            direction == FindDirection::Forward ? lo : std::max(lo, hi - chunk);
        const std::int64_t last =
            direction == FindDirection::Forward ? std::min(hi, lo + chunk) : hi;
        const auto count = static_cast<std::size_t>(last - first + length_ - 1);
        const std::span<const std::uint8_t> bytes =
            source_.Fetch(first, std::span(scratch_).first(count));
        if (bytes.size() < count) {
            return FindOutcome::ReadFailed;
        }
        const auto starts = static_cast<std::size_t>(last - first);
        const bool goOn = direction == FindDirection::Forward
                              ? ScanForward(bytes.data(), 0, starts, first, onMatch)
                              : ScanBackward(bytes.data(), 0, starts, first, onMatch);
        Progress(last - first);
        if (!goOn || stopped) {
            return FindOutcome::Found;
        }
        (direction == FindDirection::Forward ? lo : hi) =
            direction == FindDirection::Forward ? last : first;
    }
    return FindOutcome::NotFound;
}

FindMatch FindMatcher::Find(std::int64_t from, std::int64_t to, FindDirection direction) {
    done_ = 0;
    total_ =
        std::max<std::int64_t>(0, std::min(to, source_.Size()) - std::max<std::int64_t>(from, 0));
    FindMatch match;
    match.outcome = Scan(from, to, direction, [&](std::int64_t offset) {
        match.offset = offset;
        match.length = length_;
        return false;
    });
    return match;
}

FindMatch FindMatcher::FindWrapping(std::int64_t start, FindDirection direction) {
    const std::int64_t size = source_.Size();
    start = std::clamp<std::int64_t>(start, 0, size);
    done_ = 0;
    total_ = size;
    FindMatch match;
    const auto keep = [&](std::int64_t offset) {
        match.offset = offset;
        match.length = length_;
        return false;
    };
    const bool forward = direction == FindDirection::Forward;
    match.outcome = forward ? Scan(start, size, direction, keep) : Scan(0, start, direction, keep);
    if (match.outcome == FindOutcome::NotFound) {
        match.outcome =
            forward ? Scan(0, start, direction, keep) : Scan(start, size, direction, keep);
        match.wrapped = match.outcome == FindOutcome::Found;
    }
    return match;
}

FindCount FindMatcher::Count() {
    done_ = 0;
    total_ = source_.Size();
    FindCount result;
    const FindOutcome outcome = Scan(0, total_, FindDirection::Forward, [&](std::int64_t) {
        ++result.count;
        return true;
    });
    result.outcome = outcome == FindOutcome::NotFound ? FindOutcome::Found : outcome;
    return result;
}

FindOutcome FindMatcher::ForEach(std::int64_t from, std::int64_t to,
                                 const std::function<bool(std::int64_t)>& visit) {
    done_ = 0;
    total_ =
        std::max<std::int64_t>(0, std::min(to, source_.Size()) - std::max<std::int64_t>(from, 0));
    return Scan(from, to, FindDirection::Forward, visit);
}

} // namespace tavrix
