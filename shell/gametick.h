// The game tick: what one displayed frame of a level advances, run by the
// game's frame loop, the simulator, the render bench and the level sheet.
// A tick aims the camera and the light at the driven vehicle, steps the
// world, lets held keys and sticks move the controls, posts "frametick" and
// advances the end-of-level picture (which after 4 s returns to the menu).
#pragma once

const float GAME_TICK = 1.0f / 60.0f;

// One game tick; frameDt is the measured frame time, which only the end
// picture's timer follows: the world always advances GAME_TICK.
void game_tick(float frameDt);
// The simulation part of a tick alone: the world update, the rate-driven
// controls, then "frametick".
void game_step(float h);
// The per-tick update of the controls (null: none, as in machine tests).
void game_setControlsUpdate(void (*update)(float h));
// A level was just built: its first tick steps the world before the camera
// looks, since objects have no pose until the world's first update.
void game_levelStarted();
// Neither the menu nor the settings screen covers the level: frames tick.
bool game_levelShowing();
