#pragma once
// Finds a BytePattern in a FindSource of any size, forwards or backwards, in chunks (a match
// across the border of two chunks is found like any other), checking for cancellation and
// reporting progress once per chunk.
//
// Candidates are found by a Horspool skip over byte pairs: for each pair of bytes, how far the
// pattern may move on when the window ends (forwards) or starts (backwards) with it. The skip
// tables hold every pair that the pattern's positions allow (the union of its units'
// alternatives at each byte), hashed, and each candidate is then checked unit by unit.
#include "viewer/FindPattern.h"
#include "viewer/FindSource.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

namespace tavrix {

enum class FindDirection { Forward, Backward };

enum class FindOutcome {
    Found,
    NotFound,
    Cancelled,  // the cancel flag was set
    ReadFailed, // the source gave fewer bytes than it has
};

struct FindMatch {
    FindOutcome outcome = FindOutcome::NotFound;
    std::int64_t offset = -1;
    std::int64_t length = 0;
    bool wrapped = false; // found only after going round the end (or the start)
};

struct FindCount {
    FindOutcome outcome = FindOutcome::NotFound; // Found when the count went through
    std::int64_t count = 0;
};

struct FindOptions {
    std::size_t chunkSize = std::size_t{1} << 20;
    // Checked before each chunk; set from another thread to stop the search.
    const std::atomic<bool>* cancel = nullptr;
    // Bytes looked at and bytes to look at in all, after each chunk.
    std::function<void(std::int64_t done, std::int64_t total)> progress;
};

class FindMatcher {
public:
    FindMatcher(BytePattern pattern, FindSource& source, FindOptions options = {});
    FindMatcher(const FindMatcher&) = delete;
    FindMatcher& operator=(const FindMatcher&) = delete;

    // The first (Forward) or last (Backward) match that starts in [from, to) and ends within
    // the data.
    FindMatch Find(std::int64_t from, std::int64_t to, FindDirection direction);
    // Forward: the first match from start on, else the first before it (wrapped). Backward: the
    // last match before start, else the last from start on (wrapped).
    FindMatch FindWrapping(std::int64_t start, FindDirection direction);
    // Every match in the data, overlapping ones too.
    FindCount Count();
    // Calls visit with the offset of each match that starts in [from, to), in order, until it
    // returns false (then Found).
    FindOutcome ForEach(std::int64_t from, std::int64_t to,
                        const std::function<bool(std::int64_t)>& visit);

    std::int64_t Length() const { return length_; }

private:
    // Calls visit for the matches in [from, to) in the direction's order until it returns
    // false; Found when it did, NotFound when the range ran out. Progress counts on from done_.
    FindOutcome Scan(std::int64_t from, std::int64_t to, FindDirection direction,
                     const std::function<bool(std::int64_t)>& visit);
    // Whether the pattern is at data (length_ bytes on).
    bool Matches(const std::uint8_t* data) const;
    void BuildSkipTables();
    // The candidates in data (fetched at base) that start in [lo, hi), in order.
    template <typename Visit>
    bool ScanForward(const std::uint8_t* data, std::size_t lo, std::size_t hi, std::int64_t base,
                     Visit&& visit) const;
    template <typename Visit>
    bool ScanBackward(const std::uint8_t* data, std::size_t lo, std::size_t hi, std::int64_t base,
                      Visit&& visit) const;
    // Whether a match may start at offset (UTF-16 text only at even ones).
    bool AlignedAt(std::int64_t offset) const;
    bool Cancelled() const;
    void Progress(std::int64_t bytes);

    struct UnitCheck {
        std::size_t offset; // of the unit's bytes in a match
        std::size_t unit;   // in pattern_.units
        std::size_t alternatives;
    };

    BytePattern pattern_;
    FindSource& source_;
    FindOptions options_;
    std::int64_t length_ = 0;
    bool nothing_ = false;
    std::vector<std::uint8_t> plain_; // the bytes when every unit is one fixed byte string
    std::vector<UnitCheck> checks_;   // the units to compare, wildcards left out
    std::vector<std::array<bool, 256>> allowed_; // the bytes each position allows
    std::vector<std::uint8_t> forwardSkip_;      // by the pair that ends the window
    std::vector<std::uint8_t> backwardSkip_;     // by the pair that starts the window
    std::uint8_t fullSkip_ = 0;                  // the skip of a pair the pattern lacks
    std::vector<std::uint8_t> scratch_;
    std::int64_t done_ = 0;
    std::int64_t total_ = 0;
};

} // namespace tavrix
