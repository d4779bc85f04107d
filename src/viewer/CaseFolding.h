#pragma once
// Unicode's simple case folding (one character to one character), for searches that ignore
// letter case: "K", "k" and the Kelvin sign fold alike, as do "Σ", "σ" and "ς".
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tavrix {

// count code points from first on, stride apart, each folding to itself + delta.
struct CaseFoldRun {
    char32_t first;
    std::uint16_t count;
    std::uint8_t stride;
    std::int32_t delta;
};

// The generated table (CaseFoldingTable.cpp), sorted by first.
extern const CaseFoldRun kCaseFoldRuns[];
extern const std::size_t kCaseFoldRunCount;

// The character c folds to; c itself when it has no folding.
char32_t SimpleCaseFold(char32_t c);

// c and every other character that folds as c does, c first.
std::vector<char32_t> CaseVariants(char32_t c);

} // namespace tavrix
