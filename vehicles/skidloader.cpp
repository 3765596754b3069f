#include "vehicles/skidloader.h"

#include <cmath>
#include <cstring>

#include "bus/bus.h"
#include "geom/records.h"
#include "vehicles/forklift.h"
#include "vehicles/vehicle.h"
#include "world/contact.h"
#include "world/wld.h"

SkidLoader* skidloader_current = nullptr;

const dReal SKIDLOADER_ARM_MIN = -0.03 * M_PI, SKIDLOADER_ARM_MAX = 0.45 * M_PI;
const dReal SKIDLOADER_BUCKET_MIN = -0.42 * M_PI, SKIDLOADER_BUCKET_MAX = 0.19 * M_PI;

namespace {

const dReal WHEEL_RADIUS = 0.2, WHEEL_LENGTH = 0.15;
const dReal WHEEL_AT[SKIDLOADER_WHEELS][3] = {
    {0.3, 0.35, -0.1}, {0.3, -0.35, -0.1}, {-0.3, 0.35, -0.1}, {-0.3, -0.35, -0.1}};
const dReal ARM_AT[3] = {0, 0, 0.2};
const dReal ARM_HINGE_AT[3] = {-0.35, 0, 0.2};
const dReal BUCKET_AT[3] = {0.55, 0, -0.3};  // from the arm

const dReal TOP_SPEED = 7, DRIVE_LAG = 0.05, IDLE_FORCE = 0.05;
const dReal LEVER_GAIN = 0.5;
const dReal SLEEP_ANGULAR = 0.08, SLEEP_LINEAR = 0.05;

const BoxSpec CHASSIS_BOXES[2] = {
    {{1.0, 0.4, 0.3}, {-0.1, 0, -0.05}},
    {{0.64, 0.36, 0.4}, {-0.15, 0, 0.3}},
};
const BoxSpec ARM_BOXES[2] = {
    {{1.0, 0.05, 0.15}, {0, 0.225, 0}},
    {{1.0, 0.05, 0.15}, {0, -0.225, 0}},
};
const BoxSpec BUCKET_BOXES[4] = {
    {{0.2, 0.02, 0.3}, {0.17, -0.39, 0.01}},  // side plates
    {{0.2, 0.02, 0.3}, {0.17, 0.39, 0.01}},
    {{0.3, 0.8, 0.02}, {0.2, 0, -0.15}},   // bottom
    {{0.02, 0.76, 0.3}, {0.06, 0, 0.01}},  // back
};

void setStops(dJointID hinge, dReal lo, dReal hi, dReal fudge, dReal stopErp) {
    dJointSetHingeParam(hinge, dParamLoStop, lo);
    dJointSetHingeParam(hinge, dParamHiStop, hi);
    dJointSetHingeParam(hinge, dParamCFM, 0.15);
    dJointSetHingeParam(hinge, dParamFMax, 3.0);
    dJointSetHingeParam(hinge, dParamFudgeFactor, fudge);
    dJointSetHingeParam(hinge, dParamBounce, 0);
    dJointSetHingeParam(hinge, dParamStopERP, stopErp);
    dJointSetHingeParam(hinge, dParamStopCFM, 0.1);
}

dJointID makeHinge(dBodyID b1, dBodyID b2, const dReal at[3]) {
    dJointID j = dJointCreateHinge(wld_world(), nullptr);
    dJointAttach(j, b1, b2);
    dJointSetHingeAnchor(j, at[0], at[1], at[2]);
    dJointSetHingeAxis(j, 0, 1, 0);
    return j;
}

void onCraneControl(const char* text) {
    char tag[80];
    argString(text, "tag", tag, sizeof tag);
    float s;
    if (skidloader_current && vehicle_setting(text, &s)) skidloader_current->control(tag, s);
}

const VehicleListener LISTENERS[] = {{"cranecontrol", onCraneControl}};

}  // namespace

// ------------------------------------------------------------------- parts

SkidLoaderBucket::SkidLoaderBucket(const dReal pos[3], dSpaceID space)
    : DynamicWorldObj("bucket", &geom_skidloader_bucket, wld_world()) {
    dBodySetPosition(body, pos[0], pos[1], pos[2]);
    setBoxMass(body, 0.8, 0.8, 0.15, 0.15);
    for (const BoxSpec& b : BUCKET_BOXES) attachBox(body, this, space, b.size, b.offset, CAT_PART);
}

SkidLoaderArm::SkidLoaderArm(const dReal pos[3], dSpaceID space)
    : CompositeObj("arm", &geom_skidloader_arm, wld_world()) {
    dBodySetPosition(body, pos[0], pos[1], pos[2]);
    setBoxMass(body, 0.8, 1.0, 0.4, 0.15);
    for (const BoxSpec& b : ARM_BOXES) attachBox(body, this, space, b.size, b.offset, CAT_PART);
    const dReal at[3] = {pos[0] + BUCKET_AT[0], pos[1] + BUCKET_AT[1], pos[2] + BUCKET_AT[2]};
    bucket = new SkidLoaderBucket(at, space);
    parts_add(parts, bucket);
    bucketHinge = makeHinge(body, bucket->body, at);
    setStops(bucketHinge, SKIDLOADER_BUCKET_MIN, SKIDLOADER_BUCKET_MAX, 0.01, 0.4);
}

SkidLoaderArm::~SkidLoaderArm() {
    dJointDestroy(bucketHinge);
    delete bucket;
}

// ------------------------------------------------------------- skid loader

SkidLoader::SkidLoader(const dReal p[3])
    : CompositeVehicle("skidLoader", &geom_skidloader, wld_world()),
      active(false),
      leftSetting(0),
      rightSetting(0) {
    space = vehicle_createSpace();
    dBodySetPosition(body, p[0], p[1], p[2]);
    setBoxMass(body, 0.7, 1.0, 0.4, 0.3);
    for (int i = 0; i < 2; i++)
        chassis[i] = attachBox(body, this, space, CHASSIS_BOXES[i].size, CHASSIS_BOXES[i].offset,
                               CAT_CHASSIS);

    for (int i = 0; i < SKIDLOADER_WHEELS; i++) {
        const dReal* d = WHEEL_AT[i];
        const dReal at[3] = {p[0] + d[0], p[1] + d[1], p[2] + d[2]};
        wheels[i] = vehicle_makeWheel(&geom_skidloader_wheel, at, WHEEL_RADIUS, WHEEL_LENGTH, space,
                                      CAT_LOADER_WHEEL);
        if (i % 2) {
            // Right-hand wheels face outward: a further half turn about world z.
            dMatrix3 half, r;
            dRFromAxisAndAngle(half, 0, 0, 1, M_PI);
            dMultiply0(r, half, dBodyGetRotation(wheels[i]->body), 3, 3, 3);
            dBodySetRotation(wheels[i]->body, r);
        }
    }
    for (int i = 0; i < SKIDLOADER_WHEELS; i++) {
        wheelJoints[i] = makeHinge(body, wheels[i]->body, dBodyGetPosition(wheels[i]->body));
        dJointSetHingeParam(wheelJoints[i], dParamCFM, 0.08);
    }

    const dReal armAt[3] = {p[0] + ARM_AT[0], p[1] + ARM_AT[1], p[2] + ARM_AT[2]};
    arm = new SkidLoaderArm(armAt, space);
    for (CylObj* w : wheels) parts_add(parts, w);
    parts_add(parts, arm);
    const dReal hingeAt[3] = {p[0] + ARM_HINGE_AT[0], p[1] + ARM_HINGE_AT[1],
                              p[2] + ARM_HINGE_AT[2]};
    armHinge = makeHinge(body, arm->body, hingeAt);
    setStops(armHinge, 0, SKIDLOADER_ARM_MAX, 0.05, 0.5);

    vehicle_setSleepThresholds(arm->body, SLEEP_ANGULAR, SLEEP_LINEAR);
    vehicle_setSleepThresholds(body, SLEEP_ANGULAR, SLEEP_LINEAR);
    for (CylObj* w : wheels) {
        vehicle_setSleepThresholds(w->body, SLEEP_ANGULAR, SLEEP_LINEAR);
        dBodyDisable(w->body);
    }
    skidloader_current = this;
}

SkidLoader::~SkidLoader() {
    setActive(false);
    dJointDestroy(armHinge);
    for (dGeomID g : chassis) dGeomDestroy(g);
    delete arm;
    for (int i = 0; i < SKIDLOADER_WHEELS; i++) {
        dJointDestroy(wheelJoints[i]);
        delete wheels[i];
    }
    dSpaceDestroy(space);
    // Nothing may reach a destroyed loader through the current pointer.
    if (skidloader_current == this) skidloader_current = nullptr;
}

void SkidLoader::setActive(bool on) {
    active = on;
    vehicle_listen(LISTENERS, 1, on);
    if (on) {
        dBodyEnable(body);
        return;
    }
    dJointSetHingeParam(armHinge, dParamVel, 0);
    dBodyDisable(body);
    dBodyDisable(arm->body);
    dBodyDisable(arm->bucket->body);
    for (CylObj* w : wheels) dBodyDisable(w->body);
}

bool SkidLoader::isActive() { return active; }

bool SkidLoader::getWheelSpin(dGeomID geom, float& spin) {
    for (CylObj* w : wheels) {
        if (vehicle_wheelSpinOf(w, geom, spin)) return true;
    }
    return false;
}

void SkidLoader::control(const char* tag, float s) {
    if (!strcmp(tag, "elevate")) {
        dJointSetHingeParam(armHinge, dParamVel, LEVER_GAIN * s);
        dBodyEnable(arm->body);
        dBodyEnable(body);
        vehicle_ratchetHinge(armHinge, s, SKIDLOADER_ARM_MIN, SKIDLOADER_ARM_MAX);
        return;
    }
    if (!strcmp(tag, "bucket")) {
        dJointSetHingeParam(arm->bucketHinge, dParamVel, LEVER_GAIN * s);
        dBodyEnable(arm->body);
        dBodyEnable(body);
        vehicle_ratchetHinge(arm->bucketHinge, s, SKIDLOADER_BUCKET_MIN, SKIDLOADER_BUCKET_MAX);
        return;
    }
    if (!strcmp(tag, "left"))
        leftSetting = s;
    else if (!strcmp(tag, "right"))
        rightSetting = s;
    else
        return;
    char msg[80];
    format80(msg, "accelcontrol setting=%f", 0.5 * fabsf(leftSetting) + 0.5 * fabsf(rightSetting));
    postMessage(msg);
}

void SkidLoader::update(float dt) {
    DynamicWorldObj::update(dt);

    // Each side's commanded speed lags its lever by 5 % a frame.
    dReal a[SKIDLOADER_WHEELS];
    for (int i = 0; i < SKIDLOADER_WHEELS; i++)
        a[i] = dJointGetHingeParam(wheelJoints[i], dParamVel);
    dReal target[2] = {0, 0}, force[2] = {IDLE_FORCE, IDLE_FORCE};  // left, right
    if (active) {
        const float setting[2] = {leftSetting, rightSetting};
        for (int side = 0; side < 2; side++) {
            dReal previous = (a[side] + a[side + 2]) / 2;
            target[side] = (1 - DRIVE_LAG) * previous - DRIVE_LAG * TOP_SPEED * setting[side];
            force[side] = 0.5 * fabsf(setting[side]) + 0.2;
        }
    }
    for (int i = 0; i < SKIDLOADER_WHEELS; i++) {
        dJointSetHingeParam(wheelJoints[i], dParamVel, target[i % 2]);
        dJointSetHingeParam(wheelJoints[i], dParamFMax, force[i % 2]);
    }

    bodyPoseToMatrix(body, modelMatrix);
    parts_update(parts, dt);
}
