#pragma once
// TMainForm: the program's window. The format tree on the left, three preview views on the right
// (rich text, picture, viewer; one visible at a time), a toolbar, the main menu and a status
// bar. Its commands are actions shared by menu, toolbar and keyboard. It is the surface the
// clipboard engine drives: tree, actions, picture view and the four display routines.
#include "app/win32/PicturePreview.h"
#include "app/win32/ViewerHost.h"
#include "base/win32/GdiObjects.h"
#include "clipboard/ClipboardFormat.h"
#include "clipboard/MainWindowSurface.h"
#include "ui/win32/Action.h"
#include "ui/win32/FileDialog.h"
#include "ui/win32/ImageList.h"
#include "ui/win32/RichEdit.h"
#include "ui/win32/Splitter.h"
#include "ui/win32/Window.h"
#include "viewer/ByteStream.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tavrix {
class ClipboardEngine;
class ClipboardPort;
} // namespace tavrix

namespace tavrix::win32 {

class TTavrixClipboardMonitor;

// Command identifiers of the actions and the menu items with their own handlers.
enum MainCommand : int {
    kActLoad = 101,
    kActSave,
    kActDelete,
    kActExit,
    kActHelpOnline,
    kActOnTop,
    kActZoomOut,
    kActZoomIn,
    kActZoom100,
    kMiAbout = 120,
    kMiBrisvel,
};

class TMainForm : public Window, public MainWindowSurface {
public:
    explicit TMainForm(ClipboardPort& port);
    ~TMainForm() override;

    // Creates the window hidden and runs the creation handler (FormCreate).
    void Create();
    // Shows the window; the first time, FormShow restores on-top, placement and tree width.
    void Show(int showCommand = SW_SHOWNORMAL);

    // --- MainWindowSurface ---------------------------------------------------------------------
    void DetachFormatsChange() override { formatsChangeAttached_ = false; }
    void AttachFormatsChange() override { formatsChangeAttached_ = true; }
    void ClearFormatNodes() override;
    void AddFormatNode(const std::wstring& text) override;
    void SelectFormatNode(int index) override;
    void SetActionEnabled(EngineAction action, bool enabled) override;
    ClipboardPicture& PreviewPicture() override;
    void SetPreviewIcon(const ClipboardIcon& icon) override;
    int PreviewImageWidth() const override;
    int PreviewImageHeight() const override;
    void AutoSizePreviewImage() override;
    void SelectPreviewView(PreviewView view) override;
    void ShowPreviewText(const std::u16string& text) override;
    void UpdateZoomActions() override;
    void ShowClipboardPicture() override;

    // --- Display routines, commands and handlers -----------------------------------------------
    // kind 0 rich text, 1 picture, 2 viewer; other values change no visibility.
    void SelectPreviewView(std::uint8_t kind);
    void tvFormatsChange(int nodeIndex);
    std::int32_t ReadSelectedFormat(ClipFormat format);
    void ApplyImageZoom();
    void SaveZoomSettings();
    void ApplyOnTop();
    void ApplyDpiLayout();
    void ApplyTranslations();

    void actLoadExecute();
    void actSaveExecute();
    void actDeleteExecute();
    void actExitExecute();
    void actHelpOnlineExecute();
    void actOnTopExecute();
    void actZoomOutExecute();
    void actZoomInExecute();
    void actZoom100Execute();
    void miAboutClick();
    void miBrisvelClick();
    void rtfPreviewURLClick(const std::wstring& link, bool leftButton);
    // Sets the item's height for the items that have this handler.
    void miMainMeasureItem(MEASUREITEMSTRUCT& item);

    // --- What tests and other parts look at ----------------------------------------------------
    ActionList& Actions() { return alMain_; }
    Action& ActionById(int id) { return *alMain_.Find(id); }
    HWND Tree() const { return tvFormats_; }
    HWND StatusBar() const { return sbMain_; }
    HWND Toolbar() const { return tbrMain_; }
    HMENU Menu() const { return mmMain_; }
    RichEdit& RichPreview() { return rtfPreview_; }
    ScrollBox& PictureBox() { return scrlPreview_; }
    ImageControl& Image() { return scrlPreview_.Image(); }
    ViewerHost& Viewer() { return viewer_; }
    MemoryStream& PreviewStream() { return *previewStream_; }
    // The format list and summary of the clipboard monitor; null until the monitor runs.
    ClipboardEngine* Engine() { return engine_; }
    TTavrixClipboardMonitor* Monitor() { return monitor_.get(); }
    FileDialog& OpenDialog() { return odMain_; }
    FileDialog& SaveDialog() { return sdMain_; }
    std::wstring StatusPanelText(int panel) const;
    // A menu item's text by command (or by position in the menu bar).
    std::wstring MenuItemText(int id, bool byPosition = false) const;
    const std::wstring& StatusHint() const { return statusHint_; }
    int TreeWidth() const { return treeWidth_; }
    void SetTreeWidth(int width);
    int ImageZoom() const { return imageZoom_; }
    int ViewerFontSize() const { return viewerFontSize_; }
    int ImageListSize() const { return currentImages_ != nullptr ? currentImages_->Size() : 0; }
    int ToolbarHeight() const { return toolbarHeight_; }
    int StatusHeight() const { return statusHeight_; }
    bool IsViewVisible(PreviewView view) const;
    // Which web page the last page command asked for (opened unless a test stops it).
    const std::wstring& LastOpenedPage() const { return lastOpenedPage_; }
    // Tests replace the shell so that no browser starts.
    void SetPageOpener(std::function<void(const std::wstring&)> opener) {
        pageOpener_ = std::move(opener);
    }
    void SetSaveDialogOverride(std::function<std::optional<std::wstring>()> chooser) {
        saveChooser_ = std::move(chooser);
    }
    void SetOpenDialogOverride(std::function<std::optional<std::wstring>()> chooser) {
        openChooser_ = std::move(chooser);
    }

protected:
    bool OnCreate(const CREATESTRUCTW& create) override;
    void OnDestroy() override;
    void OnSize(UINT kind, int width, int height) override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    bool OnMeasureItem(MEASUREITEMSTRUCT& item) override;
    bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Building the designed window (before the creation handler).
    void CreateControls();
    void CreateActions();
    void CreateMainMenu();
    void CreateToolbar();
    void SetImageList(ImageList& list);
    void SizeTextButtons();
    void LayoutControls();
    void SetStatusTexts(const std::wstring& panel0, const std::wstring& panel1);
    void SetStatusHint(const std::wstring& hint);
    void SetTopMenuText(int position, const std::wstring& text);
    void SetMenuItemText(int id, const std::wstring& text);

    // The creation, show and destruction handlers.
    void FormCreate();
    void FormShow();
    void FormDestroy();
    // Creation steps 9 and 10: the clipboard monitor with its first look, and the first start.
    void StartClipboardMonitor();
    void StopClipboardMonitor();
    void RunFirstStart();

    void ViewerSteps(ClipFormat format, TZorvBinHexMode mode);
    std::wstring SizeText(std::int32_t number) const;
    void OpenWebPage(const std::wstring& address);
    bool TreeHasNodes() const;
    int SelectedNodeIndex() const;
    void CustomDrawToolbar(NMTBCUSTOMDRAW& draw, LRESULT& result);

    ClipboardPort& port_;
    int pixelsPerInch_ = 96;

    // Components of the designed window.
    Font font_;
    HWND tbrMain_ = nullptr;
    HWND sbMain_ = nullptr;
    HWND statusTip_ = nullptr;
    HWND tvFormats_ = nullptr;
    Splitter spltMain_;
    RichEdit rtfPreview_;
    ScrollBox scrlPreview_;
    HMENU mmMain_ = nullptr;
    HMENU miFile_ = nullptr;
    HMENU miEdit_ = nullptr;
    HMENU miHelp_ = nullptr;
    ActionList alMain_;
    ImageList ilMain16_;
    ImageList ilMain24_;
    ImageList ilMain32_;
    ImageList* currentImages_ = nullptr;
    std::vector<Bitmap> menuBitmaps_;
    FileDialog odMain_;
    FileDialog sdMain_;

    // Run-time fields.
    int viewerFontSize_ = ViewerHost::kDefaultFontSize;
    int imageZoom_ = 100;
    int imageWidth_ = 0;
    int imageHeight_ = 0;
    ViewerHost viewer_;
    std::unique_ptr<MemoryStream> previewStream_;
    std::unique_ptr<TTavrixClipboardMonitor> monitor_;
    ClipboardEngine* engine_ = nullptr;

    // Layout and state.
    int treeWidth_ = 142;
    int toolbarHeight_ = 29;
    int statusHeight_ = 19;
    int toolbarBorder_ = 1;
    int margin_ = 3;
    int splitterWidth_ = 5;
    bool formatsChangeAttached_ = true;
    bool shownOnce_ = false;
    bool destroyed_ = false;
    std::wstring statusHint_;
    std::wstring lastOpenedPage_;
    std::function<void(const std::wstring&)> pageOpener_;
    std::function<std::optional<std::wstring>()> saveChooser_;
    std::function<std::optional<std::wstring>()> openChooser_;
};

// The process-wide main window, while it exists.
TMainForm* MainForm();

} // namespace tavrix::win32
