#pragma once
// A canvas for unit tests: every character is CharWidth pixels wide, lines are LineHeight pixels
// high, and every drawing call is recorded so tests can check what was drawn where.
#include "viewer/Canvas.h"

#include <memory>
#include <string>
#include <vector>

namespace tavrix::testing {

class FixedWidthCanvas : public Canvas {
public:
    enum class Op { Text, Fill, Invert, Line, Ellipse };
    struct Call {
        Op op;
        Rect rect;         // Text: x, y in left/top; Line: x1, y1, x2, y2
        std::wstring text; // Text only
        Color textColor;
        Color brushColor;
        bool brushClear;
        Color penColor;
        int penWidth;
        ViewerFont font;
    };

    int charWidth = 8;
    // Line height: by default the font size plus 6, so that size steps change it.
    int lineHeight = 0;
    int firstChar = 32;
    bool metricsAvailable = true;
    bool measureFails = false;
    int measurements = 0; // calls of TextWidth and PrefixExtents
    std::vector<Call> calls;

    // When set, the line height as a function of the font size (for font size steps).
    int (*LineHeightForSize)(int size) = nullptr;

    int CurrentLineHeight() const {
        if (LineHeightForSize != nullptr) {
            return LineHeightForSize(font_.size);
        }
        return lineHeight > 0 ? lineHeight : font_.size + 6;
    }

    void SetFont(const ViewerFont& font) override {
        font_ = font;
        textColor_ = font.textColor;
    }
    const ViewerFont& Font() const override { return font_; }
    void SetTextColor(Color color) override { textColor_ = color; }
    void SetBrushColor(Color color) override {
        brushColor_ = color;
        brushClear_ = false;
    }
    void SetBrushClear() override { brushClear_ = true; }
    void SetPen(Color color, int width) override {
        penColor_ = color;
        penWidth_ = width;
    }

    bool TextWidth(std::wstring_view text, int& width) override {
        ++measurements;
        if (measureFails) {
            return false;
        }
        width = static_cast<int>(text.size()) * charWidth;
        return true;
    }
    bool PrefixExtents(std::wstring_view text, std::span<int> extents) override {
        ++measurements;
        if (measureFails || extents.size() < text.size()) {
            return false;
        }
        for (std::size_t i = 0; i < text.size(); ++i) {
            extents[i] = static_cast<int>(i + 1) * charWidth;
        }
        return true;
    }
    bool TextMetrics(int& height, int& first) override {
        if (!metricsAvailable) {
            return false;
        }
        height = CurrentLineHeight();
        first = firstChar;
        return true;
    }
    int FontPixelHeight() override { return -CurrentLineHeight(); }

    void DrawTextAt(int x, int y, std::wstring_view text) override {
        Record(Op::Text,
               {x, y, x + static_cast<int>(text.size()) * charWidth, y + CurrentLineHeight()},
               std::wstring(text));
    }
    void FillRect(const Rect& rect) override { Record(Op::Fill, rect, {}); }
    void InvertRect(const Rect& rect) override { Record(Op::Invert, rect, {}); }
    void Line(int x1, int y1, int x2, int y2) override { Record(Op::Line, {x1, y1, x2, y2}, {}); }
    void Ellipse(const Rect& rect) override { Record(Op::Ellipse, rect, {}); }

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void SetSize(int width, int height) override {
        width_ = width;
        height_ = height;
    }
    std::unique_ptr<Canvas> CreateCompatible() override {
        auto scratch = std::make_unique<FixedWidthCanvas>();
        scratch->charWidth = charWidth;
        scratch->lineHeight = lineHeight;
        scratch->firstChar = firstChar;
        scratch->LineHeightForSize = LineHeightForSize;
        return scratch;
    }
    // Texts drawn, in order.
    std::vector<std::wstring> DrawnTexts() const {
        std::vector<std::wstring> texts;
        for (const Call& call : calls) {
            if (call.op == Op::Text) {
                texts.push_back(call.text);
            }
        }
        return texts;
    }

private:
    void Record(Op op, Rect rect, std::wstring text) {
        calls.push_back({op, rect, std::move(text), textColor_, brushColor_, brushClear_, penColor_,
                         penWidth_, font_});
    }

    ViewerFont font_;
    Color textColor_ = kColorBlack;
    Color brushColor_ = 0xFFFFFF;
    bool brushClear_ = false;
    Color penColor_ = kColorBlack;
    int penWidth_ = 1;
    int width_ = 0;
    int height_ = 0;
};

} // namespace tavrix::testing
