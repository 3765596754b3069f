#include "shell/gameflow.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bus/bus.h"
#include "render/view.h"
#include "shell/gametick.h"
#include "shell/progress.h"
#include "shell/settings.h"
#include "shell/vote.h"
#include "tools/arena/arena.h"
#include "ui/hud.h"
#include "ui/input.h"
#include "ui/levelinfo.h"
#include "ui/menu.h"
#include "ui/textlines.h"
#include "world/wld.h"

namespace {

int soundStarts = 0, soundStops = 0;
void countStart() { soundStarts++; }
void countStop() { soundStops++; }

std::string makeTempFolder() {
    char pattern[] = "/tmp/quorvel_flow_XXXXXX";
    return mkdtemp(pattern);
}

void removeFolder(const std::string& folder) {
    std::string command = "rm -rf '" + folder + "'";
    ASSERT_EQ(system(command.c_str()), 0);
}

bool exists(const std::string& path) { return access(path.c_str(), F_OK) == 0; }

void touch(const std::string& path) {
    FILE* f = fopen(path.c_str(), "w");
    ASSERT_NE(f, nullptr) << path;
    fclose(f);
}

class GameFlow : public ::testing::Test {
   protected:
    void SetUp() override {
        bus_reset();
        if (wld_created()) wld_destroy();
        game_resetForTests();
        progress_clear();
        folder = makeTempFolder();
        progress_setFolder(folder.c_str());
        soundStarts = soundStops = 0;
        GameHooks hooks = {};
        hooks.soundStart = countStart;
        hooks.soundStop = countStop;
        game_setHooks(hooks);
        game_setLevelOverride(arena_builder());
        game_init();
        viewLayout(1180, 720);
    }
    void TearDown() override {
        if (wld_created()) wld_destroy();
        game_setHooks(GameHooks{});
        game_setLevelOverride(nullptr);
        game_setControlsUpdate(nullptr);
        view_setInputResetHooks(nullptr, nullptr);
        bus_reset();
        progress_clear();
        removeFolder(folder);
    }
    static void start(int nr) {
        menu().selection = nr;
        char text[128];
        format128(text, "start nr=%d name=x", nr);
        postMessage(text);
    }
    std::string folder;
};

}  // namespace

TEST_F(GameFlow, StartBuildsTheLevelAndShowsTheGame) {
    EXPECT_TRUE(game_menuShowing());
    start(3);
    ASSERT_TRUE(wld_created());
    EXPECT_EQ(wld_levelNr(), 3);
    EXPECT_TRUE(game_playing());
    EXPECT_FALSE(viewVisible[VIEW_MENU_PICTURE] || viewVisible[VIEW_MENU_BUTTONS]);
    EXPECT_EQ(soundStarts, 1);
    EXPECT_EQ(game_endTimer(), -1.0f);
}

TEST_F(GameFlow, StartOfThePausedLevelResumesWithoutRebuilding) {
    start(3);
    for (int i = 0; i < 30; i++) game_step(GAME_TICK);
    postMessage("pause");
    EXPECT_TRUE(game_menuShowing());
    EXPECT_EQ(game_pausedLevel(), 3);
    EXPECT_EQ(soundStops, 1);
    DynamicWorldObj* first = wld_object(0);
    float before[16];
    memcpy(before, first->modelMatrix, sizeof before);
    long steps = wld_subStepCount();

    start(3);
    EXPECT_TRUE(game_playing());
    EXPECT_EQ(game_pausedLevel(), -1);
    EXPECT_EQ(wld_object(0), first);
    EXPECT_EQ(wld_subStepCount(), steps);
    EXPECT_EQ(memcmp(before, wld_object(0)->modelMatrix, sizeof before), 0);
}

TEST_F(GameFlow, AnotherLevelOrTheSandboxIsAlwaysBuiltAfresh) {
    start(-1);
    game_step(GAME_TICK);
    postMessage("pause");
    EXPECT_EQ(game_pausedLevel(), -1);  // the sandbox leaves nothing to restart
    start(-1);
    EXPECT_EQ(wld_subStepCount(), 0);
    game_step(GAME_TICK);
    postMessage("pause");
    start(4);
    EXPECT_EQ(wld_levelNr(), 4);
    EXPECT_EQ(wld_subStepCount(), 0);
}

TEST_F(GameFlow, RestartIsOfferedForThePausedLevelAndRebuildsIt) {
    start(5);
    game_step(GAME_TICK);
    postMessage("pause");
    EXPECT_TRUE(menu_showsRestart());
    postMessage("menuOption index=4");
    EXPECT_FALSE(menu_showsRestart());
    postMessage("menuOption index=0");
    EXPECT_TRUE(menu_showsRestart());
    postMessage("menuOption index=1");
    ASSERT_TRUE(wld_created());
    EXPECT_EQ(wld_levelNr(), 5);
    EXPECT_EQ(wld_subStepCount(), 0);
    EXPECT_TRUE(game_playing());
}

TEST_F(GameFlow, PausingPrintsTheSelectedLevelsBriefing) {
    start(3);
    const char* tutorialText[TEXT_ROWS] = {"", "YOU CAN PRESS", "TO DRIVE", ""};
    text_print(tutorialText);
    int printed = text_printCount();
    keyEvent(KEY_ESCAPE, ACTION_PRESS);
    ASSERT_TRUE(game_menuShowing());
    EXPECT_EQ(text_printCount(), printed + 1);
    for (int row = 0; row < TEXT_ROWS; row++) EXPECT_STREQ(text_line(row), levelBriefing(3, row));
}

TEST_F(GameFlow, PauseWithoutAWorldChangesNothing) {
    testing::internal::CaptureStdout();
    postMessage("pause");
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("ERR We have no world, how could we pause?"), std::string::npos);
    EXPECT_TRUE(game_menuShowing());
    EXPECT_EQ(soundStops, 0);
}

TEST_F(GameFlow, EscapePausesThenClosesTheProgramFromTheMenu) {
    start(2);
    keyEvent(KEY_ESCAPE, ACTION_PRESS);
    EXPECT_TRUE(game_menuShowing());
    EXPECT_TRUE(wld_created());
    EXPECT_FALSE(input().closeRequested);
    postMessage("menuOption index=3");
    keyEvent(KEY_ESCAPE, ACTION_PRESS);  // only closes the settings screen
    EXPECT_FALSE(viewVisible[VIEW_SETTINGS]);
    EXPECT_FALSE(input().closeRequested);
    keyEvent(KEY_ESCAPE, ACTION_RELEASE);
    EXPECT_FALSE(input().closeRequested);
    keyEvent(KEY_ESCAPE, ACTION_PRESS);
    EXPECT_TRUE(input().closeRequested);
}

TEST_F(GameFlow, HeldEscapePausesButItsRepeatsDoNotQuit) {
    start(2);
    keyEvent(KEY_ESCAPE, ACTION_PRESS);
    for (int i = 0; i < 10; i++) keyEvent(KEY_ESCAPE, ACTION_REPEAT);
    EXPECT_TRUE(game_menuShowing());
    EXPECT_FALSE(input().closeRequested);
    keyEvent(KEY_ESCAPE, ACTION_RELEASE);
    keyEvent(KEY_ESCAPE, ACTION_PRESS);
    EXPECT_TRUE(input().closeRequested);
}

TEST_F(GameFlow, TwoDepthBiasTouchesRestoreOpenGL) {
    postMessage("settingsTouch index=1");
    EXPECT_FLOAT_EQ(settings().depthBias, 1e-5f);
    buildSettingsText();
    EXPECT_STREQ(text_line(2), "   DEPTH BIAS              WORKAROUND");
    postMessage("settingsTouch index=1");
    EXPECT_EQ(settings().depthBias, 0.0f);
    buildSettingsText();
    EXPECT_STREQ(text_line(2), "   DEPTH BIAS              OPENGL");
}

TEST_F(GameFlow, SettingsTogglesAndTheVoteRequest) {
    postMessage("settingsTouch index=3");
    postMessage("settingsTouch index=2");
    postMessage("settingsTouch index=7");
    postMessage("settingsTouch index=-1");
    buildSettingsText();
    EXPECT_STREQ(text_line(0), "   SOUND EFFECTS           OFF");
    EXPECT_STREQ(text_line(1), "   LEVERS INVERTED         ON ");
    EXPECT_STREQ(text_line(3), "   STEAM GREENLIGHT        VOTE");
    EXPECT_FALSE(settings_takeVoteRequest());
    postMessage("settingsTouch index=0");
    EXPECT_TRUE(settings_takeVoteRequest());
    EXPECT_FALSE(settings_takeVoteRequest());
    start(1);  // sound effects off: the stream stays shut
    EXPECT_EQ(soundStarts, 0);
}

TEST_F(GameFlow, AToyTouchedBehindTheSettingsScreenStartsTheSandboxWithoutIt) {
    menu().selection = -1;
    postMessage("menuOption index=3");
    postMessage("menuGraphic index=0");
    ASSERT_TRUE(wld_created());
    EXPECT_EQ(game_attachment(), 0);
    EXPECT_FALSE(viewVisible[VIEW_SETTINGS]);
}

TEST_F(GameFlow, TheSandboxBuildsTheToyTheStartMessageChose) {
    game_setLevelOverride(nullptr);
    const char* expected[] = {"forkLift", "truck", "truck", "truck", "skidLoader"};
    for (int toy = 4; toy >= 0; toy--) {
        char text[128];
        format128(text, "start nr=-1 name=sandbox attachment=%d", toy);
        postMessage(text);
        ASSERT_TRUE(wld_created());
        ASSERT_NE(wld_objectOfInterest(), nullptr);
        EXPECT_STREQ(wld_objectOfInterest()->name, expected[toy]) << "toy " << toy;
    }
}

TEST_F(GameFlow, WonLevelSevenWritesFile07AndMovesTheMenuOn) {
    start(7);
    postMessage("endGame win=1 level=7");
    EXPECT_TRUE(exists(folder + "/07"));
    EXPECT_EQ(game_endTimer(), 0.0f);
    EXPECT_TRUE(game_lastWon());
    game_advanceEndTimer(4.0f);
    EXPECT_TRUE(wld_created());  // the picture shows for just over 4 s
    game_advanceEndTimer(0.02f);
    EXPECT_FALSE(wld_created());
    EXPECT_TRUE(game_menuShowing());
    EXPECT_EQ(game_endTimer(), -1.0f);
    EXPECT_EQ(menu().selection, 8);
    EXPECT_EQ(soundStops, 1);
}

TEST_F(GameFlow, ResumingDuringTheEndPictureStillEndsTheLevel) {
    start(3);
    postMessage("endGame win=0 level=3");
    game_advanceEndTimer(1.0f);
    keyEvent(KEY_ESCAPE, ACTION_PRESS);
    ASSERT_TRUE(game_menuShowing());
    keyEvent(KEY_ENTER, ACTION_PRESS);  // plays the paused level on
    ASSERT_TRUE(game_playing());
    EXPECT_EQ(game_endTimer(), 1.0f);
    for (int i = 0; i < 4 * 60; i++) game_tick(GAME_TICK);
    EXPECT_FALSE(wld_created());
    EXPECT_TRUE(game_menuShowing());
}

TEST_F(GameFlow, LostLevelKeepsTheSelection) {
    start(9);
    postMessage("endGame win=0 level=9");
    game_advanceEndTimer(5.0f);
    EXPECT_EQ(menu().selection, 9);
    EXPECT_FALSE(progress_won(9));
}

TEST_F(GameFlow, SandboxEndGameRecordsNothing) {
    start(-1);
    postMessage("endGame win=1 level=-1");
    for (int i = 0; i < PROGRESS_LEVELS; i++) EXPECT_FALSE(progress_won(i));
    game_advanceEndTimer(5.0f);
    EXPECT_EQ(menu().selection, -1);
}

TEST_F(GameFlow, OnlyTwoDigitNamesOfJobsMarkProgress) {
    for (const char* name : {"99", "7", "24", "07x", ".1", "-1", "03"}) touch(folder + "/" + name);
    mkdir((folder + "/11").c_str(), 0755);  // a folder of that name marks nothing
    loadProgress();
    for (int i = 0; i < PROGRESS_LEVELS; i++) EXPECT_EQ(progress_won(i), i == 3 || i == 24) << i;
}

TEST_F(GameFlow, SavingLeavesWhatIsThereAndReportsWhatCannotBeMade) {
    {
        FILE* f = fopen((folder + "/05").c_str(), "w");
        ASSERT_NE(f, nullptr);
        fputs("kept", f);
        fclose(f);
    }
    mkdir((folder + "/12").c_str(), 0755);
    loadProgress();
    EXPECT_TRUE(progress_won(5));
    EXPECT_FALSE(progress_won(12));
    testing::internal::CaptureStdout();
    postMessage("endGame win=1 level=6");
    postMessage("endGame win=1 level=12");
    std::string out = testing::internal::GetCapturedStdout();
    // Saving again touches nothing that is there: 05 keeps its bytes.
    char kept[8] = {};
    FILE* f = fopen((folder + "/05").c_str(), "r");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(fread(kept, 1, sizeof kept - 1, f), 4u);
    fclose(f);
    EXPECT_STREQ(kept, "kept");
    struct stat st;
    ASSERT_EQ(stat((folder + "/06").c_str(), &st), 0);
    EXPECT_TRUE(S_ISREG(st.st_mode));
    EXPECT_EQ(st.st_size, 0);
    // The folder named 12 stays a folder, and the win it blocks is reported;
    // the files that were made or were there report nothing.
    ASSERT_EQ(stat((folder + "/12").c_str(), &st), 0);
    EXPECT_TRUE(S_ISDIR(st.st_mode));
    EXPECT_NE(out.find("ERR cannot open '" + folder + "/12' for writing\n"), std::string::npos)
        << out;
    EXPECT_EQ(out.find("/06' for writing"), std::string::npos) << out;
    EXPECT_EQ(out.find("/05' for writing"), std::string::npos) << out;
}

TEST_F(GameFlow, UnusableDataFolderLeavesProgressInTheWorkingFolder) {
    char* before = getcwd(nullptr, 0);
    ASSERT_NE(before, nullptr);
    ASSERT_EQ(chdir(folder.c_str()), 0);
    char* here = getcwd(nullptr, 0);
    std::string cwd = here;
    free(here);
    const char* old = getenv("XDG_DATA_HOME");
    std::string saved = old ? old : "";
    // A data home where no folder can be made, and one where a file already
    // holds the game's name.
    std::string occupied = folder + "/occupied";
    mkdir(occupied.c_str(), 0755);
    touch(occupied + "/Quorvel");
    for (const std::string& home : {std::string("/proc"), occupied}) {
        setenv("XDG_DATA_HOME", home.c_str(), 1);
        testing::internal::CaptureStdout();
        progress_chooseFolder();
        std::string out = testing::internal::GetCapturedStdout();
        EXPECT_EQ(std::string(progress_folder()), cwd) << home;
        std::string said = "; progress goes to '" + cwd + "'\n";
        size_t at = out.find(said);
        EXPECT_NE(at, std::string::npos) << out;
        EXPECT_EQ(out.find(said, at + 1), std::string::npos) << "one line only: " << out;
        EXPECT_NE(out.find("ERR cannot keep progress in '" + home + "/Quorvel' ("),
                  std::string::npos)
            << out;
    }
    postMessage("endGame win=1 level=12");
    EXPECT_TRUE(exists(cwd + "/12"));
    EXPECT_TRUE(exists(occupied + "/Quorvel"));  // the file in the way is left alone
    if (old)
        setenv("XDG_DATA_HOME", saved.c_str(), 1);
    else
        unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(chdir(before), 0);
    free(before);
}

TEST_F(GameFlow, UnwritableFolderReportsEveryWinAndTheGameGoesOn) {
    progress_setFolder((folder + "/missing/deeper").c_str());
    testing::internal::CaptureStdout();
    postMessage("endGame win=1 level=4");
    postMessage("endGame win=1 level=6");
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("ERR cannot open '" + folder + "/missing/deeper/04' for writing"),
              std::string::npos);
    EXPECT_NE(out.find("/missing/deeper/06' for writing"), std::string::npos);
    EXPECT_TRUE(progress_won(4) && progress_won(6));
}

TEST_F(GameFlow, ProgressSurvivesARestartOfTheProgram) {
    std::string data = folder + "/data home";  // a blank in the path is fine
    const char* old = getenv("XDG_DATA_HOME");
    std::string saved = old ? old : "";
    setenv("XDG_DATA_HOME", data.c_str(), 1);
    progress_chooseFolder();
    EXPECT_EQ(std::string(progress_folder()), data + "/Quorvel");
    postMessage("endGame win=1 level=12");
    EXPECT_TRUE(exists(data + "/Quorvel/12"));

    progress_clear();  // the program ends; a new one reads the folder again
    EXPECT_FALSE(progress_won(12));
    progress_chooseFolder();
    loadProgress();
    EXPECT_TRUE(progress_won(12));
    if (old)
        setenv("XDG_DATA_HOME", saved.c_str(), 1);
    else
        unsetenv("XDG_DATA_HOME");
}

TEST_F(GameFlow, TheFirstStartOfTheFirstJobShowsTheTutorialOnce) {
    start(1);
    EXPECT_FALSE(viewVisible[VIEW_TUTORIAL]);
    postMessage("pause");
    start(0);
    EXPECT_TRUE(viewVisible[VIEW_TUTORIAL]);
    EXPECT_TRUE(game_tutorialShown());
    viewVisible[VIEW_TUTORIAL] = 0;
    postMessage("pause");
    postMessage("restart nr=0 name=parkinglot");
    EXPECT_FALSE(viewVisible[VIEW_TUTORIAL]);
}

TEST_F(GameFlow, StartOutsideTheCatalogueOrForAUserLevelIsRefused) {
    postMessage("start nr=25 name=nowhere");
    postMessage("start name=court");
    postMessage("start nr=1 name=court autostart=mylevel");
    EXPECT_FALSE(wld_created());
    EXPECT_TRUE(game_menuShowing());
}

TEST_F(GameFlow, VotePageOpensWithoutAShellAndWithoutWaiting) {
    // A stand-in opener records the argument it was given; shell characters
    // in the address reach it untouched.
    std::string opener = folder + "/opener";
    std::string record = folder + "/opened";
    FILE* f = fopen(opener.c_str(), "w");
    ASSERT_NE(f, nullptr);
    fprintf(f, "#!/bin/sh\nprintf '%%s' \"$1\" > '%s.tmp' && mv '%s.tmp' '%s'\n", record.c_str(),
            record.c_str(), record.c_str());
    fclose(f);
    chmod(opener.c_str(), 0755);
    const char* address = "https://example.org/vote?a=1&b=$(touch pwned);x";
    ASSERT_TRUE(openPage(opener.c_str(), address));
    std::string got;
    for (int i = 0; i < 200 && got.empty(); i++) {
        usleep(10000);
        if (FILE* r = fopen(record.c_str(), "r")) {
            char buffer[256] = {};
            if (fgets(buffer, sizeof buffer, r)) got = buffer;
            fclose(r);
        }
    }
    EXPECT_EQ(got, address);
    EXPECT_FALSE(exists("pwned"));
}

TEST_F(GameFlow, AnOpenerThatCannotBeRunIsReported) {
    std::string missing = folder + "/no-such-opener";
    std::string plain = folder + "/not-executable";
    touch(plain);
    for (const std::string& opener : {missing, plain}) {
        testing::internal::CaptureStdout();
        EXPECT_FALSE(openPage(opener.c_str(), "https://example.org/vote"));
        std::string out = testing::internal::GetCapturedStdout();
        EXPECT_EQ(out.find("ERR cannot start " + opener + ": "), 0u) << out;
        EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 1) << out;
    }
    // With no opener on the search path at all, as on a desktop without xdg-open.
    const char* old = getenv("PATH");
    std::string saved = old ? old : "";
    setenv("PATH", folder.c_str(), 1);
    testing::internal::CaptureStdout();
    EXPECT_FALSE(openVotePage());
    std::string out = testing::internal::GetCapturedStdout();
    setenv("PATH", saved.c_str(), 1);
    EXPECT_NE(out.find("ERR cannot start xdg-open: "), std::string::npos) << out;
}

namespace {
std::vector<std::string> craneControls;
void recordCrane(const char* text) { craneControls.push_back(text); }
}  // namespace

TEST(HeadlessControls, HeldKeyMovesTheLeverEveryTickAsInTheGame) {
    bus_reset();
    game_initControls();
    craneControls.clear();
    addListener("cranecontrol", recordCrane);
    postMessage("vehicleSwitch vehicle=truck");  // what the world posts for its truck
    keyEvent(KEY_W, ACTION_PRESS);
    for (int i = 0; i < 3; i++) inputUpdate(GAME_TICK);
    keyEvent(KEY_W, ACTION_RELEASE);
    ASSERT_EQ(craneControls.size(), 4u);
    EXPECT_EQ(craneControls[0], "cranecontrol tag=elevate setting=0.033333");
    // Each delta crosses the bus as 0.033333, so three make 0.099999.
    EXPECT_EQ(craneControls[2], "cranecontrol tag=elevate setting=0.099999");
    EXPECT_EQ(craneControls[3], "cranecontrol tag=elevate setting=0.000000");
    game_setControlsUpdate(nullptr);
    view_setInputResetHooks(nullptr, nullptr);
    bus_reset();
}

TEST(HeadlessControls, KeyReleaseLeavesTheCollectiveWhereItIsAndCentresTheOtherLevers) {
    bus_reset();
    game_initControls();
    craneControls.clear();
    addListener("cranecontrol", recordCrane);
    postMessage("vehicleSwitch vehicle=skyCrane");
    keyEvent(KEY_Q, ACTION_PRESS);  // collective up
    for (int i = 0; i < 20; i++) inputUpdate(GAME_TICK);
    float raised = hud().leverValue[0];
    EXPECT_NEAR(raised, -1.0f + 20 * 2.0f / 60.0f, 1e-3);
    keyEvent(KEY_Q, ACTION_RELEASE);
    EXPECT_EQ(hud().leverValue[0], raised);
    EXPECT_EQ(craneControls.back().rfind("cranecontrol tag=collective setting=", 0), 0u);
    EXPECT_NE(craneControls.back(), "cranecontrol tag=collective setting=0.000000");

    keyEvent(KEY_W, ACTION_PRESS);  // antitorque
    for (int i = 0; i < 10; i++) inputUpdate(GAME_TICK);
    keyEvent(KEY_W, ACTION_RELEASE);
    EXPECT_EQ(hud().leverValue[1], 0.0f);
    EXPECT_EQ(craneControls.back(), "cranecontrol tag=antitorque setting=0.000000");
    EXPECT_EQ(hud().leverValue[0], raised);
    game_setControlsUpdate(nullptr);
    view_setInputResetHooks(nullptr, nullptr);
    bus_reset();
}
