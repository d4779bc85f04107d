// Fuzz target: line preparation, extents, wrapping and point lookup on arbitrary text and
// options, and the stand-in code page tables on arbitrary bytes.
#include "../tests/unit/fakes/FixedWidthCanvas.h"
#include "viewer/CodePages.h"
#include "viewer/CodepageSystem.h"
#include "viewer/HitMap.h"
#include "viewer/LineDrawing.h"
#include "viewer/StringHelpers.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

// Code pages that convert byte for byte to Latin-1 and install nothing, so that the generic
// encodings take their stand-in tables.
class Latin1Codepages : public tavrix::CodepageSystem {
public:
    void EnumInstalledCodepages(const std::function<void(std::wstring_view)>&) override {}
    int MultiByteToWide(int, std::string_view bytes, std::span<wchar_t> out) override {
        if (!out.empty()) {
            if (out.size() < bytes.size()) {
                return 0;
            }
            for (std::size_t i = 0; i < bytes.size(); ++i) {
                out[i] = static_cast<unsigned char>(bytes[i]);
            }
        }
        return static_cast<int>(bytes.size());
    }
    int WideToMultiByte(int, std::wstring_view text, std::span<char> out) override {
        if (!out.empty()) {
            for (std::size_t i = 0; i < text.size() && i < out.size(); ++i) {
                out[i] = static_cast<char>(text[i]);
            }
        }
        return static_cast<int>(text.size());
    }
    int AnsiCodepage() override { return 1252; }
    bool IsNtFamily() override { return false; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tavrix;
    if (size < 4) {
        return 0;
    }
    static Latin1Codepages codepages;
    InstallCodepageSystem(&codepages);
    BuildAvailableEncodings();

    LineOutputOptions options;
    options.showNonPrintable = data[0] & 1;
    options.showLineEnd = data[0] & 2;
    options.oemFont = data[0] & 4;
    options.monospaced = data[0] & 8;
    options.tabSize = 1 + data[1] % 16;
    const int x = static_cast<std::int8_t>(data[2]) * 8;
    const int maxPos = static_cast<std::int8_t>(data[3]);
    const bool strict = (data[0] & 16) != 0;
    data += 4;
    size -= 4;

    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::wstring text = BytesToWide(data, size, false);
    ReplaceNulls(text);

    testing::FixedWidthCanvas canvas;
    CharExtents extents;
    GetCharExtents(canvas, text, extents, options);
    LineWidth(canvas, text, options);
    FindWrapPos(text, maxPos);
    HitMap positions;
    positions.AddLine(text, 4, 0, 0);
    positions.SetHexCell(maxPos, x, maxPos, 24);
    positions.SetTextColumn(x);
    positions.OffsetAtPoint(canvas, x, 5, options, strict);
    positions.MaxRightEdge(canvas, options);

    for (ViewerEncoding e : {ViewerEncoding::EBCDIC, ViewerEncoding::KOI8, ViewerEncoding::ISO,
                             ViewerEncoding::Mac, ViewerEncoding::ANSI}) {
        if (CodepageToUnicode(bytes, e).size() != size) {
            __builtin_trap(); // the tables map one byte to one byte
        }
    }
    BytesToHexText(bytes);
    return 0;
}
