#pragma once
// A main window surface for engine tests: keeps the tree's nodes, the actions' states and the
// picture view's size, and logs every call in order. onSelect plays the tree's change handler.
#include "base/Error.h"
#include "clipboard/ClipboardIcon.h"
#include "clipboard/MainWindowSurface.h"
#include "fakes/FakeClipboard.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace tavrix::testing {

class FakeIcon : public ClipboardIcon {
public:
    FakeIcon(int w, int h) : width(w), height(h) {}
    int Width() const override { return width; }
    int Height() const override { return height; }
    int width;
    int height;
};

class FakeSurface : public MainWindowSurface {
public:
    void DetachFormatsChange() override {
        log.push_back("detach");
        attached = false;
    }
    void AttachFormatsChange() override {
        log.push_back("attach");
        attached = true;
    }
    void ClearFormatNodes() override {
        log.push_back("clear");
        nodes.clear();
    }
    void AddFormatNode(const std::wstring& text) override {
        log.push_back("add");
        nodes.push_back(text);
    }
    void SelectFormatNode(int index) override {
        log.push_back("select " + std::to_string(index));
        selected = index;
        if (attached && onSelect) {
            onSelect(index);
        }
    }
    void SetActionEnabled(EngineAction action, bool enabled) override { actions[action] = enabled; }
    ClipboardPicture& PreviewPicture() override { return picture; }
    void SetPreviewIcon(const ClipboardIcon& icon) override {
        log.push_back("icon");
        picture.width = icon.Width();
        picture.height = icon.Height();
        picture.loadedFrom = 0;
    }
    int PreviewImageWidth() const override { return viewWidth; }
    int PreviewImageHeight() const override { return viewHeight; }
    void AutoSizePreviewImage() override {
        log.push_back("autosize");
        viewWidth = picture.width;
        viewHeight = picture.height;
    }
    void SelectPreviewView(PreviewView view) override {
        log.push_back("view " + std::to_string(static_cast<int>(view)));
        visibleView = view;
    }
    void ShowPreviewText(const std::u16string& text) override {
        log.push_back("text");
        previewText = text;
        visibleView = PreviewView::Viewer;
    }
    void UpdateViewActions() override { log.push_back("zoom"); }
    void ShowClipboardPicture() override {
        log.push_back("picture");
        if (failShowPicture) {
            throw Error(L"Invalid clipboard format");
        }
    }

    std::optional<PictureSize> ShowEncodedPicture(ClipFormat format) override {
        log.push_back("encoded " + std::to_string(format));
        auto it = decodable.find(format);
        if (it == decodable.end()) {
            return std::nullopt;
        }
        visibleView = PreviewView::Picture;
        return it->second;
    }
    std::int32_t ShowFormatBytes(ClipFormat format, ByteView view) override {
        log.push_back("bytes " + std::to_string(format) + " " + ByteViewName(view));
        visibleView = PreviewView::Viewer;
        return blockSize;
    }
    std::int32_t ShowReadBytes() override {
        log.push_back("read bytes");
        visibleView = PreviewView::Viewer;
        return blockSize;
    }
    std::int32_t ShowRichText(ClipFormat format) override {
        log.push_back("rich text " + std::to_string(format));
        visibleView = PreviewView::RichText;
        return richTextLength;
    }
    void ShowSize(std::int32_t bytes) override { size = L"bytes " + std::to_wstring(bytes); }
    void ShowPictureSize(PictureSize picture) override {
        size = std::to_wstring(picture.width) + L" x " + std::to_wstring(picture.height);
    }
    void ShowDescription(const std::wstring& text) override { description = text; }
    void ShowFacts(const std::wstring& text) override { facts = text; }
    void ShowUnknownSize() override { sizeUnknown = true; }
    void ShowWaitMessage(const std::wstring& text) override { waitMessage = text; }
    void EndWaitMessage() override { waitMessage.clear(); }
    bool sizeUnknown = false;
    std::wstring waitMessage;

    static std::string ByteViewName(ByteView view) {
        switch (view) {
        case ByteView::Hex:
            return "hex";
        case ByteView::UnicodeHex:
            return "unicode hex";
        case ByteView::Text:
            return "text";
        case ByteView::Utf8Text:
            return "utf-8 text";
        }
        return "?";
    }

    int Count(const std::string& call) const {
        int n = 0;
        for (const auto& entry : log) {
            n += entry == call ? 1 : 0;
        }
        return n;
    }

    std::vector<std::string> log;
    std::vector<std::wstring> nodes;
    bool attached = true;
    int selected = -1;
    std::function<void(int)> onSelect;
    std::map<EngineAction, bool> actions;
    FakePicture picture;
    int viewWidth = 100; // the view's size before automatic sizing (zoomed, say)
    int viewHeight = 100;
    PreviewView visibleView = PreviewView::RichText;
    std::u16string previewText;
    // The status bar's texts: the size ("bytes N" or "W x H"), the description, the facts.
    std::wstring size;
    std::wstring description;
    std::wstring facts;
    // What a read of a format's block or of rich text answers.
    std::int32_t blockSize = 0;
    std::int32_t richTextLength = 0;
    bool failShowPicture = false;
    // The encoded picture formats that decode, with their natural sizes.
    std::map<ClipFormat, PictureSize> decodable;
};

} // namespace tavrix::testing
