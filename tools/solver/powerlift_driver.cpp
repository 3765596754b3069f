// Powerlift: up past the hook's release height, round behind the mast, the
// hook's tip slid in under the mast's top bar and lifted to catch it; over
// the river high enough to carry the mast clear of the site's plateau, down
// slowly until the mast stands and the hook lets go, and home to the pad.
#include <cmath>
#include <cstdio>
#include <cstring>

#include "tools/solver/drivers.h"
#include "tools/solver/sky_kit.h"
#include "tools/solver/solver.h"
#include "vehicles/skycrane.h"
#include "world/levels/level23_powerlift.h"
#include "world/wld.h"

namespace {

using namespace powerlift;

const float MAST_MASS = 0.072f;
const float CATCH_Z = 14.7f;   // the hook's tip below the bar, its foot above the mast's body
const float BEHIND = 2.5f;     // where the hook waits west of the bar
const float UNDER_BAR = 0.2f;  // the hook's arm this far west of the bar: the bar over its seat
const float CARRY_Z = 23.3f;   // the hanging mast's feet 1.6 m over the plateau
const float HOME_HOVER = 12.2f;

int phase = 0;
long phaseStart = 0;
float barX, barY;  // where the mast's top bar stood before it was caught
bool landOnly = false;
const int HOMEWARD = 8;

void next(long tick) {
    phase++;
    phaseStart = tick;
    if (solver_verbose()) fprintf(stderr, "phase %d at %ld\n", phase, tick);
}

DynamicWorldObj* mast() {
    for (int i = 0; i < wld_objectCount(); i++)
        if (!strcmp(wld_object(i)->name, "powermast")) return wld_object(i);
    return nullptr;
}

bool hookHolds(SkyCrane* c) { return c->hookHinge && dJointGetBody(c->hookHinge, 0); }

void debug(long tick) {
    if (!solver_verbose() || tick % 100) return;
    SkyCrane* c = sky_crane();
    DynamicWorldObj* m = mast();
    const dReal* h = dBodyGetPosition(c->hook->body);
    const dReal* cp = dBodyGetPosition(c->body);
    const dReal* mp = dBodyGetPosition(m->body);
    fprintf(stderr, "%ld ph%d crane %.2f %.2f %.2f hook %.2f %.2f %.2f mast %.2f %.2f %.2f\n", tick,
            phase, cp[0], cp[1], cp[2], h[0], h[1], h[2], mp[0], mp[1], mp[2]);
}

// Flies towards the point; moves on once there and held for the given ticks.
void flyThen(long tick, FlightTarget t, float near, long hold) {
    if (sky_fly(t) > near)
        phaseStart = tick;
    else if (tick - phaseStart >= hold)
        next(tick);
}

}  // namespace

bool drive_powerlift(long tick) {
    debug(tick);
    SkyCrane* c = sky_crane();
    if (phase < 3) {
        const dReal* m = dBodyGetPosition(mast()->body);
        barX = m[0], barY = m[1];
    }
    switch (phase) {
        case 0:
            flyThen(tick, {PAD_X, PAD_Y, 16, 0, 1.0f, 1.0f, 0}, 0.5f, 0);
            if (phase == 1 && landOnly) phase = HOMEWARD;
            return true;
        case 1:
            flyThen(tick, {barX - BEHIND, barY, 16, 0, 1.5f, 1.0f, 0}, 0.1f, 60);
            return true;
        case 2:
            flyThen(tick, {barX - BEHIND, barY, CATCH_Z, 0, 0.5f, 0.3f, 0}, 0.04f, 300);
            return true;
        case 3:
            flyThen(tick, {barX - UNDER_BAR, barY, CATCH_Z, 0, 0.15f, 0.3f, 0}, 0.03f, 240);
            return true;
        case 4:
            flyThen(tick, {barX - UNDER_BAR, barY, 17.5f, 0, 0.1f, 0.15f, MAST_MASS}, 0.1f, 240);
            return true;
        case 5:
            flyThen(tick, {SITE_X, SITE_Y, CARRY_Z, 0, 1.0f, 0.4f, MAST_MASS}, 0.2f, 300);
            return true;
        case 6:  // down until the mast stands and the hook lets go
            sky_fly({SITE_X, SITE_Y, CARRY_Z - 3, 0, 0.3f, 0.12f, MAST_MASS});
            if (!hookHolds(c)) next(tick);
            return true;
        case 7:
            flyThen(tick, {SITE_X, SITE_Y, 25, 0, 0.3f, 0.5f, 0}, 1.0f, 0);
            return true;
        case HOMEWARD:
            flyThen(tick, {PAD_X, PAD_Y, 16, 0, 1.5f, 0.5f, 0}, 0.1f, 240);
            return true;
        case 9:
            flyThen(tick, {PAD_X, PAD_Y, HOME_HOVER, 0, 0.3f, 0.3f, 0}, 0.15f, 120);
            return true;
        default:
            sky_settle();
            return true;
    }
}

// The wrong way: up, the hook swung down, and straight back onto the pad.
bool drive_powerliftLandOnly(long tick) {
    landOnly = true;
    return drive_powerlift(tick);
}
