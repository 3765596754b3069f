#include "vehicles/racer.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/core/loader_world.h"
#include "tools/arena/machines2.h"
#include "vehicles/policecar.h"

namespace {

template <class T>
T* findNamed(const char* name) {
    for (int i = 0; i < wld_objectCount(); i++)
        if (!strcmp(wld_object(i)->name, name)) return dynamic_cast<T*>(wld_object(i));
    return nullptr;
}

class CarTest : public LoaderWorld {
   protected:
    void build(const char* variant) {
        wld_setLevelBuilder(machines2_builder(variant));
        wld_create(0, nullptr);
    }
    static dReal speed(dBodyID b) {
        const dReal* v = dBodyGetLinearVel(b);
        return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    }
};

class RacerTest : public CarTest {
   protected:
    Racer* racer = nullptr;
    void create() {
        build("racer");
        racer = findNamed<Racer>("racer");
        ASSERT_NE(racer, nullptr);
    }
    dReal drive() { return dJointGetHinge2Param(racer->joints[RACER_REAR], dParamVel2); }
};

class PoliceCarTest : public CarTest {
   protected:
    PoliceCar* car = nullptr;
    void create() {
        build("policecar");
        car = findNamed<PoliceCar>("policeCar");
        ASSERT_NE(car, nullptr);
        run(1);  // settle on its springs
    }
};

}  // namespace

TEST_F(RacerTest, IdleUntilStartedThenSpinsUpToFortyInAbout266Updates) {
    create();
    run(1);
    EXPECT_EQ(drive(), 0);
    const dReal x0 = dBodyGetPosition(racer->body)[0];
    EXPECT_NEAR(x0, 0, 0.01);

    racer->startRacer();
    EXPECT_TRUE(dBodyIsEnabled(racer->body));
    EXPECT_DOUBLE_EQ(drive(), -0.1);
    EXPECT_DOUBLE_EQ(dJointGetHinge2Param(racer->joints[RACER_REAR], dParamFMax2), 10.0);
    int updates = 0;
    while (drive() > -40 && updates < 400) tick(), updates++;
    EXPECT_NEAR(updates, 266, 1);
    tick(30);
    EXPECT_DOUBLE_EQ(drive(), -40);
    // The front axle stays undriven.
    EXPECT_EQ(dJointGetHinge2Param(racer->joints[RACER_FRONT], dParamVel2), 0);
    const dReal* p = dBodyGetPosition(racer->body);
    EXPECT_GT(p[0] - x0, 3.0);
    EXPECT_LT(std::fabs(p[1]), 0.5 * (p[0] - x0));
}

TEST_F(RacerTest, OnTheFlatItGainsAboutOnePointEightMetresASecondEachSecondUpToEight) {
    create();
    run(1);
    racer->startRacer();
    run(2);
    EXPECT_NEAR(speed(racer->body), 3.6, 0.15);  // its wheels do not spin on the ground
    run(2.5f);
    EXPECT_NEAR(speed(racer->body), 8.0, 0.15);  // 40 rad/s on wheels of radius 0.2
}

TEST_F(RacerTest, StopTakesTheDriveOffAndItRunsDown) {
    create();
    racer->startRacer();
    run(3);
    racer->stopRacer();
    EXPECT_EQ(dJointGetHinge2Param(racer->joints[RACER_REAR], dParamFMax2), 0);
    for (RacerAxle* a : racer->axles) EXPECT_DOUBLE_EQ(dBodyGetAngularDamping(a->body), 0.005);
    const dReal atStop = speed(racer->body);
    ASSERT_GT(atStop, 1.0);
    run(3);
    EXPECT_LT(speed(racer->body), atStop);
    EXPECT_GT(drive(), -40.0 - 1e-9);  // the ramp runs on, without force
}

TEST_F(RacerTest, IsNeverDrivenByThePlayer) {
    create();
    racer->setActive(true);
    EXPECT_FALSE(racer->isActive());
    post("accelcontrol setting=1");
    run(1);
    EXPECT_EQ(drive(), 0);
}

TEST_F(PoliceCarTest, WheelSpinIsTheAxlesAngularSpeedForItsWheelsOnly) {
    create();
    dBodySetAngularVel(car->axles[0]->body, 0, 3.0, 0);
    float spin = -1;
    EXPECT_TRUE(car->getWheelSpin(car->axles[0]->discs[1], spin));
    EXPECT_NEAR(spin, 3.0, 1e-6);
    EXPECT_TRUE(car->getWheelSpin(car->axles[1]->discs[0], spin));
    EXPECT_NEAR(spin, car->axles[1]->spin(), 1e-6);
    spin = -1;
    EXPECT_FALSE(car->getWheelSpin(car->chassis[0], spin));
    EXPECT_EQ(spin, -1.0f);
    EXPECT_FALSE(car->isActive());
}

TEST_F(PoliceCarTest, RollsFreelyAndCannotSteer) {
    create();
    const dReal x0 = dBodyGetPosition(car->body)[0];
    // A shove along x with a twist, as a fork lift might give it.
    dBodyEnable(car->body);
    dBodySetLinearVel(car->body, 2.0, 0, 0);
    dBodySetAngularVel(car->body, 0, 0, 0.5);
    for (PoliceCarAxle* a : car->axles) {
        dBodyEnable(a->body);
        dBodySetLinearVel(a->body, 2.0, 0, 0);
    }
    dReal worstSteer = 0;
    for (int i = 0; i < 60; i++) {
        tick();
        for (dJointID j : car->joints)
            worstSteer = std::fmax(worstSteer, std::fabs(dJointGetHinge2Angle1(j)));
    }
    EXPECT_LT(worstSteer, 0.02);
    EXPECT_GT(dBodyGetPosition(car->body)[0] - x0, 1.0);
    // Rolling, not sliding: the wheels turn at about v / r.
    const dReal v = speed(car->body);
    EXPECT_GT(v, 0.8);
    EXPECT_NEAR(car->axles[0]->spin(), v / 0.182, 0.3 * v / 0.182);
}
