#include "clipboard/win32/Win32FileAccess.h"

#include "base/Error.h"
#include "base/UiText.h"
#include "base/win32/KernelHandles.h"
#include "base/win32/SystemErrorText.h"
#include "clipboard/BufferedFileStream.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <vector>

namespace tavrix::win32 {

namespace {

// ReadFile and WriteFile take 32-bit counts.
constexpr std::size_t kMaxTransfer = 1u << 30;

[[noreturn]] void ThrowFileError(const std::wstring& what, const std::wstring& name) {
    ThrowLastError(FileErrorText(what, name, L""));
}

class Win32FileStream : public BufferedFileStream {
public:
    Win32FileStream(UniqueFile file, std::wstring name)
        : file_(std::move(file)), name_(std::move(name)) {
        LARGE_INTEGER size{};
        if (GetFileSizeEx(file_.get(), &size)) {
            size_ = static_cast<std::uint64_t>(size.QuadPart);
        }
    }
    ~Win32FileStream() override { FlushQuietly(L"Win32FileStream::~Win32FileStream"); }
    // Writes what is buffered and closes the file.
    void Close() {
        Flush();
        file_.reset();
    }
    // Closes the file without writing what is buffered.
    void Discard() {
        DropBuffered();
        file_.reset();
    }

protected:
    std::size_t RawRead(std::uint8_t* data, std::size_t size) override {
        std::size_t done = 0;
        while (done < size) {
            const auto chunk = static_cast<DWORD>(std::min(size - done, kMaxTransfer));
            DWORD n = 0;
            if (!ReadFile(file_.get(), data + done, chunk, &n, nullptr)) {
                ThrowFileError(Tr(L"Cannot read file \"%1\"."), name_);
            }
            if (n == 0) {
                break;
            }
            done += n;
        }
        rawPosition_ += done;
        return done;
    }
    void RawWrite(const std::uint8_t* data, std::size_t size) override {
        std::size_t done = 0;
        while (done < size) {
            const auto chunk = static_cast<DWORD>(std::min(size - done, kMaxTransfer));
            DWORD n = 0;
            if (!WriteFile(file_.get(), data + done, chunk, &n, nullptr) || n == 0) {
                ThrowFileError(Tr(L"Cannot write file \"%1\"."), name_);
            }
            done += n;
        }
        rawPosition_ += done;
        size_ = std::max(size_, rawPosition_);
    }
    void RawSeek(std::uint64_t position) override {
        LARGE_INTEGER to{};
        to.QuadPart = static_cast<LONGLONG>(position);
        if (!SetFilePointerEx(file_.get(), to, nullptr, FILE_BEGIN)) {
            ThrowFileError(Tr(L"Cannot read file \"%1\"."), name_);
        }
        rawPosition_ = position;
    }
    std::uint64_t RawSize() const override { return size_; }

private:
    UniqueFile file_;
    std::wstring name_;
    std::uint64_t size_ = 0;
    std::uint64_t rawPosition_ = 0;
};

// The temporary files being written, for DiscardUnfinishedReplacements.
std::mutex g_unfinishedMutex;
std::vector<std::wstring> g_unfinished;

void NoteUnfinished(const std::wstring& temporary, bool unfinished) {
    std::lock_guard lock(g_unfinishedMutex);
    std::erase(g_unfinished, temporary);
    if (unfinished) {
        g_unfinished.push_back(temporary);
    }
}

class Win32ReplacementFile : public ReplacementFile {
public:
    Win32ReplacementFile(UniqueFile file, std::wstring temporary, std::wstring target)
        : stream_(std::move(file), target), temporary_(std::move(temporary)),
          target_(std::move(target)) {
        NoteUnfinished(temporary_, true);
    }
    ~Win32ReplacementFile() override {
        NoteUnfinished(temporary_, false);
        if (!done_) {
            stream_.Discard();
            DeleteFileW(temporary_.c_str());
        }
    }
    DataStream& Stream() override { return stream_; }
    void Commit() override {
        done_ = true;
        try {
            stream_.Close();
        } catch (...) {
            DeleteFileW(temporary_.c_str());
            throw;
        }
        if (!MoveFileExW(temporary_.c_str(), target_.c_str(), MOVEFILE_REPLACE_EXISTING)) {
            const DWORD code = GetLastError();
            DeleteFileW(temporary_.c_str());
            ThrowSystemError(FileErrorText(Tr(L"Cannot create file \"%1\"."), target_, L""), code);
        }
    }

private:
    Win32FileStream stream_;
    std::wstring temporary_;
    std::wstring target_;
    bool done_ = false;
};

std::atomic<unsigned> g_temporaryCounter{0};

std::wstring TemporaryName(const std::wstring& target) {
    wchar_t suffix[40];
    wsprintfW(suffix, L".~%lx-%x.tmp", GetCurrentProcessId(), ++g_temporaryCounter);
    return target + suffix;
}

} // namespace

bool Win32FileAccess::IsExistingFile(const std::wstring& path) {
    if (path.empty()) {
        return false;
    }
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::unique_ptr<DataStream> Win32FileAccess::OpenForReading(const std::wstring& path) {
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file) {
        ThrowFileError(Tr(L"Cannot open file \"%1\"."), path);
    }
    return std::make_unique<Win32FileStream>(std::move(file), path);
}

std::unique_ptr<ReplacementFile> Win32FileAccess::CreateReplacement(const std::wstring& path) {
    for (;;) {
        std::wstring temporary = TemporaryName(path);
        // Deletable while open: a script that gives up on a stuck save removes it.
        UniqueFile file(CreateFileW(temporary.c_str(), GENERIC_WRITE, FILE_SHARE_DELETE, nullptr,
                                    CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file) {
            return std::make_unique<Win32ReplacementFile>(std::move(file), std::move(temporary),
                                                          path);
        }
        if (GetLastError() != ERROR_FILE_EXISTS) {
            ThrowFileError(Tr(L"Cannot create file \"%1\"."), path);
        }
    }
}

void DiscardUnfinishedReplacements() {
    std::lock_guard lock(g_unfinishedMutex);
    for (const std::wstring& temporary : g_unfinished) {
        DeleteFileW(temporary.c_str());
    }
}

} // namespace tavrix::win32
