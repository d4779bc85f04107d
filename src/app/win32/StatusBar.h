#pragma once
// The status bar (sbMain) at the bottom of the main window: panels of fixed widths, the last one
// taking the rest, and a hint shown as a tooltip over the whole bar. Every panel text goes
// through here; a panel is added by giving its width at construction.
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

    void Create(HWND parent, int id);
    HWND Handle() const { return bar_; }

    // Sizes the panels, the bar's height and the tooltip for the resolution and sets the font.
    void ApplyDpi(int pixelsPerInch, HFONT font);
    int Height() const { return height_; }

    void SetPanelText(int panel, const std::wstring& text);
    std::wstring PanelText(int panel) const;

    // One text over the whole bar in place of the panels, painted at once: the work that shows
    // it keeps the thread from painting. The panels keep their texts meanwhile.
    void ShowWholeBarText(const std::wstring& text);
    // The panels again, with their texts.
    void EndWholeBarText();
    bool ShowsWholeBarText() const;
    // The description shown as a tooltip over the bar; empty shows none.
    void SetHint(const std::wstring& hint) { hint_ = hint; }
    const std::wstring& Hint() const { return hint_; }

    // The tooltip asking for the hint; true when the notification was the bar's.
    bool HandleNotify(const NMHDR& header);

private:
    std::vector<int> panelWidths_;
    HWND bar_ = nullptr;
    HWND tip_ = nullptr;
    int height_ = 19;
    std::wstring hint_;
};

} // namespace tavrix::win32
