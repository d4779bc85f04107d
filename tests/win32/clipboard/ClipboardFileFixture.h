#pragma once
// Set-up for tests of the clipboard file routines on Wine's real clipboard: a message-only owner
// window, the port over the Win32 backend, a support platform that records warnings instead of
// showing them, a scratch folder, and helpers that put and read formats directly.
#include "base/SystemServices.h"
#include "base/win32/Win32SystemPlatform.h"
#include "clipboard/ClipboardPort.h"
#include "clipboard/RegisteredFormats.h"
#include "clipboard/win32/Win32ClipboardBackend.h"
#include "clipboard/win32/Win32FileAccess.h"
#include "support/TestWindow.h"

#include "Bytes.h"
#include "ScratchFolder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace tavrix::win32::testing {

using tavrix::testing::Bytes;
using tavrix::testing::FileBytes;
using tavrix::testing::ScratchFolder;
using tavrix::testing::WriteFileBytes;

class RecordingSystemPlatform : public Win32SystemPlatform {
public:
    void ShowMessageBox(const std::wstring& text, const std::wstring&, unsigned) override {
        messages.push_back(text);
    }
    std::vector<std::wstring> messages;
};

inline Bytes Pattern(std::size_t size, unsigned seed) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<std::uint8_t>((i * 37 + seed) ^ (i >> 8));
    }
    return bytes;
}

class ClipboardFileFixture : public ::testing::Test {
protected:
    ClipboardFileFixture()
        : ownerWindow(test::MessageOnlyWindow(L"")), owner(ownerWindow.get()), backend(owner),
          port(backend) {
        InstallSystemPlatform(&platform);
        InitSystemServices(false, VersionFlags{true, true});
        RegisterStartupFormats(backend);
    }
    ~ClipboardFileFixture() override { InstallSystemPlatform(nullptr); }

    // Empties the clipboard and puts the formats on it, in this order.
    void Put(const std::vector<std::pair<UINT, Bytes>>& formats) {
        ASSERT_TRUE(OpenClipboard(owner));
        EmptyClipboard();
        for (const auto& [format, bytes] : formats) {
            HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
            ASSERT_NE(block, nullptr);
            std::memcpy(GlobalLock(block), bytes.data(), bytes.size());
            GlobalUnlock(block);
            ASSERT_NE(SetClipboardData(format, block), nullptr) << format;
        }
        CloseClipboard();
    }
    // The bytes of a format's memory block; empty when it is not offered.
    Bytes Get(UINT format) {
        Bytes bytes;
        EXPECT_TRUE(OpenClipboard(owner));
        if (HANDLE handle = GetClipboardData(format)) {
            const auto* data = static_cast<const std::uint8_t*>(GlobalLock(handle));
            if (data != nullptr) {
                bytes.assign(data, data + GlobalSize(handle));
                GlobalUnlock(handle);
            }
        }
        CloseClipboard();
        return bytes;
    }
    std::vector<UINT> Offered() {
        std::vector<UINT> formats;
        EXPECT_TRUE(OpenClipboard(owner));
        for (UINT f = EnumClipboardFormats(0); f != 0; f = EnumClipboardFormats(f)) {
            formats.push_back(f);
        }
        CloseClipboard();
        return formats;
    }
    int FileCount() {
        return static_cast<int>(std::count_if(
            std::filesystem::directory_iterator(scratch.Path()),
            std::filesystem::directory_iterator(),
            [](const std::filesystem::directory_entry& entry) { return !entry.is_directory(); }));
    }

    test::TestWindow ownerWindow;
    HWND owner;
    RecordingSystemPlatform platform;
    Win32ClipboardBackend backend;
    ClipboardPort port;
    Win32FileAccess files;
    ScratchFolder scratch{"tavrix-clipfile"};
    // With its separator: tests name their files folder + name.
    std::wstring folder = scratch.Path().wstring() + L"\\";
};

} // namespace tavrix::win32::testing
