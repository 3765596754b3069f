#include "shell/gameflow.h"

#include <climits>
#include <cstring>

#include "bus/bus.h"
#include "bus/diag.h"
#include "render/camera.h"
#include "render/geomdb.h"
#include "render/view.h"
#include "shell/gametick.h"
#include "shell/settings.h"
#include "ui/hud.h"
#include "ui/input.h"
#include "ui/levelinfo.h"
#include "ui/menu.h"
#include "ui/tutorial.h"
#include "world/levels.h"

namespace {

const float END_PICTURE_SECONDS = 4.0f;

struct GameState {
    bool firstRun;
    int attachment;
    float endTimer;
    bool lastWon;
    bool tutorialShown;
};
GameState state = {true, TOY_START, -1.0f, false, false};
GameHooks hooks = {};
const LevelBuilder* fallbackBuilder = nullptr;
const LevelBuilder* overrideBuilder = nullptr;

void soundStart() {
    if (settings().soundEffects && hooks.soundStart) hooks.soundStart();
}
void soundStop() {
    if (hooks.soundStop) hooks.soundStop();
}

void showGame() {
    viewVisible[VIEW_MENU_PICTURE] = 0;
    viewVisible[VIEW_MENU_BUTTONS] = 0;
    // A toy touched on the picture may start the sandbox while the settings
    // screen is open; the game must not start behind it.
    viewVisible[VIEW_SETTINGS] = 0;
    viewVisible[VIEW_PAUSE] = 1;
    viewVisible[VIEW_SCENE] = 1;
    menu().pausedLevel = -1;
    soundStart();
}

void showMenu() {
    viewVisible[VIEW_MENU_PICTURE] = 1;
    viewVisible[VIEW_MENU_BUTTONS] = 1;
    viewVisible[VIEW_PAUSE] = 0;
    viewVisible[VIEW_SCENE] = 0;
}

void buildWorld(int nr) {
    const LevelBuilder* builder = overrideBuilder;
    if (!builder && !levelAvailable(nr)) builder = fallbackBuilder;
    wld_setLevelBuilder(builder);
    logLine("geomdb cleared of %d entries.", geomdb_count());
    geomdb_clear();
    geomdb_resetCount();
    // The toy chosen on the menu is what the sandbox builds.
    levels_setSandboxAttachment(state.attachment);
    wld_create(nr, nullptr);
    game_levelStarted();
    if (wld_objectOfInterest()) {
        vec3f p = wld_objectOfInterestPosition();
        cameraSnapTo(vec3c{p.x, p.y, p.z});
    }
}

void startAfresh(int nr, int attachment) {
    state.attachment = attachment >= 0 && attachment < TOY_COUNT ? attachment : TOY_START;
    hudReset();
    buildWorld(nr);
    showGame();
    if (nr == 0 && !state.tutorialShown) {
        ViewRect screen = viewRect(VIEW_TUTORIAL);
        viewVisible[VIEW_TUTORIAL] = 1;
        initTutorial(screen.w, screen.h);
        state.tutorialShown = true;
    }
    state.endTimer = -1.0f;
}

void onStart(const char* text) {
    int nr = argInt(text, "nr");
    if (nr < FIRST_LEVEL || nr > LAST_LEVEL) {
        logLine("ERR No level %d to start", nr);
        return;
    }
    char autostart[80];
    argString(text, "autostart", autostart, sizeof autostart);
    if (autostart[0]) {
        // The world cannot build user levels; refuse here rather than stop the program.
        logLine("ERR No support for user defined levels");
        return;
    }
    if (wld_created() && (nr != wld_levelNr() || nr < 0)) wld_destroy();
    if (wld_created()) {
        // The paused level simply continues, and so does an end picture
        // that was showing: it still ends the level.
        showGame();
        return;
    }
    startAfresh(nr, argInt(text, "attachment"));
}

void onRestart(const char* text) {
    if (wld_created()) wld_destroy();
    onStart(text);
}

void pauseGame() {
    menu().pausedLevel = menu().selection;
    showMenu();
    // The text box may still hold the tutorial's last words.
    menu_printBriefing();
    soundStop();
}

void onPause(const char*) {
    if (!wld_created()) {
        logLine("ERR We have no world, how could we pause? Maybe we did not finish loading yet?");
        return;
    }
    pauseGame();
}

void onResume(const char*) { showGame(); }

void onEndGame(const char* text) {
    state.endTimer = 0.0f;
    int win = argInt(text, "win");
    state.lastWon = win != 0 && win != INT_MIN;
}

}  // namespace

void game_setHooks(const GameHooks& h) { hooks = h; }
void game_setFallbackBuilder(const LevelBuilder* builder) { fallbackBuilder = builder; }
void game_setLevelOverride(const LevelBuilder* builder) { overrideBuilder = builder; }

void game_init() {
    if (!state.firstRun) return;
    addListener("start", onStart);
    addListener("restart", onRestart);
    addListener("pause", onPause);
    addListener("resume", onResume);
    addListener("endGame", onEndGame);
    addListener("settingsTouch", settings_onTouch);
    game_initControls();
    menu_init();
    cameraInit();
    if (hooks.soundKeeperInit) hooks.soundKeeperInit();
    state.firstRun = false;
}

void game_initControls() {
    viewInit();
    input_init();
    game_setControlsUpdate(inputUpdate);
    hudInit();
}

void game_resetForTests() {
    state = GameState{true, TOY_START, -1.0f, false, false};
    menu().pausedLevel = -1;
    settings_reset();
}

bool game_menuShowing() { return viewVisible[VIEW_MENU_PICTURE] != 0; }
bool game_playing() { return viewVisible[VIEW_PAUSE] && viewVisible[VIEW_SCENE]; }
int game_pausedLevel() { return menu().pausedLevel; }
int game_attachment() { return state.attachment; }
bool game_tutorialShown() { return state.tutorialShown; }
float game_endTimer() { return state.endTimer; }
bool game_lastWon() { return state.lastWon; }

void game_advanceEndTimer(float dt) {
    if (state.endTimer < 0.0f) return;
    state.endTimer += dt;
    if (state.endTimer <= END_PICTURE_SECONDS) return;
    state.endTimer = -1.0f;
    if (wld_created()) wld_destroy();
    soundStop();
    // The sandbox has nothing to win; only a won job moves the menu on.
    if (state.lastWon && menu().selection >= 0) {
        menu_advanceAfterWin();
        menu_printBriefing();
    }
    showMenu();
}
