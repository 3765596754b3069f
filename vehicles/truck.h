// The truck: four wheels on hinge-2 joints with Ackermann steering at the
// front and an electronic differential on the driven rear axle, carrying the
// crane on a slewing turntable. Levels build one at a start position.
#pragma once

#include "vehicles/composite.h"
#include "vehicles/crane.h"
#include "world/props_basic.h"

enum { TRUCK_WHEELS = 4 };  // front-left, front-right, rear-left, rear-right

class TruckObj : public CompositeVehicle {
   public:
    TruckObj(const dReal pos[3], int grappleKind);
    ~TruckObj() override;
    void update(float dt) override;
    vec3f getPosition() override;  // the crane tip: the camera follows the work
    void setActive(bool on) override;
    bool isActive() override;
    bool getWheelSpin(dGeomID geom, float& spin) override;

    Crane* crane;
    bool active;
    float throttle;
    float steer;
    dSpaceID space;
    dGeomID chassis;
    CylObj* wheels[TRUCK_WHEELS];
    dJointID wheelJoints[TRUCK_WHEELS];
    dJointID slew;
};

extern TruckObj* truck_current;

// The world's factory for a level's truck.
DynamicWorldObj* truck_create(const dReal pos[3], int grappleKind);

// Steering and drive targets of one update, from the control settings and
// the rear wheels' previous target; exposed so the numbers can be checked.
struct TruckDrive {
    dReal drive, front;            // rear and front-left roll targets (rad/s)
    dReal driveForce, frontForce;  // their force limits
    dReal steerLeft, steerRight;   // front wheel angle targets
    dReal radius[3];               // path radii: rear-left, rear-right, centre
};
TruckDrive truck_driveTargets(float throttle, float steer, dReal previousDrive, bool active);
