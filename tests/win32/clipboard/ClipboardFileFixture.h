#pragma once
// Set-up for tests of the clipboard file routines on Wine's real clipboard: a message-only owner
// window, the port over the Win32 backend, a support platform that records warnings instead of
// showing them, a scratch folder, and helpers that put and read formats directly.
#include "base/Support.h"
#include "base/win32/Win32SupportPlatform.h"
#include "clipboard/ClipboardPort.h"
#include "clipboard/RegisteredFormats.h"
#include "clipboard/win32/Win32ClipboardBackend.h"
#include "clipboard/win32/Win32FileAccess.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace tavrix::win32::testing {

using Bytes = std::vector<std::uint8_t>;

class RecordingSupportPlatform : public Win32SupportPlatform {
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
        : owner(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr,
                                nullptr)),
          backend(owner), port(backend) {
        InstallSupportPlatform(&platform);
        InitSupport(false, VersionFlags{true, true});
        RegisterStartupFormats(backend);
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        folder = std::wstring(temp) + L"tavrix-clipfile-" + std::to_wstring(GetTickCount()) + L"-" +
                 std::to_wstring(++counter);
        CreateDirectoryW(folder.c_str(), nullptr);
        folder += L"\\";
    }
    ~ClipboardFileFixture() override {
        WIN32_FIND_DATAW data;
        HANDLE find = FindFirstFileW((folder + L"*").c_str(), &data);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                DeleteFileW((folder + data.cFileName).c_str());
            } while (FindNextFileW(find, &data));
            FindClose(find);
        }
        RemoveDirectoryW(folder.c_str());
        InstallSupportPlatform(nullptr);
        DestroyWindow(owner);
    }

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
    static Bytes ReadFileBytes(const std::wstring& path) {
        Bytes bytes;
        HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            ADD_FAILURE() << "cannot open the file";
            return bytes;
        }
        LARGE_INTEGER size{};
        GetFileSizeEx(file, &size);
        bytes.resize(static_cast<std::size_t>(size.QuadPart));
        DWORD read = 0;
        if (!bytes.empty()) {
            ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
        }
        CloseHandle(file);
        EXPECT_EQ(read, bytes.size());
        return bytes;
    }
    static void WriteFileBytes(const std::wstring& path, const Bytes& bytes) {
        HANDLE file =
            CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        DWORD written = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
    }
    int FileCount() {
        int count = 0;
        WIN32_FIND_DATAW data;
        HANDLE find = FindFirstFileW((folder + L"*").c_str(), &data);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
                    ++count;
                }
            } while (FindNextFileW(find, &data));
            FindClose(find);
        }
        return count;
    }

    static inline int counter = 0;
    HWND owner;
    RecordingSupportPlatform platform;
    Win32ClipboardBackend backend;
    ClipboardPort port;
    Win32FileAccess files;
    std::wstring folder;
};

} // namespace tavrix::win32::testing
