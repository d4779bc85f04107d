// The picture view's loading and scaling and the three zoom commands, which act on the picture
// when it is the visible view and on the viewer's font otherwise.
#include "app/Zoom.h"
#include "app/win32/MainForm.h"
#include "app/win32/MainFormSettings.h"
#include "clipboard/ClipboardPort.h"

namespace tavrix::win32 {

void TMainForm::ShowClipboardPicture() {
    ImageControl& image = Image();
    image.SetAutoSize(true);
    port_.LoadClipboardPicture(image.Picture());
    image.SetAutoSize(true);
    imageWidth_ = image.NaturalWidth();
    imageHeight_ = image.NaturalHeight();
    image.SetAutoSize(false);
    image.SetStretch(true);
    ApplyImageZoom();
}

void TMainForm::ApplyImageZoom() {
    Image().SetSize(ZoomedSide(imageWidth_, imageZoom_), ZoomedSide(imageHeight_, imageZoom_));
    scrlPreview_.UpdateScrollRange();
}

void TMainForm::UpdateZoomActions() {
    bool enabled = IsViewVisible(PreviewView::Viewer) || IsViewVisible(PreviewView::Picture);
    alMain_.Find(kActZoomOut)->SetEnabled(enabled);
    alMain_.Find(kActZoomIn)->SetEnabled(enabled);
    alMain_.Find(kActZoom100)->SetEnabled(enabled);
}

void TMainForm::actZoomOutExecute() {
    if (IsViewVisible(PreviewView::Picture)) {
        imageZoom_ = ImageZoomOut(imageZoom_);
        ApplyImageZoom();
    } else {
        viewer_.SetFontSize(ViewerFontZoomOut(viewer_.FontSize()));
        viewer_.Redraw();
    }
    SaveZoomSettings();
}

void TMainForm::actZoomInExecute() {
    if (IsViewVisible(PreviewView::Picture)) {
        imageZoom_ = ImageZoomIn(imageZoom_);
        ApplyImageZoom();
    } else {
        viewer_.SetFontSize(ViewerFontZoomIn(viewer_.FontSize()));
        viewer_.Redraw();
    }
    SaveZoomSettings();
}

void TMainForm::actZoom100Execute() {
    if (IsViewVisible(PreviewView::Picture)) {
        imageZoom_ = 100;
        ApplyImageZoom();
    } else {
        viewer_.SetFontSize(viewerFontSize_);
        viewer_.Redraw();
    }
    SaveZoomSettings();
}

void TMainForm::SaveZoomSettings() {
    WriteIntegerSetting(L"Zoom", viewer_.FontSize());
    WriteIntegerSetting(L"ZoomImage", imageZoom_);
}

} // namespace tavrix::win32
