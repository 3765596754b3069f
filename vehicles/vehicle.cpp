#include "vehicles/vehicle.h"

#include <cfloat>
#include <cmath>

#include "bus/diag.h"
#include "world/wld.h"

dSpaceID vehicle_createSpace() {
    dSpaceID space = dSimpleSpaceCreate(wld_space());
    dSpaceSetCleanup(space, 0);
    return space;
}

void vehicle_moveToSpace(dGeomID geom, dSpaceID space) {
    dSpaceID from = dGeomGetSpace(geom);
    if (from == space) return;
    if (from) dSpaceRemove(from, geom);
    dSpaceAdd(space, geom);
}

CylObj* vehicle_makeWheel(geomdesc* geometry, const dReal pos[3], dReal radius, dReal length,
                          dSpaceID space, unsigned long category) {
    CylObj* wheel = new CylObj(geometry, pos, radius, length);
    vehicle_moveToSpace(wheel->cylinder, space);
    dGeomSetCategoryBits(wheel->cylinder, category);
    dBodySetAutoDisableFlag(wheel->body, 0);
    dBodySetLinearVel(wheel->body, 0, 0, 0);
    dBodySetAngularVel(wheel->body, 0, 0, 0);
    return wheel;
}

void vehicle_listen(const VehicleListener* table, int count, bool on) {
    for (int i = 0; i < count; i++) {
        if (on)
            addListener(table[i].message, table[i].handler);
        else
            removeListener(table[i].message, table[i].handler);
    }
}

bool vehicle_controlArg(const char* text, const char* key, float* value) {
    float v = argFloat(text, key);
    if (v == -FLT_MAX || std::isinf(v)) return false;
    *value = std::isnan(v) ? 0.0f : (float)clampTo(v, -1, 1);
    return true;
}

bool vehicle_setting(const char* text, float* setting) {
    return vehicle_controlArg(text, "setting", setting);
}

namespace {
void postSwitch(const char* name) {
    char msg[128];
    format128(msg, "vehicleSwitch vehicle=%s", name);
    postMessage(msg);
}
}  // namespace

void vehicle_activateInterest() {
    VehicleObj* v = dynamic_cast<VehicleObj*>(wld_objectOfInterest());
    if (!v || v->isActive()) return;
    logLine("Activating '%s'", v->name);
    v->setActive(true);
    postSwitch(v->name);
}

void vehicle_handOver(VehicleObj* from, VehicleObj* to) {
    postSwitch(to->name);
    to->setActive(true);
    if (from) from->setActive(false);
    wld_setObjectOfInterest(to);
}

dGeomID vehicle_attachTurnedBox(dBodyID body, void* owner, dSpaceID space, const BoxSpec& box,
                                unsigned long category, TurnAxis axis) {
    dGeomID g = attachBox(body, owner, space, box.size, box.offset, category);
    if (box.turn != 0) {
        dMatrix3 r;
        if (axis == TURN_ABOUT_Y)
            dRFromAxisAndAngle(r, 0, 1, 0, box.turn);
        else
            dRFromAxisAndAngle(r, 0, 0, 1, box.turn);
        dGeomSetOffsetRotation(g, r);
    }
    return g;
}

void vehicle_setSleepThresholds(dBodyID body, dReal angular, dReal linear) {
    dBodySetAutoDisableAngularThreshold(body, angular);
    dBodySetAutoDisableLinearThreshold(body, linear);
}

dReal clampTo(dReal v, dReal lo, dReal hi) { return v < lo ? lo : (v > hi ? hi : v); }

bool vehicle_wheelSpinOf(const CylObj* wheel, dGeomID geom, float& spin) {
    if (wheel->cylinder != geom) return false;
    const dReal* av = dBodyGetAngularVel(wheel->body);
    spin = (float)sqrt(av[0] * av[0] + av[1] * av[1] + av[2] * av[2]);
    return true;
}
