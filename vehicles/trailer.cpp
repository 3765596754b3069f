#include "vehicles/trailer.h"

#include <cmath>
#include <cstring>

#include "bus/diag.h"
#include "vehicles/vehicle_geom.h"
#include "world/contact.h"
#include "world/props_shape.h"
#include "world/wld.h"

namespace {

ShapeSpec hull(ShapeSpec s) { return withCategory(s, CAT_CHASSIS); }

const dReal HITCH_AHEAD = 1.0;

}  // namespace

TrailerWheels::TrailerWheels(const dReal pos[3], dSpaceID space)
    : DynamicWorldObj("trailerwheels", vehicle_records.trailerWheels, wld_world()) {
    dBodySetPosition(body, pos[0], pos[1], pos[2]);
    dMatrix3 r;
    dRFromAxisAndAngle(r, 1, 0, 0, -M_PI / 2);
    dBodySetRotation(body, r);
    dMass m;
    dMassSetSphere(&m, 4, 0.2);
    dBodySetMass(body, &m);
    const ShapeSpec s[] = {hull(shapeCylinder(0.2, 0.15, 0, 0, -0.4)),
                           hull(shapeCylinder(0.2, 0.15, 0, 0, 0.4))};
    attachShapes(body, this, space, s, 2);
}

TrailerObj::TrailerObj(const char* name_, const dReal p[3])
    : CompositeObj(name_, vehicle_records.trailer, wld_world()), hitch(nullptr) {
    dBodySetPosition(body, p[0], p[1], p[2]);
    dBodySetAutoDisableFlag(body, 0);
    dMass m;
    dMassSetBox(&m, 1, 1.6, 0.62, 0.05);
    dBodySetMass(body, &m);
    space = dSimpleSpaceCreate(wld_space());
    dSpaceSetCleanup(space, 0);
    const ShapeSpec s[] = {
        hull(shapeBox(1.6, 0.62, 0.05, 0, 0, -0.05)),
        hull(shapeBox(1.6, 0.05, 0.2, 0, -0.28, 0.075)),
        hull(shapeBox(1.6, 0.05, 0.2, 0, 0.28, 0.075)),
        hull(shapeBox(0.05, 0.62, 0.2, -0.77, 0, 0.075)),
        hull(shapeBox(0.05, 0.62, 0.2, 0.77, 0, 0.075)),
    };
    attachShapes(body, this, space, s, 5);
    const dReal wp[3] = {p[0], p[1], p[2] - 0.15};
    wheels = new TrailerWheels(wp, space);
    parts_add(parts, wheels);
    axle = dJointCreateHinge(wld_world(), nullptr);
    dJointAttach(axle, body, wheels->body);
    const dReal* at = dBodyGetPosition(wheels->body);
    dJointSetHingeAnchor(axle, at[0], at[1], at[2]);
    dJointSetHingeAxis(axle, 0, 1, 0);
    dJointSetHingeParam(axle, dParamCFM, 0.01);
}

TrailerObj::~TrailerObj() {
    dJointDestroy(axle);
    delete wheels;
    destroyBodyGeoms(body);
    dSpaceDestroy(space);
}

bool trailer_hitch() {
    TrailerObj* trailer = nullptr;
    for (int i = 0; i < wld_objectCount() && !trailer; i++) {
        DynamicWorldObj* o = wld_object(i);
        if (strcmp(o->name, "trailer") == 0) trailer = dynamic_cast<TrailerObj*>(o);
    }
    if (!trailer) return false;
    if (trailer->hitch) return true;
    DynamicWorldObj* truck = wld_truck();
    if (!truck) {
        // Without a chassis the joint would nail the trailer to the world.
        logLine("ERR No truck to hitch the trailer to");
        return false;
    }
    const dReal* p = dBodyGetPosition(trailer->body);
    dJointID j = dJointCreateUniversal(wld_world(), nullptr);
    dJointAttach(j, trailer->body, truck->body);
    dJointSetUniversalAnchor(j, p[0] + HITCH_AHEAD, p[1], p[2]);
    dJointSetUniversalAxis1(j, 0, 0, 1);
    dJointSetUniversalAxis2(j, 0, 1, 0);
    dJointSetUniversalParam(j, dParamCFM, 0.01);
    trailer->hitch = j;
    return true;
}
