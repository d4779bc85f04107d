#pragma once
// The format list and the "Preview" summary of the clipboard. After each change the monitor
// rebuilds the list (catalogue formats first, then other named formats, both in the clipboard's
// order) and fills the main window's format tree; the summary picks the most readable rendering
// of the whole content (text, sound note, picture, icon, encoded picture, HTML fragment, file
// names or nothing) and leaves a summary text and a size figure for the status bar.
#include "clipboard/ClipboardFormat.h"
#include "clipboard/FormatCatalogue.h"
#include "clipboard/FormatFactsPanel.h"
#include "clipboard/SummarySource.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tavrix {

class ClipboardIcon;
class ClipboardPort;
class EnginePlatform;
class MainWindowSurface;

class ClipboardEngine {
public:
    // Builds the format catalogue: the registered identifiers must hold their values already.
    ClipboardEngine(ClipboardPort& port, EnginePlatform& platform, MainWindowSurface& surface);
    ClipboardEngine(const ClipboardEngine&) = delete;
    ClipboardEngine& operator=(const ClipboardEngine&) = delete;

    const FormatCatalogue& Catalogue() const { return catalogue_; }
    const std::wstring& GetFormatName(ClipFormat format) const;
    const std::wstring& GetFormatDescription(ClipFormat format) const;

    // Lists the clipboard's formats, fills the tree with "Preview" and one node per entry and
    // selects "Preview" (which shows the summary through the tree's change handler).
    void RebuildFormatList();
    // Shows the summary of the whole clipboard; afterwards SummaryText and ClipboardSize hold
    // its result. Errors end it quietly, keeping what was set until then.
    void ShowClipboardSummary();
    // The tree's change handler. "Preview" (node 0) shows the summary; a format's node shows the
    // format in the view made for it: bitmaps and enhanced metafiles as pictures, rich text as
    // rich text, Unicode text and file lists as 16-bit hex, HTML as text, encoded pictures
    // decoded (as hex when they do not decode) and everything else as hex. Either way the status
    // bar gets the size, the description and the facts, the format actions their state. A node
    // beyond the list shows nothing.
    void ShowNode(int nodeIndex);
    // The format of a node and its name; format 0 for "Preview" or a node beyond the list.
    ClipFormat NodeFormat(int nodeIndex, std::wstring* name = nullptr) const;
    // The clipboard's text (Unicode text, else 8-bit text converted), up to its first zero; empty
    // when there is none or the clipboard cannot be opened.
    std::u16string ReadClipboardText();
    // The icon of the clipboard's "Delphi Icon" data; nothing when that format is not offered.
    // Throws Error when the data is not a valid icon file image.
    std::unique_ptr<ClipboardIcon> ReadClipboardIcon();
    // The registered numbers the Preview's choice of source depends on (registers them).
    SummaryFormats SummaryFormatNumbers();
    // True for a format registered under one of the names of encoded pictures (PNG, JPEG, GIF).
    bool IsEncodedPictureFormat(ClipFormat format);

    // The facts of formats and of the whole clipboard for the status bar.
    FormatFactsPanel& FactsPanel() { return factsPanel_; }
    // A refresh found the clipboard held: the facts panel names the holder; the next refresh that
    // gets through shows the clipboard's facts again.
    void ShowClipboardHeld();
    // The facts are shown on every selection unless switched off (which only benchmarks do, to
    // weigh what they cost a refresh).
    void SetFactsShown(bool shown) { factsShown_ = shown; }
    // After a removal: the note is said with the clipboard's facts, at once and while the
    // clipboard is the one the removal left; an empty note says nothing.
    void NoteRemoval(const std::wstring& note);

    const std::vector<std::wstring>& FormatList() const { return formatList_; }
    const std::vector<std::u16string>& FileList() const { return fileList_; }
    const std::wstring& SummaryText() const { return summaryText_; }
    std::int32_t ClipboardSize() const { return clipboardSize_; }

private:
    void ShowEmptyClipboard();
    void ShowSummaryCase();
    void MeasureClipboardSize();
    void ShowPictureSummary();
    void ShowEncodedPictureSummary(ClipFormat format);
    void ShowHtmlSummary();
    ClipFormat FirstEncodedPictureFormat();
    void ShowFileListSummary();
    void ShowOtherFormatPreview();
    void FillFormatTree();
    // name: the format's name as the tree shows it.
    void ShowFormat(ClipFormat format, const std::wstring& name);
    void ShowNodeFacts(int nodeIndex, ClipFormat format);
    std::wstring RegisteredName(ClipFormat format);
    std::vector<ClipFormat> OfferedFormats(); // clipboard open

    ClipboardPort& port_;
    EnginePlatform& platform_;
    MainWindowSurface& surface_;
    FormatCatalogue catalogue_;
    FormatFactsPanel factsPanel_;
    std::vector<std::wstring> formatList_;
    std::vector<std::u16string> fileList_;
    std::wstring summaryText_;
    std::int32_t clipboardSize_ = 0;
    bool factsShown_ = true;
    std::wstring removalNote_;
    std::uint32_t removalNoteSequence_ = 0;
};

} // namespace tavrix
