#pragma once
// The status bar (sbMain) at the bottom of the main window: the size of what is shown, its
// description and, taking the rest of the bar, the facts of the format or of the clipboard. Two
// tooltips: over the size and the description the description, over the facts the facts, which
// are often longer than the room they have. The tooltip asks for a text only when it shows it,
// so setting texts costs nothing more. A transient message (the progress of a long save, say)
// covers the whole bar while it lasts. The panels are known only here.
#include <windows.h>

#include <cstdint>
#include <string>

namespace tavrix::win32 {

class StatusBar {
public:
    StatusBar() = default;
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

    // A size in bytes ("Size : 1 234").
    void SetSize(std::int32_t bytes);
    // The size of data that did not come ("Size : ?").
    void SetUnknownSize();
    // A picture's size in pixels ("640 x 480").
    void SetPictureSize(int width, int height);
    // The description, also the tooltip over the size and the description; empty shows none.
    void SetDescription(const std::wstring& text);
    // The facts, also their tooltip.
    void SetFacts(const std::wstring& text);

    std::wstring Size() const { return PanelText(kSizePanel); }
    std::wstring Description() const { return PanelText(kDescriptionPanel); }
    std::wstring Facts() const { return PanelText(kFactsPanel); }
    // The tooltip's text over the size and the description.
    const std::wstring& Hint() const { return hint_; }
    // What the tooltip shows, as the tooltip control holds it.
    std::wstring TipOverFacts() const { return TipText(kLastPanelTip); }
    std::wstring TipOverDescription() const { return TipText(kHintTip); }

    // A transient message over the whole bar in place of the panels, painted at once: the work
    // that shows it keeps the thread from painting. The panels keep their texts meanwhile.
    void ShowMessage(const std::wstring& text);
    // The panels again, with their texts.
    void EndMessage();
    bool ShowsMessage() const;

private:
    enum Panel : int { kSizePanel, kDescriptionPanel, kFactsPanel };
    enum Tip : UINT_PTR { kHintTip = 1, kLastPanelTip = 2 };
    // The tooltip asks the bar for a tip's text only when it shows it.
    static LRESULT CALLBACK AnswerTipText(HWND bar, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR id, DWORD_PTR self) noexcept;
    void FollowPanels();
    void SetPanelText(Panel panel, const std::wstring& text);
    std::wstring PanelText(Panel panel) const;
    std::wstring TipText(Tip tip) const;

    HWND bar_ = nullptr;
    HWND tip_ = nullptr;
    int height_ = 19;
    std::wstring hint_;
    std::wstring lastPanelText_;
};

} // namespace tavrix::win32
