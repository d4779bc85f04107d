// The preview of the selected format: the tree's change handler, reading one format into the
// preview stream, choosing the view, and the status bar texts.
#include "app/FormatThousands.h"
#include "app/win32/MainForm.h"
#include "base/Error.h"
#include "base/Unicode.h"
#include "clipboard/ClipboardEngine.h"
#include "clipboard/ClipboardPort.h"
#include "clipboard/EngineLabels.h"
#include "clipboard/FormatListEntry.h"
#include "clipboard/RegisteredFormats.h"
#include "clipboard/win32/Win32Icon.h"
#include "clipboard/win32/Win32Picture.h"

#include <commctrl.h>

namespace tavrix::win32 {

std::wstring TMainForm::SizeText(std::int32_t number) const {
    return labels::Size() + L" : " + FormatThousands(number);
}

void TMainForm::SetStatusTexts(const std::wstring& panel0, const std::wstring& panel1) {
    SendMessageW(sbMain_, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(panel0.c_str()));
    SendMessageW(sbMain_, SB_SETTEXTW, 1, reinterpret_cast<LPARAM>(panel1.c_str()));
}

bool TMainForm::TreeHasNodes() const {
    return SendMessageW(tvFormats_, TVM_GETCOUNT, 0, 0) > 0;
}

void TMainForm::tvFormatsChange(int nodeIndex) {
    if (!TreeHasNodes() || engine_ == nullptr) {
        return;
    }
    if (nodeIndex == 0) {
        engine_->ShowClipboardSummary();
        SetStatusHint(engine_->SummaryText());
        SendMessageW(sbMain_, SB_SETTEXTW, 1,
                     reinterpret_cast<LPARAM>(engine_->SummaryText().c_str()));
        std::wstring size = SizeText(engine_->ClipboardSize());
        SendMessageW(sbMain_, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(size.c_str()));
        return;
    }
    const auto& list = engine_->FormatList();
    if (nodeIndex < 1 || static_cast<std::size_t>(nodeIndex) > list.size()) {
        return;
    }
    ClipFormat format = FormatOfEntry(list[static_cast<std::size_t>(nodeIndex - 1)]);
    const std::wstring& description = engine_->GetFormatDescription(format);
    SetStatusHint(description);
    SendMessageW(sbMain_, SB_SETTEXTW, 1, reinterpret_cast<LPARAM>(description.c_str()));

    std::wstring panel0;
    if (format == cf::Bitmap || format == cf::EnhMetafile) {
        ImageControl& image = Image();
        image.SetAutoSize(true);
        port_.LoadClipboardPicture(image.Picture());
        image.SetAutoSize(true);
        panel0 =
            std::to_wstring(image.NaturalWidth()) + L" x " + std::to_wstring(image.NaturalHeight());
        SendMessageW(sbMain_, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(panel0.c_str()));
        ShowClipboardPicture();
        SelectPreviewView(std::uint8_t{1});
    } else if (format == RtfFormat && format != 0) {
        ReadSelectedFormat(format);
        previewStream_->SetPosition(0);
        rtfPreview_.LoadRtf(previewStream_->Bytes());
        SelectPreviewView(std::uint8_t{0});
        panel0 = SizeText(rtfPreview_.TextLengthByLines());
        SendMessageW(sbMain_, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(panel0.c_str()));
    } else if (format == cf::UnicodeText || format == cf::HDrop) {
        ViewerSteps(format, vbmodeUHex);
    } else if (format == HtmlFormat && format != 0) {
        ViewerSteps(format, vbmodeText);
    } else {
        ViewerSteps(format, vbmodeHex);
    }
}

void TMainForm::ViewerSteps(ClipFormat format, TZorvBinHexMode mode) {
    std::int32_t size = ReadSelectedFormat(format);
    viewer_.SetTextGutter(false);
    viewer_.OpenStream(previewStream_.get(), true);
    viewer_.SetMode(mode);
    SelectPreviewView(std::uint8_t{2});
    std::wstring panel0 = SizeText(size);
    SendMessageW(sbMain_, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(panel0.c_str()));
}

std::int32_t TMainForm::ReadSelectedFormat(ClipFormat format) {
    std::int32_t size = 0;
    previewStream_->Clear();
    ClipboardOpen open(port_);
    // The whole memory block, as large as the platform made it; nothing for handles that are no
    // memory block (bitmaps, palettes, metafiles).
    port_.ReadData(format, [&](std::span<const std::uint8_t> bytes) {
        previewStream_->Assign(bytes);
        size = static_cast<std::int32_t>(std::min<std::size_t>(bytes.size(), INT32_MAX));
    });
    return size;
}

void TMainForm::SelectPreviewView(std::uint8_t kind) {
    if (kind <= 2) {
        ShowWindow(rtfPreview_.Handle(), kind == 0 ? SW_SHOW : SW_HIDE);
        ShowWindow(scrlPreview_.Handle(), kind == 1 ? SW_SHOW : SW_HIDE);
        ShowWindow(viewer_.Handle(), kind == 2 ? SW_SHOW : SW_HIDE);
    }
    UpdateZoomActions();
}

void TMainForm::SelectPreviewView(PreviewView view) {
    SelectPreviewView(static_cast<std::uint8_t>(view));
}

bool TMainForm::IsViewVisible(PreviewView view) const {
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

void TMainForm::ShowPreviewText(const std::u16string& text) {
    previewStream_->Assign(Utf16LeBytes(text));
    viewer_.SetTextGutter(true);
    viewer_.OpenStream(previewStream_.get(), true);
    viewer_.SetMode(vbmodeUnicode);
    SelectPreviewView(std::uint8_t{2});
}

// --- The tree and the actions as the clipboard engine sees them ---------------------------------

void TMainForm::ClearFormatNodes() {
    SendMessageW(tvFormats_, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
}

void TMainForm::AddFormatNode(const std::wstring& text) {
    int index = static_cast<int>(SendMessageW(tvFormats_, TVM_GETCOUNT, 0, 0));
    std::wstring copy = text;
    TVINSERTSTRUCTW insert{};
    insert.hParent = TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM;
    insert.item.pszText = copy.data();
    insert.item.lParam = index;
    SendMessageW(tvFormats_, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert));
}

void TMainForm::SelectFormatNode(int index) {
    auto item =
        reinterpret_cast<HTREEITEM>(SendMessageW(tvFormats_, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    for (int i = 0; item != nullptr && i < index; ++i) {
        item = reinterpret_cast<HTREEITEM>(
            SendMessageW(tvFormats_, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)));
    }
    if (item != nullptr) {
        SendMessageW(tvFormats_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
    }
}

int TMainForm::SelectedNodeIndex() const {
    auto item =
        reinterpret_cast<HTREEITEM>(SendMessageW(tvFormats_, TVM_GETNEXTITEM, TVGN_CARET, 0));
    if (item == nullptr) {
        return -1;
    }
    TVITEMW info{};
    info.mask = TVIF_PARAM;
    info.hItem = item;
    SendMessageW(tvFormats_, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&info));
    return static_cast<int>(info.lParam);
}

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
    alMain_.Find(id)->SetEnabled(enabled);
}

ClipboardPicture& TMainForm::PreviewPicture() {
    return Image().Picture();
}

void TMainForm::SetPreviewIcon(const ClipboardIcon& icon) {
    const auto* platformIcon = dynamic_cast<const Win32Icon*>(&icon);
    if (platformIcon == nullptr) {
        throw Error(L"Invalid icon");
    }
    Image().SetIcon(platformIcon->Handle(), platformIcon->Width(), platformIcon->Height());
}

int TMainForm::PreviewImageWidth() const {
    return const_cast<TMainForm*>(this)->Image().Width();
}

int TMainForm::PreviewImageHeight() const {
    return const_cast<TMainForm*>(this)->Image().Height();
}

void TMainForm::AutoSizePreviewImage() {
    Image().SetAutoSize(true);
}

} // namespace tavrix::win32
