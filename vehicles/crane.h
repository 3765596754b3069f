// The crane arm on the truck: a slewing base, a boom (beam A) that elevates,
// a knuckle beam (B) that bends, a telescope (C) that extends, and a grapple
// on its tip. Each lever drives one joint motor; elevate and bend hold
// themselves up with a ratchet stop that follows the arm and clicks.
#pragma once

#include "vehicles/composite.h"
#include "vehicles/grapple.h"
#include "world/props_basic.h"

class Crane : public WorldObj {
   public:
    // anchor: the slew joint's anchor on the truck; grappleKind 0: none.
    Crane(const dReal anchor[3], dSpaceID vehicleSpace, int grappleKind);
    ~Crane() override;
    virtual void update(float dt);
    void draw(RenderContext& rc) override;
    void drawShadow(RenderContext& rc) override;
    void drawEdges(RenderContext& rc) override;

    void setActive(bool on);
    // One lever: "rotate", "elevate", "bend", "extend" or "grapple".
    void control(const char* tag, float setting);

    bool active;
    dBodyID base;
    dJointID slew;  // the truck's hinge to the base; owned by the truck
    BoxObj* beamA;
    BoxObj* beamB;
    BoxObj* beamC;
    dJointID hingeA, hingeB, sliderC;
    dJointID motorA, motorB, motorC;
    Grapple* grapple;
    dJointID grappleHinge;
    float clickAngleA, clickAngleB;
    PartList parts;  // grapple, beams A to C
};

extern Crane* crane_current;  // the crane built last; the lever messages act on it

// Ranges the levers work within.
extern const dReal CRANE_ELEVATE_MAX;  // hinge A: 0 .. 0.4 pi
extern const dReal CRANE_BEND_MIN;     // hinge B: -0.7 pi .. 0
extern const dReal CRANE_EXTEND_MIN, CRANE_EXTEND_LOCK_MAX, CRANE_EXTEND_MAX;
