#include "base/win32/BitmapDC.h"
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
        SelectGuard select(dc.get(), font.get());
        EXPECT_TRUE(select.Selected());
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
        BitmapDC dc(nullptr, first.get());
        ASSERT_TRUE(dc);
        EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_BITMAP), first.get());
        EXPECT_TRUE(dc.Select(second.get()));
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
        GlobalLockView view(block.get());
        ASSERT_TRUE(view.locked());
        EXPECT_EQ(view.bytes().size(), GlobalSize(block.get()));
        EXPECT_GE(view.bytes().size(), 10u);
        EXPECT_EQ(GlobalFlags(block.get()) & GMEM_LOCKCOUNT, 1u);
    }
    EXPECT_EQ(GlobalFlags(block.get()) & GMEM_LOCKCOUNT, 0u);

    // An empty request still gives a block that can be locked.
    GlobalBlock empty = AllocateGlobalBlock(0);
    GlobalLockView emptyView(empty.get());
    EXPECT_TRUE(emptyView.locked());
    EXPECT_GE(emptyView.bytes().size(), 1u);

    GlobalLockView none(nullptr);
    EXPECT_FALSE(none.locked());
    EXPECT_TRUE(none.bytes().empty());
}

} // namespace
} // namespace tavrix::win32
