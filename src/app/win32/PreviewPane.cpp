#include "app/win32/PreviewPane.h"

#include "app/Zoom.h"
#include "base/Unicode.h"
#include "clipboard/ClipboardPort.h"
#include "settings/SettingsStore.h"

#include <algorithm>

namespace tavrix::win32 {

void PreviewPane::Create(HWND parent, int richTextId, int pictureId) {
    parent_ = parent;
    richTextId_ = richTextId;
    pictureId_ = pictureId;
}

void PreviewPane::PlaceLateView(HWND view) const {
    if (placed_) {
        MoveWindow(view, placed_->left, placed_->top, placed_->width, placed_->height, TRUE);
    }
}

RichEdit& PreviewPane::RichText() {
    if (rtfPreview_.Handle() == nullptr && parent_ != nullptr) {
        rtfPreview_.Create(parent_, richTextId_);
        PlaceLateView(rtfPreview_.Handle());
    }
    return rtfPreview_;
}

ScrollBox& PreviewPane::PictureBox() {
    if (scrlPreview_.Handle() == nullptr && parent_ != nullptr) {
        scrlPreview_.Create(parent_, pictureId_);
        PlaceLateView(scrlPreview_.Handle());
    }
    return scrlPreview_;
}

void PreviewPane::CreateViewer(HWND parent, int id) {
    previewStream_ = std::make_unique<MemoryStream>();
    viewer_.Create(copyTo_, parent, id);
    viewer_.SetTextUrlHilight(true);
    viewer_.SetTextGutterLinesStep(1);
    viewerFontSize_ = viewer_.FontSize();
}

void PreviewPane::ReleaseStream() {
    viewer_.OpenStream(nullptr, false);
    previewStream_.reset();
}

void PreviewPane::Place(const LayoutRect& rect) {
    placed_ = rect;
    for (HWND view : {rtfPreview_.Handle(), scrlPreview_.Handle(), viewer_.Handle()}) {
        if (view != nullptr) {
            MoveWindow(view, rect.left, rect.top, rect.width, rect.height, TRUE);
        }
    }
}

void PreviewPane::Select(PreviewView view) {
    if (view == PreviewView::RichText || rtfPreview_.Handle() != nullptr) {
        ShowWindow(RichText().Handle(), view == PreviewView::RichText ? SW_SHOW : SW_HIDE);
    }
    if (view == PreviewView::Picture || scrlPreview_.Handle() != nullptr) {
        ShowWindow(PictureBox().Handle(), view == PreviewView::Picture ? SW_SHOW : SW_HIDE);
    }
    ShowWindow(viewer_.Handle(), view == PreviewView::Viewer ? SW_SHOW : SW_HIDE);
}

bool PreviewPane::IsVisible(PreviewView view) const {
    switch (view) {
    case PreviewView::RichText:
        return IsWindowVisible(rtfPreview_.Handle()) != FALSE;
    case PreviewView::Picture:
        return IsWindowVisible(scrlPreview_.Handle()) != FALSE;
    case PreviewView::Viewer:
        return viewer_.Handle() != nullptr && IsWindowVisible(viewer_.Handle()) != FALSE;
    }
    return false;
}

std::int32_t PreviewPane::ReadFormat(ClipFormat format) {
    // A block the snapshot holds is shown as it is: a large one is never copied on the window's
    // thread.
    if (auto held = port_.Backend().HeldBlock(format)) {
        previewStream_->Hold(std::move(held));
        return StreamSize();
    }
    previewStream_->Clear();
    {
        ClipboardOpen open(port_);
        // The whole memory block, as large as the platform made it; nothing for handles that
        // are no memory block (bitmaps, palettes, metafiles).
        port_.ReadData(format,
                       [&](std::span<const std::uint8_t> bytes) { previewStream_->Assign(bytes); });
    }
    return StreamSize();
}

std::int32_t PreviewPane::StreamSize() const {
    return static_cast<std::int32_t>(std::min<std::int64_t>(previewStream_->Size(), INT32_MAX));
}

void PreviewPane::LoadRichText() {
    previewStream_->SetPosition(0);
    RichText().LoadRtf(previewStream_->Bytes());
}

void PreviewPane::ShowStreamInViewer(ViewerMode mode, bool gutter, bool utf8) {
    TZorvBinHex& model = viewer_.Model();
    const ViewerEncoding shown = model.Options().textEncoding;
    if (utf8) {
        if (!encodingBeforeUtf8_) {
            encodingBeforeUtf8_ = shown;
        }
        model.SetOption(&BinHexOptions::textEncoding, ViewerEncoding::UTF8);
    } else if (encodingBeforeUtf8_) {
        if (shown == ViewerEncoding::UTF8) {
            model.SetOption(&BinHexOptions::textEncoding, *encodingBeforeUtf8_);
        }
        encodingBeforeUtf8_.reset();
    }
    viewer_.SetTextGutter(gutter);
    viewer_.OpenStream(previewStream_.get(), true);
    viewer_.SetMode(mode);
}

void PreviewPane::SetStreamText(const std::u16string& text) {
    previewStream_->Assign(Utf16LeBytes(text));
}

void PreviewPane::ShowClipboardPicture() {
    ImageControl& image = Image();
    image.SetAutoSize(true);
    port_.LoadClipboardPicture(image.Picture());
    ShowLoadedPicture();
}

std::optional<PictureSize> PreviewPane::ShowEncodedPicture(ClipFormat format) {
    // Decoded from the preview stream, so that the clipboard is not held while it takes and no
    // second copy of the file is made beside the stream's.
    if (ReadFormat(format) == 0) {
        return std::nullopt;
    }
    std::optional<DecodedPicture> decoded = decoder_.Decode(previewStream_->Bytes());
    if (!decoded) {
        return std::nullopt;
    }
    Image().Picture().SetTransparent(std::move(decoded->bitmap), decoded->width, decoded->height);
    ShowLoadedPicture();
    return PictureSize{.width = decoded->width, .height = decoded->height};
}

void PreviewPane::ShowLoadedPicture() {
    ImageControl& image = Image();
    image.SetAutoSize(true);
    imageWidth_ = image.NaturalWidth();
    imageHeight_ = image.NaturalHeight();
    image.SetAutoSize(false);
    image.SetStretch(true);
    ApplyImageZoom();
}

void PreviewPane::ApplyImageZoom() {
    Image().SetSize(ZoomedSide(imageWidth_, imageZoom_), ZoomedSide(imageHeight_, imageZoom_));
    PictureBox().UpdateScrollRange();
}

void PreviewPane::Zoom(ZoomStep step) {
    if (IsVisible(PreviewView::Picture)) {
        switch (step) {
        case ZoomStep::Out:
            imageZoom_ = ImageZoomOut(imageZoom_);
            break;
        case ZoomStep::In:
            imageZoom_ = ImageZoomIn(imageZoom_);
            break;
        case ZoomStep::Reset:
            imageZoom_ = 100;
            break;
        }
        ApplyImageZoom();
        return;
    }
    const int points = viewer_.FontSize();
    switch (step) {
    case ZoomStep::Out:
        viewer_.SetFontSize(ViewerFontZoomOut(points));
        break;
    case ZoomStep::In:
        viewer_.SetFontSize(ViewerFontZoomIn(points));
        break;
    case ZoomStep::Reset:
        viewer_.SetFontSize(viewerFontSize_);
        break;
    }
    viewer_.Redraw();
}

void PreviewPane::RestoreZoom(SettingsStore& settings) {
    viewer_.SetFontSize(settings.ReadInteger(L"Zoom", viewer_.FontSize()));
    imageZoom_ = ClampImageZoom(settings.ReadInteger(L"ZoomImage", 100));
}

void PreviewPane::SaveZoom(SettingsStore& settings) {
    settings.WriteInteger(L"Zoom", viewer_.FontSize());
    settings.WriteInteger(L"ZoomImage", imageZoom_);
}

} // namespace tavrix::win32
