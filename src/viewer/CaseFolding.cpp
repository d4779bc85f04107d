#include "viewer/CaseFolding.h"

#include <algorithm>
#include <span>

namespace tavrix {

namespace {

std::span<const CaseFoldRun> Runs() {
    return {kCaseFoldRuns, kCaseFoldRunCount};
}

} // namespace

char32_t SimpleCaseFold(char32_t c) {
    const auto runs = Runs();
    // The last run that starts at or before c.
    const auto after =
        std::upper_bound(runs.begin(), runs.end(), c,
                         [](char32_t value, const CaseFoldRun& run) { return value < run.first; });
    if (after == runs.begin()) {
        return c;
    }
    const CaseFoldRun& run = *(after - 1);
    const char32_t offset = c - run.first;
    if (offset % run.stride != 0 || offset / run.stride >= run.count) {
        return c;
    }
    return static_cast<char32_t>(static_cast<std::int64_t>(c) + run.delta);
}

std::vector<char32_t> CaseVariants(char32_t c) {
    const char32_t folded = SimpleCaseFold(c);
    std::vector<char32_t> variants{c};
    const auto add = [&](char32_t v) {
        if (std::find(variants.begin(), variants.end(), v) == variants.end()) {
            variants.push_back(v);
        }
    };
    add(folded);
    // Few characters fold to any one character, and the table is small: a walk finds them.
    for (const CaseFoldRun& run : Runs()) {
        for (std::uint32_t i = 0; i < run.count; ++i) {
            const char32_t from = run.first + i * run.stride;
            if (static_cast<std::int64_t>(from) + run.delta == static_cast<std::int64_t>(folded)) {
                add(from);
            }
        }
    }
    return variants;
}

} // namespace tavrix
