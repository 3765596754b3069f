#include "world/props_dumpster.h"

#include <cmath>

#include "world/contact.h"
#include "world/props_geom.h"
#include "world/props_shape.h"
#include "world/wld.h"

namespace {

ShapeSpec bin(ShapeSpec s) { return withCategory(s, CAT_CHASSIS); }

void setMassBox(dBodyID body, dReal density, dReal lx, dReal ly, dReal lz) {
    dMass m;
    dMassSetBox(&m, density, lx, ly, lz);
    dBodySetMass(body, &m);
}

}  // namespace

DumpsterLid::DumpsterLid(const dReal pos[3], const dReal rotation[12], dSpaceID space)
    : DynamicWorldObj("dumpsterlid", prop_records.dumpsterLid, wld_world()) {
    dBodySetPosition(body, pos[0], pos[1], pos[2]);
    dBodySetRotation(body, rotation);
    setMassBox(body, 0.2, 2.0, 1.0, 0.05);
    const ShapeSpec s[] = {bin(shapeBox(2.0, 1.0, 0.05, 0, 0, 0)),
                           bin(shapeBox(2.5, 0.1, 0.05, 0, -0.55, 0))};
    attachShapes(body, this, space, s, 2);
}

Dumpster::Dumpster(const dReal pos[3], bool flipped)
    : DynamicWorldObj("dumpster", prop_records.dumpster, wld_world()) {
    dBodySetPosition(body, pos[0], pos[1], pos[2]);
    dMatrix3 r;
    dRFromAxisAndAngle(r, 0, 0, 1, flipped ? M_PI : 0.0);
    dBodySetRotation(body, r);
    setMassBox(body, 0.2, 2.0, 0.6, 1.0);
    space = dSimpleSpaceCreate(wld_space());
    dSpaceSetCleanup(space, 0);
    const ShapeSpec s[] = {
        bin(shapeBox(2.0, 1.0, 0.05, 0, 0, -0.25)),
        bin(shapeBox(2.0, 0.05, 0.6, 0, 0.475, 0.075)),
        bin(shapeBox(2.0, 0.05, 0.6, 0, -0.475, 0.075)),
        bin(shapeBox(0.05, 0.95, 0.6, 0.975, 0, 0.075)),
        bin(shapeBox(0.05, 0.95, 0.6, -0.975, 0, 0.075)),
    };
    attachShapes(body, this, space, s, 5);
    const dReal lidPos[3] = {pos[0], pos[1], pos[2] + 0.4};
    lid = new DumpsterLid(lidPos, r, space);
    hinge = dJointCreateHinge(wld_world(), nullptr);
    dJointAttach(hinge, body, lid->body);
    dJointSetHingeAnchor(hinge, pos[0], pos[1] + (flipped ? -0.5 : 0.5), pos[2] + 0.375);
    // The dumpster's own x axis, wherever it was turned.
    dJointSetHingeAxis(hinge, r[0], r[4], r[8]);
    dJointSetHingeParam(hinge, dParamCFM, 0.01);
    dJointSetHingeParam(hinge, dParamHiStop, 0.75 * M_PI);
    dJointSetHingeParam(hinge, dParamLoStop, 0);
}

Dumpster::~Dumpster() {
    dJointDestroy(hinge);
    delete lid;
    destroyBodyGeoms(body);
    dSpaceDestroy(space);
}

void Dumpster::update(float dt) {
    DynamicWorldObj::update(dt);
    lid->update(dt);
}
void Dumpster::draw(RenderContext& rc) {
    DynamicWorldObj::draw(rc);
    lid->draw(rc);
}
void Dumpster::drawShadow(RenderContext& rc) {
    DynamicWorldObj::drawShadow(rc);
    lid->drawShadow(rc);
}
void Dumpster::drawEdges(RenderContext& rc) {
    DynamicWorldObj::drawEdges(rc);
    lid->drawEdges(rc);
}
