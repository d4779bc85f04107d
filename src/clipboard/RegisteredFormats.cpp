#include "clipboard/RegisteredFormats.h"

#include "clipboard/ClipboardBackend.h"

namespace tavrix {

ClipFormat PictureFormat = 0;
ClipFormat ComponentFormat = 0;
ClipFormat RtfFormat = 0;
ClipFormat HtmlFormat = 0;
ClipFormat IconFormat = 0;

void RegisterStartupFormats(ClipboardBackend& backend) {
    PictureFormat = backend.RegisterFormat(L"Delphi Picture");
    ComponentFormat = backend.RegisterFormat(L"Delphi Component");
    RtfFormat = backend.RegisterFormat(L"Rich Text Format");
    HtmlFormat = backend.RegisterFormat(L"HTML Format");
}

ClipFormat GetIconFormat(ClipboardBackend& backend) {
    if (IconFormat == 0) {
        IconFormat = backend.RegisterFormat(L"Delphi Icon");
    }
    return IconFormat;
}

} // namespace tavrix
