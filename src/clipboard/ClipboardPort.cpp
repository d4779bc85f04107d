#include "clipboard/ClipboardPort.h"

#include "base/Error.h"
#include "base/UiText.h"
#include "clipboard/FactsPanelTexts.h"
#include "clipboard/RegisteredFormats.h"

#include <memory>

namespace tavrix {

namespace {
std::unique_ptr<ClipboardPort> g_instance;
}

ClipboardPort& ClipboardPort::Instance() {
    if (!g_instance) {
        throw Error(Tr(L"Clipboard not available"));
    }
    return *g_instance;
}

void ClipboardPort::Install(ClipboardBackend& backend) {
    g_instance = std::make_unique<ClipboardPort>(backend);
}

void ClipboardPort::Open() {
    if (depth_ == 0 && !backend_.Open()) {
        // Naming the program that keeps the clipboard open tells the user whom to close.
        throw Error(CannotOpenClipboardText(backend_.HolderProcess()));
    }
    ++depth_;
}

void ClipboardPort::Close() {
    if (depth_ == 0) {
        return;
    }
    if (--depth_ == 0) {
        backend_.Close();
    }
}

bool ClipboardPort::HasFormat(ClipFormat format) {
    if (format != 0 && backend_.IsFormatAvailable(format)) {
        return true;
    }
    if (format == 0 || format != PictureFormat) {
        return false;
    }
    ClipboardOpen open(*this);
    for (ClipFormat f = backend_.EnumFormats(0); f != 0; f = backend_.EnumFormats(f)) {
        if (f == cf::Bitmap || f == cf::MetafilePict || f == cf::EnhMetafile) {
            return true;
        }
    }
    return false;
}

int ClipboardPort::FormatCount() {
    return backend_.CountFormats();
}

ClipFormat ClipboardPort::Formats(int index) {
    ClipboardOpen open(*this);
    ClipFormat format = backend_.EnumFormats(0);
    for (int i = 0; i < index && format != 0; ++i) {
        format = backend_.EnumFormats(format);
    }
    return format;
}

DataResult ClipboardPort::ReadData(ClipFormat format, const ByteReader& reader) {
    ClipboardOpen open(*this);
    return backend_.ReadData(format, reader);
}

DataResult ClipboardPort::DataSize(ClipFormat format, std::size_t& size) {
    ClipboardOpen open(*this);
    return backend_.DataSize(format, size);
}

std::optional<std::vector<std::uint8_t>> ClipboardPort::GetData(ClipFormat format) {
    std::vector<std::uint8_t> bytes;
    auto result = ReadData(format, [&](std::span<const std::uint8_t> data) {
        bytes.assign(data.begin(), data.end());
    });
    if (result != DataResult::Read) {
        return std::nullopt;
    }
    return bytes;
}

void ClipboardPort::Clear() {
    ClipboardOpen open(*this);
    backend_.Empty();
}

void ClipboardPort::LoadClipboardPicture(ClipboardPicture& picture) {
    ClipboardOpen open(*this);
    bool paletteOffered = false;
    ClipFormat picked = 0;
    for (ClipFormat f = backend_.EnumFormats(0); f != 0; f = backend_.EnumFormats(f)) {
        if (f == cf::Palette) {
            paletteOffered = true;
        }
        if (picked == 0 && (f == cf::Bitmap || f == cf::MetafilePict || f == cf::EnhMetafile)) {
            picked = f;
        }
    }
    if (picked == 0) {
        throw Error(Tr(L"Invalid clipboard format"));
    }
    backend_.LoadPicture(picked, picked == cf::Bitmap && paletteOffered, picture);
}

} // namespace tavrix
