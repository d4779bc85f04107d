#include "clipboard/ClipboardFileComparison.h"

#include "base/Error.h"
#include "base/UiText.h"

namespace tavrix {

ClipboardFileComparison CompareClipboardWithFile(ClipboardPort& port, DataStream& file,
                                                 const std::wstring& fileName) {
    RecordIndex index = IndexRecords(file);
    if (index.incomplete) {
        throw Error(Tr(L"The file \"%1\" has a record cut short at offset %2.",
                       {fileName, std::to_wstring(index.incomplete->offset)}));
    }
    std::vector<ComparedFormat> inFile;
    for (const IndexedRecord& record : index.records) {
        inFile.push_back(record.format);
    }

    const ClipboardOpen open(port);
    ClipboardBackend& backend = port.Backend();
    std::vector<ComparedFormat> onClipboard;
    for (ClipFormat format = backend.EnumFormats(0); format != 0;
         format = backend.EnumFormats(format)) {
        onClipboard.push_back({format, backend.RegisteredFormatName(format)});
    }

    ClipboardFileComparison result;
    for (const FormatPair& pair : PairFormats(onClipboard, inFile)) {
        if (!pair.a) {
            result.onlyInFile.push_back(inFile[*pair.b]);
            continue;
        }
        const ClipFormat format = onClipboard[*pair.a].format;
        if (!pair.b) {
            result.marks[format] = FormatMark::OnlyOnClipboard;
            continue;
        }
        const ClipboardRecord& record = index.records[*pair.b].record;
        bool same = false;
        // Compared in place, in the locked block: the clipboard's data is never copied.
        port.ReadData(format, [&](std::span<const std::uint8_t> bytes) {
            file.Seek(record.DataOffset());
            const std::optional<ByteDifference> difference = CompareBytes(bytes, file, record.size);
            same = difference && difference->Same();
        });
        result.marks[format] = same ? FormatMark::Same : FormatMark::Differs;
    }
    return result;
}

const wchar_t* MarkText(FormatMark mark) {
    switch (mark) {
    case FormatMark::Same:
        return L"=";
    case FormatMark::Differs:
        return L"\u2260";
    case FormatMark::OnlyOnClipboard:
        break;
    }
    return L"+";
}

} // namespace tavrix
