#include "render/view.h"

#include <cstdlib>
#include <cstring>

#include "bus/bus.h"
#include "bus/diag.h"

unsigned char viewVisible[VIEWCOUNT];

namespace {

const char* const SOURCE = "Game/view";

ViewRect rects[VIEWCOUNT];
void (*layoutResetHook)() = nullptr;
void (*switchResetHook)() = nullptr;

// Visibility of views 5..12 (steering, levers 0..4, cyclic, accelerator) per vehicle.
struct VehicleViews {
    const char* name;
    unsigned char visible[8];
};
const VehicleViews VEHICLE_VIEWS[] = {
    {"truck", {1, 1, 1, 1, 1, 1, 0, 1}},    {"dumpTruck", {1, 0, 1, 0, 0, 0, 0, 1}},
    {"forkLift", {1, 1, 1, 0, 0, 0, 0, 1}}, {"skidLoader", {0, 1, 1, 1, 1, 1, 0, 0}},
    {"skyCrane", {0, 1, 1, 0, 0, 0, 1, 0}},
};

void onVehicleSwitch(const char* text) {
    char vehicle[80];
    argString(text, "vehicle", vehicle, sizeof vehicle);
    for (const VehicleViews& v : VEHICLE_VIEWS) {
        if (strcmp(v.name, vehicle) != 0) continue;
        memcpy(viewVisible + VIEW_STEERING, v.visible, sizeof v.visible);
        break;
    }
    if (switchResetHook) switchResetHook();
}

void reportBadView(int line, int nr) {
    logLine("ERR ASSERT FAILED at %s(%d): %s / nr=%d", SOURCE, line, "nr >= 0 && nr < VIEWCOUNT",
            nr);
    // Tests observe the failure through the assertion hook; the game stops.
    AssertHook hook = setAssertHook(nullptr);
    setAssertHook(hook);
    if (!hook) exit(1);
    hook(SOURCE, line, "nr >= 0 && nr < VIEWCOUNT");
}

}  // namespace

void viewInit() {
    memset(viewVisible, 0, sizeof viewVisible);
    viewVisible[VIEW_MENU_PICTURE] = 1;
    viewVisible[VIEW_MENU_BUTTONS] = 1;
    removeListener("vehicleSwitch", onVehicleSwitch);
    addListener("vehicleSwitch", onVehicleSwitch);
}

void viewLayout(int W, int H) {
    const int u = W / 15;
    const int t = W / 3;
    const int menuWidth = (int)(0.4f * W);
    const int textX = (int)(0.3f * W);
    const int textH = (int)(W / 10.0f);
    rects[VIEW_MENU_PICTURE] = {textX, H / 2, menuWidth, menuWidth / 2};
    rects[VIEW_MENU_BUTTONS] = {t, 0, t, W / 20};
    rects[VIEW_TUTORIAL] = {0, 0, W, H};
    rects[VIEW_PAUSE] = {W - 56, H - 56, 56, 56};
    rects[VIEW_STEERING] = {(int)(6.5f * u), (int)(0.5f * u), 2 * u, 2 * u};
    for (int i = 0; i < 5; i++) rects[VIEW_LEVER0 + i] = {(10 + i) * u, 0, u, 2 * u};
    rects[VIEW_CYCLIC] = {W - 2 * u, 0, 2 * u, 2 * u};
    rects[VIEW_ACCELERATOR] = {9 * u, W / 64, u, (int)(1.5625f * u)};
    rects[VIEW_SCENE] = {0, 2 * u, W, H - 2 * u};
    rects[VIEW_TEXT] = {textX, H / 2 - textH - 16, menuWidth, textH};
    rects[VIEW_SETTINGS] = rects[VIEW_TEXT];
    rects[VIEW_LEVER_PANEL] = {2 * t, 0, t, 2 * u};
    rects[VIEW_LEFT_PANEL] = {0, 0, t, 2 * u};
    if (layoutResetHook) layoutResetHook();
}

ViewRect viewRect(int nr) {
    if (nr < 0 || nr >= VIEWCOUNT) {
        reportBadView(__LINE__, nr);
        return ViewRect{0, 0, 0, 0};
    }
    return rects[nr];
}

int viewAt(int px, int py) {
    for (int nr = 0; nr < VIEWCOUNT; nr++) {
        if (!viewVisible[nr]) continue;
        const ViewRect& r = rects[nr];
        if (px >= r.x && px <= r.x + r.w && py >= r.y && py <= r.y + r.h) return nr;
    }
    return -1;
}

void view_setInputResetHooks(void (*layoutReset)(), void (*switchReset)()) {
    layoutResetHook = layoutReset;
    switchResetHook = switchReset;
}
