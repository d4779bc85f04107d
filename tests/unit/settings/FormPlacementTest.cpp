#include "settings/FormPlacement.h"
#include "fakes/FakeSettings.h"

#include <gtest/gtest.h>

namespace tavrix {
namespace {

using testing::FakePlacementForm;
using testing::FakeSettingsStore;

class FormPlacementTest : public ::testing::Test {
protected:
    std::int32_t Stored(const std::wstring& name) {
        return static_cast<std::int32_t>(ini.registry->values.at(name).data);
    }
    FakeSettingsStore ini;
    FakePlacementForm form;
};

TEST_F(FormPlacementTest, ClosedMaximizedWritesOnlyTheState) {
    form.state = WindowState::Maximized;
    ini.store->SaveFormPlacement(form, false);
    EXPECT_EQ(ini.registry->writes, std::vector<std::wstring>{L"TMainFormState"});
    EXPECT_EQ(Stored(L"TMainFormState"), 1);
    form.state = WindowState::Minimized;
    ini.registry->writes.clear();
    ini.store->SaveFormPlacement(form, false);
    EXPECT_EQ(ini.registry->writes, std::vector<std::wstring>{L"TMainFormState"});
}

TEST_F(FormPlacementTest, ClosedNormalWritesTheRectangleAndStateZero) {
    form.rect = {30, 20, 830, 620};
    ini.store->SaveFormPlacement(form, false);
    EXPECT_EQ(ini.registry->writes,
              (std::vector<std::wstring>{L"TMainFormTop", L"TMainFormLeft", L"TMainFormHeight",
                                         L"TMainFormWidth", L"TMainFormState"}));
    EXPECT_EQ(Stored(L"TMainFormTop"), 20);
    EXPECT_EQ(Stored(L"TMainFormLeft"), 30);
    EXPECT_EQ(Stored(L"TMainFormHeight"), 600);
    EXPECT_EQ(Stored(L"TMainFormWidth"), 800);
    EXPECT_EQ(Stored(L"TMainFormState"), 0);
}

TEST_F(FormPlacementTest, PositionOnlyAndNoMaximizeButton) {
    form.className = L"TOther";
    ini.store->SaveFormPlacement(form, true);
    EXPECT_EQ(ini.registry->writes, (std::vector<std::wstring>{L"TOtherTop", L"TOtherLeft"}));

    ini.registry->writes.clear();
    form.maximizeButton = false;
    ini.store->SaveFormPlacement(form, false);
    EXPECT_EQ(ini.registry->writes,
              (std::vector<std::wstring>{L"TOtherTop", L"TOtherLeft", L"TOtherState"}));

    ini.registry->values[L"TOtherState"] = {true, 1, 4};
    ini.registry->values[L"TOtherHeight"] = {true, 300, 4};
    ini.store->LoadFormPlacement(form, false);
    EXPECT_EQ(form.state, WindowState::Normal); // never maximized without the button
    EXPECT_EQ(form.Height(), 300);
}

TEST_F(FormPlacementTest, SavingSwallowsStoreErrors) {
    ini.registry->refuseWrites = true;
    EXPECT_NO_THROW(ini.store->SaveFormPlacement(form, false));
    ini.store->UseIniFile(L"ro.ini");
    ini.files->readOnly.insert(L"ro.ini");
    EXPECT_NO_THROW(ini.store->SaveFormPlacement(form, false));
}

TEST_F(FormPlacementTest, LoadRestoresTheNormalRectangleThenMaximizes) {
    form.state = WindowState::Maximized;
    ini.store->SaveFormPlacement(form, false); // keeps the older rectangle below
    ini.registry->values[L"TMainFormTop"] = {true, 40, 4};
    ini.registry->values[L"TMainFormLeft"] = {true, 60, 4};
    ini.registry->values[L"TMainFormHeight"] = {true, 500, 4};
    ini.registry->values[L"TMainFormWidth"] = {true, 700, 4};

    FakePlacementForm fresh;
    ini.store->LoadFormPlacement(fresh, false);
    EXPECT_EQ(fresh.rect, (ScreenRect{60, 40, 760, 540}));
    EXPECT_EQ(fresh.state, WindowState::Maximized);
    EXPECT_EQ(fresh.log,
              (std::vector<std::wstring>{L"top", L"left", L"height", L"width", L"maximized"}));
}

TEST_F(FormPlacementTest, LoadWithNothingStoredKeepsTheCurrentRectangle) {
    ini.store->LoadFormPlacement(form, false);
    EXPECT_EQ(form.rect, (ScreenRect{100, 50, 900, 650}));
    EXPECT_EQ(form.state, WindowState::Normal);

    ini.registry->values[L"TMainFormHeight"] = {true, 10, 4};
    ini.store->LoadFormPlacement(form, true); // position only: no size, no state
    EXPECT_EQ(form.Height(), 600);
    EXPECT_EQ(form.log.back(), L"left");
}

TEST_F(FormPlacementTest, CentredRulesBecomeDesignedAndCentreOnTheWorkArea) {
    form.position = FormPosition::ScreenCenter;
    form.displays = {{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}}};
    ini.store->LoadFormPlacement(form, false);
    EXPECT_EQ(form.position, FormPosition::Designed);
    EXPECT_EQ(form.Top(), 220);
    EXPECT_EQ(form.Left(), 560);
}

TEST(CenterOnWorkArea, TruncatesTowardZero) {
    const ScreenRect work{0, 0, 1920, 1040};
    EXPECT_EQ(CenteredOn(work, 800, 600).top, 220);
    EXPECT_EQ(CenteredOn(work, 800, 1045).top, -2);
    EXPECT_EQ(CenteredOn(work, 1925, 600).left, -2);
    EXPECT_EQ(CenteredOn(ScreenRect{1920, 100, 3840, 1140}, 801, 600).left, 2479);

    FakePlacementForm form;
    form.rect = {0, 0, 800, 1045};
    SettingsStore::CenterOnWorkArea(form);
    EXPECT_EQ(form.Top(), -2);
    EXPECT_EQ(form.Left(), 560);
}

TEST_F(FormPlacementTest, PlacementOffEveryDisplayComesBackOntoTheNearest) {
    // Two displays side by side; the window was last on a third one, right of both.
    form.displays = {{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}},
                     {{1920, 0, 3200, 1024}, {1920, 0, 3200, 984}}};
    ini.registry->values[L"TMainFormTop"] = {true, 100, 4};
    ini.registry->values[L"TMainFormLeft"] = {true, 4000, 4};
    ini.store->LoadFormPlacement(form, false);
    EXPECT_EQ(form.Left(), 3200 - 800);
    EXPECT_EQ(form.Top(), 100);
    EXPECT_EQ(form.Width(), 800);

    // Above the first display, larger than its work area: the top-left corner lands inside.
    ini.registry->values[L"TMainFormTop"] = {true, static_cast<std::uint32_t>(-3000), 4};
    ini.registry->values[L"TMainFormLeft"] = {true, static_cast<std::uint32_t>(-500), 4};
    ini.registry->values[L"TMainFormHeight"] = {true, 1500, 4};
    ini.store->LoadFormPlacement(form, false);
    EXPECT_EQ(form.Top(), 0);
    EXPECT_EQ(form.Left(), 0);
}

TEST(MoveOntoDisplays, PartlyVisibleWindowsStayWhereTheyAre) {
    const std::vector<DisplayArea> displays = {{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}}};
    EXPECT_EQ(MoveOntoDisplays({1900, 1000, 2700, 1600}, displays), std::nullopt);
    EXPECT_EQ(MoveOntoDisplays({-790, -590, 10, 10}, displays), std::nullopt);
    // Touching the edge is not overlapping.
    auto moved = MoveOntoDisplays({1920, 0, 2720, 600}, displays);
    ASSERT_TRUE(moved.has_value());
    EXPECT_EQ(moved->left, 1120);
    EXPECT_EQ(moved->top, 0);
    EXPECT_EQ(MoveOntoDisplays({5000, 5000, 5100, 5100}, {}), std::nullopt);
}

} // namespace
} // namespace tavrix
