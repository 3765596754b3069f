// What the keyboard, pointer and gamepad units of the input mapping share:
// the one input state and the message posting. Internal to ui/input*.cpp.
#pragma once

#include "ui/input.h"

InputState& inputState();

float clamp1(float v);
bool viewShown(int view);
bool menuShowing();  // the menu picture is on screen
void inputPost(const char* text);
void inputPostf(const char* format, double a);
void postSteer();
void postAccel();
void postCyclic();
void postMenuOption(int index);
void postLeverSet(int lever, float setting);
void postLeverMoved(int lever, double delta);
// Escape and "BACK": the back action, and a close request when it reports the menu.
void closeUnlessBack();

// The units' own start states, for input_reset.
void pointer_reset();
void gamepad_reset();
