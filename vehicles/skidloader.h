// The skid loader: four fixed wheels driven per side and steered by driving
// the sides apart, a loader arm hinged at the rear of the chassis and a
// bucket at the arm's front end. All four controls are levers: "left" and
// "right" drive the wheel pairs, "elevate" the arm, "bucket" the bucket.
// It tells the engine sound how hard it works with an "accelcontrol" message.
#pragma once

#include "vehicles/composite.h"
#include "world/props_basic.h"

enum { SKIDLOADER_WHEELS = 4 };  // front-left, front-right, rear-left, rear-right

extern const dReal SKIDLOADER_ARM_MIN, SKIDLOADER_ARM_MAX;        // arm hinge travel
extern const dReal SKIDLOADER_BUCKET_MIN, SKIDLOADER_BUCKET_MAX;  // bucket hinge travel

class SkidLoaderBucket : public DynamicWorldObj {
   public:
    SkidLoaderBucket(const dReal pos[3], dSpaceID space);
};

class SkidLoaderArm : public CompositeObj {
   public:
    SkidLoaderArm(const dReal pos[3], dSpaceID space);
    ~SkidLoaderArm() override;

    SkidLoaderBucket* bucket;
    dJointID bucketHinge;  // arm first
};

class SkidLoader : public CompositeVehicle {
   public:
    explicit SkidLoader(const dReal pos[3]);
    ~SkidLoader() override;
    void update(float dt) override;
    void setActive(bool on) override;
    bool isActive() override;
    bool getWheelSpin(dGeomID geom, float& spin) override;

    // One lever: "elevate", "bucket", "left" or "right"; other tags do nothing.
    void control(const char* tag, float setting);

    bool active;
    float leftSetting;
    float rightSetting;
    dSpaceID space;
    dGeomID chassis[2];
    CylObj* wheels[SKIDLOADER_WHEELS];
    dJointID wheelJoints[SKIDLOADER_WHEELS];
    SkidLoaderArm* arm;
    dJointID armHinge;  // chassis first
};

extern SkidLoader* skidloader_current;  // the skid loader built last
