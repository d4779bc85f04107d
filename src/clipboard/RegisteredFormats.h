#pragma once
// Formats registered by name that the program compares against. The first four are registered
// at start-up, in this order; "Delphi Icon" on first use.
#include "clipboard/ClipboardFormat.h"

namespace tavrix {

class ClipboardBackend;

extern ClipFormat PictureFormat;   // "Delphi Picture"
extern ClipFormat ComponentFormat; // "Delphi Component"
extern ClipFormat RtfFormat;       // "Rich Text Format"
extern ClipFormat HtmlFormat;      // "HTML Format"
extern ClipFormat IconFormat;      // "Delphi Icon", 0 until GetIconFormat registers it

void RegisterStartupFormats(ClipboardBackend& backend);
ClipFormat GetIconFormat(ClipboardBackend& backend);

} // namespace tavrix
