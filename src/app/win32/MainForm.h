#pragma once
// TMainForm: the program's window. It composes the command bar (actions, menu, toolbar), the
// format tree on the left, the preview pane on the right and the status bar, routes the
// commands to its handlers and is the surface the clipboard engine drives. What it needs from
// the rest of the program comes in through its services.
#include "app/win32/CommandBar.h"
#include "app/win32/FormatTree.h"
#include "app/win32/MainFormServices.h"
#include "app/win32/PreviewPane.h"
#include "app/win32/StatusBar.h"
#include "app/win32/StatusBarProgress.h"
#include "base/win32/GdiObjects.h"
#include "clipboard/ClipboardFormat.h"
#include "clipboard/MainWindowSurface.h"
#include "ui/win32/FileDialog.h"
#include "ui/win32/Splitter.h"
#include "ui/win32/Window.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace tavrix {
class ClipboardEngine;
class ClipboardPort;
} // namespace tavrix

namespace tavrix::win32 {

class TTavrixClipboardMonitor;

class TMainForm : public Window, public MainWindowSurface {
public:
    TMainForm(ClipboardPort& port, MainFormServices services);
    ~TMainForm() override;

    // Creates the window hidden and runs the creation handler (FormCreate).
    void Create();
    // Shows the window; the first time, FormShow restores on-top, placement and tree width.
    void Show(int showCommand = SW_SHOWNORMAL);

    // --- MainWindowSurface ---------------------------------------------------------------------
    void DetachFormatsChange() override { tvFormats_.Detach(); }
    void AttachFormatsChange() override { tvFormats_.Attach(); }
    void ClearFormatNodes() override { tvFormats_.Clear(); }
    void AddFormatNode(const std::wstring& text) override { tvFormats_.AddNode(text); }
    void SelectFormatNode(int index) override { tvFormats_.SelectNode(index); }
    void SetActionEnabled(EngineAction action, bool enabled) override;
    ClipboardPicture& PreviewPicture() override;
    void SetPreviewIcon(const ClipboardIcon& icon) override;
    int PreviewImageWidth() const override;
    int PreviewImageHeight() const override;
    void AutoSizePreviewImage() override;
    // Values other than the three views change no visibility.
    void SelectPreviewView(PreviewView view) override;
    void ShowPreviewText(const std::u16string& text) override;
    void UpdateZoomActions() override;
    void ShowClipboardPicture() override;
    void ShowClipboardHolder(const std::wstring& text) override;
    std::optional<PictureSize> ShowEncodedPicture(ClipFormat format) override;
    void ShowFormatBytes(ClipFormat format) override;

    // --- Display routines, commands and handlers that tests run directly ------------------------
    std::int32_t ReadSelectedFormat(ClipFormat format);
    void actSaveExecute();
    // The selected format's block to a file of the user's choice.
    void actSaveFormatExecute();
    // The clipboard put back without the selected format.
    void actRemoveFormatExecute();
    void actExitExecute();
    void actHelpOnlineExecute();
    void actOnTopExecute();
    void actZoomOutExecute();
    void actZoomInExecute();
    void actZoom100Execute();
    void miAboutClick();
    void miBrisvelClick();
    void rtfPreviewURLClick(const std::wstring& link, bool leftButton);

    // --- The composed parts, for the program and its tests -------------------------------------
    CommandBar& Commands() { return commands_; }
    FormatTree& Formats() { return tvFormats_; }
    StatusBar& Status() { return sbMain_; }
    // Where long saves and loads show how far they have come.
    ProgressDisplay& FileProgressDisplay() { return progress_; }
    PreviewPane& Preview() { return preview_; }
    FileDialog& SaveDialog() { return sdMain_; }
    // The clipboard monitor; null until the creation handler starts it.
    TTavrixClipboardMonitor* Monitor() { return monitor_.get(); }
    int TreeWidth() const { return treeWidth_; }
    void SetTreeWidth(int width);
    // The resolution the layout follows: the screen's at creation, then the window's own.
    int PixelsPerInch() const { return Dpi(); }
    // The facts panel is filled on every selection unless switched off (which only benchmarks
    // do, to weigh what it costs a refresh).
    void ShowFacts(bool shown) { factsShown_ = shown; }

protected:
    bool OnCreate(const CREATESTRUCTW& create) override;
    void OnDestroy() override;
    void OnEndSession(bool ending) override;
    void OnSize(UINT kind, int width, int height) override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    bool OnContextMenu(HWND from, POINT screen) override;
    bool OnMeasureItem(MEASUREITEMSTRUCT& item) override;
    bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
    void OnDpiChanged(int previousDpi) override;
    bool OnSetCursor(HWND over, UINT hitTest) override;
    void OnDropFiles(HDROP drop) override;
    void ReportHandlerError(const std::wstring& text) override;

private:
    // Building the designed window (before the creation handler).
    void CreateControls();
    void CreateControlFont();
    void RunCommand(int id);
    void LayoutControls();
    // The window moved to a screen of another resolution: the suggested frame, then the layout.
    void RunReportingErrors(HWND owner, const std::function<void()>& work);

    // The handlers that only the window runs.
    void tvFormatsChange(int nodeIndex);
    void actLoadExecute();
    void actDeleteExecute();
    // Sets the item's height for the items that have this handler.
    void miMainMeasureItem(MEASUREITEMSTRUCT& item);
    void ApplyImageZoom();
    void SaveZoomSettings();
    void ApplyOnTop();
    void ApplyDpiLayout();
    void ApplyTranslations();

    // The creation, show and destruction handlers.
    void FormCreate();
    void FormShow();
    void FormDestroy();
    // Placement, zoom and tree width, written once: at logoff or at destruction, whichever comes
    // first.
    void SaveFormSettings();
    // Creation steps 9 and 10: the clipboard monitor with its first look, and the first start.
    void StartClipboardMonitor();
    void StopClipboardMonitor();

    void ViewerSteps(ClipFormat format, TZorvBinHexMode mode);
    // The facts panel and the format actions for the selected node (0: "Preview").
    void ShowFormatFacts(int nodeIndex, ClipFormat format);
    // The format of the selected node and its name; format 0 for "Preview" or none.
    ClipFormat SelectedFormat(std::wstring* name = nullptr) const;
    // The format's bytes in the viewer in the given mode, without the gutter; their count.
    std::int32_t ShowFormatInViewer(ClipFormat format, TZorvBinHexMode mode);
    // What the preview stream holds now, in the viewer without its gutter.
    void ShowStreamInViewer(TZorvBinHexMode mode);
    std::wstring SizeText(std::int32_t number) const;
    void OpenWebPage(const std::wstring& address);

    ClipboardPort& port_;
    MainFormServices services_;

    // Components of the designed window.
    Font font_;
    CommandBar commands_;
    StatusBar sbMain_;
    FormatTree tvFormats_;
    Splitter spltMain_;
    PreviewPane preview_;
    FileDialog odMain_;
    FileDialog sdMain_;
    FileDialog sdFormat_;
    StatusBarProgress progress_{sbMain_, services_.tickCount};

    std::unique_ptr<TTavrixClipboardMonitor> monitor_;
    ClipboardEngine* engine_ = nullptr;

    // Layout and state.
    int treeWidth_ = 142;
    int margin_ = 3;
    int splitterWidth_ = 5;
    bool shownOnce_ = false;
    bool destroyed_ = false;
    bool settingsSaved_ = false;
    bool factsShown_ = true;
    // Said in the facts panel while the clipboard is the one a removal left: the removed format
    // is offered again, made by the system from another one.
    std::wstring removalNote_;
    std::uint32_t removalNoteSequence_ = 0;
};

} // namespace tavrix::win32
