// The preview of the selected format: the tree's change handler, reading one format into the
// preview stream, choosing the view, and the status bar texts.
#include "app/FormatThousands.h"
#include "app/win32/MainForm.h"
#include "base/Error.h"
#include "base/UiText.h"
#include "clipboard/ClipboardEngine.h"
#include "clipboard/ClipboardPort.h"
#include "clipboard/EngineLabels.h"
#include "clipboard/FormatListEntry.h"
#include "clipboard/RegisteredFormats.h"
#include "clipboard/win32/Win32Icon.h"
#include "clipboard/win32/Win32Picture.h"

namespace tavrix::win32 {

std::wstring TMainForm::SizeText(std::int32_t number) const {
    return labels::Size() + L" : " + FormatThousands(number);
}

void TMainForm::tvFormatsChange(int nodeIndex) {
    if (!tvFormats_.HasNodes() || engine_ == nullptr) {
        return;
    }
    if (nodeIndex == 0) {
        engine_->ShowClipboardSummary();
        sbMain_.SetHint(engine_->SummaryText());
        sbMain_.SetPanelText(1, engine_->SummaryText());
        sbMain_.SetPanelText(0, SizeText(engine_->ClipboardSize()));
        ShowFormatFacts(0, 0);
        return;
    }
    const auto& list = engine_->FormatList();
    if (nodeIndex < 1 || static_cast<std::size_t>(nodeIndex) > list.size()) {
        return;
    }
    ClipFormat format = FormatOfEntry(list[static_cast<std::size_t>(nodeIndex - 1)]);
    const std::wstring& description = engine_->GetFormatDescription(format);
    sbMain_.SetHint(description);
    sbMain_.SetPanelText(1, description);
    ShowFormatFacts(nodeIndex, format);

    if (format == cf::Bitmap || format == cf::EnhMetafile) {
        ImageControl& image = preview_.Image();
        image.SetAutoSize(true);
        port_.LoadClipboardPicture(image.Picture());
        image.SetAutoSize(true);
        sbMain_.SetPanelText(0, std::to_wstring(image.NaturalWidth()) + L" x " +
                                    std::to_wstring(image.NaturalHeight()));
        ShowClipboardPicture();
        SelectPreviewView(PreviewView::Picture);
    } else if (format == RtfFormat && format != 0) {
        ReadSelectedFormat(format);
        preview_.LoadRichText();
        SelectPreviewView(PreviewView::RichText);
        sbMain_.SetPanelText(0, SizeText(preview_.RichText().TextLengthByLines()));
    } else if (format == cf::UnicodeText || format == cf::HDrop) {
        ViewerSteps(format, vbmodeUHex);
    } else if (format == HtmlFormat && format != 0) {
        ViewerSteps(format, vbmodeText);
    } else if (engine_->IsEncodedPictureFormat(format)) {
        if (std::optional<PictureSize> size = ShowEncodedPicture(format)) {
            sbMain_.SetPanelText(0, std::to_wstring(size->width) + L" x " +
                                        std::to_wstring(size->height));
        } else {
            // Broken or too large: the bytes just read for the decoder, as hex.
            ShowStreamInViewer(vbmodeHex);
            sbMain_.SetPanelText(0, SizeText(preview_.StreamSize()));
        }
    } else {
        ViewerSteps(format, vbmodeHex);
    }
}

void TMainForm::ViewerSteps(ClipFormat format, TZorvBinHexMode mode) {
    sbMain_.SetPanelText(0, SizeText(ShowFormatInViewer(format, mode)));
}

std::int32_t TMainForm::ShowFormatInViewer(ClipFormat format, TZorvBinHexMode mode) {
    const std::int32_t size = ReadSelectedFormat(format);
    ShowStreamInViewer(mode);
    return size;
}

void TMainForm::ShowStreamInViewer(TZorvBinHexMode mode) {
    preview_.ShowStreamInViewer(mode, false);
    SelectPreviewView(PreviewView::Viewer);
}

void TMainForm::ShowFormatBytes(ClipFormat format) {
    ShowFormatInViewer(format, vbmodeHex);
}

std::optional<PictureSize> TMainForm::ShowEncodedPicture(ClipFormat format) {
    std::optional<PictureSize> size = preview_.ShowEncodedPicture(format);
    if (size) {
        SelectPreviewView(PreviewView::Picture);
    }
    return size;
}

std::int32_t TMainForm::ReadSelectedFormat(ClipFormat format) {
    return preview_.ReadFormat(format);
}

void TMainForm::SelectPreviewView(PreviewView view) {
    switch (view) {
    case PreviewView::RichText:
    case PreviewView::Picture:
    case PreviewView::Viewer:
        preview_.Select(view);
        break;
    }
    UpdateZoomActions();
}

void TMainForm::ShowPreviewText(const std::u16string& text) {
    preview_.SetStreamText(text);
    preview_.ShowStreamInViewer(vbmodeUnicode, true);
    SelectPreviewView(PreviewView::Viewer);
}

// --- The actions and the picture view as the clipboard engine sees them -------------------------

void TMainForm::SetActionEnabled(EngineAction action, bool enabled) {
    int id = 0;
    switch (action) {
    case EngineAction::Save:
        id = kActSave;
        break;
    case EngineAction::Delete:
        id = kActDelete;
        break;
    case EngineAction::ZoomOut:
        id = kActZoomOut;
        break;
    case EngineAction::ZoomIn:
        id = kActZoomIn;
        break;
    case EngineAction::Zoom100:
        id = kActZoom100;
        break;
    }
    commands_.ActionById(id).SetEnabled(enabled);
}

ClipboardPicture& TMainForm::PreviewPicture() {
    return preview_.Image().Picture();
}

void TMainForm::SetPreviewIcon(const ClipboardIcon& icon) {
    const auto* platformIcon = dynamic_cast<const Win32Icon*>(&icon);
    if (platformIcon == nullptr) {
        throw Error(Tr(L"Invalid icon"));
    }
    preview_.Image().SetIcon(platformIcon->Handle(), platformIcon->Width(), platformIcon->Height());
}

int TMainForm::PreviewImageWidth() const {
    return preview_.Image().Width();
}

int TMainForm::PreviewImageHeight() const {
    return preview_.Image().Height();
}

void TMainForm::AutoSizePreviewImage() {
    preview_.Image().SetAutoSize(true);
}

} // namespace tavrix::win32
