// Pointer: the mouse as touches on the on-screen controls. A press on the 3D
// scene becomes a camera touch that orbits (one) or pinches (two); a press
// on a control holds that view, and moving drags it until release.
#include <algorithm>
#include <cmath>

#include "bus/bus.h"
#include "bus/diag.h"
#include "render/view.h"
#include "ui/input.h"
#include "ui/input_shared.h"
#include "ui/keyhints.h"
#include "ui/menu.h"

namespace {

const int MOUSE_ID = 0;

struct Touch {
    int id;
    double x, y;
};
Touch camTouches[CAMERA_TOUCHES];
int numCamTouches = 0;

struct Holder {
    int id;  // -1: free
    double x, y;
};
Holder holders[VIEWCOUNT];

bool isLever(int view) { return view >= VIEW_LEVER0 && view < VIEW_LEVER0 + 5; }

// The fifth of a view's width (or a quarter of its height) under the pointer.
int cell(double offset, int extent, int cells) {
    if (extent <= 0) return 0;
    int i = (int)(offset * cells / extent);
    return std::min(std::max(i, 0), cells - 1);
}

void addCameraTouch(int id, double x, double y) {
    bool present = false;
    for (int i = 0; i < numCamTouches; i++) present = present || camTouches[i].id == id;
    if (present || numCamTouches >= CAMERA_TOUCHES) {
        logLine("ERR Failed to add camera touch for pointerId %d. numCamTouches = %d", id,
                numCamTouches);
        return;
    }
    camTouches[numCamTouches++] = Touch{id, x, y};
}

double touchSpread() {
    return std::hypot(camTouches[0].x - camTouches[1].x, camTouches[0].y - camTouches[1].y);
}

void moveCameraTouches(int id, double x, double y) {
    ViewRect scene = viewRect(VIEW_SCENE);
    for (int i = 0; i < numCamTouches; i++) {
        Touch& t = camTouches[i];
        if (t.id != id) continue;
        if (numCamTouches == 1) {
            char text[80];
            double dx = x - t.x, dy = y - t.y;
            format80(text, "cameraControl elevationDelta=%f orbitDelta=%f",
                     scene.h > 0 ? -3.0 * dy / scene.h : 0.0,
                     scene.w > 0 ? -7.0 * dx / scene.w : 0.0);
            t.x = x;
            t.y = y;
            inputPost(text);
        } else {
            double before = touchSpread();
            t.x = x;
            t.y = y;
            double after = touchSpread();
            if (after > 0.0) inputPostf("cameraControl distScale=%f", before / after);
        }
    }
}

void dragSteering(const ViewRect& r, double dx, double dy) {
    if (r.w <= 0 || r.h <= 0) return;
    InputState& state = inputState();
    double a = 2.0 * dy / r.h, b = 2.0 * dx / r.w;
    double cx = r.x + 0.5 * r.w, cy = r.y + 0.5 * r.h;
    double delta;
    if (std::fabs(a) > std::fabs(b))
        delta = state.pointerX < cx ? a : -a;
    else
        delta = state.pointerY > cy ? b : -b;
    state.steerValue = clamp1(state.steerValue + (float)delta);
    postSteer();
}

void dragHeldView(int view, double dx, double dy) {
    keyhints_pointerDragged(view);
    ViewRect r = viewRect(view);
    if (r.w <= 0 || r.h <= 0) return;
    InputState& state = inputState();
    if (view == VIEW_STEERING) {
        dragSteering(r, dx, dy);
    } else if (isLever(view)) {
        postLeverMoved(view - VIEW_LEVER0, 2.0 * dy / r.h);
    } else if (view == VIEW_CYCLIC) {
        state.cyclicX = clamp1(state.cyclicX + (float)(2.0 * dx / r.w));
        state.cyclicY = clamp1(state.cyclicY + (float)(2.0 * dy / r.h));
        postCyclic();
    } else if (view == VIEW_ACCELERATOR) {
        state.accelValue = clamp1(state.accelValue + (float)(2.0 * dy / r.h));
        postAccel();
    }
}

void releaseView(int view) {
    holders[view].id = -1;
    InputState& state = inputState();
    if (isLever(view)) {
        char text[80];
        format80(text, "leverUp leverNr=%d", view - VIEW_LEVER0);
        inputPost(text);
    } else if (view == VIEW_CYCLIC) {
        state.cyclicX = state.cyclicY = 0.0f;
        postCyclic();
    } else if (view == VIEW_ACCELERATOR) {
        state.accelValue = 0.0f;
        inputPost("accelcontrol setting=0");
    }
}

// What a press on view v posts, besides holding it.
void pressView(int v, double x, double y) {
    ViewRect r = viewRect(v);
    char text[80];
    switch (v) {
        case VIEW_MENU_PICTURE:
            format80(text, "menuGraphic index=%d", cell(x - r.x, r.w, 5));
            inputPost(text);
            break;
        case VIEW_MENU_BUTTONS:
            postMenuOption(cell(x - r.x, r.w, 5));
            break;
        case VIEW_TUTORIAL:
            inputPost("nextTutorialStage");
            break;
        case VIEW_SETTINGS:
            format80(text, "settingsTouch index=%d", cell(y - r.y, r.h, 4));
            inputPost(text);
            break;
        case VIEW_PAUSE:
            inputPost("pause");
            break;
        case VIEW_SCENE:
            addCameraTouch(MOUSE_ID, x, y);
            break;
        default:
            break;
    }
}

}  // namespace

void pointer_reset() {
    numCamTouches = 0;
    for (Holder& h : holders) h = Holder{-1, 0.0, 0.0};
}

void input_setPointer(double x, double y) {
    InputState& state = inputState();
    state.pointerX = x;
    state.pointerY = y;
}

void pointerDown() {
    menu().gamepadInUse = false;
    double x = inputState().pointerX, y = inputState().pointerY;
    int v = viewAt((int)x, (int)y);
    if (v < 0) return;
    holders[v] = Holder{MOUSE_ID, x, y};
    pressView(v, x, y);
}

void pointerMove() {
    double x = inputState().pointerX, y = inputState().pointerY;
    moveCameraTouches(MOUSE_ID, x, y);
    for (int v = 0; v < VIEWCOUNT; v++) {
        Holder& h = holders[v];
        if (h.id != MOUSE_ID) continue;
        double dx = x - h.x, dy = y - h.y;
        h.x = x;
        h.y = y;
        dragHeldView(v, dx, dy);
        return;
    }
}

void pointerUp() {
    for (int i = 0; i < numCamTouches; i++) {
        if (camTouches[i].id != MOUSE_ID) continue;
        camTouches[i] = camTouches[--numCamTouches];
        break;
    }
    for (int v = 0; v < VIEWCOUNT; v++) {
        if (holders[v].id == MOUSE_ID) releaseView(v);
    }
}

void scroll(double yOffset) { inputPostf("cameraControl distScale=%f", 1.0 - yOffset * 0.03); }
