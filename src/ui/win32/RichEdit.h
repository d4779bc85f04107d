#pragma once
// A read-only rich-edit control (msftedit.dll) that shows RTF data, detects links in its text
// and reports clicks on them to its owner.
#include <windows.h>

#include <cstdint>
#include <span>
#include <string>

namespace tavrix::win32 {

class RichEdit {
public:
    RichEdit() = default;
    RichEdit(const RichEdit&) = delete;
    RichEdit& operator=(const RichEdit&) = delete;

    // A child window with no word wrap, a flat border, hidden until shown. Throws Error when the
    // rich-edit library cannot be loaded.
    void Create(HWND parent, int id);
    HWND Handle() const { return handle_; }

    // Replaces the content with RTF data (Unicode escapes included). Throws Error when the
    // control cannot read it.
    void LoadRtf(std::span<const std::uint8_t> rtf);
    // The text as lines, each followed by a carriage return and a line feed: its length in
    // UTF-16 code units.
    int TextLengthByLines() const;
    std::wstring Text() const;

    // When a WM_NOTIFY from this control is a click on a link: the link's text and whether it
    // was the left button. Other notifications give false.
    bool IsLinkClick(const NMHDR& header, std::wstring& link, bool& leftButton) const;

private:
    HWND handle_ = nullptr;
};

} // namespace tavrix::win32
