// The generic props that level data uses for many named objects: a box
// (optionally offset from its body), a wheel-like cylinder and a sphere.
#pragma once

#include "world/worldobj.h"

class BoxObj : public DynamicWorldObj {
   public:
    BoxObj(const char* name, geomdesc* geometry, const dReal pos[3], const dReal size[3],
           dReal density, const dReal offset[3]);
    dGeomID box;  // the box geom itself (inside a transform when offset)
};

class CylObj : public DynamicWorldObj {
   public:
    CylObj(geomdesc* geometry, const dReal pos[3], dReal radius, dReal length);
    dGeomID cylinder;
};

class SphereObj : public DynamicWorldObj {
   public:
    SphereObj(const char* name, geomdesc* geometry, const dReal pos[3], dReal radius);
    dGeomID sphere;
};

// Helpers shared by prop and vehicle classes.
void setBoxMass(dBodyID body, dReal density, dReal lx, dReal ly, dReal lz);
// A box geom at offset/rotation on body (via the body's offset, no transform).
dGeomID attachBox(dBodyID body, void* owner, dSpaceID space, const dReal size[3],
                  const dReal offset[3], unsigned long category,
                  unsigned long collide = COLLIDE_DYNAMIC);
