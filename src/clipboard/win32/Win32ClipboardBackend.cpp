#include "clipboard/win32/Win32ClipboardBackend.h"

#include "base/Error.h"
#include "base/UiText.h"
#include "base/win32/GlobalBlock.h"
#include "base/win32/GlobalLockView.h"
#include "clipboard/win32/ClipboardMetafiles.h"
#include "clipboard/win32/ClipboardObjectCopies.h"
#include "clipboard/win32/Win32Picture.h"
#include "clipboard/win32/WindowProcess.h"

#include <cstring>

namespace tavrix::win32 {

bool Win32ClipboardBackend::Open() {
    // Opened again while held (the monitor's direct open): the system would say yes to the same
    // window, and one Close still ends it.
    if (session_) {
        return true;
    }
    session_ = OpenClipboardSession(owner_);
    return session_.has_value();
}

void Win32ClipboardBackend::Close() {
    session_.reset();
}

bool Win32ClipboardBackend::Empty() {
    return EmptyClipboard() != FALSE;
}

bool Win32ClipboardBackend::IsFormatAvailable(ClipFormat format) {
    return IsClipboardFormatAvailable(format) != FALSE;
}

int Win32ClipboardBackend::CountFormats() {
    return CountClipboardFormats();
}

ClipFormat Win32ClipboardBackend::EnumFormats(ClipFormat previous) {
    return static_cast<ClipFormat>(EnumClipboardFormats(previous));
}

bool Win32ClipboardBackend::IsGdiHandleFormat(ClipFormat format) {
    return IsGdiObjectFormat(format);
}

DataResult Win32ClipboardBackend::ReadData(ClipFormat format, const ByteReader& reader) {
    HANDLE handle = GetClipboardData(format);
    if (handle == nullptr) {
        return DataResult::NoHandle;
    }
    if (IsGdiHandleFormat(format)) {
        return DataResult::NotMemory;
    }
    const GlobalLockView view = scoped::GlobalLock(static_cast<HGLOBAL>(handle));
    if (!view) {
        return DataResult::NotMemory;
    }
    reader(LockedBytes(view));
    return DataResult::Read;
}

bool Win32ClipboardBackend::SetData(ClipFormat format, std::span<const std::uint8_t> bytes) {
    GlobalBlock block = AllocateGlobalBlock(bytes.size());
    if (!block) {
        return false;
    }
    {
        const GlobalLockView view = scoped::GlobalLock(block.get());
        if (!view) {
            return false;
        }
        if (!bytes.empty()) {
            std::memcpy(LockedBytes(view).data(), bytes.data(), bytes.size());
        }
    }
    if (SetClipboardData(format, block.get()) == nullptr) {
        return false;
    }
    block.release(); // the clipboard owns the block now
    return true;
}

bool Win32ClipboardBackend::PlaceData(ClipFormat format, std::size_t size,
                                      const BlockFiller& fill) {
    // Movable and shareable, not zeroed: fill writes every byte before the block is placed.
    GlobalBlock block = AllocateGlobalBlock(size, GMEM_MOVEABLE | GMEM_DDESHARE);
    if (!block) {
        return false;
    }
    {
        const GlobalLockView view = scoped::GlobalLock(block.get());
        if (!view || LockedBytes(view).size() < size) {
            return false;
        }
        if (!fill(LockedBytes(view).first(size))) {
            return false;
        }
    }
    if (SetClipboardData(format, block.get()) == nullptr) {
        return false;
    }
    block.release(); // the clipboard owns the block now
    return true;
}

ClipFormat Win32ClipboardBackend::RegisterFormat(const std::wstring& name) {
    return static_cast<ClipFormat>(RegisterClipboardFormatW(name.c_str()));
}

std::wstring Win32ClipboardBackend::RegisteredFormatName(ClipFormat format) {
    if (format < cf::FirstRegistered) {
        return {};
    }
    wchar_t buffer[256];
    int length = GetClipboardFormatNameW(format, buffer, 256);
    return std::wstring(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
}

void Win32ClipboardBackend::LoadPicture(ClipFormat format, bool withPalette,
                                        ClipboardPicture& picture) {
    auto* target = dynamic_cast<Win32Picture*>(&picture);
    if (target == nullptr) {
        throw Error(Tr(L"Invalid clipboard format"));
    }
    target->LoadFromClipboard(format, withPalette);
}

std::optional<ClipboardProcess> Win32ClipboardBackend::OwnerProcess() {
    return processes_.ProcessOf(GetClipboardOwner());
}

std::optional<ClipboardProcess> Win32ClipboardBackend::HolderProcess() {
    // A program that opened the clipboard without a window cannot be told.
    return processes_.ProcessOf(GetOpenClipboardWindow());
}

std::uint32_t Win32ClipboardBackend::SequenceNumber() {
    return GetClipboardSequenceNumber();
}

std::unique_ptr<ClipboardObjectCopy> Win32ClipboardBackend::CopyObject(ClipFormat format) {
    return CopyClipboardObject(format);
}

bool Win32ClipboardBackend::PlaceObject(ClipFormat format,
                                        std::unique_ptr<ClipboardObjectCopy> copy) {
    auto* object = dynamic_cast<Win32ObjectCopy*>(copy.get());
    return object != nullptr && object->Place(format);
}

std::optional<SavedMetafile> Win32ClipboardBackend::ReadMetafile(ClipFormat format) {
    return ReadClipboardMetafile(format);
}

bool Win32ClipboardBackend::PlaceMetafile(const SavedMetafile& metafile) {
    return PlaceClipboardMetafile(metafile);
}

} // namespace tavrix::win32
