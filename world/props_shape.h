// Compound collision shapes for props: a table of boxes, cylinders, capsules
// and spheres, each placed and turned relative to the prop's body.
#pragma once

#include "world/worldobj.h"

enum ShapeKind { SHAPE_BOX, SHAPE_CYLINDER, SHAPE_CAPSULE, SHAPE_SPHERE };

struct ShapeSpec {
    ShapeKind kind;
    dReal size[3];    // box edges; cylinder and capsule: radius, length; sphere: radius
    dReal offset[3];  // from the body origin
    // Offset rotation: quaternion(axis, angle) times quaternion(axis2, angle2);
    // a zero angle leaves that factor out.
    dReal axis[3];
    dReal angle;
    dReal axis2[3];
    dReal angle2;
    unsigned long category;  // 0: the ordinary prop category
    unsigned long collide;   // 0: the usual dynamic mask
};

// Creates one geom on body in space with owner as user data.
dGeomID attachShape(dBodyID body, void* owner, dSpaceID space, const ShapeSpec& spec);
void attachShapes(dBodyID body, void* owner, dSpaceID space, const ShapeSpec* specs, int count);

// Destroys every geom attached to body (before a space they live in goes).
void destroyBodyGeoms(dBodyID body);

// Shorthands for the tables.
ShapeSpec shapeBox(dReal sx, dReal sy, dReal sz, dReal ox, dReal oy, dReal oz);
ShapeSpec shapeBoxTurned(dReal sx, dReal sy, dReal sz, dReal ox, dReal oy, dReal oz, int axis,
                         dReal angle);
ShapeSpec shapeCylinder(dReal radius, dReal length, dReal ox, dReal oy, dReal oz, int axis = 0,
                        dReal angle = 0);
ShapeSpec shapeCapsule(dReal radius, dReal length, dReal ox, dReal oy, dReal oz, int axis = 0,
                       dReal angle = 0);
ShapeSpec shapeSphere(dReal radius, dReal ox, dReal oy, dReal oz);
ShapeSpec withCategory(ShapeSpec spec, unsigned long category, unsigned long collide = 0);

enum { AXIS_X = 0, AXIS_Y = 1, AXIS_Z = 2 };
