#pragma once
// The engine's platform for tests: 8-bit text is taken as Latin-1, icons are fakes with the size
// of the image's first directory entry.
#include "base/Error.h"
#include "clipboard/EnginePlatform.h"
#include "clipboard/IconImage.h"
#include "fakes/FakeSurface.h"

namespace tavrix::testing {

class FakeEnginePlatform : public EnginePlatform {
public:
    std::u16string AnsiToUtf16(std::span<const std::uint8_t> text) override {
        ++ansiConversions;
        return std::u16string(text.begin(), text.end());
    }
    std::unique_ptr<ClipboardIcon> DecodeIcon(std::span<const std::uint8_t> icoImage) override {
        ++iconLoads;
        auto entries = ParseIconImage(icoImage);
        if (failIconLoad || !entries) {
            throw Error(L"Invalid icon");
        }
        return std::make_unique<FakeIcon>(entries->front().width, entries->front().height);
    }

    std::wstring LocaleName(std::uint32_t lcid) override {
        return lcid == 0x0409 ? L"en-US" : std::wstring();
    }

    int ansiConversions = 0;
    int iconLoads = 0;
    bool failIconLoad = false;
};

} // namespace tavrix::testing
