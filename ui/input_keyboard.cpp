// Keyboard: letter keys hold levers, arrows and the keypad drive and steer,
// plus and minus (keypad or main row) zoom, Space and Enter play, Escape goes back;
// on the tutorial Space and every special key advance it.
#include <cstring>

#include "render/view.h"
#include "ui/hud.h"
#include "ui/input.h"
#include "ui/input_shared.h"
#include "ui/keyhints.h"
#include "ui/menu.h"

namespace {

const float KEY_PRESS_VALUE = 0.5f;   // a key just pressed
const float KEY_REPEAT_VALUE = 1.0f;  // a key the system repeats
const float KEY_LEVER_GAIN = 4.0f;    // lever units per second per key value
const float KEY_DRIVE_RATE = 4.0f;    // accelerator and steering, units per second
const int FIRST_SPECIAL_KEY = 256;    // every key that prints nothing is numbered from here

struct LeverKey {
    int key, lever;
    float sign;
};
const LeverKey LEVER_KEYS[] = {
    {KEY_Q, 0, 1},  {KEY_A, 0, -1}, {KEY_W, 1, 1},  {KEY_S, 1, -1}, {KEY_E, 2, 1},
    {KEY_D, 2, -1}, {KEY_R, 3, 1},  {KEY_F, 3, -1}, {KEY_T, 4, 1},  {KEY_G, 4, -1},
};

struct NamedKey {
    int key;
    const char* name;
};
const NamedKey NAMED_KEYS[] = {
    {KEY_UP, "up"},
    {KEY_KP_8, "up"},
    {KEY_DOWN, "dn"},
    {KEY_KP_2, "dn"},
    {KEY_LEFT, "le"},
    {KEY_KP_4, "le"},
    {KEY_RIGHT, "ri"},
    {KEY_KP_6, "ri"},
    {KEY_KP_SUBTRACT, "-"},
    {KEY_KP_ADD, "+"},
    {KEY_SPACE, " "},
    {KEY_ENTER, "enter"},
    // Laptops have no keypad: the main row's minus and plus zoom too.
    {KEY_MINUS, "-"},
    {KEY_EQUAL, "+"},
};

void setKeyLever(int lever, float v) {
    if (!viewShown(VIEW_LEVER0 + lever)) return;
    inputState().leverRate[lever] = KEY_LEVER_GAIN * v;
    if (v == 0.0f && !hud_leverStaysWhereReleased(lever)) postLeverSet(lever, 0.0f);
}

void escape(int action, bool pressed) {
    if (viewShown(VIEW_TUTORIAL)) {
        keyState("enter", pressed);
    } else if (action == ACTION_PRESS) {
        closeUnlessBack();
    } else if (action == ACTION_REPEAT && !menuShowing()) {
        // A held Escape that has just paused the game must not go on to quit
        // it: only a fresh press closes the program from the menu.
        back();
    }
}

}  // namespace

void keyEvent(int key, int action) {
    if (action == ACTION_PRESS) keyhints_keyPressed();
    bool pressed = action == ACTION_PRESS || action == ACTION_REPEAT;
    // On the tutorial any special key (Escape, Enter, arrows, F-keys...)
    // moves it on instead of acting; letting go still reaches the controls,
    // so nothing stays held once the tutorial is gone.
    if (pressed && key >= FIRST_SPECIAL_KEY && viewShown(VIEW_TUTORIAL)) {
        inputPost("nextTutorialStage");
        return;
    }
    for (const LeverKey& k : LEVER_KEYS) {
        if (k.key != key) continue;
        float v = action == ACTION_PRESS ? KEY_PRESS_VALUE : KEY_REPEAT_VALUE;
        setKeyLever(k.lever, pressed ? k.sign * v : 0.0f);
        return;
    }
    for (const NamedKey& k : NAMED_KEYS) {
        if (k.key != key) continue;
        keyState(k.name, pressed);
        return;
    }
    if (key == KEY_ESCAPE) escape(action, pressed);
}

void keyState(const char* name, bool pressed) {
    InputState& state = inputState();
    bool menuShows = menuShowing();
    if (!strcmp(name, "up")) {
        state.accelRate = pressed ? KEY_DRIVE_RATE : 0.0f;
        if (!pressed) state.accelValue = 0.0f;
    } else if (!strcmp(name, "dn")) {
        state.accelRate = pressed ? -KEY_DRIVE_RATE : 0.0f;
        if (!pressed) state.accelValue = 0.0f;
    } else if (!strcmp(name, "le")) {
        state.steerRate = pressed ? -KEY_DRIVE_RATE : 0.0f;
        if (menuShows && pressed) postMenuOption(MENU_PREVIOUS);
    } else if (!strcmp(name, "ri")) {
        state.steerRate = pressed ? KEY_DRIVE_RATE : 0.0f;
        if (menuShows && pressed) postMenuOption(MENU_NEXT);
    } else if (!strcmp(name, "-")) {
        state.zoomRate = pressed ? 1.0f : 0.0f;
    } else if (!strcmp(name, "+")) {
        state.zoomRate = pressed ? -1.0f : 0.0f;
    } else if (pressed && (!strcmp(name, " ") || !strcmp(name, "enter"))) {
        if (viewShown(VIEW_TUTORIAL)) inputPost("nextTutorialStage");
        if (menuShowing()) postMenuOption(MENU_PLAY);
    }
}
