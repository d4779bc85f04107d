#include "clipboard/ClipboardCapture.h"

#include "base/Error.h"
#include "base/ScopeExit.h"
#include "base/SwallowedErrors.h"
#include "base/SystemServices.h"
#include "clipboard/ClipboardPort.h"
#include "clipboard/ReadProgress.h"

#include <algorithm>
#include <exception>
#include <limits>
#include <thread>

namespace tavrix {

namespace {

constexpr std::size_t kCopyStep = std::size_t{1} << 20;
constexpr std::size_t kSmallBlock = 4096;
// The Preview's size figure stops at the first block of at least this size.
constexpr std::size_t kMeasureEnough = 1024;
constexpr std::chrono::milliseconds kRetryPause{20};

} // namespace

bool HasEverything(const ClipboardSnapshot& snapshot, const CaptureNeeds& needs) {
    auto read = [&snapshot](ClipFormat format) {
        const CapturedFormat* entry = snapshot.Find(format);
        return entry == nullptr || entry->notDelivered || entry->result.has_value();
    };
    return std::all_of(needs.blocks.begin(), needs.blocks.end(),
                       [&](ClipFormat format) {
                           return snapshot.Find(format) == nullptr || snapshot.HasData(format);
                       }) &&
           std::all_of(needs.smallBlocks.begin(), needs.smallBlocks.end(), read) &&
           (!needs.picture || snapshot.HasPicture()) && (!needs.measure || snapshot.measured);
}

bool ClipboardCapture::OpenWhenFree(const std::atomic<bool>& stop) {
    for (;;) {
        try {
            clipboard_.Open();
            progress_.SetHeld(false);
            return true;
        } catch (const Error&) {
            LogSwallowed(L"ClipboardCapture::OpenWhenFree");
            progress_.SetHeld(true);
        }
        if (stop.load()) {
            progress_.SetHeld(false);
            return false;
        }
        std::this_thread::sleep_for(kRetryPause);
    }
}

ClipboardSnapshot ClipboardCapture::List(std::chrono::milliseconds wait) {
    ClipboardSnapshot snapshot;
    ClipboardBackend& backend = clipboard_.Backend();
    const auto until = std::chrono::steady_clock::now() + wait;
    for (;;) {
        try {
            clipboard_.Open();
            break;
        } catch (const Error&) {
            LogSwallowed(L"ClipboardCapture::List");
        }
        if (std::chrono::steady_clock::now() >= until) {
            snapshot.held = true;
            return snapshot;
        }
        std::this_thread::sleep_for(kRetryPause);
    }
    snapshot.sequence = backend.SequenceNumber();
    const ScopeExit close([this] { clipboard_.Close(); });
    for (ClipFormat format = backend.EnumFormats(0); format != 0;
         format = backend.EnumFormats(format)) {
        CapturedFormat entry;
        entry.format = format;
        entry.available = backend.IsFormatAvailable(format);
        if (format >= cf::FirstRegistered) {
            entry.registeredName = backend.RegisteredFormatName(format);
        }
        snapshot.formats.push_back(std::move(entry));
    }
    return snapshot;
}

void ClipboardCapture::Read(ClipboardSnapshot& snapshot, const CaptureNeeds& needs) {
    ClipboardOpen open(clipboard_);
    for (ClipFormat format : needs.blocks) {
        if (CapturedFormat* entry = snapshot.Find(format); entry != nullptr && !entry->bytes) {
            ReadBlock(*entry, std::numeric_limits<std::size_t>::max());
        }
    }
    for (ClipFormat format : needs.smallBlocks) {
        if (CapturedFormat* entry = snapshot.Find(format); entry != nullptr && !entry->bytes) {
            ReadBlock(*entry, kSmallBlock);
        }
    }
    if (needs.picture) {
        ReadPicture(snapshot);
    }
    if (needs.measure) {
        Measure(snapshot);
        snapshot.measured = true;
    }
}

void ClipboardCapture::ReadBlock(CapturedFormat& entry, std::size_t limit) {
    std::shared_ptr<std::vector<std::uint8_t>> bytes;
    const DataResult result =
        clipboard_.ReadData(entry.format, [&](std::span<const std::uint8_t> block) {
            entry.size = block.size();
            if (block.size() > limit) {
                return;
            }
            // Copied in steps, so that the window can tell how far a large block has come.
            bytes = std::make_shared<std::vector<std::uint8_t>>();
            bytes->reserve(block.size());
            for (std::size_t at = 0; at < block.size(); at += kCopyStep) {
                const std::size_t step = std::min(kCopyStep, block.size() - at);
                bytes->insert(bytes->end(), block.begin() + static_cast<std::ptrdiff_t>(at),
                              block.begin() + static_cast<std::ptrdiff_t>(at + step));
                progress_.Copied(at + step);
            }
        });
    entry.result = result;
    entry.bytes = std::move(bytes);
}

void ClipboardCapture::Measure(ClipboardSnapshot& snapshot) {
    const bool skipHandles = IsWin7OrLater();
    for (CapturedFormat& entry : snapshot.formats) {
        // Newer systems render these from other formats on request: costly, and their handles
        // are no memory blocks.
        if (skipHandles && (entry.format == cf::Bitmap || entry.format == cf::EnhMetafile)) {
            continue;
        }
        if (!entry.result) {
            std::size_t size = 0;
            entry.result = clipboard_.DataSize(entry.format, size);
            if (*entry.result == DataResult::Read) {
                entry.size = size;
            }
        }
        if (*entry.result == DataResult::NoHandle) {
            continue;
        }
        if (*entry.result == DataResult::Read && entry.size.value_or(0) >= kMeasureEnough) {
            break;
        }
    }
}

void ClipboardCapture::ReadPicture(ClipboardSnapshot& snapshot) {
    if (snapshot.HasPicture()) {
        return;
    }
    std::unique_ptr<ClipboardPicture> picture = makePicture_ ? makePicture_() : nullptr;
    if (!picture) {
        snapshot.pictureError = std::wstring();
        return;
    }
    try {
        clipboard_.LoadClipboardPicture(*picture);
        snapshot.picture = std::move(picture);
    } catch (const std::exception&) {
        snapshot.pictureError = CurrentExceptionText();
    }
}

} // namespace tavrix
