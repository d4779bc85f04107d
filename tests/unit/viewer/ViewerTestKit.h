#pragma once
// Test scaffolding for the viewer model: a surface over the fixed-width recording canvas that
// answers the model's questions from a script, a stream that generates its bytes (so huge
// sources need no memory) and can fail or read short, and a fixture with its own code pages.
#include "BinHexProbe.h"
#include "Bytes.h"
#include "base/Error.h"
#include "clipboard/ClipboardPort.h"
#include "fakes/FixedWidthCanvas.h"
#include "viewer/CodePages.h"
#include "viewer/CodepageSystem.h"
#include "viewer/ZorvBinHex.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tavrix::testing {

class FakeViewerSurface : public ViewerSurface {
public:
    FixedWidthCanvas canvas;
    int width = 640;
    int height = 16 * 10 + 2; // ten full rows of the default 16-pixel font
    bool pictureMissing = false;
    ScrollBarState vert{1, 1, 1, 1}; // not yet set
    ScrollBarState horz{1, 1, 1, 1};
    int presents = 0;
    std::map<ViewerTimer, bool> timers;
    std::deque<bool> retryAnswers; // answers to RetryRead in order; then no retry
    int retryQuestions = 0;
    std::vector<std::wstring> errors; // what ReportError told

    Canvas* Picture() override { return pictureMissing ? nullptr : &canvas; }
    int ClientWidth() override { return width; }
    int ClientHeight() override { return height; }
    void SetVertScrollBar(const ScrollBarState& state) override { vert = state; }
    void SetHorzScrollBar(const ScrollBarState& state) override { horz = state; }
    void Present() override { ++presents; }
    void SetTimerActive(ViewerTimer timer, bool active) override { timers[timer] = active; }
    bool RetryRead() override {
        ++retryQuestions;
        if (retryAnswers.empty()) {
            return false;
        }
        const bool retry = retryAnswers.front();
        retryAnswers.pop_front();
        return retry;
    }
    void ReportError(const std::wstring& text) override { errors.push_back(text); }
    // The process-wide port, which the tests install over their fake clipboard.
    ClipboardPort* Clipboard() override { return &ClipboardPort::Instance(); }
};

// A stream of size bytes whose byte at p is generator(p). Reads hand out at most chunk bytes;
// failing makes positioning throw.
class VirtualStream : public ByteStream {
public:
    VirtualStream(std::int64_t size, std::function<std::uint8_t(std::int64_t)> generator)
        : size_(size), generator_(std::move(generator)) {}

    std::int64_t Size() override { return size_; }
    void SetPosition(std::int64_t position) override {
        ++seeks;
        if (failing) {
            throw Error(L"device not ready");
        }
        position_ = position;
    }
    std::size_t Read(std::uint8_t* destination, std::size_t count) override {
        ++reads;
        std::size_t n = 0;
        while (n < count && n < chunk && position_ < size_) {
            destination[n++] = generator_(position_++);
        }
        bytesRead += static_cast<std::int64_t>(n);
        return n;
    }

    bool failing = false;
    std::size_t chunk = SIZE_MAX;
    int seeks = 0;
    int reads = 0;
    std::int64_t bytesRead = 0;

private:
    std::int64_t size_;
    std::int64_t position_ = 0;
    std::function<std::uint8_t(std::int64_t)> generator_;
};

// Code pages for the viewer tests on every platform: UTF-8 (65001) decoded properly, every other
// code page read as Latin-1, which agrees with Windows-1252 on the bytes these tests use.
class Latin1Codepages : public CodepageSystem {
public:
    std::vector<int> installed = {437, 850, 1252, 28591, 65001};
    int conversions = 0;

    void EnumInstalledCodepages(const std::function<void(std::wstring_view)>& report) override {
        for (int codepage : installed) {
            report(std::to_wstring(codepage));
        }
    }
    int MultiByteToWide(int codepage, std::string_view bytes, std::span<wchar_t> out) override {
        ++conversions;
        const std::wstring text = codepage == 65001 ? Utf8(bytes) : Latin1(bytes);
        if (out.empty()) {
            return static_cast<int>(text.size());
        }
        if (out.size() < text.size()) {
            return 0;
        }
        std::copy(text.begin(), text.end(), out.begin());
        return static_cast<int>(text.size());
    }
    int WideToMultiByte(int, std::wstring_view text, std::span<char> out) override {
        if (out.empty()) {
            return static_cast<int>(text.size());
        }
        std::size_t n = 0;
        for (; n < text.size() && n < out.size(); ++n) {
            out[n] = text[n] < 256 ? static_cast<char>(text[n]) : '?';
        }
        return static_cast<int>(n);
    }
    int AnsiCodepage() override { return 1252; }
    bool IsNtFamily() override { return true; }

private:
    static std::wstring Latin1(std::string_view bytes) {
        std::wstring text;
        for (char c : bytes) {
            text.push_back(static_cast<wchar_t>(static_cast<unsigned char>(c)));
        }
        return text;
    }
    // Two- and three-byte sequences are enough here; anything else becomes U+FFFD.
    static std::wstring Utf8(std::string_view bytes) {
        std::wstring text;
        for (std::size_t i = 0; i < bytes.size();) {
            const auto b = static_cast<unsigned char>(bytes[i]);
            if (b < 0x80) {
                text.push_back(b);
                i += 1;
            } else if ((b & 0xE0) == 0xC0 && i + 1 < bytes.size()) {
                text.push_back(static_cast<wchar_t>(((b & 0x1F) << 6) | (bytes[i + 1] & 0x3F)));
                i += 2;
            } else if ((b & 0xF0) == 0xE0 && i + 2 < bytes.size()) {
                text.push_back(static_cast<wchar_t>(
                    ((b & 0x0F) << 12) | ((bytes[i + 1] & 0x3F) << 6) | (bytes[i + 2] & 0x3F)));
                i += 3;
            } else {
                text.push_back(0xFFFD);
                i += 1;
            }
        }
        return text;
    }
};

class ViewerFixture : public ::testing::Test {
protected:
    ViewerFixture() {
        InstallCodepageSystem(&codepages);
        BuildAvailableEncodings();
    }
    ~ViewerFixture() override { InstallCodepageSystem(nullptr); }

    // Shows bytes the way the host does: open the stream, then assign the mode.
    void Show(const std::vector<std::uint8_t>& bytes, ViewerMode mode) {
        stream.Assign(bytes);
        viewer.OpenStream(&stream, true);
        surface.canvas.calls.clear(); // keep only the drawing of the new mode
        viewer.SetMode(mode);
    }
    void Show(const std::string& text, ViewerMode mode) { Show(BytesOf(text), mode); }

    // Draws again with a clean recording.
    void Redraw() {
        surface.canvas.calls.clear();
        viewer.Redraw();
    }
    std::vector<FixedWidthCanvas::Call> CallsOf(FixedWidthCanvas::Op op) const {
        std::vector<FixedWidthCanvas::Call> calls;
        for (const auto& call : surface.canvas.calls) {
            if (call.op == op) {
                calls.push_back(call);
            }
        }
        return calls;
    }
    std::vector<FixedWidthCanvas::Call> Texts() const {
        return CallsOf(FixedWidthCanvas::Op::Text);
    }
    // The texts drawn at x = x0 (the left margin) in row order.
    std::vector<std::wstring> TextsAt(int x0) const {
        std::vector<std::wstring> texts;
        for (const auto& call : Texts()) {
            if (call.rect.left == x0) {
                texts.push_back(call.text);
            }
        }
        return texts;
    }

    Latin1Codepages codepages;
    FakeViewerSurface surface;
    TZorvBinHex viewer{surface};
    BinHexProbe probe{viewer};
    MemoryStream stream;
};

} // namespace tavrix::testing
