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
    void UpdateZoomActions() override { log.push_back("zoom"); }
    void ShowClipboardPicture() override {
        log.push_back("picture");
        if (failShowPicture) {
            throw Error(L"Invalid clipboard format");
        }
    }

    void ShowClipboardHolder(const std::wstring& text) override { holderText = text; }
    std::optional<PictureSize> ShowEncodedPicture(ClipFormat format) override {
        log.push_back("encoded " + std::to_string(format));
        auto it = decodable.find(format);
        if (it == decodable.end()) {
            return std::nullopt;
        }
        visibleView = PreviewView::Picture;
        return it->second;
    }
    void ShowFormatBytes(ClipFormat format) override {
        log.push_back("bytes " + std::to_string(format));
        visibleView = PreviewView::Viewer;
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
    std::wstring holderText;
    bool failShowPicture = false;
    // The encoded picture formats that decode, with their natural sizes.
    std::map<ClipFormat, PictureSize> decodable;
};

} // namespace tavrix::testing
