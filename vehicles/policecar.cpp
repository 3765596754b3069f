#include "vehicles/policecar.h"

#include <cmath>

#include "geom/records.h"
#include "vehicles/vehicle.h"
#include "world/contact.h"
#include "world/props_basic.h"
#include "world/wld.h"

namespace {

const dReal AXLE_MASS_RADIUS = 0.3;
const dReal AXLE_AT[POLICECAR_AXLES][3] = {{-0.715, 0, -0.18}, {0.735, 0, -0.18}};
const WheelDisc WHEELS[2] = {{0.182, 0.13, -0.4425}, {0.182, 0.13, 0.4425}};
const dReal AXLE_DAMPING = 0.0036;

// Boxes turned about the body's y axis.
const BoxSpec CHASSIS[3] = {
    {{2.4, 1.0, 0.3}, {0, 0, 0}, 0.0349066},  // body, nose slightly down
    {{0.7, 0.9, 0.36}, {-0.2, 0, 0.2}, 0},    // cabin
    {{1.0, 0.9, 0.1}, {0, 0, -0.18}, 0},      // floor pan
};

}  // namespace

// ------------------------------------------------------------------ axles

AxleObj::AxleObj(geomdesc* g, const dReal pos[3], dReal density, const WheelDisc* d, int n,
                 dSpaceID space)
    : DynamicWorldObj("axle", g, wld_world()), numDiscs(n < AXLE_MAX_DISCS ? n : AXLE_MAX_DISCS) {
    dBodySetPosition(body, pos[0], pos[1], pos[2]);
    dMatrix3 r;
    dRFromAxisAndAngle(r, 1, 0, 0, -M_PI / 2);
    dBodySetRotation(body, r);
    dMass m;
    dMassSetSphere(&m, density, AXLE_MASS_RADIUS);
    dBodySetMass(body, &m);
    for (int i = 0; i < numDiscs; i++) {
        discs[i] = dCreateCylinder(space, d[i].radius, d[i].length);
        setCollision(discs[i], this, CAT_PART);
        dGeomSetBody(discs[i], body);
        dGeomSetOffsetPosition(discs[i], 0, 0, d[i].along);
    }
}

bool AxleObj::hasGeom(dGeomID geom) const {
    for (int i = 0; i < numDiscs; i++)
        if (discs[i] == geom) return true;
    return false;
}

float AxleObj::spin() const {
    const dReal* w = dBodyGetAngularVel(body);
    return (float)sqrt(w[0] * w[0] + w[1] * w[1] + w[2] * w[2]);
}

PoliceCarAxle::PoliceCarAxle(const dReal pos[3], dSpaceID space)
    : AxleObj(&geom_policecar_axle, pos, 0.2, WHEELS, 2, space) {}

// ------------------------------------------------------------- police car

PoliceCar::PoliceCar(const dReal p[3])
    : CompositeVehicle("policeCar", &geom_policecar, wld_world()) {
    space = vehicle_createSpace();
    setBoxMass(body, 0.16, 2.4, 1.0, 0.3);
    for (int i = 0; i < 3; i++)
        chassis[i] = vehicle_attachTurnedBox(body, this, space, CHASSIS[i], CAT_PART, TURN_ABOUT_Y);
    dBodySetPosition(body, p[0], p[1], p[2]);
    for (int i = 0; i < POLICECAR_AXLES; i++) {
        const dReal at[3] = {p[0] + AXLE_AT[i][0], p[1] + AXLE_AT[i][1], p[2] + AXLE_AT[i][2]};
        axles[i] = new PoliceCarAxle(at, space);
        parts_add(parts, axles[i]);
        joints[i] = vehicle_axleJoint(body, axles[i]->body);
        dBodySetAngularDamping(axles[i]->body, AXLE_DAMPING);
    }
}

PoliceCar::~PoliceCar() {
    for (int i = 0; i < POLICECAR_AXLES; i++) {
        dJointDestroy(joints[i]);
        delete axles[i];
    }
    for (dGeomID g : chassis) dGeomDestroy(g);
    dSpaceDestroy(space);
}

void PoliceCar::setActive(bool) {}
bool PoliceCar::isActive() { return false; }

bool PoliceCar::getWheelSpin(dGeomID geom, float& spin) {
    for (PoliceCarAxle* a : axles) {
        if (!a->hasGeom(geom)) continue;
        spin = a->spin();
        return true;
    }
    return false;
}

void PoliceCar::update(float dt) {
    parts_update(parts, dt);
    DynamicWorldObj::update(dt);
}
