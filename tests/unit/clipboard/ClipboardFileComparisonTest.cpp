// Compare with file: the clipboard's formats against a file's records, matched as the diff of two
// files matches them (by name for registered formats, whatever their numbers).
#include "clipboard/ClipboardFileComparison.h"

#include "ClipFileTestKit.h"
#include "base/Error.h"
#include "clipboard/MemoryDataStream.h"

#include <gmock/gmock.h>

namespace tavrix::testing {
namespace {

class ClipboardFileComparisonTest : public ClipFileTest {};

TEST_F(ClipboardFileComparisonTest, MarksEachClipboardFormatAndListsTheFileOnlyOnes) {
    const ClipFormat shared = fake.RegisterFormat(L"Tavrix Compared");
    fake.Put(cf::UnicodeText, Utf16Bytes(u"hi"));
    fake.Put(shared, BytesOf("abc"));
    fake.Put(cf::Text, BytesOf("x"));
    fake.PutHandle(cf::Bitmap);
    // Another session's numbers: the shared format lies under 0xC555 in the file.
    MemoryDataStream file(Concat({
        Record(kNameTableFormat,
               EncodeNameTable({{0xC555, L"Tavrix Compared"}, {0xC556, L"Kept"}})),
        Record(cf::Bitmap, BytesOf("bits")),
        Record(0xC555, BytesOf("abc")),
        Record(cf::UnicodeText, Utf16Bytes(u"ho")),
        Record(0xC556, BytesOf("k")),
        Record(cf::OemText, BytesOf("o")),
    }));

    const ClipboardFileComparison result = CompareClipboardWithFile(port, file, L"f.cl7");

    const std::map<ClipFormat, FormatMark> expected = {
        {cf::UnicodeText, FormatMark::Differs},
        {shared, FormatMark::Same},
        {cf::Text, FormatMark::OnlyOnClipboard},
        {cf::Bitmap, FormatMark::Differs}, // no block of bytes to compare
    };
    EXPECT_EQ(result.marks, expected);
    ASSERT_EQ(result.onlyInFile.size(), 2u);
    EXPECT_EQ(result.onlyInFile[0].name, L"Kept");
    EXPECT_EQ(result.onlyInFile[1].format, cf::OemText);
    EXPECT_FALSE(fake.isOpen);
}

TEST_F(ClipboardFileComparisonTest, AFileCutShortIsAnErrorNamingTheOffset) {
    fake.Put(cf::Text, BytesOf("x"));
    Bytes bytes = Concat({Record(cf::Text, BytesOf("x")), Record(cf::OemText, BytesOf("yz"))});
    bytes.pop_back();
    MemoryDataStream file(bytes);
    try {
        CompareClipboardWithFile(port, file, L"cut.cl7");
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(e.Message(), L"The file \"cut.cl7\" has a record cut short at offset 7.");
    }
}

} // namespace
} // namespace tavrix::testing
