#include "i18n/TranslatedTexts.h"

#include "i18n/Labels.h"
#include "i18n/Translate.h"

namespace tavrix {

std::wstring ReplaceFirstPlaceholder(const std::wstring& text, const std::wstring& value) {
    std::wstring result = text;
    auto at = result.find(L"%1");
    if (at != std::wstring::npos) {
        result.replace(at, 2, value);
    }
    return result;
}

TranslatedTexts TranslateUserInterface(const std::wstring& fileVersion) {
    // Same order as the window's designed texts are replaced, so each text is looked up once.
    TranslatedTexts t;
    t.saveCaption = TranslateText(L"Save...");
    t.saveHint = TranslateText(L"Save clipboard to file");
    t.loadCaption = TranslateText(L"Load...");
    t.loadHint = TranslateText(L"Load file to clipboard");
    t.deleteCaption = TranslateText(L"Clear clipboard");
    t.deleteHint = TranslateText(L"Clear clipboard");
    t.exitCaption = TranslateText(L"Exit");
    t.onTopCaption = TranslateText(L"Always on top");
    t.zoomOutCaption = TranslateText(L"Zoom out");
    t.zoomOutHint = t.zoomOutCaption;
    t.zoomInCaption = TranslateText(L"Zoom in");
    t.zoomInHint = t.zoomInCaption;
    t.zoom100Caption = TranslateText(L"Zoom to 100%");
    t.zoom100Hint = t.zoom100Caption;
    t.fileMenu = TranslateText(L"File");
    t.editMenu = TranslateText(L"Edit");
    t.helpMenu = TranslateText(L"Help");
    t.helpOnlineCaption = TranslateText(L"Help online") + L"...";
    t.helpOnlineHint = TranslateText(L"Help online");
    t.aboutCaption =
        ReplaceFirstPlaceholder(TranslateText(L"About %1..."), L"Tavrix " + fileVersion);
    t.brisvelCaption = ReplaceFirstPlaceholder(TranslateText(L"About %1..."), L"Brisvel");
    t.soundLabel = TranslateText(L"Sound");
    t.previewLabel = TranslateText(L"Preview");
    t.emptyLabel = TranslateText(L"Clipboard is Empty.");
    t.sizeLabel = TranslateText(L"Size");
    return t;
}

void AssignTranslatedLabels(const TranslatedTexts& texts) {
    SoundLabel = texts.soundLabel;
    PreviewLabel = texts.previewLabel;
    EmptyLabel = texts.emptyLabel;
    SizeLabel = texts.sizeLabel;
}

} // namespace tavrix
