#include "clipboard/ClipboardEngine.h"

#include "base/Error.h"
#include "base/SwallowedErrors.h"
#include "base/SystemServices.h"
#include "base/UiText.h"
#include "base/Unicode.h"
#include "clipboard/ClipboardIcon.h"
#include "clipboard/ClipboardPort.h"
#include "clipboard/EncodedPictures.h"
#include "clipboard/EngineLabels.h"
#include "clipboard/EnginePlatform.h"
#include "clipboard/FileDropList.h"
#include "clipboard/FormatListEntry.h"
#include "clipboard/HtmlClipboardHeader.h"
#include "clipboard/IconImage.h"
#include "clipboard/MainWindowSurface.h"
#include "clipboard/RegisteredFormats.h"
#include "clipboard/SummarySource.h"
#include "clipboard/TextBlocks.h"

#include <exception>
#include <limits>

namespace tavrix {

namespace {

std::int32_t BlockSize(std::size_t bytes) {
    constexpr auto kMax = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());
    return static_cast<std::int32_t>(bytes > kMax ? kMax : bytes);
}

} // namespace

ClipboardEngine::ClipboardEngine(ClipboardPort& port, EnginePlatform& platform,
                                 MainWindowSurface& surface)
    : port_(port), platform_(platform), surface_(surface),
      factsPanel_(port, [&platform](std::uint32_t lcid) { return platform.LocaleName(lcid); }) {
    catalogue_.BuildFormatCatalogue();
}

const std::wstring& ClipboardEngine::GetFormatName(ClipFormat format) const {
    return catalogue_.GetFormatName(format);
}

const std::wstring& ClipboardEngine::GetFormatDescription(ClipFormat format) const {
    return catalogue_.GetFormatDescription(format);
}

void ClipboardEngine::ShowClipboardHeld() {
    surface_.ShowFacts(factsPanel_.HeldText());
}

std::wstring ClipboardEngine::RegisteredName(ClipFormat format) {
    return port_.Backend().RegisteredFormatName(format);
}

std::vector<ClipFormat> ClipboardEngine::OfferedFormats() {
    // One walk through the enumeration while the caller holds the clipboard open: the same
    // formats in the same order as asking position by position, without starting over for
    // every position.
    std::vector<ClipFormat> formats;
    ClipboardBackend& backend = port_.Backend();
    for (ClipFormat format = backend.EnumFormats(0); format != 0;
         format = backend.EnumFormats(format)) {
        formats.push_back(format);
    }
    return formats;
}

void ClipboardEngine::RebuildFormatList() {
    formatList_.clear();
    try {
        // The list is read under one open, so both passes see the same content.
        ClipboardOpen open(port_);
        const std::vector<ClipFormat> formats = OfferedFormats();
        // Formats the catalogue can name, in the clipboard's order.
        for (ClipFormat format : formats) {
            if (!port_.HasFormat(format)) {
                continue;
            }
            const std::wstring& name = GetFormatName(format);
            if (!name.empty()) {
                formatList_.push_back(MakeFormatListEntry(format, name));
            }
        }
        // Then every other format that was registered by name.
        for (ClipFormat format : formats) {
            if (!port_.HasFormat(format) || !GetFormatName(format).empty()) {
                continue;
            }
            std::wstring name = RegisteredName(format);
            if (!name.empty()) {
                formatList_.push_back(MakeFormatListEntry(format, name));
            }
        }
        // A clipboard of nameless formats still gets one entry, so the tree is not empty.
        if (formatList_.empty() && !formats.empty()) {
            formatList_.push_back(
                MakeFormatListEntry(formats.front(), RegisteredName(formats.front())));
        }
    } catch (const std::exception&) {
        LogSwallowed(L"ClipboardEngine::RebuildFormatList");
        // The clipboard refused to open: keep the entries found so far.
    }
    FillFormatTree();
}

void ClipboardEngine::FillFormatTree() {
    surface_.DetachFormatsChange();
    surface_.ClearFormatNodes();
    surface_.AddFormatNode(labels::Preview());
    for (const auto& entry : formatList_) {
        surface_.AddFormatNode(FormatNodeText(entry));
    }
    surface_.AttachFormatsChange();
    surface_.SelectFormatNode(0);
}

void ClipboardEngine::ShowClipboardSummary() {
    clipboardSize_ = 0;
    summaryText_.clear();
    if (port_.FormatCount() == 0) {
        ShowEmptyClipboard();
        return;
    }
    surface_.SetActionEnabled(EngineAction::Save, true);
    surface_.SetActionEnabled(EngineAction::Delete, true);
    surface_.UpdateViewActions();
    try {
        ShowSummaryCase();
    } catch (const std::exception&) {
        LogSwallowed(L"ClipboardEngine::ShowClipboardSummary");
        // Ends quietly; the summary text, the size and the views keep what they hold.
    }
}

void ClipboardEngine::ShowEmptyClipboard() {
    summaryText_ = labels::Empty();
    surface_.ShowPreviewText(std::u16string());
    for (EngineAction action : {EngineAction::Save, EngineAction::Delete, EngineAction::ZoomOut,
                                EngineAction::ZoomIn, EngineAction::Zoom100}) {
        surface_.SetActionEnabled(action, false);
    }
    surface_.DetachFormatsChange();
    surface_.ClearFormatNodes();
    surface_.AttachFormatsChange();
}

SummaryFormats ClipboardEngine::SummaryFormatNumbers() {
    SummaryFormats formats{
        .icon = GetIconFormat(port_.Backend()), .picture = PictureFormat, .html = HtmlFormat};
    factsPanel_.FlagFormats(formats.history, formats.cloud);
    return formats;
}

void ClipboardEngine::ShowSummaryCase() {
    const SummarySource source =
        ChooseSummarySource([this](ClipFormat format) { return port_.HasFormat(format); },
                            SummaryFormatNumbers(), [this] { return FirstEncodedPictureFormat(); });
    switch (source.kind) {
    case SummaryKind::Text: {
        std::u16string text = ReadClipboardText();
        clipboardSize_ = BlockSize(text.size());
        surface_.ShowPreviewText(text);
        break;
    }
    case SummaryKind::Sound:
        MeasureClipboardSize();
        surface_.ShowPreviewText(Utf16FromWide(labels::Sound()));
        break;
    case SummaryKind::Picture:
        port_.LoadClipboardPicture(surface_.PreviewPicture());
        MeasureClipboardSize();
        ShowPictureSummary();
        break;
    case SummaryKind::Icon: {
        std::unique_ptr<ClipboardIcon> icon = ReadClipboardIcon();
        if (!icon) {
            return; // the icon went away since the test above
        }
        surface_.SetPreviewIcon(*icon);
        icon.reset();
        MeasureClipboardSize();
        ShowPictureSummary();
        break;
    }
    case SummaryKind::EncodedPicture:
        ShowEncodedPictureSummary(source.format);
        break;
    case SummaryKind::Html:
        ShowHtmlSummary();
        break;
    case SummaryKind::FileList:
        ShowFileListSummary();
        break;
    case SummaryKind::Other:
        MeasureClipboardSize();
        ShowOtherFormatPreview();
        break;
    }
}

void ClipboardEngine::MeasureClipboardSize() {
    try {
        ClipboardOpen open(port_);
        const bool skipHandles = IsWin7OrLater();
        for (ClipFormat format : OfferedFormats()) {
            // Newer systems render these from other formats on request: costly, and their
            // handles are no memory blocks.
            if (skipHandles && (format == cf::Bitmap || format == cf::EnhMetafile)) {
                continue;
            }
            std::size_t size = 0;
            const DataResult result = port_.DataSize(format, size);
            if (result == DataResult::NoHandle) {
                continue;
            }
            // A handle that is no memory block has no size.
            clipboardSize_ = result == DataResult::Read ? BlockSize(size) : 0;
            if (clipboardSize_ >= 1024) {
                break;
            }
        }
    } catch (const std::exception&) {
        LogSwallowed(L"ClipboardEngine::MeasureClipboardSize");
        clipboardSize_ = 0;
    }
}

void ClipboardEngine::ShowPictureSummary() {
    if (surface_.PreviewImageWidth() == 0 || surface_.PreviewImageHeight() == 0) {
        return;
    }
    surface_.AutoSizePreviewImage();
    summaryText_ = std::to_wstring(surface_.PreviewImageWidth()) + L" x " +
                   std::to_wstring(surface_.PreviewImageHeight());
    surface_.SelectPreviewView(PreviewView::Picture);
    surface_.ShowClipboardPicture();
}

bool ClipboardEngine::IsEncodedPictureFormat(ClipFormat format) {
    return format >= cf::FirstRegistered && IsEncodedPictureName(RegisteredName(format));
}

ClipFormat ClipboardEngine::FirstEncodedPictureFormat() {
    ClipboardOpen open(port_);
    for (ClipFormat format : OfferedFormats()) {
        if (IsEncodedPictureFormat(format)) {
            return format;
        }
    }
    return 0;
}

void ClipboardEngine::ShowEncodedPictureSummary(ClipFormat format) {
    MeasureClipboardSize();
    const std::optional<PictureSize> size = surface_.ShowEncodedPicture(format);
    if (!size) {
        // Broken or oversized: its bytes are all there is to see.
        surface_.ShowFormatBytes(format, ByteView::Hex);
        return;
    }
    summaryText_ = std::to_wstring(size->width) + L" x " + std::to_wstring(size->height);
}

void ClipboardEngine::ShowHtmlSummary() {
    std::u16string text;
    {
        ClipboardOpen open(port_);
        port_.ReadData(HtmlFormat, [&text](std::span<const std::uint8_t> block) {
            text = Utf16FromWide(HtmlFragmentText(block));
        });
    }
    clipboardSize_ = BlockSize(text.size());
    surface_.ShowPreviewText(text);
}

void ClipboardEngine::ShowFileListSummary() {
    fileList_.clear();
    try {
        ClipboardOpen open(port_);
        port_.ReadData(cf::HDrop, [this](std::span<const std::uint8_t> block) {
            fileList_ = ReadFileDropList(block, [this](std::span<const std::uint8_t> name) {
                return platform_.AnsiToUtf16(name);
            });
            clipboardSize_ = BlockSize(fileList_.size());
        });
    } catch (const std::exception&) {
        LogSwallowed(L"ClipboardEngine::ShowFileListSummary");
        // Show what was read.
    }
    std::u16string text;
    for (const auto& name : fileList_) {
        text += name;
        text += u"\r\n";
    }
    surface_.ShowPreviewText(text);
}

void ClipboardEngine::ShowOtherFormatPreview() {
    std::u16string text;
    if (formatList_.empty() && port_.FormatCount() > 0) {
        text = Utf16FromWide(RegisteredName(port_.Formats(0)));
    }
    surface_.ShowPreviewText(text);
}

std::u16string ClipboardEngine::ReadClipboardText() {
    std::u16string text;
    try {
        ClipboardOpen open(port_);
        if (port_.HasFormat(cf::UnicodeText)) {
            port_.ReadData(cf::UnicodeText, [&text](std::span<const std::uint8_t> bytes) {
                text = Utf16UpToZero(bytes);
            });
        } else if (port_.HasFormat(cf::Text)) {
            port_.ReadData(cf::Text, [&](std::span<const std::uint8_t> bytes) {
                text = platform_.AnsiToUtf16(BytesUpToZero(bytes));
            });
        }
    } catch (const std::exception&) {
        LogSwallowed(L"ClipboardEngine::ReadClipboardText");
        // No text then.
    }
    return text;
}

std::unique_ptr<ClipboardIcon> ClipboardEngine::ReadClipboardIcon() {
    const ClipFormat format = IconFormat;
    if (!port_.HasFormat(format)) {
        return nullptr;
    }
    std::unique_ptr<ClipboardIcon> icon;
    ClipboardOpen open(port_);
    const DataResult result = port_.ReadData(format, [&](std::span<const std::uint8_t> bytes) {
        if (!ParseIconImage(bytes)) {
            throw Error(Tr(L"Invalid icon"));
        }
        icon = platform_.DecodeIcon(bytes);
    });
    if (result != DataResult::Read || !icon) {
        throw Error(Tr(L"Invalid icon"));
    }
    return icon;
}

} // namespace tavrix
