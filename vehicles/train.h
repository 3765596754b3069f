// The train: a four-axle wagon on rails that the level logic launches. It
// is built asleep and stays put until something wakes it.
#pragma once

#include "vehicles/composite.h"
#include "vehicles/policecar.h"

enum { TRAIN_AXLES = 4 };

class TrainAxle : public AxleObj {
   public:
    TrainAxle(const dReal pos[3], dSpaceID space);
};

class TrainObj : public CompositeObj {
   public:
    explicit TrainObj(const dReal pos[3]);
    ~TrainObj() override;
    // Wakes the wagon and its axles and sends it off at the given velocity;
    // marks it started.
    void launch(const dReal velocity[3]);

    bool started;  // set when the level logic has launched it
    dSpaceID space;
    dGeomID decks[3];
    TrainAxle* axles[TRAIN_AXLES];
    dJointID joints[TRAIN_AXLES];
};
