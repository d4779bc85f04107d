#include "clipboard/win32/ClipboardObjectCopies.h"

#include "base/win32/GdiObjects.h"
#include "base/win32/GlobalBlock.h"
#include "base/win32/GlobalLockView.h"

#include <cstring>
#include <vector>

namespace tavrix::win32 {

namespace {

// A bitmap, palette or enhanced metafile: one GDI object under its owner.
template <typename Owner> class ObjectCopy final : public Win32ObjectCopy {
public:
    explicit ObjectCopy(Owner object) : object_(std::move(object)) {}
    bool Place(UINT format) override {
        if (SetClipboardData(format, object_.get()) == nullptr) {
            return false;
        }
        object_.release(); // the clipboard's now
        return true;
    }

private:
    Owner object_;
};

// A metafile picture: the picture's frame and a copy of the metafile it holds.
class MetafilePictureCopy final : public Win32ObjectCopy {
public:
    MetafilePictureCopy(const METAFILEPICT& frame, Metafile metafile)
        : frame_(frame), metafile_(std::move(metafile)) {}
    bool Place(UINT format) override {
        GlobalBlock block = AllocateGlobalBlock(sizeof(METAFILEPICT));
        if (!block) {
            return false;
        }
        {
            const GlobalLockView view = scoped::GlobalLock(block.get());
            if (!view) {
                return false;
            }
            METAFILEPICT frame = frame_;
            frame.hMF = metafile_.get();
            std::memcpy(LockedBytes(view).data(), &frame, sizeof(frame));
        }
        if (SetClipboardData(format, block.get()) == nullptr) {
            return false;
        }
        // Emptying the clipboard frees both the block and the metafile in it.
        block.release();
        metafile_.release();
        return true;
    }

private:
    METAFILEPICT frame_;
    Metafile metafile_;
};

template <typename Owner> std::unique_ptr<Win32ObjectCopy> Wrap(Owner object) {
    if (!object) {
        return nullptr;
    }
    return std::make_unique<ObjectCopy<Owner>>(std::move(object));
}

std::unique_ptr<Win32ObjectCopy> CopyPalette(HPALETTE palette) {
    WORD count = 0;
    if (GetObjectW(palette, sizeof(count), &count) == 0 || count == 0) {
        return nullptr;
    }
    std::vector<std::uint8_t> storage(sizeof(LOGPALETTE) + count * sizeof(PALETTEENTRY));
    auto* logical = reinterpret_cast<LOGPALETTE*>(storage.data());
    logical->palVersion = 0x300;
    logical->palNumEntries = count;
    if (GetPaletteEntries(palette, 0, count, logical->palPalEntry) != count) {
        return nullptr;
    }
    return Wrap(Palette(CreatePalette(logical)));
}

std::unique_ptr<Win32ObjectCopy> CopyMetafilePicture(HGLOBAL handle) {
    const GlobalLockView view = scoped::GlobalLock(handle);
    if (!view || LockedBytes(view).size() < sizeof(METAFILEPICT)) {
        return nullptr;
    }
    METAFILEPICT frame{};
    std::memcpy(&frame, LockedBytes(view).data(), sizeof(frame));
    Metafile copy(CopyMetaFileW(frame.hMF, nullptr));
    if (!copy) {
        return nullptr;
    }
    return std::make_unique<MetafilePictureCopy>(frame, std::move(copy));
}

} // namespace

std::unique_ptr<Win32ObjectCopy> CopyClipboardObject(UINT format) {
    HANDLE handle = GetClipboardData(format);
    if (handle == nullptr) {
        return nullptr;
    }
    switch (format) {
    case CF_BITMAP:
    case CF_DSPBITMAP:
        return Wrap(Bitmap(static_cast<HBITMAP>(
            CopyImage(static_cast<HBITMAP>(handle), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION))));
    case CF_PALETTE:
        return CopyPalette(static_cast<HPALETTE>(handle));
    case CF_ENHMETAFILE:
    case CF_DSPENHMETAFILE:
        return Wrap(EnhMetafile(CopyEnhMetaFileW(static_cast<HENHMETAFILE>(handle), nullptr)));
    case CF_METAFILEPICT:
    case CF_DSPMETAFILEPICT:
        return CopyMetafilePicture(static_cast<HGLOBAL>(handle));
    default:
        return nullptr;
    }
}

} // namespace tavrix::win32
