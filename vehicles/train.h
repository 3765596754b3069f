// The train: a four-axle wagon on rails that the level logic launches. It
// is built asleep and stays put until something wakes it.
#pragma once

#include "vehicles/policecar.h"

enum { TRAIN_AXLES = 4 };

class TrainAxle : public AxleObj {
   public:
    TrainAxle(const dReal pos[3], dSpaceID space);
};

class TrainObj : public DynamicWorldObj {
   public:
    explicit TrainObj(const dReal pos[3]);
    ~TrainObj() override;
    void update(float dt) override;
    void draw(RenderContext& rc) override;
    void drawShadow(RenderContext& rc) override;
    void drawEdges(RenderContext& rc) override;
    // Wakes the wagon and its axles and sends it off at the given velocity;
    // marks it started.
    void launch(const dReal velocity[3]);

    bool started;  // set when the level logic has launched it
    dSpaceID space;
    dGeomID decks[3];
    TrainAxle* axles[TRAIN_AXLES];
    dJointID joints[TRAIN_AXLES];
};
