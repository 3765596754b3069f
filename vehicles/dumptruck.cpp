#include "vehicles/dumptruck.h"

#include <cmath>
#include <cstring>

#include "bus/bus.h"
#include "geom/records.h"
#include "vehicles/forklift.h"
#include "vehicles/vehicle.h"
#include "world/contact.h"
#include "world/wld.h"

DumpTruckObj* dumptruck_current = nullptr;

const dReal DUMPTRUCK_TIPPER_MAX = 1.413716733455658;
const dReal DUMPTRUCK_FLATBED_MAX = 1.068141531944275;

namespace {

enum { FRONT_LEFT, FRONT_RIGHT, REAR_LEFT, REAR_RIGHT };

const dReal WHEEL_RADIUS = 0.25, WHEEL_LENGTH = 0.2;
const dReal WHEEL_AT[DUMPTRUCK_WHEELS][3] = {{0.52, 0.3755, -0.35},
                                             {0.52, -0.3755, -0.35},
                                             {-0.624, 0.3755, -0.35},
                                             {-0.624, -0.3755, -0.35}};
const dReal ANCHOR_INSET = 0.1;                     // hinge-2 anchors toward the centre line
const dReal BED_AT[3] = {-0.2, 0, 0.2};             // from the chassis
const dReal BED_HINGE_AT[3] = {-0.435, 0, -0.243};  // from the bed

const dReal TOP_SPEED = 12, DRIVE_LAG = 0.05, COAST_DECAY = 0.9;
const dReal COAST_FORCE = 0.5, BRAKE_FORCE = 50, IDLE_FORCE = 0.05;
const dReal SLOW_SPEED = 0.2, REVERSE_DELAY = 0.15;
const dReal STEER_RANGE = 0.6, STEER_GAIN = 20, STEER_ERROR_MAX = 0.3;
const dReal STEER_FORCE = 105, STEER_STOP = 0.75;
const dReal BED_GAIN = 0.5, BED_FORCE = 5.0;
const dReal SLEEP_ANGULAR = 0.1, SLEEP_LINEAR = 0.05;

const BoxSpec CHASSIS_BOXES[2] = {
    {{1.4, 0.8, 0.2}, {0, 0, -0.1}, 0},      // frame
    {{0.28, 0.34, 0.4}, {0.56, 0, 0.2}, 0},  // cab
};
const BoxSpec TIPPER_BOXES[6] = {
    {{1.5, 0.04, 0.45}, {-0.15, 0.44, 0}, 0},      // left side
    {{1.5, 0.04, 0.45}, {-0.15, -0.44, 0}, 0},     // right side
    {{0.04, 0.88, 0.45}, {0.6, 0, 0}, 0},          // front wall
    {{0.3, 0.88, 0.04}, {0.75, 0, 0.25}, 0},       // cab guard
    {{1.2, 0.88, 0.04}, {0, 0, -0.2}, 0},          // floor
    {{0.04, 0.88, 0.54}, {-0.75, 0, 0}, -0.5857},  // tail
};
const BoxSpec FLATBED_BOXES[2] = {
    {{1.6, 0.88, 0.02}, {-0.2, 0, -0.19}, 0},  // deck
    {{0.02, 0.88, 0.3}, {0.59, 0, -0.03}, 0},  // front plate
};

void onSteer(const char* text) {
    float s;
    if (dumptruck_current && vehicle_setting(text, &s)) dumptruck_current->steer = s;
}

void onAccel(const char* text) {
    float s;
    if (dumptruck_current && vehicle_setting(text, &s)) dumptruck_current->accelerate(s);
}

void onCraneControl(const char* text) {
    char tag[80];
    argString(text, "tag", tag, sizeof tag);
    float s;
    if (!dumptruck_current || strcmp(tag, "elevate") || !vehicle_setting(text, &s)) return;
    dumptruck_current->tilt(s);
}

const VehicleListener LISTENERS[] = {
    {"accelcontrol", onAccel}, {"steer", onSteer}, {"cranecontrol", onCraneControl}};

}  // namespace

DumpTruckDrive dumptruck_drive(float throttle, float brake, bool reverse, dReal vPrev,
                               bool active) {
    if (!active) return {0, IDLE_FORCE};
    if (throttle > 0)
        return {DRIVE_LAG * TOP_SPEED * throttle + (1 - DRIVE_LAG) * vPrev, 0.7 * throttle + 0.2};
    if (brake > 0 && reverse) return {-TOP_SPEED * brake, 0.7 * brake + 0.2};
    if (brake > 0) return {0, BRAKE_FORCE};
    return {COAST_DECAY * vPrev, COAST_FORCE};
}

// --------------------------------------------------------------------- bed

DumpTruckBed::DumpTruckBed(const dReal pos[3], dSpaceID space, bool flat)
    : DynamicWorldObj("bed", flat ? &geom_dumptruck_flatbed : &geom_dumptruck_tipper, wld_world()),
      flatBed(flat) {
    dBodySetPosition(body, pos[0], pos[1], pos[2]);
    setBoxMass(body, 0.07, 1.5, 0.6, 0.4);
    if (flat) {
        for (const BoxSpec& b : FLATBED_BOXES)
            vehicle_attachTurnedBox(body, this, space, b, CAT_PART, TURN_ABOUT_Y);
    } else {
        for (const BoxSpec& b : TIPPER_BOXES)
            vehicle_attachTurnedBox(body, this, space, b, CAT_BED, TURN_ABOUT_Y);
    }
}

// -------------------------------------------------------------- dump truck

DumpTruckObj::DumpTruckObj(const dReal p[3], bool flatBed)
    : CompositeVehicle("dumpTruck", &geom_dumptruck, wld_world()),
      active(false),
      throttle(0),
      brake(0),
      steer(0),
      slowTimer(0),
      reverse(false) {
    dBodySetPosition(body, p[0], p[1], p[2]);
    setBoxMass(body, 0.2, 1.4, 0.8, 0.3);
    vehicle_setSleepThresholds(body, SLEEP_ANGULAR, SLEEP_LINEAR);
    space = vehicle_createSpace();
    for (int i = 0; i < 2; i++)
        chassis[i] =
            vehicle_attachTurnedBox(body, this, space, CHASSIS_BOXES[i], CAT_CHASSIS, TURN_ABOUT_Y);

    for (int i = 0; i < DUMPTRUCK_WHEELS; i++) {
        const dReal* d = WHEEL_AT[i];
        const dReal at[3] = {p[0] + d[0], p[1] + d[1], p[2] + d[2]};
        wheels[i] = vehicle_makeWheel(&geom_dumptruck_wheel, at, WHEEL_RADIUS, WHEEL_LENGTH, space,
                                      CAT_WHEEL);
        if (i % 2) {
            dMatrix3 half, r;
            dRFromAxisAndAngle(half, 0, 0, 1, M_PI);
            dMultiply0(r, half, dBodyGetRotation(wheels[i]->body), 3, 3, 3);
            dBodySetRotation(wheels[i]->body, r);
        }
        dJointID j = dJointCreateHinge2(wld_world(), nullptr);
        dJointAttach(j, body, wheels[i]->body);
        dReal inset = d[1] > 0 ? -ANCHOR_INSET : ANCHOR_INSET;
        dJointSetHinge2Anchor(j, at[0], at[1] + inset, at[2]);
        const dReal up[3] = {0, 0, 1}, across[3] = {0, 1, 0};
        dJointSetHinge2Axes(j, up, across);
        dJointSetHinge2Param(j, dParamSuspensionERP, 0.07);
        dJointSetHinge2Param(j, dParamSuspensionCFM, 0.4);
        dJointSetHinge2Param(j, dParamCFM, 0.08);
        if (i >= REAR_LEFT) {
            dJointSetHinge2Param(j, dParamLoStop, 0);
            dJointSetHinge2Param(j, dParamHiStop, 0);
            dJointSetHinge2Param(j, dParamStopERP, 0.99);
            dJointSetHinge2Param(j, dParamStopCFM, 0.01);
        }
        wheelJoints[i] = j;
    }

    const dReal b[3] = {p[0] + BED_AT[0], p[1] + BED_AT[1], p[2] + BED_AT[2]};
    bed = new DumpTruckBed(b, space, flatBed);
    for (CylObj* w : wheels) parts_add(parts, w);
    parts_add(parts, bed);
    bedHinge = dJointCreateHinge(wld_world(), nullptr);
    dJointAttach(bedHinge, body, bed->body);
    dJointSetHingeAnchor(bedHinge, b[0] + BED_HINGE_AT[0], b[1] + BED_HINGE_AT[1],
                         b[2] + BED_HINGE_AT[2]);
    dJointSetHingeAxis(bedHinge, 0, 1, 0);
    dJointSetHingeParam(bedHinge, dParamLoStop, 0);
    dJointSetHingeParam(bedHinge, dParamHiStop,
                        flatBed ? DUMPTRUCK_FLATBED_MAX : DUMPTRUCK_TIPPER_MAX);
    dJointSetHingeParam(bedHinge, dParamCFM, 0.05);
    dJointSetHingeParam(bedHinge, dParamFMax, BED_FORCE);

    vehicle_setSleepThresholds(bed->body, SLEEP_ANGULAR, SLEEP_LINEAR);
    dBodyDisable(body);
    dBodyDisable(bed->body);
    for (CylObj* w : wheels) dBodyDisable(w->body);
    dumptruck_current = this;
}

DumpTruckObj::~DumpTruckObj() {
    setActive(false);
    dJointDestroy(bedHinge);
    delete bed;
    for (int i = 0; i < DUMPTRUCK_WHEELS; i++) {
        dJointDestroy(wheelJoints[i]);
        delete wheels[i];
    }
    for (dGeomID g : chassis) dGeomDestroy(g);
    dSpaceDestroy(space);
    if (dumptruck_current == this) dumptruck_current = nullptr;
}

void DumpTruckObj::setActive(bool on) {
    active = on;
    vehicle_listen(LISTENERS, 3, on);
    if (on) {
        dBodyEnable(body);
        dBodyEnable(bed->body);
        return;
    }
    dJointSetHingeParam(bedHinge, dParamVel, 0);
    dBodyDisable(body);
    dBodyDisable(bed->body);
    for (CylObj* w : wheels) dBodyDisable(w->body);
}

bool DumpTruckObj::isActive() { return active; }

bool DumpTruckObj::getWheelSpin(dGeomID geom, float& spin) {
    for (CylObj* w : wheels) {
        if (vehicle_wheelSpinOf(w, geom, spin)) return true;
    }
    return false;
}

void DumpTruckObj::accelerate(float s) {
    throttle = s > 0 ? s : 0;
    brake = s > 0 ? 0 : -s;
}

void DumpTruckObj::tilt(float s) {
    dJointSetHingeParam(bedHinge, dParamVel, BED_GAIN * s);
    dBodyEnable(bed->body);
    dBodyEnable(body);
    dReal high = bed->flatBed ? DUMPTRUCK_FLATBED_MAX : DUMPTRUCK_TIPPER_MAX;
    vehicle_ratchetHinge(bedHinge, s, 0, high);
}

void DumpTruckObj::update(float dt) {
    DynamicWorldObj::update(dt);
    dReal vPrev = -(dJointGetHinge2Param(wheelJoints[REAR_LEFT], dParamVel2) +
                    dJointGetHinge2Param(wheelJoints[REAR_RIGHT], dParamVel2)) /
                  2;
    dReal delta = STEER_RANGE * steer;

    const dReal* v = dBodyGetLinearVel(body);
    const dReal* r = dBodyGetRotation(body);
    dReal forward = v[0] * r[0] + v[1] * r[4] + v[2] * r[8];
    slowTimer = fabs(forward) < SLOW_SPEED ? slowTimer + dt : 0;
    if (brake == 0) reverse = false;
    if (slowTimer > REVERSE_DELAY && brake > 0) reverse = true;

    DumpTruckDrive d = dumptruck_drive(throttle, brake, reverse, vPrev, active);
    for (int i = REAR_LEFT; i <= REAR_RIGHT; i++) {
        dJointSetHinge2Param(wheelJoints[i], dParamVel2, -d.velocity);
        dJointSetHinge2Param(wheelJoints[i], dParamFMax2, d.force);
    }

    for (int i = FRONT_LEFT; i <= FRONT_RIGHT; i++) {
        dJointID j = wheelJoints[i];
        dReal e = clampTo(delta - dJointGetHinge2Angle1(j), -STEER_ERROR_MAX, STEER_ERROR_MAX);
        dJointSetHinge2Param(j, dParamVel, active ? STEER_GAIN * e : 0);
        dJointSetHinge2Param(j, dParamFMax, STEER_FORCE);
        dJointSetHinge2Param(j, dParamLoStop, -STEER_STOP);
        dJointSetHinge2Param(j, dParamHiStop, STEER_STOP);
        dJointSetHinge2Param(j, dParamFudgeFactor, 0.1);
    }

    bodyPoseToMatrix(body, modelMatrix);
    parts_update(parts, dt);
}
