#include "base/win32/BitmapDC.h"
#include "base/win32/ComPtr.h"
#include "base/win32/GdiObjects.h"
#include "base/win32/GlobalBlock.h"
#include "base/win32/GlobalLockView.h"
#include "base/win32/SelectGuard.h"

#include <gtest/gtest.h>

namespace tavrix::win32 {
namespace {

Bitmap SmallBitmap() {
    return Bitmap(CreateBitmap(4, 4, 1, 32, nullptr));
}

TEST(SelectGuard, PutsBackWhatItReplaced) {
    MemoryDC dc(CreateCompatibleDC(nullptr));
    ASSERT_TRUE(dc);
    Font font(CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial"));
    ASSERT_TRUE(font);
    HGDIOBJ original = GetCurrentObject(dc.get(), OBJ_FONT);
    {
        const SelectGuard select = scoped::SelectObject(dc.get(), font.get());
        EXPECT_TRUE(select);
        EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_FONT), font.get());
    }
    EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_FONT), original);
}

TEST(BitmapDC, GivesItsBitmapsBackWhenItEnds) {
    Bitmap first = SmallBitmap();
    Bitmap second = SmallBitmap();
    ASSERT_TRUE(first && second);
    MemoryDC other(CreateCompatibleDC(nullptr));
    {
        const BitmapDC dc = scoped::CreateCompatibleDC(nullptr, first.get());
        ASSERT_TRUE(dc);
        EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_BITMAP), first.get());
        EXPECT_TRUE(SelectBitmap(dc, second.get()));
        EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_BITMAP), second.get());
        // A bitmap lives in one device context at a time.
        EXPECT_EQ(SelectObject(other.get(), second.get()), nullptr);
    }
    HGDIOBJ otherOwn = SelectObject(other.get(), first.get());
    EXPECT_NE(otherOwn, nullptr) << "the first bitmap is free again";
    EXPECT_NE(SelectObject(other.get(), second.get()), nullptr) << "and so is the second";
    SelectObject(other.get(), otherOwn);
}

TEST(GlobalLockView, SeesTheWholeBlockAndNoMoreForTheScope) {
    GlobalBlock block = AllocateGlobalBlock(10);
    ASSERT_TRUE(block);
    {
        const GlobalLockView view = scoped::GlobalLock(block.get());
        ASSERT_TRUE(view);
        EXPECT_EQ(LockedBytes(view).size(), GlobalSize(block.get()));
        EXPECT_GE(LockedBytes(view).size(), 10u);
        EXPECT_EQ(GlobalFlags(block.get()) & GMEM_LOCKCOUNT, 1u);
    }
    EXPECT_EQ(GlobalFlags(block.get()) & GMEM_LOCKCOUNT, 0u);

    // An empty request still gives a block that can be locked.
    GlobalBlock empty = AllocateGlobalBlock(0);
    const GlobalLockView emptyView = scoped::GlobalLock(empty.get());
    EXPECT_TRUE(emptyView);
    EXPECT_GE(LockedBytes(emptyView).size(), 1u);

    const GlobalLockView none = scoped::GlobalLock(nullptr);
    EXPECT_FALSE(none);
    EXPECT_TRUE(LockedBytes(none).empty());
}

// Asked for by type: the interfaces a stream has, and none it has not.
TEST(ComPtr, QueriesAnotherInterfaceOfTheSameObject) {
    ComPtr<IStream> stream;
    ASSERT_TRUE(SUCCEEDED(CreateStreamOnHGlobal(nullptr, TRUE, stream.put())));
    const ComPtr<ISequentialStream> sequential = stream.query<ISequentialStream>();
    ASSERT_TRUE(sequential);
    ULONG written = 0;
    EXPECT_TRUE(SUCCEEDED(sequential->Write("ab", 2, &written)));
    STATSTG facts{};
    ASSERT_TRUE(SUCCEEDED(stream->Stat(&facts, STATFLAG_NONAME)));
    EXPECT_EQ(facts.cbSize.QuadPart, 2u);
    EXPECT_FALSE(stream.query<IPersistStream>());
    EXPECT_FALSE(ComPtr<IStream>().query<IUnknown>());
}

} // namespace
} // namespace tavrix::win32
