// The engine's answer to a selection in the format tree: which view shows the selected format,
// and what the status bar says about it.
#include "clipboard/ClipboardEngine.h"
#include "clipboard/ClipboardPort.h"
#include "clipboard/FormatListEntry.h"
#include "clipboard/MainWindowSurface.h"
#include "clipboard/RegisteredFormats.h"
#include "clipboard/Utf8FormatNames.h"

namespace tavrix {

namespace {
constexpr wchar_t kFactSeparator[] = L" \u00B7 ";
} // namespace

ClipFormat ClipboardEngine::NodeFormat(int nodeIndex, std::wstring* name) const {
    if (nodeIndex < 1 || static_cast<std::size_t>(nodeIndex) > formatList_.size()) {
        return 0;
    }
    const std::wstring& entry = formatList_[static_cast<std::size_t>(nodeIndex - 1)];
    if (name != nullptr) {
        *name = FormatNodeText(entry);
    }
    return FormatOfEntry(entry);
}

void ClipboardEngine::ShowNode(int nodeIndex) {
    if (nodeIndex == 0) {
        ShowClipboardSummary();
        surface_.ShowDescription(summaryText_);
        surface_.ShowSize(clipboardSize_);
        ShowNodeFacts(0, 0);
        return;
    }
    const ClipFormat format = NodeFormat(nodeIndex);
    if (format == 0) {
        return;
    }
    std::wstring name;
    NodeFormat(nodeIndex, &name);
    surface_.ShowDescription(GetFormatDescription(format));
    ShowNodeFacts(nodeIndex, format);
    ShowFormat(format, name);
}

void ClipboardEngine::ShowFormat(ClipFormat format, const std::wstring& name) {
    if (format == cf::Bitmap || format == cf::EnhMetafile) {
        surface_.AutoSizePreviewImage();
        port_.LoadClipboardPicture(surface_.PreviewPicture());
        surface_.AutoSizePreviewImage();
        surface_.ShowPictureSize(
            {.width = surface_.PreviewImageWidth(), .height = surface_.PreviewImageHeight()});
        surface_.ShowClipboardPicture();
        surface_.SelectPreviewView(PreviewView::Picture);
    } else if (format == RtfFormat && format != 0) {
        surface_.ShowSize(surface_.ShowRichText(format));
    } else if (format == cf::UnicodeText || format == cf::HDrop) {
        surface_.ShowSize(surface_.ShowFormatBytes(format, ByteView::UnicodeHex));
    } else if ((format == HtmlFormat && format != 0) || IsUtf8TextFormatName(name)) {
        surface_.ShowSize(surface_.ShowFormatBytes(format, ByteView::Utf8Text));
    } else if (IsEncodedPictureFormat(format)) {
        if (std::optional<PictureSize> size = surface_.ShowEncodedPicture(format)) {
            surface_.ShowPictureSize(*size);
        } else {
            // Broken or too large: the bytes just read for the decoder, as hex.
            surface_.ShowSize(surface_.ShowReadBytes());
        }
    } else {
        surface_.ShowSize(surface_.ShowFormatBytes(format, ByteView::Hex));
    }
}

void ClipboardEngine::ShowNodeFacts(int nodeIndex, ClipFormat format) {
    surface_.SetActionEnabled(EngineAction::SaveFormat,
                              nodeIndex > 0 && !IsGdiObjectFormat(format));
    surface_.SetActionEnabled(EngineAction::RemoveFormat, nodeIndex > 0);
    if (!factsShown_) {
        return;
    }
    if (nodeIndex > 0) {
        surface_.ShowFacts(factsPanel_.FormatText(format));
        return;
    }
    std::vector<ClipFormat> listed;
    for (const std::wstring& entry : formatList_) {
        listed.push_back(FormatOfEntry(entry));
    }
    std::wstring text = factsPanel_.PreviewText(listed);
    if (!removalNote_.empty() && port_.Backend().SequenceNumber() == removalNoteSequence_) {
        text += kFactSeparator + removalNote_;
    }
    surface_.ShowFacts(text);
}

void ClipboardEngine::NoteRemoval(const std::wstring& note) {
    removalNote_ = note;
    if (note.empty()) {
        return;
    }
    // The refresh that follows shows the note; it lasts while this clipboard does.
    removalNoteSequence_ = port_.Backend().SequenceNumber();
    surface_.ShowFacts(note);
}

} // namespace tavrix
