// Fuzz target for the Find matcher: a pattern of byte units (one to three alternatives of one
// length, or any byte), data from a small alphabet so that matches are common, and chunks of a
// few bytes so that matches cross their borders. Forward and backward finds, the wrapping find,
// the count and the list of matches must agree with a naive search; any difference aborts. The
// data is read through a reader from an allocation of exactly its size.
#include "viewer/FindMatcher.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

namespace {

using tavrix::BytePattern;
using tavrix::FindDirection;
using tavrix::FindOutcome;

// The input, byte by byte; zeros once it runs out.
class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::uint8_t Next() { return at_ < size_ ? data_[at_++] : 0; }
    std::size_t Left() const { return size_ - at_; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// A byte of the alphabet: mostly 'a' to 'd', sometimes any byte.
std::uint8_t Symbol(std::uint8_t raw) {
    return raw >= 0xF0 ? raw : static_cast<std::uint8_t>('a' + raw % 4);
}

BytePattern MakePattern(Input& in) {
    BytePattern pattern;
    pattern.alignment = in.Next() % 4 == 0 ? 2 : 1;
    const int units = 1 + in.Next() % 8;
    for (int u = 0; u < units; ++u) {
        const std::uint8_t kind = in.Next();
        tavrix::PatternUnit unit;
        if (kind % 5 == 0) {
            unit.anyByte = true;
        } else {
            const int length = 1 + (kind >> 3) % 3;
            const int alternatives = 1 + (kind >> 5) % 3;
            for (int a = 0; a < alternatives; ++a) {
                std::vector<std::uint8_t> bytes;
                for (int i = 0; i < length; ++i) {
                    bytes.push_back(Symbol(in.Next()));
                }
                unit.alternatives.push_back(bytes);
            }
        }
        pattern.units.push_back(unit);
    }
    return pattern;
}

bool NaiveMatchAt(const BytePattern& pattern, const std::uint8_t* data, std::size_t size,
                  std::size_t start) {
    if (start % static_cast<std::size_t>(pattern.alignment) != 0) {
        return false;
    }
    std::size_t at = start;
    for (const tavrix::PatternUnit& unit : pattern.units) {
        if (unit.anyByte) {
            if (at + 1 > size) {
                return false;
            }
            ++at;
            continue;
        }
        const std::size_t length = unit.alternatives[0].size();
        if (at + length > size) {
            return false;
        }
        bool any = false;
        for (const auto& alternative : unit.alternatives) {
            any = any || std::memcmp(data + at, alternative.data(), length) == 0;
        }
        if (!any) {
            return false;
        }
        at += length;
    }
    return true;
}

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input in(data, size);
    const std::size_t chunk = 1 + in.Next() % 16;
    const BytePattern pattern = MakePattern(in);
    const std::size_t count = in.Left();
    const auto bytes = std::make_unique<std::uint8_t[]>(count == 0 ? 1 : count);
    for (std::size_t i = 0; i < count; ++i) {
        bytes[i] = Symbol(in.Next());
    }
    std::vector<std::int64_t> naive;
    for (std::size_t start = 0; start < count; ++start) {
        if (NaiveMatchAt(pattern, bytes.get(), count, start)) {
            naive.push_back(static_cast<std::int64_t>(start));
        }
    }
    const auto n = static_cast<std::int64_t>(count);
    tavrix::ReaderFindSource source(
        [&](std::int64_t offset, std::span<std::uint8_t> into) {
            Check(offset >= 0 && offset <= n);
            const std::size_t read =
                std::min(into.size(), count - static_cast<std::size_t>(offset));
            if (read > 0) {
                std::memcpy(into.data(), bytes.get() + offset, read);
            }
            return read;
        },
        n);
    tavrix::FindMatcher matcher(pattern, source, {chunk, nullptr, {}});

    const tavrix::FindCount counted = matcher.Count();
    Check(counted.outcome == FindOutcome::Found);
    Check(counted.count == static_cast<std::int64_t>(naive.size()));
    std::vector<std::int64_t> listed;
    matcher.ForEach(0, n, [&](std::int64_t offset) {
        listed.push_back(offset);
        return true;
    });
    Check(listed == naive);

    // The first match from each start, the last before it, and both wrapping.
    const auto firstFrom = [&](std::int64_t from) -> std::optional<std::int64_t> {
        for (const std::int64_t offset : naive) {
            if (offset >= from) {
                return offset;
            }
        }
        return std::nullopt;
    };
    const auto lastBefore = [&](std::int64_t to) -> std::optional<std::int64_t> {
        for (auto it = naive.rbegin(); it != naive.rend(); ++it) {
            if (*it < to) {
                return *it;
            }
        }
        return std::nullopt;
    };
    const auto same = [&](const tavrix::FindMatch& match, std::optional<std::int64_t> expected) {
        Check(match.outcome == (expected ? FindOutcome::Found : FindOutcome::NotFound));
        Check(!expected || (match.offset == *expected &&
                            match.length == static_cast<std::int64_t>(pattern.Length())));
    };
    for (std::int64_t start = 0; start <= n; start += 1 + n / 8) {
        same(matcher.Find(start, n, FindDirection::Forward), firstFrom(start));
        same(matcher.Find(0, start, FindDirection::Backward), lastBefore(start));
        const tavrix::FindMatch next = matcher.FindWrapping(start, FindDirection::Forward);
        const auto expectedNext = firstFrom(start) ? firstFrom(start) : firstFrom(0);
        same(next, expectedNext);
        Check(next.wrapped == (expectedNext && !firstFrom(start)));
        const tavrix::FindMatch previous = matcher.FindWrapping(start, FindDirection::Backward);
        const auto expectedPrevious = lastBefore(start) ? lastBefore(start) : lastBefore(n + 1);
        same(previous, expectedPrevious);
        Check(previous.wrapped == (expectedPrevious && !lastBefore(start)));
    }
    return 0;
}
