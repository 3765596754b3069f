// An open box on one free-rolling axle that the truck can tow. Levels build
// it as "trailer" or "cart"; the hitch couples the "trailer" to the truck.
#pragma once

#include "vehicles/composite.h"

class TrailerWheels : public DynamicWorldObj {
   public:
    TrailerWheels(const dReal pos[3], dSpaceID space);
};

class TrailerObj : public CompositeObj {
   public:
    TrailerObj(const char* name, const dReal pos[3]);
    ~TrailerObj() override;

    dSpaceID space;
    TrailerWheels* wheels;
    dJointID axle;
    dJointID hitch;  // none until hitched; the world's destruction takes it
};

// Couples the world's "trailer" to the world's truck with a universal joint
// 1.0 ahead of the trailer body. True when hitched (also when it already
// was); false when there is no trailer or no truck.
bool trailer_hitch();
