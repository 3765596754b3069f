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

void vehicle_setStopParams(dJointID j, void (*set)(dJointID, int, dReal)) {
    set(j, dParamStopERP, 0.5);
    set(j, dParamStopCFM, 0.1);
    set(j, dParamBounce, 0);
    set(j, dParamFudgeFactor, 0.1);
    set(j, dParamFMax, 0);
}

dJointID vehicle_makeHinge(dBodyID b1, dBodyID b2, const dReal* anchor, dReal ax, dReal ay,
                           dReal az, dReal lo, dReal hi) {
    dJointID j = dJointCreateHinge(wld_world(), nullptr);
    dJointAttach(j, b1, b2);
    dJointSetHingeAnchor(j, anchor[0], anchor[1], anchor[2]);
    dJointSetHingeAxis(j, ax, ay, az);
    dJointSetHingeParam(j, dParamLoStop, lo);
    dJointSetHingeParam(j, dParamHiStop, hi);
    dJointSetHingeParam(j, dParamCFM, 0.4);
    vehicle_setStopParams(j, dJointSetHingeParam);
    return j;
}

const float VEHICLE_LEVER_RELEASED = 0.001f;

void vehicle_ratchetHinge(dJointID hinge, float s, dReal lo, dReal hi) {
    dReal at = clampTo(dJointGetHingeAngle(hinge), lo, hi);
    dJointSetHingeParam(hinge, dParamLoStop, fabsf(s) < VEHICLE_LEVER_RELEASED ? at : lo);
}

void vehicle_ratchetSlider(dJointID slider, float s, dReal lo, dReal hi) {
    dReal at = clampTo(dJointGetSliderPosition(slider), lo, hi);
    dJointSetSliderParam(slider, dParamLoStop, fabsf(s) < VEHICLE_LEVER_RELEASED ? at : lo);
}

dJointID vehicle_axleJoint(dBodyID chassis, dBodyID axle) {
    const dReal* c = dBodyGetPosition(axle);
    dJointID j = dJointCreateHinge2(wld_world(), nullptr);
    dJointAttach(j, chassis, axle);
    dJointSetHinge2Anchor(j, c[0], c[1], c[2]);
    const dReal up[3] = {0, 0, 1}, across[3] = {0, 1, 0};
    dJointSetHinge2Axes(j, up, across);
    dJointSetHinge2Param(j, dParamCFM, 0.05);
    dJointSetHinge2Param(j, dParamSuspensionERP, 0.19);
    dJointSetHinge2Param(j, dParamSuspensionCFM, 0.9);
    dJointSetHinge2Param(j, dParamLoStop, 0);  // steering locked
    dJointSetHinge2Param(j, dParamHiStop, 0);
    return j;
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
