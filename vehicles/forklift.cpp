#include "vehicles/forklift.h"

#include <cmath>
#include <cstring>

#include "bus/bus.h"
#include "geom/records.h"
#include "vehicles/vehicle.h"
#include "world/contact.h"
#include "world/wld.h"

ForkLift* forklift_current = nullptr;

const dReal FORKLIFT_LIFT_MIN = -0.6, FORKLIFT_LIFT_MAX = 0.35;
const dReal FORKLIFT_TILT_MIN = -0.04 * M_PI, FORKLIFT_TILT_MAX = 0.2 * M_PI;

namespace {

enum { FRONT_LEFT, FRONT_RIGHT, REAR_LEFT, REAR_RIGHT };

const dReal WHEEL_LENGTH = 0.1;
const dReal FRONT_RADIUS = 0.15, REAR_RADIUS = 0.12;
// Wheel centres from the chassis origin, in wheel order.
const dReal WHEEL_AT[FORKLIFT_WHEELS][3] = {
    {0.65, 0.28, -0.15}, {0.65, -0.28, -0.15}, {-0.11, 0.28, -0.19}, {-0.11, -0.28, -0.19}};
const dReal ARM_AT[3] = {0.79, 0, 0.3};
const dReal CARRIAGE_AT[3] = {0.07, 0, 0.2};  // from the arm
const dReal TILT_ANCHOR[3] = {0.79, 0, 0.15};

const dReal TOP_SPEED = 14, DRIVE_LAG = 0.05, HOLD_FORCE = 0.35;
const dReal STEER_RANGE = 0.8, STEER_GAIN = 20, STEER_ERROR_MAX = 0.3;
const dReal STEER_FORCE = 5.0, STEER_STOP = 0.85;
const dReal LEVER_GAIN = 0.25, LEVER_FORCE = 3.0, REST_FORCE = 0.6;
const dReal SLEEP_ANGULAR = 0.08, SLEEP_LINEAR = 0.05;

const BoxSpec CHASSIS_BOXES[2] = {
    {{1.0, 0.64, 0.3}, {0.15, 0, -0.05}, 0},  // frame and counterweight
    {{0.64, 0.6, 0.4}, {0.2, 0, 0.3}, 0},     // cab under the guard
};

const BoxSpec CARRIAGE_BOXES[5] = {
    {{0.04, 0.61, 0.5}, {0, 0, 0}, 0},                    // back plate
    {{0.49, 0.1, 0.025}, {0.275, -0.2, -0.26}, 0},        // right tine
    {{0.49, 0.1, 0.025}, {0.275, 0.2, -0.26}, 0},         // left tine
    {{0.06, 0.06, 0.02}, {0.47, -0.2, -0.26}, M_PI / 4},  // right tip
    {{0.06, 0.06, 0.02}, {0.47, 0.2, -0.26}, M_PI / 4},   // left tip
};

void onSteer(const char* text) {
    float s;
    if (forklift_current && vehicle_setting(text, &s)) forklift_current->steerSetting = s;
}

void onAccel(const char* text) {
    float s;
    if (forklift_current && vehicle_setting(text, &s)) forklift_current->accelSetting = s;
}

void onCraneControl(const char* text) {
    char tag[80];
    argString(text, "tag", tag, sizeof tag);
    float s;
    if (forklift_current && vehicle_setting(text, &s)) forklift_current->control(tag, s);
}

const VehicleListener LISTENERS[] = {
    {"cranecontrol", onCraneControl}, {"steer", onSteer}, {"accelcontrol", onAccel}};

}  // namespace

// ------------------------------------------------------------------- parts

ForkLiftWheel::ForkLiftWheel(geomdesc* g, const dReal pos[3], dReal radius, dSpaceID space)
    : CylObj(g, pos, radius, WHEEL_LENGTH) {
    vehicle_moveToSpace(cylinder, space);
    dGeomSetCategoryBits(cylinder, CAT_WHEEL);
    dBodySetAutoDisableFlag(body, 0);
    dBodySetLinearVel(body, 0, 0, 0);
    dBodySetAngularVel(body, 0, 0, 0);
}

ForkLiftCarriage::ForkLiftCarriage(const dReal pos[3], dSpaceID space)
    : DynamicWorldObj("carriage", &geom_forklift_carriage, wld_world()) {
    dBodySetPosition(body, pos[0], pos[1], pos[2]);
    setBoxMass(body, 0.8, 0.1, 0.4, 1.0);
    for (const BoxSpec& b : CARRIAGE_BOXES)
        vehicle_attachTurnedBox(body, this, space, b, CAT_GRIP, TURN_ABOUT_Z);
}

ForkLiftArm::ForkLiftArm(const dReal pos[3], dSpaceID space)
    : CompositeObj("arm", &geom_forklift_mast, wld_world()) {
    dBodySetPosition(body, pos[0], pos[1], pos[2]);
    setBoxMass(body, 0.8, 1.0, 0.4, 0.15);
    const dReal mast[3] = {0.1, 0.4, 1.0};
    attachBox(body, this, space, mast, nullptr, CAT_PART);
    const dReal at[3] = {pos[0] + CARRIAGE_AT[0], pos[1] + CARRIAGE_AT[1], pos[2] + CARRIAGE_AT[2]};
    carriage = new ForkLiftCarriage(at, space);
    parts_add(parts, carriage);
    lift = dJointCreateSlider(wld_world(), nullptr);
    dJointAttach(lift, body, carriage->body);
    dJointSetSliderAxis(lift, 0, 0, -1);
    dJointSetSliderParam(lift, dParamLoStop, FORKLIFT_LIFT_MIN);
    dJointSetSliderParam(lift, dParamHiStop, FORKLIFT_LIFT_MAX);
    dJointSetSliderParam(lift, dParamCFM, 0.15);
    dJointSetSliderParam(lift, dParamFMax, LEVER_FORCE);
    dJointSetSliderParam(lift, dParamFudgeFactor, 0.01);
    dJointSetSliderParam(lift, dParamBounce, 0);
    dJointSetSliderParam(lift, dParamStopERP, 0.4);
    dJointSetSliderParam(lift, dParamStopCFM, 0.1);
}

ForkLiftArm::~ForkLiftArm() {
    dJointDestroy(lift);
    delete carriage;
}

vec3f ForkLiftArm::getPosition() { return carriage->getPosition(); }

// --------------------------------------------------------------- fork lift

ForkLift::ForkLift(const dReal p[3])
    : CompositeVehicle("forkLift", &geom_forklift, wld_world()),
      active(false),
      accelSetting(0),
      steerSetting(0) {
    space = vehicle_createSpace();
    dBodySetPosition(body, p[0], p[1], p[2]);
    setBoxMass(body, 1.7, 1.0, 0.4, 0.3);
    for (int i = 0; i < 2; i++)
        chassis[i] =
            vehicle_attachTurnedBox(body, this, space, CHASSIS_BOXES[i], CAT_CHASSIS, TURN_ABOUT_Z);

    for (int i = 0; i < FORKLIFT_WHEELS; i++) {
        const dReal* d = WHEEL_AT[i];
        const dReal at[3] = {p[0] + d[0], p[1] + d[1], p[2] + d[2]};
        bool front = i < REAR_LEFT;
        wheels[i] =
            new ForkLiftWheel(front ? &geom_forklift_wheel_front : &geom_forklift_wheel_rear, at,
                              front ? FRONT_RADIUS : REAR_RADIUS, space);
        if (i % 2) {
            // Right-hand wheels face outward: a further half turn about world z.
            dMatrix3 half, r;
            dRFromAxisAndAngle(half, 0, 0, 1, M_PI);
            dMultiply0(r, half, dBodyGetRotation(wheels[i]->body), 3, 3, 3);
            dBodySetRotation(wheels[i]->body, r);
        }
    }
    for (int i = 0; i < FORKLIFT_WHEELS; i++) {
        const dReal* c = dBodyGetPosition(wheels[i]->body);
        if (i < REAR_LEFT) {
            dJointID j = dJointCreateHinge(wld_world(), nullptr);
            dJointAttach(j, body, wheels[i]->body);
            dJointSetHingeAnchor(j, c[0], c[1], c[2]);
            dJointSetHingeAxis(j, 0, 1, 0);
            dJointSetHingeParam(j, dParamCFM, 0.08);
            wheelJoints[i] = j;
        } else {
            dJointID j = dJointCreateHinge2(wld_world(), nullptr);
            dJointAttach(j, body, wheels[i]->body);
            dJointSetHinge2Anchor(j, c[0], c[1], c[2]);
            const dReal up[3] = {0, 0, 1}, across[3] = {0, 1, 0};
            dJointSetHinge2Axes(j, up, across);
            dJointSetHinge2Param(j, dParamSuspensionERP, 0.22);
            dJointSetHinge2Param(j, dParamSuspensionCFM, 0.06);
            dJointSetHinge2Param(j, dParamCFM, 0.08);
            wheelJoints[i] = j;
        }
    }

    const dReal armAt[3] = {p[0] + ARM_AT[0], p[1] + ARM_AT[1], p[2] + ARM_AT[2]};
    arm = new ForkLiftArm(armAt, space);
    for (ForkLiftWheel* w : wheels) parts_add(parts, w);
    parts_add(parts, arm);
    tilt = dJointCreateHinge(wld_world(), nullptr);
    dJointAttach(tilt, body, arm->body);
    dJointSetHingeAnchor(tilt, p[0] + TILT_ANCHOR[0], p[1] + TILT_ANCHOR[1], p[2] + TILT_ANCHOR[2]);
    dJointSetHingeAxis(tilt, 0, 1, 0);
    dJointSetHingeParam(tilt, dParamLoStop, FORKLIFT_TILT_MIN);
    dJointSetHingeParam(tilt, dParamHiStop, FORKLIFT_TILT_MAX);
    dJointSetHingeParam(tilt, dParamCFM, 0.15);
    dJointSetHingeParam(tilt, dParamFMax, LEVER_FORCE);
    dJointSetHingeParam(tilt, dParamFudgeFactor, 0.05);
    dJointSetHingeParam(tilt, dParamBounce, 0);
    dJointSetHingeParam(tilt, dParamStopERP, 0.5);
    dJointSetHingeParam(tilt, dParamStopCFM, 0.1);

    control("elevate", 0);
    control("rotate", 0);

    // Built asleep. The carriage sleeps too: an awake carriage would wake the
    // mast through its slider, and through it the whole machine, at once.
    vehicle_setSleepThresholds(arm->body, SLEEP_ANGULAR, SLEEP_LINEAR);
    vehicle_setSleepThresholds(body, SLEEP_ANGULAR, SLEEP_LINEAR);
    dBodyDisable(body);
    dBodyDisable(arm->body);
    dBodyDisable(arm->carriage->body);
    for (ForkLiftWheel* w : wheels) {
        vehicle_setSleepThresholds(w->body, SLEEP_ANGULAR, SLEEP_LINEAR);
        dBodyDisable(w->body);
    }
    forklift_current = this;
}

ForkLift::~ForkLift() {
    setActive(false);
    dJointDestroy(tilt);
    delete arm;
    for (int i = 0; i < FORKLIFT_WHEELS; i++) {
        dJointDestroy(wheelJoints[i]);
        delete wheels[i];
    }
    for (dGeomID g : chassis) dGeomDestroy(g);
    dSpaceDestroy(space);
    if (forklift_current == this) forklift_current = nullptr;
}

void ForkLift::setActive(bool on) {
    active = on;
    vehicle_listen(LISTENERS, 3, on);
    if (on) {
        dBodyEnable(body);
        return;
    }
    dJointSetHingeParam(tilt, dParamVel, 0);
    dBodyDisable(body);
    dBodyDisable(arm->body);
    dBodyDisable(arm->carriage->body);
    for (ForkLiftWheel* w : wheels) dBodyDisable(w->body);
}

bool ForkLift::isActive() { return active; }

bool ForkLift::getWheelSpin(dGeomID geom, float& spin) {
    for (ForkLiftWheel* w : wheels) {
        if (vehicle_wheelSpinOf(w, geom, spin)) return true;
    }
    return false;
}

vec3f ForkLift::getWheelPosition(int i) {
    if (i < 0 || i >= FORKLIFT_WHEELS) return getPosition();
    const float* m = wheels[i]->modelMatrix;
    return {m[12], m[13], m[14]};
}

bool ForkLift::isAlmostStopped() {
    const dReal* v = dBodyGetLinearVel(body);
    const float* m = modelMatrix;
    return fabs(v[0] * m[0] + v[1] * m[1] + v[2] * m[2]) < 0.2;
}

vec3f ForkLift::getPosition() { return arm->getPosition(); }

// A motor held at velocity 0 on a stop pushes into it with its full force
// (the physics library's rule for a powered joint at a limit), many times
// the weight it carries, and the soft stop gives: released tines would sink
// millimetres below where they were let go. So while a lever rests its motor
// lets go: the mast is held between both stops at its angle; the lift keeps
// a fifth of its force, enough that tines driven into a pallet do not ride
// up on it, too little to sink them into the stop they rest on.
void ForkLift::control(const char* tag, float s) {
    bool released = fabsf(s) < VEHICLE_LEVER_RELEASED;
    dReal force = released ? 0 : LEVER_FORCE;
    if (!strcmp(tag, "elevate")) {
        dJointSetSliderParam(arm->lift, dParamVel, LEVER_GAIN * s);
        dJointSetSliderParam(arm->lift, dParamFMax, released ? REST_FORCE : LEVER_FORCE);
        dBodyEnable(arm->body);
        dBodyEnable(body);
        vehicle_ratchetSlider(arm->lift, s, FORKLIFT_LIFT_MIN, FORKLIFT_LIFT_MAX);
    } else if (!strcmp(tag, "rotate")) {
        dJointSetHingeParam(tilt, dParamVel, LEVER_GAIN * s);
        dJointSetHingeParam(tilt, dParamFMax, force);
        dBodyEnable(arm->body);
        dBodyEnable(body);
        vehicle_ratchetHinge(tilt, s, FORKLIFT_TILT_MIN, FORKLIFT_TILT_MAX);
        dReal held = dJointGetHingeParam(tilt, dParamLoStop);
        dJointSetHingeParam(tilt, dParamHiStop, released ? held : FORKLIFT_TILT_MAX);
    }
}

void ForkLift::update(float dt) {
    DynamicWorldObj::update(dt);

    // Drive: the commanded front-wheel speed lags the pedal by 5 % a frame.
    dReal a = dJointGetHingeParam(wheelJoints[FRONT_LEFT], dParamVel);
    dReal b = dJointGetHingeParam(wheelJoints[FRONT_RIGHT], dParamVel);
    dReal target = 0, force = HOLD_FORCE;
    if (active) {
        target = (1 - DRIVE_LAG) * (a + b) / 2 - DRIVE_LAG * TOP_SPEED * accelSetting;
        force = 0.5 * fabsf(accelSetting) + 0.2;
    }
    for (int i = FRONT_LEFT; i <= FRONT_RIGHT; i++) {
        dJointSetHingeParam(wheelJoints[i], dParamVel, target);
        dJointSetHingeParam(wheelJoints[i], dParamFMax, force);
    }

    // Steering: rear wheels, turned opposite to the demand so the fork lift
    // turns the way the wheel is turned.
    dReal desired = -STEER_RANGE * steerSetting;
    dReal velocity[2];
    for (int k = 0; k < 2; k++) {
        dReal e = clampTo(desired - dJointGetHinge2Angle1(wheelJoints[REAR_LEFT + k]),
                          -STEER_ERROR_MAX, STEER_ERROR_MAX);
        velocity[k] = active ? STEER_GAIN * e : 0;
    }
    for (int k = 0; k < 2; k++) {
        dJointID j = wheelJoints[REAR_LEFT + k];
        dJointSetHinge2Param(j, dParamVel, velocity[k]);
        dJointSetHinge2Param(j, dParamFMax, STEER_FORCE);
        dJointSetHinge2Param(j, dParamLoStop, -STEER_STOP);
        dJointSetHinge2Param(j, dParamHiStop, STEER_STOP);
        dJointSetHinge2Param(j, dParamFudgeFactor, 0.1);
    }

    // The small rear wheels spin fast about a turning axle; finite rotation
    // about that axle keeps them from wobbling.
    for (int i = REAR_LEFT; i <= REAR_RIGHT; i++) {
        dVector3 axle;
        dJointGetHinge2Axis2(wheelJoints[i], axle);
        dBodySetFiniteRotationMode(wheels[i]->body, 1);
        dBodySetFiniteRotationAxis(wheels[i]->body, axle[0], axle[1], axle[2]);
    }

    bodyPoseToMatrix(body, modelMatrix);
    parts_update(parts, dt);
}
