#pragma once
// The main window as the clipboard engine drives it: the format tree, the actions the engine
// enables, the preview's views and the status bar, each asked to do its own part. The main
// window owns the parts; this only routes the engine's calls to them.
#include "app/win32/CommandBar.h"
#include "app/win32/FileComparison.h"
#include "app/win32/FormatTree.h"
#include "app/win32/PreviewPane.h"
#include "app/win32/StatusBar.h"
#include "app/win32/ViewerFind.h"
#include "clipboard/MainWindowSurface.h"

namespace tavrix::win32 {

class MainWindowParts : public MainWindowSurface {
public:
    MainWindowParts(CommandBar& commands, FormatTree& tree, PreviewPane& preview, StatusBar& status,
                    ViewerFind& find, FileComparison& comparison)
        : commands_(commands), tree_(tree), preview_(preview), status_(status), find_(find),
          comparison_(comparison) {}

    void DetachFormatsChange() override { tree_.Detach(); }
    void AttachFormatsChange() override { tree_.Attach(); }
    // A tree filled anew carries no comparison marks.
    void ClearFormatNodes() override {
        comparison_.Forget();
        tree_.Clear();
    }
    void AddFormatNode(const std::wstring& text) override { tree_.AddNode(text); }
    void SelectFormatNode(int index) override { tree_.SelectNode(index); }
    void SetActionEnabled(EngineAction action, bool enabled) override;

    ClipboardPicture& PreviewPicture() override { return preview_.Image().Picture(); }
    void SetPreviewIcon(const ClipboardIcon& icon) override;
    int PreviewImageWidth() const override { return preview_.Image().Width(); }
    int PreviewImageHeight() const override { return preview_.Image().Height(); }
    void AutoSizePreviewImage() override { preview_.Image().SetAutoSize(true); }
    std::optional<PictureSize> ShowEncodedPicture(ClipFormat format) override;
    std::int32_t ShowFormatBytes(ClipFormat format, ByteView view) override;
    std::int32_t ShowReadBytes() override;
    std::int32_t ShowRichText(ClipFormat format) override;
    // Values other than the three views change no visibility.
    void SelectPreviewView(PreviewView view) override;
    void ShowPreviewText(const std::u16string& text) override;
    // Zoom follows the picture or the viewer, Find and Go to a viewer with something in it.
    void UpdateViewActions() override;
    void ShowClipboardPicture() override { preview_.ShowClipboardPicture(); }

    void ShowSize(std::int32_t bytes) override { status_.SetSize(bytes); }
    void ShowPictureSize(PictureSize size) override {
        status_.SetPictureSize(size.width, size.height);
    }
    void ShowDescription(const std::wstring& text) override { status_.SetDescription(text); }
    void ShowFacts(const std::wstring& text) override { status_.SetFacts(comparison_.Facts(text)); }
    void ShowUnknownSize() override { status_.SetUnknownSize(); }
    void ShowWaitMessage(const std::wstring& text) override { status_.ShowMessage(text); }
    void EndWaitMessage() override { status_.EndMessage(); }

private:
    CommandBar& commands_;
    FormatTree& tree_;
    PreviewPane& preview_;
    StatusBar& status_;
    ViewerFind& find_;
    FileComparison& comparison_;
};

} // namespace tavrix::win32
