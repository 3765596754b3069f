#include "vehicles/racer.h"

#include <cmath>

#include "geom/records.h"
#include "vehicles/vehicle.h"
#include "world/contact.h"
#include "world/props_basic.h"
#include "world/wld.h"

namespace {

const dReal AXLE_AT[RACER_AXLES][3] = {{-0.5, 0, -0.05}, {0.5, 0, -0.1}};
const WheelDisc REAR_WHEELS[2] = {{0.2, 0.2, -0.35}, {0.2, 0.2, 0.35}};
const WheelDisc FRONT_WHEELS[2] = {{0.14, 0.1, -0.275}, {0.14, 0.1, 0.275}};
const dReal REAR_DENSITY = 2.5, FRONT_DENSITY = 0.5;
const dReal AXLE_DAMPING = 0.002, STOPPED_DAMPING = 0.005;

const dReal BODY[3] = {1.45, 0.4, 0.2};
const dReal CAPSULE_RADIUS = 0.1, CAPSULE_LENGTH = 0.5;
const dReal CAPSULE_AT[3] = {-0.3, 0, 0.1};

// The drive: engaged at a crawl, then 9 rad/s faster per second to 40.
const dReal START_SPEED = -0.1, TOP_SPEED = -40.0, SPIN_UP = 9.0, DRIVE_FORCE = 10.0;

}  // namespace

RacerAxle::RacerAxle(const dReal pos[3], bool rear, dSpaceID space)
    : AxleObj(rear ? &geom_racer_axle_rear : &geom_racer_axle_front, pos,
              rear ? REAR_DENSITY : FRONT_DENSITY, rear ? REAR_WHEELS : FRONT_WHEELS, 2, space) {}

Racer::Racer(const dReal p[3]) : CompositeVehicle("racer", &geom_racer, wld_world()) {
    space = vehicle_createSpace();
    setBoxMass(body, 0.6, BODY[0], BODY[1], BODY[2]);
    chassis[0] = attachBox(body, this, space, BODY, nullptr, CAT_PART);
    chassis[1] = dCreateCapsule(space, CAPSULE_RADIUS, CAPSULE_LENGTH);
    setCollision(chassis[1], this, CAT_PART);
    dGeomSetBody(chassis[1], body);
    dMatrix3 r;
    dRFromAxisAndAngle(r, 0, 1, 0, M_PI / 2);  // lying along x
    dGeomSetOffsetRotation(chassis[1], r);
    dGeomSetOffsetPosition(chassis[1], CAPSULE_AT[0], CAPSULE_AT[1], CAPSULE_AT[2]);
    dBodySetPosition(body, p[0], p[1], p[2]);
    for (int i = 0; i < RACER_AXLES; i++) {
        const dReal at[3] = {p[0] + AXLE_AT[i][0], p[1] + AXLE_AT[i][1], p[2] + AXLE_AT[i][2]};
        axles[i] = new RacerAxle(at, i == RACER_REAR, space);
        parts_add(parts, axles[i]);
        joints[i] = vehicle_axleJoint(body, axles[i]->body);
        dBodySetAngularDamping(axles[i]->body, AXLE_DAMPING);
    }
}

Racer::~Racer() {
    for (int i = 0; i < RACER_AXLES; i++) {
        dJointDestroy(joints[i]);
        delete axles[i];
    }
    for (dGeomID g : chassis) dGeomDestroy(g);
    dSpaceDestroy(space);
}

void Racer::setActive(bool) {}
bool Racer::isActive() { return false; }

bool Racer::getWheelSpin(dGeomID geom, float& spin) {
    for (RacerAxle* a : axles) {
        if (!a->hasGeom(geom)) continue;
        spin = a->spin();
        return true;
    }
    return false;
}

void Racer::startRacer() {
    dBodyEnable(body);
    for (RacerAxle* a : axles) dBodyEnable(a->body);
    dJointSetHinge2Param(joints[RACER_REAR], dParamVel2, START_SPEED);
    dJointSetHinge2Param(joints[RACER_REAR], dParamFMax2, DRIVE_FORCE);
}

void Racer::stopRacer() {
    dJointSetHinge2Param(joints[RACER_REAR], dParamFMax2, 0);
    for (RacerAxle* a : axles) dBodySetAngularDamping(a->body, STOPPED_DAMPING);
}

void Racer::update(float dt) {
    parts_update(parts, dt);
    dJointID drive = joints[RACER_REAR];
    dReal v = dJointGetHinge2Param(drive, dParamVel2);
    if (v < 0) dJointSetHinge2Param(drive, dParamVel2, fmax(v - SPIN_UP * dt, TOP_SPEED));
    DynamicWorldObj::update(dt);
}
