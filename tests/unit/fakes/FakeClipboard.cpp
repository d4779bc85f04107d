#include "fakes/FakeClipboard.h"

#include "base/Error.h"

#include <algorithm>
#include <stdexcept>

namespace tavrix::testing {

FakeClipboard::Entry& FakeClipboard::Slot(ClipFormat format) {
    for (auto& e : entries_) {
        if (e.format == format) {
            return e;
        }
    }
    entries_.push_back(Entry{});
    entries_.back().format = format;
    return entries_.back();
}

const FakeClipboard::Entry* FakeClipboard::Find(ClipFormat format) const {
    for (const auto& e : entries_) {
        if (e.format == format) {
            return &e;
        }
    }
    return nullptr;
}

void FakeClipboard::Put(ClipFormat format, std::vector<std::uint8_t> bytes) {
    Entry& e = Slot(format);
    e = Entry{};
    e.format = format;
    e.bytes = std::move(bytes);
}

void FakeClipboard::PutText(ClipFormat format, const std::string& text) {
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    bytes.push_back(0);
    Put(format, std::move(bytes));
}

void FakeClipboard::PutHandle(ClipFormat format, int pictureWidth, int pictureHeight) {
    Entry& e = Slot(format);
    e = Entry{};
    e.format = format;
    e.memory = false;
    e.pictureWidth = pictureWidth;
    e.pictureHeight = pictureHeight;
}

void FakeClipboard::PutUnrendered(ClipFormat format) {
    Entry& e = Slot(format);
    e = Entry{};
    e.format = format;
    e.rendered = false;
}

void FakeClipboard::PutMetafile(SavedMetafile metafile) {
    Entry& e = Slot(metafile.format);
    e = Entry{};
    e.format = metafile.format;
    e.memory = false;
    e.metafile = std::move(metafile);
}

bool FakeClipboard::Open() {
    ++openCalls;
    if (heldByOther || isOpen) {
        return false;
    }
    if (failOpenCount > 0) {
        --failOpenCount;
        return false;
    }
    if (opensBeforeFailing == 0) {
        return false;
    }
    if (opensBeforeFailing > 0) {
        --opensBeforeFailing;
    }
    isOpen = true;
    return true;
}

void FakeClipboard::Close() {
    ++closeCalls;
    isOpen = false;
}

bool FakeClipboard::Empty() {
    ++emptyCalls;
    if (!isOpen) {
        return false;
    }
    entries_.clear();
    return true;
}

bool FakeClipboard::IsFormatAvailable(ClipFormat format) {
    return Find(format) != nullptr;
}

int FakeClipboard::CountFormats() {
    return static_cast<int>(entries_.size());
}

ClipFormat FakeClipboard::EnumFormats(ClipFormat previous) {
    if (!isOpen) {
        return 0;
    }
    if (previous == 0) {
        return entries_.empty() ? 0 : entries_.front().format;
    }
    for (std::size_t i = 0; i + 1 < entries_.size(); ++i) {
        if (entries_[i].format == previous) {
            return entries_[i + 1].format;
        }
    }
    return 0;
}

DataResult FakeClipboard::ReadData(ClipFormat format, const ByteReader& reader) {
    const Entry* e = isOpen ? Find(format) : nullptr;
    if (e == nullptr || !e->rendered) {
        return DataResult::NoHandle;
    }
    if (!e->memory) {
        return DataResult::NotMemory;
    }
    reader(std::span<const std::uint8_t>(e->bytes.data(), e->bytes.size()));
    return DataResult::Read;
}

bool FakeClipboard::SetData(ClipFormat format, std::span<const std::uint8_t> bytes) {
    if (!isOpen) {
        return false;
    }
    Put(format, std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    return true;
}

ClipFormat FakeClipboard::RegisterFormat(const std::wstring& name) {
    ++registerCalls;
    auto it = registered.find(name);
    if (it != registered.end()) {
        return it->second;
    }
    return registered[name] = nextRegistered_++;
}

std::wstring FakeClipboard::RegisteredFormatName(ClipFormat format) {
    for (const auto& [name, value] : registered) {
        if (value == format) {
            return name;
        }
    }
    return {};
}

namespace {
struct FakeObjectCopy : ClipboardObjectCopy {
    explicit FakeObjectCopy(FakeClipboard::Entry e) : entry(std::move(e)) {}
    FakeClipboard::Entry entry;
};
} // namespace

std::unique_ptr<ClipboardObjectCopy> FakeClipboard::CopyObject(ClipFormat format) {
    const Entry* e = isOpen ? Find(format) : nullptr;
    if (e == nullptr || !e->rendered) {
        return nullptr;
    }
    return std::make_unique<FakeObjectCopy>(*e);
}

bool FakeClipboard::PlaceObject(ClipFormat format, std::unique_ptr<ClipboardObjectCopy> copy) {
    auto* object = dynamic_cast<FakeObjectCopy*>(copy.get());
    if (!isOpen || object == nullptr) {
        return false;
    }
    Slot(format) = object->entry;
    return true;
}

std::optional<SavedMetafile> FakeClipboard::ReadMetafile(ClipFormat format) {
    const Entry* e = isOpen ? Find(format) : nullptr;
    return e != nullptr && e->rendered ? e->metafile : std::nullopt;
}

bool FakeClipboard::PlaceMetafile(const SavedMetafile& metafile) {
    if (!isOpen) {
        return false;
    }
    PutMetafile(metafile);
    return true;
}

void FakeClipboard::LoadPicture(ClipFormat format, bool withPalette, ClipboardPicture& picture) {
    const Entry* e = Find(format);
    auto* fake = dynamic_cast<FakePicture*>(&picture);
    if (e == nullptr || fake == nullptr) {
        throw Error(L"Invalid clipboard format");
    }
    fake->width = e->pictureWidth;
    fake->height = e->pictureHeight;
    fake->loadedFrom = format;
    fake->withPalette = withPalette;
}

} // namespace tavrix::testing
