#include "vehicles/truck.h"

#include <cmath>

#include "vehicles/vehicle.h"
#include "vehicles/vehicle_geom.h"
#include "world/contact.h"
#include "world/wld.h"

TruckObj* truck_current = nullptr;

namespace {

enum { FRONT_LEFT, FRONT_RIGHT, REAR_LEFT, REAR_RIGHT };

const dReal WHEEL_RADIUS = 0.2, WHEEL_LENGTH = 0.15;
const dReal AXLE_X = 0.45, TRACK_Y = 0.35, WHEEL_DROP = 0.15, ANCHOR_INSET = 0.1;
const dReal WHEELBASE = 0.9, ANCHOR_TRACK = 0.5;
const dReal TOP_SPEED = 12.0;  // rad/s of the rear wheels at full throttle
const dReal DRIVE_FORCE = 0.32, DRAG_FORCE = 0.07;
const dReal STEER_RANGE = 0.6, STEER_DEADBAND = 0.05, STRAIGHT = 1000;
const dReal STEER_GAIN = 20, STEER_ERROR_MAX = 0.3, STEER_FORCE = 105, STEER_STOP = 0.75;

void onSteer(const char* text) {
    float s;
    if (truck_current && vehicle_setting(text, &s)) truck_current->steer = s;
}

void onAccel(const char* text) {
    float s;
    if (truck_current && vehicle_setting(text, &s)) truck_current->throttle = s;
}

const VehicleListener LISTENERS[] = {{"accelcontrol", onAccel}, {"steer", onSteer}};

}  // namespace

TruckDrive truck_driveTargets(float throttle, float steer, dReal vPrev, bool active) {
    TruckDrive d;
    if (throttle != 0) {
        d.drive = 0.3 * (TOP_SPEED * throttle) + 0.7 * vPrev;
        d.driveForce = DRIVE_FORCE;
        d.front = 0;
        d.frontForce = 0;
    } else {
        d.drive = d.front = fabs(vPrev) < 0.1 ? 0 : 0.6 * vPrev;
        d.driveForce = d.frontForce = DRAG_FORCE;
    }
    if (!active) d.drive = d.front = 0;
    dReal delta = STEER_RANGE * steer;
    d.steerLeft = d.steerRight = delta;
    d.radius[0] = d.radius[1] = d.radius[2] = STRAIGHT;
    if (delta > STEER_DEADBAND) {
        dReal r = WHEELBASE / tan(delta);
        d.steerLeft = atan(WHEELBASE / (r + ANCHOR_TRACK));
        d.radius[0] = r + ANCHOR_TRACK;
        d.radius[1] = r;
        d.radius[2] = r + ANCHOR_TRACK / 2;
    } else if (delta < -STEER_DEADBAND) {
        dReal r = WHEELBASE / tan(-delta);
        d.steerRight = -atan(WHEELBASE / (r + ANCHOR_TRACK));
        d.radius[0] = r;
        d.radius[1] = r + ANCHOR_TRACK;
        d.radius[2] = r + ANCHOR_TRACK / 2;
    }
    return d;
}

DynamicWorldObj* truck_create(const dReal pos[3], int grappleKind) {
    return new TruckObj(pos, grappleKind);
}

TruckObj::TruckObj(const dReal p[3], int grappleKind)
    : CompositeVehicle("truck", vehicle_records.truck, wld_world()),
      active(false),
      throttle(0),
      steer(0) {
    dBodySetPosition(body, p[0], p[1], p[2]);
    dBodySetAutoDisableFlag(body, 0);
    dMass m;
    dMassSetBox(&m, 1, 1.2, 0.7, 0.04);
    dMassAdjust(&m, 0.5);
    dBodySetMass(body, &m);
    space = vehicle_createSpace();
    chassis = dCreateBox(space, 1.2, 0.7, 0.4);
    setCollision(chassis, this, CAT_CHASSIS);
    dGeomSetBody(chassis, body);
    dGeomSetOffsetPosition(chassis, 0, 0, 0.1);

    const dReal sideX[TRUCK_WHEELS] = {AXLE_X, AXLE_X, -AXLE_X, -AXLE_X};
    const dReal sideY[TRUCK_WHEELS] = {1, -1, 1, -1};
    for (int i = 0; i < TRUCK_WHEELS; i++) {
        const dReal wp[3] = {p[0] + sideX[i], p[1] + sideY[i] * TRACK_Y, p[2] - WHEEL_DROP};
        wheels[i] = vehicle_makeWheel(vehicle_records.truckWheel, wp, WHEEL_RADIUS, WHEEL_LENGTH,
                                      space, CAT_WHEEL);
        if (sideY[i] < 0) {  // right-hand wheels face outwards too
            dMatrix3 turn, r;
            dRFromAxisAndAngle(turn, 0, 0, 1, M_PI);
            dMultiply0_333(r, turn, dBodyGetRotation(wheels[i]->body));
            dBodySetRotation(wheels[i]->body, r);
        }
        dJointID j = dJointCreateHinge2(wld_world(), nullptr);
        dJointAttach(j, body, wheels[i]->body);
        dJointSetHinge2Anchor(j, wp[0], wp[1] - sideY[i] * ANCHOR_INSET, wp[2]);
        const dReal steerAxis[3] = {0, 0, 1}, rollAxis[3] = {0, 1, 0};
        dJointSetHinge2Axes(j, steerAxis, rollAxis);
        dJointSetHinge2Param(j, dParamSuspensionERP, 0.12);
        dJointSetHinge2Param(j, dParamSuspensionCFM, 0.28);
        dJointSetHinge2Param(j, dParamCFM, 0.08);
        wheelJoints[i] = j;
        parts_add(parts, wheels[i]);
    }
    for (int i = REAR_LEFT; i <= REAR_RIGHT; i++) {
        dJointSetHinge2Param(wheelJoints[i], dParamLoStop, 0);
        dJointSetHinge2Param(wheelJoints[i], dParamHiStop, 0);
        dJointSetHinge2Param(wheelJoints[i], dParamStopERP, 0.99);
        dJointSetHinge2Param(wheelJoints[i], dParamStopCFM, 0.01);
    }
    const dReal anchor[3] = {p[0], p[1], p[2] + 0.2};
    crane = new Crane(anchor, space, grappleKind);
    parts_addDrawn(parts, crane);  // posed by its own update, after the wheels
    slew = dJointCreateHinge(wld_world(), nullptr);
    dJointAttach(slew, body, crane->base);
    dJointSetHingeAnchor(slew, anchor[0], anchor[1], anchor[2]);
    dJointSetHingeAxis(slew, 0, 0, 1);
    dJointSetHingeParam(slew, dParamCFM, 0.05);
    dJointSetHingeParam(slew, dParamFMax, 5.0);
    crane->slew = slew;
    truck_current = this;
}

TruckObj::~TruckObj() {
    setActive(false);
    crane->slew = nullptr;
    dJointDestroy(slew);
    dGeomDestroy(chassis);
    dSpaceDestroy(space);
    for (int i = 0; i < TRUCK_WHEELS; i++) {
        dJointDestroy(wheelJoints[i]);
        delete wheels[i];
    }
    delete crane;
    if (truck_current == this) truck_current = nullptr;
}

void TruckObj::setActive(bool on) {
    if (on == active) return;
    active = on;
    crane->setActive(on);
    vehicle_listen(LISTENERS, 2, on);
    if (on) {
        dBodyEnable(body);
        return;
    }
    dBodyDisable(body);
    for (CylObj* w : wheels) dBodyDisable(w->body);
}

bool TruckObj::isActive() { return active; }

bool TruckObj::getWheelSpin(dGeomID geom, float& spin) {
    dBodyID b = dGeomGetBody(geom);
    if (!b) return false;
    for (CylObj* w : wheels) {
        if (w->body != b) continue;
        const dReal* av = dBodyGetAngularVel(b);
        spin = (float)sqrt(av[0] * av[0] + av[1] * av[1] + av[2] * av[2]);
        return true;
    }
    return false;
}

vec3f TruckObj::getPosition() { return crane->beamC->getPosition(); }

void TruckObj::update(float dt) {
    DynamicWorldObj::update(dt);
    dReal vPrev = -(dJointGetHinge2Param(wheelJoints[REAR_LEFT], dParamVel2) +
                    dJointGetHinge2Param(wheelJoints[REAR_RIGHT], dParamVel2)) /
                  2;
    TruckDrive d = truck_driveTargets(throttle, steer, vPrev, active);
    const dReal target[2] = {d.steerLeft, d.steerRight};
    for (int i = FRONT_LEFT; i <= FRONT_RIGHT; i++) {
        dJointID j = wheelJoints[i];
        dReal e = clampTo(target[i] - dJointGetHinge2Angle1(j), -STEER_ERROR_MAX, STEER_ERROR_MAX);
        dJointSetHinge2Param(j, dParamVel, active ? STEER_GAIN * e : 0);
        dJointSetHinge2Param(j, dParamFMax, STEER_FORCE);
        dJointSetHinge2Param(j, dParamLoStop, -STEER_STOP);
        dJointSetHinge2Param(j, dParamHiStop, STEER_STOP);
        dJointSetHinge2Param(j, dParamFudgeFactor, 0.1);
    }
    for (int i = REAR_LEFT; i <= REAR_RIGHT; i++) {
        dReal ratio = d.radius[i - REAR_LEFT] / d.radius[2];
        dJointSetHinge2Param(wheelJoints[i], dParamVel2, -d.drive * ratio);
        dJointSetHinge2Param(wheelJoints[i], dParamFMax2, d.driveForce);
    }
    dJointSetHinge2Param(wheelJoints[FRONT_LEFT], dParamVel2, -d.front);
    dJointSetHinge2Param(wheelJoints[FRONT_LEFT], dParamFMax2, d.frontForce);
    bodyPoseToMatrix(body, modelMatrix);
    parts_update(parts, dt);
    crane->update(dt);
}
