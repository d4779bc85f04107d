#pragma once
// Every translated text of the main window, computed in one go at its creation. The window
// assigns the captions and hints to its actions and menus; AssignTranslatedLabels sets the four
// labels that the clipboard summary and the status bar read.
#include <string>

namespace tavrix {

struct TranslatedTexts {
    std::wstring saveCaption, saveHint;
    std::wstring loadCaption, loadHint;
    std::wstring deleteCaption, deleteHint;
    std::wstring exitCaption;
    std::wstring onTopCaption;
    std::wstring zoomOutCaption, zoomOutHint;
    std::wstring zoomInCaption, zoomInHint;
    std::wstring zoom100Caption, zoom100Hint;
    std::wstring fileMenu, editMenu, helpMenu;
    std::wstring helpOnlineCaption, helpOnlineHint;
    std::wstring aboutCaption;   // "About Tavrix <file version>..." in the user's language
    std::wstring brisvelCaption; // "About Brisvel..." in the user's language
    std::wstring soundLabel, previewLabel, emptyLabel, sizeLabel;
};

// fileVersion: the "FileVersion" string of the running executable (empty when unreadable).
TranslatedTexts TranslateUserInterface(const std::wstring& fileVersion);

// Sets SizeLabel, PreviewLabel, EmptyLabel and SoundLabel.
void AssignTranslatedLabels(const TranslatedTexts& texts);

// text with its first "%1" replaced by value; unchanged when it has none.
std::wstring ReplaceFirstPlaceholder(const std::wstring& text, const std::wstring& value);

} // namespace tavrix
