// The three zoom commands, which act on the picture when it is the visible view and on the
// viewer's font otherwise.
#include "app/Zoom.h"
#include "app/win32/MainForm.h"
#include "settings/AppIni.h"

namespace tavrix::win32 {

void TMainForm::ShowClipboardPicture() {
    preview_.ShowClipboardPicture();
}

void TMainForm::ApplyImageZoom() {
    preview_.ApplyImageZoom();
}

void TMainForm::UpdateZoomActions() {
    bool enabled =
        preview_.IsVisible(PreviewView::Viewer) || preview_.IsVisible(PreviewView::Picture);
    for (int id : {kActZoomOut, kActZoomIn, kActZoom100}) {
        commands_.ActionById(id).SetEnabled(enabled);
    }
}

void TMainForm::actZoomOutExecute() {
    if (preview_.IsVisible(PreviewView::Picture)) {
        preview_.SetImageZoom(ImageZoomOut(preview_.ImageZoom()));
        ApplyImageZoom();
    } else {
        ViewerHost& viewer = preview_.Viewer();
        viewer.SetFontSize(ViewerFontZoomOut(viewer.FontSize()));
        viewer.Redraw();
    }
    SaveZoomSettings();
}

void TMainForm::actZoomInExecute() {
    if (preview_.IsVisible(PreviewView::Picture)) {
        preview_.SetImageZoom(ImageZoomIn(preview_.ImageZoom()));
        ApplyImageZoom();
    } else {
        ViewerHost& viewer = preview_.Viewer();
        viewer.SetFontSize(ViewerFontZoomIn(viewer.FontSize()));
        viewer.Redraw();
    }
    SaveZoomSettings();
}

void TMainForm::actZoom100Execute() {
    if (preview_.IsVisible(PreviewView::Picture)) {
        preview_.SetImageZoom(100);
        ApplyImageZoom();
    } else {
        ViewerHost& viewer = preview_.Viewer();
        viewer.SetFontSize(preview_.ViewerFontSize());
        viewer.Redraw();
    }
    SaveZoomSettings();
}

void TMainForm::SaveZoomSettings() {
    services_.settings.WriteInteger(L"Zoom", preview_.Viewer().FontSize());
    services_.settings.WriteInteger(L"ZoomImage", preview_.ImageZoom());
}

} // namespace tavrix::win32
