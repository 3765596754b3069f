#include "vehicles/train.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/core/loader_world.h"
#include "tools/arena/machines2.h"

namespace {

class TrainTest : public LoaderWorld {
   protected:
    TrainObj* train = nullptr;
    void create() {
        wld_setLevelBuilder(machines2_builder("train"));
        wld_create(0, nullptr);
        for (int i = 0; i < wld_objectCount() && !train; i++)
            train = dynamic_cast<TrainObj*>(wld_object(i));
        ASSERT_NE(train, nullptr);
    }
    const dReal* at() { return dBodyGetPosition(train->body); }
};

}  // namespace

TEST_F(TrainTest, StaysAsleepWhereItWasBuiltUntilWoken) {
    create();
    EXPECT_FALSE(train->started);
    EXPECT_FALSE(dBodyIsEnabled(train->body));
    for (TrainAxle* a : train->axles) EXPECT_FALSE(dBodyIsEnabled(a->body));
    run(2);
    for (int k = 0; k < 3; k++) EXPECT_EQ(at()[k], MACHINES2_TRAIN_POS[k]);
    EXPECT_FALSE(dBodyIsEnabled(train->body));
}

TEST_F(TrainTest, LaunchedItRollsAlongItsRails) {
    create();
    const dReal v[3] = {-3, 0, 0};
    train->launch(v);
    EXPECT_TRUE(train->started);
    EXPECT_TRUE(dBodyIsEnabled(train->body));
    dReal worstY = 0, worstZ = 0;
    for (int i = 0; i < 120; i++) {
        tick();
        worstY = std::fmax(worstY, std::fabs(at()[1]));
        worstZ = std::fmax(worstZ, std::fabs(at()[2] - MACHINES2_TRAIN_POS[2]));
    }
    // Only the wagon is launched; it shares its momentum with the axles.
    EXPECT_LT(at()[0], -1.5);
    EXPECT_LT(dBodyGetLinearVel(train->body)[0], -0.5);
    EXPECT_LT(worstY, 0.05);  // held between its flanges
    EXPECT_LT(worstZ, 0.03);
    // Its wheels roll rather than slide: the axles turn at about v / r.
    const dReal* w = dBodyGetAngularVel(train->axles[0]->body);
    EXPECT_NEAR(std::fabs(w[1]), std::fabs(dBodyGetLinearVel(train->body)[0]) / 0.2, 2.0);
}

TEST_F(TrainTest, AxlesCarryFlangesInsideAndTreadsOutside) {
    create();
    for (TrainAxle* a : train->axles) {
        ASSERT_EQ(a->numDiscs, 4);
        dReal flange = 0, tread = 0;
        for (dGeomID g : a->discs) {
            dReal r, len;
            dGeomCylinderGetParams(g, &r, &len);
            dReal y = std::fabs(dGeomGetPosition(g)[1] - MACHINES2_TRAIN_POS[1]);
            (r > 0.18 ? flange : tread) = y;
        }
        EXPECT_NEAR(flange, 0.425, 1e-9);
        EXPECT_NEAR(tread, 0.475, 1e-9);
    }
}
