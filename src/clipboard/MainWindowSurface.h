#pragma once
// The part of the main window that the clipboard engine drives: the format tree, the actions it
// enables, the preview's views and display routines, and the status bar's texts. The engine knows
// the main window only through this interface; the main window implements it, tests use a recording
// fake.
#include "clipboard/ClipboardFormat.h"

#include <cstdint>
#include <optional>
#include <string>

namespace tavrix {

class ClipboardIcon;
class ClipboardPicture;

// The actions whose enabled state follows the clipboard content.
enum class EngineAction {
    Save,         // actSave
    Delete,       // actDelete
    ZoomOut,      // actZoomOut
    ZoomIn,       // actZoomIn
    Zoom100,      // actZoom100
    SaveFormat,   // actSaveFormat
    RemoveFormat, // actRemoveFormat
};

// How the viewer shows a format's bytes.
enum class ByteView {
    Hex,        // offset, hexadecimal cells and characters
    UnicodeHex, // offset, 16-bit hexadecimal cells and characters
    Text,       // 1-byte characters in lines
    Utf8Text,   // UTF-8 text in lines
};

// The three preview views of the main window; the number is the one SelectPreviewView takes.
enum class PreviewView : int {
    RichText = 0,
    Picture = 1, // scrlPreview with imgPreview
    Viewer = 2,  // the binary viewer control
};

// A picture's natural size in pixels.
struct PictureSize {
    int width = 0;
    int height = 0;
};

class MainWindowSurface {
public:
    virtual ~MainWindowSurface() = default;

    // Tree tvFormats. While the change handler (tvFormatsChange) is detached, adding, removing
    // and selecting nodes runs nothing. SelectFormatNode with the handler attached runs it for
    // the node, as a user's selection would (for node 0, "Preview", that shows the summary).
    virtual void DetachFormatsChange() = 0;
    virtual void AttachFormatsChange() = 0;
    virtual void ClearFormatNodes() = 0;
    // Adds a top-level node after the existing ones.
    virtual void AddFormatNode(const std::wstring& text) = 0;
    virtual void SelectFormatNode(int index) = 0;

    // actSave, actDelete, actZoomOut, actZoomIn, actZoom100, actSaveFormat, actRemoveFormat.
    virtual void SetActionEnabled(EngineAction action, bool enabled) = 0;

    // Image view imgPreview. PreviewPicture is its picture, which the clipboard port's
    // LoadClipboardPicture loads into (the Win32 side hands out a win32::Win32Picture).
    virtual ClipboardPicture& PreviewPicture() = 0;
    // A copy of the icon becomes the picture of imgPreview; the caller keeps and releases its
    // own icon. Throws Error when the icon cannot be shown.
    virtual void SetPreviewIcon(const ClipboardIcon& icon) = 0;
    // The view's current size in pixels (not necessarily the picture's natural size).
    virtual int PreviewImageWidth() const = 0;
    virtual int PreviewImageHeight() const = 0;
    // Switches imgPreview to automatic sizing: it takes the natural size of its picture.
    virtual void AutoSizePreviewImage() = 0;

    // Decodes the block of an encoded picture format (PNG, JPEG, GIF) into imgPreview at its
    // natural size times the current zoom and makes the picture view visible; answers the
    // natural size. Nothing, with the views as they were, when the bytes are no picture that can
    // be decoded (broken, cut short, or beyond the size limits).
    virtual std::optional<PictureSize> ShowEncodedPicture(ClipFormat format) = 0;
    // Reads a format's whole memory block into the preview and shows it in the viewer, without
    // the gutter, making the viewer the visible preview view; answers the block's size (0 for a
    // format that is no memory block).
    virtual std::int32_t ShowFormatBytes(ClipFormat format, ByteView view) = 0;
    // The bytes the last read left in the preview (those of a picture that could not be
    // decoded, say) as a hex dump in the viewer, as ShowFormatBytes shows them; their count.
    virtual std::int32_t ShowReadBytes() = 0;
    // Reads a rich text format into the preview and shows it in the rich text view, making that
    // the visible view; answers the text's length.
    virtual std::int32_t ShowRichText(ClipFormat format) = 0;

    // Makes the given view the visible preview view.
    virtual void SelectPreviewView(PreviewView view) = 0;
    // Shows UTF-16 text in the viewer control in Unicode mode with its line-number gutter, and
    // makes the viewer the visible preview view. The text is taken as it is (no zero inside).
    virtual void ShowPreviewText(const std::u16string& text) = 0;
    // Enables the commands that act on the visible view (zoom, and Find in the viewer).
    virtual void UpdateViewActions() = 0;
    // Loads the clipboard picture into imgPreview again, keeps its natural size and applies the
    // current zoom. Throws Error when the clipboard offers no picture (the view keeps what it
    // shows then).
    virtual void ShowClipboardPicture() = 0;

    // The status bar: the size of what is shown, in bytes or as a picture's size, the
    // description of the selected node, and the facts of the format or of the clipboard.
    virtual void ShowSize(std::int32_t bytes) = 0;
    virtual void ShowPictureSize(PictureSize size) = 0;
    virtual void ShowDescription(const std::wstring& text) = 0;
    virtual void ShowFacts(const std::wstring& text) = 0;
    // The size of data that did not come: "?".
    virtual void ShowUnknownSize() = 0;
    // A message over the whole status bar while the window waits for the clipboard's data, and
    // the panels again.
    virtual void ShowWaitMessage(const std::wstring& text) = 0;
    virtual void EndWaitMessage() = 0;
};

} // namespace tavrix
