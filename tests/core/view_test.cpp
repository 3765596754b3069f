#include "render/view.h"

#include <gtest/gtest.h>

#include <string>

#include "bus/bus.h"
#include "bus/diag.h"

namespace {

int layoutResets = 0;
int switchResets = 0;
std::string failedExpression;
void countLayoutReset() { layoutResets++; }
void countSwitchReset() { switchResets++; }
void recordAssert(const char*, int, const char* expression) { failedExpression = expression; }

class Views : public ::testing::Test {
   protected:
    void SetUp() override {
        bus_reset();
        viewInit();
        viewLayout(1180, 720);
        layoutResets = switchResets = 0;
        failedExpression.clear();
    }
    void TearDown() override {
        view_setInputResetHooks(nullptr, nullptr);
        setAssertHook(nullptr);
        bus_reset();
    }
    static void showOnly(std::initializer_list<int> views) {
        for (int i = 0; i < VIEWCOUNT; i++) viewVisible[i] = 0;
        for (int v : views) viewVisible[v] = 1;
    }
};

void expectRect(int nr, int x, int y, int w, int h) {
    ViewRect r = viewRect(nr);
    EXPECT_EQ(r.x, x) << "view " << nr;
    EXPECT_EQ(r.y, y) << "view " << nr;
    EXPECT_EQ(r.w, w) << "view " << nr;
    EXPECT_EQ(r.h, h) << "view " << nr;
}

}  // namespace

TEST_F(Views, LayoutOfTheStartWindow) {
    // 1180 x 720: u = 78, t = 393.
    expectRect(0, 354, 360, 472, 236);
    expectRect(1, 393, 0, 393, 59);
    expectRect(2, 0, 0, 1180, 720);
    expectRect(3, 354, 226, 472, 118);
    expectRect(4, 1124, 664, 56, 56);
    expectRect(5, 507, 39, 156, 156);
    for (int i = 0; i < 5; i++) expectRect(6 + i, 780 + 78 * i, 0, 78, 156);
    expectRect(11, 1024, 0, 156, 156);
    expectRect(12, 702, 18, 78, 121);
    expectRect(13, 0, 156, 1180, 564);
    expectRect(14, 354, 226, 472, 118);
    expectRect(15, 786, 0, 393, 156);
    expectRect(16, 0, 0, 393, 156);
}

TEST_F(Views, LeversSitSideBySideInTheHudStripBelowTheScene) {
    for (int width : {640, 1180, 1920, 2561}) {
        viewLayout(width, 900);
        ViewRect scene = viewRect(VIEW_SCENE);
        ViewRect panel = viewRect(VIEW_LEVER_PANEL);
        EXPECT_EQ(scene.y, panel.h);
        EXPECT_EQ(scene.y + scene.h, 900);
        for (int i = 0; i < 5; i++) {
            ViewRect lever = viewRect(VIEW_LEVER0 + i);
            EXPECT_EQ(lever.h, panel.h);
            EXPECT_LE(lever.x + lever.w, width);
            if (i > 0) {
                EXPECT_EQ(lever.x, viewRect(VIEW_LEVER0 + i - 1).x + lever.w);
            }
        }
    }
}

TEST_F(Views, LayoutRunsTheInputResetEveryTime) {
    view_setInputResetHooks(countLayoutReset, countSwitchReset);
    viewLayout(800, 600);
    viewLayout(800, 600);
    EXPECT_EQ(layoutResets, 2);
    EXPECT_EQ(switchResets, 0);
}

TEST_F(Views, StartShowsOnlyTheMenu) {
    for (int i = 0; i < VIEWCOUNT; i++) EXPECT_EQ(viewVisible[i], i <= 1 ? 1 : 0) << i;
}

TEST_F(Views, PointHitsTheLowestNumberedVisibleView) {
    // The cyclic (11) overlaps lever 3 (view 9) between x 1024 and 1092.
    showOnly({9, 11, 15});
    EXPECT_EQ(viewAt(1050, 50), 9);
    viewVisible[9] = 0;
    EXPECT_EQ(viewAt(1050, 50), 11);
    viewVisible[11] = 0;
    EXPECT_EQ(viewAt(1050, 50), 15);
    viewVisible[15] = 0;
    EXPECT_EQ(viewAt(1050, 50), -1);
}

TEST_F(Views, BordersCountAsInside) {
    showOnly({VIEW_PAUSE});
    EXPECT_EQ(viewAt(1124, 664), VIEW_PAUSE);
    EXPECT_EQ(viewAt(1180, 720), VIEW_PAUSE);
    EXPECT_EQ(viewAt(1123, 700), -1);
    EXPECT_EQ(viewAt(1150, 663), -1);
    EXPECT_EQ(viewAt(1181, 700), -1);
}

TEST_F(Views, OutOfRangeNumberFailsTheAssertionAndYieldsAnEmptyRect) {
    setAssertHook(recordAssert);
    testing::internal::CaptureStdout();
    ViewRect r = viewRect(VIEWCOUNT);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(failedExpression, "nr >= 0 && nr < VIEWCOUNT");
    EXPECT_NE(out.find("ERR ASSERT FAILED at Game/view("), std::string::npos) << out;
    EXPECT_NE(out.find("): nr >= 0 && nr < VIEWCOUNT / nr=17\n"), std::string::npos) << out;
    EXPECT_EQ(r.w, 0);
    failedExpression.clear();
    viewRect(-1);
    EXPECT_FALSE(failedExpression.empty());
}

TEST_F(Views, VehicleSwitchShowsTheVehiclesControls) {
    struct Case {
        const char* vehicle;
        unsigned char visible[8];
    } cases[] = {
        {"truck", {1, 1, 1, 1, 1, 1, 0, 1}},    {"dumpTruck", {1, 0, 1, 0, 0, 0, 0, 1}},
        {"forkLift", {1, 1, 1, 0, 0, 0, 0, 1}}, {"skidLoader", {0, 1, 1, 1, 1, 1, 0, 0}},
        {"skyCrane", {0, 1, 1, 0, 0, 0, 1, 0}},
    };
    for (const Case& c : cases) {
        std::string text = std::string("vehicleSwitch vehicle=") + c.vehicle;
        postMessage(text.c_str());
        for (int i = 0; i < 8; i++) EXPECT_EQ(viewVisible[5 + i], c.visible[i]) << c.vehicle << i;
        EXPECT_EQ(viewVisible[VIEW_MENU_PICTURE], 1) << "other views are untouched";
    }
}

TEST_F(Views, UnknownVehicleKeepsTheFlagsButStillResetsTheControls) {
    view_setInputResetHooks(countLayoutReset, countSwitchReset);
    postMessage("vehicleSwitch vehicle=skyCrane");
    postMessage("vehicleSwitch vehicle=hovercraft");
    EXPECT_EQ(viewVisible[VIEW_CYCLIC], 1);
    EXPECT_EQ(viewVisible[VIEW_STEERING], 0);
    EXPECT_EQ(switchResets, 2);
}
