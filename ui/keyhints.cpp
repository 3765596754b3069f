#include "ui/keyhints.h"

#include "render/view.h"
#include "ui/input.h"

namespace {

bool hiddenByPointer = false;

// Lever keys as the keyboard mapping binds them; letter key codes are their
// capital letters, so the code is also the text drawn.
const int LEVER_KEY_CODES[5][2] = {
    {KEY_Q, KEY_A}, {KEY_W, KEY_S}, {KEY_E, KEY_D}, {KEY_R, KEY_F}, {KEY_T, KEY_G},
};
char keyTexts[5][2][2];

const char* keyText(int lever, int which) {
    if (lever < 0 || lever >= 5) return "";
    char* text = keyTexts[lever][which];
    text[0] = (char)LEVER_KEY_CODES[lever][which];
    text[1] = 0;
    return text;
}

bool isControl(int view) { return view >= VIEW_STEERING && view <= VIEW_ACCELERATOR; }

}  // namespace

void keyhints_reset() { hiddenByPointer = false; }

void keyhints_keyPressed() { hiddenByPointer = false; }

void keyhints_pointerDragged(int view) {
    if (isControl(view)) hiddenByPointer = true;
}

bool keyhints_visible() { return !input().gamepadMode && !hiddenByPointer; }

const char* keyhints_leverUpKey(int lever) { return keyText(lever, 0); }
const char* keyhints_leverDownKey(int lever) { return keyText(lever, 1); }
