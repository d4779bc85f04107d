#include "clipboard/FormatCatalogue.h"

#include "clipboard/RegisteredFormats.h"

namespace tavrix {

namespace {
const std::wstring kEmpty;
}

void FormatCatalogue::BuildFormatCatalogue() {
    auto add = [this](ClipFormat format, const wchar_t* name, const wchar_t* description) {
        entries_.push_back(CatalogueFormat{format, name, description});
    };
    add(cf::Text, L"Text",
        L"Text format. Each line ends with a carriage return/linefeed (CR-LF) combination. A null "
        L"character signals the end of the data. Use this format for ANSI text.");
    add(cf::UnicodeText, L"Unicode Text Format",
        L"Unicode text format. Each line ends with a carriage return/linefeed (CR-LF) "
        L"combination. A null character signals the end of the data.");
    add(cf::Locale, L"Locale Identifier",
        L"The data is a handle to the locale identifier associated with text in the clipboard. "
        L"When you close the clipboard, if it contains CF_TEXT data but no CF_LOCALE data, the "
        L"system automatically sets the CF_LOCALE format to the current input language.");
    add(cf::OemText, L"OEM Text",
        L"Text format containing characters in the OEM character set. Each line ends with a "
        L"carriage return/linefeed (CR-LF) combination. A null character signals the end of the "
        L"data.");
    add(cf::Bitmap, L"Bitmap", L"A handle to a bitmap (HBITMAP).");
    add(cf::EnhMetafile, L"Enhanced Metafile", L"A handle to an enhanced metafile (HENHMETAFILE).");
    add(cf::MetafilePict, L"Metafile Picture Format ",
        L"Handle to a metafile picture format as defined by the METAFILEPICT structure.");
    add(cf::Sylk, L"Microsoft Symbolic Link Format", L"Microsoft Symbolic Link (SYLK) format.");
    add(cf::Dif, L"Data Interchange Format", L"Software Arts' Data Interchange Format.");
    add(cf::Tiff, L"Tagged-image File Format", L"Tagged-image file format.");
    add(cf::Dib, L"Bitmap DIB",
        L"A memory object containing a BITMAPINFO structure followed by the bitmap bits.");
    add(cf::DibV5, L"Bitmap DIBV5",
        L"A memory object containing a BITMAPV5HEADER structure followed by the bitmap color "
        L"space information and the bitmap bits.");
    add(cf::Palette, L"Color Palette",
        L"Handle to a color palette. Whenever an application places data in the clipboard that "
        L"depends on or assumes a color palette, it should place the palette on the clipboard as "
        L"well.");
    add(cf::PenData, L"Data for The Pen Extensions",
        L"Data for the pen extensions to the Microsoft Windows for Pen Computing.");
    add(cf::Riff, L"Complex Audio Data RIFF",
        L"Represents audio data more complex than can be represented in a CF_WAVE standard wave "
        L"format.");
    add(cf::Wave, L"Wave",
        L"Represents audio data in one of the standard wave formats, such as 11 kHz or 22 kHz "
        L"Pulse Code Modulation (PCM).");
    add(cf::HDrop, L"List of Files",
        L"A handle to type HDROP that identifies a list of files. An application can retrieve "
        L"information about the files by passing the handle to the DragQueryFile functions.");
    add(cf::OwnerDisplay, L"Owner-display Format",
        L"Owner-display format. The clipboard owner must display and update the clipboard viewer "
        L"window, and receive the WM_ASKCBFORMATNAME, WM_HSCROLLCLIPBOARD, WM_PAINTCLIPBOARD, "
        L"WM_SIZECLIPBOARD, and WM_VSCROLLCLIPBOARD messages.");
    add(cf::DspText, L"Text Display Dormat",
        L"Text display format associated with a private format.");
    add(cf::DspBitmap, L"Bitmap Display Format",
        L"Bitmap display format associated with a private format.");
    add(cf::DspMetafilePict, L"Metafile-picture Display Format",
        L"Metafile-picture display format associated with a private format.");
    add(cf::DspEnhMetafile, L"Enhanced Metafile Display Format",
        L"Enhanced metafile display format associated with a private format.");
    add(PictureFormat, L"Picture", L"Delphi Picture.");
    add(ComponentFormat, L"Component", L"Delphi Component.");
    add(RtfFormat, L"Rich Text Format", L"Rich Text Format RTF.");
    add(HtmlFormat, L"HTML Format", L"HyperText Markup Language Format.");
}

const CatalogueFormat* FormatCatalogue::Find(ClipFormat format) const {
    for (const auto& entry : entries_) {
        if (entry.format == format) {
            return &entry;
        }
    }
    return nullptr;
}

const std::wstring& FormatCatalogue::GetFormatName(ClipFormat format) const {
    const auto* entry = Find(format);
    return entry ? entry->name : kEmpty;
}

const std::wstring& FormatCatalogue::GetFormatDescription(ClipFormat format) const {
    const auto* entry = Find(format);
    return entry ? entry->description : kEmpty;
}

} // namespace tavrix
