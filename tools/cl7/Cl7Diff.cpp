#include "Cl7Diff.h"

#include "Cl7Commands.h"
#include "RecordNames.h"
#include "ToolErrors.h"
#include "base/Error.h"
#include "clipboard/RecordComparison.h"

#include <cstdio>
#include <exception>
#include <iterator>
#include <memory>
#include <vector>

namespace tavrix {

namespace {

struct DiffRequest {
    std::wstring a;
    std::wstring b;
    bool brief = false;
};

std::optional<DiffRequest> ParseRequest(std::span<const std::wstring> args) {
    DiffRequest request;
    std::vector<std::wstring> files;
    for (const std::wstring& arg : args) {
        if (arg == L"--brief") {
            request.brief = true;
        } else if (arg.starts_with(L"--")) {
            return std::nullopt;
        } else {
            files.push_back(arg);
        }
    }
    if (files.size() != 2) {
        return std::nullopt;
    }
    request.a = files[0];
    request.b = files[1];
    return request;
}

struct OpenFile {
    std::unique_ptr<DataStream> stream;
    std::vector<IndexedRecord> records;
    std::vector<ComparedFormat> formats;
};

// Every record header first: a file cut short is an error before any line is printed.
OpenFile Open(FileAccess& files, const std::wstring& name) {
    if (!files.IsExistingFile(name)) {
        throw Error(FileErrorText(L"Cannot open file \"%1\".", name, L"No such file."));
    }
    OpenFile file{.stream = files.OpenForReading(name), .records = {}, .formats = {}};
    RecordIndex index = IndexRecords(*file.stream);
    if (index.incomplete) {
        throw Error(name + L": " + IncompleteRecordText(*index.incomplete, file.stream->Size()));
    }
    file.records = std::move(index.records);
    for (const IndexedRecord& record : file.records) {
        file.formats.push_back(record.format);
    }
    return file;
}

std::wstring Label(const ComparedFormat& format) {
    static const RecordNames catalogue{FileNameTable{}};
    return format.name.empty() ? catalogue.Name(format.format) : format.name;
}

std::wstring DifferenceText(const ByteDifference& difference) {
    wchar_t hex[24];
    std::swprintf(hex, std::size(hex), L"0x%llX",
                  static_cast<unsigned long long>(difference.firstDifference));
    return L"differs: " + std::to_wstring(difference.sizeA) + L" bytes / " +
           std::to_wstring(difference.sizeB) + L" bytes, first difference at offset " +
           std::to_wstring(difference.firstDifference) + L" (" + hex + L"), " +
           std::to_wstring(difference.differing) + L" bytes differ";
}

int Diff(const DiffRequest& request, FileAccess& files, ToolConsole& console) {
    OpenFile a = Open(files, request.a);
    OpenFile b = Open(files, request.b);
    std::size_t same = 0, differ = 0, onlyA = 0, onlyB = 0;
    for (const FormatPair& pair : PairFormats(a.formats, b.formats)) {
        std::wstring status;
        const IndexedRecord* inA = pair.a ? &a.records[*pair.a] : nullptr;
        const IndexedRecord* inB = pair.b ? &b.records[*pair.b] : nullptr;
        if (inA != nullptr && inB != nullptr) {
            a.stream->Seek(inA->record.DataOffset());
            b.stream->Seek(inB->record.DataOffset());
            const std::optional<ByteDifference> compared =
                CompareBytes(*a.stream, inA->record.size, *b.stream, inB->record.size);
            if (!compared) {
                // The headers were all checked: only a file that changed meanwhile ends early.
                throw Error(L"A file ended inside the record of format " +
                            std::to_wstring(inA->format.format) + L".");
            }
            const ByteDifference& difference = *compared;
            status = difference.Same() ? L"same" : DifferenceText(difference);
            ++(difference.Same() ? same : differ);
        } else {
            status = inA != nullptr ? L"only in A" : L"only in B";
            ++(inA != nullptr ? onlyA : onlyB);
        }
        if (!request.brief) {
            const IndexedRecord& shown = inA != nullptr ? *inA : *inB;
            // A registered format matched by name may have another number in each file.
            std::wstring number = std::to_wstring(shown.format.format);
            if (inA != nullptr && inB != nullptr && inA->format.format != inB->format.format) {
                number += L'/' + std::to_wstring(inB->format.format);
            }
            console.Out(number + L'\t' + Label(shown.format) + L'\t' + status);
        }
    }
    console.Out(std::to_wstring(same) + L" same, " + std::to_wstring(differ) + L" differ, " +
                std::to_wstring(onlyA) + L" only in A, " + std::to_wstring(onlyB) + L" only in B");
    return differ + onlyA + onlyB == 0 ? 0 : 1;
}

} // namespace

std::optional<int> DiffFiles(std::span<const std::wstring> args, FileAccess& files,
                             ToolConsole& console) {
    const std::optional<DiffRequest> request = ParseRequest(args);
    if (!request) {
        return std::nullopt;
    }
    return RunReportingErrors(console, 2, [&] { return Diff(*request, files, console); });
}

} // namespace tavrix
