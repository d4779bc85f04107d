// The English texts of the program: the keys of the translation table. A text shown to the user
// is one of them; each language file lists its texts by these keys.
#include "i18n/TranslationTable.h"

namespace tavrix {

namespace {

// clang-format off
constexpr std::u16string_view kKeys[] = {
    // The main window's menus, commands, summary and status bar
    u"File", // menu
    u"Edit", // menu
    u"Help", // menu
    u"Help online", // help command (caption gets "..." appended) and its hint
    u"Load...", // load command
    u"Save...", // save command
    u"Always on top", // stay-on-top command
    u"Exit", // exit command
    u"Delete", // kept for completeness; no text of the window uses it
    u"Clear clipboard", // clear command and its hint
    u"About %1...", // the two About items; "%1" is the product name
    u"Size", // status bar
    u"Sound", // sound summary
    u"Preview", // first node of the format tree
    u"Clipboard is Empty.", // empty-clipboard summary
    u"Zoom out", // zoom commands
    u"Zoom in",
    u"Zoom to 100%",
    u"Load file to clipboard", // load hint
    u"Save clipboard to file", // save hint
    // Main window: the format commands and the file choosers
    u"Save format as...",
    u"Save the selected format to a file",
    u"Remove from clipboard",
    u"Remove the selected format from the clipboard",
    u"Clipboard file",
    u"All files",
    // The facts panel of the status bar
    u"Format %1 (0x%2)",
    u"pid %1",
    u"Owner: %1",
    u"none",
    u"Excluded from clipboard history",
    u"Not for the cloud clipboard",
    u"Cannot open clipboard",
    u"Held by %1",
    u"Clipboard held by %1",
    u"another program",
    u"%1 comes back: the system makes it from another format",
    u"Nothing was removed: the clipboard cannot give %1",
    u"Format %1",
    // Facts of single formats
    u"%1 file",
    u"%1 files",
    u"compression %1",
    u"Copy",
    u"Move",
    u"Link",
    u"Version %1",
    u"offsets out of range",
    u"fragment %1–%2",
    u"source %1",
    u"Allowed",
    u"Not allowed",
    // Progress of long saves and loads
    u"Saving… %1 %",
    u"Loading… %1 %",
    // The command line's help and its errors
    u"%1 and %2",
    u"Shows this information.",
    u"It loads the file specified in the command line to the clipboard.",
    u"Clears the clipboard.",
    u"Closes the program.",
    u"Saves the clipboard to the file.",
    u"Shows no message boxes; errors set the exit code.",
    u"Missing file name after %1",
    // The viewer: its context menu, the groups of its encodings and its messages
    u"Copy as hex",
    u"Copy link",
    u"Select line",
    u"Select all",
    u"Encoding...",
    u"Western European",
    u"Central European",
    u"Baltic",
    u"Cyrillic",
    u"United States",
    u"Greek",
    u"Latin 3",
    u"Turkish",
    u"Arabic",
    u"Hebrew",
    u"Thai",
    u"Vietnamese",
    u"Viewer",
    u"Cannot read stream",
    u"Read error at offset %1",
    u"Cannot copy data to Clipboard",
    // Errors of files, the clipboard and the settings
    u"Cannot open file \"%1\".",
    u"Cannot read file \"%1\".",
    u"Cannot create file \"%1\".",
    u"Cannot write file \"%1\".",
    u"Cannot save the clipboard to \"%1\"",
    u"The clipboard no longer offers \"%1\"",
    u"The clipboard's data could not be read",
    u"Clipboard not available",
    u"Invalid clipboard format",
    u"Cannot empty the clipboard",
    u"Cannot put format %1 back on the clipboard",
    u"Failed to locate Vista Clipboard API",
    u"Invalid icon",
    u"Out of memory",
    u"Invalid stream position",
    u"Code pages not available",
    u"Failed to get data for %1",
    u"Failed to set data for %1",
    u"Invalid data type for %1",
    u"The settings store is not available",
    u"Unable to write to %1",
    // Errors of the system and of the window's parts
    u"System error %1",
    u"Cannot load %1: %2",
    u"Cannot load %1 (%2): %3",
    u"%1 cannot load %2: %3",
    u"Cannot register window class \"%1\".",
    u"Cannot create window \"%1\".",
    u"Cannot create the main menu.",
    u"Cannot create the rich edit control.",
    u"Cannot read rich text",
    u"Cannot create picture",
    u"Cannot create image list",
    u"Unknown error",
    u"No support platform installed",
    // Find and Go to in the viewer
    // Edit menu and the viewer's context menu
    u"Find...",
    u"Find a text or bytes in the view",
    u"Find next",
    u"Find previous",
    u"Go to offset...",
    // The Find dialog; & marks the access key, unique in the dialog
    u"Find",
    u"Fi&nd what:",
    u"Look for:",
    u"&Text",
    u"&Hex bytes",
    u"Match &case",
    u"&Encoding:",
    // First item of the encoding list; %1 is an encoding name
    u"The view's own (%1)",
    u"Direction:",
    u"&Up",
    u"&Down",
    u"&Find next",
    u"C&ount",
    u"Close",
    // The Go to dialog; "end" is the word the user types
    u"Go to offset",
    u"&Offset:",
    u"Decimal, 0x1234 or 1234h, +16 or -16 from here, or end.",
    u"&Go",
    // Status bar; "from the start/end": the search went round the end of the data
    u"Found at offset %1 (0x%2)",
    u"Found at offset %1 (0x%2), from the start",
    u"Found at offset %1 (0x%2), from the end",
    u"Not found: %1",
    // %1 is a count
    u"%1 matches",
    u"Offset %1 (0x%2)",
    // %1 is a percentage
    u"Searching… %1 %",
    // Errors in the Find and Go to dialogs
    u"Type a pattern.",
    u"The hex pattern has an odd number of digits.",
    u"Not a hex digit: %1",
    u"The pattern matches any bytes: give at least one byte.",
    u"Not a number: %1",
    u"The offset is past the end (the last is %1).",
    u"The offset would be before the start.",
    // Waiting for another program's data
    u"(not delivered)",
    u"Waiting for %1 from %2 (pid %3)… %4 s",
    u"Waiting for %1 from the clipboard… %2 s",
    u"Reading %1… %2 %",
    u"%1 (pid %2) did not deliver %3 within %4 s",
    u"The clipboard did not deliver %1 within %2 s",
    u"Bad value for %1: %2",
    u"Gives up when another program takes longer than this many seconds to deliver one format (1 to 3600; 30 without it).",
    u"seconds",
    // Compare with file
    u"Compare with file...",
    u"Nothing is only in %1.",
    u"Only in %1: %2",
    u"The file \"%1\" has a record cut short at offset %2.",
    // A zero byte inside an HTML fragment
    u"zero byte at %1",
    // The change log
    u"Change log",
    u"Every clipboard change since the program started, with its owner",
    u"Time",
    u"Owner",
    u"Formats",
    u"Content",
    u"no window",
    u"Cleared",
    u"(excluded from clipboard history)",
    u"At start",
    u"Save log as...",
    u"CSV files",
    u"JSON lines",
    u"%1 changes",
    u"%1 older changes were dropped",
    u"The content of this change is gone.",
    u"Cannot write the log \"%1\": %2",
    u"/LOG needs the window: leave out /CLOSE",
    u"Appends every clipboard change to the file as one line of JSON while the window is open: time, change count, owner, formats and sizes, never the content.",
};
// clang-format on

} // namespace

std::span<const std::u16string_view> TranslationKeys() {
    return kKeys;
}

} // namespace tavrix
