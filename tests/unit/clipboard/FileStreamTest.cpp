// The buffered file stream and the replacement file of the standard-library file access.
#include "clipboard/BufferedFileStream.h"
#include "clipboard/MemoryDataStream.h"
#include "clipboard/StdFileAccess.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace tavrix {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

Bytes Pattern(std::size_t size, unsigned seed) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<std::uint8_t>((i * 131 + seed) ^ (i >> 9));
    }
    return bytes;
}

class FileStreams : public ::testing::Test {
protected:
    FileStreams() {
        folder = fs::temp_directory_path() /
                 ("tavrix-stream-" +
                  std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder);
        fs::create_directories(folder);
        path = (folder / "data.bin").wstring();
    }
    ~FileStreams() override { fs::remove_all(folder); }
    Bytes FileBytes() {
        std::ifstream in(fs::path(path), std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    fs::path folder;
    std::wstring path;
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

TEST_F(FileStreams, ReplacementWithoutCommitLeavesTheTargetAndNoTemporaryFile) {
    { std::ofstream(fs::path(path), std::ios::binary) << "old"; }
    {
        auto file = files.CreateReplacement(path);
        file->Stream().Write(Pattern(100'000, 3));
    }
    EXPECT_EQ(FileBytes(), (Bytes{'o', 'l', 'd'}));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
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
