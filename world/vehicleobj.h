// A drivable machine: a DynamicWorldObj whose body is the chassis, switched
// on and off as the player takes and leaves it, and which tells the contact
// model how fast each of its wheels spins.
#pragma once

#include "world/worldobj.h"

class VehicleObj : public DynamicWorldObj {
   public:
    VehicleObj(const char* name, geomdesc* geometry, dWorldID world)
        : DynamicWorldObj(name, geometry, world) {}
    virtual void setActive(bool on) = 0;
    virtual bool isActive() = 0;
    // True when geom is one of this vehicle's wheels; spin gets its angular speed.
    virtual bool getWheelSpin(dGeomID geom, float& spin) = 0;
};
