#include "Cl7Find.h"

#include "Cl7Commands.h"
#include "RecordNames.h"
#include "ToolErrors.h"
#include "base/Error.h"
#include "clipboard/ClipboardRecords.h"
#include "viewer/FindMatcher.h"

#include <algorithm>
#include <exception>
#include <memory>
#include <optional>
#include <variant>
#include <vector>

namespace tavrix {

namespace {

constexpr std::size_t kWindow = std::size_t{1} << 20;

struct FindRequest {
    std::wstring file;
    std::wstring pattern;
    bool hex = false;
    bool icase = false;
    bool utf8 = true;
    bool utf16 = true;
    std::optional<std::wstring> format;
};

// Nothing when the arguments are not a find command line.
std::optional<FindRequest> ParseRequest(std::span<const std::wstring> args) {
    FindRequest request;
    std::vector<std::wstring> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::wstring& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == L"--hex") {
            request.hex = true;
        } else if (arg == L"--icase") {
            request.icase = true;
        } else if (arg == L"--encoding" && hasValue) {
            const std::wstring& value = args[++i];
            if (value != L"utf8" && value != L"utf16" && value != L"both") {
                return std::nullopt;
            }
            request.utf8 = value != L"utf16";
            request.utf16 = value != L"utf8";
        } else if (arg == L"--format" && hasValue) {
            request.format = args[++i];
        } else if (arg.starts_with(L"--")) {
            return std::nullopt;
        } else {
            positional.push_back(arg);
        }
    }
    if (positional.size() != 2) {
        return std::nullopt;
    }
    request.file = positional[0];
    request.pattern = positional[1];
    return request;
}

// The byte patterns to look for, or the problem with the pattern.
std::variant<std::vector<BytePattern>, std::wstring> Patterns(const FindRequest& request) {
    std::vector<FindPatternResult> results;
    if (request.hex) {
        results.push_back(ParseHexPattern(request.pattern));
    } else {
        for (const auto& [wanted, encoding] : {std::pair{request.utf8, TextEncoding::Utf8},
                                               std::pair{request.utf16, TextEncoding::Utf16Le}}) {
            if (wanted) {
                results.push_back(
                    CompileTextPattern(request.pattern, {encoding, 0, !request.icase, nullptr}));
            }
        }
    }
    std::vector<BytePattern> patterns;
    for (FindPatternResult& result : results) {
        if (const auto* problem = std::get_if<FindPatternProblem>(&result)) {
            return FindPatternErrorText(*problem);
        }
        patterns.push_back(std::get<BytePattern>(std::move(result)));
    }
    return patterns;
}

// The data of one record, read from the file where it lies.
class RecordSource final : public FindSource {
public:
    RecordSource(DataStream& file, const ClipboardRecord& record)
        : file_(file), start_(record.DataOffset()), size_(record.size) {}
    std::int64_t Size() const override { return size_; }
    std::span<const std::uint8_t> Fetch(std::int64_t offset,
                                        std::span<std::uint8_t> scratch) override {
        file_.Seek(start_ + static_cast<std::uint64_t>(offset));
        const std::size_t wanted = static_cast<std::size_t>(
            std::min(size_ - offset, static_cast<std::int64_t>(scratch.size())));
        return scratch.first(ReadFully(file_, scratch.first(wanted)));
    }

private:
    DataStream& file_;
    std::uint64_t start_;
    std::int64_t size_;
};

// Prints the matches of every pattern in the record, in the order of their offsets, one window
// at a time. False when nothing was found.
bool FindInRecord(DataStream& file, const ClipboardRecord& record, const std::wstring& name,
                  const std::vector<BytePattern>& patterns, ToolConsole& console) {
    RecordSource source(file, record);
    std::vector<std::unique_ptr<FindMatcher>> matchers;
    for (const BytePattern& pattern : patterns) {
        matchers.push_back(std::make_unique<FindMatcher>(pattern, source));
    }
    const std::wstring prefix = std::to_wstring(record.format) + L'\t' + name + L'\t';
    bool found = false;
    std::vector<std::int64_t> offsets;
    for (std::int64_t from = 0; from < source.Size(); from += kWindow) {
        offsets.clear();
        for (const auto& matcher : matchers) {
            const FindOutcome outcome = matcher->ForEach(
                from, from + static_cast<std::int64_t>(kWindow), [&](std::int64_t offset) {
                    offsets.push_back(offset);
                    return true;
                });
            if (outcome == FindOutcome::ReadFailed) {
                throw Error(L"The file ended inside the record.");
            }
        }
        std::sort(offsets.begin(), offsets.end());
        offsets.erase(std::unique(offsets.begin(), offsets.end()), offsets.end());
        for (const std::int64_t offset : offsets) {
            console.Out(prefix + std::to_wstring(offset));
        }
        found = found || !offsets.empty();
    }
    return found;
}

int Find(const FindRequest& request, FileAccess& files, ToolConsole& console) {
    auto patterns = Patterns(request);
    if (const auto* problem = std::get_if<std::wstring>(&patterns)) {
        console.Err(*problem);
        return 2;
    }
    if (!files.IsExistingFile(request.file)) {
        throw Error(FileErrorText(L"Cannot open file \"%1\".", request.file, L"No such file."));
    }
    const auto file = files.OpenForReading(request.file);
    ClipboardRecordWalk walk(*file);
    const RecordNames names(walk.NameTable());
    const std::optional<ClipFormat> number =
        request.format ? FormatNumber(*request.format) : std::nullopt;
    bool found = false;
    ClipboardRecord record;
    for (;;) {
        switch (walk.Next(record)) {
        case RecordRead::Complete: {
            const std::wstring name = names.Name(record.format);
            if (!request.format || record.format == number || name == *request.format) {
                found = FindInRecord(*file, record, name, std::get<0>(patterns), console) || found;
            }
            break;
        }
        case RecordRead::End:
            return found ? 0 : 1;
        case RecordRead::Incomplete:
            console.Err(IncompleteRecordText(record, file->Size()));
            return 2;
        }
    }
}

} // namespace

std::optional<int> FindInFile(std::span<const std::wstring> args, FileAccess& files,
                              ToolConsole& console) {
    const std::optional<FindRequest> request = ParseRequest(args);
    if (!request) {
        return std::nullopt;
    }
    return RunReportingErrors(console, 2, [&] { return Find(*request, files, console); });
}

} // namespace tavrix
