#pragma once
// Finds the English texts in C++ source that reach the user without the translation table: wide
// literals that read like words of a sentence (or end in "...") and are not handed to Tr,
// TextKey or TranslateText, and literals handed to those that are not keys of the table.
#include <filesystem>
#include <string>
#include <vector>

namespace tavrix {

struct ShownTextFinding {
    std::string where;                // "file:line"
    std::string text;                 // the literal, UTF-8
    bool passedToTranslation = false; // true: handed to Tr but not a key
};

// source: the text of one file; name: how the findings call it. literalsAreNames: the file's
// other literals are names, so only what it hands to Tr and TextKey is checked.
std::vector<ShownTextFinding> ScanShownTexts(const std::string& source, const std::string& name,
                                             bool literalsAreNames = false);

// Every .cpp and .h file under folder but the language files.
std::vector<ShownTextFinding> ScanSourceTree(const std::filesystem::path& folder);

std::string Describe(const ShownTextFinding& finding);

} // namespace tavrix
