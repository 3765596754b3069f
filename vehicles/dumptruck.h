// The dump truck: front-wheel steering, rear-wheel drive with a pedal that
// brakes and, held at a standstill, reverses; and a bed hinged at its rear,
// tipped by the "elevate" lever and held wherever the lever lets it go. The
// bed is either a tipper box or a flat deck with a front plate.
#pragma once

#include "vehicles/composite.h"
#include "world/props_basic.h"

enum { DUMPTRUCK_WHEELS = 4 };  // front-left, front-right, rear-left, rear-right

extern const dReal DUMPTRUCK_TIPPER_MAX;   // bed hinge high stop, 0.45 pi
extern const dReal DUMPTRUCK_FLATBED_MAX;  // 0.34 pi

class DumpTruckBed : public DynamicWorldObj {
   public:
    DumpTruckBed(const dReal pos[3], dSpaceID space, bool flatBed);
    bool flatBed;
};

// What the rear wheels are told in one update.
struct DumpTruckDrive {
    dReal velocity;  // v: the rear wheels turn at -v about their axle
    dReal force;
};
// The pedal logic: v and F from the pedal split, the reverse mode and the
// previous target vPrev.
DumpTruckDrive dumptruck_drive(float throttle, float brake, bool reverse, dReal vPrev, bool active);

class DumpTruckObj : public CompositeVehicle {
   public:
    DumpTruckObj(const dReal pos[3], bool flatBed);
    ~DumpTruckObj() override;
    void update(float dt) override;
    void setActive(bool on) override;
    bool isActive() override;
    bool getWheelSpin(dGeomID geom, float& spin) override;

    // The pedal: positive is throttle, negative is brake (and reverse).
    void accelerate(float setting);
    // The "elevate" lever.
    void tilt(float setting);

    bool active;
    float throttle;
    float brake;
    float steer;
    DumpTruckBed* bed;
    dSpaceID space;
    dGeomID chassis[2];
    CylObj* wheels[DUMPTRUCK_WHEELS];
    dJointID wheelJoints[DUMPTRUCK_WHEELS];  // hinge-2, chassis first
    dJointID bedHinge;
    float slowTimer;  // seconds below 0.2 m/s
    bool reverse;
};

extern DumpTruckObj* dumptruck_current;  // the dump truck built last
