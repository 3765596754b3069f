// The racer: a low car that the level logic starts and stops. Once started
// its rear axle spins up by itself, 9 rad/s faster every second up to 40.
#pragma once

#include "vehicles/policecar.h"

enum { RACER_REAR, RACER_FRONT, RACER_AXLES };

class RacerAxle : public AxleObj {
   public:
    RacerAxle(const dReal pos[3], bool rear, dSpaceID space);
};

class Racer : public CompositeVehicle {
   public:
    explicit Racer(const dReal pos[3]);
    ~Racer() override;
    void update(float dt) override;
    void setActive(bool on) override;  // never driven: does nothing
    bool isActive() override;          // always false
    bool getWheelSpin(dGeomID geom, float& spin) override;
    // Wakes the car and engages the rear drive, which then ramps up.
    virtual void startRacer();
    // Takes the drive off and lets the wheels run down.
    virtual void stopRacer();

    dSpaceID space;
    dGeomID chassis[2];  // body box, driver's capsule
    RacerAxle* axles[RACER_AXLES];
    dJointID joints[RACER_AXLES];
};
