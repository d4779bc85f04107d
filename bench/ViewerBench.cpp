// Viewer drawing cost against the source size: jumps to the start, the middle or the end of a
// generated source and draws one screen, in ViewerMode::Hex or ViewerMode::Text. Run by
// bench/viewer.sh under callgrind, which counts the instructions of Jump (buffer read) and Draw
// (one Redraw) only.
//   viewerbench <bytes> <hex|text> <start|middle|end>
// Prints the buffer size, the buffer reads the jump made and what the screen shows.
#include "../tests/common/BinHexProbe.h"
#include "../tests/unit/fakes/FixedWidthCanvas.h"
#include "viewer/CodePages.h"
#include "viewer/CodepageSystem.h"
#include "viewer/ZorvBinHex.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using namespace tavrix;

class ByteCodepages : public CodepageSystem {
public:
    void EnumInstalledCodepages(const std::function<void(std::wstring_view)>& report) override {
        report(L"1252");
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
    Canvas* Picture() override { return &canvas; }
    int ClientWidth() override { return 800; }
    int ClientHeight() override { return 10 * 16 + 2; } // ten rows, filled even by 1 KiB
    void SetVertScrollBar(const ScrollBarState&) override {}
    void SetHorzScrollBar(const ScrollBarState&) override {}
    void Present() override {}
    void SetTimerActive(ViewerTimer, bool) override {}
    // Nobody to ask: a failed read is not tried again and an error goes unshown.
    bool RetryRead() override { return false; }
    void ReportError(const std::wstring&) override {}
};

// Text lines of 30 letters and CR LF, so that every 32nd byte starts the same line whatever the
// source size; copied in blocks of 4 KiB.
class PatternStream : public ByteStream {
public:
    explicit PatternStream(std::int64_t size) : size_(size) {
        std::size_t i = 0;
        for (int line = 0; i < sizeof(pattern_); ++line) {
            const int length = 30;
            for (int c = 0; c < length && i < sizeof(pattern_); ++c) {
                pattern_[i++] = static_cast<char>('a' + (line + c) % 26);
            }
            for (char ch : {'\r', '\n'}) {
                if (i < sizeof(pattern_)) {
                    pattern_[i++] = ch;
                }
            }
        }
    }
    std::int64_t Size() override { return size_; }
    void SetPosition(std::int64_t position) override { position_ = position; }
    std::size_t Read(std::uint8_t* destination, std::size_t count) override {
        std::size_t n = 0;
        while (n < count && position_ < size_) {
            const auto offset = static_cast<std::size_t>(position_ % sizeof(pattern_));
            const std::size_t piece = static_cast<std::size_t>(std::min<std::int64_t>(
                {static_cast<std::int64_t>(count - n),
                 static_cast<std::int64_t>(sizeof(pattern_) - offset), size_ - position_}));
            std::memcpy(destination + n, pattern_ + offset, piece);
            n += piece;
            position_ += static_cast<std::int64_t>(piece);
        }
        return n;
    }

private:
    std::int64_t size_;
    std::int64_t position_ = 0;
    char pattern_[4096];
};

} // namespace

// Kept out of line so callgrind can collect exactly these two.
#if defined(_MSC_VER)
#define BENCH_NOINLINE __declspec(noinline)
#else
#define BENCH_NOINLINE __attribute__((noinline))
#endif

extern "C" BENCH_NOINLINE void Jump(TZorvBinHex& viewer, const char* where) {
    const BinHexProbe probe{viewer};
    const bool text = IsTextMode(viewer.Options().mode);
    if (std::strcmp(where, "start") == 0) {
        probe.ReadBuffer(0);
        probe.SetViewPosRaw(0);
    } else if (std::strcmp(where, "middle") == 0) {
        const std::int64_t middle = viewer.FileSize() / 2;
        if (text) {
            probe.MoveViewByLines(1, ScanDir::Backward, true, middle, false);
        } else {
            probe.ReadBuffer(middle - middle % probe.LineSize());
            probe.SetViewPosRaw(middle - middle % probe.LineSize());
        }
    } else if (text) {
        probe.MoveViewByLines(probe.LinesCount(), ScanDir::Backward, false, viewer.FileSize(),
                              false);
    } else {
        probe.ReadBuffer(probe.LastPageStart());
        probe.SetViewPosRaw(probe.LastPageStart());
    }
}

extern "C" BENCH_NOINLINE void Draw(TZorvBinHex& viewer) {
    viewer.Redraw();
}

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: viewerbench <bytes> <hex|text> <start|middle|end>\n");
        return 2;
    }
    static ByteCodepages codepages;
    InstallCodepageSystem(&codepages);
    BuildAvailableEncodings();

    PatternStream stream(std::strtoll(argv[1], nullptr, 10));
    Surface surface;
    TZorvBinHex viewer(surface);
    const BinHexProbe probe{viewer};
    viewer.OpenStream(&stream, false);
    viewer.SetMode(std::strcmp(argv[2], "hex") == 0 ? ViewerMode::Hex : ViewerMode::Text);
    // A first drawing at the start measures the font and the screen, as the window's first
    // paint does.
    const int readsBefore = viewer.Document().BufferReads();
    Jump(viewer, argv[3]);
    const int jumpReads = viewer.Document().BufferReads() - readsBefore;
    surface.canvas.calls.clear();
    Draw(viewer);
    std::printf("buffer=%zu jumpReads=%d viewPos=%lld texts=%zu\n",
                viewer.Document().Buffer().size(), jumpReads,
                static_cast<long long>(probe.ViewPos()), surface.canvas.DrawnTexts().size());
    return 0;
}
