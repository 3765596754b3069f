// The grapple on the crane tip: a hub swinging freely under beam C with two
// or four hinged prongs. An object that every prong touched during the last
// physics steps is grasped; with four prongs it stays grasped while half of
// them still touch it, with two only while both do. The grasped object is
// told so every frame.
#pragma once

#include "vehicles/composite.h"

enum { GRAPPLE_MAX_PRONGS = 4 };

class GrappleProng : public DynamicWorldObj {
   public:
    GrappleProng(geomdesc* geometry, dSpaceID space, const dReal pos[3], dReal angle, int kind);
    void update(float dt) override;  // pose, then forget the touch

    WorldObj* touching;  // what a gripping box touched since the last update
};

class Grapple : public CompositeObj {
   public:
    Grapple(const dReal pos[3], int kind);
    ~Grapple() override;
    void update(float dt) override;

    void setActive(bool on);
    // The "grapple" lever: positive opens; at rest the prongs are fixed.
    void control(float setting);
    // What the prongs hold after the last physics steps' touches.
    WorldObj* nextGrasp() const;

    int kind;
    bool active;
    WorldObj* grasped;
    dSpaceID space;
    dGeomID hub;
    GrappleProng* prongs[GRAPPLE_MAX_PRONGS];
    dJointID hinges[GRAPPLE_MAX_PRONGS];
    dReal lo, hi;  // prong hinge range
};

// The world's contact callback reports a gripping prong box touching other.
void grapple_prongTouched(WorldObj* prong, WorldObj* other);

// Fixes a hinge where it stands (both stops at its clamped angle) or frees it
// over lo..hi. Returns the clamped angle.
dReal grapple_lockHinge(dJointID hinge, dReal lo, dReal hi, bool locked);
