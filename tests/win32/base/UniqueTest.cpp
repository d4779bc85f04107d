#include "base/win32/Unique.h"
#include "base/win32/KernelHandles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <type_traits>
#include <vector>

namespace tavrix::win32 {
namespace {

// Handles are small numbers, 0 means none; every close is written down.
std::vector<int> g_closed;

struct CountingTraits {
    using Handle = int;
    static Handle Invalid() noexcept { return 0; }
    static void Close(Handle handle) noexcept { g_closed.push_back(handle); }
};
using Counted = Unique<CountingTraits>;

static_assert(!std::is_copy_constructible_v<Counted> && !std::is_copy_assignable_v<Counted>);
static_assert(std::is_nothrow_move_constructible_v<Counted> &&
              std::is_nothrow_move_assignable_v<Counted>);

class UniqueTest : public ::testing::Test {
protected:
    void SetUp() override { g_closed.clear(); }
};

TEST_F(UniqueTest, ResetAndDestructionCloseEachHandleExactlyOnce) {
    {
        Counted owner(1);
        EXPECT_TRUE(owner);
        owner.reset(2);
        EXPECT_EQ(g_closed, std::vector<int>{1});
        EXPECT_EQ(owner.get(), 2);
        owner.reset();
        EXPECT_FALSE(owner);
        owner.reset(); // nothing owned: nothing closed
        owner.reset(3);
    }
    EXPECT_EQ(g_closed, (std::vector<int>{1, 2, 3}));
    { Counted nothing; }
    EXPECT_EQ(g_closed.size(), 3u);
}

TEST_F(UniqueTest, MovesCarryTheHandleAndCloseWhatTheTargetHeld) {
    {
        Counted first(1);
        Counted second(std::move(first));
        EXPECT_FALSE(first);
        EXPECT_EQ(second.get(), 1);

        Counted third(3);
        third = std::move(second);
        EXPECT_EQ(g_closed, std::vector<int>{3});
        EXPECT_EQ(third.get(), 1);
        EXPECT_FALSE(second);

        Counted& same = third;
        third = std::move(same);
        EXPECT_EQ(third.get(), 1) << "moving onto itself keeps the handle open";
        EXPECT_EQ(g_closed, std::vector<int>{3});
    }
    EXPECT_EQ(g_closed, (std::vector<int>{3, 1}));
}

TEST_F(UniqueTest, ReleaseHandsOverAndPutClosesBeforeTheCallWrites) {
    {
        Counted owner(5);
        EXPECT_EQ(owner.release(), 5);
        EXPECT_FALSE(owner);

        owner.reset(6);
        int* out = owner.put();
        EXPECT_EQ(g_closed, std::vector<int>{6});
        *out = 7;
        EXPECT_EQ(owner.get(), 7);
    }
    EXPECT_EQ(g_closed, (std::vector<int>{6, 7})) << "the released 5 stays open";
}

TEST_F(UniqueTest, FilesSayNothingWithTheInvalidHandleValue) {
    UniqueFile none;
    EXPECT_EQ(none.get(), INVALID_HANDLE_VALUE);
    EXPECT_FALSE(none);
    EXPECT_FALSE(UniqueHandle());
    EXPECT_EQ(UniqueHandle().get(), nullptr);

    const std::wstring path =
        (std::filesystem::temp_directory_path() / L"tavrix-unique-file.tmp").wstring();
    auto openAlone = [&] {
        return UniqueFile(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    };
    UniqueFile file = openAlone();
    ASSERT_TRUE(file);
    EXPECT_FALSE(openAlone()) << "the file is held without sharing";
    file.reset();
    EXPECT_TRUE(openAlone()) << "reset closed the file";
    DeleteFileW(path.c_str());
}

} // namespace
} // namespace tavrix::win32
