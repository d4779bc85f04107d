// Fuzz target for the viewer model: random stream contents and sizes (small real streams and
// large generated ones), random modes and properties, view moves, selections and redraws. Any
// consistency check that fires, any read outside the buffer (ASan) or undefined behaviour (UBSan)
// is a finding.
#include "../tests/common/BinHexProbe.h"
#include "../tests/unit/fakes/FixedWidthCanvas.h"
#include "viewer/CodePages.h"
#include "viewer/CodepageSystem.h"
#include "viewer/ZorvBinHex.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

using namespace tavrix;

// Every code page reads bytes as Latin-1; enough for the model, which only needs some text.
class ByteCodepages : public CodepageSystem {
public:
    void EnumInstalledCodepages(const std::function<void(std::wstring_view)>& report) override {
        report(L"1252");
        report(L"65001");
    }
    int MultiByteToWide(int, std::string_view bytes, std::span<wchar_t> out) override {
        if (out.empty()) {
            return static_cast<int>(bytes.size());
        }
        const std::size_t n = std::min(out.size(), bytes.size());
        for (std::size_t i = 0; i < n; ++i) {
            out[i] = static_cast<unsigned char>(bytes[i]);
        }
        return static_cast<int>(n);
    }
    int WideToMultiByte(int, std::wstring_view text, std::span<char> out) override {
        return out.empty() ? static_cast<int>(text.size()) : 0;
    }
    int AnsiCodepage() override { return 1252; }
    bool IsNtFamily() override { return true; }
};

class Surface : public ViewerSurface {
public:
    testing::FixedWidthCanvas canvas;
    int width = 300;
    int height = 200;
    Canvas* Picture() override { return &canvas; }
    int ClientWidth() override { return width; }
    int ClientHeight() override { return height; }
    void SetVertScrollBar(const ScrollBarState&) override {}
    void SetHorzScrollBar(const ScrollBarState&) override {}
    void Present() override { canvas.calls.clear(); }
    void SetTimerActive(ViewerTimer, bool) override {}
    // Nobody to ask: a failed read is not tried again and an error goes unshown.
    bool RetryRead() override { return false; }
    void ReportError(const std::wstring&) override {}
};

// A large stream whose bytes repeat a seed pattern.
class PatternStream : public ByteStream {
public:
    PatternStream(std::int64_t size, std::vector<std::uint8_t> pattern)
        : size_(size), pattern_(std::move(pattern)) {}
    std::int64_t Size() override { return size_; }
    void SetPosition(std::int64_t position) override { position_ = position; }
    std::size_t Read(std::uint8_t* destination, std::size_t count) override {
        std::size_t n = 0;
        while (n < count && position_ < size_) {
            const auto offset = static_cast<std::size_t>(position_ % pattern_.size());
            const auto piece = static_cast<std::size_t>(std::min<std::int64_t>(
                {static_cast<std::int64_t>(count - n),
                 static_cast<std::int64_t>(pattern_.size() - offset), size_ - position_}));
            std::copy_n(pattern_.data() + offset, piece, destination + n);
            n += piece;
            position_ += static_cast<std::int64_t>(piece);
        }
        return n;
    }

private:
    std::int64_t size_;
    std::int64_t position_ = 0;
    std::vector<std::uint8_t> pattern_;
};

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool Empty() const { return pos_ >= size_; }
    std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    std::uint32_t Word() {
        return Byte() | (Byte() << 8) | (Byte() << 16) | (std::uint32_t{Byte()} << 24);
    }
    std::vector<std::uint8_t> Bytes(std::size_t n) {
        n = std::min(n, size_ - std::min(pos_, size_));
        std::vector<std::uint8_t> bytes(data_ + pos_, data_ + pos_ + n);
        pos_ += n;
        return bytes;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

ByteCodepages codepages;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static bool ready = [] {
        InstallCodepageSystem(&codepages);
        BuildAvailableEncodings();
        return true;
    }();
    (void)ready;

    Input in(data, size);
    Surface surface;
    TZorvBinHex viewer(surface);
    const BinHexProbe probe{viewer};

    // The source: a real stream of up to 2 KiB, or a generated one of up to about 4 GiB.
    const std::uint8_t kind = in.Byte();
    const std::size_t contentSize = in.Byte() * 8u + in.Byte();
    std::vector<std::uint8_t> content = in.Bytes(contentSize);
    MemoryStream memory(content);
    if (content.empty()) {
        content.push_back(0);
    }
    PatternStream pattern(static_cast<std::int64_t>(in.Word()) + (kind & 0x80 ? 0x100000000LL : 0),
                          content);
    ByteStream* stream = (kind & 1) ? static_cast<ByteStream*>(&pattern) : &memory;
    viewer.OpenStream(stream, true);

    while (!in.Empty()) {
        const std::uint8_t op = in.Byte();
        const std::uint32_t value = in.Word();
        switch (op % 14) {
        case 0:
            viewer.SetMode(static_cast<ViewerMode>(value % kModeCount));
            break;
        case 1:
            viewer.SetOption(&BinHexOptions::textWrap, (value & 1) != 0);
            break;
        case 2:
            viewer.SetOption(&BinHexOptions::textWidthHex, static_cast<int>(value % 400));
            viewer.SetOption(&BinHexOptions::textWidthUHex, static_cast<int>((value >> 9) % 400));
            viewer.SetOption(&BinHexOptions::textWidth, static_cast<int>((value >> 18) % 400));
            break;
        case 3:
            viewer.SetOption(&BinHexOptions::textWidthFit, (value & 1) != 0);
            viewer.SetOption(&BinHexOptions::textWidthFitHex, (value & 2) != 0);
            viewer.SetOption(&BinHexOptions::textWidthFitUHex, (value & 4) != 0);
            break;
        case 4:
            viewer.SetOption(&BinHexOptions::textGutter, (value & 1) != 0);
            viewer.SetOption(&BinHexOptions::textGutterLinesStep,
                             static_cast<int>(value >> 1) % 12);
            viewer.SetOption(&BinHexOptions::textGutterLinesCount,
                             static_cast<int>(value >> 5) % 3000);
            viewer.SetOption(&BinHexOptions::textGutterLinesBufSize,
                             static_cast<int>((value >> 8) % 2000000));
            break;
        case 5:
            viewer.SetOption(&BinHexOptions::textNonPrintable, (value & 1) != 0);
            viewer.SetOption(&BinHexOptions::textTabSize, static_cast<int>(value >> 1) % 20);
            viewer.SetOption(&BinHexOptions::textEncoding,
                             static_cast<ViewerEncoding>((value >> 8) % kEncodingCount));
            viewer.SetOption(&BinHexOptions::textOemSpecial, (value & 2) != 0);
            break;
        case 6:
            surface.width = static_cast<int>(value % 2000);
            surface.height = static_cast<int>((value >> 11) % 3000);
            viewer.Redraw();
            break;
        case 7:
            if (IsTextMode(viewer.Options().mode)) {
                probe.MoveViewByLines(static_cast<int>(value % 151),
                                      (value & 0x100) ? ScanDir::Forward : ScanDir::Backward,
                                      (value & 0x200) != 0, probe.ViewPos(), true);
            }
            break;
        case 8:
            // Jump as the thumb does: to a line start in the text modes, a line boundary else.
            if (viewer.Document().IsOpen() && viewer.FileSize() > 0) {
                // value / 0xFFFFFFFF of the size, in parts that stay inside 64 bits for
                // streams above 4 GiB.
                const auto size = static_cast<std::uint64_t>(viewer.FileSize());
                const std::uint64_t whole = size / 0xFFFFFFFFu;
                const std::uint64_t rest = size % 0xFFFFFFFFu;
                const auto target =
                    static_cast<std::int64_t>(value * whole + value * rest / 0xFFFFFFFFu);
                if (IsTextMode(viewer.Options().mode)) {
                    probe.MoveViewByLines(1, ScanDir::Backward, true, target, true);
                } else {
                    std::int64_t p = std::min(target, viewer.Document().LastPos());
                    p -= p % probe.LineSize();
                    probe.ReadBuffer(p);
                    probe.SetViewPosRaw(p);
                    viewer.Redraw();
                }
            }
            break;
        case 9:
            if (viewer.Document().IsOpen()) {
                const std::int64_t last = viewer.Document().LastPos();
                const std::int64_t start = viewer.Document().AlignPos(value % (last + 1));
                const std::int64_t room = last + probe.CharSize() - start;
                probe.SetSelectionRaw(start, viewer.Document().AlignPos((value >> 7) % (room + 1)));
                viewer.Redraw();
            }
            break;
        case 10:
            probe.SetHViewPosRaw(static_cast<int>(value % 5000));
            viewer.Redraw();
            break;
        case 11:
            probe.FindBoundary((value & 1) ? BoundarySet::Word : BoundarySet::Line,
                               (value & 2) ? ScanDir::Forward : ScanDir::Backward,
                               probe.ViewPos() + (value >> 2) % 1000);
            break;
        case 12:
            viewer.SetEnabled((value & 1) != 0);
            break;
        case 13:
            viewer.OpenStream((value & 1) ? nullptr : stream, (value & 2) != 0);
            break;
        }
    }
    viewer.Redraw();
    return 0;
}
