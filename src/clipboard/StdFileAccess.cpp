#include "clipboard/StdFileAccess.h"

#include "base/Error.h"
#include "base/UiText.h"
#include "clipboard/BufferedFileStream.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace tavrix {

std::wstring FileErrorText(const std::wstring& what, const std::wstring& path,
                           const std::wstring& reason) {
    return FillPlaceholders(what, {path}) + L" " + reason;
}

namespace {

namespace fs = std::filesystem;

std::wstring ReasonText(int error) {
    std::string text = std::generic_category().message(error);
    return std::wstring(text.begin(), text.end());
}

class StdFileStream : public BufferedFileStream {
public:
    StdFileStream(const fs::path& path, std::ios::openmode mode, const std::wstring& errorWhat,
                  const std::wstring& name)
        : name_(name) {
        errno = 0;
        // BufferedFileStream buffers already; a second buffer below it would read ahead after
        // every jump and copy every byte twice. Some libraries take this before opening, others
        // after.
        file_.pubsetbuf(nullptr, 0);
        if (file_.open(path, mode | std::ios::binary) == nullptr) {
            throw Error(FileErrorText(errorWhat, name, ReasonText(errno != 0 ? errno : EIO)));
        }
        file_.pubsetbuf(nullptr, 0);
        std::error_code ec;
        size_ = fs::file_size(path, ec);
        if (ec) {
            size_ = 0;
        }
    }
    ~StdFileStream() override { FlushQuietly(L"StdFileStream::~StdFileStream"); }
    void Close() {
        Flush();
        if (file_.close() == nullptr) {
            throw Error(FileErrorText(Tr(L"Cannot write file \"%1\"."), name_, ReasonText(EIO)));
        }
    }
    // Closes the file without writing what is buffered.
    void Discard() {
        DropBuffered();
        file_.close();
    }

protected:
    std::size_t RawRead(std::uint8_t* data, std::size_t size) override {
        return static_cast<std::size_t>(
            file_.sgetn(reinterpret_cast<char*>(data), static_cast<std::streamsize>(size)));
    }
    void RawWrite(const std::uint8_t* data, std::size_t size) override {
        const auto n =
            file_.sputn(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        if (n != static_cast<std::streamsize>(size)) {
            throw Error(FileErrorText(Tr(L"Cannot write file \"%1\"."), name_, ReasonText(EIO)));
        }
        rawPosition_ += size;
        size_ = std::max(size_, rawPosition_);
    }
    void RawSeek(std::uint64_t position) override {
        if (file_.pubseekpos(static_cast<std::streamoff>(position)) == std::streampos(-1)) {
            throw Error(FileErrorText(Tr(L"Cannot read file \"%1\"."), name_, ReasonText(EIO)));
        }
        rawPosition_ = position;
    }
    std::uint64_t RawSize() const override { return size_; }

private:
    std::filebuf file_;
    std::wstring name_;
    std::uint64_t size_ = 0;
    std::uint64_t rawPosition_ = 0;
};

class StdReplacementFile : public ReplacementFile {
public:
    StdReplacementFile(fs::path target, fs::path temporary, const std::wstring& name)
        : target_(std::move(target)), temporary_(std::move(temporary)), name_(name),
          stream_(temporary_, std::ios::out | std::ios::trunc, Tr(L"Cannot create file \"%1\"."),
                  name) {}
    ~StdReplacementFile() override {
        if (!committed_) {
            stream_.Discard();
            std::error_code ec;
            fs::remove(temporary_, ec);
        }
    }
    DataStream& Stream() override { return stream_; }
    void Commit() override {
        try {
            stream_.Close();
        } catch (const Error& e) {
            std::error_code ec;
            fs::remove(temporary_, ec);
            committed_ = true;
            throw;
        }
        std::error_code ec;
        fs::rename(temporary_, target_, ec);
        committed_ = true;
        if (ec) {
            std::error_code ignored;
            fs::remove(temporary_, ignored);
            throw Error(
                FileErrorText(Tr(L"Cannot create file \"%1\"."), name_, ReasonText(ec.value())));
        }
    }

private:
    fs::path target_;
    fs::path temporary_;
    std::wstring name_;
    StdFileStream stream_;
    bool committed_ = false;
};

std::atomic<unsigned> g_temporaryCounter{0};

} // namespace

bool StdFileAccess::IsExistingFile(const std::wstring& path) {
    std::error_code ec;
    return !path.empty() && fs::is_regular_file(fs::path(path), ec);
}

std::unique_ptr<DataStream> StdFileAccess::OpenForReading(const std::wstring& path) {
    return std::make_unique<StdFileStream>(fs::path(path), std::ios::in,
                                           Tr(L"Cannot open file \"%1\"."), path);
}

std::unique_ptr<ReplacementFile> StdFileAccess::CreateReplacement(const std::wstring& path) {
    const fs::path target(path);
    fs::path temporary;
    std::error_code ec;
    do {
        temporary = target;
        temporary += L".~" + std::to_wstring(++g_temporaryCounter) + L".tmp";
    } while (fs::exists(temporary, ec));
    return std::make_unique<StdReplacementFile>(target, temporary, path);
}

} // namespace tavrix
