// Viewer scrolling and copying, in wall-clock time against baselines measured in the same run:
//   - thumb tracking over a 1 GiB generated source (every message a buffer read and a drawing)
//     against redrawing the same screen without moving;
//   - Down key and wheel notches against the same baseline;
//   - copying a 20 MiB selection (its first 16 MiB, one read from the source) against reading
//     16 MiB from the source directly.
// Built and run by bench/viewer-scroll.sh.
#include "../tests/common/BinHexProbe.h"
#include "../tests/unit/fakes/FixedWidthCanvas.h"
#include "viewer/CodePages.h"
#include "viewer/CodepageSystem.h"
#include "viewer/ScrollBarMath.h"
#include "viewer/ViewerKeys.h"
#include "viewer/ZorvBinHex.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

using namespace tavrix;
using Clock = std::chrono::steady_clock;

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
    int ClientHeight() override { return 40 * 16 + 2; }
    void SetVertScrollBar(const ScrollBarState&) override {}
    void SetHorzScrollBar(const ScrollBarState&) override {}
    void Present() override { canvas.calls.clear(); }
    void SetTimerActive(ViewerTimer, bool) override {}
    // Nobody to ask: a failed read is not tried again and an error goes unshown.
    bool RetryRead() override { return false; }
    void ReportError(const std::wstring&) override {}
};

// Bytes generated from a 4 KiB pattern, copied out in pieces.
class PatternStream : public ByteStream {
public:
    explicit PatternStream(std::int64_t size) : size_(size) {
        for (std::size_t i = 0; i < sizeof(pattern_); ++i) {
            pattern_[i] = static_cast<char>(i * 7 + i / 13);
        }
    }
    std::int64_t Size() override { return size_; }
    void SetPosition(std::int64_t position) override { position_ = position; }
    std::size_t Read(std::uint8_t* destination, std::size_t count) override {
        std::size_t n = 0;
        while (n < count && position_ < size_) {
            const auto offset = static_cast<std::size_t>(position_ % sizeof(pattern_));
            const auto piece = static_cast<std::size_t>(std::min<std::int64_t>(
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

template <typename F> double MicrosecondsPerCall(int calls, F&& f) {
    const auto start = Clock::now();
    for (int i = 0; i < calls; ++i) {
        f(i);
    }
    const std::chrono::duration<double, std::micro> spent = Clock::now() - start;
    return spent.count() / calls;
}

} // namespace

int main() {
    static ByteCodepages codepages;
    InstallCodepageSystem(&codepages);
    BuildAvailableEncodings();

    const std::int64_t gib = 1LL << 30;
    PatternStream stream(gib);
    Surface surface;
    TZorvBinHex viewer(surface);
    const BinHexProbe probe{viewer};
    viewer.OpenStream(&stream, false);
    viewer.SetMode(ViewerMode::Hex);
    viewer.Redraw();

    const int calls = 2000;
    const double redraw = MicrosecondsPerCall(calls, [&](int) { viewer.Redraw(); });
    const double thumb = MicrosecondsPerCall(calls, [&](int i) {
        // Spread over the whole bar, so nearly every message needs a buffer read.
        viewer.VertScrollMessage(kSbThumbTrack, (i * 7919) % kScrollBarSteps);
    });
    probe.ScrollToBegin();
    const double down = MicrosecondsPerCall(calls, [&](int) { viewer.KeyDown(kVkDown, kModNone); });
    const double wheel =
        MicrosecondsPerCall(calls, [&](int) { viewer.MouseWheel(-120, kModNone, 3); });
    std::printf("hex screen of %d lines, 1 GiB source, %d calls each\n", probe.LinesCount(), calls);
    std::printf("  redraw in place (baseline)   %8.1f us\n", redraw);
    std::printf("  thumb tracking message       %8.1f us  ratio %.2f\n", thumb, thumb / redraw);
    std::printf("  Down key                     %8.1f us  ratio %.2f\n", down, down / redraw);
    std::printf("  wheel notch (3 lines)        %8.1f us  ratio %.2f\n", wheel, wheel / redraw);
    std::printf("  buffer bytes                 %8lld\n",
                static_cast<long long>(viewer.Document().BufferSize()));

    PatternStream big(20LL << 20);
    viewer.OpenStream(&big, false);
    viewer.SetMode(ViewerMode::Hex);
    probe.SelectAll();
    std::vector<std::uint8_t> direct(16u << 20);
    const int copies = 20;
    const double read = MicrosecondsPerCall(copies, [&](int) {
        big.SetPosition(0);
        big.Read(direct.data(), direct.size());
    });
    std::size_t copied = 0;
    const double selText =
        MicrosecondsPerCall(copies, [&](int) { copied = probe.SelText().size(); });
    std::printf("20 MiB selection, %d copies each\n", copies);
    std::printf("  16 MiB read from the source  %8.0f us (baseline)\n", read);
    std::printf("  SelText                      %8.0f us  ratio %.2f  (%zu bytes)\n", selText,
                selText / read, copied);
    return 0;
}
