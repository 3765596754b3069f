#include "world/props_shape.h"

#include "world/contact.h"

namespace {

void setAxis(dReal* out, int axis) {
    out[0] = axis == AXIS_X;
    out[1] = axis == AXIS_Y;
    out[2] = axis == AXIS_Z;
}

ShapeSpec blank(ShapeKind kind, dReal ox, dReal oy, dReal oz) {
    ShapeSpec s = {};
    s.kind = kind;
    s.offset[0] = ox;
    s.offset[1] = oy;
    s.offset[2] = oz;
    setAxis(s.axis, AXIS_Z);
    setAxis(s.axis2, AXIS_Z);
    return s;
}

dGeomID createGeom(dSpaceID space, const ShapeSpec& s) {
    switch (s.kind) {
        case SHAPE_CYLINDER:
            return dCreateCylinder(space, s.size[0], s.size[1]);
        case SHAPE_CAPSULE:
            return dCreateCapsule(space, s.size[0], s.size[1]);
        case SHAPE_SPHERE:
            return dCreateSphere(space, s.size[0]);
        case SHAPE_BOX:
            break;
    }
    return dCreateBox(space, s.size[0], s.size[1], s.size[2]);
}

}  // namespace

dGeomID attachShape(dBodyID body, void* owner, dSpaceID space, const ShapeSpec& s) {
    dGeomID g = createGeom(space, s);
    setCollision(g, owner, s.category ? s.category : CAT_PART,
                 s.collide ? s.collide : COLLIDE_DYNAMIC);
    dGeomSetBody(g, body);
    if (s.offset[0] != 0 || s.offset[1] != 0 || s.offset[2] != 0)
        dGeomSetOffsetPosition(g, s.offset[0], s.offset[1], s.offset[2]);
    if (s.angle != 0 || s.angle2 != 0) {
        dQuaternion q1, q2, q;
        dQFromAxisAndAngle(q1, s.axis[0], s.axis[1], s.axis[2], s.angle);
        dQFromAxisAndAngle(q2, s.axis2[0], s.axis2[1], s.axis2[2], s.angle2);
        dQMultiply0(q, q1, q2);
        dGeomSetOffsetQuaternion(g, q);
    }
    return g;
}

void attachShapes(dBodyID body, void* owner, dSpaceID space, const ShapeSpec* specs, int count) {
    for (int i = 0; i < count; i++) attachShape(body, owner, space, specs[i]);
}

void destroyBodyGeoms(dBodyID body) {
    dGeomID g = dBodyGetFirstGeom(body);
    while (g) {
        dGeomID next = dBodyGetNextGeom(g);
        dGeomDestroy(g);
        g = next;
    }
}

ShapeSpec shapeBox(dReal sx, dReal sy, dReal sz, dReal ox, dReal oy, dReal oz) {
    ShapeSpec s = blank(SHAPE_BOX, ox, oy, oz);
    s.size[0] = sx;
    s.size[1] = sy;
    s.size[2] = sz;
    return s;
}

ShapeSpec shapeBoxTurned(dReal sx, dReal sy, dReal sz, dReal ox, dReal oy, dReal oz, int axis,
                         dReal angle) {
    ShapeSpec s = shapeBox(sx, sy, sz, ox, oy, oz);
    setAxis(s.axis, axis);
    s.angle = angle;
    return s;
}

ShapeSpec shapeCylinder(dReal radius, dReal length, dReal ox, dReal oy, dReal oz, int axis,
                        dReal angle) {
    ShapeSpec s = blank(SHAPE_CYLINDER, ox, oy, oz);
    s.size[0] = radius;
    s.size[1] = length;
    setAxis(s.axis, axis);
    s.angle = angle;
    return s;
}

ShapeSpec shapeCapsule(dReal radius, dReal length, dReal ox, dReal oy, dReal oz, int axis,
                       dReal angle) {
    ShapeSpec s = shapeCylinder(radius, length, ox, oy, oz, axis, angle);
    s.kind = SHAPE_CAPSULE;
    return s;
}

ShapeSpec shapeSphere(dReal radius, dReal ox, dReal oy, dReal oz) {
    ShapeSpec s = blank(SHAPE_SPHERE, ox, oy, oz);
    s.size[0] = radius;
    return s;
}

ShapeSpec withCategory(ShapeSpec spec, unsigned long category, unsigned long collide) {
    spec.category = category;
    spec.collide = collide;
    return spec;
}
