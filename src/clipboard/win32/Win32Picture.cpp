#include "clipboard/win32/Win32Picture.h"

#include "base/Error.h"
#include "base/win32/ScreenResolution.h"
#include "ui/win32/Gdi.h"
#include "ui/win32/GlobalMemory.h"

#include <cmath>
#include <cstring>
#include <utility>
#include <vector>

namespace tavrix::win32 {

namespace {

[[noreturn]] void InvalidPicture() {
    throw Error(L"Invalid clipboard format");
}

HPALETTE CopyPalette(HPALETTE source) {
    if (source == nullptr) {
        return nullptr;
    }
    UINT count = GetPaletteEntries(source, 0, 0, nullptr);
    if (count == 0) {
        return nullptr;
    }
    std::vector<BYTE> storage(sizeof(LOGPALETTE) + count * sizeof(PALETTEENTRY));
    auto* log = reinterpret_cast<LOGPALETTE*>(storage.data());
    log->palVersion = 0x300;
    log->palNumEntries = static_cast<WORD>(count);
    GetPaletteEntries(source, 0, count, log->palPalEntry);
    return CreatePalette(log);
}

// 0.01 mm to pixels at the screen's resolution.
int HimetricToPixels(LONG himetric, int pixelsPerInch) {
    return static_cast<int>(std::lround(std::abs(himetric) * pixelsPerInch / 2540.0));
}

} // namespace

Win32Picture::~Win32Picture() {
    Clear();
}

void Win32Picture::Clear() {
    if (bitmap_ != nullptr) {
        DeleteObject(bitmap_);
    }
    if (palette_ != nullptr) {
        DeleteObject(palette_);
    }
    if (metafile_ != nullptr) {
        DeleteEnhMetaFile(metafile_);
    }
    bitmap_ = nullptr;
    palette_ = nullptr;
    metafile_ = nullptr;
    width_ = height_ = 0;
}

void Win32Picture::LoadFromClipboard(ClipFormat format, bool withPalette) {
    HBITMAP bitmap = nullptr;
    HPALETTE palette = nullptr;
    HENHMETAFILE metafile = nullptr;
    int width = 0, height = 0;

    if (format == CF_BITMAP) {
        auto source = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
        BITMAP info{};
        if (source == nullptr || GetObjectW(source, sizeof(info), &info) == 0) {
            InvalidPicture();
        }
        bitmap = static_cast<HBITMAP>(CopyImage(source, IMAGE_BITMAP, 0, 0, 0));
        if (bitmap == nullptr) {
            InvalidPicture();
        }
        if (withPalette) {
            palette = CopyPalette(static_cast<HPALETTE>(GetClipboardData(CF_PALETTE)));
        }
        width = info.bmWidth;
        height = std::abs(info.bmHeight);
    } else if (format == CF_ENHMETAFILE) {
        auto source = static_cast<HENHMETAFILE>(GetClipboardData(CF_ENHMETAFILE));
        ENHMETAHEADER header{};
        if (source == nullptr || GetEnhMetaFileHeader(source, sizeof(header), &header) == 0) {
            InvalidPicture();
        }
        metafile = CopyEnhMetaFileW(source, nullptr);
        if (metafile == nullptr) {
            InvalidPicture();
        }
        width = HimetricToPixels(header.rclFrame.right - header.rclFrame.left,
                                 ReadScreenResolution().horizontal);
        height = HimetricToPixels(header.rclFrame.bottom - header.rclFrame.top,
                                  ReadScreenResolution().vertical);
    } else if (format == CF_METAFILEPICT) {
        GlobalLockView view(static_cast<HGLOBAL>(GetClipboardData(CF_METAFILEPICT)));
        if (!view.locked() || view.bytes().size() < sizeof(METAFILEPICT)) {
            InvalidPicture();
        }
        METAFILEPICT pict{};
        std::memcpy(&pict, view.bytes().data(), sizeof(pict));
        UINT size = GetMetaFileBitsEx(pict.hMF, 0, nullptr);
        if (size == 0) {
            InvalidPicture();
        }
        std::vector<BYTE> bits(size);
        GetMetaFileBitsEx(pict.hMF, size, bits.data());
        metafile = SetWinMetaFileBits(size, bits.data(), nullptr, &pict);
        if (metafile == nullptr) {
            InvalidPicture();
        }
        width = HimetricToPixels(pict.xExt, ReadScreenResolution().horizontal);
        height = HimetricToPixels(pict.yExt, ReadScreenResolution().vertical);
        if (pict.mm != MM_ANISOTROPIC && pict.mm != MM_ISOTROPIC && pict.mm != MM_HIMETRIC) {
            ENHMETAHEADER header{};
            GetEnhMetaFileHeader(metafile, sizeof(header), &header);
            width = header.rclBounds.right - header.rclBounds.left + 1;
            height = header.rclBounds.bottom - header.rclBounds.top + 1;
        }
    } else {
        InvalidPicture();
    }

    Clear();
    bitmap_ = bitmap;
    palette_ = palette;
    metafile_ = metafile;
    width_ = width;
    height_ = height;
}

void Win32Picture::Draw(HDC dc, const RECT& rect) const {
    if (metafile_ != nullptr) {
        PlayEnhMetaFile(dc, metafile_, &rect);
        return;
    }
    if (bitmap_ == nullptr) {
        return;
    }
    MemoryDC memory(dc);
    if (memory.get() == nullptr) {
        return;
    }
    SelectGuard picture(memory.get(), bitmap_);
    HPALETTE oldPalette = nullptr;
    if (palette_ != nullptr) {
        oldPalette = SelectPalette(dc, palette_, FALSE);
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
