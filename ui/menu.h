// The menu between levels: one entry at a time (the sandbox -1 or a job
// 0..24) with its picture, a stamp on won jobs and the briefing; below it
// previous, restart, play, settings and next. It turns input's "menuOption",
// "menuGraphic" and attachment messages into "start" and "restart", and
// records won levels from "endGame".
#pragma once

enum { MENU_PREVIOUS = 0, MENU_RESTART = 1, MENU_PLAY = 2, MENU_SETTINGS = 3, MENU_NEXT = 4 };
enum { TOY_COUNT = 5, TOY_START = 2 };

struct MenuState {
    int selection;      // -1 sandbox, 0..24 a job
    int toy;            // sandbox vehicle 0..4
    bool gamepadInUse;  // set by gamepad events, cleared by pointer events
    int pausedLevel;    // the selection when the game was paused; -1: nothing paused
};

MenuState& menu();
// Selection 0, toy 2, nothing paused; listeners; progress loaded from the folder.
void menu_init();
void menu_printBriefing();
// What the button strip shows now (the settings button always shows).
bool menu_showsPrevious();
bool menu_showsNext();
bool menu_showsRestart();
bool menu_showsPlay();
// After a won level the selection moves on to the next job; it stays at the last.
void menu_advanceAfterWin();
