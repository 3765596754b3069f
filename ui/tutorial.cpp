#include "ui/tutorial.h"

#include <cmath>

#include "bus/bus.h"
#include "render/txdb.h"
#include "ui/menu.h"
#include "ui/textlines.h"

namespace {

TutorialState state = {0, 0.0f, false, 1, 1};

const char* const IMAGES[] = {"handl",         "handr",       "infobubble",
                              "tutouyacamera", "tutouyazoom", "tutouyadrive"};

const char* const MOUSE_TEXT[TUTORIAL_STAGES][4] = {
    {"", "YOU CAN  DRAG  HORIZONTALLY TO  MAKE", "THE CAMERA ORBIT:", ""},
    {"", "YOU CAN  DRAG  VERTICALLY TO  CHANGE", "THE CAMERA ELEVATION:", ""},
    {"", "YOU CAN PRESS PLUS AND MINUS KEYS  TO", "ZOOM IN AND OUT:", ""},
    {"", "YOU CAN PRESS  ARROW UP AND DOWN KEYS", "TO DRIVE FW OR BW:", ""},
    {"", "YOU CAN PRESS ARROW LEFT AND RIGHT TO", "STEER THE TRUCK:", ""},
};
const char* const GAMEPAD_TEXT[TUTORIAL_STAGES][4] = {
    {"", "", "MOVE RIGHT STICK HORIZONTALLY  WHILE", "HOLDING L1 TO MAKE THE CAMERA ORBIT:"},
    {"", "", "MOVE  RIGHT STICK  VERTICALLY  WHILE", "HOLDING L1 TO ELEVATE THE CAMERA:"},
    {"", "", "MOVE LEFT STICK VERTICALLY WHILE YOU", "HOLD L1 TO ZOOM IN AND OUT:"},
    {"", "", "MOVE LEFT STICK VERTICALLY TO  DRIVE", "FORWARD AND BACKWARD:"},
    {"", "", "MOVE THE LEFT STICK  HORIZONTALLY TO", "STEER THE TRUCK:"},
};
const char* const PAD_PICTURES[TUTORIAL_STAGES] = {"tutouyacamera", "tutouyacamera", "tutouyazoom",
                                                   "tutouyadrive", "tutouyadrive"};

const float PI = 3.14159265f;

void onNextStage(const char*) {
    state.stage++;
    state.stageTime = 0.0f;
    postMessage("accelcontrol setting=0.0");
}

void postf(const char* format, double value) {
    char text[80];
    format80(text, format, value);
    postMessage(text);
}

void printStage(bool gamepad) {
    const char* lines[4] = {"", "", "", ""};
    if (state.stage < TUTORIAL_STAGES) {
        for (int i = 0; i < 4; i++) lines[i] = tutorial_line(state.stage, i, gamepad);
    }
    text_print(lines);
}

// Posts the stage's demonstration; a hand mimics the mouse drag in stages 0 and 1.
void demonstrate(bool gamepad, float c, OverlayImage* images, int* count) {
    float t = state.stageTime;
    float wave = (1.0f - std::sin(4.0f * t)) * 0.2f;
    switch (state.stage) {
        case 0:
            if (!gamepad) images[(*count)++] = OverlayImage{"handr", wave, 0.5f, 0.1f, c};
            postf("cameraControl orbitDelta=%f", 0.01 * std::cos(4.0f * t));
            break;
        case 1:
            if (!gamepad) images[(*count)++] = OverlayImage{"handr", 0.6f, wave + 0.2f, 0.1f, c};
            postf("cameraControl elevationDelta=%f", 0.01 * std::cos(4.0f * t));
            break;
        case 2:
            postf("cameraControl distScale=%f", 1.0 - 0.02 * std::cos(4.0f * t));
            break;
        case 3: {
            float u = 3.0f * t;
            if (u > PI) {
                state.reverseDemo = !state.reverseDemo;
                state.stageTime = 0.0f;
                u = 0.0f;
            }
            float setting = 0.1f * (1.0f - std::cos(u));
            postf("accelcontrol setting=%f", state.reverseDemo ? -setting : setting);
            break;
        }
        case 4:
            postf("steer setting=%f", 0.1 * std::sin(7.0f * t));
            break;
        default:
            break;
    }
}

}  // namespace

const TutorialState& tutorial() { return state; }

void tutorial_reset() { state = TutorialState{0, 0.0f, false, 1, 1}; }

void tutorial_loadHand() {
    static const char* const HAND[] = {"handr"};
    txdb_load("guidepack", HAND, 1);
}

void initTutorial(int screenW, int screenH) {
    state.screenW = screenW > 0 ? screenW : 1;
    state.screenH = screenH > 0 ? screenH : 1;
    txdb_load("guidepack", IMAGES, sizeof IMAGES / sizeof IMAGES[0]);
    addListener("nextTutorialStage", onNextStage);
    state.stage = 0;
    state.stageTime = 0.0f;
}

bool tutorial_frame(float dt, OverlayImage images[TUTORIAL_MAX_IMAGES], int* imageCount) {
    bool gamepad = menu().gamepadInUse;
    float aspect = (float)state.screenW / (float)state.screenH;
    float a = 0.13333334f * aspect;
    float c = 0.1f * aspect;
    int count = 0;
    state.stageTime += dt;
    images[count++] = OverlayImage{"infobubble", -2.0f / 3.0f, a - 1.0f, 1.0f / 3.0f, a};
    if (gamepad && state.stage < TUTORIAL_STAGES) {
        images[count++] = OverlayImage{PAD_PICTURES[state.stage], -2.0f / 3.0f, 1.5f * a - 1.0f,
                                       0.13333334f, 0.4f * a};
    }
    printStage(gamepad);
    demonstrate(gamepad, c, images, &count);
    *imageCount = count;
    if (state.stage < TUTORIAL_STAGES) return false;
    state.stage = 0;
    state.stageTime = 0.0f;
    return true;
}

const char* tutorial_line(int stage, int line, bool gamepad) {
    if (stage < 0 || stage >= TUTORIAL_STAGES || line < 0 || line >= 4) return "";
    return gamepad ? GAMEPAD_TEXT[stage][line] : MOUSE_TEXT[stage][line];
}
