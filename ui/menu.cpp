#include "ui/menu.h"

#include <algorithm>
#include <climits>

#include "bus/bus.h"
#include "render/view.h"
#include "shell/progress.h"
#include "ui/levelinfo.h"
#include "ui/textlines.h"

namespace {

MenuState state = {0, TOY_START, false, -1};

bool settingsShowing() { return viewVisible[VIEW_SETTINGS] != 0; }

void postStart(const char* word) {
    char text[128];
    format128(text, "%s nr=%d name=%s", word, state.selection, levelName(state.selection));
    postMessage(text);
}

void choose(int index) {
    switch (index) {
        case MENU_PREVIOUS:
            if (state.selection >= 0) state.selection--;
            menu_printBriefing();
            break;
        case MENU_RESTART:
            if (menu_showsRestart()) postStart("restart");
            break;
        case MENU_PLAY:
            if (state.selection >= 0) {
                postStart("start");
            } else if (state.gamepadInUse) {
                char text[80];
                format80(text, "menuGraphic index=%d", state.toy);
                postMessage(text);
            }
            break;
        case MENU_SETTINGS:
            viewVisible[VIEW_SETTINGS] = 1;
            menu_printBriefing();
            break;
        case MENU_NEXT:
            if (state.selection < LAST_LEVEL) state.selection++;
            menu_printBriefing();
            break;
        default:
            break;
    }
}

void onMenuOption(const char* text) {
    if (settingsShowing()) {
        viewVisible[VIEW_SETTINGS] = 0;
        menu_printBriefing();
        return;
    }
    choose(argInt(text, "index"));
}

void onMenuGraphic(const char* text) {
    int toy = argInt(text, "index");
    if (state.selection != FIRST_LEVEL || toy < 0 || toy >= TOY_COUNT) return;
    char out[128];
    format128(out, "start nr=%d name=%s attachment=%d", FIRST_LEVEL, levelName(FIRST_LEVEL), toy);
    postMessage(out);
}

void onNextAttachment(const char*) {
    if (state.selection == FIRST_LEVEL) state.toy = std::min(state.toy + 1, TOY_COUNT - 1);
}

void onPrevAttachment(const char*) {
    if (state.selection == FIRST_LEVEL) state.toy = std::max(state.toy - 1, 0);
}

void onEndGame(const char* text) {
    int level = argInt(text, "level");
    int win = argInt(text, "win");
    if (level >= 0 && level <= LAST_LEVEL && win != 0 && win != INT_MIN) progress_markWon(level);
    menu_printBriefing();
    saveProgress();
}

}  // namespace

MenuState& menu() { return state; }

void menu_init() {
    state.selection = 0;
    state.toy = TOY_START;
    state.gamepadInUse = false;
    state.pausedLevel = -1;
    addListener("menuOption", onMenuOption);
    addListener("menuGraphic", onMenuGraphic);
    addListener("endGame", onEndGame);
    addListener("nextAttachment", onNextAttachment);
    addListener("prevAttachment", onPrevAttachment);
    loadProgress();
    // The first entry's job is readable before any button is pressed.
    menu_printBriefing();
}

void menu_printBriefing() {
    const char* lines[TEXT_ROWS];
    for (int i = 0; i < TEXT_ROWS; i++) lines[i] = levelBriefing(state.selection, i);
    text_print(lines);
}

bool menu_showsPrevious() { return state.selection >= 0; }
bool menu_showsNext() { return state.selection < LAST_LEVEL; }
bool menu_showsRestart() { return state.selection >= 0 && state.selection == state.pausedLevel; }
bool menu_showsPlay() { return state.selection != FIRST_LEVEL; }

void menu_advanceAfterWin() {
    if (state.selection < LAST_LEVEL) state.selection++;
}
