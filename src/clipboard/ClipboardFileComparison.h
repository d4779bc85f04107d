#pragma once
// Compare with file: each format of the clipboard against the record of the same format in a
// clipboard file, and the formats only the file holds.
#include "clipboard/ClipboardPort.h"
#include "clipboard/DataStream.h"
#include "clipboard/RecordComparison.h"

#include <map>
#include <string>
#include <vector>

namespace tavrix {

enum class FormatMark {
    Same,            // the file holds the same bytes
    Differs,         // the file holds other bytes, or the clipboard's data is no block of bytes
    OnlyOnClipboard, // the file has no record of the format
};

struct ClipboardFileComparison {
    std::map<ClipFormat, FormatMark> marks; // by the clipboard's format numbers
    std::vector<ComparedFormat> onlyInFile; // in the file's order
};

// Reads every format the clipboard offers (the clipboard open meanwhile) and the file's records,
// one piece at a time. Throws Error when the clipboard cannot be opened, and Error naming the
// file and the offset when one of its records is cut short.
ClipboardFileComparison CompareClipboardWithFile(ClipboardPort& port, DataStream& file,
                                                 const std::wstring& fileName);

// What the format tree shows before a format's name: "=", "≠" or "+".
const wchar_t* MarkText(FormatMark mark);

} // namespace tavrix
