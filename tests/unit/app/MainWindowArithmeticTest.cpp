#include "app/DpiLayout.h"
#include "app/FormatThousands.h"
#include "app/LinkPolicy.h"
#include "app/MainLayout.h"
#include "app/Zoom.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace tavrix {
namespace {

TEST(FormatThousands, GroupsDigitsByThreeWithBlanks) {
    EXPECT_EQ(FormatThousands(0), L"0");
    EXPECT_EQ(FormatThousands(999), L"999");
    EXPECT_EQ(FormatThousands(1000), L"1 000");
    EXPECT_EQ(FormatThousands(2000), L"2 000");
    EXPECT_EQ(FormatThousands(999999), L"999 999");
    EXPECT_EQ(FormatThousands(1234567), L"1 234 567");
    EXPECT_EQ(FormatThousands(1000005), L"1 000 005");
    EXPECT_EQ(FormatThousands(12345), L"12 345");
    EXPECT_EQ(FormatThousands(INT_MAX), L"2 147 483 647");
    // Negative numbers are always below 1000 and stay ungrouped.
    EXPECT_EQ(FormatThousands(-5), L"-5");
    EXPECT_EQ(FormatThousands(-123456), L"-123456");
}

std::vector<int> Series(int start, int (*step)(int), int count) {
    std::vector<int> values;
    int v = start;
    for (int i = 0; i < count; ++i) {
        v = step(v);
        values.push_back(v);
    }
    return values;
}

TEST(Zoom, PictureSeriesDoubleAndHalveWithinLimits) {
    EXPECT_EQ(Series(100, ImageZoomIn, 5), (std::vector<int>{200, 400, 800, 1600, 1600}));
    EXPECT_EQ(Series(100, ImageZoomOut, 3), (std::vector<int>{50, 25, 25}));
    EXPECT_EQ(Series(150, ImageZoomOut, 4), (std::vector<int>{75, 37, 25, 25}));
    EXPECT_EQ(Series(150, ImageZoomIn, 4), (std::vector<int>{300, 600, 1200, 1600}));
    EXPECT_EQ(ClampImageZoom(10), 25);
    EXPECT_EQ(ClampImageZoom(5000), 1600);
    EXPECT_EQ(ClampImageZoom(-7), 25);
    EXPECT_EQ(ClampImageZoom(333), 333);
}

TEST(Zoom, ViewerFontMovesOnePointWithinFourTo144) {
    // A stored 2-point font: zooming out lifts it to the minimum, zooming in adds one point.
    EXPECT_EQ(ViewerFontZoomOut(2), 4);
    EXPECT_EQ(ViewerFontZoomIn(2), 3);
    EXPECT_EQ(ViewerFontZoomOut(10), 9);
    EXPECT_EQ(ViewerFontZoomIn(10), 11);
    EXPECT_EQ(ViewerFontZoomIn(144), 144);
    EXPECT_EQ(ViewerFontZoomIn(500), 144);
    EXPECT_EQ(ViewerFontZoomOut(4), 4);
}

TEST(Zoom, ZoomedSideTruncatesTowardZero) {
    EXPECT_EQ(ZoomedSide(640, 100), 640);
    EXPECT_EQ(ZoomedSide(640, 200), 1280);
    EXPECT_EQ(ZoomedSide(640, 25), 160);
    EXPECT_EQ(ZoomedSide(333, 25), 83);
    EXPECT_EQ(ZoomedSide(1, 50), 0);
    EXPECT_EQ(ZoomedSide(0, 1600), 0);
    // 2 000 000 × 1600 does not fit 32 bits; the side stays a large positive size.
    EXPECT_GT(ZoomedSide(2000000, 1600), 1000000);
}

TEST(DpiLayout, RoundHalfEvenGoesToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEven(27.5), 28);
    EXPECT_EQ(RoundHalfEven(26.5), 26);
    EXPECT_EQ(RoundHalfEven(33.0), 33);
    EXPECT_EQ(RoundHalfEven(12.5), 12);
    EXPECT_EQ(RoundHalfEven(12.51), 13);
    EXPECT_EQ(RoundHalfEven(12.49), 12);
    EXPECT_EQ(RoundHalfEven(-1.5), -2);
}

TEST(DpiLayout, PictureSizeByStrictComparisons) {
    EXPECT_EQ(ImageSizeForFactor(1.0), 16);
    EXPECT_EQ(ImageSizeForFactor(1.25), 24);
    EXPECT_EQ(ImageSizeForFactor(1.5), 24);
    EXPECT_EQ(ImageSizeForFactor(1.51), 32);
    EXPECT_EQ(ImageSizeForFactor(2.0), 32);
    EXPECT_EQ(ImageSizeForFactor(0.75), 16);
}

TEST(DpiLayout, MetricsAtCommonResolutions) {
    DpiLayoutMetrics at96 = ComputeDpiLayout(96);
    EXPECT_EQ(at96.imageSize, 16);
    EXPECT_EQ(at96.toolbarHeight, 29);
    EXPECT_EQ(at96.statusHeight, 19);
    EXPECT_EQ(at96.treeItemHeight, 24);
    EXPECT_FALSE(at96.menuItemHeight.has_value());

    DpiLayoutMetrics at120 = ComputeDpiLayout(120);
    EXPECT_EQ(at120.imageSize, 24);
    EXPECT_EQ(at120.toolbarBorder, 1);
    EXPECT_EQ(at120.toolbarHeight, 31); // 12.5 rounds to 12
    EXPECT_EQ(at120.statusHeight, 24);
    EXPECT_EQ(at120.treeItemHeight, 30);
    EXPECT_EQ(at120.menuItemHeight, 28);

    DpiLayoutMetrics at144 = ComputeDpiLayout(144);
    EXPECT_EQ(at144.imageSize, 24);
    EXPECT_EQ(at144.toolbarHeight, 34);
    EXPECT_EQ(at144.menuItemHeight, 33);
    EXPECT_EQ(at144.treeItemHeight, 36);

    DpiLayoutMetrics at192 = ComputeDpiLayout(192);
    EXPECT_EQ(at192.imageSize, 32);
    EXPECT_EQ(at192.menuItemHeight, 44);
    EXPECT_EQ(at192.toolbarBorder, 2);
}

TEST(MainLayout, DesignedClientAreaAt96Dpi) {
    MainLayoutInput in{.clientWidth = 784,
                       .clientHeight = 522,
                       .toolbarHeight = 29,
                       .statusHeight = 19,
                       .treeWidth = 142,
                       .splitterWidth = 5,
                       .margin = 3};
    MainLayoutResult r = ComputeMainLayout(in);
    EXPECT_EQ(r.toolbar.height, 29);
    EXPECT_EQ(r.toolbar.width, 784);
    EXPECT_EQ(r.status.top, 503);
    EXPECT_EQ(r.status.height, 19);
    EXPECT_EQ(r.tree.left, 3);
    EXPECT_EQ(r.tree.top, 32);
    EXPECT_EQ(r.tree.width, 142);
    EXPECT_EQ(r.tree.Bottom(), 500);
    EXPECT_EQ(r.splitter.left, 145);
    EXPECT_EQ(r.splitter.width, 5);
    EXPECT_EQ(r.preview.left, 150);
    EXPECT_EQ(r.preview.top, 32);
    EXPECT_EQ(r.preview.Right(), 781);
    EXPECT_EQ(r.preview.Bottom(), 500);
}

TEST(MainLayout, TinyWindowGivesNoNegativeSizes) {
    MainLayoutResult r = ComputeMainLayout({.clientWidth = 40,
                                            .clientHeight = 30,
                                            .toolbarHeight = 29,
                                            .statusHeight = 19,
                                            .treeWidth = 142,
                                            .splitterWidth = 5,
                                            .margin = 3});
    for (const LayoutRect& rect : {r.toolbar, r.status, r.tree, r.splitter, r.preview}) {
        EXPECT_GE(rect.width, 0);
        EXPECT_GE(rect.height, 0);
        EXPECT_LE(rect.Right(), 40);
    }
}

TEST(MainLayout, SplitterKeepsTreeAndRestWide) {
    EXPECT_EQ(ClampTreeWidth(10, 600, 30, 100), 30);
    EXPECT_EQ(ClampTreeWidth(550, 600, 30, 100), 500);
    EXPECT_EQ(ClampTreeWidth(200, 600, 30, 100), 200);
}

TEST(LinkPolicy, OpensOnlyWebAndMailAddresses) {
    for (const wchar_t* good :
         {L"http://example.org/", L"HTTPS://example.org", L"ftp://host/f",
          L"mailto:someone@example.org", L"www.example.org", L"  http://x.y"}) {
        EXPECT_TRUE(IsOpenableLink(good)) << good;
    }
    for (const wchar_t* bad : {L"file:///C:/Windows/System32/calc.exe", L"C:\\Windows\\notepad.exe",
                               L"\\\\server\\share\\evil.exe", L"javascript:alert(1)", L"calc", L"",
                               L"www.", L"shell:startup", L"ms-settings:", L"httpx://a"}) {
        EXPECT_FALSE(IsOpenableLink(bad)) << bad;
    }
}

} // namespace
} // namespace tavrix
