#pragma once
// The picture view: a scroll box (scrlPreview) holding an image control (imgPreview) at its top
// left corner. The image shows a clipboard picture or an icon, either at its natural size
// (automatic sizing) or stretched to a size the main window sets for the zoom; the scroll box
// offers scroll bars for whatever does not fit.
#include "base/win32/UserObjects.h"
#include "clipboard/win32/Win32Picture.h"
#include "ui/win32/Window.h"

namespace tavrix::win32 {

class ImageControl : public Window {
public:
    void Create(HWND parent);

    Win32Picture& Picture() { return picture_; }
    // A copy of icon becomes the picture (the bitmap or metafile picture is dropped).
    void SetIcon(HICON icon, int width, int height);
    int NaturalWidth() const;
    int NaturalHeight() const;

    bool AutoSize() const { return autoSize_; }
    // On: the control takes the natural size of its picture (now and whenever it changes).
    void SetAutoSize(bool on);
    void SetStretch(bool on) { stretch_ = on; }
    // The side in pixels of the squares shown through transparent pictures.
    void SetCheckerCell(int pixels) { checkerCell_ = pixels; }
    // Sizes the control; the scroll box is told to update its scroll range.
    void SetSize(int width, int height);
    // With automatic sizing the control follows its picture at once, as soon as it is loaded.
    int Width() const { return autoSize_ ? NaturalWidth() : width_; }
    int Height() const { return autoSize_ ? NaturalHeight() : height_; }

protected:
    bool OnPaint() override;
    bool OnEraseBackground(HDC) override { return true; }

private:
    Win32Picture picture_;
    Icon icon_;
    int iconWidth_ = 0;
    int iconHeight_ = 0;
    bool autoSize_ = true;
    bool stretch_ = false;
    int checkerCell_ = 8;
    int width_ = 0;
    int height_ = 0;
};

class ScrollBox : public Window {
public:
    void Create(HWND parent, int id);
    ImageControl& Image() { return image_; }
    // Recomputes the scroll ranges after the image or the box changed size.
    void UpdateScrollRange();

protected:
    void OnSize(UINT kind, int width, int height) override;
    bool OnScroll(bool vertical, int request) override;
    bool OnMouseWheel(int delta, WPARAM keys) override;

private:
    void ScrollTo(int x, int y);

    ImageControl image_;
    int scrollX_ = 0;
    int scrollY_ = 0;
};

} // namespace tavrix::win32
