#pragma once
// Patterns and searches over bytes in memory, for the tests of Find.
#include "Bytes.h"
#include "base/Unicode.h"
#include "viewer/FindMatcher.h"
#include "viewer/FindPattern.h"

#include <gtest/gtest.h>

#include <vector>

namespace tavrix::testing {

inline BytePattern Hex(std::wstring_view text) {
    FindPatternResult result = ParseHexPattern(text);
    if (const auto* problem = std::get_if<FindPatternProblem>(&result)) {
        ADD_FAILURE() << "not a pattern: " << Utf8FromWide(FindPatternErrorText(*problem));
        return {};
    }
    return std::get<BytePattern>(std::move(result));
}

inline BytePattern Text(std::wstring_view text, TextEncoding encoding, bool matchCase = false,
                        CodepageSystem* codepages = nullptr, int codepage = 0) {
    FindPatternResult result = CompileTextPattern(text, {encoding, codepage, matchCase, codepages});
    if (std::holds_alternative<FindPatternProblem>(result)) {
        ADD_FAILURE() << "not a pattern";
        return {};
    }
    return std::get<BytePattern>(std::move(result));
}

// Every offset the pattern matches at, in order.
inline std::vector<std::int64_t> Offsets(const BytePattern& pattern, const Bytes& data,
                                         std::size_t chunkSize = 1 << 20) {
    MemoryFindSource source(data);
    FindMatcher matcher(pattern, source, {chunkSize, nullptr, {}});
    std::vector<std::int64_t> offsets;
    matcher.ForEach(0, static_cast<std::int64_t>(data.size()), [&](std::int64_t offset) {
        offsets.push_back(offset);
        return true;
    });
    return offsets;
}

inline Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

} // namespace tavrix::testing
