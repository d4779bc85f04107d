#pragma once
// A main window surface for tests on the real clipboard: keeps the tree's node texts, the action
// states, the preview text and the picture view (a real Win32 picture or a copy of an icon), and
// notes the time of every selection of "Preview". onSelect plays the tree's change handler.
#include "clipboard/ClipboardPort.h"
#include "clipboard/MainWindowSurface.h"
#include "clipboard/win32/Win32Icon.h"
#include "clipboard/win32/Win32Picture.h"

#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace tavrix::test {

class RecordingSurface : public MainWindowSurface {
public:
    explicit RecordingSurface(ClipboardPort& port) : port_(port) {}
    RecordingSurface(const RecordingSurface&) = delete;
    RecordingSurface& operator=(const RecordingSurface&) = delete;

    void DetachFormatsChange() override { attached = false; }
    void AttachFormatsChange() override { attached = true; }
    void ClearFormatNodes() override { nodes.clear(); }
    void AddFormatNode(const std::wstring& text) override { nodes.push_back(text); }
    void SelectFormatNode(int index) override {
        selectTimes.push_back(GetTickCount());
        if (attached && onSelect) {
            onSelect(index);
        }
    }
    void SetActionEnabled(EngineAction action, bool enabled) override { actions[action] = enabled; }
    ClipboardPicture& PreviewPicture() override {
        icon_.reset();
        return picture;
    }
    void SetPreviewIcon(const ClipboardIcon& icon) override {
        const auto& win32Icon = dynamic_cast<const win32::Win32Icon&>(icon);
        icon_.reset(CopyIcon(win32Icon.Handle()));
        iconWidth_ = icon.Width();
        iconHeight_ = icon.Height();
    }
    int PreviewImageWidth() const override { return viewWidth; }
    int PreviewImageHeight() const override { return viewHeight; }
    void AutoSizePreviewImage() override {
        viewWidth = icon_ ? iconWidth_ : picture.Width();
        viewHeight = icon_ ? iconHeight_ : picture.Height();
    }
    void SelectPreviewView(PreviewView view) override { visibleView = view; }
    void ShowPreviewText(const std::u16string& text) override {
        previewText = text;
        visibleView = PreviewView::Viewer;
    }
    void UpdateViewActions() override {}
    void ShowClipboardPicture() override {
        ++pictureShows;
        port_.LoadClipboardPicture(picture);
        icon_.reset();
    }

    // Image files are decoded by the main window's picture view: here none decodes, so their
    // bytes show.
    std::optional<PictureSize> ShowEncodedPicture(ClipFormat) override { return std::nullopt; }
    std::int32_t ShowFormatBytes(ClipFormat, ByteView) override {
        visibleView = PreviewView::Viewer;
        return 0;
    }
    std::int32_t ShowReadBytes() override {
        visibleView = PreviewView::Viewer;
        return 0;
    }
    std::int32_t ShowRichText(ClipFormat) override {
        visibleView = PreviewView::RichText;
        return 0;
    }
    void ShowSize(std::int32_t) override {}
    void ShowPictureSize(PictureSize) override {}
    void ShowDescription(const std::wstring&) override {}
    void ShowFacts(const std::wstring& text) override { facts = text; }
    void ShowUnknownSize() override { sizeUnknown = true; }
    void ShowWaitMessage(const std::wstring& text) override { waitMessage = text; }
    void EndWaitMessage() override { waitMessage.clear(); }
    bool sizeUnknown = false;
    std::wstring waitMessage;

    bool IconShown() const { return static_cast<bool>(icon_); }

    bool attached = true;
    std::function<void(int)> onSelect;
    std::vector<std::wstring> nodes;
    std::vector<DWORD> selectTimes;
    std::map<EngineAction, bool> actions;
    win32::Win32Picture picture;
    int viewWidth = 10;
    int viewHeight = 10;
    PreviewView visibleView = PreviewView::RichText;
    std::u16string previewText;
    std::wstring facts;
    int pictureShows = 0;

private:
    ClipboardPort& port_;
    win32::Icon icon_;
    int iconWidth_ = 0;
    int iconHeight_ = 0;
};

} // namespace tavrix::test
