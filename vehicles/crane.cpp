#include "vehicles/crane.h"

#include <cmath>
#include <cstring>

#include "bus/bus.h"
#include "vehicles/vehicle.h"
#include "vehicles/vehicle_geom.h"
#include "world/contact.h"
#include "world/wld.h"

Crane* crane_current = nullptr;

const dReal CRANE_ELEVATE_MAX = 1.2566371;
const dReal CRANE_BEND_MIN = -2.1991148;
const dReal CRANE_EXTEND_MIN = 0.05;
const dReal CRANE_EXTEND_LOCK_MAX = 0.79;  // just short of the stop, so a lock never pushes on it
const dReal CRANE_EXTEND_MAX = 0.8;

namespace {

const dReal BEAM_OFFSET[3] = {0.175, 0, 0};
const dReal SLEW_GAIN = 0.8, ARM_GAIN = 0.5, EXTEND_GAIN = 0.7;
const dReal ARM_FORCE = 30000, EXTEND_FORCE = 120000;
const dReal REST = 0.001;
const float CLICK_STEP = 0.035f;

void onCraneControl(const char* text) {
    if (!crane_current) return;
    char tag[32];
    argString(text, "tag", tag, sizeof tag);
    float s = 0;
    if (!vehicle_setting(text, &s)) return;
    crane_current->control(tag, s);
}

const VehicleListener LISTENERS[] = {{"cranecontrol", onCraneControl}};

BoxObj* makeBeam(const char* name, geomdesc* g, const dReal pos[3], dReal sx, dReal sy, dReal sz,
                 dReal density, dSpaceID space) {
    const dReal size[3] = {sx, sy, sz};
    BoxObj* beam = new BoxObj(name, g, pos, size, density, BEAM_OFFSET);
    vehicle_moveToSpace(beam->box, space);
    dGeomSetCategoryBits(beam->box, CAT_CRANE);
    return beam;
}

dJointID makeAngularMotor(dBodyID b1, dBodyID b2, dReal ay) {
    dJointID j = dJointCreateAMotor(wld_world(), nullptr);
    dJointAttach(j, b1, b2);
    dJointSetAMotorMode(j, dAMotorUser);
    dJointSetAMotorNumAxes(j, 1);
    dJointSetAMotorAxis(j, 0, 1, 0, ay, 0);
    dJointSetAMotorParam(j, dParamCFM, 0.4);
    dJointSetAMotorParam(j, dParamVel, 0);
    dJointSetAMotorParam(j, dParamFMax, ARM_FORCE);
    return j;
}

// The ratchet: while the lever raises the arm or has just been let go, the
// low stop follows the joint so the arm cannot fall back; lowering frees it.
void ratchet(dJointID hinge, dJointID motor, float s, dReal lo, dReal hi) {
    dReal vOld = dJointGetAMotorParam(motor, dParamVel);
    dJointSetAMotorParam(motor, dParamVel, ARM_GAIN * s);
    if (s > 0 || (s == 0 && vOld != 0))
        dJointSetHingeParam(hinge, dParamLoStop, clampTo(dJointGetHingeAngle(hinge), lo, hi));
    if (s < 0) dJointSetHingeParam(hinge, dParamLoStop, lo);
}

void lockSlider(dJointID slider, bool locked) {
    dReal p = clampTo(dJointGetSliderPosition(slider), CRANE_EXTEND_MIN, CRANE_EXTEND_LOCK_MAX);
    dJointSetSliderParam(slider, dParamLoStop, locked ? p : CRANE_EXTEND_MIN);
    dJointSetSliderParam(slider, dParamHiStop, locked ? p : CRANE_EXTEND_MAX);
}

}  // namespace

Crane::Crane(const dReal a[3], dSpaceID vehicleSpace, int grappleKind)
    : WorldObj("crane", vehicle_records.craneBase),
      active(false),
      slew(nullptr),
      grapple(nullptr),
      grappleHinge(nullptr),
      clickAngleA(0),
      clickAngleB(0) {
    base = dBodyCreate(wld_world());
    dBodySetPosition(base, a[0], a[1], a[2]);
    dMass m;
    dMassSetSphere(&m, 1, 0.2);
    dBodySetMass(base, &m);
    const dReal posA[3] = {a[0] - 0.1, a[1], a[2] + 0.3};
    const dReal posB[3] = {a[0] + 0.5, a[1], a[2] + 0.3};
    beamA = makeBeam("beamA", vehicle_records.beamA, posA, 0.95, 0.16, 0.16, 1, vehicleSpace);
    beamB = makeBeam("beamB", vehicle_records.beamB, posB, 0.95, 0.128, 0.128, 1, vehicleSpace);
    beamC = makeBeam("beamC", vehicle_records.beamC, posB, 0.95, 0.098, 0.098, 2, vehicleSpace);

    hingeA = vehicle_makeHinge(base, beamA->body, posA, 0, 1, 0, 0, CRANE_ELEVATE_MAX);
    hingeB = vehicle_makeHinge(beamB->body, beamA->body, posB, 0, -1, 0, CRANE_BEND_MIN, 0);
    sliderC = dJointCreateSlider(wld_world(), nullptr);
    dJointAttach(sliderC, beamC->body, beamB->body);
    dJointSetSliderAxis(sliderC, 1, 0, 0);
    dJointSetSliderParam(sliderC, dParamLoStop, CRANE_EXTEND_MIN);
    dJointSetSliderParam(sliderC, dParamHiStop, CRANE_EXTEND_MAX);
    dJointSetSliderParam(sliderC, dParamCFM, 0.1);
    vehicle_setStopParams(sliderC, dJointSetSliderParam);

    motorA = makeAngularMotor(base, beamA->body, 1);
    motorB = makeAngularMotor(beamB->body, beamA->body, -1);
    motorC = dJointCreateLMotor(wld_world(), nullptr);
    dJointAttach(motorC, beamC->body, beamB->body);
    dJointSetLMotorNumAxes(motorC, 1);
    dJointSetLMotorAxis(motorC, 0, 1, 1, 0, 0);
    dJointSetLMotorParam(motorC, dParamCFM, 0.1);
    dJointSetLMotorParam(motorC, dParamVel, 0);
    dJointSetLMotorParam(motorC, dParamFMax, EXTEND_FORCE);

    if (grappleKind != 0) {
        const dReal g[3] = {a[0] + 1.15, a[1], a[2] + 0.1};
        grapple = new Grapple(g, grappleKind);
        grappleHinge = dJointCreateHinge(wld_world(), nullptr);
        dJointAttach(grappleHinge, grapple->body, beamC->body);
        dJointSetHingeAnchor(grappleHinge, g[0], g[1], g[2] + 0.2);
        dJointSetHingeAxis(grappleHinge, 0, 1, 0);
        dJointSetHingeParam(grappleHinge, dParamCFM, 0.4);
    }
    dJointSetHingeParam(hingeA, dParamLoStop,
                        clampTo(dJointGetHingeAngle(hingeA), 0, CRANE_ELEVATE_MAX));
    dJointSetHingeParam(hingeB, dParamLoStop,
                        clampTo(dJointGetHingeAngle(hingeB), CRANE_BEND_MIN, 0));
    lockSlider(sliderC, true);
    parts_add(parts, grapple);
    parts_add(parts, beamA);
    parts_add(parts, beamB);
    parts_add(parts, beamC);
    crane_current = this;
}

Crane::~Crane() {
    setActive(false);
    if (grappleHinge) dJointDestroy(grappleHinge);
    dJointDestroy(hingeA);
    dJointDestroy(hingeB);
    dJointDestroy(sliderC);
    dJointDestroy(motorA);
    dJointDestroy(motorB);
    dJointDestroy(motorC);
    delete beamA;
    delete beamB;
    delete beamC;
    delete grapple;
    dBodyDestroy(base);
    if (crane_current == this) crane_current = nullptr;
}

void Crane::setActive(bool on) {
    if (on == active) return;
    active = on;
    vehicle_listen(LISTENERS, 1, on);
    if (grapple) grapple->setActive(on);
    if (on) {
        dBodyEnable(base);
        return;
    }
    dJointSetAMotorParam(motorA, dParamVel, 0);
    dJointSetAMotorParam(motorB, dParamVel, 0);
    dJointSetLMotorParam(motorC, dParamVel, 0);
    if (slew) dJointSetHingeParam(slew, dParamVel, 0);
    dBodyDisable(base);
    dBodyDisable(beamA->body);
    dBodyDisable(beamB->body);
    dBodyDisable(beamC->body);
}

void Crane::control(const char* tag, float s) {
    if (strcmp(tag, "rotate") == 0) {
        if (slew) dJointSetHingeParam(slew, dParamVel, SLEW_GAIN * s);
    } else if (strcmp(tag, "elevate") == 0) {
        ratchet(hingeA, motorA, s, 0, CRANE_ELEVATE_MAX);
    } else if (strcmp(tag, "bend") == 0) {
        ratchet(hingeB, motorB, s, CRANE_BEND_MIN, 0);
    } else if (strcmp(tag, "extend") == 0) {
        dJointSetLMotorParam(motorC, dParamVel, EXTEND_GAIN * s);
        lockSlider(sliderC, fabs(s) < REST);
    } else if (strcmp(tag, "grapple") == 0) {
        if (grapple) grapple->control(s);
    }
}

void Crane::update(float dt) {
    parts_update(parts, dt);
    bodyPoseToMatrix(base, modelMatrix);
    float alpha = (float)dJointGetHingeAngle(hingeA);
    float beta = (float)dJointGetHingeAngle(hingeB);
    bool click = false;
    if (fabsf(clickAngleA - alpha) > CLICK_STEP) {
        clickAngleA = alpha;
        click = true;
    }
    if (fabsf(clickAngleB - beta) > CLICK_STEP) {
        clickAngleB = beta;
        click = true;
    }
    if (click) postMessage("craneClick");
}

void Crane::draw(RenderContext& rc) {
    WorldObj::draw(rc);
    parts_draw(parts, rc);
}
void Crane::drawShadow(RenderContext& rc) {
    WorldObj::drawShadow(rc);
    parts_drawShadow(parts, rc);
}
void Crane::drawEdges(RenderContext& rc) {
    WorldObj::drawEdges(rc);
    parts_drawEdges(parts, rc);
}
