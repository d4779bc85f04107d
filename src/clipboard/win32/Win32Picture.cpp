#include "clipboard/win32/Win32Picture.h"

#include "base/Error.h"
#include "base/UiText.h"
#include "base/win32/BitmapDC.h"
#include "base/win32/DibSection.h"
#include "base/win32/GlobalLockView.h"
#include "base/win32/ScreenResolution.h"
#include "clipboard/AlphaDib.h"

#include <cmath>
#include <cstring>
#include <optional>
#include <utility>
#include <vector>

namespace tavrix::win32 {

namespace {

[[noreturn]] void InvalidPicture() {
    throw Error(Tr(L"Invalid clipboard format"));
}

Palette CopyPalette(HPALETTE source) {
    if (source == nullptr) {
        return {};
    }
    UINT count = GetPaletteEntries(source, 0, 0, nullptr);
    if (count == 0) {
        return {};
    }
    std::vector<BYTE> storage(sizeof(LOGPALETTE) + count * sizeof(PALETTEENTRY));
    auto* log = reinterpret_cast<LOGPALETTE*>(storage.data());
    log->palVersion = 0x300;
    log->palNumEntries = static_cast<WORD>(count);
    GetPaletteEntries(source, 0, count, log->palPalEntry);
    return Palette(CreatePalette(log));
}

// 0.01 mm to pixels at the screen's resolution.
int HimetricToPixels(LONG himetric, int pixelsPerInch) {
    return static_cast<int>(std::lround(std::abs(himetric) * pixelsPerInch / 2540.0));
}

// Clipboard open: the bitmap's pixels with their transparency, when the clipboard also holds
// them as a 32-bit device-independent bitmap with alpha (drawn from the bitmap handle, the
// picture would show as opaque).
std::optional<PremultipliedPicture> ClipboardAlphaPixels() {
    for (UINT format : {UINT{CF_DIBV5}, UINT{CF_DIB}}) {
        if (!IsClipboardFormatAvailable(format)) {
            continue;
        }
        const GlobalLockView view =
            scoped::GlobalLock(static_cast<HGLOBAL>(GetClipboardData(format)));
        if (view) {
            if (auto pixels = ReadAlphaDib(LockedBytes(view))) {
                return pixels;
            }
        }
    }
    return std::nullopt;
}

win32::Bitmap TransparentBitmap(const PremultipliedPicture& pixels) {
    DibSection section = CreateBgraDibSection(pixels.width, pixels.height);
    if (section.bits == nullptr) {
        return {};
    }
    std::memcpy(section.bits, pixels.bgra.data(), pixels.bgra.size());
    GdiFlush();
    return std::move(section.bitmap);
}

// The stretch of one side, from source pixels to target pixels, cut to the visible span
// [visibleBegin, visibleEnd) of the target when whole source pixels map to whole target pixels.
struct Span {
    int target = 0, targetLength = 0, source = 0, sourceLength = 0;
};

bool CutToVisible(Span& span, int visibleBegin, int visibleEnd) {
    const int from = visibleBegin - span.target;
    const int to = visibleEnd - span.target;
    if (span.targetLength % span.sourceLength == 0) {
        const int k = span.targetLength / span.sourceLength;
        const int first = from / k;
        const int last = (to + k - 1) / k;
        span = {span.target + first * k, (last - first) * k, first, last - first};
        return true;
    }
    if (span.sourceLength % span.targetLength == 0) {
        const int k = span.sourceLength / span.targetLength;
        span = {visibleBegin, to - from, from * k, (to - from) * k};
        return true;
    }
    return false;
}

// GdiAlphaBlend takes in its whole source rectangle whatever the clipping (Wine's X11 driver sends
// it all to the server): only the source pixels that reach the visible part go in, when the zoom
// maps whole pixels to whole pixels; the rest would be thrown away anyway.
void BlendVisible(HDC dc, const RECT& rect, HDC source, int width, int height) {
    Span x{rect.left, rect.right - rect.left, 0, width};
    Span y{rect.top, rect.bottom - rect.top, 0, height};
    if (x.targetLength <= 0 || y.targetLength <= 0 || width <= 0 || height <= 0) {
        return;
    }
    RECT clip{};
    RECT visible{};
    if (GetClipBox(dc, &clip) != ERROR && clip.right > clip.left && clip.bottom > clip.top) {
        if (!IntersectRect(&visible, &rect, &clip)) {
            return;
        }
        Span cutX = x;
        Span cutY = y;
        if (CutToVisible(cutX, visible.left, visible.right) &&
            CutToVisible(cutY, visible.top, visible.bottom)) {
            x = cutX;
            y = cutY;
        }
    }
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    // gdi32's own entry: msimg32, whose AlphaBlend forwards to it, is not a library the
    // system protects, and a file of that name beside the program would be loaded at its start.
    GdiAlphaBlend(dc, x.target, y.target, x.targetLength, y.targetLength, source, x.source,
                  y.source, x.sourceLength, y.sourceLength, blend);
}

} // namespace

void Win32Picture::Clear() {
    bitmap_.reset();
    palette_.reset();
    metafile_.reset();
    width_ = height_ = 0;
    alpha_ = false;
}

void Win32Picture::CopyFrom(const Win32Picture& other) {
    win32::Bitmap bitmap;
    Palette palette;
    EnhMetafile metafile;
    if (other.bitmap_) {
        // A DIB section stays one, so premultiplied pixels keep their alpha.
        bitmap.reset(static_cast<HBITMAP>(CopyImage(other.bitmap_.get(), IMAGE_BITMAP, 0, 0,
                                                    other.alpha_ ? LR_CREATEDIBSECTION : 0)));
        if (!bitmap) {
            InvalidPicture();
        }
    }
    if (other.palette_) {
        palette = CopyPalette(other.palette_.get());
    }
    if (other.metafile_) {
        metafile.reset(CopyEnhMetaFileW(other.metafile_.get(), nullptr));
        if (!metafile) {
            InvalidPicture();
        }
    }
    bitmap_ = std::move(bitmap);
    palette_ = std::move(palette);
    metafile_ = std::move(metafile);
    width_ = other.width_;
    height_ = other.height_;
    alpha_ = other.alpha_;
}

void Win32Picture::SetTransparent(win32::Bitmap bitmap, int width, int height) {
    Clear();
    bitmap_ = std::move(bitmap);
    width_ = width;
    height_ = height;
    alpha_ = true;
}

void Win32Picture::LoadFromClipboard(ClipFormat format, bool withPalette) {
    win32::Bitmap bitmap;
    Palette palette;
    EnhMetafile metafile;
    int width = 0, height = 0;
    bool alpha = false;

    if (format == CF_BITMAP) {
        auto source = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
        BITMAP info{};
        if (source == nullptr || GetObjectW(source, sizeof(info), &info) == 0) {
            InvalidPicture();
        }
        bitmap.reset(static_cast<HBITMAP>(CopyImage(source, IMAGE_BITMAP, 0, 0, 0)));
        if (!bitmap) {
            InvalidPicture();
        }
        if (withPalette) {
            palette = CopyPalette(static_cast<HPALETTE>(GetClipboardData(CF_PALETTE)));
        }
        width = info.bmWidth;
        height = std::abs(info.bmHeight);
        if (auto pixels = ClipboardAlphaPixels();
            pixels && pixels->width == width && pixels->height == height) {
            if (win32::Bitmap transparent = TransparentBitmap(*pixels)) {
                bitmap = std::move(transparent);
                palette.reset();
                alpha = true;
            }
        }
    } else if (format == CF_ENHMETAFILE) {
        auto source = static_cast<HENHMETAFILE>(GetClipboardData(CF_ENHMETAFILE));
        ENHMETAHEADER header{};
        if (source == nullptr || GetEnhMetaFileHeader(source, sizeof(header), &header) == 0) {
            InvalidPicture();
        }
        metafile.reset(CopyEnhMetaFileW(source, nullptr));
        if (!metafile) {
            InvalidPicture();
        }
        width = HimetricToPixels(header.rclFrame.right - header.rclFrame.left,
                                 ReadScreenResolution().horizontal);
        height = HimetricToPixels(header.rclFrame.bottom - header.rclFrame.top,
                                  ReadScreenResolution().vertical);
    } else if (format == CF_METAFILEPICT) {
        const GlobalLockView view =
            scoped::GlobalLock(static_cast<HGLOBAL>(GetClipboardData(CF_METAFILEPICT)));
        if (!view || LockedBytes(view).size() < sizeof(METAFILEPICT)) {
            InvalidPicture();
        }
        METAFILEPICT pict{};
        std::memcpy(&pict, LockedBytes(view).data(), sizeof(pict));
        UINT size = GetMetaFileBitsEx(pict.hMF, 0, nullptr);
        if (size == 0) {
            InvalidPicture();
        }
        std::vector<BYTE> bits(size);
        GetMetaFileBitsEx(pict.hMF, size, bits.data());
        metafile.reset(SetWinMetaFileBits(size, bits.data(), nullptr, &pict));
        if (!metafile) {
            InvalidPicture();
        }
        width = HimetricToPixels(pict.xExt, ReadScreenResolution().horizontal);
        height = HimetricToPixels(pict.yExt, ReadScreenResolution().vertical);
        if (pict.mm != MM_ANISOTROPIC && pict.mm != MM_ISOTROPIC && pict.mm != MM_HIMETRIC) {
            ENHMETAHEADER header{};
            GetEnhMetaFileHeader(metafile.get(), sizeof(header), &header);
            width = header.rclBounds.right - header.rclBounds.left + 1;
            height = header.rclBounds.bottom - header.rclBounds.top + 1;
        }
    } else {
        InvalidPicture();
    }

    bitmap_ = std::move(bitmap);
    palette_ = std::move(palette);
    metafile_ = std::move(metafile);
    width_ = width;
    height_ = height;
    alpha_ = alpha;
}

void Win32Picture::Draw(HDC dc, const RECT& rect) const {
    if (metafile_) {
        PlayEnhMetaFile(dc, metafile_.get(), &rect);
        return;
    }
    if (!bitmap_) {
        return;
    }
    const BitmapDC memory = scoped::CreateCompatibleDC(dc, bitmap_.get());
    if (!memory) {
        return;
    }
    if (alpha_) {
        BlendVisible(dc, rect, memory.get(), width_, height_);
        return;
    }
    HPALETTE oldPalette = nullptr;
    if (palette_) {
        oldPalette = SelectPalette(dc, palette_.get(), FALSE);
        RealizePalette(dc);
    }
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
               memory.get(), 0, 0, width_, height_, SRCCOPY);
    if (oldPalette != nullptr) {
        SelectPalette(dc, oldPalette, FALSE);
    }
}

} // namespace tavrix::win32
