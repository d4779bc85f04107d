// The buffered file stream and the replacement file of the standard-library file access.
#include "clipboard/BufferedFileStream.h"
#include "clipboard/MemoryDataStream.h"
#include "clipboard/StdFileAccess.h"

#include "Bytes.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace tavrix {
namespace {

namespace fs = std::filesystem;
using testing::Bytes;

Bytes Pattern(std::size_t size, unsigned seed) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<std::uint8_t>((i * 131 + seed) ^ (i >> 9));
    }
    return bytes;
}

class FileStreams : public ::testing::Test {
protected:
    Bytes FileBytes() const { return testing::FileBytes(path); }

    const testing::ScratchFolder folder{"tavrix-stream"};
    const std::wstring path = (folder / "data.bin").wstring();
    StdFileAccess files;
};

TEST_F(FileStreams, MixedSmallAndLargeWritesAndReadsKeepEveryByteInOrder) {
    // Sizes around the buffer's size exercise the buffered and the direct paths both ways.
    const std::size_t sizes[] = {2,
                                 4,
                                 BufferedFileStream::kBufferSize - 6,
                                 1,
                                 BufferedFileStream::kBufferSize,
                                 3,
                                 BufferedFileStream::kBufferSize * 3 + 17,
                                 6};
    Bytes expected;
    {
        auto file = files.CreateReplacement(path);
        unsigned seed = 1;
        for (std::size_t size : sizes) {
            const Bytes part = Pattern(size, seed++);
            file->Stream().Write(part);
            expected.insert(expected.end(), part.begin(), part.end());
            EXPECT_EQ(file->Stream().Position(), expected.size());
            EXPECT_EQ(file->Stream().Size(), expected.size());
        }
        file->Commit();
    }
    ASSERT_EQ(FileBytes(), expected);

    auto stream = files.OpenForReading(path);
    EXPECT_EQ(stream->Size(), expected.size());
    Bytes read;
    std::size_t chunk = 1;
    while (stream->Position() < stream->Size()) {
        Bytes part(chunk);
        const std::size_t n = ReadFully(*stream, part);
        read.insert(read.end(), part.begin(), part.begin() + static_cast<std::ptrdiff_t>(n));
        chunk = chunk * 3 + 5; // 1, 8, 29, ... up to several buffers
    }
    EXPECT_EQ(read, expected);
    Bytes more(10);
    EXPECT_EQ(stream->Read(more), 0u);
}

TEST_F(FileStreams, SeekDropsBufferedBytes) {
    const Bytes data = Pattern(BufferedFileStream::kBufferSize * 2, 7);
    {
        auto file = files.CreateReplacement(path);
        file->Stream().Write(data);
        file->Commit();
    }
    auto stream = files.OpenForReading(path);
    Bytes two(2);
    ASSERT_EQ(stream->Read(two), 2u); // fills the buffer
    stream->Seek(70'000);
    ASSERT_EQ(stream->Read(two), 2u);
    EXPECT_EQ(two, (Bytes{data[70'000], data[70'001]}));
    EXPECT_EQ(stream->Position(), 70'002u);
    stream->Seek(data.size() + 5);
    EXPECT_EQ(stream->Read(two), 0u);
}

// A buffered stream over bytes in memory that counts what it asks of its "file".
class CountingStream : public BufferedFileStream {
public:
    explicit CountingStream(const Bytes& bytes) : bytes_(bytes) {}
    std::size_t bytesAsked = 0, seeks = 0;

protected:
    std::size_t RawRead(std::uint8_t* data, std::size_t size) override {
        bytesAsked += size;
        const std::size_t n = at_ >= bytes_.size() ? 0 : std::min(size, bytes_.size() - at_);
        std::copy_n(bytes_.begin() + static_cast<std::ptrdiff_t>(at_), n, data);
        at_ += n;
        return n;
    }
    void RawWrite(const std::uint8_t*, std::size_t) override { ADD_FAILURE(); }
    void RawSeek(std::uint64_t position) override {
        at_ = static_cast<std::size_t>(position);
        ++seeks;
    }
    std::uint64_t RawSize() const override { return bytes_.size(); }

private:
    const Bytes& bytes_;
    std::size_t at_ = 0;
};

TEST(BufferedFileStreams, JumpsReadLittleAndJumpsAmongTheBytesReadCostNoCall) {
    const Bytes data = Pattern(1 << 20, 5);
    CountingStream stream(data);
    auto readAt = [&](std::uint64_t at, std::size_t size) {
        stream.Seek(at);
        Bytes part(size);
        EXPECT_EQ(ReadFully(stream, part), size);
        EXPECT_TRUE(std::equal(part.begin(), part.end(), data.begin() + at)) << at;
    };
    // A walk over sixteen records of 64 KiB reads a header after each jump, not a buffer.
    for (std::uint64_t at = 0; at < data.size(); at += 1 << 16) {
        readAt(at, 6);
    }
    EXPECT_EQ(stream.bytesAsked, 16 * BufferedFileStream::kFirstFill);

    const std::size_t seeks = stream.seeks;
    const std::uint64_t lastHeader = data.size() - (1 << 16);
    readAt(lastHeader + 3000, 2);
    readAt(lastHeader + 100, 2);
    EXPECT_EQ(stream.seeks, seeks) << "jumps among the bytes read";

    // After a read past the buffer, the bytes buffered before it are no jump target any more.
    readAt(0, 6);
    readAt(6, 200'000);
    readAt(200'006 - 100, 2);
}

TEST_F(FileStreams, ReplacementWithoutCommitLeavesTheTargetAndNoTemporaryFile) {
    { std::ofstream(fs::path(path), std::ios::binary) << "old"; }
    {
        auto file = files.CreateReplacement(path);
        file->Stream().Write(Pattern(100'000, 3));
    }
    EXPECT_EQ(FileBytes(), (Bytes{'o', 'l', 'd'}));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), fs::directory_iterator()), 1);
}

TEST(MemoryDataStreams, ReadWriteAndSeekPastTheEnd) {
    MemoryDataStream stream;
    const Bytes abc{'a', 'b', 'c'};
    stream.Write(abc);
    stream.Seek(5);
    stream.Write(abc);
    EXPECT_EQ(stream.Bytes(), (Bytes{'a', 'b', 'c', 0, 0, 'a', 'b', 'c'}));
    stream.Seek(6);
    Bytes out(4, 9);
    EXPECT_EQ(stream.Read(out), 2u);
    EXPECT_EQ(out, (Bytes{'b', 'c', 9, 9}));
    stream.Seek(100);
    EXPECT_EQ(stream.Read(out), 0u);
    EXPECT_EQ(stream.Position(), 100u);
}

} // namespace
} // namespace tavrix
