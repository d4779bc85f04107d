#pragma once
// The part of the main window that the clipboard engine drives: the format tree, the actions it
// enables, the picture view and its display routines. The engine knows the main window only
// through this interface; the main window implements it, tests use a recording fake.
#include "clipboard/ClipboardFormat.h"

#include <optional>
#include <string>

namespace tavrix {

class ClipboardIcon;
class ClipboardPicture;

// The actions whose enabled state follows the clipboard content.
enum class EngineAction {
    Save,    // actSave
    Delete,  // actDelete
    ZoomOut, // actZoomOut
    ZoomIn,  // actZoomIn
    Zoom100, // actZoom100
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

    // actSave, actDelete, actZoomOut, actZoomIn, actZoom100.
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
    // Shows a format's bytes as a hex dump in the viewer, without the gutter, and makes the
    // viewer the visible preview view.
    virtual void ShowFormatBytes(ClipFormat format) = 0;

    // Makes the given view the visible preview view.
    virtual void SelectPreviewView(PreviewView view) = 0;
    // Shows UTF-16 text in the viewer control in Unicode mode with its line-number gutter, and
    // makes the viewer the visible preview view. The text is taken as it is (no zero inside).
    virtual void ShowPreviewText(const std::u16string& text) = 0;
    // Enables the zoom actions when the picture view or the viewer is the visible view.
    virtual void UpdateZoomActions() = 0;
    // Loads the clipboard picture into imgPreview again, keeps its natural size and applies the
    // current zoom. Throws Error when the clipboard offers no picture (the view keeps what it
    // shows then).
    virtual void ShowClipboardPicture() = 0;

    // The facts panel of the status bar, when a refresh found the clipboard held by another
    // program; the next refresh that gets through shows the clipboard's facts again.
    virtual void ShowClipboardHolder(const std::wstring& text) = 0;
};

} // namespace tavrix
