// The sky crane: a heavy-lift helicopter with a long tail boom, three
// undriven wheels, a main rotor, a tail rotor and a hook under its belly.
// Lift does not come from the rotor body: before every physics sub-step four
// vertical forces push the fuselage at the corners of a square round the hub,
// split by two attitude stabilisers, and a sideways force acts at the tail.
// Levers "collective" and "antitorque" and the cyclic stick fly it. If a
// blade strikes anything the rotor breaks off and the sky crane falls.
#pragma once

#include "vehicles/composite.h"
#include "vehicles/forklift.h"

enum { SKYCRANE_WHEELS = 3 };  // nose, left main, right main

// One attitude controller: gains, the previous and smoothed error, and
// whether the next step is its first (the first step has no derivative).
struct Stabiliser {
    float kP, kI, kD;
    float previousError;
    float smoothedError;
    bool firstStep;
};
Stabiliser stabiliser_make();
float stabiliser_step(Stabiliser& s, float error, float h);

// The rotor's collision side effect: a blade touched something.
void skycrane_rotorHit(WorldObj* rotor);

// The lift factor at a height: 1 up to 11 m, then falling off with ln(z - 10).
float skycrane_liftFactor(float z);

class MainRotor : public DynamicWorldObj {
   public:
    MainRotor(const dReal pos[3], dSpaceID space);
    ~MainRotor() override;
    void update(float dt) override;
    void draw(RenderContext& rc) override;
    void drawShadow(RenderContext& rc) override;
    void drawEdges(RenderContext& rc) override;

    bool hit;          // a blade has touched something
    WorldObj* disc;    // the blur of the spinning blades, shown while intact
    unsigned flicker;  // state of the disc's flicker sequence
};

class SkyCraneHook : public DynamicWorldObj {
   public:
    SkyCraneHook(const dReal pos[3], dSpaceID space);
};

class SkyCrane : public CompositeVehicle {
   public:
    explicit SkyCrane(const dReal pos[3]);
    ~SkyCrane() override;
    void update(float dt) override;
    void physicsStep(float h) override;
    void setActive(bool on) override;
    bool isActive() override;
    bool getWheelSpin(dGeomID geom, float& spin) override;

    // "collective" and "antitorque" levers; other tags change nothing.
    void control(const char* tag, float setting);
    void cyclic(float x, float y);
    bool rotorLost() const { return rotorHinge == nullptr; }
    bool hookReleased() const;
    // The wheel brake holds while the collective is at its lowest.
    bool wheelsBraked() const;
    void spinRotor();

    bool active;
    float collective;
    float antitorque;
    float cyclicX, cyclicY;
    dSpaceID space;
    dGeomID fuselage[2];  // tail boom, cabin
    ForkLiftWheel* wheels[SKYCRANE_WHEELS];
    dJointID wheelJoints[SKYCRANE_WHEELS];
    WorldObj* struts[SKYCRANE_WHEELS];
    SkyCraneHook* hook;
    dJointID hookHinge;
    bool releasing;
    float releaseTime;
    MainRotor* rotor;
    dJointID rotorHinge;  // null once the rotor has broken off
    WorldObj* tailRotor;
    Stabiliser pitch, roll;
};

extern SkyCrane* skycrane_current;  // the sky crane built last
extern float skycrane_tailSpin;     // degrees, shared by every sky crane
