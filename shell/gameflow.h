// The game's top-level state: which screen shows (menu, settings, a level
// being played, the tutorial overlay), the "start", "restart", "pause",
// "resume", "endGame" and "settingsTouch" handlers and the end-of-level
// timer. Screens are the visibility flags of the views; the paused level is
// the menu's.
#pragma once

#include "world/wld.h"

// What the game flow drives in other modules; any of them may be null.
struct GameHooks {
    void (*soundStart)();  // (re)start the sound stream
    void (*soundStop)();
    void (*soundKeeperInit)();  // first start-up, last
};
void game_setHooks(const GameHooks& hooks);
// Built in place of a level the catalogue cannot build yet (null: none).
void game_setFallbackBuilder(const LevelBuilder* builder);
// Built in place of every level (tests and tools; null: the catalogue).
void game_setLevelOverride(const LevelBuilder* builder);

// The game initialisation: listeners, the menu screen, HUD, menu with its
// progress, camera and sound keeper. Runs once; later calls do nothing.
void game_init();
// Only the views, the HUD and the input mapping: what a headless run needs
// so that scripted lever and key messages act as they do in the game (the
// lever messages become "cranecontrol", held keys move levers every tick).
// Call before the world is created; game_init includes it.
void game_initControls();
// Forgets the first run (tests start the game afresh in every case).
void game_resetForTests();

bool game_menuShowing();
bool game_playing();  // views 4 and 13: a level is on screen
int game_pausedLevel();
int game_attachment();  // sandbox vehicle choice from the last "start"
bool game_tutorialShown();

// End of a level: -1 while none has ended, else seconds since "endGame".
float game_endTimer();
bool game_lastWon();
// Advances the end picture; after 4 s destroys the world, stops the sound,
// moves the menu on after a win and shows the menu. Call while it is >= 0.
void game_advanceEndTimer(float dt);
