#include "world/props_basic.h"

#include "world/contact.h"
#include "world/wld.h"

void setBoxMass(dBodyID body, dReal density, dReal lx, dReal ly, dReal lz) {
    dMass m;
    dMassSetBox(&m, density, lx, ly, lz);
    dBodySetMass(body, &m);
}

dGeomID attachBox(dBodyID body, void* owner, dSpaceID space, const dReal size[3],
                  const dReal offset[3], unsigned long category, unsigned long collide) {
    dGeomID g = dCreateBox(space, size[0], size[1], size[2]);
    setCollision(g, owner, category, collide);
    dGeomSetBody(g, body);
    bool offsetZero = !offset || (offset[0] == 0 && offset[1] == 0 && offset[2] == 0);
    if (!offsetZero) dGeomSetOffsetPosition(g, offset[0], offset[1], offset[2]);
    return g;
}

BoxObj::BoxObj(const char* name_, geomdesc* geometry_, const dReal pos[3], const dReal size[3],
               dReal density, const dReal offset[3])
    : DynamicWorldObj(name_, geometry_, wld_world()) {
    dBodySetPosition(body, pos[0], pos[1], pos[2]);
    setBoxMass(body, density, size[0], size[1], size[2]);
    // An offset box sits on the body through the geom's own offset, which
    // collides exactly as a geom transform would.
    box = attachBox(body, this, wld_space(), size, offset, CAT_PART);
}

CylObj::CylObj(geomdesc* geometry_, const dReal pos[3], dReal radius, dReal length)
    : DynamicWorldObj("wheel", geometry_, wld_world()) {
    dBodySetPosition(body, pos[0], pos[1], pos[2]);
    dMatrix3 r;
    dRFromAxisAndAngle(r, 1, 0, 0, -M_PI / 2);
    dBodySetRotation(body, r);
    dMass m;
    dMassSetSphere(&m, 1.0, radius);
    dBodySetMass(body, &m);
    cylinder = dCreateCylinder(wld_space(), radius, length);
    setCollision(cylinder, this, CAT_PART);
    dGeomSetBody(cylinder, body);
}

SphereObj::SphereObj(const char* name_, geomdesc* geometry_, const dReal pos[3], dReal radius)
    : DynamicWorldObj(name_, geometry_, wld_world()) {
    dBodySetPosition(body, pos[0], pos[1], pos[2]);
    dMass m;
    dMassSetSphere(&m, 1.0, radius);
    dBodySetMass(body, &m);
    sphere = dCreateSphere(wld_space(), radius);
    setCollision(sphere, this, CAT_PART);
    dGeomSetBody(sphere, body);
}
