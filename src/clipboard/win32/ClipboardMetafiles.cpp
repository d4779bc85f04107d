#include "clipboard/win32/ClipboardMetafiles.h"

#include "base/win32/GdiObjects.h"
#include "base/win32/GlobalBlock.h"
#include "base/win32/GlobalLockView.h"

#include <windows.h>

#include <cstring>

namespace tavrix::win32 {

namespace {

std::optional<std::vector<std::uint8_t>> EnhancedBits(HENHMETAFILE metafile) {
    const UINT size = GetEnhMetaFileBits(metafile, 0, nullptr);
    if (size == 0) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bits(size);
    if (GetEnhMetaFileBits(metafile, size, bits.data()) != size) {
        return std::nullopt;
    }
    return bits;
}

std::optional<SavedMetafile> ReadPicture(ClipFormat format, HGLOBAL handle) {
    METAFILEPICT frame{};
    {
        const GlobalLockView view = scoped::GlobalLock(handle);
        if (!view || LockedBytes(view).size() < sizeof(frame)) {
            return std::nullopt;
        }
        std::memcpy(&frame, LockedBytes(view).data(), sizeof(frame));
    }
    const UINT size = GetMetaFileBitsEx(frame.hMF, 0, nullptr);
    if (size == 0) {
        return std::nullopt;
    }
    SavedMetafile metafile{
        .format = format, .mapMode = frame.mm, .xExt = frame.xExt, .yExt = frame.yExt, .bits = {}};
    metafile.bits.resize(size);
    if (GetMetaFileBitsEx(frame.hMF, size, metafile.bits.data()) != size) {
        return std::nullopt;
    }
    return metafile;
}

bool PlacePicture(const SavedMetafile& saved) {
    Metafile metafile(SetMetaFileBitsEx(static_cast<UINT>(saved.bits.size()), saved.bits.data()));
    GlobalBlock block = AllocateGlobalBlock(sizeof(METAFILEPICT));
    if (!metafile || !block) {
        return false;
    }
    {
        const GlobalLockView view = scoped::GlobalLock(block.get());
        if (!view) {
            return false;
        }
        const METAFILEPICT frame{
            .mm = saved.mapMode, .xExt = saved.xExt, .yExt = saved.yExt, .hMF = metafile.get()};
        std::memcpy(LockedBytes(view).data(), &frame, sizeof(frame));
    }
    if (SetClipboardData(saved.format, block.get()) == nullptr) {
        return false;
    }
    // Emptying the clipboard frees both the block and the metafile in it.
    block.release();
    metafile.release();
    return true;
}

} // namespace

std::optional<SavedMetafile> ReadClipboardMetafile(ClipFormat format) {
    if (!IsMetafileFormat(format)) {
        return std::nullopt;
    }
    HANDLE handle = GetClipboardData(format);
    if (handle == nullptr) {
        return std::nullopt;
    }
    if (IsMetafilePictureFormat(format)) {
        return ReadPicture(format, static_cast<HGLOBAL>(handle));
    }
    std::optional<std::vector<std::uint8_t>> bits = EnhancedBits(static_cast<HENHMETAFILE>(handle));
    if (!bits) {
        return std::nullopt;
    }
    return SavedMetafile{.format = format, .bits = std::move(*bits)};
}

bool PlaceClipboardMetafile(const SavedMetafile& saved) {
    if (saved.bits.empty() || saved.bits.size() > MAXDWORD) {
        return false;
    }
    if (IsMetafilePictureFormat(saved.format)) {
        return PlacePicture(saved);
    }
    EnhMetafile metafile(
        SetEnhMetaFileBits(static_cast<UINT>(saved.bits.size()), saved.bits.data()));
    if (!metafile || SetClipboardData(saved.format, metafile.get()) == nullptr) {
        return false;
    }
    metafile.release(); // the clipboard's now
    return true;
}

} // namespace tavrix::win32
