#include "vehicles/grapple.h"

#include <cmath>

#include "vehicles/vehicle.h"
#include "vehicles/vehicle_geom.h"
#include "world/contact.h"
#include "world/props_shape.h"
#include "world/wld.h"

namespace {

const dReal FINGER_TURN = 0.9250245;
const dReal REST = 0.001;  // a lever closer to 0 than this is at rest
const dReal PRONG_FORCE = 0.1;

struct KindInfo {
    int prongs;  // 4: entries 0..3; 2: entries 0 and 2
    dReal radius;
    dReal lo;
};

const KindInfo KINDS[GRAPPLE_KINDS] = {
    {4, 0.15, 0}, {4, 0.15, 0}, {2, 0.15, 0}, {2, 0.17, -0.6283185}, {2, 0.15, 0},
};

bool validKind(int kind) { return kind >= 1 && kind <= GRAPPLE_KINDS; }
const KindInfo& info(int kind) { return KINDS[validKind(kind) ? kind - 1 : 0]; }

bool hasProng(int kind, int i) { return info(kind).prongs == 4 || i % 2 == 0; }

geomdesc* hubRecord(int kind) {
    return kind >= 3 && kind <= 5 ? vehicle_records.hubWide : vehicle_records.hubClaw;
}

ShapeSpec turned(ShapeSpec s, dReal angle) {
    s.axis[0] = 0, s.axis[1] = 1, s.axis[2] = 0;
    s.angle = angle;
    return s;
}

// The claws of kinds 1 to 4; wide kinds stretch every box along y.
int clawShapes(int kind, ShapeSpec* s) {
    bool wide = kind == 3 || kind == 4;
    auto y = [wide](dReal size) { return wide ? size * 3.5 + 0.013 : size; };
    int n = 0;
    s[n++] = shapeBox(0.05, y(0.05), 0.15, 0, 0, 0.05);
    s[n++] = turned(shapeBox(0.05, y(0.05), 0.1, -0.05, 0, -0.05), FINGER_TURN);
    if (kind == 2 || kind == 3)
        s[n++] = turned(shapeBox(0.1, y(0.05), 0.05, -0.13, 0, -0.04), FINGER_TURN);
    for (int i = 0; i < n; i++) s[i].category = CAT_GRIP;
    return n;
}

int paddleShapes(ShapeSpec* s) {
    s[0] = shapeBox(0.04, 0.36, 0.2, 0, 0, 0.03);
    s[1] = shapeBox(0.1, 0.36, 0.04, -0.07, 0, -0.05);
    s[2] = turned(shapeBox(0.04, 0.36, 0.04, -0.12, 0, -0.05), M_PI / 4);
    s[3] = shapeBox(0.1, 0.04, 0.11, -0.07, -0.16, 0.025);
    s[4] = shapeBox(0.1, 0.04, 0.11, -0.07, 0.16, 0.025);
    for (int i = 0; i < 5; i++) s[i].category = CAT_PRONG;
    return 5;
}

}  // namespace

dReal grapple_lockHinge(dJointID hinge, dReal lo, dReal hi, bool locked) {
    dReal a = clampTo(dJointGetHingeAngle(hinge), lo, hi);
    dJointSetHingeParam(hinge, dParamLoStop, locked ? a : lo);
    dJointSetHingeParam(hinge, dParamHiStop, locked ? a : hi);
    return a;
}

void grapple_prongTouched(WorldObj* prong, WorldObj* other) {
    GrappleProng* p = dynamic_cast<GrappleProng*>(prong);
    if (p) p->touching = other;
}

// ------------------------------------------------------------------ prong

GrappleProng::GrappleProng(geomdesc* geometry_, dSpaceID space, const dReal pos[3], dReal angle,
                           int kind)
    : DynamicWorldObj("prong", geometry_, wld_world()), touching(nullptr) {
    dBodySetPosition(body, pos[0], pos[1], pos[2]);
    dMatrix3 r;
    dRFromAxisAndAngle(r, 0, 0, 1, angle);
    dBodySetRotation(body, r);
    dMass m;
    if (kind == 5)
        dMassSetBox(&m, 3, 0.04, 0.36, 0.2);
    else
        dMassSetBox(&m, 8, 0.05, 0.05, 0.15);
    dBodySetMass(body, &m);
    ShapeSpec s[5];
    int n = kind == 5 ? paddleShapes(s) : clawShapes(kind, s);
    attachShapes(body, this, space, s, n);
}

void GrappleProng::update(float dt) {
    DynamicWorldObj::update(dt);
    touching = nullptr;
}

// ---------------------------------------------------------------- grapple

Grapple::Grapple(const dReal g[3], int kind_)
    : CompositeObj("grapple", hubRecord(kind_), wld_world()),
      kind(validKind(kind_) ? kind_ : 1),
      active(false),
      grasped(nullptr),
      lo(info(kind).lo),
      hi(M_PI / 2) {
    wld_prongTouched = grapple_prongTouched;
    space = dSimpleSpaceCreate(wld_space());
    dSpaceSetCleanup(space, 0);
    dBodySetPosition(body, g[0], g[1], g[2]);
    dMass m;
    dMassSetSphere(&m, 1, 0.1);
    dBodySetMass(body, &m);
    dBodySetLinearDamping(body, 0.0025);
    dBodySetAngularDamping(body, 0.1);
    hub = dCreateCylinder(space, 0.15, 0.2);
    setCollision(hub, this, CAT_HUB, 0x13);
    dGeomSetBody(hub, body);
    dGeomSetOffsetPosition(hub, 0, 0, 0.15);
    const dReal axes[GRAPPLE_MAX_PRONGS][3] = {{0, 1, 0}, {-1, 0, 0}, {0, -1, 0}, {1, 0, 0}};
    dReal r = info(kind).radius;
    for (int i = 0; i < GRAPPLE_MAX_PRONGS; i++) {
        prongs[i] = nullptr;
        hinges[i] = nullptr;
        if (!hasProng(kind, i)) continue;
        dReal theta = i * M_PI / 2;
        dReal pos[3] = {g[0] + r * cos(theta), g[1] + r * sin(theta), g[2] - 0.1};
        prongs[i] = new GrappleProng(vehicle_records.prong[kind - 1], space, pos, theta, kind);
        dJointID h = dJointCreateHinge(wld_world(), nullptr);
        dJointAttach(h, body, prongs[i]->body);
        dJointSetHingeAnchor(h, pos[0], pos[1], g[2]);
        dJointSetHingeAxis(h, axes[i][0], axes[i][1], axes[i][2]);
        dJointSetHingeParam(h, dParamLoStop, lo);
        dJointSetHingeParam(h, dParamHiStop, hi);
        dJointSetHingeParam(h, dParamCFM, 0.02);
        dJointSetHingeParam(h, dParamStopCFM, 0.02);
        dJointSetHingeParam(h, dParamStopERP, 0.6);
        dJointSetHingeParam(h, dParamFudgeFactor, 0.1);
        grapple_lockHinge(h, lo, hi, true);
        dJointSetHingeParam(h, dParamFMax, 0);
        hinges[i] = h;
        parts_add(parts, prongs[i]);
    }
}

Grapple::~Grapple() {
    for (int i = 0; i < GRAPPLE_MAX_PRONGS; i++) {
        if (hinges[i]) dJointDestroy(hinges[i]);
        delete prongs[i];
    }
    dGeomDestroy(hub);
    dSpaceDestroy(space);
}

void Grapple::setActive(bool on) {
    active = on;
    if (on) {
        dBodyEnable(body);
        return;
    }
    dBodyDisable(body);
    for (GrappleProng* p : prongs)
        if (p) dBodyDisable(p->body);
}

void Grapple::control(float s) {
    bool locked = fabs(s) < REST;
    for (dJointID h : hinges) {
        if (!h) continue;
        dJointSetHingeParam(h, dParamVel, s);
        dJointSetHingeParam(h, dParamFMax, PRONG_FORCE);
        grapple_lockHinge(h, lo, hi, locked);
        if (locked) dJointSetHingeParam(h, dParamFMax, 0);
    }
}

// All prongs on one object take hold of it. With four prongs a load already
// held stays held while at least half of them still touch it and none touches
// anything else: locked prongs exert no squeeze, so once the load hangs its
// weight on one opposing pair the other pair drifts clear, and dropping the
// hold there would tell the load it was let go while it is still being
// carried. Two prongs hold only together: a load hanging on one finger is
// swinging loose, not carried.
WorldObj* Grapple::nextGrasp() const {
    int present = 0, onHeld = 0;
    WorldObj* common = nullptr;
    bool allSame = true, strangers = false;
    for (const GrappleProng* p : prongs) {
        if (!p) continue;
        WorldObj* t = p->touching;
        if (present++ == 0) common = t;
        if (t != common) allSame = false;
        if (grasped && t == grasped) onHeld++;
        if (t && t != grasped) strangers = true;
    }
    if (present == 0) return nullptr;
    if (allSame && common) return common;
    int keep = present > 2 ? (present + 1) / 2 : present;
    if (grasped && !strangers && onHeld >= keep) return grasped;
    return nullptr;
}

void Grapple::update(float dt) {
    WorldObj* next = nextGrasp();
    if (next != grasped && grasped) {
        if (DynamicWorldObj* d = dynamic_cast<DynamicWorldObj*>(grasped)) d->setGrasped(false);
    }
    grasped = next;
    if (grasped) {
        if (DynamicWorldObj* d = dynamic_cast<DynamicWorldObj*>(grasped)) d->setGrasped(true);
    }
    CompositeObj::update(dt);
}
