#pragma once
// The status bar (sbMain) at the bottom of the main window: panels of fixed widths, the last one
// taking the rest. Two tooltips: over the fixed panels the hint (the format's description), over
// the last panel that panel's own text, which is often longer than the room it has. The tooltip
// asks for a text only when it shows it, so setting texts costs nothing more. Every panel
// text goes through here; a panel is added by giving its width at construction.
#include <windows.h>

#include <string>
#include <vector>

namespace tavrix::win32 {

class StatusBar {
public:
    // The width of the last panel: whatever room is left.
    static constexpr int kRestOfBar = -1;

    // Panel widths in pixels at 96 pixels per inch, left to right.
    explicit StatusBar(std::vector<int> panelWidths) : panelWidths_(std::move(panelWidths)) {}
    ~StatusBar();
    StatusBar(const StatusBar&) = delete;
    StatusBar& operator=(const StatusBar&) = delete;

    void Create(HWND parent, int id);
    HWND Handle() const { return bar_; }

    // Sizes the panels, the bar's height and the tooltip for the resolution and sets the font.
    void ApplyDpi(int pixelsPerInch, HFONT font);
    int Height() const { return height_; }
    // Moves the bar; the tooltips follow their panels.
    void Place(int x, int y, int width, int height);

    // The last panel's text is its tooltip as well.
    void SetPanelText(int panel, const std::wstring& text);
    std::wstring PanelText(int panel) const;

    // One text over the whole bar in place of the panels, painted at once: the work that shows
    // it keeps the thread from painting. The panels keep their texts meanwhile.
    void ShowWholeBarText(const std::wstring& text);
    // The panels again, with their texts.
    void EndWholeBarText();
    bool ShowsWholeBarText() const;

    // The description shown as a tooltip over the fixed panels; empty shows none.
    void SetHint(const std::wstring& hint) { hint_ = hint; }
    const std::wstring& Hint() const { return hint_; }
    // What the tooltip shows over a panel, as the tooltip control holds it.
    std::wstring TipOverPanel(int panel) const;

private:
    enum Tip : UINT_PTR { kHintTip = 1, kLastPanelTip = 2 };
    // The tooltip asks the bar for a tip's text only when it shows it.
    static LRESULT CALLBACK AnswerTipText(HWND bar, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR id, DWORD_PTR self) noexcept;
    void FollowPanels();
    int LastPanel() const { return static_cast<int>(panelWidths_.size()) - 1; }

    std::vector<int> panelWidths_;
    HWND bar_ = nullptr;
    HWND tip_ = nullptr;
    int height_ = 19;
    std::wstring hint_;
    std::wstring lastPanelText_;
};

} // namespace tavrix::win32
