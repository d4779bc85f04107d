#pragma once
// Shared set-up for the clipboard file tests: a fake clipboard with the start-up formats
// registered, a support platform that records warnings, and record builders.
#include "base/SystemServices.h"
#include "clipboard/ClipboardFileFormat.h"
#include "clipboard/ClipboardNameTable.h"
#include "clipboard/ClipboardPort.h"
#include "clipboard/RegisteredFormats.h"
#include "fakes/FakeClipboard.h"
#include "fakes/FakeSystemPlatform.h"

#include "Bytes.h"

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

// The formats of a file's records, in file order, without a leading name table; the records
// must be complete.
inline std::vector<ClipFormat> RecordFormats(const Bytes& file) {
    std::vector<ClipFormat> formats;
    std::size_t at = 0;
    while (at + kRecordHeaderSize <= file.size()) {
        const ClipFormat format = DecodeRecordFormat(file.data() + at);
        if (at != 0 || format != kNameTableFormat) {
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
