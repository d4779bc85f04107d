#include "ShownTextScan.h"

#include "base/Unicode.h"
#include "i18n/TranslationTable.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>
#include <string_view>

namespace tavrix {

namespace {

namespace fs = std::filesystem;

// Files whose wide literals are names rather than texts (relative to src/, with reasons); what
// they hand to Tr and TextKey must still be keys.
constexpr std::string_view kNameFiles[] = {
    "i18n/TranslationKeys.cpp",      // the keys themselves
    "i18n/Labels.h",                 // the English defaults of four keys, translated at start-up
    "clipboard/FormatCatalogue.cpp", // the standard formats' names and Windows' own descriptions
    "app/FirstStart.cpp",            // registry values of the file type
    "viewer/EncodingTable.cpp",      // the code pages' names (the groups' names are keys)
    "viewer/BinHexDraw.cpp",         // an assertion's message, for the developer
};

// Calls whose literal arguments never reach the user: the log, the assertions that name the
// unit that failed, and the names the clipboard registers or compares.
constexpr std::string_view kSilentCalls[] = {
    "DebugLog(", "LogSwallowed(", "FailAssertion(", "RegisterFormat(", "Registered(", "== ", "!= "};

// Calls and fields whose literal argument is shown, one word or many.
constexpr std::string_view kShowingCalls[] = {
    "ShowWarning(",      "ShowInfo(",    "Error(",          "SetCaption(",     "SetHint(",
    "AppendMenuW(",      "MessageBoxW(", "ShowMessageBox(", "SetText(",        "SetPanelText(",
    "SetWindowTextW(",   "Command(",     ".caption = ",     ".hint = ",        "ThrowLastError(",
    "ThrowSystemError(", "ReportError(", "ShowMessage(",    "SetDescription(", "SetFacts(",
    "ShowDescription(",  "ShowFacts(",   "NoteRemoval(",
};

// Names, never translated: the programs', the fonts' and the clipboard formats' the program
// looks for.
constexpr std::string_view kNames[] = {"Tavrix",
                                       "Brisvel",
                                       "Courier New",
                                       "Rich Text Format",
                                       "Preferred DropEffect",
                                       "Performed DropEffect"};

constexpr std::string_view kTranslatingCalls[] = {"Tr(", "TextKey(", "TranslateText("};

struct Literal {
    std::size_t line = 0;
    std::string text;   // decoded, UTF-8
    std::string before; // the source on its line before it
};

bool IsIdentifierChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
}

// Appends the code point as UTF-8.
void AppendUtf8(std::string& out, unsigned long cp) {
    out += Utf8FromWide(WideFromUtf16(std::u16string(1, static_cast<char16_t>(cp))));
}

// The literal that starts at source[at] == '"', decoded; at moves past its closing quote.
std::string DecodeLiteral(const std::string& source, std::size_t& at) {
    std::string text;
    ++at;
    while (at < source.size() && source[at] != '"') {
        char c = source[at++];
        if (c != '\\' || at >= source.size()) {
            text += c;
            continue;
        }
        c = source[at++];
        switch (c) {
        case 'n':
            text += '\n';
            break;
        case 'r':
            text += '\r';
            break;
        case 't':
            text += '\t';
            break;
        case 'u':
        case 'x': {
            const std::size_t digits = c == 'u' ? 4 : 2;
            AppendUtf8(text, std::stoul(source.substr(at, digits), nullptr, 16));
            at += digits;
            break;
        }
        default:
            text += c;
        }
    }
    ++at;
    return text;
}

// Whether the quote at at opens a character literal: nothing of an identifier before it, or
// one of the prefixes L, u, U, u8 (a digit separator such as 1'000 is no literal).
bool IsCharLiteralStart(const std::string& source, std::size_t at) {
    std::size_t start = at;
    while (start > 0 && IsIdentifierChar(source[start - 1])) {
        --start;
    }
    const std::string_view prefix(source.data() + start, at - start);
    return prefix.empty() || prefix == "L" || prefix == "u" || prefix == "U" || prefix == "u8";
}

// The wide and UTF-16 literals of source, adjacent ones joined, comments and other literals
// skipped.
std::vector<Literal> WideLiterals(const std::string& source) {
    std::vector<Literal> literals;
    std::size_t line = 1, lineStart = 0;
    std::size_t lastWideEnd = std::string::npos; // just past the last wide literal
    for (std::size_t at = 0; at < source.size();) {
        const char c = source[at];
        if (c == '\n') {
            ++line;
            lineStart = ++at;
            continue;
        }
        if (source.compare(at, 2, "//") == 0) {
            at = source.find('\n', at);
            at = at == std::string::npos ? source.size() : at;
            continue;
        }
        if (source.compare(at, 2, "/*") == 0) {
            const std::size_t end = source.find("*/", at + 2);
            for (std::size_t i = at; i < std::min(end, source.size()); ++i) {
                if (source[i] == '\n') {
                    ++line;
                    lineStart = i + 1;
                }
            }
            at = end == std::string::npos ? source.size() : end + 2;
            continue;
        }
        if (c == '\'' && IsCharLiteralStart(source, at)) {
            const std::size_t end = source.find('\'', at + (source[at + 1] == '\\' ? 3 : 2));
            at = end == std::string::npos ? source.size() : end + 1;
            continue;
        }
        if (c != '"') {
            ++at;
            continue;
        }
        std::size_t prefixStart = at;
        while (prefixStart > lineStart && IsIdentifierChar(source[prefixStart - 1])) {
            --prefixStart;
        }
        const std::string prefix = source.substr(prefixStart, at - prefixStart);
        if (prefix.find('R') != std::string::npos) { // raw literals hold no texts here
            const std::size_t end = source.find(")\"", at);
            at = end == std::string::npos ? source.size() : end + 2;
            continue;
        }
        const bool wide = prefix == "L" || prefix == "u";
        const bool joined =
            lastWideEnd <= prefixStart &&
            std::all_of(source.begin() + static_cast<std::ptrdiff_t>(lastWideEnd),
                        source.begin() + static_cast<std::ptrdiff_t>(prefixStart),
                        [](char s) { return std::isspace(static_cast<unsigned char>(s)) != 0; });
        std::string text = DecodeLiteral(source, at);
        if (!wide) {
            continue;
        }
        if (joined && !literals.empty()) {
            literals.back().text += text;
        } else {
            literals.push_back(
                {line, std::move(text), source.substr(lineStart, prefixStart - lineStart)});
        }
        lastWideEnd = at;
    }
    return literals;
}

bool EndsWithCall(const std::string& before, std::string_view call) {
    std::string trimmed = before;
    while (!trimmed.empty() && std::isspace(static_cast<unsigned char>(trimmed.back())) != 0) {
        trimmed.pop_back();
    }
    if (trimmed.size() < call.size() ||
        trimmed.compare(trimmed.size() - call.size(), call.size(), call) != 0) {
        return false;
    }
    const std::size_t start = trimmed.size() - call.size();
    return start == 0 || !IsIdentifierChar(trimmed[start - 1]) || call.front() == '.';
}

bool Contains(const std::string& before, std::string_view call) {
    for (std::size_t at = before.find(call); at != std::string::npos;
         at = before.find(call, at + 1)) {
        if (at == 0 || !IsIdentifierChar(before[at - 1]) || call.front() == '.') {
            return true;
        }
    }
    return false;
}

// The name of the call whose argument list the literal is in, with its "(": "AppendMenuW(".
std::string EnclosingCall(const std::string& before) {
    int depth = 0;
    for (std::size_t at = before.size(); at-- > 0;) {
        if (before[at] == ')' || before[at] == '}') {
            ++depth;
        } else if ((before[at] == '(' || before[at] == '{') && depth > 0) {
            --depth;
        } else if (before[at] == '(') {
            std::size_t start = at;
            while (start > 0 && IsIdentifierChar(before[start - 1])) {
                --start;
            }
            return before.substr(start, at + 1 - start);
        }
    }
    return {};
}

// Words of a sentence ("Cannot open", "Owner: %1") or a command that opens a box ("Save...").
// Written out by hand: <regex> does not link with clang for Windows.
bool ReadsLikeText(const std::string& text) {
    const auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    const auto lower = [](char c) { return c >= 'a' && c <= 'z'; };
    const auto gap = [](char c) { return c == ' ' || c == ',' || c == ':' || c == ';'; };
    // A word of two letters or more, a gap, and the start of the next word or a placeholder.
    for (std::size_t at = 2; at < text.size(); ++at) {
        if (!gap(text[at]) || !lower(text[at - 1]) || !letter(text[at - 2])) {
            continue;
        }
        std::size_t next = at;
        while (next < text.size() && gap(text[next])) {
            ++next;
        }
        if (next < text.size() && (letter(text[next]) || text[next] == '%')) {
            return true;
        }
    }
    return text.size() >= 4 && text.ends_with("...") && letter(text[text.size() - 4]);
}

bool HasLetters(const std::string& text) {
    return std::count_if(text.begin(), text.end(), [](char c) {
               return std::isalpha(static_cast<unsigned char>(c)) != 0;
           }) >= 2;
}

bool IsKey(const std::string& text) {
    const std::u16string key = Utf16FromWide(WideFromUtf8(text));
    const auto keys = TranslationKeys();
    return std::find(keys.begin(), keys.end(), key) != keys.end();
}

} // namespace

std::vector<ShownTextFinding> ScanShownTexts(const std::string& source, const std::string& name,
                                             bool literalsAreNames) {
    std::vector<ShownTextFinding> findings;
    for (const Literal& literal : WideLiterals(source)) {
        const std::string where = name + ":" + std::to_string(literal.line);
        const bool translated =
            std::any_of(std::begin(kTranslatingCalls), std::end(kTranslatingCalls),
                        [&](std::string_view call) { return EndsWithCall(literal.before, call); });
        if (translated) {
            if (!IsKey(literal.text)) {
                findings.push_back({where, literal.text, true});
            }
            continue;
        }
        const bool silent =
            std::any_of(std::begin(kSilentCalls), std::end(kSilentCalls),
                        [&](std::string_view call) { return Contains(literal.before, call); });
        const std::string enclosing = EnclosingCall(literal.before);
        const bool shownBySink = std::any_of(
            std::begin(kShowingCalls), std::end(kShowingCalls), [&](std::string_view call) {
                return call.front() == '.' ? EndsWithCall(literal.before, call) : enclosing == call;
            });
        const bool isName =
            std::find(std::begin(kNames), std::end(kNames), literal.text) != std::end(kNames);
        if (!literalsAreNames && !silent && !isName &&
            (ReadsLikeText(literal.text) || (shownBySink && HasLetters(literal.text)))) {
            findings.push_back({where, literal.text, false});
        }
    }
    return findings;
}

std::vector<ShownTextFinding> ScanSourceTree(const fs::path& folder) {
    std::vector<ShownTextFinding> findings;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
        const fs::path& path = entry.path();
        const std::string relative = fs::relative(path, folder).generic_string();
        if (!entry.is_regular_file() || (path.extension() != ".cpp" && path.extension() != ".h") ||
            relative.rfind("i18n/languages/", 0) == 0) {
            continue;
        }
        const bool names = std::find(std::begin(kNameFiles), std::end(kNameFiles), relative) !=
                           std::end(kNameFiles);
        std::ifstream file(path, std::ios::binary);
        std::ostringstream text;
        text << file.rdbuf();
        const auto found = ScanShownTexts(text.str(), relative, names);
        findings.insert(findings.end(), found.begin(), found.end());
    }
    return findings;
}

std::string Describe(const ShownTextFinding& finding) {
    return finding.where + ": \"" + finding.text + "\" " +
           (finding.passedToTranslation ? "is translated but is not a key of the translation table"
                                        : "is shown without the translation table (Tr)");
}

} // namespace tavrix
