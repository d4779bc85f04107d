#pragma once
// The preview pane right of the splitter: three views sharing one place, one visible at a time
// (the rich text view rtfPreview, the picture view scrlPreview with imgPreview, the binary
// viewer), the preview stream the viewer and the rich text view read the selected format from,
// and the zoom of the picture view.
#include "app/MainLayout.h"
#include "app/win32/PicturePreview.h"
#include "app/win32/ViewerHost.h"
#include "clipboard/ClipboardFormat.h"
#include "clipboard/MainWindowSurface.h"
#include "ui/win32/PictureDecoder.h"
#include "ui/win32/RichEdit.h"
#include "viewer/ByteStream.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace tavrix {
class ClipboardPort;
class SettingsStore;
} // namespace tavrix

namespace tavrix::win32 {

// One step of the zoom commands.
enum class ZoomStep { Out, In, Reset };

class PreviewPane {
public:
    // shown: what the views read the selected format from; copyTo: where the viewer copies to.
    PreviewPane(ClipboardPort& shown, ClipboardPort& copyTo) : port_(shown), copyTo_(copyTo) {}

    // Nothing is made yet: the picture view and the rich text view come when they are first
    // used, so that neither (nor the rich text library) is made before the window is on screen.
    void Create(HWND parent, int richTextId, int pictureId);
    // The viewer control (hidden) and the preview stream; the font size it starts with is the
    // one zoom to 100% returns to.
    void CreateViewer(HWND parent, int id);
    // Lets go of the preview stream; the viewer shows nothing afterwards.
    void ReleaseStream();
    void Place(const LayoutRect& rect);

    // Shows the view and hides the two others.
    void Select(PreviewView view);
    bool IsVisible(PreviewView view) const;

    // The rich text view, created now if it was not yet.
    RichEdit& RichText();
    // Whether a notification is a click on a link in the rich text view, if there is one yet.
    bool IsRichTextLinkClick(const NMHDR& header, std::wstring& link, bool& leftButton) const {
        return rtfPreview_.Handle() != nullptr && rtfPreview_.IsLinkClick(header, link, leftButton);
    }
    // The picture view, created now if it was not yet.
    ScrollBox& PictureBox();
    ImageControl& Image() { return PictureBox().Image(); }
    const ImageControl& Image() const { return const_cast<ScrollBox&>(scrlPreview_).Image(); }
    // Kept for the picture view, made or not.
    void SetCheckerCell(int pixels) { scrlPreview_.Image().SetCheckerCell(pixels); }
    ViewerHost& Viewer() { return viewer_; }
    MemoryStream& PreviewStream() { return *previewStream_; }

    // The whole memory block of the format in the preview stream; its size, 0 for a format that
    // is no memory block.
    std::int32_t ReadFormat(ClipFormat format);
    // The size of what the preview stream holds, at most INT32_MAX.
    std::int32_t StreamSize() const;
    // The preview stream loaded into the rich text view.
    void LoadRichText();
    // The preview stream in the viewer in the given mode, with or without its gutter. UTF-8 text
    // is shown in the UTF-8 encoding; the next other view gets back the encoding the user had,
    // unless the user chose another one meanwhile.
    void ShowStreamInViewer(ViewerMode mode, bool gutter, bool utf8 = false);
    // UTF-16 text into the preview stream, as little-endian bytes.
    void SetStreamText(const std::u16string& text);

    // The clipboard picture at its natural size times the zoom.
    void ShowClipboardPicture();
    int ImageZoom() const { return imageZoom_; }
    // Percent; ApplyImageZoom resizes the picture.
    void SetImageZoom(int percent) { imageZoom_ = percent; }
    void ApplyImageZoom();
    // The image file in a format's block, decoded, at its natural size times the zoom; its
    // natural size. Nothing, with the picture as it was, when it cannot be decoded.
    std::optional<PictureSize> ShowEncodedPicture(ClipFormat format);
    // The viewer's font size when it was created.
    int ViewerFontSize() const { return viewerFontSize_; }

    // True while the picture or the viewer is the visible view: the views that zoom.
    bool CanZoom() const {
        return IsVisible(PreviewView::Viewer) || IsVisible(PreviewView::Picture);
    }
    // Zooms the picture when it is the visible view, the viewer's font otherwise; reset is 100%
    // for the picture and the font size the viewer was created with.
    void Zoom(ZoomStep step);
    // The viewer's font size and the picture's zoom, as kept between runs.
    void RestoreZoom(SettingsStore& settings);
    void SaveZoom(SettingsStore& settings);

private:
    // The picture just loaded into the image: its natural size, then the zoom.
    void ShowLoadedPicture();
    // A view made after the pane was placed takes the place the others have.
    void PlaceLateView(HWND view) const;

    ClipboardPort& port_;
    ClipboardPort& copyTo_;
    HWND parent_ = nullptr;
    int richTextId_ = 0;
    int pictureId_ = 0;
    std::optional<LayoutRect> placed_;
    RichEdit rtfPreview_;
    ScrollBox scrlPreview_;
    ViewerHost viewer_;
    std::unique_ptr<MemoryStream> previewStream_;
    PictureDecoder decoder_;
    int viewerFontSize_ = ViewerHost::kDefaultFontSize;
    int imageZoom_ = 100;
    std::optional<ViewerEncoding> encodingBeforeUtf8_;
    int imageWidth_ = 0;
    int imageHeight_ = 0;
};

} // namespace tavrix::win32
