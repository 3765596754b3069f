#include "world/props_levers.h"

#include <cmath>

#include "world/contact.h"
#include "world/props_geom.h"
#include "world/wld.h"

namespace {

const dReal LEVER_MASS_BOX[3] = {0.05, 0.05, 0.6};
const dReal LEVER_DENSITY = 8.0;
const dReal ACTIVE_ANGLE = 0.04 * M_PI;  // tilt beyond which the rail and lift levers act

// Lift.
const dReal PLATFORM_POS[3] = {0, 0, 2.0};
const dReal PLATFORM_SIZE[3] = {3.5, 1.1, 0.05};
const dReal PLATFORM_OFFSET[3] = {0, -0.6, 0};
const dReal LIFT_LOWEST = -2.0, LIFT_HIGHEST = 4.85;

// Conveyor.
const dReal BELT_SIZE[3] = {10, 0.45, 0.05};
const dReal BELT_POS[3] = {-5, 0, 0.7};
const dReal SPAWN_POS[3] = {-9.7, 0, 0.865};
const dReal BOX_SIZE[3] = {0.28, 0.28, 0.28};
const dReal NO_OFFSET[3] = {0, 0, 0};
const dReal FEED_ANGLE = -0.1 * M_PI;  // held below this, the feed runs
const float SPAWN_INTERVAL = 4.0f;
const bool GREEN_PATTERN[CONVEYOR_BOXES] = {true,  false, true, true,  false,
                                            false, false, true, false, true};

struct Bounds {
    float lo[3], hi[3];
    bool any;
};

void grow(Bounds& b, const vec3f& p) {
    const float v[3] = {p.x, p.y, p.z};
    for (int k = 0; k < 3; k++) {
        if (!b.any || v[k] < b.lo[k]) b.lo[k] = v[k];
        if (!b.any || v[k] > b.hi[k]) b.hi[k] = v[k];
    }
    b.any = true;
}

bool compact(const Bounds& b) {
    return b.hi[0] - b.lo[0] <= 2.0f && b.hi[1] - b.lo[1] <= 1.0f && b.hi[2] - b.lo[2] <= 1.0f;
}

}  // namespace

// ------------------------------------------------------------------ lever

LeverProp::LeverProp(const char* name_, const dReal pos[3], dReal loStop, dReal hiStop)
    : DynamicWorldObj(name_, prop_records.lever, wld_world()) {
    dBodySetPosition(body, pos[0], pos[1], pos[2]);
    dMass m;
    dMassSetBox(&m, LEVER_DENSITY, LEVER_MASS_BOX[0], LEVER_MASS_BOX[1], LEVER_MASS_BOX[2]);
    dBodySetMass(body, &m);
    dGeomID capsule = dCreateCapsule(wld_space(), 0.04, 0.5);
    setCollision(capsule, this, CAT_PART);
    dGeomSetBody(capsule, body);
    hinge = dJointCreateHinge(wld_world(), nullptr);
    dJointAttach(hinge, body, nullptr);
    dJointSetHingeAnchor(hinge, pos[0] - 0.1, pos[1], pos[2] - 0.25);
    dJointSetHingeAxis(hinge, 0, 1, 0);
    dJointSetHingeParam(hinge, dParamCFM, 0.01);
    dJointSetHingeParam(hinge, dParamVel, 0);
    dJointSetHingeParam(hinge, dParamFMax, 0.03);
    dJointSetHingeParam(hinge, dParamLoStop, loStop);
    dJointSetHingeParam(hinge, dParamHiStop, hiStop);
}

LeverProp::~LeverProp() { dJointDestroy(hinge); }

dReal LeverProp::angle() const { return dJointGetHingeAngle(hinge); }

// ------------------------------------------------------------- rail lever

RailLever::RailLever(const dReal pos[3])
    : LeverProp("lever", pos, -0.3 * M_PI, 0.3 * M_PI), pulled(false) {}

void RailLever::update(float dt) {
    DynamicWorldObj::update(dt);
    if (fabs(angle()) > ACTIVE_ANGLE) pulled = true;
}

// ------------------------------------------------------------- lift lever

LiftLever::LiftLever(const dReal pos[3]) : LeverProp("liftlever", pos, -0.3 * M_PI, 0.3 * M_PI) {
    platform = new BoxObj("platform", prop_records.platform, PLATFORM_POS, PLATFORM_SIZE, 5.0,
                          PLATFORM_OFFSET);
    dBodySetAutoDisableFlag(platform->body, 0);
    slider = dJointCreateSlider(wld_world(), nullptr);
    dJointAttach(slider, platform->body, nullptr);
    dJointSetSliderAxis(slider, 0, 0, 1);
    dJointSetSliderParam(slider, dParamLoStop, 0);
    dJointSetSliderParam(slider, dParamHiStop, LIFT_HIGHEST);
    dJointSetSliderParam(slider, dParamCFM, 0.3);
    dJointSetSliderParam(slider, dParamFMax, 0);
    dJointSetSliderParam(slider, dParamFudgeFactor, 0.1);
    dJointSetSliderParam(slider, dParamBounce, 0);
    dJointSetSliderParam(slider, dParamStopCFM, 0.15);
    dJointSetSliderParam(slider, dParamStopERP, 0.85);
    motor = dJointCreateLMotor(wld_world(), nullptr);
    dJointAttach(motor, platform->body, nullptr);
    dJointSetLMotorNumAxes(motor, 1);
    dJointSetLMotorAxis(motor, 0, 1, 0, 0, 1);
    dJointSetLMotorParam(motor, dParamCFM, 0.15);
    dJointSetLMotorParam(motor, dParamFMax, 1200000);
    dJointSetLMotorParam(motor, dParamVel, 0);
    platform->update(0);
}

LiftLever::~LiftLever() {
    dJointDestroy(motor);
    dJointDestroy(slider);
    delete platform;
}

void LiftLever::update(float dt) {
    DynamicWorldObj::update(dt);
    platform->update(dt);
    dReal a = angle();
    if (fabs(a) <= ACTIVE_ANGLE) return;  // the platform keeps its last commanded speed
    dReal p = dJointGetSliderPosition(slider) + a * dt;
    p = p < LIFT_LOWEST ? LIFT_LOWEST : (p > LIFT_HIGHEST ? LIFT_HIGHEST : p);
    dJointSetSliderParam(slider, dParamLoStop, p);
    dJointSetSliderParam(slider, dParamVel, a);
    dJointSetLMotorParam(motor, dParamVel, a);
}

void LiftLever::draw(RenderContext& rc) {
    DynamicWorldObj::draw(rc);
    platform->draw(rc);
}
void LiftLever::drawShadow(RenderContext& rc) {
    DynamicWorldObj::drawShadow(rc);
    platform->drawShadow(rc);
}
void LiftLever::drawEdges(RenderContext& rc) {
    DynamicWorldObj::drawEdges(rc);
    platform->drawEdges(rc);
}

// -------------------------------------------------------- conveyor lever

bool conveyor_isGreen(int index) {
    return index >= 0 && index < CONVEYOR_BOXES && GREEN_PATTERN[index];
}

bool conveyor_heapsSorted(const vec3f* pos, const bool* green, int count) {
    Bounds g = {}, r = {};
    for (int i = 0; i < count; i++) grow(green[i] ? g : r, pos[i]);
    if (!g.any || !r.any || !compact(g) || !compact(r)) return false;
    return g.lo[1] - r.hi[1] > 0.5f || r.lo[1] - g.hi[1] > 0.5f;
}

ConveyerLever::ConveyerLever(const dReal pos[3])
    : LeverProp("conveyerlever", pos, -0.3 * M_PI, 0.05 * M_PI),
      numBoxes(0),
      timer(0),
      touched(false),
      completed(false) {
    for (BoxObj*& b : boxes) b = nullptr;
    belt = dCreateBox(wld_space(), BELT_SIZE[0], BELT_SIZE[1], BELT_SIZE[2]);
    setCollision(belt, this, CAT_CONVEYOR);
    dGeomSetPosition(belt, BELT_POS[0], BELT_POS[1], BELT_POS[2]);
}

ConveyerLever::~ConveyerLever() {
    for (int i = 0; i < numBoxes; i++) delete boxes[i];
    dGeomDestroy(belt);
}

void ConveyerLever::onContact(WorldObj*) { touched = true; }

void ConveyerLever::update(float dt) {
    DynamicWorldObj::update(dt);
    for (int i = 0; i < numBoxes; i++) boxes[i]->update(dt);
    if (!(angle() < FEED_ANGLE)) timer = 0;
    timer += dt;
    if (timer > SPAWN_INTERVAL && numBoxes < CONVEYOR_BOXES) {
        timer = 0;
        bool green = conveyor_isGreen(numBoxes);
        BoxObj* box = new BoxObj(green ? "greenbox" : "redbox",
                                 green ? prop_records.greenBox : prop_records.redBox, SPAWN_POS,
                                 BOX_SIZE, 0.1, NO_OFFSET);
        box->update(0);
        boxes[numBoxes++] = box;
    }
    completed = false;
    if (numBoxes < CONVEYOR_BOXES) return;
    vec3f pos[CONVEYOR_BOXES];
    bool green[CONVEYOR_BOXES];
    for (int i = 0; i < CONVEYOR_BOXES; i++) {
        pos[i] = boxes[i]->getPosition();
        green[i] = conveyor_isGreen(i);
    }
    completed = conveyor_heapsSorted(pos, green, CONVEYOR_BOXES);
}

void ConveyerLever::draw(RenderContext& rc) {
    DynamicWorldObj::draw(rc);
    for (int i = 0; i < numBoxes; i++) boxes[i]->draw(rc);
}
void ConveyerLever::drawShadow(RenderContext& rc) {
    DynamicWorldObj::drawShadow(rc);
    for (int i = 0; i < numBoxes; i++) boxes[i]->drawShadow(rc);
}
void ConveyerLever::drawEdges(RenderContext& rc) {
    DynamicWorldObj::drawEdges(rc);
    for (int i = 0; i < numBoxes; i++) boxes[i]->drawEdges(rc);
}
