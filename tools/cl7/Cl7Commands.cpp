#include "Cl7Commands.h"

#include "base/Error.h"
#include "base/Unicode.h"
#include "clipboard/ClipboardFileFormat.h"
#include "clipboard/ClipboardRecords.h"
#include "clipboard/FormatCatalogue.h"

#include <algorithm>
#include <map>
#include <optional>
#include <vector>

namespace tavrix {

namespace {

// The names a file gives its records: its own table first, as a reader places records by it;
// then the catalogue, for the standard formats only (its registered entries have no number
// outside a session).
class RecordNames {
public:
    explicit RecordNames(const FileNameTable& table) {
        for (const NamedFormat& entry : table.entries) {
            // Stored as UTF-16 units; joined into characters where wide strings are wider.
            const std::u16string units(entry.name.begin(), entry.name.end());
            names_[entry.format] = WideFromUtf16(units);
        }
        catalogue_.BuildFormatCatalogue();
    }
    std::wstring Name(ClipFormat format) const {
        const auto it = names_.find(format);
        if (it != names_.end()) {
            return it->second;
        }
        if (format != 0 && format < cf::FirstRegistered) {
            return catalogue_.GetFormatName(format);
        }
        return {};
    }

private:
    std::map<ClipFormat, std::wstring> names_;
    FormatCatalogue catalogue_;
};

std::wstring ListLine(const ClipboardRecord& record, const std::wstring& name) {
    return std::to_wstring(record.format) + L'\t' + name + L'\t' + std::to_wstring(record.size);
}

std::wstring IncompleteText(const ClipboardRecord& record, std::uint64_t fileSize) {
    std::wstring text = L"Incomplete record at offset " + std::to_wstring(record.offset) + L": ";
    if (fileSize - record.offset < kRecordHeaderSize) {
        return text + L"the header is cut short.";
    }
    return text + std::to_wstring(record.size) + L" bytes of data, " +
           std::to_wstring(fileSize - record.DataOffset()) + L" left.";
}

std::wstring MalformedTableText(const FileNameTable& table) {
    return L"Malformed name table at offset " + std::to_wstring(table.record.offset) + L".";
}

// A format given as a decimal or 0x hex number up to 0xFFFF.
std::optional<ClipFormat> FormatNumber(const std::wstring& text) {
    const bool hex = text.size() > 2 && text[0] == L'0' && (text[1] == L'x' || text[1] == L'X');
    const std::wstring digits = hex ? text.substr(2) : text;
    if (digits.empty() || digits.size() > 5) {
        return std::nullopt;
    }
    unsigned long value = 0;
    for (wchar_t c : digits) {
        const bool decimal = c >= L'0' && c <= L'9';
        const bool letter = hex && ((c >= L'a' && c <= L'f') || (c >= L'A' && c <= L'F'));
        if (!decimal && !letter) {
            return std::nullopt;
        }
        const unsigned long digit = decimal ? c - L'0' : (c | 0x20) - L'a' + 10;
        value = value * (hex ? 16 : 10) + digit;
    }
    if (value > 0xFFFF) {
        return std::nullopt;
    }
    return static_cast<ClipFormat>(value);
}

void CopyBytes(DataStream& from, std::uint64_t size, DataStream& to) {
    std::vector<std::uint8_t> chunk(
        static_cast<std::size_t>(std::min<std::uint64_t>(size, 1 << 20)));
    while (size > 0) {
        const auto part = std::span(chunk).first(
            static_cast<std::size_t>(std::min<std::uint64_t>(size, chunk.size())));
        if (ReadFully(from, part) != part.size()) {
            throw Error(L"The file ended inside the record.");
        }
        to.Write(part);
        size -= part.size();
    }
}

} // namespace

int ListRecords(DataStream& file, ToolConsole& console) {
    ClipboardRecordWalk walk(file);
    const RecordNames names(walk.NameTable());
    if (walk.NameTable().state == NameTableState::Malformed) {
        // No table, so a record like any other.
        console.Out(ListLine(walk.NameTable().record, {}));
    }
    ClipboardRecord record;
    for (;;) {
        switch (walk.Next(record)) {
        case RecordRead::Complete:
            console.Out(ListLine(record, names.Name(record.format)));
            break;
        case RecordRead::End:
            return 0;
        case RecordRead::Incomplete:
            console.Err(IncompleteText(record, file.Size()));
            return 1;
        }
    }
}

int ExtractRecord(DataStream& file, const std::wstring& format, FileAccess& files,
                  const std::wstring& out, ToolConsole& console) {
    const std::optional<ClipFormat> number = FormatNumber(format);
    ClipboardRecordWalk walk(file);
    const RecordNames names(walk.NameTable());
    std::optional<ClipboardRecord> last;
    ClipboardRecord record;
    while (walk.Next(record) == RecordRead::Complete) {
        if (record.format == number || names.Name(record.format) == format) {
            last = record;
        }
    }
    if (!last) {
        console.Err(L"No record of format \"" + format + L"\".");
        return 1;
    }
    file.Seek(last->DataOffset());
    const auto target = files.CreateReplacement(out);
    CopyBytes(file, last->size, target->Stream());
    target->Commit();
    return 0;
}

int CheckFile(DataStream& file, ToolConsole& console) {
    ClipboardRecordWalk walk(file);
    int status = 0;
    if (walk.NameTable().state == NameTableState::Malformed) {
        console.Err(MalformedTableText(walk.NameTable()));
        status = 1;
    }
    std::uint64_t count = 0;
    ClipboardRecord record;
    RecordRead read;
    while ((read = walk.Next(record)) == RecordRead::Complete) {
        ++count;
    }
    if (read == RecordRead::Incomplete) {
        console.Err(IncompleteText(record, file.Size()));
        status = 1;
    }
    if (status == 0) {
        console.Out(L"Well-formed: " + std::to_wstring(count) + L" records.");
    }
    return status;
}

} // namespace tavrix
