// The fork lift: driven front wheels with a lagging drive, steered rear
// wheels, and a mast that tilts on a hinge at the chassis front with a
// carriage that slides up and down it carrying two gripping tines. Two
// levers, "elevate" (lift) and "rotate" (tilt), each hold where they are let go.
#pragma once

#include "vehicles/composite.h"
#include "world/props_basic.h"

enum { FORKLIFT_WHEELS = 4 };  // front-left, front-right, rear-left, rear-right

extern const dReal FORKLIFT_LIFT_MIN, FORKLIFT_LIFT_MAX;  // slider travel
extern const dReal FORKLIFT_TILT_MIN, FORKLIFT_TILT_MAX;  // hinge travel

class ForkLiftWheel : public CylObj {
   public:
    ForkLiftWheel(geomdesc* geometry, const dReal pos[3], dReal radius, dSpaceID space);
};

class ForkLiftCarriage : public DynamicWorldObj {
   public:
    ForkLiftCarriage(const dReal pos[3], dSpaceID space);
};

class ForkLiftArm : public CompositeObj {
   public:
    ForkLiftArm(const dReal pos[3], dSpaceID space);
    ~ForkLiftArm() override;
    vec3f getPosition() override;  // the carriage's

    ForkLiftCarriage* carriage;
    dJointID lift;  // slider, arm first
};

class ForkLift : public CompositeVehicle {
   public:
    explicit ForkLift(const dReal pos[3]);
    ~ForkLift() override;
    void update(float dt) override;
    vec3f getPosition() override;  // the forks: the camera watches the load
    void setActive(bool on) override;
    bool isActive() override;
    bool getWheelSpin(dGeomID geom, float& spin) override;
    virtual vec3f getWheelPosition(int i);
    virtual bool isAlmostStopped();

    // One lever: "elevate" or "rotate"; other tags change nothing.
    void control(const char* tag, float setting);

    bool active;
    float accelSetting;
    float steerSetting;
    dSpaceID space;
    dGeomID chassis[2];
    ForkLiftWheel* wheels[FORKLIFT_WHEELS];
    dJointID wheelJoints[FORKLIFT_WHEELS];  // hinges at the front, hinge-2 at the rear
    ForkLiftArm* arm;
    dJointID tilt;
};

extern ForkLift* forklift_current;  // the fork lift built last; the listeners act on it
