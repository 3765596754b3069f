#include "vehicles/skycrane.h"

#include <cmath>
#include <cstring>

#include "bus/bus.h"
#include "geom/records.h"
#include "render/mat4.h"
#include "vehicles/vehicle.h"
#include "world/contact.h"
#include "world/wld.h"

SkyCrane* skycrane_current = nullptr;
float skycrane_tailSpin = 0.0f;

namespace {

enum { NOSE, LEFT_MAIN, RIGHT_MAIN };

const dReal WHEEL_AT[SKYCRANE_WHEELS][3] = {{2.0, 0, -1.0}, {-1.0, 1.5, -1.0}, {-1.0, -1.5, -1.0}};
const dReal NOSE_RADIUS = 0.12, MAIN_RADIUS = 0.15;
const dReal ROTOR_AT[3] = {0, 0, 0.86};
const dReal HOOK_AT[3] = {-1.45, 0, -0.1};
const dReal HOOK_HINGE_AT[3] = {0, 0, -0.1};
const dReal ROTOR_SPEED = 5.0, ROTOR_FORCE = 200;
// With the collective at the bottom of its travel the wheels are braked, so
// a landed sky crane stays where it was set down instead of rolling off on
// its free wheels under the slight forward lean of its lift.
const float COLLECTIVE_LOWEST = 0.6f;
const dReal WHEEL_BRAKE = 0.03;
const dReal SLEEP_ANGULAR = 0.08, SLEEP_LINEAR = 0.05;

// Flight.
const float LIFT_ARM = 1.8f, LIFT_HEIGHT = 0.86f;    // corners of the lift square
const float TAIL_FORCE = 0.0665f, TAIL_ARM = 5.44f;  // sideways push at the tail
const float LOSS_START = 11.0f, LOSS_BASE = 10.0f, LOSS_RATE = 0.04f;
const float CYCLIC_RANGE = 0.4f;

// Hook release: the stowed hook swings down once the sky crane climbs past
// RELEASE_HEIGHT, its stop opening as 1.2 (1 - cos t) over pi seconds.
const float RELEASE_HEIGHT = 13.0f, RELEASE_OPEN = 1.2f, STOWED_BELOW = 1.0f;

const BoxSpec FUSELAGE_BOXES[2] = {
    {{6.7, 0.5, 0.34}, {-1.65, 0, 0.18}, 0},  // tail boom
    {{1.0, 0.8, 1.1}, {2.1, 0, -0.15}, 0},    // cabin
};
const dReal BLADE[3] = {7.72, 0.15, 0.05};
const BoxSpec HOOK_BOXES[3] = {
    {{2.9, 0.25, 0.1}, {0, 0, 0}, 0},                // arm
    {{0.1, 0.25, 0.2}, {-1.4, 0, -0.15}, 0},         // drop
    {{0.4, 0.25, 0.1}, {-1.2, 0, -0.39}, M_PI / 6},  // tip
};

float clampUnit(float s) { return s < -1 ? -1 : (s > 1 ? 1 : s); }

void onCraneControl(const char* text) {
    char tag[80];
    argString(text, "tag", tag, sizeof tag);
    float s;
    if (skycrane_current && vehicle_setting(text, &s)) skycrane_current->control(tag, s);
}

void onCyclic(const char* text) {
    float x, y;
    if (skycrane_current && vehicle_controlArg(text, "x", &x) && vehicle_controlArg(text, "y", &y))
        skycrane_current->cyclic(x, y);
}

const VehicleListener LISTENERS[] = {{"cranecontrol", onCraneControl}, {"cycliccontrol", onCyclic}};

void normalise2(dReal v[3]) {
    dReal n = sqrt(v[0] * v[0] + v[1] * v[1]);
    if (n > 0) v[0] /= n, v[1] /= n;
    v[2] = 0;
}

}  // namespace

// -------------------------------------------------------------- stabiliser

Stabiliser stabiliser_make() { return {-0.5f, -0.5f, -0.3f, 0.0f, 0.0f, true}; }

float stabiliser_step(Stabiliser& s, float e, float h) {
    if (s.firstStep) s.smoothedError = s.previousError = e;
    float derivative = (e - s.previousError) / h;
    s.previousError = e;
    s.firstStep = false;
    s.smoothedError = (1 - h) * s.smoothedError + h * e;
    return s.kP * e + s.kI * s.smoothedError + s.kD * derivative;
}

float skycrane_liftFactor(float z) {
    return z > LOSS_START ? 1.0f - LOSS_RATE * logf(z - LOSS_BASE) : 1.0f;
}

void skycrane_rotorHit(WorldObj* rotor) {
    if (MainRotor* r = dynamic_cast<MainRotor*>(rotor)) r->hit = true;
}

// ------------------------------------------------------------------ rotor

MainRotor::MainRotor(const dReal pos[3], dSpaceID space)
    : DynamicWorldObj("mainrotor", &geom_skycrane_rotor, wld_world()), hit(false), flicker(1) {
    wld_rotorHit = skycrane_rotorHit;
    dBodySetPosition(body, pos[0], pos[1], pos[2]);
    setBoxMass(body, 0.2, 3.0, 3.0, 0.05);
    dBodySetLinearDamping(body, 0.002);
    dBodySetAngularDamping(body, 0.002);
    for (int k = 0; k < 3; k++) {
        const BoxSpec blade = {{BLADE[0], BLADE[1], BLADE[2]}, {0, 0, 0}, k * M_PI / 3};
        vehicle_attachTurnedBox(body, this, space, blade, CAT_ROTOR, TURN_ABOUT_Z);
    }
    disc = new WorldObj("mainrotor", &geom_skycrane_disc);
}

MainRotor::~MainRotor() { delete disc; }

void MainRotor::update(float dt) {
    DynamicWorldObj::update(dt);
    mat4_copy(disc->modelMatrix, modelMatrix);
    // The spinning disc flickers: its size jumps between 78 % and 100 %.
    flicker = flicker * 1103515245u + 12345u;
    float f = 0.78f + 0.22f * (float)((flicker >> 16) & 255) / 255.0f;
    for (int col = 0; col < 3; col++)
        for (int row = 0; row < 3; row++) disc->modelMatrix[col * 4 + row] *= f;
}

void MainRotor::draw(RenderContext& rc) {
    DynamicWorldObj::draw(rc);
    if (!hit) disc->draw(rc);
}

void MainRotor::drawShadow(RenderContext& rc) {
    DynamicWorldObj::drawShadow(rc);
    if (!hit) disc->drawShadow(rc);
}

void MainRotor::drawEdges(RenderContext& rc) {
    DynamicWorldObj::drawEdges(rc);
    if (!hit) disc->drawEdges(rc);
}

// ------------------------------------------------------------------- hook

SkyCraneHook::SkyCraneHook(const dReal pos[3], dSpaceID space)
    : DynamicWorldObj("hook", &geom_skycrane_hook, wld_world()) {
    dBodySetPosition(body, pos[0], pos[1], pos[2]);
    setBoxMass(body, 0.1, 2.9, 0.25, 0.1);
    dBodySetLinearDamping(body, 0);
    dBodySetAngularDamping(body, 0.06);
    for (const BoxSpec& b : HOOK_BOXES)
        vehicle_attachTurnedBox(body, this, space, b, CAT_HOOK, TURN_ABOUT_Z);
}

// -------------------------------------------------------------- sky crane

SkyCrane::SkyCrane(const dReal p[3])
    : CompositeVehicle("skyCrane", &geom_skycrane, wld_world()),
      active(false),
      collective(0),
      antitorque(0.5f),
      cyclicX(0),
      cyclicY(0),
      releasing(false),
      releaseTime(0),
      pitch(stabiliser_make()),
      roll(stabiliser_make()) {
    space = vehicle_createSpace();
    dBodySetPosition(body, p[0], p[1], p[2]);
    dBodySetAutoDisableFlag(body, 0);
    setBoxMass(body, 1.7, 1.0, 0.4, 0.3);
    dBodySetLinearDamping(body, 0.002);
    dBodySetAngularDamping(body, 0.06);
    for (int i = 0; i < 2; i++)
        fuselage[i] = vehicle_attachTurnedBox(body, this, space, FUSELAGE_BOXES[i], CAT_CHASSIS,
                                              TURN_ABOUT_Z);

    for (int i = 0; i < SKYCRANE_WHEELS; i++) {
        const dReal* d = WHEEL_AT[i];
        const dReal at[3] = {p[0] + d[0], p[1] + d[1], p[2] + d[2]};
        bool nose = i == NOSE;
        wheels[i] = new ForkLiftWheel(nose ? &geom_skycrane_wheel_nose : &geom_skycrane_wheel_main,
                                      at, nose ? NOSE_RADIUS : MAIN_RADIUS, space);
        struts[i] = new WorldObj("wheelstrut", &geom_skycrane_strut);
    }
    {
        // The right main wheel faces outward: a further half turn about z.
        dMatrix3 half, r;
        dRFromAxisAndAngle(half, 0, 0, 1, M_PI);
        dMultiply0(r, half, dBodyGetRotation(wheels[RIGHT_MAIN]->body), 3, 3, 3);
        dBodySetRotation(wheels[RIGHT_MAIN]->body, r);
    }
    for (int i = 0; i < SKYCRANE_WHEELS; i++) {
        const dReal* c = dBodyGetPosition(wheels[i]->body);
        dJointID j = dJointCreateHinge2(wld_world(), nullptr);
        dJointAttach(j, body, wheels[i]->body);
        dJointSetHinge2Anchor(j, c[0], c[1], c[2]);
        const dReal up[3] = {0, 0, 1}, across[3] = {0, 1, 0};
        dJointSetHinge2Axes(j, up, across);
        dJointSetHinge2Param(j, dParamSuspensionERP, 0.2);
        dJointSetHinge2Param(j, dParamSuspensionCFM, 0.8);
        dJointSetHinge2Param(j, dParamCFM, 0.08);
        dJointSetHinge2Param(j, dParamLoStop, 0);
        dJointSetHinge2Param(j, dParamHiStop, 0);
        dJointSetHinge2Param(j, dParamStopERP, 0.99);
        dJointSetHinge2Param(j, dParamStopCFM, 0.01);
        wheelJoints[i] = j;
    }

    const dReal rotorAt[3] = {p[0] + ROTOR_AT[0], p[1] + ROTOR_AT[1], p[2] + ROTOR_AT[2]};
    rotor = new MainRotor(rotorAt, space);
    rotorHinge = dJointCreateHinge(wld_world(), nullptr);
    dJointAttach(rotorHinge, body, rotor->body);
    dJointSetHingeAnchor(rotorHinge, rotorAt[0], rotorAt[1], rotorAt[2]);
    dJointSetHingeAxis(rotorHinge, 0, 0, -1);
    dJointSetHingeParam(rotorHinge, dParamCFM, 0.08);
    dJointSetHingeParam(rotorHinge, dParamFMax, ROTOR_FORCE);
    dJointSetHingeParam(rotorHinge, dParamVel, ROTOR_SPEED);

    tailRotor = new WorldObj("tailrotor", &geom_skycrane_tailrotor);

    const dReal hookAt[3] = {p[0] + HOOK_AT[0], p[1] + HOOK_AT[1], p[2] + HOOK_AT[2]};
    hook = new SkyCraneHook(hookAt, space);
    for (ForkLiftWheel* w : wheels) parts_add(parts, w);
    for (WorldObj* st : struts) parts_addDrawn(parts, st);
    parts_add(parts, rotor);
    parts_addDrawn(parts, tailRotor);
    parts_add(parts, hook);
    for (ForkLiftWheel* w : wheels) {
        dBodySetAutoDisableAngularThreshold(w->body, SLEEP_ANGULAR);
        dBodySetAutoDisableLinearThreshold(w->body, SLEEP_LINEAR);
        dBodyDisable(w->body);
    }
    hookHinge = dJointCreateHinge(wld_world(), nullptr);
    dJointAttach(hookHinge, body, hook->body);
    dJointSetHingeAnchor(hookHinge, p[0] + HOOK_HINGE_AT[0], p[1] + HOOK_HINGE_AT[1],
                         p[2] + HOOK_HINGE_AT[2]);
    dJointSetHingeAxis(hookHinge, 0, 1, 0);
    dJointSetHingeParam(hookHinge, dParamCFM, 0.08);
    // Stowed, but soft enough to give under a load.
    dJointSetHingeParam(hookHinge, dParamLoStop, 0);
    dJointSetHingeParam(hookHinge, dParamHiStop, 0);
    dJointSetHingeParam(hookHinge, dParamStopERP, 0.4);
    dJointSetHingeParam(hookHinge, dParamStopCFM, 0.2);

    skycrane_current = this;
}

SkyCrane::~SkyCrane() {
    setActive(false);
    for (dJointID j : wheelJoints) dJointDestroy(j);
    dJointDestroy(hookHinge);
    if (rotorHinge) dJointDestroy(rotorHinge);
    for (int i = 0; i < SKYCRANE_WHEELS; i++) {
        delete wheels[i];
        delete struts[i];
    }
    delete hook;
    delete rotor;
    delete tailRotor;
    for (dGeomID g : fuselage) dGeomDestroy(g);
    dSpaceDestroy(space);
    if (skycrane_current == this) skycrane_current = nullptr;
}

void SkyCrane::setActive(bool on) {
    active = on;
    vehicle_listen(LISTENERS, 2, on);
    if (on) {
        dBodyEnable(body);
        dBodyEnable(rotor->body);
        dBodyEnable(hook->body);
        spinRotor();
        postMessage("accelcontrol setting=1.0");  // the engine starts
        return;
    }
    dBodyDisable(body);
    dBodyDisable(rotor->body);
    for (ForkLiftWheel* w : wheels) dBodyDisable(w->body);
}

bool SkyCrane::isActive() { return active; }

// The rotor starts at its working speed. Spun up by its motor in one step,
// its reaction would twist the light fuselage a third of a radian round on
// its wheels before the flight has begun.
void SkyCrane::spinRotor() {
    if (!rotorHinge) return;
    dVector3 axis;
    dJointGetHingeAxis(rotorHinge, axis);
    const dReal* w = dBodyGetAngularVel(body);
    dBodySetAngularVel(rotor->body, w[0] - ROTOR_SPEED * axis[0], w[1] - ROTOR_SPEED * axis[1],
                       w[2] - ROTOR_SPEED * axis[2]);
}

bool SkyCrane::wheelsBraked() const { return collective <= COLLECTIVE_LOWEST; }

bool SkyCrane::getWheelSpin(dGeomID geom, float& spin) {
    for (ForkLiftWheel* w : wheels) {
        if (vehicle_wheelSpinOf(w, geom, spin)) return true;
    }
    return false;
}

void SkyCrane::control(const char* tag, float s) {
    s = clampUnit(s);
    if (!strcmp(tag, "collective"))
        collective = (s + 1) * 0.25f + 0.6f;
    else if (!strcmp(tag, "antitorque"))
        antitorque = (s + 1) * 0.5f;
}

void SkyCrane::cyclic(float x, float y) {
    cyclicX = CYCLIC_RANGE * clampUnit(x);
    cyclicY = CYCLIC_RANGE * clampUnit(y);
}

bool SkyCrane::hookReleased() const {
    return releasing || dJointGetHingeParam(hookHinge, dParamHiStop) >= STOWED_BELOW;
}

void SkyCrane::physicsStep(float h) {
    bodyPoseToMatrix(body, modelMatrix);
    if (!rotorHinge) return;
    const dReal* r = dBodyGetRotation(body);  // rows of 4: column k is the body's axis k
    dReal xh[3] = {r[0], r[4], r[8]};
    dReal yh[3] = {r[1], r[5], r[9]};
    const dReal up[3] = {r[2], r[6], r[10]};
    normalise2(xh);
    normalise2(yh);
    float pitchTilt = (float)(xh[0] * up[0] + xh[1] * up[1]);
    float rollTilt = (float)(yh[0] * up[0] + yh[1] * up[1]);

    float pitchOut = 0, rollOut = 0;
    if (h > 0) {
        pitchOut = stabiliser_step(pitch, pitchTilt - cyclicX, h);
        rollOut = stabiliser_step(roll, rollTilt - cyclicY, h);
    }
    float z = (float)dBodyGetPosition(body)[2];
    float lift = collective * skycrane_liftFactor(z);
    if (lift < 0) lift = 0;

    dBodyAddRelForceAtRelPos(body, 0, 0, (0.5f - pitchOut) * lift, LIFT_ARM, 0, LIFT_HEIGHT);
    dBodyAddRelForceAtRelPos(body, 0, 0, (0.5f + pitchOut) * lift, -LIFT_ARM, 0, LIFT_HEIGHT);
    dBodyAddRelForceAtRelPos(body, 0, 0, (0.5f - rollOut) * lift, 0, LIFT_ARM, LIFT_HEIGHT);
    dBodyAddRelForceAtRelPos(body, 0, 0, (0.5f + rollOut) * lift, 0, -LIFT_ARM, LIFT_HEIGHT);
    dBodyAddRelForceAtRelPos(body, 0, -TAIL_FORCE * antitorque, 0, -TAIL_ARM, 0, 0);
}

void SkyCrane::update(float dt) {
    DynamicWorldObj::update(dt);
    for (dJointID j : wheelJoints) {
        dJointSetHinge2Param(j, dParamVel2, 0);
        dJointSetHinge2Param(j, dParamFMax2, wheelsBraked() ? WHEEL_BRAKE : 0);
    }
    parts_update(parts, dt);  // wheels, rotor and hook; the struts follow the wheels

    for (int i = 0; i < SKYCRANE_WHEELS; i++) {
        float* m = struts[i]->modelMatrix;
        mat4_copy(m, modelMatrix);
        const float* w = wheels[i]->modelMatrix;
        m[12] = w[12], m[13] = w[13], m[14] = w[14];
    }

    skycrane_tailSpin += 22.0f;
    if (skycrane_tailSpin > 360.0f) skycrane_tailSpin -= 360.0f;
    float a = skycrane_tailSpin * (float)M_PI / 180.0f;
    const float spin[16] = {cosf(a), 0, -sinf(a), 0, 0, 1, 0, 0,
                            sinf(a), 0, cosf(a),  0, 0, 0, 0, 1};
    float* t = tailRotor->modelMatrix;
    mat4_mul(t, modelMatrix, spin);
    const float* m = modelMatrix;
    for (int k = 0; k < 3; k++)
        t[12 + k] = m[12 + k] - 5.45f * m[k] + 0.07f * m[4 + k] + 0.9f * m[8 + k];

    dReal hi = dJointGetHingeParam(hookHinge, dParamHiStop);
    if (releasing) {
        releaseTime += dt;
        if (releaseTime >= (float)M_PI)
            releasing = false;
        else
            dJointSetHingeParam(hookHinge, dParamHiStop, RELEASE_OPEN * (1 - cosf(releaseTime)));
    } else if (hi < STOWED_BELOW && dBodyGetPosition(body)[2] > RELEASE_HEIGHT) {
        releasing = true;
        releaseTime = 0;
    }

    if (rotorHinge && rotor->hit) {
        dJointDestroy(rotorHinge);
        rotorHinge = nullptr;
        postMessage("accelcontrol setting=0.0");
    }
}
