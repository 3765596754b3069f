#include "ui/menu.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "bus/bus.h"
#include "render/view.h"
#include "shell/gameflow.h"
#include "shell/progress.h"
#include "tests/core/ui_recorder.h"
#include "ui/levelinfo.h"
#include "ui/textlines.h"

using uitest::posted;
using uitest::postedAs;

namespace {

class Menu : public ::testing::Test {
   protected:
    void SetUp() override {
        bus_reset();
        viewInit();
        viewLayout(1180, 720);
        progress_clear();
        char pattern[] = "/tmp/quorvel_menu_XXXXXX";
        folder = mkdtemp(pattern);
        progress_setFolder(folder.c_str());
        menu_init();
        uitest::listen({"start", "restart", "menuGraphic"});
    }
    void TearDown() override {
        bus_reset();
        progress_clear();
        std::string command = "rm -rf '" + folder + "'";
        EXPECT_EQ(system(command.c_str()), 0);
    }
    static void option(int index) {
        char text[80];
        format80(text, "menuOption index=%d", index);
        postMessage(text);
    }
    std::string folder;
};

}  // namespace

TEST_F(Menu, PreviousFromTheFirstJobSelectsTheSandboxAndStopsThere) {
    option(MENU_PREVIOUS);
    EXPECT_EQ(menu().selection, -1);
    EXPECT_STREQ(text_line(0), "RELEASE THAT INNER CHILD  WITHIN YOU");
    option(MENU_PREVIOUS);
    EXPECT_EQ(menu().selection, -1);
    EXPECT_FALSE(menu_showsPrevious());
    EXPECT_FALSE(menu_showsPlay());
}

TEST_F(Menu, NextStopsAtTheLastJob) {
    for (int i = 0; i < 30; i++) option(MENU_NEXT);
    EXPECT_EQ(menu().selection, 24);
    EXPECT_FALSE(menu_showsNext());
    EXPECT_STREQ(text_line(0), "WE NEED  AT LEAST  30 TROY OUNCES  OF");
    EXPECT_STREQ(text_line(3), "");
}

TEST_F(Menu, PlayStartsTheSelectedJobByName) {
    option(MENU_NEXT);
    option(MENU_PLAY);
    ASSERT_EQ(posted().size(), 1u);
    EXPECT_EQ(posted()[0], "start nr=1 name=court");
}

TEST_F(Menu, SandboxStartsByToyWithThePointerOrByPlayWithAGamepad) {
    option(MENU_PREVIOUS);
    option(MENU_PLAY);
    EXPECT_TRUE(posted().empty());  // a mouse alone cannot play the sandbox
    postMessage("menuGraphic index=2");
    ASSERT_EQ(postedAs("start").size(), 1u);
    EXPECT_EQ(postedAs("start")[0], "start nr=-1 name=sandbox attachment=2");

    posted().clear();
    menu().gamepadInUse = true;
    postMessage("nextAttachment");
    postMessage("nextAttachment");
    postMessage("nextAttachment");
    EXPECT_EQ(menu().toy, 4);
    option(MENU_PLAY);
    EXPECT_EQ(postedAs("start").back(), "start nr=-1 name=sandbox attachment=4");
    for (int i = 0; i < 6; i++) postMessage("prevAttachment");
    EXPECT_EQ(menu().toy, 0);
}

TEST_F(Menu, ToyChoiceAndGraphicOnlyActOnTheSandbox) {
    postMessage("nextAttachment");
    postMessage("menuGraphic index=1");
    EXPECT_EQ(menu().toy, TOY_START);
    EXPECT_TRUE(postedAs("start").empty());
}

TEST_F(Menu, AnyOptionOnTheSettingsScreenOnlyClosesIt) {
    option(MENU_SETTINGS);
    EXPECT_TRUE(viewVisible[VIEW_SETTINGS]);
    option(MENU_PLAY);
    EXPECT_FALSE(viewVisible[VIEW_SETTINGS]);
    EXPECT_TRUE(posted().empty());
    option(MENU_SETTINGS);
    option(MENU_NEXT);
    EXPECT_EQ(menu().selection, 0);
    EXPECT_STREQ(text_line(0), levelBriefing(0, 0));
}

TEST_F(Menu, WonJobIsRecordedAndSavedButNotTheSandboxOrALoss) {
    postMessage("endGame win=1 level=7");
    postMessage("endGame win=0 level=8");
    postMessage("endGame win=1 level=-1");
    EXPECT_TRUE(progress_won(7));
    EXPECT_FALSE(progress_won(8));
    EXPECT_EQ(access((folder + "/07").c_str(), F_OK), 0);
    EXPECT_NE(access((folder + "/08").c_str(), F_OK), 0);
    EXPECT_NE(access((folder + "/-1").c_str(), F_OK), 0);
}

TEST_F(Menu, EveryEntryHasANameAndBriefingsFitTheScreen) {
    for (int n = FIRST_LEVEL; n <= LAST_LEVEL; n++) {
        ASSERT_NE(levelName(n), nullptr) << n;
        for (int line = 0; line < BRIEFING_LINES; line++)
            EXPECT_LE(std::string(levelBriefing(n, line)).size(), 37u) << n << ":" << line;
    }
    EXPECT_EQ(levelName(25), nullptr);
    EXPECT_EQ(levelName(-2), nullptr);
    EXPECT_STREQ(levelName(13), "hearth");
}

namespace {
std::string screenFirstLine;
void screen(const char* const lines[TEXT_ROWS]) { screenFirstLine = lines[0]; }
}  // namespace

TEST_F(Menu, BriefingPrintedAtStartReachesATextScreenMadeLater) {
    // The menu starts before the GL text screen exists.
    EXPECT_STREQ(text_line(0), levelBriefing(0, 0));
    screenFirstLine.clear();
    text_setPrinter(screen);
    EXPECT_EQ(screenFirstLine, levelBriefing(0, 0));
    option(MENU_NEXT);
    EXPECT_EQ(screenFirstLine, levelBriefing(1, 0));
    text_setPrinter(nullptr);
}
