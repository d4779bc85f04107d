#pragma once
// Shared set-up for the clipboard file tests: a fake clipboard with the start-up formats
// registered, a support platform that records warnings, and record builders.
#include "base/SystemServices.h"
#include "clipboard/ClipboardFileFormat.h"
#include "clipboard/ClipboardNameTable.h"
#include "clipboard/ClipboardPort.h"
#include "clipboard/MetafileRecord.h"
#include "clipboard/RegisteredFormats.h"
#include "fakes/FakeClipboard.h"
#include "fakes/FakeSystemPlatform.h"

#include "Bytes.h"
#include "LittleEndian.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tavrix::testing {

inline Bytes Record(ClipFormat format, const Bytes& data) {
    const RecordHeader header = EncodeRecordHeader(format, static_cast<std::uint32_t>(data.size()));
    // Sized first and then filled: GCC's bounds warning misreads insert after construction.
    Bytes out(header.size() + data.size());
    std::copy(header.begin(), header.end(), out.begin());
    std::copy(data.begin(), data.end(), out.begin() + static_cast<std::ptrdiff_t>(header.size()));
    return out;
}

inline Bytes Concat(std::initializer_list<Bytes> parts) {
    std::size_t size = 0;
    for (const auto& part : parts) {
        size += part.size();
    }
    Bytes out(size);
    auto at = out.begin();
    for (const auto& part : parts) {
        at = std::copy(part.begin(), part.end(), at);
    }
    return out;
}

// The smallest bits the file reader takes for an enhanced metafile (its header record alone)
// and for a Windows metafile (its header alone), with a mark in a byte that no check reads.
inline Bytes EnhancedMetafileBits(std::uint8_t mark = 0) {
    Bytes bits;
    PutLe(bits, 1, 4);  // the header record's type
    PutLe(bits, 88, 4); // and size
    bits.resize(40, mark);
    PutLe(bits, 0x464D4520, 4); // " EMF"
    PutLe(bits, 0x10000, 4);
    PutLe(bits, 88, 4); // the whole metafile's size
    bits.resize(88);
    return bits;
}
inline Bytes WindowsMetafileBits(std::uint8_t mark = 0) {
    Bytes bits;
    PutLe(bits, 1, 2);     // in memory
    PutLe(bits, 9, 2);     // header words
    PutLe(bits, 0x300, 2); // version
    PutLe(bits, 9, 4);     // the whole metafile in words
    PutLe(bits, mark, 2);
    bits.resize(18);
    return bits;
}

// The formats of a file's records, in file order, without a leading name table; a metafile
// record counts as the format of its metafile. The records must be complete.
inline std::vector<ClipFormat> RecordFormats(const Bytes& file) {
    std::vector<ClipFormat> formats;
    std::size_t at = 0;
    while (at + kRecordHeaderSize <= file.size()) {
        const ClipFormat format = DecodeRecordFormat(file.data() + at);
        const std::size_t size = DecodeRecordSize(file.data() + at + 2);
        const auto data = std::span(file)
                              .subspan(at + kRecordHeaderSize)
                              .first(std::min(size, file.size() - at - kRecordHeaderSize));
        if (const auto metafile =
                format == kNameTableFormat ? ParseMetafileRecord(data) : std::nullopt) {
            formats.push_back(metafile->format);
        } else if (at != 0 || format != kNameTableFormat) {
            formats.push_back(format);
        }
        at += kRecordHeaderSize + DecodeRecordSize(file.data() + at + 2);
    }
    EXPECT_EQ(at, file.size()) << "the records do not end where the file ends";
    return formats;
}

class ClipFileTest : public ::testing::Test {
protected:
    ClipFileTest() : port(fake) {
        InitSystemServices(false, VersionFlags{});
        RegisterStartupFormats(fake);
    }
    ~ClipFileTest() override { InitSystemServices(false, VersionFlags{}); }

    static void SetWin7OrLater(bool on) { InitSystemServices(false, VersionFlags{on, on}); }

    FakeSystemPlatform platform;
    FakeClipboard fake;
    ClipboardPort port;
};

} // namespace tavrix::testing
