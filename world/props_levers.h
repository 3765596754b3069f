// The three lever mechanisms the player works with the grapple: a lever body
// on a weakly held hinge to the static world. The rail lever latches when
// pulled, the lift lever drives a platform, the conveyor lever feeds boxes
// onto a moving belt and judges whether they were sorted into two heaps.
#pragma once

#include "world/props_basic.h"

class LeverProp : public DynamicWorldObj {
   public:
    LeverProp(const char* name, const dReal pos[3], dReal loStop, dReal hiStop);
    ~LeverProp() override;
    dReal angle() const;  // the hinge angle; positive tilts the top toward +x

    dJointID hinge;
};

class RailLever : public LeverProp {
   public:
    explicit RailLever(const dReal pos[3]);
    void update(float dt) override;

    bool pulled;  // latched once the lever was tilted beyond 0.04 pi
};

class LiftLever : public LeverProp {
   public:
    explicit LiftLever(const dReal pos[3]);
    ~LiftLever() override;
    void update(float dt) override;
    void draw(RenderContext& rc) override;
    void drawShadow(RenderContext& rc) override;
    void drawEdges(RenderContext& rc) override;

    BoxObj* platform;
    dJointID slider;
    dJointID motor;
};

enum { CONVEYOR_BOXES = 10 };

class ConveyerLever : public LeverProp {
   public:
    explicit ConveyerLever(const dReal pos[3]);
    ~ConveyerLever() override;
    void update(float dt) override;
    void onContact(WorldObj* other) override;
    void draw(RenderContext& rc) override;
    void drawShadow(RenderContext& rc) override;
    void drawEdges(RenderContext& rc) override;

    dGeomID belt;
    BoxObj* boxes[CONVEYOR_BOXES];
    int numBoxes;
    float timer;
    bool touched;
    bool completed;  // the green and the red boxes lie in two separate heaps
};

// The sorting rule on box positions: green[i] tells the colour of pos[i].
bool conveyor_heapsSorted(const vec3f* pos, const bool* green, int count);
// Whether box i of the feed is green.
bool conveyor_isGreen(int index);
