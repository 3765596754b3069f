// The police car: a passive car that rolls freely on two axles and never
// steers; the player brings it back with the fork lift. Its axle bodies
// carry their wheel discs as geoms, which the racer and the train share.
#pragma once

#include "vehicles/composite.h"

// A wheel disc on an axle: a cylinder offset along the axle body's z axis.
struct WheelDisc {
    dReal radius, length, along;
};
enum { AXLE_MAX_DISCS = 4 };

// An axle body lying across the vehicle (its z axis along world y), with the
// mass of a solid sphere of radius 0.3 and its discs in the vehicle space.
class AxleObj : public DynamicWorldObj {
   public:
    AxleObj(geomdesc* geometry, const dReal pos[3], dReal density, const WheelDisc* discs, int n,
            dSpaceID space);
    bool hasGeom(dGeomID geom) const;
    float spin() const;  // magnitude of the body's angular velocity

    int numDiscs;
    dGeomID discs[AXLE_MAX_DISCS];
};

class PoliceCarAxle : public AxleObj {
   public:
    PoliceCarAxle(const dReal pos[3], dSpaceID space);
};

enum { POLICECAR_AXLES = 2 };  // rear, front

class PoliceCar : public CompositeVehicle {
   public:
    explicit PoliceCar(const dReal pos[3]);
    ~PoliceCar() override;
    void update(float dt) override;
    void setActive(bool on) override;  // never driven: does nothing
    bool isActive() override;          // always false
    bool getWheelSpin(dGeomID geom, float& spin) override;

    dSpaceID space;
    dGeomID chassis[3];
    PoliceCarAxle* axles[POLICECAR_AXLES];
    dJointID joints[POLICECAR_AXLES];
};
