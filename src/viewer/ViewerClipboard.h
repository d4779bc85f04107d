#pragma once
// Placing copied viewer text on the clipboard, through the port the viewer's host hands in.
#include "viewer/Encoding.h"

namespace tavrix {
class ClipboardPort;
}

#include <string>
#include <string_view>

namespace tavrix {

// Opens the clipboard for the program (no owner window) and empties it. False when another
// program holds it.
bool OpenAndEmptyClipboard(ClipboardPort& port);
// Places text as CF_UNICODETEXT; with openFirst the clipboard is opened and emptied first and
// closed afterwards. Empty text: true, nothing done.
bool PutUnicodeText(ClipboardPort& port, std::wstring_view text, bool openFirst);
// Places 8-bit text in the given encoding as CF_TEXT (or CF_OEMTEXT for the OEM encoding) and,
// on the NT family, its Unicode form as CF_UNICODETEXT. Empty text: true, clipboard untouched.
bool SetClipboardText(ClipboardPort& port, std::string_view text, ViewerEncoding encoding);
bool SetClipboardTextW(ClipboardPort& port, std::wstring_view text);

} // namespace tavrix
