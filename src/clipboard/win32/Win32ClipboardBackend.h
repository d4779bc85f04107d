#pragma once
// The clipboard backend over user32 and kernel32.
#include "base/win32/ClipboardSession.h"
#include "clipboard/ClipboardBackend.h"
#include "clipboard/win32/WindowProcess.h"

#include <windows.h>

#include <optional>

namespace tavrix::win32 {

class Win32ClipboardBackend : public ClipboardBackend {
public:
    // owner: the window that opens the clipboard (may be null).
    explicit Win32ClipboardBackend(HWND owner = nullptr) : owner_(owner) {}
    void SetOwner(HWND owner) { owner_ = owner; }

    bool Open() override;
    void Close() override;
    bool Empty() override;
    bool IsFormatAvailable(ClipFormat format) override;
    int CountFormats() override;
    ClipFormat EnumFormats(ClipFormat previous) override;
    DataResult ReadData(ClipFormat format, const ByteReader& reader) override;
    bool SetData(ClipFormat format, std::span<const std::uint8_t> bytes) override;
    bool PlaceData(ClipFormat format, std::size_t size, const BlockFiller& fill) override;
    ClipFormat RegisterFormat(const std::wstring& name) override;
    std::wstring RegisteredFormatName(ClipFormat format) override;
    void LoadPicture(ClipFormat format, bool withPalette, ClipboardPicture& picture) override;
    std::optional<ClipboardProcess> OwnerProcess() override;
    std::optional<ClipboardProcess> HolderProcess() override;
    std::uint32_t SequenceNumber() override;
    std::unique_ptr<ClipboardObjectCopy> CopyObject(ClipFormat format) override;
    bool PlaceObject(ClipFormat format, std::unique_ptr<ClipboardObjectCopy> copy) override;
    std::optional<SavedMetafile> ReadMetafile(ClipFormat format) override;
    bool PlaceMetafile(const SavedMetafile& metafile) override;

    // Formats whose data handle is a GDI object rather than a memory block.
    static bool IsGdiHandleFormat(ClipFormat format);

private:
    HWND owner_;
    // Held from the outermost Open to its Close (the port counts the nested ones).
    std::optional<ClipboardSession> session_;
    WindowProcessCache processes_;
};

} // namespace tavrix::win32
